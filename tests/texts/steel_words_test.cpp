// The steel group's words in both languages: every label, tip, warning, status and
// catalogue refusal says something, with its figures, and English holds no Russian.
#include <gtest/gtest.h>

#include <stdexcept>

#include "steel_texts.hpp"

using namespace velmora;
using texts::Lang;

namespace {

bool cyrillic(const std::string& s, std::initializer_list<std::string> allowed = {}) {
    std::string rest = s;
    for (std::string a : {std::string("Стали.txt"), std::string("ПЛ"), std::string("ШЛ"),
                          std::string("Ш"), std::string("Г")})
        for (size_t at; (at = rest.find(a)) != std::string::npos;) rest.erase(at, a.size());
    for (const std::string& a : allowed)
        for (size_t at; !a.empty() && (at = rest.find(a)) != std::string::npos;) rest.erase(at, a.size());
    for (unsigned char c : rest)
        if (c == 0xD0 || c == 0xD1) return true;
    return false;
}

const SteelFigure& steelFigure(FigureId id) {
    for (const SteelFigure& f : kSteelFigures)
        if (f.id == id) return f;
    throw std::logic_error("no such steel figure");
}

SteelResult result(bool withCurrent) {
    SteelResult s;
    s.mass_steel_kg = 0.99144;
    s.B0_t = 1.3037;
    s.loss_w = 1.04399;
    s.I_loss_a = 0.00474;
    if (withCurrent) {
        s.I_mag_a = 0.067;
        s.I0_a = 0.0712;
    }
    s.efficiency_pct = 86.112;
    s.rise_k = 35.186;
    s.surface_m2 = 0.0321;
    s.mass_copper_kg = 0.6129;
    s.mass_total_kg = 1.6043;
    s.warnings = {{SteelWarningCode::riseAboveLimit, 61.25, 60}, {SteelWarningCode::inductionAboveKnee, 1.81, 1.75}};
    // The figures shown are those at work.
    WorkingFigures& w = s.work;
    w.stacking = 0.96;
    w.B0_t = s.B0_t;
    w.mass_steel_kg = s.mass_steel_kg;
    w.loss_w = s.loss_w;
    w.I_loss_a = s.I_loss_a;
    w.I_mag_a = s.I_mag_a;
    w.I0_a = s.I0_a;
    if (!withCurrent) w.magnetisingGap = FigureGap::noCurve;
    w.efficiency_pct = s.efficiency_pct;
    w.input_w = 100;
    w.rise_k = s.rise_k;
    w.hot_spot_c = 70.5;
    w.class_margin_k = 59.5;
    return s;
}



TEST(SteelWords, EveryResultHasALabelAValueAndATipInBothLanguages) {
    SteelGrade g;
    g.name = "M800-50A";
    for (bool current : {true, false}) {
        const SteelResult s = result(current);
        for (const SteelFigure& f : kSteelFigures) {
            if (!f.inGroup) continue;
            for (Lang lang : {Lang::ru, Lang::en}) {
                EXPECT_FALSE(texts::figureLabel(f.id, lang).empty());
                EXPECT_FALSE(texts::figureTip(f.id, s, g, lang).empty());
            }
            EXPECT_FALSE(cyrillic(texts::figureLabel(f.id, Lang::en)));
            EXPECT_FALSE(cyrillic(texts::figureTip(f.id, s, g, Lang::en))) << texts::figureTip(f.id, s, g, Lang::en);
            EXPECT_NE(texts::figureLabel(f.id, Lang::ru), texts::figureLabel(f.id, Lang::en));
        }
        EXPECT_EQ(texts::figureValue(steelFigure(FigureId::I0), s), current ? "0.071" : "—");
        // The tip of a missing current says why and names the grade and B0.
        const std::string tip = texts::figureTip(FigureId::I0, s, g, Lang::en);
        EXPECT_NE(tip.find(current ? "0.067" : "Not computed: the grade has no magnetisation curve"),
                  std::string::npos) << tip;
    }
    const SteelResult s = result(true);
    EXPECT_EQ(texts::figureValue(steelFigure(FigureId::massSteel), s), "0.991");
    EXPECT_EQ(texts::figureValue(steelFigure(FigureId::loss), s), "1.04");
    EXPECT_EQ(texts::figureValue(steelFigure(FigureId::efficiency), s), "86.11");
    EXPECT_EQ(texts::figureValue(steelFigure(FigureId::rise), s), "35.2");
    EXPECT_NE(texts::figureTip(FigureId::rise, s, g, Lang::ru).find("321 см²"), std::string::npos);
}

TEST(SteelWords, WarningsStatusesAndRefusalsCarryTheirFigures) {
    const SteelResult s = result(true);
    EXPECT_EQ(texts::steelWarning(s.warnings[0], Lang::en),
              "Winding rise 61.2 K is above 60 K: lower the current density or take a larger core.");
    EXPECT_NE(texts::steelWarning(s.warnings[1], Lang::ru).find("1.81 Тл выше 1.75 Тл"), std::string::npos);
    for (SteelStatus st : {SteelStatus::noLossData, SteelStatus::noDensity}) {
        EXPECT_FALSE(texts::steelStatus(st, Lang::ru).empty());
        EXPECT_FALSE(cyrillic(texts::steelStatus(st, Lang::en)));
    }
    for (int c = static_cast<int>(SteelRefusal::noFile); c <= static_cast<int>(SteelRefusal::duplicateName); ++c) {
        const SteelProblem p{static_cast<SteelRefusal>(c), 4, "P15_max", "2,5x", "/data/Стали.txt"};
        const std::string ru = texts::steelProblem(p, Lang::ru), en = texts::steelProblem(p, Lang::en);
        EXPECT_FALSE(ru.empty());
        EXPECT_FALSE(cyrillic(en, {p.file})) << en;
        if (p.code != SteelRefusal::noFile && p.code != SteelRefusal::tooLarge && p.code != SteelRefusal::noEntry) {
            EXPECT_NE(en.find(std::to_string(p.entry)), std::string::npos) << en;
            EXPECT_NE(ru.find(std::to_string(p.entry)), std::string::npos) << ru;
        }
        if (p.code != SteelRefusal::noFile) {
            EXPECT_NE(en.find(p.file), std::string::npos) << en;
        }
    }
    EXPECT_EQ(texts::steelGradeMissing("X", "M150-35S", Lang::en),
              "The steel grade \"X\" is not in \"Стали.txt\". \"M150-35S\" is used instead.");
}

TEST(SteelWords, TheReportSectionListsEveryResultAndWarning) {
    SteelGrade g;
    g.name = "M150-35S";
    g.family = SteelFamily::grainOriented;
    const std::string ru = texts::steelReport(result(false), g, Lang::ru);
    EXPECT_EQ(ru.rfind("        Сталь и нагрев\r\nМарка стали: M150-35S (анизотропная)\r\n", 0), 0u) << ru;
    EXPECT_NE(ru.find("Ток холостого хода, А: —\r\n"), std::string::npos);
    EXPECT_NE(ru.find("Перегрев обмоток 61.2 K выше 60 K"), std::string::npos);
    EXPECT_EQ(ru.substr(ru.size() - 4), "\r\n\r\n");
    const std::string en = texts::steelSummary(result(true), g, Lang::en);
    EXPECT_NE(en.find("\nSteel and heating\n  Steel grade: M150-35S (grain-oriented)\n"), std::string::npos) << en;
    EXPECT_NE(en.find("  No-load current, A: 0.071\n"), std::string::npos);
    EXPECT_FALSE(cyrillic(en));
}

TEST(SteelWords, EveryReasonAndGapSaysWhyInBothLanguagesWithItsFigures) {
    WorkingFigures w;
    w.B0_t = 2.51;
    w.dataTop_t = 1.8;
    w.saturation_t = 2.03;
    w.hot_spot_c = 161;
    w.class_limit_c = 130;
    struct Case {
        SteelReason reason;
        std::string figure;  // a figure the sentence must carry
    };
    const Case reasons[] = {{SteelReason::inductionAboveData, "1.80"},
                            {SteelReason::inductionAboveSaturation, "2.03"},
                            {SteelReason::supplyBelowNominal, ""},
                            {SteelReason::heatingNotSettled, ""}};
    for (const Case& c : reasons) {
        SCOPED_TRACE(reasonName(c.reason));
        const std::string ru = texts::steelReason(c.reason, w, Lang::ru);
        const std::string en = texts::steelReason(c.reason, w, Lang::en);
        EXPECT_EQ(ru.rfind("Не будет работать", 0), 0u) << ru;
        EXPECT_EQ(en.rfind("Cannot work", 0), 0u) << en;
        EXPECT_NE(en.find(c.figure), std::string::npos) << en;
        EXPECT_FALSE(cyrillic(en));
        EXPECT_FALSE(reasonName(c.reason).empty());
    }
    for (FigureGap g : {FigureGap::noCurve, FigureGap::aboveCurve, FigureGap::aboveLossData,
                        FigureGap::noLoss, FigureGap::notSettled}) {
        EXPECT_FALSE(texts::steelFigureGap(g, Lang::ru).empty());
        EXPECT_FALSE(texts::steelFigureGap(g, Lang::en).empty());
        EXPECT_FALSE(cyrillic(texts::steelFigureGap(g, Lang::en)));
    }
    EXPECT_TRUE(texts::steelFigureGap(FigureGap::none, Lang::en).empty());
    // A hot spot above the class shortens the insulation's life: a warning, with both figures.
    const SteelWarning hot{SteelWarningCode::hotSpotAboveClass, 161, 130};
    for (Lang l : {Lang::ru, Lang::en}) {
        const std::string t = texts::steelWarning(hot, l);
        EXPECT_NE(t.find("161"), std::string::npos) << t;
        EXPECT_NE(t.find("130"), std::string::npos) << t;
    }
    EXPECT_NE(texts::heatConditionsDefaulted(Lang::en).find("class B"), std::string::npos);
}

}  // namespace
