#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QPainter>
#include <QPicture>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTransform>

#include <optional>

class QImage;
class QWidget;

namespace tavelle {

class ScreenWindow;

// The one way a screen is put on paper, by printing and by the exam sheets: without its buttons, the
// system's window colour left to the paper while a background the screen chose itself is kept, its
// pictures drawn for paper. It is recorded as drawing commands, so that text and lines reach the page as
// text and lines, sharp at any resolution, and the page can be drawn after the window has changed.
class PaperScreen {
public:
    explicit PaperScreen(ScreenWindow& screen);

    // The screen's caption, which names the print job.
    const QString& title() const { return m_title; }
    // The dots per inch of the device it must be drawn on: a picture's text takes its size from the
    // device it is played on, so that at any other resolution text and lines would part. Whatever the
    // resolution, text and lines are drawn as such: only the page's units depend on it.
    int resolution() const { return m_resolution; }

    // Draws the screen on `area`, as large as it fits there, its proportions kept, centred. Inline: the
    // print module draws it without linking the screens.
    void paint(QPainter& painter, const QRectF& area) const
    {
        const QSizeF source = m_size;
        const QSizeF placed = source.scaled(area.size(), Qt::KeepAspectRatio);
        const qreal scale = placed.width() / source.width();
        QTransform onArea = QTransform::fromTranslate(area.x() + (area.width() - placed.width()) / 2.0,
                                                      area.y() + (area.height() - placed.height()) / 2.0);
        onArea.scale(scale, scale);
        painter.save();
        painter.setTransform(onArea, true);
        painter.drawPicture(0, 0, m_drawing);
        painter.restore();
    }

    // The page as bytes, for the print program, and back; nothing when the bytes are no such page. Inline:
    // the print program reads it without linking the screens.
    void write(QDataStream& out) const { out << m_drawing << m_size << m_title << qint32(m_resolution); }
    static std::optional<PaperScreen> read(QDataStream& in)
    {
        PaperScreen page;
        qint32 resolution = 0;
        in >> page.m_drawing >> page.m_size >> page.m_title >> resolution;
        if (in.status() != QDataStream::Ok || page.m_size.isEmpty() || resolution <= 0) return std::nullopt;
        page.m_resolution = resolution;
        return page;
    }

private:
    PaperScreen() = default;

    QPicture m_drawing;
    QSize m_size;
    QString m_title;
    int m_resolution = 0;
};

// The window's pixels as they show on screen, its buttons and window colour included: the same drawing
// as on paper, for pictures of the windows.
QImage screenPixels(QWidget& window);

}  // namespace tavelle
