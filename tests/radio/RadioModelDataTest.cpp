// The model's radio-frequency data: from the catalogue by custom type or model type, and from the
// pages of the image when the catalogue knows neither.
#include "RadioFixture.h"

#include <QSqlQuery>

using namespace radiolayout;

namespace {

class RadioModelData : public RadioDbTest {
protected:
    void SetUp() override
    {
        RadioDbTest::SetUp();
        QSqlQuery add(db());
        ASSERT_TRUE(add.exec("INSERT INTO tblMODData (MODULENUMB, Lowerfreql, Upperfreql, Ref1, Ref2, IntFreq, TCXOFreq, "
                             "Prescalar, Doubled, Type, InfoType, BANLF, BANHF) VALUES ('Site Rx', 150000000, 160000000, "
                             "5000, 2500, 45000000, 12800000, 32, 'YES', 'Receiver', 'Vr31-05-0000', 1.5, 2.5)"));
    }

    // A document of the current layout whose pages 12-15 carry RF data (when `marked`).
    void withRfPages(bool marked)
    {
        doc.intPartition = kPartition;
        doc.intWritePage(kBandPage, page7to0({0x1C, 0x03, 0xA1, 0x80, 0x18, 0x05, 0x4A, 0xC0})); // 470 / 403 MHz
        doc.intWritePage(kReferencePage, page7to0({0, 0, 0x18, 0x6A, 0, 0, 0x30, 0xD4}));       // 6250 / 12500
        doc.intWritePage(kOscillatorPage, page7to0({0xFE, 0xB9, 0x76, 0x3F, 0, 0xC3, 0x50, 0})); // -21.4 MHz / 12.8 MHz
        doc.intWritePage(kSynthPage, page7to0({0, 128, 1, 0, 0, 0, marked ? 3 : 0, 7}));
    }

    void expectUhfReceiverOfPages()
    {
        EXPECT_EQ(doc.lngUpperFreql, 470000000);
        EXPECT_EQ(doc.lngLowerFreql, 403000000);
        EXPECT_EQ(doc.lngRef2, 6250);
        EXPECT_EQ(doc.lngRef1, 12500);
        EXPECT_EQ(doc.lngIntFreq, -21400000);
        EXPECT_EQ(doc.lngTCXOFreq, 12800000);
        EXPECT_EQ(doc.intPrescalar, 128);
        EXPECT_TRUE(doc.boolDoubled);
    }

    testsupport::ScriptedMsgBox boxes;
    CLASSOrvDocument doc;
};

TEST_F(RadioModelData, StandardModelWithoutCustomType)
{
    doc.strModuleType = "Vr51-25-0000";
    ASSERT_EQ(doc.intReadModData(), 0);
    EXPECT_EQ(doc.strModuleUsed, "Vr51-25-0000");
    EXPECT_EQ(doc.strModelAsMade, "Vr51-25-0000");
    EXPECT_EQ(doc.intRxTxEx, 2);
    EXPECT_EQ(doc.lngLowerFreql, 403000000);
    EXPECT_EQ(doc.lngUpperFreql, 470000000);
    EXPECT_EQ(doc.lngRef1, 12500);
    EXPECT_EQ(doc.lngRef2, 6250);
    EXPECT_EQ(doc.lngIntFreq, 0);
    EXPECT_EQ(doc.lngTCXOFreq, 12800000);
    EXPECT_EQ(doc.intPrescalar, 64);
    EXPECT_TRUE(doc.boolDoubled);
    EXPECT_EQ(doc.lngBanLFreq, 433000000.0);
    EXPECT_EQ(doc.lngBanUFreq, 435000000.0);
}

TEST_F(RadioModelData, CustomTypeFoundFirst)
{
    doc.strModuleType = "Vr31-05-0000";
    doc.strCustomType = "Site Rx";
    ASSERT_EQ(doc.intReadModData(), 0);
    EXPECT_EQ(doc.strModuleUsed, "Site Rx");
    EXPECT_EQ(doc.strModelAsMade, "Vr31-05-0000");
    EXPECT_EQ(doc.lngIntFreq, 45000000);
    EXPECT_EQ(doc.lngRef1, 5000);
    EXPECT_EQ(doc.lngBanUFreq, 2.5);

    // A custom type that is the model type's first seven characters looks up the model type.
    doc.strModuleType = "Vr31-15-0000";
    doc.strCustomType = "Vr31-15";
    ASSERT_EQ(doc.intReadModData(), 0);
    EXPECT_EQ(doc.strModuleUsed, "Vr31-15");
    EXPECT_EQ(doc.strModelAsMade, "Standard");
    EXPECT_EQ(doc.intRxTxEx, 1);
}

TEST_F(RadioModelData, UnknownCustomTypeWarnsOncePerDocument)
{
    doc.strModuleType = "Vr31-15-0000";
    doc.strCustomType = "Nowhere";
    boxes.expect("Warning: The custom type [Nowhere] is not in database. ");
    ASSERT_EQ(doc.intReadModData(), 0);
    EXPECT_EQ(doc.strModuleUsed, "Vr31-15-0000");
    EXPECT_EQ(doc.strModelAsMade, "Vr31-15-0000");
    EXPECT_EQ(doc.intRxTxEx, 1);
    ASSERT_EQ(doc.intReadModData(), 0); // no second warning
}

TEST_F(RadioModelData, NeitherKnownTakesTheRfPages)
{
    doc.strModuleType = "Vr99-99-0000";
    doc.strCustomType = "Nowhere";
    withRfPages(true);
    boxes.expect("Warning: The custom type [Nowhere]");
    ASSERT_EQ(doc.intReadModData(), 0);
    expectUhfReceiverOfPages();
    EXPECT_EQ(doc.strModuleUsed, "Vr99-99-0000");
    EXPECT_EQ(doc.strModelAsMade, "Vr99-99-0000");
    EXPECT_EQ(pageOf(doc, kSynthPage), page7to0({0, 128, 1, 0, 0, 0, 3, 0})) << "the mark is written anew";
}

TEST_F(RadioModelData, NeitherKnownNorRfPagesFailsQuietly)
{
    doc.strModuleType = "Vr99-99-0000";
    withRfPages(false);
    doc.lngRef1 = 777;
    EXPECT_EQ(doc.intReadModData(), -1);
    EXPECT_EQ(doc.lngRef1, 777);
}

TEST_F(RadioModelData, OlderLayoutWithoutCatalogueEntryWarns)
{
    doc.intPartition = kOldPartition;
    doc.strModuleType = "Vr99-99-0000";
    doc.strCustomType = "Nowhere";
    boxes.expect("The  custome type:[Nowhere] and module type [Vr99-99-0000] are not in database. The data displayed "
                 "may be incorrect!");
    boxes.expect("Warning: The custom type [Nowhere]");
    ASSERT_EQ(doc.intReadModData(), 0);
    EXPECT_EQ(doc.strModuleUsed, "Vr99-99-0000");
}

} // namespace
