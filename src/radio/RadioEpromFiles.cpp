// The channel EPROM image of a radio module written as and read from its binary (BIN) and
// Intel-HEX files.
#include "radio/CLASSOrvDocument.h"

#include "link/TransferGuard.h"
#include "db/FileAccess.h"
#include "db/PageFields.h"
#include "platform/AtomicFile.h"
#include "radio/RadioChannelValues.h"
#include "radio/RadioConfiguration.h"
#include "radio/RadioDateText.h"
#include "radio/RadioEpromImage.h"
#include "radio/RadioFailure.h"
#include "radio/RadioPageWords.h"
#include "shell/FrequencyCodecs.h"
#include "shell/Globals.h"
#include "shell/Windows1252.h"

#include <QDateTime>
#include <cmath>
#include <cstring>

using namespace radiolayout;
using namespace eprom;

namespace {

enum class Flavour { Bin, Hex };

constexpr double kToneClock = 40960.0;
constexpr int32_t kNoReference = 100000000;
// The Intel-HEX file's data lines come first; no file of this kind is longer than this.
constexpr qint64 kMaxHexBytes = 64 * 1024;

// The tone divider of a tone frequency: the binary file rounds the quotient, the Intel-HEX file
// divides by the rounded frequency.
int32_t toneDivider(double toneHz, Flavour flavour)
{
    if (!(toneHz > 1))
        return kNoTone;
    if (flavour == Flavour::Bin)
        return static_cast<int32_t>(std::nearbyint(kToneClock / toneHz));
    return static_cast<int32_t>(kToneClock) / static_cast<int32_t>(std::nearbyint(toneHz));
}

int channelNumberShown(int index) { return basVelmar::gChannelNumberOption == 1 ? index + 1 : index; }

// The synthesizer record and the BCD frequency of the channel at `index` (from 0).
void renderChannel(const CLASSOrvDocument& doc, int index, Flavour flavour, SynthRecord& synth, FrequencyBcdRecord& bcd)
{
    const int page = doc.intPartition + index;
    const int32_t tone = toneDivider(
        radiochannel::toneFrequency(radiochannel::toneCode(doc.pageByte(page, channel::kCtcssHigh),
                                                           doc.pageByte(page, channel::kCtcssLow))),
        flavour);
    const int64_t stored = radiochannel::storedFrequency(doc.pageByte(page, channel::kFreq1),
                                                         doc.pageByte(page, channel::kFreq2),
                                                         doc.pageByte(page, channel::kFreq3));
    if (stored <= 0) {
        synth = synthRecord(SynthCounters{0, 0, 0, tone});
        bcd = FrequencyBcdRecord{};
        return;
    }

    int64_t ref = doc.lngRef1 > 0 ? doc.lngRef1 : kNoReference;
    if (stored % ref != 0)
        ref = doc.lngRef2 > 0 ? doc.lngRef2 : doc.lngRef1;
    if (ref == 0)
        radiodoc::fail(radiodoc::kDivisionByZero,
                       QStringLiteral("The model's references are both 0: the synthesizer values of channel %1 cannot "
                                      "be computed.")
                           .arg(channelNumberShown(index)));
    if (stored % ref != 0)
        TransferGuard::message(QStringLiteral("Wrong! Channel ") + QString::number(channelNumberShown(index))
                                   + QStringLiteral(" frequency=") + QString::number(stored)
                                   + QStringLiteral(" is NOT dividable by the module's Ref1=")
                                   + QString::number(doc.lngRef1) + QStringLiteral(" and Ref2=")
                                   + QString::number(doc.lngRef2),
                               platform::vbOKOnly | platform::vbCritical);
    if (doc.intPrescalar == 0)
        radiodoc::fail(radiodoc::kDivisionByZero,
                       QStringLiteral("The model's prescaler is 0: the synthesizer values of channel %1 cannot be "
                                      "computed.")
                           .arg(channelNumberShown(index)));

    // The Intel-HEX image loads the synthesizer with the frequency it is tuned to (a receiver's
    // stored frequency plus its intermediate frequency).
    int64_t synthHz = flavour == Flavour::Hex ? stored + doc.lngIntFreq : stored;
    if (doc.boolDoubled) {
        ref /= 2;
        synthHz /= 2;
    }
    synth = synthRecord(synthCounters(synthHz, ref, doc.lngTCXOFreq, doc.intPrescalar, tone));

    const int64_t radio = stored - doc.lngIntFreq;
    if (radio < 0)
        radiodoc::fail(radiodoc::kOverflow, QStringLiteral("Channel %1 lies %2 Hz below the intermediate frequency; "
                                                           "it cannot be written as a frequency.")
                                                .arg(channelNumberShown(index))
                                                .arg(-radio));
    bcd = frequencyRecord(flavour == Flavour::Bin ? radio / 10 : static_cast<int64_t>(std::nearbyint(radio / 10.0)));
}

EpromImage renderImage(const CLASSOrvDocument& doc, Flavour flavour)
{
    if (doc.intPartition < kOldPartition || doc.intPartition + kChannels - 1 > kLastPage)
        radiodoc::fail(radiodoc::kOutOfRange,
                       QStringLiteral("The channel pages from page %1 lie outside the module's memory.").arg(doc.intPartition));
    EpromImage image{};
    for (int i = 0; i < kChannels; ++i)
        renderChannel(doc, i, flavour, image.synth[static_cast<std::size_t>(i)], image.frequency[static_cast<std::size_t>(i)]);
    const QString today = radiodate::dayText(QDate::currentDate());
    image.tail.fill(' ');
    if (flavour == Flavour::Bin) {
        image.model = binTextField(doc.strModuleUsed);
        image.date = binTextField(today);
        image.serial = binTextField(doc.strSerial);
        image.remark = binTextField(doc.strUserRemark);
    } else {
        image.model = hexModelField(doc.strModuleUsed);
        image.date = hexDateField(today);
        image.serial = hexSerialField(doc.strSerial);
        image.remark = hexRemarkField(doc.strUserRemark);
        const Bytes<kTextSize> closing = hexClosingField();
        std::copy(closing.begin(), closing.end(), image.tail.begin());
    }
    return image;
}

QByteArray hexFile(const EpromImage& image, const QString& notes)
{
    const QByteArray bytes = recordfields::bytesOf(image);
    const QByteArray lineEnd = QByteArrayLiteral("\r\n");
    QByteArray file;
    for (int line = 0; line < kHexDataLines; ++line) {
        Bytes<kHexLineBytes> data;
        std::memcpy(data.data(), bytes.constData() + line * kHexLineBytes, kHexLineBytes);
        file += hexDataLine(static_cast<uint16_t>(line * kHexLineBytes), data) + lineEnd;
    }
    file += hexEndLine() + lineEnd;
    // The notes line keeps the file one line longer: line ends inside the notes become blanks.
    QByteArray notesLine = windows1252::encode(notes.left(kHexNotesLength)).replace('\r', ' ').replace('\n', ' ');
    notesLine.append(QByteArray(kHexNotesLength - notesLine.size(), '\0'));
    return file + notesLine + lineEnd;
}

int16_t writeImageFile(CLASSOrvDocument& doc, const QString& path, Flavour flavour)
{
    if (doc.intEditSystem() != 0)
        return -1;
    return radiodoc::trapped([&]() -> int16_t {
        const EpromImage image = renderImage(doc, flavour);
        platform::writeFileAtomically(path, flavour == Flavour::Bin ? recordfields::bytesOf(image)
                                                                    : hexFile(image, doc.strUserNotes));
        doc.fModified = false;
        return 0;
    });
}

// The texts of an image file, cleaned as its kind of file requires.
struct ImageTexts {
    QString model;
    QString date;
    QString serial;
    QString remark;
};

// Edits the bytes of a page (byte 0 first) through the document's page interface.
template <class Change>
void changePage(CLASSOrvDocument& doc, int page, Change change)
{
    QByteArray bytes;
    doc.intReadPage(page, bytes);
    change(pagefields::bytesOf(bytes));
    doc.intWritePage(page, bytes);
}

// A text of two pages, cut or padded with blanks to 16 characters.
void setText16(CLASSOrvDocument& doc, int page, const QString& text)
{
    pagefields::setTextBytes(doc, page, windows1252::encode(text.leftJustified(kTextLength, QLatin1Char(' '), true)));
}

// Fills `doc` (a copy of a freshly created document) from an image: identity, texts, model data,
// and each channel's tone and frequency. The counters B, A and R are not read back.
int16_t loadImage(CLASSOrvDocument& doc, const QString& path, const EpromImage& image, const ImageTexts& texts)
{
    for (int i = 0; i < kChannels; ++i) {
        if (!isSynthRecord(image.synth[static_cast<std::size_t>(i)]))
            fileaccess::refuse(path,
                               QStringLiteral("is no EPROM image of a radio module: the synthesizer record of channel "
                                              "%1 is damaged.")
                                   .arg(channelNumberShown(i)));
        if (!frequencyOf(image.frequency[static_cast<std::size_t>(i)]))
            fileaccess::refuse(path,
                               QStringLiteral("is no EPROM image of a radio module: the frequency of channel %1 is "
                                              "not a decimal number.")
                                   .arg(channelNumberShown(i)));
    }
    const int32_t serial = texts.serial.isEmpty() ? 0 : fileaccess::serialOf(path, texts.serial);

    changePage(doc, kStatePage, [](std::span<uint8_t> page) { radiofields::setCurrentChannel(page, 0); });
    changePage(doc, kIdentityPage, [](std::span<uint8_t> page) {
        page[identity::kPartition] = kPartition;
        radiofields::setChannelCount(page, kChannels);
    });
    doc.intWritePage(kModelCodePage, QByteArray(kPageSize, ' '));
    setText16(doc, kCustomTypePage, texts.model);
    if (const std::optional<QDate> day = radiodate::fromDayText(texts.date)) {
        if (pagefields::setDate(doc, kLastWritePage, QDateTime(*day, QTime(0, 0))) != 0)
            return -1;
    } else {
        TransferGuard::message(
            QStringLiteral("The date \"%1\" in the file %2 is not a date; the date of the last write is "
                           "left as it was.")
                .arg(texts.date, path));
    }

    doc.strCustomType = texts.model;
    if (doc.intReadModData() != 0)
        return -1;
    pagefields::setSerial(doc, serial);
    setText16(doc, kRemarkPage, texts.remark);
    changePage(doc, kIdentityPage, [&](std::span<uint8_t> page) {
        page[identity::kConfig] = configurationOfKind(page[identity::kConfig], doc.intRxTxEx, doc.lngIntFreq);
    });
    if (doc.intInitSystemInfo() != 0)
        return -1;

    for (int i = 0; i < kChannels; ++i) {
        const int32_t divider = toneDividerOf(image.synth[static_cast<std::size_t>(i)]);
        const int32_t measured = divider > kNoTone ? static_cast<int32_t>(kToneClock) / divider : 0;
        // A measured tone between the table's tones is no tone.
        double tone = -1;
        basVelmar::intMeasuredToCTCSS(measured, tone);
        const int32_t code = tone >= 0 ? radiochannel::toneCodeOf(tone) : 0;

        uint8_t f1 = 0, f2 = 0, f3 = 0;
        const int64_t tens = *frequencyOf(image.frequency[static_cast<std::size_t>(i)]);
        if (tens != 0)
            basVelmar::intFrequencyToBytes(static_cast<int32_t>(tens * 10 + doc.lngIntFreq), doc.lngRef1, doc.lngRef2, f1,
                                           f2, f3);
        changePage(doc, kPartition + i, [&](std::span<uint8_t> page) {
            radiofields::setToneCode(page, code);
            page[channel::kFreq1] = f1;
            page[channel::kFreq2] = f2;
            page[channel::kFreq3] = f3;
        });
    }
    return 0;
}

// Reads an image file into a copy of the document and hands the copy back when all of it loaded.
template <class Read>
int16_t readImageFile(CLASSOrvDocument& doc, const QString& path, DocumentSource source, Read read)
{
    return radiodoc::trapped([&]() -> int16_t {
        EpromImage image{};
        ImageTexts texts;
        read(image, texts);
        CLASSOrvDocument loaded(doc);
        if (loadImage(loaded, path, image, texts) != 0)
            return -1;
        loaded.intDocumentFrom = source;
        loaded.strDocumentFileName = path;
        doc = loaded;
        return 0;
    });
}

} // namespace

int16_t CLASSOrvDocument::intDocument2BIN(const QString& path) { return writeImageFile(*this, path, Flavour::Bin); }

int16_t CLASSOrvDocument::intDocument2HEX(const QString& path) { return writeImageFile(*this, path, Flavour::Hex); }

int16_t CLASSOrvDocument::intBINFile2Document(const QString& path)
{
    return readImageFile(*this, path, kFromBIN, [&](EpromImage& image, ImageTexts& texts) {
        const QByteArray file = fileaccess::readFileStart(path, kImageSize);
        if (file.size() < kImageSize)
            fileaccess::refuse(
                path, QStringLiteral("holds %1 bytes; an EPROM image has %2.").arg(file.size()).arg(kImageSize));
        image = recordfields::recordAt<EpromImage>(file, 0);
        texts = {binTextOf(image.model), binTextOf(image.date), binTextOf(image.serial), binTextOf(image.remark)};
    });
}

int16_t CLASSOrvDocument::intHEXFile2Document(const QString& path)
{
    return readImageFile(*this, path, kFromHEX, [&](EpromImage& image, ImageTexts& texts) {
        // The data lines of the channels and the texts, in order; the lines after them (the rest
        // of the image, the end line and the notes) are not needed.
        const QList<QByteArray> lines = fileaccess::readFileStart(path, kMaxHexBytes).split('\n');
        const int needed = kHexChannelLines + kHexTextLines;
        QByteArray bytes;
        for (int i = 0; i < needed; ++i) {
            if (i >= lines.size() || (i == lines.size() - 1 && lines.at(i).isEmpty()))
                fileaccess::refuse(path,
                                   QStringLiteral("ends at line %1; an Intel-HEX EPROM image has %2 data lines.")
                                       .arg(i + 1)
                                       .arg(kHexDataLines));
            QByteArray line = lines.at(i);
            if (line.endsWith('\r'))
                line.chop(1);
            const auto data = hexDataOf(line, static_cast<uint16_t>(i * kHexLineBytes));
            if (!data)
                fileaccess::refuse(path,
                                   QStringLiteral("is no Intel-HEX EPROM image: line %1 is not a data record of %2 "
                                                  "bytes at address %3 with its checksum.")
                                       .arg(i + 1)
                                       .arg(kHexLineBytes)
                                       .arg(i * kHexLineBytes, 4, 16, QLatin1Char('0')));
            bytes.append(reinterpret_cast<const char*>(data->data()), kHexLineBytes);
        }
        bytes.append(QByteArray(kImageSize - bytes.size(), ' '));
        image = recordfields::recordAt<EpromImage>(bytes, 0);
        texts = {hexTextOf(image.model), hexTextOf(image.date), hexTextOf(image.serial), hexTextOf(image.remark)};
    });
}
