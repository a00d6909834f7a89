// Placeholder until the message dialog window is built: answers the first button at once.
#include "dialog/MessageDialog.h"

int16_t ShowDeluxeMsgBox(const MessageDialogRequest&) { return 0; }
void UnloadMessageDialog() {}
