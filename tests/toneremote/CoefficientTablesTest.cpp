// The signal-processor tables of the tone-remote image, filled from the database's reference rows.
#include "TRFixture.h"

#include "db/DbFixture.h"

#include <QStringList>

using namespace trtest;

namespace {

constexpr uint8_t kFill = 0xEE; // what the table pages hold before a test fills them

QString columns(int count)
{
    QStringList c;
    for (int i = 0; i < count; ++i)
        c << QStringLiteral("C%1").arg(i);
    return c.join(QStringLiteral(", "));
}

QString marks(int count)
{
    QStringList m;
    for (int i = 0; i < count; ++i)
        m << QStringLiteral("?");
    return m.join(QStringLiteral(", "));
}

// A filter row's 25 values: value(i) for C0..C24.
std::vector<int> rowOf(const std::function<int(int)>& value)
{
    std::vector<int> row;
    for (int i = 0; i < 25; ++i)
        row.push_back(value(i));
    return row;
}

// The 32 words of a filter table made from a row: its 25 values, then 0.
std::vector<int> filterWords(const std::vector<int>& row)
{
    std::vector<int> words(row);
    words.resize(32, 0);
    return words;
}

class CoefficientTablesTest : public DbFixture {
protected:
    void SetUp() override
    {
        DbFixture::SetUp();
        for (int p = 16; p <= 95; ++p)
            doc.SetPage(p, kFill, kFill, kFill, kFill, kFill, kFill, kFill, kFill);
        for (int p = 216; p <= 219; ++p)
            doc.SetPage(p, kFill, kFill, kFill, kFill, kFill, kFill, kFill, kFill);
    }

    void addFilter(int frequency, const char* prefix, const std::vector<int>& row)
    {
        QVariantList values{frequency, QString::fromLatin1(prefix)};
        for (int v : row)
            values << v;
        sql(QStringLiteral("INSERT INTO tblTRFilter (Frequency, Prefix, %1) VALUES (?, ?, %2)").arg(columns(25), marks(25)),
            values);
    }
    void addStandard(const QString& name, int order, std::vector<int> tones)
    {
        tones.resize(24, 0);
        QVariantList values{name, order};
        for (int t : tones)
            values << t;
        sql(QStringLiteral("INSERT INTO tblTRFiveToneStandard (FiveToneStandard, ListOrder, %1) VALUES (?, ?, %2)")
                .arg(columns(24), marks(24)),
            values);
    }
    std::vector<int> storedFilter(int frequency, const char* prefix)
    {
        QSqlQuery q = sql(QStringLiteral("SELECT %1 FROM tblTRFilter WHERE Frequency = ? AND Prefix = ?").arg(columns(25)),
                          {frequency, QString::fromLatin1(prefix)});
        EXPECT_TRUE(q.next());
        return rowOf([&](int i) { return q.value(i).toInt(); });
    }

    // Word w of a table from `firstPage`, as a signed 16-bit value.
    int tableWord(int firstPage, int w) { return static_cast<int16_t>(wordAt(doc, firstPage + w / 4, 7 - 2 * (w % 4))); }
    std::vector<int> tableWords(int firstPage, int count)
    {
        std::vector<int> words;
        for (int w = 0; w < count; ++w)
            words.push_back(tableWord(firstPage, w));
        return words;
    }

    COrvDocTR doc;
};

// Two's-complement words, a negative value among them.
const std::vector<int> kRowP = rowOf([](int i) { return i == 3 ? -5 : i + 1; });
const std::vector<int> kRowN = rowOf([](int i) { return 100 + i; });
const std::vector<int> kRowL = rowOf([](int i) { return -(i + 1); });
const std::vector<int> kRowTOI = rowOf([](int i) { return 200 + i; });

} // namespace

TEST_F(CoefficientTablesTest, FilterRowsFillTheKeytoneAndSharedTables)
{
    addFilter(1234, "p", kRowP);
    addFilter(1234, "n", kRowN);
    addFilter(1234, "l", kRowL);
    addFilter(1300, "p", kRowP);
    addFilter(1300, "n", kRowTOI);

    ASSERT_EQ(doc.intSetKeyToneFrequency(1234), 0);
    EXPECT_EQ(tableWords(16, 32), filterWords(kRowP));
    EXPECT_EQ(tableWords(48, 32), filterWords(kRowN));
    EXPECT_EQ(tableWords(56, 32), filterWords(kRowN));
    EXPECT_EQ(wordAt(doc, 12, 7), 1234);
    EXPECT_EQ(doc.intKeytoneFrequencyLT5, 1234);
    EXPECT_EQ(doc.intKeytoneFrequencyLT10, 1234);
    EXPECT_EQ(doc.intKeytoneFrequencyRT10, 1234);
    EXPECT_EQ(testsupport::pageOf(doc, 24), QByteArray(8, char(kFill))); // the next table is not touched

    // The tone-on-idle table replaces the shared table only, and only the second keytone word
    // (page 63 holds filter words 28-31, 0 in every table).
    QByteArray before = imageOf(doc);
    ASSERT_EQ(doc.SetTOIFrequency(1300), 0);
    EXPECT_EQ(tableWords(56, 32), filterWords(kRowTOI));
    EXPECT_EQ(wordAt(doc, 12, 5), 1300);
    EXPECT_EQ(doc.intKeytoneFrequencyLT10, 1300);
    EXPECT_EQ(doc.intKeytoneFrequencyLT5, 1234);
    EXPECT_EQ(doc.intKeytoneFrequencyRT10, 1234);
    EXPECT_EQ(differingPages(imageOf(doc), before), (QList<int>{12, 56, 57, 58, 59, 60, 61, 62}));

    before = imageOf(doc);
    ASSERT_EQ(doc.SetSlideVoteTone(1234), 0);
    EXPECT_EQ(tableWords(56, 32), filterWords(kRowL));
    EXPECT_EQ(differingPages(imageOf(doc), before), (QList<int>{56, 57, 58, 59, 60, 61, 62}));

    ASSERT_EQ(doc.SetZeroRT10Table(), 0);
    EXPECT_EQ(tableWords(56, 32), filterWords(storedFilter(3000, "l")));
    EXPECT_EQ(doc.intKeytoneFrequencyLT10, 1300);
}

TEST_F(CoefficientTablesTest, SelcallTableListsTheCountThenEachTonesPairLastToneFirst)
{
    addStandard(QStringLiteral("Five"), 100, {650, 2000, 2400, 2600, 4000});
    ASSERT_EQ(doc.intSetSelcallStandard(QStringLiteral("Five")), 0);
    // Count, then (cosine, sine) of 4000, 2600, 2400, 2000 and 650 Hz.
    EXPECT_EQ(tableWords(32, 11),
              (std::vector<int>{4, -32767, 1, -14876, 29196, -10126, 31164, 1, 32767, 28590, 16011}));
    EXPECT_EQ(byteAt(doc, 34, 1), kFill); // page 34 word 3 lies beyond the table

    // An even number of tones: no gap and none left out.
    std::vector<int> sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen.push_back(1000 + 100 * i);
    addStandard(QStringLiteral("Sixteen"), 101, sixteen);
    ASSERT_EQ(doc.intSetSelcallStandard(QStringLiteral("Sixteen")), 0);
    const std::vector<int> words = tableWords(32, 33);
    EXPECT_EQ(words[0], 15);
    EXPECT_EQ(words[1], -12539); // 2500 Hz
    EXPECT_EQ(words[2], 30273);
    EXPECT_EQ(words[31], 23170); // 1000 Hz, page 39 word 3 and page 40 word 0
    EXPECT_EQ(words[32], 23170);
    EXPECT_EQ(byteAt(doc, 40, 5), kFill);

    // A tone of 0 Hz among the first n entries gives two zero words.
    addStandard(QStringLiteral("Gap"), 102, {0, 1000, 2000});
    ASSERT_EQ(doc.intSetSelcallStandard(QStringLiteral("Gap")), 0);
    EXPECT_EQ(tableWords(32, 5), (std::vector<int>{1, 23170, 23170, 0, 0}));
}

TEST_F(CoefficientTablesTest, ThirtyTwoBitRowsAreStoredOneBelowTwosComplementWhenNegative)
{
    sql(QStringLiteral("UPDATE tblCoeff SET C0 = -1, C32 = -2 WHERE CoeffSelector = 'FN_Tones'"));
    ASSERT_EQ(doc.CreateFnTonesStds(), 0);
    EXPECT_EQ(wordAt(doc, 24, 7), 0xFFFE);
    EXPECT_EQ(wordAt(doc, 24, 5), 16011);
    EXPECT_EQ(wordAt(doc, 24, 3), 54491); // above 32767: its low 16 bits
    EXPECT_EQ(wordAt(doc, 31, 1), 32458); // C31
    EXPECT_EQ(wordAt(doc, 32, 7), 0xFFFD); // C32 in page 32 word 0

    sql(QStringLiteral("UPDATE tblSelcallCode SET C2 = -1, C3 = 300, C17 = 70000 WHERE Tone_Standard = 'CCIR'"));
    ASSERT_EQ(doc.SetSelcallCode(QStringLiteral("CCIR")), 0);
    // Code j in page 216 + j / 4, high byte in the even byte 2 (j mod 4).
    EXPECT_EQ(testsupport::pageOf(doc, 216), QByteArray("\xFF\xFE\x01\x2C\x00\x02\x00\x03", 8));
    EXPECT_EQ(testsupport::pageOf(doc, 217).left(2), QByteArray("\x00\x04", 2));
    EXPECT_EQ(testsupport::pageOf(doc, 219).mid(6, 2), QByteArray("\x11\x70", 2));
}

TEST_F(CoefficientTablesTest, MuteTableTakesTheFirst128ValuesInIdOrder)
{
    sql(QStringLiteral("UPDATE tblMute SET Mute_Value = -2 WHERE ID = 0"));
    sql(QStringLiteral("UPDATE tblMute SET Mute_Value = 1000 WHERE ID = 127"));
    sql(QStringLiteral("INSERT INTO tblMute (ID, Mute_Value) VALUES (128, 7)"));
    ASSERT_EQ(doc.CreateMuTable(), 0);
    EXPECT_EQ(wordAt(doc, 64, 7), 0xFFFE); // plain two's complement
    EXPECT_EQ(wordAt(doc, 64, 5), 258);
    EXPECT_EQ(wordAt(doc, 95, 1), 1000);
    EXPECT_EQ(byteAt(doc, 96, 7), 0);

    sql(QStringLiteral("UPDATE tblMute SET Mute_Value = 40000 WHERE ID = 5"));
    const QByteArray before = imageOf(doc);
    testsupport::ScriptedMsgBox boxes;
    boxes.expect(QStringLiteral("40000"));
    EXPECT_EQ(doc.CreateMuTable(), -1);
    EXPECT_EQ(imageOf(doc), before);
}

TEST_F(CoefficientTablesTest, PageThirtyTwoWordZeroHoldsWhicheverTableWasWrittenLast)
{
    ASSERT_EQ(doc.intSetSelcallStandard(QStringLiteral("CCIR")), 0);
    EXPECT_EQ(wordAt(doc, 32, 7), 11);
    ASSERT_EQ(doc.CreateFnTonesStds(), 0);
    EXPECT_EQ(wordAt(doc, 32, 7), 15);
    ASSERT_EQ(doc.intSetSelcallStandard(QStringLiteral("CCIR")), 0);
    EXPECT_EQ(wordAt(doc, 32, 7), 11);
}

TEST_F(CoefficientTablesTest, AMissingRowLeavesEveryPageAndFieldAsItWas)
{
    addFilter(1500, "p", kRowP);
    loadImage(doc, randomImage(7));
    ASSERT_EQ(doc.intInitSystemInfo(), 0);
    const QByteArray before = imageOf(doc);
    const uint16_t lt5 = doc.intKeytoneFrequencyLT5, lt10 = doc.intKeytoneFrequencyLT10,
                   rt10 = doc.intKeytoneFrequencyRT10;

    const struct {
        const char* name;
        const char* removal;
        std::function<int16_t(COrvDocTR&)> call;
    } cases[] = {
        {"no keytone rows", nullptr, [](COrvDocTR& d) { return d.intSetKeyToneFrequency(9999); }},
        {"keytone without its 'n' row", nullptr, [](COrvDocTR& d) { return d.intSetKeyToneFrequency(1500); }},
        {"no tone-on-idle rows", nullptr, [](COrvDocTR& d) { return d.SetTOIFrequency(9999); }},
        {"tone-on-idle without its 'n' row", nullptr, [](COrvDocTR& d) { return d.SetTOIFrequency(1500); }},
        {"no sliding-tone row", nullptr, [](COrvDocTR& d) { return d.SetSlideVoteTone(2175); }},
        {"no idle table row", "DELETE FROM tblTRFilter WHERE Frequency = 3000 AND Prefix = 'l'",
         [](COrvDocTR& d) { return d.SetZeroRT10Table(); }},
        {"no such standard", nullptr, [](COrvDocTR& d) { return d.intSetSelcallStandard(QStringLiteral("None")); }},
        {"no such code row", nullptr, [](COrvDocTR& d) { return d.SetSelcallCode(QStringLiteral("None")); }},
        {"no function-tone row", "DELETE FROM tblCoeff", [](COrvDocTR& d) { return d.CreateFnTonesStds(); }},
        {"127 mute rows", "DELETE FROM tblMute WHERE ID = 127", [](COrvDocTR& d) { return d.CreateMuTable(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.removal)
            sql(QString::fromLatin1(c.removal));
        EXPECT_EQ(c.call(doc), -1);
        EXPECT_EQ(imageOf(doc), before);
        EXPECT_EQ(doc.intKeytoneFrequencyLT5, lt5);
        EXPECT_EQ(doc.intKeytoneFrequencyLT10, lt10);
        EXPECT_EQ(doc.intKeytoneFrequencyRT10, rt10);
    }
}
