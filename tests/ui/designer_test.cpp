// "Спроектировать...": the menu row in both languages, the dialog's table sortable by
// each column with one chart point per design, and a design applied to the window
// computing to the figures of its row, undone by "Отменить".
#include <QAction>
#include <QComboBox>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTableWidget>

#include "designer_dialog.hpp"
#include "ei_series.hpp"
#include "numtext.hpp"
#include "steels.hpp"
#include "trade_off_svg.hpp"
#include "window_fixture.hpp"

namespace velmora::uitest {

namespace {

class DesignerTest : public WindowTest {
protected:
    std::unique_ptr<ui::DesignerDialog> designer() {
        std::vector<ListedCore> cores{{"r", 0, 80, 50, 40, 0, {}}, {"c", 2, 25, 32, 25, 40, {}}};
        for (const ListedCore& c : eiSeries())
            if (c.lst == 25 || c.lst == 32) cores.push_back(c);
        ui::DesignerInputs in{dlg_->record(), dlg_->wires(), LoadSteels(shippedData()).grades, cores};
        return std::make_unique<ui::DesignerDialog>(std::move(in), dlg_.get());
    }
};

}  // namespace

TEST_F(DesignerTest, TheTableSortsByEachColumnAndTheChartHasAPointPerDesign) {
    openClean();
    auto* action = dlg_->findChild<QAction*>(QStringLiteral("design"));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("Спрое&ктировать..."));
    auto d = designer();
    d->redesign();
    const auto& rows = d->outcome().rows;
    ASSERT_GE(rows.size(), 3u);
    auto* table = d->findChild<QTableWidget*>(QStringLiteral("designs"));
    ASSERT_EQ(table->rowCount(), static_cast<int>(rows.size()));
    for (int col = 1; col + 1 < table->columnCount(); ++col) {
        table->sortItems(col, Qt::AscendingOrder);
        for (int r = 1; r < table->rowCount(); ++r)
            EXPECT_LE(table->item(r - 1, col)->data(Qt::UserRole + 1).toDouble(),
                      table->item(r, col)->data(Qt::UserRole + 1).toDouble()) << col;
    }
    QSvgRenderer* svg = d->findChild<QSvgWidget*>(QStringLiteral("chart"))->renderer();
    ASSERT_TRUE(svg->isValid());
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        EXPECT_TRUE(svg->elementExists(QString::fromStdString(chart::pointId(r)))) << r;
    EXPECT_FALSE(svg->elementExists(QString::fromStdString(chart::pointId(static_cast<int>(rows.size())))));
}

TEST_F(DesignerTest, ADesignAppliedGivesItsRowAndIsUndone) {
    openClean();
    const Record before = dlg_->record();
    auto d = designer();
    DesignRequest q;
    q.goal = DesignGoal::loss;
    q.limits.regulation_pct = 12;
    d->setRequest(q);
    EXPECT_EQ(d->request().limits.regulation_pct, 12);
    d->redesign();
    ASSERT_FALSE(d->outcome().rows.empty());
    const DesignedCore row = d->outcome().rows[0];
    d->choose(0);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    ASSERT_TRUE(d->chosen());
    const RunResult run = dlg_->applyDesign(*d->chosen());
    ASSERT_EQ(run.status, RunStatus::ok);
    EXPECT_EQ(text("Bm"), QString::fromStdString(shortest(row.Bm)));
    EXPECT_EQ(text("j"), QString::fromStdString(shortest(row.j)));
    Record shown = dlg_->record();
    const auto grades = LoadSteels(shippedData()).grades;
    const SteelGrade& g = *FindSteelGrade(grades, std::string(defaultSteelGrade(shown.core)));
    const DesignFigures f = evaluatedFigures(shown, dlg_->wires(), g);
    EXPECT_EQ(f.mass_kg, row.figures.mass_kg);
    EXPECT_EQ(f.loss_w, row.figures.loss_w);
    EXPECT_EQ(f.hot_c, row.figures.hot_c);
    EXPECT_LE(f.regulation_pct, 12);

    dlg_->OnUndo();
    EXPECT_EQ(dlg_->record().Bm, before.Bm);
    EXPECT_EQ(dlg_->record().j, before.j);
}

}  // namespace velmora::uitest
