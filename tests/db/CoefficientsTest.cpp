// Tone-remote coefficient look-ups: each copies one reference row into the caller's array.
#include "DbFixture.h"

#include <array>
#include <functional>

using testsupport::ScriptedMsgBox;

class CoefficientsTest : public DbFixture {
protected:
    // Column C`i` of the first row of `sql`.
    QList<qint64> row(const QString& text, const QVariantList& values, int last)
    {
        QSqlQuery q = sql(text, values);
        EXPECT_TRUE(q.next());
        QList<qint64> out;
        for (int i = 0; i <= last; ++i)
            out << q.value(QStringLiteral("C%1").arg(i)).toLongLong();
        return out;
    }
};

TEST_F(CoefficientsTest, EachLookUpFillsItsArray)
{
    struct Case {
        const char* name;
        std::function<int16_t(std::span<int16_t>, std::span<int32_t>)> call;
        bool wide;  // 32-bit array
        int last;
        QString rowSql;
        QVariantList key;
    };
    const QList<Case> cases = {
        {"five-tone", [this](auto a, auto) { return db().intGetFiveToneStandardCoef(QStringLiteral("ZVEI"), a); }, false, 23,
         QStringLiteral("SELECT * FROM tblTRFiveToneStandard WHERE FiveToneStandard = ?"), {"ZVEI"}},
        {"calculated", [this](auto, auto l) { return db().intGetCalculatedCoef(QStringLiteral("FN_Tones"), l); }, true, 32,
         QStringLiteral("SELECT * FROM tblCoeff WHERE CoeffSelector = ?"), {"FN_Tones"}},
        {"slide", [this](auto a, auto) { return db().intGetSlideCoef(3000, a); }, false, 24,
         QStringLiteral("SELECT * FROM qryTRFilter WHERE Frequency = ? AND Prefix = ?"), {3000, "l"}},
        {"selcall codes", [this](auto, auto l) { return db().GetSelcallCodeAdded(QStringLiteral("CCIR"), l); }, true, 23,
         QStringLiteral("SELECT * FROM tblSelcallCode WHERE Tone_Standard = ?"), {"CCIR"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::array<int16_t, 33> narrow;
        std::array<int32_t, 34> wide;
        narrow.fill(-5);
        wide.fill(-5);
        ASSERT_EQ(c.call(narrow, wide), 0);
        const QList<qint64> expected = row(c.rowSql, c.key, c.last);
        for (int i = 0; i < 33; ++i) {
            const qint64 got = c.wide ? wide[i] : narrow[i];
            EXPECT_EQ(got, i <= c.last ? expected[i] : -5) << "index " << i;
        }
    }
    // The function-tone row holds values beyond 16 bits, which the 32-bit array keeps.
    std::array<int32_t, 33> fn{};
    ASSERT_EQ(db().intGetCalculatedCoef(QStringLiteral("FN_Tones"), fn), 0);
    EXPECT_GT(fn[0], 32767);
}

TEST_F(CoefficientsTest, KeytoneTablesAndMissingRows)
{
    std::array<int16_t, 33> lt, rt;
    lt.fill(-5);
    rt.fill(-5);
    ASSERT_EQ(db().intGetKeyToneFrequencyCoef(2175, lt, rt), 0);
    const auto p = row(QStringLiteral("SELECT * FROM qryTRFilter WHERE Frequency = 2175 AND Prefix = 'p'"), {}, 24);
    const auto n = row(QStringLiteral("SELECT * FROM qryTRFilter WHERE Frequency = 2175 AND Prefix = 'n'"), {}, 24);
    for (int i = 0; i <= 24; ++i) {
        EXPECT_EQ(lt[i], p[i]);
        EXPECT_EQ(rt[i], n[i]);
    }
    EXPECT_EQ(lt[25], -5);

    // Without the 'p' row the 'n' row is still copied, and the status is -1.
    sql(QStringLiteral("DELETE FROM tblTRFilter WHERE Frequency = 2175 AND Prefix = 'p'"));
    lt.fill(-5);
    rt.fill(-5);
    EXPECT_EQ(db().intGetKeyToneFrequencyCoef(2175, lt, rt), -1);
    EXPECT_EQ(lt[0], -5);
    EXPECT_EQ(rt[12], n[12]);

    // Rows that are not there, names with an apostrophe: -1 without a message, arrays untouched.
    std::array<int32_t, 33> codes;
    codes.fill(-5);
    EXPECT_EQ(db().GetSelcallCodeAdded(QStringLiteral("O'Brien"), codes), -1);
    EXPECT_EQ(db().intGetSlideCoef(1234, lt), -1);
    EXPECT_EQ(db().intGetFiveToneStandardCoef(QStringLiteral("EIA"), lt), -1);
    EXPECT_EQ(codes[0], -5);
    EXPECT_EQ(lt[0], -5);
}

TEST_F(CoefficientsTest, ShortArrayIsReported)
{
    std::array<int16_t, 10> small;
    small.fill(-5);
    ScriptedMsgBox box;
    box.expect(QStringLiteral("Subscript out of range"));
    EXPECT_EQ(db().intGetSlideCoef(3000, small), -1);
    EXPECT_NE(small[9], -5) << "the entries before the missing index are written";
}
