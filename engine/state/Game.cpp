#include "engine/state/Game.h"

#include "engine/hand/Deal.h"

Game::Game(Platform& platform) : Plat(platform), HandEntry(NewHand) {}
