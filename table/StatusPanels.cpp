#include "table/StatusPanels.h"

#include <QPainter>

#include "resources/CardArt.h"
#include "table/TableLook.h"

namespace {

struct PanelDesign {
    int WidthTwips;
    const char* ToolTip;
};

constexpr std::array<PanelDesign, 4> Panels{{
    {3000, "Current Trumps"},
    {7000, "General Information"},
    {1440, ""},
    {1440, ""},
}};

constexpr int PanelPictureSize = 16;

}  // namespace

StatusPanel::StatusPanel(QWidget* parent, int number, const QString& toolTip)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("StatusBar1.Panel(%1)").arg(number));
    setToolTip(toolTip);
    setFont(SmallSans());
}

void StatusPanel::SetText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
}

void StatusPanel::SetPicture(int16_t image)
{
    if (image == picture_)
        return;
    picture_ = image;
    update();
}

void StatusPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect().adjusted(1, 2, -1, 0);
    // A thin sunken edge.
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(Qt::white);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    int textLeft = r.left() + 3;
    if (picture_ != 0) {
        const QPixmap picture = TablePicture(picture_, devicePixelRatioF());
        if (!picture.isNull()) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            const QRect place(textLeft, r.top() + (r.height() - PanelPictureSize) / 2, PanelPictureSize,
                              PanelPictureSize);
            p.drawPixmap(place, picture);
            textLeft = place.right() + 4;
        }
    }
    p.setPen(Qt::black);
    p.drawText(QRect(textLeft, r.top() + 1, r.right() - textLeft - 1, r.height() - 2),
               Qt::AlignLeft | Qt::AlignVCenter, text_);
}

StatusBar1::StatusBar1(QWidget* parent) : QWidget(parent)
{
    setObjectName("StatusBar1");
    setFixedHeight(StatusBarHeightPx);
    // Placed by hand, not by a layout, so the bar sets no minimum width on the window.
    int left = 0;
    for (int i = 1; i <= 4; ++i) {
        const PanelDesign& d = Panels[i - 1];
        panels_[i] = new StatusPanel(this, i, QString::fromUtf8(d.ToolTip));
        panels_[i]->setGeometry(left, 0, Px(d.WidthTwips), StatusBarHeightPx);
        left += Px(d.WidthTwips);
    }
}

void StatusBar1::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Look::ButtonFace);
}
