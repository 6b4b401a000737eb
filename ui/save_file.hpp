// The save picker: a name typed or chosen from the current directory's design files.
// It asks before an existing file would be replaced.
#pragma once

#include "picker_dialog.hpp"

class MessageBoxes;

// The name the design is written under: ".sav" appended unless the name holds ".sav"
// anywhere, in exactly this case ("abc.sav.old" stays, "abc.SAV" gives "abc.SAV.sav").
QString withSavExtension(const QString& name);

class CSaveFile : public PickerDialog {
    Q_OBJECT
public:
    explicit CSaveFile(MessageBoxes& boxes, QWidget* parent = nullptr);

    // The proposed name, shown in the edit.
    void setFileName(const QString& name);

protected:
    void confirm() override;

private:
    MessageBoxes& boxes_;
};
