// Placeholders until the computer's card choices are built.
#include "engine/ComputerRound1.h"
#include "engine/ComputerRound2.h"

int16_t ChooseComputerCardRound1(Game&) { return 0; }
int16_t CheapestComputerCard(const Game&) { return 0; }
int16_t ComputerNonTrumpNine(const Game&) { return 0; }
int16_t ComputerHasBothAces(const Game&) { return 0; }
int16_t ComputerHasBothTens(const Game&) { return 0; }
int16_t ComputerHasBothKings(const Game&) { return 0; }
int16_t ComputerHasBothQueens(const Game&) { return 0; }
int16_t ComputerHasBothJacks(const Game&) { return 0; }
void ComputerChoosesLastCard(Game&) {}
int16_t ChooseComputerCardRound2(Game&) { return 0; }
bool HasSuitComputer(const Game&, int32_t) { return false; }
int16_t LowestCardOfSuit(const Game&, int32_t) { return 0; }
