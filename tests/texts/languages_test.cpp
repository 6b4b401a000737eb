// The language registry and its tables: every language says every text with the same
// arguments, codes are found or refused, and the pseudo-language marks every word of
// Velmora's own so that nothing unmarked is left beside the data.
#include "languages.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <system_error>

#include "advisor_words.hpp"
#include "steel_texts.hpp"
#include "storage_words.hpp"
#include "unmarked.hpp"
#include "window_words.hpp"

using namespace velmora;
using namespace velmora::texts;

namespace {

Lang pseudo() { return *findLang("qps"); }

// The placeholders a text fills ("%1", "%2", ...).
std::set<char> placeholders(std::string_view t) {
    std::set<char> p;
    for (std::size_t i = 0; i + 1 < t.size(); ++i)
        if (t[i] == '%' && t[i + 1] >= '1' && t[i + 1] <= '9') p.insert(t[i + 1]);
    return p;
}

}  // namespace

TEST(Languages, EveryTableSaysEveryTextOnceWithTheSameArguments) {
    std::map<std::string_view, std::string_view> russian;
    for (const TextRow& r : russianTexts()) EXPECT_TRUE(russian.emplace(r.id, r.text).second) << r.id;
    for (const Language& l : languages()) {
        std::set<std::string_view> ids;
        for (const TextRow& r : l.table()) {
            EXPECT_TRUE(ids.insert(r.id).second) << l.code << " " << r.id;
            const auto ru = russian.find(r.id);
            ASSERT_NE(ru, russian.end()) << l.code << " " << r.id;
            EXPECT_EQ(placeholders(r.text), placeholders(ru->second)) << l.code << " " << r.id;
        }
        EXPECT_EQ(ids.size(), russian.size()) << l.code;
    }
}

TEST(Languages, CodesAreFoundOrRefused) {
    struct Case {
        std::string_view code;
        bool known;
        bool forTests;
    };
    for (const Case& c : {Case{"ru", true, false}, Case{"en", true, false}, Case{"qps", true, true},
                          Case{"xx", false, false}, Case{"", false, false}, Case{"EN", false, false}}) {
        const std::optional<Lang> l = findLang(c.code);
        ASSERT_EQ(l.has_value(), c.known) << c.code;
        // An unknown code reads as the program's own language only where asked to.
        EXPECT_EQ(langFromCode(c.code), l.value_or(Lang::ru)) << c.code;
        if (!l) continue;
        EXPECT_EQ(langCode(*l), c.code);
        EXPECT_EQ(language(*l).forTests, c.forTests) << c.code;
        EXPECT_FALSE(language(*l).name.empty());
        EXPECT_FALSE(language(*l).helpFile.empty());
    }
    EXPECT_EQ(langCode(Lang::ru), "ru");
    EXPECT_EQ(langCode(Lang::en), "en");
    EXPECT_EQ(language(Lang::ru).decimal, ',');
    EXPECT_EQ(language(Lang::en).decimal, '.');
}

TEST(Languages, ThePseudoLanguageMarksAndStretchesEnglish) {
    struct Case {
        std::string_view english, pseudo;
    };
    for (const Case& c : {Case{"Core", "[#Cooree#]"}, Case{"%1 mm", "[#%1 mm#]"}, Case{"", ""},
                          Case{"Ohm, %2%", "[#OOhm, %2%#]"}, Case{"No. 1", "[#Noo. 1#]"}})
        EXPECT_EQ(pseudoOf(c.english), c.pseudo) << c.english;
    EXPECT_EQ(coreKind(0, pseudo()), "[#Toorooiid#]");
    EXPECT_EQ(std::string(warningCaption(pseudo())), "[#Waarniing!#]");
}

// Every refusal of the CLI and the window's terminal, of storage, of the steel
// catalogue and of the core list, with its data, says nothing unmarked.
TEST(Languages, EveryRefusalInThePseudoLanguageIsMarked) {
    const Lang p = pseudo();
    const std::string what = "Трансформатор.sav";
    std::vector<std::pair<std::string, std::vector<std::string>>> said{
        {usage(p), {}}, {windowUsage(p), {}}, {noDisplay(p), {}}};
    for (int e = 1; e <= static_cast<int>(UsageError::badTop); ++e)
        said.push_back({usageError(static_cast<UsageError>(e), what, p), {what}});
    for (CliFailure f : {CliFailure::cannotReadDesign, CliFailure::noCatalogue, CliFailure::badSteels})
        said.push_back({cliFailure(f, what, p), {what}});
    for (int e = 1; e <= static_cast<int>(WindowUsageError::pdfNeedsFile); ++e)
        said.push_back({windowUsageError(static_cast<WindowUsageError>(e), what, p), {what}});
    for (SheetFailure f : {SheetFailure::cannotReadDesign, SheetFailure::cannotWritePdf})
        said.push_back({sheetFailure(f, what, p), {what}});
    for (int c = 1; c <= static_cast<int>(FileError::Code::cannotMakeFolder); ++c)
        for (int r = 1; r <= static_cast<int>(FileError::Reason::madeNoFolder); ++r) {
            FileError e{static_cast<FileError::Code>(c), "/папка/" + what, static_cast<FileError::Reason>(r),
                        std::make_error_code(std::errc::no_space_on_device), "Данные", {"ё"}, {}, 7};
            e.design = {static_cast<DesignError::Code>(1 + r % 3), "U2_1", "Bm", {r % 2 ? "ё" : ""}};
            said.push_back({fileError(e, p), {e.path, e.other, "U2_1", "Bm", "ё", "1,5"}});
        }
    for (int c = 1; c <= static_cast<int>(SteelRefusal::duplicateName); ++c)
        said.push_back({steelProblem({static_cast<SteelRefusal>(c), 3, "P1.5", "M-6 0.35", "/data/Стали.txt"}, p),
                        {"P1.5", "M-6 0.35", "/data/Стали.txt", "GO", "NO"}});
    for (int c = 1; c <= static_cast<int>(CoreListRefusal::notPositive); ++c)
        said.push_back({coreListProblem({static_cast<CoreListRefusal>(c), 2, "lst", "-1", "/data/Сердечники.txt"}, p),
                        {"/data/Сердечники.txt", "lst"}});
    for (const auto& [text, data] : said) {
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(test::wordIn(test::unmarked(text, data)), "") << text;
    }
}
