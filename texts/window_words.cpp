// The window program's terminal words, and the language of the environment.
#include "window_words.hpp"

#include "wording.hpp"

namespace velmora::texts {

std::string windowUsage(Lang lang) {
    if (ru(lang))
        return "Использование: velmora [ПРОЕКТ.sav]\n"
               "               velmora --print-pdf ЛИСТ.pdf [ПРОЕКТ.sav]\n"
               "Расчет сетевого силового трансформатора.\n"
               "\n"
               "  ПРОЕКТ.sav   открыть этот проект, как кнопкой \"Загрузить\", и рассчитать\n"
               "  --print-pdf ЛИСТ.pdf  записать лист проекта (или последних данных) в PDF,\n"
               "               не открывая окна\n"
               "  --help       эта справка\n"
               "  --version    версия программы\n"
               "\n"
               "Без окна (скрипты, машины без дисплея) проекты считает velmora-cli.\n";
    return "Usage: velmora [DESIGN.sav]\n"
           "       velmora --print-pdf SHEET.pdf [DESIGN.sav]\n"
           "Calculates a mains power transformer.\n"
           "\n"
           "  DESIGN.sav   open this design, as the \"Load\" button does, and calculate\n"
           "  --print-pdf SHEET.pdf  write the design sheet (of the design or the last\n"
           "               inputs) as a PDF, without opening the window\n"
           "  --help       this help\n"
           "  --version    the program's version\n"
           "\n"
           "Without a window (scripts, machines without a display) velmora-cli calculates designs.\n";
}

std::string sheetFailure(SheetFailure f, const std::string& what, Lang lang) {
    if (f == SheetFailure::cannotReadDesign)
        return (ru(lang) ? "не удалось прочитать проект \"" : "cannot read the design \"") + what + "\"";
    return (ru(lang) ? "не удалось записать \"" : "cannot write \"") + what + "\"";
}

std::string windowUsageError(WindowUsageError e, const std::string& what, Lang lang) {
    const bool r = ru(lang);
    switch (e) {
        case WindowUsageError::unknownOption:
            return (r ? "неизвестный параметр \"" : "unknown option \"") + what + "\"";
        case WindowUsageError::twoDesigns:
            return r ? "можно открыть только один проект" : "only one design can be opened";
        case WindowUsageError::pdfNeedsFile:
            return r ? "после --print-pdf нужно имя файла" : "--print-pdf needs a file name";
        case WindowUsageError::none: break;
    }
    return {};
}

std::string noDisplay(Lang lang) {
    return ru(lang) ? "нет дисплея (DISPLAY и WAYLAND_DISPLAY не заданы); без окна проекты считает velmora-cli"
                    : "no display (neither DISPLAY nor WAYLAND_DISPLAY is set); without a window "
                      "velmora-cli calculates designs";
}

Lang langOfEnvironment(const EnvLookup& env) {
    if (!env) return Lang::ru;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        std::optional<std::string> value = env(name);
        if (!value || value->empty()) continue;
        // LANGUAGE lists several, by preference; its first one counts.
        const size_t start = value->find_first_not_of(':');
        if (start == std::string::npos) continue;
        const std::string first = value->substr(start, value->find(':', start) - start);
        const bool english = first.rfind("en", 0) == 0 &&
                             (first.size() == 2 || first.find_first_of("_.@", 2) == 2);
        return english ? Lang::en : Lang::ru;
    }
    return Lang::ru;
}

}  // namespace velmora::texts
