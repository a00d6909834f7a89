#include "table/PicCardBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "engine/state/TableModel.h"
#include "resources/CardArt.h"
#include "table/TableLook.h"

PicCardBox::PicCardBox(QWidget* parent, int16_t index) : QWidget(parent), index_(index)
{
    setObjectName(QStringLiteral("PicCard(%1)").arg(index));
    resize(Px(CardBoxWidth), Px(CardBoxHeight));
    hide();
}

void PicCardBox::SetPicture(int16_t image)
{
    if (image == picture_)
        return;
    picture_ = image;
    pixmapRatio_ = 0;
    // Sized to its picture: a face is smaller than the back.
    if (const QSize size = TablePictureSize(image); !size.isEmpty())
        resize(size);
    update();
}

void PicCardBox::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (ratio != pixmapRatio_) {
        pixmap_ = TablePicture(picture_, ratio);
        pixmapRatio_ = ratio;
    }
    if (pixmap_.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, pixmap_);
}

void PicCardBox::mousePressEvent(QMouseEvent* event)
{
    click_.Press(*event);
}

void PicCardBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (click_.Release(*event, rect()))
        emit Clicked(index_);
}

void PicCardBox::mouseDoubleClickEvent(QMouseEvent*)
{
    click_.DoubleClick();
}
