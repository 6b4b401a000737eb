#include "design_sheet.hpp"

#include <QDate>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "core_picture.hpp"
#include "ui_texts.hpp"

namespace velmora::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QStringList qlist(const std::vector<std::string>& cells) {
    QStringList out;
    for (const std::string& c : cells) out << qs(c);
    return out;
}

// ---- layout, in device pixels ----------------------------------------------------

class Pages {
public:
    explicit Pages(QPagedPaintDevice& d) : device_(d), p_(&d) {
        mm_ = d.logicalDpiY() / 25.4;
        width_ = d.width();
        height_ = d.height();
    }
    double mm(double v) const { return v * mm_; }
    QPainter& painter() { return p_; }
    int width() const { return width_; }
    // A block of this height that must not be split: on a new page when it does not
    // fit on this one and would on a fresh one.
    void keep(double h) {
        if (y_ + h > height_ && y_ > 0 && h <= height_) {
            device_.newPage();
            y_ = 0;
        }
    }
    // Room for a block of this height, on a new page when this one is full.
    double take(double h) {
        if (y_ + h > height_ && y_ > 0) {
            device_.newPage();
            y_ = 0;
        }
        const double at = y_;
        y_ += h;
        return at;
    }
    void skip(double h) { y_ += h; }

private:
    QPagedPaintDevice& device_;
    QPainter p_;
    double mm_ = 1;
    int width_ = 0, height_ = 0;
    double y_ = 0;
};

QFont sheetFont(double points, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

double headingHeight(QPainter& p) {
    p.setFont(sheetFont(10, true));
    return p.fontMetrics().height() * 1.6;
}

void heading(Pages& pg, const QString& text) {
    QPainter& p = pg.painter();
    const double h = headingHeight(p);
    const double y = pg.take(h);
    p.drawText(QRectF(0, y, pg.width(), h), Qt::AlignLeft | Qt::AlignBottom, text);
}

// A table with its heading, on one page where it fits on one.
void table(Pages& pg, const texts::SheetTable& t) {
    QPainter& p = pg.painter();
    const double headingH = headingHeight(p);
    p.setFont(sheetFont(8));
    const double rowH = p.fontMetrics().height() * 1.3;
    pg.keep(headingH + rowH * double(t.rows.size() + (t.head.empty() ? 0 : 1)));
    heading(pg, qs(t.heading));
    const std::size_t columns = t.head.empty() ? 2 : t.head.size();
    const double first = columns > 2 ? pg.width() * 0.40 : pg.width() * 0.60;
    const double other = (pg.width() - first) / double(columns - 1);
    const double pad = pg.mm(1.2);
    auto row = [&](const QStringList& cells, bool bold) {
        p.setFont(sheetFont(8, bold));
        const double y = pg.take(rowH);
        p.setPen(QPen(Qt::gray, 0));
        p.drawLine(QPointF(0, y + rowH), QPointF(pg.width(), y + rowH));
        p.setPen(Qt::black);
        // A row of one cell is a line of text across the table.
        if (cells.size() == 1) {
            p.drawText(QRectF(pad, y, pg.width() - 2 * pad, rowH), Qt::AlignLeft | Qt::AlignVCenter, cells[0]);
            return;
        }
        for (std::size_t c = 0; c < columns && c < static_cast<std::size_t>(cells.size()); ++c) {
            const double x = c == 0 ? 0 : first + other * double(c - 1);
            const double w = c == 0 ? first : other;
            p.drawText(QRectF(x + pad, y, w - 2 * pad, rowH),
                       (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                       cells[static_cast<qsizetype>(c)]);
        }
    };
    if (!t.head.empty()) row(qlist(t.head), true);
    for (const std::vector<std::string>& r : t.rows) row(qlist(r), false);
}

// The strip and the core picture are the window's own widgets painted onto the page:
// vector graphics on a PDF, the same drawing as on the screen.
void pictures(Pages& pg, const DesignSheet& s) {
    QPainter& p = pg.painter();
    FillDiagram strip;
    // Drawn at least 1200 px wide, the extents scaled to it: the strip's labels keep
    // their size in pixels, and a ring's reserve (three tenths of the width) then holds
    // its sentence whole.
    const int computedW = s.stripWidth > 0 ? s.stripWidth : 600;
    const int stripW = std::max(computedW, 1200);
    // The strip at its own height, scaled alike both ways: its labels whole.
    const int stripPx = strip.sizeHint().height();
    const double ks = pg.width() / double(stripW);
    const double pictureH = pg.mm(40);
    const double stripH = stripPx * ks;
    pg.keep(headingHeight(p) + pictureH + pg.mm(3) + stripH);
    heading(pg, qs(s.content.picturesHeading));
    const double y = pg.take(pictureH + pg.mm(3) + stripH);

    CorePicture picture;
    picture.resize(kPictureWidth, kPictureHeight);
    picture.setCore(s.core);
    const double k = pictureH / kPictureHeight;
    p.save();
    p.translate(0, y);
    p.scale(k, k);
    picture.render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
    p.restore();

    strip.resize(stripW, stripPx);
    FillExtents e = s.strip;
    e.width = computedW;
    strip.setExtents(e);
    p.save();
    p.translate(0, y + pictureH + pg.mm(3));
    p.scale(ks, ks);
    strip.render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
    p.restore();
}

void lines(Pages& pg, const QString& title, const std::vector<std::string>& text) {
    QPainter& p = pg.painter();
    const double headingH = headingHeight(p);
    p.setFont(sheetFont(8));
    const QFontMetricsF fm = p.fontMetrics();
    pg.keep(headingH + 3 * fm.height());  // the heading with its first lines
    heading(pg, title);
    p.setFont(sheetFont(8));
    for (const std::string& one : text) {
        const QString line = qs(one);
        // A long line wraps at the page width.
        const QRectF need = fm.boundingRect(QRectF(0, 0, pg.width(), 1e6), Qt::TextWordWrap, line);
        const double h = std::max(need.height(), fm.height());
        const double y = pg.take(h);
        p.drawText(QRectF(0, y, pg.width(), h), Qt::TextWordWrap, line);
    }
}

}  // namespace

DesignSheet designSheet(const Record& r, const RunResult& run, const SteelOutcome* steel, const QString& fileName) {
    DesignSheet s;
    s.content = texts::sheetContent({r, run, steel, fileName.toStdString()}, uiTextsLang());
    s.date = QDate::currentDate().toString(Qt::ISODate);
    s.strip = FillExtents{r.ext1, r.ext2, r.core, r.kfree, run.overfilled, r.diag_width, run.figures.room};
    s.stripWidth = r.diag_width;
    s.core = r.core;
    return s;
}

void paintDesignSheet(const DesignSheet& s, QPagedPaintDevice& device) {
    Pages pg(device);
    QPainter& p = pg.painter();
    p.setFont(sheetFont(14, true));
    double h = p.fontMetrics().height() * 1.2;
    p.drawText(QRectF(0, pg.take(h), pg.width(), h), Qt::AlignLeft | Qt::AlignVCenter, qs(s.content.title));
    p.setFont(sheetFont(8));
    h = p.fontMetrics().height() * 1.3;
    p.drawText(QRectF(0, pg.take(h), pg.width(), h), Qt::AlignLeft | Qt::AlignVCenter,
               s.program + QStringLiteral(" · ") + s.date);
    for (const texts::SheetTable& t : s.content.tables) table(pg, t);
    pictures(pg, s);
    lines(pg, qs(s.content.instructionHeading), s.content.instruction);
}

bool writeDesignSheetPdf(const DesignSheet& s, const QString& file) {
    {
        QFile probe(file);
        if (!probe.open(QIODevice::WriteOnly)) return false;
    }
    QPdfWriter pdf(file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
    pdf.setResolution(300);
    pdf.setTitle(qs(s.content.title));
    pdf.setCreator(s.program);
    paintDesignSheet(s, pdf);
    return true;
}

}  // namespace velmora::ui
