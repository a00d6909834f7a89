#include "engine/cards/Cards.h"

void ClearMeldFlags(CardInfo& c)
{
    c.Melded = false;
    c.DixExchanged = c.DixShown = c.InMarriage = false;
    c.InFourKings = c.InFourQueens = c.InFourJacks = c.InFourAces = false;
    c.InRun = c.InPinochle = c.InDoublePinochle = c.DblPinochleMark = false;
    c.MarriageUsed = c.RunUsed = c.FoursUsed = c.DblPinochleUsed = c.DixUsed = false;
}

const char* SuitName(int32_t suit)
{
    switch (suit) {
    case SuitDiamonds: return "Diamonds";
    case SuitClubs: return "Clubs";
    case SuitHearts: return "Hearts";
    case SuitSpades: return "Spades";
    default: return "";
    }
}

int16_t CardPoints(int32_t value)
{
    switch (value) {
    case ValueAce: return 11;
    case ValueTen: return 10;
    case ValueKing: return 4;
    case ValueQueen: return 3;
    case ValueJack: return 2;
    default: return 0;
    }
}
