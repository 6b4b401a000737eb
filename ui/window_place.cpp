#include "window_place.hpp"

#include <QFileInfo>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>

#include "file_pickers.hpp"
#include "window_geometry.hpp"
#include "window_names.hpp"

namespace velmora::ui {

void placeWindow(QDialog& window, const std::filesystem::path& stateFile) {
    // The window's own wish, grown by what the scroll area lacks of the whole of its
    // contents (a scroll area does not pass its contents' wish on to the window).
    // The layouts still hold what they measured before the record's fields were shown
    // or hidden by core kind: measure afresh.
    auto* grid = window.findChild<QScrollArea*>(QString::fromLatin1(names::grid));
    if (QLayout* inner = grid ? grid->widget()->layout() : nullptr) {
        inner->invalidate();
        inner->activate();  // also drops what the nested layouts measured
    }
    window.layout()->invalidate();
    window.layout()->activate();
    QSize natural = window.size().expandedTo(window.sizeHint());
    if (grid) natural += (grid->sizeHint() - grid->size()).expandedTo(QSize(0, 0));
    const std::optional<QRect> kept = geometryFromText(ReadStateSetting(stateFile, kWindowKey));
    const QRect wanted = kept.value_or(QRect(QPoint(), natural));
    // The body and the frame the window manager puts around it both on the screen.
    const QRect g = window.geometry(), f = window.frameGeometry();
    const QMargins frame = f != g ? QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(),
                                             f.bottom() - g.bottom())
                                  : kFrameAllowance;
    const QRect fitted = fitToScreen(wanted, kept.has_value(), insideFrame(window.screen()->availableGeometry(), frame),
                                     window.minimumSizeHint());
    if (kept)
        window.setGeometry(fitted);
    else
        window.resize(fitted.size());  // the system places a window it has not seen before
    // Maximised on top of the place it had before, which it takes back when restored.
    if (ReadStateSetting(stateFile, kMaximizedKey) == "1")
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

StateSetting windowSetting(const QDialog& window) {
    return {kWindowKey, geometryText(window.isMaximized() ? window.normalGeometry() : window.geometry())};
}

StateSetting folderSetting(const FilePickers& pickers) {
    return {kFolderKey, pickers.folder().toUtf8().toPercentEncoding("/\\:").toStdString()};
}

void restoreFolder(FilePickers& pickers, const std::filesystem::path& stateFile, const std::filesystem::path& fallback) {
    const std::string kept = ReadStateSetting(stateFile, kFolderKey);
    const QString folder = !kept.empty()
                               ? QString::fromUtf8(QByteArray::fromPercentEncoding(QByteArray::fromStdString(kept)))
                               : QString::fromStdString(fallback.string());
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) pickers.setFolder(folder);
}

}  // namespace velmora::ui
