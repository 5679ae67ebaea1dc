#pragma once

class CCalendarGrid;

// Shows a calendar grid to assistive technology as a table of its days, a row per week and
// a column per weekday from Sunday, each cell named by what the day holds, with the day
// cursor's cell focused; and tells it when the cursor moves while the grid has the focus.
void InstallCalendarAccessible(CCalendarGrid& grid);
