#pragma once

class CNorv2View;

// Shows the view to assistive technology as a list of its bars, oldest first, each named by
// its status text, with the keyboard's bar as the focused item; and tells it when that bar
// moves while the view has the focus, and which bar it is when the view gets the focus.
void InstallChartAccessible(CNorv2View& view);
