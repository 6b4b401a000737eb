// The rectifier helper in the window: the dialog under a secondary's column applies
// "bridge, 30 V, 2 A, 4700 µF", the design then gives it, the column is marked, every
// calculation solves it again, and a hand edit of the voltage or current detaches it.
#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "rectifier.hpp"
#include "rectifier_dialog.hpp"
#include "when_modal.hpp"
#include "window_fixture.hpp"

using namespace velmora;
using namespace velmora::uitest;

namespace {

void enter(ui::RectifierDialog* d, const char* name, const char* text) {
    auto* e = d->findChild<QLineEdit*>(QString::fromLatin1(name));
    ASSERT_NE(e, nullptr) << name;
    e->selectAll();
    QTest::keyClicks(e, QString::fromLatin1(text));
}

void press(ui::RectifierDialog* d, const char* name) {
    auto* b = d->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    if (qobject_cast<QRadioButton*>(b)) b->setChecked(true);
    else QTest::mouseClick(b, Qt::LeftButton);
}

QString shown(ui::RectifierDialog* d, const char* name) {
    auto* l = d->findChild<QLabel*>(QString::fromLatin1(name));
    return l ? l->text() : QString();
}

class RectifierWindow : public WindowTest {
protected:
    double number(const char* name) const { return text(name).toDouble(); }

    // The design's own winding put back into the solver, apart from the helper.
    RectifierResult designGives(RectifierKind kind, double Idc, double C) const {
        const double ratio = number("W2_1") / number("W1");
        RectifierCircuit c;
        c.kind = kind;
        c.E = number("U2xx_1");
        c.F = number("F");
        c.Rs = 1.2 * (number("R2_1") + number("R1") * ratio * ratio);
        c.C = C;
        c.Idc = Idc;
        return solveRectifier(c);
    }

    // Bridge, 30 V, 2 A, 4700 µF on secondary 2.1, calculated in the dialog first.
    void applyBridge() {
        QString calculated;
        whenModal<ui::RectifierDialog>([&calculated](ui::RectifierDialog* d) {
            press(d, "circuit1");
            enter(d, "Udc", "30");
            enter(d, "Idc", "2");
            enter(d, "C", "4700");
            press(d, "calculate");
            calculated = shown(d, "reachedUdc");
            EXPECT_FALSE(shown(d, "status").isEmpty());
            EXPECT_GT(shown(d, "ratio").toDouble(), 1.5);
            press(d, "apply");
        });
        click("rect2_1_button");
        EXPECT_NEAR(calculated.toDouble(), 30, 0.15);
    }
};

}  // namespace

TEST_F(RectifierWindow, ABridgeForThirtyVoltsAtTwoAmpsIsWhatTheDesignGives) {
    openClean();
    applyBridge();
    EXPECT_TRUE(boxes_.shown.empty()) << boxes_.shown.front().text.toStdString();
    const Record& r = dlg_->record();
    EXPECT_EQ(r.rect2[0], 1);
    EXPECT_EQ(r.Udc2[0], "30");
    EXPECT_EQ(r.C2[0], "4700");
    EXPECT_FALSE(find<QCheckBox>("double2_1")->isChecked());
    EXPECT_EQ(text("rect2_1_mark"), QString::fromUtf8("═ 30.0 В 2.00 А"));
    EXPECT_TRUE(text("rect2_2_mark").isEmpty());

    const RectifierResult x = designGives(RectifierKind::bridge, 2, 4700e-6);
    ASSERT_EQ(x.status, RectifierStatus::settled);
    EXPECT_NEAR(x.Udc, 30, 0.005 * 30);
    // The winding carries its real rms current, not the DC current.
    EXPECT_NEAR(text("I2_1").toDouble(), x.Irms, 0.01 * x.Irms);
    EXPECT_GT(x.Irms, 1.5 * 2);
    EXPECT_EQ(dlg_->rectifiers()[0].status, RectifierDesignStatus::settled);
}

TEST_F(RectifierWindow, EveryCalculationSolvesTheRectifierAgainForTheChangedDesign) {
    openClean();
    applyBridge();
    const QString before = text("U2_1");
    // Thicker wire: less resistance, so the old turns would give more than 30 V;
    // solved again, the winding gives 30 V.
    type("j", "3");
    click(ui::names::calculate);
    ASSERT_EQ(dlg_->rectifiers()[0].status, RectifierDesignStatus::settled) << comment().toStdString();
    EXPECT_NE(text("U2_1"), before);
    EXPECT_NEAR(designGives(RectifierKind::bridge, 2, 4700e-6).Udc, 30, 0.005 * 30);
    EXPECT_EQ(dlg_->record().rect2[0], 1);
}

TEST_F(RectifierWindow, AHandEditOfVoltageOrCurrentDetachesTheSecondary) {
    openClean();
    applyBridge();
    type("U2_1", "25");
    EXPECT_EQ(dlg_->record().rect2[0], 0);
    EXPECT_TRUE(text("rect2_1_mark").isEmpty());
    click(ui::names::calculate);
    EXPECT_EQ(text("U2_1"), QStringLiteral("25"));

    applyBridge();
    EXPECT_EQ(dlg_->record().rect2[0], 1);
    type("I2_1", "1");
    EXPECT_EQ(dlg_->record().rect2[0], 0);
}

TEST_F(RectifierWindow, CloseChangesNothingAndACentreTapSetsTheTap) {
    openClean();
    const QString u2 = text("U2_2");
    whenModal<ui::RectifierDialog>([](ui::RectifierDialog* d) {
        press(d, "circuit2");
        enter(d, "Udc", "15");
        press(d, "close");
    });
    click("rect2_2_button");
    EXPECT_EQ(text("U2_2"), u2);
    EXPECT_EQ(dlg_->record().rect2[1], 0);

    whenModal<ui::RectifierDialog>([](ui::RectifierDialog* d) {
        press(d, "circuit2");
        enter(d, "Udc", "15");
        enter(d, "Idc", "0.5");
        enter(d, "C", "2200");
        press(d, "apply");
    });
    click("rect2_2_button");
    EXPECT_TRUE(find<QCheckBox>("double2_2")->isChecked());
    EXPECT_EQ(dlg_->rectifiers()[1].status, RectifierDesignStatus::settled);
}

TEST_F(RectifierWindow, TheDialogAndTheMarkSpeakEnglish) {
    openClean();
    dlg_->OnLanguage(texts::Lang::en);
    applyBridge();
    EXPECT_EQ(text("rect2_1_mark"), QStringLiteral("═ 30.0 V 2.00 A"));
    EXPECT_EQ(find<QPushButton>("rect2_1_button")->text(), QStringLiteral("Rectifier..."));
    whenModal<ui::RectifierDialog>([](ui::RectifierDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Rectifier of secondary 2.1"));
        press(d, "circuit3");
        press(d, "calculate");
        EXPECT_TRUE(shown(d, "status").contains(QStringLiteral("premagnetises")));
        for (QLabel* l : d->findChildren<QLabel*>())
            for (QChar c : l->text()) EXPECT_FALSE(c.unicode() >= 0x0400 && c.unicode() <= 0x04FF)
                << l->text().toStdString();
        press(d, "close");
    });
    click("rect2_1_button");
}

// A centre-tapped secondary 2.1 given each circuit in the dialog: it opens on the full
// wave with centre tap; a bridge or half wave asks before the tap goes (declined, the
// dialog stays and nothing changes), the circuits that use the tap keep it.
TEST_F(RectifierWindow, TheCentreTapIsAskedForBeforeItGoes) {
    struct Case {
        int circuit;
        bool answer;
        bool asked;
        int rect2;   // after
        bool tapped; // after
    };
    const Case cases[] = {{1, true, true, 1, false}, {1, false, true, 0, true}, {2, true, false, 2, true},
                          {3, true, true, 3, false}, {3, false, true, 0, true}, {4, true, false, 4, true}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "circuit " << k.circuit << " answer " << k.answer);
        dlg_.reset();  // a fresh window, without the inputs the last one kept
        std::error_code ec;
        fs::remove(stateFile_, ec);
        openClean();
        find<QCheckBox>("double2_1")->setChecked(true);
        boxes_.asked.clear();
        boxes_.answers = {k.answer};
        int opened = -1;
        const QString button = QStringLiteral("circuit%1").arg(k.circuit);
        whenModal<ui::RectifierDialog>([&](ui::RectifierDialog* d) {
            for (int c = 0; c <= 4; ++c)
                if (d->findChild<QRadioButton*>(QStringLiteral("circuit%1").arg(c))->isChecked()) opened = c;
            press(d, button.toLatin1().constData());
            enter(d, "Udc", "12");
            enter(d, "Idc", "0.3");
            enter(d, "C", "4700");
            press(d, "apply");
            if (d->isVisible()) press(d, "close");  // declined: still open
        });
        click("rect2_1_button");
        EXPECT_EQ(opened, 2);
        EXPECT_EQ(boxes_.asked.size(), k.asked ? 1u : 0u);
        if (k.asked) {
            EXPECT_TRUE(boxes_.asked.front().text.contains(QStringLiteral("2.1")));
        }
        EXPECT_EQ(dlg_->record().rect2[0], k.rect2);
        EXPECT_EQ(find<QCheckBox>("double2_1")->isChecked(), k.tapped);
        if (k.rect2) {
            EXPECT_EQ(dlg_->rectifiers()[0].status, RectifierDesignStatus::settled);
        }
    }
}

// Reopened, the dialog shows the circuit the secondary has.
TEST_F(RectifierWindow, ReopenedTheDialogShowsTheSecondarysCircuit) {
    openClean();
    for (int circuit : {4, 1, 2, 3}) {
        SCOPED_TRACE(circuit);
        const QString button = QStringLiteral("circuit%1").arg(circuit);
        whenModal<ui::RectifierDialog>([&](ui::RectifierDialog* d) {
            press(d, button.toLatin1().constData());
            enter(d, "Udc", "12");
            enter(d, "Idc", "0.3");
            enter(d, "C", "4700");
            press(d, "apply");
        });
        click("rect2_2_button");
        bool shown = false;
        whenModal<ui::RectifierDialog>([&](ui::RectifierDialog* d) {
            shown = d->findChild<QRadioButton*>(button)->isChecked();
            press(d, "close");
        });
        click("rect2_2_button");
        EXPECT_TRUE(shown);
    }
}
