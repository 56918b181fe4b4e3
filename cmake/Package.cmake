# The Debian package, made by `cpack` in a build folder (scripts/package.sh).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME stillwise)
set(CPACK_PACKAGE_VENDOR "The Stillwise developers")
set(CPACK_PACKAGE_CONTACT "The Stillwise developers <developers@stillwise.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://stillwise.org/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A Debian revision, since the packaging is kept apart from the program.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binary; the window's look needs the Liberation
# faces, and opening it on X11 or Wayland needs Qt's platform plugins, which
# the Qt libraries only recommend.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
# Qt's own dialogs and context menus speak Russian with it, English without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "model of an ethanol-water rectification column")
# CPack indents these lines and marks the empty one as a paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Stillwise shows how a column of theoretical trays on a still, topped by a
total condenser, behaves. Type the heating power, the ethanol strength of
the still, the number of trays and the reflux ratio, and read a
tray-by-tray report, the ethanol efficiency and a chart of the vapour
strength up the column.

The window is in Russian. The same calculation runs from the command line
and prints its report.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)

# Debian's own files, added to the staged tree just before it is packed: a
# plain `cmake --install` has no use for them.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianFiles.cmake)
set(CPACK_STILLWISE_DEBIAN_DIR ${PROJECT_SOURCE_DIR}/packaging/debian)

include(CPack)
