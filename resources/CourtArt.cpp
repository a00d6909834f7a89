// The court cards: a framed panel in the rank's own colours, with the rank's headdress above a
// large letter. King, Queen and Jack are told apart by colour and shape before the letter is read.
#include "resources/ArtParts.h"

namespace {

struct CourtStyle {
    QColor ground;    // the panel
    QColor frame;     // its frame lines
    QColor metal;     // the headdress
    QColor outline;   // the headdress's edge
    QColor jewel;
};

const CourtStyle& StyleOf(Rank rank)
{
    static const CourtStyle king{{255, 231, 150}, {150, 100, 10}, {235, 178, 30}, {120, 75, 0}, {200, 20, 40}};
    static const CourtStyle queen{{250, 208, 228}, {150, 40, 120}, {196, 70, 170}, {95, 20, 80}, {255, 255, 255}};
    static const CourtStyle jack{{196, 232, 204}, {30, 110, 70}, {40, 90, 190}, {15, 40, 100}, {230, 60, 40}};
    switch (rank) {
    case Rank::King: return king;
    case Rank::Queen: return queen;
    default: return jack;
    }
}

QPointF At(const QRectF& b, qreal fx, qreal fy) { return {b.left() + fx * b.width(), b.top() + fy * b.height()}; }

void Jewel(QPainter& p, QPointF centre, qreal radius, const QColor& colour, const QColor& edge)
{
    p.setBrush(colour);
    p.setPen(QPen(edge, radius * 0.5));
    p.drawEllipse(centre, radius, radius);
}

// Five points on a band, a ball on each tip and a stone in the band.
void Crown(QPainter& p, const QRectF& b, const CourtStyle& s, qreal line)
{
    QPainterPath c;
    c.moveTo(At(b, 0.0, 1.0));
    c.lineTo(At(b, 0.0, 0.22));
    c.lineTo(At(b, 0.25, 0.58));
    c.lineTo(At(b, 0.5, 0.1));
    c.lineTo(At(b, 0.75, 0.58));
    c.lineTo(At(b, 1.0, 0.22));
    c.lineTo(At(b, 1.0, 1.0));
    c.closeSubpath();
    p.setBrush(s.metal);
    p.setPen(QPen(s.outline, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(c);
    p.drawLine(At(b, 0.0, 0.72), At(b, 1.0, 0.72));
    const qreal r = b.height() * 0.1;
    for (qreal fx : {0.0, 0.5, 1.0})
        Jewel(p, At(b, fx, fx == 0.5 ? 0.1 : 0.22), r, s.metal, s.outline);
    Jewel(p, At(b, 0.5, 0.86), r, s.jewel, s.outline);
}

// Three rounded arches, the middle one highest, each topped by a pearl.
void Tiara(QPainter& p, const QRectF& b, const CourtStyle& s, qreal line)
{
    QPainterPath t;
    t.moveTo(At(b, 0.0, 1.0));
    t.lineTo(At(b, 0.0, 0.62));
    t.quadTo(At(b, 0.17, 0.18), At(b, 0.33, 0.62));
    t.quadTo(At(b, 0.5, -0.1), At(b, 0.67, 0.62));
    t.quadTo(At(b, 0.83, 0.18), At(b, 1.0, 0.62));
    t.lineTo(At(b, 1.0, 1.0));
    t.closeSubpath();
    p.setBrush(s.metal);
    p.setPen(QPen(s.outline, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(t);
    const qreal r = b.height() * 0.1;
    Jewel(p, At(b, 0.17, 0.36), r, s.jewel, s.outline);
    Jewel(p, At(b, 0.5, 0.16), r * 1.2, s.jewel, s.outline);
    Jewel(p, At(b, 0.83, 0.36), r, s.jewel, s.outline);
    Jewel(p, At(b, 0.5, 0.8), r, s.jewel, s.outline);
}

// A round cap on a band with a feather sweeping up to one side.
void PlumedCap(QPainter& p, const QRectF& b, const CourtStyle& s, qreal line)
{
    QPainterPath feather;
    feather.moveTo(At(b, 0.55, 0.62));
    feather.cubicTo(At(b, 0.75, 0.1), At(b, 0.95, -0.05), At(b, 1.05, 0.02));
    feather.cubicTo(At(b, 1.0, 0.35), At(b, 0.8, 0.6), At(b, 0.62, 0.7));
    feather.closeSubpath();
    p.setPen(QPen(s.outline, line * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(s.jewel);
    p.drawPath(feather);

    QPainterPath cap;
    cap.moveTo(At(b, 0.08, 0.8));
    cap.cubicTo(At(b, 0.08, 0.15), At(b, 0.92, 0.15), At(b, 0.92, 0.8));
    cap.closeSubpath();
    p.setPen(QPen(s.outline, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(s.metal);
    p.drawPath(cap);
    p.setBrush(s.outline);
    p.drawRect(QRectF(At(b, 0.02, 0.76), At(b, 0.98, 1.0)));
}

// The rank's headdress (crown, tiara or plumed cap), fitting the box.
void DrawHeaddress(QPainter& p, Rank rank, const QRectF& box)
{
    const CourtStyle& s = StyleOf(rank);
    const qreal line = qMax(0.6, box.height() * 0.07);
    p.save();
    switch (rank) {
    case Rank::King: Crown(p, box, s, line); break;
    case Rank::Queen: Tiara(p, box, s, line); break;
    default: PlumedCap(p, box, s, line); break;
    }
    p.restore();
}

}  // namespace

QColor CourtGround(Rank rank) { return StyleOf(rank).ground; }
QColor CourtFrame(Rank rank) { return StyleOf(rank).frame; }

void DrawCourtPanel(QPainter& p, const CardFace& face, const QRectF& panel, bool withSuit)
{
    const CourtStyle& s = StyleOf(face.rank);
    p.save();
    p.setPen(QPen(s.frame, 1.5));
    p.setBrush(s.ground);
    p.drawRoundedRect(panel.adjusted(0.75, 0.75, -0.75, -0.75), 3, 3);
    p.setPen(QPen(s.frame, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    p.restore();

    const qreal w = panel.width(), h = panel.height();
    DrawHeaddress(p, face.rank, QRectF(At(panel, 0.2, 0.08), QSizeF(w * 0.6, h * 0.2)));
    const qreal letterPixels = qMin(w * 0.85, h * 0.38);
    const QPointF letterAt = At(panel, 0.5, withSuit ? 0.5 : 0.62);
    DrawCentredText(p, QString::fromLatin1(RankIndex(face.rank)), ArtSerif(letterPixels),
                    letterAt, w * 0.8, SuitInk(face.suit));
    if (withSuit) {
        const QSizeF pip(w * 0.34, w * 0.36);
        const QPointF c = At(panel, 0.5, 0.8);
        DrawSuit(p, face.suit, QRectF(c - QPointF(pip.width() / 2, pip.height() / 2), pip));
    }
}
