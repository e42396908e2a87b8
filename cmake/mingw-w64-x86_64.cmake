# Cross build for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, which
# std::thread and Qt's threads need). Libraries are looked up only under the sysroot and the
# prefixes named in CMAKE_PREFIX_PATH or CMAKE_FIND_ROOT_PATH; programs (moc, rcc) on the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZORVENKA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZORVENKA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZORVENKA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZORVENKA_MINGW_TRIPLET}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ZORVENKA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
