#include "core/board/BoardText.h"

#include <cstdio>

#include "core/base/Printf.h"
#include "core/record/PeriodData.h"
#include "core/record/RecordPath.h"
#include "core/res/LoadSubString.h"
#include "core/settings/AppSetting.h"
#include "core/settings/UsableSettings.h"

namespace {
constexpr unsigned kJapaneseTemplateID = 131;
constexpr unsigned kEnglishTemplateID = 132;
constexpr unsigned kJapaneseHeadingsID = 133;
constexpr unsigned kEnglishHeadingsID = 134;
constexpr unsigned kJapaneseLabelsID = 135;
constexpr unsigned kEnglishLabelsID = 138;
constexpr unsigned kWeekdayNamesID = 139;
constexpr unsigned kDayTitleID = 140;
constexpr unsigned kDayTitleEndID = 144;
constexpr unsigned kWeekTitleID = 145;
constexpr unsigned kWeekEndOtherYearID = 146;
constexpr unsigned kWeekEndOtherMonthID = 150;
constexpr unsigned kWeekEndSameMonthID = 151;
constexpr unsigned kMonthTitleID = 152;
constexpr unsigned kCopyHeadingID = 153;
constexpr unsigned kCopyRowFormatID = 154;
constexpr unsigned kCopyRuleID = 155;
constexpr unsigned kCopyLabelsID = 161;

constexpr int kCategories = 4;

std::string PeriodText(const BOARDDATA& data)
{
    const CTime& t = data.Date;
    switch (data.nScale) {
    case SCALE_DAILY:
        return t.Format(LoadString(kDayTitleID)) + LoadSubString(kWeekdayNamesID, t.GetDayOfWeek() - 1) +
               LoadString(kDayTitleEndID);
    case SCALE_WEEKLY: {
        const CTime end = t.AddDays(6);
        unsigned nEndID = kWeekEndSameMonthID;
        if (end.GetYear() != t.GetYear())
            nEndID = kWeekEndOtherYearID;
        else if (end.GetMonth() != t.GetMonth())
            nEndID = kWeekEndOtherMonthID;
        return t.Format(LoadString(kWeekTitleID)) + end.Format(LoadString(nEndID));
    }
    case SCALE_MONTHLY: return t.Format(LoadString(kMonthTitleID));
    default: return {};
    }
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
    const std::string rule = LoadString(kCopyRuleID);
    const std::string rowFormat = LoadString(kCopyRowFormatID);

    std::string text = quote;
    text += strTitle;
    text += "\r\n";
    text += quote + LoadString(kCopyHeadingID);
    text += quote + rule;
    for (int i = 0; i < kCategories; ++i) {
        if (!setting.IsBoardRowShown(i))
            continue;
        const std::string label = LoadSubString(kCopyLabelsID, i);
        text += quote;
        text += Printf(rowFormat, label.c_str(), data.nTry[i], data.nBest[i], data.nBestMiss[i], data.nWorst[i],
                       data.nWorstMiss[i], data.nAve[i], data.nAveMiss[i], data.nTTry[i], data.nTBest[i],
                       data.nTBestMiss[i]);
    }
    text += quote + rule;
    return text;
}

std::array<std::string, 6> BoardHeadings(bool bJapanese)
{
    return Pieces<6>(bJapanese ? kJapaneseHeadingsID : kEnglishHeadingsID);
}

std::array<std::string, 4> BoardRowLabels(bool bJapanese)
{
    return Pieces<4>(bJapanese ? kJapaneseLabelsID : kEnglishLabelsID);
}

std::string BoardMeasuringTemplate(bool bJapanese)
{
    return LoadString(bJapanese ? kJapaneseTemplateID : kEnglishTemplateID);
}

std::array<std::string, 11> BoardCellTemplates(bool bJapanese)
{
    // The label cell is as wide as the widest label, the Roma one.
    return {BoardRowLabels(bJapanese)[2], "9999", "999(", "99)", "999(", "99)", "999(", "99)", "999999", "999(", "99)"};
}

std::array<std::string, 10> BoardCellTexts(const BOARDDATA& data, int nCategory)
{
    if (nCategory < 0 || nCategory >= kCategories)
        return {};
    const auto i = static_cast<std::size_t>(nCategory);
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
