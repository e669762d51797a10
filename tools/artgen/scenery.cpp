// Portraits, flags, arrows, the traffic light and the two window backdrops.
#include "art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

QRgb packRgb(double r, double g, double b)
{
    auto c = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); };
    return qRgb(c(r), c(g), c(b));
}

void portraitGround(QPainter &p, const QColor &top, const QColor &bottom, const QColor &edge)
{
    QLinearGradient g(0, 0, 0, 42);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    use(p, g, QPen(edge, 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 41, 41), 5, 5);
}

QImage arrow(int w, int h, const QPainterPath &shape)
{
    QImage img = newImage(w, h);
    QPainter p(&img);
    setupPainter(p);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(0xff, 0xfb, 0xd8));
    g.setColorAt(1, QColor(0xff, 0xd8, 0x2a));
    p.setBrush(g);
    QPen pen(QColor(0x2a, 0x1a, 0x00), 1);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.drawPath(shape);
    return img;
}

}  // namespace

QImage playerPicture()
{
    QImage img = newImage(42, 42);
    QPainter p(&img);
    setupPainter(p);
    portraitGround(p, QColor(0xd6, 0xe8, 0xf8), QColor(0x96, 0xbc, 0xe4), QColor(0x3a, 0x5a, 0x86));
    QPainterPath clip;
    clip.addRoundedRect(QRectF(1, 1, 40, 40), 4.5, 4.5);
    p.setClipPath(clip);
    const QColor line(0x2a, 0x1e, 0x16);
    // shoulders in a blue sweater, with a white collar
    const QPainterPath body = svgPath("M 4 42 C 4 32 11 29 21 29 C 31 29 38 32 38 42 Z");
    QLinearGradient sweater(4, 0, 38, 0);
    sweater.setColorAt(0, QColor(0x4a, 0x7c, 0xd0));
    sweater.setColorAt(1, QColor(0x1e, 0x44, 0x90));
    use(p, sweater, QPen(line, 1));
    p.drawPath(body);
    p.setBrush(QColor(0xf2, 0xc8, 0xa0));
    p.drawRect(QRectF(18, 24, 6, 7));
    const QPainterPath collar = svgPath("M 16 29.5 L 21 34 L 26 29.5");
    use(p, Qt::NoBrush, QPen(QColor(0xf4, 0xf4, 0xf4), 1.6));
    p.drawPath(collar);
    // head, ears, hair
    use(p, QColor(0xf2, 0xc8, 0xa0), QPen(line, 1));
    p.drawEllipse(QPointF(12.5, 17.5), 2, 2.6);
    p.drawEllipse(QPointF(29.5, 17.5), 2, 2.6);
    p.drawEllipse(QPointF(21, 16.5), 8, 9.5);
    const QPainterPath hair =
        svgPath("M 12.8 16 C 11 5 31 4 29.2 16 C 27 11 22 10 19 11.5 C 16 12 14 13 12.8 16");
    p.setBrush(QColor(0x5a, 0x34, 0x18));
    p.drawPath(hair);
    use(p, line, Qt::NoPen);
    p.drawEllipse(QPointF(18, 17), 1, 1.2);
    p.drawEllipse(QPointF(24, 17), 1, 1.2);
    use(p, Qt::NoBrush, QPen(QColor(0x9a, 0x40, 0x30), 1, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(18, 18.5, 6, 4), -20 * 16, -140 * 16);
    return img;
}

QImage computerPicture()
{
    QImage img = newImage(42, 42);
    QPainter p(&img);
    setupPainter(p);
    portraitGround(p, QColor(0xe8, 0xea, 0xe4), QColor(0xb8, 0xbe, 0xb4), QColor(0x4a, 0x50, 0x4a));
    const QColor line(0x1a, 0x1c, 0x20);
    use(p, QColor(0x8a, 0x8e, 0x96), QPen(line, 1));
    p.drawRect(QRectF(18.5, 28.5, 5, 4));
    p.drawRoundedRect(QRectF(11.5, 32.5, 19, 3), 1.5, 1.5);
    p.setBrush(QColor(0x3a, 0x3f, 0x47));
    p.drawRoundedRect(QRectF(5.5, 6.5, 31, 23), 2, 2);
    QLinearGradient scr(0, 9, 0, 27);
    scr.setColorAt(0, QColor(0x5a, 0x9a, 0xec));
    scr.setColorAt(1, QColor(0x1a, 0x3e, 0x86));
    use(p, scr, Qt::NoPen);
    p.drawRect(QRect(8, 9, 26, 17));
    // a few lines of text and a blinking cursor on the screen
    p.setBrush(QColor(0xd8, 0xf0, 0xff));
    p.drawRect(QRect(10, 11, 12, 1));
    p.drawRect(QRect(10, 14, 18, 1));
    p.drawRect(QRect(10, 17, 9, 1));
    p.setBrush(QColor(0x8c, 0xff, 0x8c));
    p.drawRect(QRect(20, 17, 2, 2));
    p.setBrush(QColor(0x3c, 0xd0, 0x50));
    p.drawEllipse(QPointF(33, 28), 0.9, 0.9);
    // keyboard
    use(p, QColor(0xe4, 0xe0, 0xd4), QPen(line, 1));
    p.drawRoundedRect(QRectF(6.5, 36.5, 29, 3.5), 1, 1);
    return img;
}

QImage italianFlag()
{
    QImage img = newImage(28, 26);
    QPainter p(&img);
    p.fillRect(0, 0, 9, 26, QColor(0x00, 0x92, 0x46));
    p.fillRect(9, 0, 10, 26, QColor(0xff, 0xff, 0xff));
    p.fillRect(19, 0, 9, 26, QColor(0xce, 0x2b, 0x37));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawRect(0, 0, 27, 25);
    return img;
}

QImage usFlag()
{
    QImage img = newImage(28, 26);
    QPainter p(&img);
    for (int i = 0; i < 13; ++i)
        p.fillRect(0, i * 2, 28, 2, i % 2 ? QColor(0xff, 0xff, 0xff) : QColor(0xb2, 0x22, 0x34));
    p.fillRect(0, 0, 13, 14, QColor(0x3c, 0x3b, 0x6e));
    for (int r = 0; r < 4; ++r)  // staggered rows of star dots
        for (int c = 0; c < (r % 2 ? 3 : 4); ++c)
            p.fillRect(2 + c * 3 + (r % 2) * 2, 2 + r * 3, 1, 1, Qt::white);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawRect(0, 0, 27, 25);
    return img;
}

QImage arrowDown() { return arrow(16, 8, svgPath("M 1 0.5 L 15 0.5 L 8 7.5 Z")); }
QImage arrowUp() { return arrow(16, 8, svgPath("M 1 7.5 L 15 7.5 L 8 0.5 Z")); }
QImage arrowRight()
{
    return arrow(16, 16, svgPath("M 0.5 5.5 L 7.5 5.5 L 7.5 1 L 15 8 L 7.5 15 L 7.5 10.5 L 0.5 10.5 Z"));
}

QImage trafficLight()
{
    QImage img = newImage(40, 52);
    QPainter p(&img);
    setupPainter(p);
    const QColor housing(0x26, 0x28, 0x2a), edge(0x0a, 0x0a, 0x0a);
    const double ys[] = {10, 26, 42};
    // side visors
    use(p, QColor(0x3a, 0x3c, 0x3e), QPen(edge, 1));
    for (double y : ys) {
        for (int side : {-1, 1}) {
            QPainterPath visor(QPointF(20 + side * 9, y - 6));
            visor.lineTo(20 + side * 17, y - 6);
            visor.lineTo(20 + side * 9, y + 4);
            visor.closeSubpath();
            p.drawPath(visor);
        }
    }
    QLinearGradient body(10, 0, 30, 0);
    body.setColorAt(0, QColor(0x4a, 0x4c, 0x50));
    body.setColorAt(0.4, housing);
    body.setColorAt(1, QColor(0x14, 0x14, 0x16));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(10.5, 1.5, 19, 49), 4, 4);
    const QColor dimRed(0x5c, 0x14, 0x14), dimAmber(0x5c, 0x46, 0x12);
    for (int i = 0; i < 2; ++i) {
        QRadialGradient g(QPointF(18.5, ys[i] - 2), 7);
        const QColor base = i ? dimAmber : dimRed;
        g.setColorAt(0, base.lighter(150));
        g.setColorAt(1, base);
        use(p, g, QPen(edge, 1));
        p.drawEllipse(QPointF(20, ys[i]), 6, 6);
    }
    QRadialGradient halo(QPointF(20, 42), 13);
    halo.setColorAt(0, QColor(80, 255, 110, 150));
    halo.setColorAt(1, QColor(80, 255, 110, 0));
    use(p, halo, Qt::NoPen);
    p.drawEllipse(QPointF(20, 42), 13, 13);
    QRadialGradient lit(QPointF(18.5, 40), 7);
    lit.setColorAt(0, QColor(0xe8, 0xff, 0xe0));
    lit.setColorAt(0.45, QColor(0x3c, 0xee, 0x5a));
    lit.setColorAt(1, QColor(0x12, 0x96, 0x2e));
    use(p, lit, QPen(edge, 1));
    p.drawEllipse(QPointF(20, 42), 6, 6);
    return img;
}

QImage woodTable()
{
    const int w = 780, h = 555;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    Rng rng(20240917u);
    // planks: horizontal boards of varying height, each with its own tone and butt joints
    std::vector<int> edges{0};
    while (edges.back() < h)
        edges.push_back(edges.back() + static_cast<int>(rng.range(58, 84)));
    struct Board { double tone; int joint; std::uint32_t seed; double kx, ky; };
    std::vector<Board> boards;
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
        Board bd{rng.range(-0.09, 0.09), static_cast<int>(rng.range(120, 660)), rng.next(), -1000, 0};
        if (rng.unit() < 0.6) {  // a knot in some boards
            bd.kx = rng.range(40, 740);
            bd.ky = edges[i] + rng.range(0.3, 0.7) * (edges[i + 1] - edges[i]);
        }
        boards.push_back(bd);
    }
    size_t b = 0;
    for (int y = 0; y < h; ++y) {
        while (y >= edges[b + 1])
            ++b;
        const int top = edges[b], bottom = edges[b + 1];
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const bool second = x >= boards[b].joint;  // the board on the right of the joint
            const std::uint32_t seed = boards[b].seed + (second ? 7919u : 0u);
            const double tone = boards[b].tone + (second ? 0.05 : 0);
            // grain: stretched noise bending the lines of growth rings
            const double kdx = (x - boards[b].kx) / 14.0, kdy = (y - boards[b].ky) / 6.0;
            const double kd2 = kdx * kdx + kdy * kdy;
            // grain: stretched noise bending the growth rings, which swirl round a knot
            const double warp = fbm(x * 0.004, y * 0.03, seed, 4) * 9.0 + 2.5 * std::exp(-kd2 * 0.15);
            const double ring = std::fmod((y - top) * 0.42 + warp * 2.2 + 100, 1.0);
            const double grain = 0.5 + 0.5 * std::sin(ring * 2 * kPi);
            const double fine = fbm(x * 0.08, y * 0.9, seed + 3, 2);
            double k = 0.78 + tone + 0.15 * grain * grain + 0.10 * (fine - 0.5);
            if (kd2 < 1.0)
                k *= 0.55 + 0.3 * kd2 + 0.08 * std::sin(std::sqrt(kd2) * 18);
            // darker seams between the boards and at the joints
            const int dy = std::min(y - top, bottom - 1 - y);
            if (dy == 0)
                k *= 0.45;
            else if (dy == 1)
                k *= 0.8;
            const int dx = std::abs(x - boards[b].joint);
            if (dx == 0)
                k *= 0.5;
            else if (dx == 1)
                k *= 0.82;
            line[x] = packRgb(118 * k, 70 * k, 36 * k);
        }
    }
    // the felt in the middle row, set into the table with a dark rim
    const int f0 = 190, f1 = 375;
    for (int y = f0; y <= f1; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double n = fbm(x * 0.35, y * 0.35, 77u, 2) - 0.5;
            const double soft = fbm(x * 0.01, y * 0.01, 78u, 3) - 0.5;
            double k = 1.0 + 0.12 * n + 0.12 * soft;
            const int edge = std::min(y - f0, f1 - y);
            if (edge < 3)
                k *= 0.45 + 0.15 * edge;
            else if (edge < 10)
                k *= 0.82 + 0.018 * edge;
            line[x] = packRgb(38 * k, 88 * k, 54 * k);
        }
    }
    return img;
}

QImage scoringBackdrop()
{
    const int w = 780, h = 555;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double grad = 6.0 * (0.5 - static_cast<double>(y) / h);
            const double cloud = 8.0 * (fbm(x * 0.012, y * 0.012, 511u, 4) - 0.5);
            const double grain = 4.0 * (valueNoise(x * 0.7, y * 0.7, 512u) - 0.5);
            const double d = grad + cloud + grain;
            line[x] = packRgb(0xa3 + d, 0xcc + d, 0x8e + d);
        }
    }
    return img;
}
