# What "cmake --install" puts where, and the Debian package built from it by CPack
# (scripts/quorrin package); for Windows the installer and zip instead (scripts/quorrin windows).
# The program itself reads and writes no files.
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/windows/Installer.cmake)
    return()
endif()
include(GNUInstallDirs)

install(TARGETS quorrin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The tone module where the installed program looks for it; Qt Multimedia enters the dependencies through it.
install(TARGETS quorrin_tone LIBRARY DESTINATION ${QUORRIN_TONE_INSTALL_DIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quorrin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${CMAKE_CURRENT_LIST_DIR}/org.example.quorrin.metainfo.xml.in org.example.quorrin.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.example.quorrin.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# One design at every size: 32 pixels is the window icon itself.
foreach(side 32 48 64 128 256)
    set(picture ${PROJECT_SOURCE_DIR}/resources/quorrin-icon-${side}.png)
    if(side EQUAL 32)
        set(picture ${PROJECT_SOURCE_DIR}/resources/quorrin-icon.png)
    endif()
    install(FILES ${picture} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps RENAME quorrin.png)
endforeach()

# Debian asks every package for its copyright and a compressed changelog without a time stamp.
set(QUORRIN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quorrin)
add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog > changelog.gz
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
add_custom_target(changelog ALL DEPENDS changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${QUORRIN_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "projected targets in true size for sport knife throwing")
set(CPACK_PACKAGE_DESCRIPTION "Quorrin turns a projector and a throwing board into a target stand. It shows
Unifight, Euro, circle or square targets in true centimetres for one or two
players, at random places in each player's lane, for a set time, with a
countdown and a beep before every series. The operator works in a
Russian-language settings window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUORRIN_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://${QUORRIN_MAKER_ADDRESS})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by name, so no library lookup finds it: without it a caption is cut off.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
