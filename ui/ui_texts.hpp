// The texts the window shows but does not word itself: what the engine, the catalogue
// and storage return (field labels and units, core kinds, messages, the tips of the
// results, the comment, the report, the proposed file names, the reasons a file was
// not read or written), rendered in the window's language. Every such text passes
// through here and nowhere else; the window's own words go through tr().
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "calculation.hpp"
#include "file_error.hpp"
#include "record.hpp"
#include "texts.hpp"

namespace velmora::ui {

texts::Lang uiTextsLang();  // the language the texts module words the window's data in

QString fieldLabel(const Field& f);
QString fieldUnit(const Field& f);
QString coreKindText(int core);  // the radio button of kind 0..4

struct ShownMessage {
    QString caption;
    QString text;
};
ShownMessage shownMessage(const Message& m);
QString refusalSentence(const Message& m);  // a refusal as a sentence of its own
QString warningCaption();  // of the boxes the window raises itself

QString resultHint(const Hint& h);  // the tip of a result field; empty: no tip
QString commentText(const Record& r, const RunResult& run);

std::string proposedName(const Record& r, std::string_view extension);  // ".sav", ".txt"
texts::ReportText reportText(const Record& r, const RunResult& run, const texts::ReportExtras& extras);

// Why a file was not read or written, as storage or the catalogue says it.
QString storageReason(const FileError& error);

}  // namespace velmora::ui
