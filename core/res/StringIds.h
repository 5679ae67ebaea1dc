#pragma once

// Numbers of the string table's entries, named by what they hold.

// Texts.
constexpr unsigned IDS_SHEET_CAPTION = 129;     // "Norv2 のプロパティ"
constexpr unsigned IDS_STATUS_FORMAT = 130;     // status pane 1: the figures of a bar
constexpr unsigned IDS_BOARD_TEMPLATE_JA = 131; // measuring template, Japanese labels
constexpr unsigned IDS_BOARD_TEMPLATE_EN = 132; // measuring template, English labels
constexpr unsigned IDS_BOARD_HEADINGS_JA = 133; // column headings
constexpr unsigned IDS_BOARD_HEADINGS_EN = 134;
constexpr unsigned IDS_CATEGORY_LABELS = 135; // "英 字\nか な\nﾛｰﾏ字\n記 号"
constexpr unsigned IDS_BOARD_LABELS_EN = 138;
constexpr unsigned IDS_WEEKDAY_NAMES = 139;
constexpr unsigned IDS_DAY_TITLE = 140; // board titles and their ends
constexpr unsigned IDS_DAY_TITLE_END = 144;
constexpr unsigned IDS_WEEK_TITLE = 145;
constexpr unsigned IDS_WEEK_END_OTHER_YEAR = 146;
constexpr unsigned IDS_WEEK_END_OTHER_MONTH = 150;
constexpr unsigned IDS_WEEK_END_SAME_MONTH = 151;
constexpr unsigned IDS_MONTH_TITLE = 152;
constexpr unsigned IDS_COPY_HEADING = 153; // the board's copy text
constexpr unsigned IDS_COPY_ROW_FORMAT = 154;
constexpr unsigned IDS_COPY_RULE = 155;
constexpr unsigned IDS_SCALE_WORDS = 156; // "日々\n週ごと\n月ごと"
constexpr unsigned IDS_TITLE_USER = 157;  // "Norv - %sの記録"
constexpr unsigned IDS_TITLE_NONE = 158;  // "Norv"
constexpr unsigned IDS_TITLE_CHART = 159; // "Norv - %sの %sの記録 (%s)"
constexpr unsigned IDS_LINE_FORMAT = 160; // the scan format of a record line
constexpr unsigned IDS_COPY_LABELS = 161;
constexpr unsigned IDS_CALENDAR_TITLE = 170;      // "%sの練習カレンダー"
constexpr unsigned IDS_CALENDAR_CATEGORIES = 171; // "全種目\n英字\n…": what the calendar counts
constexpr unsigned IDS_MONTH_NAMES = 172;
constexpr unsigned IDS_CALENDAR_DATE = 173;      // a day with its weekday
constexpr unsigned IDS_CALENDAR_RUNS = 174;      // one category's runs of a day
constexpr unsigned IDS_CALENDAR_NO_RUNS = 175;   // "練習なし"
constexpr unsigned IDS_CALENDAR_LEGEND = 176;    // "少\n多"
constexpr unsigned IDS_CALENDAR_NOT_TODAY = 177; // "今日はまだ練習していません"
constexpr unsigned IDS_CALENDAR_FIGURES = 178;   // the streaks and totals, a line each
constexpr unsigned IDS_CALENDAR_SHOWN = 179;     // "%d年\n直近53週": the stretch shown
// Why a record file gives no book, on standard error.
constexpr unsigned IDS_CANNOT_OPEN = 180;
constexpr unsigned IDS_CANNOT_READ = 181;
constexpr unsigned IDS_NOT_REGULAR = 182;
constexpr unsigned IDS_FILE_RESET = 183;         // a broken file sends the viewer back to its start
constexpr unsigned IDS_SETTINGS_NOT_SAVED = 184; // on standard error
constexpr unsigned IDS_BOARD_COPY = 4111;
constexpr unsigned IDS_CALENDAR_COMMAND = 5011; // its prompt and tooltip
constexpr unsigned IDS_USER_SELECTOR = 6001;    // prompts and tooltips of the selectors
constexpr unsigned IDS_SCALE_SELECTOR = 6002;
constexpr unsigned IDS_IDLE = 57345; // "F1キーでヘルプを表示します"

// Messages, each beginning "Norv2 からのお知らせ" and an empty line.
constexpr int IDP_LINE_TOO_LONG = 10001;  // not a record file: too many characters
constexpr int IDP_LINE_TOO_SHORT = 10002; // too few characters
constexpr int IDP_BAD_CATEGORY = 10003;   // no category mark
constexpr int IDP_BAD_FIELDS = 10004;     // fields unreadable
constexpr unsigned IDP_BOARD_COPIED = 10005;
constexpr unsigned IDP_BOARD_NOT_COPIED = 10006;
constexpr unsigned IDP_NO_MORE_BOARDS = 10008;
constexpr unsigned IDP_CANNOT_RUN = 10009;
constexpr unsigned IDP_FILE_NOT_FOUND = 10010;
constexpr unsigned IDP_NO_HTML_HELP = 10011;
constexpr unsigned IDP_READ_FAILED = 10012; // the record file failed while being read
constexpr unsigned IDP_SETTINGS_NOT_SAVED = 10013;
constexpr int IDP_OUT_OF_MEMORY = 61475; // no memory for the records
