#include "screens/schematic_screen.h"

#include "core/screens/about_texts.h"
#include "core/screens/result_labels.h"
#include "core/trade/schematic.h"
#include "screens/artwork.h"
#include "screens/clickable_picture.h"
#include "screens/line_item.h"
#include "screens/loaded_texts.h"
#include "screens/shape_item.h"
#include "screens/sharp_picture.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace tavelle {

namespace {

namespace values = schematicLabels;
constexpr const values::Nozzle& nozzle1 = values::nozzles[0];
constexpr const values::Nozzle& nozzle2 = values::nozzles[1];
constexpr const values::Nozzle& nozzle3 = values::nozzles[2];

const QColor black(0, 0, 0);
const QColor darkGrey(64, 64, 64);
const QColor brown(128, 64, 0);
const QColor red(192, 0, 0);
const QColor green(0, 128, 0);
const QColor blue(0, 0, 255);

struct LineDesign {
    const char* name;
    int x1, y1, x2, y2;  // twips
    QColor colour;
    int width;
};

// Drawn first, so that the labels lie above them.
const LineDesign lines[] = {
    {"Line1", 1080, 3600, 4560, 3600, blue, 3},
    {nozzle1.hoseLine, 4560, 3600, 8160, 960, blue, 2},
    {nozzle1.nozzleLine, 8160, 960, 8280, 960, black, 5},
    {nozzle2.hoseLine, 4560, 3600, 8280, 5880, blue, 2},
    {nozzle2.nozzleLine, 8280, 5880, 8400, 5880, black, 5},
    {nozzle3.hoseLine, 4560, 3600, 8160, 3600, blue, 2},
    {nozzle3.nozzleLine, 8160, 3600, 8280, 3600, black, 5},
    {"Line10", 1080, 4200, 1080, 4440, black, 1},
    {"Line11", 1080, 4320, 4560, 4320, black, 1},
    {"Line12", 4560, 4200, 4560, 4440, black, 1},
};

struct LabelDesign {
    const char* name;
    const char* text;  // the design caption; replaced at load unless fixed
    int left, top, width, height;  // twips
    QColor colour;
    Qt::Alignment alignment = Qt::AlignLeft;
    qreal pointSize = 0;  // 0: the window's type
    bool bold = false;
};

const LabelDesign labels[] = {
    {"Label31", "Schéma indicatif : Vue de dessus", 1680, 0, 7575, 615, black, Qt::AlignHCenter, 22.5, true},
    {"Label6", "C", 960, 4560, 255, 495, black, Qt::AlignLeft, 15},
    {"Label5", "B", 4440, 4560, 255, 495, black, Qt::AlignLeft, 15},
    {"Label14", "A", 8880, 4440, 255, 495, black, Qt::AlignLeft, 15},
    {values::pumpRating, values::pumpRating, 120, 3480, 975, 255, black, Qt::AlignHCenter, 9.75, true},
    {values::feedDiameter, values::feedDiameter, 1320, 3240, 2535, 255, black, Qt::AlignHCenter},
    {values::totalFlow, values::totalFlow, 1320, 3720, 2535, 255, black, Qt::AlignHCenter},
    {values::feedLength, values::feedLength, 1800, 4080, 1575, 255, black, Qt::AlignHCenter},
    {values::feedSlope, values::feedSlope, 960, 4440, 3375, 375, darkGrey, Qt::AlignHCenter},
    {nozzle1.caption, "Lance 1", 8160, 600, 1095, 255, brown, Qt::AlignLeft, 9.75, true},
    {nozzle1.type, nozzle1.type, 8160, 1080, 1095, 255, brown},
    {nozzle1.pressure, nozzle1.pressure, 8160, 1320, 1095, 255, brown},
    {nozzle1.hoseLength, nozzle1.hoseLength, 5880, 960, 1935, 255, brown, Qt::AlignRight},
    {nozzle1.height, nozzle1.height, 5880, 1320, 1455, 255, brown, Qt::AlignRight},
    {nozzle1.flow, nozzle1.flow, 7200, 1680, 1935, 255, brown},
    {nozzle1.hoseDiameter, nozzle1.hoseDiameter, 4560, 1680, 2295, 255, brown, Qt::AlignRight},
    {nozzle2.caption, "Lance 2", 8280, 5520, 975, 255, red, Qt::AlignLeft, 9.75, true},
    {nozzle2.type, nozzle2.type, 8280, 6000, 975, 255, red},
    {nozzle2.pressure, nozzle2.pressure, 8280, 6240, 975, 255, red},
    {nozzle2.hoseLength, nozzle2.hoseLength, 5160, 5040, 1695, 255, red, Qt::AlignRight},
    {nozzle2.flow, nozzle2.flow, 5400, 5400, 2055, 255, red, Qt::AlignRight},
    {nozzle2.hoseDiameter, nozzle2.hoseDiameter, 7320, 5040, 1815, 255, red},
    {nozzle2.height, nozzle2.height, 5880, 5760, 2175, 255, red, Qt::AlignRight},
    {values::divisionElevation, values::divisionElevation, 3840, 3240, 1095, 255, black},
    {nozzle3.caption, "Lance 3", 8160, 3240, 1095, 255, green, Qt::AlignLeft, 9.75, true},
    {nozzle3.type, nozzle3.type, 8160, 3720, 1095, 255, green},
    {nozzle3.pressure, nozzle3.pressure, 8160, 3960, 1095, 255, green},
    {nozzle3.hoseLength, nozzle3.hoseLength, 5160, 3360, 1455, 255, green, Qt::AlignHCenter},
    {nozzle3.flow, nozzle3.flow, 5640, 3720, 2175, 255, green, Qt::AlignHCenter},
    {nozzle3.hoseDiameter, nozzle3.hoseDiameter, 5640, 3960, 2175, 255, green, Qt::AlignHCenter},
    {nozzle3.height, nozzle3.height, 6960, 3360, 1095, 255, green},
};

}  // namespace

SchematicScreen::SchematicScreen(ScreenHost& screenHost)
    : ScreenWindow(ScreenId::Dessin, screenHost, QSize(twips(9240), twips(7575)))
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    addDrawing();
    addLabels();
    addLogo();
    addButtons();
    // The picture answers Tab too, but the window still opens with the focus on the first button.
    findChild<QPushButton*>(QStringLiteral("Command3"))->setFocus();
}

void SchematicScreen::addDrawing()
{
    new ShapeItem(this, "Shape1", ShapeKind::RoundedRectangle, twipsRect(120, 3240, 975, 735), red);
    new ShapeItem(this, "Shape2", ShapeKind::Circle, twipsRect(4440, 3480, 255, 255), QColor(32, 32, 32));
    for (const LineDesign& line : lines) {
        bindForLoad(*new LineItem(this, line.name, QPoint(twips(line.x1), twips(line.y1)),
                                  QPoint(twips(line.x2), twips(line.y2)), line.colour, line.width));
    }
}

void SchematicScreen::addLabels()
{
    for (const LabelDesign& design : labels) {
        QLabel* label =
            addLabel(this, design.name, QString::fromUtf8(design.text),
                     twipsRect(design.left, design.top, design.width, design.height), design.pointSize, design.bold);
        setTextColour(*label, design.colour);
        prepareResultLabel(*label, design.alignment);
        bindForLoad(*label);
    }
}

void SchematicScreen::addLogo()
{
    auto* logo = new ClickablePicture(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(twipsRect(0, 0, 1680, 1620));
    showSharpPicture(*logo, logoArtwork);
    logo->setToolTip(toQString(aboutTexts::logoTooltip));
    logo->setAccessibleName(toQString(aboutTexts::logoTooltip));
    connect(logo, &ClickablePicture::clicked, this, [this] {
        host().showInformation(QStringLiteral("Pour des Infos"),
                               QStringLiteral("Site internet ") + toQString(aboutTexts::webSite));
    });
}

void SchematicScreen::addButtons()
{
    const int top = 6840;
    const int height = 615;
    addNavigationButton("Command3", QStringLiteral("<< Retour"), twipsRect(240, top, 1935, height), 12);
    addNavigationButton("Command2", QStringLiteral("Quitter"), twipsRect(2280, top, 2295, height), 12);
    QPushButton* print = addPrintButton(twipsRect(4680, top, 2295, height));
    print->setToolTip(QStringLiteral("Impression sur votre imprimante par défaut"));
    addNavigationButton("Command1", QStringLiteral("Calculs >>"), twipsRect(7080, top, 1935, height), 12);
}

}  // namespace tavelle
