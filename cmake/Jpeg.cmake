# JPEG decoding for the Windows builds: libjpeg-turbo 2.1.5 with Debian's patches (the IJG
# libjpeg 6b API, JPEG_LIB_VERSION 62), built here from Debian's source package as the static
# library vfc_jpeg.
#
# Debian ships no MinGW build of libjpeg, so the source package of the same Debian release is
# fetched once by cmake/fetch-debian-source.sh (apt, with private list and cache folders, checked
# against the signed source index and against the .dsc's SHA-256 below) into
# build/_deps/libjpeg-turbo, shared by all build trees. Later configures work offline from that
# cache. VFC_JPEG_SOURCE_DIR may point at an unpacked tree of the same version instead.
#
# Only the decompressor is compiled, without SIMD (jsimd_none.c), with warnings off (-w): it is
# third-party code and takes none of our flags.

set(VFC_JPEG_VERSION 2.1.5)
set(VFC_JPEG_DEBIAN_VERSION 1:2.1.5-2)
set(VFC_JPEG_DSC_SHA256 d718ead0dfbcbc8523665c02a7f7152e31039ded641d022868722623bb3b486d)
set(VFC_JPEG_CACHE ${CMAKE_SOURCE_DIR}/build/_deps/libjpeg-turbo)

if(NOT VFC_JPEG_SOURCE_DIR)
  set(VFC_JPEG_SOURCE_DIR ${VFC_JPEG_CACHE}/src)
  # Build trees configured at the same time share the cache: one fetches, the others wait.
  file(MAKE_DIRECTORY ${VFC_JPEG_CACHE})
  file(LOCK ${VFC_JPEG_CACHE} DIRECTORY GUARD FILE TIMEOUT 600)
  set(stamp ${VFC_JPEG_CACHE}/unpacked.stamp)
  set(stamp_content "")
  if(EXISTS ${stamp})
    file(READ ${stamp} stamp_content)
  endif()
  if(NOT stamp_content STREQUAL VFC_JPEG_DSC_SHA256 OR NOT EXISTS ${VFC_JPEG_SOURCE_DIR}/jdapimin.c)
    execute_process(
      COMMAND ${CMAKE_CURRENT_LIST_DIR}/fetch-debian-source.sh libjpeg-turbo
              ${VFC_JPEG_DEBIAN_VERSION} ${VFC_JPEG_DSC_SHA256} ${VFC_JPEG_CACHE}
              ${VFC_JPEG_SOURCE_DIR}
      RESULT_VARIABLE fetch_result TIMEOUT 600)
    if(NOT fetch_result EQUAL 0)
      message(FATAL_ERROR "Could not fetch or unpack Debian's libjpeg-turbo "
                          "${VFC_JPEG_DEBIAN_VERSION} source package (${fetch_result}); it is "
                          "needed once for the Windows builds. Or set VFC_JPEG_SOURCE_DIR to an "
                          "unpacked libjpeg-turbo ${VFC_JPEG_VERSION} tree.")
    endif()
    file(WRITE ${stamp} ${VFC_JPEG_DSC_SHA256})
  endif()
  file(LOCK ${VFC_JPEG_CACHE} DIRECTORY RELEASE)
endif()

file(STRINGS ${VFC_JPEG_SOURCE_DIR}/CMakeLists.txt jpeg_version_line
     REGEX "^set\\(VERSION [0-9.]+\\)")
if(NOT jpeg_version_line STREQUAL "set(VERSION ${VFC_JPEG_VERSION})")
  message(FATAL_ERROR "Expected libjpeg-turbo ${VFC_JPEG_VERSION} in ${VFC_JPEG_SOURCE_DIR}, "
                      "found '${jpeg_version_line}' (a VFC_JPEG_SOURCE_DIR cached by an older "
                      "configure? configure again with -UVFC_JPEG_SOURCE_DIR)")
endif()

# The library's own configuration templates, filled in for a decoder-only MinGW build.
function(vfc_configure_jpeg_headers source_dir config_dir)
  set(JPEG_LIB_VERSION 62)
  set(VERSION ${VFC_JPEG_VERSION})
  set(LIBJPEG_TURBO_VERSION_NUMBER 2001005)
  set(D_ARITH_CODING_SUPPORTED 1)
  set(MEM_SRCDST_SUPPORTED 1)
  set(BITS_IN_JSAMPLE 8)
  set(BUILD vfc)
  set(INLINE "inline __attribute__((always_inline))")
  set(THREAD_LOCAL "__thread")
  set(CMAKE_PROJECT_NAME libjpeg-turbo)
  set(SIZE_T __SIZEOF_SIZE_T__)
  set(HAVE_BUILTIN_CTZL 1)
  set(COPYRIGHT_YEAR "1991-2023")
  foreach(header jconfig.h jconfigint.h jversion.h)
    configure_file(${source_dir}/${header}.in ${config_dir}/${header})
  endforeach()
endfunction()

set(jpeg_config_dir ${CMAKE_BINARY_DIR}/_deps/jpeg-config)
vfc_configure_jpeg_headers(${VFC_JPEG_SOURCE_DIR} ${jpeg_config_dir})

set(jpeg_sources
    jaricom.c jcomapi.c jdapimin.c jdapistd.c jdarith.c jdatasrc.c jdcoefct.c jdcolor.c
    jddctmgr.c jdhuff.c jdicc.c jdinput.c jdmainct.c jdmarker.c jdmaster.c jdmerge.c jdphuff.c
    jdpostct.c jdsample.c jerror.c jidctflt.c jidctfst.c jidctint.c jidctred.c jmemmgr.c
    jmemnobs.c jquant1.c jquant2.c jsimd_none.c jutils.c)
list(TRANSFORM jpeg_sources PREPEND ${VFC_JPEG_SOURCE_DIR}/)

add_library(vfc_jpeg STATIC ${jpeg_sources})
target_compile_options(vfc_jpeg PRIVATE -w)
target_include_directories(vfc_jpeg SYSTEM PUBLIC ${jpeg_config_dir} ${VFC_JPEG_SOURCE_DIR})
