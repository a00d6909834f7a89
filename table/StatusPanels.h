#pragma once
// StatusBar1: four sunken panels along the window's bottom edge, each with a text and, for the
// trump panel, a picture.
#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>

class StatusPanel : public QWidget {
    Q_OBJECT
public:
    StatusPanel(QWidget* parent, int number, const QString& toolTip);

    QString Text() const { return text_; }
    int16_t Picture() const { return picture_; }
    void SetText(const QString& text);
    void SetPicture(int16_t image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    int16_t picture_ = 0;
};

class StatusBar1 : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar1(QWidget* parent);
    StatusPanel* Panel(int number) { return panels_[number]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<StatusPanel*, 5> panels_{};  // 1..4
};
