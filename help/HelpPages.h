#pragma once
// The three rules pages. Pages 1 and 2 print their text afresh on every repaint; page 3 prints
// once, when it is loaded, onto an image it keeps and repaints from.
#include <QPixmap>
#include <QWidget>

class QPushButton;

class HelpPage : public QWidget {
    Q_OBJECT
public:
    int Page() const { return page_; }
    // How often the text has been printed, and how many lines the last printing had.
    int Printings() const { return printings_; }
    int LinesPrinted() const { return linesPrinted_; }

protected:
    HelpPage(int page, const char* name, const char* caption, int widthTwips, int heightTwips,
             const QFont& font);
    // Hides this page and, if another is given, shows that one.
    void GoTo(QPushButton* button, int otherPage);
    void PrintText(QPainter& painter);
    // Pages 1 and 2 print their whole text from the top at every repaint.
    void paintEvent(QPaintEvent*) override;
    void closeEvent(QCloseEvent* event) override;

private:
    int page_;
    int printings_ = 0;
    int linesPrinted_ = 0;
};

class FrmHelp : public HelpPage {
    Q_OBJECT
public:
    FrmHelp();
};

class FrmHelp2 : public HelpPage {
    Q_OBJECT
public:
    FrmHelp2();
};

class FrmHelp3 : public HelpPage {
    Q_OBJECT
public:
    FrmHelp3();
    const QPixmap& PersistentImage() const { return image_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void Form_Load();
    QPixmap image_;
};

// The pages and the About window as they now exist: null when not loaded.
QWidget* LoadedHelpPage(int page);
QWidget* LoadedAboutWindow();

// Shows a page modeless, creating and loading it the first time; returns it.
QWidget* ShowHelpPage(int page);

// A window closed by the platform's own means is unloaded: the next showing creates it anew.
void ForgetHelpWindow(QWidget* window);
