#pragma once
// The game's own message dialog window (MFormDeluxe): borderless, blue, its own title strip,
// icon, wrapping prompt and one to three raised buttons. Shown modally; hidden, not destroyed,
// after the answer.
#include <cstdint>

#include "engine/state/Platform.h"

class QWidget;

// Lays the dialog out for the request, shows it modally centred on the screen and returns the
// index (0..2) of the button whose caption was clicked. The sound is the engine's business.
int16_t ShowDeluxeMsgBox(const MessageDialogRequest& request);

// Destroys the dialog window if it was ever created (at the program's exit): hidden at once,
// deleted when control is back in the event loop this is called from.
void UnloadMessageDialog();
