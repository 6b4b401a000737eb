# Where the state file lives (standard library and the storage platform layer).
add_library(velmora_state STATIC ${CMAKE_CURRENT_LIST_DIR}/state_location.cpp)
target_include_directories(velmora_state PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(velmora_state PUBLIC velmora_storage)
