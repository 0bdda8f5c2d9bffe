#include "screens/nozzle2_screen.h"

#include <QComboBox>
#include <QLabel>

namespace tavelle {

Nozzle2Screen::Nozzle2Screen(ScreenHost& screenHost)
    : EntryScreen(ScreenId::Lance2, screenHost, QSize(336, 369))
{
    addTitle("Label1", QStringLiteral("Lance 2 :"));

    constexpr int listLeft = 232;
    constexpr int listWidth = 88;
    const auto row = [&](const char* labelName, const QString& text, const char* listName, int left, int top) {
        return addRow(labelName, text, QRect(left, top - 6, listLeft - 10 - left, 34), listName,
                      QRect(listLeft, top, listWidth, listHeight));
    };

    QComboBox* type = row("Label2", QStringLiteral("- Type de lance :"), "Combo1", 16, 52);
    row("Label3", QStringLiteral("- Débit de la lance en l/min :"), "Combo2", 16, 92);
    row("Label5", QStringLiteral("- Nombre de tuyaux entre la division et la lance :"), "Combo4", 16, 136);
    // The two elevations are indented under their heading.
    QLabel* heading =
        addLabel(this, "Label10", QStringLiteral("- Différence de hauteur entre la division et la lance 2 :"),
                 QRect(16, 176, listLeft + listWidth - 16, 34));
    heading->setWordWrap(true);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row("Label7", QStringLiteral("Cote de la division :"), "Combo6", 40, 220);
    row("Label4", QStringLiteral("Cote de la lance :"), "Combo3", 40, 258);

    addButtons("Command2", QStringLiteral("<< Retour"), listLeft + listWidth, 316);
    type->setFocus();
}

}  // namespace tavelle
