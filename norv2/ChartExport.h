#pragma once
#include <ostream>
#include <string>
#include <vector>

class CAppSetting;

// True when the command line asks for a chart image (--chart).
bool IsChartExportCommand(const std::vector<std::string>& args);

// Writes the chart a window of the given size would show, as PNG, without a window:
//   --chart OUT.png [--category alph|kana|roma|sybl] [--scale daily|weekly|monthly]
//                   [--size WxH] [--device-pixel-ratio R] FILE
// (args without the program name; defaults alph, daily, 800x400, 1). The image is as wide
// as all the bars, at least W, in chart pixels, times R. OUT is written as named, byte for byte; an existing OUT
// that is not a regular file (a device, a FIFO) is left alone. Needs a QGuiApplication.
// Returns the exit code: 0 written, 1 the file could not be used, it gives no chart, memory
// ran out or the image could not be written, 2 bad arguments (the usage is printed), an image
// beyond 100,000,000 device pixels, or OUT leading to FILE itself.
[[nodiscard]] int ExportChartPng(const std::vector<std::string>& args, const CAppSetting& setting, std::ostream& err);
// The same with the registered settings, or, when none are, the stored ones.
[[nodiscard]] int ExportChartPng(const std::vector<std::string>& args, std::ostream& err);
