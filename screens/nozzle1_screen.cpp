#include "screens/nozzle1_screen.h"

#include "core/list_items.h"
#include "screens/entry_layout.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace tavelle {

Nozzle1Screen::Nozzle1Screen(ScreenContext& context)
    : ScreenWindow(ScreenId::Lance1, context, QSize(383, 305))
{
    makeEntryTitle(addLabel(this, "Label1", QStringLiteral("Lance 1 :"), QRect(16, 12, 200, 28)));

    constexpr int labelLeft = 16;
    constexpr int labelWidth = 250;
    constexpr int listLeft = 276;
    constexpr int listWidth = 92;
    constexpr int firstRow = 52;
    constexpr int rowStep = 46;
    const auto row = [&](const char* labelName, const QString& text, const char* listName,
                         std::span<const std::string_view> items, int index) {
        const int top = firstRow + index * rowStep;
        makeRowLabel(addLabel(this, labelName, text, QRect(labelLeft, top - 6, labelWidth, 34)));
        return addList(this, listName, items, QRect(listLeft, top, listWidth, entryListHeight));
    };

    m_type = row("Label2", QStringLiteral("- Type de lance :"), "Combo1", listItems::nozzleTypes, 0);
    m_flow = row("Label3", QStringLiteral("- Débit de la lance en l/min :"), "Combo2", listItems::nozzleFlows, 1);
    m_hoseCount = row("Label7", QStringLiteral("- Nombre de tuyaux entre la division et la lance :"), "Combo4",
                      listItems::hoseCounts, 2);
    m_height = row("Label6", QStringLiteral("- Hauteur de la lance par rapport à la division en mètre :"), "Combo3",
                   listItems::nozzle1Heights, 3);

    constexpr int buttonTop = 256;
    addNavigationButton("Command2", QStringLiteral("<< Retour"),
                        QRect(listLeft + listWidth - 2 * entryButtonWidth - 12, buttonTop, entryButtonWidth,
                              entryButtonHeight));
    QPushButton* suite = addButton(this, "Command1", QStringLiteral("Suite >>"),
                                   QRect(listLeft + listWidth - entryButtonWidth, buttonTop, entryButtonWidth,
                                         entryButtonHeight));
    connect(suite, &QPushButton::clicked, this, &Nozzle1Screen::pressSuite);

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
