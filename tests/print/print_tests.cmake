# Printing tests: each test process runs a CUPS scheduler of its own with CUPS-PDF queues, in a folder
# under /tmp, and ends it when it ends (see print_test_main.cpp). Needs root for the CUPS-PDF backend and
# the packages cups, cups-client, printer-driver-cups-pdf and poppler-utils.

# The private scheduler and the pages it prints, shared by both printing programs.
add_library(tavelle_print_harness STATIC
  print/command.cpp print/command.h
  print/print_test_main.cpp
  print/printed_page.cpp print/printed_page.h
  print/private_cups_server.cpp print/private_cups_server.h)
target_link_libraries(tavelle_print_harness PUBLIC tavelle_test_support)
# The printing tests print through the print program that the application runs, found as it finds it.
target_compile_definitions(tavelle_print_harness PUBLIC TAVELLE_PRINT_TEST_DIR="${CMAKE_CURRENT_SOURCE_DIR}/print"
                           TAVELLE_PROGRAM_DIR="$<TARGET_FILE_DIR:tavelle>")

add_executable(tavelle_print_tests
  print/cups_printing_test.cpp
  print/print_operation_test.cpp
  print/program_ending_test.cpp
  print/screen_session.h)
target_link_libraries(tavelle_print_tests PRIVATE tavelle_print_harness ${TAVELLE_XCB_LIBRARY})
target_compile_definitions(tavelle_print_tests PRIVATE TAVELLE_EXAMPLES_DIR="${PROJECT_SOURCE_DIR}/examples")
# The program itself is ended during a print, on an X server of the test's own.
add_dependencies(tavelle_print_tests tavelle tavelle-print)
tavelle_discover_tests(tavelle_print_tests print 120)

# The long random session runs in a program of its own, for a time limit of its own. Ten thousand
# actions with a few dozen prints take under a minute in a release build on two cores, and up to three
# times as long under the sanitizers or beside other tests.
add_executable(tavelle_session_tests
  print/session_choices.cpp print/session_choices.h
  print/session_expectations.cpp print/session_expectations.h
  print/session_invariants.cpp print/session_invariants.h
  print/session_random.h
  print/session_test.cpp
  print/session_trainee.cpp print/session_trainee.h)
target_link_libraries(tavelle_session_tests PRIVATE tavelle_print_harness)
add_dependencies(tavelle_session_tests tavelle-print)
tavelle_discover_tests(tavelle_session_tests print 600)
