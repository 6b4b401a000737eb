// The reason of a failed file operation in the user's words: the system's own texts
// are English and say little to the user of a Russian program.
#pragma once

#include <cerrno>
#include <string>
#include <system_error>

namespace velmora {

inline std::string systemReason(const std::error_code& ec) {
    using E = std::errc;
    if (ec == E::permission_denied || ec == E::operation_not_permitted) return "нет прав на запись";
    if (ec == E::no_space_on_device) return "на диске нет места";
#ifdef EDQUOT
    if (ec.value() == EDQUOT && ec.category() == std::generic_category())
        return "исчерпана дисковая квота";
#endif
    if (ec == E::file_too_large) return "файл слишком велик";
    if (ec == E::read_only_file_system) return "диск доступен только для чтения";
    if (ec == E::no_such_file_or_directory) return "папка не существует";
    if (ec == E::not_a_directory) return "путь к файлу проходит не через папку";
    if (ec == E::is_a_directory) return "по этому пути находится папка";
    if (ec == E::filename_too_long) return "слишком длинное имя файла";
    if (ec == E::too_many_symbolic_link_levels) return "слишком много символических ссылок";
    if (ec == E::io_error) return "ошибка ввода-вывода";
    if (ec == E::device_or_resource_busy || ec == E::text_file_busy) return "файл занят";
    return "системная ошибка " + std::to_string(ec.value()) + " (" + ec.message() + ")";
}

}  // namespace velmora
