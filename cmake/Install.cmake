# What `cmake --install` puts where: the programs, the bundled resources and
# what a Linux desktop needs to list the editor and open project files in it
# (the launcher entry, the icon and the project file type).
include(GNUInstallDirs)

install(TARGETS fulgrane3d-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET fulgrane3d)
  install(TARGETS fulgrane3d RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(fg_resources ${PROJECT_SOURCE_DIR}/resources)
install(FILES ${fg_resources}/color.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/fulgrane3d)
install(DIRECTORY ${fg_resources}/samples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/fulgrane3d/samples
        FILES_MATCHING PATTERN "*.nbx")

install(FILES ${fg_resources}/desktop/fulgrane3d.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${fg_resources}/desktop/fulgrane3d.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${fg_resources}/desktop/fulgrane3d-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME fulgrane3d.xml)

# The help pages the editor opens with F1 (found from bin/ as ../share/fulgrane3d/help).
install(FILES ${fg_resources}/help/index_ja.html ${fg_resources}/help/index_en.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fulgrane3d/help)
