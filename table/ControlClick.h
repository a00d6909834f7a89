#pragma once
// When a press and release on a table control make a click: the press of one of the control's
// buttons, then the release of that button inside the control. The second press of a
// double-click makes none: its first press and release were the click already.
#include <QMouseEvent>
#include <QRect>
#include <utility>

class ControlClick {
public:
    explicit ControlClick(Qt::MouseButtons buttons) : buttons_(buttons) {}

    void Press(const QMouseEvent& event)
    {
        if (buttons_ & event.button())
            pressed_ = event.button();
    }
    void DoubleClick() { pressed_ = Qt::NoButton; }
    // True when this release ends a click.
    bool Release(const QMouseEvent& event, const QRect& inside)
    {
        const Qt::MouseButton pressed = std::exchange(pressed_, Qt::NoButton);
        return pressed != Qt::NoButton && event.button() == pressed && inside.contains(event.position().toPoint());
    }

private:
    Qt::MouseButtons buttons_;
    Qt::MouseButton pressed_ = Qt::NoButton;
};
