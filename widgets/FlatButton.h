#pragma once
// A push button with a flat coloured face and the classic raised edge, as the table, the help
// pages and the About window draw their buttons.
#include <QColor>
#include <QFont>
#include <QPushButton>
#include <QRect>
#include <QString>

class FlatButton : public QPushButton {
    Q_OBJECT
public:
    // rect in pixels.
    FlatButton(QWidget* parent, const QString& name, QRect rect, QColor back, const QFont& font,
               const QString& caption, const QString& toolTip = {});

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor back_;
};
