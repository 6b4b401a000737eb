#include "design_file.hpp"

#include <algorithm>

#include <string_view>

#include "codec.hpp"
#include "core_shape.hpp"
#include "misfit.hpp"
#include "numtext.hpp"
#include "textfile.hpp"

namespace velmora {

namespace fs = std::filesystem;

namespace {

// A control character would end the value on reading and spill the rest into the
// next key: it is written as a blank.
std::string singleLine(std::string value) {
    for (char& c : value)
        if (static_cast<unsigned char>(c) < 32) c = ' ';
    return value;
}

bool isWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Whether the value holds the key standing whole, followed by blanks and '=': the
// reader would then take that key's value from this line rather than from its own.
bool holdsAssignment(std::string_view value, std::string_view key) {
    for (size_t pos = value.find(key); pos != std::string_view::npos; pos = value.find(key, pos + 1)) {
        size_t end = pos + key.size();
        if ((pos > 0 && isWordByte(value[pos - 1])) || (end < value.size() && isWordByte(value[end])))
            continue;
        while (end < value.size() && (value[end] == ' ' || value[end] == '\t')) ++end;
        if (end < value.size() && value[end] == '=') return true;
    }
    return false;
}

// Whether some line sets one of the design's fields ("Bm = 1,5", blanks allowed).
// A file without any, empty or binary or some other text, is no design: reading it
// would only empty every field.
bool setsAField(std::string_view text) {
    for (size_t pos = 0; pos < text.size();) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        size_t k = line.find_first_not_of(" \t");
        if (k == std::string_view::npos) continue;
        const size_t start = k;
        while (k < line.size() && isWordByte(line[k])) ++k;
        const Field* f = findField(line.substr(start, k - start));
        if (!f || f->role == FieldRole::result) continue;
        k = line.find_first_not_of(" \t", k);
        if (k != std::string_view::npos && line[k] == '=') return true;
    }
    return false;
}

DesignError valueError(DesignError::Code code, const Field& f) {
    DesignError e;
    e.code = code;
    e.field = f.name;
    return e;
}

ReadOutcome refused(FileError::Code code, const fs::path& path) {
    ReadOutcome o{ReadOutcome::refused, {}};
    o.error.code = code;
    o.error.path = pathToUtf8(path);
    return o;
}

}  // namespace

namespace {

bool appendedInUse(const Record& r, int winding) {
    for (const Field& f : appendedFields())
        if (f.winding == winding && valueAsText(r, f) != f.def) return true;
    return false;
}

}  // namespace

DesignText FormatDesign(const Record& r) {
    DesignText d;
    const auto all = designFields();
    for (size_t i = 0; i < all.size(); ++i) {
        const Field& f = all[i];
        // Appended inputs are written for a secondary that uses any of them (all of its
        // keys, in order); the core's (steel grade, heat conditions) each when not at its
        // default. A design that uses none keeps the original file's bytes, and a reader
        // takes the defaults back.
        if (f.role == FieldRole::appended &&
            (f.winding == 0 ? valueAsText(r, f) == f.def : !appendedInUse(r, f.winding)))
            continue;
        std::string value = singleLine(valueAsText(r, f));
        std::optional<std::string> bytes = utf8ToCp1251(value);
        if (!bytes) {
            d.bytes.clear();
            d.error = valueError(DesignError::Code::misfit, f);
            d.error.misfit = cp1251MisfitOf(value).value_or(Misfit{});
            return d;
        }
        for (const Field& later : all.subspan(i + 1)) {
            if (!holdsAssignment(value, later.name)) continue;
            d.bytes.clear();
            d.error = valueError(DesignError::Code::captures, f);
            d.error.later = later.name;
            return d;
        }
        d.bytes += f.name;
        d.bytes += "\t= ";
        d.bytes += *bytes;
        d.bytes += "\r\n";
    }
    // A reader takes a file whose bytes are valid UTF-8 with non-ASCII for UTF-8; a
    // Windows-1251 file that happens to look so would read back altered.
    if (isValidUtf8(d.bytes) && cp1251ToUtf8(d.bytes) != decodeFileText(d.bytes)) {
        for (const Field& f : all) {
            const std::string value = valueAsText(r, f);
            if (std::any_of(value.begin(), value.end(), [](char c) { return c & 0x80; })) {
                d.error = valueError(DesignError::Code::readsAltered, f);
                break;
            }
        }
        d.bytes.clear();
        return d;
    }
    d.ok = true;
    return d;
}

WriteOutcome WriteDesign(const fs::path& path, const Record& r) {
    DesignText d = FormatDesign(r);
    if (!d.ok) {
        WriteOutcome w;
        w.error.code = FileError::Code::designValue;
        w.error.path = pathToUtf8(path);
        w.error.design = d.error;
        return w;
    }
    return WriteFileAtomic(path, d.bytes);
}

ReadOutcome ReadDesign(const fs::path& path, Record& r) {
    TextFile file = ReadTextFile(path);
    if (file.status == TextFile::cannotOpen) return {ReadOutcome::cannotOpen, {}};
    if (file.status == TextFile::tooLarge) return {ReadOutcome::refused, file.error};

    if (file.cutAtZero) return refused(FileError::Code::zeroBytes, path);
    if (!setsAField(file.text)) return refused(FileError::Code::noField, path);

    KeyValueIndex index(file.text);
    const int core = textToInt(index.value("core"));
    if (!coreKindFrom(core)) {
        ReadOutcome o = refused(FileError::Code::badCore, path);
        o.error.core = core;
        return o;
    }

    for (const Field& f : inputFields()) assignFromText(r, f, index.value(f.name));
    for (const Field& f : appendedFields())
        assignFromText(r, f, index.has(f.name) ? index.value(f.name) : std::string(f.def));
    return {ReadOutcome::ok, {}};
}

}  // namespace velmora
