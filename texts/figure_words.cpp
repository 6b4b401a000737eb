// The output figures in words: labels and tool-tips by figure id.
#include "figure_texts.hpp"
#include "say.hpp"
#include "steel_texts.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

std::string num(double v, int decimals) { return fixed(v, decimals); }

// The tip of a figure shown as "—": why it is not computed.
std::string unavailable(FigureGap gap, Lang lang) {
    const std::string why = steelFigureGap(gap, lang);
    return why.empty() ? std::string(say("tip.notComputed", lang)) : say("tip.notComputedWhy", lang, {why});
}

}  // namespace

std::string figureLabel(FigureId id, Lang lang) {
    switch (id) {
        case FigureId::massSteel: return std::string(say("figure.massSteel", lang));
        case FigureId::B0: return std::string(say("figure.B0", lang));
        case FigureId::loss: return std::string(say("figure.loss", lang));
        case FigureId::I0: return std::string(say("figure.I0", lang));
        case FigureId::efficiency: return std::string(say("figure.efficiency", lang));
        case FigureId::supplyEfficiency: return std::string(say("figure.supplyEfficiency", lang));
        case FigureId::rise: return std::string(say("figure.rise", lang));
        case FigureId::hotSpot: return std::string(say("figure.hotSpot", lang));
        case FigureId::classMargin: return std::string(say("figure.classMargin", lang));
        case FigureId::massCopper: return std::string(say("figure.massCopper", lang));
        case FigureId::massTotal: return std::string(say("figure.massTotal", lang));
        // The advisor's column headings.
        case FigureId::adviceKok: return "Kok";
        case FigureId::adviceRise: return std::string(say("figure.adviceRise", lang));
        case FigureId::adviceHotSpot: return std::string(say("figure.adviceHotSpot", lang));
        case FigureId::adviceClassMargin: return std::string(say("figure.adviceClassMargin", lang));
        case FigureId::adviceEfficiency: return std::string(say("figure.adviceEfficiency", lang));
        case FigureId::adviceSteel: return std::string(say("figure.adviceSteel", lang));
        case FigureId::adviceCopper: return std::string(say("figure.adviceCopper", lang));
        case FigureId::adviceW1: return "W1";
        case FigureId::adviceD1: return "D1";
    }
    return {};
}

std::string figureTip(FigureId id, const SteelResult& s, const SteelGrade& g, Lang lang) {
    switch (id) {
        case FigureId::massSteel:
            return say("tip.massSteel", lang, {num(s.work.stacking, 3)});
        case FigureId::loss:
            if (!s.work.loss_w) return unavailable(s.work.lossGap, lang);
            return say("tip.loss", lang, {num(s.work.B0_t, 2), num(s.work.stacking, 3)});
        case FigureId::I0:
            if (!s.work.I0_a)
                return unavailable(s.work.magnetisingGap != FigureGap::none ? s.work.magnetisingGap : s.work.lossGap,
                                   lang);
            return say("tip.I0", lang, {num(s.work.I_loss_a.value_or(0), 3), num(s.work.I_mag_a.value_or(0), 3), g.name, num(s.work.lm_mm, 0), num(s.work.gap_mm * 1000, 0)});
        case FigureId::efficiency:
            return say("tip.efficiency", lang, {num(s.work.input_w.value_or(0), 1)});
        case FigureId::supplyEfficiency:
            return std::string(say("tip.supplyEfficiency", lang));
        case FigureId::hotSpot:
            if (!s.work.hot_spot_c) return unavailable(s.work.heatingGap, lang);
            return std::string(say("tip.hotSpot", lang));
        case FigureId::classMargin:
            return std::string(say("tip.classMargin", lang));
        case FigureId::rise: {
            if (!s.work.rise_k) return unavailable(s.work.heatingGap, lang);
            const std::string area = num(s.surface_m2 * 1e4, 0);
            const std::string air = num(s.work.ambient_c, 0);
            return say("tip.rise", lang, {air, area});
        }
        case FigureId::massCopper:
            return std::string(say("tip.massCopper", lang));
        case FigureId::massTotal:
            return std::string(say("tip.massTotal", lang));
        default: break;  // no tip
    }
    return {};
}


}  // namespace velmora::texts
