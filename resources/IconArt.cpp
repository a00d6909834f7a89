// The pictures that are not card faces: the card back, the status bar's symbols, the message
// dialog's icons and the program's icon.
#include "engine/cards/Cards.h"
#include "resources/ArtParts.h"
#include "resources/CardArt.h"

namespace {

inline constexpr QSizeF BackSize{CardBackSize};
inline constexpr QRectF IconBox{0, 0, 32, 32};

// A tiny court card for the icons: a white card, the rank's coloured panel and its letter; at
// this size a headdress would only blur the letter.
void MiniCourtCard(QPainter& p, QPointF centre, qreal angle, QSizeF size, int suit, Rank rank)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF card(-size.width() / 2, -size.height() / 2, size.width(), size.height());
    DrawCardBlank(p, card, size.width() * 0.15);
    const QRectF panel = card.adjusted(1.8, 1.8, -1.8, -1.8);
    p.setPen(QPen(CourtFrame(rank), 0.9));
    p.setBrush(CourtGround(rank));
    p.drawRect(panel);
    DrawCentredText(p, QString::fromLatin1(RankIndex(rank)), ArtSerif(panel.height() * 0.72),
                    panel.center(), panel.width() * 0.9, SuitInk(suit));
    p.restore();
}

// A plain card with one large pip, for the program's icon.
void PipCard(QPainter& p, QPointF centre, qreal angle, QSizeF size, int suit)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF card(-size.width() / 2, -size.height() / 2, size.width(), size.height());
    p.setPen(QPen(QColor(40, 50, 50), size.width() * 0.05));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, size.width() * 0.14, size.width() * 0.14);
    const QSizeF pip(size.width() * 0.62, size.width() * 0.68);
    DrawSuit(p, suit, QRectF(-pip.width() / 2, -pip.height() / 2, pip.width(), pip.height()));
    p.restore();
}

void Disc(QPainter& p, const QColor& fill, const QColor& edge)
{
    p.setPen(QPen(edge, 1.2));
    p.setBrush(fill);
    p.drawEllipse(IconBox.center(), 14.6, 14.6);
}

}  // namespace

void PaintCardBack(QPainter& p)
{
    const QRectF card(QPointF(0, 0), BackSize);
    DrawCardBlank(p, card, 5);
    const QRectF field = card.adjusted(4, 4, -4, -4);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(122, 14, 26));
    p.drawRoundedRect(field, 3, 3);

    // A lattice of diagonal lines, centred on the card so the pattern is the same both ways up.
    QPainterPath clip;
    clip.addRoundedRect(field, 3, 3);
    p.setClipPath(clip);
    p.setPen(QPen(QColor(184, 52, 62), 1.1));
    const QPointF c = card.center();
    const qreal step = 8;
    for (int i = -12; i <= 12; ++i) {
        const qreal d = i * step;
        p.drawLine(QPointF(c.x() + d - 60, c.y() - 60), QPointF(c.x() + d + 60, c.y() + 60));
        p.drawLine(QPointF(c.x() + d + 60, c.y() - 60), QPointF(c.x() + d - 60, c.y() + 60));
    }
    // A small gold dot in the middle of each lattice diamond.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 176, 96));
    for (int i = -10; i <= 10; ++i)
        for (int j = -13; j <= 13; ++j)
            if ((i + j) % 2 != 0)
                p.drawEllipse(QPointF(c.x() + i * step / 2, c.y() + j * step / 2), 0.9, 0.9);
    p.setClipping(false);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(226, 176, 96), 1.0));
    p.drawRoundedRect(field.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    p.restore();
}

void PaintSuitSymbol(QPainter& p, int suit)
{
    DrawSuit(p, suit, IconBox.adjusted(3, 3, -3, -3));
}

void PaintNoTrumps(QPainter& p)
{
    p.save();
    Disc(p, QColor(210, 28, 34), QColor(140, 10, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6.5, 13, 19, 6), 1.2, 1.2);
    p.restore();
}

void PaintDialogIcon(QPainter& p, int icon)
{
    p.save();
    switch (icon) {
    case 1:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 84, 42));
        p.drawRoundedRect(IconBox, 4, 4);
        MiniCourtCard(p, {11, 16.5}, -12, {15, 21}, SuitSpades, Rank::King);
        MiniCourtCard(p, {21, 15.5}, 10, {15, 21}, SuitHearts, Rank::Queen);
        break;
    case 2:
        Disc(p, QColor(24, 150, 64), QColor(10, 95, 38));
        DrawCentredText(p, QStringLiteral("?"), ArtSans(22), IconBox.center(), 20, Qt::white);
        break;
    default:
        Disc(p, QColor(24, 44, 150), QColor(10, 22, 90));
        DrawCentredText(p, QStringLiteral("i"), ArtSerif(24), IconBox.center(), 20, Qt::white);
        break;
    }
    p.restore();
}

void PaintWindowIcon(QPainter& p, qreal size)
{
    // Drawn on a 64-unit square and scaled, so every size shows the same picture.
    p.save();
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 128));
    p.drawRoundedRect(QRectF(0, 0, 64, 64), 10, 10);
    PipCard(p, {21, 33}, -16, {27, 38}, SuitHearts);
    PipCard(p, {43, 31}, 12, {27, 38}, SuitSpades);
    p.restore();
}
