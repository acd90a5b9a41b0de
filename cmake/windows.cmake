# The Windows build: one static, stripped program at the top of the build tree, plus the
# test and benchmark helpers that run beside it under Wine.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
set(ZKV_STATIC_LINK -static -s -municode -Wl,--gc-sections)
# Two builds of one commit give the same bytes: no link time in the PE header, and no build folder
# in what __FILE__ or the generated headers might leave behind.
set(ZKV_REPRODUCIBLE_COMPILE -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=
  -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)
set(ZKV_REPRODUCIBLE_LINK -Wl,--no-insert-timestamp)
# What ships is hardened by request, not by whatever the linker defaults to: stack canaries (their
# value and their failure in app/win32/StackGuard.cpp), checked string functions (libssp, linked
# statically like the rest), ASLR with the high-entropy space, and no executable data.
set(ZKV_HARDENED_COMPILE -fstack-protector-strong $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
set(ZKV_HARDENED_LINK -fstack-protector-strong -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat)

file(GLOB ZKV_WIN_SOURCES CONFIGURE_DEPENDS
  platform/win32/*.cpp ui/win32/*.cpp app/win32/*.cpp)
# The resource compiler does not report the files that app.rc pulls in, so name them here.
set_source_files_properties(app/win32/app.rc PROPERTIES OBJECT_DEPENDS
  "${ZKV_GENERATED}/app/win32/app.manifest;${ZKV_GENERATED}/command/Version.h;${CMAKE_SOURCE_DIR}/app/win32/zentrova.ico")
add_executable(ZentrovaKV WIN32 ${ZKV_WIN_SOURCES} app/win32/app.rc)
target_link_libraries(ZentrovaKV PRIVATE zkv_core comctl32 uxtheme)
# The map says which library members the program took and for whose symbol; the hardening test
# reads it, since the program itself is stripped.
target_link_options(ZentrovaKV PRIVATE ${ZKV_STATIC_LINK} -mwindows ${ZKV_HARDENED_LINK} ${ZKV_REPRODUCIBLE_LINK}
  -Wl,-Map=${CMAKE_BINARY_DIR}/ZentrovaKV.map)
foreach(shipped ZentrovaKV zkv_core)
  target_compile_options(${shipped} PRIVATE ${ZKV_HARDENED_COMPILE} ${ZKV_REPRODUCIBLE_COMPILE})
  # compile_commands.json then lists how each shipped source was compiled, for the same test.
  set_target_properties(${shipped} PROPERTIES EXPORT_COMPILE_COMMANDS ON)
endforeach()
target_compile_options(ZentrovaKV PRIVATE -Wall -Wextra)
set_target_properties(ZentrovaKV PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The release: the program and its read-me (CRLF, for Notepad) in a zip named after the version,
# with SHA256SUMS beside it.
configure_file(dist/README.txt.in ${ZKV_GENERATED}/dist/README.txt @ONLY NEWLINE_STYLE CRLF)
add_custom_target(dist
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/dist.sh $<TARGET_FILE:ZentrovaKV> ${ZKV_GENERATED}/dist/README.txt
    ${ZKV_DIST_DIR}/${ZKV_DIST_ZIP}
  DEPENDS ZentrovaKV VERBATIM)

# Test tools that run beside the program under Wine; they never ship. The scenarios and the bench
# read the engine's size from engine-size.txt.
file(WRITE ${CMAKE_BINARY_DIR}/engine-size.txt ${ZKV_ENGINE_SIZE})
math(EXPR zkv_short_engine "${ZKV_ENGINE_SIZE} - 1")
add_executable(robocopy_standin tests/standin/robocopy_standin.c)
target_link_libraries(robocopy_standin PRIVATE shell32)
target_link_options(robocopy_standin PRIVATE -static -s)
set_target_properties(robocopy_standin PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# The engine is recognised by its exact size; a Windows program tolerates trailing bytes.
add_custom_command(TARGET robocopy_standin POST_BUILD
  COMMAND truncate -s ${ZKV_ENGINE_SIZE} $<TARGET_FILE:robocopy_standin>
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:robocopy_standin> ${CMAKE_BINARY_DIR}/robocopy_standin_short.exe
  COMMAND truncate -s ${zkv_short_engine} ${CMAKE_BINARY_DIR}/robocopy_standin_short.exe)

add_executable(kvdriver tests/e2e/driver.cpp tests/e2e/driver_io.cpp tests/e2e/driver_session.cpp
  tests/e2e/driver_prefix.cpp)
target_include_directories(kvdriver PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(kvdriver PRIVATE user32 gdi32 advapi32)
target_link_options(kvdriver PRIVATE ${ZKV_STATIC_LINK})
set_target_properties(kvdriver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# Loaded into the program by a scenario: a token without elevation, and the consent prompt.
add_library(elevation_hook SHARED tests/e2e/elevation_hook.cpp)
target_link_options(elevation_hook PRIVATE -static -s)
set_target_properties(elevation_hook PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The real platform layer checked from inside Wine, without the window.
add_executable(platform_probe tests/e2e/platform_probe.cpp platform/win32/Win32Platform.cpp
  platform/win32/RunWatcher.cpp)
target_include_directories(platform_probe PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(platform_probe PRIVATE comctl32)
target_link_options(platform_probe PRIVATE ${ZKV_STATIC_LINK})
set_target_properties(platform_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The canary and the checked copies at work, built as the program is.
add_executable(stack_guard_probe tests/build/stack_guard_probe.cpp app/win32/StackGuard.cpp)
target_compile_options(stack_guard_probe PRIVATE ${ZKV_HARDENED_COMPILE})
target_link_options(stack_guard_probe PRIVATE ${ZKV_STATIC_LINK} ${ZKV_HARDENED_LINK})
set_target_properties(stack_guard_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

include(${CMAKE_SOURCE_DIR}/bench/windows.cmake)
