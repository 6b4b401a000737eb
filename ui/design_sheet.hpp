// The printed design sheet: what goes to the winding bench, on one or two A4 pages.
// Its content (title, tables, the winding instruction) is the texts module's
// (texts/sheet.hpp), shared with the page's print layout; here it is laid out on
// pages with the strip and the core picture, each table kept whole on one page with
// its heading.
#pragma once

#include <QPagedPaintDevice>
#include <QString>

#include "calculation.hpp"
#include "fill_diagram.hpp"
#include "record.hpp"
#include "sheet.hpp"

namespace velmora::ui {

struct DesignSheet {
    texts::SheetContent content;
    QString date;     // ISO date of printing
    QString program;  // the program and its version (the window's title gives it)
    FillExtents strip;
    int stripWidth = 0;  // the width the strip's extents were computed for
    int core = -1;
};

// The sheet of the design as calculated, in the window's language; `fileName` is the
// design file's name or the name a save would propose.
DesignSheet designSheet(const Record& r, const RunResult& run, const SteelOutcome* steel, const QString& fileName);

// Lays the sheet out on the device's pages (A4 expected), starting on its first page.
void paintDesignSheet(const DesignSheet& sheet, QPagedPaintDevice& device);

// An A4 PDF of the sheet; false when the file cannot be written.
bool writeDesignSheetPdf(const DesignSheet& sheet, const QString& file);

}  // namespace velmora::ui
