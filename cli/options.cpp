#include "options.hpp"

#include <charconv>

#include "record.hpp"

namespace velmora::cli {

const char* const kUsage =
    "Использование: velmora-cli [--data DIR] [--set KEY=VALUE]... [--diagram-width N]\n"
    "                           [--json] [--report FILE] [--save FILE] [DESIGN]\n"
    "\n"
    "Рассчитывает сетевой силовой трансформатор: проект DESIGN (*.sav) или, без него,\n"
    "проект по умолчанию.\n"
    "\n"
    "  --data DIR           папка с файлом \"Провода.txt\" и файлами размеров проводов\n"
    "  --set KEY=VALUE      задать поле проекта (ключ файла проекта: lst, Bm, U2_1, ...)\n"
    "  --diagram-width N    ширина диаграммы заполнения окна в пикселах (1..100000, 900)\n"
    "  --json               вывести результат одним объектом JSON\n"
    "  --report FILE        записать отчет, как \"Сохранить в файле\"\n"
    "  --save FILE          записать проект, как \"Сохранить\"\n"
    "  --help, --version    эта справка; версия программы\n"
    "\n"
    "Код возврата: 0 - расчет выполнен, 1 - окно переполнено или расчет невозможен,\n"
    "2 - ошибка в командной строке, в каталоге проводов или при записи файла.\n";

namespace {

std::optional<int> parseWidth(const std::string& s) {
    int v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || v < 1 || v > 100000) return std::nullopt;
    return v;
}

}  // namespace

Parsed parseArguments(const std::vector<std::string>& args) {
    Options o;
    auto fail = [](std::string why) { return Parsed{std::nullopt, std::move(why)}; };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--data" || a == "--report" || a == "--save" || a == "--set" ||
                   a == "--diagram-width") {
            auto v = value();
            if (!v) return fail("после " + a + " нужно значение");
            if (a == "--data") o.data = *v;
            else if (a == "--report") o.report = *v;
            else if (a == "--save") o.save = *v;
            else if (a == "--diagram-width") {
                auto w = parseWidth(*v);
                if (!w) return fail("--diagram-width ждет целое число от 1 до 100000, а не \"" + *v + "\"");
                o.diagramWidth = *w;
            } else {
                size_t eq = v->find('=');
                if (eq == std::string::npos) return fail("--set ждет KEY=VALUE, а не \"" + *v + "\"");
                std::string key = v->substr(0, eq);
                const Field* f = findField(key);
                if (!f || f->role != FieldRole::input)
                    return fail("неизвестный ключ проекта \"" + key + "\"");
                o.sets.emplace_back(key, v->substr(eq + 1));
            }
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return fail("неизвестный параметр " + a);
        } else {
            if (o.design) return fail("указано больше одного проекта");
            o.design = a;
        }
    }
    return Parsed{o, {}};
}

}  // namespace velmora::cli
