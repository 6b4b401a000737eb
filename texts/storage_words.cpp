// Storage's refusals. The Russian sentences are those the program has always shown;
// the system's own texts are English and say little, so the common reasons have
// words here and only the rest fall back to the system's number and text.
#include "storage_words.hpp"

#include <cerrno>

#include "record.hpp"
#include "say.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

// "\"Номинальное напряжение, В\" (U1nom)"; a key no field has stands alone.
std::string fieldName(const std::string& key, Lang lang) {
    const Field* f = findField(key);
    if (!f) return quoted(key);
    std::string s = "\"";  // appended piece by piece: GCC 12 misreads "..." + std::string at -O3
    s += label(*f, lang);
    s += "\" (";
    s += key;
    return s += ")";
}

std::string misfitText(const Misfit& m, Lang lang) {
    if (m.character.empty())
        return std::string(say("storage.misfitBytes", lang));
    return say("storage.misfitCharacter", lang, {quoted(m.character)});
}

std::string reason(const FileError& e, Lang lang) {
    using R = FileError::Reason;
    switch (e.reason) {
        case R::system: return systemReason(e.system, lang);
        case R::noFileName: return std::string(say("storage.noFileName", lang));
        case R::notRegular: return std::string(say("storage.notRegular", lang));
        case R::readOnly: return std::string(say("storage.readOnly", lang));
        case R::folderMissing:
            return say("storage.folderMissing", lang, {quoted(e.other)});
        case R::notAFolder:
            return say("storage.notAFolder", lang, {quoted(e.other)});
        case R::noTempFile:
            return std::string(say("storage.noTempFile", lang));
        case R::misfit:
            return say("storage.textHolds", lang, {misfitText(e.misfit, lang)});
        case R::fileInTheWay:
            return say("storage.fileInTheWay", lang, {quoted(e.other)});
        case R::madeNoFolder: return std::string(say("storage.madeNoFolder", lang));
        case R::none: break;
    }
    return {};
}

}  // namespace

std::string systemReason(const std::error_code& ec, Lang lang) {
    using E = std::errc;
    if (ec == E::permission_denied || ec == E::operation_not_permitted)
        return std::string(say("sys.permission", lang));
    if (ec == E::no_space_on_device) return std::string(say("sys.diskFull", lang));
#ifdef EDQUOT
    if (ec.value() == EDQUOT && ec.category() == std::generic_category())
        return std::string(say("sys.quota", lang));
#endif
    if (ec == E::file_too_large) return std::string(say("sys.fileTooLarge", lang));
    if (ec == E::read_only_file_system)
        return std::string(say("sys.readOnlyDisk", lang));
    if (ec == E::no_such_file_or_directory) return std::string(say("sys.noFolder", lang));
    if (ec == E::not_a_directory)
        return std::string(say("sys.notThroughFolder", lang));
    if (ec == E::is_a_directory) return std::string(say("sys.isFolder", lang));
    if (ec == E::filename_too_long) return std::string(say("sys.nameTooLong", lang));
    if (ec == E::too_many_symbolic_link_levels)
        return std::string(say("sys.symlinks", lang));
    if (ec == E::io_error) return std::string(say("sys.io", lang));
    if (ec == E::device_or_resource_busy || ec == E::text_file_busy)
        return std::string(say("sys.busy", lang));
    return say("storage.systemError", lang, {std::to_string(ec.value()), ec.message()});
}

std::string designError(const DesignError& e, Lang lang) {
    using C = DesignError::Code;
    const std::string field = fieldName(e.field, lang);
    auto head = [&](std::string_view id, std::initializer_list<std::string_view> args) {
        return say("storage.cannotSave", lang, {field, say(id, lang, args)});
    };
    switch (e.code) {
        case C::misfit: return head("storage.holds", {misfitText(e.misfit, lang)});
        case C::captures: return head("storage.captures", {e.later, fieldName(e.later, lang)});
        case C::readsAltered: return head("storage.readsAltered", {});
        case C::none: break;
    }
    return {};
}

std::string fileError(const FileError& e, Lang lang) {
    using C = FileError::Code;
    const std::string path = quoted(e.path);
    switch (e.code) {
        case C::tooLarge:
            return say("storage.tooLarge", lang, {path});
        case C::zeroBytes:
            return say("storage.zeroBytes", lang, {path});
        case C::noField:
            return say("storage.noField", lang, {path});
        case C::badCore: {
            const std::string core = std::to_string(e.core);
            return say("storage.badCore", lang, {path, core});
        }
        case C::cannotWrite:
            return say("storage.cannotWrite", lang, {path, reason(e, lang)});
        case C::designValue:
            return say("storage.notWritten", lang, {path, designError(e.design, lang)});
        case C::cannotMakeFolder:
            return say("storage.cannotMakeFolder", lang, {path, reason(e, lang)});
        case C::none: break;
    }
    return {};
}

}  // namespace velmora::texts
