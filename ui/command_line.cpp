#include "command_line.hpp"

namespace velmora::ui {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    bool optionsEnded = false;
    for (const std::string& a : args) {
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (a == "--help" || a == "-h")) {
            cl.help = true;
        } else if (!optionsEnded && (a == "--version" || a == "-v")) {
            cl.version = true;
        } else if (!optionsEnded && a.size() > 1 && a.front() == '-') {
            cl.error = "неизвестный параметр \"" + a + "\"";
        } else if (cl.design) {
            cl.error = "можно открыть только один проект";
        } else {
            cl.design = a;
        }
        if (!cl.error.empty()) break;
    }
    return cl;
}

}  // namespace velmora::ui
