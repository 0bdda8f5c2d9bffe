# Printing tests: each test process runs a CUPS scheduler of its own with CUPS-PDF queues, in a folder
# under /tmp, and ends it when it ends (see print_test_main.cpp). Needs root for the CUPS-PDF backend and
# the packages cups, cups-client, printer-driver-cups-pdf and poppler-utils.
set(CMAKE_AUTOMOC ON)
add_executable(tavelle_print_tests ${TAVELLE_PRINT_TESTS})
target_link_libraries(tavelle_print_tests PRIVATE tavelle_shell GTest::gtest)
target_compile_definitions(tavelle_print_tests PRIVATE TAVELLE_PRINT_TEST_DIR="${CMAKE_CURRENT_SOURCE_DIR}/print")
gtest_discover_tests(tavelle_print_tests DISCOVERY_TIMEOUT 120
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120 LABELS print)
