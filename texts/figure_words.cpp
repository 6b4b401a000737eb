// The output figures in words: labels and tool-tips by figure id.
#include "figure_texts.hpp"
#include "steel_texts.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

std::string num(double v, int decimals) { return fixed(v, decimals); }

// The tip of a figure shown as "—": why it is not computed.
std::string unavailable(FigureGap gap, Lang lang) {
    const std::string why = steelFigureGap(gap, lang);
    if (ru(lang)) return why.empty() ? "Не рассчитывается для этого проекта." : "Не рассчитывается: " + why + ".";
    return why.empty() ? "Not computed for this design." : "Not computed: " + why + ".";
}

}  // namespace

std::string figureLabel(FigureId id, Lang lang) {
    const bool r = ru(lang);
    switch (id) {
        case FigureId::massSteel: return r ? "Масса стали, кг" : "Steel mass, kg";
        case FigureId::B0: return r ? "Индукция холостого хода, Тл" : "No-load induction, T";
        case FigureId::loss: return r ? "Потери в стали, Вт" : "Core loss, W";
        case FigureId::I0: return r ? "Ток холостого хода, А" : "No-load current, A";
        case FigureId::efficiency: return r ? "КПД с учетом потерь в стали, %" : "Efficiency with core loss, %";
        case FigureId::supplyEfficiency: return r ? "КПД источника питания, %" : "Supply efficiency, %";
        case FigureId::rise: return r ? "Перегрев обмоток, °C" : "Winding temperature rise, °C";
        case FigureId::hotSpot: return r ? "Наиболее нагретая точка, °C" : "Hot spot, °C";
        case FigureId::classMargin: return r ? "Запас до класса изоляции, К" : "Margin to the insulation class, K";
        case FigureId::massCopper: return r ? "Масса меди, кг" : "Copper mass, kg";
        case FigureId::massTotal: return r ? "Общая масса, кг" : "Total mass, kg";
        // The advisor's column headings.
        case FigureId::adviceKok: return "Kok";
        case FigureId::adviceRise: return r ? "Перегрев, К" : "Rise, K";
        case FigureId::adviceHotSpot: return r ? "Горячая точка, °C" : "Hot spot, °C";
        case FigureId::adviceClassMargin: return r ? "Запас до класса, К" : "Class margin, K";
        case FigureId::adviceEfficiency: return r ? "КПД, %" : "Eff., %";
        case FigureId::adviceSteel: return r ? "Сталь, кг" : "Steel, kg";
        case FigureId::adviceCopper: return r ? "Медь, кг" : "Copper, kg";
        case FigureId::adviceW1: return "W1";
        case FigureId::adviceD1: return "D1";
    }
    return {};
}

std::string figureTip(FigureId id, const SteelResult& s, const SteelGrade& g, Lang lang) {
    const bool r = ru(lang);
    switch (id) {
        case FigureId::massSteel:
            return r ? "Объем по контуру сердечника × коэффициент заполнения сталью " +
                           num(s.work.stacking, 3) + " × плотность марки. Кольцо π/4·(D²−d²)·H; "
                           "ШЛ, Ш ((2Ls+2Lok)·(Hok+Ls) − 2·Lok·Hok)·Hs; ПЛ, Г ((2Ls+Lok)·(Hok+2Ls) − "
                           "Lok·Hok)·Hs."
                     : "Outline volume × the stacking factor " + num(s.work.stacking, 3) +
                           " × the grade's density. Toroid π/4·(D²−d²)·H; shell "
                           "cores (ШЛ) and (Ш) ((2Ls+2Lok)·(Hok+Ls) − 2·Lok·Hok)·Hs; two-coil cores "
                           "(ПЛ) and (Г) ((2Ls+Lok)·(Hok+2Ls) − Lok·Hok)·Hs.";
        case FigureId::loss:
            if (!s.work.loss_w) return unavailable(s.work.lossGap, lang);
            return r ? "Удельные потери марки при индукции холостого хода B0 = " + num(s.work.B0_t, 2) +
                           " Тл (по сечению стали с коэффициентом заполнения " + num(s.work.stacking, 3) +
                           ") и частоте F × масса × 1,15 (коэффициент сборки — допущение для всех видов "
                           "сердечника)."
                     : "The grade's specific loss at the no-load induction B0 = " + num(s.work.B0_t, 2) +
                           " T (net section, stacking factor " + num(s.work.stacking, 3) +
                           ") and frequency F × mass × 1.15 (building factor, an assumption for every "
                           "kind of core).";
        case FigureId::I0:
            if (!s.work.I0_a)
                return unavailable(s.work.magnetisingGap != FigureGap::none ? s.work.magnetisingGap : s.work.lossGap,
                                   lang);
            return r ? "Сумма активной части Pст/U1ном = " + num(s.work.I_loss_a.value_or(0), 3) +
                           " А и тока намагничивания " + num(s.work.I_mag_a.value_or(0), 3) +
                           " А: действующее значение за период при синусоидальной индукции, по кривой "
                           "намагничивания марки " + g.name + ", средней линии " + num(s.work.lm_mm, 0) +
                           " мм по форме сердечника и зазору стыков " + num(s.work.gap_mm * 1000, 0) +
                           " мкм (допущение). Ток намагничивания основного расчета не меняется."
                     : "Vector sum of the loss part Pcore/U1nom = " + num(s.work.I_loss_a.value_or(0), 3) +
                           " A and the magnetising current " + num(s.work.I_mag_a.value_or(0), 3) +
                           " A: the rms over one cycle under a sinusoidal induction, from the "
                           "magnetisation curve of " + g.name + ", the shape's own mean path of " +
                           num(s.work.lm_mm, 0) + " mm and joints of " + num(s.work.gap_mm * 1000, 0) +
                           " µm in all (an assumption). The main calculation's magnetising current "
                           "stays as it is.";
        case FigureId::efficiency:
            return r ? "Pвых / (Pвых + Pм + Pст): мощность, отдаваемая обмотками (U2·I2 обмотки без "
                       "выпрямителя; постоянный ток на выходе и потери в диодах у обмотки с выпрямителем), "
                       "потери в меди основного расчета и потери в стали. Потребляемая мощность " +
                           num(s.work.input_w.value_or(0), 1) + " Вт."
                     : "Pout / (Pout + Pcu + Pcore): the power the windings deliver (U2·I2 of a winding "
                       "without a rectifier; the DC output and the diodes' loss of one with a rectifier), "
                       "the main calculation's copper loss and the core loss. Input " +
                           num(s.work.input_w.value_or(0), 1) + " W.";
        case FigureId::supplyEfficiency:
            return r ? "Мощность в нагрузках (постоянный ток выпрямителей и U2·I2 обмоток без "
                       "выпрямителя) / потребляемая мощность; диоды — потери, как медь и сталь."
                     : "Power in the loads (the rectifiers' DC output and U2·I2 of windings without a "
                       "rectifier) over the input; the diodes are a loss, as copper and core are.";
        case FigureId::hotSpot:
            if (!s.work.hot_spot_c) return unavailable(s.work.heatingGap, lang);
            return r ? "Температура окружающего воздуха + перегрев поверхности + перепад по толщине "
                       "намотки (одномерная теплопроводность; эффективная теплопроводность слоев "
                       "круглого провода — из справочных данных для пропитанной намотки, для "
                       "непропитанной — допущение, см. справку). Медь — при своей рабочей температуре."
                     : "Ambient air + surface rise + the drop across the winding build (one-dimensional "
                       "conduction; the effective conductivity across layers of round wire is a "
                       "measured figure for impregnated windings and an assumption for dry ones, see "
                       "the help). Copper at its own working temperature.";
        case FigureId::classMargin:
            return r ? "Предельная температура класса нагревостойкости системы изоляции (A 105, E 120, "
                       "B 130, F 155, H 180 °C) минус наиболее нагретая точка."
                     : "The limit of the insulation system's thermal class (A 105, E 120, B 130, F 155, "
                       "H 180 °C) less the hot spot.";
        case FigureId::rise: {
            if (!s.work.rise_k) return unavailable(s.work.heatingGap, lang);
            const std::string area = num(s.surface_m2 * 1e4, 0);
            const std::string air = num(s.work.ambient_c, 0);
            return r ? "Превышение температуры поверхности над воздухом " + air +
                           " °C при отводе потерь в меди и в стали (Pм + Pст) с поверхности " + area +
                           " см² естественной конвекцией и излучением (коэффициент черноты 0,92 — "
                           "допущение); без теплоотвода через крепление."
                     : "Rise of the surface above " + air + " °C air when the copper and core losses "
                       "(Pcu + Pcore) leave " + area +
                           " cm² by natural convection and radiation (emissivity 0.92 — an "
                           "assumption); no heat through the mounting.";
        }
        case FigureId::massCopper:
            return r ? "Длины проводов всех обмоток × масса метра провода из каталога."
                     : "Wire length of every winding × the catalogue's mass per metre.";
        case FigureId::massTotal:
            return r ? "Масса стали + масса меди; каркас, изоляция и крепеж не учитываются."
                     : "Steel plus copper; bobbin, insulation and fixings not counted.";
        default: break;  // no tip
    }
    return {};
}


}  // namespace velmora::texts
