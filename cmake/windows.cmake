# The Windows build: one static, stripped program at the top of the build tree, plus the
# test and benchmark helpers that run beside it under Wine.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
set(ZKV_STATIC_LINK -static -s -municode -Wl,--gc-sections)
add_compile_options(-Os -ffunction-sections -fdata-sections)

file(GLOB ZKV_WIN_SOURCES CONFIGURE_DEPENDS
  platform/win32/*.cpp ui/win32/*.cpp app/win32/*.cpp)
add_executable(ZentrovaKV WIN32 ${ZKV_WIN_SOURCES} app/win32/app.rc)
target_link_libraries(ZentrovaKV PRIVATE zkv_core comctl32 uxtheme)
target_link_options(ZentrovaKV PRIVATE ${ZKV_STATIC_LINK} -mwindows)
target_compile_options(ZentrovaKV PRIVATE -Wall -Wextra)
set_target_properties(ZentrovaKV PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

foreach(extra tests/standin tests/e2e bench)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${extra}/windows.cmake)
    include(${CMAKE_SOURCE_DIR}/${extra}/windows.cmake)
  endif()
endforeach()
