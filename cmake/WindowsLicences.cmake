# The licences of everything the Windows program folder holds, in licences\ beside the program:
# Qt's (LGPL 3, on the GPL 3, the copyright holders, and how to put in a Qt of one's own),
# libjpeg-turbo's (linked in), and those of the MinGW-w64 runtime: GCC's C++ runtime under its
# runtime library exception and the MinGW-w64 CRT and thread library. The texts are Debian's,
# from the packages the build is made from; ours is LICENSE.txt in the folder itself.

set(ZORVENKA_LICENCE_TEXTS
  "/usr/share/doc/libqt6core6/copyright=Qt.txt"
  "/usr/share/common-licenses/LGPL-3=LGPL-3.txt"
  "/usr/share/common-licenses/GPL-3=GPL-3.txt"
  "${PROJECT_SOURCE_DIR}/packaging/windows/qt-relinking.txt=Qt-relinking.txt"
  "/usr/share/doc/libjpeg62-turbo/copyright=libjpeg-turbo.txt"
  "/usr/share/doc/gcc-mingw-w64-base/copyright=GCC-runtime.txt"
  "/usr/share/doc/mingw-w64-common/copyright=MinGW-w64-runtime.txt")

foreach(entry IN LISTS ZORVENKA_LICENCE_TEXTS)
  string(REPLACE "=" ";" entry "${entry}")
  list(GET entry 0 source)
  list(GET entry 1 name)
  if(NOT EXISTS "${source}")
    message(FATAL_ERROR "Licence text ${source} is missing (scripts/setup-deps installs it)")
  endif()
  install(FILES "${source}" DESTINATION licences RENAME "${name}")
endforeach()
