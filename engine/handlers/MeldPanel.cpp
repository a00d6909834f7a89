// The meld panel, the marriage suit panel and the melds reminder.
#include "engine/handlers/MeldPanel.h"

#include <iterator>

#include "engine/melds/MeldDix.h"
#include "engine/melds/MeldFours.h"
#include "engine/melds/MeldMarriage.h"
#include "engine/melds/MeldPinochle.h"
#include "engine/melds/MeldRun.h"
#include "engine/steps/Layout.h"

namespace {

// Marks a user's meld as under way for as long as its cards move, however it ends.
class MeldInMotionScope {
public:
    explicit MeldInMotionScope(Game& g) : g_(g) { g_.MeldInMotion = true; }
    ~MeldInMotionScope() { g_.MeldInMotion = false; }
    MeldInMotionScope(const MeldInMotionScope&) = delete;
    MeldInMotionScope& operator=(const MeldInMotionScope&) = delete;

private:
    Game& g_;
};

// A panel's buttons act only while the panel is shown, and not while an earlier meld of the
// same turn is still moving its cards: a second click then would meld twice in one turn.
bool PanelTakesClick(const Game& g, const FrameModel& panel) { return panel.Visible && !g.MeldInMotion; }

template <class Meld>
void UserMeld(Game& g, const FrameModel& panel, Meld meld)
{
    if (!PanelTakesClick(g, panel))
        return;
    MeldInMotionScope motion(g);
    meld();
}

// CmdFours is indexed 0 Kings, 1 Queens, 2 Jacks, 3 Aces.
constexpr int32_t FoursValueByIndex[] = {ValueKing, ValueQueen, ValueJack, ValueAce};

}  // namespace

void CmdDBezique_Click(Game& g)
{
    UserMeld(g, g.Table.FramDeclare, [&] { MeldDoublePinochle(g, SidePlayer); });
}

void CmdBezique_Click(Game& g)
{
    UserMeld(g, g.Table.FramDeclare, [&] { MeldPinochle(g, SidePlayer); });
}

void CmdSequence_Click(Game& g)
{
    UserMeld(g, g.Table.FramDeclare, [&] { MeldRun(g, SidePlayer); });
}

void cmdDec7Trumps_Click(Game& g)
{
    UserMeld(g, g.Table.FramDeclare, [&] { MeldDix(g, SidePlayer); });
}

void CmdFours_Click(Game& g, int16_t Index)
{
    if (Index < 0 || Index >= static_cast<int16_t>(std::size(FoursValueByIndex)))
        return;
    UserMeld(g, g.Table.FramDeclare, [&] {
        g.MeldMade = false;
        MeldFours(g, SidePlayer, FoursValueByIndex[Index]);
        if (g.MeldMade) {
            g.Table.FramDeclare.Visible = false;
            ResortHand(g);
            g.MeldMade = false;
        } else {
            g.Table.FramDeclare.Visible = true;
            g.Table.BringToFront(g.Table.FramDeclare);
        }
    });
}

void CmdMakeMarriage_Click(Game& g, int16_t)
{
    if (!PanelTakesClick(g, g.Table.FramDeclare))
        return;
    g.Table.FramDeclare.Visible = false;
    g.Table.FramMarriage.Visible = true;
    g.Table.BringToFront(g.Table.FramMarriage);
}

void CmdMarriage_Click(Game& g, int16_t Index)
{
    if (Index < SuitDiamonds || Index > SuitSpades)
        return;
    UserMeld(g, g.Table.FramMarriage, [&] {
        MeldMarriage(g, SidePlayer, Index);
        g.Table.FramMarriage.Visible = false;
        if (g.MeldMade) {
            ResortHand(g);
            g.MeldMade = false;
        } else {
            g.Table.FramDeclare.Visible = true;  // back at the choice of melds
        }
    });
}

void CmdCancel_Click(Game& g)
{
    // Only from the open panel: outside a meld turn this would end the wait for the user's card.
    if (!g.Table.FramDeclare.Visible)
        return;
    g.Table.FramDeclare.Visible = false;
    g.Table.FramMarriage.Visible = false;
    g.PlayerToPlay = false;
    g.PlayerToMeld = false;
}

void MnuReminder_Click(Game& g)
{
    g.Table.FramMeldHelp.Visible = true;
    g.Table.BringToFront(g.Table.FramMeldHelp);
}

void Command1_Click(Game& g) { g.Table.FramMeldHelp.Visible = false; }
