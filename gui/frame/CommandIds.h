#pragma once
#include "core/record/Kinds.h"
#include "core/res/StringIds.h"

// Command IDs of the menus, the toolbar and the context menu.
constexpr int ID_BOARD_CLOSEALL = 136;
constexpr int ID_BOARD_TILE = 137;
constexpr int ID_BOARD_PROPERTY = 141;
constexpr int ID_SCALE_DAILY = 147;
constexpr int ID_SCALE_WEEKLY = 148;
constexpr int ID_SCALE_MONTHLY = 149;
constexpr int ID_CATEGORY_ALPH = 5000;
constexpr int ID_CATEGORY_KANA = 5001;
constexpr int ID_CATEGORY_ROMA = 5002;
constexpr int ID_CATEGORY_SYBL = 5003;
// The command of a category or a scale: they follow each other in the kinds' order.
constexpr int CategoryCommand(Category c)
{
    return ID_CATEGORY_ALPH + static_cast<int>(Index(c));
}
constexpr int ScaleCommand(Scale s)
{
    return ID_SCALE_DAILY + static_cast<int>(Index(s));
}
constexpr int ID_FILE_OPEN_DIALOG = 5004;
constexpr int ID_CHART_PROPERTY = 5010;
constexpr int ID_CHART_CALENDAR = IDS_CALENDAR_COMMAND;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_HELP_FINDER = 57667;
