#pragma once
// The print layout of a tone-remote module's configuration report: the header block, then the
// function-tone table and the alarm table, each section on pages of its own. Positions in twips.
// The table cells (txtTone1 ...) are the first row; printing moves them down the page row by row,
// so each report starts from a fresh layout.
#include "shell/ReportHeader.h"

struct frmOrvPreviewTR : ReportHeader {
    frmOrvPreviewTR();

    PrintLine Lin1; // under the header block

    struct FunctionToneSection {
        PrintLabel lblTitleFunctionTone;
        PrintLabel lblTone1;
        PrintLabel lblTone2;
        PrintLabel lblFunctionToneAction;
    } fraSectionFunctionTone;
    PrintTextBox txtTone1;
    PrintTextBox txtTone2;
    PrintTextBox txtFunctionToneAction;

    struct AlarmSection {
        PrintLabel lblTitleAlarm;
        PrintLabel lblAlarm;
        PrintLabel lblAlarmAction;
    } fraSectionAlarm;
    PrintTextBox txtAlarm;
    PrintTextBox txtAlarmAction;
};
