#include "help/HelpKit.h"

#include <QPainter>

#include "resources/CardArt.h"
#include "widgets/FlatButton.h"

void PaintNavy(QWidget* w)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, HelpNavy);
    pal.setColor(QPalette::WindowText, HelpPaleCyan);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QRect twips,
                        const QColor& face, const char* toolTip)
{
    // The table's own button: a flat face of our own colour in a classic raised edge, painted by us,
    // so no widget style turns the colour into its own gradient.
    const QRect place = PxRect(twips.x(), twips.y(), twips.width(), twips.height());
    return new FlatButton(parent, QString::fromUtf8(name), place, face, parent->font(),
                          QString::fromUtf8(caption), toolTip ? QString::fromUtf8(toolTip) : QString());
}

HelpCard::HelpCard(QWidget* parent, int cardIndex, int left, int top)
    : QWidget(parent), cardIndex_(cardIndex)
{
    setGeometry(QRect(QPoint(Px(left), Px(top)), HelpCardSize));
}

void HelpCard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPixmap face = HelpCardPicture(cardIndex_, devicePixelRatioF());
    p.drawPixmap(rect(), face);
}

PagePrinter::PagePrinter(QPainter& painter, const QFont& font, const QColor& colour)
    : painter_(painter)
{
    painter_.setFont(font);
    painter_.setPen(colour);
    const QFontMetrics fm(font);
    lineHeight_ = fm.height();
    ascent_ = fm.ascent();
}

void PagePrinter::Print(const char* line)
{
    if (*line)
        painter_.drawText(0, y_ + ascent_, QString::fromUtf8(line));
    y_ += lineHeight_;
    ++lines_;
}

void PagePrinter::PrintAll(std::span<const char* const> lines)
{
    for (const char* line : lines)
        Print(line);
}
