#include "screens/nozzle3_screen.h"

#include "core/list_items.h"
#include "screens/entry_layout.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace tavelle {

Nozzle3Screen::Nozzle3Screen(ScreenContext& context)
    : ScreenWindow(ScreenId::Lance3, context, QSize(500, 288))
{
    makeEntryTitle(addLabel(this, "Label1", QStringLiteral("Lance 3 :"), QRect(16, 12, 200, 28)));

    constexpr int labelLeft = 16;
    constexpr int labelWidth = 254;
    constexpr int listLeft = 280;
    constexpr int listWidth = 92;
    constexpr int firstRow = 52;
    constexpr int rowStep = 40;
    const auto rowTop = [](int index) { return firstRow + index * rowStep; };
    const auto row = [&](const char* labelName, const QString& text, const char* listName,
                         std::span<const std::string_view> items, int index) {
        makeRowLabel(addLabel(this, labelName, text, QRect(labelLeft, rowTop(index) - 6, labelWidth, 34)));
        return addList(this, listName, items, QRect(listLeft, rowTop(index), listWidth, entryListHeight));
    };

    m_type = row("Label2", QStringLiteral("- Type de lance :"), "Combo1", listItems::nozzleTypes, 0);
    m_flow = row("Label4", QStringLiteral("- Débit de la lance en l/min :"), "Combo2", listItems::nozzleFlows, 1);
    m_hoseCount = row("Label11", QStringLiteral("- Nombre de tuyaux entre la lance et la division :"), "Combo4",
                      listItems::hoseCounts, 2);
    // The slope row reads as a sentence: kind "de" percent "%".
    m_slopeKind = row("Label5", QStringLiteral("- Pente entre la division et la lance :"), "Combo3",
                      listItems::nozzle3SlopeKinds, 3);
    const int slopeTop = rowTop(3);
    QLabel* of = addLabel(this, "Label8", QStringLiteral("de"), QRect(listLeft + listWidth + 4, slopeTop, 24,
                                                                         entryListHeight));
    of->setAlignment(Qt::AlignCenter);
    m_slopePercent = addList(this, "Combo6", listItems::slopePercents,
                             QRect(listLeft + listWidth + 32, slopeTop, 64, entryListHeight));
    QLabel* percent = addLabel(this, "Label9", QStringLiteral("%"),
                               QRect(listLeft + listWidth + 100, slopeTop, 20, entryListHeight));
    percent->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    constexpr int buttonTop = 232;
    addNavigationButton("Command2", QStringLiteral("<< Retour"),
                        QRect(listLeft + listWidth - 2 * entryButtonWidth - 12, buttonTop, entryButtonWidth,
                              entryButtonHeight));
    QPushButton* suite = addButton(this, "Command1", QStringLiteral("Suite >>"),
                                   QRect(listLeft + listWidth - entryButtonWidth, buttonTop, entryButtonWidth,
                                         entryButtonHeight));
    connect(suite, &QPushButton::clicked, this, &Nozzle3Screen::pressSuite);

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
