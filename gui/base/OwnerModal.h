#pragma once

class QDialog;
class QWidget;

// Runs dialog until it closes while the user's input to owner (the main window) goes to
// the dialog instead; every other window, the boards among them, stays usable. The
// dialog's result.
int ExecOwnerModal(QDialog& dialog, QWidget& owner);
