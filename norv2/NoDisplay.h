#pragma once

// Around the start of the GUI application: Qt ends the process with SIGABRT when its
// platform plugin cannot reach the display. While watched, that ends it instead with one
// line on standard error and exit status 1; what Qt says while it starts is held back and
// passed on once the start has gone well.
void WatchForNoDisplay();
void StopWatchingForNoDisplay();
