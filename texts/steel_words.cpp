// The steel and heating group in words.
#include "numtext.hpp"
#include "steel_texts.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

std::string num(double v, int decimals) { return fixed(v, decimals); }

const char* familyName(SteelFamily f, Lang lang) {
    if (ru(lang)) return f == SteelFamily::grainOriented ? "анизотропная" : "изотропная";
    return f == SteelFamily::grainOriented ? "grain-oriented" : "non-oriented";
}

}  // namespace

std::string steelGroupTitle(Lang lang) { return ru(lang) ? "Сталь и нагрев" : "Steel and heating"; }
std::string steelGradeLabel(Lang lang) { return ru(lang) ? "Марка стали" : "Steel grade"; }

std::string steelGradeTip(Lang lang) {
    return ru(lang) ? "Марка стали из файла «Стали.txt». По умолчанию для кольца, ПЛ и ШЛ — "
                      "анизотропная M150-35S, для Ш и Г — изотропная M800-50A."
                    : "Steel grade from \"Стали.txt\". Default: grain-oriented M150-35S for the "
                      "toroid, the C-core (ПЛ) and the cut shell core (ШЛ); non-oriented M800-50A "
                      "for E-I (Ш) and U-I (Г) laminations.";
}

std::string steelLabel(SteelItem item, Lang lang) {
    const bool r = ru(lang);
    switch (item) {
        case SteelItem::massSteel: return r ? "Масса стали, кг" : "Steel mass, kg";
        case SteelItem::loss: return r ? "Потери в стали, Вт" : "Core loss, W";
        case SteelItem::I0: return r ? "Ток холостого хода, А" : "No-load current, A";
        case SteelItem::efficiency:
            return r ? "КПД с учетом потерь в стали, %" : "Efficiency with core loss, %";
        case SteelItem::rise: return r ? "Перегрев обмоток, °C" : "Winding temperature rise, °C";
        case SteelItem::massCopper: return r ? "Масса меди, кг" : "Copper mass, kg";
        case SteelItem::massTotal: return r ? "Общая масса, кг" : "Total mass, kg";
    }
    return {};
}

std::string steelValue(SteelItem item, const SteelResult& s) {
    switch (item) {
        case SteelItem::massSteel: return num(s.mass_steel_kg, 3);
        case SteelItem::loss: return num(s.loss_w, 2);
        case SteelItem::I0: return s.I0_a ? num(*s.I0_a, 3) : "—";
        case SteelItem::efficiency: return num(s.efficiency_pct, 2);
        case SteelItem::rise: return num(s.rise_k, 1);
        case SteelItem::massCopper: return num(s.mass_copper_kg, 3);
        case SteelItem::massTotal: return num(s.mass_total_kg, 3);
    }
    return {};
}

std::string steelTip(SteelItem item, const SteelResult& s, const SteelGrade& g, Lang lang) {
    const bool r = ru(lang);
    switch (item) {
        case SteelItem::massSteel:
            return r ? "Объем по контуру сердечника × 0,9 × плотность марки. Кольцо π/4·(D²−d²)·H; "
                       "ШЛ, Ш ((2Ls+2Lok)·(Hok+Ls) − 2·Lok·Hok)·Hs; ПЛ, Г ((2Ls+Lok)·(Hok+2Ls) − "
                       "Lok·Hok)·Hs."
                     : "Outline volume × 0.9 × the grade's density. Toroid π/4·(D²−d²)·H; shell "
                       "cores (ШЛ) and (Ш) ((2Ls+2Lok)·(Hok+Ls) − 2·Lok·Hok)·Hs; two-coil cores "
                       "(ПЛ) and (Г) ((2Ls+Lok)·(Hok+2Ls) − Lok·Hok)·Hs.";
        case SteelItem::loss: {
            const bool typ = s.basis == LossBasis::typical;
            return r ? "Удельные потери марки при индукции холостого хода B0 = " + num(s.B0_t, 2) +
                           " Тл и частоте F (" +
                           (typ ? "по типичным значениям" : "по гарантированному максимуму") +
                           ") × масса × 1,15 (коэффициент сборки — допущение для всех видов "
                           "сердечника)."
                     : "The grade's specific loss at the no-load induction B0 = " + num(s.B0_t, 2) +
                           " T and frequency F (" + (typ ? "typical values" : "guaranteed maximum") +
                           ") × mass × 1.15 (building factor, an assumption for every kind of core).";
        }
        case SteelItem::I0:
            if (!s.I0_a)
                return r ? "Для марки " + g.name + " нет кривой намагничивания при B0 = " +
                               num(s.B0_t, 2) +
                               " Тл: ток намагничивания и ток холостого хода не рассчитываются. "
                               "Активная часть " + num(s.I_loss_a, 3) + " А."
                         : "Grade " + g.name + " has no magnetisation data at B0 = " + num(s.B0_t, 2) +
                               " T: the magnetising and no-load currents are not computed. Loss "
                               "part " + num(s.I_loss_a, 3) + " A.";
            return r ? "Сумма активной части Pст/U1ном = " + num(s.I_loss_a, 3) +
                           " А и тока намагничивания " + num(s.I_mag_a.value_or(0), 3) +
                           " А (по кривой намагничивания марки, амплитуда/√2; для ПЛ и ШЛ плюс два "
                           "стыка по 10 мкм — допущение). Ток намагничивания основного расчета не "
                           "меняется."
                     : "Vector sum of the loss part Pcore/U1nom = " + num(s.I_loss_a, 3) +
                           " A and the magnetising current " + num(s.I_mag_a.value_or(0), 3) +
                           " A (from the grade's magnetisation curve, peak/√2; for the cut cores (ПЛ) "
                           "and (ШЛ) plus two 10 µm joints — an assumption). The main calculation's magnetising "
                           "current stays as it is.";
        case SteelItem::efficiency:
            return r ? "Pзад / (Pзад + Pм + Pст), где Pзад - полная заданная мощность, Pм - потери в меди "
                       "основного расчета, Pст - потери в стали."
                     : "Pset / (Pset + Pcu + Pcore), where Pset is the total power set, Pcu the main "
                       "calculation's copper loss and Pcore the core loss.";
        case SteelItem::rise: {
            const std::string area = num(s.surface_m2 * 1e4, 0);
            return r ? "Превышение температуры поверхности над воздухом 25 °C при отводе потерь в меди "
                       "и в стали (Pм + Pст) с "
                       "поверхности " + area +
                           " см² естественной конвекцией и излучением (коэффициент черноты 0,92 — "
                           "допущение); без теплоотвода через крепление."
                     : "Rise of the surface above 25 °C air when the copper and core losses (Pcu + Pcore) leave " + area +
                           " cm² by natural convection and radiation (emissivity 0.92 — an "
                           "assumption); no heat through the mounting.";
        }
        case SteelItem::massCopper:
            return r ? "Длины проводов всех обмоток × масса метра провода из каталога."
                     : "Wire length of every winding × the catalogue's mass per metre.";
        case SteelItem::massTotal:
            return r ? "Масса стали + масса меди; каркас, изоляция и крепеж не учитываются."
                     : "Steel plus copper; bobbin, insulation and fixings not counted.";
    }
    return {};
}

std::string steelWarning(const SteelWarning& w, Lang lang) {
    const bool r = ru(lang);
    if (w.code == SteelWarningCode::riseAboveLimit)
        return r ? "Перегрев обмоток " + num(w.value, 1) + " K выше " + num(w.limit, 0) +
                       " K: уменьшите плотность тока или возьмите сердечник больше."
                 : "Winding rise " + num(w.value, 1) + " K is above " + num(w.limit, 0) +
                       " K: lower the current density or take a larger core.";
    return r ? "Индукция холостого хода " + num(w.value, 2) + " Тл выше " + num(w.limit, 2) +
                   " Тл для этой стали: большой ток холостого хода, гудение, бросок тока при "
                   "включении."
             : "No-load induction " + num(w.value, 2) + " T is above " + num(w.limit, 2) +
                   " T for this steel: high no-load current, hum and inrush.";
}

std::string steelStatus(SteelStatus status, Lang lang) {
    const bool r = ru(lang);
    switch (status) {
        case SteelStatus::noLossData: return r ? "У марки нет данных о потерях." : "The grade has no loss data.";
        case SteelStatus::noDensity: return r ? "У марки не указана плотность." : "The grade has no density.";
        case SteelStatus::badFigures:
        case SteelStatus::ok:
            break;
    }
    return {};
}

std::string steelProblem(const SteelProblem& p, Lang lang) {
    const bool r = ru(lang);
    const std::string e = std::to_string(p.entry), k = p.key, v = p.value;
    if (p.code == SteelRefusal::noFile)
        return r ? "В папке с программой нет файла «Стали.txt»; расчет потерь в стали и нагрева "
                   "недоступен."
                 : "There is no \"Стали.txt\" beside the program; steel and heating results are "
                   "unavailable.";
    std::string why;
    switch (p.code) {
        case SteelRefusal::tooLarge: why = r ? "файл слишком велик (больше 1 МБ)." : "the file is too large (over 1 MB)."; break;
        case SteelRefusal::noEntry: why = r ? "в нем нет ни одной марки (нет строки grade1)." : "it holds no grade (no grade1 line)."; break;
        case SteelRefusal::badNumber:
            why = r ? "в записи " + e + " значение " + k + " «" + v + "» не является числом."
                    : "in entry " + e + ", " + k + " \"" + v + "\" is not a number.";
            break;
        case SteelRefusal::notPositive:
            why = r ? "в записи " + e + " значение " + k + " «" + v + "» должно быть больше нуля."
                    : "in entry " + e + ", " + k + " \"" + v + "\" must be above zero.";
            break;
        case SteelRefusal::missingValue:
            why = r ? "в записи " + e + " не задано " + k + "." : "entry " + e + " has no " + k + ".";
            break;
        case SteelRefusal::noLoss:
            why = r ? "у марки «" + v + "» (запись " + e + ") нет ни одной точки потерь."
                    : "grade \"" + v + "\" (entry " + e + ") has no loss point.";
            break;
        case SteelRefusal::badFamily:
            why = r ? "в записи " + e + " семейство «" + v + "»: должно быть GO или NO."
                    : "in entry " + e + ", family \"" + v + "\" must be GO or NO.";
            break;
        case SteelRefusal::lossNotRising:
            why = r ? "в записи " + e + " потери " + k + " «" + v + "» не больше потерь при меньшей индукции."
                    : "in entry " + e + ", loss " + k + " \"" + v + "\" is not above the loss at the lower induction.";
            break;
        case SteelRefusal::fieldNotRising:
            why = r ? "в записи " + e + " напряженность " + k + " «" + v + "» не больше, чем при меньшей индукции."
                    : "in entry " + e + ", field " + k + " \"" + v + "\" is not above the field at the lower induction.";
            break;
        case SteelRefusal::typicalAboveMax:
            why = r ? "в записи " + e + " типичные потери " + k + " «" + v + "» больше гарантированного максимума."
                    : "in entry " + e + ", typical loss " + k + " \"" + v + "\" exceeds the guaranteed maximum.";
            break;
        case SteelRefusal::duplicateName:
            why = r ? "марка «" + v + "» (запись " + e + ") уже есть в файле."
                    : "grade \"" + v + "\" (entry " + e + ") is already in the file.";
            break;
        case SteelRefusal::none:
        case SteelRefusal::noFile:
            break;
    }
    return (r ? "Файл \"" + p.file + "\" не принят: " : "File \"" + p.file + "\" was not accepted: ") + why;
}

std::string steelGradeMissing(const std::string& asked, const std::string& used, Lang lang) {
    return ru(lang) ? "Марка стали «" + asked + "» не найдена в файле «Стали.txt». Используется «" +
                          used + "»."
                    : "The steel grade \"" + asked + "\" is not in \"Стали.txt\". \"" + used +
                          "\" is used instead.";
}

std::vector<std::string> steelNotes(const SteelOutcome& outcome, Lang lang) {
    std::vector<std::string> notes;
    const bool shown = outcome.result && outcome.result->status == SteelStatus::ok && outcome.choice.grade;
    if (outcome.choice.missing && outcome.choice.grade)
        notes.push_back(steelGradeMissing(outcome.choice.asked, outcome.choice.grade->name, lang));
    if (shown)
        for (const SteelWarning& w : outcome.result->warnings) notes.push_back(steelWarning(w, lang));
    else if (outcome.result)
        notes.push_back(steelStatus(outcome.result->status, lang));
    return notes;
}

namespace {

// Label: value lines, with the line end given.
std::string lines(const SteelResult& s, const SteelGrade& g, Lang lang, std::string_view indent,
                  std::string_view end) {
    std::string o;
    o.append(indent).append(steelGradeLabel(lang)).append(": ").append(g.name).append(" (")
        .append(familyName(g.family, lang)).append(")").append(end);
    o.append(indent).append(ru(lang) ? "Индукция холостого хода, Тл: " : "No-load induction, T: ")
        .append(num(s.B0_t, 2)).append(end);
    for (SteelItem item : kSteelItems)
        o.append(indent).append(steelLabel(item, lang)).append(": ").append(steelValue(item, s)).append(end);
    for (const SteelWarning& w : s.warnings) o.append(indent).append(steelWarning(w, lang)).append(end);
    return o;
}

}  // namespace

std::string steelReport(const SteelResult& s, const SteelGrade& g, Lang lang) {
    return std::string(ru(lang) ? "        Сталь и нагрев\r\n" : "        Steel and heating\r\n") +
           lines(s, g, lang, "", "\r\n") + "\r\n";
}

std::string steelSummary(const SteelResult& s, const SteelGrade& g, Lang lang) {
    return "\n" + steelGroupTitle(lang) + "\n" + lines(s, g, lang, "  ", "\n");
}

}  // namespace velmora::texts
