// The MCF file of a radio module: the module's identity, texts and timers, and each channel's
// frequency and tone as numbers; reading it rebuilds the system and channel pages from them.
#include "radio/CLASSOrvDocument.h"

#include "db/CModule.h"
#include "db/FileAccess.h"
#include "db/PageFields.h"
#include "platform/AtomicFile.h"
#include "radio/RadioChannelValues.h"
#include "radio/RadioConfiguration.h"
#include "radio/RadioDateText.h"
#include "radio/RadioFailure.h"
#include "radio/RadioMcfRecords.h"
#include "radio/RadioPageWords.h"
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

// A count of seconds as 20 ms ticks in 16 bits.
int16_t ticksOf(int seconds, const QString& path, const char* what)
{
    const int ticks = seconds * kTicksPerSecond;
    if (ticks < std::numeric_limits<int16_t>::min() || ticks > std::numeric_limits<int16_t>::max())
        fileaccess::refuse(
            path,
            QStringLiteral("holds a %1 of %2 s, more than a module can keep.").arg(QLatin1String(what)).arg(seconds));
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
            record.ctcssHertz = doubleField(radiochannel::toneFrequency(radiofields::toneCode(pages_[page])));
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

namespace {

// Reads an MCF file into its records. Nothing when the file's shape is wrong (the caller then says
// that the file cannot be opened). Bytes beyond the longest file are not looked at: a file written
// over a longer one by an earlier version still holds the older file's tail.
std::optional<MCFFile> readMCFFile(const QString& path)
{
    const QByteArray bytes = fileaccess::readFileStart(path, kMaxMcfBytes);
    if (bytes.size() < kHeaderSize)
        return std::nullopt;
    MCFFile file;
    file.header = recordfields::recordAt<MCFHeaderRecord>(bytes, 0);
    const int channels = int16Of(file.header.maxChannel);
    const int records = int16Of(file.header.channelRecords);
    if (channels < 0 || channels > kMaxChannels || records < 0 || records > kMaxChannels)
        return std::nullopt;
    // What follows the channel records tells the layout: the version trailer of a partition-16
    // module (its text length is 5, which option bytes never begin with) and the option bytes,
    // or the option bytes alone (partition 12).
    const qsizetype tailOffset = kHeaderSize + qsizetype(kChannelSize) * records;
    const qsizetype tail = bytes.size() - tailOffset;
    if (tail < 0)
        return std::nullopt;
    for (int n = 0; n < records; ++n)
        file.channels.push_back(
            recordfields::recordAt<MCFChannelRecord>(bytes, kHeaderSize + qsizetype(kChannelSize) * n));
    if (tail >= kTrailerSize) {
        const auto t = recordfields::recordAt<MCFVersionTrailer>(bytes, tailOffset);
        if (int16Of(t.textLength) == static_cast<int>(t.version.size()))
            file.trailer = t;
    }
    if (file.trailer) {
        if (tail >= kTrailerSize + kOptionSize && textOf(file.trailer->version) == versionText())
            file.optionBytes = recordfields::recordAt<MCFOptionBytes>(bytes, tailOffset + kTrailerSize);
    } else if (tail >= kOptionSize) {
        file.optionBytes = recordfields::recordAt<MCFOptionBytes>(bytes, tailOffset);
    }
    return file;
}

// The timers of the header into the document's fields, as 20 ms ticks.
void takeTimers(CLASSOrvDocument& doc, const QString& path, const MCFHeaderRecord& header)
{
    const double tail50 = std::nearbyint(doubleOf(header.tailSeconds) * kTicksPerSecond);
    if (!(tail50 >= 0 && tail50 <= 255))
        fileaccess::refuse(path,
                           QStringLiteral("holds a tail time of %1 s, more than a module can keep.")
                               .arg(doubleOf(header.tailSeconds)));
    doc.bytTailtime = static_cast<uint8_t>(tail50);
    doc.intTransmittime = ticksOf(int16Of(header.transmitSeconds), path, "transmit time-out");
    doc.intTXlockouttime = ticksOf(int16Of(header.lockoutSeconds), path, "transmit lock-out");
}

// The option bytes of the file into the document's fields; false when the file holds none.
bool takeOptions(CLASSOrvDocument& doc, const QString& path, const std::optional<MCFOptionBytes>& optionBytes)
{
    if (!optionBytes)
        return false;
    for (const uint8_t flag : {optionBytes->changeDefaultChanOnChanChange, optionBytes->changeSelectType,
                               optionBytes->reverseToneBurst, optionBytes->reverseToneBurstType})
        if (flag > 1)
            fileaccess::refuse(path, QStringLiteral("holds an option byte of %1; the options are 0 or 1.").arg(flag));
    doc.bytChangeDefaultChanOnChanChange = optionBytes->changeDefaultChanOnChanChange;
    doc.bytChangeSelectType = optionBytes->changeSelectType;
    doc.bytReverseToneBurst = optionBytes->reverseToneBurst;
    doc.bytReverseToneBurstType = optionBytes->reverseToneBurstType;
    doc.bytLengthOfReverseToneBurst = optionBytes->lengthOfReverseToneBurst;
    return true;
}

} // namespace

int16_t CLASSOrvDocument::intMCFFile2Document(const QString& path)
{
    return radiodoc::trapped([&]() -> int16_t {
        const std::optional<MCFFile> file = readMCFFile(path);
        if (!file)
            return -1;
        // Read beside the document, which takes it over only when the whole file has been read.
        CLASSOrvDocument loaded(*this);
        if (loaded.applyMCF(path, *file) != 0)
            return -1;
        *this = loaded;
        return 0;
    });
}

int16_t CLASSOrvDocument::applyMCF(const QString& path, const MCFFile& file)
{
    const MCFHeaderRecord& header = file.header;
    intDocumentFrom = kFromMCF;
    strDocumentFileName = path;

    const QString serialField = textOf(header.serial);
    const int32_t serial = fileaccess::serialOf(path, trimBlanks(serialField));
    strSerial = serialField;
    takeMcfIdentity(header);

    const int16_t modelStatus = readModDataOfLoad();
    if (strModelAsMade == CModule::kStandardModel && strCustomType != strModuleType)
        sayModelNotInCatalogue(strCustomType);
    if (modelStatus != 0)
        return -1;

    if (writeMcfSystemPages(path, header, serial) != 0)
        return -1;
    takeTimers(*this, path, header);
    writeMcfChannels(path, file.channels);
    if (!file.trailer || int16Of(file.trailer->partition) != kPartition) {
        if (MovePages(static_cast<int>(file.channels.size())) != 0)
            return -1;
    }
    const bool withOptions = takeOptions(*this, path, file.optionBytes);
    writeOptionPage(withOptions ? std::optional<uint8_t>(optionBits()) : std::nullopt);

    if (intInitSystemInfo() != 0 || intReadModData() != 0)
        return -1;
    return 0;
}

void CLASSOrvDocument::takeMcfIdentity(const MCFHeaderRecord& header)
{
    at(kIdentityPage, identity::kPartition) = kPartition;
    intPartition = kPartition;
    strCustomType = trimBlanks(textOf(header.customType));
    strModuleType = trimBlanks(textOf(header.moduleType));
    strFirmwareVersion = textOf(header.firmware);
    // Files of the oldest layout hold the two types the other way round and no firmware.
    if (!strFirmwareVersion.startsWith(QLatin1Char('V'))) {
        strFirmwareVersion = QStringLiteral("V00.00");
        std::swap(strModuleType, strCustomType);
    }
    // "Vab.cd" into the digits a, b, c and d of page 1.
    if (strFirmwareVersion.size() > 4) {
        at(kStatePage, state::kFirmwareMajorHi) = static_cast<uint8_t>(digitAt(strFirmwareVersion, 1));
        at(kStatePage, state::kFirmwareMajorLo) = static_cast<uint8_t>(digitAt(strFirmwareVersion, 2));
        at(kStatePage, state::kFirmwareMinorHi) = static_cast<uint8_t>(digitAt(strFirmwareVersion, 4));
        at(kStatePage, state::kFirmwareMinorLo) = static_cast<uint8_t>(digitAt(strFirmwareVersion, 5));
    }
}

int16_t CLASSOrvDocument::writeMcfSystemPages(const QString& path, const MCFHeaderRecord& header, int32_t serial)
{
    at(kIdentityPage, identity::kConfig) = configurationOfKind(config::kTwoLetterCode, intRxTxEx, lngIntFreq);
    pagefields::setSerial(*this, serial);
    setPageText(kRemarkPage, textOf(header.userRemark));
    setPageText(kCustomTypePage, textOf(header.customType));
    // A model name of seven characters or fewer stands for its -0000 variant.
    setPageText(
        kModelCodePage,
        modelCodeOf(strModuleType.size() <= 7 ? strModuleType.left(7) + QStringLiteral("-0000") : strModuleType));

    const std::optional<QDateTime> written = radiodate::fromStampText(textOf(header.written));
    const QDateTime lastWrite = written ? *written : QFileInfo(path).lastModified();
    if (pagefields::setDate(*this, kLastWritePage, lastWrite) != 0)
        return -1;
    const QString day = textOf(header.writtenDay);
    setPageText(kProductionDatePage,
                radiodate::isShortDayText(day) ? day : lastWrite.toString(QStringLiteral("ddMMyyyy")));

    radiofields::setChannelCount(pages_[kIdentityPage], int16Of(header.maxChannel));
    radiofields::setCurrentChannel(pages_[kStatePage], int16Of(header.currentChannel));
    return 0;
}

void CLASSOrvDocument::writeMcfChannels(const QString& path, const std::vector<MCFChannelRecord>& channels)
{
    // From page 16 on in the order of the records.
    int n = 0;
    for (const MCFChannelRecord& record : channels) {
        ++n;
        auto& page = pages_[kPartition + n - 1];
        const double hz = std::floor(doubleOf(record.megahertz) * 1e6 + 0.1);
        if (!(hz >= 0 && hz + lngIntFreq <= std::numeric_limits<int32_t>::max()))
            fileaccess::refuse(path,
                               QStringLiteral("gives channel %1 a frequency of %2 MHz, which no module can take.")
                                   .arg(n)
                                   .arg(doubleOf(record.megahertz)));
        const int32_t stored = hz != 0 ? static_cast<int32_t>(hz) + lngIntFreq : 0;
        basVelmar::intFrequencyToBytes(stored, lngRef1, lngRef2, page[channel::kFreq1], page[channel::kFreq2],
                                       page[channel::kFreq3]);
        page[channel::kReference] = static_cast<uint8_t>(int16Of(record.reference));
        page[channel::kDeviation] = static_cast<uint8_t>(int16Of(record.deviation));
        page[channel::kPins] = static_cast<uint8_t>(int16Of(record.pins));
        radiofields::setToneCode(page, radiochannel::toneCodeOf(doubleOf(record.ctcssHertz)));
    }
}
