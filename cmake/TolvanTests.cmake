# Test registration for the three presets.
#  tolvan_native_test(<name> SOURCES ... LIBS ...)        host test under the sanitizers
#  tolvan_wine_test(<name> TARGET <exe> [VERSION <v>] [ARGS ...])
#      runs a Windows test program through the Wine loader of this preset, in the
#      preset's own prefix under the build tree, with the zh_CN locale and the
#      Windows personality <v> (win31, win95, win98, winme, nt40, win2k, winxp).

set(TOLVAN_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(TOLVAN_WINE_RUNNER ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh)

function(tolvan_native_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# A Windows GoogleTest program; register runs of it with tolvan_wine_test.
function(tolvan_windows_test_program name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
endfunction()

function(tolvan_wine_test name)
  cmake_parse_arguments(T "" "TARGET;VERSION" "ARGS" ${ARGN})
  if(NOT T_VERSION)
    set(T_VERSION winxp)
  endif()
  add_test(NAME ${name}
    COMMAND ${TOLVAN_WINE_RUNNER}
      --loader ${WINE_LOADER} --server ${WINE_SERVER} --arch ${WINE_ARCH}
      --prefix ${TOLVAN_WINE_PREFIX} --version ${T_VERSION}
      -- $<TARGET_FILE:${T_TARGET}> ${T_ARGS})
  # One prefix per preset: its tests take turns, so that no test sees another's state.
  set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wineprefix TIMEOUT 300
    ENVIRONMENT "TOLVAN_BIN=${CMAKE_BINARY_DIR}/bin;TOLVAN_SOURCE=${CMAKE_SOURCE_DIR}")
endfunction()
