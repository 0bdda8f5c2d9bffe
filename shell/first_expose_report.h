#pragma once

namespace tavelle {

// A hook for bench/run_all.sh, which times start-up: when the environment variable
// TAVELLE_REPORT_FIRST_EXPOSE is set, the first window to be exposed is painted, then the program
// prints "first-expose <CLOCK_MONOTONIC in ns>" on its standard output and ends at once. When it is not
// set, this does nothing at all. Needs a QGuiApplication.
void reportFirstExposeWhenAsked();

}  // namespace tavelle
