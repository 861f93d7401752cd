#include "app/Startup.h"

#include "shell/Version.h"
#include "app/frmMain.h"

namespace basVelmar {

frmMain* Main()
{
    auto* w = new frmMain;
    w->MDIForm_Load();
    w->setWindowTitle(frmMain::kDesignCaption + QLatin1Char(' ') + strVersion(false));
    w->show();
    return w;
}

} // namespace basVelmar
