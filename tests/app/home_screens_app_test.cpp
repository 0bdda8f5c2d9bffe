#include "tests/app/app_fixture.h"

#include <QCoreApplication>

#include "core/screens/about_texts.h"

#include <QLabel>
#include <QMouseEvent>

namespace tavelle::testing {
namespace {

QString labelText(const ScreenWindow* screen, const char* name)
{
    const auto* label = screen->findChild<QLabel*>(QString::fromLatin1(name));
    return label == nullptr ? QStringLiteral("(missing)") : label->text();
}

QColor textColour(const ScreenWindow* screen, const char* name)
{
    return screen->findChild<QLabel*>(QString::fromLatin1(name))->palette().color(QPalette::WindowText);
}

TEST_F(AppTest, HomeScreenShowsItsDesign)
{
    ASSERT_EQ(screenName(), "f1");
    EXPECT_EQ(screen()->size(), QSize(541, 471));
    EXPECT_EQ(labelText(screen(), "nom"), QStringLiteral("Version 1.00"));
    EXPECT_EQ(textColour(screen(), "nom"), QColor(128, 64, 64));
    EXPECT_EQ(labelText(screen(), "Label1"), QStringLiteral("Tavelle"));
    EXPECT_EQ(textColour(screen(), "Label1"), QColor(0, 0, 192));
    EXPECT_TRUE(control<QLabel>("Label1")->font().italic());
    EXPECT_EQ(textColour(screen(), "Label3"), QColor(192, 0, 0));
    EXPECT_EQ(textColour(screen(), "Label2"), QColor(255, 0, 0));
    EXPECT_EQ(control<QPushButton>("Command1")->text(), QStringLiteral("OK"));
    EXPECT_EQ(control<QPushButton>("Command2")->text(), QStringLiteral("Quitter"));
    EXPECT_EQ(control<QPushButton>("Command3")->text(), QStringLiteral("A propos de Vordane"));
    EXPECT_EQ(control<QPushButton>("Command1")->font().pointSizeF(), 22.5);
    EXPECT_EQ(control<QPushButton>("Command3")->font().pointSizeF(), 13.5);
    for (const char* picture : {"Image1", "Picture1"}) {
        const auto* label = control<QLabel>(picture);
        ASSERT_NE(label, nullptr) << picture;
        EXPECT_FALSE(label->pixmap().isNull()) << picture;
        EXPECT_FALSE(label->toolTip().isEmpty()) << picture;
    }
    EXPECT_EQ(control<QLabel>("Label1")->toolTip(), toQString(aboutTexts::eMail));
}

TEST_F(AppTest, DoubleClickOnTheWebSiteLineShowsTheSites)
{
    auto* line = control<QLabel>("Label3");
    ASSERT_NE(line, nullptr);
    const QPointF inside(10, 10);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, inside, line->mapToGlobal(inside), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(line, &doubleClick);
    flush();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, ShownBox::Kind::Information);
    EXPECT_EQ(messages.shown[0].title, toQString(aboutTexts::webSitesTitle));
    EXPECT_TRUE(messages.shown[0].text.contains(toQString(aboutTexts::webSite)));
    EXPECT_TRUE(messages.shown[0].text.contains(toQString(aboutTexts::documentationSite)));
    EXPECT_EQ(screenName(), "f1");  // nothing else happens
    EXPECT_EQ(liveScreenCount(), 1);
}

TEST_F(AppTest, AboutBoxBuildsTheSameTextsOnEveryOpening)
{
    for (int opening = 0; opening < 2; ++opening) {
        click("Command3");
        ASSERT_EQ(screenName(), "f2");
        EXPECT_EQ(screen()->windowTitle(), QStringLiteral("À propos de Tavelle"));
        EXPECT_EQ(labelText(screen(), "lblTitle"), QStringLiteral("Tavelle"));
        EXPECT_EQ(labelText(screen(), "lblVersion"), QStringLiteral("Version 1.0.0"));
        EXPECT_TRUE(labelText(screen(), "lblDescription")
                        .startsWith(QStringLiteral("Descriptif de l'application :") + QString(68, u' ') +
                                    QStringLiteral("Logiciel permettant")));
        EXPECT_TRUE(labelText(screen(), "lblDisclaimer")
                        .startsWith(QStringLiteral("AVERTISSEMENT :") + QString(82, u' ') +
                                    QStringLiteral("Ce logiciel n'a rien d'officiel")));
        EXPECT_EQ(screen()->findChildren<QWidget*>(QStringLiteral("Line1")).size(), 2);
        const auto* ok = control<QPushButton>("cmdOK");
        ASSERT_NE(ok, nullptr);
        EXPECT_TRUE(ok->isDefault());
        EXPECT_TRUE(ok->font().bold());
        click("cmdOK");
        ASSERT_EQ(screenName(), "f1");
    }
}

TEST_F(AppTest, ClosingScreenShowsNothingOfTheExercise)
{
    walkToStatement(2);
    click("Command2");
    click("Command2");  // "Quitter" on the exercise screen
    ASSERT_EQ(screenName(), "fin");
    EXPECT_EQ(screen()->windowTitle(), QStringLiteral("Projet Tavelle"));
    EXPECT_EQ(screen()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(labelText(screen(), "Label1"), QStringLiteral("Vous venez d'utiliser le logiciel gratuit "));
    EXPECT_EQ(labelText(screen(), "Label2"), QStringLiteral("\"Tavelle\" "));
    EXPECT_EQ(labelText(screen(), "Label5"), QStringLiteral("Version 1.00"));
    EXPECT_EQ(textColour(screen(), "Label3"), QColor(0, 0, 255));
    EXPECT_EQ(control<QPushButton>("Command1")->text(), QStringLiteral("Quittez"));
    for (const QLabel* label : screen()->findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains(QStringLiteral("1000/15"))) << label->objectName().toStdString();
        EXPECT_FALSE(label->text().contains(QStringLiteral("65/18"))) << label->objectName().toStdString();
    }
}

}  // namespace
}  // namespace tavelle::testing
