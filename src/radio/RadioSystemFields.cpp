// The system settings of a radio module: decoding the system pages into the document's fields
// and encoding the fields back into the pages.
#include "radio/CLASSOrvDocument.h"

#include "db/PageFields.h"
#include "link/TransferGuard.h"
#include "radio/RadioFailure.h"
#include "radio/RadioPageWords.h"
#include "shell/ModelCode.h"
#include "shell/Windows1252.h"

using namespace radiolayout;

namespace {

// A text field of a page ends at its blanks; a page never written holds zero bytes, which count
// as blanks too.
bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QChar(0); }

QString chopTrailingBlanks(QString s)
{
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

QString trimBlanks(QString s)
{
    s = chopTrailingBlanks(std::move(s));
    qsizetype lead = 0;
    while (lead < s.size() && isBlank(s.at(lead)))
        ++lead;
    return s.mid(lead);
}

// A field of 0/1 weighed into the option byte.
uint8_t optionBit(uint8_t field, uint8_t bit, const char* name)
{
    if (field > 1)
        radiodoc::fail(radiodoc::kOverflow,
                       QStringLiteral("The option %1 holds %2; it can only be 0 or 1.").arg(QLatin1String(name)).arg(field));
    return field ? bit : 0;
}

// Only a transmitter or an exciter keeps the timers and the reverse tone burst of page 5.
bool isTransmitterKind(int16_t kind) { return kind == 1 || kind == 2; }

} // namespace

QString CLASSOrvDocument::pageText(int page, int chars) const
{
    return windows1252::decode(pagefields::textBytes(*this, page, chars));
}

void CLASSOrvDocument::setPageText(int page, const QString& text) { setPageBytes(page, windows1252::encode(text)); }

void CLASSOrvDocument::setPageBytes(int page, const QByteArray& bytes) { pagefields::setTextBytes(*this, page, bytes); }

QString CLASSOrvDocument::decodeModelCode() const
{
    return chopTrailingBlanks(basVelmar::strModelCodeName(pageText(kModelCodePage, modelcode::kLength),
                                                          (bytFlag1 & config::kTwoLetterCode) != 0));
}

int16_t CLASSOrvDocument::intInitSystemInfo()
{
    return radiodoc::trapped([&]() -> int16_t {
        TransferGuard::doEvents();

        strFirmwareVersion = pagefields::firmwareVersion(
            at(kStatePage, state::kFirmwareMajorHi), at(kStatePage, state::kFirmwareMajorLo),
            at(kStatePage, state::kFirmwareMinorHi), at(kStatePage, state::kFirmwareMinorLo));

        const int current = radiofields::currentChannel(pages_[kStatePage]);
        if (at(kStatePage, state::kCurrentHigh) >= 128)
            radiodoc::fail(
                radiodoc::kOverflow,
                QStringLiteral("The default channel stored in the module (%1) is out of range.").arg(current));
        intCurrentchannel = static_cast<int16_t>(current);

        strSerial = QString::number(pagefields::serial(*this));

        const int channels = radiofields::channelCount(pages_[kIdentityPage]);
        if (channels > kMaxChannels)
            radiodoc::fail(radiodoc::kOutOfRange,
                           QStringLiteral("The module reports %1 channels; a radio module has at most %2.")
                               .arg(channels)
                               .arg(kMaxChannels));
        intMaxchannel = static_cast<int16_t>(channels);

        bytFlag1 = at(kIdentityPage, identity::kConfig);
        intPartition = at(kIdentityPage, identity::kPartition);
        switch (bytFlag1 & config::kKindMask) {
        case config::kKindTransmitter: intRxTxEx = 1; break;
        case config::kKindExciter: intRxTxEx = 2; break;
        default: intRxTxEx = 0; break;
        }

        strProductionDate = pageText(kProductionDatePage, 8);
        strModuleType = decodeModelCode();

        decodeOptionPage();

        strCustomType = trimBlanks(pageText(kCustomTypePage, kTextLength));
        strUserRemark = chopTrailingBlanks(pageText(kRemarkPage, kTextLength));

        strLastModified = pagefields::dayText(*this, kLastWritePage);
        return 0;
    });
}

int16_t CLASSOrvDocument::intEditSystem()
{
    return radiodoc::trapped([&]() -> int16_t {
        // Everything is checked before the first byte changes, so a refused save leaves the pages
        // as they were.
        const int32_t serial = pagefields::serialOfText(strSerial);
        if (strCustomType.size() > kTextLength)
            radiodoc::fail(radiodoc::kOutOfRange,
                           QStringLiteral("The custom type \"%1\" is longer than %2 characters.")
                               .arg(strCustomType)
                               .arg(kTextLength));
        // A short remark is kept padded to 20 characters; the pages take its first 16.
        const QString remark =
            strUserRemark.size() < kTextLength ? strUserRemark.leftJustified(20, QLatin1Char(' ')) : strUserRemark;
        const QByteArray remarkBytes = windows1252::encode(remark.left(kTextLength));
        const QByteArray customTypeBytes = windows1252::encode(strCustomType.leftJustified(kTextLength, QLatin1Char(' ')));
        const uint8_t optionByte = optionBits();

        radiofields::setCurrentChannel(pages_[kStatePage], intCurrentchannel);

        pagefields::setSerial(*this, serial);

        strUserRemark = remark;
        setPageBytes(kRemarkPage, remarkBytes);

        writeOptionPage(optionByte);

        setPageBytes(kCustomTypePage, customTypeBytes);
        return 0;
    });
}

void CLASSOrvDocument::decodeOptionPage()
{
    const auto& page = pages_[kOptionPage];
    const bool transmitter = isTransmitterKind(intRxTxEx);
    if (transmitter) {
        bytTailtime = page[options::kTailTime];
        intTransmittime = static_cast<int16_t>(pagefields::word(page, options::kTimeoutHigh));
        intTXlockouttime = static_cast<int16_t>(pagefields::word(page, options::kLockoutHigh));
    }
    bytFlag2 = page[options::kBits];
    bytChangeDefaultChanOnChanChange = (bytFlag2 & options::kChangeDefaultChanOnChanChange) ? 1 : 0;
    bytChangeSelectType = (bytFlag2 & options::kChangeSelectType) ? 1 : 0;
    if (transmitter) {
        bytReverseToneBurst = (bytFlag2 & options::kReverseToneBurst) ? 1 : 0;
        bytReverseToneBurstType = (bytFlag2 & options::kReverseToneBurstType) ? 1 : 0;
        bytLengthOfReverseToneBurst = page[options::kToneBurstLength];
    }
}

uint8_t CLASSOrvDocument::optionBits() const
{
    uint8_t bits = optionBit(bytChangeDefaultChanOnChanChange, options::kChangeDefaultChanOnChanChange,
                             "ChangeDefaultChanOnChanChange")
        | optionBit(bytChangeSelectType, options::kChangeSelectType, "ChangeSelectType");
    if (isTransmitterKind(intRxTxEx))
        bits |= optionBit(bytReverseToneBurst, options::kReverseToneBurst, "ReverseToneBurst")
            | optionBit(bytReverseToneBurstType, options::kReverseToneBurstType, "ReverseToneBurstType");
    return bits;
}

void CLASSOrvDocument::writeOptionPage(std::optional<uint8_t> bits)
{
    auto& page = pages_[kOptionPage];
    const bool transmitter = isTransmitterKind(intRxTxEx);
    if (transmitter) {
        page[options::kTailTime] = bytTailtime;
        pagefields::setWord(page, options::kTimeoutHigh, static_cast<uint16_t>(intTransmittime));
        pagefields::setWord(page, options::kLockoutHigh, static_cast<uint16_t>(intTXlockouttime));
    }
    if (bits) {
        page[options::kBits] = *bits;
        if (transmitter)
            page[options::kToneBurstLength] = bytLengthOfReverseToneBurst;
    }
}
