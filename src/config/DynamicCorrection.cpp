#include "config/DynamicCorrection.h"

#include "config/ParameterConversions.h"
#include "config/ParameterWords.h"

#include <algorithm>
#include <cmath>

namespace zantrel {

namespace {

constexpr quint32 kThresholdMask = 0x000F;
constexpr int kPercentShift = 4;
constexpr quint32 kPercentCodeMask = 0x0FFF;
constexpr double kCodesPerPercent = 10.24;
constexpr int kNoCorrection = 100;

quint32 percentCode(qint32 word)
{
    return (quint32(word) >> kPercentShift) & kPercentCodeMask;
}

} // namespace

int DynamicThresholdItem(qint32 word)
{
    const int threshold = int(quint32(word) & kThresholdMask);
    return threshold == 0 ? 0 : threshold - 1;
}

int DynamicPercent(qint32 word)
{
    return int(std::lround(double(percentCode(word)) / kCodesPerPercent)) - kNoCorrection;
}

std::optional<int> DynamicPercentItem(qint32 word)
{
    const int item = DynamicPercent(word) - kDynamicPercentOfFirstItem;
    if (item < 0 || item >= kDynamicPercentItems)
        return std::nullopt;
    return item;
}

qint32 WithDynamicThreshold(qint32 word, int item)
{
    const quint32 threshold = quint32(std::clamp(item, 0, kDynamicThresholdItems - 1) + 1);
    return qint32((quint32(word) & ~kThresholdMask) | threshold);
}

qint32 WithDynamicPercent(qint32 word, int percent)
{
    const double kept = Limited(ParameterWordAt(kDynamicCorrectionWord).limits, percent);
    const quint32 code = quint32(TruncateToInt((kNoCorrection + kept) * kCodesPerPercent));
    return qint32((quint32(word) & ~(kPercentCodeMask << kPercentShift)) | (code << kPercentShift));
}

} // namespace zantrel
