#include "core/prop/PrpRules.h"

#include <climits>

#include "core/base/MulDiv.h"
#include "core/settings/UsableSettings.h"

namespace {
constexpr int kAllRows = 0x0F;
constexpr int kNormalWeight = 400;
} // namespace

std::optional<int> ParseDigits(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string IntRangeMessage(int nMin, int nMax)
{
    return std::to_string(nMin) + " から " + std::to_string(nMax) + " までの整数を入力してください。";
}

bool IsQuoteWithinLimit(std::string_view utf8)
{
    return Cp932Length(utf8) <= kMaxQuoteBytes;
}

namespace {
bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
} // namespace

std::string FitQuoteEdit(std::string_view strOld, std::string_view strNew, std::size_t* pnCursor)
{
    // What the two texts share at their start and end, on whole characters.
    std::size_t nHead = 0;
    while (nHead < strOld.size() && nHead < strNew.size() && strOld[nHead] == strNew[nHead])
        ++nHead;
    while (nHead > 0 && nHead < strNew.size() && IsContinuationByte(strNew[nHead]))
        --nHead;
    std::size_t nTail = 0;
    while (nTail < strOld.size() - nHead && nTail < strNew.size() - nHead &&
           strOld[strOld.size() - 1 - nTail] == strNew[strNew.size() - 1 - nTail])
        ++nTail;
    while (nTail > 0 && IsContinuationByte(strNew[strNew.size() - nTail]))
        --nTail;

    const std::string_view head = strNew.substr(0, nHead), tail = strNew.substr(strNew.size() - nTail);
    const std::string_view inserted = strNew.substr(nHead, strNew.size() - nHead - nTail);
    const std::size_t nLimit = std::max(kMaxQuoteBytes, Cp932Length(strOld));
    const std::size_t nKept = Cp932Length(head) + Cp932Length(tail);
    const std::string_view fitting = Cp932Prefix(inserted, nLimit > nKept ? nLimit - nKept : 0);
    if (pnCursor)
        *pnCursor = head.size() + fitting.size();
    return std::string(head) + std::string(fitting) + std::string(tail);
}

std::string QuoteLimitMessage()
{
    return "半角 " + std::to_string(kMaxQuoteBytes) + " 文字以内で入力してください。";
}

std::string FontInfoText(const LOGFONT& lf, int nLogPixelsY)
{
    std::string text = std::to_string(MulDiv(lf.lfHeight, -72, nLogPixelsY));
    if (lf.lfWeight > kNormalWeight)
        text += " : 太字";
    if (lf.lfItalic)
        text += " : 斜体";
    if (lf.lfWeight <= kNormalWeight && !lf.lfItalic)
        text += " : 標準";
    return text;
}

bool IsFontChoiceChanged(const LOGFONT& lfCurrent, const LOGFONT& lfChosen)
{
    return lfCurrent.lfHeight != lfChosen.lfHeight || (lfCurrent.lfItalic != 0) != (lfChosen.lfItalic != 0) ||
           lfCurrent.lfWeight != lfChosen.lfWeight || lfCurrent.FaceNameBytes() != lfChosen.FaceNameBytes();
}

int ChangeBoardFlag(int nFlag, int nBit, bool bChecked)
{
    if (nBit < 0 || nBit > 4)
        return nFlag;
    if (bChecked)
        nFlag |= 1 << nBit;
    else
        nFlag &= ~(1 << nBit);
    if (nBit < 4 && !bChecked && (nFlag & kAllRows) == 0)
        nFlag |= kAllRows;
    return nFlag;
}
