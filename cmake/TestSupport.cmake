# Test registration helpers.
#   vfc_native_test(NAME SOURCES... [LIBS ...])  GoogleTest program run natively.
#   vfc_win_test(NAME SOURCES... [LIBS ...])     GoogleTest program cross-built and run by CTest
#                                               under wine64 on a private Xvfb display.

set(VFC_WINE_RUN ${PROJECT_SOURCE_DIR}/tests/harness/wine-run.sh)
set(VFC_WINEPREFIX ${PROJECT_BINARY_DIR}/wineprefix)

function(vfc_native_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE vfc_defaults vfc_sanitize GTest::gtest_main ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
endfunction()

function(vfc_win_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE vfc_defaults vfc_win_test_support gtest gmock ${T_LIBS})
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    add_test(NAME ${name} COMMAND ${VFC_WINE_RUN} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "WINEPREFIX=${VFC_WINEPREFIX}"
      FIXTURES_REQUIRED wineprefix)
  endif()
endfunction()
