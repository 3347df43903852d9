# tovu_strict(<target>): what the tool's own code builds with. Text never crosses between
# QString and 8-bit strings unnoticed, Qt's keywords are macros-free (Q_EMIT, Q_SLOTS),
# and with TOVU_WERROR (CI) every warning fails the build.
function(tovu_strict target)
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS
                             QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
  if(TOVU_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# tovu_add_library(<target> [LIBS <targets>...])
# Builds every .cpp/.h of the calling folder (not its subfolders) into one static library.
function(tovu_add_library target)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  add_library(${target} STATIC ${sources})
  # Across libraries a header is named with its folder ("protocol/ClTovuCommand.h").
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}" PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
  target_link_libraries(${target} PUBLIC ${ARG_LIBS})
  tovu_strict(${target})
  tovu_moc_follows_sources(${target} ${sources})
endfunction()

# In an existing build folder, CMake's moc step does not rerun when a header joins a
# target, which ends in "undefined reference to vtable" at link time. When the target's
# list of sources changes, configuring removes the step's stamp, so that it runs again.
function(tovu_moc_follows_sources target)
  set(list_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt")
  string(JOIN "\n" content ${ARGN})
  set(previous "")
  if(EXISTS "${list_file}")
    file(READ "${list_file}" previous)
  endif()
  if(NOT previous STREQUAL content)
    file(WRITE "${list_file}" "${content}")
    file(REMOVE "${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp")
  endif()
endfunction()

# tovu_add_test(<name> LABEL unit|gui|e2e SOURCES <files>... LIBS <targets>... [TIMEOUT s]
#               [WRAPPER <program>])
# One Qt Test executable per area. GUI tests run offscreen, GUI and e2e tests in the
# Europe/Berlin zone; every test gets its own XDG folders so that nothing touches the
# user's files. WRAPPER runs the test through a program (for example umockdev-wrapper).
function(tovu_add_test name)
  cmake_parse_arguments(ARG "" "LABEL;TIMEOUT;WRAPPER" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  tovu_moc_follows_sources(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  if(ARG_WRAPPER)
    add_test(NAME ${name} COMMAND ${ARG_WRAPPER} $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
  set(home "${CMAKE_BINARY_DIR}/testhome/${name}")
  set(environment "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_DATA_HOME=${home}/data;XDG_CONFIG_HOME=${home}/config;XDG_CACHE_HOME=${home}/cache;XDG_RUNTIME_DIR=${home}/run;LC_ALL=C.UTF-8;LANG=C.UTF-8;LANGUAGE=")
  # Pages and windows run in a zone with daylight saving, where an hour a year does not
  # exist and one exists twice: a camera's clock, which has no zone, must survive both.
  if(ARG_LABEL STREQUAL "gui" OR ARG_LABEL STREQUAL "e2e")
    string(APPEND environment ";TZ=Europe/Berlin")
  endif()
  # A second label names the test's folder ("in:pages/basic"), so that a tool can run the
  # tests nearest to a change first.
  file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}/tests" "${CMAKE_CURRENT_SOURCE_DIR}")
  set_tests_properties(${name} PROPERTIES
    LABELS "${ARG_LABEL};in:${folder}"
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "${environment}")
  file(MAKE_DIRECTORY "${home}/run")
  file(CHMOD "${home}/run" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endfunction()
