#include "options.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "languages.hpp"
#include "numtext.hpp"
#include "record.hpp"

namespace velmora::cli {

namespace {

std::optional<int> parseWidth(const std::string& s) {
    int v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || v < 1 || v > 100000) return std::nullopt;
    return v;
}

// KEY=VALUE of --limit: a known key and a finite number not below zero.
std::optional<std::pair<std::string, double>> parseLimit(const std::string& s) {
    const size_t eq = s.find('=');
    if (eq == std::string::npos) return std::nullopt;
    const std::string key = s.substr(0, eq);
    if (std::find(std::begin(kLimitKeys), std::end(kLimitKeys), key) == std::end(kLimitKeys)) return std::nullopt;
    const std::string_view text = std::string_view(s).substr(eq + 1);
    if (text.find(',') != std::string_view::npos) return std::nullopt;  // '.' only, as every option
    const std::optional<double> v = wholeNumber(text);
    if (!v || !std::isfinite(*v) || *v < 0) return std::nullopt;
    return std::pair{key, *v};
}

}  // namespace

Parsed parseArguments(const std::vector<std::string>& args) {
    Options o;
    // The language comes first, so that even a usage error speaks it.
    for (size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "--lang" && texts::findLang(args[i + 1])) o.lang = args[i + 1];
    auto fail = [&](UsageError e, std::string what) {
        return Parsed{std::nullopt, e, std::move(what), o.lang};
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--keys") {
            o.keys = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--advise") {
            o.advise = true;
        } else if (a == "--design") {
            o.designer = true;
        } else if (a == "--goal" || a == "--limit" || a == "--chart") {
            auto v = value();
            if (!v) return fail(UsageError::needsValue, a);
            if (a == "--chart") {
                o.chart = *v;
            } else if (a == "--goal") {
                if (*v != "mass" && *v != "loss" && *v != "hotspot") return fail(UsageError::badGoal, *v);
                o.goal = *v;
            } else {
                auto l = parseLimit(*v);
                if (!l) return fail(UsageError::badLimit, *v);
                o.limits.push_back(*l);
            }
        } else if (a == "--data" || a == "--report" || a == "--save" || a == "--set" ||
                   a == "--diagram-width" || a == "--lang" || a == "--cores" || a == "--top") {
            auto v = value();
            if (!v) return fail(UsageError::needsValue, a);
            if (a == "--data") o.data = *v;
            else if (a == "--lang") {
                if (!texts::findLang(*v)) return fail(UsageError::badLang, *v);
            }
            else if (a == "--report") o.report = *v;
            else if (a == "--cores") o.cores = *v;
            else if (a == "--top") {
                auto n = parseWidth(*v);  // the same whole numbers 1..100000
                if (!n) return fail(UsageError::badTop, *v);
                o.top = *n;
            }
            else if (a == "--save") o.save = *v;
            else if (a == "--diagram-width") {
                auto w = parseWidth(*v);
                if (!w) return fail(UsageError::badWidth, *v);
                o.diagramWidth = *w;
            } else {
                size_t eq = v->find('=');
                if (eq == std::string::npos) return fail(UsageError::badSet, *v);
                std::string key = v->substr(0, eq);
                const Field* f = findField(key);
                if (!f || f->role == FieldRole::result)
                    return fail(UsageError::unknownKey, key);
                o.sets.emplace_back(key, v->substr(eq + 1));
            }
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return fail(UsageError::unknownOption, a);
        } else {
            if (o.design) return fail(UsageError::twoDesigns, a);
            o.design = a;
        }
    }
    return Parsed{o, UsageError::none, {}, o.lang};
}

}  // namespace velmora::cli
