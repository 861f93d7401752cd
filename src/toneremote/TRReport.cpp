// The printed configuration report of a tone-remote module: the header block, one row for every
// function-tone pair that does something, and one row for every alarm and confirmation record.
#include "toneremote/COrvDocTR.h"

#include "db/CLASSOrvDB.h"
#include "link/TransferGuard.h"
#include "shell/FailureTrap.h"
#include "shell/PrintJob.h"
#include "shell/PrintProcedures.h"
#include "toneremote/basVelmarTR.h"
#include "toneremote/frmOrvPreviewTR.h"

using namespace trlayout;

namespace {

// Prints one row of a table; true when the box went back to the top of the next page.
bool printRow(PrintJob& job, PrintTextBox& box) { return basVelmar::intPrintTextBoxLines(job, box) == 1; }

} // namespace

int16_t COrvDocTR::intDocument2Printer(frmOrvPreviewTR& frmPreview, PrintJob& job)
{
    if (intEditSystem() != 0)
        return -1;
    return basVelmar::trapped([&]() -> int16_t {
        frmOrvPreviewTR& f = frmPreview;
        // A new sheet, unless the last row has just started one.
        bool freshPage = false;
        const auto newPage = [&]() {
            if (!freshPage)
                basVelmar::intPrintNewPage(job);
            freshPage = true;
        };

        for (const PrintLabel* l :
             {&f.lblTitle, &f.lblDate, &f.lblModuleType, &f.lblSerial, &f.lblType, &f.lblUserRemark})
            basVelmar::intPrintLabel(job, *l);
        basVelmar::intPrintLine(job, f.Lin1);
        basVelmar::intPrintImage(job, f.ImgLOGO);
        f.TxtDate.text = strLastModified;
        f.TxtCustomType.text = strModuleUsed;
        f.TxtSerial.text = strSerial;
        f.TxtType.text = QStringLiteral("Tone Remote");
        f.TxtUserRemark.text = strUserRemark;
        for (const PrintTextBox* t : {&f.TxtDate, &f.TxtCustomType, &f.TxtSerial, &f.TxtType, &f.TxtUserRemark})
            basVelmar::intPrintTextBox(job, *t);
        newPage();

        const auto& tones = f.fraSectionFunctionTone;
        for (const PrintLabel* l :
             {&tones.lblTitleFunctionTone, &tones.lblTone1, &tones.lblTone2, &tones.lblFunctionToneAction})
            basVelmar::intPrintLabel(job, *l);
        freshPage = false;
        for (int k = 0; k < fntones::kPairCount; ++k) {
            const auto index =
                static_cast<int16_t>(fntones::pairIndex(k / fntones::kToneCount, k % fntones::kToneCount));
            int16_t tone1 = 0, tone2 = 0, action = 0;
            if (intGetFnToneAction(index, tone1, tone2, action) != 0 || action == fntones::kDoNothing)
                continue;
            f.txtTone1.text = QString::number(tone1);
            f.txtTone2.text = QString::number(tone2);
            basVelmarTR::intFnActionToText(action, f.txtFunctionToneAction.text);
            freshPage = false;
            printRow(job, f.txtTone1);
            printRow(job, f.txtTone2);
            if (printRow(job, f.txtFunctionToneAction))
                newPage();
        }
        newPage();

        const auto& alarmsSection = f.fraSectionAlarm;
        for (const PrintLabel* l :
             {&alarmsSection.lblTitleAlarm, &alarmsSection.lblAlarm, &alarmsSection.lblAlarmAction})
            basVelmar::intPrintLabel(job, *l);
        freshPage = false;
        QString name;
        for (int16_t n = 1; CLASSOrvDB::instance().intGetAlarmByID(n, name) == 0; ++n) {
            f.txtAlarm.text = name;
            AlarmRecord record{};
            if (intGetAlarm(n, record) != 0 || basVelmarTR::intAlarmToText(record, f.txtAlarmAction.text) != 0)
                f.txtAlarmAction.text = name;
            freshPage = false;
            printRow(job, f.txtAlarm);
            if (printRow(job, f.txtAlarmAction))
                newPage();
        }

        const int16_t ended = basVelmar::intPrintEnd(job);
        TransferGuard::doEvents();
        return ended != 0 || job.failed() ? -1 : 0;
    });
}
