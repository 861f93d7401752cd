#include "toneremote/frmOrvPreviewTR.h"

using namespace reportlayout;

namespace {

// Both sections: title, column captions, then the first row, above the height to which a row
// returns on a new page.
constexpr double kTitleTop = 300;
constexpr double kCaptionTop = 700;
constexpr double kFirstRowTop = 1100;
constexpr double kRowHeight = 300;
constexpr double kSize = 10.5;

const QString& actionCaption()
{
    static const QString caption = QStringLiteral("Action");
    return caption;
}

} // namespace

frmOrvPreviewTR::frmOrvPreviewTR()
{
    Lin1 = rule(3180);

    fraSectionFunctionTone.lblTitleFunctionTone =
        label(660, kTitleTop, QStringLiteral("Function Tones Section"), 12, true);
    fraSectionFunctionTone.lblTone1 = label(660, kCaptionTop, QStringLiteral("Tone 1(HZ)"), kSize, true);
    fraSectionFunctionTone.lblTone2 = label(2400, kCaptionTop, QStringLiteral("Tone 2(HZ)"), kSize, true);
    fraSectionFunctionTone.lblFunctionToneAction = label(4140, kCaptionTop, actionCaption(), kSize, true);
    txtTone1 = textBox(660, kFirstRowTop, 1500, kRowHeight, kSize);
    txtTone2 = textBox(2400, kFirstRowTop, 1500, kRowHeight, kSize);
    txtFunctionToneAction = textBox(4140, kFirstRowTop, 6000, kRowHeight, kSize);

    fraSectionAlarm.lblTitleAlarm = label(660, kTitleTop, QStringLiteral("Alarms Section"), 12, true);
    fraSectionAlarm.lblAlarm = label(660, kCaptionTop, QStringLiteral("Alarms"), kSize, true);
    fraSectionAlarm.lblAlarmAction = label(3900, kCaptionTop, actionCaption(), kSize, true);
    txtAlarm = textBox(660, kFirstRowTop, 3180, kRowHeight, kSize);
    // The longest description (some 65 characters) fits the width of a page in the smaller font.
    txtAlarmAction = textBox(3900, kFirstRowTop, 6900, kRowHeight, 9);
}
