# The Windows program as users get it: zorvenka.exe in a folder with the DLLs and Qt plugins it
# loads and the photographs it reads from obr\ beside it (`cmake --install` into any folder).
# Windows looks for DLLs first in the program's own folder, and Qt for its plugins there.

set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(ZORVENKA_ICON ${PROJECT_SOURCE_DIR}/assets/zorvenka.ico)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/zorvenka.rc.in zorvenka.rc @ONLY)
target_sources(zorvenka PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/zorvenka.rc)
set_target_properties(zorvenka PROPERTIES WIN32_EXECUTABLE ON)

# The compiler's own runtime DLLs, wherever this MinGW-w64 keeps them.
function(zorvenka_mingw_runtime name result)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}")
    find_file(path ${name} PATHS ${CMAKE_FIND_ROOT_PATH} PATH_SUFFIXES lib bin NO_DEFAULT_PATH)
  endif()
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "MinGW-w64 runtime ${name} not found")
  endif()
  set(${result} ${path} PARENT_SCOPE)
endfunction()

set(ZORVENKA_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  zorvenka_mingw_runtime(${dll} path)
  list(APPEND ZORVENKA_RUNTIME_DLLS ${path})
endforeach()

# zorvenka-check is a console program, run in the folder whose photographs it checks.
install(TARGETS zorvenka zorvenka-check RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
              ${ZORVENKA_RUNTIME_DLLS}
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
# The window icon is stored as an .ico file.
install(FILES $<TARGET_FILE:Qt6::QICOPlugin> DESTINATION imageformats)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/obr/0 ${PROJECT_SOURCE_DIR}/obr/2
        DESTINATION obr
        FILES_MATCHING PATTERN "*.jpg")
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
