#pragma once
// The computer's choices while the stock lasts: its card to lead or answer.
// It looks only at its own hand, the trump suit and the led card.
#include "engine/state/Game.h"

int16_t ChooseComputerCardRound1(Game& g);
int16_t CheapestComputerCard(const Game& g);
int16_t ComputerNonTrumpNine(const Game& g);
int16_t ComputerHasBothAces(const Game& g);
int16_t ComputerHasBothTens(const Game& g);
int16_t ComputerHasBothKings(const Game& g);
int16_t ComputerHasBothQueens(const Game& g);
int16_t ComputerHasBothJacks(const Game& g);
