# JPEG decoding for the Windows builds: libjpeg-turbo 1.4.80 (IJG libjpeg 6b API,
# JPEG_LIB_VERSION 62), built here from source as the static library vfc_jpeg.
#
# Why this version: Debian ships no MinGW build of libjpeg, and the only registry this project
# may reach besides Debian's is npm. The npm package jpeg-turbo@0.4.0 bundles the complete
# libjpeg-turbo 1.4.80 source tree under deps/libjpeg-turbo (the version is read from its
# CMakeLists.txt and checked below). 1.4.80 is the 1.5 pre-release, which already has the
# in-memory source manager (jpeg_mem_src) in the 6b API when MEM_SRCDST_SUPPORTED is set.
#
# Only the decompressor is compiled, without SIMD (jsimd_none.c), with our own jconfig.h and
# jconfigint.h and with warnings off (-w): it is third-party code and takes none of our flags.
#
# The package is fetched once with `npm pack` at configure time into
# ${CMAKE_SOURCE_DIR}/build/_deps/jpeg-turbo (shared by all build trees) and reused from there.
# VFC_JPEG_SOURCE_DIR may point at an unpacked libjpeg-turbo source tree instead.

set(VFC_JPEG_VERSION 1.4.80)
set(VFC_JPEG_PACKAGE jpeg-turbo@0.4.0)
set(VFC_JPEG_CACHE ${CMAKE_SOURCE_DIR}/build/_deps/jpeg-turbo)

if(NOT VFC_JPEG_SOURCE_DIR)
  set(VFC_JPEG_SOURCE_DIR ${VFC_JPEG_CACHE}/package/deps/libjpeg-turbo)
endif()

# Build trees configured at the same time share the cache: one fetches, the others wait.
file(MAKE_DIRECTORY ${VFC_JPEG_CACHE})
file(LOCK ${VFC_JPEG_CACHE} DIRECTORY GUARD FILE TIMEOUT 600)

if(NOT EXISTS ${VFC_JPEG_SOURCE_DIR}/jdapimin.c)
  find_program(VFC_NPM npm)
  if(NOT VFC_NPM)
    message(FATAL_ERROR "libjpeg-turbo sources are not cached in ${VFC_JPEG_CACHE} and npm is "
                        "not installed to fetch ${VFC_JPEG_PACKAGE} (apt-get install npm), or "
                        "set VFC_JPEG_SOURCE_DIR to a libjpeg-turbo ${VFC_JPEG_VERSION} tree.")
  endif()
  message(STATUS "Fetching ${VFC_JPEG_PACKAGE} (libjpeg-turbo ${VFC_JPEG_VERSION} sources)")
  execute_process(COMMAND ${VFC_NPM} pack ${VFC_JPEG_PACKAGE} --silent
                  WORKING_DIRECTORY ${VFC_JPEG_CACHE}
                  RESULT_VARIABLE npm_result OUTPUT_VARIABLE npm_output ERROR_VARIABLE npm_error
                  OUTPUT_STRIP_TRAILING_WHITESPACE TIMEOUT 300)
  set(tarball ${VFC_JPEG_CACHE}/jpeg-turbo-0.4.0.tgz)
  if(NOT npm_result EQUAL 0 OR NOT EXISTS ${tarball})
    message(FATAL_ERROR "Could not fetch ${VFC_JPEG_PACKAGE} with npm (${npm_result}): "
                        "${npm_error}\nlibjpeg-turbo sources are needed for the Windows builds; "
                        "fetch them when the npm registry is reachable, or set "
                        "VFC_JPEG_SOURCE_DIR to a libjpeg-turbo ${VFC_JPEG_VERSION} tree.")
  endif()
  file(ARCHIVE_EXTRACT INPUT ${tarball} DESTINATION ${VFC_JPEG_CACHE}
       PATTERNS package/deps/libjpeg-turbo/* package/LICENSE)
  file(REMOVE ${tarball})
  if(NOT EXISTS ${VFC_JPEG_SOURCE_DIR}/jdapimin.c)
    message(FATAL_ERROR "${VFC_JPEG_PACKAGE} holds no libjpeg-turbo sources")
  endif()
endif()
file(LOCK ${VFC_JPEG_CACHE} DIRECTORY RELEASE)

file(STRINGS ${VFC_JPEG_SOURCE_DIR}/CMakeLists.txt jpeg_version_line
     REGEX "^set\\(VERSION [0-9.]+\\)")
if(NOT jpeg_version_line STREQUAL "set(VERSION ${VFC_JPEG_VERSION})")
  message(FATAL_ERROR "Expected libjpeg-turbo ${VFC_JPEG_VERSION} in ${VFC_JPEG_SOURCE_DIR}, "
                      "found '${jpeg_version_line}'")
endif()

set(jpeg_config_dir ${CMAKE_BINARY_DIR}/_deps/jpeg-config)
file(CONFIGURE OUTPUT ${jpeg_config_dir}/jconfig.h CONTENT [[
/* libjpeg-turbo configuration for the MinGW builds of this project. */
#define JPEG_LIB_VERSION 62
#define LIBJPEG_TURBO_VERSION @VFC_JPEG_VERSION@
#define LIBJPEG_TURBO_VERSION_NUMBER 1004080
#define D_ARITH_CODING_SUPPORTED 1
#define MEM_SRCDST_SUPPORTED 1
#define BITS_IN_JSAMPLE 8
#define HAVE_LOCALE_H 1
#define HAVE_STDDEF_H 1
#define HAVE_STDLIB_H 1
#define HAVE_UNSIGNED_CHAR 1
#define HAVE_UNSIGNED_SHORT 1
]] @ONLY)
file(CONFIGURE OUTPUT ${jpeg_config_dir}/jconfigint.h CONTENT [[
#define BUILD "vfc"
#define INLINE inline __attribute__((always_inline))
#define PACKAGE_NAME "libjpeg-turbo"
#define VERSION "@VFC_JPEG_VERSION@"
#define SIZEOF_SIZE_T __SIZEOF_SIZE_T__
]] @ONLY)

set(jpeg_sources
    jaricom.c jcomapi.c jdapimin.c jdapistd.c jdarith.c jdatasrc.c jdcoefct.c jdcolor.c
    jddctmgr.c jdhuff.c jdinput.c jdmainct.c jdmarker.c jdmaster.c jdmerge.c jdphuff.c
    jdpostct.c jdsample.c jerror.c jidctflt.c jidctfst.c jidctint.c jidctred.c jmemmgr.c
    jmemnobs.c jquant1.c jquant2.c jsimd_none.c jutils.c)
list(TRANSFORM jpeg_sources PREPEND ${VFC_JPEG_SOURCE_DIR}/)

add_library(vfc_jpeg STATIC ${jpeg_sources})
target_compile_options(vfc_jpeg PRIVATE -w)
target_include_directories(vfc_jpeg SYSTEM PUBLIC ${jpeg_config_dir} ${VFC_JPEG_SOURCE_DIR})
