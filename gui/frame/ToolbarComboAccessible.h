#pragma once

// Shows the toolbar's selectors to assistive technology by their accessible name, with the
// chosen item as their value: Qt's own combo box on Linux is named by its current text.
void InstallToolbarComboAccessible();
