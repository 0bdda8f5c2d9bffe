// Keys beyond the screens' design: F1 opens the user guide at the window's section, Ctrl+P presses
// "Imprimer" and Ctrl+Q "Quitter" where the screen has them, and nothing where it has not.
#include "core/screens/guide_sections.h"
#include "screens/screen_factory.h"
#include "screens/silent_host.h"
#include "shell/user_guide.h"
#include "tests/app/desktop_test.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QTest>
#include <QUrl>

namespace tavelle::testing {

// What QDesktopServices was asked to open.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

namespace {

class ShortcutTest : public DesktopTest, public ::testing::WithParamInterface<ScreenId> {
protected:
    void pressOnActiveScreen(const QKeySequence& keys)
    {
        ASSERT_NE(screen(), nullptr);
        screen()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen())) << screenName();
        QTest::keySequence(screen(), keys);
    }

    QPushButton* buttonCaptioned(const QString& caption) const
    {
        for (QPushButton* button : screen()->findChildren<QPushButton*>())
            if (button->text() == caption) return button;
        return nullptr;
    }

    // Presses the keys and counts the clicks of the screen's button of that caption (none when it has none).
    int clicksOnPressing(const QKeySequence& keys, const QString& caption)
    {
        int clicks = 0;
        if (QPushButton* button = buttonCaptioned(caption))
            QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
        pressOnActiveScreen(keys);
        // A shortcut shows the button pressed for a moment before it clicks.
        processEventsUntil([&clicks] { return clicks > 0; }, 1000);
        flush();
        return clicks;
    }
};

TEST_P(ShortcutTest, F1OpensTheUserGuide)
{
    reach(GetParam());
    OpenedUrls urls;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &urls, "open");
    pressOnActiveScreen(QKeySequence(Qt::Key_F1));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(urls.opened.size(), 1) << screenName();
    const QFileInfo guide(urls.opened.front().toLocalFile());
    EXPECT_TRUE(guide.isFile()) << guide.filePath().toStdString();
    EXPECT_TRUE(guide.filePath().endsWith(QStringLiteral("docs/guide/index.html"))) << guide.filePath().toStdString();
    EXPECT_EQ(urls.opened.front().fragment().toStdString(), guideSection(GetParam()));
    EXPECT_EQ(screen()->screenId(), GetParam());
}

// With nothing to open the guide (the offscreen platform opens nothing), F1 says so and names the file.
TEST(GuideOnF1Test, WithNothingToOpenTheGuideABoxNamesItsFile)
{
    RecordingMessageBoxes boxes;
    GuideOnF1 guide(boxes);
    QWidget window;
    window.show();
    QCoreApplication::instance()->installEventFilter(&guide);
    QTest::keyClick(&window, Qt::Key_F1);
    QCoreApplication::instance()->removeEventFilter(&guide);

    const std::vector<ShownBox> expected = {{ShownBox::Kind::Information, toQString(guideBoxTitle),
                                             toQString(guideNotOpenedText(userGuideFile().toStdString()))}};
    EXPECT_EQ(boxes.shown, expected);
}

class GuideSectionOnF1Test : public ::testing::TestWithParam<GuideSection> {};

// Every window, practice's included, asks for its own section, wherever the focus is in it.
TEST_P(GuideSectionOnF1Test, F1AsksForTheWindowsSection)
{
    SilentHost host;
    const std::unique_ptr<ScreenWindow> window = createScreen(GetParam().screen, host);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << screenName(GetParam().screen);
    OpenedUrls urls;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &urls, "open");
    QWidget* focus = window->focusWidget() ? window->focusWidget() : window.get();
    QTest::keyClick(focus, Qt::Key_F1);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(urls.opened.size(), 1) << screenName(GetParam().screen);
    EXPECT_EQ(urls.opened.front().fragment().toStdString(), GetParam().anchor);
}

INSTANTIATE_TEST_SUITE_P(Windows, GuideSectionOnF1Test, ::testing::ValuesIn(guideSections),
                         [](const auto& row) { return std::string(screenName(row.param.screen)); });

TEST_P(ShortcutTest, CtrlPPressesImprimerWhereItIs)
{
    reach(GetParam());
    const bool printable = buttonCaptioned(QStringLiteral("Imprimer")) != nullptr;
    EXPECT_EQ(clicksOnPressing(QKeySequence(Qt::CTRL | Qt::Key_P), QStringLiteral("Imprimer")), printable ? 1 : 0);
    EXPECT_EQ(printer.printed.size(), printable ? 1u : 0u) << screenName();
}

TEST_P(ShortcutTest, CtrlQPressesQuitterWhereItIs)
{
    reach(GetParam());
    const bool quittable = buttonCaptioned(QStringLiteral("Quitter")) != nullptr;
    EXPECT_EQ(clicksOnPressing(QKeySequence(Qt::CTRL | Qt::Key_Q), QStringLiteral("Quitter")), quittable ? 1 : 0)
        << screenName();
    if (!quittable) {
        EXPECT_EQ(screen()->screenId(), GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ShortcutTest, ::testing::ValuesIn(allScreens), screenParamName);

}  // namespace
}  // namespace tavelle::testing

#include "shortcuts_app_test.moc"
