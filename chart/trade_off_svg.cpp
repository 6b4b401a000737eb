#include "trade_off_svg.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "axis.hpp"
#include "numtext.hpp"

namespace velmora::chart {
namespace {

// Layout, px. The right margin holds the legend: at least kRight, more for longer words.
constexpr double kLeft = 70, kRight = 120, kTop = 40, kBottom = 52;
constexpr double kLegendGap = 24, kBandW = 16, kBandText = 6;
// A generous advance of one character of a sans-serif face, in ems: the legend's
// widest text is given this room, so no language's words run off the chart.
constexpr double kAdvance = 0.62;
constexpr double kDot = 4, kChosenDot = 6.5;
constexpr int kFont = 12;
constexpr const char* kFontFamily = "sans-serif";
constexpr const char* kInk = "#202020";
constexpr const char* kGrid = "#d8d8d8";
constexpr const char* kFrontInk = "#404040";

// Five stops of a diverging blue-to-red scale (ColorBrewer RdYlBu, reversed).
constexpr std::array<std::array<int, 3>, 5> kStops{{
    {44, 123, 182}, {171, 217, 233}, {255, 255, 191}, {253, 174, 97}, {215, 25, 28}}};

std::string num(double v) { return fixed(v, 1); }

std::string escaped(std::string_view s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default: out += c;
        }
    }
    return out;
}

struct Svg {
    std::string s;
    Svg& operator<<(std::string_view t) {
        s += t;
        return *this;
    }
    void text(double x, double y, std::string_view words, const char* anchor, const std::string& extra = {}) {
        *this << "<text x=\"" << num(x) << "\" y=\"" << num(y) << "\" font-family=\"" << kFontFamily
              << "\" font-size=\"" << std::to_string(kFont) << "\" fill=\"" << kInk
              << "\" text-anchor=\"" << anchor << "\"" << extra << ">" << escaped(words)
              << "</text>\n";
    }
    void line(double x1, double y1, double x2, double y2, const char* ink, double width = 1) {
        *this << "<line x1=\"" << num(x1) << "\" y1=\"" << num(y1) << "\" x2=\"" << num(x2)
              << "\" y2=\"" << num(y2) << "\" stroke=\"" << ink << "\" stroke-width=\"" << num(width)
              << "\"/>\n";
    }
};

// Characters, not bytes: a UTF-8 text's width in advances.
double textWidth(std::string_view s) {
    const auto chars = std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return static_cast<double>(chars) * kAdvance * kFont;
}

// Room from the plot's right edge to the chart's: the legend's heading runs from the
// scale's left edge, its other texts from beside the bands.
double rightMargin(const ChartWords& w, const std::vector<std::string>& ticks) {
    double texts = std::max(textWidth(w.front), textWidth(w.chosen));
    for (const std::string& t : ticks) texts = std::max(texts, textWidth(t));
    const double widest = std::max(textWidth(w.hot), kBandW + kBandText + texts);
    return std::max(kRight, kLegendGap + widest + 8);
}

bool usable(const ChartPoint& p) {
    return std::isfinite(p.mass_kg) && std::isfinite(p.loss_w) && std::isfinite(p.hot_c);
}

}  // namespace

std::string pointId(int row) { return "row-" + std::to_string(row); }

int rowOfId(std::string_view id) {
    constexpr std::string_view kPrefix = "row-";
    if (id.substr(0, kPrefix.size()) != kPrefix || id.size() == kPrefix.size()) return kNoRow;
    int row = 0;
    const char* end = id.data() + id.size();
    const auto [p, ec] = std::from_chars(id.data() + kPrefix.size(), end, row);
    return ec == std::errc{} && p == end && row >= 0 ? row : kNoRow;
}

std::string heatColour(double t) {
    t = std::isfinite(t) ? std::clamp(t, 0.0, 1.0) : 0.0;
    const double x = t * (kStops.size() - 1);
    const std::size_t k = std::min(static_cast<std::size_t>(x), kStops.size() - 2);
    const double f = x - static_cast<double>(k);
    std::string out = "#";
    constexpr char kHex[] = "0123456789abcdef";
    for (int c = 0; c < 3; ++c) {
        const int v = static_cast<int>(std::lround(kStops[k][c] + f * (kStops[k + 1][c] - kStops[k][c])));
        out += kHex[v / 16];
        out += kHex[v % 16];
    }
    return out;
}

std::string tradeOffSvg(std::span<const ChartPoint> points, int chosenRow, const ChartWords& words,
                        ChartSize size) {
    std::vector<ChartPoint> pts;
    for (const ChartPoint& p : points)
        if (usable(p)) pts.push_back(p);

    const double W = std::max(size.width, 320), H = std::max(size.height, 240);
    auto rangeOf = [&](auto get) {
        double lo = INFINITY, hi = -INFINITY;
        for (const ChartPoint& p : pts) lo = std::min(lo, get(p)), hi = std::max(hi, get(p));
        return pts.empty() ? std::pair{0.0, 1.0} : std::pair{lo, hi};
    };
    const auto [mLo, mHi] = rangeOf([](const ChartPoint& p) { return p.mass_kg; });
    const auto [lLo, lHi] = rangeOf([](const ChartPoint& p) { return p.loss_w; });
    const auto [hLo, hHi] = rangeOf([](const ChartPoint& p) { return p.hot_c; });
    const Ticks tx = niceTicks(mLo, mHi, 6), ty = niceTicks(lLo, lHi, 5), th = niceTicks(hLo, hHi, 5);
    std::vector<std::string> hotTicks;
    for (double v : th.values) hotTicks.push_back(tickText(v, th.decimals));
    const double x0 = kLeft, x1 = W - rightMargin(words, hotTicks), y0 = H - kBottom, y1 = kTop;  // plot area
    auto X = [&](double m) { return x0 + (m - tx.lo) / (tx.hi - tx.lo) * (x1 - x0); };
    auto Y = [&](double l) { return y0 - (l - ty.lo) / (ty.hi - ty.lo) * (y0 - y1); };
    auto T = [&](double h) { return (h - th.lo) / (th.hi - th.lo); };

    Svg svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\""
        << num(W) << "\" height=\"" << num(H) << "\" viewBox=\"0 0 " << num(W) << " " << num(H) << "\">\n"
        << "<title>" << escaped(words.title) << "</title>\n"
        << "<rect x=\"0\" y=\"0\" width=\"" << num(W) << "\" height=\"" << num(H)
        << "\" fill=\"#ffffff\" stroke=\"none\"/>\n";
    svg.text(W / 2, kTop / 2 + kFont / 2.0, words.title, "middle", " font-weight=\"bold\"");

    // Grid, ticks and their numbers.
    svg << "<g id=\"axes\">\n";
    for (double v : tx.values) {
        svg.line(X(v), y0, X(v), y1, kGrid);
        svg.line(X(v), y0, X(v), y0 + 5, kInk);
        svg.text(X(v), y0 + 8 + kFont, tickText(v, tx.decimals), "middle");
    }
    for (double v : ty.values) {
        svg.line(x0, Y(v), x1, Y(v), kGrid);
        svg.line(x0 - 5, Y(v), x0, Y(v), kInk);
        svg.text(x0 - 8, Y(v) + kFont / 3.0, tickText(v, ty.decimals), "end");
    }
    svg.line(x0, y0, x1, y0, kInk);
    svg.line(x0, y0, x0, y1, kInk);
    svg.text((x0 + x1) / 2, H - 10, words.mass, "middle");
    const double yx = 16, yy = (y0 + y1) / 2;
    svg.text(yx, yy, words.loss, "middle",
             " transform=\"rotate(-90 " + num(yx) + " " + num(yy) + ")\"");
    svg << "</g>\n";

    // The front, lightest first.
    std::vector<ChartPoint> front;
    for (const ChartPoint& p : pts)
        if (p.pareto) front.push_back(p);
    std::sort(front.begin(), front.end(), [](const ChartPoint& a, const ChartPoint& b) {
        return a.mass_kg < b.mass_kg || (a.mass_kg == b.mass_kg && a.loss_w > b.loss_w);
    });
    if (front.size() >= 2) {
        svg << "<polyline id=\"front\" fill=\"none\" stroke=\"" << kFrontInk
            << "\" stroke-width=\"1.5\" points=\"";
        for (std::size_t k = 0; k < front.size(); ++k)
            svg << (k ? " " : "") << num(X(front[k].mass_kg)) << "," << num(Y(front[k].loss_w));
        svg << "\"/>\n";
    }

    // The points; the chosen one last, on top, ringed.
    const ChartPoint* chosen = nullptr;
    svg << "<g id=\"points\">\n";
    for (const ChartPoint& p : pts) {
        if (p.row == chosenRow) {
            chosen = &p;
            continue;
        }
        svg << "<circle id=\"" << pointId(p.row) << "\" cx=\"" << num(X(p.mass_kg)) << "\" cy=\""
            << num(Y(p.loss_w)) << "\" r=\"" << num(kDot) << "\" fill=\"" << heatColour(T(p.hot_c))
            << "\" stroke=\"" << kInk << "\" stroke-width=\"0.5\"/>\n";
    }
    if (chosen)
        svg << "<circle id=\"" << pointId(chosen->row) << "\" cx=\"" << num(X(chosen->mass_kg))
            << "\" cy=\"" << num(Y(chosen->loss_w)) << "\" r=\"" << num(kChosenDot) << "\" fill=\""
            << heatColour(T(chosen->hot_c)) << "\" stroke=\"#000000\" stroke-width=\"2.5\"/>\n";
    svg << "</g>\n";

    // The legend: the colour scale, band by band of its ticks, then the line and the ring.
    const double lx = x1 + kLegendGap, bandW = kBandW;
    svg << "<g id=\"legend\">\n";
    svg.text(lx, y1 - 8, words.hot, "start");
    const double scaleH = std::min(200.0, (y0 - y1) * 0.6);
    const int bands = static_cast<int>(th.values.size()) - 1;
    for (int k = 0; k < bands; ++k) {
        const double top = y1 + scaleH - (k + 1) * scaleH / bands;
        svg << "<rect x=\"" << num(lx) << "\" y=\"" << num(top) << "\" width=\"" << num(bandW)
            << "\" height=\"" << num(scaleH / bands) << "\" fill=\"" << heatColour((k + 0.5) / bands)
            << "\" stroke=\"none\"/>\n";
    }
    for (int k = 0; k <= bands; ++k)
        svg.text(lx + bandW + kBandText, y1 + scaleH - k * scaleH / bands + kFont / 3.0,
                 hotTicks[static_cast<std::size_t>(k)], "start");
    const double ly = y1 + scaleH + 28;
    svg.line(lx, ly, lx + bandW, ly, kFrontInk, 1.5);
    svg.text(lx + bandW + kBandText, ly + kFont / 3.0, words.front, "start");
    svg << "<circle cx=\"" << num(lx + bandW / 2) << "\" cy=\"" << num(ly + 20) << "\" r=\""
        << num(kChosenDot) << "\" fill=\"#ffffff\" stroke=\"#000000\" stroke-width=\"2.5\"/>\n";
    svg.text(lx + bandW + kBandText, ly + 20 + kFont / 3.0, words.chosen, "start");
    svg << "</g>\n</svg>\n";
    return svg.s;
}

}  // namespace velmora::chart
