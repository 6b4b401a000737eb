#include "window_fixture.hpp"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace velmora::uitest {

ui::CBrevinorDlg& WindowTest::open(const fs::path& data) {
    dlg_ = std::make_unique<ui::CBrevinorDlg>(boxes_, pickers_, ui::DialogOptions{data, stateFile_, {}});
    started_ = dlg_->start();
    if (started_) {
        dlg_->show();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !dlg_->startPending(); }));
    }
    return *dlg_;
}

void WindowTest::type(const char* name, const QString& text) {
    QLineEdit* e = edit(name);
    ASSERT_NE(e, nullptr);
    e->setFocus();
    e->selectAll();
    if (text.isEmpty())
        QTest::keyClick(e, Qt::Key_Delete);
    else
        QTest::keyClicks(e, text);  // ASCII only: Cyrillic aborts the test library
}

void WindowTest::click(const char* name) {
    auto* b = find<QAbstractButton>(name);
    ASSERT_NE(b, nullptr);
    // A radio button or a check box answers on its mark and its text, which may be
    // much narrower than the column it stands in: click its mark, as a user would.
    if (qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b))
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    else
        QTest::mouseClick(b, Qt::LeftButton);
}

}  // namespace velmora::uitest
