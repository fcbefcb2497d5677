# The Windows build's tests, run by Wine (CMAKE_CROSSCOMPILING_EMULATOR) on the X server of xvfb-run:
#   xvfb-run -a -s "-screen 0 1920x1080x24" ctest --test-dir build-windows -L windows
# They share one Wine prefix in the build folder, made afresh first and ended last.
set(wine_environment WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all
    WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=d WINEPATH=$<TARGET_FILE_DIR:Qt6::Core>
    WINEQT_FORCE_STDERR_LOGGING=1)
set(wine_fixture wine)
add_test(NAME wine_prefix COMMAND ${CMAKE_CURRENT_LIST_DIR}/wine-prefix ${CMAKE_CROSSCOMPILING_EMULATOR})
add_test(NAME wine_program COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-program ${CMAKE_CROSSCOMPILING_EMULATOR}
    $<TARGET_FILE:quorrin> ${QUORRIN_MAKER_ADDRESS})
# Ends whatever a failed test left running; with nothing left the server is gone already.
add_test(NAME wine_stop COMMAND sh -c "wineserver -k || true")
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_program PROPERTIES FIXTURES_REQUIRED wine WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
set(wine_tests wine_prefix wine_program wine_stop)
if(QUORRIN_PACKAGE)
    add_test(NAME wine_installer COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-installer ${CMAKE_CROSSCOMPILING_EMULATOR}
        ${CMAKE_BINARY_DIR}/quorrin-${PROJECT_VERSION}-setup.exe)
    set_tests_properties(wine_installer PROPERTIES FIXTURES_REQUIRED wine)
    list(APPEND wine_tests wine_installer)
endif()
set_tests_properties(${wine_tests} PROPERTIES LABELS windows TIMEOUT 300 ENVIRONMENT "${wine_environment}")
