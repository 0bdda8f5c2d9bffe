#include "screens/sharp_picture.h"

#include "screens/artwork_pictures.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

#include <cmath>

namespace tavelle {

namespace {

bool changesPixelDensity([[maybe_unused]] const QEvent& event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    return event.type() == QEvent::DevicePixelRatioChange;
#else
    return false;  // older Qt tells only of a change of screen
#endif
}

QSize picturePixels(const QLabel& label, qreal ratio)
{
    const QSize size = label.contentsRect().size();
    return {static_cast<int>(std::lround(size.width() * ratio)), static_cast<int>(std::lround(size.height() * ratio))};
}

class PictureRedrawer final : public QObject {
    Q_OBJECT
public:
    PictureRedrawer(QLabel& label, const Artwork& artwork)
        : QObject(&label)
        , m_label(label)
        , m_artwork(artwork)
    {
        label.installEventFilter(this);
        redrawIfBlurred();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Before the window is shown the label only guesses its screen; after a move it has another.
        if (watched == &m_label && (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal ||
                                    changesPixelDensity(*event)))
            redrawIfBlurred();
        return false;
    }

    QLabel& label() { return m_label; }
    const QLabel& label() const { return m_label; }
    const Artwork& artwork() const { return m_artwork; }

private:
    void redrawIfBlurred()
    {
        const qreal ratio = m_label.devicePixelRatioF();
        const QSize pixels = picturePixels(m_label, ratio);
        const QPixmap shown = m_label.pixmap();
        if (!shown.isNull() && shown.size() == pixels && qFuzzyCompare(shown.devicePixelRatio(), ratio)) return;
        QPixmap picture = artworkPicture(m_artwork, pixels);
        picture.setDevicePixelRatio(ratio);
        m_label.setPixmap(picture);
    }

    QLabel& m_label;
    Artwork m_artwork;
};

}  // namespace

void showSharpPicture(QLabel& label, const Artwork& artwork)
{
    new PictureRedrawer(label, artwork);
}

PicturesForPaper::PicturesForPaper(QWidget& window)
{
    for (PictureRedrawer* redrawer : window.findChildren<PictureRedrawer*>()) {
        QLabel& label = redrawer->label();
        if (!label.isVisibleTo(&window)) continue;
        const QRect contents = label.contentsRect();
        m_taken.push_back({&label, label.pixmap(), redrawer->artwork(),
                           QRect(label.mapTo(&window, contents.topLeft()), contents.size())});
        label.setPixmap(QPixmap());
    }
}

PicturesForPaper::~PicturesForPaper()
{
    for (const TakenPicture& taken : m_taken)
        if (taken.label) taken.label->setPixmap(taken.onScreen);
}

void PicturesForPaper::paint(QPainter& painter, qreal pixelRatio) const
{
    for (const TakenPicture& taken : m_taken) {
        const QSize pixels(static_cast<int>(std::lround(taken.inWindow.width() * pixelRatio)),
                           static_cast<int>(std::lround(taken.inWindow.height() * pixelRatio)));
        painter.drawPixmap(QRectF(taken.inWindow), artworkPicture(taken.artwork, pixels), QRectF(QPoint(), pixels));
    }
}

std::vector<ShownArtwork> shownArtwork(const QWidget& window, qreal pixelRatio)
{
    std::vector<ShownArtwork> shown;
    for (const PictureRedrawer* redrawer : window.findChildren<PictureRedrawer*>())
        shown.push_back({redrawer->artwork(), picturePixels(redrawer->label(), pixelRatio)});
    return shown;
}

}  // namespace tavelle

#include "sharp_picture.moc"
