#include "design_sheet.hpp"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <map>

#include "core_picture.hpp"
#include "ui_texts.hpp"

namespace velmora::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr std::array<const char*, 6> kColumnHeads{"1.", "2.1", "2.2", "2.3", "2.4", "2.5"};

QString shownValue(const Record& r, const Field& f) {
    if (f.control == ControlKind::radio) return coreKindText(f.intIn(r));
    if (f.control == ControlKind::check)
        return f.intIn(r) != 0 ? QCoreApplication::translate("DesignSheet", "Да")
                               : QCoreApplication::translate("DesignSheet", "Нет");
    return qs(valueAsText(r, f));
}

QString withUnit(const Field& f) {
    const QString unit = fieldUnit(f);
    return unit.isEmpty() ? fieldLabel(f) : fieldLabel(f) + QStringLiteral(", ") + unit;
}

// One row per label, one column per winding, for the fields of a role.
SheetTable windingTable(const Record& r, FieldRole role, const QString& heading) {
    SheetTable t{heading, {QString()}, {}};
    for (const char* h : kColumnHeads) t.head << QString::fromLatin1(h);
    std::map<std::string_view, std::size_t> rows;
    for (const Field& f : fields()) {
        if (f.winding < 1 || f.role != role) continue;
        auto [it, added] = rows.try_emplace(texts::label(f, texts::Lang::ru), t.rows.size());  // a shared label, one row
        if (added) {
            t.rows.push_back(QStringList{withUnit(f)});
            for (int c = 0; c < 6; ++c) t.rows.back() << QString();
        }
        t.rows[it->second][f.winding] = shownValue(r, f);
    }
    return t;
}

SheetTable coreTable(const Record& r, FieldRole role, const QString& heading) {
    SheetTable t{heading, {}, {}};
    for (const Field& f : fields())
        if (f.winding == 0 && f.role == role && f.control != ControlKind::none)
            t.rows.push_back({withUnit(f), shownValue(r, f)});
    return t;
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

void heading(Pages& pg, const QString& text) {
    QPainter& p = pg.painter();
    p.setFont(sheetFont(10, true));
    const double h = p.fontMetrics().height() * 1.6;
    const double y = pg.take(h);
    p.drawText(QRectF(0, y, pg.width(), h), Qt::AlignLeft | Qt::AlignBottom, text);
}

void table(Pages& pg, const SheetTable& t) {
    heading(pg, t.heading);
    QPainter& p = pg.painter();
    p.setFont(sheetFont(8));
    const double rowH = p.fontMetrics().height() * 1.3;
    const std::size_t columns = t.head.isEmpty() ? 2 : static_cast<std::size_t>(t.head.size());
    const double first = columns > 2 ? pg.width() * 0.40 : pg.width() * 0.60;
    const double other = (pg.width() - first) / double(columns - 1);
    const double pad = pg.mm(1.2);
    auto row = [&](const QStringList& cells, bool bold) {
        p.setFont(sheetFont(8, bold));
        const double y = pg.take(rowH);
        p.setPen(QPen(Qt::gray, 0));
        p.drawLine(QPointF(0, y + rowH), QPointF(pg.width(), y + rowH));
        p.setPen(Qt::black);
        for (std::size_t c = 0; c < columns && c < static_cast<std::size_t>(cells.size()); ++c) {
            const double x = c == 0 ? 0 : first + other * double(c - 1);
            const double w = c == 0 ? first : other;
            p.drawText(QRectF(x + pad, y, w - 2 * pad, rowH),
                       (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                       cells[static_cast<qsizetype>(c)]);
        }
    };
    if (!t.head.isEmpty()) row(t.head, true);
    for (const QStringList& r : t.rows) row(r, false);
}

// The strip and the core picture are the window's own widgets painted onto the page:
// vector graphics on a PDF, the same drawing as on the screen.
void pictures(Pages& pg, const DesignSheet& s) {
    heading(pg, QCoreApplication::translate("DesignSheet", "Заполнение окна и сердечник"));
    QPainter& p = pg.painter();
    const double pictureH = pg.mm(40);
    const double stripH = pg.mm(7);
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

    FillDiagram strip;
    const int stripW = s.stripWidth > 0 ? s.stripWidth : 600;
    strip.resize(stripW, 20);
    FillExtents e = s.strip;
    e.width = stripW;
    strip.setExtents(e);
    const double ks = pg.width() / double(stripW);
    p.save();
    p.translate(0, y + pictureH + pg.mm(3));
    p.scale(ks, stripH / 20.0);
    strip.render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
    p.restore();
}

void lines(Pages& pg, const QString& title, const QStringList& text) {
    heading(pg, title);
    QPainter& p = pg.painter();
    p.setFont(sheetFont(8));
    const QFontMetricsF fm = p.fontMetrics();
    for (const QString& line : text) {
        // A long line wraps at the page width.
        const QRectF need = fm.boundingRect(QRectF(0, 0, pg.width(), 1e6), Qt::TextWordWrap, line);
        const double h = std::max(need.height(), fm.height());
        const double y = pg.take(h);
        p.drawText(QRectF(0, y, pg.width(), h), Qt::TextWordWrap, line);
    }
}

}  // namespace

DesignSheet designSheet(const Record& r, const RunResult& run, const QString& name) {
    DesignSheet s;
    s.name = name;
    s.date = QDate::currentDate().toString(Qt::ISODate);
    s.tables.push_back(
        coreTable(r, FieldRole::input,
                  QCoreApplication::translate("DesignSheet", "Исходные данные: сердечник, каркас, провод")));
    s.tables.push_back(windingTable(
        r, FieldRole::input, QCoreApplication::translate("DesignSheet", "Исходные данные по обмоткам")));
    s.tables.push_back(windingTable(r, FieldRole::result,
                                    QCoreApplication::translate("DesignSheet", "Результаты по обмоткам")));
    s.tables.push_back(
        coreTable(r, FieldRole::result,
                  QCoreApplication::translate("DesignSheet", "Результаты: трансформатор в целом")));
    // Further sections (the steel and its heating, a rectifier per secondary) go here.
    s.strip = FillExtents{r.ext1, r.ext2, r.core, r.kfree, run.overfilled, r.diag_width, run.figures.room};
    s.stripWidth = r.diag_width;
    s.core = r.core;
    s.instructionHeading = QCoreApplication::translate("DesignSheet", "Указания по намотке");
    s.instruction = commentText(r, run).split(QStringLiteral("\n"));
    for (QString& line : s.instruction) line.remove(QLatin1Char('\r'));
    return s;
}

void paintDesignSheet(const DesignSheet& s, QPagedPaintDevice& device) {
    Pages pg(device);
    QPainter& p = pg.painter();
    p.setFont(sheetFont(14, true));
    double h = p.fontMetrics().height() * 1.2;
    p.drawText(QRectF(0, pg.take(h), pg.width(), h), Qt::AlignLeft | Qt::AlignVCenter, s.name);
    p.setFont(sheetFont(8));
    h = p.fontMetrics().height() * 1.3;
    p.drawText(QRectF(0, pg.take(h), pg.width(), h), Qt::AlignLeft | Qt::AlignVCenter,
               s.program + QStringLiteral(" · ") + s.date);
    for (const SheetTable& t : s.tables) table(pg, t);
    pictures(pg, s);
    lines(pg, s.instructionHeading, s.instruction);
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
    pdf.setTitle(s.name);
    pdf.setCreator(s.program);
    paintDesignSheet(s, pdf);
    return true;
}

}  // namespace velmora::ui
