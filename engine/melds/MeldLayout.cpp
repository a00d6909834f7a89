#include "engine/melds/MeldLayout.h"

#include <initializer_list>
#include <iterator>

#include "engine/flow/Pacing.h"
#include "engine/flow/StepPace.h"
#include "engine/melds/MeldCommon.h"
#include "engine/steps/CardMoves.h"

namespace {

constexpr int SlotLeft[] = {3600, 4680, 5760, 6840, 7920};  // slots 1 to 5
constexpr int PlayerSlotTop = 8640;
constexpr int ComputerSlotTop = 1680;
constexpr int16_t SlotHoldExtra = 250;    // each half of a presented card's hold, over Speed
constexpr int16_t RowClosingExtra = 200;  // the wait after a row, over Speed

// One pass along a row: the cards with this flag (and, when given, this value).
struct Pass {
    bool CardInfo::*Flag;
    int32_t Value = 0;  // 0: any value
};

struct Row {
    int FirstLeft;
    int Step;
    int PlayerTop;
    int ComputerTop;
    bool PauseEachCard;
};

constexpr Row RunRow{2000, 330, 6405, 2250, true};
constexpr Row FoursRow{2000, 330, 7590, 3450, false};
constexpr Row DoublePinochleRow{5610, 330, 6405, 2250, false};
constexpr Row PinochleRow{5610, 350, 6405, 2250, false};
constexpr Row MarriageRow{2000, 350, 8600, 4650, true};

// Lays the side's row of one meld kind out again from its start, face up, then holds the table
// a moment. Location 0 lays nothing out but still holds.
void LayOutMeldRow(Game& g, int32_t location, bool player, const Row& row, std::initializer_list<Pass> passes)
{
    const int top = player ? row.PlayerTop : row.ComputerTop;
    int left = row.FirstLeft;
    if (location != 0)
        for (const Pass& pass : passes)
            for (int i = 1; i <= CardCount; ++i) {
                const CardInfo& c = g.Cards[i];
                if (c.Location != location || !(c.*pass.Flag) || (pass.Value != 0 && c.Value != pass.Value))
                    continue;
                g.Table.PicCard[i].Picture = static_cast<int16_t>(i);
                MoveToFront(g, i, left, top);
                left += row.Step;
                if (row.PauseEachCard)
                    Pause(g);
            }
    const PaceScope closing(g, RowClosingExtra);
    Pause(g);
}

// The run and marriage rows take any side but the user's for the computer; the other rows lay
// out nothing for a side that is neither.
int32_t SideHand(int32_t Who) { return IsMeldSide(Who) ? HandOf(Who) : 0; }

}  // namespace

void PlaceMeldCard(Game& g, int32_t Who, uint8_t Slot, int16_t CardIndex)
{
    const PaceScope hold(g, SlotHoldExtra);
    const int left = Slot >= 1 && Slot <= std::size(SlotLeft) ? SlotLeft[Slot - 1] : 0;
    const bool player = Who == SidePlayer;
    if ((player || Who == SideComputer) && CardIndex >= 1 && CardIndex <= CardCount) {
        if (!player)
            g.Table.PicCard[CardIndex].Picture = CardIndex;  // the computer's card turns face up
        MoveToFront(g, CardIndex, left, player ? PlayerSlotTop : ComputerSlotTop);
        PauseWithCardSound(g);
        Pause(g);
    }
}

void LayOutRun(Game& g, int32_t Who)
{
    LayOutMeldRow(g, HandOf(Who), Who == SidePlayer, RunRow,
                  {{&CardInfo::InRun, ValueAce},
                   {&CardInfo::InRun, ValueTen},
                   {&CardInfo::InRun, ValueKing},
                   {&CardInfo::InRun, ValueQueen},
                   {&CardInfo::InRun, ValueJack}});
}

void LayOutFours(Game& g, int32_t Who)
{
    LayOutMeldRow(g, SideHand(Who), Who == SidePlayer, FoursRow,
                  {{&CardInfo::InFourKings}, {&CardInfo::InFourAces}, {&CardInfo::InFourQueens}, {&CardInfo::InFourJacks}});
}

void LayOutDoublePinochle(Game& g, int32_t Who)
{
    LayOutMeldRow(g, SideHand(Who), Who == SidePlayer, DoublePinochleRow, {{&CardInfo::InDoublePinochle}});
}

void LayOutPinochle(Game& g, int32_t Who)
{
    LayOutMeldRow(g, SideHand(Who), Who == SidePlayer, PinochleRow, {{&CardInfo::InPinochle}});
}

void LayOutMarriages(Game& g, int32_t Who)
{
    LayOutMeldRow(g, HandOf(Who), Who == SidePlayer, MarriageRow, {{&CardInfo::InMarriage}});
}
