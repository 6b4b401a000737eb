// The commands that move designs between the window and files, driven through the
// real dialog with the pickers and boxes answered: load, save, the state file at exit,
// the report, help and about, a design named on the command line.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QTextDocument>
#include <QRadioButton>
#include <QTimer>
#include <set>

#include "about_dialog.hpp"
#include "calculation.hpp"
#include "codec.hpp"
#include "command_line.hpp"
#include "design_file.hpp"
#include "steel_texts.hpp"
#include "texts.hpp"
#include "wires.hpp"
#include "window_fixture.hpp"

using namespace velmora;
using namespace velmora::uitest;

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Every input field as the window shows it.
std::vector<std::pair<std::string, std::string>> inputs(const Record& r) {
    std::vector<std::pair<std::string, std::string>> v;
    for (const Field& f : inputFields()) v.emplace_back(f.name, valueAsText(r, f));
    return v;
}

// Runs `act` on the next modal dialog that opens, once it is up.
void onNextModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        act(w);
    });
}

}  // namespace

class Commands : public WindowTest {
protected:
    // A design away from the defaults in every kind of field.
    void enterDesign() {
        click("core1");
        type("lst", "20");
        type("hst", "40");
        type("lok", "16");
        type("hok", "50");
        type("U2_1", "12.6");
        type("I2_1", "2");
        type("U2_2", "30");
        type("I2_2", "0,5");
        click("double2_2");
        type("megob", "0.2");
    }
    fs::path inCwd(std::string_view utf8) const { return cwd_ / utf8; }
};

TEST_F(Commands, SaveThenLoadBringsBackEveryField) {
    openClean();
    enterDesign();
    pickers_.saves.push_back(QStringLiteral("Усилитель"));
    click(ui::names::save);
    ASSERT_TRUE(boxes_.shown.empty()) << boxes_.shown.front().text.toStdString();
    // The proposal is the design's default name; the file is the record the window holds.
    ASSERT_EQ(pickers_.proposedDesigns.size(), 1u);
    EXPECT_EQ(pickers_.proposedDesigns[0], qs(texts::designName(dlg_->record(), ".sav", texts::Lang::ru)));
    const fs::path file = inCwd("Усилитель.sav");
    ASSERT_TRUE(fs::exists(file));
    const Record saved = dlg_->record();
    EXPECT_EQ(readBytes(file), FormatDesign(saved).bytes);
    EXPECT_EQ(saved.core, 1);
    EXPECT_EQ(saved.double2[1], 1);
    EXPECT_EQ(saved.I2[1], "0.5");  // the calculation ran first and showed the point

    // Spoil the window, then load the file back.
    click("core3");
    type("U2_1", "99");
    click("double2_2");
    pickers_.opens.push_back(QStringLiteral("Усилитель.sav"));
    click(ui::names::load);
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_EQ(inputs(dlg_->record()), inputs(saved));
    EXPECT_EQ(text("lst"), "20");
    EXPECT_TRUE(find<QCheckBox>("double2_2")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("core1")->isChecked());
    EXPECT_FALSE(text("W2_2").isEmpty());  // and calculated
    EXPECT_EQ(dlg_->focusWidget(), find<QPushButton>(ui::names::calculate));
}

TEST_F(Commands, SaveAppendsSavUnlessTheNameHoldsItAndSkipsAnEmptyName) {
    openClean();
    for (const char* name : {"abc", "abc.SAV", "abc.sav.old", ""}) pickers_.saves.push_back(QString::fromUtf8(name));
    for (int i = 0; i < 4; ++i) click(ui::names::save);
    EXPECT_TRUE(boxes_.shown.empty());
    std::set<std::string> files;
    for (const auto& e : fs::directory_iterator(cwd_.path())) files.insert(pathToUtf8(e.path().filename()));
    EXPECT_EQ(files, (std::set<std::string>{"abc.sav", "abc.SAV.sav", "abc.sav.old"}));
}

TEST_F(Commands, AFailedSaveIsReportedAndTheOldFileStays) {
    openClean();
    const fs::path old = inCwd("old.sav");
    writeBytes(old, "core\t= 0\r\n");
    fs::permissions(old, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    pickers_.saves.push_back(QStringLiteral("old.sav"));
    pickers_.saves.push_back(QStringLiteral("no such folder/new"));
    click(ui::names::save);
    click(ui::names::save);
    ASSERT_EQ(boxes_.shown.size(), 2u);
    EXPECT_EQ(boxes_.shown[0].caption, QStringLiteral("Внимание!"));
    EXPECT_TRUE(boxes_.shown[0].text.contains(QStringLiteral("old.sav"))) << boxes_.shown[0].text.toStdString();
    EXPECT_TRUE(boxes_.shown[1].text.contains(QStringLiteral("new.sav"))) << boxes_.shown[1].text.toStdString();
    EXPECT_EQ(readBytes(old), "core\t= 0\r\n");
    EXPECT_FALSE(fs::exists(inCwd("no such folder")));
}

TEST_F(Commands, ALoadThatFailsChangesNothing) {
    openClean();
    type("U2_1", "16");
    click(ui::names::calculate);
    ASSERT_TRUE(boxes_.shown.empty());
    const Record before = dlg_->record();
    writeBytes(inCwd("bad.sav"), "core\t= 7\r\nlst\t= 99\r\n");
    writeBytes(inCwd("empty.sav"), "");
    pickers_.opens = {QStringLiteral("bad.sav"), QStringLiteral("empty.sav"), QStringLiteral("gone.sav")};
    for (int i = 0; i < 3; ++i) click(ui::names::load);
    ASSERT_EQ(boxes_.shown.size(), 2u) << boxes_.shown.back().text.toStdString();  // a vanished file: no word
    EXPECT_TRUE(boxes_.shown[0].text.contains(QStringLiteral("bad.sav")));
    EXPECT_TRUE(boxes_.shown[1].text.contains(QStringLiteral("empty.sav")));
    EXPECT_EQ(inputs(dlg_->record()), inputs(before));
    EXPECT_EQ(text("U2_1"), "16");
    EXPECT_EQ(text("lst"), "25");
}

TEST_F(Commands, TheLastInputsSurviveARestart) {
    openClean();
    enterDesign();
    click(ui::names::exit);
    EXPECT_FALSE(dlg_->isVisible());
    ASSERT_TRUE(fs::exists(stateFile_));  // its folder was made for it
    EXPECT_EQ(withoutSetting(readBytes(stateFile_), "window"), FormatDesign(dlg_->record()).bytes);

    Scratch elsewhere;
    fs::current_path(elsewhere.path());
    openClean();
    EXPECT_TRUE(find<QRadioButton>("core1")->isChecked());
    for (auto [name, value] : {std::pair{"lst", "20"}, {"hok", "50"}, {"U2_1", "12.6"},
                               {"I2_2", "0.5"}, {"megob", "0.2"}})
        EXPECT_EQ(text(name), QString::fromUtf8(value)) << name;
    EXPECT_TRUE(find<QCheckBox>("double2_2")->isChecked());
    fs::current_path(cwd_.path());
}

TEST_F(Commands, AStateFileThatCannotBeWrittenIsReportedBeforeTheWindowCloses) {
    fs::create_directories(stateFile_.parent_path().parent_path());
    writeBytes(stateFile_.parent_path(), "a file where the folder should be");
    openClean();
    click(ui::names::exit);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_TRUE(boxes_.shown[0].text.contains(QStringLiteral("config"))) << boxes_.shown[0].text.toStdString();
    EXPECT_FALSE(dlg_->isVisible());
}

TEST_F(Commands, AStateFileThatIsRefusedLeavesTheDefaults) {
    fs::create_directories(stateFile_.parent_path());
    writeBytes(stateFile_, "core\t= 9\r\nlst\t= 77\r\n");
    open();
    ASSERT_TRUE(started_);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(text("lst"), "25");
    EXPECT_TRUE(find<QRadioButton>("core2")->isChecked());
}

TEST_F(Commands, TheReportIsTheEnginesTextInWindows1251) {
    openClean();
    type("U2_1", "12");
    type("I2_1", "2");
    type("U2_2", "6.3");
    type("I2_2", "1");
    click("double2_2");  // a centre tap
    const fs::path target = inCwd("отчёт.txt");
    pickers_.reports.push_back({qs(pathToUtf8(target)), true});
    click(ui::names::saveReport);
    ASSERT_TRUE(boxes_.shown.empty()) << boxes_.shown.front().text.toStdString();
    EXPECT_EQ(pickers_.proposedReports.at(0), qs(texts::designName(dlg_->record(), ".txt", texts::Lang::ru)));

    Record r = dlg_->record();
    const WireSizes sizes = LoadWireSizes(shippedData(), r.Conductor);
    const RunResult run = Calculate(r, sizes.table);
    // The windings, then the steel and heating of the grade the window shows.
    const SteelCatalogue steels = LoadSteels(shippedData());  // the outcome points into it
    const SteelOutcome steel = RunSteel(steels, r, run);
    ASSERT_TRUE(steel.result);
    texts::ReportExtras extras;
    extras.steel = texts::steelReport(*steel.result, *steel.choice.grade, texts::Lang::ru);
    const texts::ReportText report = texts::report(r, run, texts::Lang::ru, extras);
    ASSERT_TRUE(report.ok);
    const std::string bytes = readBytes(target);
    EXPECT_EQ(bytes, utf8ToCp1251(report.text).value_or("?"));
    EXPECT_EQ(bytes.rfind(*utf8ToCp1251("Сердечник: броневой ШЛ\r\nСталь 25x32\r\nОкно 25x40\r\n"), 0), 0u);
    EXPECT_NE(bytes.find(*utf8ToCp1251("Две секции со средней точкой\r\n")), std::string::npos);
}

TEST_F(Commands, AReportPathWithoutTxtGetsItAndAsksBeforeReplacing) {
    openClean();
    writeBytes(inCwd("r.txt"), "keep");
    // The system dialog asked about "r" (not "r.txt"): the appended name is asked about.
    pickers_.reports.push_back({QStringLiteral("r"), true});
    boxes_.answers.push_back(false);
    click(ui::names::saveReport);
    ASSERT_EQ(boxes_.asked.size(), 1u);
    EXPECT_EQ(boxes_.asked[0].text, QStringLiteral("Заменить файл \"r.txt\"?"));
    EXPECT_EQ(readBytes(inCwd("r.txt")), "keep");
    // Asked about the very path: no second question.
    pickers_.reports.push_back({QStringLiteral("r.txt"), true});
    click(ui::names::saveReport);
    EXPECT_EQ(boxes_.asked.size(), 1u);
    EXPECT_NE(readBytes(inCwd("r.txt")), "keep");
}

TEST_F(Commands, NoReportAfterAnOverfill) {
    openClean();
    type("I2_1", "500");
    click(ui::names::calculate);
    boxes_.shown.clear();
    pickers_.reports.push_back({QStringLiteral("over.txt"), false});
    click(ui::names::saveReport);
    ASSERT_EQ(boxes_.shown.size(), 2u);  // the overfill again, then why no report
    EXPECT_EQ(boxes_.shown[1].caption, QStringLiteral("Внимание!"));
    EXPECT_TRUE(pickers_.proposedReports.empty());  // no file was even asked for
    EXPECT_FALSE(fs::exists(inCwd("over.txt")));
}

TEST_F(Commands, HelpShowsReadMeOrSaysItIsMissing) {
    const fs::path data = copyData();
    openClean(data);
    QString shown;
    onNextModal([&](QWidget* w) {
        shown = w->findChild<QTextBrowser*>(QStringLiteral("helpText"))->toPlainText();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Помощь "));
        w->close();
    });
    dlg_->OnHelp();
    const TextFile readMe = ReadTextFile(data / "ReadMe.txt");
    // Shown formatted: the text of its Markdown, without the marks.
    QTextDocument formatted;
    formatted.setMarkdown(qs(readMe.text));
    EXPECT_EQ(shown, formatted.toPlainText());
    EXPECT_FALSE(shown.contains(QStringLiteral("## ")));
    EXPECT_FALSE(shown.contains(QStringLiteral("|---")));
    EXPECT_GT(shown.size(), 100);
    EXPECT_TRUE(boxes_.shown.empty());

    fs::remove(data / "ReadMe.txt");
    dlg_->OnHelp();  // read again, nothing cached
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].caption, QStringLiteral("Ошибка!"));
    EXPECT_EQ(boxes_.shown[0].text,
              QStringLiteral("В папке с программой отсутствует файл \"ReadMe.txt\".\nПомощь не загружена"));
}

TEST_F(Commands, AboutShowsTheProgramAndItsVersion) {
    openClean();
    QStringList lines;
    onNextModal([&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("О программе"));
        for (const char* n : {"aboutProgram", "aboutVersion", "aboutDate"})
            lines << w->findChild<QLabel*>(QString::fromLatin1(n))->text();
        w->close();
    });
    dlg_->OnAbout();
    EXPECT_EQ(lines, (QStringList{"Velmora - Программа расчета сетевого силового трансформатора",
                                  "Версия 3.8", "14.11.2014"}));
}

TEST_F(Commands, ADesignNamedOnTheCommandLineLoadsAndCalculates) {
    openClean();
    Record r;
    r.U2[0] = "9";
    r.I2[0] = "1";
    ASSERT_TRUE(WriteDesign(inCwd("cl.sav"), r).ok);
    dlg_->loadDesign(QStringLiteral("cl.sav"), true);
    EXPECT_TRUE(boxes_.shown.empty());
    EXPECT_EQ(text("U2_1"), "9");
    EXPECT_FALSE(text("W2_1").isEmpty());
    dlg_->loadDesign(QStringLiteral("missing.sav"), true);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_TRUE(boxes_.shown[0].text.contains(QStringLiteral("missing.sav")));
}

TEST(CommandLine, AtMostOneDesignAndTheKnownOptions) {
    using ui::ParseCommandLine;
    EXPECT_EQ(ParseCommandLine({"a.sav"}).design, "a.sav");
    EXPECT_TRUE(ParseCommandLine({"--version"}).version);
    EXPECT_TRUE(ParseCommandLine({"a.sav", "--help"}).help);
    // Seen behind the toolkit's own options, which are wrong ones before it takes them.
    const ui::CommandLine early = ParseCommandLine({"-platform", "offscreen", "--version"});
    EXPECT_TRUE(early.version);
    EXPECT_EQ(texts::windowUsageError(early.error, early.what, texts::Lang::ru),
              "неизвестный параметр \"-platform\"");
    EXPECT_EQ(ParseCommandLine({"--", "-odd.sav"}).design, "-odd.sav");
    EXPECT_EQ(ParseCommandLine({"a.sav", "b.sav", "c.sav"}).error, texts::WindowUsageError::twoDesigns);
    EXPECT_EQ(ParseCommandLine({"--bogus", "--odd"}).what, "--bogus");
    EXPECT_EQ(ParseCommandLine({}).error, texts::WindowUsageError::none);
    EXPECT_FALSE(ParseCommandLine({}).design);
}

TEST_F(Commands, ARequestToEndClosesTheOpenBoxesThenExitsWithTheState) {
    openClean();
    type("U2_1", "15");
    bool aboutOpen = false;
    onNextModal([&](QWidget* w) {
        aboutOpen = w->isVisible();
        dlg_->closeFromOutside();  // as a SIGTERM does, while the about box is up
    });
    dlg_->OnAbout();  // returns once the box has been closed
    EXPECT_TRUE(aboutOpen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(dlg_->isVisible());
    EXPECT_TRUE(dlg_->closed());
    Record state;
    ASSERT_EQ(ReadDesign(stateFile_, state).status, ReadOutcome::ok);
    EXPECT_EQ(state.U2[0], "15");
}
