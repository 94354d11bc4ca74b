# Test registration helpers.
#   vfc_native_test(NAME SOURCES... [LIBS ...])  GoogleTest program run natively.
#   vfc_win_test(NAME [UNMANAGED] SOURCES... [LIBS ...])
#                                               GoogleTest program cross-built, linked with the
#                                               Windows test support library and run by CTest
#                                               under wine64 on a private Xvfb display, through
#                                               the Wine driver (winedriver/). UNMANAGED keeps
#                                               its windows from a window manager while it runs.

set(VFC_PYTHON /usr/bin/python3)
set(VFC_WINEDRIVER ${VFC_PYTHON} ${PROJECT_SOURCE_DIR}/winedriver)
set(VFC_WINEPREFIX ${PROJECT_BINARY_DIR}/wineprefix)

function(vfc_native_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE vfc_defaults vfc_sanitize GTest::gtest_main ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
endfunction()

function(vfc_win_test name)
  cmake_parse_arguments(T "UNMANAGED" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE vfc_defaults vfc_win_test_support gtest gmock ${T_LIBS})
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(options)
    if(T_UNMANAGED)
      set(options --unmanaged)
    endif()
    add_test(NAME ${name} COMMAND ${VFC_WINEDRIVER} run ${options} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "WINEPREFIX=${VFC_WINEPREFIX}"
      FIXTURES_REQUIRED wineprefix)
  endif()
endfunction()

# vfc_wine_prefix_fixture(NAME PREFIX): CTest fixture NAME that readies the Wine prefix PREFIX
# (created when missing, freed of what interrupted tests left in it) before its first test and
# ends the prefix's wineserver after its last.
function(vfc_wine_prefix_fixture name prefix)
  add_test(NAME ${name}_setup COMMAND ${VFC_WINEDRIVER} prefix --reset)
  add_test(NAME ${name}_cleanup COMMAND ${VFC_WINEDRIVER} stop)
  set_tests_properties(${name}_setup PROPERTIES FIXTURES_SETUP ${name}
                       ENVIRONMENT "WINEPREFIX=${prefix}" TIMEOUT 300)
  set_tests_properties(${name}_cleanup PROPERTIES FIXTURES_CLEANUP ${name}
                       ENVIRONMENT "WINEPREFIX=${prefix}")
endfunction()
