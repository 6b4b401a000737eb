// One numbered entry of a key/value catalogue ("grade3", "lst3", "P15_3" ...), read
// key by key. The first fault stops the whole reading: a Refused carrying the problem,
// which names the code, the entry, the key, the text it held and the file.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "numtext.hpp"
#include "textfile.hpp"

namespace velmora {

// Problem: a struct {code, entry, key, value, file} whose code's enum has badNumber
// and notPositive.
template <class Problem>
class EntryReader {
public:
    using Code = decltype(Problem::code);
    struct Refused {
        Problem problem;
    };

    EntryReader(const KeyValueIndex& index, int n, std::string_view file)
        : index_(index), n_(n), file_(file) {}

    // "stem3", or "stem_3" for the keys whose stem ends in a digit.
    std::string key(std::string_view stem, bool underscore = false) const {
        std::string k(stem);
        if (underscore) k += '_';
        k += std::to_string(n_);
        return k;
    }
    std::string text(const std::string& key) const { return index_.value(key); }

    [[noreturn]] void refuse(Code code, const std::string& key, std::string value) const {
        throw Refused{{code, n_, key, std::move(value), std::string(file_)}};
    }

    // A positive finite number, the whole text, '.' or ',' as the decimal separator.
    // An empty text is refused with `missing`, or is 0 when `missing` is unset.
    double positive(const std::string& key, std::optional<Code> missing) const {
        const std::string t = text(key);
        if (t.empty()) {
            if (missing) refuse(*missing, key, t);
            return 0;
        }
        const std::optional<double> whole = wholeNumber(t);
        const double v = whole.value_or(0);
        if (!whole || !std::isfinite(v)) refuse(Code::badNumber, key, t);
        if (!(v > 0)) refuse(Code::notPositive, key, t);
        return v;
    }

private:
    const KeyValueIndex& index_;
    int n_;
    std::string_view file_;
};

}  // namespace velmora
