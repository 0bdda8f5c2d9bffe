#include "screens/nozzle1_screen.h"

#include "core/list_items.h"

#include <QComboBox>

namespace tavelle {

Nozzle1Screen::Nozzle1Screen(ScreenContext& context)
    : EntryScreen(ScreenId::Lance1, context, QSize(383, 305))
{
    addTitle("Label1", QStringLiteral("Lance 1 :"));

    constexpr int listLeft = 276;
    constexpr int listWidth = 92;
    const auto row = [&](const char* labelName, const QString& text, const char* listName,
                         std::span<const std::string_view> items, int index) {
        const int top = 52 + index * 46;
        return addRow(labelName, text, QRect(16, top - 6, 250, 34), listName, items,
                      QRect(listLeft, top, listWidth, listHeight));
    };

    m_type = row("Label2", QStringLiteral("- Type de lance :"), "Combo1", listItems::nozzleTypes, 0);
    m_flow = row("Label3", QStringLiteral("- Débit de la lance en l/min :"), "Combo2", listItems::nozzleFlows, 1);
    m_hoseCount = row("Label7", QStringLiteral("- Nombre de tuyaux entre la division et la lance :"), "Combo4",
                      listItems::hoseCounts, 2);
    m_height = row("Label6", QStringLiteral("- Hauteur de la lance par rapport à la division en mètre :"), "Combo3",
                   listItems::nozzle1Heights, 3);

    addButtons("Command2", QStringLiteral("<< Retour"), listLeft + listWidth, 256);
    m_type->setFocus();
}

void Nozzle1Screen::pressSuite()
{
    const Nozzle1Choices choices{.type = choice(m_type),
                                 .flow = choice(m_flow),
                                 .height = choice(m_height),
                                 .hoseCount = choice(m_hoseCount)};
    host().finishEntry(screenId(), pressNozzle1Suite(choices, record()));
}

}  // namespace tavelle
