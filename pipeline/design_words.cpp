#include "design_words.hpp"

#include <vector>

#include "designer_words.hpp"
#include "trade_off_svg.hpp"

namespace velmora {

using texts::DesignerText;

std::string designSummary(const DesignOutcome& d, texts::Lang lang) {
    std::string o = std::string(texts::designerText(DesignerText::found, lang)) + std::to_string(d.rows.size());
    std::string misses;
    for (int m = 0; m < kMissKinds; ++m) {
        if (!d.rejected[m]) continue;
        misses += (misses.empty() ? "" : ", ") + std::string(texts::missName(static_cast<DesignMiss>(m), lang)) +
                  " " + std::to_string(d.rejected[m]);
    }
    if (!misses.empty()) o += "; " + std::string(texts::designerText(DesignerText::rejected, lang)) + misses;
    return o;
}

std::string designChart(const DesignOutcome& d, texts::Lang lang) {
    std::vector<chart::ChartPoint> points;
    for (size_t i = 0; i < d.rows.size(); ++i) {
        const DesignFigures& f = d.rows[i].figures;
        points.push_back({static_cast<int>(i), f.mass_kg, f.loss_w, f.hot_c, d.rows[i].pareto});
    }
    auto word = [&](DesignerText t) { return std::string(texts::designerText(t, lang)); };
    const chart::ChartWords words{word(DesignerText::chartTitle), word(DesignerText::chartMass),
                                  word(DesignerText::chartLoss),  word(DesignerText::chartHot),
                                  word(DesignerText::chartFront), word(DesignerText::chartChosen)};
    return chart::tradeOffSvg(points, d.rows.empty() ? chart::kNoRow : 0, words);
}

}  // namespace velmora
