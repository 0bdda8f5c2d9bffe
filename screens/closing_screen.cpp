#include "screens/closing_screen.h"

#include "core/about_texts.h"
#include "screens/artwork.h"

#include <QLabel>
#include <QPushButton>

namespace tavelle {

namespace {

void setLook(QLabel* label, const QColor& colour, qreal pointSize)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    QFont font = label->font();
    font.setPointSizeF(pointSize);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
}

}  // namespace

ClosingScreen::ClosingScreen(ScreenContext& context)
    : ScreenWindow(ScreenId::fin, context, QSize(twips(7575), twips(4050)))
{
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(twipsRect(120, 2280, 1680, 1620));
    logo->setPixmap(logoPicture(logo->size()));
    logo->setToolTip(toQString(aboutTexts::logoTooltip));

    setLook(addLabel(this, "Label1", QStringLiteral("Vous venez d'utiliser le logiciel gratuit "),
                     twipsRect(0, 240, 7572, 732), 0, true),
            QColor(0, 0, 192), 16.5);
    setLook(addLabel(this, "Label2", toQString(closingTitleText()), twipsRect(0, 840, 7575, 615), 0, true),
            QColor(255, 0, 0), 24);
    setLook(addLabel(this, "Label5", QStringLiteral("Version 1.00"), twipsRect(120, 1320, 7575, 375), 0, true),
            QColor(255, 0, 0), 15.75);
    setLook(addLabel(this, "Label3", toQString(aboutTexts::closingWebSiteLine), twipsRect(0, 1920, 7572, 492), 0, true),
            QColor(0, 0, 255), 13.5);
    setLook(addLabel(this, "Label4", toQString(aboutTexts::closingEMailLine), twipsRect(0, 2640, 7572, 492), 0, true),
            QColor(0, 0, 255), 13.5);

    QPushButton* quit = addNavigationButton("Command1", QStringLiteral("Quittez"), twipsRect(2160, 3360, 3132, 492));
    QFont quitFont = quit->font();
    quitFont.setPointSizeF(13.5);
    quitFont.setBold(true);
    quit->setFont(quitFont);
    quit->setFocus();
}

}  // namespace tavelle
