# Printing tests: each test process runs a CUPS scheduler of its own with CUPS-PDF queues, in a folder
# under /tmp, and ends it when it ends (see print_test_main.cpp). Needs root for the CUPS-PDF backend and
# the packages cups, cups-client, printer-driver-cups-pdf and poppler-utils.
set(CMAKE_AUTOMOC ON)

# The long random session (session_*) runs in a program of its own, for a time limit of its own; it
# shares the private scheduler harness (the files that are not tests).
set(TAVELLE_SESSION_TESTS ${TAVELLE_PRINT_TESTS})
list(FILTER TAVELLE_SESSION_TESTS INCLUDE REGEX "/session_[^/]*$")
list(FILTER TAVELLE_PRINT_TESTS EXCLUDE REGEX "/session_[^/]*$")
set(TAVELLE_PRINT_HARNESS ${TAVELLE_PRINT_TESTS})
list(FILTER TAVELLE_PRINT_HARNESS EXCLUDE REGEX "_test\\.cpp$")

add_executable(tavelle_print_tests ${TAVELLE_PRINT_TESTS})
target_link_libraries(tavelle_print_tests PRIVATE tavelle_shell GTest::gtest)
target_compile_definitions(tavelle_print_tests PRIVATE TAVELLE_PRINT_TEST_DIR="${CMAKE_CURRENT_SOURCE_DIR}/print")
gtest_discover_tests(tavelle_print_tests DISCOVERY_TIMEOUT 120
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120 LABELS print)

if(TAVELLE_SESSION_TESTS)
  add_executable(tavelle_session_tests ${TAVELLE_SESSION_TESTS} ${TAVELLE_PRINT_HARNESS})
  target_link_libraries(tavelle_session_tests PRIVATE tavelle_shell GTest::gtest)
  target_compile_definitions(tavelle_session_tests PRIVATE TAVELLE_PRINT_TEST_DIR="${CMAKE_CURRENT_SOURCE_DIR}/print")
  # Ten thousand actions with a few dozen prints take under a minute in a release build on two cores, and
  # up to three times as long under the sanitizers or beside other tests.
  gtest_discover_tests(tavelle_session_tests DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600 LABELS print)
endif()
