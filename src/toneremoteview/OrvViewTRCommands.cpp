// What the tone-remote window gives the shared commands: its report for Print, and its archive
// file for Save File.
#include "toneremoteview/frmOrvViewTR.h"

#include "shell/PrintJob.h"
#include "toneremote/COrvDocTR.h"
#include "toneremote/frmOrvPreviewTR.h"

int16_t frmOrvViewTR::printDocument(PrintJob& job)
{
    frmOrvPreviewTR preview;
    return document().intDocument2Printer(preview, job);
}

QString frmOrvViewTR::archiveFilter() const { return QStringLiteral("Vorn MCF file (*.mcf)|*.mcf|All file (*.*)|*.*"); }

int16_t frmOrvViewTR::saveArchive(const QString& path) { return document().intDocument2Archive(path); }
