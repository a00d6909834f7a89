#pragma once
// One card box of the table: shows a picture of the table's image list, crisp at the screen's
// device pixel ratio, and reports a click of the left or the right mouse button; a double-click
// is one click.
#include <QPixmap>
#include <QWidget>
#include <cstdint>

#include "table/ControlClick.h"

class PicCardBox : public QWidget {
    Q_OBJECT
public:
    PicCardBox(QWidget* parent, int16_t index);

    int16_t Index() const { return index_; }
    int16_t Picture() const { return picture_; }
    void SetPicture(int16_t image);

signals:
    void Clicked(int16_t index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int16_t index_;
    int16_t picture_ = 0;
    QPixmap pixmap_;      // picture_ drawn for pixmapRatio_
    qreal pixmapRatio_ = 0;
    ControlClick click_{Qt::LeftButton | Qt::RightButton};
};
