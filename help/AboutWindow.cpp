#include "help/AboutWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "engine/flow/Flow.h"
#include "engine/state/Platform.h"
#include "help/DesktopSysInfo.h"
#include "help/HelpKit.h"
#include "help/HelpPages.h"
#include "resources/CardArt.h"
#include "resources/SansFont.h"

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, QRect twips, double points,
                  bool wrap)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setFont(HelpSerif(points));
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, HelpPaleCyan);
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    l->setAutoFillBackground(true);
    l->setGeometry(PxRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return l;
}

// The program's icon, in a box of its own at the top left.
class IconBox : public QWidget {
public:
    explicit IconBox(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("picIcon"));
        setGeometry(PxRect(240, 240, 540, 540));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        constexpr int IconPixels = 32;
        QPainter p(this);
        const QPixmap icon = WindowIconPicture(IconPixels, devicePixelRatioF());
        p.drawPixmap((width() - IconPixels) / 2, (height() - IconPixels) / 2, icon);
    }
};

}  // namespace

frmAbout::frmAbout(Game& g) : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), g_(g)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About MyApp"));
    setWindowIcon(WindowIcon());
    PaintNavy(this);
    setFixedSize(Px(5730), Px(3555));

    new IconBox(this);
    lblTitle = MakeLabel(this, "lblTitle", "Application Title", {1050, 240, 3885, 480}, 12, false);
    lblVersion = MakeLabel(this, "lblVersion", "Version", {1050, 780, 3885, 225}, 10.5, false);
    MakeLabel(this, "lblDescription",
              "A fascinating game of cards which can keep you happy for many hours.",
              {1050, 1125, 3885, 1170}, 12, true);
    MakeLabel(this, "lblDisclaimer", "Free to play and to share. It comes with no warranty.",
              {255, 2625, 3870, 825}, 12, true);
    cmdOK = MakeButton(this, "cmdOK", "OK", {4245, 2625, 1260, 345}, HelpPaleGreen);
    cmdSysInfo =
        MakeButton(this, "cmdSysInfo", "&System Info...", {4260, 3075, 1245, 345}, HelpPaleGreen);
    const QFont buttonFont = SmallSans(SansFirst::Liberation);
    cmdOK->setFont(buttonFont);
    cmdSysInfo->setFont(buttonFont);
    setTabOrder(cmdOK, cmdSysInfo);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    desktop_ = std::make_unique<DesktopSysInfo>(g_);
    sysInfo_ = desktop_.get();
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    const QString title = QString::fromUtf8(AppTitle);
    setWindowTitle(QStringLiteral("About ") + title);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3").arg(AppMajor).arg(AppMinor).arg(AppRevision));
    lblTitle->setText(title);
}

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::cmdSysInfo_Click()
{
    RunHandler([this] { StartSysInfo(*sysInfo_); });
}

void frmAbout::paintEvent(QPaintEvent*)
{
    // The etched separator: a grey line with a white one just below it.
    QPainter p(this);
    p.fillRect(QRect(QPoint(Px(105), Px(2460) - 1), QPoint(Px(5654), Px(2460))), Qt::white);
    p.fillRect(QRect(QPoint(Px(90), Px(2445)), QPoint(Px(5654), Px(2445))),
               QColor(128, 128, 128));
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        cmdOK->click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focusWidget() == cmdSysInfo)
            cmdSysInfo->click();
        else
            cmdOK->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void frmAbout::closeEvent(QCloseEvent* event)
{
    ForgetHelpWindow(this);
    event->accept();
}
