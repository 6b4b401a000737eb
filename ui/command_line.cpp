#include "command_line.hpp"

namespace velmora::ui {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    // Every argument is looked at, so --help and --version are seen behind a wrong one;
    // the first wrong one is the error.
    auto wrong = [&cl](texts::WindowUsageError e, const std::string& what) {
        if (cl.error != texts::WindowUsageError::none) return;
        cl.error = e;
        cl.what = what;
    };
    bool optionsEnded = false;
    bool pdfNext = false;
    for (const std::string& a : args) {
        if (pdfNext) {
            cl.printPdf = a;
            pdfNext = false;
        } else if (!optionsEnded && a == "--print-pdf") {
            pdfNext = true;
        } else if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (a == "--help" || a == "-h")) {
            cl.help = true;
        } else if (!optionsEnded && (a == "--version" || a == "-v")) {
            cl.version = true;
        } else if (!optionsEnded && a.size() > 1 && a.front() == '-') {
            wrong(texts::WindowUsageError::unknownOption, a);
        } else if (cl.design) {
            wrong(texts::WindowUsageError::twoDesigns, {});
        } else {
            cl.design = a;
        }
    }
    if (pdfNext) wrong(texts::WindowUsageError::pdfNeedsFile, "--print-pdf");
    return cl;
}

}  // namespace velmora::ui
