#pragma once

#include "core/trade/entry_rules.h"
#include "screens/screen_host.h"
#include "screens/screen_window.h"
#include "shell/message_boxes.h"
#include "shell/screen_printer.h"
#include "tests/support/screen_probes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tavelle::testing {

// A message box that was recorded instead of shown.
struct ShownBox {
    enum class Kind { Warning, Information, Plain };
    Kind kind;
    QString title;
    QString text;
    int screensBehind = 0;  // screens visible while the box was up

    bool operator==(const ShownBox& other) const
    {
        return kind == other.kind && title == other.title && text == other.text;
    }
};

class RecordingMessageBoxes final : public MessageBoxes {
public:
    void warning(const QString& text) override
    {
        record(ShownBox::Kind::Warning, QStringLiteral("ATTENTION !!"), text);
    }
    void information(const QString& title, const QString& text) override
    {
        record(ShownBox::Kind::Information, title, text);
    }
    void plain(const QString& title, const QString& text) override { record(ShownBox::Kind::Plain, title, text); }

    std::vector<std::string> texts(ShownBox::Kind kind) const
    {
        std::vector<std::string> found;
        for (const ShownBox& box : shown)
            if (box.kind == kind) found.push_back(box.text.toStdString());
        return found;
    }
    std::vector<std::string> warningTexts() const { return texts(ShownBox::Kind::Warning); }

    std::vector<ShownBox> shown;
    // Runs while a box is "open", to look at the screens behind it.
    std::function<void()> whileShown;

private:
    void record(ShownBox::Kind kind, const QString& title, const QString& text)
    {
        shown.push_back({kind, title, text, visibleScreenCount()});
        if (whileShown) whileShown();
    }
};

// Lets the event loop run until `done` holds or the time is up; whether it holds.
inline bool processEventsUntil(const std::function<bool()>& done, int timeoutMs = 10000)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

// Names the screens it was asked to print.
class RecordingPrinter final : public ScreenPrinter {
public:
    void printScreen(ScreenWindow& screen) override { printed.push_back(screen.objectName().toStdString()); }
    std::vector<std::string> printed;
};

// Remembers what screens opened on their own ask of the shell; prints through a printer if given one.
class RecordingHost final : public ScreenHost {
public:
    explicit RecordingHost(ScreenPrinter* printer = nullptr)
        : m_printer(printer)
    {
    }

    struct Navigation {
        ScreenId screen;
        std::string control;
        bool operator==(const Navigation&) const = default;
    };

    void navigateFrom(ScreenId screen, std::string_view control) override
    {
        navigations.push_back({screen, std::string(control)});
    }
    void pressSuite(ScreenId screen) override { suitesPressed.push_back(screen); }
    void printScreen(ScreenWindow& screen) override
    {
        printed.push_back(&screen);
        if (m_printer != nullptr) m_printer->printScreen(screen);
    }
    void showInformation(const QString& title, const QString& text) override { informations.emplace_back(title, text); }
    void screenClosedByUser(ScreenId) override { ++closedByUser; }

    std::vector<Navigation> navigations;
    std::vector<ScreenId> suitesPressed;
    std::vector<ScreenWindow*> printed;
    std::vector<std::pair<QString, QString>> informations;
    int closedByUser = 0;

private:
    ScreenPrinter* m_printer;
};

}  // namespace tavelle::testing
