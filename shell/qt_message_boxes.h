#pragma once

#include "shell/message_boxes.h"

#include <QPointer>
#include <QScreen>

namespace tavelle {

// The application's message boxes: each one is modal and waits for its OK, but the notices, which wait
// beside the windows.
class QtMessageBoxes final : public MessageBoxes {
public:
    void warning(const QString& text) override;
    void information(const QString& title, const QString& text) override;
    void plain(const QString& title, const QString& text) override;
    void noticeWarning(const QString& text) override;
    void noticeInformation(const QString& title, const QString& text) override;
    void placeOn(QScreen* screen) override { m_screen = screen; }

    // The narrowest box whose title bar shows the caption whole: the window manager sets it in its
    // own type, bold and often larger than the box's, beside the window's icon and close button.
    static int widthForCaption(const QString& caption);

private:
    QPointer<QScreen> m_screen;
};

}  // namespace tavelle
