// The signal-processor tables of the page image, filled from the database's reference rows:
// keytone and shared filter tables, function-tone detector coefficients, the selcall tone table
// and tone codes, and the mute table. Every setter reads and works out all its words before the
// first page changes.
#include "toneremote/COrvDocTR.h"

#include "db/CLASSOrvDB.h"
#include "db/DbQuery.h"
#include "platform/PlatformError.h"
#include "shell/ByteCodecs.h"
#include "shell/FailureTrap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

using namespace trlayout;
using namespace trlayout::tables;

namespace {

using FilterRow = std::array<int16_t, kFilterCoefficients>;

// A 16-bit value as its word: two's complement.
uint16_t integerWord(int16_t value)
{
    uint8_t hi = 0, lo = 0;
    basVelmar::intIntegerToBytes(value, hi, lo);
    return static_cast<uint16_t>((hi << 8) | lo);
}

// A 32-bit value as its word: the low 16 bits of its 4-byte form (a negative value one below its
// two's complement). False after the codec's message when the value has no 4-byte form.
bool longWord(int32_t value, uint16_t& word)
{
    uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    if (basVelmar::intLongToBytes(value, b1, b2, b3, b4) != 0)
        return false;
    word = static_cast<uint16_t>((b3 << 8) | b4);
    return true;
}

// The cosine or sine word of a tone: 32767 × the value, raised to the next whole number when
// positive and not whole, else rounded to the nearest (halves to even).
int16_t toneCoefficient(double unit)
{
    const double x = 32767 * unit;
    return static_cast<int16_t>(x > 0 ? std::ceil(x) : std::nearbyint(x));
}

// Both keytone filter rows of a frequency the keytone words can hold; false when either is missing.
bool keytoneRows(int32_t frequency, FilterRow& first, FilterRow& second)
{
    return frequency >= 0 && frequency <= 65535
        && CLASSOrvDB::instance().intGetKeyToneFrequencyCoef(frequency, first, second) == 0;
}

} // namespace

void COrvDocTR::putTableWords(int firstPage, std::span<const uint16_t> words)
{
    for (size_t w = 0; w < words.size(); ++w)
        setWord(firstPage + static_cast<int>(w) / kWordsPerPage, wordHighByte(static_cast<int>(w) % kWordsPerPage), words[w]);
}

std::vector<uint16_t> COrvDocTR::filterTable(std::span<const int16_t> row)
{
    std::vector<uint16_t> words(kFilterWords, 0);
    for (int i = 0; i < kFilterCoefficients; ++i)
        words[i] = integerWord(row[i]);
    return words;
}

int16_t COrvDocTR::intSetKeyToneFrequency(int32_t lngFrequency)
{
    FilterRow first{}, second{};
    if (!keytoneRows(lngFrequency, first, second))
        return -1;
    const std::vector<uint16_t> tableA = filterTable(first);
    const std::vector<uint16_t> tableB = filterTable(second);
    putTableWords(kKeytoneTableA, tableA);
    putTableWords(kKeytoneTableB, tableB);
    putTableWords(kSharedFilterTable, tableB);
    const auto hz = static_cast<uint16_t>(lngFrequency);
    intKeytoneFrequencyLT5 = hz;
    intKeytoneFrequencyLT10 = hz;
    intKeytoneFrequencyRT10 = hz;
    setWord(kKeytonePage, keytone::kFirstHi, hz);
    return 0;
}

int16_t COrvDocTR::SetTOIFrequency(int32_t lngFrequency)
{
    FilterRow first{}, second{};
    if (!keytoneRows(lngFrequency, first, second))
        return -1;
    putTableWords(kSharedFilterTable, filterTable(second));
    const auto hz = static_cast<uint16_t>(lngFrequency);
    intKeytoneFrequencyLT10 = hz;
    setWord(kKeytonePage, keytone::kSecondHi, hz);
    return 0;
}

int16_t COrvDocTR::SetSlideVoteTone(int32_t lngFrequency)
{
    FilterRow row{};
    if (CLASSOrvDB::instance().intGetSlideCoef(lngFrequency, row) != 0)
        return -1;
    putTableWords(kSharedFilterTable, filterTable(row));
    return 0;
}

int16_t COrvDocTR::SetZeroRT10Table()
{
    return SetSlideVoteTone(kZeroRT10Frequency);
}

int16_t COrvDocTR::intSetSelcallStandard(const QString& strStandard)
{
    std::array<int16_t, kSelcallTones> tones{};
    if (CLASSOrvDB::instance().intGetFiveToneStandardCoef(strStandard, tones) != 0)
        return -1;
    const int n = static_cast<int>(std::count_if(tones.begin(), tones.end(), [](int16_t f) { return f != 0; }));
    // Count word, then the (cosine, sine) pair of each tone, the last tone's first.
    std::vector<uint16_t> words(2 * n + 1, 0);
    words[0] = integerWord(static_cast<int16_t>(n - 1));
    for (int t = 0; t < n; ++t) {
        const double angle = std::numbers::pi * tones[t] / 4000.0;
        const bool none = tones[t] == 0;
        words[2 * (n - 1 - t) + 1] = integerWord(none ? 0 : toneCoefficient(std::cos(angle)));
        words[2 * (n - 1 - t) + 2] = integerWord(none ? 0 : toneCoefficient(std::sin(angle)));
    }
    putTableWords(kSelcallTable, words);
    return 0;
}

int16_t COrvDocTR::SetSelcallCode(const QString& strStandard)
{
    std::array<int32_t, kSelcallTones> row{};
    if (CLASSOrvDB::instance().GetSelcallCodeAdded(strStandard, row) != 0)
        return -1;
    std::array<uint16_t, kSelcallCodeCount> codes{};
    for (int j = 0; j < kSelcallCodeCount; ++j)
        if (!longWord(row[kSelcallCodeFirstColumn + j], codes[j]))
            return -1;
    // High byte in the even byte, unlike every other table.
    for (int j = 0; j < kSelcallCodeCount; ++j) {
        const int page = kSelcallCodes + j / kWordsPerPage;
        at(page, selcallCodeHighByte(j)) = static_cast<uint8_t>(codes[j] >> 8);
        at(page, selcallCodeHighByte(j) + 1) = static_cast<uint8_t>(codes[j] & 0xFF);
    }
    return 0;
}

int16_t COrvDocTR::CreateFnTonesStds()
{
    std::array<int32_t, kFnToneCoefficientCount> row{};
    if (CLASSOrvDB::instance().intGetCalculatedCoef(QStringLiteral("FN_Tones"), row) != 0)
        return -1;
    std::array<uint16_t, kFnToneCoefficientCount> words{};
    for (int i = 0; i < kFnToneCoefficientCount; ++i)
        if (!longWord(row[i], words[i]))
            return -1;
    putTableWords(kFnToneCoefficients, words);
    return 0;
}

int16_t COrvDocTR::CreateMuTable()
{
    return basVelmar::trapped([&]() -> int16_t {
        QList<int32_t> values;
        CLASSOrvDB::instance().ReadMuteTable(values);
        if (values.size() < kMuteWords)
            return -1;
        std::array<uint16_t, kMuteWords> words{};
        for (int r = 0; r < kMuteWords; ++r) {
            if (values[r] < -32768 || values[r] > 32767)
                throw platform::Error(velmardb::kErrOverflow,
                                      QStringLiteral("Mute value %1 (row %2) does not fit a 16-bit word.").arg(values[r]).arg(r));
            words[r] = integerWord(static_cast<int16_t>(values[r]));
        }
        putTableWords(kMuteTable, words);
        return 0;
    });
}
