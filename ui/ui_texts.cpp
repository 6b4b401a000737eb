// These texts still come worded in Russian by the engine, the catalogue and storage;
// this file is the one place that renders them in uiLanguage() once they come as data.
#include "ui_texts.hpp"

#include "language.hpp"

namespace velmora::ui {
namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

QString fieldLabel(const Field& f) { return qs(f.label); }

QString fieldUnit(const Field& f) { return qs(f.unit); }

QString coreKindText(int core) {
    if (core < 0 || core >= static_cast<int>(kCoreRadioTexts.size())) return {};
    return qs(kCoreRadioTexts[static_cast<std::size_t>(core)]);
}

ShownMessage shownMessage(const Message& m) { return {qs(m.caption), qs(m.text)}; }

QString warningCaption() { return qs(kCaptionWarning); }

QString resultHint(const Hint& h) { return qs(h.text); }

QString commentText(const Record& r, const RunResult&) { return qs(r.comment); }

std::string proposedName(const Record& r, std::string_view extension) {
    return DefaultDesignName(r, extension);
}

ReportText reportText(const Record& r, const RunResult& run) { return BuildReport(r, run); }

QString storageReason(const std::string& reason) { return qs(reason); }

}  // namespace velmora::ui
