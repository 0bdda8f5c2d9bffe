#include "tests/app/app_fixture.h"
#include "tests/app/result_screen_support.h"

#include <QCoreApplication>

#include "core/screens/about_texts.h"
#include "core/screens/result_labels.h"
#include "screens/line_item.h"
#include "screens/schematic_screen.h"
#include "screens/shape_item.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <span>

namespace tavelle::testing {
namespace {

namespace values = schematicLabels;
constexpr const values::Nozzle& nozzle1 = values::nozzles[0];
constexpr const values::Nozzle& nozzle2 = values::nozzles[1];
constexpr const values::Nozzle& nozzle3 = values::nozzles[2];

const char* const nozzle2Controls[] = {nozzle2.caption, nozzle2.type,         nozzle2.pressure, nozzle2.hoseLength,
                                       nozzle2.flow,    nozzle2.hoseDiameter, nozzle2.hoseLine, nozzle2.nozzleLine};
const char* const nozzle3Controls[] = {nozzle3.caption,    nozzle3.type,     nozzle3.pressure,
                                       nozzle3.hoseLength, nozzle3.flow,     nozzle3.hoseDiameter,
                                       nozzle3.height,     nozzle3.hoseLine, nozzle3.nozzleLine};
const char* const elevationLabels[] = {nozzle2.height, values::divisionElevation};
const char* const alwaysShown[] = {"Image1",
                                   "Shape1",
                                   "Shape2",
                                   "Line1",
                                   nozzle1.hoseLine,
                                   nozzle1.nozzleLine,
                                   "Line10",
                                   "Line11",
                                   "Line12",
                                   "Label31",
                                   "Label6",
                                   "Label5",
                                   "Label14",
                                   values::pumpRating,
                                   values::feedDiameter,
                                   values::totalFlow,
                                   values::feedLength,
                                   nozzle1.caption,
                                   nozzle1.type,
                                   nozzle1.pressure,
                                   nozzle1.hoseLength,
                                   nozzle1.flow,
                                   nozzle1.hoseDiameter,
                                   "Command1",
                                   "Command2",
                                   "Command3",
                                   "Command4"};

ExerciseInput withFeedSlope(ExerciseInput input, const char* kind, const char* percent)
{
    input.exercise.slopeKind = kind;
    input.exercise.slopePercent = percent;
    return input;
}

class SchematicScreenTest : public ResultScreenTest {
protected:
    std::unique_ptr<SchematicScreen> openOn(const ExerciseInput& input)
    {
        record = enteredRecord(input, record);
        return open<SchematicScreen>();
    }

    void expectShown(SchematicScreen& screen, std::span<const char* const> names, bool visible)
    {
        for (const char* name : names) EXPECT_EQ(shown(screen, name), visible) << name;
    }
};

TEST_F(SchematicScreenTest, OneNozzleAfterAFreshStart)
{
    ExerciseInput input = oneNozzle();
    input.nozzle1 = {"40/14", "250", "0", "2"};
    const auto screen = openOn(input);

    EXPECT_EQ(record.nozzle1Pressure, 3.5f);
    EXPECT_EQ(record.nozzle1HoseDiameter, 45);
    EXPECT_EQ(record.totalFlow, 250.0f);
    EXPECT_EQ(text(*screen, nozzle1.pressure), "Po = 3,5 b");
    EXPECT_EQ(text(*screen, nozzle1.hoseLength), "L = 40m");
    EXPECT_EQ(text(*screen, nozzle1.hoseDiameter), "diamètre = 45mm");
    EXPECT_EQ(text(*screen, nozzle1.type), "40/14");
    EXPECT_EQ(text(*screen, nozzle1.flow), "débit = 250L/min");
    EXPECT_EQ(text(*screen, values::pumpRating), "1000/10");
    EXPECT_EQ(text(*screen, values::feedLength), "L = 100m");
    EXPECT_EQ(text(*screen, values::feedDiameter), "diamètre = 45mm");
    EXPECT_EQ(text(*screen, values::totalFlow), "débit = 250L/min");

    expectShown(*screen, alwaysShown, true);
    expectShown(*screen, nozzle2Controls, false);
    expectShown(*screen, nozzle3Controls, false);
    expectShown(*screen, elevationLabels, false);
    EXPECT_FALSE(shown(*screen, nozzle1.height));  // height 0
    EXPECT_FALSE(shown(*screen, values::feedSlope));  // no feed slope
}

struct ElevationCase {
    const char* nozzle;
    const char* division;
    bool labelled;
};

class SchematicElevationTest : public SchematicScreenTest, public ::testing::WithParamInterface<ElevationCase> {};

TEST_P(SchematicElevationTest, TwoNozzlesShowTheSecondBranchAndTheElevationsOnlyWhenTheyDiffer)
{
    ExerciseInput input = twoNozzles();
    input.nozzle2.nozzleElevation = GetParam().nozzle;
    input.nozzle2.divisionElevation = GetParam().division;
    const auto screen = openOn(input);

    expectShown(*screen, alwaysShown, true);
    expectShown(*screen, nozzle2Controls, true);
    expectShown(*screen, nozzle3Controls, false);
    expectShown(*screen, elevationLabels, GetParam().labelled);
    EXPECT_EQ(text(*screen, nozzle2.height), std::string("cote = ") + GetParam().nozzle);
    EXPECT_EQ(text(*screen, values::divisionElevation), std::string("cote = ") + GetParam().division);
    EXPECT_EQ(text(*screen, nozzle2.type), "40/14");
    EXPECT_EQ(text(*screen, nozzle2.pressure), "Po = 3,5 b");
    EXPECT_EQ(text(*screen, nozzle2.hoseLength), "L = 20m");
    EXPECT_EQ(text(*screen, nozzle2.flow), "débit = 250L/min");
    EXPECT_EQ(text(*screen, nozzle2.hoseDiameter), "diamètre = 45mm");
    EXPECT_EQ(text(*screen, values::totalFlow), "débit = 750L/min");
}

INSTANTIATE_TEST_SUITE_P(Elevations, SchematicElevationTest,
                         ::testing::Values(ElevationCase{"326", "310", true}, ElevationCase{"310", "310", false},
                                           ElevationCase{"310", "330", true}));

struct FeedSlopeCase {
    const char* kind;
    const char* percent;
    const char* label;  // nullptr: hidden
};

class SchematicFeedSlopeTest : public SchematicScreenTest, public ::testing::WithParamInterface<FeedSlopeCase> {};

TEST_P(SchematicFeedSlopeTest, FeedSlopeIsLabelledOnlyWhenThereIsOne)
{
    const auto screen = openOn(withFeedSlope(threeNozzles(), GetParam().kind, GetParam().percent));
    const bool labelled = GetParam().label != nullptr;
    EXPECT_EQ(shown(*screen, values::feedSlope), labelled);
    if (labelled) {
        EXPECT_EQ(text(*screen, values::feedSlope), GetParam().label);
    }
    EXPECT_TRUE(shown(*screen, nozzle3.height));  // nozzle 3's own slope is not the feed line's
}

INSTANTIATE_TEST_SUITE_P(FeedSlopes, SchematicFeedSlopeTest,
                         ::testing::Values(FeedSlopeCase{"négative", "5", "Z = -5 %"},
                                           FeedSlopeCase{"positive", "12", "Z = 12 %"},
                                           FeedSlopeCase{"nulle", "0", nullptr}));

TEST_F(SchematicScreenTest, FirstNozzleHeightIsLabelledOnlyAboveTheDivision)
{
    ExerciseInput input = oneNozzle();
    input.nozzle1.height = "5";
    auto screen = openOn(input);
    EXPECT_TRUE(shown(*screen, nozzle1.height));
    EXPECT_EQ(text(*screen, nozzle1.height), "Z = 5m");

    input.nozzle1.height = "0";
    screen = openOn(input);
    EXPECT_FALSE(shown(*screen, nozzle1.height));
}

TEST_F(SchematicScreenTest, ThreeNozzlesShowEveryBranch)
{
    ExerciseInput input = threeNozzles();
    input.nozzle1 = {"65/18", "500", "0", "2"};
    input.nozzle2 = {"100/25", "1000", "310", "310", "1"};
    const auto screen = openOn(input);

    expectShown(*screen, alwaysShown, true);
    expectShown(*screen, nozzle2Controls, true);
    expectShown(*screen, nozzle3Controls, true);
    expectShown(*screen, elevationLabels, false);
    EXPECT_EQ(text(*screen, nozzle1.pressure), "Po = 5,7 b");
    EXPECT_EQ(text(*screen, nozzle2.pressure), "Po = 6,1 b");
    EXPECT_EQ(text(*screen, nozzle3.pressure), "Po = 6 b");
    EXPECT_EQ(text(*screen, nozzle1.hoseDiameter), "diamètre = 70mm");
    EXPECT_EQ(text(*screen, nozzle2.hoseDiameter), "diamètre = 110mm");
    EXPECT_EQ(text(*screen, nozzle3.hoseDiameter), "diamètre = 70mm");
    EXPECT_EQ(text(*screen, nozzle3.type), "LDV 1000");
    EXPECT_EQ(text(*screen, nozzle3.hoseLength), "L = 60m");
    EXPECT_EQ(text(*screen, nozzle3.flow), "débit = 750L/min");
    EXPECT_EQ(text(*screen, nozzle3.height), "Z = -5 %");
    EXPECT_EQ(text(*screen, values::totalFlow), "débit = 2250L/min");
}

TEST_F(SchematicScreenTest, ThirdNozzleOnTheLevelHasNoSlopeLabel)
{
    ExerciseInput input = threeNozzles();
    input.nozzle3.slopeKind = "nulle";
    input.nozzle3.slopePercent = "0";
    const auto screen = openOn(input);
    EXPECT_FALSE(shown(*screen, nozzle3.height));
    for (const char* name : {nozzle3.caption, nozzle3.type, nozzle3.pressure, nozzle3.hoseLength, nozzle3.flow,
                             nozzle3.hoseDiameter, nozzle3.hoseLine, nozzle3.nozzleLine})
        EXPECT_TRUE(shown(*screen, name)) << name;
}

TEST_F(SchematicScreenTest, OneNozzleAfterThreeInTheSameRun)
{
    openOn(threeNozzles());
    const auto screen = openOn(oneNozzle());
    EXPECT_EQ(record.totalFlow, record.nozzle1Flow);
    EXPECT_EQ(record.nozzle2Pressure, 5.7f);  // the stale types still derive their values
    EXPECT_EQ(record.nozzle3HoseDiameter, 70);
    expectShown(*screen, nozzle2Controls, false);
    expectShown(*screen, nozzle3Controls, false);
    expectShown(*screen, elevationLabels, false);
}

TEST_F(SchematicScreenTest, ReopeningRecomputesFromTheRecord)
{
    const auto first = openOn(threeNozzles());
    const ExerciseRecord afterFirst = record;
    const auto second = open<SchematicScreen>();
    EXPECT_EQ(record, afterFirst);
    for (const QLabel* label : first->findChildren<QLabel*>()) {
        const std::string name = label->objectName().toStdString();
        EXPECT_EQ(text(*second, name), label->text().toStdString()) << name;
        EXPECT_EQ(shown(*second, name.c_str()), label->isVisibleTo(first.get())) << name;
    }

    record.nozzleCount = 2;
    record.nozzle1Flow = 400;
    record.nozzle1Type = "LDV 500";
    const auto third = open<SchematicScreen>();
    expectShown(*third, nozzle2Controls, true);
    expectShown(*third, nozzle3Controls, false);
    EXPECT_EQ(text(*third, nozzle1.type), "LDV 500");
    EXPECT_EQ(text(*third, nozzle1.pressure), "Po = 6 b");
    EXPECT_EQ(text(*third, nozzle1.flow), "débit = 400L/min");
    EXPECT_EQ(text(*third, nozzle1.hoseDiameter), "diamètre = 45mm");
}

void sendClick(QWidget& target, QPoint press, QPoint release, Qt::MouseButton button)
{
    QMouseEvent down(QEvent::MouseButtonPress, press, target.mapToGlobal(press), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, release, target.mapToGlobal(release), button, Qt::NoButton,
                   Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &up);
}

TEST_F(SchematicScreenTest, LogoNamesItselfAndGivesTheWebSite)
{
    const auto screen = openOn(oneNozzle());
    auto* logo = screen->findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(logo, nullptr);
    EXPECT_FALSE(logo->pixmap().isNull());
    EXPECT_FALSE(aboutTexts::logoTooltip.empty());
    EXPECT_EQ(logo->toolTip().toStdString(), aboutTexts::logoTooltip);

    const QPoint middle = logo->rect().center();
    sendClick(*logo, middle, middle, Qt::RightButton);
    sendClick(*logo, middle, QPoint(-5, -5), Qt::LeftButton);  // released off the picture
    EXPECT_TRUE(host.informations.empty());

    sendClick(*logo, middle, middle, Qt::LeftButton);
    ASSERT_EQ(host.informations.size(), 1u);
    EXPECT_EQ(host.informations[0].first, QStringLiteral("Pour des Infos"));
    EXPECT_EQ(host.informations[0].second, QStringLiteral("Site internet https://tavelle.example.org"));
    // By keyboard: Tab reaches it, Enter or Space does what a click does; the window still opens on a button.
    EXPECT_EQ(screen->focusWidget()->objectName(), QStringLiteral("Command3"));
    EXPECT_EQ(logo->focusPolicy(), Qt::TabFocus);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) QTest::keyClick(logo, key);
    EXPECT_EQ(host.informations.size(), 3u);
    EXPECT_TRUE(host.navigations.empty());
    EXPECT_TRUE(host.printed.empty());
}

TEST_F(SchematicScreenTest, PrintButtonExplainsItself)
{
    const auto screen = openOn(oneNozzle());
    auto* print = screen->findChild<QPushButton*>(QStringLiteral("Command4"));
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->toolTip(), QStringLiteral("Impression sur votre imprimante par défaut"));
    print->click();
    ASSERT_EQ(host.printed.size(), 1u);
    EXPECT_EQ(host.printed[0], screen.get());
}

struct LabelLook {
    const char* name;
    QColor colour;
    Qt::Alignment alignment;
};

const QColor brown(128, 64, 0);
const QColor red(192, 0, 0);
const QColor green(0, 128, 0);

const LabelLook labelLooks[] = {
    {"Label31", Qt::black, Qt::AlignHCenter},
    {"Label6", Qt::black, Qt::AlignLeft},
    {values::pumpRating, Qt::black, Qt::AlignHCenter},
    {values::feedDiameter, Qt::black, Qt::AlignHCenter},
    {values::totalFlow, Qt::black, Qt::AlignHCenter},
    {values::feedLength, Qt::black, Qt::AlignHCenter},
    {values::feedSlope, QColor(64, 64, 64), Qt::AlignHCenter},
    {values::divisionElevation, Qt::black, Qt::AlignLeft},
    {nozzle1.caption, brown, Qt::AlignLeft},
    {nozzle1.type, brown, Qt::AlignLeft},
    {nozzle1.pressure, brown, Qt::AlignLeft},
    {nozzle1.hoseLength, brown, Qt::AlignRight},
    {nozzle1.height, brown, Qt::AlignRight},
    {nozzle1.flow, brown, Qt::AlignLeft},
    {nozzle1.hoseDiameter, brown, Qt::AlignRight},
    {nozzle2.caption, red, Qt::AlignLeft},
    {nozzle2.type, red, Qt::AlignLeft},
    {nozzle2.pressure, red, Qt::AlignLeft},
    {nozzle2.hoseLength, red, Qt::AlignRight},
    {nozzle2.flow, red, Qt::AlignRight},
    {nozzle2.hoseDiameter, red, Qt::AlignLeft},
    {nozzle2.height, red, Qt::AlignRight},
    {nozzle3.caption, green, Qt::AlignLeft},
    {nozzle3.type, green, Qt::AlignLeft},
    {nozzle3.pressure, green, Qt::AlignLeft},
    {nozzle3.hoseLength, green, Qt::AlignHCenter},
    {nozzle3.flow, green, Qt::AlignHCenter},
    {nozzle3.hoseDiameter, green, Qt::AlignHCenter},
    {nozzle3.height, green, Qt::AlignLeft},
};

TEST_F(SchematicScreenTest, NozzlesAreToldApartByColour)
{
    const auto screen = openOn(threeNozzles());
    for (const LabelLook& look : labelLooks) {
        const QLabel* shownLabel = label(*screen, look.name);
        ASSERT_NE(shownLabel, nullptr) << look.name;
        EXPECT_EQ(shownLabel->palette().color(QPalette::WindowText), look.colour) << look.name;
        EXPECT_EQ(shownLabel->alignment() & Qt::AlignHorizontal_Mask, look.alignment) << look.name;
        EXPECT_FALSE(shownLabel->autoFillBackground()) << look.name << " must let the drawing show through";
    }
    EXPECT_EQ(screen->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(screen->autoFillBackground());
}

TEST_F(SchematicScreenTest, DrawingLiesUnderTheLabels)
{
    const auto screen = openOn(threeNozzles());
    const QObjectList& stacking = screen->children();  // later children are drawn above earlier ones
    qsizetype highestDrawing = -1;
    qsizetype lowestLabel = stacking.size();
    for (qsizetype i = 0; i < stacking.size(); ++i) {
        if (qobject_cast<LineItem*>(stacking[i]) || qobject_cast<ShapeItem*>(stacking[i])) {
            highestDrawing = i;
            EXPECT_TRUE(static_cast<QWidget*>(stacking[i])->testAttribute(Qt::WA_TransparentForMouseEvents));
        } else if (qobject_cast<QLabel*>(stacking[i])) {
            lowestLabel = std::min(lowestLabel, i);
        }
    }
    EXPECT_LT(highestDrawing, lowestLabel);

    const auto* feed = screen->findChild<LineItem*>(QStringLiteral("Line1"));
    ASSERT_NE(feed, nullptr);
    EXPECT_EQ(feed->colour(), QColor(0, 0, 255));
    EXPECT_EQ(feed->penWidth(), 3);
    for (const char* nozzle : {nozzle1.nozzleLine, nozzle2.nozzleLine, nozzle3.nozzleLine}) {
        const auto* line = screen->findChild<LineItem*>(QString::fromLatin1(nozzle));
        ASSERT_NE(line, nullptr) << nozzle;
        EXPECT_EQ(line->colour(), QColor(Qt::black)) << nozzle;
        EXPECT_EQ(line->penWidth(), 5) << nozzle;
    }
    const auto* pump = screen->findChild<ShapeItem*>(QStringLiteral("Shape1"));
    ASSERT_NE(pump, nullptr);
    EXPECT_EQ(pump->fill(), red);
    EXPECT_EQ(pump->kind(), ShapeKind::RoundedRectangle);
}

// Through the application: the logo's box is an information box of the shell's.
TEST_F(AppTest, SchematicLogoShowsTheWebSiteInAnInformationBox)
{
    walkToStatement(1);
    click("Command1");
    ASSERT_EQ(screenName(), "Dessin");
    auto* logo = control<QLabel>("Image1");
    ASSERT_NE(logo, nullptr);
    const QPoint middle = logo->rect().center();
    sendClick(*logo, middle, middle, Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, ShownBox::Kind::Information);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Pour des Infos"));
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Site internet https://tavelle.example.org"));
    EXPECT_EQ(screenName(), "Dessin");
}

}  // namespace
}  // namespace tavelle::testing
