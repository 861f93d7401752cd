// Times three tabs of the tone-remote window on a freshly programmed module's document with a few
// function-tone actions: showing the whole document (the 225 tone pairs and the 16 alarms with
// their texts) and switching the function-tone grid between all pairs and the active ones. Runs
// offscreen unless a platform is named. Prints the median and the slowest of each; the targets are
// under 100 ms to show and under 50 ms for a filter switch.
#include "rackemu/PageImage.h"
#include "support/Measure.h"
#include "support/StoredModules.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/TRAlarmTab.h"
#include "toneremoteview/TRFunctionTonesTab.h"
#include "toneremoteview/TRGeneralTab.h"
#include "toneremoteview/frmOrvViewTR.h"

#include <QApplication>
#include <QCheckBox>
#include <QTabWidget>
#include <memory>

#include <cstdio>

namespace {

constexpr int kRuns = 30;

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    openNewDatabase(dir, "bench_tone_remote_tabs");

    frmOrvViewTR window;
    COrvDocTR& doc = window.document();
    const QByteArray image = rackemu::defaultImage(rackemu::Kind::ToneRemote, 4711);
    for (int p = 0; p < trlayout::kPageCount; ++p)
        doc.intWritePage(p, image.mid(p * 8, 8));
    if (doc.intInitSystemInfo() != 0) {
        std::fprintf(stderr, "bench_tone_remote_tabs: the module image does not decode\n");
        return 1;
    }
    for (int16_t pair : {0, 17, 34, 51, 68})
        doc.intSetFnToneAction(pair, 129);

    TRGeneralTab* general = &window.general();
    TRFunctionTonesTab* functionTones = &window.functionTones();
    TRAlarmTab* alarm = &window.alarm();
    window.SSTab1->setCurrentWidget(functionTones);
    window.show();
    QApplication::processEvents();

    const Figures show = measure("show", kRuns, [&] {
        const bool ok =
            general->intShowGeneral() == 0 && functionTones->intShowFunctionTone() == 0 && alarm->intShowAlarm() == 0;
        QApplication::processEvents();
        return ok;
    });
    std::printf("show of a whole document (225 pairs, 16 alarms): median %.2f ms, slowest %.2f ms (target < 100 ms)\n",
                show.median, show.slowest);

    const Figures filter = measure("filter", kRuns * 2, [&] {
        functionTones->chkGridView->setChecked(!functionTones->chkGridView->isChecked());
        QApplication::processEvents();
        return true;
    });
    std::printf("function-tone filter switch (all / active only): median %.2f ms, slowest %.2f ms (target < 50 ms)\n",
                filter.median, filter.slowest);
    return 0;
}
