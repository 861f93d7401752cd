#pragma once
// Page images of emulated modules: the default images and image files (8 bytes a page, raw,
// pages in order, byte 0 of a page first).
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace rackemu {

enum class Kind { Receiver, Transmitter, Exciter, ToneRemote };

constexpr int kRadioPages = 149;
constexpr int kToneRemotePages = 257;
constexpr int kRadioPartition = 16;
constexpr int kDefaultChannels = 4;

// A freshly programmed module of that kind: firmware V01.01, partition 16 and four channels
// (radio) or the tone-remote identity marker and defaults, and the serial number in page 2.
QByteArray defaultImage(Kind kind, uint32_t serial);

// Byte `byte` of page `page`.
uint8_t pageByte(const QByteArray& image, int page, int byte);
void setPageByte(QByteArray& image, int page, int byte, uint8_t value);
// One page's 8 bytes (byte 0 first).
QByteArray page(const QByteArray& image, int page);

// Page 2 bytes 5, 6, 7 (low first): the serial number the module answers to after a restart.
uint32_t imageSerial(const QByteArray& image);
void setImageSerial(QByteArray& image, uint32_t serial);

// Reads an image file. False with a message when the file cannot be read or is not a whole
// number of pages (at least 3, at most 65536).
bool loadImageFile(const QString& path, QByteArray& image, QString& error);

// "receiver"/"rx", "transmitter"/"tx", "exciter"/"ex", "toneremote"/"tr".
bool parseKind(const QString& text, Kind& kind);
QString kindName(Kind kind);

} // namespace rackemu
