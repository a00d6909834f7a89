#include "dialog/MessageDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <limits>

#include "dialog/DeluxeDialog.h"

namespace {

const QColor DialogBack{0, 0, 255};

QPointer<MFormDeluxe> theDialog;

}  // namespace

MFormDeluxe::MFormDeluxe()
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint),
      title_(new DeluxeTitle(this)),
      prompt_(new DeluxePrompt(this)),
      icon_(new DeluxeIconBox(this))
{
    setObjectName(QStringLiteral("MFormDeluxe"));
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QString::fromLatin1(AppTitle));
    for (int i = 0; i < 3; ++i) {
        buttons_[i] = new DeluxeButton(this, i);
        connect(buttons_[i], &DeluxeButton::Clicked, this, &MFormDeluxe::Label1_Click);
    }
}

void MFormDeluxe::LayOut(const MessageDialogRequest& r)
{
    for (DeluxeButton* b : buttons_)
        b->SetRaised();  // also undoes the last answer's pressed look

    QScreen* screen = QGuiApplication::primaryScreen();
    if (QWidget* front = QApplication::activeWindow(); front && front != this)
        screen = front->screen();
    const QRect sg = screen ? screen->geometry() : QRect(0, 0, 0, 0);

    prompt_->SetText(QString::fromStdString(r.Prompt));
    // A prompt taller than the screen would push the buttons out of reach, and the dialog
    // answers nothing else: it shows the lines that fit.
    const int room = sg.isEmpty() ? std::numeric_limits<int>::max() : sg.height() - Px(DeluxeExtraHeight);
    const double promptHeight = prompt_->HeightForText(Px(DeluxePromptWidth), room) * TwipsPerPixel;
    layout_ = LayOutDeluxe(promptHeight, !r.Button2.empty(), !r.Button3.empty());
    const DeluxeLayout& l = layout_;
    const double left = (sg.width() * TwipsPerPixel - l.Width) / 2;
    const double top = (sg.height() * TwipsPerPixel - l.Height) / 2;
    setFixedSize(Px(l.Width), Px(l.Height));
    move(sg.topLeft() + QPoint(Px(left), Px(top)));

    title_->setGeometry(PxRect(l.TitleLeft, l.TitleTop, l.TitleWidth, l.TitleHeight));
    title_->SetText(QStringLiteral("   ") + QString::fromStdString(r.Title));
    prompt_->setGeometry(PxRect(l.PromptLeft, l.PromptTop, l.PromptWidth, l.PromptHeight));
    icon_->setGeometry(PxRect(l.IconLeft, l.IconTop, l.IconSize, l.IconSize));
    icon_->SetIcon(r.Icon);

    const std::array<const std::string*, 3> captions = {&r.Button1, &r.Button2, &r.Button3};
    for (int i = 0; i < 3; ++i) {
        DeluxeButton* b = buttons_[i];
        b->Caption()->SetText(QString::fromStdString(*captions[i]));
        b->move(Px(l.ButtonLeft[i]), Px(l.ButtonTop));
        b->setVisible(l.ButtonVisible[i]);
    }
    update();
}

int16_t MFormDeluxe::Ask()
{
    answer_ = -1;
    // Keeps the borderless window above the window it speaks for.
    if (QWidget* front = QApplication::activeWindow(); front && front != this && front->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(front->windowHandle());
    }
    exec();
    return answer_;
}

void MFormDeluxe::Label1_Click(int index)
{
    hide();
    answer_ = static_cast<int16_t>(index);
    done(Accepted);
}

void MFormDeluxe::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), DialogBack);
    // The dialog's own frame, one pixel in from its edge, its right edge stopping two short of
    // the top.
    const QRect frame(QPoint(1, 1), QPoint(width() - 2, height() - 2));
    DrawEdgedFrame(p, frame, 2, DeluxeLight, DeluxeDark);
}

void MFormDeluxe::keyPressEvent(QKeyEvent* e) { e->accept(); }

void MFormDeluxe::closeEvent(QCloseEvent* e) { e->ignore(); }

int16_t ShowDeluxeMsgBox(const MessageDialogRequest& request)
{
    if (!theDialog)
        theDialog = new MFormDeluxe;
    // A question can only come from an event its modal wait handles; the one on screen keeps
    // its texts and this one goes unanswered.
    if (theDialog->isVisible())
        return -1;
    theDialog->LayOut(request);
    return theDialog->Ask();
}

void UnloadMessageDialog()
{
    // Deleted once control is back in the event loop this runs from, never under its own.
    if (theDialog) {
        theDialog->hide();
        theDialog->deleteLater();
    }
    theDialog = nullptr;
}
