#pragma once
// The table's plain controls: text labels and the panels (the table's surface and its captioned
// frames) with the lines and rectangles drawn on them.
#include <QLabel>
#include <QWidget>
#include <string>
#include <vector>

#include "table/ControlClick.h"

struct LabelLook {
    QColor Back;  // invalid: the parent shows through
    QColor Text;
    QFont Font;
    bool Border = false;   // the sunken single border
    bool Centred = false;
    bool AutoSize = false; // the width follows the text
};

class TableLabel : public QLabel {
    Q_OBJECT
public:
    // rect in pixels; for an auto-sized label only its place and height count.
    TableLabel(QWidget* parent, const QString& name, QRect rect, const LabelLook& look,
               const std::string& caption);

    // Shows a caption, its ampersands read as access-key marks.
    void SetCaption(const std::string& caption);

signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void FitToText();
    int TextWidth() const;
    bool autoSize_;
    int designWidth_;
    ControlClick click_{Qt::LeftButton};
};

// A filled panel with lines and rectangles drawn beneath its controls; with a caption it is a
// frame: an etched border whose top runs through the caption.
class TablePanel : public QWidget {
    Q_OBJECT
public:
    TablePanel(QWidget* parent, const QString& name, QRect rect, QColor back);

    void SetCaption(const QString& caption, QColor text, const QFont& font);
    void AddLine(QPoint from, QPoint to, int width, QColor colour);
    void AddBox(QRect box, int width, QColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Stroke {
        QPoint From, To;
        QRect Box;  // a rectangle when valid, else the line From..To
        int Width;
        QColor Colour;
    };
    QColor back_;
    QString caption_;
    QColor captionColour_;
    QFont captionFont_;
    std::vector<Stroke> strokes_;
};
