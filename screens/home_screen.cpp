#include "screens/home_screen.h"

#include "core/about_texts.h"
#include "screens/artwork.h"
#include "screens/wrapping_button.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace tavelle {

namespace {

void setType(QWidget* widget, qreal pointSize, bool italic)
{
    QFont font = widget->font();
    font.setPointSizeF(pointSize);
    font.setItalic(italic);
    widget->setFont(font);
}

// Colour, type size and placing of a label's text; the weight is set when the label is added.
void setLook(QLabel* label, const QColor& colour, qreal pointSize, Qt::Alignment alignment, bool italic = false)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(alignment);
    setType(label, pointSize, italic);
}

}  // namespace

HomeScreen::HomeScreen(ScreenContext& context)
    : ScreenWindow(ScreenId::f1, context, QSize(twips(8115), twips(7065)))
{
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(twipsRect(120, 240, 1335, 1335));
    logo->setPixmap(logoPicture(logo->size()));
    logo->setToolTip(toQString(aboutTexts::logoTooltip));

    QLabel* title = addLabel(this, "Label1", toQString(aboutTexts::homeTitleLine), twipsRect(1680, 120, 6255, 1455),
                             0, true);
    setLook(title, QColor(0, 0, 192), 24, Qt::AlignHCenter | Qt::AlignTop, true);
    title->setToolTip(toQString(aboutTexts::homeTitleTooltip));

    QLabel* publisher = addLabel(this, "Label4", toQString(aboutTexts::homePublisherLine),
                                 twipsRect(3240, 1800, 4575, 1335));
    setLook(publisher, Qt::black, 17.25, Qt::AlignHCenter | Qt::AlignTop);

    // A picture box: the photograph sits in a sunken border.
    auto* photograph = new QLabel(this);
    photograph->setObjectName(QStringLiteral("Picture1"));
    photograph->setGeometry(twipsRect(480, 1920, 2415, 3495));
    photograph->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    photograph->setLineWidth(2);
    photograph->setPixmap(pumpPicture(photograph->contentsRect().size()));
    photograph->setToolTip(toQString(aboutTexts::homePictureTooltip));

    QLabel* version = addLabel(this, "nom", QStringLiteral("Version 1.00"), twipsRect(3120, 3240, 4695, 735), 0, true);
    setLook(version, QColor(128, 64, 64), 17.25, Qt::AlignHCenter | Qt::AlignTop);

    m_webSiteLine = addLabel(this, "Label3", toQString(aboutTexts::homeWebSiteLine), twipsRect(3120, 4080, 4815, 1095),
                             0, true);
    setLook(m_webSiteLine, QColor(192, 0, 0), 17.25, Qt::AlignHCenter | Qt::AlignTop);
    m_webSiteLine->installEventFilter(this);

    QPushButton* ok = addNavigationButton("Command1", QStringLiteral("OK"), twipsRect(480, 5640, 2295, 852));
    setType(ok, 22.5, true);
    QPushButton* quit = addNavigationButton("Command2", QStringLiteral("Quitter"), twipsRect(3000, 5640, 2295, 852));
    setType(quit, 22.5, true);
    // At its size the About caption takes two lines.
    auto* about = new WrappingButton(QStringLiteral("A propos de Vordane"), this);
    about->setObjectName(QStringLiteral("Command3"));
    about->setGeometry(twipsRect(5520, 5640, 2295, 852));
    about->setAutoDefault(false);
    setType(about, 13.5, true);
    connect(about, &QPushButton::clicked, this, [this] { host().navigateFrom(screenId(), "Command3"); });

    QLabel* notice = addLabel(this, "Label2", toQString(aboutTexts::legalNotice), twipsRect(480, 6720, 7695, 255));
    QPalette noticePalette = notice->palette();
    noticePalette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    notice->setPalette(noticePalette);

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
