#include "toneremoteview/TRTabPage.h"

#include "toneremote/COrvDocTR.h"
#include "toneremoteview/frmOrvViewTR.h"

TRTabPage::TRTabPage(frmOrvViewTR& view, const QString& name) : view_(view) { setObjectName(name); }

COrvDocTR& TRTabPage::document() const { return view_.document(); }

void TRTabPage::markModified() const { document().fModified = true; }
