// Message boxes: warnings of a run, its overfill and refusals, and the wire
// catalogue's faults.
#include <array>

#include "numtext.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

constexpr std::array<std::string_view, kSecondaries> kOrdinal{"первой", "второй", "третьей",
                                                              "четвертой", "пятой"};

std::string quoted(std::string_view s, Lang lang) {
    std::string q = ru(lang) ? "«" : "\"";  // appended: GCC 12 misreads "..." + std::string at -O3
    q += s;
    return q += ru(lang) ? "»" : "\"";
}

std::string withWinding(std::string what, int winding, Lang lang) {
    if (std::string w = windingOf(winding, lang); !w.empty()) what += " " + w;
    return what;
}

// «label» of a field as the window shows it for the core, with its winding.
std::string fieldName(const Message& m, Lang lang) {
    const Field* f = findField(m.field);
    const std::string_view shown = f ? coreSizeLabel(m.field, m.core, lang) : m.field;
    std::string s = quoted(shown, lang);
    if (m.field == "hkar") s += ru(lang) ? " (ширина)" : " (width)";
    if (m.field == "hkar1") s += ru(lang) ? " (высота)" : " (height)";
    return withWinding(s, f ? f->winding : 0, lang);
}

std::string_view quantity(Quantity q, Lang lang) {
    const bool r = ru(lang);
    switch (q) {
        case Quantity::strands: return r ? "число жил" : "the number of strands";
        case Quantity::diagramSize: return r ? "размер на схеме" : "the size on the diagram";
        case Quantity::wirePasses: return r ? "число проводов для намотки" : "the number of wire passes";
        case Quantity::turnsPerLayer: return r ? "число витков в слое" : "the turns per layer";
        case Quantity::maxLayers: return r ? "наибольшее число слоев" : "the largest number of layers";
        case Quantity::wireDiameter: return r ? "диаметр провода" : "the wire diameter";
        case Quantity::wireSection: return r ? "сечение провода" : "the wire section";
        case Quantity::windingSection: return r ? "сечение обмотки" : "the winding section";
        case Quantity::wireMass: return r ? "масса провода" : "the wire mass";
        case Quantity::innerDiameter: return r ? "внутренний диаметр" : "the inner diameter";
        case Quantity::coilWidth: return r ? "ширина катушки" : "the coil width";
        case Quantity::none: break;
    }
    return r ? "результат" : "the result";
}

// What a refused run is named by: a computed quantity, or a result field.
std::string subject(const Message& m, Lang lang) {
    if (const Field* f = m.field.empty() ? nullptr : findField(m.field))
        return withWinding((ru(lang) ? "значение " : "the value ") + quoted(label(*f, lang), lang),
                           f->winding, lang);
    return withWinding(std::string(quantity(m.what, lang)), m.winding, lang);
}

std::string refusalReason(const Message& m, Lang lang) {
    const bool r = ru(lang);
    const std::string field = m.field.empty() ? std::string() : fieldName(m, lang);
    switch (m.why) {
        case Refusal::notPositive:
            return r ? "значение поля " + field + " должно быть положительным числом."
                     : "the field " + field + " must be a positive number.";
        case Refusal::notNegative:
            return r ? "значение поля " + field + " должно быть неотрицательным числом."
                     : "the field " + field + " must not be negative.";
        case Refusal::notFinite:
            return r ? "значение поля " + field + " должно быть конечным числом."
                     : "the field " + field + " must be a finite number.";
        case Refusal::coreKind:
            return r ? "значение поля «Форма сердечника» (" + std::to_string(m.core) +
                           ") не соответствует ни одному виду сердечника."
                     : "the field \"Core shape\" (" + std::to_string(m.core) + ") names no core kind.";
        case Refusal::ringDiameters:
            return r ? "значение поля «D, мм» (внешний диаметр кольца) должно быть больше значения "
                       "поля «d, мм» (внутренний диаметр)."
                     : "the field \"D, mm\" (outer diameter of the ring) must be greater than the "
                       "field \"d, mm\" (inner diameter).";
        case Refusal::windowTooLow:
            return r ? "значение поля «Hok, мм» должно быть больше 2: длина каркаса под намотку "
                       "получается из высоты окна за вычетом 2 мм."
                     : "the field \"Hok, mm\" must be greater than 2: the bobbin's winding length is "
                       "the window height less 2 mm.";
        case Refusal::noSizeTable:
            return r ? "не загружена таблица размеров провода «" + m.text + "»."
                     : "the size table of the wire \"" + m.text + "\" is not loaded.";
        case Refusal::tooLarge:
            return subject(m, lang) + (r ? " получается бесконечным или слишком большим."
                                         : " comes out infinite or too large.");
        case Refusal::undefined:
            return subject(m, lang) + (r ? " получается бесконечным или неопределенным."
                                         : " comes out infinite or undefined.");
        case Refusal::turnsBelowOne:
            return r ? "число витков " + windingOf(m.winding, lang) + " получается меньше одного."
                     : "the number of turns " + windingOf(m.winding, lang) + " comes out below one.";
        case Refusal::beyondWires:
            return r ? "значение поля " + field + " слишком велико: ток, которого оно требует, не "
                       "пропустить и по 2^31 жилам самого толстого провода таблицы."
                     : "the field " + field + " is too large: the current it asks for would need more "
                       "than 2^31 strands of the table's thickest wire.";
        case Refusal::primaryDrop:
            return r ? "падение напряжения на первичной обмотке не меньше номинального напряжения "
                       "сети."
                     : "the voltage drop on the primary winding is not below the rated mains voltage.";
        case Refusal::internal:
        case Refusal::none:
            break;
    }
    return r ? "внутренняя ошибка расчета." : "internal calculation error.";
}

std::string catalogueFault(const Message& m, Lang lang) {
    const bool r = ru(lang);
    const std::string at = r ? "в записи " + std::to_string(m.entry) + " "
                             : "in entry " + std::to_string(m.entry) + " ";
    const std::string v = "\"" + m.value + "\"", v2 = "\"" + m.value2 + "\"";
    switch (m.fault) {
        case CatalogueFault::noSizes:
            return r ? "в нём нет ни одного размера (нет строки d1)"
                     : "it holds no size (there is no line d1)";
        case CatalogueFault::dNotNumber:
            return at + (r ? "диаметр по меди " + v + " не является числом"
                           : "the copper diameter " + v + " is not a number");
        case CatalogueFault::dizNotNumber:
            return at + (r ? "диаметр по изоляции " + v + " не является числом"
                           : "the enamelled diameter " + v + " is not a number");
        case CatalogueFault::mNotNumber:
            return at + (r ? "масса " + v + " не является числом" : "the mass " + v + " is not a number");
        case CatalogueFault::dBelowMin:
            return at + (r ? "диаметр по меди " + v + " меньше 0,001 мм"
                           : "the copper diameter " + v + " is below 0.001 mm");
        case CatalogueFault::notAscending:
            return at + (r ? "диаметр по меди " + v + " не больше, чем в записи " +
                                 std::to_string(m.entry - 1) + " (" + v2 +
                                 "): размеры должны идти по возрастанию"
                           : "the copper diameter " + v + " is not above that of entry " +
                                 std::to_string(m.entry - 1) + " (" + v2 +
                                 "): the sizes must ascend");
        case CatalogueFault::dizBelowD:
            return at + (r ? "диаметр по изоляции " + v + " меньше диаметра по меди " + v2
                           : "the enamelled diameter " + v + " is below the copper diameter " + v2);
        case CatalogueFault::negativeMass:
            return at + (r ? "масса " + v + " отрицательна" : "the mass " + v + " is negative");
        case CatalogueFault::none:
        case CatalogueFault::tooLarge:
        case CatalogueFault::noEntry:
            break;
    }
    return {};
}

std::string tooLarge(const Message& m, Lang lang) {
    if (m.fault != CatalogueFault::tooLarge) return {};
    return ru(lang) ? "\n\nФайл \"" + m.path + "\" слишком велик (больше 1 МБ) и не может быть прочитан."
                    : "\n\nThe file \"" + m.path + "\" is too large (over 1 MB) to be read.";
}

std::string noSizeFile(const Message& m, Lang lang) {
    return (ru(lang) ? "В папке с программой отсутствует файл " : "The program folder has no file ") +
           m.text + ".txt";
}

std::string text(const Message& m, Lang lang) {
    const bool r = ru(lang);
    switch (m.code) {
        case MessageCode::inductionTape:
            return r ? " Для отечественных ленточных сердечников амплитуда индукции не должна "
                       "превышать 1,7 Тесла"
                     : "The peak flux density of tape-wound cores should not exceed 1.7 T.";
        case MessageCode::inductionLaminated:
            return r ? " Для отечественных пластинчатых сердечников амплитуда индукции не должна "
                       "превышать 1,2 Тесла"
                     : "The peak flux density of laminated cores should not exceed 1.2 T.";
        case MessageCode::diameterReplaced: {
            std::string whose;
            if (r)
                whose = m.winding == 1 ? std::string("первичной обмотки")
                                       : std::string(kOrdinal[(m.winding - 2) % kSecondaries]) +
                                             " вторичной обмотки";
            return r ? "Указанный желаемый диаметр " + whose + " " + fixed(m.a, 3) +
                           " заменен на ближайший стандартный диаметр " + fixed(m.b, 3)
                     : "The desired wire diameter " + windingOf(m.winding, lang) + ", " +
                           fixed(m.a, 3) + " mm, was replaced with the nearest standard diameter, " +
                           fixed(m.b, 3) + " mm.";
        }
        case MessageCode::kindMissing:
            return r ? "Провод \"" + m.text + "\" не найден в перечне проводов. Используется провод \"" +
                           m.text2 + "\"."
                     : "The wire \"" + m.text + "\" is not in the wire list. The wire \"" + m.text2 +
                           "\" is used instead.";
        case MessageCode::overfill:
            return r ? "Расчет прерван!\nОкно сердечника слишком заполнено.\nПолная заданная мощность "
                       "слишком велика.\nУменьшите полную заданную мощность."
                     : "Calculation stopped!\nThe core window is too full.\nThe total rated power is "
                       "too high.\nReduce the total rated power.";
        case MessageCode::refused:
            return (r ? "Расчет невозможен: " : "Cannot calculate: ") + refusalReason(m, lang);
        case MessageCode::noKindList: {
            std::string s = r ? "В папке с программой отсутствует файл перечня применяемых в "
                                "программе проводов."
                              : "The program folder has no list of the wire kinds it uses "
                                "(Провода.txt).";
            if (m.fault == CatalogueFault::noEntry)
                s += r ? "\n\nВ перечне нет ни одного провода (нет строки Conductor1)."
                       : "\n\nThe list names no wire (there is no line Conductor1).";
            return s + tooLarge(m, lang);
        }
        case MessageCode::noSizeFile:
            return noSizeFile(m, lang) + tooLarge(m, lang);
        case MessageCode::badSizeFile:
            return noSizeFile(m, lang) +
                   (r ? " в пригодном виде.\n\nФайл \"" + m.path + "\" не принят: "
                      : " in a usable form.\n\nThe file \"" + m.path + "\" was refused: ") +
                   catalogueFault(m, lang) + ".";
    }
    return {};
}

}  // namespace

std::string windingOf(int winding, Lang lang) {
    if (winding == 1) return ru(lang) ? "первичной обмотки" : "of the primary winding";
    if (winding >= 2 && winding < 2 + kSecondaries)
        return (ru(lang) ? "вторичной обмотки 2." : "of secondary winding 2.") +
               std::to_string(winding - 1);
    return {};
}

std::string_view warningCaption(Lang lang) { return ru(lang) ? "Внимание!" : "Warning!"; }

Shown message(const Message& m, Lang lang) {
    return {std::string(warningCaption(lang)), text(m, lang)};
}

std::string refusalSentence(const Message& m, Lang lang) {
    std::string s = refusalReason(m, lang);
    // The first letter up: every refusal begins with a lower-case word of these two.
    if (s.rfind("значение", 0) == 0) s.replace(0, 2, "З");
    else if (s.rfind("число", 0) == 0) s.replace(0, 2, "Ч");
    else if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

}  // namespace velmora::texts
