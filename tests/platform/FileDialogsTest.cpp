// The shared file dialog: the program's filter texts, each shown once; the filter preselected; and
// the folder and filter kept from one use to the next.
#include "platform/FileDialogs.h"
#include "platform/ui/QtPlatform.h"
#include "support/ScriptedMsgBox.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace platform;

TEST(FileDialogs, FilterTranslation)
{
    const struct {
        const char* filter;
        const char* shown;
    } cases[] = {
        {"access (*.mdb) | *.mdb", "access (*.mdb)"},
        {"Archive|*.mcf|All files|*.*", "Archive (*.mcf);;All files (*.*)"},
        // A description that names its pattern in other letters does not get it a second time.
        {"Vorn MCF file (*.MCF)| *.mcf|All files (*.*)|*.*", "Vorn MCF file (*.MCF);;All files (*.*)"},
        {"USER.MDB file (*.MDB) | *.mdb |", "USER.MDB file (*.MDB)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toNameFilters(QString::fromLatin1(c.filter)).toStdString(), c.shown) << c.filter;
}

namespace {

// Runs `step` on the file dialog once it is up.
void onFileDialog(std::function<void(QFileDialog&)> step)
{
    QTimer::singleShot(10, [step] {
        if (auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            step(*dlg);
        else
            onFileDialog(step);
    });
}

} // namespace

TEST(FileDialogs, PreselectsTheFilterAndKeepsTheFolder)
{
    installWidgetServices();
    testsupport::ProgramFolder folder;
    folder.write(QStringLiteral("site.mcf"), "x");
    const QString mcf = QStringLiteral("All files (*.*)|*.*|Vorn MCF file (*.mcf)|*.mcf");

    QStringList filters;
    QString preselected;
    onFileDialog([&](QFileDialog& dlg) {
        filters = dlg.nameFilters();
        preselected = dlg.selectedNameFilter();
        dlg.setDirectory(folder.path());
        dlg.selectFile(folder.file(QStringLiteral("site.mcf")));
        QMetaObject::invokeMethod(&dlg, &QDialog::accept);  // as the Open button does
    });
    EXPECT_EQ(ShowOpen(QString(), mcf, 2), folder.file(QStringLiteral("site.mcf")));
    EXPECT_EQ(filters, (QStringList{"All files (*.*)", "Vorn MCF file (*.mcf)"}));
    EXPECT_EQ(preselected, "Vorn MCF file (*.mcf)");

    // The next use opens in the folder of the file chosen last, on the filter last selected.
    QString folderShown;
    onFileDialog([&](QFileDialog& dlg) {
        folderShown = dlg.directory().absolutePath();
        preselected = dlg.selectedNameFilter();
        dlg.reject();
    });
    EXPECT_EQ(ShowOpen(QStringLiteral("*.mdb"), mcf, 0), std::nullopt);
    EXPECT_EQ(folderShown, QDir(folder.path()).absolutePath());
    EXPECT_EQ(preselected, "Vorn MCF file (*.mcf)");

    testsupport::installUnexpectedDialogGuards();
}
