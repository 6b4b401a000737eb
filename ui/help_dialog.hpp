// "Помощь": the help text of the data folder in the window's language (ReadMe.txt,
// ReadMe_en.txt), written in Markdown (headings, lists, tables) and shown formatted.
#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>

class QTextBrowser;

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
    QTextBrowser* textBox() const { return text_; }

private:
    QTextBrowser* text_;
};

}  // namespace velmora::ui
