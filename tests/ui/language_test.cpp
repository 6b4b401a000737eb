// The window in English and back: every text of the window, of its dialogs and of
// Qt's own in the chosen language, the switch at once, the choice kept in the state
// file across a restart, and the translations complete.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QTextDocument>
#include <QTextBrowser>
#include <QTextEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <algorithm>
#include <iostream>
#include <set>

#include "about_dialog.hpp"
#include "calculation.hpp"
#include "codec.hpp"
#include "design_file.hpp"
#include "help_dialog.hpp"
#include "hints.hpp"
#include "language.hpp"
#include "open_file.hpp"
#include "save_file.hpp"
#include "state_file.hpp"
#include "ui_texts.hpp"
#include "seen_texts.hpp"
#include "window_fixture.hpp"
#include "when_modal.hpp"

using namespace velmora;
using namespace velmora::uitest;

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool cyrillic(const QString& t) {
    return std::any_of(t.begin(), t.end(),
                       [](QChar c) { return c.unicode() >= 0x0400 && c.unicode() <= 0x052F; });
}

// The texts ui_texts renders (field labels and units, core kinds, messages, result
// tips, the comment): they speak English once the texts module renders them there.
bool textsModuleSpeaksEnglish() {
    return ui::uiLanguage() == texts::Lang::en && !cyrillic(ui::fieldLabel(*findField("Bm"))) &&
           !cyrillic(ui::coreKindText(0));
}

// What the English window may show in Cyrillic: data (the wire kinds, the file names
// of the catalogue, the Russian type letters that name the cores), the language menu,
// and, until the texts module renders them in English, the texts of ui_texts.
class EnglishCheck {
public:
    explicit EnglishCheck(const std::vector<std::string>& kinds) {
        for (const std::string& k : kinds) data_ << qs(k);
        data_ << QStringLiteral("Провода") << QStringLiteral("Стали");  // the catalogue's files
        std::sort(data_.begin(), data_.end(),
                  [](const QString& a, const QString& b) { return a.size() > b.size(); });
        for (const Field& f : fields()) {
            seam_.insert(ui::fieldLabel(f));
            seam_.insert(ui::fieldUnit(f));
        }
        for (int k = 0; k < 5; ++k) seam_.insert(ui::coreKindText(k));
        seam_.insert(ui::warningCaption());
    }

    // The rendered comment, tips and messages of a run.
    void allowRun(const Record& r, const RunResult& run) {
        seam_.insert(ui::commentText(r, run).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        for (const Hint& h : run.hints) seam_.insert(ui::resultHint(h));
        for (const Message& m : run.messages) {
            seam_.insert(ui::shownMessage(m).caption);
            seam_.insert(ui::shownMessage(m).text);
        }
    }

    // The help names the core kinds by their letters alone, too.
    void allowLoneTypeLetters() { loneLetters_ = true; }

    void check(const std::vector<Seen>& texts) {
        for (const Seen& s : texts) check(s.where, s.text);
    }
    void check(const QString& where, const QString& text) {
        ++checked_;
        if (!cyrillic(withoutData(text))) return;
        if (!textsModuleSpeaksEnglish() && seam_.count(text)) {
            ++seamPending_;
            return;
        }
        ADD_FAILURE() << "Russian in the English window: " << where.toStdString() << ": "
                      << text.toStdString();
    }
    int checked() const { return checked_; }
    int seamPending() const { return seamPending_; }

private:
    QString withoutData(QString t) const {
        if (t == QString::fromUtf8(ui::kLanguageMenu)) return {};
        for (const texts::Language& l : texts::languages())
            if (t == QString::fromUtf8(l.name.data(), static_cast<qsizetype>(l.name.size()))) return {};
        for (const QString& d : data_) t.remove(d);
        static const QRegularExpression inBrackets(QStringLiteral("\\((ПЛ|ШЛ|Ш|Г)\\)"));
        static const QRegularExpression alone(QStringLiteral("(?<!\\w)(ПЛ|ШЛ|Ш|Г)(?!\\w)"),
                                              QRegularExpression::UseUnicodePropertiesOption);
        t.remove(inBrackets);
        if (loneLetters_) t.remove(alone);
        t.remove(QString::fromUtf8(ui::kLanguageMenu));
        t.remove(QString::fromUtf8(ui::kLanguageMenu).remove(QLatin1Char('&')));  // as the help names it
        return t;
    }

    QStringList data_;
    std::set<QString> seam_;
    bool loneLetters_ = false;
    int checked_ = 0;
    int seamPending_ = 0;
};

QStringList menuTexts(QWidget* dlg) {
    QStringList menu;
    for (QAction* a : dlg->findChild<QMenuBar*>()->actions()) menu << a->text();
    return menu;
}

// The texts of the buttons of a button box, without their shortcut marks.
QStringList buttonTexts(const QWidget* dialog) {
    QStringList texts;
    if (const auto* box = dialog->findChild<QDialogButtonBox*>())
        for (QAbstractButton* b : box->buttons()) texts << b->text().remove(QLatin1Char('&'));
    texts.sort();
    return texts;
}

}  // namespace

class LanguageTest : public WindowTest {
protected:
    void TearDown() override {
        WindowTest::TearDown();
        ui::setUiLanguage(ui::kDefaultLanguage);  // the next test starts as the program does
    }
    QAction* languageAction(const char* code) const {
        auto* a = dlg_->findChild<QAction*>(QStringLiteral("lang_") + QString::fromLatin1(code));
        EXPECT_NE(a, nullptr) << code;
        return a;
    }
    void switchTo(const char* code) { languageAction(code)->trigger(); }
};

TEST_F(LanguageTest, TheEnglishWindowShowsNoRussianButData) {
    openClean();
    switchTo("en");
    ASSERT_EQ(ui::uiLanguage(), texts::Lang::en);
    EnglishCheck check(dlg_->wireKinds());
    const QString folder = QString::fromUtf8(VELMORA_BUILD_DIR);
    type("I2_1", "1");  // 20 W: a design that fits every core below
    type("U2_2", "6.3");
    type("I2_2", "0.5");
    for (int k = 0; k < 5; ++k) {
        boxes_.shown.clear();
        click(QStringLiteral("core%1").arg(k).toUtf8().constData());
        // A design of each kind, for screenshots that show one.
        const bool ring = k == 0;
        type("lst", ring ? "90" : "25");
        type("hst", ring ? "50" : "32");
        type("lok", ring ? "30" : "25");
        if (!ring) type("hok", "40");
        click(ui::names::calculate);
        Record r = dlg_->record();
        const RunResult run = Calculate(r, dlg_->wires());
        check.allowRun(r, run);

        const QImage shot = dlg_->grab().toImage();
        ASSERT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(folder + QStringLiteral("/window-en-core-%1.png").arg(k)));
        check.check(textsOf(dlg_.get()));
        for (const FakeBoxes::Box& b : boxes_.shown) {
            check.check(QStringLiteral("box caption"), b.caption);
            check.check(QStringLiteral("box"), b.text);
        }
    }
    // The walk saw the window's words, in English.
    EXPECT_GT(check.checked(), 5 * 100);
    EXPECT_EQ(find<QPushButton>(ui::names::calculate)->text(), QStringLiteral("Calculate"));
    EXPECT_EQ(text(ui::names::lstLabel), QStringLiteral("Ls, mm"));
    if (!textsModuleSpeaksEnglish())
        std::cout << "[ NOTE     ] " << check.seamPending()
                  << " texts of ui_texts (labels, core kinds, messages, tips, comment) are still "
                     "Russian\n";
}

TEST_F(LanguageTest, TheDialogsAndBoxesOfTheEnglishWindowSpeakEnglish) {
    const fs::path data = copyData();
    openClean(data);
    switchTo("en");
    EnglishCheck check(dlg_->wireKinds());

    // Help: the English help text, whose only Cyrillic is data.
    QString help, helpTitle;
    EnglishCheck helpCheck(dlg_->wireKinds());
    helpCheck.allowLoneTypeLetters();
    whenModal<ui::CHelpDlg>([&](ui::CHelpDlg* d) {
        helpTitle = d->windowTitle();
        help = d->textBox()->toPlainText();
        helpCheck.check(textsOf(d));
        d->accept();
    });
    dlg_->OnHelp();
    EXPECT_EQ(helpTitle, QStringLiteral("Help"));
    const TextFile english = ReadTextFile(data / "ReadMe_en.txt");
    ASSERT_EQ(english.status, TextFile::ok);
    QTextDocument formatted;
    formatted.setMarkdown(qs(english.text));
    EXPECT_EQ(help, formatted.toPlainText());
    formatted.setMarkdown(qs(ReadTextFile(data / "ReadMe.txt").text));
    EXPECT_NE(help, formatted.toPlainText());
    EXPECT_GT(help.size(), 5000);

    // About.
    QStringList about;
    whenModal<ui::CAboutDlg>([&](ui::CAboutDlg* d) {
        about << d->windowTitle();
        for (const char* n : {"aboutProgram", "aboutVersion", "aboutDate"})
            about << d->findChild<QLabel*>(QString::fromLatin1(n))->text();
        check.check(textsOf(d));
        d->accept();
    });
    dlg_->OnAbout();
    EXPECT_EQ(about, (QStringList{"About", "Velmora - Mains power transformer design program",
                                  "Version 3.8", "14.11.2014"}));

    // The program's own pickers with their question, and the system's save dialog.
    QtFilePickers real(boxes_);
    QString openTitle;
    whenModal<COpenFile>([&](COpenFile* d) {
        openTitle = d->windowTitle();
        check.check(textsOf(d));
        d->reject();
    });
    EXPECT_FALSE(real.openDesign(dlg_.get()).has_value());
    EXPECT_EQ(openTitle, QStringLiteral("Open file"));
    writeBytes(cwd_ / "old.sav", "core\t= 1\r\n");
    boxes_.answers.push_back(false);
    whenModal<CSaveFile>([&](CSaveFile* d) {
        check.check(textsOf(d));
        d->findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("old"));
        d->findChild<QPushButton*>(QStringLiteral("ok"))->click();  // asks, is told no
        d->reject();
    });
    EXPECT_FALSE(real.saveDesign(dlg_.get(), QStringLiteral("x.sav")).has_value());
    ASSERT_EQ(boxes_.asked.size(), 1u);
    EXPECT_EQ(boxes_.asked[0].caption, QStringLiteral("Warning"));
    EXPECT_EQ(boxes_.asked[0].text, QStringLiteral("Replace the file \"old.sav\"?"));
    QString reportTitle;
    whenModal<QFileDialog>([&](QFileDialog* d) {
        reportTitle = d->windowTitle();
        EXPECT_EQ(d->nameFilters(),
                  QStringList{QStringLiteral("Calculation reports *.txt (*.txt)")});
        check.check(textsOf(d));
        d->reject();
    });
    EXPECT_FALSE(real.saveReport(dlg_.get(), QStringLiteral("r.txt")).has_value());
    EXPECT_EQ(reportTitle, QStringLiteral("Save report"));

    // The window's own boxes, and the notice of a text that is no number.
    boxes_.shown.clear();
    boxes_.asked.clear();
    dlg_->loadDesign(QStringLiteral("missing.sav"), true);
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0].text, QStringLiteral("Could not open the file \"missing.sav\"."));
    writeBytes(cwd_ / "r.txt", "keep");
    pickers_.reports.push_back({QStringLiteral("r"), true});
    boxes_.answers.push_back(false);
    click(ui::names::saveReport);
    ASSERT_EQ(boxes_.asked.size(), 1u);
    EXPECT_EQ(boxes_.asked[0].text, QStringLiteral("Replace the file \"r.txt\"?"));
    Record r = dlg_->record();  // as the report command calculated it
    const RunResult run = Calculate(r, dlg_->wires());
    check.allowRun(r, run);
    fs::remove(data / "ReadMe_en.txt");
    dlg_->OnHelp();
    ASSERT_EQ(boxes_.shown.size(), 2u);
    EXPECT_EQ(boxes_.shown[1].caption, QStringLiteral("Error"));
    EXPECT_EQ(
        boxes_.shown[1].text,
        QStringLiteral(
            "The file \"ReadMe_en.txt\" is missing from the program folder.\nNo help is loaded"));
    for (const auto* list : {&boxes_.shown, &boxes_.asked})
        for (const FakeBoxes::Box& b : *list) {
            check.check(QStringLiteral("box caption"), b.caption);
            check.check(QStringLiteral("box"), b.text);
        }
    type("lst", "2x");
    EXPECT_EQ(edit("lst")->toolTip(), QStringLiteral("Not a number: read as 2"));
    check.check(textsOf(dlg_.get()));
}

TEST_F(LanguageTest, ASwitchAppliesAtOnceAndARestartKeepsIt) {
    openClean();
    const QString russianTitle = dlg_->windowTitle();
    EXPECT_EQ(russianTitle,
              QStringLiteral("Velmora - Расчет сетевого силового трансформатора (Версия 3.8)"));
    EXPECT_TRUE(languageAction("ru")->isChecked());
    EXPECT_FALSE(languageAction("en")->isChecked());
    type("Bm", "1.3x");
    EXPECT_EQ(edit("Bm")->toolTip(), QStringLiteral("Не число: читается как 1.3"));
    const QString d1Tip = find("D1")->toolTip();
    auto shownInputs = [this] {
        QStringList v;
        for (const Field& f : inputFields())
            if (f.control == ControlKind::edit) v << text(std::string(f.name).c_str());
        return v;
    };
    const QStringList inputsBefore = shownInputs();

    // No event loop runs between the menu and the checks: the switch is at once.
    switchTo("en");
    EXPECT_EQ(shownInputs(), inputsBefore);  // the user's inputs stay as they are
    EXPECT_EQ(dlg_->windowTitle(),
              QStringLiteral("Velmora - Mains power transformer design (Version 3.8)"));
    EXPECT_EQ(menuTexts(dlg_.get()), (QStringList{"&File", "&Edit", "&Choose a core...", "&Design...", "&Help", "&About...", "Язык / &Language"}));
    EXPECT_TRUE(languageAction("en")->isChecked());
    EXPECT_FALSE(languageAction("ru")->isChecked());
    for (auto [name, english] : {std::pair{ui::names::calculate, "Calculate"},
                                 {ui::names::load, "Load"},
                                 {ui::names::save, "Save"},
                                 {ui::names::saveReport, "Save report"},
                                 {ui::names::exit, "Exit"}})
        EXPECT_EQ(find<QPushButton>(name)->text(), QString::fromUtf8(english)) << name;
    EXPECT_EQ(find<QCheckBox>("double2_3")->text(), QStringLiteral("Yes"));
    EXPECT_TRUE(
        edit("j")->toolTip().startsWith(QStringLiteral("The current density depends on the size")));
    EXPECT_EQ(
        find("4")->toolTip(),
        QStringLiteral(
            "Saves the input data to a .sav file in the program's own format, for later use."));
    EXPECT_EQ(text(ui::names::hokLabel), QStringLiteral("Hok, mm"));
    EXPECT_EQ(edit("lst")->toolTip(),
              QStringLiteral("Steel width: the limb that carries the coil"));
    EXPECT_EQ(edit("Bm")->toolTip(), QStringLiteral("Not a number: read as 1.3"));
    // The tips of the last calculation are rendered again, not dropped.
    EXPECT_EQ(find("D1")->toolTip().isEmpty(), d1Tip.isEmpty());
    type("lst", "64");  // a ring whose sizes work: the tip is the hint, not a mark
    click("core0");
    EXPECT_EQ(text(ui::names::lstLabel), QStringLiteral("D, mm"));
    EXPECT_EQ(edit("lst")->toolTip(), QStringLiteral("Outer diameter of the ring"));
    click("core2");
    type("Bm", "1.3");

    click(ui::names::exit);
    const Record before = dlg_->record();
    ASSERT_EQ(before.Bm, "1.3");
    const std::string bytes = withoutSetting(readBytes(stateFile_), "window");
    EXPECT_EQ(bytes, FormatDesign(before).bytes + "lang\t= en\r\n");
    // Readers of design files find their own keys first, the original's key lookup too.
    const std::string stateText = cp1251ToUtf8(bytes);
    for (const Field& f : inputFields())
        EXPECT_EQ(GetKeyValue(stateText, f.name), valueAsText(before, f)) << f.name;
    Record read;
    ASSERT_EQ(ReadDesign(stateFile_, read).status, ReadOutcome::ok);
    for (const Field& f : inputFields())
        EXPECT_EQ(valueAsText(read, f), valueAsText(before, f)) << f.name;

    // A restart speaks English from the first box on.
    ui::setUiLanguage(texts::Lang::ru);  // as a new process starts
    openClean();
    EXPECT_EQ(ui::uiLanguage(), texts::Lang::en);
    EXPECT_EQ(dlg_->windowTitle(),
              QStringLiteral("Velmora - Mains power transformer design (Version 3.8)"));
    EXPECT_EQ(find<QPushButton>(ui::names::calculate)->text(), QStringLiteral("Calculate"));
    EXPECT_TRUE(languageAction("en")->isChecked());
    EXPECT_EQ(text("Bm"), QStringLiteral("1.3"));

    // And back: Russian exactly as before, and a state file that is a design file.
    switchTo("ru");
    EXPECT_EQ(dlg_->windowTitle(), russianTitle);
    EXPECT_EQ(menuTexts(dlg_.get()), (QStringList{"&Файл", "&Правка", "Подобрать &сердечник...", "Спрое&ктировать...", "По&мощь", "&О программе...", "Язык / &Language"}));
    EXPECT_EQ(find<QPushButton>(ui::names::calculate)->text(), QStringLiteral("Рассчитать"));
    EXPECT_EQ(edit("lst")->toolTip(), QStringLiteral("Ширина стали"));
    for (const ui::HintText& h : ui::startHints()) {
        if (h.id == 1010) {
            EXPECT_EQ(edit("j")->toolTip(), qs(h.text));
        }
    }
    click(ui::names::exit);
    EXPECT_EQ(withoutSetting(readBytes(stateFile_), "window"), FormatDesign(dlg_->record()).bytes);
}

TEST_F(LanguageTest, AStateFileWithAnUnknownLanguageStartsInRussian) {
    fs::create_directories(stateFile_.parent_path());
    writeBytes(stateFile_, FormatDesign(Record()).bytes + "lang\t= xx\r\n");
    openClean();
    EXPECT_EQ(ui::uiLanguage(), texts::Lang::ru);
    EXPECT_EQ(find<QPushButton>(ui::names::calculate)->text(), QStringLiteral("Рассчитать"));
}

TEST_F(LanguageTest, QtsOwnDialogsSpeakTheWindowsLanguage) {
    openClean();
    QtFilePickers real(boxes_);
    QtMessageBoxes qtBoxes;
    // The buttons of the system's save dialog and of a question box.
    auto saveDialogButtons = [&] {
        QStringList texts;
        whenModal<QFileDialog>([&](QFileDialog* d) {
            texts = buttonTexts(d);
            d->reject();
        });
        real.saveReport(dlg_.get(), QStringLiteral("r.txt"));
        return texts;
    };
    auto questionButtons = [&] {
        QStringList texts;
        whenModal<QMessageBox>([&](QMessageBox* b) {
            texts = buttonTexts(b);
            b->reject();
        });
        qtBoxes.ask(dlg_.get(), QStringLiteral("?"), QStringLiteral("?"));
        return texts;
    };
    EXPECT_EQ(saveDialogButtons(), (QStringList{"Отмена", "Сохранить"}));
    EXPECT_EQ(questionButtons(), (QStringList{"OK", "Отмена"}));
    switchTo("en");
    EXPECT_EQ(saveDialogButtons(), (QStringList{"Cancel", "Save"}));
    EXPECT_EQ(questionButtons(), (QStringList{"Cancel", "OK"}));
    switchTo("ru");
    EXPECT_EQ(saveDialogButtons(), (QStringList{"Отмена", "Сохранить"}));
}

TEST(Translations, EveryTextOfTheWindowHasItsEnglish) {
    QFile ts(QStringLiteral(VELMORA_SOURCE_DIR "/translations/velmora_en.ts"));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&ts);
    QString context, source;
    int messages = 0;
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    auto placeholders = [](const QString& s) {
        QStringList found;
        for (const auto& m : placeholder.globalMatch(s)) found << m.captured();
        found.sort();
        return found;
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("TS")) {
            EXPECT_EQ(xml.attributes().value("sourcelanguage"), QLatin1String("ru"));
            EXPECT_EQ(xml.attributes().value("language"), QLatin1String("en"));
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            ++messages;
            const QString where = context + QStringLiteral(": ") + source;
            EXPECT_TRUE(xml.attributes().value("type").isEmpty()) << where.toStdString();
            const QString english = xml.readElementText();
            EXPECT_FALSE(english.trimmed().isEmpty()) << where.toStdString();
            EXPECT_NE(english, source) << where.toStdString();
            EXPECT_EQ(placeholders(english), placeholders(source)) << where.toStdString();
            EXPECT_FALSE(cyrillic(QString(english).remove(QStringLiteral("Провода.txt"))))
                << where.toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GE(messages, 60);

    // Compiled into the program, and the one it loads.
    QTranslator built;
    ASSERT_TRUE(built.load(QStringLiteral(":/i18n/velmora_en.qm")));
    EXPECT_EQ(built.translate("velmora::ui::CBrevinorDlg", "Рассчитать"),
              QStringLiteral("Calculate"));
    EXPECT_EQ(built.translate(ui::kHintContext, std::string(ui::kWireMassHint).c_str()),
              QStringLiteral("Wire mass"));
}

TEST(StateFile, TheLanguageFollowsTheDesignAndNeverCapturesAField) {
    Scratch dir;
    const fs::path path = dir.path() / "Velmora.ini";
    Record r;
    r.U2[0] = "lang = ru";  // a value that reads like the setting, on its own field's line
    const StateSetting english{"lang", "en"};
    ASSERT_TRUE(WriteState(path, r, std::span(&english, 1)).ok);
    EXPECT_EQ(readBytes(path), FormatDesign(r).bytes + "lang\t= en\r\n");
    EXPECT_EQ(ReadStateSetting(path, "lang"), "en");
    Record back;
    ASSERT_EQ(ReadDesign(path, back).status, ReadOutcome::ok);
    EXPECT_EQ(back.U2[0], "lang = ru");

    ASSERT_TRUE(WriteState(path, r, {}).ok);
    EXPECT_EQ(readBytes(path), FormatDesign(r).bytes);
    EXPECT_EQ(ReadStateSetting(path, "lang"), "");

    writeBytes(path, "core\t= 1\r\n  lang  =  en  \r\nlanguage = ru\r\n");
    EXPECT_EQ(ReadStateSetting(path, "lang"), "en");
    EXPECT_EQ(ReadStateSetting(path, "language"), "ru");
    EXPECT_EQ(ReadStateSetting(dir.path() / "none.ini", "lang"), "");

    // A design that cannot be written is refused as WriteDesign refuses it.
    r.U2[0] = "€€ 中";
    const WriteOutcome refused = WriteState(path, r, std::span(&english, 1));
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.error, WriteDesign(path, r).error);
}
