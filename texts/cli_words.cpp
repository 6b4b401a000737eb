// velmora-cli's own words.
#include <algorithm>

#include "cli_texts.hpp"
#include "core_shape.hpp"
#include "record.hpp"
#include "rectifier_texts.hpp"
#include "wording.hpp"

namespace velmora::texts {

std::string usage(Lang lang) {
    if (ru(lang))
        return "Использование: velmora-cli [--data DIR] [--set KEY=VALUE]... [--diagram-width N]\n"
               "                           [--json] [--lang ru|en] [--report FILE] [--save FILE] [DESIGN]\n"
               "               velmora-cli --advise [--cores FILE] [--top N] [--json] [--set ...] [DESIGN]\n"
               "\n"
               "Рассчитывает сетевой силовой трансформатор: проект DESIGN (*.sav) или, без него,\n"
               "проект по умолчанию.\n"
               "\n"
               "  --data DIR           папка с файлом \"Провода.txt\" и файлами размеров проводов\n"
               "  --set KEY=VALUE      задать поле проекта (ключ файла проекта: lst, Bm, U2_1, ...)\n"
               "  --keys               перечислить ключи проекта с их смыслом и единицами\n"
               "  --diagram-width N    ширина диаграммы заполнения окна в пикселах (1..100000, 900)\n"
               "  --json               вывести результат одним объектом JSON\n"
               "  --lang ru|en         язык текстов, комментария, сообщений и отчета (ru)\n"
               "  --report FILE        записать отчет, как \"Сохранить в файле\"\n"
               "  --save FILE          записать проект, как \"Сохранить\"\n"
               "  --advise             подобрать сердечник из списка для этого проекта\n"
               "  --cores FILE         список сердечников (\"Сердечники.txt\" пользователя)\n"
               "  --top N              показать не больше N лучших сердечников\n"
               "  --help, --version    эта справка; версия программы\n"
               "\n"
               "Код возврата: 0 - расчет выполнен, 1 - окно переполнено или расчет невозможен,\n"
               "2 - ошибка в командной строке, в каталоге проводов или при записи файла.\n"
               "С --advise: 0 - подходит хотя бы один сердечник, 1 - ни один, 2 - ошибка.\n";
    return "Usage: velmora-cli [--data DIR] [--set KEY=VALUE]... [--diagram-width N]\n"
           "                   [--json] [--lang ru|en] [--report FILE] [--save FILE] [DESIGN]\n"
           "       velmora-cli --advise [--cores FILE] [--top N] [--json] [--set ...] [DESIGN]\n"
           "\n"
           "Calculates a mains power transformer: the design DESIGN (*.sav) or, without it,\n"
           "the default design.\n"
           "\n"
           "  --data DIR           folder with \"Провода.txt\" and the wire size files\n"
           "  --set KEY=VALUE      set a design field (its design-file key: lst, Bm, U2_1, ...)\n"
           "  --keys               list the design keys with their meaning and unit\n"
           "  --diagram-width N    width of the window fill diagram in pixels (1..100000, 900)\n"
           "  --json               print the result as one JSON object\n"
           "  --lang ru|en         language of the texts, comment, messages and report (ru)\n"
           "  --report FILE        write the report, as \"Save to file\" does\n"
           "  --save FILE          write the design, as \"Save\" does\n"
           "  --advise             rank the cores of the list for this design\n"
           "  --cores FILE         the list of cores (the user's \"Сердечники.txt\")\n"
           "  --top N              show at most the N best cores\n"
           "  --help, --version    this help; the program's version\n"
           "\n"
           "Exit status: 0 calculated, 1 the window overfills or the design cannot be calculated,\n"
           "2 a command-line, wire catalogue or file-writing problem.\n"
           "With --advise: 0 at least one core fits, 1 none does, 2 a problem.\n";
}

std::string usageError(UsageError e, const std::string& what, Lang lang) {
    const bool r = ru(lang);
    switch (e) {
        case UsageError::needsValue:
            return r ? "после " + what + " нужно значение" : what + " needs a value";
        case UsageError::badWidth:
            return r ? "--diagram-width ждет целое число от 1 до 100000, а не \"" + what + "\""
                     : "--diagram-width takes a whole number from 1 to 100000, not \"" + what + "\"";
        case UsageError::badSet:
            return r ? "--set ждет KEY=VALUE, а не \"" + what + "\""
                     : "--set takes KEY=VALUE, not \"" + what + "\"";
        case UsageError::unknownKey:
            return (r ? "неизвестный ключ проекта \"" + what + "\". " : "unknown design key \"" + what + "\". ") +
                   std::string(cliWord(CliWord::keysPointer, lang));
        case UsageError::unknownOption:
            return r ? "неизвестный параметр " + what : "unknown option " + what;
        case UsageError::twoDesigns:
            return r ? "указано больше одного проекта" : "more than one design given";
        case UsageError::badLang:
            return r ? "--lang ждет ru или en, а не \"" + what + "\""
                     : "--lang takes ru or en, not \"" + what + "\"";
        case UsageError::badTop:
            return r ? "--top ждет целое число от 1 до 100000, а не \"" + what + "\""
                     : "--top takes a whole number from 1 to 100000, not \"" + what + "\"";
        case UsageError::none:
            break;
    }
    return {};
}

std::string cliFailure(CliFailure f, const std::string& what, Lang lang) {
    const bool r = ru(lang);
    switch (f) {
        case CliFailure::cannotReadDesign:
            return r ? "не удалось прочитать проект \"" + what + "\""
                     : "cannot read the design \"" + what + "\"";
        case CliFailure::noCatalogue:
            return r ? "не найден файл \"" + what + "\"" : "the file \"" + what + "\" is not found";
        case CliFailure::badSteels:
            return r ? "не удалось прочитать каталог сталей \"" + what + "\""
                     : "cannot read the steel catalogue \"" + what + "\"";
    }
    return {};
}

}  // namespace velmora::texts

namespace velmora::texts {
namespace {

struct CliRow {
    CliWord id;
    std::string_view ru, en;
};
constexpr CliRow kCliWords[] = {
    {CliWord::keysTitle, "Ключи проекта (файл проекта, --set KEY=VALUE):",
     "Design keys (design file, --set KEY=VALUE):"},
    {CliWord::keysRingNote, "у кольца: ", "on a ring: "},
    {CliWord::keysCoreNote, "0 кольцо, 1 ПЛ, 2 ШЛ, 3 Ш, 4 Г",
     "0 toroid, 1 C-core (ПЛ), 2 cut shell core (ШЛ), 3 E-I laminations (Ш), 4 U-I laminations (Г)"},
    {CliWord::keysPointer, "Список ключей проекта: velmora-cli --keys",
     "The design keys are listed by velmora-cli --keys"},
    {CliWord::keysWidth, "ширина", "the width"},
    {CliWord::keysHeight, "высота", "the height"},
    {CliWord::keysOneOrZero, "1 да, 0 нет", "1 yes, 0 no"},
    {CliWord::keysClasses, "A 105, E 120, B 130, F 155, H 180 °C", "A 105, E 120, B 130, F 155, H 180 °C"},
    {CliWord::statusOk, "выполнен", "done"},
    {CliWord::statusOverfill, "окно переполнено", "the window overfills"},
    {CliWord::statusRefused, "невозможен", "impossible"},
};

constexpr std::string_view kCoreNamesEn[] = {"toroid", "C-core, two coils (ПЛ)", "cut shell core (ШЛ)",
                                             "E-I laminations (Ш)", "U-I laminations, two coils (Г)"};
constexpr std::string_view kCoreNamesRu[] = {"кольцо", "ПЛ", "ШЛ", "Ш", "Г"};

}  // namespace

std::string_view cliWord(CliWord id, Lang lang) {
    for (const CliRow& r : kCliWords)
        if (r.id == id) return ru(lang) ? r.ru : r.en;
    return {};
}

std::string_view statusWord(RunStatus s, Lang lang) {
    switch (s) {
        case RunStatus::ok: return cliWord(CliWord::statusOk, lang);
        case RunStatus::overfill: return cliWord(CliWord::statusOverfill, lang);
        case RunStatus::refused: break;
    }
    return cliWord(CliWord::statusRefused, lang);
}

std::string_view summaryCoreName(CoreKind kind, Lang lang) {
    return (ru(lang) ? kCoreNamesRu : kCoreNamesEn)[kindIndex(kind)];
}

std::string designKeys(Lang lang) {
    std::string o = std::string(cliWord(CliWord::keysTitle, lang)) + "\n";
    const CoreShape& ring = shapeOf(CoreKind::ring);
    for (const Field& f : designFields()) {
        std::string key(f.name);
        key.resize(std::max<std::size_t>(key.size(), 12), ' ');
        o += "  " + key + " " + std::string(label(f, lang));
        if (std::string_view u = unit(f, lang); !u.empty()) o += ", " + std::string(u);
        // What the label leaves open: the values of a choice, which of two sizes, which winding.
        auto note = [&](std::string_view text) { o += "; " + std::string(text); };
        if (f.name == "core") note(cliWord(CliWord::keysCoreNote, lang));
        if (f.name == "hkar") note(cliWord(CliWord::keysWidth, lang));
        if (f.name == "hkar1") note(cliWord(CliWord::keysHeight, lang));
        if (f.name == "Insulation") note(cliWord(CliWord::keysClasses, lang));
        if (f.control == ControlKind::check || f.name == "Impregnated") note(cliWord(CliWord::keysOneOrZero, lang));
        if (f.name.rfind("rect2_", 0) == 0)
            for (int c = 0; c <= 4; ++c)
                note(std::to_string(c) + " " + std::string(rectifierCircuit(c, lang)));
        for (std::size_t k = 0; k < kCoreDimFields.size(); ++k)
            if (f.name == kCoreDimFields[k] && !ring.dimNames[k].empty())
                note(std::string(cliWord(CliWord::keysRingNote, lang)) +
                     std::string(coreSizeLabel(f.name, coreNumber(CoreKind::ring), lang)));
        if (f.winding >= 1) note(windingOf(f.winding, lang));
        o += "\n";
    }
    return o;
}

}  // namespace velmora::texts
