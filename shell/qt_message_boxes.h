#pragma once

#include "shell/message_boxes.h"

namespace tavelle {

// The application's message boxes: each one is modal and waits for its OK.
class QtMessageBoxes final : public MessageBoxes {
public:
    void warning(const QString& text) override;
    void information(const QString& title, const QString& text) override;
    void plain(const QString& title, const QString& text) override;
};

}  // namespace tavelle
