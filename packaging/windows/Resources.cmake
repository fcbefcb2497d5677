# The program's icon and version, as Windows shows them in Explorer and the file's properties; windres
# compiles the .rc. quorrin.ico holds resources/quorrin-icon*.png (16 px scaled from the 32 px one):
#   convert icon-16.png quorrin-icon.png quorrin-icon-48.png ... quorrin-icon-256.png quorrin.ico
enable_language(RC)
set(QUORRIN_ICON ${CMAKE_CURRENT_LIST_DIR}/quorrin.ico)
configure_file(${CMAKE_CURRENT_LIST_DIR}/quorrin.rc.in quorrin.rc @ONLY)
target_sources(quorrin PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/quorrin.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/quorrin.rc PROPERTIES OBJECT_DEPENDS ${QUORRIN_ICON})
