# The program's own file pickers and the dialogs behind FilePickers.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
add_library(velmora_pickers STATIC
  ${CMAKE_CURRENT_LIST_DIR}/dialog_units.hpp
  ${CMAKE_CURRENT_LIST_DIR}/picker_dialog.hpp
  ${CMAKE_CURRENT_LIST_DIR}/picker_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/open_file.hpp
  ${CMAKE_CURRENT_LIST_DIR}/open_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/save_file.hpp
  ${CMAKE_CURRENT_LIST_DIR}/save_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_pickers.hpp
  ${CMAKE_CURRENT_LIST_DIR}/file_pickers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_boxes.hpp
)
set_target_properties(velmora_pickers PROPERTIES AUTOMOC ON)
target_include_directories(velmora_pickers PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(velmora_pickers PUBLIC Qt6::Widgets)
