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

# zorvenka_add_test(NAME name SOURCES a.cpp ... LIBS lib ... [QT])
# One test program per call, registered with CTest. QT tests run on the offscreen platform
# so they need no display.
function(zorvenka_add_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  if(T_QT)
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test)
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ZORVENKA_SANITIZER_ENVIRONMENT}"
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
