// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

#include <memory>

namespace tavelle {

// Creates the QApplication, which opens the display. When the windowing system's plugin cannot start
// (DISPLAY names no running X server or is not set, a platform that is not there), Qt would abort
// with half a page about reinstalling it; instead the program ends with exit status 1 and one line on
// standard error saying that no display could be opened, why, and how to run it under a virtual X
// server. Qt's other messages of that moment are held back until the display is open, then passed on.
// When there is no session bus, none is started for the program (it would outlive it).
// argc must outlive the application.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv, const char* programName);

// When no font at all can be found (an empty font configuration), every text would show as empty
// boxes without a word: says so in one warning line on standard error, naming the package to
// install. Needs a QGuiApplication.
void warnWhenNoFontIsUsable(const char* programName);

}  // namespace tavelle
