// The main window driven as a user drives it: start, the controls and their fields,
// the hints, typing the core dimensions, the core kinds, the calculation with its
// boxes in order, and the wire kinds.
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <set>

#include "calculation.hpp"
#include "design_file.hpp"
#include "fill_diagram.hpp"
#include "hints.hpp"
#include "wires.hpp"
#include "window_fixture.hpp"

using namespace velmora;
using namespace velmora::uitest;

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

const QString kOverfillBox = QStringLiteral(
    "Расчет прерван!\nОкно сердечника слишком заполнено.\nПолная заданная мощность слишком "
    "велика.\nУменьшите полную заданную мощность.");
const QString kOverfillComment = QStringLiteral(
    "Расчет прерван!\nОкно сердечника слишком заполнено.\nПолная заданная мощность слишком "
    "велика.\nУменьшите полную заданную мощность.");

// The engine's own answer for a record, with the table of a kind of the shipped data,
// and its comment in Russian.
RunResult engineRun(Record& r, const std::string& kind) {
    const WireSizes sizes = LoadWireSizes(shippedData(), kind);
    EXPECT_TRUE(sizes.ok);
    RunResult run = Calculate(r, sizes.table);
    r.comment = texts::comment(run, texts::Lang::ru);
    return run;
}

}  // namespace

TEST_F(WindowTest, StartsWithTheDefaultsAndShowsTheEnginesDesign) {
    ui::CBrevinorDlg& dlg = openClean();
    EXPECT_EQ(dlg.windowTitle(),
              QStringLiteral("Velmora - Расчет сетевого силового трансформатора (Версия 3.8)"));
    EXPECT_TRUE(find<QRadioButton>("core2")->isChecked());
    EXPECT_EQ(text("lst"), "25");
    EXPECT_EQ(text("U2_1"), "20");
    EXPECT_EQ(text("U2_2"), "");
    EXPECT_EQ(find<QComboBox>("Conductor")->currentText(), QStringLiteral("ПЭТ-155"));

    // The window shows exactly what the engine computes for the default record at the
    // strip's real width.
    const auto* strip = find<ui::FillDiagram>(ui::names::diagram);
    Record expected;
    expected.diag_width = strip->width();
    const RunResult run = engineRun(expected, "ПЭТ-155");
    ASSERT_EQ(run.status, RunStatus::ok);
    EXPECT_EQ(dlg.record().diag_width, strip->width());
    for (const Field& f : fields()) {
        if (f.control == ControlKind::edit || f.control == ControlKind::label) {
            EXPECT_EQ(text(std::string(f.name).c_str()), qs(f.textIn(expected))) << f.name;
        }
    }
    EXPECT_FALSE(text("W1").isEmpty());
    EXPECT_EQ(text("Bm"), "1.5");  // the default's comma became a point
    EXPECT_EQ(comment(), qs(expected.comment).replace("\r\n", "\n"));
    EXPECT_EQ(strip->extents().ext1, expected.ext1);
    EXPECT_GT(strip->extents().ext1, 0);
    EXPECT_EQ(strip->extents().ext2, expected.ext2);
}

TEST_F(WindowTest, EveryFieldHasItsControlAndLabel) {
    ui::CBrevinorDlg& dlg = openClean();
    std::set<QString> labels;
    for (QLabel* l : dlg.findChildren<QLabel*>()) labels.insert(l->text());
    for (QAbstractButton* b : dlg.findChildren<QAbstractButton*>()) labels.insert(b->text());
    for (QGroupBox* g : dlg.findChildren<QGroupBox*>()) labels.insert(g->title());
    for (const Field& f : fields()) {
        if (f.control == ControlKind::none) continue;  // a dialog of its own holds it
        const QString name = QString::fromUtf8(f.name.data(), static_cast<qsizetype>(f.name.size()));
        if (f.control == ControlKind::radio) {
            for (int k = 0; k < 5; ++k) {
                auto* b = dlg.findChild<QRadioButton*>(QStringLiteral("core%1").arg(k));
                ASSERT_NE(b, nullptr);
                const std::string_view kind = texts::coreKind(k, texts::Lang::ru);
                EXPECT_EQ(b->text(), QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())));
            }
        } else {
            EXPECT_NE(dlg.findChild<QWidget*>(name), nullptr) << f.name;
        }
        if (f.name == "lst" || f.name == "hst" || f.name == "lok" || f.name == "hok") continue;
        const std::string_view label = texts::label(f, texts::Lang::ru), unit = texts::unit(f, texts::Lang::ru);
        EXPECT_TRUE(labels.count(QString::fromUtf8(label.data(), qsizetype(label.size())))) << f.name;
        if (!unit.empty()) {
            EXPECT_TRUE(labels.count(QString::fromUtf8(unit.data(), qsizetype(unit.size()))));
        }
    }
    for (const char* t : {"Ls, мм", "Hs, мм", "Lok, мм", "Hok, мм", "Ls+", "Hs+", "1.", "2.1", "2.5",
                          "Комментарий", "Диаграмма заполнения окна обмотками", "Рассчитать",
                          "Выход", "Загрузить", "Сохранить", "Сохранить в файле"})
        EXPECT_TRUE(labels.count(QString::fromUtf8(t))) << t;
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(find<QCheckBox>(("double2_" + std::to_string(i)).c_str())->text(),
                  QStringLiteral("Да"));
    EXPECT_TRUE(find<QPushButton>(ui::names::calculate)->isDefault());
    EXPECT_TRUE(find<QPlainTextEdit>(ui::names::comment)->isReadOnly());

    QStringList menu;
    for (QAction* a : dlg.findChild<QMenuBar*>()->actions()) menu << a->text();
    EXPECT_EQ(menu, (QStringList{"&Файл", "&Правка", "Подобрать &сердечник...", "Спрое&ктировать...", "По&мощь", "&О программе...", "Язык / &Language"}));

    // A window of about 900 x 530 at the normal font, that can be resized.
    EXPECT_LT(dlg.minimumSizeHint().width(), dlg.maximumSize().width());
    EXPECT_GT(dlg.width(), 700);
    EXPECT_LT(dlg.width(), 1400);
    EXPECT_GT(dlg.height(), 400);
    EXPECT_LE(dlg.height(), 800);  // the offscreen screen's height
}

TEST_F(WindowTest, HintsCarryTheirTextsTimesAndColours) {
    ui::CBrevinorDlg& dlg = openClean();
    for (const ui::HintText& h : ui::startHints()) {
        QWidget* w = nullptr;
        if (h.id == 3 || h.id == 4 || h.id == 5) {
            w = find(std::to_string(h.id).c_str());
        } else {
            for (const Field& f : fields())
                if (f.id == h.id) w = find(std::string(f.name).c_str());
        }
        ASSERT_NE(w, nullptr) << h.id;
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(h.text.data(), qsizetype(h.text.size()))) << h.id;
        EXPECT_EQ(w->toolTipDuration(), 30000);
    }
    EXPECT_EQ(edit("lst")->toolTip(), QStringLiteral("Ширина стали"));
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 100);
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 240, 160));
    EXPECT_TRUE(qApp->styleSheet().contains("max-width: 350px"));

    // The calculation puts its own texts on the wire statics: as the engine says.
    Record expected;
    expected.diag_width = dlg.record().diag_width;
    const RunResult run = engineRun(expected, "ПЭТ-155");
    std::map<int, std::string> last;
    for (const Hint& h : run.hints) last[findField(h.field)->id] = texts::hint(h, texts::Lang::ru);
    ASSERT_FALSE(last.empty());
    for (auto [id, t] : last) {
        const Field* f = nullptr;
        for (const Field& g : fields())
            if (g.id == id && g.role == FieldRole::result) f = &g;
        ASSERT_NE(f, nullptr) << id;
        EXPECT_EQ(find(std::string(f->name).c_str())->toolTip(), qs(t)) << f->name;
    }
    EXPECT_NE(text("D1"), QString());
    EXPECT_NE(find("D1")->toolTip(), QString::fromUtf8(ui::kWireDiameterHint.data()));
    EXPECT_EQ(find("D2_5")->toolTip(), QString());  // an unused secondary has no tip
}

TEST_F(WindowTest, TypedCoreDimensionsDeriveTheBobbin) {
    openClean();
    const QString w1 = text("W1");
    type("lst", "30");
    EXPECT_EQ(text("hkar"), "32.0");
    type("hok", "36");
    EXPECT_EQ(text("lkar"), "34.0");
    type("hst", "3,5");  // the number rule turns the comma into a point at once
    EXPECT_EQ(text("hkar1"), "5.5");
    // The program's own changes of the bobbin do not count as the user's.
    EXPECT_FALSE(find<QCheckBox>("razmery")->isChecked());
    EXPECT_EQ(text("W1"), w1);  // no calculation
    EXPECT_TRUE(boxes_.shown.empty());

    // Typing is not disturbed: the text is put back only when it differs.
    QLineEdit* lst = edit("lst");
    EXPECT_EQ(lst->cursorPosition(), 2);
    EXPECT_TRUE(lst->isUndoAvailable());
    lst->setCursorPosition(1);
    QTest::keyClick(lst, Qt::Key_5);
    EXPECT_EQ(lst->text(), "350");
    EXPECT_EQ(lst->cursorPosition(), 2);
    EXPECT_EQ(text("hkar"), "352.0");

    type("hkar", "40");
    EXPECT_TRUE(find<QCheckBox>("razmery")->isChecked());
    EXPECT_EQ(dlg_->record().razmery, 1);
    type("lst", "x");  // not a number: reads as 0
    EXPECT_EQ(text("hkar"), "2.0");
}

TEST_F(WindowTest, RingClickPresentsTheRingAndDerivesItsSizes) {
    openClean();
    type("lst", "60");
    type("hst", "30");
    type("lok", "20");
    const QString w1 = text("W1"), kok = text("Kok");
    click("core0");
    EXPECT_EQ(dlg_->record().core, 0);
    // (D - d)/2 + 2 and H + 2, as the calculation derives them.
    EXPECT_EQ(text("hkar"), "17.0");
    EXPECT_EQ(text("hkar1"), "22.0");
    EXPECT_TRUE(edit("hok")->isHidden());
    EXPECT_FALSE(edit("lkar")->isEnabled());
    EXPECT_EQ(text("Bm"), "1.5");
    EXPECT_EQ(text(ui::names::lstLabel), "D, мм");
    EXPECT_EQ(text(ui::names::hstLabel), "d, мм");
    EXPECT_EQ(text(ui::names::lokLabel), "H, мм");
    EXPECT_EQ(text(ui::names::hokLabel), "");
    EXPECT_EQ(text(ui::names::hkarPrefix), "(D-d)/2+");
    EXPECT_EQ(text(ui::names::hkar1Prefix), "H+");
    EXPECT_EQ(edit("lst")->toolTip(), QStringLiteral("Внешний диаметр кольца"));
    EXPECT_EQ(edit("hst")->toolTip(), QStringLiteral("Внутренний диаметр кольца"));
    EXPECT_EQ(edit("lok")->toolTip(), QStringLiteral("Высота кольца"));
    // A core change computes nothing.
    EXPECT_EQ(text("W1"), w1);
    EXPECT_EQ(text("Kok"), kok);
    EXPECT_TRUE(boxes_.shown.empty());

    // Check box 1073 follows the core kind, not its own state.
    click("razmery");
    EXPECT_FALSE(edit("lkar")->isEnabled());
    click("core2");
    EXPECT_FALSE(edit("hok")->isHidden());
    EXPECT_TRUE(edit("lkar")->isEnabled());
    EXPECT_EQ(text(ui::names::lstLabel), "Ls, мм");
    EXPECT_EQ(edit("lok")->toolTip(), QStringLiteral("Ширина окна"));
    EXPECT_EQ(text("hkar"), "62.0");   // lst + 2
    EXPECT_EQ(text("hkar1"), "32.0");  // hst + 2
    EXPECT_EQ(text("lkar"), "38.0");   // hok - 2
    click("razmery");
    EXPECT_TRUE(edit("lkar")->isEnabled());
}

TEST_F(WindowTest, LaminatedCoresProposeALowerInduction) {
    openClean();
    type("Bm", "1.7");
    click("core3");
    EXPECT_EQ(text("Bm"), "1.2");
    click("core1");
    EXPECT_EQ(text("Bm"), "1.5");
    click("core4");
    EXPECT_EQ(text("Bm"), "1.2");
}

TEST_F(WindowTest, CommaInputsShowAPointAfterTheCalculation) {
    openClean();
    type("Bm", "1,4");
    type("F", "60,0");
    EXPECT_EQ(text("Bm"), "1,4");  // no handler reads these while typing
    click(ui::names::calculate);
    EXPECT_EQ(text("Bm"), "1.4");
    EXPECT_EQ(text("F"), "60.0");
    EXPECT_EQ(dlg_->record().Bm, "1.4");
    for (const Field& f : fields()) {
        if (f.role == FieldRole::result) {
            EXPECT_FALSE(text(std::string(f.name).c_str()).contains(',')) << f.name;
        }
    }

    // Enter in an edit calculates too (the default button).
    type("Bm", "1,3");
    QTest::keyClick(edit("Bm"), Qt::Key_Return);
    EXPECT_EQ(text("Bm"), "1.3");
}

TEST_F(WindowTest, AnOverfillShowsItsBoxOnceAfterTheComment) {
    openClean();
    type("U2_1", "5");
    type("I2_1", "1");
    type("U2_2", "40");
    type("I2_2", "5");
    type("U2_3", "6");
    type("I2_3", "1");
    type("Bm", "1,75");  // an induction warning first
    const QString oldComment = comment();
    std::vector<QString> commentAtBox;
    boxes_.onShow = [&](const FakeBoxes::Box&) { commentAtBox.push_back(comment()); };
    click(ui::names::calculate);

    ASSERT_GE(boxes_.shown.size(), 2u);
    int overfills = 0;
    for (const auto& b : boxes_.shown) overfills += b.text == kOverfillBox;
    EXPECT_EQ(overfills, 1);
    EXPECT_EQ(boxes_.shown.back().text, kOverfillBox);
    EXPECT_EQ(boxes_.shown.back().caption, QStringLiteral("Внимание!"));
    // The warning came while the old design was on screen, the overfill after the
    // record and the abort text.
    EXPECT_EQ(commentAtBox.front(), oldComment);
    EXPECT_EQ(commentAtBox.back(), kOverfillComment);
    EXPECT_EQ(comment(), kOverfillComment);
    EXPECT_EQ(text("Bm"), "1.75");
    EXPECT_EQ(text("W2_3"), "");  // after the failing secondary
    EXPECT_FALSE(text("W1").isEmpty());
}

TEST_F(WindowTest, AnotherWireKindRecalculates) {
    ui::CBrevinorDlg& dlg = openClean();
    auto* combo = find<QComboBox>("Conductor");
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    ASSERT_EQ(items.size(), static_cast<qsizetype>(dlg.wireKinds().size()));
    ASSERT_GE(items.size(), 2);
    const int awg = items.indexOf("AWG heavy");
    ASSERT_GE(awg, 0);

    type("Bm", "1,3");
    combo->setFocus();
    combo->setCurrentIndex(awg - 1);
    QTest::keyClick(combo, Qt::Key_Down);  // the user moves to the next kind
    EXPECT_EQ(combo->currentIndex(), awg);
    EXPECT_EQ(dlg.record().Conductor, "AWG heavy");

    Record expected;
    expected.Bm = "1,3";
    expected.Conductor = "AWG heavy";
    expected.diag_width = dlg.record().diag_width;
    ASSERT_EQ(engineRun(expected, "AWG heavy").status, RunStatus::ok);
    EXPECT_EQ(text("D1"), qs(expected.D1));
    EXPECT_EQ(text("W2_1"), qs(expected.W2[0]));
    EXPECT_EQ(text("Bm"), "1.3");  // it was calculated
    EXPECT_TRUE(boxes_.shown.empty());
    // 0.455 mm is AWG 25: the diameter's tip names the gauge after its own lines.
    const QString tip = find("D1")->toolTip();
    EXPECT_EQ(text("D1"), "0.455");
    EXPECT_TRUE(tip.startsWith(QStringLiteral("Диаметр провода по эмали"))) << tip.toStdString();
    EXPECT_TRUE(tip.endsWith(QStringLiteral(" мм2\nКалибр AWG 25"))) << tip.toStdString();
    EXPECT_FALSE(find("Lpr1")->toolTip().contains(QStringLiteral("AWG")));
}

TEST_F(WindowTest, AKindWhoseSizesVanishedKeepsThePreviousKind) {
    const fs::path data = copyData();
    ui::CBrevinorDlg& dlg = openClean(data);
    auto* combo = find<QComboBox>("Conductor");
    const int before = combo->currentIndex();
    const int gone = combo->findText("ПЭТВ-2");
    ASSERT_GE(gone, 0);
    fs::remove(data / pathFromUtf8("ПЭТВ-2.txt"));
    const QString d1 = text("D1");

    dlg.OnSelchangeConductor(gone);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].caption, QStringLiteral("Внимание!"));
    EXPECT_TRUE(boxes_.shown[0].text.contains(QStringLiteral("ПЭТВ-2.txt")));
    EXPECT_EQ(combo->currentIndex(), before);
    EXPECT_EQ(dlg.record().Conductor, "ПЭТ-155");
    EXPECT_EQ(text("D1"), d1);
}

TEST_F(WindowTest, AnIncompleteCatalogueEndsTheStartWithoutAStateFile) {
    {
        const fs::path data = copyData();
        fs::remove(data / pathFromUtf8("Провода.txt"));
        open(data);
        EXPECT_FALSE(started_);
        ASSERT_EQ(boxes_.shown.size(), 1u);
        EXPECT_EQ(boxes_.shown[0].caption, QStringLiteral("Внимание!"));
        EXPECT_TRUE(boxes_.shown[0].text.startsWith(QStringLiteral(
            "В папке с программой отсутствует файл перечня применяемых в программе проводов.")));
        dlg_->close();
        EXPECT_FALSE(fs::exists(stateFile_));
        fs::remove_all(data);
    }
    boxes_.shown.clear();
    const fs::path data = copyData();
    fs::remove(data / pathFromUtf8("МЭК 60317 тип 1.txt"));
    open(data);
    EXPECT_FALSE(started_);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_TRUE(boxes_.shown[0].text.startsWith(
        QStringLiteral("В папке с программой отсутствует файл МЭК 60317 тип 1.txt")));
    dlg_->close();
    EXPECT_FALSE(fs::exists(stateFile_));
}

TEST_F(WindowTest, TheFirstCalculationSpeaksOnlyOnceTheWindowIsOnScreen) {
    // The last session left a wire kind that is gone, an induction to warn about and a
    // design that overfills.
    Record last;
    last.Conductor = "Нет такого";
    last.Bm = "1.75";
    last.I2[0] = "50";
    fs::create_directories(stateFile_.parent_path());
    ASSERT_TRUE(WriteDesign(stateFile_, last).ok);

    dlg_ = std::make_unique<ui::CBrevinorDlg>(boxes_, pickers_, ui::DialogOptions{shippedData(), stateFile_, {}});
    ASSERT_TRUE(dlg_->start());
    EXPECT_TRUE(boxes_.shown.empty());  // nothing before the window
    EXPECT_TRUE(dlg_->startPending());
    EXPECT_EQ(text("I2_1"), "50");
    EXPECT_EQ(text("W1"), "");

    std::vector<bool> onScreen;
    boxes_.onShow = [&](const FakeBoxes::Box&) {
        onScreen.push_back(dlg_->isVisible() && dlg_->windowHandle() &&
                           dlg_->windowHandle()->isExposed());
    };
    dlg_->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg_->startPending(); }));
    ASSERT_EQ(boxes_.shown.size(), 3u);
    EXPECT_TRUE(boxes_.shown[0].text.startsWith(QStringLiteral("Провод \"Нет такого\" не найден")));
    EXPECT_TRUE(boxes_.shown[1].text.contains(QStringLiteral("Для отечественных ленточных")));
    EXPECT_EQ(boxes_.shown[2].text, kOverfillBox);
    EXPECT_EQ(onScreen, std::vector<bool>(3, true));
    EXPECT_EQ(comment(), kOverfillComment);
}
