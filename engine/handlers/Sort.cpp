#include "engine/handlers/Sort.h"

#include "engine/steps/Layout.h"

void CmdSort_Click(Game& g)
{
    // The caption names the order this click applies.
    std::string& caption = g.Table.CmdSort.Caption;
    if (caption == CaptionSortSuits) {
        SortBySuits(g);
        caption = CaptionSortSame;
    } else if (caption == CaptionSortSame) {
        SortBySame(g);
        caption = CaptionSortSuits;
    }
}
