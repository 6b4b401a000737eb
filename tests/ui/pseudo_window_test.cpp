// The window in the pseudo-language: every text of the window for every core kind, of
// its dialogs, of its message boxes and of the design sheet is Velmora's own word inside
// the marks, or data (wire kinds, steel grades, file and core names, the type letters),
// or one of Qt's stock buttons.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QTextBrowser>

#include "about_dialog.hpp"
#include "advisor_dialog.hpp"
#include "design_sheet.hpp"
#include "help_dialog.hpp"
#include "language.hpp"
#include "open_file.hpp"
#include "rectifier_dialog.hpp"
#include "save_file.hpp"
#include "seen_texts.hpp"
#include "steels.hpp"
#include "when_modal.hpp"
#include "window_fixture.hpp"
#include "../texts/unmarked.hpp"

namespace velmora::uitest {

namespace {

class PseudoWindow : public WindowTest {
protected:
    void TearDown() override {
        WindowTest::TearDown();
        ui::setUiLanguage(ui::kDefaultLanguage);
    }

    // Data as the window shows it: the wire kinds, the steel grades, the core names of
    // the list, the catalogue's files, the language menu that reads the same in all.
    void collectData() {
        data_ = dlg_->wireKinds();
        for (const SteelGrade& g : LoadSteels(shippedData()).grades) data_.push_back(g.name);
        for (const texts::Language& l : texts::languages()) data_.push_back(std::string(l.name));
        data_.insert(data_.end(), {ui::kLanguageMenu, "Провода", "Стали", "Сердечники", "Velmora",
                                   cwd_.path().string(), scratch_.path().string()});  // folders the pickers show
        std::sort(data_.begin(), data_.end(), [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    }

    void check(const QString& where, const QString& text) {
        ++checked_;
        if (stock_.contains(text)) return;  // Qt's own buttons
        const std::string left = test::wordIn(test::unmarked(text.toStdString(), data_));
        EXPECT_EQ(left, "") << where.toStdString() << ": " << text.toStdString();
    }
    void check(QWidget* w) {
        for (auto* box : w->findChildren<QDialogButtonBox*>())
            for (QAbstractButton* b : box->buttons())
                if (box->standardButton(b) != QDialogButtonBox::NoButton) stock_ << b->text();
        for (const Seen& s : textsOf(w)) check(s.where, s.text);
    }
    void checkBoxes() {
        for (const auto* list : {&boxes_.shown, &boxes_.asked})
            for (const FakeBoxes::Box& b : *list) {
                check(QStringLiteral("box caption"), b.caption);
                check(QStringLiteral("box"), b.text);
            }
        boxes_.shown.clear();
        boxes_.asked.clear();
    }

    std::vector<std::string> data_;
    QStringList stock_;
    int checked_ = 0;
};

}  // namespace

TEST_F(PseudoWindow, EveryTextOfTheWindowItsDialogsAndTheSheetIsMarked) {
    const fs::path data = copyData();
    openClean(data);
    ui::setUiLanguage(*texts::findLang("qps"));
    collectData();
    type("I2_1", "1");
    type("U2_2", "6.3");
    type("I2_2", "0.5");
    for (int k = 0; k < 5; ++k) {
        click(QStringLiteral("core%1").arg(k).toUtf8().constData());
        const bool ring = k == 0;
        type("lst", ring ? "90" : "25");
        type("hst", ring ? "50" : "32");
        type("lok", ring ? "30" : "25");
        if (!ring) type("hok", "40");
        click(ui::names::calculate);
        check(dlg_.get());
        checkBoxes();
        // The design sheet of the kind, every table and line of it.
        Record r = dlg_->record();
        const ui::DesignSheet sheet = ui::designSheet(r, dlg_->session().last()->run, &dlg_->session().last()->steel, QStringLiteral("x.sav"));
        auto q = [](const std::string& s) { return QString::fromStdString(s); };
        check(QStringLiteral("sheet"), q(sheet.content.instructionHeading));
        check(QStringLiteral("sheet pictures"), q(sheet.content.picturesHeading));
        std::string instruction;  // marks span lines
        for (const std::string& line : sheet.content.instruction) instruction += line + "\n";
        check(QStringLiteral("sheet instruction"), q(instruction));
        for (const texts::SheetTable& t : sheet.content.tables) {
            check(QStringLiteral("sheet heading"), q(t.heading));
            for (const std::string& h : t.head) check(QStringLiteral("sheet head"), q(h));
            for (const auto& row : t.rows)
                for (const std::string& cell : row) check(QStringLiteral("sheet cell"), q(cell));
        }
    }
    // An overfill and a refusal say so in their boxes and the comment.
    for (const char* i2 : {"500", "-1"}) {
        type("I2_1", i2);
        click(ui::names::calculate);
        check(dlg_.get());
        checkBoxes();
    }
    type("I2_1", "1");
    type("lst", "2x");  // the notice of a text that is no number
    check(dlg_.get());

    // The rectifier dialog, calculated.
    whenModal<ui::RectifierDialog>([&](ui::RectifierDialog* d) {
        d->findChild<QAbstractButton*>(QStringLiteral("circuit1"))->click();
        d->findChild<QAbstractButton*>(QStringLiteral("calculate"))->click();
        check(d);
        d->reject();
    });
    click("rect2_1_button");
    // The advisor over the shipped list.
    ui::AdvisorInputs in{dlg_->record(), dlg_->wires(), LoadSteels(data).grades,
                         stateFile_.parent_path() / pathFromUtf8(kCoreListFile), data};
    ui::AdvisorDialog advisor(boxes_, std::move(in), dlg_.get());
    check(&advisor);
    // Help (its title and buttons: the text is the language's help file, data) and About.
    whenModal<ui::CHelpDlg>([&](ui::CHelpDlg* d) {
        d->textBox()->clear();
        check(d);
        d->accept();
    });
    dlg_->OnHelp();
    whenModal<ui::CAboutDlg>([&](ui::CAboutDlg* d) {
        check(d);
        d->accept();
    });
    dlg_->OnAbout();
    // The program's own file pickers.
    QtFilePickers real(boxes_);
    whenModal<COpenFile>([&](COpenFile* d) {
        check(d);
        d->reject();
    });
    real.openDesign(dlg_.get());
    whenModal<CSaveFile>([&](CSaveFile* d) {
        check(d);
        d->reject();
    });
    real.saveDesign(dlg_.get(), QStringLiteral("x.sav"));
    dlg_->loadDesign(QStringLiteral("missing.sav"), true);
    checkBoxes();
    EXPECT_GT(checked_, 5 * 100);
}

}  // namespace velmora::uitest
