#include "screens/portion_ab_screen.h"

#include "core/screens/result_labels.h"
#include "screens/loaded_texts.h"

#include <QGroupBox>
#include <QLabel>

namespace tavelle {

namespace {

struct LabelDesign {
    const char* name;
    int left, top, width, height;  // twips, inside the label's container
    int pointSize = 0;  // 0: the window's type
    bool wrap = false;
};

struct FrameDesign {
    const char* name;
    const char* caption;
    int left, top, width, height;  // twips
    LabelDesign labels[5];
};

constexpr const portionAbLabels::Branch& nozzle1 = portionAbLabels::branches[0];
constexpr const portionAbLabels::Branch& nozzle2 = portionAbLabels::branches[1];
constexpr const portionAbLabels::Branch& nozzle3 = portionAbLabels::branches[2];

const FrameDesign frames[] = {
    {"Frame1",
     "Lance1",
     120,
     480,
     10455,
     1815,
     {{nozzle1.j2Line, 240, 360, 5895, 255},
      {nozzle1.orificePressure, 6120, 360, 4095, 255},
      {nozzle1.hoseLossLine, 240, 600, 9255, 255},
      {nozzle1.heightLine, 240, 960, 8775, 255},
      {nozzle1.branchTotal, 120, 1320, 10095, 375, 12}}},
    {"Frame2",
     "Lance2",
     120,
     2400,
     10455,
     2055,
     {{nozzle2.j2Line, 240, 360, 5895, 255},
      {nozzle2.orificePressure, 6240, 360, 4095, 255},
      {nozzle2.hoseLossLine, 240, 600, 7215, 255},
      {nozzle2.heightLine, 240, 1080, 7215, 255},
      {nozzle2.branchTotal, 240, 1440, 10095, 495, 12}}},
    {"Frame3",
     "Lance3",
     120,
     4560,
     10455,
     2055,
     {{nozzle3.j2Line, 240, 480, 5895, 255},
      {nozzle3.orificePressure, 6240, 360, 4095, 255},
      {nozzle3.hoseLossLine, 240, 720, 9015, 255},
      {nozzle3.heightLine, 240, 1080, 9375, 255},
      {nozzle3.branchTotal, 240, 1440, 10095, 375, 12}}},
};

const LabelDesign heading{portionAbLabels::heading, 240, 120, 10335, 375, 12};
// The conclusion is longer than one line of its width.
const LabelDesign conclusion{portionAbLabels::worstNozzle, 120, 6720, 10335, 735, 12, true};

}  // namespace

PortionAbScreen::PortionAbScreen(ScreenHost& screenHost)
    : ScreenWindow(ScreenId::Calculs, screenHost, QSize(twips(10695), twips(8385)))
{
    const auto place = [this](QWidget* parent, const LabelDesign& design) {
        QLabel* label = addLabel(parent, design.name, QString::fromLatin1(design.name),
                                 twipsRect(design.left, design.top, design.width, design.height), design.pointSize);
        prepareResultLabel(*label, Qt::AlignLeft, design.wrap);
        bindForLoad(*label);
    };

    place(this, heading);
    for (const FrameDesign& design : frames) {
        QGroupBox* frame = addFrame(design.name, QString::fromLatin1(design.caption),
                                    twipsRect(design.left, design.top, design.width, design.height));
        for (const LabelDesign& label : design.labels) place(frame, label);
    }
    place(this, conclusion);

    const int top = 7680;
    const int height = 615;
    addNavigationButton("Command3", QStringLiteral("<< Retour"), twipsRect(120, top, 2175, height), 12);
    addNavigationButton("Command2", QStringLiteral("Quitter"), twipsRect(2640, top, 2535, height), 12);
    addPrintButton(twipsRect(5520, top, 2535, height));
    addNavigationButton("Command1", QStringLiteral("Suite>>"), twipsRect(8400, top, 2175, height), 12);
}

}  // namespace tavelle
