# Installing Zorvenka as a desktop program, and its Debian package.
#
# The program reads its photographs from obr/ relative to its working directory and takes no
# command line, environment or configuration, so the desktop entry's working directory (Path=)
# is what points it at the installed photographs.

include(GNUInstallDirs)

# Installing needs only the program and its icon, not every test and benchmark: scripts/package
# builds those two targets first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(ZORVENKA_APPSTREAM_ID "cz.zorvenka.Zorvenka" CACHE STRING "AppStream component id")
set(ZORVENKA_HOMEPAGE "https://example.org/zorvenka" CACHE STRING
    "Home page named in the AppStream metadata; its screenshots/ holds docs/screenshots")
set(ZORVENKA_MAINTAINER "Zorvenka developers <zorvenka@example.org>" CACHE STRING
    "Maintainer field of the Debian package")

set(zorvenka_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(zorvenka_data_dir ${CMAKE_INSTALL_DATADIR}/zorvenka)

install(TARGETS zorvenka RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/obr/0 ${PROJECT_SOURCE_DIR}/obr/2
        DESTINATION ${zorvenka_data_dir}/obr
        FILES_MATCHING PATTERN "*.jpg")

# The entry is written at install time: only then is the prefix known for certain (CPack
# installs under its own prefix, and `cmake --install --prefix` may choose another).
install(CODE "
  set(template \"${zorvenka_packaging}/zorvenka.desktop.in\")
  set(entry \"${CMAKE_CURRENT_BINARY_DIR}/zorvenka.desktop\")
  set(ZORVENKA_DATA_FOLDER \"\${CMAKE_INSTALL_PREFIX}/${zorvenka_data_dir}\")
  configure_file(\"\${template}\" \"\${entry}\" @ONLY)
  file(INSTALL \"\${entry}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")

# The 32 x 32 icon is the program's own artwork, converted once at build time.
find_program(ZORVENKA_CONVERT convert REQUIRED)
set(zorvenka_icon_png ${CMAKE_CURRENT_BINARY_DIR}/zorvenka-32.png)
add_custom_command(
  OUTPUT ${zorvenka_icon_png}
  COMMAND ${ZORVENKA_CONVERT} ico:${PROJECT_SOURCE_DIR}/assets/zorvenka.ico -strip
          -define png:exclude-chunks=date,time png32:${zorvenka_icon_png}
  DEPENDS ${PROJECT_SOURCE_DIR}/assets/zorvenka.ico
  COMMENT "Converting the application icon to PNG"
  VERBATIM)
add_custom_target(zorvenka_icon ALL DEPENDS ${zorvenka_icon_png})
set(zorvenka_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${zorvenka_icon_png} DESTINATION ${zorvenka_icons}/32x32/apps RENAME zorvenka.png)
install(FILES ${zorvenka_packaging}/zorvenka.svg DESTINATION ${zorvenka_icons}/scalable/apps)

set(ZORVENKA_SCREENSHOTS_URL ${ZORVENKA_HOMEPAGE}/screenshots)
configure_file(${zorvenka_packaging}/zorvenka.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${ZORVENKA_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ZORVENKA_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian package: `cpack -G DEB` in the build folder (scripts/package does it all).
set(CPACK_PACKAGE_NAME zorvenka)
set(CPACK_PACKAGE_VENDOR "Zorvenka developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture quiz of thirteen meadow grasses")
set(CPACK_PACKAGE_DESCRIPTION "Zorvenka teaches thirteen meadow grasses by their Czech names: \
each question shows one or two photographs, and the learner picks the name from a list or types it.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${ZORVENKA_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZORVENKA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The libraries (Qt 6 Widgets, libjpeg62-turbo, the C++ runtime) come from the binary itself;
# the fonts are looked up by name at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
include(CPack)
