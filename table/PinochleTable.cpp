#include "table/PinochleTable.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/flow/Flow.h"
#include "table/PicCardBox.h"
#include "table/StatusPanels.h"
#include "table/TableControls.h"
#include "table/TableLook.h"
#include "widgets/FlatButton.h"

namespace {

LabelLook NameLook()
{
    return {Look::NameBack, Look::NameText, SerifFont(14.25, Bold | Italic), true, false, true};
}

bool IsAltA(const QEvent* event)
{
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_A && (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}

}  // namespace

PinochleTable::PinochleTable(Game& g, TableCommands commands) : g_(g), commands_(std::move(commands))
{
    setObjectName("PinochleTable");
    BuildMenus(menuBar(), commands_, [this](const TableCommands::Plain& command) { Run(command); });

    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    surface_ = new TablePanel(client, "Table", QRect(), Look::Table);
    surface_->AddLine({Px(0), Px(6360)}, {Px(12840), Px(6360)}, 3, Look::Line3);  // Line3
    status_ = new StatusBar1(client);
    column->addWidget(surface_, 1);
    column->addWidget(status_);
    setCentralWidget(client);

    BuildTable();

    const QSize clientSize(Px(ClientWidthTwips), Px(ClientHeightTwips));
    resize(clientSize.width(), clientSize.height() + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        move(free.center() - QPoint(width() / 2, height() / 2));
    }
    ShowModel();
}

void PinochleTable::BuildTable()
{
    const TableModel design;
    // Labels first: they lie beneath every frame, button and card box.
    bindings_.Labels.emplace_back(&TableModel::LblBotsName,
                                  new TableLabel(surface_, "LblBotsName", PxRect(8880, 0, 1230, 390),
                                                 NameLook(), design.LblBotsName.Caption));
    bindings_.Labels.emplace_back(&TableModel::LblPlayer,
                                  new TableLabel(surface_, "LblPlayer(0)", PxRect(600, 10200, 825, 390),
                                                 NameLook(), design.LblPlayer.Caption));
    bindings_.Labels.emplace_back(
        &TableModel::LblStock,
        new TableLabel(surface_, "LblStock", PxRect(120, 1920, 855, 255),
                       {Look::StockBack, Look::Yellow, SerifFont(9, Bold | Underline), false, true, false},
                       design.LblStock.Caption));
    lblKnock_ = new TableLabel(surface_, "LblKnock", PxRect(480, 9120, 1215, 375),
                               {Look::KnockBack, Qt::black, SerifFont(11.25, Bold), true, true, false},
                               design.LblKnock.Caption);
    connect(lblKnock_, &TableLabel::Clicked, this, [this] { Run(commands_.LblKnock_Click); });
    bindings_.Labels.emplace_back(&TableModel::LblKnock, lblKnock_);

    BuildScorePanels(surface_, bindings_);

    cmdSort_ = new FlatButton(surface_, "CmdSort", PxRect(480, 9720, 1332, 372), Look::SortBack,
                              SerifFont(12, Bold), QString::fromStdString(design.CmdSort.Caption),
                              "Click to change sorting");
    connect(cmdSort_, &QPushButton::clicked, this, [this] { Run(commands_.CmdSort_Click); });

    BuildMeldPanels(surface_, bindings_, commands_,
                    [this](const TableCommands::Plain& command) { Run(command); });

    for (int16_t i = 1; i <= CardCount; ++i) {
        cards_[i] = new PicCardBox(surface_, i);
        connect(cards_[i], &PicCardBox::Clicked, this,
                [this](int16_t index) { Handle([this, index] { commands_.PicCard_Click(g_, index); }); });
    }
}

QWidget* PinochleTable::Surface() const { return surface_; }

QWidget* PinochleTable::DialogParent() { return isVisible() ? this : nullptr; }

void PinochleTable::Run(const TableCommands::Plain& command)
{
    Handle([this, &command] { command(g_); });
}

void PinochleTable::Handle(const std::function<void()>& action)
{
    if (unloading_)
        return;
    RunHandler(action);
    ShowModel();
}

bool PinochleTable::event(QEvent* event)
{
    // Alt+A is both "&About" and the meld panel's "C&ancel and Take Card". Left to Qt, the pair is
    // ambiguous and the first press only moves the focus, so the window decides: Cancel while the
    // meld panel is up, About otherwise.
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (key && IsAltA(event)) {
        event->accept();
        if (event->type() == QEvent::KeyPress)
            Run(g_.Table.FramDeclare.Visible ? commands_.CmdCancel_Click : commands_.MnuAbout_Click);
        return true;
    }
    return QMainWindow::event(event);
}

void PinochleTable::closeEvent(QCloseEvent* event)
{
    if (unloading_) {
        event->accept();
        return;
    }
    // Only the window system's own close (the close box, the window menu, the close key) asks.
    const int reason = event->spontaneous() ? 0 : 1;
    bool keepOpen = true;
    Handle([&] { keepOpen = commands_.Form_QueryUnload(g_, reason); });
    if (keepOpen)
        event->ignore();
    else
        event->accept();
}

void PinochleTable::showEvent(QShowEvent* event)
{
    ShowModel();
    QMainWindow::showEvent(event);
}

void PinochleTable::Unload()
{
    unloading_ = true;
    close();
}

void PinochleTable::ShowModel()
{
    if (applying_)
        return;
    applying_ = true;
    const TableModel& m = g_.Table;
    const bool all = !shownOnce_;
    ApplyCards(m, all);
    ApplyStacking(m, all);
    ApplyControls(m, all);
    shownOnce_ = true;
    applying_ = false;
}

void PinochleTable::ApplyCards(const TableModel& m, bool all)
{
    for (int i = 1; i <= CardCount; ++i) {
        const CardBox& want = m.PicCard[i];
        CardBox& have = shown_.PicCard[i];
        PicCardBox* box = cards_[i];
        if (all || want.Picture != have.Picture)
            box->SetPicture(want.Picture);
        if (all || want.Left != have.Left || want.Top != have.Top)
            box->move(Px(want.Left), Px(want.Top));
        if (all || want.Visible != have.Visible)
            box->setVisible(want.Visible);
        have.Picture = want.Picture;
        have.Left = want.Left;
        have.Top = want.Top;
        have.Visible = want.Visible;
    }
}

void PinochleTable::ApplyStacking(const TableModel& m, bool all)
{
    struct Item {
        uint64_t Z;
        int Order;  // ties: the frames lie beneath the boxes, a later box above an earlier one
        QWidget* Widget;
        uint64_t* Shown;
    };
    std::vector<Item> items;
    items.reserve(CardCount + bindings_.Frames.size());
    int order = -static_cast<int>(bindings_.Frames.size());
    for (auto& [field, widget] : bindings_.Frames)
        items.push_back({(m.*field).Z, order++, widget, &(shown_.*field).Z});
    for (int i = 1; i <= CardCount; ++i)
        items.push_back({m.PicCard[i].Z, i, cards_[i], &shown_.PicCard[i].Z});

    // Bringing to the front only ever gives a higher Z than any other, so the items that changed
    // can simply be raised in their new order; anything else restacks the lot.
    std::vector<Item> changed;
    uint64_t highestUnchanged = 0;
    for (const Item& it : items) {
        if (all || it.Z != *it.Shown)
            changed.push_back(it);
        else
            highestUnchanged = std::max(highestUnchanged, it.Z);
    }
    if (changed.empty())
        return;
    auto byZ = [](const Item& a, const Item& b) { return a.Z != b.Z ? a.Z < b.Z : a.Order < b.Order; };
    std::sort(changed.begin(), changed.end(), byZ);
    if (changed.front().Z <= highestUnchanged) {
        std::sort(items.begin(), items.end(), byZ);
        changed = std::move(items);
    }
    for (const Item& it : changed) {
        it.Widget->raise();
        *it.Shown = it.Z;
    }
}

void PinochleTable::ApplyControls(const TableModel& m, bool all)
{
    for (auto& [field, label] : bindings_.Labels) {
        const LabelModel& want = m.*field;
        LabelModel& have = shown_.*field;
        if (all || want.Caption != have.Caption) {
            label->SetCaption(want.Caption);
            have.Caption = want.Caption;
        }
        if (all || want.Visible != have.Visible) {
            label->setVisible(want.Visible);
            have.Visible = want.Visible;
        }
    }
    for (auto& [field, frame] : bindings_.Frames) {
        const bool visible = (m.*field).Visible;
        if (all || visible != (shown_.*field).Visible) {
            frame->setVisible(visible);
            (shown_.*field).Visible = visible;
        }
    }
    if (all || m.CmdSort.Caption != shown_.CmdSort.Caption) {
        cmdSort_->setText(QString::fromStdString(m.CmdSort.Caption));
        shown_.CmdSort.Caption = m.CmdSort.Caption;
    }
    if (all || m.CmdSort.Visible != shown_.CmdSort.Visible) {
        cmdSort_->setVisible(m.CmdSort.Visible);
        shown_.CmdSort.Visible = m.CmdSort.Visible;
    }
    for (int i = 1; i <= 4; ++i) {
        const PanelModel& want = m.StatusBar[i];
        PanelModel& have = shown_.StatusBar[i];
        if (all || want.Text != have.Text) {
            status_->Panel(i)->SetText(QString::fromStdString(want.Text));
            have.Text = want.Text;
        }
        if (all || want.Picture != have.Picture) {
            status_->Panel(i)->SetPicture(want.Picture);
            have.Picture = want.Picture;
        }
    }
    if (all || m.Caption != shown_.Caption) {
        setWindowTitle(QString::fromStdString(m.Caption));
        shown_.Caption = m.Caption;
    }
}
