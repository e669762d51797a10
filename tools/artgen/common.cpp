// Canvas, noise and bitmap-digit helpers.
#include "art.h"

#include <cmath>
#include <locale>
#include <sstream>
#include <string>

QImage newImage(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void setupPainter(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

std::uint32_t Rng::next()
{
    // xorshift32: tiny, portable, fully determined by the seed
    s_ ^= s_ << 13;
    s_ ^= s_ >> 17;
    s_ ^= s_ << 5;
    return s_;
}

static double hash2(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x27d4eb2du ^ static_cast<std::uint32_t>(x) * 0x85ebca6bu ^
                      static_cast<std::uint32_t>(y) * 0xc2b2ae35u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return (h >> 8) * (1.0 / 16777215.0);
}

double valueNoise(double x, double y, std::uint32_t seed)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const double a = hash2(ix, iy, seed), b = hash2(ix + 1, iy, seed);
    const double c = hash2(ix, iy + 1, seed), d = hash2(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fbm(double x, double y, std::uint32_t seed, int octaves)
{
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 101u);
        norm += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

// Bold digits, 5 columns by 9 rows; the "1" is narrow so that "10" fits in 8 pixels.
static const char *const kDigits[10][9] = {
    {".###.", "##.##", "##.##", "##.##", "##.##", "##.##", "##.##", "##.##", ".###."},
    {".##", "###", ".##", ".##", ".##", ".##", ".##", ".##", ".##"},
    {".###.", "##.##", "...##", "...##", "..##.", ".##..", "##...", "##...", "#####"},
    {"####.", "...##", "...##", ".###.", "...##", "...##", "...##", "...##", "####."},
    {"##.##", "##.##", "##.##", "##.##", "#####", "...##", "...##", "...##", "...##"},
    {"#####", "##...", "##...", "####.", "...##", "...##", "...##", "##.##", ".###."},
    {".###.", "##...", "##...", "####.", "##.##", "##.##", "##.##", "##.##", ".###."},
    {"#####", "...##", "...##", "..##.", "..##.", ".##..", ".##..", ".##..", ".##.."},
    {".###.", "##.##", "##.##", ".###.", "##.##", "##.##", "##.##", "##.##", ".###."},
    {".###.", "##.##", "##.##", "##.##", ".####", "...##", "...##", "...##", ".###."},
};
static const char *const kTenOne[9] = {"##", "##", "##", "##", "##", "##", "##", "##", "##"};

static int glyphWidth(int d) { return d == 1 ? 3 : 5; }

static void drawGlyph(QPainter &p, const char *const *rows, int x, int y, const QColor &c, int scale)
{
    for (int r = 0; r < kDigitH; ++r)
        for (int col = 0; rows[r][col]; ++col)
            if (rows[r][col] == '#')
                p.fillRect(x + col * scale, y + r * scale, scale, scale, c);
}

int numberWidth(int value)
{
    if (value == 10)
        return 8;
    int w = 0;
    const std::string s = std::to_string(value);
    for (char ch : s)
        w += glyphWidth(ch - '0') + 1;
    return w - 1;
}

void drawNumber(QPainter &p, int value, int x, int y, const QColor &c, int scale)
{
    if (value == 10) {  // condensed: a bare bar for the one, then a full zero
        drawGlyph(p, kTenOne, x, y, c, scale);
        drawGlyph(p, kDigits[0], x + 3 * scale, y, c, scale);
        return;
    }
    const std::string s = std::to_string(value);
    for (char ch : s) {
        const int d = ch - '0';
        drawGlyph(p, kDigits[d], x, y, c, scale);
        x += (glyphWidth(d) + 1) * scale;
    }
}

void drawPixelArt(QPainter &p, const char *const *rows, int nrows, int x, int y,
                  const std::map<char, QColor> &pal)
{
    for (int r = 0; r < nrows; ++r)
        for (int col = 0; rows[r][col]; ++col) {
            const auto it = pal.find(rows[r][col]);
            if (it != pal.end())
                p.fillRect(x + col, y + r, 1, 1, it->second);
        }
}

QPainterPath svgPath(const char *text)
{
    QPainterPath path;
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    std::string cmd;
    auto pt = [&in] {
        double x = 0, y = 0;
        in >> x >> y;
        return QPointF(x, y);
    };
    while (in >> cmd) {
        if (cmd == "M") {
            path.moveTo(pt());
        } else if (cmd == "L") {
            path.lineTo(pt());
        } else if (cmd == "Q") {
            const QPointF c = pt();
            path.quadTo(c, pt());
        } else if (cmd == "C") {
            const QPointF c1 = pt(), c2 = pt();
            path.cubicTo(c1, c2, pt());
        } else if (cmd == "Z") {
            path.closeSubpath();
        }
    }
    return path;
}
