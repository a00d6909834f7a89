#include "engine/state/CardTable.h"

#include <cmath>

namespace {

constexpr const char* FaceNames[] = {"Ace", "Ten", "King", "Queen", "Jack", "Nine"};

}  // namespace

void SetUpCards(Game& g)
{
    for (int i = 1; i <= CardCount; ++i) {
        CardInfo& c = g.Cards[i];
        c.Name = std::string(FaceNames[FaceOfIndex(i)]) + " of " + SuitName(SuitOfIndex(i));
        c.Value = ValueOfIndex(i);
        c.Suit = SuitOfIndex(i);
    }
    g.PauseLength = g.Speed;
}

int16_t PickStockCard(Game& g)
{
    // A uniform draw among the stock's cards: every card in the stock has the same chance, and
    // a generator seeded once never repeats itself the way reseeding from a still clock would.
    const int inStock = CountAt(g, LocStock);
    if (inStock == 0)
        return 0;
    const double r = g.Plat.Rnd();
    int pick = static_cast<int>(std::floor(r * inStock));
    if (pick < 0)
        pick = 0;
    if (pick >= inStock)
        pick = inStock - 1;
    for (int i = 1; i <= CardCount; ++i) {
        if (g.Cards[i].Location != LocStock)
            continue;
        if (pick-- == 0)
            return static_cast<int16_t>(i);
    }
    return 0;
}

int CountAt(const Game& g, int32_t location)
{
    int n = 0;
    for (int i = 1; i <= CardCount; ++i)
        n += g.Cards[i].Location == location ? 1 : 0;
    return n;
}
