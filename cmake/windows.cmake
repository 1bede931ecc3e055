# The Windows programs. `mirval.com` is the console program: typed as `mirval`
# in cmd (which prefers .com to .exe) it runs in batch mode with its console
# log on stdout and its exit status, exactly as on Linux; the tests run it.
# `mirval.exe` is the same program without a console, for a double-click: it
# opens the start window and no stray console window.
set_target_properties(mirval PROPERTIES SUFFIX .com)

add_executable(mirval_windows WIN32 src/app/main.cpp)
set_target_properties(mirval_windows PROPERTIES OUTPUT_NAME mirval RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
target_link_libraries(mirval_windows PRIVATE mirval_app)
target_compile_definitions(mirval_windows PRIVATE MIRVAL_WITHOUT_CONSOLE)

# the icon Explorer shows
enable_language(RC)
target_sources(mirval PRIVATE ${CMAKE_SOURCE_DIR}/packaging/mirval.rc)
target_sources(mirval_windows PRIVATE ${CMAKE_SOURCE_DIR}/packaging/mirval.rc)

if(NOT CMAKE_CROSSCOMPILING OR NOT MIRVAL_WINE)
  return()
endif()

# Under wine (the toolchain found it): every test program runs through a
# wrapper that keeps wine's prefix inside the build folder.
set(MIRVAL_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

if(NOT MIRVAL_TESTS)
  return()
endif()
enable_testing()
set(windows_tests ${CMAKE_SOURCE_DIR}/tests/windows)
set(golden ${CMAKE_SOURCE_DIR}/tests/golden)

add_test(NAME windows.paths
         COMMAND bash ${windows_tests}/paths.sh ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:mirval> ${golden})
add_dependencies(mirval mirval_windows)  # the paths test checks both programs

# The program refuses two outputs whose names differ only in case ("built"; the
# test reports itself skipped while this says "pending").
set(MIRVAL_CASE_COLLISION built)
add_test(NAME windows.case_collision
         COMMAND bash ${windows_tests}/case_collision.sh ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:mirval>
                 ${golden} ${MIRVAL_CASE_COLLISION})
set_tests_properties(windows.case_collision PROPERTIES SKIP_RETURN_CODE 77)

add_test(NAME windows.desktop
         COMMAND bash ${windows_tests}/desktop_smoke.sh ${CMAKE_CROSSCOMPILING_EMULATOR}
                 $<TARGET_FILE:mirval_windows> ${golden} ${CMAKE_BINARY_DIR}/screenshots)
set_tests_properties(windows.desktop PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240 RUN_SERIAL ON)
