// artgen: draws the game's pictures and its card sound.
//   artgen <resources-dir>                 writes pictures/NNN.png and sounds/168.wav
//   artgen --sheet <out.png> <resources-dir>  lays the written pictures out on one sheet
#include "art.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

std::map<int, QImage> allPictures()
{
    std::map<int, QImage> pics;
    pics[168] = cardBack(Deck::Standard);
    pics[260] = cardBack(Deck::Trevisan);
    const Suit standardOrder[] = {Suit::Clubs, Suit::Cups, Suit::Coins, Suit::Swords};
    const Suit trevisanOrder[] = {Suit::Clubs, Suit::Coins, Suit::Swords, Suit::Cups};
    for (int s = 0; s < 4; ++s)
        for (int v = 1; v <= 10; ++v) {
            pics[169 + s * 10 + v - 1] = cardFace(Deck::Standard, standardOrder[s], v);
            pics[220 + s * 10 + v - 1] = cardFace(Deck::Trevisan, trevisanOrder[s], v);
        }
    pics[209] = playerPicture();
    pics[210] = computerPicture();
    pics[211] = italianFlag();
    pics[212] = usFlag();
    pics[213] = arrowDown();
    pics[214] = arrowUp();
    pics[215] = arrowRight();
    pics[216] = trafficLight();
    pics[217] = woodTable();
    pics[219] = scoringBackdrop();
    return pics;
}

namespace {

// A card snap: band-passed noise with a sharp attack and fast decay.
std::vector<std::int16_t> cardSnap(int rate)
{
    const int n = rate * 160 / 1000;
    std::vector<double> out(n);
    Rng rng(168u);
    // band-pass biquad around 2.8 kHz
    const double f0 = 2800, q = 0.9, w0 = 2 * kPi * f0 / rate, alpha = std::sin(w0) / (2 * q);
    const double a0 = 1 + alpha, b0 = alpha / a0, b2 = -alpha / a0;
    const double a1 = -2 * std::cos(w0) / a0, a2 = (1 - alpha) / a0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double x = rng.range(-1, 1);
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        double env = t < 0.0015 ? t / 0.0015 : std::exp(-(t - 0.0015) / 0.020);
        if (t > 0.018)  // the card landing: a softer second tick
            env += 0.35 * std::exp(-(t - 0.018) / 0.012);
        const double click = t < 0.002 ? x * (1 - t / 0.002) * std::min(1.0, t / 0.0003) * 0.6 : 0;
        out[i] = y * env + click * 0.5;
    }
    double peak = 0;
    for (double v : out)
        peak = std::max(peak, std::abs(v));
    std::vector<std::int16_t> pcm(n);
    const int fade = rate / 100;
    for (int i = 0; i < n; ++i) {
        const double g = i >= n - fade ? static_cast<double>(n - 1 - i) / fade : 1.0;
        pcm[i] = static_cast<std::int16_t>(std::lround(out[i] / peak * 0.75 * 32767 * g));
    }
    return pcm;
}

bool writeWav(const QString &path, const std::vector<std::int16_t> &pcm, int rate)
{
    QByteArray b;
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.append(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    auto u16 = [&](std::uint16_t v) {
        b.append(static_cast<char>(v & 0xff));
        b.append(static_cast<char>(v >> 8));
    };
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    b.append("RIFF");
    u32(36 + dataBytes);
    b.append("WAVE");
    b.append("fmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(static_cast<std::uint32_t>(rate));
    u32(static_cast<std::uint32_t>(rate * 2));
    u16(2);
    u16(16);
    b.append("data");
    u32(dataBytes);
    for (std::int16_t s : pcm)
        u16(static_cast<std::uint16_t>(s));
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}

int writeAll(const QString &dir)
{
    const QDir root(dir);
    if (!root.mkpath("pictures") || !root.mkpath("sounds")) {
        std::fprintf(stderr, "artgen: cannot create folders in %s\n", qPrintable(dir));
        return 1;
    }
    for (const auto &[num, img] : allPictures()) {
        const QString path = root.filePath(QString("pictures/%1.png").arg(num, 3, 10, QChar('0')));
        if (!img.save(path, "PNG")) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const int rate = 22050;
    if (!writeWav(root.filePath("sounds/168.wav"), cardSnap(rate), rate)) {
        std::fprintf(stderr, "artgen: cannot write the sound\n");
        return 1;
    }
    return 0;
}

// Contact sheet of the pictures found in <dir>/pictures, each with its number under it.
int writeSheet(const QString &out, const QString &dir)
{
    const QDir pics(QDir(dir).filePath("pictures"));
    std::map<int, QImage> found;
    for (const QString &name : pics.entryList({"*.png"}, QDir::Files, QDir::Name)) {
        bool ok = false;
        const int num = name.chopped(4).toInt(&ok);
        if (ok)
            found[num] = QImage(pics.filePath(name));
    }
    if (found.empty()) {
        std::fprintf(stderr, "artgen: no pictures in %s\n", qPrintable(pics.path()));
        return 1;
    }
    const std::set<int> rowStarts{169, 179, 189, 199, 209, 217, 220, 230, 240, 250};
    const int gap = 10, label = kDigitH + 6, maxW = 1600;
    struct Placed { int num, x, y; };
    std::vector<Placed> placed;
    int x = gap, y = gap, rowH = 0, sheetW = 0;
    for (const auto &[num, img] : found) {
        if (x > gap && (rowStarts.count(num) || x + img.width() > maxW)) {
            x = gap;
            y += rowH + label + gap;
            rowH = 0;
        }
        placed.push_back({num, x, y});
        x += img.width() + gap;
        sheetW = std::max(sheetW, x);
        rowH = std::max(rowH, img.height());
    }
    QImage sheet(sheetW, y + rowH + label + gap, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0x78, 0x7c, 0x78));
    QPainter p(&sheet);
    for (const Placed &pl : placed) {
        const QImage &img = found[pl.num];
        p.drawImage(pl.x, pl.y, img);
        drawNumber(p, pl.num, pl.x + (img.width() - numberWidth(pl.num)) / 2, pl.y + img.height() + 3,
                   Qt::white);
    }
    p.end();
    return sheet.save(out, "PNG") ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 2 && !args[1].startsWith("--"))
        return writeAll(args[1]);
    if (args.size() == 4 && args[1] == "--sheet")
        return writeSheet(args[2], args[3]);
    std::fprintf(stderr, "usage: artgen <resources-dir>\n       artgen --sheet <out.png> <resources-dir>\n");
    return 2;
}
