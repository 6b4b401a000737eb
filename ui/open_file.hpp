// The open picker: a design file (".sav") or a state file (".ini") of the current
// directory, chosen from the list only.
#pragma once

#include "picker_dialog.hpp"

class COpenFile : public PickerDialog {
    Q_OBJECT
public:
    explicit COpenFile(QWidget* parent = nullptr);

protected:
    void confirm() override;
    void listRefreshed(bool selectionKept) override;
};
