#pragma once

#include "screens/screen_window.h"

namespace tavelle {

// "Schéma de l'établissement": a top view of the layout, labelled with the exercise's values.
// Its load also derives the nozzle pressures, hose diameters and total flow into the record.
class SchematicScreen : public ScreenWindow {
    Q_OBJECT
public:
    explicit SchematicScreen(ScreenHost& screenHost);

private:
    void addDrawing();
    void addLabels();
    void addLogo();
    void addButtons();
};

}  // namespace tavelle
