#include "PageImage.h"
#include "Protocol.h"

#include <QDate>
#include <QFile>

namespace rackemu {

uint8_t pageByte(const QByteArray& image, int page, int byte)
{
    return static_cast<uint8_t>(image.at(page * kPageBytes + byte));
}

void setPageByte(QByteArray& image, int page, int byte, uint8_t value)
{
    image[page * kPageBytes + byte] = static_cast<char>(value);
}

QByteArray page(const QByteArray& image, int p)
{
    return image.mid(p * kPageBytes, kPageBytes);
}

uint32_t imageSerial(const QByteArray& image)
{
    return static_cast<uint32_t>(pageByte(image, 2, 5)) | (static_cast<uint32_t>(pageByte(image, 2, 6)) << 8)
        | (static_cast<uint32_t>(pageByte(image, 2, 7)) << 16);
}

void setImageSerial(QByteArray& image, uint32_t serial)
{
    setPageByte(image, 2, 5, serial & 0xFF);
    setPageByte(image, 2, 6, (serial >> 8) & 0xFF);
    setPageByte(image, 2, 7, (serial >> 16) & 0xFF);
}

namespace {

// Eight characters, the first in byte 7.
void setText(QByteArray& image, int p, const char* text8)
{
    for (int i = 0; i < kPageBytes; ++i)
        setPageByte(image, p, 7 - i, static_cast<uint8_t>(text8[i]));
}

// Bytes listed from byte 7 down to byte 0.
void setBytes(QByteArray& image, int p, std::initializer_list<int> b7to0)
{
    int byte = 7;
    for (int v : b7to0)
        setPageByte(image, p, byte--, static_cast<uint8_t>(v));
}

// A 32-bit value over bytes hi..hi-3, most significant in `hi`.
void setLong(QByteArray& image, int p, int hi, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        setPageByte(image, p, hi - i, (v >> (24 - 8 * i)) & 0xFF);
}

// 16-bit value, high byte in `hi`, low byte in `hi - 1`.
void setWord(QByteArray& image, int p, int hi, uint16_t v)
{
    setPageByte(image, p, hi, v >> 8);
    setPageByte(image, p, hi - 1, v & 0xFF);
}

// The programming date as eight two-digit bytes: day count since 30 Dec 1899 (3 pairs), then
// the fraction of the day (5 pairs); the first pair in byte 7.
void setDate(QByteArray& image, int p, QDate date)
{
    const qint64 days = QDate(1899, 12, 30).daysTo(date);
    setBytes(image, p, {int(days / 10000), int(days / 100 % 100), int(days % 100), 50, 0, 0, 0, 0});
}

const QDate kMadeOn(2024, 1, 15);

// Pages 6 to 11 of every emulated module: no custom type, the remark "Emulated module", the
// tool tag and the programming date.
void setCommonTexts(QByteArray& img)
{
    setText(img, 6, "        ");
    setText(img, 7, "        ");
    setText(img, 8, "Emulated");
    setText(img, 9, " module ");
    setText(img, 10, "Velmar  ");
    setDate(img, 11, kMadeOn);
}

QByteArray radioImage(Kind kind, uint32_t serial)
{
    QByteArray img(kRadioPages * kPageBytes, '\0');
    const bool receiver = kind == Kind::Receiver;
    const uint32_t intermediate = receiver ? 21400000 : 0;
    const uint32_t step = 12500;

    setBytes(img, 1, {0, 1, 0, 1, 0, 0, 255, 255}); // V01.01, current channel 0
    // Configuration byte: two-letter model code (bit 4); kind in bits 1-2; a receiver with an
    // intermediate frequency injects on the high side (bit 0).
    const uint8_t config = 0x10 | (receiver ? 0x03 : kind == Kind::Exciter ? 0x04 : 0x00);
    setBytes(img, 2, {0, 0, 0, kDefaultChannels >> 8, kDefaultChannels & 0xFF, config, kRadioPartition, 255});
    setImageSerial(img, serial);
    setText(img, 3, "15012024");
    // Model codes of the VHF models the program's catalogue ships (Vr31-05/15/25-0000).
    setText(img, 4, receiver ? "31050000" : kind == Kind::Exciter ? "31250000" : "31150000");
    if (!receiver) {
        setPageByte(img, 5, 7, 10);         // tail timer, 0.2 s
        setWord(img, 5, 6, 1500);           // transmit time-out, 30 s
        setWord(img, 5, 4, 500);            // transmit lock-out, 10 s
    }
    setCommonTexts(img);
    setLong(img, 12, 7, 174000000); // upper band edge
    setLong(img, 12, 3, 148000000); // lower band edge
    setLong(img, 13, 7, 6250);      // second reference
    setLong(img, 13, 3, step);      // first reference
    setLong(img, 14, 7, intermediate);
    setLong(img, 14, 3, 12800000);  // TCXO
    setBytes(img, 15, {0, 64, 0, 0, receiver ? 0 : kind == Kind::Exciter ? 2 : 1, 0, 3, 0});

    for (int ch = 0; ch < 128; ++ch) {
        const int p = kRadioPartition + ch;
        setPageByte(img, p, 0, 255); // no output pin set
        if (ch >= kDefaultChannels)
            continue;
        const uint32_t divider = (150000000 + ch * step + intermediate) / step;
        setPageByte(img, p, 7, (3 << 4) | (divider >> 14)); // step code 3: 12500 Hz
        setPageByte(img, p, 6, (divider >> 6) & 0xFF);
        setPageByte(img, p, 5, divider & 0x3F);
        setPageByte(img, p, 4, 80);  // deviation
        setPageByte(img, p, 3, 127); // reference modulation
    }
    return img;
}

QByteArray toneRemoteImage(uint32_t serial)
{
    QByteArray img(kToneRemotePages * kPageBytes, '\0');
    setBytes(img, 1, {0, 1, 0, 1, 0, 0, 255, 255});
    setBytes(img, 2, {0, 0, 0, 0, 0, 0x80, 224, 30}); // tone remote, option byte, calibration
    setImageSerial(img, serial);
    setText(img, 3, "15-01-24");
    setText(img, 4, "41100000");
    setBytes(img, 5, {0, 0, 0, 0, 0, 0x84, 0, 30});
    setCommonTexts(img);
    setText(img, 12, "        ");
    setWord(img, 12, 7, 2175); // keytone frequencies
    setWord(img, 12, 5, 2175);
    setText(img, 13, "\xAA~\xAA     "); // identity marker
    // As the program leaves a module it programmed: RSSI kind 0 (UHF) under a high nybble of its own;
    // function tones 40 ms, five-tone time 50 (standard 0), DTMF 30, HLGT 120 ms, LET 125.
    setBytes(img, 14, {0xF0, 255, 255, 255, 255, 255, 255, 255});
    setBytes(img, 15, {20, 50, 30, 60, 0, 125, 127, 225});
    setWord(img, 45, 7, 1200); // transmit delay
    setWord(img, 45, 5, 600);  // receive delay
    setWord(img, 46, 1, 10338); // voting level
    setBytes(img, 47, {67, 0, 17, 0, 21, 0, 29, 0});
    for (int p = 208; p <= 215; ++p) { // alarm records 1-8, disabled
        setPageByte(img, p, 0, 136);
        setPageByte(img, p, 1, 15);
    }
    for (int p = 224; p <= 255; ++p) // function-tone actions: no action
        setBytes(img, p, {255, 255, 255, 255, 255, 255, 255, 255});
    return img;
}

} // namespace

QByteArray defaultImage(Kind kind, uint32_t serial)
{
    return kind == Kind::ToneRemote ? toneRemoteImage(serial) : radioImage(kind, serial);
}

bool loadImageFile(const QString& path, QByteArray& image, QString& error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read the image file %1: %2").arg(path, f.errorString());
        return false;
    }
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        error = QStringLiteral("cannot read the image file %1: %2").arg(path, f.errorString());
        return false;
    }
    if (data.size() % kPageBytes != 0 || data.size() < 3 * kPageBytes || data.size() > 65536 * kPageBytes) {
        error = QStringLiteral("the image file %1 holds %2 bytes: an image is 3 to 65536 pages of 8 bytes")
                    .arg(path)
                    .arg(data.size());
        return false;
    }
    image = data;
    return true;
}

bool parseKind(const QString& text, Kind& kind)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("receiver") || t == QLatin1String("rx"))
        kind = Kind::Receiver;
    else if (t == QLatin1String("transmitter") || t == QLatin1String("tx"))
        kind = Kind::Transmitter;
    else if (t == QLatin1String("exciter") || t == QLatin1String("ex"))
        kind = Kind::Exciter;
    else if (t == QLatin1String("toneremote") || t == QLatin1String("tr"))
        kind = Kind::ToneRemote;
    else
        return false;
    return true;
}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Receiver: return QStringLiteral("receiver");
    case Kind::Transmitter: return QStringLiteral("transmitter");
    case Kind::Exciter: return QStringLiteral("exciter");
    case Kind::ToneRemote: return QStringLiteral("toneremote");
    }
    return {};
}

} // namespace rackemu
