# Flags every target of the project takes: warnings as errors on all three targets,
# a static Windows runtime so that no MinGW DLL has to travel with the program.

add_library(vfc_defaults INTERFACE)
target_compile_options(vfc_defaults INTERFACE -Wall -Wextra -Werror)
target_include_directories(vfc_defaults INTERFACE ${PROJECT_SOURCE_DIR})

if(WIN32)
  # ANSI entry points throughout; Windows 7 API level (SetDefaultDllDirectories, monitors).
  target_compile_definitions(vfc_defaults INTERFACE
    WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX WIN32_LEAN_AND_MEAN STRICT)
  target_link_options(vfc_defaults INTERFACE -static -static-libgcc -static-libstdc++
                      $<$<CONFIG:Release>:-s>)
endif()

# Sanitizers for the native test build of the portable code.
add_library(vfc_sanitize INTERFACE)
if(NOT WIN32 AND NOT VFC_FUZZ)
  target_compile_options(vfc_sanitize INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                -fno-sanitize-recover=all)
  target_link_options(vfc_sanitize INTERFACE -fsanitize=address,undefined)
endif()

# vfc_portable_library(NAME SOURCES...) builds portable code twice on the native target:
# NAME (optimised, for tools and benchmarks) and NAME_checked (sanitised, for tests).
# On Windows and in the fuzz build NAME_checked is an alias of NAME.
function(vfc_portable_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC vfc_defaults)
  if(NOT WIN32 AND NOT VFC_FUZZ)
    add_library(${name}_checked STATIC ${ARGN})
    target_link_libraries(${name}_checked PUBLIC vfc_defaults vfc_sanitize)
  else()
    add_library(${name}_checked ALIAS ${name})
  endif()
endfunction()

# Source file properties belong to the directory that uses the file, and the programs that use
# a resource script are added after the folder that makes it: once every folder is known, mark
# the script's pictures as its dependencies in each folder, so a changed picture recompiles it.
# Takes the names of the cache variables holding the script and its dependencies.
function(vfc_mark_rc_depends_everywhere rc_variable depends_variable)
  set(dirs ${CMAKE_SOURCE_DIR})
  while(dirs)
    list(POP_FRONT dirs dir)
    set_source_files_properties(${${rc_variable}} DIRECTORY ${dir}
                                PROPERTIES OBJECT_DEPENDS "${${depends_variable}}")
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    list(APPEND dirs ${subdirs})
  endwhile()
endfunction()

function(vfc_track_rc_depends rc_variable depends_variable)
  # A deferred call reads variables when it runs: spell the names into it now.
  cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY \"${CMAKE_SOURCE_DIR}\" CALL vfc_mark_rc_depends_everywhere ${rc_variable} ${depends_variable})")
endfunction()
