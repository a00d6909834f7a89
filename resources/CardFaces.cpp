// The faces of the 48 cards: the full face of the table and the small square face of the rules
// pages. Both keep the rank and suit in the top left corner, the part that stays in sight
// when cards overlap in a hand or a meld row.
#include <array>

#include "resources/ArtParts.h"
#include "resources/CardArt.h"

namespace {

inline constexpr QSizeF FaceSize{CardFaceSize};
inline constexpr QSizeF HelpSize{HelpCardSize};

// Where the pips of a Ten and a Nine sit on the full face, as centres.
inline constexpr qreal PipLeft = 23.5, PipRight = 47.5, PipMiddle = 35.5;
inline constexpr std::array<qreal, 4> PipRows{16.5, 37.5, 58.5, 79.5};
inline constexpr QSizeF PipSize{11.5, 12.5};

struct CornerStyle {
    QPointF rankCentre;  // centre of the rank's glyphs
    qreal rankPixels;
    qreal rankMaxWidth;
    QRectF suitBox;
};

void DrawCorner(QPainter& p, const CardFace& face, const CornerStyle& style)
{
    DrawCentredText(p, QString::fromLatin1(RankIndex(face.rank)),
                    ArtSans(style.rankPixels), style.rankCentre,
                    style.rankMaxWidth, SuitInk(face.suit));
    DrawSuit(p, face.suit, style.suitBox);
}

// The index in the top left corner and again, turned round, in the bottom right one.
void DrawCorners(QPainter& p, const CardFace& face, const CornerStyle& style, QSizeF card)
{
    DrawCorner(p, face, style);
    p.save();
    p.translate(card.width(), card.height());
    p.rotate(180);
    DrawCorner(p, face, style);
    p.restore();
}

void DrawPip(QPainter& p, int suit, qreal x, qreal y)
{
    // Pips below the middle stand on their heads, as on any pack.
    const QRectF box(x - PipSize.width() / 2, y - PipSize.height() / 2, PipSize.width(), PipSize.height());
    DrawSuit(p, suit, box, y > FaceSize.height() / 2);
}

void DrawPips(QPainter& p, const CardFace& face)
{
    for (qreal y : PipRows) {
        DrawPip(p, face.suit, PipLeft, y);
        DrawPip(p, face.suit, PipRight, y);
    }
    if (face.rank == Rank::Ten) {
        DrawPip(p, face.suit, PipMiddle, (PipRows[0] + PipRows[1]) / 2);
        DrawPip(p, face.suit, PipMiddle, (PipRows[2] + PipRows[3]) / 2);
    } else {
        DrawPip(p, face.suit, PipMiddle, FaceSize.height() / 2);
    }
}

QRectF Centred(QPointF centre, QSizeF size)
{
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(), size.height()};
}

// Too small for all the pips: one pip and the number across the middle.
void DrawCompactPips(QPainter& p, const CardFace& face, QPointF middle)
{
    DrawSuit(p, face.suit, Centred(middle + QPointF(0, 7), {15, 16}));
    DrawCentredText(p, QString::fromLatin1(RankIndex(face.rank)), ArtSans(14),
                    middle - QPointF(0, 10), 20, SuitInk(face.suit));
}

struct FaceLayout {
    QSizeF size;
    qreal cornerRadius;
    CornerStyle corner;
    QSizeF acePip;
    QRectF courtPanel;
    bool full;  // every pip, and the suit in the court panel
};

void PaintFace(QPainter& p, int cardIndex, const FaceLayout& l)
{
    const CardFace face = FaceOfCard(cardIndex);
    DrawCardBlank(p, QRectF(QPointF(0, 0), l.size), l.cornerRadius);
    DrawCorners(p, face, l.corner, l.size);
    const QPointF middle(l.size.width() / 2, l.size.height() / 2);
    switch (face.rank) {
    case Rank::Ace:
        DrawSuit(p, face.suit, Centred(middle, l.acePip));
        break;
    case Rank::Ten:
    case Rank::Nine:
        if (l.full)
            DrawPips(p, face);
        else
            DrawCompactPips(p, face, middle);
        break;
    default:
        DrawCourtPanel(p, face, l.courtPanel, l.full);
        break;
    }
}

}  // namespace

void PaintCardFace(QPainter& p, int cardIndex)
{
    static const FaceLayout layout{FaceSize, 5, {{9.5, 11.5}, 16, 13, QRectF(4, 22, 11, 12)},
                                   {34, 37}, QRectF(17.5, 7, 36, 82), true};
    PaintFace(p, cardIndex, layout);
}

void PaintHelpCard(QPainter& p, int cardIndex)
{
    static const FaceLayout layout{HelpSize, 4, {{8, 9}, 12, 11, QRectF(3.5, 16, 9, 10)},
                                   {24, 26}, QRectF(16, 4, 23, 47), false};
    PaintFace(p, cardIndex, layout);
}
