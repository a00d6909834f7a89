// Writes contact sheets of every picture the game draws, at the device pixel ratios given, so the
// art can be looked over as a whole: cardsheet <folder> [ratio ...]
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "resources/CardArt.h"

namespace {

inline constexpr int Gap = 6;
inline constexpr int HandStep = 33;   // the user's hand: 500 twips between cards
inline constexpr int HelpStep = 24;   // the tightest row of the rules pages

QImage Sheet(qreal dpr)
{
    const int width = 12 * (CardBackSize.width() + Gap) + Gap;
    const int height = 4 * (CardBackSize.height() + Gap) + 3 * (CardBackSize.height() + Gap) +
                       2 * (HelpCardSize.height() + Gap) + 120 + Gap;
    QImage sheet(qRound(width * dpr), qRound(height * dpr), QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(dpr);
    sheet.fill(QColor(0, 64, 64));
    QPainter p(&sheet);
    int y = Gap;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 12; ++col)
            p.drawPixmap(Gap + col * (CardBackSize.width() + Gap), y, TablePicture(row * 12 + col + 1, dpr));
        y += CardBackSize.height() + Gap;
    }
    // The back, then one of each card as the user's hand shows them, overlapping.
    p.drawPixmap(Gap, y, TablePicture(49, dpr));
    for (int n = 0; n < 12; ++n)
        p.drawPixmap(Gap + CardBackSize.width() + 2 * Gap + n * HandStep, y, TablePicture(n * 2 + 1, dpr));
    y += CardBackSize.height() + Gap;
    for (int n = 0; n < 12; ++n)
        p.drawPixmap(Gap + n * HandStep, y, TablePicture(24 + n * 2 + 1, dpr));
    y += CardBackSize.height() + Gap;
    // The computer's hand and the stock (3 and 4 pixels a card), face down.
    for (int n = 0; n < 12; ++n)
        p.drawPixmap(Gap + n * 17, y, TablePicture(49, dpr));
    for (int n = 0; n < 10; ++n)
        p.drawPixmap(Gap + 400 + n * 3, y + n * 4, TablePicture(49, dpr));
    y += CardBackSize.height() + Gap + 40;
    for (int k = 1; k <= 24; ++k)
        p.drawPixmap(Gap + (k - 1) * (HelpCardSize.width() / 2 + 8), y, HelpCardPicture(k * 2 - 1, dpr));
    y += HelpCardSize.height() + Gap;
    for (int n = 0; n < 12; ++n)
        p.drawPixmap(Gap + n * HelpStep, y, HelpCardPicture(n + 1, dpr));
    for (int n = 0; n < 12; ++n)
        p.drawPixmap(Gap + 420 + n * HelpStep, y, HelpCardPicture(36 + n + 1, dpr));
    y += HelpCardSize.height() + Gap;
    int x = Gap;
    for (int image = 50; image <= 54; ++image, x += 40)
        p.drawPixmap(x, y, TablePicture(image, dpr));
    x += 20;
    p.fillRect(QRectF(x - 4, y - 4, 3 * 40 + 4, 40), QColor(255, 255, 128));
    for (int icon = 1; icon <= 3; ++icon, x += 40)
        p.drawPixmap(x, y, DialogIconPicture(icon, dpr));
    x += 20;
    for (int size : {16, 32, 48, 64}) {
        p.drawPixmap(x, y, WindowIconPicture(size, dpr));
        x += size + Gap;
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: cardsheet <folder> [ratio ...]\n");
        return 2;
    }
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    QList<qreal> ratios;
    for (int i = 2; i < argc; ++i)
        ratios.append(QString::fromLocal8Bit(argv[i]).toDouble());
    if (ratios.isEmpty())
        ratios = {1.0, 2.0};
    for (qreal dpr : ratios) {
        const QString file = QStringLiteral("%1/cards@%2x.png").arg(QString::fromLocal8Bit(argv[1])).arg(dpr);
        if (!Sheet(dpr).save(file))
            return 1;
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
