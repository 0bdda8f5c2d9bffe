#include "screens/sharp_picture.h"

#include <QEvent>
#include <QLabel>

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

class PictureRedrawer final : public QObject {
public:
    PictureRedrawer(QLabel& label, PictureDrawing draw)
        : QObject(&label)
        , m_label(label)
        , m_draw(draw)
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

private:
    void redrawIfBlurred()
    {
        const qreal ratio = m_label.devicePixelRatioF();
        const QSize size = m_label.contentsRect().size();
        const QSize pixels(static_cast<int>(std::lround(size.width() * ratio)),
                           static_cast<int>(std::lround(size.height() * ratio)));
        const QPixmap shown = m_label.pixmap();
        if (!shown.isNull() && shown.size() == pixels && qFuzzyCompare(shown.devicePixelRatio(), ratio)) return;
        QPixmap picture = m_draw(pixels);
        picture.setDevicePixelRatio(ratio);
        m_label.setPixmap(picture);
    }

    QLabel& m_label;
    PictureDrawing m_draw;
};

}  // namespace

void showSharpPicture(QLabel& label, PictureDrawing draw)
{
    new PictureRedrawer(label, draw);
}

}  // namespace tavelle
