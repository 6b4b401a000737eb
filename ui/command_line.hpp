// The arguments of `velmora`: --help, --version and at most one design file (as the
// desktop's "open with" passes it).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmora::ui {

struct CommandLine {
    bool help = false;
    bool version = false;
    std::optional<std::string> design;  // a file to load after the start
    // --print-pdf FILE: the design sheet of the design (or of the last inputs) into
    // FILE, without the window.
    std::optional<std::string> printPdf;
    std::string error;                  // not empty: a usage error
};

inline constexpr const char* kUsage =
    "Использование: velmora [ПРОЕКТ.sav]\n"
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

// `args` without the program name. The toolkit's own options count as wrong ones, so
// the design and the error are taken from the arguments the toolkit has left.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace velmora::ui
