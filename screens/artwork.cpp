#include "screens/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace tavelle {

namespace {

// The fire services' colours.
const QColor fireRed(200, 16, 46);
const QColor deepRed(120, 8, 20);
const QColor brassLight(250, 222, 130);
const QColor brass(212, 160, 23);
const QColor brassDark(130, 90, 10);
const QColor steelDark(44, 44, 48);
const QColor canvasHose(236, 226, 200);

QPixmap transparentPixmap(QSize size)
{
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Maps a design of designWidth x designHeight units onto the pixmap, centred and uniformly scaled.
void fitDesign(QPainter& painter, QSizeF size, qreal designWidth, qreal designHeight)
{
    const qreal scale = std::min(size.width() / designWidth, size.height() / designHeight);
    painter.translate((size.width() - designWidth * scale) / 2, (size.height() - designHeight * scale) / 2);
    painter.scale(scale, scale);
}

QLinearGradient metalGradient(QPointF from, QPointF to, const QColor& light, const QColor& mid, const QColor& dark)
{
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0.0, dark);
    gradient.setColorAt(0.35, light);
    gradient.setColorAt(0.6, mid);
    gradient.setColorAt(1.0, dark);
    return gradient;
}

// A symmetrical hose coupling seen from the side, centred on (x, y), axis horizontal.
void drawCoupling(QPainter& painter, qreal x, qreal y, qreal length, qreal height)
{
    painter.setPen(QPen(brassDark, 0.6));
    painter.setBrush(metalGradient({x, y - height / 2}, {x, y + height / 2}, brassLight, brass, brassDark));
    painter.drawRoundedRect(QRectF(x - length / 2, y - height / 2, length, height), 1.2, 1.2);
    // The two lugs that lock the halves together.
    const qreal lug = length * 0.28;
    painter.drawRoundedRect(QRectF(x - lug / 2, y - height / 2 - height * 0.22, lug, height * 0.22), 0.6, 0.6);
    painter.drawRoundedRect(QRectF(x - lug / 2, y + height / 2, lug, height * 0.22), 0.6, 0.6);
    painter.setPen(QPen(brassDark, 0.5));
    painter.drawLine(QPointF(x, y - height / 2), QPointF(x, y + height / 2));
}

// `within` bounds the jet's cone and droplets.
void drawJet(QPainter& painter, const QPainterPath& within, qreal startX, qreal endX, qreal halfWidthStart,
             qreal halfWidthEnd)
{
    QPainterPath cone;
    cone.moveTo(startX, -halfWidthStart);
    cone.quadTo((startX + endX) / 2, -halfWidthEnd * 0.55, endX, -halfWidthEnd);
    cone.quadTo(endX + 3, 0, endX, halfWidthEnd);
    cone.quadTo((startX + endX) / 2, halfWidthEnd * 0.55, startX, halfWidthStart);
    cone.closeSubpath();
    QLinearGradient water(startX, 0, endX + 3, 0);
    water.setColorAt(0.0, QColor(255, 255, 255, 250));
    water.setColorAt(0.55, QColor(190, 225, 255, 210));
    water.setColorAt(1.0, QColor(150, 200, 255, 40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(water);
    painter.drawPath(cone.intersected(within));

    // Spray streaks and droplets that break up at the end of the jet.
    painter.setPen(QPen(QColor(255, 255, 255, 200), 0.8, Qt::SolidLine, Qt::RoundCap));
    for (int i = -2; i <= 2; ++i) {
        const qreal spread = i / 2.0;
        painter.drawLine(QPointF(startX + 4, spread * halfWidthStart * 0.5),
                         QPointF(endX - 2, spread * halfWidthEnd * 0.8));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 245, 255, 220));
    const QPointF drops[] = {{endX + 1, -halfWidthEnd - 2},
                             {endX + 4, -halfWidthEnd * 0.4},
                             {endX + 3, halfWidthEnd * 0.5},
                             {endX - 1, halfWidthEnd + 2.5},
                             {endX + 6, 0.5},
                             {endX - 4, -halfWidthEnd - 3.5}};
    for (const QPointF& drop : drops) {
        QPainterPath droplet;
        droplet.addEllipse(drop, 1.1, 1.1);
        painter.drawPath(droplet.intersected(within));
    }
}

// A branch nozzle along the x axis, coupling at the left, tip at tipX.
void drawNozzle(QPainter& painter, qreal couplingX, qreal tipX)
{
    const qreal gripStart = couplingX + 6;
    const qreal tipStart = tipX - 11;

    drawCoupling(painter, couplingX, 0, 10, 14);

    // The grip of the barrel, in black rubber with its rings.
    QPainterPath grip;
    grip.moveTo(gripStart, -6.5);
    grip.lineTo(tipStart, -5);
    grip.lineTo(tipStart, 5);
    grip.lineTo(gripStart, 6.5);
    grip.closeSubpath();
    QLinearGradient rubber(0, -6.5, 0, 6.5);
    rubber.setColorAt(0.0, QColor(20, 20, 22));
    rubber.setColorAt(0.3, QColor(90, 90, 96));
    rubber.setColorAt(1.0, QColor(10, 10, 12));
    painter.setPen(QPen(Qt::black, 0.5));
    painter.setBrush(rubber);
    painter.drawPath(grip);
    painter.setPen(QPen(QColor(120, 120, 128), 0.8));
    for (qreal x = gripStart + 4; x < tipStart - 2; x += 4)
        painter.drawLine(QPointF(x, -5.6 + (x - gripStart) * 0.05), QPointF(x, 5.6 - (x - gripStart) * 0.05));

    // The shut-off lever on top.
    painter.setPen(QPen(brassDark, 0.6));
    painter.setBrush(metalGradient({0, -13}, {0, -6}, brassLight, brass, brassDark));
    QPainterPath lever;
    lever.moveTo(gripStart + 3, -6.2);
    lever.lineTo(gripStart + 6, -12.5);
    lever.lineTo(tipStart - 1, -10.5);
    lever.lineTo(tipStart - 1, -8.5);
    lever.lineTo(gripStart + 7, -10);
    lever.lineTo(gripStart + 6, -6);
    lever.closeSubpath();
    painter.drawPath(lever);

    // The brass tip.
    QPainterPath tip;
    tip.moveTo(tipStart, -5.5);
    tip.lineTo(tipX, -3);
    tip.lineTo(tipX, 3);
    tip.lineTo(tipStart, 5.5);
    tip.closeSubpath();
    painter.setBrush(metalGradient({0, -5.5}, {0, 5.5}, brassLight, brass, brassDark));
    painter.drawPath(tip);
    painter.drawRoundedRect(QRectF(tipX - 1.2, -3.6, 2.4, 7.2), 0.6, 0.6);
}

}  // namespace

QPixmap logoPicture(QSize size)
{
    QPixmap pixmap = transparentPixmap(size);
    QPainter painter(&pixmap);
    drawLogo(painter, pixmap.size());
    return pixmap;
}

void drawLogo(QPainter& painter, QSizeF size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    fitDesign(painter, size, 100, 100);

    const QPointF centre(50, 50);
    // Brass ring.
    QRadialGradient ring(centre - QPointF(14, 14), 70);
    ring.setColorAt(0.0, brassLight);
    ring.setColorAt(0.55, brass);
    ring.setColorAt(1.0, brassDark);
    painter.setPen(QPen(brassDark, 1));
    painter.setBrush(ring);
    painter.drawEllipse(centre, 48.5, 48.5);

    // Red field with a thin white border inside the ring.
    painter.setPen(QPen(Qt::white, 1.6));
    QRadialGradient field(centre - QPointF(12, 14), 62);
    field.setColorAt(0.0, QColor(238, 50, 60));
    field.setColorAt(0.6, fireRed);
    field.setColorAt(1.0, deepRed);
    painter.setBrush(field);
    painter.drawEllipse(centre, 41, 41);

    // Everything else runs along the nozzle's axis, rising to the right, and stays within the red
    // field. The shapes are cut to it rather than clipped, since an SVG icon keeps no clipping.
    QTransform axis;
    axis.translate(centre.x() - 2, centre.y() + 4);
    axis.rotate(-38);
    painter.setTransform(axis, true);
    QPainterPath redDisc;
    redDisc.addEllipse(centre, 40, 40);
    const QPainterPath within = axis.inverted().map(redDisc);

    // The hose that feeds the nozzle.
    QLinearGradient hose(0, -5, 0, 5);
    hose.setColorAt(0.0, QColor(190, 180, 150));
    hose.setColorAt(0.35, canvasHose);
    hose.setColorAt(1.0, QColor(160, 148, 118));
    painter.setPen(QPen(QColor(120, 110, 90), 0.6));
    painter.setBrush(hose);
    QPainterPath hoseShape;
    hoseShape.addRect(QRectF(-60, -4.5, 32, 9));
    painter.drawPath(hoseShape.intersected(within));

    drawJet(painter, within, 12, 42, 3, 13);
    drawNozzle(painter, -26, 12);
    painter.restore();
}

QPixmap pumpPicture(QSize size)
{
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    // The antialiased edge between wall and floor lets what lies beneath show through: without a fill
    // that is whatever memory the pixmap was given, and the picture would change from one drawing to
    // the next.
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // The station: a tiled wall above a concrete floor, filling the whole frame like a photograph.
    const qreal horizon = pixmap.height() * 0.62;
    QLinearGradient wall(0, 0, 0, horizon);
    wall.setColorAt(0.0, QColor(92, 104, 122));
    wall.setColorAt(1.0, QColor(168, 176, 188));
    painter.fillRect(QRectF(0, 0, pixmap.width(), horizon), wall);
    QLinearGradient floor(0, horizon, 0, pixmap.height());
    floor.setColorAt(0.0, QColor(120, 120, 118));
    floor.setColorAt(1.0, QColor(70, 70, 68));
    painter.fillRect(QRectF(0, horizon, pixmap.width(), pixmap.height() - horizon), floor);
    painter.setPen(QPen(QColor(60, 60, 60, 90), 1));
    painter.drawLine(QPointF(0, horizon), QPointF(pixmap.width(), horizon));
    // A red-and-white stripe along the wall, as painted in fire stations.
    painter.fillRect(QRectF(0, horizon - pixmap.height() * 0.09, pixmap.width(), pixmap.height() * 0.035),
                     QColor(190, 30, 40));
    painter.fillRect(QRectF(0, horizon - pixmap.height() * 0.055, pixmap.width(), pixmap.height() * 0.02),
                     QColor(235, 235, 235));

    fitDesign(painter, pixmap.size(), 100, 145);

    // A window of the station behind the pump.
    painter.setPen(QPen(QColor(225, 228, 232), 2.2));
    QLinearGradient sky(0, 8, 0, 40);
    sky.setColorAt(0.0, QColor(120, 170, 225));
    sky.setColorAt(1.0, QColor(200, 225, 245));
    painter.setBrush(sky);
    painter.drawRect(QRectF(26, 8, 48, 30));
    painter.drawLine(QPointF(50, 8), QPointF(50, 38));
    painter.drawLine(QPointF(26, 23), QPointF(74, 23));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawPolygon(QPolygonF({QPointF(30, 36), QPointF(40, 10), QPointF(46, 10), QPointF(36, 36)}));

    // Shadow under the pump.
    QRadialGradient shadow(QPointF(50, 116), 46);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 130));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(50, 116), 46, 8);

    // Fuel tank on top of the frame.
    painter.setPen(QPen(deepRed, 0.6));
    painter.setBrush(metalGradient({0, 52}, {0, 66}, QColor(240, 70, 80), fireRed, deepRed));
    painter.drawRoundedRect(QRectF(18, 52, 44, 14), 4, 4);
    painter.setBrush(metalGradient({0, 48}, {0, 53}, QColor(230, 230, 230), QColor(160, 160, 160), QColor(90, 90, 90)));
    painter.drawRoundedRect(QRectF(24, 48.5, 8, 4), 1, 1);

    // The engine: dark block with cooling fins.
    QLinearGradient engine(18, 0, 58, 0);
    engine.setColorAt(0.0, QColor(30, 30, 34));
    engine.setColorAt(0.4, QColor(95, 98, 104));
    engine.setColorAt(1.0, QColor(35, 35, 40));
    painter.setPen(QPen(Qt::black, 0.6));
    painter.setBrush(engine);
    painter.drawRoundedRect(QRectF(20, 68, 38, 36), 3, 3);
    painter.setPen(QPen(QColor(140, 140, 148), 0.8));
    for (qreal y = 72; y < 101; y += 3.2) painter.drawLine(QPointF(23, y), QPointF(55, y));
    // Recoil starter.
    painter.setPen(QPen(Qt::black, 0.6));
    painter.setBrush(metalGradient({0, 78}, {0, 94}, QColor(220, 220, 220), QColor(150, 150, 150), QColor(70, 70, 70)));
    painter.drawEllipse(QPointF(30, 86), 6.5, 6.5);
    painter.setBrush(fireRed);
    painter.drawRoundedRect(QRectF(27, 84.8, 6, 2.4), 1, 1);

    // The pump's volute, painted red, with its large suction inlet.
    QRadialGradient volute(QPointF(70, 82), 22);
    volute.setColorAt(0.0, QColor(245, 80, 90));
    volute.setColorAt(0.7, fireRed);
    volute.setColorAt(1.0, deepRed);
    painter.setPen(QPen(deepRed, 0.8));
    painter.setBrush(volute);
    painter.drawEllipse(QPointF(72, 88), 16, 16);
    painter.setPen(QPen(brassDark, 0.7));
    painter.setBrush(metalGradient({60, 80}, {84, 96}, brassLight, brass, brassDark));
    painter.drawEllipse(QPointF(72, 88), 8.5, 8.5);
    painter.setBrush(QColor(30, 25, 20));
    painter.drawEllipse(QPointF(72, 88), 5, 5);
    for (int lug = 0; lug < 2; ++lug) {
        painter.setBrush(metalGradient({60, 80}, {84, 96}, brassLight, brass, brassDark));
        painter.drawRoundedRect(QRectF(lug == 0 ? 61.5 : 80.5, 86.5, 2, 3), 0.5, 0.5);
    }

    // Two discharge outlets with their couplings on the delivery side; the upper one is capped.
    struct Outlet {
        QPointF root;
        qreal angle;
    };
    for (const Outlet& outlet : {Outlet{{84, 80}, -35}, Outlet{{86, 94}, 8}}) {
        painter.save();
        painter.translate(outlet.root);
        painter.rotate(outlet.angle);
        painter.setPen(QPen(deepRed, 0.6));
        painter.setBrush(metalGradient({0, -3}, {0, 3}, QColor(240, 70, 80), fireRed, deepRed));
        painter.drawRect(QRectF(-2, -3, 8, 6));
        drawCoupling(painter, 9, 0, 6, 8);
        painter.restore();
    }

    // Pressure gauge on its stem above the volute.
    const QPointF gauge(72, 60);
    painter.setPen(QPen(QColor(60, 60, 60), 1.2));
    painter.drawLine(gauge, QPointF(72, 73));
    painter.setPen(QPen(QColor(20, 20, 20), 1));
    painter.setBrush(metalGradient({0, 53}, {0, 67}, QColor(230, 230, 230), QColor(170, 170, 170), QColor(80, 80, 80)));
    painter.drawEllipse(gauge, 6.5, 6.5);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(60, 60, 60), 0.4));
    painter.drawEllipse(gauge, 5, 5);
    for (int tick = 0; tick <= 8; ++tick) {
        const qreal angle = (225 - tick * 33.75) * M_PI / 180;
        const QPointF direction(std::cos(angle), -std::sin(angle));
        painter.drawLine(gauge + direction * 3.6, gauge + direction * 4.6);
    }
    painter.setPen(QPen(QColor(200, 0, 0), 0.7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(gauge, gauge + QPointF(3.2, -2.2));

    // The tubular cage that carries it all, in red with a highlight.
    QPainterPath cage;
    cage.addRoundedRect(QRectF(14, 46, 76, 62), 7, 7);
    cage.moveTo(14, 80);
    cage.lineTo(90, 80);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(deepRed, 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(cage);
    painter.setPen(QPen(fireRed, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(cage);
    painter.setPen(QPen(QColor(255, 150, 150, 180), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.translate(-0.6, -0.8);
    painter.drawPath(cage);
    painter.translate(0.6, 0.8);
    // Carrying handles and feet.
    painter.setPen(QPen(QColor(30, 30, 30), 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(6, 56), QPointF(13, 56));
    painter.drawLine(QPointF(91, 100), QPointF(97, 100));
    painter.drawLine(QPointF(6, 100), QPointF(13, 100));
    painter.setBrush(QColor(25, 25, 25));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(16, 107, 10, 5), 1.5, 1.5);
    painter.drawRoundedRect(QRectF(78, 107, 10, 5), 1.5, 1.5);

    // A rolled canvas hose in front.
    QRadialGradient roll(QPointF(28, 128), 15);
    roll.setColorAt(0.0, QColor(250, 244, 226));
    roll.setColorAt(1.0, QColor(180, 168, 136));
    painter.setPen(QPen(QColor(130, 118, 92), 0.6));
    painter.setBrush(roll);
    painter.drawEllipse(QPointF(28, 130), 15, 9);
    painter.setBrush(Qt::NoBrush);
    for (qreal radius = 3; radius < 15; radius += 2.6) painter.drawEllipse(QPointF(28, 130), radius, radius * 0.6);
    painter.setBrush(metalGradient({0, 126}, {0, 134}, brassLight, brass, brassDark));
    painter.setPen(QPen(brassDark, 0.5));
    painter.drawRoundedRect(QRectF(43, 126.5, 6, 7), 1, 1);

    // A laid-out hose leaving the right outlet.
    QPainterPath laid;
    laid.moveTo(97, 96);
    laid.cubicTo(104, 112, 92, 124, 72, 128);
    laid.cubicTo(60, 132, 56, 140, 62, 146);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(150, 138, 108), 4.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(laid);
    painter.setPen(QPen(canvasHose, 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(laid);
    return pixmap;
}

}  // namespace tavelle
