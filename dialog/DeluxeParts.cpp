#include "dialog/DeluxeParts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

#include "engine/state/Platform.h"
#include "engine/state/TableModel.h"
#include "resources/CardArt.h"
#include "resources/SerifFont.h"

namespace {

const QColor TitleBack{0, 0, 64};
const QColor TitleText{255, 255, 255};
const QColor PromptBack{0, 0, 255};
const QColor PromptText{128, 255, 255};
const QColor IconBack{255, 255, 128};
const QColor CaptionText{192, 255, 255};
const QColor ButtonBack{0, 0, 255};
const QColor BorderLine{0, 0, 0};

constexpr int PromptPixels = 16;   // 12 pt
constexpr int TitlePixels = 13;    // 9.75 pt
constexpr int CaptionPixels = 16;  // 12 pt

// The button in pixels, and its caption inside the frame, raised and sunk.
constexpr int ButtonW = 85, ButtonH = 20;
const QRect RaisedCaption{1, 1, ButtonW - 2, ButtonH - 2};
const QRect PressedCaption{2, 2, ButtonW - 3, ButtonH - 3};

void DrawBorder(QPainter& p, const QRect& r) { DrawEdgedFrame(p, r, r.top(), BorderLine, BorderLine); }

// The prompt's lines at the given width; the caller draws them or counts them.
void LayOutLines(QTextLayout& layout, const QFont& font, int width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setFont(font);
    const QFontMetricsF fm(font);
    const int lineHeight = DeluxeLineHeight(font);
    // The baseline where a line of lineHeight pixels puts it.
    const qreal baselineShift = std::ceil(fm.ascent()) - fm.ascent();
    layout.beginLayout();
    for (int n = 0;; ++n) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        line.setPosition(QPointF(0, n * lineHeight + baselineShift));
    }
    layout.endLayout();
}

QString WithLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return text;
}

}  // namespace

QFont DeluxeFont(int pixelSize, bool italic, bool underline)
{
    return SerifPixels(pixelSize, Bold | (italic ? Italic : Plain) | (underline ? Underline : Plain));
}

int DeluxeLineHeight(const QFont& font)
{
    const QFontMetricsF fm(font);
    return static_cast<int>(std::ceil(fm.ascent()) + std::ceil(fm.descent()));
}

void DrawEdgedFrame(QPainter& p, QRect box, int rightEdgeEnd, QColor outline, QColor edge)
{
    const int x0 = box.left(), y0 = box.top(), x1 = box.right(), y1 = box.bottom();
    p.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y0)), outline);
    p.fillRect(QRect(QPoint(x0, y1), QPoint(x1, y1)), outline);
    p.fillRect(QRect(QPoint(x0, y0), QPoint(x0, y1)), outline);
    p.fillRect(QRect(QPoint(x1, y0), QPoint(x1, y1)), outline);
    if (x1 > x0)
        p.fillRect(QRect(QPoint(x0, y1), QPoint(x1 - 1, y1)), edge);
    if (y1 > rightEdgeEnd)
        p.fillRect(QRect(QPoint(x1, rightEdgeEnd + 1), QPoint(x1, y1)), edge);
}

DeluxeText::DeluxeText(QWidget* parent, const QFont& font) : QWidget(parent) { setFont(font); }

void DeluxeText::SetText(const QString& text)
{
    text_ = text;
    update();
}

DeluxeTitle::DeluxeTitle(QWidget* parent) : DeluxeText(parent, DeluxeFont(TitlePixels, true, true)) {}

void DeluxeTitle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), TitleBack);
    DrawBorder(p, rect());
    p.setPen(TitleText);
    p.drawText(rect().adjusted(1, 1, -1, -1), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text_);
}

DeluxePrompt::DeluxePrompt(QWidget* parent) : DeluxeText(parent, DeluxeFont(PromptPixels)) {}

int DeluxePrompt::HeightForText(int width, int maxHeight) const
{
    QTextLayout layout(WithLineBreaks(text_));
    LayOutLines(layout, font(), width);
    const int lineHeight = DeluxeLineHeight(font());
    const int lines = std::min(layout.lineCount(), maxHeight / lineHeight);
    return std::max(1, lines) * lineHeight;
}

void DeluxePrompt::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), PromptBack);
    p.setPen(PromptText);
    QTextLayout layout(WithLineBreaks(text_));
    LayOutLines(layout, font(), width());
    layout.draw(&p, QPointF(0, 0));
}

DeluxeIconBox::DeluxeIconBox(QWidget* parent) : QWidget(parent) {}

void DeluxeIconBox::SetIcon(int icon)
{
    icon_ = icon;
    update();
}

void DeluxeIconBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), IconBack);
    // Other numbers are never passed; they show the empty box.
    if (icon_ == IconCards || icon_ == IconQuestion || icon_ == IconInfo)
        p.drawPixmap(1, 1, DialogIconPicture(icon_, devicePixelRatioF()));
    DrawBorder(p, rect());
}

DeluxeCaption::DeluxeCaption(QWidget* parent) : DeluxeText(parent, DeluxeFont(CaptionPixels))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DeluxeCaption::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(CaptionText);
    const QString shown = QString::fromStdString(ShownCaption(text_.toStdString()));
    p.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, shown);
}

DeluxeButton::DeluxeButton(QWidget* parent, int index)
    : QWidget(parent), caption_(new DeluxeCaption(this)), index_(index)
{
    resize(ButtonW, ButtonH);
    SetRaised();
}

void DeluxeButton::SetRaised()
{
    pressed_ = false;
    caption_->setGeometry(RaisedCaption);
    update();
}

void DeluxeButton::SetPressed()
{
    pressed_ = true;
    caption_->setGeometry(PressedCaption);
    update();
}

void DeluxeButton::mousePressEvent(QMouseEvent* e)
{
    // The raised caption's place is the whole button but its frame, whether the caption has
    // shifted or not.
    if (!RaisedCaption.contains(e->position().toPoint())) {
        e->ignore();
        return;
    }
    if (e->button() == Qt::LeftButton)
        leftDown_ = true;
    SetPressed();
}

void DeluxeButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const bool click = leftDown_ && RaisedCaption.contains(e->position().toPoint());
    leftDown_ = false;
    if (click)
        emit Clicked(index_);
}

void DeluxeButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ButtonBack);
    const QRect box(0, 0, ButtonW, ButtonH);
    if (pressed_)
        DrawEdgedFrame(p, box, 0, DeluxeDark, DeluxeLight);
    else
        DrawEdgedFrame(p, box, 0, DeluxeLight, DeluxeDark);
}
