#pragma once
// The drawing pieces behind CardArt: each paints in logical pixels onto a painter that the caller
// has already set up for the device pixel ratio, so none of them cares which screen it is for.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

// What a card index (1..48) stands for: its suit code and its rank in the order the pack keeps
// within a suit (Ace, Ten, King, Queen, Jack, Nine).
enum class Rank { Ace, Ten, King, Queen, Jack, Nine };
struct CardFace {
    int suit;
    Rank rank;
};
CardFace FaceOfCard(int cardIndex);
bool IsRedSuit(int suit);
const char* RankIndex(Rank rank);  // "A", "10", "K", "Q", "J", "9"

// Ink of a suit: red for Diamonds and Hearts, black for Clubs and Spades.
QColor SuitInk(int suit);

// The outline of a suit symbol filling the unit square (0,0)-(1,1), point or stem down.
const QPainterPath& SuitPath(int suit);
// A suit symbol in its ink filling box; upside down when inverted, as on the lower half of a card.
void DrawSuit(QPainter& p, int suit, const QRectF& box, bool inverted = false);

// Bold faces by pixel size, so text is as large on every screen as the picture around it.
QFont ArtSerif(qreal pixelSize);
QFont ArtSans(qreal pixelSize);

// Text whose inked glyphs are centred on the point, squeezed sideways if wider than maxWidth.
void DrawCentredText(QPainter& p, const QString& text, const QFont& font, QPointF centre,
                     qreal maxWidth, const QColor& ink);

// A white card with rounded corners and a thin grey border filling the rect.
void DrawCardBlank(QPainter& p, const QRectF& rect, qreal radius);

// The court cards' centre: a framed panel in the rank's colours with its headdress, a large letter
// and the suit symbol. Jack, Queen and King differ in colour and headdress as well as letter.
void DrawCourtPanel(QPainter& p, const CardFace& face, const QRectF& panel, bool withSuit);
// The ground colour and the frame colour of a rank's panel.
QColor CourtGround(Rank rank);
QColor CourtFrame(Rank rank);

void PaintCardFace(QPainter& p, int cardIndex);     // CardFaceSize
void PaintHelpCard(QPainter& p, int cardIndex);     // HelpCardSize
void PaintCardBack(QPainter& p);                    // CardBackSize
void PaintSuitSymbol(QPainter& p, int suit);        // 32 x 32
void PaintNoTrumps(QPainter& p);                    // 32 x 32
void PaintDialogIcon(QPainter& p, int icon);        // 32 x 32
void PaintWindowIcon(QPainter& p, qreal size);      // size x size
