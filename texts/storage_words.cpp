// Storage's refusals. The Russian sentences are those the program has always shown;
// the system's own texts are English and say little, so the common reasons have
// words here and only the rest fall back to the system's number and text.
#include "storage_words.hpp"

#include <cerrno>

#include "record.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

// "\"Номинальное напряжение, В\" (U1nom)"; a key no field has stands alone.
std::string fieldName(const std::string& key, Lang lang) {
    const Field* f = findField(key);
    if (!f) return quoted(key);
    std::string s = "\"";  // appended piece by piece: GCC 12 misreads "..." + std::string at -O3
    s += ru(lang) ? f->label : label(*f, lang);
    s += "\" (";
    s += key;
    return s += ")";
}

std::string misfitText(const Misfit& m, Lang lang) {
    if (m.character.empty())
        return ru(lang) ? "байты, которые не являются текстом в кодировке UTF-8"
                        : "bytes that are not UTF-8 text";
    return ru(lang) ? "знак " + quoted(m.character) + ", которого нет в кодировке Windows-1251"
                    : "the character " + quoted(m.character) + ", which Windows-1251 does not have";
}

std::string reason(const FileError& e, Lang lang) {
    using R = FileError::Reason;
    const bool r = ru(lang);
    switch (e.reason) {
        case R::system: return systemReason(e.system, lang);
        case R::noFileName: return r ? "не указано имя файла" : "no file name is given";
        case R::notRegular: return r ? "это не обычный файл" : "it is not a regular file";
        case R::readOnly: return r ? "файл защищён от записи" : "the file is write-protected";
        case R::folderMissing:
            return r ? "папка " + quoted(e.other) + " не существует"
                     : "the folder " + quoted(e.other) + " does not exist";
        case R::notAFolder:
            return r ? quoted(e.other) + " не папка" : quoted(e.other) + " is not a folder";
        case R::noTempFile:
            return r ? "не удалось создать временный файл рядом с ним"
                     : "no temporary file could be created beside it";
        case R::misfit:
            return (r ? "в тексте есть " : "the text holds ") + misfitText(e.misfit, lang);
        case R::fileInTheWay:
            return r ? quoted(e.other) + " — файл, а не папка"
                     : quoted(e.other) + " is a file, not a folder";
        case R::madeNoFolder: return r ? "это не папка" : "it is not a folder";
        case R::none: break;
    }
    return {};
}

}  // namespace

std::string systemReason(const std::error_code& ec, Lang lang) {
    using E = std::errc;
    const bool r = ru(lang);
    if (ec == E::permission_denied || ec == E::operation_not_permitted)
        return r ? "нет прав на запись" : "no permission to write";
    if (ec == E::no_space_on_device) return r ? "на диске нет места" : "the disk is full";
#ifdef EDQUOT
    if (ec.value() == EDQUOT && ec.category() == std::generic_category())
        return r ? "исчерпана дисковая квота" : "the disk quota is used up";
#endif
    if (ec == E::file_too_large) return r ? "файл слишком велик" : "the file is too large";
    if (ec == E::read_only_file_system)
        return r ? "диск доступен только для чтения" : "the disk is read-only";
    if (ec == E::no_such_file_or_directory) return r ? "папка не существует" : "the folder does not exist";
    if (ec == E::not_a_directory)
        return r ? "путь к файлу проходит не через папку"
                 : "the path to the file passes through something that is not a folder";
    if (ec == E::is_a_directory) return r ? "по этому пути находится папка" : "a folder is at this path";
    if (ec == E::filename_too_long) return r ? "слишком длинное имя файла" : "the file name is too long";
    if (ec == E::too_many_symbolic_link_levels)
        return r ? "слишком много символических ссылок" : "too many symbolic links";
    if (ec == E::io_error) return r ? "ошибка ввода-вывода" : "input/output error";
    if (ec == E::device_or_resource_busy || ec == E::text_file_busy)
        return r ? "файл занят" : "the file is busy";
    return (r ? "системная ошибка " : "system error ") + std::to_string(ec.value()) + " (" + ec.message() + ")";
}

std::string designError(const DesignError& e, Lang lang) {
    using C = DesignError::Code;
    const bool r = ru(lang);
    const std::string field = fieldName(e.field, lang);
    const std::string head = r ? "Значение поля " + field + " нельзя сохранить: "
                               : "The value of the field " + field + " cannot be saved: ";
    switch (e.code) {
        case C::misfit:
            return head + (r ? "в нём есть " : "it holds ") + misfitText(e.misfit, lang) + ".";
        case C::captures:
            return head + (r ? "в нём стоит \"" + e.later + " =\", и при чтении файла оно попало бы в поле "
                             : "it holds \"" + e.later + " =\", and reading the file would put it in the field ") +
                   fieldName(e.later, lang) + ".";
        case C::readsAltered:
            return head + (r ? "в кодировке Windows-1251 его буквы читались бы как другие."
                             : "in Windows-1251 its letters would read back as others.");
        case C::none: break;
    }
    return {};
}

std::string fileError(const FileError& e, Lang lang) {
    using C = FileError::Code;
    const bool r = ru(lang);
    const std::string path = quoted(e.path);
    switch (e.code) {
        case C::tooLarge:
            return r ? "Файл " + path + " слишком велик (больше 1 МБ) и не может быть прочитан."
                     : "The file " + path + " is too large (over 1 MB) and cannot be read.";
        case C::zeroBytes:
            return r ? "Файл " + path +
                           " не загружен: в нём есть нулевые байты, он повреждён или записан не как "
                           "текст в кодировке Windows-1251 или UTF-8."
                     : "The file " + path +
                           " was not loaded: it holds zero bytes; it is damaged or not written as "
                           "Windows-1251 or UTF-8 text.";
        case C::noField:
            return r ? "Файл " + path + " не загружен: в нём нет ни одного поля расчета."
                     : "The file " + path + " was not loaded: it sets no design field.";
        case C::badCore: {
            const std::string core = std::to_string(e.core);
            return r ? "Файл " + path + " не загружен: форма сердечника (core = " + core +
                           ") должна быть числом от 0 до 4."
                     : "The file " + path + " was not loaded: the core shape (core = " + core +
                           ") must be a number from 0 to 4.";
        }
        case C::cannotWrite:
            return (r ? "Не удалось записать файл " : "Could not write the file ") + path + ": " +
                   reason(e, lang) + ".";
        case C::designValue:
            return (r ? "Файл " + path + " не записан. " : "The file " + path + " was not written. ") +
                   designError(e.design, lang);
        case C::cannotMakeFolder:
            return (r ? "Не удалось создать папку " : "Could not create the folder ") + path + ": " +
                   reason(e, lang) + ".";
        case C::none: break;
    }
    return {};
}

}  // namespace velmora::texts
