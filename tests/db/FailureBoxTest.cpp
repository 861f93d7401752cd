// The database object's failure box: a member that fails in the middle of a transfer (a module
// read checks the firmware and looks up the model in the database) shows its box with the line
// closed, so that no click behind the box starts a second transfer.
#include "DbFixture.h"

#include "link/TransferGuard.h"

TEST_F(DbFixture, AFailureBoxShownDuringATransferStartsNoOther)
{
    QStringList shown;
    bool startedFromTheBox = false;
    const platform::MsgBoxHandler previous = platform::setMsgBoxHandler([&](const platform::MsgBoxRequest& request) {
        shown << request.prompt;
        TransferGuard fromTheBox;
        startedFromTheBox = startedFromTheBox || fromTheBox.acquired();
        return platform::vbOK;
    });
    {
        TransferGuard transfer;
        EXPECT_TRUE(transfer.acquired());
        EXPECT_EQ(db().intWritePageInt(1, 12, QByteArray(7, '\0')), -1);
    }
    platform::setMsgBoxHandler(previous);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.first().contains(QStringLiteral("8 bytes"))) << shown.first().toStdString();
    EXPECT_FALSE(startedFromTheBox);
}
