#include "app.hpp"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "about_dialog.hpp"
#include "calculation.hpp"
#include "command_line.hpp"
#include "design_sheet.hpp"
#include "file_pickers.hpp"
#include "language.hpp"
#include "main_dialog.hpp"
#include "message_boxes.hpp"
#include "platform.hpp"
#include "state_file.hpp"
#include "state_location.hpp"
#include "termination.hpp"
#include "textfile.hpp"
#include "window_words.hpp"
#include "wires.hpp"

namespace velmora::ui {
namespace {

bool set(const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
}

// On X11 and Wayland systems the toolkit aborts without a display; say what to do.
bool noDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return !set("QT_QPA_PLATFORM") && !set("DISPLAY") && !set("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

// The language of what is said before the window: the choice kept in the state file
// when there is one (Russian when it keeps none), else the environment's. Only an
// existing state file counts, so a portable copy is recognised without the probe of
// its folder that a write would need.
texts::Lang startLanguage(const char* argv0) {
    namespace fs = std::filesystem;
    const fs::path exeDir = platform::executableFile(argv0).parent_path();
    StateLocationInputs in = ProcessStateLocationInputs(FindDataFolder(exeDir).value_or(fs::path()), exeDir);
    in.writable = [](const fs::path& folder) {
        std::error_code ec;
        return fs::is_regular_file(folder / kStateFileName, ec);
    };
    const fs::path stateFile = StateFilePath(in);
    std::error_code ec;
    if (fs::is_regular_file(stateFile, ec))
        return texts::findLang(ReadStateSetting(stateFile, kLanguageKey)).value_or(kDefaultLanguage);
    return texts::langOfEnvironment(in.env);
}

// The sheet of the design named (or of the last inputs) into the file; the window is
// never shown, and what it would have said stays unsaid but for a refused design.
int printSheet(CBrevinorDlg& dlg, const CommandLine& cl, texts::Lang lang) {
    if (cl.design) {
        dlg.loadDesign(QString::fromStdString(*cl.design), true);
        if (dlg.designFile().isEmpty()) {
            std::cerr << "velmora: " << texts::sheetFailure(texts::SheetFailure::cannotReadDesign, *cl.design, lang) << "\n";
            return 1;
        }
    }
    if (!writeDesignSheetPdf(dlg.currentSheet(), QString::fromStdString(*cl.printPdf))) {
        std::cerr << "velmora: " << texts::sheetFailure(texts::SheetFailure::cannotWritePdf, *cl.printPdf, lang) << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int CBrevinorApp::run(int argc, char** argv) {
    catchTerminationRequests();
    // Answered before the toolkit starts, so they work without a display; the
    // toolkit's own options still stand among the arguments here.
    const CommandLine early = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    const texts::Lang says = startLanguage(argc > 0 ? argv[0] : nullptr);
    if (early.help) {
        std::cout << texts::windowUsage(says);
        return 0;
    }
    if (early.version) {
        std::cout << "velmora " << kVersion << "\n";
        return 0;
    }
    // The design sheet needs no screen: the offscreen platform draws it.
    if (early.printPdf && noDisplay()) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (noDisplay()) {
        std::cerr << "velmora: " << texts::noDisplay(says) << "\n";
        return 2;
    }
    QApplication app(argc, argv);  // takes its own options out of argv
    const CommandLine cl = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (cl.error != texts::WindowUsageError::none) {
        std::cerr << "velmora: " << texts::windowUsageError(cl.error, cl.what, says) << "\n\n"
                  << texts::windowUsage(says);
        return 2;
    }
    // The toolkit set the locale from the environment; numbers stay with a point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("velmora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/res/velmora.svg")));
    // Qt's own buttons in the language of the terminal texts from the first box on; the
    // window turns to the user's choice once it has read the state file.
    setUiLanguage(says);

    QtMessageBoxes boxes;
    QtFilePickers pickers(boxes);

    const std::filesystem::path exeDir =
        pathFromUtf8(QCoreApplication::applicationDirPath().toStdString());
    const auto dataFolder = FindDataFolder(exeDir);
    if (!dataFolder) {
        boxes.show(nullptr, QCoreApplication::translate("CBrevinorApp", "Внимание!"),
                   QCoreApplication::translate("CBrevinorApp",
                                               "В папке с программой отсутствует файл перечня "
                                               "применяемых в программе проводов."));
        return 1;
    }
    DialogOptions options{*dataFolder,
                          StateFilePath(ProcessStateLocationInputs(*dataFolder, exeDir)), {}};
    // An installed program (its state away from its data) starts in the documents.
    if (options.stateFile.parent_path() != *dataFolder)
        options.designFolder =
            pathFromUtf8(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
    CBrevinorDlg dlg(boxes, pickers, options);
    onTerminationRequest(&dlg, [&dlg] { dlg.closeFromOutside(); });
    if (!dlg.start()) return 1;
    if (cl.printPdf) return printSheet(dlg, cl, says);
    // A design named on the command line comes after the first calculation, which
    // runs once the window is on the screen.
    if (cl.design) {
        const QString design = QString::fromStdString(*cl.design);
        QObject::connect(&dlg, &CBrevinorDlg::startFinished, &dlg, [&dlg, design] {
            if (!dlg.closed()) dlg.loadDesign(design, true);
        });
    }
    if (!dlg.closed()) dlg.exec();  // a request to end may have come during the start
    return 0;
}

}  // namespace velmora::ui
