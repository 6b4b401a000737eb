// The proposed file name of a design and the text of its report.
#include "texts.hpp"

#include <array>

#include "numtext.hpp"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 5> kKindPrefix{"Т ", "ПЛ ", "ШЛ ", "Ш ", "Г "};

// Characters that a file name cannot hold on one system or another.
bool forbidden(char c) {
    return static_cast<unsigned char>(c) < 32 ||
           std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

bool validKind(int core) { return core >= 0 && core <= 4; }

// A secondary that was calculated: it has a voltage text and a power.
bool calculated(const Record& r, int i) {
    if (r.U2[i].empty()) return false;
    std::string u = r.U2[i], a = r.I2[i];
    return number(u) * number(a) != 0;
}

std::string header(const Record& r) {
    std::string s;
    switch (r.core) {
        case 0:
            s = "Сердечник: кольцо\r\nВнешний диаметр " + r.lst + " мм\r\nВнутренний диаметр " +
                r.hst + " мм\r\nВысота кольца " + r.lok + " мм\r\n";
            break;
        default: {
            static constexpr std::array<std::string_view, 5> kKind{
                "", "стержневой ПЛ", "броневой ШЛ", "броневой Ш", "стержневой Г"};
            s = "Сердечник: " + std::string(kKind[r.core]) + "\r\nСталь " + r.lst + "x" + r.hst +
                "\r\nОкно " + r.lok + "x" + r.hok + "\r\n";
        }
    }
    s += "Амплитуда индукции " + r.Bm + " Т\r\n";
    s += "Плотность тока " + r.j + " А/мм2\r\n\r\n";
    return s;
}

std::string primaryBlock(const Record& r, const RunResult& run) {
    return "Номинальное напряжение " + r.U1nom + " В\r\nМаксимальное напряжение " + r.U1max +
           " В\r\nЧисло витков " + r.W1 + "\r\nДиаметр провода " + r.D1 + " мм\r\nЧисло жил " +
           fixed(run.n1, 0) + "\r\n\r\n";
}

std::string secondaryBlock(const Record& r, const RunResult& run, int i) {
    return "Номинальное напряжение " + r.U2[i] + " В\r\nНоминальный ток " + r.I2[i] +
           " А\r\nЧисло витков " + r.W2[i] + "\r\nДиаметр провода " + r.D2[i] +
           " мм\r\nЧисло жил " + fixed(run.n2[i], 0) + "\r\n" +
           (r.double2[i] != 0 ? "Две секции со средней точкой\r\n\r\n" : "\r\n");
}

// Where a block goes: right after the line feed that ends its heading's line.
size_t after(const std::string& text, std::string_view heading) {
    size_t at = text.find(heading);
    if (at == std::string::npos) return at;
    size_t lf = text.find('\n', at);
    return lf == std::string::npos ? lf : lf + 1;
}

ReportText failed(std::string why) { return {false, {}, "Отчет не может быть составлен: " + why}; }

}  // namespace

std::string DefaultDesignName(const Record& r, std::string_view extension) {
    std::string name;
    if (validKind(r.core)) name = kKindPrefix[r.core];
    name += r.lst + "x" + r.hst + "x" + r.lok;
    if (r.core != 0) name += "x" + r.hok;
    name += ", " + r.Bm + "Т, " + r.j + "Амм2";
    for (int i = 0; i < kSecondaries; ++i)
        if (!r.U2[i].empty()) name += ", " + r.U2[i] + "Вх" + r.I2[i] + "А";
    for (char& c : name) {
        if (c == '.')
            c = ',';
        else if (forbidden(c))
            c = '_';
    }
    return name + std::string(extension);
}

ReportText BuildReport(const Record& r, const RunResult& run) {
    if (!validKind(r.core)) return failed("неизвестный вид сердечника.");
    if (run.status != RunStatus::ok)
        return failed("расчет не был завершен, в комментарии нет данных обмоток.");

    // Every heading is found before anything is inserted: no report is better than half a one.
    std::string text = r.comment;
    if (after(text, "Первичная обмотка") == std::string::npos)
        return failed("в комментарии нет раздела «Первичная обмотка».");
    for (int i = 0; i < kSecondaries; ++i) {
        const std::string heading = std::to_string(i + 1) + "-я вторичная обмотка";
        if (calculated(r, i) && after(text, heading) == std::string::npos)
            return failed("в комментарии нет раздела «" + heading + "».");
    }

    text.insert(after(text, "Первичная обмотка"), primaryBlock(r, run));
    for (int i = 0; i < kSecondaries; ++i)
        if (calculated(r, i))
            text.insert(after(text, std::to_string(i + 1) + "-я вторичная обмотка"),
                        secondaryBlock(r, run, i));
    return {true, header(r) + text, {}};
}

}  // namespace velmora
