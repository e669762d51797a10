// Card faces and backs of both decks.
#include "art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kH = 165;
int widthOf(Deck d) { return d == Deck::Standard ? 100 : 82; }

struct Cloth {
    QColor main, dark, second, trim;
};

Cloth clothOf(Suit s, Deck d)
{
    static const char *const table[2][4][4] = {
        {{"#3c8a2e", "#1e4e16", "#b8342a", "#e8c040"}, {"#c42828", "#6a0c0c", "#2c5aa0", "#e8c040"},
         {"#e2a81e", "#7a5200", "#7a2a6a", "#b03a2a"}, {"#2e5bb0", "#142e66", "#c0392b", "#e8c040"}},
        {{"#5e7e1e", "#2e4008", "#8a3a16", "#e2a834"}, {"#a8142f", "#500614", "#1e6a6a", "#e2a834"},
         {"#f0a020", "#7a4000", "#24506e", "#a8142f"}, {"#3a6e9e", "#16324e", "#d86a1a", "#e2a834"}},
    };
    const auto &row = table[d == Deck::Standard ? 0 : 1][static_cast<int>(s)];
    return {QColor(row[0]), QColor(row[1]), QColor(row[2]), QColor(row[3])};
}

// ---- frame and index -------------------------------------------------------

const QColor kGroundStd(0xfc, 0xf7, 0xea), kGroundTrev(0xf4, 0xed, 0xda);

void drawFrame(QPainter &p, Deck d, int w, bool rich)
{
    const double r = d == Deck::Standard ? 6 : 4;
    use(p, d == Deck::Standard ? kGroundStd : kGroundTrev, Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, w, kH), r, r);
    p.setBrush(Qt::NoBrush);
    if (d == Deck::Standard) {
        p.setPen(QPen(rich ? QColor(0x6b, 0x43, 0x00) : QColor(0x4a, 0x3a, 0x2a), 1));
        p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, kH - 1), r, r);
        if (rich) {
            p.setPen(QPen(QColor(0xd8, 0xa8, 0x30), 1));
            p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, kH - 3), r - 1, r - 1);
        }
        return;
    }
    // second deck: black edge and a framed central panel between the index columns
    p.setPen(QPen(QColor(0x1a, 0x12, 0x0c), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, kH - 1), r, r);
    const QRectF panel(10.5, 4.5, w - 22, kH - 9);
    p.fillRect(panel, QColor(0xee, 0xe2, 0xc0));
    p.setPen(QPen(QColor(0x1a, 0x12, 0x0c), 1));
    p.drawRect(panel);
    p.setPen(QPen(QColor(0xa3, 0x10, 0x2b), 1));
    p.drawRect(panel.adjusted(2, 2, -2, -2));
}

void drawIndex(QPainter &p, Deck d, Suit s, int value, int w)
{
    const QColor c = suitInk(s, d);
    const int nw = numberWidth(value);
    for (int x0 : {2, w - 9}) {  // 7-pixel columns at both top corners
        drawNumber(p, value, x0 + (7 - nw) / 2, 5, c);  // "10" spills one pixel right
        drawIndexSign(p, s, d, x0, 16);
    }
}

// Area left for the pictures, clear of the index columns.
QRectF pictureArea(Deck d, int w)
{
    return d == Deck::Standard ? QRectF(12, 6, w - 24, kH - 12) : QRectF(13, 7, w - 26, kH - 14);
}

// ---- pips ------------------------------------------------------------------

void drawPips(QPainter &p, Deck d, Suit s, int n, const QRectF &a)
{
    struct P { double u, v; };
    static const std::vector<P> layouts[8] = {
        {}, {},
        {{0.5, 0.2}, {0.5, 0.8}},
        {{0.5, 0.15}, {0.5, 0.5}, {0.5, 0.85}},
        {{0.22, 0.2}, {0.78, 0.2}, {0.22, 0.8}, {0.78, 0.8}},
        {{0.22, 0.17}, {0.78, 0.17}, {0.5, 0.5}, {0.22, 0.83}, {0.78, 0.83}},
        {{0.22, 0.15}, {0.78, 0.15}, {0.22, 0.5}, {0.78, 0.5}, {0.22, 0.85}, {0.78, 0.85}},
        {{0.22, 0.14}, {0.78, 0.14}, {0.5, 0.32}, {0.22, 0.5}, {0.78, 0.5}, {0.22, 0.86}, {0.78, 0.86}},
    };
    // box per sign: long signs get taller boxes, crowded layouts smaller ones
    const bool st = d == Deck::Standard;
    const bool tall = s == Suit::Swords || s == Suit::Clubs;
    double bw = n <= 3 ? 36 : 30, bh = n <= 3 ? 48 : n <= 5 ? 42 : 34;
    if (tall)
        bh = n == 2 ? 62 : n <= 5 ? 50 : s == Suit::Swords ? 46 : 38;
    if (s == Suit::Coins && n >= 6)
        bh = bw - 1;
    if (s == Suit::Cups && n == 7)
        bh = 29;
    if (!st) {  // narrower panel
        bw -= n <= 3 ? 4 : 6;
        bh -= 2;
    }
    const double spread = st ? 1.0 : 0.9;
    for (const P &pp : layouts[n]) {
        const QPointF c(a.left() + (0.5 + (pp.u - 0.5) * spread) * a.width(), a.top() + pp.v * a.height());
        drawSign(p, s, d, QRectF(c.x() - bw / 2, c.y() - bh / 2, bw, bh));
    }
}

// ---- aces ------------------------------------------------------------------

void wreath(QPainter &p, QPointF c, double rx, double ry)
{
    // two laurel branches rising from the bottom, angle 0 = bottom centre
    const QColor stem(0x2a, 0x6a, 0x1e), leafC(0x4c, 0xa0, 0x3a), leafDark(0x1e, 0x4e, 0x14);
    for (int side : {-1, 1}) {
        auto at = [&](double deg) {
            const double t = deg * kPi / 180;
            return QPointF(c.x() + side * rx * std::sin(t), c.y() + ry * std::cos(t));
        };
        QPainterPath arc;
        arc.moveTo(at(12));
        for (int deg = 16; deg <= 150; deg += 4)
            arc.lineTo(at(deg));
        use(p, Qt::NoBrush, QPen(stem, 1.2));
        p.drawPath(arc);
        for (int deg = 24; deg <= 148; deg += 14) {
            const double t = deg * kPi / 180;
            const double dir = std::atan2(-ry * std::sin(t), side * rx * std::cos(t)) * 180 / kPi;
            for (int k : {-1, 1}) {
                p.save();
                p.translate(at(deg));
                p.rotate(dir + k * 40);
                const QPainterPath l = svgPath("M 0 0 Q 4 -2.6 8 0 Q 4 2.6 0 0");
                use(p, leafC, QPen(leafDark, 0.6));
                p.drawPath(l);
                p.restore();
            }
        }
    }
}

void ribbon(QPainter &p, QPointF c, const QColor &col, double w)
{
    QPainterPath r;
    r.moveTo(c.x() - w / 2, c.y() - 4);
    r.quadTo(c.x(), c.y() + 2, c.x() + w / 2, c.y() - 4);
    r.lineTo(c.x() + w / 2 + 5, c.y() + 3);
    r.lineTo(c.x() + w / 2 - 1, c.y() + 2);
    r.lineTo(c.x() + w / 2, c.y() + 4);
    r.quadTo(c.x(), c.y() + 10, c.x() - w / 2, c.y() + 4);
    r.lineTo(c.x() - w / 2 + 1, c.y() + 2);
    r.lineTo(c.x() - w / 2 - 5, c.y() + 3);
    r.closeSubpath();
    use(p, col, QPen(col.darker(180), 0.8));
    p.drawPath(r);
}

void drawAce(QPainter &p, Deck d, Suit s, const QRectF &a)
{
    const QPointF c = a.center();
    const Cloth cl = clothOf(s, d);
    if (d == Deck::Standard) {
        QRadialGradient glow(c, 42);
        glow.setColorAt(0, QColor(255, 236, 170, 150));
        glow.setColorAt(1, QColor(255, 236, 170, 0));
        use(p, glow, Qt::NoPen);
        p.drawEllipse(c, 42, 60);
        wreath(p, c, 34, 54);
        ribbon(p, QPointF(c.x(), c.y() + 58), cl.main, 34);
        const double h = s == Suit::Coins ? 54 : 96;
        drawSign(p, s, d, QRectF(c.x() - 28, c.y() - h / 2 - 3, 56, h));
        return;
    }
    // second deck: sunburst medallion and a scroll
    p.save();
    p.setClipRect(a.adjusted(2, 2, -2, -2));
    QColor ray = cl.main;
    ray.setAlpha(60);
    use(p, ray, Qt::NoPen);
    for (int i = 0; i < 24; i += 2) {
        QPainterPath w;
        w.moveTo(c);
        const double a0 = i * kPi / 12, a1 = (i + 1) * kPi / 12;
        w.lineTo(c.x() + 90 * std::cos(a0), c.y() + 90 * std::sin(a0));
        w.lineTo(c.x() + 90 * std::cos(a1), c.y() + 90 * std::sin(a1));
        w.closeSubpath();
        p.drawPath(w);
    }
    p.restore();
    use(p, QColor(0xf8, 0xf0, 0xdc), QPen(QColor(0x1a, 0x12, 0x0c), 1));
    p.drawEllipse(c, 24, 40);
    p.setPen(QPen(cl.main, 1));
    p.drawEllipse(c, 21.5, 37.5);
    const double h = s == Suit::Coins ? 40 : 70;
    drawSign(p, s, d, QRectF(c.x() - 20, c.y() - h / 2, 40, h));
    ribbon(p, QPointF(c.x(), c.y() + 52), cl.main, 30);
}

// ---- figures ---------------------------------------------------------------
// Drawn in an 80 x 160 design space mapped onto the picture area.

struct Fig {
    QPainter &p;
    QTransform t;
    Cloth cl;
    Deck d;
    Suit s;
    QPen line;
    QColor skin, hair;

    void shape(const QPainterPath &path, const QBrush &b)
    {
        use(p, b, line);
        p.drawPath(path);
    }
    void ellipse(QPointF c, double rx, double ry, const QBrush &b)
    {
        QPainterPath e;
        e.addEllipse(c, rx, ry);
        shape(e, b);
    }
    // a stroke with an outline: arms, legs, tails
    void limb(std::initializer_list<QPointF> pts, double w, const QColor &c,
              Qt::PenCapStyle cap = Qt::RoundCap)
    {
        QPainterPath l;
        for (const QPointF &q : pts)
            l.elementCount() ? l.lineTo(q) : l.moveTo(q);
        use(p, Qt::NoBrush, QPen(line.color(), w + 2 * line.widthF(), Qt::SolidLine, cap, Qt::RoundJoin));
        p.drawPath(l);
        p.setPen(QPen(c, w, Qt::SolidLine, cap, Qt::RoundJoin));
        p.drawPath(l);
    }
    // The suit sign is drawn unstretched, in device space.
    void sign(QPointF c, double w, double h)
    {
        const QRectF r = t.mapRect(QRectF(c.x() - w / 2, c.y() - h / 2, w, h));
        p.save();
        p.setTransform(QTransform());
        const double side = std::min(r.width(), r.height());
        const double ww = std::max(side, r.width() * 0.9);
        drawSign(p, s, d, QRectF(r.center().x() - ww / 2, r.top(), ww, r.height()));
        p.restore();
    }
    void face(QPointF c, double rx, double ry)
    {
        ellipse(c, rx, ry, skin);
        use(p, QColor(0x3a, 0x22, 0x14), Qt::NoPen);
        p.drawEllipse(QPointF(c.x() - rx * 0.38, c.y() - ry * 0.05), 0.9, 1.0);
        p.drawEllipse(QPointF(c.x() + rx * 0.38, c.y() - ry * 0.05), 0.9, 1.0);
        p.setBrush(QColor(0xc0, 0x30, 0x30));
        p.drawEllipse(QPointF(c.x(), c.y() + ry * 0.5), 1.6, 0.8);
    }
    void bands(const QPainterPath &clip, double y0, double y1, const QColor &c)
    {
        p.save();
        p.setClipPath(clip, Qt::IntersectClip);
        p.fillRect(QRectF(-10, y0, 100, y1 - y0), c);
        p.restore();
        use(p, Qt::NoBrush, line);
        p.drawPath(clip);
    }
};

QLinearGradient shade(const QColor &c, double x0, double x1)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, c.lighter(135));
    g.setColorAt(0.5, c);
    g.setColorAt(1, c.darker(130));
    return g;
}

void woman(Fig &f)
{
    const QPainterPath hairBack = svgPath("M 40 8 C 54 8 56 20 55 30 C 56 44 61 58 57 68 C 52 72 48 64 47 56 "
                                          "L 33 56 C 32 64 28 72 23 68 C 19 58 24 44 25 30 C 24 20 26 8 40 8");
    f.shape(hairBack, f.hair);
    const QPainterPath dress = svgPath("M 31 42 L 49 42 C 55 70 67 120 71 154 L 9 154 C 13 120 25 70 31 42");
    f.shape(dress, shade(f.cl.main, 10, 70));
    f.bands(dress, 64, 68, f.cl.trim);
    f.bands(dress, 136, 139, f.cl.second);
    f.bands(dress, 143, 154, f.cl.trim);
    f.limb({{30, 46}, {21, 90}}, 6, f.cl.dark);
    f.ellipse({21, 92}, 3.2, 3.2, f.skin);
    f.limb({{50, 46}, {60, 66}, {64, 56}}, 5.5, f.cl.dark);
    use(f.p, f.skin, f.line);
    f.p.drawRect(QRectF(36.5, 30, 7, 12));
    f.ellipse({40, 43}, 9, 2.6, f.cl.trim);
    f.face({40, 24}, 8, 10);
    const QPainterPath fringe = svgPath("M 31 23 C 30 10 50 10 49 23 C 45 16 36 16 31 23");
    f.shape(fringe, f.hair);
    for (double x : {35.0, 40.0, 45.0})
        f.ellipse({x, 13.5 - (x == 40 ? 1.5 : 0)}, 1.8, 1.8, f.cl.trim);
    f.sign({64, 40}, 22, 34);
    f.ellipse({64, 57}, 3, 3, f.skin);
}

void horseman(Fig &f)
{
    const bool st = f.d == Deck::Standard;
    const QColor horse = st ? QColor("#9a6232") : QColor("#e6e2d8");
    const QColor mane = st ? QColor("#3a2010") : QColor("#2a2a2a");
    const QPainterPath tail = svgPath("M 71 102 C 80 106 80 126 74 142");
    use(f.p, Qt::NoBrush, QPen(mane, 5, Qt::SolidLine, Qt::RoundCap));
    f.p.drawPath(tail);
    const QColor far = horse.darker(125);
    f.limb({{27, 112}, {26, 131}, {28, 150}}, 5, far, Qt::FlatCap);
    f.limb({{58, 112}, {64, 131}, {60, 150}}, 5, far, Qt::FlatCap);
    QPainterPath body;
    body.addEllipse(QPointF(46, 108), 27, 14);
    const QPainterPath neck = svgPath("M 20 110 C 14 98 12 88 13 78 L 21 63 C 28 72 32 86 40 96 Z");
    f.shape(body.united(neck), horse);
    QPainterPath head;  // long head from the poll down to the muzzle
    head.moveTo(16, 62);
    head.lineTo(4.5, 87);
    head.quadTo(5, 94, 11.5, 92);
    head.cubicTo(17, 86, 27, 79, 27, 70);
    head.quadTo(24, 60, 16, 62);
    f.shape(head, horse);
    const QPainterPath ear = svgPath("M 17.5 63 L 21 54 L 23.5 64");
    f.shape(ear, horse);
    f.ellipse({17, 71}, 1.3, 1.3, mane);
    f.ellipse({7.5, 88}, 0.9, 0.9, mane);
    const QPainterPath crest = svgPath("M 22 63 C 28 72 32 86 39 95");
    use(f.p, Qt::NoBrush, QPen(mane, 4.5, Qt::SolidLine, Qt::RoundCap));
    f.p.drawPath(crest);
    f.limb({{34, 114}, {33, 132}, {34, 150}}, 5.5, horse, Qt::FlatCap);
    f.limb({{65, 112}, {71, 131}, {67, 150}}, 5.5, horse, Qt::FlatCap);
    for (double x : {28.0, 34.0, 60.0, 67.0})
        f.p.fillRect(QRectF(x - 3.5, 149, 7, 4), mane);
    const QPainterPath cloth = svgPath("M 34 97 L 58 97 L 60 122 L 36 122 Z");
    f.shape(cloth, f.cl.main);
    f.bands(cloth, 118, 122, f.cl.trim);
    // rider
    const QPainterPath torso = svgPath("M 39 68 L 53 68 L 56 100 L 37 100 Z");
    f.shape(torso, shade(f.cl.second, 37, 56));
    f.bands(torso, 88, 91, f.cl.trim);
    f.limb({{47, 100}, {45, 126}}, 6, f.cl.dark);
    f.ellipse({43, 128}, 4.5, 2.6, QColor(0x2a, 0x1a, 0x10));
    f.p.setPen(QPen(QColor(0x2a, 0x1a, 0x10), 0.8));
    f.p.drawLine(QPointF(33, 86), QPointF(9, 90));
    f.limb({{52, 72}, {33, 86}}, 4.5, f.cl.second.darker(130));
    f.face({46, 58}, 6.5, 7.5);
    f.ellipse({46, 51.5}, 9.5, 2.6, f.cl.main);
    const QPainterPath cap = svgPath("M 39 51 C 39 42 53 42 53 51 Z");
    f.shape(cap, f.cl.main);
    f.ellipse({54, 45}, 5, 1.6, f.cl.trim);
    f.limb({{40, 72}, {27, 58}}, 4.5, f.cl.second.darker(130));
    f.sign({22, 36}, 22, 34);
    f.ellipse({27, 57}, 2.8, 2.8, f.skin);
}

void king(Fig &f)
{
    const QColor ermine(0xfb, 0xfa, 0xf4);
    const QPainterPath cape = svgPath("M 24 44 L 56 44 L 75 154 L 5 154 Z");
    f.shape(cape, shade(f.cl.second, 5, 75));
    const QPainterPath robe = svgPath("M 30 46 L 50 46 L 59 154 L 21 154 Z");
    f.shape(robe, shade(f.cl.main, 21, 59));
    f.bands(cape, 146, 154, ermine);
    QPainterPath strip;
    strip.addRect(QRectF(36.5, 96, 7, 50));
    f.shape(strip, ermine);
    use(f.p, QColor(0x1a, 0x12, 0x0c), Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        f.p.drawEllipse(QPointF(40, 101 + i * 7), 0.9, 1.3);
        f.p.drawEllipse(QPointF(10 + i * 10, 150), 0.9, 1.3);
    }
    f.limb({{28, 50}, {33, 86}}, 6.5, f.cl.dark);
    f.limb({{52, 50}, {47, 86}}, 6.5, f.cl.dark);
    f.ellipse({40, 47}, 16, 5.5, ermine);
    use(f.p, QColor(0x1a, 0x12, 0x0c), Qt::NoPen);
    for (double x : {30.0, 36.0, 44.0, 50.0})
        f.p.drawEllipse(QPointF(x, 47.5), 0.9, 1.3);
    f.face({40, 31}, 8, 9);
    const QPainterPath beard = svgPath("M 32 32 C 32 47 40 53 40 53 C 40 53 48 47 48 32 C 46 39 34 39 32 32");
    f.shape(beard, QColor(0xec, 0xe8, 0xe0));
    f.ellipse({40, 36.5}, 3.2, 1.2, QColor(0xec, 0xe8, 0xe0));
    const QPainterPath crown = svgPath("M 30 23 L 30 9 L 35 16 L 40 5 L 45 16 L 50 9 L 50 23 Z");
    f.shape(crown, QColor(0xf2, 0xc2, 0x30));
    f.ellipse({40, 19.5}, 2, 2, QColor(0xc0, 0x18, 0x18));
    f.ellipse({34, 19.5}, 1.4, 1.4, QColor(0x20, 0x50, 0xb0));
    f.ellipse({46, 19.5}, 1.4, 1.4, QColor(0x20, 0x50, 0xb0));
    for (QPointF tip : {QPointF(30, 8), QPointF(40, 4), QPointF(50, 8)})
        f.ellipse(tip, 1.8, 1.8, QColor(0xf2, 0xc2, 0x30));
    f.sign({40, 74}, 26, 44);
    f.ellipse({34, 88}, 3, 3, f.skin);
    f.ellipse({46, 88}, 3, 3, f.skin);
}

void drawFigure(QPainter &p, Deck d, Suit s, int value, const QRectF &a)
{
    const bool st = d == Deck::Standard;
    // a tinted, framed niche sets the figures apart from the pip cards
    if (st) {
        QColor tint = clothOf(s, d).main;
        tint.setAlpha(28);
        use(p, tint, QPen(suitInk(s, d), 1));
        p.drawRoundedRect(QRectF(a.left() + 0.5, a.top() + 0.5, a.width() - 1, a.height() - 1), 3, 3);
    }
    const double sx = (a.width() - 2) / 80.0;
    const double sy = std::min((a.height() - 4) / 160.0, sx * 1.3);
    QTransform t;
    t.translate(a.left() + 1, a.top() + (a.height() - 160 * sy) / 2);
    t.scale(sx, sy);
    p.save();
    p.setTransform(t);
    QPen line(st ? QColor(0x3a, 0x2a, 0x1e) : QColor(0x1a, 0x12, 0x0c), (st ? 0.8 : 1.1) / sx);
    line.setJoinStyle(Qt::RoundJoin);
    Fig f{p, t, clothOf(s, d), d, s, line, QColor(0xf4, 0xd2, 0xb0),
          st ? QColor(0x6a, 0x3a, 0x1a) : QColor(0xe4, 0xb8, 0x40)};
    if (value == 8)
        woman(f);
    else if (value == 9)
        horseman(f);
    else
        king(f);
    p.restore();
}

// Ornaments of the seven of coins, the showcase card.
void showcaseOrnaments(QPainter &p, const QRectF &a)
{
    const QColor gold(0xc8, 0x96, 0x2a), deep(0x8a, 0x5a, 0x06);
    use(p, QColor(0xff, 0xf3, 0xd0), QPen(gold, 1));
    p.drawRoundedRect(QRectF(a.left() + 0.5, a.top() + 0.5, a.width() - 1, a.height() - 1), 4, 4);
    use(p, Qt::NoBrush, QPen(deep, 1));
    p.drawRoundedRect(QRectF(a.left() + 2.5, a.top() + 2.5, a.width() - 5, a.height() - 5), 3, 3);
    QRadialGradient glow(a.center(), 40);
    glow.setColorAt(0, QColor(255, 214, 120, 120));
    glow.setColorAt(1, QColor(255, 214, 120, 0));
    use(p, glow, Qt::NoPen);
    p.drawEllipse(a.center(), 40, 60);
    // corner rosettes and a fleuron at mid top and bottom
    const QPointF corners[] = {a.topLeft() + QPointF(6, 6), a.topRight() + QPointF(-6, 6),
                               a.bottomLeft() + QPointF(6, -6), a.bottomRight() + QPointF(-6, -6)};
    for (const QPointF &c : corners) {
        p.setBrush(QColor(0xd0, 0x54, 0x1e));
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(c + QPointF(2.2 * std::cos(i * kPi / 2), 2.2 * std::sin(i * kPi / 2)), 1.6, 1.6);
        p.setBrush(gold);
        p.drawEllipse(c, 1.4, 1.4);
    }
    for (double y : {a.top() + 4.0, a.bottom() - 4.0}) {
        p.setBrush(deep);
        QPainterPath fl;
        fl.moveTo(a.center().x() - 12, y);
        fl.quadTo(a.center().x() - 6, y - 3, a.center().x(), y);
        fl.quadTo(a.center().x() + 6, y - 3, a.center().x() + 12, y);
        fl.quadTo(a.center().x() + 6, y + 3, a.center().x(), y);
        fl.quadTo(a.center().x() - 6, y + 3, a.center().x() - 12, y);
        p.drawPath(fl);
    }
    // vine scrolls in the gaps beside the middle coin
    use(p, Qt::NoBrush, QPen(QColor(0x4c, 0x8a, 0x2a), 1.0));
    for (int side : {-1, 1}) {
        const double cx = a.center().x() + side * 30, cy = a.top() + 0.32 * a.height();
        QPainterPath v;
        v.moveTo(cx, cy - 8);
        v.cubicTo(cx - side * 5, cy - 3, cx + side * 5, cy + 3, cx, cy + 8);
        p.drawPath(v);
        p.setBrush(QColor(0x4c, 0xa0, 0x3a));
        p.drawEllipse(QPointF(cx + side * 2.5, cy - 3), 1.8, 1.1);
        p.drawEllipse(QPointF(cx - side * 2.5, cy + 3), 1.8, 1.1);
        p.setBrush(Qt::NoBrush);
    }
}

}  // namespace

QImage cardFace(Deck d, Suit s, int value)
{
    const int w = widthOf(d);
    QImage img = newImage(w, kH);
    QPainter p(&img);
    setupPainter(p);
    const bool showcase = d == Deck::Standard && s == Suit::Coins && value == 7;
    drawFrame(p, d, w, showcase);
    const QRectF a = pictureArea(d, w);
    if (showcase)
        showcaseOrnaments(p, a);
    if (value == 1)
        drawAce(p, d, s, a);
    else if (value <= 7)
        drawPips(p, d, s, value, showcase ? a.adjusted(3, 4, -3, -4) : a);
    else
        drawFigure(p, d, s, value, a);
    drawIndex(p, d, s, value, w);
    return img;
}

QImage cardBack(Deck d)
{
    const int w = widthOf(d);
    QImage img = newImage(w, kH);
    QPainter p(&img);
    setupPainter(p);
    const bool st = d == Deck::Standard;
    const double r = st ? 6 : 4;
    use(p, st ? QColor(0xfa, 0xf8, 0xf2) : QColor(0xf0, 0xe6, 0xcc), Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, w, kH), r, r);
    use(p, Qt::NoBrush, QPen(st ? QColor(0x4a, 0x3a, 0x2a) : QColor(0x1a, 0x12, 0x0c), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, kH - 1), r, r);
    const QRectF field = st ? QRectF(5, 5, w - 10, kH - 10) : QRectF(4, 4, w - 8, kH - 8);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(field, st ? 3 : 0, st ? 3 : 0);
    p.setClipPath(clip);
    use(p, QColor(0xd8, 0xa8, 0x38), Qt::NoPen);
    if (st) {
        // blue field with a light diagonal lattice
        p.fillRect(field, QColor(0x1d, 0x3c, 0x7a));
        p.setPen(QPen(QColor(0x4f, 0x74, 0xb8), 1));
        for (int k = -180; k < 200; k += 10) {
            p.drawLine(QPointF(k, 0), QPointF(k + 170, 170));
            p.drawLine(QPointF(k + 170, 0), QPointF(k, 170));
        }
        use(p, QColor(0xf4, 0xe6, 0xb8), Qt::NoPen);
        for (int y = -5; y < 175; y += 10)
            for (int x = 0; x < 110; x += 10)
                p.drawEllipse(QPointF(x + ((y / 5) % 2 ? 0 : 5), y + 2.5), 1.1, 1.1);
    } else {
        // dark red checks with gold dots
        for (int y = 0; y * 7 < kH; ++y)
            for (int x = 0; x * 7 < w; ++x) {
                const bool dot = (x + y) % 2 == 0;
                p.fillRect(QRectF(4 + x * 7, 4 + y * 7, 7, 7),
                           dot ? QColor(0x5a, 0x0c, 0x18) : QColor(0x7a, 0x14, 0x24));
                if (dot)
                    p.drawEllipse(QPointF(4 + x * 7 + 3.5, 4 + y * 7 + 3.5), 1.2, 1.2);
            }
    }
    p.restore();
    const QPointF c(w / 2.0, kH / 2.0);
    if (st) {
        use(p, Qt::NoBrush, QPen(QColor(0xd4, 0xa8, 0x38), 1));
        p.drawRoundedRect(field.adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
        use(p, QColor(0xf6, 0xee, 0xda), QPen(QColor(0xd4, 0xa8, 0x38), 2));
        p.drawEllipse(c, 26, 36);
        use(p, Qt::NoBrush, QPen(QColor(0x1d, 0x3c, 0x7a), 1));
        p.drawEllipse(c, 22.5, 32.5);
        // eight-pointed star
        QPainterPath star;
        for (int i = 0; i < 16; ++i) {
            const double ang = i * kPi / 8 - kPi / 2, rr = i % 2 ? 8 : 19;
            const QPointF q(c.x() + rr * std::cos(ang), c.y() + rr * 1.25 * std::sin(ang));
            i ? star.lineTo(q) : star.moveTo(q);
        }
        star.closeSubpath();
        use(p, QColor(0x2c, 0x58, 0xa8), QPen(QColor(0x12, 0x26, 0x50), 0.8));
        p.drawPath(star);
        p.setBrush(QColor(0xe8, 0xb8, 0x40));
        p.drawEllipse(c, 5, 5);
    } else {
        use(p, Qt::NoBrush, QPen(QColor(0x1a, 0x12, 0x0c), 1));
        p.drawRect(field.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(QPen(QColor(0xd8, 0xa8, 0x38), 1));
        p.drawRect(field.adjusted(2.5, 2.5, -2.5, -2.5));
        use(p, QColor(0xe8, 0xd4, 0x9c), QPen(QColor(0x1a, 0x12, 0x0c), 1.2));
        p.drawPath(svgPath("M 0 -34 L 22 0 L 0 34 L -22 0 Z").translated(c));
        use(p, QColor(0x7a, 0x14, 0x24), Qt::NoPen);
        p.drawRect(QRectF(c.x() - 2.5, c.y() - 16, 5, 32));
        p.drawRect(QRectF(c.x() - 10, c.y() - 2.5, 20, 5));
        p.setBrush(QColor(0xd8, 0xa8, 0x38));
        p.drawEllipse(c, 3, 3);
    }
    return img;
}
