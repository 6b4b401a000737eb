// velmora-cli's own words.
#include "designer_words.hpp"
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
            return r ? "неизвестный ключ проекта \"" + what + "\"" : "unknown design key \"" + what + "\"";
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
        case UsageError::badGoal:
            return std::string(designerText(DesignerText::badGoal, lang)) + " \"" + what + "\"";
        case UsageError::badLimit:
            return std::string(designerText(DesignerText::badLimit, lang)) + " \"" + what + "\"";
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
