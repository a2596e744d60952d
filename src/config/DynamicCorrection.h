#pragma once

#include <QtGlobal>

#include <optional>

namespace zantrel {

// Word 23, the dynamic correction: bits 0..3 hold the injection-time threshold in ms
// (1..15, item value - 1 of "1 ms".."15 ms"), bits 4..15 hold trunc((100 + percent) x
// 10.24), so 1024 is exactly 0 %. The percent list runs "-60".."80" (item 60 is "0").

constexpr int kDynamicThresholdItems = 15;
constexpr int kDynamicPercentItems = 141;
constexpr int kDynamicPercentOfFirstItem = -60;

// The threshold item; a threshold of 0 shows item 0.
int DynamicThresholdItem(qint32 word);
// The percent to the nearest whole number, whether or not the list has it.
int DynamicPercent(qint32 word);
// The percent item; empty when the percent is outside the list.
std::optional<int> DynamicPercentItem(qint32 word);

// The word with a new threshold item (held to 0..14), the percent field kept.
qint32 WithDynamicThreshold(qint32 word, int item);
// The word with a new percent (held to the editor's -60..+80), the threshold kept.
qint32 WithDynamicPercent(qint32 word, int percent);

} // namespace zantrel
