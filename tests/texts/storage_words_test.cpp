// Storage's refusals in both languages: every code and reason with its arguments, the
// Russian sentences exactly as the program has always worded them, the English ones
// free of Cyrillic beyond the paths and the field keys passed in.
#include <gtest/gtest.h>

#include <cerrno>
#include <set>
#include <string>
#include <vector>

#include "storage_words.hpp"

using namespace velmora;
using texts::Lang;

namespace {

const std::string kPath = "/home/анна/Проекты/Мой.sav";
const std::string kOther = "/home/анна/Проекты";

bool hasCyrillic(std::string s) {
    for (const std::string& data : {kPath, kOther})
        for (size_t at; (at = s.find(data)) != std::string::npos;) s.erase(at, data.size());
    for (unsigned char c : s)
        if (c == 0xD0 || c == 0xD1) return true;  // lead bytes of U+0400..U+047F
    return false;
}

bool holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

FileError fileError(FileError::Code code, FileError::Reason reason = FileError::Reason::none) {
    FileError e;
    e.code = code;
    e.path = kPath;
    e.reason = reason;
    e.other = kOther;
    return e;
}

FileError systemError(std::error_code ec) {
    FileError e = fileError(FileError::Code::cannotWrite, FileError::Reason::system);
    e.system = ec;
    return e;
}

DesignError designError(DesignError::Code code, const std::string& field, const std::string& character) {
    DesignError d;
    d.code = code;
    d.field = field;
    d.later = "Conductor";
    d.misfit.character = character;
    return d;
}

// Every error storage and the catalogue return, each with its data.
std::vector<FileError> everyError() {
    using C = FileError::Code;
    using R = FileError::Reason;
    std::vector<FileError> all;
    for (C c : {C::tooLarge, C::zeroBytes, C::noField}) all.push_back(fileError(c));
    FileError core = fileError(C::badCore);
    core.core = -17;
    all.push_back(core);
    for (C c : {C::cannotWrite, C::cannotMakeFolder})
        for (R r : {R::noFileName, R::notRegular, R::readOnly, R::folderMissing, R::notAFolder,
                    R::noTempFile, R::fileInTheWay, R::madeNoFolder})
            all.push_back(fileError(c, r));
    for (const std::string& character : {std::string("Ω"), std::string()}) {
        FileError misfit = fileError(C::cannotWrite, R::misfit);
        misfit.misfit.character = character;
        all.push_back(misfit);
    }
    // (operation_not_permitted and text_file_busy read as their neighbours: see below)
    for (std::errc e : {std::errc::permission_denied,
                        std::errc::no_space_on_device, std::errc::file_too_large,
                        std::errc::read_only_file_system, std::errc::no_such_file_or_directory,
                        std::errc::not_a_directory, std::errc::is_a_directory, std::errc::filename_too_long,
                        std::errc::too_many_symbolic_link_levels, std::errc::io_error,
                        std::errc::device_or_resource_busy,
                        std::errc::connection_refused})
        all.push_back(systemError(std::make_error_code(e)));
#ifdef EDQUOT
    all.push_back(systemError({EDQUOT, std::generic_category()}));
#endif
    using D = DesignError::Code;
    for (const DesignError& d : {designError(D::misfit, "U2_3", "Ω"), designError(D::misfit, "hok", ""),
                                 designError(D::captures, "hok", ""), designError(D::readsAltered, "Conductor", "")}) {
        FileError e = fileError(C::designValue);
        e.design = d;
        all.push_back(e);
    }
    return all;
}

}  // namespace

TEST(StorageWords, EveryErrorRendersInBothLanguagesWithItsData) {
    std::set<std::string> seen[2];
    for (const FileError& e : everyError()) {
        for (Lang lang : {Lang::ru, Lang::en}) {
            const std::string text = texts::fileError(e, lang);
            SCOPED_TRACE(text);
            EXPECT_TRUE(holds(text, "\"" + kPath + "\"")) << "the file is named";
            EXPECT_EQ(text.back(), '.');
            EXPECT_TRUE(seen[lang == Lang::en].insert(text).second) << "two errors read alike";
            if (lang == Lang::en) {
                EXPECT_FALSE(hasCyrillic(text));
            }
            const bool namesOther = e.reason == FileError::Reason::folderMissing ||
                                    e.reason == FileError::Reason::notAFolder ||
                                    e.reason == FileError::Reason::fileInTheWay;
            EXPECT_EQ(holds(text, "\"" + kOther + "\""), namesOther);
            if (e.code == FileError::Code::badCore) {
                EXPECT_TRUE(holds(text, "(core = -17)"));
            }
            if (e.reason == FileError::Reason::misfit && !e.misfit.character.empty()) {
                EXPECT_TRUE(holds(text, "\"Ω\""));
            }
            if (e.code == FileError::Code::designValue) {
                EXPECT_TRUE(holds(text, "(" + e.design.field + ")"));
                if (e.design.code == DesignError::Code::captures) {
                    EXPECT_TRUE(holds(text, "\"Conductor =\""));
                    EXPECT_TRUE(holds(text, "(Conductor)."));
                }
            }
        }
    }
}

// The sentences the program has always written, byte for byte.
TEST(StorageWords, RussianIsWordedAsBefore) {
    using C = FileError::Code;
    using R = FileError::Reason;
    const std::string p = "\"" + kPath + "\"";
    EXPECT_EQ(texts::fileError(fileError(C::tooLarge), Lang::ru),
              "Файл " + p + " слишком велик (больше 1 МБ) и не может быть прочитан.");
    EXPECT_EQ(texts::fileError(fileError(C::zeroBytes), Lang::ru),
              "Файл " + p + " не загружен: в нём есть нулевые байты, он повреждён или записан не как "
                            "текст в кодировке Windows-1251 или UTF-8.");
    EXPECT_EQ(texts::fileError(fileError(C::noField), Lang::ru),
              "Файл " + p + " не загружен: в нём нет ни одного поля расчета.");
    FileError core = fileError(C::badCore);
    core.core = 7;
    EXPECT_EQ(texts::fileError(core, Lang::ru),
              "Файл " + p + " не загружен: форма сердечника (core = 7) должна быть числом от 0 до 4.");
    EXPECT_EQ(texts::fileError(fileError(C::cannotWrite, R::folderMissing), Lang::ru),
              "Не удалось записать файл " + p + ": папка \"" + kOther + "\" не существует.");
    EXPECT_EQ(texts::fileError(fileError(C::cannotWrite, R::notAFolder), Lang::ru),
              "Не удалось записать файл " + p + ": \"" + kOther + "\" не папка.");
    EXPECT_EQ(texts::fileError(fileError(C::cannotMakeFolder, R::fileInTheWay), Lang::ru),
              "Не удалось создать папку " + p + ": \"" + kOther + "\" — файл, а не папка.");
    EXPECT_EQ(texts::fileError(fileError(C::cannotMakeFolder, R::madeNoFolder), Lang::ru),
              "Не удалось создать папку " + p + ": это не папка.");
    FileError misfit = fileError(C::cannotWrite, R::misfit);
    misfit.misfit.character = "Ω";
    EXPECT_EQ(texts::fileError(misfit, Lang::ru),
              "Не удалось записать файл " + p + ": в тексте есть знак \"Ω\", которого нет в кодировке Windows-1251.");
    misfit.misfit.character.clear();
    EXPECT_EQ(texts::fileError(misfit, Lang::ru), "Не удалось записать файл " + p +
                                                      ": в тексте есть байты, которые не являются текстом в кодировке UTF-8.");
    EXPECT_EQ(texts::fileError(systemError(std::make_error_code(std::errc::no_space_on_device)), Lang::ru),
              "Не удалось записать файл " + p + ": на диске нет места.");
    for (Lang lang : {Lang::ru, Lang::en}) {
        EXPECT_EQ(texts::systemReason(std::make_error_code(std::errc::operation_not_permitted), lang),
                  texts::systemReason(std::make_error_code(std::errc::permission_denied), lang));
        EXPECT_EQ(texts::systemReason(std::make_error_code(std::errc::text_file_busy), lang),
                  texts::systemReason(std::make_error_code(std::errc::device_or_resource_busy), lang));
    }
    const std::error_code odd = std::make_error_code(std::errc::connection_refused);
    EXPECT_EQ(texts::systemReason(odd, Lang::ru),
              "системная ошибка " + std::to_string(odd.value()) + " (" + odd.message() + ")");
    EXPECT_EQ(texts::systemReason(odd, Lang::en),
              "system error " + std::to_string(odd.value()) + " (" + odd.message() + ")");

    using D = DesignError::Code;
    FileError design = fileError(C::designValue);
    design.design = designError(D::captures, "hok", "");
    EXPECT_EQ(texts::fileError(design, Lang::ru),
              "Файл " + p + " не записан. Значение поля \"Hok, мм\" (hok) нельзя сохранить: в нём стоит "
                            "\"Conductor =\", и при чтении файла оно попало бы в поле \"Используем провод\" (Conductor).");
    EXPECT_EQ(texts::designError(designError(D::readsAltered, "Conductor", ""), Lang::ru),
              "Значение поля \"Используем провод\" (Conductor) нельзя сохранить: в кодировке Windows-1251 "
              "его буквы читались бы как другие.");
    EXPECT_EQ(texts::designError(designError(D::misfit, "Conductor", "Ω"), Lang::ru),
              "Значение поля \"Используем провод\" (Conductor) нельзя сохранить: в нём есть знак \"Ω\", "
              "которого нет в кодировке Windows-1251.");
}

TEST(StorageWords, EnglishNamesTheFieldByItsEnglishLabel) {
    const std::string text =
        texts::designError(designError(DesignError::Code::captures, "hok", ""), Lang::en);
    EXPECT_EQ(text, "The value of the field \"Hok, mm\" (hok) cannot be saved: it holds \"Conductor =\", "
                    "and reading the file would put it in the field \"Wire used\" (Conductor).");
}
