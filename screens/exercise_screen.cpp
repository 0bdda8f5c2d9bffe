#include "screens/exercise_screen.h"

#include <QComboBox>

namespace tavelle {

ExerciseScreen::ExerciseScreen(ScreenHost& screenHost)
    : EntryScreen(ScreenId::Form2, screenHost, QSize(612, 318))
{
    addTitle("Label7", QStringLiteral("Choix de l'énoncé :"));

    constexpr int listLeft = 376;
    constexpr int listWidth = 96;
    const auto row = [&](const char* labelName, const QString& text, const char* listName, int index) {
        const int top = 56 + index * 40;
        return addRow(labelName, text, QRect(24, top - 6, 340, 34), listName,
                      QRect(listLeft, top, listWidth, listHeight));
    };

    QComboBox* pump = row("Label1", QStringLiteral("- Caractéristiques de la pompe à incendie :"), "Combo1", 0);
    row("Label2", QStringLiteral("- Diamètre des tuyaux entre la pompe et la division :"), "Combo2", 1);
    row("Label4", QStringLiteral("- Distance entre la pompe et la division (en mètres)"), "Combo4", 2);
    row("Label16", QStringLiteral("- Nombre de lances établies sur la division :"), "Combo3", 3);
    row("Label3", QStringLiteral("- Pente présente entre la pompe et la division :"), "Combo11", 4);
    addSlopePercent("Label17", "Combo5", "Label18", listLeft + listWidth + 4, 56 + 4 * 40);

    addButtons("Command2", QStringLiteral("Quitter"), listLeft + buttonWidth, 270);
    pump->setFocus();
}

}  // namespace tavelle
