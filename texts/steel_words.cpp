// The steel and heating group in words.
#include "figure_texts.hpp"
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
                      "анизотропная M-6 0.35, для Ш и Г — изотропная M800-50A."
                    : "Steel grade from \"Стали.txt\". Default: grain-oriented M-6 0.35 for the "
                      "toroid, the C-core (ПЛ) and the cut shell core (ШЛ); non-oriented M800-50A "
                      "for E-I (Ш) and U-I (Г) laminations.";
}

std::string steelWarning(const SteelWarning& w, Lang lang) {
    const bool r = ru(lang);
    if (w.code == SteelWarningCode::riseAboveLimit)
        return r ? "Перегрев обмоток " + num(w.value, 1) + " K выше " + num(w.limit, 0) +
                       " K: уменьшите плотность тока или возьмите сердечник больше."
                 : "Winding rise " + num(w.value, 1) + " K is above " + num(w.limit, 0) +
                       " K: lower the current density or take a larger core.";
    if (w.code == SteelWarningCode::hotSpotAboveClass)
        return r ? "Нагретая точка " + num(w.value, 0) + " °C выше класса изоляции (" + num(w.limit, 0) +
                       " °C): изоляция стареет быстрее."
                 : "Hot spot " + num(w.value, 0) + " °C above the insulation class (" + num(w.limit, 0) +
                       " °C): the insulation ages faster.";
    return r ? "Индукция холостого хода " + num(w.value, 2) + " Тл выше " + num(w.limit, 2) +
                   " Тл для этой стали: большой ток холостого хода, гудение, бросок тока при "
                   "включении."
             : "No-load induction " + num(w.value, 2) + " T is above " + num(w.limit, 2) +
                   " T for this steel: high no-load current, hum and inrush.";
}

std::string steelReason(SteelReason reason, const WorkingFigures& w, Lang lang) {
    const bool r = ru(lang);
    switch (reason) {
        case SteelReason::inductionAboveData:
            return r ? "Не будет работать: индукция холостого хода " + num(w.B0_t, 2) +
                           " Тл выше последней точки данных марки (" + num(w.dataTop_t, 2) +
                           " Тл). Увеличьте число витков или сечение стали."
                     : "Cannot work: the no-load induction " + num(w.B0_t, 2) +
                           " T is above the grade's highest data point (" + num(w.dataTop_t, 2) +
                           " T). Add turns or steel section.";
        case SteelReason::inductionAboveSaturation:
            return r ? "Не будет работать: индукция холостого хода " + num(w.B0_t, 2) +
                           " Тл выше индукции насыщения стали (" + num(w.saturation_t, 2) + " Тл)."
                     : "Cannot work: the no-load induction " + num(w.B0_t, 2) +
                           " T is above the steel's saturation (" + num(w.saturation_t, 2) + " T).";
        case SteelReason::supplyBelowNominal:
            return r ? "Не будет работать: максимальное напряжение сети ниже номинального."
                     : "Cannot work: the highest mains voltage is below the nominal one.";
        case SteelReason::heatingNotSettled:
            return r ? "Не будет работать: нагрев не устанавливается — сопротивление меди растёт "
                       "быстрее, чем уходит тепло."
                     : "Cannot work: the heating does not settle; the copper's resistance grows "
                       "faster than the heat leaves.";
    }
    return {};
}

std::string steelFigureGap(FigureGap gap, Lang lang) {
    const bool r = ru(lang);
    switch (gap) {
        case FigureGap::noCurve:
            return r ? "нет кривой намагничивания марки" : "the grade has no magnetisation curve";
        case FigureGap::aboveCurve:
            return r ? "индукция выше кривой намагничивания марки"
                     : "the induction is above the grade's magnetisation curve";
        case FigureGap::aboveLossData:
            return r ? "индукция выше данных о потерях марки"
                     : "the induction is above the grade's loss data";
        case FigureGap::noLoss:
            return r ? "нет потерь в стали, без них нагрев не считается"
                     : "no core loss, without which the heating is not computed";
        case FigureGap::notSettled:
            return r ? "нагрев не устанавливается" : "the heating does not settle";
        case FigureGap::none:
            break;
    }
    return {};
}

std::string heatConditionsDefaulted(Lang lang) {
    return ru(lang) ? "Температура окружающей среды или класс изоляции не прочитаны: взяты 40 °C и "
                      "класс B."
                    : "The ambient temperature or the insulation class could not be read: 40 °C "
                      "and class B are used.";
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
    for (const SteelFigure& f : kSteelFigures)  // the heading figures (B0), then the group's
        if (!f.inGroup) o.append(indent).append(figureLabel(f.id, lang)).append(": ").append(figureValue(f, s)).append(end);
    for (const SteelFigure& f : kSteelFigures)
        if (f.inGroup && figureShown(f, s)) o.append(indent).append(figureLabel(f.id, lang)).append(": ").append(figureValue(f, s)).append(end);
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
