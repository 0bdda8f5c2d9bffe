#pragma once

#include <functional>

namespace tavelle {

// Runs work once, as soon as the first window of the program has been exposed and painted: work the
// first screen does not need then waits until the trainee already sees that screen. Several calls
// run their work in the order of the calls; a call after that expose waits for the next one. Needs a
// QGuiApplication.
void afterFirstExpose(std::function<void()> work);

}  // namespace tavelle
