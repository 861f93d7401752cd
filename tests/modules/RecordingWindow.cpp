#include "RecordingWindow.h"

#include "shell/Globals.h"
#include "app/frmMain.h"

void RecordingWindow::install()
{
    using WindowRegistry::WindowKind;
    calls.clear();
    duringOpen = nullptr;
    for (WindowKind kind : {WindowKind::Radio, WindowKind::ToneRemote})
        WindowRegistry::registerWindow(kind, [kind] { return new RecordingWindow(kind); });
}

void RecordingWindow::openAlready(int16_t source, const QString& serial)
{
    auto* w = new RecordingWindow(WindowRegistry::WindowKind::Radio);
    w->doc_.strSerial = serial;
    w->doc_.intDocumentFrom = source;
    frmMain::instance()->addDocumentWindow(w);
}

int16_t RecordingWindow::intInitFromNew(const NewModuleArgs& args)
{
    return open(kFromNew, QString::number(args.serial), args);
}

int16_t RecordingWindow::open(int16_t source, const QString& serial, const NewModuleArgs& args)
{
    calls.append({kind_, source, serial, basVelmar::gUnlinkOnViewClose, args});
    if (duringOpen)
        duringOpen();
    doc_.strSerial = serial;
    doc_.intDocumentFrom = source;
    frmMain::instance()->addDocumentWindow(this);
    return 0;
}
