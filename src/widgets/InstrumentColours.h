#pragma once

#include <QColor>

// The colours the instruments share, so that meters, bars and lamps read as one set.
namespace zantrel::instrument {

inline const QColor kFace{252, 252, 248};
inline const QColor kFaceEdge{222, 224, 220};
inline const QColor kBezelLight{150, 156, 164};
inline const QColor kBezelDark{46, 50, 58};
inline const QColor kInk{28, 30, 34};
inline const QColor kCaptionInk{70, 74, 82};
inline const QColor kNeedle{214, 32, 32};
inline const QColor kTrough{226, 229, 233};
inline const QColor kTroughEdge{140, 146, 154};

inline const QColor kGood{46, 160, 67};
inline const QColor kWarning{236, 176, 24};
inline const QColor kAlarm{214, 40, 40};
inline const QColor kPetrolBar{222, 96, 42};
inline const QColor kGasBar{40, 140, 200};
inline const QColor kMercury{200, 30, 30};

// The pale version of a colour for the unfilled part of a bar.
inline QColor Pale(const QColor& colour)
{
    return QColor::fromRgbF(0.7f + 0.3f * colour.redF(), 0.7f + 0.3f * colour.greenF(),
                            0.7f + 0.3f * colour.blueF());
}

} // namespace zantrel::instrument
