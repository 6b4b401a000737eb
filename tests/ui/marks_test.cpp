// What tells the user how far to trust the screen: input texts that are no number
// marked with the value they read as, results greyed once an input changed, and tips
// shown whole.
#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <QToolTip>

#include "hints.hpp"
#include "input_marks.hpp"
#include "window_fixture.hpp"

using namespace velmora;
using namespace velmora::uitest;

namespace {

bool marked(QLineEdit* e) { return e->property(ui::kMisreadProperty).toBool(); }

// The tip the toolkit shows for a widget when the pointer rests on it, or nullptr.
QLabel* hoverTip(QWidget* w) {
    QToolTip::hideText();
    const QPoint local = w->rect().center();
    QHelpEvent e(QEvent::ToolTip, local, w->mapToGlobal(local));
    QApplication::sendEvent(w, &e);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("qtooltip_label") && top->isVisible())
            return qobject_cast<QLabel*>(top);
    return nullptr;
}

// A redder pixel than any the window's own frames have.
bool red(QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; }

int redPixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += red(img.pixelColor(x, y));
    return n;
}

const QColor kGrey(128, 128, 128);

}  // namespace

TEST_F(WindowTest, TextsThatAreNoNumberAreMarkedUntilCorrected) {
    openClean();
    const QString bmHint = edit("Bm")->toolTip();
    ASSERT_FALSE(bmHint.isEmpty());
    EXPECT_EQ(redPixels(edit("U2_1")->grab().toImage()), 0);

    type("U2_1", "abc");
    EXPECT_TRUE(marked(edit("U2_1")));
    EXPECT_EQ(edit("U2_1")->toolTip(), QStringLiteral("Не число: читается как 0"));
    type("I2_1", "5O");
    EXPECT_TRUE(marked(edit("I2_1")));
    EXPECT_EQ(edit("I2_1")->toolTip(), QStringLiteral("Не число: читается как 5"));
    type("Bm", "1,2,3");  // the comma rule first: 1.2.3 reads 1.2
    EXPECT_EQ(edit("Bm")->toolTip(), QStringLiteral("Не число: читается как 1.2"));
    edit("U1max")->setText(QStringLiteral("230 В"));  // put there by the program: marked too
    EXPECT_EQ(edit("U1max")->toolTip(), QStringLiteral("Не число: читается как 230"));
    type("U2_2", "");
    EXPECT_FALSE(marked(edit("U2_2")));  // an empty field reads 0 and is no fault
    type("F", " 50 ");
    EXPECT_FALSE(marked(edit("F")));     // blanks around a number are
    type("j", "2,5");
    EXPECT_FALSE(marked(edit("j")));     // a decimal comma is a number

    // The red frame is there to be seen.
    const QImage shot = edit("I2_1")->grab().toImage();
    EXPECT_TRUE(shot.save(QString::fromUtf8(VELMORA_BUILD_DIR) + QStringLiteral("/marked-field.png")));
    EXPECT_GT(redPixels(shot), 2 * shot.width());
    EXPECT_TRUE(red(shot.pixelColor(0, shot.height() / 2)));

    // No run is refused for it: the fields read as the tips say.
    click(ui::names::calculate);
    EXPECT_TRUE(boxes_.shown.empty()) << boxes_.shown.front().text.toStdString();
    EXPECT_FALSE(text("W1").isEmpty());
    EXPECT_EQ(text("W2_1"), "");  // 0 V: no secondary
    EXPECT_EQ(text("Bm"), "1.2.3");
    EXPECT_TRUE(marked(edit("Bm")));

    type("Bm", "1.3");
    EXPECT_FALSE(marked(edit("Bm")));
    EXPECT_EQ(edit("Bm")->toolTip(), bmHint);  // its own hint is back
    EXPECT_TRUE(edit("Bm")->styleSheet().isEmpty());
    type("I2_1", "5");
    EXPECT_FALSE(marked(edit("I2_1")));
    EXPECT_EQ(edit("I2_1")->toolTip(), QString());
    EXPECT_EQ(redPixels(edit("I2_1")->grab().toImage()), 0);
}

TEST_F(WindowTest, AMarkedDimensionGetsTheHintOfTheCoreKindChosenMeanwhile) {
    openClean();
    type("lst", "x");
    EXPECT_TRUE(marked(edit("lst")));
    click("core0");  // the ring's hints are registered while lst is marked
    EXPECT_EQ(edit("lst")->toolTip(), QStringLiteral("Не число: читается как 0"));
    type("lst", "60");
    EXPECT_EQ(edit("lst")->toolTip(), QStringLiteral("Внешний диаметр кольца"));
}

TEST_F(WindowTest, ResultsTurnGreyOnceAnInputChangesUntilTheNextCalculation) {
    ui::CBrevinorDlg& dlg = openClean();
    std::vector<QLabel*> results;
    for (const Field& f : fields())
        if (f.role == FieldRole::result) results.push_back(find<QLabel>(std::string(f.name).c_str()));
    auto* commentBox = find<QPlainTextEdit>(ui::names::comment);
    auto allGrey = [&] {
        for (QLabel* l : results)
            if (l->palette().color(QPalette::WindowText) != kGrey) return false;
        return commentBox->palette().color(QPalette::Text) == kGrey;
    };
    auto noneGrey = [&] {
        for (QLabel* l : results)
            if (l->palette().color(QPalette::WindowText) == kGrey) return false;
        return commentBox->palette().color(QPalette::Text) != kGrey;
    };
    EXPECT_FALSE(dlg.resultsStale());
    EXPECT_TRUE(noneGrey());

    const QString w1 = text("W1"), kpd = text("KPD");
    type("U2_1", "24");
    EXPECT_TRUE(dlg.resultsStale());
    EXPECT_TRUE(allGrey());
    EXPECT_EQ(text("W1"), w1);  // still readable, nothing recalculated
    EXPECT_EQ(text("KPD"), kpd);
    EXPECT_TRUE(boxes_.shown.empty());

    click(ui::names::calculate);
    EXPECT_FALSE(dlg.resultsStale());
    EXPECT_TRUE(noneGrey());

    // Every kind of input counts: a check box, a core kind.
    click("double2_1");
    EXPECT_TRUE(allGrey());
    click(ui::names::calculate);
    EXPECT_TRUE(noneGrey());
    click("core3");
    EXPECT_TRUE(allGrey());
    // An overfill is a calculation too: its results are the new ones.
    type("I2_1", "500");
    click(ui::names::calculate);
    ASSERT_FALSE(boxes_.shown.empty());
    EXPECT_TRUE(noneGrey());
}

TEST(TipWrap, BreaksAtWordsAndKeepsEveryWord) {
    QFont font;
    font.setPixelSize(12);
    const QFontMetrics fm(font);
    const int width = 200;
    const QString text = QStringLiteral(
        "Для аудио применений рекомендуется амплитуда индукции 1,2 Тесла\nдля ленточных "
        "сердечников Оченьоченьоченьоченьоченьоченьоченьоченьдлинноеслово конец");
    const QString wrapped = ui::wrapTip(text, fm, width);
    const QStringList lines = wrapped.split(QLatin1Char('\n'));
    EXPECT_GT(lines.size(), 4);
    for (const QString& line : lines) EXPECT_LE(fm.horizontalAdvance(line), width) << line.toStdString();
    // Only blanks became line breaks, except inside the word too long for a line.
    QString joined = wrapped;
    joined.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QString plain = text;
    plain.replace(QLatin1Char('\n'), QLatin1Char(' '));
    EXPECT_EQ(joined.remove(QLatin1Char(' ')), QString(plain).remove(QLatin1Char(' ')));
    EXPECT_TRUE(lines.contains(QStringLiteral("Для аудио применений")) ||
                wrapped.startsWith(QStringLiteral("Для аудио применений ")));
    EXPECT_EQ(ui::wrapTip(QStringLiteral("short"), fm, width), QStringLiteral("short"));
    EXPECT_EQ(ui::wrapTip(QStringLiteral("a\nb"), fm, width), QStringLiteral("a\nb"));
}

TEST_F(WindowTest, EveryTipIsShownWhole) {
    ui::CBrevinorDlg& dlg = openClean();
    type("U2_2", "5O");  // a mark's tip too
    int tips = 0;
    auto checkAll = [&] {
        std::vector<QPointer<QWidget>> withTips;
        for (QWidget* w : dlg.findChildren<QWidget*>())
            if (!w->toolTip().isEmpty()) withTips.emplace_back(w);
        for (const QPointer<QWidget>& w : withTips) {
            ASSERT_FALSE(w.isNull());
            const QString hint = w->toolTip();
            QLabel* tip = hoverTip(w);
            ASSERT_NE(tip, nullptr) << w->objectName().toStdString();
            ++tips;
            // The whole text, lines broken only where it had blanks or breaks.
            EXPECT_EQ(tip->text().simplified(), hint.simplified()) << w->objectName().toStdString();
            // Nothing cut: the tip is as large as its text needs and no wider than 350.
            EXPECT_LE(tip->width(), ui::kTipMaxWidth) << w->objectName().toStdString();
            EXPECT_GE(tip->width(), tip->sizeHint().width()) << w->objectName().toStdString();
            EXPECT_GE(tip->height(), tip->sizeHint().height()) << w->objectName().toStdString();
            const QImage shot = tip->grab().toImage();
            EXPECT_EQ(shot.size(), tip->size());
        }
    };
    checkAll();
    const int steelTips = tips;
    EXPECT_GE(steelTips, 24);  // the start hints, the wire statics, the core edits, the mark
    click("core0");
    checkAll();

    // The long induction hint in particular, as a user sees it.
    QLabel* tip = hoverTip(edit("Bm"));
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->text().endsWith(QStringLiteral("1 Тесла для пластинчатых сердечников")));
    EXPECT_GT(tip->text().count(QLatin1Char('\n')), 0);
    EXPECT_TRUE(tip->grab().save(QString::fromUtf8(VELMORA_BUILD_DIR) + QStringLiteral("/tip-Bm.png")));
    QToolTip::hideText();
}
