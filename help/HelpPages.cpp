#include "help/HelpPages.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <vector>

#include "engine/cards/Cards.h"
#include "help/HelpKit.h"
#include "help/HelpText.h"

namespace {

struct CardAt {
    int32_t Suit;
    int32_t Value;
    int Left;
};

struct CardGroup {
    int Top;
    std::vector<CardAt> Cards;
    const char* Label;
    const char* Caption;
    QRect LabelTwips;
};

// Page 2's melds: each a row of overlapping cards, left to right, with its label below.
const CardGroup PageTwoGroups[] = {
    {2040, {{SuitDiamonds, ValueAce, 8520}}, "LblTrumps", "Trumps", {8400, 3000, 912, 240}},
    {3240,
     {{SuitDiamonds, ValueKing, 7200}, {SuitDiamonds, ValueQueen, 7920}},
     "LblRM", "Royal Marriage 40 points", {7080, 4080, 1632, 600}},
    {3240,
     {{SuitHearts, ValueKing, 9240}, {SuitHearts, ValueQueen, 9960}},
     "Label2", "Common Marriage 20 points", {9120, 4080, 1632, 600}},
    {4800,
     {{SuitDiamonds, ValueAce, 6600}, {SuitDiamonds, ValueTen, 6960}, {SuitDiamonds, ValueJack, 7320},
      {SuitDiamonds, ValueQueen, 7800}, {SuitDiamonds, ValueKing, 8160}},
     "LblSequence", "Trumps Run 150 points", {6480, 5640, 2532, 372}},
    {6240,
     {{SuitDiamonds, ValueAce, 3600}, {SuitSpades, ValueAce, 4080}, {SuitHearts, ValueAce, 4560},
      {SuitClubs, ValueAce, 5040}},
     "Label1", "Any Four Aces 100 points", {3480, 7080, 2172, 492}},
    {6240,
     {{SuitSpades, ValueQueen, 6720}, {SuitDiamonds, ValueJack, 7080}, {SuitSpades, ValueQueen, 7800},
      {SuitDiamonds, ValueJack, 8280}},
     "LblDBezique", "Double Pinochle  500 points", {6720, 7080, 2292, 492}},
    {6240,
     {{SuitSpades, ValueQueen, 9960}, {SuitDiamonds, ValueJack, 10320}},
     "LblBezique", " Pinochle 40 points", {9600, 7080, 1632, 516}},
    {8160,
     {{SuitDiamonds, ValueKing, 3720}, {SuitHearts, ValueKing, 4200}, {SuitClubs, ValueKing, 4680},
      {SuitSpades, ValueKing, 5160}},
     "Lbl4kingss", "Any Four Kings 80 points", {3720, 9000, 2172, 492}},
    {7920,
     {{SuitClubs, ValueJack, 6960}, {SuitDiamonds, ValueJack, 7440}, {SuitHearts, ValueJack, 7800},
      {SuitSpades, ValueJack, 8280}},
     "LblJacks", "Any Four Jacks 40 points", {6960, 8880, 2052, 492}},
    {8040,
     {{SuitDiamonds, ValueQueen, 9480}, {SuitClubs, ValueQueen, 9840}, {SuitHearts, ValueQueen, 10200},
      {SuitSpades, ValueQueen, 10560}},
     "LblQueens", "Any Four Queens 60 points", {9480, 8880, 1812, 492}},
};

// Page 1 shows the Diamonds from the highest card down.
const CardAt PageOneCards[] = {
    {SuitDiamonds, ValueAce, 2160},   {SuitDiamonds, ValueTen, 3360},
    {SuitDiamonds, ValueKing, 4680},  {SuitDiamonds, ValueQueen, 5880},
    {SuitDiamonds, ValueJack, 7080},  {SuitDiamonds, ValueNine, 8280},
};
constexpr int PageOneCardTop = 3600;

}  // namespace

HelpPage::HelpPage(int page, const char* name, const char* caption, int widthTwips,
                   int heightTwips, const QFont& font)
    : QWidget(nullptr), page_(page)
{
    setObjectName(QString::fromUtf8(name));
    setWindowTitle(QString::fromUtf8(caption));
    setAttribute(Qt::WA_DeleteOnClose);
    PaintNavy(this);
    setFont(font);
    resize(Px(widthTwips), Px(heightTwips));
    setMinimumSize(size());
    // Centred on the screen when first shown; later showings keep the place the user gave it.
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

void HelpPage::GoTo(QPushButton* button, int otherPage)
{
    connect(button, &QPushButton::clicked, this, [this, otherPage] {
        hide();
        if (otherPage)
            ShowHelpPage(otherPage);
    });
}

void HelpPage::PrintText(QPainter& painter)
{
    PagePrinter printer(painter, font(), HelpPaleCyan);
    printer.PrintAll(HelpPageText(page_));
    ++printings_;
    linesPrinted_ = printer.Lines();
}

void HelpPage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PrintText(p);
}

void HelpPage::closeEvent(QCloseEvent* event)
{
    ForgetHelpWindow(this);
    event->accept();
}

FrmHelp::FrmHelp()
    : HelpPage(1, "FrmHelp", "Pinochle Help Page 1", 11310, 9945, HelpSerif(13.5))
{
    auto* exitHelp =
        MakeButton(this, "CmdExitHelp", "E&xit", {4200, 9360, 1692, HelpButtonHeight}, HelpPaleCyan);
    auto* toPage2 = MakeButton(this, "CmdGioHelp2", "Page &2 Help",
                               {6120, 9360, 1692, HelpButtonHeight}, HelpPaleCyan);
    setTabOrder(exitHelp, toPage2);
    GoTo(exitHelp, 0);
    GoTo(toPage2, 2);
    int n = 0;
    for (const CardAt& c : PageOneCards) {
        auto* image = new HelpCard(this, FirstIndexOf(c.Suit, c.Value), c.Left, PageOneCardTop);
        image->setObjectName(QStringLiteral("Image%1").arg(++n));
    }
}

FrmHelp2::FrmHelp2()
    : HelpPage(2, "FrmHelp2", "Bezique Help Page Two", 12120, 10590, HelpSerif(12))
{
    setFixedSize(size());
    int n = 0;
    for (const CardGroup& group : PageTwoGroups) {
        for (const CardAt& c : group.Cards) {
            auto* card = new HelpCard(this, FirstIndexOf(c.Suit, c.Value), c.Left, group.Top);
            card->setObjectName(QStringLiteral("Picture%1").arg(++n));
        }
        auto* label = new QLabel(QString::fromUtf8(group.Caption), this);
        label->setObjectName(QString::fromUtf8(group.Label));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(HelpSerif(11.25));
        PaintNavy(label);
        const QRect& r = group.LabelTwips;
        label->setGeometry(PxRect(r.x(), r.y(), r.width(), r.height()));
        // A caption that wraps to more lines than its box holds gets the height it needs, so
        // no line is cut in half; nothing lies below a label.
        label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
    }
    const QRect first{5160, 10200, 1572, HelpButtonHeight};
    auto* back = MakeButton(this, "CmdBackPage1", "Page 1 Help", first, HelpPaleCyan,
                            "Click for first page of help");
    auto* leave = MakeButton(this, "CmdExtPage2", "Exit Help", first.translated(7080 - 5160, 0),
                             HelpPaleCyan, "Click here to leave Help file");
    auto* onward = MakeButton(this, "CmdPage3", "Page 3 Help", first.translated(9240 - 5160, 0),
                              HelpPaleCyan, "Click to go to last help page");
    for (QPushButton* b : {back, leave, onward})
        b->setFont(HelpSerif(13.5));
    setTabOrder(back, leave);
    setTabOrder(leave, onward);
    GoTo(back, 1);
    GoTo(leave, 0);
    GoTo(onward, 3);
}

FrmHelp3::FrmHelp3()
    : HelpPage(3, "FrmHelp3", "Bezique Help Page 3", 12030, 11460, HelpSerif(12))
{
    auto* back = MakeButton(this, "CmdBack2", "Return Page 2", {4200, 11040, 1692, HelpButtonHeight},
                            HelpPaleCyan, "Click to return to page 2");
    auto* leave = MakeButton(this, "CmdExit3", "Exit Help", {6360, 11040, 1572, HelpButtonHeight},
                             HelpPaleCyan, "Exit all Help files");
    setTabOrder(back, leave);
    GoTo(back, 2);
    GoTo(leave, 0);
    Form_Load();
}

void FrmHelp3::Form_Load()
{
    // The image holds the whole text, also where it runs past the window's edge, so a page
    // made wider shows the rest of each line.
    const QFontMetrics fm(font());
    int wide = width();
    for (const char* line : HelpPageText(Page()))
        wide = std::max(wide, fm.horizontalAdvance(QString::fromUtf8(line)));
    const int high = std::max(height(), fm.height() * int(HelpPageText(Page()).size()));
    const qreal dpr = devicePixelRatioF();
    image_ = QPixmap(QSize(wide, high) * dpr);
    image_.setDevicePixelRatio(dpr);
    image_.fill(HelpNavy);
    QPainter p(&image_);
    PrintText(p);
}

void FrmHelp3::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, image_);
}
