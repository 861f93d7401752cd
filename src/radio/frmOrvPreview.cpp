#include "radio/frmOrvPreview.h"

#include "shell/ReportHeader.h"

using namespace reportlayout;

frmOrvPreview::frmOrvPreview()
{
    caption = QStringLiteral("Module");

    const ReportHeader header;
    ImgLOGO = header.ImgLOGO;
    lbl1 = header.lblTitle;
    lbl2 = header.lblDate;
    TxtDate = header.TxtDate;
    lbl3 = header.lblModuleType;
    TxtCustomType = header.TxtCustomType;
    lbl4 = header.lblSerial;
    TxtSerial = header.TxtSerial;
    lbl5 = header.lblType;
    TxtType = header.TxtType;
    lbl6 = header.lblUserRemark;
    TxtUserRemark = header.TxtUserRemark;
    lblFrequencyRange = label(5940, 960, QStringLiteral("Frequency (MHz)"), 11.25);
    lblFrequencyRange.width = 2175;
    lblFrequencyRange.height = 315;
    txtFrequencyRange = textBox(8160, 960, 1815, 375, 11.25);

    Lin1 = rule(3180);
    lblChannel = label(660, 3300, QStringLiteral("Channel"), 10.5);
    lblSwitch = label(1620, 3300, QStringLiteral("Switch(8-1)"), 10.5);
    lblFrequency = label(3120, 3300, QStringLiteral("Frequency(MHz)"), 10.5);
    lblCTCSS = label(4980, 3300, QStringLiteral("CTCSS(Hz)"), 10.5);
    lblDeviation = label(6240, 3300, QStringLiteral("Deviation"), 10.5);
    lblReference = label(7560, 3300, QStringLiteral("Reference"), 10.5);
    lblPin = label(8820, 3300, QStringLiteral("Pin(7-0)"), 10.5);
    Lin2 = rule(3710);

    TxtChannel = textBox(660, 3780, 900, 360, 10.5);
    TxtSwitch = textBox(1620, 3780, 1455, 360, 10.5);
    TxtFrequency = textBox(3120, 3780, 1815, 360, 10.5);
    TxtCTCSS = textBox(4980, 3780, 1155, 360, 10.5);
    txtDeviation = textBox(6300, 3780, 1095, 360, 10.5);
    txtReference = textBox(7620, 3780, 1035, 360, 10.5);
    TxtPin = textBox(8820, 3780, 1275, 360, 10.5);
}
