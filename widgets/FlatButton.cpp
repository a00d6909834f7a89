#include "widgets/FlatButton.h"

#include <QPainter>
#include <qdrawutil.h>

#include "widgets/ClassicEdges.h"

FlatButton::FlatButton(QWidget* parent, const QString& name, QRect rect, QColor back,
                       const QFont& font, const QString& caption, const QString& toolTip)
    : QPushButton(caption, parent), back_(back)
{
    setObjectName(name);
    QPalette pal = palette();
    pal.setColor(QPalette::Button, back);
    pal.setColor(QPalette::ButtonText, Qt::black);
    SetEdgeColours(pal);
    setPalette(pal);
    setFont(font);
    setToolTip(toolTip);
    setGeometry(rect);
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, back_);
    qDrawWinButton(&p, r, palette(), isDown());
    QRect textRect = r.adjusted(2, 2, -2, -2);
    if (isDown())
        textRect.translate(1, 1);
    p.setPen(palette().color(QPalette::ButtonText));
    p.setFont(font());
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QPen dots(Qt::black, 1, Qt::DotLine);
        p.setPen(dots);
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
}
