// Every message, refusal, instruction layout and hint renders in both languages with
// all of its arguments, and the English texts hold no Cyrillic beyond data.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_wires.hpp"
#include "numtext.hpp"
#include "languages.hpp"
#include "texts.hpp"
#include "unmarked.hpp"

using namespace velmora;
using texts::Lang;

namespace {

// Cyrillic letters outside the type letters of the cores and the file names users
// keep (ПЛ, ШЛ, Ш, Г, Т, "Провода.txt") and the kind names passed in as data.
bool cyrillicBeyond(std::string s, const std::vector<std::string>& data) {
    for (std::string allowed : std::vector<std::string>{"Провода.txt", "Сердечники.txt", "Стали.txt", "(ПЛ)", "(ШЛ)", "(Ш)", "(Г)"}) {
        for (size_t at; (at = s.find(allowed)) != std::string::npos;) s.erase(at, allowed.size());
    }
    for (const std::string& d : data)
        for (size_t at; !d.empty() && (at = s.find(d)) != std::string::npos;) s.erase(at, d.size());
    for (unsigned char c : s)
        if (c == 0xD0 || c == 0xD1) return true;  // lead bytes of U+0400..U+047F
    return false;
}

std::vector<Message> everyMessage() {
    std::vector<Message> all;
    for (MessageCode c : {MessageCode::inductionTape, MessageCode::inductionLaminated,
                          MessageCode::overfill, MessageCode::noKindList})
        all.emplace_back(c);
    Message d(MessageCode::diameterReplaced);
    d.winding = 4;
    d.a = 0.45;
    d.b = 0.5;
    all.push_back(d);
    Message k(MessageCode::kindMissing);
    k.text = "ПЭТВ-9";
    k.text2 = "AWG heavy";
    all.push_back(k);
    for (CatalogueFault f : {CatalogueFault::tooLarge, CatalogueFault::noEntry}) {
        Message m(MessageCode::noKindList);
        m.fault = f;
        m.path = "/data/Провода.txt";
        all.push_back(m);
    }
    for (int f = static_cast<int>(CatalogueFault::noSizes);
         f <= static_cast<int>(CatalogueFault::negativeMass); ++f) {
        Message m(MessageCode::badSizeFile);
        m.text = "ПЭТ-155";
        m.path = "/data/ПЭТ-155.txt";
        m.fault = static_cast<CatalogueFault>(f);
        m.entry = 3;
        m.value = "0,5x";
        m.value2 = "0,4";
        all.push_back(m);
    }
    Message none(MessageCode::noSizeFile);
    none.text = "ПЭТ-155";
    all.push_back(none);
    // Every refusal, on a field, a quantity or a winding.
    for (Refusal why : {Refusal::notPositive, Refusal::notNegative, Refusal::notFinite, Refusal::beyondWires}) {
        for (std::string_view field : {"lst", "hkar", "hkar1", "U2_3", "d11"}) {
            Message m(MessageCode::refused);
            m.why = why;
            m.field = field;
            m.winding = findField(field)->winding;
            all.push_back(m);
        }
    }
    for (Refusal why : {Refusal::coreKind, Refusal::ringDiameters, Refusal::windowTooLow,
                        Refusal::noSizeTable, Refusal::primaryDrop, Refusal::internal}) {
        Message m(MessageCode::refused);
        m.why = why;
        m.core = 9;
        m.text = "ПЭТ-155";
        all.push_back(m);
    }
    for (Refusal why : {Refusal::tooLarge, Refusal::undefined, Refusal::turnsBelowOne})
        for (int q = 0; q <= static_cast<int>(Quantity::coilWidth); ++q)
            for (int winding : {0, 1, 3}) {
                Message m(MessageCode::refused);
                m.why = why;
                m.what = static_cast<Quantity>(q);
                m.winding = winding;
                all.push_back(m);
            }
    Message field(MessageCode::refused);
    field.why = Refusal::undefined;
    field.field = "R2_2";
    all.push_back(field);
    return all;
}

}  // namespace

TEST(Words, EveryMessageSaysSomethingInBothLanguagesWithItsArguments) {
    for (const Message& m : everyMessage()) {
        const texts::Shown ru = texts::message(m, Lang::ru), en = texts::message(m, Lang::en);
        EXPECT_EQ(ru.caption, "Внимание!");
        EXPECT_EQ(en.caption, "Warning!");
        ASSERT_FALSE(ru.text.empty());
        ASSERT_FALSE(en.text.empty());
        EXPECT_NE(ru.text, en.text);
        EXPECT_FALSE(cyrillicBeyond(en.text, {m.text, m.path})) << en.text;
        const texts::Shown pseudo = texts::message(m, *texts::findLang("qps"));
        EXPECT_EQ(test::wordIn(test::unmarked(pseudo.caption + pseudo.text, {m.text, m.text2, m.path, m.value, m.value2,
                                                                              std::string(m.field)})), "")
            << pseudo.text;
        // The arguments each message must carry.
        std::vector<std::string> args;
        if (m.code == MessageCode::kindMissing) args = {m.text, m.text2};
        if (m.code == MessageCode::noSizeFile) args = {m.text + ".txt"};
        if (m.code == MessageCode::refused && m.why == Refusal::noSizeTable) args = {m.text};
        if (m.code == MessageCode::refused && m.why == Refusal::coreKind) args = {"(9)"};
        if (m.fault == CatalogueFault::tooLarge) args = {m.path};
        if (m.code == MessageCode::badSizeFile) {
            args = {m.text + ".txt", m.path};
            if (m.fault != CatalogueFault::noSizes) args.push_back("\"" + m.value + "\"");
            if (m.fault == CatalogueFault::notAscending || m.fault == CatalogueFault::dizBelowD)
                args.push_back("\"" + m.value2 + "\"");
        }
        for (const std::string& arg : args) {
            EXPECT_NE(ru.text.find(arg), std::string::npos) << ru.text << " lacks " << arg;
            EXPECT_NE(en.text.find(arg), std::string::npos) << en.text << " lacks " << arg;
        }
        if (m.code == MessageCode::diameterReplaced) {
            EXPECT_NE(en.text.find("0.450"), std::string::npos);
            EXPECT_NE(en.text.find("0.500"), std::string::npos);
            EXPECT_NE(en.text.find("secondary winding 2.3"), std::string::npos) << en.text;
            EXPECT_NE(ru.text.find("третьей вторичной обмотки"), std::string::npos) << ru.text;
        }
        if (m.code == MessageCode::refused && m.winding == 3 && m.why != Refusal::none) {
            EXPECT_NE(en.text.find("2.2"), std::string::npos) << en.text;
        }
    }
}

TEST(Words, EveryInstructionLayoutAndHintInBothLanguages) {
    for (int core = 0; core < 5; ++core) {
        Record r;
        r.core = core;
        if (core == 0) test::makeRing(r);
        r.I2[0] = "1";
        r.U2[1] = "12";
        r.I2[1] = "1";
        const RunResult run = Calculate(r, test::testWires());
        ASSERT_EQ(run.status, RunStatus::ok) << core;
        const std::string ru = texts::comment(run, Lang::ru), en = texts::comment(run, Lang::en);
        EXPECT_FALSE(cyrillicBeyond(en, {})) << en;
        EXPECT_NE(en.find("        Primary winding\r\n"), std::string::npos) << en;
        EXPECT_NE(en.find("        Secondary windings\r\n"), std::string::npos);
        EXPECT_NE(en.find("    Secondary winding 2.2\r\n"), std::string::npos);
        for (const Instruction& in : run.instructions) {
            // The build figure of each winding, in both, with one decimal.
            const std::string build = fixed(in.build, 1);
            EXPECT_NE(ru.find(build), std::string::npos) << ru;
            EXPECT_NE(en.find(build), std::string::npos) << en;
            if (in.layout == Layout::ring) {  // NOLINT
                const std::string last = std::to_string(in.layers.size() + 1) + ". " + std::to_string(in.rest);
                EXPECT_NE(en.find("Turns per layer, at least (except the last layer):\r\n"), std::string::npos);
                EXPECT_NE(en.find(last), std::string::npos) << en;
            } else {
                EXPECT_NE(en.find("Turns per layer, at least: " + std::to_string(in.Nt) + "."), std::string::npos) << en;
            }
        }
        if (core == 1 || core == 4) {
            EXPECT_EQ(en.rfind("The turns of the primary and of every secondary are shared equally", 0), 0u);
        }
        for (const Hint& h : run.hints) {
            const std::string hr = texts::hint(h, Lang::ru), he = texts::hint(h, Lang::en);
            EXPECT_EQ(hr.empty(), h.kind == Hint::empty);
            EXPECT_EQ(he.empty(), h.kind == Hint::empty);
            EXPECT_FALSE(cyrillicBeyond(he, {})) << he;
        }
    }
}

TEST(Words, EveryFieldHasAnEnglishLabelAndEveryCoreKindAName) {
    for (const Field& f : fields()) {
        const std::string_view en = texts::label(f, Lang::en);
        EXPECT_FALSE(en.empty()) << f.name;
        EXPECT_NE(en, texts::label(f, Lang::ru)) << f.name;
        EXPECT_NE(en, f.name) << f.name;
        EXPECT_FALSE(cyrillicBeyond(std::string(en), {})) << f.name;
        EXPECT_FALSE(cyrillicBeyond(std::string(texts::unit(f, Lang::en)), {})) << f.name;
        EXPECT_NE(texts::label(f, Lang::ru), f.name) << f.name;
    }
    EXPECT_EQ(texts::coreKind(0, Lang::en), "Toroid");
    EXPECT_EQ(texts::coreKind(2, Lang::en), "Cut shell core (ШЛ)");
    EXPECT_EQ(texts::coreKind(3, Lang::ru), "Ш  (пластины)");
    EXPECT_TRUE(texts::coreKind(5, Lang::ru).empty());
}

TEST(Words, TheCliSpeaksEnglishToo) {
    const std::string en = texts::usage(Lang::en);
    EXPECT_NE(en.find("--lang ru|en"), std::string::npos);
    EXPECT_FALSE(cyrillicBeyond(en, {}));
    for (int e = 1; e <= static_cast<int>(texts::UsageError::badLang); ++e) {
        const std::string text = texts::usageError(static_cast<texts::UsageError>(e), "--x", Lang::en);
        EXPECT_FALSE(text.empty());
        EXPECT_FALSE(cyrillicBeyond(text, {}));
    }
    EXPECT_EQ(texts::misreadNotice(5, Lang::ru), "Не число: читается как 5");
    EXPECT_EQ(texts::misreadNotice(1.2, Lang::en), "Not a number: read as 1.2");
}
