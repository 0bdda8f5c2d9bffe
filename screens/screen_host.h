#pragma once

#include "core/entry_rules.h"
#include "core/exercise_record.h"
#include "core/screen_id.h"

#include <string>
#include <string_view>

class QString;
class QWidget;

namespace tavelle {

// What a screen asks of the application shell. Screens never open or close windows themselves.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;

    // A navigation button was pressed: the shell closes the screen and opens what the flow names.
    virtual void navigateFrom(ScreenId screen, std::string_view control) = 0;
    // "Suite >>" of an entry screen was pressed and the record written: the shell closes the
    // screen, shows the warnings one after the other, then opens outcome.next.
    virtual void finishEntry(ScreenId screen, const PressOutcome& outcome) = 0;
    // "Imprimer": prints the screen without its four buttons; the screen stays open.
    virtual void printScreen(QWidget& screen) = 0;
    // A modal information box (the schematic's logo).
    virtual void showInformation(const QString& title, const QString& text) = 0;
    // The open screen was closed through its window frame.
    virtual void screenClosedByUser(ScreenId screen) = 0;
};

// Everything a screen needs: the one record of the run, the shell, the user's decimal separator.
struct ScreenContext {
    ExerciseRecord& record;
    ScreenHost& host;
    std::string decimalSeparator;
};

}  // namespace tavelle
