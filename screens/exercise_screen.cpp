#include "screens/exercise_screen.h"

#include "core/list_items.h"
#include "screens/entry_layout.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace tavelle {

ExerciseScreen::ExerciseScreen(ScreenContext& context)
    : ScreenWindow(ScreenId::Form2, context, QSize(612, 318))
{
    makeEntryTitle(addLabel(this, "Label7", QStringLiteral("Choix de l'énoncé :"), QRect(16, 12, 400, 28)));

    constexpr int labelLeft = 24;
    constexpr int labelWidth = 340;
    constexpr int listLeft = 376;
    constexpr int firstRow = 56;
    constexpr int rowStep = 40;
    const auto rowLabel = [&](const char* name, const QString& text, int row) {
        makeRowLabel(addLabel(this, name, text, QRect(labelLeft, firstRow + row * rowStep - 6, labelWidth, 34)));
    };
    const auto rowList = [&](const char* name, std::span<const std::string_view> items, int row, int left,
                             int width) {
        return addList(this, name, items, QRect(left, firstRow + row * rowStep, width, entryListHeight));
    };

    rowLabel("Label1", QStringLiteral("- Caractéristiques de la pompe à incendie :"), 0);
    m_pump = rowList("Combo1", listItems::pumpRatings, 0, listLeft, 96);
    rowLabel("Label2", QStringLiteral("- Diamètre des tuyaux entre la pompe et la division :"), 1);
    m_diameter = rowList("Combo2", listItems::feedDiameters, 1, listLeft, 96);
    rowLabel("Label4", QStringLiteral("- Distance entre la pompe et la division (en mètres)"), 2);
    m_length = rowList("Combo4", listItems::feedLengths, 2, listLeft, 96);
    rowLabel("Label16", QStringLiteral("- Nombre de lances établies sur la division :"), 3);
    m_nozzleCount = rowList("Combo3", listItems::nozzleCounts, 3, listLeft, 96);
    rowLabel("Label3", QStringLiteral("- Pente présente entre la pompe et la division :"), 4);
    m_slopeKind = rowList("Combo11", listItems::feedSlopeKinds, 4, listLeft, 96);
    const int slopeRow = firstRow + 4 * rowStep;
    QLabel* of = addLabel(this, "Label17", QStringLiteral("de"), QRect(listLeft + 100, slopeRow, 24, entryListHeight));
    of->setAlignment(Qt::AlignCenter);
    m_slopePercent = rowList("Combo5", listItems::slopePercents, 4, listLeft + 128, 64);
    QLabel* percent =
        addLabel(this, "Label18", QStringLiteral("%"), QRect(listLeft + 196, slopeRow, 20, entryListHeight));
    percent->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    constexpr int buttonTop = 270;
    addNavigationButton("Command2", QStringLiteral("Quitter"),
                        QRect(listLeft - 112, buttonTop, entryButtonWidth, entryButtonHeight));
    QPushButton* suite = addButton(this, "Command1", QStringLiteral("Suite >>"),
                                   QRect(listLeft, buttonTop, entryButtonWidth, entryButtonHeight));
    connect(suite, &QPushButton::clicked, this, &ExerciseScreen::pressSuite);

    m_pump->setFocus();
}

void ExerciseScreen::pressSuite()
{
    const ExerciseChoices choices{.pumpRating = choice(m_pump),
                                  .feedDiameter = choice(m_diameter),
                                  .feedLength = choice(m_length),
                                  .nozzleCount = choice(m_nozzleCount),
                                  .slopeKind = choice(m_slopeKind),
                                  .slopePercent = choice(m_slopePercent)};
    host().finishEntry(screenId(), pressExerciseSuite(choices, record()));
}

}  // namespace tavelle
