// "О программе": the icon, the program line, the version and its date.
#pragma once

#include <QDialog>

namespace velmora::ui {

inline constexpr const char* kVersion = VELMORA_VERSION;
inline constexpr const char* kVersionDate = "14.11.2014";

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace velmora::ui
