// Every message box of the window goes through this interface, so that tests can
// answer them (a modal box offscreen would wait forever).
#pragma once

#include <QString>

class QWidget;

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A box with an OK button.
    virtual void show(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A box with OK and Cancel; true on OK.
    virtual bool ask(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Unsaved changes: a box with Save, Discard and Cancel.
    enum class SaveAnswer { save, discard, cancel };
    virtual SaveAnswer askToSave(QWidget* parent, const QString& caption, const QString& text) = 0;
};

// The real boxes: QMessageBox with the given caption, no icon.
class QtMessageBoxes : public MessageBoxes {
public:
    void show(QWidget* parent, const QString& caption, const QString& text) override;
    bool ask(QWidget* parent, const QString& caption, const QString& text) override;
    SaveAnswer askToSave(QWidget* parent, const QString& caption, const QString& text) override;
};
