# The state file: where it lives and the settings after its design (standard library
# and the storage platform layer), and the user's list of cores beside it.
add_library(velmora_state STATIC ${CMAKE_CURRENT_LIST_DIR}/state_location.cpp
  ${CMAKE_CURRENT_LIST_DIR}/state_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/core_list_file.cpp)
target_include_directories(velmora_state PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(velmora_state PUBLIC velmora_storage velmora_catalogue)
