#include "screens/nozzle3_screen.h"

#include "core/list_items.h"

#include <QComboBox>

namespace tavelle {

Nozzle3Screen::Nozzle3Screen(ScreenContext& context)
    : EntryScreen(ScreenId::Lance3, context, QSize(500, 288))
{
    addTitle("Label1", QStringLiteral("Lance 3 :"));

    constexpr int listLeft = 280;
    constexpr int listWidth = 92;
    const auto rowTop = [](int index) { return 52 + index * 40; };
    const auto row = [&](const char* labelName, const QString& text, const char* listName,
                         std::span<const std::string_view> items, int index) {
        return addRow(labelName, text, QRect(16, rowTop(index) - 6, 254, 34), listName, items,
                      QRect(listLeft, rowTop(index), listWidth, listHeight));
    };

    m_type = row("Label2", QStringLiteral("- Type de lance :"), "Combo1", listItems::nozzleTypes, 0);
    m_flow = row("Label4", QStringLiteral("- Débit de la lance en l/min :"), "Combo2", listItems::nozzleFlows, 1);
    m_hoseCount = row("Label11", QStringLiteral("- Nombre de tuyaux entre la lance et la division :"), "Combo4",
                      listItems::hoseCounts, 2);
    m_slopeKind = row("Label5", QStringLiteral("- Pente entre la division et la lance :"), "Combo3",
                      listItems::nozzle3SlopeKinds, 3);
    m_slopePercent = addSlopePercent("Label8", "Combo6", "Label9", listLeft + listWidth + 4, rowTop(3));

    addButtons("Command2", QStringLiteral("<< Retour"), listLeft + listWidth, 232);
    m_type->setFocus();
}

void Nozzle3Screen::pressSuite()
{
    const Nozzle3Choices choices{.type = choice(m_type),
                                 .flow = choice(m_flow),
                                 .hoseCount = choice(m_hoseCount),
                                 .slopeKind = choice(m_slopeKind),
                                 .slopePercent = choice(m_slopePercent)};
    host().finishEntry(screenId(), pressNozzle3Suite(choices, record()));
}

}  // namespace tavelle
