#include "engine/flow/PlainBoxes.h"

#include "engine/flow/Flow.h"

void MsgBox(Game& g, const std::string& prompt)
{
    WaitScope scope(g);
    g.Plat.MsgBox(prompt);
}

bool MsgBoxYesNo(Game& g, const std::string& prompt, const std::string& title)
{
    WaitScope scope(g);
    return g.Plat.MsgBoxYesNo(prompt, title);
}

std::string InputBox(Game& g, const std::string& prompt, const std::string& title)
{
    WaitScope scope(g);
    return g.Plat.InputBox(prompt, title);
}
