#pragma once

class QWidget;

// Boards float above every other window of the program, and a window manager keeps them
// above whatever is tied to the main window. A message box or dialog the user must answer
// would hide under them and the program would look frozen; so such a dialog is made
// without a parent, which the window manager stacks with the boards, kept on top, and
// shown centred over the window that was active when it opened. Call before showing.
void KeepAboveBoards(QWidget& dialog);
