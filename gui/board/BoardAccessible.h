#pragma once

// Shows every board to assistive technology as a window whose text is its table: the title
// and each shown row with its labels and figures. Installing it more than once does nothing.
void InstallBoardAccessible();
