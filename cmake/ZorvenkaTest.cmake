include(GoogleTest)

# A Windows build made on Linux runs its tests under Wine (build-windows/wine-run.sh), in a Wine
# prefix of the build's own, with the DLLs and Qt plugins found where the build took them from.
if(WIN32 AND CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  function(zorvenka_wine_folder file result)
    get_filename_component(folder ${file} DIRECTORY)
    string(REPLACE "/" "\\" folder "Z:${folder}")
    set(${result} ${folder} PARENT_SCOPE)
  endfunction()
  get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
  set(ZORVENKA_WINE_DLL_PATH)
  foreach(dll ${qt_core} ${ZORVENKA_RUNTIME_DLLS})
    zorvenka_wine_folder(${dll} folder)
    list(APPEND ZORVENKA_WINE_DLL_PATH ${folder})
  endforeach()
  list(REMOVE_DUPLICATES ZORVENKA_WINE_DLL_PATH)
  get_target_property(windows_plugin Qt6::QWindowsIntegrationPlugin IMPORTED_LOCATION_RELEASE)
  get_filename_component(platforms_folder ${windows_plugin} DIRECTORY)
  zorvenka_wine_folder(${platforms_folder} ZORVENKA_WINE_PLUGIN_PATH)
  configure_file(${PROJECT_SOURCE_DIR}/tests/windows/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
endif()

# What every test process gets under the sanitizers: leak checking, with leaks inside system
# libraries (never ours) set aside, stack traces for undefined behaviour, and races in our code
# as failures. Qt is not built with ThreadSanitizer, so its own memory traffic and its locks
# (futexes) are out of sight; what it copies or frees inside its thread pools is not watched
# (ignore_noninstrumented_modules), while every access of our code is.
set(ZORVENKA_SANITIZER_ENVIRONMENT
    "ASAN_OPTIONS=detect_leaks=1"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1"
    "TSAN_OPTIONS=ignore_noninstrumented_modules=1:halt_on_error=1:second_deadlock_stack=1")

# A screen of 3840 × 2160 device pixels for the offscreen platform: at every scale factor the
# windows fit on it, as they do on a high-density screen.
set(ZORVENKA_HIGH_DENSITY_SCREEN ${PROJECT_SOURCE_DIR}/tests/high-density-screen.json)

# Registers the cases of a test program with CTest as <prefix><suite>.<case>, each run with the
# environment and the time limit given; a filter (a GoogleTest one) picks the cases.
function(zorvenka_discover_cases target prefix filter timeout labels)
  set(environment ${ARGN})
  string(MAKE_C_IDENTIFIER "${prefix}" list)
  gtest_discover_tests(${target} TEST_PREFIX ${prefix} TEST_FILTER ${filter} TEST_LIST ${list}
                       DISCOVERY_TIMEOUT 60 WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

  # The discovered cases exist only when CTest reads the list; their properties are set there,
  # since a list-valued property would not survive being passed through gtest_discover_tests.
  set(properties ${CMAKE_CURRENT_BINARY_DIR}/${list}properties.cmake)
  file(WRITE ${properties}
       "if(${list})\n"
       "  set_tests_properties(\${${list}} PROPERTIES\n"
       "    ENVIRONMENT \"${environment}\"\n"
       "    LABELS \"${labels}\"\n"
       "    TIMEOUT ${timeout})\n"
       "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${properties})
endfunction()

# zorvenka_add_test(NAME name SOURCES a.cpp ... LIBS lib ... [QT] [DESKTOP] [TIMEOUT seconds]
#                   [ENVIRONMENT var=value ...] [LABELS label ...]
#                   [SCALED cases SCALES factor ...])
# One test program per call. CTest runs each of its cases as a test of its own, named
# <name>.<suite>.<case>, so a failure names its case, and ends a case that outlives its
# TIMEOUT (60 s unless given). They run on the offscreen platform, so they need no display.
# The cases that SCALED picks (a GoogleTest filter) run once more at each of the SCALES (Qt's
# QT_SCALE_FACTOR) on a high-density screen, named <name>@<factor>.<suite>.<case>; not in the
# sanitizer builds, whose code is the same at every scale.
# A DESKTOP program starts a virtual desktop of its own, which takes seconds: it runs whole, as
# one test, alone. ENVIRONMENT comes after the common variables and overrides them.
function(zorvenka_add_test)
  cmake_parse_arguments(T "QT;DESKTOP" "NAME;TIMEOUT;SCALED" "SOURCES;LIBS;ENVIRONMENT;LABELS;SCALES" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 60)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  if(T_QT)
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test)
  endif()
  set(environment ${ZORVENKA_SANITIZER_ENVIRONMENT} ${T_ENVIRONMENT})
  if(T_DESKTOP)
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${environment}" LABELS "${T_LABELS}"
                         RUN_SERIAL TRUE TIMEOUT ${T_TIMEOUT} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    return()
  endif()
  zorvenka_discover_cases(${T_NAME} ${T_NAME}. "*" ${T_TIMEOUT} "${T_LABELS}"
                          QT_QPA_PLATFORM=offscreen ${environment})
  if(ZORVENKA_SANITIZE OR ZORVENKA_TSAN)
    return()
  endif()
  foreach(factor IN LISTS T_SCALES)
    zorvenka_discover_cases(${T_NAME} ${T_NAME}@${factor}. "${T_SCALED}" ${T_TIMEOUT} "${T_LABELS};scaled"
                            QT_QPA_PLATFORM=offscreen:configfile=${ZORVENKA_HIGH_DENSITY_SCREEN}
                            QT_SCALE_FACTOR=${factor} ${environment})
  endforeach()
endfunction()
