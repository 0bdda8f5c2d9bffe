#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace tavelle {

// The platform's style, drawing exactly as it does, except that Fusion's group box frame is drawn from
// its picture read once by the built-in PNG reader. Fusion reads that picture through a content-sniffing
// QPixmap load, which loads every image format plugin (and libjpeg) into the process to ask each
// whether it knows the file: megabytes of libraries for a picture of a few hundred bytes.
class PluginFreeStyle final : public QProxyStyle {
public:
    PluginFreeStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    const QPixmap& groupBoxFrame() const;

    bool m_fusion = false;
    // Read at the first frame drawn: the home screen has none.
    mutable QPixmap m_groupBoxFrame;
};

}  // namespace tavelle
