#include "core/board/BoardText.h"

#include <cstdio>

#include "core/base/Printf.h"
#include "core/record/PeriodData.h"
#include "core/record/RecordPath.h"
#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"
#include "core/settings/AppSetting.h"
#include "core/settings/UsableSettings.h"

namespace {
std::string PeriodText(const BOARDDATA& data)
{
    const CTime& t = data.Date;
    switch (data.nScale) {
    case Scale::Daily:
        return t.Format(LoadString(IDS_DAY_TITLE)) + LoadSubString(IDS_WEEKDAY_NAMES, t.GetDayOfWeek() - 1) +
               LoadString(IDS_DAY_TITLE_END);
    case Scale::Weekly: {
        const CTime end = t.AddDays(6);
        unsigned nEndID = IDS_WEEK_END_SAME_MONTH;
        if (end.GetYear() != t.GetYear())
            nEndID = IDS_WEEK_END_OTHER_YEAR;
        else if (end.GetMonth() != t.GetMonth())
            nEndID = IDS_WEEK_END_OTHER_MONTH;
        return t.Format(LoadString(IDS_WEEK_TITLE)) + end.Format(LoadString(nEndID));
    }
    case Scale::Monthly: break;
    }
    return t.Format(LoadString(IDS_MONTH_TITLE));
}

template <std::size_t N> std::array<std::string, N> Pieces(unsigned nID)
{
    std::array<std::string, N> out;
    for (std::size_t i = 0; i < N; ++i)
        out[i] = LoadSubString(nID, static_cast<int>(i));
    return out;
}
} // namespace

std::string BoardTitle(const BOARDDATA& data, std::string_view strUserName)
{
    std::string title = PeriodText(data);
    title += " - ";
    title += UserNameForDisplay(strUserName);
    return title;
}

std::string BoardCopyText(const BOARDDATA& data, std::string_view strTitle, const CAppSetting& setting)
{
    const std::string quote = GetUsableQuotePrefix(setting);
    const std::string rule = LoadString(IDS_COPY_RULE);
    const std::string rowFormat = LoadString(IDS_COPY_ROW_FORMAT);

    std::string text = quote;
    text += strTitle;
    text += "\r\n";
    text += quote + LoadString(IDS_COPY_HEADING);
    text += quote + rule;
    for (const Category c : kCategories) {
        const std::size_t i = Index(c);
        if (!setting.IsBoardRowShown(static_cast<int>(i)))
            continue;
        const std::string label = LoadSubString(IDS_COPY_LABELS, static_cast<int>(i));
        text += quote;
        text += Printf(rowFormat, label.c_str(), data.nTry[i], data.nBest[i], data.nBestMiss[i], data.nWorst[i],
                       data.nWorstMiss[i], data.nAve[i], data.nAveMiss[i], data.nTTry[i], data.nTBest[i],
                       data.nTBestMiss[i]);
    }
    text += quote + rule;
    return text;
}

std::string BoardTableText(const BOARDDATA& data, std::string_view strTitle, const CAppSetting& setting)
{
    const bool bJapanese = setting.IsBoardJapanese();
    const auto headings = BoardHeadings(bJapanese);
    const auto labels = BoardRowLabels(bJapanese);
    // The first cell of each column among the ten figure cells; a paired column has two.
    constexpr std::array<std::size_t, 7> kColumnStart{0, 1, 3, 5, 7, 8, 10};
    std::string text(strTitle);
    for (const Category c : kCategories) {
        if (!setting.IsBoardRowShown(static_cast<int>(Index(c))))
            continue;
        const auto cells = BoardCellTexts(data, c);
        text += "\n" + labels[Index(c)] + ":";
        for (std::size_t k = 0; k < headings.size(); ++k) {
            text += (k == 0 ? " " : ", ") + headings[k] + " ";
            for (std::size_t i = kColumnStart[k]; i < kColumnStart[k + 1]; ++i)
                text += cells[i];
        }
    }
    return text;
}

std::array<std::string, 6> BoardHeadings(bool bJapanese)
{
    return Pieces<6>(bJapanese ? IDS_BOARD_HEADINGS_JA : IDS_BOARD_HEADINGS_EN);
}

std::array<std::string, 4> BoardRowLabels(bool bJapanese)
{
    return Pieces<4>(bJapanese ? IDS_CATEGORY_LABELS : IDS_BOARD_LABELS_EN);
}

std::string BoardMeasuringTemplate(bool bJapanese)
{
    return LoadString(bJapanese ? IDS_BOARD_TEMPLATE_JA : IDS_BOARD_TEMPLATE_EN);
}

std::array<std::string, 11> BoardCellTemplates(bool bJapanese)
{
    // The label cell is as wide as the widest label, the Roma one.
    return {BoardRowLabels(bJapanese)[2], "9999", "999(", "99)", "999(", "99)", "999(", "99)", "999999", "999(", "99)"};
}

std::array<std::string, 10> BoardCellTexts(const BOARDDATA& data, Category nCategory)
{
    const std::size_t i = Index(nCategory);
    const auto number = [](int n) { return std::to_string(n); };
    return {number(data.nTry[i]),
            number(data.nBest[i]) + "(",
            number(data.nBestMiss[i]) + ")",
            number(data.nWorst[i]) + "(",
            number(data.nWorstMiss[i]) + ")",
            number(data.nAve[i]) + "(",
            number(data.nAveMiss[i]) + ")",
            number(data.nTTry[i]),
            number(data.nTBest[i]) + "(",
            number(data.nTBestMiss[i]) + ")"};
}
