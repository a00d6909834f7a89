#pragma once
// The pack: 48 card records in one fixed order, and the codes stored in them.
#include <cstdint>
#include <string>

// CardSuit
inline constexpr int32_t SuitDiamonds = 1;
inline constexpr int32_t SuitClubs = 2;
inline constexpr int32_t SuitHearts = 3;
inline constexpr int32_t SuitSpades = 4;
inline constexpr int32_t SuitNone = 5;

// CardValue (a higher value wins within a suit; the Ten ranks between King and Ace)
inline constexpr int32_t ValueNine = 9;
inline constexpr int32_t ValueJack = 10;
inline constexpr int32_t ValueQueen = 11;
inline constexpr int32_t ValueKing = 12;
inline constexpr int32_t ValueTen = 13;
inline constexpr int32_t ValueAce = 14;

// CardLocation: the only values ever stored in Location (0 only before start-up)
inline constexpr int32_t LocComputerHand = 10;
inline constexpr int32_t LocPlayerHand = 18;
inline constexpr int32_t LocStock = 20;
inline constexpr int32_t LocPlayed = 23;
inline constexpr int32_t LocUpCard = 24;

// Side
inline constexpr int32_t SidePlayer = 1;
inline constexpr int32_t SideComputer = 2;

// Anything but the user counts as the computer.
inline constexpr int32_t OtherSide(int32_t side) { return side == SidePlayer ? SideComputer : SidePlayer; }
inline constexpr int32_t HandOf(int32_t side) { return side == SidePlayer ? LocPlayerHand : LocComputerHand; }

inline constexpr int CardCount = 48;

// The table's order of the card indexes 1..48: Diamonds, Clubs, Hearts, Spades; within a suit two
// each of Ace, Ten, King, Queen, Jack, Nine, which is the values in descending order.
inline constexpr int CardsPerSuit = 12;
inline constexpr int32_t SuitOfIndex(int index) { return SuitDiamonds + (index - 1) / CardsPerSuit; }
// 0 for an Ace, 1 for a Ten, and so on down to 5 for a Nine.
inline constexpr int FaceOfIndex(int index) { return ((index - 1) % CardsPerSuit) / 2; }
inline constexpr int32_t ValueOfIndex(int index) { return ValueAce - FaceOfIndex(index); }
// The first of the two copies of a card.
inline constexpr int16_t FirstIndexOf(int32_t suit, int32_t value)
{
    return static_cast<int16_t>((suit - SuitDiamonds) * CardsPerSuit + 2 * (ValueAce - value) + 1);
}

// Fixed indexes the Pinochle melds use directly.
inline constexpr int16_t JackOfDiamonds1 = 9;
inline constexpr int16_t JackOfDiamonds2 = 10;
inline constexpr int16_t QueenOfSpades1 = 43;
inline constexpr int16_t QueenOfSpades2 = 44;

struct CardInfo {
    std::string Name;
    int32_t Value = 0;
    int32_t Suit = 0;
    int32_t Location = 0;
    bool Melded = false;
    bool DixExchanged = false;
    bool DixShown = false;
    bool InMarriage = false;
    bool InFourKings = false;
    bool InFourQueens = false;
    bool InFourJacks = false;
    bool InFourAces = false;
    bool InRun = false;
    bool InPinochle = false;
    bool InDoublePinochle = false;
    bool DblPinochleMark = false;
    bool MarriageUsed = false;
    bool RunUsed = false;
    bool FoursUsed = false;
    bool DblPinochleUsed = false;
    bool DixUsed = false;
};

// Clears Melded and all sixteen per-meld-kind flags.
void ClearMeldFlags(CardInfo& card);

// "Diamonds", "Clubs", "Hearts", "Spades" for 1 to 4; empty otherwise.
const char* SuitName(int32_t suit);

// Trick points of one card by its value: Ace 11, Ten 10, King 4, Queen 3, Jack 2, Nine 0.
int16_t CardPoints(int32_t value);
