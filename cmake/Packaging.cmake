# Installing Zorvenka as a desktop program, and its Debian package.
#
# The program reads its photographs from obr/ relative to its working directory and takes no
# command line, environment or configuration. So the program itself goes to lib/zorvenka/, and
# the zorvenka command in bin/ is a launcher that picks the folder to start it in: the current
# one when it holds obr/, else the installed photographs' folder, where the desktop entry's
# working directory (Path=) starts it too.

include(GNUInstallDirs)

# Installing needs only the program, the check for teachers and the icon, not every test and
# benchmark: scripts/package builds those targets first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(ZORVENKA_APPSTREAM_ID "cz.zorvenka.Zorvenka" CACHE STRING "AppStream component id")

# Debian names a maintainer, with a mail address, in the package and in its changelog. The
# project has no address of its own, so unless ZORVENKA_PACKAGE_MAINTAINER names one
# ("Name <address>"), it is the author of the commit being built.
if(NOT ZORVENKA_PACKAGE_MAINTAINER)
  execute_process(COMMAND git -c safe.directory=* log -1 "--format=%an <%ae>"
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE ZORVENKA_PACKAGE_MAINTAINER
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()

set(zorvenka_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(zorvenka_data_dir ${CMAKE_INSTALL_DATADIR}/zorvenka)
set(zorvenka_program_dir lib/zorvenka)
set(zorvenka_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/zorvenka)

install(TARGETS zorvenka RUNTIME DESTINATION ${zorvenka_program_dir})
# The check for teachers runs in whatever folder it is typed in, so it needs no launcher.
install(TARGETS zorvenka-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/obr/0 ${PROJECT_SOURCE_DIR}/obr/2
        DESTINATION ${zorvenka_data_dir}/obr
        FILES_MATCHING PATTERN "*.jpg")

# The launcher finds the program and the photographs relative to itself, so it works under any
# prefix and straight out of the unpacked package.
file(RELATIVE_PATH ZORVENKA_DATA_FROM_LAUNCHER
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${zorvenka_data_dir})
file(RELATIVE_PATH ZORVENKA_PROGRAM_FROM_LAUNCHER
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${zorvenka_program_dir}/zorvenka)
configure_file(${zorvenka_packaging}/zorvenka.in launcher/zorvenka @ONLY)
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/launcher/zorvenka DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop entry and the manual page name the photographs' folder, so they are written at
# install time: only then is the prefix known for certain (CPack installs under its own prefix,
# and `cmake --install --prefix` may choose another). Debian wants manual pages and changelogs
# compressed to the utmost, without a time stamp.
configure_file(${zorvenka_packaging}/changelog.in changelog @ONLY)
install(CODE "
  set(ZORVENKA_DATA_FOLDER \"\${CMAKE_INSTALL_PREFIX}/${zorvenka_data_dir}\")
  set(PROJECT_VERSION ${PROJECT_VERSION})
  set(built \"${CMAKE_CURRENT_BINARY_DIR}\")
  configure_file(\"${zorvenka_packaging}/zorvenka.desktop.in\" \"\${built}/zorvenka.desktop\" @ONLY)
  configure_file(\"${zorvenka_packaging}/zorvenka.6.in\" \"\${built}/zorvenka.6\" @ONLY)
  configure_file(\"${zorvenka_packaging}/zorvenka-check.1.in\" \"\${built}/zorvenka-check.1\" @ONLY)
  foreach(page zorvenka.6 zorvenka-check.1 changelog)
    execute_process(COMMAND gzip -9nc \"\${built}/\${page}\" OUTPUT_FILE \"\${built}/\${page}.gz\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  file(INSTALL \"\${built}/zorvenka.desktop\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
  file(INSTALL \"\${built}/zorvenka.6.gz\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man6\")
  file(INSTALL \"\${built}/zorvenka-check.1.gz\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1\")
  file(INSTALL \"\${built}/changelog.gz\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${zorvenka_doc_dir}\")
")

# The copyright file in Debian's machine-readable form, with the licence text of LICENSE:
# indented by one space, a blank line written as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE zorvenka_license)
string(REGEX REPLACE "^.*\n\n(Permission)" "\\1" zorvenka_license "${zorvenka_license}")
string(STRIP "${zorvenka_license}" zorvenka_license)
string(REPLACE "\n\n" "\n.\n" zorvenka_license "${zorvenka_license}")
string(REPLACE "\n" "\n " ZORVENKA_LICENSE_TEXT " ${zorvenka_license}")
configure_file(${zorvenka_packaging}/copyright.in copyright @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${zorvenka_doc_dir})

# The 32 x 32 icon is the program's own artwork, converted once at build time by a program of
# ours (tools/IconPng.cpp).
set(zorvenka_icon_png ${CMAKE_CURRENT_BINARY_DIR}/zorvenka-32.png)
add_custom_command(
  OUTPUT ${zorvenka_icon_png}
  COMMAND zorvenka-icon-png ${PROJECT_SOURCE_DIR}/assets/zorvenka.ico ${zorvenka_icon_png}
  DEPENDS ${PROJECT_SOURCE_DIR}/assets/zorvenka.ico zorvenka-icon-png
  COMMENT "Converting the application icon to PNG"
  VERBATIM)
add_custom_target(zorvenka_icon ALL DEPENDS ${zorvenka_icon_png})
set(zorvenka_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${zorvenka_icon_png} DESTINATION ${zorvenka_icons}/32x32/apps RENAME zorvenka.png)
install(FILES ${zorvenka_packaging}/zorvenka.svg DESTINATION ${zorvenka_icons}/scalable/apps)

configure_file(${zorvenka_packaging}/zorvenka.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${ZORVENKA_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${ZORVENKA_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian package: `cpack -G DEB` in the build folder (scripts/package does it all).
set(CPACK_PACKAGE_NAME zorvenka)
set(CPACK_PACKAGE_VENDOR "Zorvenka developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture quiz of thirteen meadow grasses")
# Debian shows the description in lines of up to 80 characters, as written here.
set(CPACK_PACKAGE_DESCRIPTION "\
Zorvenka teaches thirteen meadow grasses by their Czech names. A round has
thirteen questions; each shows one or two photographs of a grass, and the
learner picks its name from a list or types it. A wrong answer shows the
right name and a running count of mistakes.

The photographs that come with it are drawn botanical plates; photographs
of your own can take their place.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZORVENKA_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The libraries (Qt 6 Widgets, libjpeg62-turbo, the C++ runtime) come from the binary itself;
# the fonts are looked up by name at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
include(CPack)
