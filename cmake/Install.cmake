# Installs the desktop program with what a desktop needs to offer it in its
# menu, and packs that as a Debian package (cpack, or the "package" target):
#   bin/quibra, bin/quibra-launcher      the program and what the menu starts
#   share/quibra/QuibraHelp.txt          copied into each user's directory
#   share/applications/quibra.desktop    the menu entry
#   share/icons/hicolor/*/apps/quibra.*  the icon, as SVG and PNG 16 to 256
#   share/metainfo/*.metainfo.xml        the software-centre description
include(GNUInstallDirs)

install(TARGETS quibra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES res/QuibraHelp.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/quibra)

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
install(FILES res/quibra.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
  RENAME example.quibra.Quibra.metainfo.xml)

# Every size that tools/make-icons.sh renders from the SVG.
install(FILES res/quibra.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
file(GLOB icons RELATIVE ${PROJECT_SOURCE_DIR}/res CONFIGURE_DEPENDS res/quibra-*.png)
foreach(icon IN LISTS icons)
  string(REGEX REPLACE "^quibra-([0-9]+)\\.png$" "\\1" size ${icon})
  install(FILES res/${icon} RENAME quibra.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quibra)
set(CPACK_PACKAGE_CONTACT "Quibra maintainers <maintainers@users.noreply.c-seed-f667b345.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pocket-calculator unit converter")
set(CPACK_PACKAGE_DESCRIPTION
  "Quibra is a unit converter in the shape of a pocket calculator: type a\n"
  "number, press the unit it is in and then the unit to convert it to.\n"
  "It converts temperature, length (with feet and inches), mass, volume,\n"
  "and yen and dollars at an exchange rate that is kept between runs. It\n"
  "is also a four-function calculator. Its texts are in Japanese.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces the window asks for, without which Qt falls back to others, and
# Qt's Wayland platform, without which it runs through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic, fonts-comic-neue, qt6-wayland")
include(CPack)
