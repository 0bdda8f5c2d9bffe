#include "screens/home_screen.h"

#include "core/screens/about_texts.h"
#include "screens/artwork.h"
#include "screens/sharp_picture.h"
#include "screens/wrapping_button.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace tavelle {

namespace {

// Colour and placing of a label's text; its type is set when the label is added.
void setLook(QLabel* label, const QColor& colour, Qt::Alignment alignment)
{
    setTextColour(*label, colour);
    label->setAlignment(alignment);
}

}  // namespace

HomeScreen::HomeScreen(ScreenHost& screenHost)
    : ScreenWindow(ScreenId::f1, screenHost, QSize(twips(8115), twips(7065)))
{
    addPicture("Image1", twipsRect(120, 240, 1335, 1335), logoArtwork, toQString(aboutTexts::logoTooltip));

    QLabel* title =
        addLabel(this, "Label1", toQString(aboutTexts::homeTitleLine), twipsRect(1680, 120, 6255, 1455), 24, true);
    setLook(title, QColor(0, 0, 192), Qt::AlignHCenter | Qt::AlignTop);
    setItalic(*title);
    title->setToolTip(toQString(aboutTexts::homeTitleTooltip));

    QLabel* publisher =
        addLabel(this, "Label4", toQString(aboutTexts::homePublisherLine), twipsRect(3240, 1800, 4575, 1335), 17.25);
    setLook(publisher, Qt::black, Qt::AlignHCenter | Qt::AlignTop);

    // A picture box: the photograph sits in a sunken border.
    auto* photograph = new QLabel(this);
    photograph->setObjectName(QStringLiteral("Picture1"));
    photograph->setGeometry(twipsRect(480, 1920, 2415, 3495));
    photograph->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    photograph->setLineWidth(2);
    showSharpPicture(*photograph, pumpArtwork);
    photograph->setToolTip(toQString(aboutTexts::homePictureTooltip));
    photograph->setAccessibleName(toQString(aboutTexts::pumpPictureName));

    QLabel* version =
        addLabel(this, "nom", QStringLiteral("Version 1.00"), twipsRect(3120, 3240, 4695, 735), 17.25, true);
    setLook(version, QColor(128, 64, 64), Qt::AlignHCenter | Qt::AlignTop);

    m_webSiteLine = addLabel(this, "Label3", toQString(aboutTexts::homeWebSiteLine), twipsRect(3120, 4080, 4815, 1095),
                             17.25, true);
    setLook(m_webSiteLine, QColor(192, 0, 0), Qt::AlignHCenter | Qt::AlignTop);
    m_webSiteLine->installEventFilter(this);

    QPushButton* ok = addNavigationButton("Command1", QStringLiteral("OK"), twipsRect(480, 5640, 2295, 852), 22.5);
    setItalic(*ok);
    QPushButton* quit =
        addNavigationButton("Command2", QStringLiteral("Quitter"), twipsRect(3000, 5640, 2295, 852), 22.5);
    setItalic(*quit);
    // At its size the About caption takes two lines.
    auto* about = new WrappingButton(QStringLiteral("A propos de Vordane"), this);
    about->setObjectName(QStringLiteral("Command3"));
    about->setGeometry(twipsRect(5520, 5640, 2295, 852));
    about->setAutoDefault(false);
    QFont aboutFont = about->font();
    aboutFont.setPointSizeF(13.5);
    aboutFont.setItalic(true);
    about->setFont(aboutFont);
    connect(about, &QPushButton::clicked, this, [this] { host().navigateFrom(screenId(), "Command3"); });

    QLabel* notice = addLabel(this, "Label2", toQString(aboutTexts::legalNotice), twipsRect(480, 6720, 7695, 255));
    setTextColour(*notice, QColor(255, 0, 0));

    ok->setFocus();
}

bool HomeScreen::eventFilter(QObject* watched, QEvent* event)
{
    // A double-click on the web-site line shows the two addresses in full.
    if (watched == m_webSiteLine && event->type() == QEvent::MouseButtonDblClick) {
        host().showInformation(toQString(aboutTexts::webSitesTitle), toQString(aboutTexts::webSitesText));
        return true;
    }
    return ScreenWindow::eventFilter(watched, event);
}

}  // namespace tavelle
