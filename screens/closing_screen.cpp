#include "screens/closing_screen.h"

#include "core/screens/about_texts.h"
#include "screens/artwork.h"

#include <QLabel>
#include <QPushButton>

namespace tavelle {

namespace {

// Colour and placing of a line's text; its type is set when the label is added.
void setLook(QLabel* label, const QColor& colour)
{
    setTextColour(*label, colour);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
}

}  // namespace

ClosingScreen::ClosingScreen(ScreenHost& screenHost)
    : ScreenWindow(ScreenId::fin, screenHost, QSize(twips(7575), twips(4050)))
{
    keepOffTaskBar();
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    addPicture("Image1", twipsRect(120, 2280, 1680, 1620), logoArtwork, toQString(aboutTexts::logoTooltip));

    setLook(addLabel(this, "Label1", QStringLiteral("Vous venez d'utiliser le logiciel gratuit "),
                     twipsRect(0, 240, 7572, 732), 16.5, true),
            QColor(0, 0, 192));
    setLook(addLabel(this, "Label2", toQString(closingTitleText()), twipsRect(0, 840, 7575, 615), 24, true),
            QColor(255, 0, 0));
    setLook(addLabel(this, "Label5", QStringLiteral("Version 1.00"), twipsRect(120, 1320, 7575, 375), 15.75, true),
            QColor(255, 0, 0));
    setLook(
        addLabel(this, "Label3", toQString(aboutTexts::closingWebSiteLine), twipsRect(0, 1920, 7572, 492), 13.5, true),
        QColor(0, 0, 255));
    setLook(
        addLabel(this, "Label4", toQString(aboutTexts::closingEMailLine), twipsRect(0, 2640, 7572, 492), 13.5, true),
        QColor(0, 0, 255));

    addNavigationButton("Command1", QStringLiteral("Quittez"), twipsRect(2160, 3360, 3132, 492), 13.5, true)
        ->setFocus();
}

}  // namespace tavelle
