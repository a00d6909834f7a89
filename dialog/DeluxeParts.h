#pragma once
// The message dialog's parts, each drawn by itself: the title strip, the wrapping prompt, the
// icon box and the raised buttons with their captions.
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QWidget>

class QPainter;

// The dialog's fonts, at 4/3 pixel a point.
QFont DeluxeFont(int pixelSize, bool italic = false, bool underline = false);

// A line of text as tall as the font's rounded-up ascent plus its rounded-up descent, so that a
// one-line prompt stands 19 pixels high.
int DeluxeLineHeight(const QFont& font);

// An outline in `outline`, then its bottom and right edges in `edge`, each edge leaving out its
// last pixel: the bottom stops short of the right column and the right edge short of
// `rightEdgeEnd`. Pixel positions are inclusive.
void DrawEdgedFrame(QPainter& p, QRect box, int rightEdgeEnd, QColor outline, QColor edge);

inline const QColor DeluxeLight{240, 240, 240};
inline const QColor DeluxeDark{128, 128, 128};

// A part that shows a text in one of the dialog's fonts.
class DeluxeText : public QWidget {
    Q_OBJECT
public:
    DeluxeText(QWidget* parent, const QFont& font);
    void SetText(const QString& text);
    QString Text() const { return text_; }

protected:
    QString text_;
};

// A label with a one-pixel border that shows its text from the left on one line.
class DeluxeTitle : public DeluxeText {
    Q_OBJECT
public:
    explicit DeluxeTitle(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

// The prompt: wraps its text at its width, breaking a word only when it alone is too wide.
class DeluxePrompt : public DeluxeText {
    Q_OBJECT
public:
    explicit DeluxePrompt(QWidget* parent);
    // The height, in pixels, the text needs at the given width, in whole lines; at most
    // maxHeight, but never less than one line.
    int HeightForText(int width, int maxHeight) const;

protected:
    void paintEvent(QPaintEvent*) override;
};

// The icon box: a 32 x 32 picture inside a one-pixel border.
class DeluxeIconBox : public QWidget {
    Q_OBJECT
public:
    explicit DeluxeIconBox(QWidget* parent);
    void SetIcon(int icon);
    int Icon() const { return icon_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int icon_ = 0;
};

// A button's caption. Its button takes the mouse for it: the caption shifts when the button
// sinks, but a click answers anywhere inside the button's frame.
class DeluxeCaption : public DeluxeText {
    Q_OBJECT
public:
    explicit DeluxeCaption(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

// A button: a raised frame around its caption, sunk from the first press on its caption until
// the next dialog raises it again. A press and a release with the left mouse button, both inside
// the frame, are a click; nothing else of the dialog answers.
class DeluxeButton : public QWidget {
    Q_OBJECT
public:
    DeluxeButton(QWidget* parent, int index);
    void SetRaised();
    bool IsPressed() const { return pressed_; }
    DeluxeCaption* Caption() const { return caption_; }

signals:
    void Clicked(int index);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void SetPressed();

    DeluxeCaption* caption_;
    int index_;
    bool pressed_ = false;
    bool leftDown_ = false;
};
