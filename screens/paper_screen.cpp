#include "screens/paper_screen.h"

#include "screens/screen_window.h"
#include "screens/sharp_picture.h"

#include <QImage>

namespace tavelle {

namespace {

enum class Medium { screen, paper };

// The one background rule: on screen the window shows its background; on paper the system's window
// colour is left to the paper, and only a background the window chose itself is drawn.
QWidget::RenderFlags renderFlags(const QWidget& window, Medium medium)
{
    QWidget::RenderFlags flags = QWidget::DrawChildren;
    if (medium == Medium::screen || window.autoFillBackground()) flags |= QWidget::DrawWindowBackground;
    return flags;
}

// Text and lines drawn for a window of a screen's density come out at about 80 to the inch on a page;
// pictures drawn at four times that density are as sharp as the printer's text, at a few hundred KiB.
constexpr qreal paperPictureRatio = 4;

}  // namespace

PaperScreen::PaperScreen(ScreenWindow& screen)
    : m_size(screen.designedContent().size())
    , m_title(screen.windowTitle())
{
    const bool buttonsShown = screen.buttonsVisible();
    screen.setButtonsVisible(false);
    {
        QWidget& content = screen.designedContent();
        const PicturesForPaper pictures(content);
        // A picture is a paint device of its own: Qt draws widgets straight into it, where it would draw
        // them into an image of the page's pixels for a printer.
        QPainter painter(&m_drawing);
        content.render(&painter, QPoint(), QRegion(), renderFlags(screen, Medium::paper));
        pictures.paint(painter, paperPictureRatio);
    }
    screen.setButtonsVisible(buttonsShown);
    m_resolution = m_drawing.logicalDpiY();
}

QImage screenPixels(QWidget& window)
{
    const qreal ratio = window.devicePixelRatioF();
    QImage pixels(window.size() * ratio, QImage::Format_RGB32);
    pixels.setDevicePixelRatio(ratio);
    pixels.fill(Qt::black);
    window.render(&pixels, QPoint(), QRegion(), renderFlags(window, Medium::screen) | QWidget::IgnoreMask);
    return pixels;
}

}  // namespace tavelle
