#pragma once
// The rows the cards are laid out in: the user's hand in two orders, the computer's hand, the
// stock, and a finished trick gathered onto the winner's pile. Every call lays the whole row out
// again from its fixed start; cards shown in a meld area (Melded) stay where they are.
#include "engine/state/Game.h"

void SortBySuits(Game& g);
void SortBySame(Game& g);
void ResortHand(Game& g);
void LayOutPlayerHand(Game& g);
void LayOutComputerHand(Game& g);
void LayOutStock(Game& g);
// The stock label: "Stock " and the number of cards the stock still holds.
void ShowStockCount(Game& g);
void CollectTrick(Game& g, int32_t Who);

// Where the up card lies, under the stock's slanting pile.
inline constexpr int UpCardLeft = 100, UpCardTop = 100;

inline constexpr const char* CaptionSortSuits = "Sort Suits";
inline constexpr const char* CaptionSortSame = "Sort Same";
