#include "screens/final_screen.h"

#include "core/screens/result_labels.h"
#include "screens/loaded_texts.h"

#include <QGroupBox>
#include <QLabel>

namespace tavelle {

namespace {

struct LabelDesign {
    const char* name;
    QRect rect;  // pixels, inside the label's container
    int pointSize = 0;  // 0: the window's type
    bool wrap = false;
};

namespace labels = finalLabels;

const LabelDesign feedLineLabels[] = {
    {labels::j2Line, QRect(8, 24, 393, 17)},
    {labels::lengthLossLine, QRect(8, 40, 617, 17)},
    {labels::slopeLossLine, QRect(8, 64, 585, 17)},
    {labels::bcTotal, QRect(8, 88, 673, 25), 12},
};

const LabelDesign pumpPressureLabels[] = {
    {labels::orificePressure, QRect(8, 24, 657, 17)},
    {labels::jab, QRect(8, 48, 665, 17)},
    {labels::js, QRect(8, 72, 681, 17)},
    {labels::jbc, QRect(8, 96, 681, 17)},
    {labels::pumpPressure, QRect(8, 128, 681, 33), 12},
};

// The verdict runs over several lines.
const LabelDesign verdict{labels::pumpVerdict, QRect(8, 304, 697, 57), 12, true};

}  // namespace

FinalScreen::FinalScreen(ScreenHost& screenHost)
    : ScreenWindow(ScreenId::Calculs2, screenHost, QSize(712, 423))
{
    const auto place = [this](QWidget* parent, const LabelDesign& design) {
        QLabel* label = addLabel(parent, design.name, QString::fromLatin1(design.name), design.rect, design.pointSize);
        prepareResultLabel(*label, Qt::AlignLeft, design.wrap);
        bindForLoad(*label);
    };

    QGroupBox* feedLine =
        addFrame("Frame1", QStringLiteral("Portion ' BC ' entre la pompe et la division"), QRect(8, 0, 697, 121));
    for (const LabelDesign& design : feedLineLabels) place(feedLine, design);

    QGroupBox* pumpPressure = addFrame("Frame2", QStringLiteral("Pression à la pompe"), QRect(8, 128, 697, 169));
    for (const LabelDesign& design : pumpPressureLabels) place(pumpPressure, design);

    place(this, verdict);

    addNavigationButton("Command3", QStringLiteral("<< Retour"), QRect(8, 376, 153, 41), 12);
    addNavigationButton("Command2", QStringLiteral("Quitter"), QRect(184, 376, 153, 41), 12);
    addPrintButton(QRect(360, 376, 153, 41));
    addNavigationButton("Command1", QStringLiteral("Nouvel Exercice"), QRect(536, 376, 153, 41), 12);
}

}  // namespace tavelle
