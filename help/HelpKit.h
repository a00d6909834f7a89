#pragma once
// What the rules pages and the About window share: their colours, their fonts, twips, the
// small card pictures, the coloured buttons and the printing of a page's lines.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QWidget>

#include <span>

class QPainter;
class QPushButton;

inline const QColor HelpNavy{0, 0, 128};
inline const QColor HelpPaleCyan{192, 255, 255};
inline const QColor HelpPaleGreen{192, 255, 192};

// Positions and sizes are given in twips.
#include "resources/Measure.h"
#include "resources/SerifFont.h"

// The serif face at the given point size, Liberation Serif first.
inline QFont HelpSerif(double points, bool bold = true)
{
    return SerifFont(points, bold ? Bold : Plain, SerifFirst::Liberation);
}

// Paints a navy window with pale cyan text.
void PaintNavy(QWidget* w);

// A button with a flat coloured face, at a place and size in twips, in its parent's font; heights
// of the page buttons are all the same.
inline constexpr int HelpButtonHeight = 372;
QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect twips,
                        const QColor& face, const char* toolTip = nullptr);

// One small card face, HelpCardSize, redrawn crisply for whatever screen it is on.
class HelpCard : public QWidget {
    Q_OBJECT
public:
    HelpCard(QWidget* parent, int cardIndex, int left, int top);
    int CardIndex() const { return cardIndex_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int cardIndex_;
};

// Prints lines one below the other from the top left corner, each at the font's line height,
// the way the pages print their text.
class PagePrinter {
public:
    PagePrinter(QPainter& painter, const QFont& font, const QColor& colour);
    void Print(const char* line);
    void PrintAll(std::span<const char* const> lines);
    int Lines() const { return lines_; }

private:
    QPainter& painter_;
    int y_ = 0;
    int lines_ = 0;
    int lineHeight_;
    int ascent_;
};
