#include "db/CModule.h"
#include "db/CRADIO.h"

#include <gtest/gtest.h>

TEST(CRADIO, KnownTypesKeepEverythingOthersOnlySerialAndCode)
{
    CRADIO rx;
    EXPECT_EQ(rx.intInit(QStringLiteral("1234"), 2, QStringLiteral("Vr33-15-0000"), QStringLiteral("Site"),
                         QStringLiteral("Spare"), 45000.5, 45001.25),
              0);
    EXPECT_EQ(rx.strRxTxEx, QStringLiteral("Exciter"));
    EXPECT_EQ(rx.strModuleType, QStringLiteral("Vr33-15-0000"));
    EXPECT_EQ(rx.strCustomType, QStringLiteral("Site"));
    EXPECT_EQ(rx.strUserRemark, QStringLiteral("Spare"));
    EXPECT_DOUBLE_EQ(rx.datCreated, 45000.5);
    EXPECT_DOUBLE_EQ(rx.datUpdated, 45001.25);

    for (int16_t code : {4, 5, -1}) {
        CRADIO other;
        EXPECT_EQ(other.intInit(QStringLiteral("99"), code, QStringLiteral("model"), QStringLiteral("custom"),
                                QStringLiteral("remark"), 1, 2),
                  -1);
        EXPECT_EQ(other.strSerial, QStringLiteral("99"));
        EXPECT_EQ(other.intRxTxEx, code);
        EXPECT_TRUE(other.strRxTxEx.isEmpty());
        EXPECT_TRUE(other.strModuleType.isEmpty());
        EXPECT_TRUE(other.strCustomType.isEmpty());
        EXPECT_TRUE(other.strUserRemark.isEmpty());
        EXPECT_EQ(other.datCreated, 0);
    }
}

TEST(CModule, DoublerTextInAnyCaseKindTextsExactly)
{
    const struct {
        const char* doubled;
        const char* type;
        const char* info;
        bool fDoubled;
        int16_t code;
        bool standard;
    } cases[] = {
        {"YES", "Receiver", "Standard", true, 0, true},
        {"yes", "Transmitter", "User", true, 1, false},
        {"Yes ", "ToneRemote", "standard", false, 3, false},
        {"NO", "receiver", "Standard", false, -1, true},
        {"", "Exciter", "", false, 2, false},
    };
    for (const auto& c : cases) {
        CModule m;
        EXPECT_EQ(m.intInit(QStringLiteral("Vr31-15-0000"), 148000000, 174000000, 12500, 6250, 21400000, 12800000, 64,
                            QLatin1String(c.doubled), QLatin1String(c.type), QLatin1String(c.info)),
                  0);
        EXPECT_EQ(m.fDoubled, c.fDoubled) << c.doubled;
        EXPECT_EQ(m.intRxTxEx, c.code) << c.type;
        EXPECT_EQ(m.strRxTxEx, QLatin1String(c.type));
        EXPECT_EQ(m.boolStandard, c.standard) << c.info;
        EXPECT_EQ(m.lngIntFreq, 21400000);
        EXPECT_EQ(m.intPrescalar, 64);
    }
}
