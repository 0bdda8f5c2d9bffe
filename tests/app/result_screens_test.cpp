#include "tests/app/result_screen_support.h"

#include "core/screens/result_labels.h"
#include "core/screens/screen_id.h"
#include "core/trade/entry_rules.h"
#include "core/trade/list_items.h"
#include "screens/final_screen.h"
#include "screens/portion_ab_screen.h"
#include "screens/schematic_screen.h"
#include "screens/screen_factory.h"
#include "screens/statement_screen.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <array>

namespace tavelle::testing {
namespace {

constexpr std::array walkScreens{ScreenId::Don, ScreenId::Dessin, ScreenId::Calculs, ScreenId::Calculs2};

struct ScreenDesign {
    ScreenId id;
    const char* caption;
    QSize clientSize;
    std::array<const char*, 4> buttons;  // Command1 to Command4
};

const ScreenDesign designs[] = {
    {ScreenId::Don, "Problème :", QSize(603, 397), {"Schema >>", "Nouveau problème", "<< Retour", "Imprimer"}},
    {ScreenId::Dessin,
     "Schéma de l'établissement",
     QSize(616, 505),
     {"Calculs >>", "Quitter", "<< Retour", "Imprimer"}},
    {ScreenId::Calculs, "Calcul de la portion AB", QSize(713, 559), {"Suite>>", "Quitter", "<< Retour", "Imprimer"}},
    {ScreenId::Calculs2, "Calculs final", QSize(712, 423), {"Nouvel Exercice", "Quitter", "<< Retour", "Imprimer"}},
};

class ResultScreenDesignTest : public ResultScreenTest, public ::testing::WithParamInterface<ScreenDesign> {};

TEST_P(ResultScreenDesignTest, CaptionSizeAndButtons)
{
    const ScreenDesign& design = GetParam();
    record = enteredRecord(threeNozzles());
    const auto screen = open(design.id);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->objectName().toStdString(), screenName(design.id));
    EXPECT_EQ(screen->windowTitle(), QString::fromUtf8(design.caption));
    EXPECT_EQ(screen->size(), design.clientSize);
    EXPECT_EQ(screen->minimumSize(), design.clientSize);
    EXPECT_EQ(screen->maximumSize(), design.clientSize);
    for (std::size_t i = 0; i < design.buttons.size(); ++i) {
        const QString name = QStringLiteral("Command%1").arg(i + 1);
        const auto* button = screen->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        EXPECT_EQ(button->text(), QString::fromUtf8(design.buttons[i])) << name.toStdString();
        EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 12.0) << name.toStdString();
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8, button->width())
            << name.toStdString() << " does not show its whole caption";
    }
}

TEST_P(ResultScreenDesignTest, PrintButtonAsksTheShellToPrintThisScreen)
{
    record = enteredRecord(twoNozzles());
    const auto screen = open(GetParam().id);
    screen->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
    ASSERT_EQ(host.printed.size(), 1u);
    EXPECT_EQ(host.printed[0], screen.get());
    EXPECT_TRUE(host.navigations.empty());
}

TEST_P(ResultScreenDesignTest, NavigationButtonsHandTheirNameToTheShell)
{
    record = enteredRecord(twoNozzles());
    const ScreenId id = GetParam().id;
    const auto screen = open(id);
    for (const char* name : {"Command1", "Command2", "Command3"})
        screen->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    const std::vector<RecordingHost::Navigation> expected{{id, "Command1"}, {id, "Command2"}, {id, "Command3"}};
    EXPECT_EQ(host.navigations, expected);
    EXPECT_TRUE(host.printed.empty());
}

INSTANTIATE_TEST_SUITE_P(WalkScreens, ResultScreenDesignTest, ::testing::ValuesIn(designs),
                         [](const auto& row) { return std::string(screenName(row.param.id)); });

// Where each label of the result screens lies and in which type, as the screens' designs give them: in
// pixels on the statement and final screens, in twips on the others; inside a frame where one is named.
struct LabelPlace {
    ScreenId screen;
    const char* name;
    const char* frame;  // nullptr: directly on the window
    QRect rect;
    qreal pointSize;  // 0: the window's type
    bool bold = false;
};

QRect pixels(int left, int top, int width, int height)
{
    return QRect(left, top, width, height);
}

const LabelPlace labelPlaces[] = {
    {ScreenId::Don, "Label1", nullptr, pixels(8, 8, 393, 33), 17.25},
    {ScreenId::Don, "Label2", nullptr, pixels(8, 48, 585, 305), 12},

    {ScreenId::Dessin, "Label31", nullptr, twipsRect(1680, 0, 7575, 615), 22.5, true},
    {ScreenId::Dessin, "Label6", nullptr, twipsRect(960, 4560, 255, 495), 15},
    {ScreenId::Dessin, "Label5", nullptr, twipsRect(4440, 4560, 255, 495), 15},
    {ScreenId::Dessin, "Label14", nullptr, twipsRect(8880, 4440, 255, 495), 15},
    {ScreenId::Dessin, "Label1", nullptr, twipsRect(120, 3480, 975, 255), 9.75, true},
    {ScreenId::Dessin, "Label3", nullptr, twipsRect(1320, 3240, 2535, 255), 0},
    {ScreenId::Dessin, "Label4", nullptr, twipsRect(1320, 3720, 2535, 255), 0},
    {ScreenId::Dessin, "Label2", nullptr, twipsRect(1800, 4080, 1575, 255), 0},
    {ScreenId::Dessin, "Label15", nullptr, twipsRect(960, 4440, 3375, 375), 0},
    {ScreenId::Dessin, "Label7", nullptr, twipsRect(8160, 600, 1095, 255), 9.75, true},
    {ScreenId::Dessin, "Label21", nullptr, twipsRect(8160, 1080, 1095, 255), 0},
    {ScreenId::Dessin, "Label8", nullptr, twipsRect(8160, 1320, 1095, 255), 0},
    {ScreenId::Dessin, "Label9", nullptr, twipsRect(5880, 960, 1935, 255), 0},
    {ScreenId::Dessin, "Label11", nullptr, twipsRect(5880, 1320, 1455, 255), 0},
    {ScreenId::Dessin, "Label10", nullptr, twipsRect(7200, 1680, 1935, 255), 0},
    {ScreenId::Dessin, "Label28", nullptr, twipsRect(4560, 1680, 2295, 255), 0},
    {ScreenId::Dessin, "Label12", nullptr, twipsRect(8280, 5520, 975, 255), 9.75, true},
    {ScreenId::Dessin, "Label22", nullptr, twipsRect(8280, 6000, 975, 255), 0},
    {ScreenId::Dessin, "Label19", nullptr, twipsRect(8280, 6240, 975, 255), 0},
    {ScreenId::Dessin, "Label16", nullptr, twipsRect(5160, 5040, 1695, 255), 0},
    {ScreenId::Dessin, "Label17", nullptr, twipsRect(5400, 5400, 2055, 255), 0},
    {ScreenId::Dessin, "Label30", nullptr, twipsRect(7320, 5040, 1815, 255), 0},
    {ScreenId::Dessin, "Label18", nullptr, twipsRect(5880, 5760, 2175, 255), 0},
    {ScreenId::Dessin, "Label20", nullptr, twipsRect(3840, 3240, 1095, 255), 0},
    {ScreenId::Dessin, "Label13", nullptr, twipsRect(8160, 3240, 1095, 255), 9.75, true},
    {ScreenId::Dessin, "Label23", nullptr, twipsRect(8160, 3720, 1095, 255), 0},
    {ScreenId::Dessin, "Label24", nullptr, twipsRect(8160, 3960, 1095, 255), 0},
    {ScreenId::Dessin, "Label25", nullptr, twipsRect(5160, 3360, 1455, 255), 0},
    {ScreenId::Dessin, "Label26", nullptr, twipsRect(5640, 3720, 2175, 255), 0},
    {ScreenId::Dessin, "Label29", nullptr, twipsRect(5640, 3960, 2175, 255), 0},
    {ScreenId::Dessin, "Label27", nullptr, twipsRect(6960, 3360, 1095, 255), 0},

    {ScreenId::Calculs, "Label1", nullptr, twipsRect(240, 120, 10335, 375), 12},
    {ScreenId::Calculs, "Label2", "Frame1", twipsRect(240, 360, 5895, 255), 0},
    {ScreenId::Calculs, "Label15", "Frame1", twipsRect(6120, 360, 4095, 255), 0},
    {ScreenId::Calculs, "Label3", "Frame1", twipsRect(240, 600, 9255, 255), 0},
    {ScreenId::Calculs, "Label4", "Frame1", twipsRect(240, 960, 8775, 255), 0},
    {ScreenId::Calculs, "Label5", "Frame1", twipsRect(120, 1320, 10095, 375), 12},
    {ScreenId::Calculs, "Label6", "Frame2", twipsRect(240, 360, 5895, 255), 0},
    {ScreenId::Calculs, "Label16", "Frame2", twipsRect(6240, 360, 4095, 255), 0},
    {ScreenId::Calculs, "Label7", "Frame2", twipsRect(240, 600, 7215, 255), 0},
    {ScreenId::Calculs, "Label8", "Frame2", twipsRect(240, 1080, 7215, 255), 0},
    {ScreenId::Calculs, "Label9", "Frame2", twipsRect(240, 1440, 10095, 495), 12},
    {ScreenId::Calculs, "Label10", "Frame3", twipsRect(240, 480, 5895, 255), 0},
    {ScreenId::Calculs, "Label17", "Frame3", twipsRect(6240, 360, 4095, 255), 0},
    {ScreenId::Calculs, "Label11", "Frame3", twipsRect(240, 720, 9015, 255), 0},
    {ScreenId::Calculs, "Label12", "Frame3", twipsRect(240, 1080, 9375, 255), 0},
    {ScreenId::Calculs, "Label13", "Frame3", twipsRect(240, 1440, 10095, 375), 12},
    {ScreenId::Calculs, "Label14", nullptr, twipsRect(120, 6720, 10335, 735), 12},

    {ScreenId::Calculs2, "Label2", "Frame1", pixels(8, 24, 393, 17), 0},
    {ScreenId::Calculs2, "Label3", "Frame1", pixels(8, 40, 617, 17), 0},
    {ScreenId::Calculs2, "Label4", "Frame1", pixels(8, 64, 585, 17), 0},
    {ScreenId::Calculs2, "Label5", "Frame1", pixels(8, 88, 673, 25), 12},
    {ScreenId::Calculs2, "Label10", "Frame2", pixels(8, 24, 657, 17), 0},
    {ScreenId::Calculs2, "Label1", "Frame2", pixels(8, 48, 665, 17), 0},
    {ScreenId::Calculs2, "Label6", "Frame2", pixels(8, 72, 681, 17), 0},
    {ScreenId::Calculs2, "Label7", "Frame2", pixels(8, 96, 681, 17), 0},
    {ScreenId::Calculs2, "Label8", "Frame2", pixels(8, 128, 681, 33), 12},
    {ScreenId::Calculs2, "Label9", nullptr, pixels(8, 304, 697, 57), 12},
};

TEST_F(ResultScreenTest, EveryLabelLiesWhereItsDesignPutsItInItsType)
{
    record = enteredRecord(threeNozzles());
    for (const ScreenId id : walkScreens) {
        const auto screen = open(id);
        std::size_t placed = 0;
        for (const LabelPlace& place : labelPlaces) {
            if (place.screen != id) continue;
            ++placed;
            SCOPED_TRACE(std::string(screenName(id)) + " " + place.name);
            const QLabel* shown = label(*screen, place.name);
            ASSERT_NE(shown, nullptr);
            const QWidget* container = shown->parentWidget();
            EXPECT_EQ(container->objectName().toStdString(), place.frame ? place.frame : screenName(id));
            EXPECT_EQ(shown->geometry(), place.rect);
            const qreal pointSize = place.pointSize > 0 ? place.pointSize : screen->font().pointSizeF();
            EXPECT_DOUBLE_EQ(shown->font().pointSizeF(), pointSize);
            EXPECT_EQ(shown->font().bold(), place.bold);
        }
        std::size_t labels = 0;
        for (const QLabel* any : screen->findChildren<QLabel*>())
            if (any->pixmap().isNull()) ++labels;
        EXPECT_EQ(labels, placed) << screenName(id) << " has labels that no design places";
    }
}

struct ExerciseCase {
    const char* name;
    ExerciseInput (*input)();
};

class ResultTextsTest : public ResultScreenTest, public ::testing::WithParamInterface<ExerciseCase> {};

// Each result screen, opened in the order of the walk-through on the record the entry screens left,
// shows exactly what its load gives and leaves the record as the load does.
TEST_P(ResultTextsTest, ScreensShowWhatTheirLoadGives)
{
    record = enteredRecord(GetParam().input());
    ExerciseRecord loaded = record;
    for (ScreenId id : {ScreenId::Don, ScreenId::Dessin, ScreenId::Calculs, ScreenId::Calculs2}) {
        const ScreenLoad load = loadScreen(id, loaded, ",");
        const auto screen = open(id);
        for (const ControlState& state : load) {
            const std::string name(state.name);
            if (state.hasText) {
                EXPECT_EQ(text(*screen, name), state.text) << name;
            }
            EXPECT_EQ(shown(*screen, name.c_str()), state.visible) << name;
        }
    }
    EXPECT_EQ(record, loaded);
}

INSTANTIATE_TEST_SUITE_P(Exercises, ResultTextsTest,
                         ::testing::Values(ExerciseCase{"OneNozzle", oneNozzle}, ExerciseCase{"TwoNozzles", twoNozzles},
                                           ExerciseCase{"ThreeNozzles", threeNozzles}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(ResultScreenTest, StatementWrapsUnderItsHeading)
{
    record = enteredRecord(twoNozzles());
    const auto screen = open<StatementScreen>();
    EXPECT_EQ(text(*screen, "Label1"), "Données du problème :");
    EXPECT_TRUE(label(*screen, statementLabels::statement)->wordWrap());
}

TEST_F(ResultScreenTest, PortionAbKeepsItsThreeFramesWithOneNozzle)
{
    record = enteredRecord(oneNozzle());
    open<SchematicScreen>();
    const auto screen = open<PortionAbScreen>();
    const char* const captions[] = {"Lance1", "Lance2", "Lance3"};
    for (int i = 0; i < 3; ++i) {
        const auto* frame = screen->findChild<QGroupBox*>(QStringLiteral("Frame%1").arg(i + 1));
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->isVisibleTo(screen.get()));
        EXPECT_EQ(frame->title(), QString::fromLatin1(captions[i]));
        EXPECT_TRUE(frame->font().bold());
        EXPECT_DOUBLE_EQ(frame->font().pointSizeF(), 9.75);
    }
}

TEST_F(ResultScreenTest, FinalCalculationInItsTwoFrames)
{
    record = enteredRecord(twoNozzles());
    const auto screen = open<FinalScreen>();
    const auto* feedLine = screen->findChild<QGroupBox*>(QStringLiteral("Frame1"));
    const auto* pump = screen->findChild<QGroupBox*>(QStringLiteral("Frame2"));
    ASSERT_NE(feedLine, nullptr);
    ASSERT_NE(pump, nullptr);
    EXPECT_EQ(feedLine->title(), QStringLiteral("Portion ' BC ' entre la pompe et la division"));
    EXPECT_EQ(pump->title(), QStringLiteral("Pression à la pompe"));
    EXPECT_TRUE(label(*screen, finalLabels::pumpVerdict)->wordWrap());
}

// Exercises that the entry screens accept, running through every item of every list.
std::vector<ExerciseInput> sweepOfExercises()
{
    struct Nozzle {
        const NozzleType* type;
        std::string_view flow;
    };
    std::vector<Nozzle> nozzles;
    for (const NozzleType& type : nozzleTypes)
        for (std::string_view flow : listItems::nozzleFlows)
            if (flowFits(type, std::stof(std::string(flow)))) nozzles.push_back({&type, flow});
    const auto slope = [](std::size_t i, std::string_view kind) {
        return kind == "nulle" ? std::string("0") : std::string(listItems::slopePercents[1 + i % 6]);
    };

    std::vector<ExerciseInput> exercises;
    for (std::size_t i = 0; i < 90; ++i) {
        const std::string_view diameter = listItems::feedDiameters[i % 3];
        std::vector<Nozzle> allowed;
        for (const Nozzle& nozzle : nozzles)
            if (feedFits(*nozzle.type, static_cast<std::int16_t>(std::stoi(std::string(diameter)))))
                allowed.push_back(nozzle);
        const auto nozzle = [&](std::size_t k) { return allowed[(i * 7 + k * 5) % allowed.size()]; };
        const std::string_view height = listItems::nozzle1Heights[i % 19];

        ExerciseInput input;
        const std::string_view kind = listItems::feedSlopeKinds[i % 3];
        input.exercise = {std::string(listItems::pumpRatings[i % 6]),
                          std::string(diameter),
                          std::string(listItems::feedLengths[i % 25]),
                          std::string(listItems::nozzleCounts[i % 3]),
                          std::string(kind),
                          slope(i, kind)};
        const std::string hoses(listItems::hoseCounts[i % 3]);
        const bool outOfReach = heightOutOfReach(static_cast<std::uint8_t>(std::stoi(hoses)),
                                                 static_cast<std::int16_t>(std::stoi(std::string(height))));
        input.nozzle1 = {std::string(nozzle(0).type->name), std::string(nozzle(0).flow), std::string(height),
                         outOfReach ? "3" : hoses};
        input.nozzle2 = {std::string(nozzle(1).type->name), std::string(nozzle(1).flow),
                         std::string(listItems::elevations[i % 5]), std::string(listItems::elevations[(i / 5) % 5]),
                         std::string(listItems::hoseCounts[(i + 1) % 3])};
        const std::string_view kind3 = listItems::nozzle3SlopeKinds[(i / 3) % 3];
        input.nozzle3 = {std::string(nozzle(2).type->name), std::string(nozzle(2).flow),
                         std::string(listItems::hoseCounts[(i + 2) % 3]), std::string(kind3), slope(i + 3, kind3)};
        exercises.push_back(input);
    }
    return exercises;
}

TEST_F(ResultScreenTest, EveryLabelShowsItsWholeText)
{
    const std::vector<ExerciseInput> exercises = sweepOfExercises();
    for (std::size_t i = 0; i < exercises.size(); ++i) {
        SCOPED_TRACE("exercise " + std::to_string(i));
        const bool failedBefore = HasFailure();
        record = enteredRecord(exercises[i], record);
        if (HasFailure() && !failedBefore) return;  // refused by an entry screen: the sweep itself is wrong
        for (const ScreenId id : walkScreens) {
            const auto screen = open(id);
            for (const QLabel* shownLabel : screen->findChildren<QLabel*>()) {
                if (shownLabel->isVisibleTo(screen.get()) && shownLabel->pixmap().isNull()) {
                    EXPECT_TRUE(showsWholeText(*shownLabel)) << "on " << screenName(id);
                }
            }
            for (const QGroupBox* frame : screen->findChildren<QGroupBox*>())
                EXPECT_LE(QFontMetrics(frame->font()).horizontalAdvance(frame->title()), frame->width() - 16);
        }
    }
}

}  // namespace
}  // namespace tavelle::testing
