// Placeholder until the pictures are drawn: plain coloured rectangles of the right sizes.
#include <QPainter>

#include "resources/CardArt.h"

namespace {

QPixmap Plain(QSize size, QColor colour, qreal dpr)
{
    QPixmap p(size * dpr);
    p.setDevicePixelRatio(dpr);
    p.fill(colour);
    return p;
}

}  // namespace

QPixmap TablePicture(int image, qreal dpr)
{
    if (image >= 1 && image <= 48)
        return Plain(CardPictureSize, Qt::white, dpr);
    if (image == 49)
        return Plain(CardPictureSize, QColor(128, 0, 0), dpr);
    if (image >= 50 && image <= 54)
        return Plain(SuitPictureSize, Qt::red, dpr);
    return {};
}

QPixmap DialogIconPicture(int, qreal dpr) { return Plain(DialogIconSize, Qt::darkGreen, dpr); }
QPixmap HelpCardPicture(int, qreal dpr) { return Plain(HelpCardSize, Qt::white, dpr); }
QPixmap WindowIconPicture(int size, qreal dpr) { return Plain(QSize(size, size), QColor(0, 128, 128), dpr); }
QIcon WindowIcon() { return QIcon(WindowIconPicture(32, 1.0)); }
