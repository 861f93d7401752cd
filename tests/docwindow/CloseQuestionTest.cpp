// The question a changed module window asks when it closes: File > Exit asks each changed window
// in turn, each in front of the others and named by its caption, so that the user knows which
// module the answer is for.
#include "radioview/ViewFixture.h"

#include "docwindow/DocumentTexts.h"
#include "docwindow/DocumentWindowOpen.h"
#include "toneremoteview/TRGeneralTab.h"
#include "toneremoteview/frmOrvViewTR.h"

#include <QLineEdit>

using WindowRegistry::WindowKind;

class CloseQuestionTest : public ViewTest {
protected:
    frmOrvViewTR* openNewToneRemote(long serial)
    {
        NewModuleArgs args;
        args.model = QStringLiteral("Vr71-05-0000");
        args.origin = QStringLiteral("Standard");
        args.serial = serial;
        EXPECT_EQ(
            openInNewDocumentWindow(WindowKind::ToneRemote, [&](IDocumentWindow& w) { return w.intInitFromNew(args); }),
            0);
        settle();
        return dynamic_cast<frmOrvViewTR*>(main_->documentWindows().last());
    }
};

TEST_F(CloseQuestionTest, ExitAsksEachChangedWindowInFrontUnderItsCaption)
{
    frmOrvView* radio = openNew(kReceiverModel, 1000);
    frmOrvViewTR* tone = openNewToneRemote(2000);
    ASSERT_TRUE(radio && tone);
    radio->txtUserRemark->setText(QStringLiteral("changed"));
    tone->general().txtUserRemark->setText(QStringLiteral("changed"));
    // The window opened last is in front; the radio window is hidden behind it.
    ASSERT_EQ(main_->activeDocumentWindow(), tone);
    const QString radioCaption = radio->windowTitle();
    const QString toneCaption = tone->windowTitle();
    ASSERT_TRUE(radioCaption.endsWith(QStringLiteral("Serial Number: 1000"))) << radioCaption.toStdString();
    ASSERT_TRUE(toneCaption.endsWith(QStringLiteral("Serial Number: 2000"))) << toneCaption.toStdString();

    struct Asked {
        platform::MsgBoxRequest box;
        IDocumentWindow* active;
    };
    QList<Asked> asked;
    // No for the first window, Cancel for the second: the program stays with the second window.
    const platform::MsgBoxHandler previous = platform::setMsgBoxHandler([&](const platform::MsgBoxRequest& r) {
        asked << Asked{r, main_->activeDocumentWindow()};
        return asked.size() == 1 ? platform::vbNo : platform::vbCancel;
    });
    EXPECT_FALSE(main_->close());
    platform::setMsgBoxHandler(previous);
    settle();

    ASSERT_EQ(asked.size(), 2);
    // Oldest first; the radio window is gone after No, so only its address is compared.
    const QList<std::pair<QString, IDocumentWindow*>> order{{radioCaption, radio}, {toneCaption, tone}};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(asked[i].box.title, order[i].first);
        EXPECT_EQ(asked[i].active, order[i].second) << "the window asked about is in front";
        EXPECT_EQ(asked[i].box.prompt, doctext::kContentChanged);
        EXPECT_EQ(asked[i].box.style, platform::vbYesNoCancel);
    }
    EXPECT_EQ(main_->documentWindows(), QList<IDocumentWindow*>{tone});
    EXPECT_TRUE(main_->isVisible());
}
