# What more than one build needs, set once: included by the top-level build (before project(),
# for the version) and by the fuzz build of tests/fuzz. Needs ZKV_ROOT, the source root.
set(ZKV_VERSION 1.1.0)
set(ZKV_PRODUCT_NAME "Zentrova KV")
# The release zip, and where `make dist` writes it with its SHA256SUMS.
set(ZKV_DIST_ZIP ZentrovaKV-${ZKV_VERSION}-win64.zip)
set(ZKV_DIST_DIR ${ZKV_ROOT}/build/dist CACHE PATH "Where the dist target writes the release zip")
# The engine is recognised by its exact size in bytes.
set(ZKV_ENGINE_SIZE 79872)
set(ZKV_FUZZ_TARGETS masked_edit number_field arguments job_file)

# The portable core: no <windows.h>, UTF-8 strings, tested natively.
file(GLOB ZKV_CORE_SOURCES CONFIGURE_DEPENDS
  ${ZKV_ROOT}/slots/*.cpp ${ZKV_ROOT}/command/*.cpp ${ZKV_ROOT}/options/*.cpp ${ZKV_ROOT}/ui/*.cpp
  ${ZKV_ROOT}/app/*.cpp)

# Headers made from these facts, found through this include folder.
set(ZKV_GENERATED ${CMAKE_BINARY_DIR}/generated)
string(REPLACE "." ";" zkv_version_parts ${ZKV_VERSION})
list(GET zkv_version_parts 0 ZKV_VERSION_MAJOR)
list(GET zkv_version_parts 1 ZKV_VERSION_MINOR)
list(GET zkv_version_parts 2 ZKV_VERSION_REVISION)
configure_file(${ZKV_ROOT}/command/Version.h.in ${ZKV_GENERATED}/command/Version.h @ONLY)
configure_file(${ZKV_ROOT}/command/EngineSize.h.in ${ZKV_GENERATED}/command/EngineSize.h @ONLY)
configure_file(${ZKV_ROOT}/app/win32/app.manifest.in ${ZKV_GENERATED}/app/win32/app.manifest @ONLY)
