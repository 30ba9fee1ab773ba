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

# Manual pages, compressed as Debian's man expects them (gzip -n: the same
# bytes on every build).
set(fg_man_pages fulgrane3d-cli.1 fulgrane3d.1)
set(fg_man_gz)
foreach(page ${fg_man_pages})
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND gzip -9 -n -c ${fg_resources}/man/${page} > ${PROJECT_BINARY_DIR}/man/${page}.gz
    DEPENDS ${fg_resources}/man/${page}
    VERBATIM)
  list(APPEND fg_man_gz ${PROJECT_BINARY_DIR}/man/${page}.gz)
endforeach()
add_custom_target(fulgrane3d_man_pages ALL DEPENDS ${fg_man_gz})
install(FILES ${fg_man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Completion of the command-line tool's commands, options and files; bash
# loads it on demand by the program's name.
install(FILES ${fg_resources}/completion/fulgrane3d-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME fulgrane3d-cli)
