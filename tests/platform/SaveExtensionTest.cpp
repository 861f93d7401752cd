// A Save dialog gives a name that ends in none of the caller's endings the extension of the filter
// chosen in it, before it asks about replacing a file of that name.
#include "platform/FileDialogs.h"
#include "platform/ui/QtPlatform.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace platform;

namespace {

const QString kEprom = QStringLiteral("Vorn BIN file (*.bin)|*.bin|Vorn HEX file (*.hex)|*.hex|All files (*.*)|*.*");
const QStringList kEpromEndings = {".bin", ".hex", ".mcf"};

// Runs `step` on the modal dialog of type D once it is up.
template <class D>
void onModal(std::function<void(D&)> step)
{
    QTimer::singleShot(10, [step] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget()))
            step(*d);
        else
            onModal<D>(step);
    });
}

} // namespace

TEST(SaveExtension, NameGetsTheChosenFiltersExtensionUnlessItHasAKnownEnding)
{
    const struct {
        const char* path;
        int filter;
        const char* named;
    } cases[] = {
        {"/d/PLAN", 1, "/d/PLAN.bin"},       {"/d/PLAN", 2, "/d/PLAN.hex"},  {"/d/PLAN", 3, "/d/PLAN"},
        {"/d/PLAN.TXT", 1, "/d/PLAN.TXT.bin"}, {"/d/plan.HEX", 1, "/d/plan.HEX"}, {"/d/plan.mcf", 2, "/d/plan.mcf"},
        {"/d/PLAN", 0, "/d/PLAN"},           {"/d/PLAN", 9, "/d/PLAN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withFilterExtension(c.path, kEprom, c.filter, kEpromEndings).toStdString(), c.named)
            << c.path << " filter " << c.filter;
    EXPECT_EQ(withFilterExtension("/d/site", "Vorn MCF file (*.MCF)| *.mcf|All files (*.*)|*.*", 1, {".mcf"}), "/d/site.mcf");
    EXPECT_EQ(withFilterExtension("/d/site", kEprom, 1, {}), "/d/site") << "no endings: the name stays as typed";
}

TEST(SaveExtension, DialogAsksAboutTheFileWithTheExtension)
{
    installWidgetServices();
    testsupport::ProgramFolder folder;
    folder.write(QStringLiteral("PLAN.hex"), "old");
    FileDialogRequest request;
    request.kind = FileDialogRequest::Save;
    request.fileName = folder.file(QStringLiteral("PLAN"));
    request.filter = kEprom;
    request.endings = kEpromEndings;

    QString question;
    onModal<QFileDialog>([&](QFileDialog& dlg) {
        dlg.selectNameFilter(dlg.nameFilters().at(1));
        onModal<QMessageBox>([&](QMessageBox& box) {
            question = box.text();
            box.button(QMessageBox::Yes)->click();
        });
        QMetaObject::invokeMethod(&dlg, &QDialog::accept);  // as the Save button does
    });
    EXPECT_EQ(ShowFileDialog(request), folder.file(QStringLiteral("PLAN.hex")));
    EXPECT_TRUE(question.contains(QStringLiteral("PLAN.hex"))) << question.toStdString();
}
