#pragma once

#include "shell/message_boxes.h"

#include <QString>

#include <functional>
#include <vector>

namespace tavelle::test {

// Message boxes that are recorded instead of shown.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString kind;
        QString title;
        QString text;
        bool operator==(const Shown&) const = default;
    };

    void warning(const QString& text) override { record({QStringLiteral("warning"), QString(), text}); }
    void information(const QString& title, const QString& text) override
    {
        record({QStringLiteral("information"), title, text});
    }
    void plain(const QString& title, const QString& text) override { record({QStringLiteral("plain"), title, text}); }

    const std::vector<Shown>& shown() const { return m_shown; }
    // Runs while a box is "open", to look at the screen behind it.
    std::function<void()> whileShown;

private:
    void record(Shown box)
    {
        m_shown.push_back(std::move(box));
        if (whileShown) whileShown();
    }

    std::vector<Shown> m_shown;
};

}  // namespace tavelle::test
