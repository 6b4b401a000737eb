// "Помощь": the help text of the data folder in the window's language (ReadMe.txt,
// ReadMe_en.txt), shown as it is.
#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>

class QPlainTextEdit;

namespace velmora::ui {

struct HelpText {
    bool ok = false;
    QString text;     // when ok
    QString caption;  // of the message, when !ok
    QString message;  // why there is no help, when !ok
};

// Reads the help text from the data folder afresh (nothing is cached), decoded like
// every other text file of the program.
HelpText readHelpText(const std::filesystem::path& dataFolder, const char* fileName);

class CHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CHelpDlg(const QString& text, QWidget* parent = nullptr);
    QPlainTextEdit* textBox() const { return text_; }

private:
    QPlainTextEdit* text_;
};

}  // namespace velmora::ui
