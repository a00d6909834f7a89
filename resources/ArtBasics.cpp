// The basic pieces every picture is made of: what a card index stands for, the suit symbols as
// vector outlines, the fonts and the blank white card.
#include <array>

#include <QFontMetricsF>

#include "engine/cards/Cards.h"
#include "resources/ArtParts.h"
#include "resources/SerifFont.h"

namespace {

QPainterPath Diamond()
{
    // Slightly hollow sides keep it from looking like a plain square on its point.
    QPainterPath d;
    d.moveTo(0.5, 0.0);
    d.quadTo(0.66, 0.29, 0.9, 0.5);
    d.quadTo(0.66, 0.71, 0.5, 1.0);
    d.quadTo(0.34, 0.71, 0.1, 0.5);
    d.quadTo(0.34, 0.29, 0.5, 0.0);
    d.closeSubpath();
    return d;
}

QPainterPath Heart()
{
    QPainterPath h;
    h.moveTo(0.5, 1.0);
    h.cubicTo(0.38, 0.82, 0.02, 0.60, 0.02, 0.32);
    h.cubicTo(0.02, 0.12, 0.16, 0.02, 0.29, 0.02);
    h.cubicTo(0.40, 0.02, 0.47, 0.09, 0.5, 0.21);
    h.cubicTo(0.53, 0.09, 0.60, 0.02, 0.71, 0.02);
    h.cubicTo(0.84, 0.02, 0.98, 0.12, 0.98, 0.32);
    h.cubicTo(0.98, 0.60, 0.62, 0.82, 0.5, 1.0);
    h.closeSubpath();
    return h;
}

QPainterPath Spade()
{
    QPainterPath s;
    s.moveTo(0.5, 0.0);
    s.cubicTo(0.60, 0.16, 0.97, 0.36, 0.97, 0.58);
    s.cubicTo(0.97, 0.74, 0.85, 0.82, 0.73, 0.82);
    s.cubicTo(0.63, 0.82, 0.56, 0.77, 0.53, 0.70);
    s.cubicTo(0.55, 0.84, 0.62, 0.94, 0.74, 1.0);
    s.lineTo(0.26, 1.0);
    s.cubicTo(0.38, 0.94, 0.45, 0.84, 0.47, 0.70);
    s.cubicTo(0.44, 0.77, 0.37, 0.82, 0.27, 0.82);
    s.cubicTo(0.15, 0.82, 0.03, 0.74, 0.03, 0.58);
    s.cubicTo(0.03, 0.36, 0.40, 0.16, 0.5, 0.0);
    s.closeSubpath();
    return s;
}

QPainterPath Club()
{
    // Three leaves and a flared stem, united so the overlaps never leave a seam or a hole.
    const qreal r = 0.215;
    QPainterPath top, left, right, heart, stem;
    top.addEllipse(QPointF(0.5, 0.25), r, r);
    left.addEllipse(QPointF(0.25, 0.57), r, r);
    right.addEllipse(QPointF(0.75, 0.57), r, r);
    heart.addEllipse(QPointF(0.5, 0.52), 0.14, 0.14);
    stem.moveTo(0.46, 0.55);
    stem.cubicTo(0.45, 0.80, 0.38, 0.93, 0.26, 1.0);
    stem.lineTo(0.74, 1.0);
    stem.cubicTo(0.62, 0.93, 0.55, 0.80, 0.54, 0.55);
    stem.closeSubpath();
    return top.united(left).united(right).united(heart).united(stem);
}

}  // namespace

CardFace FaceOfCard(int cardIndex)
{
    return {SuitOfIndex(cardIndex), static_cast<Rank>(FaceOfIndex(cardIndex))};
}

bool IsRedSuit(int suit) { return suit == SuitDiamonds || suit == SuitHearts; }

const char* RankIndex(Rank rank)
{
    static constexpr std::array<const char*, 6> names{"A", "10", "K", "Q", "J", "9"};
    return names[static_cast<size_t>(rank)];
}

QColor SuitInk(int suit) { return IsRedSuit(suit) ? QColor(204, 22, 34) : QColor(22, 22, 28); }

const QPainterPath& SuitPath(int suit)
{
    static const std::array<QPainterPath, 4> paths{Diamond(), Club(), Heart(), Spade()};
    const int i = suit - SuitDiamonds;
    return paths[static_cast<size_t>(i >= 0 && i < 4 ? i : 0)];
}

void DrawSuit(QPainter& p, int suit, const QRectF& box, bool inverted)
{
    p.save();
    p.translate(box.center());
    if (inverted)
        p.rotate(180);
    p.scale(box.width(), box.height());
    p.translate(-0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(SuitInk(suit));
    p.drawPath(SuitPath(suit));
    p.restore();
}

namespace {

int ArtPixels(qreal pixelSize) { return qMax(1, qRound(pixelSize)); }

QFont Smooth(QFont f)
{
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

}  // namespace

QFont ArtSerif(qreal pixelSize) { return Smooth(SerifPixels(ArtPixels(pixelSize), Bold, SerifFirst::Liberation)); }

QFont ArtSans(qreal pixelSize)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(ArtPixels(pixelSize));
    f.setBold(true);
    return Smooth(f);
}

void DrawCardBlank(QPainter& p, const QRectF& rect, qreal radius)
{
    p.save();
    p.setPen(QPen(QColor(110, 110, 120), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.restore();
}

void DrawCentredText(QPainter& p, const QString& text, const QFont& font, QPointF centre,
                     qreal maxWidth, const QColor& ink)
{
    // Centring the inked box, not the font's line box, puts digits and capitals where the eye
    // expects them.
    const QRectF ink_box = QFontMetricsF(font).tightBoundingRect(text);
    const qreal squeeze = ink_box.width() > maxWidth ? maxWidth / ink_box.width() : 1.0;
    p.save();
    p.translate(centre);
    p.scale(squeeze, 1.0);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QPointF(-ink_box.center().x(), -ink_box.center().y()), text);
    p.restore();
}
