// The steel group's heating inputs bound to the design's appended keys, the banner over
// the results of a design that cannot work, and U1nom marked above U1max.
#include <QCheckBox>
#include <QComboBox>

#include "input_marks.hpp"
#include "window_fixture.hpp"

using namespace velmora;
using namespace velmora::uitest;

namespace {

QString impossible(QLineEdit* e) { return e->property(ui::kImpossibleProperty).toString(); }

}  // namespace

TEST_F(WindowTest, SaysWhenTheDesignCannotWorkAndWhy) {
    const struct {
        const char* field;
        const char* value;
        const char* banner;  // a part of the banner; null: none shown
        bool supplyMarked;
    } cases[]{
        {"U1max", "253", nullptr, false},
        {"U1max", "12", "максимальное напряжение сети ниже номинального", true},
        {"Bm", "5", "выше последней точки данных марки", false},
    };
    openClean();
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + "=" + c.value);
        type("U1max", "253");
        type("Bm", "1,5");
        type(c.field, QString::fromUtf8(c.value));
        // U1nom is marked as soon as the numbers are typed, before any calculation.
        EXPECT_EQ(impossible(edit("U1nom")).isEmpty(), !c.supplyMarked);
        dlg_->OnCalculate();
        auto* banner = find<QLabel>(ui::names::banner);
        EXPECT_EQ(banner->isVisible(), c.banner != nullptr);
        if (c.banner) {
            EXPECT_TRUE(banner->text().contains(QString::fromUtf8(c.banner))) << banner->text().toStdString();
            // A picture to look at, beside the test.
            dlg_->grab().save(QStringLiteral(VELMORA_BUILD_DIR "/window-cannot-work-%1.png").arg(QString::fromLatin1(c.field)));
        }
    }
}

TEST_F(WindowTest, HeatingInputsAreTheDesignsAppendedKeys) {
    openClean();
    EXPECT_EQ(edit("Tamb")->text(), "40");
    auto* insulation = find<QComboBox>("Insulation");
    EXPECT_EQ(insulation->currentIndex(), 2);  // B
    type("Tamb", "25");
    insulation->setCurrentIndex(3);
    emit insulation->activated(3);
    find<QCheckBox>("Impregnated")->click();
    EXPECT_TRUE(dlg_->resultsStale());
    dlg_->OnCalculate();
    EXPECT_EQ(dlg_->record().Tamb, "25");
    EXPECT_EQ(dlg_->record().Insulation, "F");
    EXPECT_EQ(dlg_->record().Impregnated, 1);

    pickers_.saves.push_back(QStringLiteral("hot.sav"));
    click(ui::names::save);
    const std::string saved = readBytes(cwd_.path() / "hot.sav");
    for (const char* line : {"Tamb\t= 25\r\n", "Insulation\t= F\r\n", "Impregnated\t= 1\r\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    // Loaded back into a fresh design, the controls show the file's.
    type("Tamb", "40");
    pickers_.opens.push_back(QStringLiteral("hot.sav"));
    click(ui::names::load);
    EXPECT_EQ(edit("Tamb")->text(), "25");
    EXPECT_EQ(insulation->currentIndex(), 3);
    EXPECT_TRUE(find<QCheckBox>("Impregnated")->isChecked());
}
