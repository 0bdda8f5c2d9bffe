#pragma once

#include "core/screens/screen_id.h"

#include <string_view>

class QString;

namespace tavelle {

class ScreenWindow;

// What a screen asks of the application shell. Screens never open or close windows themselves.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;

    // A navigation button was pressed: the shell closes the screen and opens what the flow names.
    virtual void navigateFrom(ScreenId screen, std::string_view control) = 0;
    // "Suite >>" of an entry screen was pressed: the shell takes the screen's choices to the entry rules.
    virtual void pressSuite(ScreenId screen) = 0;
    // "Imprimer": prints the screen without its buttons; the screen stays open.
    virtual void printScreen(ScreenWindow& screen) = 0;
    // A modal information box (the schematic's logo).
    virtual void showInformation(const QString& title, const QString& text) = 0;
    // The open screen was closed through its window frame.
    virtual void screenClosedByUser(ScreenId screen) = 0;
};

}  // namespace tavelle
