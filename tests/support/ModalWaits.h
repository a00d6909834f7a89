#pragma once
// The modal waits the engine opens, by name, for tests that go through each of them.
#include <QStringList>

#include "engine/flow/DeluxeMsgBox.h"
#include "engine/flow/PlainBoxes.h"

inline const QStringList ModalWaits{"message dialog", "plain box", "yes/no box", "input box"};

inline void OpenModalWait(Game& g, const QString& name)
{
    if (name == "message dialog")
        DeluxeMsgBox(g, " Any notice", "Right", "", "", IconInfo, "Notice");
    else if (name == "plain box")
        MsgBox(g, " Any notice");
    else if (name == "yes/no box")
        MsgBoxYesNo(g, "Any question", "Question");
    else
        InputBox(g, "Any name", "Name");
}
