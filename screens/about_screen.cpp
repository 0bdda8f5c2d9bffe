#include "screens/about_screen.h"

#include "core/screens/about_texts.h"
#include "screens/artwork.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tavelle {

namespace {

QFrame* addSeparatorLine(QWidget* parent, const char* name, QRect rect, const QColor& colour)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(rect);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

}  // namespace

AboutScreen::AboutScreen(ScreenHost& screenHost)
    : ScreenWindow(ScreenId::f2, screenHost, QSize(twips(6690), twips(4785)))
{
    keepOffTaskBar();
    addPicture("picIcon", twipsRect(120, 120, 495, 495), logoArtwork, toQString(aboutTexts::logoTooltip));

    QLabel* title = addLabel(this, "lblTitle", QString(), twipsRect(1080, 240, 3885, 240));
    QLabel* version = addLabel(this, "lblVersion", QString(), twipsRect(1080, 720, 3885, 225));

    QLabel* description =
        addLabel(this, "lblDescription", toQString(aboutDescription()), twipsRect(1080, 1080, 4350, 1170));
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel* contact =
        addLabel(this, "Label1", toQString(aboutTexts::aboutContactLine), twipsRect(1080, 2400, 4332, 612));
    contact->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    contact->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // An etched separator: a grey line with a white one just under it, both named Line1 as one pair.
    const int lineTop = twips(3238);
    addSeparatorLine(this, "Line1", QRect(twips(228), lineTop, twips(6366) - twips(228), 1), QColor(128, 128, 128));
    addSeparatorLine(this, "Line1", QRect(twips(240), lineTop + 1, twips(6366) - twips(240), 1), Qt::white);

    QLabel* disclaimer =
        addLabel(this, "lblDisclaimer", toQString(aboutDisclaimer()), twipsRect(360, 3480, 4575, 1305));
    disclaimer->setWordWrap(true);
    disclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_ok = addNavigationButton("cmdOK", QStringLiteral("OK"), twipsRect(5160, 3600, 1332, 852), 13.5, true);
    m_ok->setDefault(true);
    m_ok->setFocus();

    // The load work: caption, version and title come from the application's own data.
    setWindowTitle(toQString(aboutCaption()));
    version->setText(toQString(aboutVersionText()));
    title->setText(toQString(aboutTitleText()));
}

void AboutScreen::reject()
{
    m_ok->click();
}

}  // namespace tavelle
