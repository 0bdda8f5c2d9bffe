#include "screens/plugin_free_style.h"

#include <QGroupBox>
#include <QImageReader>
#include <QMargins>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>

namespace tavelle {

namespace {

// Fusion's own constants for the group box frame (Qt 6).
constexpr int fusionGroupBoxTopMargin = 3;
const QMargins fusionGroupBoxBorder(6, 6, 6, 6);

QPixmap readPngWithoutPlugins(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

PluginFreeStyle::PluginFreeStyle()
    : m_fusion(baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
{
}

const QPixmap& PluginFreeStyle::groupBoxFrame() const
{
    if (m_groupBoxFrame.isNull())
        m_groupBoxFrame =
            readPngWithoutPlugins(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    return m_groupBoxFrame;
}

void PluginFreeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    if (element != PE_FrameGroupBox || !m_fusion || groupBoxFrame().isNull()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // As Fusion places it: below the title, or nearly at the top when a plain box has no title.
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    int topMargin = fusionGroupBoxTopMargin;
    if (box == nullptr || box->isCheckable() || !box->title().isEmpty())
        topMargin += std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    const QRect frame = option->rect.adjusted(0, topMargin, 0, 0);
    if (painter->paintEngine()->type() == QPaintEngine::Raster) {
        qDrawBorderPixmap(painter, frame, fusionGroupBoxBorder, groupBoxFrame());
        return;
    }
    // On paper the picture, stretched, would print blurred: the same frame drawn as a line, as the
    // picture shows it, a faint grey one pixel in from the edge with rounded corners, over a fainter shade.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(QColor(0x75, 0x75, 0x75, 0x32), 1));
    painter->setBrush(QColor(0, 0, 0, 0x03));
    painter->drawRoundedRect(QRectF(frame).adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
    painter->restore();
}

}  // namespace tavelle
