# Finds FLTK for the desktop windows: sets MIRVAL_DESKTOP_FLTK, and with it
# MIRVAL_FLTK_CXXFLAGS and MIRVAL_FLTK_LDFLAGS (lists).
string(TOUPPER "${MIRVAL_GUI}" mirval_gui)
set(MIRVAL_DESKTOP_FLTK OFF)
if(NOT mirval_gui STREQUAL "OFF")
  if(CMAKE_CROSSCOMPILING)
    # the target's FLTK (CMAKE_PREFIX_PATH), never the build machine's
    find_program(MIRVAL_FLTK_CONFIG fltk-config NO_SYSTEM_ENVIRONMENT_PATH NO_CMAKE_SYSTEM_PATH)
  else()
    find_program(MIRVAL_FLTK_CONFIG fltk-config)
  endif()
  if(MIRVAL_FLTK_CONFIG)
    execute_process(COMMAND ${MIRVAL_FLTK_CONFIG} --cxxflags OUTPUT_VARIABLE fltk_cxxflags
                    OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE fltk_cxx_result)
    execute_process(COMMAND ${MIRVAL_FLTK_CONFIG} --ldflags OUTPUT_VARIABLE fltk_ldflags
                    OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE fltk_ld_result)
    if(fltk_cxx_result EQUAL 0 AND fltk_ld_result EQUAL 0)
      separate_arguments(MIRVAL_FLTK_CXXFLAGS UNIX_COMMAND "${fltk_cxxflags}")
      separate_arguments(MIRVAL_FLTK_LDFLAGS UNIX_COMMAND "${fltk_ldflags}")
      if(WIN32)
        # FLTK 1.3's headers test WIN32, which strict C++20 does not define; the
        # subsystem (console or windows) is each program's own choice; a FLTK
        # built for the target is not in the system's folders, yet its headers'
        # warnings are not ours.
        list(APPEND MIRVAL_FLTK_CXXFLAGS -DWIN32)
        list(TRANSFORM MIRVAL_FLTK_CXXFLAGS REPLACE "^-I" "-isystem")
        list(REMOVE_ITEM MIRVAL_FLTK_LDFLAGS -mwindows -Wl,-subsystem,windows)
      endif()
      set(MIRVAL_DESKTOP_FLTK ON)
    endif()
  else()
    find_package(FLTK QUIET)
    if(FLTK_FOUND)
      set(MIRVAL_FLTK_CXXFLAGS -I${FLTK_INCLUDE_DIR})
      set(MIRVAL_FLTK_LDFLAGS ${FLTK_BASE_LIBRARY} X11)
      set(MIRVAL_DESKTOP_FLTK ON)
    endif()
  endif()
  if(mirval_gui STREQUAL "ON" AND NOT MIRVAL_DESKTOP_FLTK)
    message(FATAL_ERROR "MIRVAL_GUI=ON but FLTK was not found (Debian: libfltk1.3-dev)")
  endif()
endif()
set(MIRVAL_DESKTOP_FLTK ${MIRVAL_DESKTOP_FLTK} CACHE INTERNAL "mirval is built with desktop windows")
message(STATUS "MIRVAL desktop windows (FLTK): ${MIRVAL_DESKTOP_FLTK}")
