// "Подобрать сердечник...": the dialog over the user's list (made from the example on
// first use), its table and ranking, the list's edits saved at once, a list that cannot
// be read left alone, and a core applied to the main window computing to the figures
// the advisor showed.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "advisor_dialog.hpp"
#include "numtext.hpp"
#include "steels.hpp"
#include "when_modal.hpp"
#include "window_fixture.hpp"

namespace velmora::uitest {

namespace {

class AdvisorTest : public WindowTest {
protected:
    fs::path listPath() const { return stateFile_.parent_path() / pathFromUtf8(kCoreListFile); }
    std::unique_ptr<ui::AdvisorDialog> advisor() {
        ui::AdvisorInputs in{dlg_->record(), dlg_->wires(), LoadSteels(shippedData()).grades, listPath(),
                             shippedData()};
        return std::make_unique<ui::AdvisorDialog>(boxes_, std::move(in), dlg_.get());
    }
    static int indexOf(const ui::AdvisorDialog& a, const std::string& name) {
        for (size_t i = 0; i < a.cores().size(); ++i)
            if (a.cores()[i].name == name) return static_cast<int>(i);
        return -1;
    }
    static QString cell(const ui::AdvisorDialog& a, int row, int column) {
        return a.findChild<QTableWidget*>(QStringLiteral("cores"))->item(row, column)->text();
    }
};

}  // namespace

TEST_F(AdvisorTest, TheMenuOpensItAndTheListIsMadeFromTheExample) {
    openClean();
    auto* action = dlg_->findChild<QAction*>(QString::fromLatin1(ui::names::advise));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("Подобрать &сердечник..."));

    ASSERT_FALSE(fs::exists(listPath()));
    auto a = advisor();
    EXPECT_TRUE(a->listUsable());
    EXPECT_EQ(readBytes(listPath()), readBytes(shippedData() / pathFromUtf8(kCoreListFile)));
    const auto* table = a->findChild<QTableWidget*>(QStringLiteral("cores"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), static_cast<int>(a->cores().size()));  // every core, fit or not
    ASSERT_FALSE(a->advice().ranked.empty());
    // The best core on top, selected.
    EXPECT_EQ(cell(*a, 0, 0).toStdString(), a->cores()[a->advice().ranked[0].index].name);
    EXPECT_EQ(a->selectedCore(), a->advice().ranked[0].index);
    EXPECT_FALSE(a->findChild<QLabel*>(QStringLiteral("summary"))->text().isEmpty());
}

TEST_F(AdvisorTest, ApplyingACoreFillsTheWindowAndComputesTheFiguresShown) {
    openClean();
    auto a = advisor();
    const int ring = indexOf(*a, "ОЛ50/80-40");
    ASSERT_GE(ring, 0);
    const auto it = std::find_if(a->advice().ranked.begin(), a->advice().ranked.end(),
                                 [&](const CoreAdvice& c) { return c.index == ring; });
    ASSERT_NE(it, a->advice().ranked.end()) << "the ring carries the default design";
    const CoreAdvice shown = *it;

    a->applyCore(ring);
    EXPECT_EQ(a->result(), QDialog::Accepted);
    ASSERT_TRUE(a->chosen());
    const RunResult run = dlg_->applyListedCore(*a->chosen());
    ASSERT_EQ(run.status, RunStatus::ok);
    EXPECT_EQ(dlg_->record().core, 0);
    EXPECT_EQ(text("lst"), QStringLiteral("80"));
    EXPECT_EQ(text("hst"), QStringLiteral("50"));
    EXPECT_EQ(text("lok"), QStringLiteral("40"));
    EXPECT_EQ(text("hkar"), QStringLiteral("17.0"));  // (80 - 50) / 2 + 2, as typing derives it
    EXPECT_EQ(run.figures.W1, shown.W1);
    EXPECT_EQ(textToDouble(text("Kok").toStdString()), shown.Kok);
    EXPECT_EQ(textToDouble(text("D1").toStdString()), shown.D1);
    EXPECT_FALSE(dlg_->resultsStale());
}

TEST_F(AdvisorTest, TheRankingAndLimitsReorderAndRecount) {
    openClean();
    auto a = advisor();
    const int fitByMass = a->advice().counts.fit;
    const int hotForTheClass = a->advice().counts.tooHot;  // the hot spot above class B
    a->setLimits(Ranking::rise, std::nullopt, 90);
    ASSERT_FALSE(a->advice().ranked.empty());
    EXPECT_EQ(a->selectedCore(), a->advice().ranked[0].index);
    for (size_t i = 1; i < a->advice().ranked.size(); ++i)
        EXPECT_LE(a->advice().ranked[i - 1].hot_spot_c, a->advice().ranked[i].hot_spot_c);
    EXPECT_EQ(a->advice().counts.fit, fitByMass);  // the same cores, in another order
    a->setLimits(Ranking::steelMass, 1, 90);           // a limit no core stays under
    EXPECT_TRUE(a->advice().ranked.empty());
    EXPECT_EQ(a->advice().counts.tooHot, fitByMass + hotForTheClass);  // every core that ran
    EXPECT_TRUE(a->findChild<QLabel*>(QStringLiteral("summary"))->text().contains(QStringLiteral("Ни один")));
}

TEST_F(AdvisorTest, AddEditAndDeleteAreSavedAtOnce) {
    openClean();
    auto a = advisor();
    const size_t before = a->cores().size();
    EXPECT_FALSE(a->addCurrent(QStringLiteral("  ")));  // no name
    ASSERT_TRUE(a->addCurrent(QStringLiteral("Мой ШЛ")));
    ASSERT_EQ(a->cores().size(), before + 1);
    const ListedCore added = a->cores().back();
    EXPECT_EQ(added.core, 2);
    EXPECT_EQ(added.lst, 25);
    EXPECT_EQ(added.hok, 40);
    EXPECT_EQ(LoadCoreList(listPath()).cores, a->cores());

    ListedCore bigger = added;
    bigger.lok = 30;
    ASSERT_TRUE(a->replaceCore(static_cast<int>(before), bigger));
    EXPECT_EQ(LoadCoreList(listPath()).cores.back().lok, 30);
    bigger.lst = 0;
    EXPECT_FALSE(a->replaceCore(static_cast<int>(before), bigger));  // no such size

    ASSERT_TRUE(a->deleteCore(0));
    EXPECT_EQ(LoadCoreList(listPath()).cores.size(), before);
    EXPECT_EQ(static_cast<int>(a->findChild<QTableWidget*>(QStringLiteral("cores"))->rowCount()),
              static_cast<int>(before));
}

TEST_F(AdvisorTest, AListThatCannotBeReadIsShownAndNeverWrittenOver) {
    openClean();
    fs::create_directories(listPath().parent_path());
    writeBytes(listPath(), "name1=a\r\ncore1=0\r\nlst1=abc\r\n");
    auto a = advisor();
    EXPECT_FALSE(a->listUsable());
    EXPECT_TRUE(a->findChild<QLabel*>(QStringLiteral("summary"))->text().contains(QStringLiteral("lst1")));
    EXPECT_FALSE(a->addCurrent(QStringLiteral("x")));
    EXPECT_EQ(readBytes(listPath()), "name1=a\r\ncore1=0\r\nlst1=abc\r\n");
}


TEST_F(AdvisorTest, ACoreIsEnteredByItsSizesInTheWindowsNumbersAndTheSteelChoiceRecomputes) {
    openClean();
    auto a = advisor();
    const size_t before = a->cores().size();
    // "Новый..." opens the editor on the window's core, its sizes written as the window
    // writes them; the user names it and changes a size.
    auto* newCore = a->findChild<QPushButton*>(QStringLiteral("new"));
    ASSERT_NE(newCore, nullptr);
    whenModal<QDialog>([](QDialog* editor) {
        EXPECT_EQ(editor->findChild<QLineEdit*>(QStringLiteral("lst"))->text(), QStringLiteral("25.0"));
        EXPECT_GE(editor->width(), editor->fontMetrics().horizontalAdvance(editor->windowTitle()));
        editor->findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("ШЛ25x40"));
        editor->findChild<QLineEdit*>(QStringLiteral("hst"))->setText(QStringLiteral("40,0"));
        editor->accept();
    });
    newCore->click();
    ASSERT_EQ(a->cores().size(), before + 1);
    EXPECT_EQ(a->cores().back(), (ListedCore{"ШЛ25x40", 2, 25, 40, 25, 40, {}}));
    EXPECT_EQ(LoadCoreList(listPath()).cores, a->cores());

    // The design's grade and Bm for all, or each kind's own: the figures follow.
    const int added = static_cast<int>(before);
    auto figuresOf = [&] {
        for (const CoreAdvice& c : a->advice().ranked)
            if (c.index == added) return c;
        return CoreAdvice{};
    };
    a->setLimits(Ranking::steelMass, std::nullopt, 90, false);
    const CoreAdvice own = figuresOf();
    a->setLimits(Ranking::steelMass, std::nullopt, 90, true);
    EXPECT_TRUE(a->designSteel());
    EXPECT_EQ(figuresOf().W1, own.W1);  // the window's Bm is the kind's own 1.5 T
    EXPECT_GT(own.W1, 0);
}

}  // namespace velmora::uitest
