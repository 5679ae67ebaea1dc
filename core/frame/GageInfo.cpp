#include "core/frame/GageInfo.h"

#include <cstdint>
#include <utility>

#include "core/base/MulDiv.h"

namespace {
constexpr int kLabelTickLength = 5;
constexpr int kSmallTickLength = 3;
constexpr int kLabelMargin = 10;
} // namespace

bool GAGEINFO::IsValid() const
{
    return nCategory && sizeChart != CSize{} && sizeChar != CSize{} && nMin < nMax;
}

int GAGEINFO::ValueToY(int v, int nEdge) const
{
    if (!IsValid() || v < nMin || v > nMax)
        return 0;
    // In 64 bits: a damaged record can put nMax and nMin further apart than an int holds.
    const std::int64_t range = std::int64_t{nMax} - nMin;
    const std::int64_t height = std::int64_t{sizeChart.cy} - 15 - MulDiv64(sizeChar.cy, 7, 2);
    const std::int64_t offset = MulDiv64(std::int64_t{nMax} - v, ClampToInt(height), range);
    return ClampToInt(nEdge + offset + 10);
}

int GageBarWidth(const GAGEINFO& info)
{
    return info.sizeChar.cx > 0 ? 5 * info.sizeChar.cx : 10;
}

std::vector<GageTick> GageTicks(const GAGEINFO& info, int nEdge, int nWidth, bool bRightSide)
{
    std::vector<GageTick> ticks;
    if (!info.IsValid() || info.nStep <= 0 || std::int64_t{info.nMax} - info.nMin > kMaxGageSpan)
        return ticks;
    const int nSmallStep = info.nStep / 5; // 0: a step below 5 has no small ticks
    for (int v = info.nMin;; ++v) {
        const int y = info.ValueToY(v, nEdge);
        GageTick tick;
        tick.nValue = v;
        // C++'s remainder keeps the sign of v, so -40 % 20 is 0 and counts as a multiple.
        if (v % info.nStep == 0) {
            tick.nPenWidth = 2;
            tick.ptFrom = {bRightSide ? 0 : nWidth - kLabelTickLength, y};
            tick.ptTo = {bRightSide ? kLabelTickLength : nWidth, y};
            tick.strLabel = std::to_string(v);
            const int nChars = static_cast<int>(tick.strLabel.size());
            tick.ptLabel = {bRightSide ? kLabelMargin : nWidth - nChars * info.sizeChar.cx - kLabelMargin,
                            y - info.sizeChar.cy / 2};
            ticks.push_back(std::move(tick));
        } else if (nSmallStep != 0 && v % nSmallStep == 0) {
            tick.ptFrom = {bRightSide ? 0 : nWidth - kSmallTickLength, y};
            tick.ptTo = {bRightSide ? kSmallTickLength : nWidth, y};
            ticks.push_back(std::move(tick));
        }
        if (v == info.nMax) // not v <= nMax: nMax may be INT_MAX
            break;
    }
    return ticks;
}
