// The menu entries and the toolbar button that put up the New and Module Management dialogs, in
// the main window and in the radio-module window.
#include "ModulesFixture.h"

#include "db/LookupTables.h"
#include "modules/frmModuleManagement.h"
#include "modules/frmNewModule.h"
#include "radioview/frmOrvView.h"

#include <QAction>
#include <QCoreApplication>

namespace {

// Puts up the dialog through `command` and closes it again; true when a D came up.
template <class D>
bool putsUp(const std::function<void()>& command)
{
    bool shown = false;
    whenShown<D>([&shown](D& dialog) {
        shown = true;
        dialog.reject();
    });
    command();
    return shown;
}

} // namespace

TEST_F(ModulesTest, NewAndModuleManagementComeUpFromEveryEntry)
{
    ASSERT_EQ(basVelmar::LoadLookupTables(), 0);
    main->show();
    auto* radio = new frmOrvView;
    NewModuleArgs args;
    args.model = QStringLiteral("Vr31-05-0000");
    args.origin = QStringLiteral("Standard");
    args.serial = 5;
    ASSERT_EQ(radio->intInitFromNew(args), 0);
    const auto trigger = [](QObject* window, const char* entry) {
        return [window, entry] { window->findChild<QAction*>(QLatin1String(entry))->trigger(); };
    };

    EXPECT_TRUE(putsUp<frmNewModule>(trigger(main.get(), "MNUNEW")));
    EXPECT_TRUE(putsUp<frmNewModule>([this] { main->toolbarButton(1)->trigger(); }));
    EXPECT_TRUE(putsUp<frmNewModule>(trigger(radio, "MNUNEW")));
    EXPECT_TRUE(putsUp<frmModuleManagement>(trigger(main.get(), "MNUMODULEMANAGE")));
    EXPECT_TRUE(putsUp<frmModuleManagement>(trigger(radio, "MNUMODULEMANAGE")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
