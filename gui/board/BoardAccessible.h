#pragma once
#include <QString>

class CNorv2Board;

// Shows every board to assistive technology as a window whose text is its table: the title
// and each shown row with its labels and figures. Installing it more than once does nothing.
void InstallBoardAccessible();

// Tells assistive technology that the board's text is no longer strOld, if it changed.
void AnnounceBoardText(CNorv2Board& board, const QString& strOld);
