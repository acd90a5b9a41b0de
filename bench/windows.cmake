# The start-up benchmark's reference program and its meter, built beside the program.
add_executable(zkv_reference WIN32 bench/reference.cpp bench/reference.rc)
target_include_directories(zkv_reference PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(zkv_reference PRIVATE comctl32)
target_link_options(zkv_reference PRIVATE ${ZKV_STATIC_LINK} -mwindows)
set_target_properties(zkv_reference PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

add_executable(startmeter bench/startmeter.cpp)
target_link_libraries(startmeter PRIVATE psapi winmm)
target_link_options(startmeter PRIVATE ${ZKV_STATIC_LINK})
set_target_properties(startmeter PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
