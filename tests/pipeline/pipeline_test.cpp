// The evaluation against the steps it gathers, taken one by one as every caller took
// them before: the kind, the rectifiers, the run, the comment, the steel. Same record,
// same messages, same figures, for designs that run, overfill, refuse, replace a kind
// or a grade, and carry a rectifier.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core_advisor.hpp"
#include "pipeline.hpp"
#include "rectifier_fields.hpp"

using namespace velmora;

namespace {

const std::filesystem::path kData = VELMORA_DATA_DIR;

using Sets = std::vector<std::pair<std::string, std::string>>;

Record recordOf(const Sets& sets) {
    Record r;
    for (const auto& [key, value] : sets) assignFromText(r, *findField(key), value);
    return r;
}

struct Loaded {
    WireKinds kinds = LoadWireKinds(kData, SizeFiles::unread);
    SteelCatalogue steels = LoadSteels(kData);
    WireSizes sizes;
};

EvaluationInputs inputsOf(Loaded& l, texts::Lang lang) {
    EvaluationInputs in;
    in.kinds = &l.kinds;
    in.sizesOf = [&l](const std::string& kind) -> const WireSizes& { return l.sizes = LoadWireSizes(kData, kind); };
    in.steels = &l.steels;
    in.lang = lang;
    return in;
}

const Sets kDesigns[] = {
    {},                                                                // the defaults
    {{"core", "2"}, {"lst", "25"}, {"hst", "32"}, {"lok", "25"}, {"hok", "40"}, {"Conductor", "ПЭТВ-2"}},
    {{"I2_1", "300"}},                                                 // overfills
    {{"j", "abc"}},                                                    // refused
    {{"Conductor", "Нет такого"}, {"U2_1", "12 В"}},                   // kind replaced, a misread input
    {{"Steel", "XYZ"}, {"core", "3"}, {"lst", "20"}, {"hst", "30"}, {"lok", "20"}, {"hok", "40"}},
    {{"rect2_1", "1"}, {"Udc2_1", "30"}, {"Idc2_1", "1"}, {"C2_1", "4700"}},  // a bridge
};

}  // namespace

TEST(Pipeline, GivesWhatTheStepsOneByOneGave) {
    int steelRan = 0, rectified = 0, stopped = 0;  // the cases reach every step
    for (texts::Lang lang : {texts::Lang::ru, texts::Lang::en}) {
        for (const Sets& sets : kDesigns) {
            Loaded l;
            Record got = recordOf(sets);
            const Evaluation e = evaluate(got, inputsOf(l, lang));

            Record want = recordOf(sets);
            std::vector<Message> messages;
            const KindSelection sel = SelectKind(l.kinds.names, want.Conductor);
            want.Conductor = sel.conductor;
            if (sel.message) messages.push_back(*sel.message);
            const WireSizes sizes = LoadWireSizes(kData, want.Conductor);
            ASSERT_TRUE(sizes.ok);
            const std::vector<texts::Misread> misread = misreadTexts(want);
            const RectifierDesigns rectifiers = resolveRectifiers(want, sizes.table);
            const RunResult run = Calculate(want, sizes.table);
            want.comment = texts::comment(run, lang);
            messages.insert(messages.end(), run.messages.begin(), run.messages.end());
            const SteelOutcome steel = RunSteel(l.steels, want, run);

            for (const Field& f : fields()) EXPECT_EQ(valueAsText(got, f), valueAsText(want, f)) << f.name;
            EXPECT_EQ(got.comment, want.comment);
            EXPECT_EQ(e.run.status, run.status);
            EXPECT_EQ(e.status == EvaluationStatus::ok, run.status == RunStatus::ok);
            EXPECT_EQ(e.messages, messages);
            EXPECT_EQ(e.misread.size(), misread.size());
            for (int i = 0; i < kSecondaries; ++i) {
                EXPECT_EQ(e.rectifiers[i].status, rectifiers[i].status);
                EXPECT_EQ(e.rectifiers[i].W2, rectifiers[i].W2);
            }
            steelRan += steel.result.has_value();
            rectified += hasRectifier(want, 0);
            stopped += run.status != RunStatus::ok;
            ASSERT_EQ(e.steel.result.has_value(), steel.result.has_value());
            EXPECT_EQ(e.steel.choice.missing, steel.choice.missing);
            EXPECT_EQ(e.steel.choice.index, steel.choice.index);
            ASSERT_EQ(e.figures.size(), std::size(kSteelFigures));
            for (const FigureValue& v : e.figures) {
                if (!steel.result) {
                    EXPECT_EQ(v.status, FigureStatus::notRun) << v.figure->key;
                    continue;
                }
                const std::optional<double> x = v.figure->read(*steel.result);
                EXPECT_EQ(v.status, x ? FigureStatus::shown : FigureStatus::unavailable) << v.figure->key;
                EXPECT_EQ(v.value, x.value_or(0)) << v.figure->key;
            }
        }
    }
    EXPECT_GE(steelRan, 8);
    EXPECT_EQ(rectified, 2);
    EXPECT_GE(stopped, 4);
}

TEST(Pipeline, SaysWhatACallerOnceFoundOutItself) {
    Loaded l;
    // A grade the catalogue lacks: the kind's default is used, and the outcome says so.
    Record r = recordOf({{"Steel", "XYZ"}});
    Evaluation e = evaluate(r, inputsOf(l, texts::Lang::ru));
    EXPECT_TRUE(e.gradeReplaced());
    EXPECT_TRUE(e.steelShown());
    EXPECT_FALSE(e.steelProblem);

    // A refused steel catalogue costs the steel figures only.
    SteelCatalogue refused;
    refused.problem.code = SteelRefusal::noFile;
    EvaluationInputs in = inputsOf(l, texts::Lang::ru);
    in.steels = &refused;
    r = Record();
    e = evaluate(r, in);
    EXPECT_EQ(e.status, EvaluationStatus::ok);
    ASSERT_TRUE(e.steelProblem);
    EXPECT_EQ(e.steelProblem->code, SteelRefusal::noFile);
    EXPECT_FALSE(e.steelShown());

    // No wire catalogue: no run, and why.
    WireKinds none;
    none.message = Message(MessageCode::refused);
    in.kinds = &none;
    r = Record();
    e = evaluate(r, in);
    EXPECT_EQ(e.status, EvaluationStatus::noWires);
    ASSERT_TRUE(e.failure);
    EXPECT_EQ(*e.failure, none.message);

    // The window's strip width, and a table already chosen.
    const WireSizes sizes = LoadWireSizes(kData, "ПЭТВ-2");
    EvaluationInputs window;
    window.wires = &sizes.table;
    window.diagWidth = 321;
    r = Record();
    e = evaluate(r, window);
    EXPECT_EQ(r.diag_width, 321);
    EXPECT_EQ(e.status, EvaluationStatus::ok);
    EXPECT_FALSE(e.steelShown());  // no catalogue given
}

TEST(Pipeline, TheAdvisorJudgesACoreByTheEvaluationOfItsDesign) {
    Loaded l;
    const WireSizes sizes = LoadWireSizes(kData, Record().Conductor);
    const ListedCore ring{"ring", 0, 100, 60, 30, 0, ""};
    const SteelGrade& grade = *FindSteelGrade(l.steels.grades, defaultSteelGrade(0));
    const CoreAdvice a = judgeCore(Record(), ring, 0, sizes.table, grade, AdviceLimits{});
    Record r = designOnCore(Record(), ring, AdviceLimits{}.designSteel);
    EvaluationInputs in;
    in.wires = &sizes.table;
    in.grade = &grade;
    const Evaluation e = evaluate(r, in);
    ASSERT_TRUE(e.steelShown());
    // The figures at work: the design's ambient, the copper at its own temperature.
    EXPECT_EQ(a.rise_k, e.steel.result->work.rise_k);
    EXPECT_EQ(a.hot_spot_c, e.steel.result->work.hot_spot_c);
    EXPECT_EQ(a.mass_steel_kg, e.steel.result->work.mass_steel_kg);
    EXPECT_EQ(a.W1, e.run.figures.W1);
}
