// What a new user meets without guessing: sizes a core kind cannot work with marked at
// once, long results shortened in their fields, menus reached from the keyboard, the
// core kinds chosen with the arrows, and a help whose worked example is what the
// program computes.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <map>
#include <set>

#include "design_file.hpp"
#include "help_dialog.hpp"
#include "input_marks.hpp"
#include "rectifier_texts.hpp"
#include "result_text.hpp"
#include "texts.hpp"
#include "textfile.hpp"
#include "when_modal.hpp"
#include "window_fixture.hpp"

using namespace velmora;
using namespace velmora::uitest;

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const std::vector<const char*> kSizeFields{"lst", "hst", "lok", "hok", "hkar", "hkar1", "lkar"};

class Usability : public WindowTest {
protected:
    void TearDown() override {
        WindowTest::TearDown();
        ui::setUiLanguage(ui::kDefaultLanguage);
    }
    // The size fields that carry the mark of a size the kind cannot work with.
    std::set<std::string> impossible() const {
        std::set<std::string> out;
        for (const char* name : kSizeFields)
            if (!edit(name)->property(ui::kImpossibleProperty).toString().isEmpty()) out.insert(name);
        return out;
    }
    void switchTo(const char* code) {
        dlg_->findChild<QAction*>(QStringLiteral("lang_") + QString::fromLatin1(code))->trigger();
    }
    void save(const char* name) { dlg_->grab().save(QString::fromLatin1(VELMORA_BUILD_DIR "/") + name); }
};

}  // namespace

// Each switch of the core kind marks at once what the new kind cannot work with, and
// the marks go when the sizes are mended; the tip says what is expected.
TEST_F(Usability, EveryCoreKindSwitchMarksTheSizesThatCannotWork) {
    struct Case {
        const char* what;
        int from;
        std::map<const char*, const char*> sizes;  // typed before the switch
        int to;
        std::set<std::string> marked;
        const char* says;  // part of every marked field's tip
    };
    const std::vector<Case> cases{
        {"ШЛ 25x32 to a ring: D below d, the bobbin below zero", 2, {}, 0, {"lst", "hst", "hkar"},
         "должно быть больше значения поля «d, мм»"},
        {"a sound ring to ШЛ", 0, {{"lst", "60"}, {"hst", "30"}, {"lok", "20"}}, 2, {}, ""},
        {"ШЛ to ПЛ", 2, {}, 1, {}, ""},
        {"ПЛ to Ш", 1, {}, 3, {}, ""},
        {"Ш to Г", 3, {}, 4, {}, ""},
        {"Г to ШЛ", 4, {}, 2, {}, ""},
        {"a window 1 mm high to ПЛ", 2, {{"hok", "1"}}, 1, {"hok", "lkar"}, "должно быть больше 2"},
        {"a window 1 mm high to a ring: no window height", 2, {{"hok", "1"}, {"lst", "60"}, {"hst", "30"}}, 0, {}, ""},
        {"no window width to Ш", 2, {{"lok", "0"}}, 3, {"lok"}, "положительным числом"},
        {"D equal to d, ring to ring", 0, {{"lst", "30"}, {"hst", "30"}}, 0, {"lst", "hst"}, "должно быть больше"},
        {"a ring with D below d to Г", 0, {{"lst", "20"}, {"hst", "30"}}, 4, {}, ""},
    };
    for (const Case& c : cases) {
        fs::remove(stateFile_);  // each case from the program's first start
        boxes_.shown.clear();
        openClean();
        click(("core" + std::to_string(c.from)).c_str());
        for (auto [name, text] : c.sizes) type(name, QString::fromLatin1(text));
        click(("core" + std::to_string(c.to)).c_str());
        ASSERT_EQ(dlg_->record().core, c.to) << c.what;
        EXPECT_EQ(impossible(), c.marked) << c.what;
        for (const std::string& name : c.marked) {
            QLineEdit* e = edit(name.c_str());
            EXPECT_TRUE(e->toolTip().contains(QString::fromUtf8(c.says))) << c.what << ": " << e->toolTip().toStdString();
            EXPECT_TRUE(e->styleSheet().contains(QStringLiteral("border"))) << c.what;
        }
        if (c.from == 2 && c.to == 0 && !c.marked.empty()) save("marks-ring-from-shl.png");
        click(ui::names::exit);
    }
}

TEST_F(Usability, MarksGoWhenTheSizesAreMendedAndFollowTheLanguage) {
    openClean();
    click("core0");
    ASSERT_TRUE(impossible().count("lst"));
    switchTo("en");
    EXPECT_TRUE(edit("lst")->toolTip().startsWith(QStringLiteral("The field"))) << edit("lst")->toolTip().toStdString();
    switchTo("ru");
    EXPECT_TRUE(edit("lst")->toolTip().startsWith(QStringLiteral("Значение поля"))) << edit("lst")->toolTip().toStdString();
    type("lst", "64");  // D above d: sound
    EXPECT_EQ(impossible(), std::set<std::string>{});
    EXPECT_TRUE(edit("lst")->styleSheet().isEmpty());
    EXPECT_NE(dlg_->OnCalculate().status, RunStatus::refused);
}

TEST(ResultText, ATextTooLongForItsFieldIsShortened) {
    const QFontMetrics fm(QApplication::font());
    const int width = fm.horizontalAdvance(QStringLiteral("0000.000"));
    struct Case {
        QString full;
        const char* form;  // a pattern the shown text matches
    };
    const std::vector<Case> cases{
        {QStringLiteral("123.45"), "^123\\.45$"},
        {QStringLiteral("20000000000.00"), "^2(\\.\\d+)?e\\+10$"},
        {QString(301, QLatin1Char('9')) + QStringLiteral(".0"), "^1(\\.\\d+)?e\\+301$"},
        {QStringLiteral("-0.000000000000125"), "^(-0\\.000.*|-1(\\.\\d+)?e-13)$"},
        {QStringLiteral("1055x1234567890123"), "…$"},  // no number: elided
    };
    for (const Case& c : cases) {
        const QString shown = ui::shortenedToFit(c.full, fm, width);
        EXPECT_LE(fm.horizontalAdvance(shown), width) << c.full.toStdString();
        EXPECT_TRUE(QRegularExpression(QString::fromUtf8(c.form)).match(shown).hasMatch())
            << c.full.toStdString() << " -> " << shown.toStdString();
    }
}

// A current of 1e300 is refused at its own field; a large result that is computed is
// shown shortened with the whole text in its tip, and the record keeps the whole text.
TEST_F(Usability, HugeCurrentsAreNamedAndLongResultsShortened) {
    openClean();
    type("I2_1", "1e300");
    RunResult run = dlg_->OnCalculate();
    EXPECT_EQ(run.status, RunStatus::refused);
    ASSERT_FALSE(run.messages.empty());
    EXPECT_EQ(run.messages.back().field, "I2_1");
    ASSERT_FALSE(boxes_.shown.empty());
    const QString refusal = boxes_.shown.back().text;
    EXPECT_TRUE(refusal.startsWith(QStringLiteral("Расчет невозможен: "))) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QStringLiteral("«Номинальный ток, А» вторичной обмотки 2.1"))) << refusal.toStdString();
    EXPECT_FALSE(refusal.contains(QStringLiteral("жил первичной"))) << refusal.toStdString();

    // Large, yet carried: the total power has more digits than its field holds.
    type("I2_1", "1e9");
    run = dlg_->OnCalculate();
    const std::string full = dlg_->record().Pzad;
    ASSERT_GT(full.size(), 10u) << full;
    auto* pzad = find<QLabel>("Pzad");
    EXPECT_NE(pzad->text(), qs(full));
    EXPECT_TRUE(pzad->text().contains(QStringLiteral("e+"))) << pzad->text().toStdString();
    EXPECT_EQ(pzad->toolTip(), qs(full));
    EXPECT_EQ(ui::resultText(pzad), qs(full));
    // No result field grows beyond what it was given.
    for (const Field& f : fields()) {
        if (f.role != FieldRole::result || f.control != ControlKind::label) continue;
        auto* l = find<QLabel>(std::string(f.name).c_str());
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->minimumWidth()) << f.name;
    }
    save("long-result-shortened.png");
    // The calculation takes the whole text back, as the files and the report do.
    dlg_->OnCalculate();
    EXPECT_EQ(dlg_->record().Pzad, full);
}

// Every menu and item has a mnemonic, one letter each within its menu, in both
// languages; F10 opens the first menu.
TEST_F(Usability, MenusHaveMnemonicsInBothLanguagesAndF10OpensThem) {
    openClean();
    auto* bar = dlg_->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    for (const char* lang : {"ru", "en"}) {
        switchTo(lang);
        std::vector<QList<QAction*>> menus{bar->actions()};
        for (QAction* a : bar->actions())
            if (a->menu() && a->menu()->objectName() != QString::fromLatin1(ui::names::language))
                menus.push_back(a->menu()->actions());
        for (const QList<QAction*>& items : menus) {
            std::set<QChar> letters;
            for (QAction* a : items) {
                if (a->isSeparator()) continue;
                const QString t = a->text();
                const qsizetype amp = t.indexOf(QLatin1Char('&'));
                ASSERT_GE(amp, 0) << lang << ": " << t.toStdString();
                ASSERT_LT(amp + 1, t.size()) << t.toStdString();
                const QChar key = t.at(amp + 1).toLower();
                EXPECT_TRUE(key.isLetter()) << t.toStdString();
                EXPECT_TRUE(letters.insert(key).second) << lang << ": a second '" << QString(key).toStdString()
                                                        << "' in " << t.toStdString();
            }
        }
    }
    // The file menu holds the file commands, wired to the buttons' commands.
    QStringList file;
    auto* fileMenu = dlg_->findChild<QMenu*>(QStringLiteral("file_menu"));
    ASSERT_NE(fileMenu, nullptr);
    for (QAction* a : fileMenu->actions())
        if (!a->isSeparator()) file << a->objectName();
    EXPECT_EQ(file, (QStringList{"open", "save", "save_report", "print", "pdf", "quit"}));

    switchTo("ru");
    edit("U2_1")->setFocus();
    QTest::keyClick(dlg_.get(), Qt::Key_F10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == fileMenu; }, 2000));
    save("menu-after-f10.png");
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();

    // Alt alone takes the keyboard to the menu bar.
    edit("U2_1")->setFocus();
    QTest::keyPress(edit("U2_1"), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(edit("U2_1"), Qt::Key_Alt, Qt::NoModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->activeAction() != nullptr; }, 2000));
    QTest::keyClick(bar, Qt::Key_Escape);

    // The English mnemonic of "File" opens it and types nothing into the field.
    switchTo("en");
    QLineEdit* e = edit("U2_1");
    e->setFocus();
    const QString before = e->text();
    QTest::keyClick(e, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == fileMenu; }, 2000));
    EXPECT_EQ(e->text(), before);
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();

    // "Open..." is "Загрузить": the picker's design comes in.
    Record r;
    r.lst = "33";
    ASSERT_TRUE(WriteDesign(cwd_.path() / "m.sav", r).ok);
    pickers_.opens.push_back(QStringLiteral("m.sav"));
    dlg_->findChild<QAction*>(QStringLiteral("open"))->trigger();
    EXPECT_EQ(text("lst"), QStringLiteral("33"));
    dlg_->findChild<QAction*>(QStringLiteral("quit"))->trigger();
    EXPECT_FALSE(dlg_->isVisible());
}

TEST_F(Usability, ArrowsChooseTheCoreKind) {
    struct Case {
        int from;
        Qt::Key key;
        int to;
    };
    const std::vector<Case> cases{{2, Qt::Key_Down, 3}, {3, Qt::Key_Up, 2}, {0, Qt::Key_Right, 1},
                                  {1, Qt::Key_Left, 0}, {4, Qt::Key_Down, 0}, {0, Qt::Key_Up, 4}};
    openClean();
    for (const Case& c : cases) {
        click(("core" + std::to_string(c.from)).c_str());
        auto* from = find<QRadioButton>(("core" + std::to_string(c.from)).c_str());
        from->setFocus();
        QTest::keyClick(from, c.key);
        EXPECT_EQ(dlg_->record().core, c.to) << c.from << " " << c.key;
        EXPECT_TRUE(find<QRadioButton>(("core" + std::to_string(c.to)).c_str())->isChecked());
        EXPECT_TRUE(find<QRadioButton>(("core" + std::to_string(c.to)).c_str())->hasFocus());
    }
}

namespace {

// The cells of the Markdown tables of a text, row by row.
std::vector<QStringList> tableRows(const QString& markdown) {
    std::vector<QStringList> rows;
    for (QString line : markdown.split(QStringLiteral("\r\n"))) {
        line = line.trimmed();
        if (!line.startsWith(QLatin1Char('|')) || line.startsWith(QStringLiteral("|---"))) continue;
        QStringList cells = line.mid(1, line.size() - 2).split(QLatin1Char('|'));
        for (QString& c : cells) c = c.trimmed();
        rows.push_back(cells);
    }
    return rows;
}

// velmora-cli's result fields for the default design, in JSON.
QJsonObject cliDefaultDesign() {
    QProcess p;
    p.start(QStringLiteral(VELMORA_CLI), {QStringLiteral("--data"), QStringLiteral(VELMORA_DATA_DIR), QStringLiteral("--json")});
    if (!p.waitForFinished(30000)) return {};
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object().value(QStringLiteral("fields")).toObject();
}

}  // namespace

// The help's worked example is the default design as the program computes it: every
// result field velmora-cli gives is in the example's tables, with the same figure.
TEST(Help, TheWorkedExampleIsWhatTheProgramComputes) {
    const QJsonObject cli = cliDefaultDesign();
    ASSERT_FALSE(cli.isEmpty()) << "velmora-cli gave no JSON";
    for (auto [file, lang] : {std::pair{"ReadMe.txt", texts::Lang::ru}, std::pair{"ReadMe_en.txt", texts::Lang::en}}) {
        const TextFile help = ReadTextFile(fs::path(VELMORA_DATA_DIR) / file);
        ASSERT_EQ(help.status, TextFile::ok) << file;
        const std::vector<QStringList> rows = tableRows(qs(help.text));
        int compared = 0;
        for (const Field& f : fields()) {
            if (f.role != FieldRole::result || f.control != ControlKind::label) continue;
            const QString value = cli.value(qs(f.name)).toString();
            if (value.isEmpty()) continue;
            const QString label = qs(texts::label(f, lang));
            const QString unit = qs(texts::unit(f, lang));
            const int column = f.winding == 0 ? 1 : f.winding;
            bool found = false;
            for (const QStringList& row : rows) {
                if (row.size() <= column) continue;
                if (row[0] != label && row[0] != label + QStringLiteral(", ") + unit) continue;
                if (f.winding == 0 && row.size() != 2) continue;
                if (f.winding != 0 && row.size() == 2) continue;
                found = true;
                EXPECT_EQ(row[column], value) << file << ": " << f.name;
                ++compared;
            }
            EXPECT_TRUE(found) << file << ": " << f.name << " (" << label.toStdString() << ") is not in the example";
        }
        EXPECT_GE(compared, 20) << file;
        // Formatted, and naming no file that is not installed beside the program.
        QTextDocument doc;
        doc.setMarkdown(qs(help.text));
        EXPECT_FALSE(doc.toPlainText().contains(QStringLiteral("## "))) << file;
        // A name of a file: a quoted one, or a word before its extension.
        static const QRegularExpression named(QStringLiteral("[\\w*.-]+\\.(md|txt|html|pdf)\\b"),
                                              QRegularExpression::UseUnicodePropertiesOption);
        for (auto m = named.globalMatch(qs(help.text)); m.hasNext();) {
            const QString name = m.next().captured();
            const bool pattern = name.startsWith(QLatin1Char('*'));  // the user's own files
            EXPECT_TRUE(pattern || fs::exists(fs::path(VELMORA_DATA_DIR) / pathFromUtf8(name.toStdString())))
                << file << " names " << name.toStdString();
            EXPECT_TRUE(name.endsWith(QStringLiteral(".txt"))) << file << " names " << name.toStdString();
        }
    }
}

TEST_F(Usability, TheHelpIsShownFormattedWithItsTables) {
    openClean();
    QString shown;
    int tables = 0;
    whenModal<ui::CHelpDlg>([&](ui::CHelpDlg* d) {
        QTextBrowser* b = d->textBox();
        shown = b->toPlainText();
        for (QTextBlock block = b->document()->begin(); block.isValid(); block = block.next())
            if (block.blockFormat().headingLevel() > 0 && block.text().startsWith(QStringLiteral("Пример"))) {
                b->setTextCursor(QTextCursor(block));
                b->ensureCursorVisible();
            }
        for (QTextFrame* frame : b->document()->rootFrame()->childFrames()) tables += qobject_cast<QTextTable*>(frame) != nullptr;
        d->grab().save(QString::fromLatin1(VELMORA_BUILD_DIR "/help-worked-example.png"));
        d->accept();
    });
    dlg_->OnHelp();
    EXPECT_TRUE(shown.contains(QStringLiteral("Пример расчета")));
    EXPECT_GE(tables, 3);
}

// The mark of a rectifier begins with a sign that the fonts Debian installs have.
TEST(Fonts, TheRectifierMarkHasAGlyphInTheInstalledFonts) {
    RectifierInputs in;
    in.Udc = 30;
    in.Idc = 2;
    const QString mark = qs(texts::rectifierMark(in, texts::Lang::ru));
    for (const char* family : {"DejaVu Sans", "Liberation Sans"}) {
        const QFont font(QString::fromLatin1(family));
        ASSERT_EQ(QFontInfo(font).family(), QString::fromLatin1(family)) << "font missing: " << family;
        EXPECT_TRUE(QFontMetrics(font).inFont(mark.at(0))) << family << " lacks U+" << std::hex << static_cast<unsigned>(mark.at(0).unicode());
    }
}
