# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the desktop program with what a desktop needs to offer it in its
# menu; debian/ makes the Debian package of it (tools/make-deb.sh):
#   bin/quibra, bin/quibra-launcher      the program and what the menu starts
#   share/quibra/QuibraHelp*.txt         the help, one of which the launcher
#                                        copies into each user's directory
#   share/quibra/translations/*.qm       the window's texts in other languages
#   share/applications/quibra.desktop    the menu entry
#   share/icons/hicolor/*/apps/quibra.*  the icon, as SVG and PNG 16 to 256
#   share/metainfo/*.metainfo.xml        the software-centre description
#   share/man/man1/quibra*.1             the manual pages
include(GNUInstallDirs)

install(TARGETS quibra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The Japanese help, and beside it its translations, QuibraHelp_LANG.txt.
file(GLOB helps CONFIGURE_DEPENDS res/QuibraHelp*.txt)
install(FILES ${helps} DESTINATION ${CMAKE_INSTALL_DATADIR}/quibra)
install(FILES ${qm_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/quibra/translations)
# The program finds its translations from its own place, as the launcher
# finds the help.
file(RELATIVE_PATH installed_translations ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_DATADIR}/quibra/translations)
target_compile_definitions(quibra_panel PRIVATE QUIBRA_TRANSLATIONS="${installed_translations}")

# The launcher finds the help file from its own place, so the path from the
# bin directory to the data directory goes into the installed copy.
file(RELATIVE_PATH installed_help ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_DATADIR}/quibra/QuibraHelp.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS res/quibra-launcher)
file(READ res/quibra-launcher launcher)
set(default_line "\ninstalled_help=../share/quibra/QuibraHelp.txt\n")
string(FIND "${launcher}" "${default_line}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "res/quibra-launcher has no line${default_line}to write the data directory into")
endif()
string(REPLACE "${default_line}" "\ninstalled_help=${installed_help}\n" launcher "${launcher}")
# Written only when it changes, so an unchanged launcher is not installed again.
file(CONFIGURE OUTPUT installed/quibra-launcher CONTENT "${launcher}" @ONLY)
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/installed/quibra-launcher
  DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES res/quibra.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Named after its AppStream ID, as software centres look it up.
configure_file(res/quibra.metainfo.xml.in quibra.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quibra.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME example.quibra.Quibra.metainfo.xml)

# With the version and its date.
foreach(page IN ITEMS quibra quibra-launcher)
  configure_file(man/${page}.1.in man/${page}.1 @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# Every size that tools/make-icons.sh renders from the SVG.
install(FILES res/quibra.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
file(GLOB icons RELATIVE ${PROJECT_SOURCE_DIR}/res CONFIGURE_DEPENDS res/quibra-*.png)
foreach(icon IN LISTS icons)
  string(REGEX REPLACE "^quibra-([0-9]+)\\.png$" "\\1" size ${icon})
  install(FILES res/${icon} RENAME quibra.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
