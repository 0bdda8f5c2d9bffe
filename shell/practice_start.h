#pragma once

#include <memory>

namespace tavelle {

class MessageBoxes;
class Practice;
struct Launch;

// Practice as the command line asked: the file's exercises, or drawn ones, kept in the progress
// database and sent to the class database when one is set. The trainee is the one the command line
// names; else the one the settings keep; else, at the first practice, the one named in the naming window.
// A file that cannot be practised is refused in one message box, and nothing is started: the caller opens
// the home screen.
std::unique_ptr<Practice> startPractice(const Launch& launch, MessageBoxes& messages);

}  // namespace tavelle
