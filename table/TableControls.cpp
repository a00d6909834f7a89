#include "table/TableControls.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "engine/state/TableModel.h"
#include "widgets/ClassicEdges.h"

TableLabel::TableLabel(QWidget* parent, const QString& name, QRect rect, const LabelLook& look,
                       const std::string& caption)
    : QLabel(parent), autoSize_(look.AutoSize), designWidth_(rect.width())
{
    setObjectName(name);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look.Back);
    pal.setColor(QPalette::WindowText, look.Text);
    SetEdgeColours(pal);
    setPalette(pal);
    setAutoFillBackground(look.Back.isValid());
    setFont(look.Font);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
    if (look.Border)
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAlignment((look.Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    setGeometry(rect);
    // A label tall enough for two lines wraps its text; a one-line label never hides part of it.
    setWordWrap(!autoSize_ && rect.height() >= 2 * fontMetrics().height());
    SetCaption(caption);
}

void TableLabel::SetCaption(const std::string& caption)
{
    setText(QString::fromStdString(ShownCaption(caption)));
    if (autoSize_)
        FitToText();
    else if (!wordWrap())
        resize(std::max(designWidth_, TextWidth()), height());
}

int TableLabel::TextWidth() const
{
    return fontMetrics().horizontalAdvance(text()) + 2 * frameWidth();
}

void TableLabel::FitToText()
{
    resize(TextWidth(), height());
}

void TableLabel::mousePressEvent(QMouseEvent* event)
{
    click_.Press(*event);
    QLabel::mousePressEvent(event);
}

void TableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = click_.Release(*event, rect());
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit Clicked();
}

void TableLabel::mouseDoubleClickEvent(QMouseEvent*)
{
    click_.DoubleClick();
}

TablePanel::TablePanel(QWidget* parent, const QString& name, QRect rect, QColor back)
    : QWidget(parent), back_(back)
{
    setObjectName(name);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, back);
    setPalette(pal);
    setAutoFillBackground(true);
    setGeometry(rect);
}

void TablePanel::SetCaption(const QString& caption, QColor text, const QFont& font)
{
    caption_ = caption;
    captionColour_ = text;
    captionFont_ = font;
    update();
}

void TablePanel::AddLine(QPoint from, QPoint to, int width, QColor colour)
{
    strokes_.push_back({from, to, QRect(), width, colour});
}

void TablePanel::AddBox(QRect box, int width, QColor colour)
{
    strokes_.push_back({{}, {}, box, width, colour});
}

void TablePanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (const Stroke& s : strokes_) {
        p.setPen(QPen(s.Colour, s.Width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        if (s.Box.isValid()) {
            // The border lies inside the rectangle's bounds.
            const qreal half = s.Width / 2.0;
            p.drawRect(QRectF(s.Box).adjusted(half, half, -half, -half));
        } else {
            p.drawLine(s.From, s.To);
        }
    }
    if (caption_.isNull())
        return;

    // Etched border from half the caption's height down.
    const QFontMetrics fm(captionFont_);
    const int top = fm.height() / 2;
    const QRect border = rect().adjusted(0, top, -2, -2);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(border);
    p.setPen(Qt::white);
    p.drawRect(border.translated(1, 1));

    const QString shown = QString::fromStdString(ShownCaption(caption_.toStdString()));
    const int left = 8;
    const QRect textRect(left, 0, fm.horizontalAdvance(shown) + 2, fm.height());
    p.fillRect(textRect.adjusted(-1, 0, 1, 0), back_);
    p.setFont(captionFont_);
    p.setPen(captionColour_);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop, shown);
}
