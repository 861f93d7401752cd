// The MCF file of a radio module: the module's identity, texts and timers, and each channel's
// frequency and tone as numbers; reading it rebuilds the system and channel pages from them.
#include "radio/CLASSOrvDocument.h"

#include "db/CModule.h"
#include "platform/AtomicFile.h"
#include "radio/RadioChannelValues.h"
#include "radio/RadioDateText.h"
#include "radio/RadioFailure.h"
#include "radio/RadioFileAccess.h"
#include "radio/RadioMcfRecords.h"
#include "shell/DateCodecs.h"
#include "shell/FrequencyCodecs.h"
#include "shell/Globals.h"

#include <QDateTime>
#include <QFileInfo>
#include <cmath>
#include <limits>

using namespace radiolayout;
using namespace mcf;
using recordfields::doubleField;
using recordfields::doubleOf;
using recordfields::int16Field;
using recordfields::int16Of;
using recordfields::textField;
using recordfields::textOf;
using recordfields::trimBlanks;

namespace {

constexpr int kTicksPerSecond = 50;
constexpr int kTrailerSize = sizeof(MCFVersionTrailer);
constexpr int kOptionSize = sizeof(MCFOptionBytes);
constexpr qint64 kMaxMcfBytes = kHeaderSize + qint64(kChannelSize) * kMaxChannels + kTrailerSize + kOptionSize;

const QString& versionText()
{
    static const QString v = QStringLiteral("V3.02");
    return v;
}

const QString& mcfKind()
{
    static const QString k = QStringLiteral("MCF");
    return k;
}

// "Pin8", "High", "Low", "Pin7", ... "Low".
std::array<recordfields::Bytes<10>, kPinLabels> pinLabels()
{
    std::array<recordfields::Bytes<10>, kPinLabels> labels{};
    int i = 0;
    for (int pin = 8; pin >= 1; --pin) {
        labels[i++] = textField<10>(QStringLiteral("Pin%1").arg(pin));
        labels[i++] = textField<10>(QStringLiteral("High"));
        labels[i++] = textField<10>(QStringLiteral("Low"));
    }
    return labels;
}

// Ticks of 20 ms as whole seconds (halves to the even number).
int16_t wholeSeconds(int ticks) { return static_cast<int16_t>(std::nearbyint(double(ticks) / kTicksPerSecond)); }

uint8_t hiByte(int v) { return static_cast<uint8_t>((static_cast<uint32_t>(v) >> 8) & 0xFF); }
uint8_t loByte(int v) { return static_cast<uint8_t>(static_cast<uint32_t>(v) & 0xFF); }

// A count of seconds as 20 ms ticks in 16 bits.
int16_t ticksOf(int seconds, const QString& path, const char* what)
{
    const int ticks = seconds * kTicksPerSecond;
    if (ticks < std::numeric_limits<int16_t>::min() || ticks > std::numeric_limits<int16_t>::max())
        radiofile::refuse(path, QStringLiteral("holds a %1 of %2 s, more than a module can keep.").arg(QLatin1String(what)).arg(seconds));
    return static_cast<int16_t>(ticks);
}

int digitAt(const QString& text, int index)
{
    const QChar c = index < text.size() ? text.at(index) : QChar();
    return c.isDigit() ? c.digitValue() : 0;
}

} // namespace

int16_t CLASSOrvDocument::intDocument2MCF(const QString& path)
{
    if (intEditSystem() != 0)
        return -1;
    return radiodoc::trapped([&]() -> int16_t {
        if (intPartition < kOldPartition || intPartition + intMaxchannel - 1 > kLastPage)
            radiodoc::fail(radiodoc::kOutOfRange, QStringLiteral("The channels (%1 from page %2) lie outside the module's memory.")
                                                      .arg(intMaxchannel)
                                                      .arg(intPartition));
        const QDateTime now = QDateTime::currentDateTime();
        MCFHeaderRecord header{};
        header.serial = textField<8>(strSerial);
        header.userRemark = textField<16>(strUserRemark);
        header.customType = textField<16>(strCustomType);
        header.moduleType = textField<15>(strModuleType);
        header.fileName = textField<50>(path);
        header.kind = textField<8>(mcfKind());
        header.written = textField<21>(radiodate::stampText(now));
        header.writtenDay = textField<8>(radiodate::shortDayText(now.date()));
        header.maxChannel = int16Field(intMaxchannel);
        header.channelRecords = int16Field(intMaxchannel);
        header.pinLabels = pinLabels();
        header.currentChannel = int16Field(intCurrentchannel);
        header.tailSeconds = doubleField(double(bytTailtime) / kTicksPerSecond);
        header.transmitSeconds = int16Field(wholeSeconds(intTransmittime));
        header.lockoutSeconds = int16Field(wholeSeconds(intTXlockouttime));
        header.firmware = textField<6>(strFirmwareVersion);
        QByteArray file = recordfields::bytesOf(header);

        for (int n = 1; n <= intMaxchannel; ++n) {
            const int page = intPartition + n - 1;
            const int32_t stored = radiochannel::storedFrequency(at(page, 7), at(page, 6), at(page, 5));
            const bool flagged = (at(page, channel::kFreq1) & channel::kFlagBit) != 0;
            MCFChannelRecord record{};
            record.number = int16Field(static_cast<int16_t>(basVelmar::gChannelNumberOption == 1 ? n : n - 1));
            record.megahertz = doubleField(stored != 0 ? (double(stored) - lngIntFreq) / 1e6 : 0.0);
            record.ctcssHertz = doubleField(radiochannel::toneFrequency(
                radiochannel::toneCode(at(page, channel::kCtcssHigh), at(page, channel::kCtcssLow))));
            record.deviation = int16Field(flagged ? 0 : at(page, channel::kDeviation));
            record.reference = int16Field(flagged ? 0 : at(page, channel::kReference));
            record.pins = int16Field(at(page, channel::kPins));
            file += recordfields::bytesOf(record);
        }
        if (intPartition == kPartition)
            file += recordfields::bytesOf(MCFVersionTrailer{int16Field(static_cast<int16_t>(versionText().size())),
                                                            textField<5>(versionText()), int16Field(kPartition)});
        file += recordfields::bytesOf(MCFOptionBytes{bytChangeDefaultChanOnChanChange, bytChangeSelectType,
                                                     bytReverseToneBurst, bytReverseToneBurstType,
                                                     bytLengthOfReverseToneBurst});

        platform::writeFileAtomically(path, file);
        fModified = false;
        return 0;
    });
}

int16_t CLASSOrvDocument::intMCFFile2Document(const QString& path)
{
    return radiodoc::trapped([&]() -> int16_t {
        // Checks of the file's shape fail with -1 and no message: the caller says that the file
        // cannot be opened. Bytes beyond the longest file are not looked at: a file written over a
        // longer one by an earlier version still holds the older file's tail.
        const QByteArray file = radiofile::readFileStart(path, kMaxMcfBytes);
        if (file.size() < kHeaderSize)
            return -1;
        const auto header = recordfields::recordAt<MCFHeaderRecord>(file, 0);
        const int channels = int16Of(header.maxChannel);
        const int records = int16Of(header.channelRecords);
        if (channels < 0 || channels > kMaxChannels || records < 0 || records > kMaxChannels)
            return -1;
        // What follows the channel records tells the layout: the version trailer of a partition-16
        // module (its text length is 5, which option bytes never begin with) and the option bytes,
        // or the option bytes alone (partition 12).
        const qsizetype tailOffset = kHeaderSize + qsizetype(kChannelSize) * records;
        const qsizetype tail = file.size() - tailOffset;
        if (tail < 0)
            return -1;
        std::optional<MCFVersionTrailer> trailer;
        std::optional<MCFOptionBytes> optionBytes;
        if (tail >= kTrailerSize) {
            const auto t = recordfields::recordAt<MCFVersionTrailer>(file, tailOffset);
            if (int16Of(t.textLength) == static_cast<int>(t.version.size()))
                trailer = t;
        }
        if (trailer) {
            if (tail >= kTrailerSize + kOptionSize && textOf(trailer->version) == versionText())
                optionBytes = recordfields::recordAt<MCFOptionBytes>(file, tailOffset + kTrailerSize);
        } else if (tail >= kOptionSize) {
            optionBytes = recordfields::recordAt<MCFOptionBytes>(file, tailOffset);
        }

        // Read beside the document, which takes it over only when the whole file has been read.
        CLASSOrvDocument loaded(*this);
        loaded.intDocumentFrom = kFromMCF;
        loaded.strDocumentFileName = path;

        const QString serialField = textOf(header.serial);
        bool isNumber = false;
        const qlonglong serial = trimBlanks(serialField).toLongLong(&isNumber);
        if (!isNumber || serial < 0 || serial > 0xFFFFFF)
            radiofile::refuse(path, QStringLiteral("holds the serial number \"%1\", which is no number from 0 to 16777215.")
                                        .arg(trimBlanks(serialField)));
        loaded.strSerial = serialField;
        loaded.at(kIdentityPage, identity::kPartition) = kPartition;
        loaded.intPartition = kPartition;
        loaded.strCustomType = trimBlanks(textOf(header.customType));
        loaded.strModuleType = trimBlanks(textOf(header.moduleType));
        loaded.strFirmwareVersion = textOf(header.firmware);
        // Files of the oldest layout hold the two types the other way round and no firmware.
        if (!loaded.strFirmwareVersion.startsWith(QLatin1Char('V'))) {
            loaded.strFirmwareVersion = QStringLiteral("V00.00");
            std::swap(loaded.strModuleType, loaded.strCustomType);
        }
        if (loaded.strFirmwareVersion.size() > 4) {
            loaded.at(kStatePage, state::kFirmwareMajorHi) = static_cast<uint8_t>(digitAt(loaded.strFirmwareVersion, 1));
            loaded.at(kStatePage, state::kFirmwareMajorLo) = static_cast<uint8_t>(digitAt(loaded.strFirmwareVersion, 2));
            loaded.at(kStatePage, state::kFirmwareMinorHi) = static_cast<uint8_t>(digitAt(loaded.strFirmwareVersion, 4));
            loaded.at(kStatePage, state::kFirmwareMinorLo) = static_cast<uint8_t>(digitAt(loaded.strFirmwareVersion, 5));
        }

        const int16_t modelStatus = loaded.readModDataOfLoad();
        if (loaded.strModelAsMade == CModule::kStandardModel && loaded.strCustomType != loaded.strModuleType)
            sayModelNotInCatalogue(loaded.strCustomType);
        if (modelStatus != 0)
            return -1;

        // The system pages.
        uint8_t configuration = config::kTwoLetterCode;
        if (loaded.intRxTxEx == 0)
            configuration |= config::kKindReceiver;
        else if (loaded.intRxTxEx == 2)
            configuration |= config::kKindExciter;
        if (loaded.lngIntFreq > 0)
            configuration |= config::kHighSideInjection;
        loaded.at(kIdentityPage, identity::kConfig) = configuration;
        loaded.at(kIdentityPage, identity::kSerialHigh) = static_cast<uint8_t>((serial >> 16) & 0xFF);
        loaded.at(kIdentityPage, identity::kSerialMid) = static_cast<uint8_t>((serial >> 8) & 0xFF);
        loaded.at(kIdentityPage, identity::kSerialLow) = static_cast<uint8_t>(serial & 0xFF);
        loaded.setPageText(kRemarkPage, textOf(header.userRemark));
        loaded.setPageText(kCustomTypePage, textOf(header.customType));

        QString model = loaded.strModuleType;
        if (model.size() <= 7)
            model = model.left(7) + QStringLiteral("-0000");
        model = model.leftJustified(12, QLatin1Char(' '));
        const QString code = QString(model.at(2)) + model.at(3) + model.at(5) + model.at(6) + model.at(8) + model.at(9)
            + model.at(10) + model.at(11);
        loaded.setPageText(kModelCodePage, code);

        const std::optional<QDateTime> written = radiodate::fromStampText(textOf(header.written));
        const QDateTime lastWrite = written ? *written : QFileInfo(path).lastModified();
        basVelmar::DateBytes date{};
        if (basVelmar::intDateToBytes(basVelmar::dteFromDateTime(lastWrite), date) != 0)
            return -1;
        for (int i = 0; i < kPageSize; ++i)
            loaded.at(kLastWritePage, kPageSize - 1 - i) = date[static_cast<std::size_t>(i)];
        const QString day = textOf(header.writtenDay);
        loaded.setPageText(kProductionDatePage,
                           radiodate::isShortDayText(day) ? day : lastWrite.toString(QStringLiteral("ddMMyyyy")));

        loaded.at(kIdentityPage, identity::kChannelsHigh) = hiByte(channels);
        loaded.at(kIdentityPage, identity::kChannelsLow) = loByte(channels);
        const int16_t current = int16Of(header.currentChannel);
        loaded.at(kStatePage, state::kCurrentHigh) = hiByte(current);
        loaded.at(kStatePage, state::kCurrentLow) = loByte(current);

        const double tail50 = std::nearbyint(doubleOf(header.tailSeconds) * kTicksPerSecond);
        if (!(tail50 >= 0 && tail50 <= 255))
            radiofile::refuse(path, QStringLiteral("holds a tail time of %1 s, more than a module can keep.")
                                        .arg(doubleOf(header.tailSeconds)));
        loaded.bytTailtime = static_cast<uint8_t>(tail50);
        loaded.at(kOptionPage, options::kTailTime) = loaded.bytTailtime;
        loaded.intTransmittime = ticksOf(int16Of(header.transmitSeconds), path, "transmit time-out");
        loaded.at(kOptionPage, options::kTimeoutHigh) = hiByte(loaded.intTransmittime);
        loaded.at(kOptionPage, options::kTimeoutLow) = loByte(loaded.intTransmittime);
        loaded.intTXlockouttime = ticksOf(int16Of(header.lockoutSeconds), path, "transmit lock-out");
        loaded.at(kOptionPage, options::kLockoutHigh) = hiByte(loaded.intTXlockouttime);
        loaded.at(kOptionPage, options::kLockoutLow) = loByte(loaded.intTXlockouttime);

        // The channels, from page 16 on in the order of the records.
        for (int n = 1; n <= records; ++n) {
            const auto record = recordfields::recordAt<MCFChannelRecord>(file, kHeaderSize + qsizetype(kChannelSize) * (n - 1));
            const int page = kPartition + n - 1;
            const double hz = std::floor(doubleOf(record.megahertz) * 1e6 + 0.1);
            if (!(hz >= 0 && hz + loaded.lngIntFreq <= std::numeric_limits<int32_t>::max()))
                radiofile::refuse(path, QStringLiteral("gives channel %1 a frequency of %2 MHz, which no module can take.")
                                            .arg(n)
                                            .arg(doubleOf(record.megahertz)));
            const int32_t stored = hz != 0 ? static_cast<int32_t>(hz) + loaded.lngIntFreq : 0;
            basVelmar::intFrequencyToBytes(stored, loaded.lngRef1, loaded.lngRef2, loaded.at(page, channel::kFreq1),
                                           loaded.at(page, channel::kFreq2), loaded.at(page, channel::kFreq3));
            loaded.at(page, channel::kReference) = loByte(int16Of(record.reference));
            loaded.at(page, channel::kDeviation) = loByte(int16Of(record.deviation));
            loaded.at(page, channel::kPins) = loByte(int16Of(record.pins));
            const int32_t tone = radiochannel::toneCodeOf(doubleOf(record.ctcssHertz));
            loaded.at(page, channel::kCtcssHigh) = hiByte(tone);
            loaded.at(page, channel::kCtcssLow) = loByte(tone);
        }

        if (!trailer || int16Of(trailer->partition) != kPartition) {
            if (loaded.MovePages(records) != 0)
                return -1;
        }
        if (optionBytes) {
            for (const uint8_t flag : {optionBytes->changeDefaultChanOnChanChange, optionBytes->changeSelectType,
                                       optionBytes->reverseToneBurst, optionBytes->reverseToneBurstType})
                if (flag > 1)
                    radiofile::refuse(path, QStringLiteral("holds an option byte of %1; the options are 0 or 1.").arg(flag));
            loaded.bytChangeDefaultChanOnChanChange = optionBytes->changeDefaultChanOnChanChange;
            loaded.bytChangeSelectType = optionBytes->changeSelectType;
            loaded.bytReverseToneBurst = optionBytes->reverseToneBurst;
            loaded.bytReverseToneBurstType = optionBytes->reverseToneBurstType;
            loaded.bytLengthOfReverseToneBurst = optionBytes->lengthOfReverseToneBurst;
            uint8_t bits = (optionBytes->changeDefaultChanOnChanChange ? options::kChangeDefaultChanOnChanChange : 0)
                | (optionBytes->changeSelectType ? options::kChangeSelectType : 0);
            if (loaded.intRxTxEx == 1 || loaded.intRxTxEx == 2) {
                bits |= (optionBytes->reverseToneBurst ? options::kReverseToneBurst : 0)
                    | (optionBytes->reverseToneBurstType ? options::kReverseToneBurstType : 0);
                loaded.at(kOptionPage, options::kToneBurstLength) = optionBytes->lengthOfReverseToneBurst;
            }
            loaded.at(kOptionPage, options::kBits) = bits;
        }

        if (loaded.intInitSystemInfo() != 0 || loaded.intReadModData() != 0)
            return -1;
        *this = loaded;
        return 0;
    });
}
