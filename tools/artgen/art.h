// Shared declarations of the artwork generator.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <cstdint>
#include <map>
#include <numbers>
#include <vector>

inline constexpr double kPi = std::numbers::pi;

enum class Suit { Clubs, Cups, Coins, Swords };
enum class Deck { Standard, Trevisan };

// Blank transparent canvas in the format every picture uses.
QImage newImage(int w, int h);
void setupPainter(QPainter &p);
inline void use(QPainter &p, const QBrush &b, const QPen &pen)  // brush and pen in one go
{
    p.setBrush(b);
    p.setPen(pen);
}

// Deterministic noise: the same seed always gives the same picture.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : s_(seed ? seed : 0x9e3779b9u) {}
    std::uint32_t next();
    double unit() { return (next() >> 8) * (1.0 / 16777216.0); }  // [0,1)
    double range(double a, double b) { return a + (b - a) * unit(); }

private:
    std::uint32_t s_;
};
double valueNoise(double x, double y, std::uint32_t seed);           // [0,1]
double fbm(double x, double y, std::uint32_t seed, int octaves);    // ~[0,1]

// Path from SVG-like text with absolute M, L, Q, C and Z commands.
QPainterPath svgPath(const char *text);

// Crisp bitmap digits (5 x 9, bold), drawn on whole pixels.
constexpr int kDigitH = 9;
int numberWidth(int value);
void drawNumber(QPainter &p, int value, int x, int y, const QColor &c, int scale = 1);

// Pixel art: rows of characters, each mapped to a colour ('.' = nothing).
void drawPixelArt(QPainter &p, const char *const *rows, int nrows, int x, int y,
                  const std::map<char, QColor> &pal);

// Suit signs.
QColor suitInk(Suit s, Deck d);            // index digits
double signAspect(Suit s, Deck d);         // width / height of the sign
void drawSign(QPainter &p, Suit s, Deck d, const QRectF &box);
void drawIndexSign(QPainter &p, Suit s, Deck d, int x, int y);  // 7 x 8 pixels

// Pictures.
QImage cardFace(Deck d, Suit s, int value);
QImage cardBack(Deck d);
QImage playerPicture();
QImage computerPicture();
QImage italianFlag();
QImage usFlag();
QImage arrowDown();
QImage arrowUp();
QImage arrowRight();
QImage trafficLight();
QImage woodTable();
QImage scoringBackdrop();

// Every picture by its number.
std::map<int, QImage> allPictures();
