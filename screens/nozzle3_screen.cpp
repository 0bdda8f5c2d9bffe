#include "screens/nozzle3_screen.h"

#include <QComboBox>

namespace tavelle {

Nozzle3Screen::Nozzle3Screen(ScreenHost& screenHost)
    : EntryScreen(ScreenId::Lance3, screenHost, QSize(500, 288))
{
    addTitle("Label1", QStringLiteral("Lance 3 :"));

    constexpr int listLeft = 280;
    constexpr int listWidth = 92;
    const auto rowTop = [](int index) { return 52 + index * 40; };
    const auto row = [&](const char* labelName, const QString& text, const char* listName, int index) {
        return addRow(labelName, text, QRect(16, rowTop(index) - 6, 254, 34), listName,
                      QRect(listLeft, rowTop(index), listWidth, listHeight));
    };

    QComboBox* type = row("Label2", QStringLiteral("- Type de lance :"), "Combo1", 0);
    row("Label4", QStringLiteral("- Débit de la lance en l/min :"), "Combo2", 1);
    row("Label11", QStringLiteral("- Nombre de tuyaux entre la lance et la division :"), "Combo4", 2);
    row("Label5", QStringLiteral("- Pente entre la division et la lance :"), "Combo3", 3);
    addSlopePercent("Label8", "Combo6", "Label9", listLeft + listWidth + 4, rowTop(3));

    addButtons("Command2", QStringLiteral("<< Retour"), listLeft + listWidth, 232);
    type->setFocus();
}

}  // namespace tavelle
