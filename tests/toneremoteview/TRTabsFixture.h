#pragma once
// The Voting / Levels and Advanced tabs' controls on their own: their frames in a host widget with
// the General tab's line-interface buttons and the Function Tones tab's keytone list, a document,
// and the program's database (for the line-level and filter tables).
#include "db/DbFixture.h"
#include "toneremote/TRFixture.h"
#include "toneremote/COrvDocTR.h"
#include "toneremoteview/TRAdvancedControls.h"
#include "toneremoteview/TRVotingControls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

class TRTabsFixture : public DbFixture {
protected:
    void SetUp() override
    {
        DbFixture::SetUp();
        host = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(host.get());
        auto frame = [&](const char* name) {
            auto* f = new QGroupBox(host.get());
            f->setObjectName(QString::fromLatin1(name));
            layout->addWidget(f);
            return f;
        };
        opt2Wire = new QRadioButton(QStringLiteral(" 2-wire"), host.get());
        opt4Wire = new QRadioButton(QStringLiteral(" 4-wire"), host.get());
        keytone = new QComboBox(host.get());
        keytone->setEditable(true);
        keytone->addItems({QStringLiteral("2100"), QStringLiteral("2970")});
        advanced =
            new TRAdvancedControls(frame("Frame2"), frame("fraAdvanced1"), frame("fraAdvanced2"), frame("fraAdvanced3"),
                                   frame("lowVolt"), host.get(), [this]() -> COrvDocTR& { return doc; });
        TRVotingLinks links;
        links.document = [this]() -> COrvDocTR& { return doc; };
        links.database = [this] { return db().dbAccess(); };
        voting = new TRVotingControls(frame("fraAdv1"), frame("fraAdv2"), frame("Frame4"), host.get(), links);
        voting->link(opt2Wire, opt4Wire, keytone, advanced->chkNotchFiltReq);
        voting->cboTOI->addItems({QStringLiteral("2100"), QStringLiteral("2970"), QStringLiteral("3000")});
    }
    void TearDown() override
    {
        host.reset();
        DbFixture::TearDown();
    }

    // The document decoded from a freshly programmed module's image.
    void loadDefault()
    {
        trtest::loadImage(doc, trtest::defaultImage());
        ASSERT_EQ(doc.intInitSystemInfo(), 0);
    }
    // The document shown on both tabs as the window shows it (the line interface first).
    void showDocument(bool fourWire = true)
    {
        (fourWire ? opt4Wire : opt2Wire)->setChecked(true);
        ASSERT_EQ(voting->intShowVoting(), 0);
        ASSERT_EQ(advanced->ShowAdvanced(), 0);
        doc.fModified = false;
    }
    // Types into a box as the user does (through its key filter).
    static void type(QLineEdit* box, const QString& text)
    {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    COrvDocTR doc;
    std::unique_ptr<QWidget> host;
    QRadioButton* opt2Wire = nullptr;
    QRadioButton* opt4Wire = nullptr;
    QComboBox* keytone = nullptr;
    TRVotingControls* voting = nullptr;
    TRAdvancedControls* advanced = nullptr;
};
