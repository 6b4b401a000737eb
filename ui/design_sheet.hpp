// The printed design sheet: what goes to the winding bench, on one or two A4 pages.
// It is made from data in two steps: designSheet() gathers the sections (inputs,
// results per winding, totals, the strip and the core picture, the winding
// instruction), paintDesignSheet() lays them out on pages. A further section (the
// steel, a rectifier) is one more table appended in designSheet().
#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <QStringList>
#include <vector>

#include "calculation.hpp"
#include "fill_diagram.hpp"
#include "record.hpp"

namespace velmora::ui {

struct SheetTable {
    QString heading;
    QStringList head;  // column heads; empty: none
    std::vector<QStringList> rows;
};

struct DesignSheet {
    QString name;     // the design file's name, or the name a save would propose
    QString date;     // ISO date of printing
    QString program;  // the program and its version (the window's title gives it)
    std::vector<SheetTable> tables;
    FillExtents strip;
    int stripWidth = 0;  // the width the strip's extents were computed for
    int core = -1;
    QString instructionHeading;
    QStringList instruction;  // the comment of the run, line by line
};

// The sheet of the design as calculated, in the window's language.
DesignSheet designSheet(const Record& r, const RunResult& run, const QString& name);

// Lays the sheet out on the device's pages (A4 expected), starting on its first page.
void paintDesignSheet(const DesignSheet& sheet, QPagedPaintDevice& device);

// An A4 PDF of the sheet; false when the file cannot be written.
bool writeDesignSheetPdf(const DesignSheet& sheet, const QString& file);

}  // namespace velmora::ui
