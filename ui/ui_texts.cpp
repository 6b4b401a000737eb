// The texts of the engine, the catalogue and storage, worded by the texts module in
// the window's language.
#include "ui_texts.hpp"

#include "language.hpp"
#include "storage_words.hpp"

namespace velmora::ui {
namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

texts::Lang lang() { return uiLanguage(); }

}  // namespace

texts::Lang uiTextsLang() { return lang(); }

QString fieldLabel(const Field& f) { return qs(texts::label(f, lang())); }

QString fieldUnit(const Field& f) { return qs(texts::unit(f, lang())); }

QString coreKindText(int core) { return qs(texts::coreKind(core, lang())); }

ShownMessage shownMessage(const Message& m) {
    const texts::Shown s = texts::message(m, lang());
    return {qs(s.caption), qs(s.text)};
}

QString refusalSentence(const Message& m) { return qs(texts::refusalSentence(m, lang())); }

QString warningCaption() { return qs(texts::warningCaption(lang())); }

QString resultHint(const Hint& h) {
    const std::string gauge = texts::gaugeLine(h, lang());
    return qs(gauge.empty() ? texts::hint(h, lang()) : texts::hint(h, lang()) + "\n" + gauge);
}

QString commentText(const Record&, const RunResult& run) { return qs(texts::comment(run, lang())); }

std::string proposedName(const Record& r, std::string_view extension) {
    return texts::designName(r, extension, lang());
}

texts::ReportText reportText(const Record& r, const RunResult& run, const texts::ReportExtras& extras) {
    return texts::report(r, run, lang(), extras);
}

QString storageReason(const FileError& error) { return qs(texts::fileError(error, lang())); }

}  // namespace velmora::ui
