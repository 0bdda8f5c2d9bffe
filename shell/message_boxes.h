#pragma once

class QScreen;
class QString;

namespace tavelle {

// Every modal message of the application goes through this, so tests can record them.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Warning icon, one OK button, title "ATTENTION !!".
    virtual void warning(const QString& text) = 0;
    // Information icon, one OK button.
    virtual void information(const QString& title, const QString& text) = 0;
    // No icon, one OK button.
    virtual void plain(const QString& title, const QString& text) = 0;
    // The same boxes for news the user did not just ask for, which may come while they type: beside the
    // windows, they take no key meant for a window, and wait for their OK without holding the program.
    virtual void noticeWarning(const QString& text) { warning(text); }
    virtual void noticeInformation(const QString& title, const QString& text) { information(title, text); }
    // The screen (monitor) the user works on: boxes open in its middle, as the windows do.
    virtual void placeOn(QScreen* screen) { static_cast<void>(screen); }
};

}  // namespace tavelle
