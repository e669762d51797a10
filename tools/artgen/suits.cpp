// Suit signs of both decks, drawn in a design space 100 units tall.
#include "art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

// Outline width in device pixels, kept about one pixel at every size.
double g_scale = 1.0;

QPen ink(const QColor &c, double px = 1.0)
{
    QPen pen(c, std::max(0.7, px) / g_scale);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

bool detailed() { return g_scale >= 0.3; }  // fine ornaments only where they stay sharp

QLinearGradient hgrad(double x0, double x1, const QColor &a, const QColor &b)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// ---- standard deck -------------------------------------------------------

void coinStandard(QPainter &p)
{
    QRadialGradient g(QPointF(-16, -18), 72);
    g.setColorAt(0, QColor(0xff, 0xf3, 0xb0));
    g.setColorAt(0.5, QColor(0xf3, 0xc4, 0x3a));
    g.setColorAt(1, QColor(0xb0, 0x78, 0x0c));
    use(p, g, ink(QColor(0x5e, 0x3a, 0x00), 1.3));
    p.drawEllipse(QPointF(0, 0), 48, 48);
    use(p, Qt::NoBrush, ink(QColor(0x8a, 0x5a, 0x06), 0.9));
    p.drawEllipse(QPointF(0, 0), 37, 37);
    if (detailed()) {
        use(p, QColor(0x8a, 0x5a, 0x06), Qt::NoPen);
        for (int i = 0; i < 16; ++i) {
            const double a = i * kPi / 8;
            p.drawEllipse(QPointF(42.5 * std::cos(a), 42.5 * std::sin(a)), 2.3, 2.3);
        }
    }
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(i * 45.0);
        p.setBrush(i % 2 ? QColor(0xe0, 0x6a, 0x22) : QColor(0xc8, 0x44, 0x1a));
        p.setPen(ink(QColor(0x74, 0x26, 0x06), 0.8));
        p.drawEllipse(QPointF(0, -20), 6.5, 13);
        p.restore();
    }
    use(p, QColor(0xff, 0xe9, 0x8a), ink(QColor(0x74, 0x26, 0x06), 0.8));
    p.drawEllipse(QPointF(0, 0), 7.5, 7.5);
}

void cupStandard(QPainter &p)
{
    const QColor dark(0x5a, 0x08, 0x08), gold(0xee, 0xbc, 0x38), goldDark(0x8a, 0x60, 0x08);
    const QPainterPath bowl = svgPath("M -34 -42 C -34 -10 -14 0 -6 3 L 6 3 C 14 0 34 -10 34 -42 Z");
    use(p, hgrad(-34, 34, QColor(0xf0, 0x5a, 0x48), QColor(0x96, 0x0e, 0x0e)), ink(dark, 1.2));
    p.drawPath(bowl);
    // gold band round the bowl
    p.save();
    p.setClipPath(bowl);
    use(p, Qt::NoBrush, QPen(gold, 5));
    const QPainterPath band = svgPath("M -36 -26 Q 0 -14 36 -26");
    p.drawPath(band);
    p.restore();
    // rim and opening
    use(p, gold, ink(goldDark));
    p.drawEllipse(QPointF(0, -43), 35, 6.5);
    use(p, QColor(0x6a, 0x0a, 0x0a), Qt::NoPen);
    p.drawEllipse(QPointF(0, -43.5), 29, 3.8);
    // stem, knob, foot
    use(p, hgrad(-6, 6, QColor(0xff, 0xe0, 0x80), QColor(0xb8, 0x86, 0x18)), ink(goldDark));
    p.drawRect(QRectF(-5, 3, 10, 26));
    p.drawEllipse(QPointF(0, 15), 10, 6);
    const QPainterPath foot = svgPath("M -6 28 L 6 28 C 12 38 30 39 30 45 L -30 45 C -30 39 -12 38 -6 28 Z");
    use(p, hgrad(-30, 30, QColor(0xf0, 0x5a, 0x48), QColor(0x96, 0x0e, 0x0e)), ink(dark, 1.2));
    p.drawPath(foot);
    use(p, gold, ink(goldDark));
    p.drawRoundedRect(QRectF(-31, 44, 62, 5.5), 2, 2);
}

void swordStandard(QPainter &p)
{
    const QColor dark(0x1b, 0x2e, 0x66), blue(0x2e, 0x5b, 0xb0), gold(0xe6, 0xb4, 0x30);
    const QPainterPath blade = svgPath("M 0 -50 L 7 -37 L 7 22 L -7 22 L -7 -37 Z");
    QLinearGradient g(-7, 0, 7, 0);
    g.setColorAt(0, QColor(0xf0, 0xf5, 0xfc));
    g.setColorAt(0.45, QColor(0xb4, 0xca, 0xe8));
    g.setColorAt(1, QColor(0x56, 0x7c, 0xb8));
    use(p, g, ink(dark, 1.1));
    p.drawPath(blade);
    if (detailed()) {
        p.setPen(ink(QColor(0x56, 0x7c, 0xb8), 0.7));
        p.drawLine(QPointF(0, -36), QPointF(0, 18));
    }
    use(p, blue, ink(dark));
    p.drawRoundedRect(QRectF(-15, 21, 30, 8), 3, 3);
    p.setBrush(gold);
    p.drawEllipse(QPointF(-13.5, 25), 4, 4);
    p.drawEllipse(QPointF(13.5, 25), 4, 4);
    p.setBrush(hgrad(-4, 4, QColor(0x4a, 0x78, 0xc8), QColor(0x16, 0x2c, 0x60)));
    p.drawRect(QRectF(-4, 29, 8, 14));
    p.setBrush(gold);
    p.drawEllipse(QPointF(0, 45.5), 5.5, 4.5);
}

double clubHalfWidth(double y) { return 5.5 + (49 - y) / 87.0 * 4.5; }

void leaf(QPainter &p, QPointF at, double angle, double len)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    QPainterPath l;
    l.moveTo(0, 0);
    l.quadTo(len * 0.5, -len * 0.32, len, 0);
    l.quadTo(len * 0.5, len * 0.32, 0, 0);
    use(p, QColor(0x3f, 0xa0, 0x32), ink(QColor(0x1e, 0x5a, 0x14), 0.8));
    p.drawPath(l);
    p.restore();
}

void clubStandard(QPainter &p)
{
    p.scale(1.15, 1);  // a stout baton
    const QColor dark(0x3e, 0x22, 0x08);
    const QPainterPath body = svgPath("M -5.5 49 L 5.5 49 C 6.5 20 9 -10 10 -38 "
                                      "C 10.5 -50 -10.5 -50 -10 -38 C -9 -10 -6.5 20 -5.5 49 Z");
    const auto wood = hgrad(-10, 10, QColor(0xc4, 0x8c, 0x4c), QColor(0x6a, 0x3c, 0x14));
    // side stubs with a leaf: the knots of the baton
    const struct { double y; int side; } stubs[] = {{-26, 1}, {-6, -1}, {14, 1}, {32, -1}};
    for (const auto &st : stubs) {
        const double hw = clubHalfWidth(st.y) - 1.5, sd = st.side;
        QPainterPath s;
        s.moveTo(sd * hw, st.y - 4);
        s.lineTo(sd * (hw + 7), st.y - 10);
        s.lineTo(sd * (hw + 9), st.y - 7);
        s.lineTo(sd * hw, st.y + 3);
        s.closeSubpath();
        use(p, QColor(0x9a, 0x64, 0x2c), ink(dark, 0.9));
        p.drawPath(s);
        leaf(p, QPointF(sd * (hw + 8), st.y - 9), sd > 0 ? -40 : 220, 13);
    }
    use(p, wood, ink(dark, 1.2));
    p.drawPath(body);
    use(p, QColor(0x5a, 0x30, 0x0e), Qt::NoPen);
    const QPointF knots[] = {{-3, -30}, {2.5, -16}, {-2, 2}, {2, 22}, {-1.5, 38}};
    for (const auto &k : knots)
        p.drawEllipse(k, 2.6, 1.8);
    use(p, QColor(0xd8, 0xa8, 0x70), ink(dark, 0.8));
    p.drawEllipse(QPointF(0, 48.5), 5.2, 1.8);
    leaf(p, QPointF(-2, -44), 235, 12);
    leaf(p, QPointF(2, -44), -55, 12);
}

// ---- second deck: flat colours with black woodcut outlines ----------------

const QColor kBlack(0x1a, 0x12, 0x0c);

void coinTrevisan(QPainter &p)
{
    use(p, QColor(0xf2, 0xa6, 0x2a), ink(kBlack, 1.4));
    p.drawEllipse(QPointF(0, 0), 48, 48);
    use(p, QColor(0xf8, 0xd2, 0x6a), ink(kBlack, 0.9));
    p.drawEllipse(QPointF(0, 0), 33, 33);
    use(p, QColor(0x8e, 0x1a, 0x10), Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        p.drawEllipse(QPointF(40.5 * std::cos(a), 40.5 * std::sin(a)), 3.4, 3.4);
    }
    use(p, QColor(0xb8, 0x2c, 0x18), ink(kBlack, 0.9));
    for (int i = 0; i < 4; ++i) {
        const double a = i * kPi / 2;
        p.drawEllipse(QPointF(13 * std::cos(a), 13 * std::sin(a)), 10, 10);
    }
    p.setBrush(QColor(0x2c, 0x5a, 0x2a));
    p.drawEllipse(QPointF(0, 0), 7, 7);
}

void cupTrevisan(QPainter &p)
{
    const QColor red(0xa8, 0x14, 0x30), gold(0xe2, 0xa8, 0x34);
    p.setPen(ink(kBlack, 1.2));
    const QPainterPath lid = svgPath("M -24 -30 C -24 -47 24 -47 24 -30 Z");
    p.setBrush(red);
    p.drawPath(lid);
    p.setBrush(gold);
    p.drawEllipse(QPointF(0, -44), 5, 5);
    p.drawRect(QRectF(-28, -31, 56, 6));
    const QPainterPath bowl = svgPath("M -25 -25 C -25 0 -10 8 -4 10 L 4 10 C 10 8 25 0 25 -25 Z");
    p.setBrush(red);
    p.drawPath(bowl);
    p.save();
    p.setClipPath(bowl);
    p.fillRect(QRectF(-30, -16, 60, 6), gold);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.drawPath(bowl);
    p.setBrush(gold);
    p.drawRect(QRectF(-3.5, 10, 7, 25));
    p.drawEllipse(QPointF(0, 17), 7.5, 3.5);
    p.drawEllipse(QPointF(0, 28), 6, 3);
    const QPainterPath foot = svgPath("M -4 34 L 4 34 L 25 45 L 25 49 L -25 49 L -25 45 Z");
    p.setBrush(red);
    p.drawPath(foot);
    p.drawLine(QPointF(-25, 45), QPointF(25, 45));
}

void swordTrevisan(QPainter &p)
{
    const QColor brass(0xcc, 0x9c, 0x3a), grip(0x23, 0x44, 0x6e);
    const QPainterPath blade = svgPath("M 6 -50 C 11 -30 7 0 5.5 20 L -5.5 20 C -5 0 -2 -28 6 -50 Z");
    use(p, hgrad(-6, 8, QColor(0xe4, 0xec, 0xf2), QColor(0x6c, 0x8c, 0xaa)), ink(kBlack, 1.2));
    p.drawPath(blade);
    // S-shaped guard: black stroke under a brass one
    const QPainterPath guard = svgPath("M -15 15 C -8 28 8 16 15 29");
    use(p, Qt::NoBrush, QPen(kBlack, 7.5 + 1.0 / g_scale, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(guard);
    p.setPen(QPen(brass, 7.5 - 1.0 / g_scale, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(guard);
    use(p, grip, ink(kBlack, 1.0));
    p.drawRect(QRectF(-3.5, 25, 7, 17));
    p.setBrush(brass);
    p.drawEllipse(QPointF(0, 45), 5.5, 4.5);
}

void clubTrevisan(QPainter &p)
{
    p.scale(1.1, 1);
    const QColor cord(0x4c, 0x7a, 0x16), cut(0xf0, 0xd8, 0x98);
    const QPainterPath body = svgPath("M -4.5 49 L 4.5 49 L 11.5 -34 C 13.5 -51 -13.5 -51 -11.5 -34 Z");
    // lopped branch stubs with pale cut ends
    p.setPen(ink(kBlack, 1.0));
    const struct { double x, y, a, len; } stubs[] = {{8, -14, -35, 9}, {-6, 12, 215, 8}, {4.5, 30, -30, 6}};
    for (const auto &st : stubs) {
        p.save();
        p.translate(st.x, st.y);
        p.rotate(st.a);
        p.setBrush(QColor(0x9a, 0x62, 0x28));
        p.drawRect(QRectF(0, -3.2, st.len, 6.4));
        p.setBrush(cut);
        p.drawEllipse(QPointF(st.len, 0), 1.8, 3.2);
        p.restore();
    }
    p.setBrush(hgrad(-12, 12, QColor(0xcc, 0x90, 0x4a), QColor(0x6a, 0x3c, 0x14)));
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    use(p, cord, QPen(kBlack, 0.8 / g_scale));
    for (double y : {-24.0, 2.0, 28.0}) {
        p.drawRect(QRectF(-20, y - 2.5, 40, 5));
        p.drawRect(QRectF(-20, y + 4, 40, 2));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.setBrush(cut);
    p.drawEllipse(QPointF(0, 48.5), 4.5, 1.6);
}

}  // namespace

QColor suitInk(Suit s, Deck d)
{
    const bool st = d == Deck::Standard;
    switch (s) {
    case Suit::Clubs: return st ? QColor(0x2a, 0x7a, 0x1e) : QColor(0x4c, 0x70, 0x12);
    case Suit::Cups: return st ? QColor(0xc0, 0x16, 0x16) : QColor(0xa3, 0x10, 0x2b);
    case Suit::Coins: return st ? QColor(0xa0, 0x68, 0x00) : QColor(0xb4, 0x5e, 0x00);
    case Suit::Swords: return st ? QColor(0x1f, 0x4f, 0xa8) : QColor(0x2a, 0x58, 0x8a);
    }
    return Qt::black;
}

double signAspect(Suit s, Deck d)
{
    const bool st = d == Deck::Standard;
    switch (s) {
    case Suit::Clubs: return st ? 0.46 : 0.38;
    case Suit::Cups: return st ? 0.72 : 0.60;
    case Suit::Coins: return 1.0;
    case Suit::Swords: return st ? 0.32 : 0.36;
    }
    return 1.0;
}

void drawSign(QPainter &p, Suit s, Deck d, const QRectF &box)
{
    const double a = signAspect(s, d);
    const double h = std::min(box.height(), box.width() / a);
    p.save();
    p.translate(box.center());
    g_scale = h / 100.0;
    p.scale(g_scale, g_scale);
    const bool st = d == Deck::Standard;
    switch (s) {
    case Suit::Clubs: st ? clubStandard(p) : clubTrevisan(p); break;
    case Suit::Cups: st ? cupStandard(p) : cupTrevisan(p); break;
    case Suit::Coins: st ? coinStandard(p) : coinTrevisan(p); break;
    case Suit::Swords: st ? swordStandard(p) : swordTrevisan(p); break;
    }
    p.restore();
}

// Corner index signs, 7 x 8 pixel art so they stay sharp at their tiny size.
void drawIndexSign(QPainter &p, Suit s, Deck d, int x, int y)
{
    static const char *const coinS[8] = {".......", "..ooo..", ".oyyyo.", "oyyryyo", "oyrrryo",
                                         "oyyryyo", ".oyyyo.", "..ooo.."};
    static const char *const cupS[8] = {"ggggggg", "rrrrrrr", "drrrrrd", ".drrrd.", "..drd..",
                                        "...g...", "..ggg..", ".rrrrr."};
    static const char *const swordS[8] = {"...k...", "..kbk..", "..kbk..", "..kbk..", "..kbk..",
                                          "kBBBBBk", "...B...", "..ggg.."};
    static const char *const clubS[8] = {".....gg", "...wwwg", "..wwwwd", "..wwwd.", ".gwwd..",
                                         ".wwd...", "wwd....", "wd....."};
    static const char *const coinT[8] = {".......", "..kkk..", ".kyyyk.", "kyryryk", "kyyyyyk",
                                         "kyryryk", ".kyyyk.", "..kkk.."};
    static const char *const cupT[8] = {"...g...", "..rrr..", ".ggggg.", ".rrrrr.", "..rrr..",
                                        "...g...", "...g...", ".rrrrr."};
    static const char *const swordT[8] = {"....k..", "...bk..", "...bk..", "..bbk..", "..bk...",
                                          "ggggggg", "...B...", "..ggg.."};
    static const char *const clubT[8] = {"..www..", ".wwwww.", ".ddddd.", "..www..", "..ddd..",
                                         "..www..", "..ddd..", "...w..."};
    const bool st = d == Deck::Standard;
    std::map<char, QColor> pal;
    const char *const *art = nullptr;
    switch (s) {
    case Suit::Coins:
        art = st ? coinS : coinT;
        pal = {{'o', QColor(0x6b, 0x43, 0x00)}, {'k', kBlack}, {'y', QColor(0xf6, 0xc8, 0x2e)},
               {'r', st ? QColor(0xd0, 0x54, 0x1e) : QColor(0xb0, 0x2a, 0x18)}};
        break;
    case Suit::Cups:
        art = st ? cupS : cupT;
        pal = {{'g', st ? QColor(0xd8, 0xa0, 0x20) : QColor(0xd0, 0x94, 0x20)},
               {'r', suitInk(s, d)}, {'d', QColor(0x70, 0x08, 0x08)}};
        break;
    case Suit::Swords:
        art = st ? swordS : swordT;
        pal = {{'k', st ? QColor(0x1b, 0x2e, 0x66) : kBlack}, {'b', QColor(0x8c, 0xaa, 0xd4)},
               {'B', suitInk(s, d)}, {'g', QColor(0xc8, 0x94, 0x1c)}};
        break;
    case Suit::Clubs:
        art = st ? clubS : clubT;
        pal = {{'g', QColor(0x38, 0xa0, 0x2a)}, {'w', QColor(0x9a, 0x64, 0x2c)},
               {'d', st ? QColor(0x4a, 0x2a, 0x0e) : QColor(0x4c, 0x7a, 0x16)}};
        break;
    }
    drawPixelArt(p, art, 8, x, y, pal);
}
