# GoogleTest is built from Debian's sources, so the same version serves the
# native build and both Windows targets.
enable_testing()
include(GoogleTest)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

if(CMAKE_CROSSCOMPILING AND WIN32 AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  # Windows test programs run under Wine, in a prefix of this build's own
  # (never the user's ~/.wine).  The build creates it; the wrapper script
  # sets the environment and is CTest's emulator for every Windows program.
  find_program(WINE_PROGRAM wine REQUIRED)
  find_program(WINESERVER_PROGRAM wineserver REQUIRED)
  set(ZENTRIK_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE
                 @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
  add_custom_command(
    OUTPUT ${ZENTRIK_WINE_PREFIX}/.test-settings-1
    COMMAND ${CMAKE_BINARY_DIR}/wine-run.sh --init
    COMMENT "Creating the Wine prefix for the Windows tests"
    VERBATIM)
  add_custom_target(wineprefix ALL DEPENDS ${ZENTRIK_WINE_PREFIX}/.test-settings-1)
  set(ZENTRIK_RUNS_TESTS ON)
elseif(CMAKE_CROSSCOMPILING)
  # 32-bit Windows programs cannot run here (no 32-bit Wine): build only.
  set(ZENTRIK_RUNS_TESTS OFF)
else()
  set(ZENTRIK_RUNS_TESTS ON)
endif()

# zentrik_add_test(name [SERIAL] SOURCES ... LIBS ...): a GoogleTest program
# whose cases CTest lists one by one.  Under Wine the listing happens at test
# time (the program cannot run while the build writes the test list).
# SERIAL: the cases run alone, e.g. because they read the screen.
function(zentrik_add_test name)
  cmake_parse_arguments(ARG "SERIAL" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  if(TARGET wineprefix)
    add_dependencies(${name} wineprefix)
  endif()
  if(ZENTRIK_RUNS_TESTS)
    set(serial FALSE)
    if(ARG_SERIAL)
      set(serial TRUE)
    endif()
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 120
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      PROPERTIES LABELS "${ZENTRIK_TEST_LABEL}" RUN_SERIAL ${serial})
  endif()
endfunction()

if(CMAKE_CROSSCOMPILING)
  set(ZENTRIK_TEST_LABEL windows)
else()
  set(ZENTRIK_TEST_LABEL native)
endif()
