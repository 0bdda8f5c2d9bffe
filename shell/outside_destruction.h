#pragma once

class QWidget;

namespace tavelle {

// When the window system destroys `window`'s window behind the application's back (a session
// manager, a crashed window manager, xdotool windowclose), closes the widget as its close button
// would: a screen ends the program, a message box counts as its OK. Without it the widget would live
// on without a window, and the program with it. Lasts as long as the widget.
void closeWhenDestroyedOutside(QWidget& window);

// Whether the window system destroyed the widget's window: its close must happen, even when it comes
// at a moment that drops the user's closes (a print under way).
bool wasDestroyedOutside(const QWidget& window);

}  // namespace tavelle
