#pragma once
// The print layout of a radio module's configuration report: where each text, rule and the logo
// go on the page and in which font. Positions in twips. The table cells (TxtChannel ...) are the
// first row; printing moves them down the page row by row, so each report starts from a fresh
// layout. The channel-table header (Lin1, Lin2 and the column captions) is printed again at the
// top of every further page.
#include "shell/PrintLayout.h"

struct frmOrvPreview : ChannelTableHeader {
    frmOrvPreview();

    QString caption; // "Module"

    PrintImage ImgLOGO;
    PrintLabel lbl1;
    PrintLabel lbl2;
    PrintTextBox TxtDate;
    PrintLabel lbl3;
    PrintTextBox TxtCustomType;
    PrintLabel lbl4;
    PrintTextBox TxtSerial;
    PrintLabel lbl5;
    PrintTextBox TxtType;
    PrintLabel lbl6;
    PrintTextBox TxtUserRemark;
    PrintLabel lblFrequencyRange;
    PrintTextBox txtFrequencyRange;

    PrintTextBox TxtChannel;
    PrintTextBox TxtSwitch;
    PrintTextBox TxtFrequency;
    PrintTextBox TxtCTCSS;
    PrintTextBox txtDeviation;
    PrintTextBox txtReference;
    PrintTextBox TxtPin;
};
