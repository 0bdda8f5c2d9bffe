#include "screens/exercise_screen.h"

#include "core/list_items.h"

#include <QComboBox>

namespace tavelle {

ExerciseScreen::ExerciseScreen(ScreenContext& context)
    : EntryScreen(ScreenId::Form2, context, QSize(612, 318))
{
    addTitle("Label7", QStringLiteral("Choix de l'énoncé :"));

    constexpr int listLeft = 376;
    constexpr int listWidth = 96;
    const auto row = [&](const char* labelName, const QString& text, const char* listName,
                         std::span<const std::string_view> items, int index) {
        const int top = 56 + index * 40;
        return addRow(labelName, text, QRect(24, top - 6, 340, 34), listName, items,
                      QRect(listLeft, top, listWidth, listHeight));
    };

    m_pump = row("Label1", QStringLiteral("- Caractéristiques de la pompe à incendie :"), "Combo1",
                 listItems::pumpRatings, 0);
    m_diameter = row("Label2", QStringLiteral("- Diamètre des tuyaux entre la pompe et la division :"), "Combo2",
                     listItems::feedDiameters, 1);
    m_length = row("Label4", QStringLiteral("- Distance entre la pompe et la division (en mètres)"), "Combo4",
                   listItems::feedLengths, 2);
    m_nozzleCount = row("Label16", QStringLiteral("- Nombre de lances établies sur la division :"), "Combo3",
                        listItems::nozzleCounts, 3);
    m_slopeKind = row("Label3", QStringLiteral("- Pente présente entre la pompe et la division :"), "Combo11",
                      listItems::feedSlopeKinds, 4);
    m_slopePercent = addSlopePercent("Label17", "Combo5", "Label18", listLeft + listWidth + 4, 56 + 4 * 40);

    addButtons("Command2", QStringLiteral("Quitter"), listLeft + buttonWidth, 270);
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
