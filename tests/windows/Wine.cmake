# The Windows build's tests under Wine (CMAKE_CROSSCOMPILING_EMULATOR) on the X server of xvfb-run:
#   xvfb-run -a -s "-screen 0 1920x1080x24" ctest --test-dir build-windows -L windows
# One Wine prefix in the build folder, made afresh first and ended last.
set(wine_environment WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix WINEDEBUG=-all WINEQT_FORCE_STDERR_LOGGING=1
    WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=d WINEPATH=$<TARGET_FILE_DIR:Qt6::Core>)
set(wine_fixture wine)
set(setup ${CMAKE_BINARY_DIR}/quorrin-${PROJECT_VERSION}-setup.exe)
add_test(NAME wine_prefix COMMAND ${CMAKE_CURRENT_LIST_DIR}/wine-prefix ${CMAKE_CROSSCOMPILING_EMULATOR})
add_test(NAME wine_program COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-program ${CMAKE_CROSSCOMPILING_EMULATOR}
    $<TARGET_FILE:quorrin> ${QUORRIN_MAKER_ADDRESS})
add_test(NAME wine_installer COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-installer ${CMAKE_CROSSCOMPILING_EMULATOR} ${setup})
# Ends what a failed test left running; with nothing left the server has gone already.
add_test(NAME wine_stop COMMAND sh -c "wineserver -k || true")
set_tests_properties(wine_prefix wine_program wine_installer wine_stop PROPERTIES LABELS windows TIMEOUT 300
    ENVIRONMENT "${wine_environment}")
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_program wine_installer PROPERTIES FIXTURES_REQUIRED wine)
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
if(NOT QUORRIN_PACKAGE)
    set_tests_properties(wine_installer PROPERTIES DISABLED TRUE)
endif()
