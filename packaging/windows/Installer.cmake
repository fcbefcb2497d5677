# The Windows installer (NSIS) and the portable zip, both of one folder: the program, the Qt and mingw
# libraries it loads, and the two Qt plugins it needs (the window system and the native look).
set(folder quorrin-${PROJECT_VERSION}-windows)
set(stage ${CMAKE_BINARY_DIR}/${folder})
set(setup ${CMAKE_BINARY_DIR}/quorrin-${PROJECT_VERSION}-setup.exe)
set(zip ${CMAKE_BINARY_DIR}/${folder}.zip)
set(qt_bin $<TARGET_FILE_DIR:Qt6::Core>)
# Qt's prefix carries stripped copies of the mingw runtime (Debian's libstdc++-6.dll has 23 MB of debug data).
set(libraries $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    ${qt_bin}/libstdc++-6.dll ${qt_bin}/libgcc_s_seh-1.dll ${qt_bin}/libwinpthread-1.dll)
configure_file(${CMAKE_CURRENT_LIST_DIR}/quorrin.nsi.in quorrin.nsi @ONLY)

add_custom_command(OUTPUT ${setup} ${zip}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/platforms ${stage}/styles
    COMMAND ${CMAKE_STRIP} -o ${stage}/quorrin.exe $<TARGET_FILE:quorrin>
    COMMAND ${CMAKE_COMMAND} -E copy ${libraries} ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> ${stage}/platforms
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> ${stage}/styles
    COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
    COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${folder}
    COMMAND ${QUORRIN_MAKENSIS} -V2 ${CMAKE_CURRENT_BINARY_DIR}/quorrin.nsi
    DEPENDS quorrin ${CMAKE_CURRENT_BINARY_DIR}/quorrin.nsi ${QUORRIN_ICON}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    VERBATIM)
add_custom_target(windows_package ALL DEPENDS ${setup} ${zip})
