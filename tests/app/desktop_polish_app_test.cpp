#include "tests/app/desktop_test.h"

#include "screens/artwork_pictures.h"
#include "screens/sharp_picture.h"
#include "screens/window_placement.h"
#include "shell/qt_message_boxes.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QResource>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <functional>

namespace tavelle::testing {
namespace {

class PolishedScreenTest : public DesktopTest, public ::testing::WithParamInterface<ScreenId> {};

// A screen reader finds a name for every list, button and picture.
TEST_P(PolishedScreenTest, ListsButtonsAndPicturesHaveSpokenNames)
{
    reach(GetParam());
    QList<QWidget*> named;
    for (QComboBox* list : screen()->findChildren<QComboBox*>()) named.push_back(list);
    for (QPushButton* button : screen()->findChildren<QPushButton*>()) named.push_back(button);
    for (QLabel* picture : pictures()) named.push_back(picture);
    ASSERT_FALSE(named.isEmpty());
    for (QWidget* widget : named) EXPECT_FALSE(spokenName(widget).isEmpty()) << widget->objectName().toStdString();
}

// Every list is the buddy of one label, which a screen reader names it by once a value is chosen.
TEST_P(PolishedScreenTest, EveryListIsOneLabelsBuddy)
{
    reach(GetParam());
    for (QComboBox* list : screen()->findChildren<QComboBox*>()) {
        int buddies = 0;
        for (QLabel* label : screen()->findChildren<QLabel*>())
            if (label->buddy() == list) ++buddies;
        EXPECT_EQ(buddies, 1) << list->objectName().toStdString();
    }
}

// Pictures drawn for the screen's pixel density: at QT_SCALE_FACTOR=2 (a run of its own) a picture
// has twice as many pixels as its label has points, as the text does.
TEST_P(PolishedScreenTest, PicturesAreDrawnAtTheScreensPixelDensity)
{
    reach(GetParam());
    const qreal expected =
        qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
    ASSERT_DOUBLE_EQ(screen()->devicePixelRatioF(), expected);
    for (const QLabel* picture : pictures()) {
        SCOPED_TRACE(picture->objectName().toStdString());
        EXPECT_DOUBLE_EQ(picture->pixmap().devicePixelRatio(), expected);
        EXPECT_EQ(picture->pixmap().size(), picture->contentsRect().size() * expected);
    }
}

// The pictures drawn at build time, which the application shows instead of drawing them, are there for
// every picture at the common pixel densities, and are the drawing itself, pixel for pixel.
TEST_P(PolishedScreenTest, PicturesDrawnAtBuildTimeAreTheDrawing)
{
    reach(GetParam());
    std::vector<ShownArtwork> shown;
    for (qreal ratio : prebuiltPixelRatios)
        for (const ShownArtwork& picture : shownArtwork(*screen(), ratio)) shown.push_back(picture);
    if (GetParam() == ScreenId::f1)
        for (int side : applicationIconSides) shown.push_back({logoArtwork, QSize(side, side)});
    EXPECT_EQ(shown.empty(), pictures().empty());
    for (const ShownArtwork& picture : shown) {
        const QString path = prebuiltArtworkPath(picture.artwork, picture.pixels);
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(QResource(path).isValid());
        EXPECT_EQ(artworkPicture(picture.artwork, picture.pixels).toImage(),
                  picture.artwork.draw(picture.pixels).toImage());
    }
}

// Drawing a screen loads no image format plugin (nor libjpeg): the application reads no image file.
TEST_P(PolishedScreenTest, DrawingTheScreenLoadsNoImagePlugin)
{
    reach(GetParam());
    screen()->grab();
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    EXPECT_FALSE(maps.readAll().contains("/imageformats/"));
}

INSTANTIATE_TEST_SUITE_P(Screens, PolishedScreenTest, ::testing::ValuesIn(allScreens), screenParamName);

struct SpokenListCase {
    ScreenId screen;
    const char* list;
    const char* name;
};

class SpokenListNameTest : public DesktopTest, public ::testing::WithParamInterface<SpokenListCase> {};

TEST_P(SpokenListNameTest, ListIsAnnouncedByItsLabelsWords)
{
    reach(GetParam().screen);
    EXPECT_EQ(spokenName(control<QComboBox>(GetParam().list)), QString::fromUtf8(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, SpokenListNameTest,
    ::testing::Values(SpokenListCase{ScreenId::Form2, "Combo1", "Caractéristiques de la pompe à incendie"},
                      SpokenListCase{ScreenId::Form2, "Combo5", "Pente présente entre la pompe et la division, en %"},
                      SpokenListCase{ScreenId::Lance2, "Combo3", "Cote de la lance"},
                      SpokenListCase{ScreenId::Lance3, "Combo6", "Pente entre la division et la lance, en %"}));

TEST_F(DesktopTest, WindowIconIsDrawnForEverySizeAskedOf)
{
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (int side : {16, 32, 48, 64, 128, 256}) EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
}

struct EnterCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
};

class EnterKeyTest : public DesktopTest, public ::testing::WithParamInterface<EnterCase> {
protected:
    void press(QWidget* target)
    {
        QKeyEvent event(QEvent::KeyPress, GetParam().key, GetParam().modifiers);
        QApplication::sendEvent(target, &event);
        flush();
    }
};

TEST_P(EnterKeyTest, PressesTheFocusedButton)
{
    auto* about = control<QPushButton>("Command3");
    about->setFocus();
    ASSERT_EQ(screen()->focusWidget(), about);
    press(about);
    EXPECT_EQ(screenName(), "f2");
}

TEST_P(EnterKeyTest, OnAListPressesNoButton)
{
    reach(ScreenId::Form2);
    auto* pump = control<QComboBox>("Combo1");
    ASSERT_EQ(screen()->focusWidget(), pump);
    press(pump);
    EXPECT_EQ(screenName(), "Form2");
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, EnterKeyTest,
                         ::testing::Values(EnterCase{"Return", Qt::Key_Return, Qt::NoModifier},
                                           EnterCase{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier}),
                         [](const ::testing::TestParamInfo<EnterCase>& param) {
                             return std::string(param.param.name);
                         });

void turnWheel(QWidget* widget)
{
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

TEST_F(DesktopTest, WheelChangesOnlyTheListThatHasTheFocus)
{
    reach(ScreenId::Form2);
    screen()->activateWindow();
    QApplication::setActiveWindow(screen());
    auto* pump = control<QComboBox>("Combo1");
    auto* diameter = control<QComboBox>("Combo2");
    pump->setFocus();
    ASSERT_TRUE(pump->hasFocus());

    turnWheel(diameter);
    EXPECT_EQ(diameter->currentIndex(), -1);
    EXPECT_TRUE(pump->hasFocus());

    turnWheel(pump);
    EXPECT_EQ(pump->currentIndex(), 0);
}

struct TypeCase {
    ScreenId screen;
    std::vector<const char*> twelvePoint;  // the labels and buttons designed at 12 pt
};

class FrameTypeTest : public DesktopTest, public ::testing::WithParamInterface<TypeCase> {};

// Only the frame captions are bold 9.75 pt; the labels inside keep the window's 8 pt unless designed at 12.
TEST_P(FrameTypeTest, OnlyFrameCaptionsTakeTheCaptionType)
{
    reach(GetParam().screen);
    const auto designedAtTwelve = [&](const QWidget* widget) {
        for (const char* name : GetParam().twelvePoint)
            if (widget->objectName() == QLatin1String(name)) return true;
        return false;
    };
    for (const QGroupBox* frame : screen()->findChildren<QGroupBox*>()) {
        EXPECT_DOUBLE_EQ(frame->font().pointSizeF(), 9.75) << frame->objectName().toStdString();
        EXPECT_TRUE(frame->font().bold()) << frame->objectName().toStdString();
    }
    QList<QWidget*> controls;
    for (QLabel* label : screen()->findChildren<QLabel*>()) controls.push_back(label);
    for (QPushButton* button : screen()->findChildren<QPushButton*>()) controls.push_back(button);
    for (const QWidget* widget : controls) {
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), designedAtTwelve(widget) ? 12.0 : 8.0);
        EXPECT_FALSE(widget->font().bold());
    }
}

INSTANTIATE_TEST_SUITE_P(ResultScreens, FrameTypeTest,
                         ::testing::Values(TypeCase{ScreenId::Calculs,
                                                    {"Label1", "Label5", "Label9", "Label13", "Label14", "Command1",
                                                     "Command2", "Command3", "Command4"}},
                                           TypeCase{ScreenId::Calculs2,
                                                    {"Label5", "Label8", "Label9", "Command1", "Command2", "Command3",
                                                     "Command4"}}),
                         [](const ::testing::TestParamInfo<TypeCase>& param) {
                             return screenParamName({param.param.screen, param.index});
                         });

TEST(WindowPlacement, CentresTheFrameInTheGivenAreaAndKeepsItsTopLeftCornerInside)
{
    EXPECT_EQ(centredTopLeft(QSize(400, 300), QRect(0, 0, 1280, 1024)), QPoint(440, 362));
    EXPECT_EQ(centredTopLeft(QSize(400, 300), QRect(1280, 24, 1920, 1056)), QPoint(2040, 402));
    EXPECT_EQ(centredTopLeft(QSize(401, 301), QRect(-1024, 0, 1024, 768)), QPoint(-713, 233));
    // A netbook under its panel, a 640 x 480 screen, a screen scaled four times over.
    EXPECT_EQ(centredTopLeft(QSize(730, 640), QRect(0, 0, 1024, 570)), QPoint(147, 0));
    EXPECT_EQ(centredTopLeft(QSize(730, 640), QRect(0, 24, 640, 456)), QPoint(0, 24));
    EXPECT_EQ(centredTopLeft(QSize(730, 640), QRect(1280, 0, 480, 270)), QPoint(1280, 0));
}

// Shows one of the application's boxes and hands it, on screen and sized, to `inspect` before its OK.
void inspectBox(const std::function<void()>& show, const std::function<void(QMessageBox&)>& inspect)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        QCoreApplication::processEvents();  // the box lays itself out again after showing
        inspect(*box);
        box->button(QMessageBox::Ok)->click();
    });
    show();
    EXPECT_TRUE(seen);
}

TEST_F(DesktopTest, PrintFailureBoxShowsItsCaptionWhole)
{
    QtMessageBoxes boxes;
    inspectBox([&] { boxes.plain(QStringLiteral("Tavelle"), QStringLiteral("Impossible d'imprimer")); },
               [](QMessageBox& box) {
                   EXPECT_EQ(box.windowTitle(), QStringLiteral("Tavelle"));
                   EXPECT_GE(box.width(), QtMessageBoxes::widthForCaption(box.windowTitle()));
               });
}

TEST_F(DesktopTest, WarningIsCentredLikeTheScreens)
{
    const QPoint screenCentre = screen()->frameGeometry().center();
    const QRect area = screen()->screen()->availableGeometry();
    EXPECT_LE((screenCentre - area.center()).manhattanLength(), 1);
    QtMessageBoxes boxes;
    boxes.placeOn(screen()->screen());
    inspectBox([&] { boxes.warning(QStringLiteral("Le débit de la lance n'est pas choisi.")); },
               [&](QMessageBox& box) {
                   EXPECT_EQ(box.windowTitle(), QStringLiteral("ATTENTION !!"));
                   EXPECT_LE((box.frameGeometry().center() - area.center()).manhattanLength(), 1);
               });
}

// Run with two monitors of different pixel densities (a run of its own, offscreen with two screens).
class TwoMonitorsTest : public DesktopTest {
protected:
    void SetUp() override
    {
        if (QGuiApplication::screens().size() < 2)
            GTEST_SKIP() << "needs two monitors: see tests/app/two_monitors.json";
        DesktopTest::SetUp();
        secondMonitor = QGuiApplication::screens().at(1);
        ASSERT_NE(secondMonitor, QGuiApplication::primaryScreen());
    }

    // The user drags the open screen onto the second monitor.
    void dragToSecondMonitor()
    {
        screen()->windowHandle()->setScreen(secondMonitor);
        centreOnScreen(*screen(), secondMonitor);
        QCoreApplication::processEvents();
        ASSERT_EQ(screen()->screen(), secondMonitor);
    }

    void expectCentredOnSecondMonitor(const QWidget& window)
    {
        EXPECT_EQ(window.screen(), secondMonitor);
        EXPECT_LE((window.frameGeometry().center() - secondMonitor->availableGeometry().center()).manhattanLength(), 1);
    }

    QScreen* secondMonitor = nullptr;
};

TEST_F(TwoMonitorsTest, NextScreenOpensCentredWhereThePreviousOneWas)
{
    ASSERT_EQ(screen()->screen(), QGuiApplication::primaryScreen());
    dragToSecondMonitor();
    click("Command1");
    ASSERT_EQ(screenName(), "Form2");
    expectCentredOnSecondMonitor(*screen());
}

TEST_F(TwoMonitorsTest, WarningsOpenCentredWhereTheScreenWas)
{
    QtMessageBoxes boxes;
    Navigator shell(boxes, printer, ",", [] {});
    shell.start();
    shell.currentScreen()->windowHandle()->setScreen(secondMonitor);
    shell.navigateFrom(ScreenId::f1, "Command1");
    flush();
    ASSERT_EQ(shell.currentScreen()->objectName(), QStringLiteral("Form2"));
    // Nothing chosen: one box after the other, each answered as it comes.
    int warnings = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        ++warnings;
        expectCentredOnSecondMonitor(*box);
        box->button(QMessageBox::Ok)->click();
    });
    answer.start(0);
    shell.currentScreen()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    answer.stop();
    flush();
    EXPECT_GE(warnings, 1);
    ASSERT_NE(shell.currentScreen(), nullptr);
    expectCentredOnSecondMonitor(*shell.currentScreen());
}

TEST_F(TwoMonitorsTest, PicturesAreRedrawnForTheDenserMonitor)
{
    const qreal ratio = secondMonitor->devicePixelRatio();
    ASSERT_NE(ratio, QGuiApplication::primaryScreen()->devicePixelRatio());
    dragToSecondMonitor();
    const QList<QLabel*> drawn = pictures();
    ASSERT_EQ(drawn.size(), 2);
    for (const QLabel* picture : drawn) {
        SCOPED_TRACE(picture->objectName().toStdString());
        EXPECT_DOUBLE_EQ(picture->pixmap().devicePixelRatio(), ratio);
        EXPECT_EQ(picture->pixmap().size(), picture->contentsRect().size() * ratio);
    }
}

}  // namespace
}  // namespace tavelle::testing
