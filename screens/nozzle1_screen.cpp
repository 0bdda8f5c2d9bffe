#include "screens/nozzle1_screen.h"

#include <QComboBox>

namespace tavelle {

Nozzle1Screen::Nozzle1Screen(ScreenHost& screenHost)
    : EntryScreen(ScreenId::Lance1, screenHost, QSize(383, 305))
{
    addTitle("Label1", QStringLiteral("Lance 1 :"));

    constexpr int listLeft = 276;
    constexpr int listWidth = 92;
    const auto row = [&](const char* labelName, const QString& text, const char* listName, int index) {
        const int top = 52 + index * 46;
        return addRow(labelName, text, QRect(16, top - 6, 250, 34), listName,
                      QRect(listLeft, top, listWidth, listHeight));
    };

    QComboBox* type = row("Label2", QStringLiteral("- Type de lance :"), "Combo1", 0);
    row("Label3", QStringLiteral("- Débit de la lance en l/min :"), "Combo2", 1);
    row("Label7", QStringLiteral("- Nombre de tuyaux entre la division et la lance :"), "Combo4", 2);
    row("Label6", QStringLiteral("- Hauteur de la lance par rapport à la division en mètre :"), "Combo3", 3);

    addButtons("Command2", QStringLiteral("<< Retour"), listLeft + listWidth, 256);
    type->setFocus();
}

}  // namespace tavelle
