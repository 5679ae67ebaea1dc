#pragma once
#include <array>
#include <string>
#include <string_view>

#include "core/record/Kinds.h"

class CAppSetting;
struct BOARDDATA;

// The window title of a board: its period, " - " and the user it was opened for.
std::string BoardTitle(const BOARDDATA& data, std::string_view strUserName);

// The text the board's copy command puts on the clipboard: the title, the heading, a rule,
// one line per shown row and a closing rule, each line quoted and ended with "\r\n". The
// heading and row labels are always the Japanese ones, whatever the screen shows.
std::string BoardCopyText(const BOARDDATA& data, std::string_view strTitle, const CAppSetting& setting);

// The board read aloud: the title, then one line per shown row, in the copy text's order,
// each its screen label and every figure after its screen heading: "英 字: 回数 12, 最高 250(3), …".
// Lines are separated by "\n".
std::string BoardTableText(const BOARDDATA& data, std::string_view strTitle, const CAppSetting& setting);

// Column headings shown above the six columns.
std::array<std::string, 6> BoardHeadings(bool bJapanese);
// Row labels shown in front of the rows of Alph, Kana, Roma and Sybl.
std::array<std::string, 4> BoardRowLabels(bool bJapanese);
// The text whose size decides the board's width and line height.
std::string BoardMeasuringTemplate(bool bJapanese);
// For each of the eleven cells (label, then the ten figures), the text whose size is the cell's.
std::array<std::string, 11> BoardCellTemplates(bool bJapanese);
// The ten figures of category nCategory as drawn in cells 1..10: a paired column is split
// into "250(" and "3)" so that the parentheses of all rows line up. Empty texts for a
// category outside 0..3.
std::array<std::string, 10> BoardCellTexts(const BOARDDATA& data, Category nCategory);
