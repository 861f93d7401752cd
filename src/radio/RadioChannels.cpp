// The channel pages of a radio module: setting up, editing, clearing, deleting and adding
// channels, the default channel, the barred band and the model and partition tests.
#include "radio/CLASSOrvDocument.h"

#include "link/TransferGuard.h"
#include "db/CLASSOrvDB.h"
#include "radio/RadioFailure.h"
#include "radio/RadioPageWords.h"
#include "shell/FrequencyCodecs.h"

#include <algorithm>
#include <limits>

using namespace radiolayout;

namespace {

// The tone code of a CTCSS frequency. 0 Hz is no tone (code 0), as code 0 reads as 0 Hz; a
// frequency the table does not hold is no tone too. False for such an unknown frequency.
bool ctcssCodeOf(double frequency, int32_t& code)
{
    code = 0;
    if (frequency == 0)
        return true;
    int32_t found = 0;
    if (CLASSOrvDB::instance().intCTCSSFrequency2CTCSSTone(frequency, found) != 0)
        return false;
    code = found;
    return true;
}

[[noreturn]] void channelOutOfImage(int channel, int partition)
{
    radiodoc::fail(radiodoc::kOutOfRange,
                   QStringLiteral("Channel %1 lies outside the module's memory (first channel page %2, last page %3).")
                       .arg(channel)
                       .arg(partition)
                       .arg(kLastPage));
}

// A pot setting that a run of channels reaches: from `start`, `inc` more for each further channel.
void checkPotRun(int start, int inc, int count, const char* what)
{
    const long long last = static_cast<long long>(start) + static_cast<long long>(inc) * (count - 1);
    if (start < 0 || start > 255 || last < 0 || last > 255)
        radiodoc::fail(radiodoc::kOverflow,
                       QStringLiteral("The %1 of the channels would run from %2 to %3; it must stay within 0 to 255.")
                           .arg(QLatin1String(what))
                           .arg(start)
                           .arg(last));
}

} // namespace

int16_t CLASSOrvDocument::intInitChannel()
{
    return radiodoc::trapped([&]() -> int16_t {
        if (channelPage(kMaxChannels) < 0)
            channelOutOfImage(kMaxChannels, intPartition);
        for (int n = 1; n <= kMaxChannels; ++n) {
            auto& page = pages_[channelPage(n)];
            page.fill(0);
            page[channel::kPins] = channel::kNoPins;
        }
        if (lngRef1 == 0)
            radiodoc::fail(radiodoc::kDivisionByZero, QStringLiteral("The first reference of the model is 0: the channels cannot be set up."));

        // Channel 1: the band's lower edge rounded down to the first reference, plus the IF.
        const long long first = static_cast<long long>(lngLowerFreql) / lngRef1 * lngRef1 + lngIntFreq;
        if (first < std::numeric_limits<int32_t>::min() || first > std::numeric_limits<int32_t>::max())
            radiodoc::fail(radiodoc::kOverflow, QStringLiteral("The first channel's frequency %1 Hz is out of range.").arg(first));
        auto& page = pages_[channelPage(1)];
        if (basVelmar::intFrequencyToBytes(static_cast<int32_t>(first), lngRef1, lngRef2, page[channel::kFreq1],
                                           page[channel::kFreq2], page[channel::kFreq3])
            != 0)
            return -1;
        radiofields::setToneCode(page, 0);
        page[channel::kDeviation] = channel::kNewDeviation;
        page[channel::kReference] = channel::kNewReference;
        page[channel::kPins] = channel::kNoPins;
        return 0;
    });
}

int16_t CLASSOrvDocument::intEditChannel(int16_t intSChannel, int16_t intEChannel, int32_t lngFrequency,
                                         int32_t lngFStep, bool boolFreq, double dblCTCSSFrequency, bool boolCTCSS,
                                         int16_t intDeviation, int16_t intDeviationInc, bool boolDeviation,
                                         int16_t intReference, int16_t intReferenceInc, bool boolReference,
                                         uint8_t bytPIN, uint8_t bytPINMask, bool boolPINs)
{
    if (intEChannel < intSChannel || intSChannel < 1 || intEChannel < 0)
        return -1;
    return radiodoc::trapped([&]() -> int16_t {
        // The whole run is checked first, so a run that cannot be done changes no channel.
        if (channelPage(intEChannel) < 0)
            channelOutOfImage(intEChannel, intPartition);
        const int count = intEChannel - intSChannel + 1;
        if (boolDeviation)
            checkPotRun(intDeviation, intDeviationInc, count, "deviation");
        if (boolReference)
            checkPotRun(intReference, intReferenceInc, count, "reference modulation");

        long long f = lngFrequency != 0 ? static_cast<long long>(lngFrequency) + lngIntFreq : 0;
        const long long bandTop = static_cast<long long>(lngIntFreq) + lngUpperFreql;
        int32_t code = 0;
        if (boolCTCSS)
            ctcssCodeOf(dblCTCSSFrequency, code);
        int deviation = intDeviation;
        int reference = intReference;

        for (int n = intSChannel; n <= intEChannel; ++n) {
            auto& page = pages_[channelPage(n)];
            if (boolFreq) {
                if (f != 0) {
                    // A frequency that neither reference divides is written as no frequency.
                    if (f >= 0 && f <= std::numeric_limits<int32_t>::max())
                        basVelmar::intFrequencyToBytes(static_cast<int32_t>(f), lngRef1, lngRef2, page[channel::kFreq1],
                                                       page[channel::kFreq2], page[channel::kFreq3]);
                    // Past the band's upper edge the channels repeat the last frequency.
                    if (f + lngFStep < bandTop)
                        f += lngFStep;
                } else {
                    page[channel::kFreq1] = page[channel::kFreq2] = page[channel::kFreq3] = 0;
                }
            }
            if (boolCTCSS) {
                radiofields::setToneCode(page, code);
            }
            if (boolDeviation) {
                page[channel::kDeviation] = static_cast<uint8_t>(deviation);
                if (n != intEChannel)
                    deviation += intDeviationInc;
            }
            if (boolReference) {
                page[channel::kReference] = static_cast<uint8_t>(reference);
                if (n != intEChannel)
                    reference += intReferenceInc;
            }
            if (boolPINs)
                page[channel::kPins] = static_cast<uint8_t>((page[channel::kPins] & ~bytPINMask) | (bytPIN & bytPINMask));
            page[channel::kFreq1] &= static_cast<uint8_t>(~channel::kFlagBit);
        }
        return 0;
    });
}

int16_t CLASSOrvDocument::intEditFrequency(int16_t intChannel, int32_t lngFrequencyP)
{
    const int p = usedChannelPage(intChannel);
    if (p < 0 || lngFrequencyP < lngLowerFreql || lngFrequencyP > lngUpperFreql)
        return -1;
    auto& page = pages_[p];
    int32_t present = 0, step = 0;
    if (basVelmar::intBytesToFrequency(present, step, page[channel::kFreq1], page[channel::kFreq2], page[channel::kFreq3])
        != 0)
        return -1;
    return basVelmar::intFrequencyToBytes(lngFrequencyP, lngRef1, lngRef2, page[channel::kFreq1], page[channel::kFreq2],
                                          page[channel::kFreq3])
            == 0
        ? 0
        : -1;
}

int16_t CLASSOrvDocument::intEditCTCSS(int16_t intChannel, double dblCTCSSFrequency)
{
    const int p = usedChannelPage(intChannel);
    if (p < 0)
        return -1;
    int32_t code = 0;
    ctcssCodeOf(dblCTCSSFrequency, code);
    radiofields::setToneCode(pages_[p], code);
    return 0;
}

int16_t CLASSOrvDocument::intEditDeviation(int16_t intChannel, int16_t intDeviation)
{
    const int p = usedChannelPage(intChannel);
    if (p < 0 || intDeviation < 0 || intDeviation > 255)
        return -1;
    at(p, channel::kDeviation) = static_cast<uint8_t>(intDeviation);
    return 0;
}

int16_t CLASSOrvDocument::intEditReference(int16_t intChannel, int16_t intReference)
{
    const int p = usedChannelPage(intChannel);
    if (p < 0 || intReference < 0 || intReference > 255)
        return -1;
    at(p, channel::kReference) = static_cast<uint8_t>(intReference);
    return 0;
}

int16_t CLASSOrvDocument::intEditPin(int16_t intChannel, int16_t intPin, int16_t intBit)
{
    const int p = usedChannelPage(intChannel);
    if (p < 0 || intPin < 0 || intPin > 1 || intBit < 0 || intBit > 7)
        return -1;
    uint8_t& pins = at(p, channel::kPins);
    pins = static_cast<uint8_t>(pins & ~(1u << intBit));
    if (intPin == 1)
        pins = static_cast<uint8_t>(pins | (1u << intBit));
    return 0;
}

int16_t CLASSOrvDocument::intAppendChannel(int16_t intNumChan)
{
    if (intNumChan > 0 && intMaxchannel < kMaxChannels) {
        intMaxchannel = static_cast<int16_t>(std::min<int>(intMaxchannel + intNumChan, kMaxChannels));
        radiofields::setChannelCount(pages_[kIdentityPage], intMaxchannel);
    }
    return 0;
}

int16_t CLASSOrvDocument::intChannelClear(int16_t intSChannel, int16_t intEChannel)
{
    if (intEChannel < intSChannel || intSChannel < 1 || intEChannel < 0 || intEChannel > intMaxchannel
        || usedChannelPage(intEChannel) < 0)
        return -1;
    for (int n = intSChannel; n <= intEChannel; ++n)
        if (n != intCurrentchannel + 1)
            pages_[channelPage(n)].fill(0);
    return 0;
}

int16_t CLASSOrvDocument::DeleteChannel(int16_t ChannelPage)
{
    const int p = usedChannelPage(ChannelPage);
    if (p < 0)
        return -1;
    pages_[p].fill(0);
    pages_[p][channel::kPins] = channel::kNoPins;
    return 0;
}

int16_t CLASSOrvDocument::intModifyCurrentchannel(int16_t intChan)
{
    intCurrentchannel = intChan;
    radiofields::setCurrentChannel(pages_[kStatePage], intChan);
    return 0;
}

bool CLASSOrvDocument::CheckBanFrequency(double dblFrequency) const
{
    return dblFrequency != 0 && lngBanLFreq <= dblFrequency && dblFrequency <= lngBanUFreq;
}

int16_t CLASSOrvDocument::intChannelValidationCheck() const
{
    for (int n = 1; n <= intMaxchannel; ++n) {
        const int p = channelPage(n);
        if (p < 0)
            break;
        int32_t hz = 0, step = 0;
        basVelmar::intBytesToFrequency(hz, step, at(p, channel::kFreq1), at(p, channel::kFreq2), at(p, channel::kFreq3));
    }
    return 0;
}

int16_t CLASSOrvDocument::TestModelType(const QByteArray& strTest) const
{
    for (int i = 1; i <= modelcode::kLength; ++i) {
        const uint8_t documentByte = at(kModelCodePage, modelcode::kLength - i);
        const bool same = i <= strTest.size() && static_cast<uint8_t>(strTest.at(i - 1)) == documentByte;
        if (!same)
            return (i == 5 && documentByte == ' ') ? -1 : 0;
    }
    return 0;
}

bool CLASSOrvDocument::TestPartition(const QString& strTest) const
{
    bool isNumber = false;
    const double partition = strTest.trimmed().toDouble(&isNumber);
    if (!isNumber) {
        TransferGuard::message(QStringLiteral("The partition \"%1\" is not a number.").arg(strTest));
        return true;
    }
    return partition != at(kIdentityPage, identity::kPartition);
}
