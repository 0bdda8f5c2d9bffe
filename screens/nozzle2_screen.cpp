#include "screens/nozzle2_screen.h"

#include "core/list_items.h"

#include <QComboBox>
#include <QLabel>

namespace tavelle {

Nozzle2Screen::Nozzle2Screen(ScreenContext& context)
    : EntryScreen(ScreenId::Lance2, context, QSize(336, 369))
{
    addTitle("Label1", QStringLiteral("Lance 2 :"));

    constexpr int listLeft = 232;
    constexpr int listWidth = 88;
    const auto row = [&](const char* labelName, const QString& text, const char* listName,
                         std::span<const std::string_view> items, int left, int top) {
        return addRow(labelName, text, QRect(left, top - 6, listLeft - 10 - left, 34), listName, items,
                      QRect(listLeft, top, listWidth, listHeight));
    };

    m_type = row("Label2", QStringLiteral("- Type de lance :"), "Combo1", listItems::nozzleTypes, 16, 52);
    m_flow = row("Label3", QStringLiteral("- Débit de la lance en l/min :"), "Combo2", listItems::nozzleFlows, 16, 92);
    m_hoseCount = row("Label5", QStringLiteral("- Nombre de tuyaux entre la division et la lance :"), "Combo4",
                      listItems::hoseCounts, 16, 136);
    // The two elevations are indented under their heading.
    QLabel* heading = addLabel(this, "Label10", QStringLiteral("- Différence de hauteur entre la division et la lance 2 :"),
                               QRect(16, 176, listLeft + listWidth - 16, 34));
    heading->setWordWrap(true);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_divisionElevation = row("Label7", QStringLiteral("Cote de la division :"), "Combo6", listItems::elevations, 40, 220);
    m_nozzleElevation = row("Label4", QStringLiteral("Cote de la lance :"), "Combo3", listItems::elevations, 40, 258);

    addButtons("Command2", QStringLiteral("<< Retour"), listLeft + listWidth, 316);
    m_type->setFocus();
}

void Nozzle2Screen::pressSuite()
{
    const Nozzle2Choices choices{.type = choice(m_type),
                                 .flow = choice(m_flow),
                                 .nozzleElevation = choice(m_nozzleElevation),
                                 .divisionElevation = choice(m_divisionElevation),
                                 .hoseCount = choice(m_hoseCount)};
    host().finishEntry(screenId(), pressNozzle2Suite(choices, record()));
}

}  // namespace tavelle
