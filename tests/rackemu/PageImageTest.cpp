// Default page images and image files of emulated modules.
#include "rackemu/PageImage.h"
#include "rackemu/Rack.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace rackemu;

namespace {

// The program's module type code of a configuration byte: top bits 100 tone remote (3),
// 010 (4), 001 (5); with top bits 000, bits 1-2: 00 transmitter (1), 10 exciter (2), else
// receiver (0).
int typeCode(uint8_t config)
{
    switch (config >> 5) {
    case 0: return (config & 6) == 0 ? 1 : (config & 6) == 4 ? 2 : 0;
    case 1: return 5;
    case 2: return 4;
    case 4: return 3;
    default: return -1;
    }
}

struct ImageCase {
    Kind kind;
    int pages;
    int typeCode;
};

class DefaultImages : public ::testing::TestWithParam<ImageCase> {};

TEST_P(DefaultImages, Page2DescribesTheModule)
{
    const ImageCase c = GetParam();
    const uint32_t serial = 0x123456;
    const QByteArray img = defaultImage(c.kind, serial);
    ASSERT_EQ(img.size(), c.pages * 8);
    EXPECT_EQ(typeCode(pageByte(img, 2, 2)), c.typeCode);
    // Serial number low byte first in bytes 5, 6, 7.
    EXPECT_EQ(pageByte(img, 2, 5), 0x56);
    EXPECT_EQ(pageByte(img, 2, 6), 0x34);
    EXPECT_EQ(pageByte(img, 2, 7), 0x12);
    // Firmware V01.01 in page 1 bytes 7..4.
    EXPECT_EQ(page(img, 1).mid(4, 4), QByteArray::fromHex("01000100"));

    if (c.kind == Kind::ToneRemote) {
        EXPECT_EQ(pageByte(img, 13, 7), 0xAA);
        EXPECT_EQ(pageByte(img, 13, 6), 0x7E);
        EXPECT_EQ(pageByte(img, 13, 5), 0xAA);
        return;
    }
    const int partition = pageByte(img, 2, 1);
    const int channels = pageByte(img, 2, 4) * 256 + pageByte(img, 2, 3);
    EXPECT_EQ(partition, 16);
    EXPECT_EQ(channels, kDefaultChannels);
    EXPECT_LE(partition + channels + 1, kRadioPages - 1) << "the program reads up to this page";
    EXPECT_EQ(pageByte(img, 15, 1), 3) << "radio-frequency data present";
    EXPECT_EQ(pageByte(img, 15, 3), c.kind == Kind::Receiver ? 0 : c.kind == Kind::Transmitter ? 1 : 2);
    // Channel 1: step code 3 (12500 Hz), divider giving 150 MHz plus the intermediate frequency.
    const uint8_t f1 = pageByte(img, 16, 7);
    const uint32_t divider = (f1 & 0x0F) * 16384u + pageByte(img, 16, 6) * 64u + pageByte(img, 16, 5);
    const uint32_t intermediate = (pageByte(img, 14, 7) << 24) | (pageByte(img, 14, 6) << 16)
        | (pageByte(img, 14, 5) << 8) | pageByte(img, 14, 4);
    EXPECT_EQ((f1 >> 4) & 7, 3);
    EXPECT_EQ(divider * 12500u, 150000000u + intermediate);
    EXPECT_EQ(intermediate != 0, c.kind == Kind::Receiver);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DefaultImages,
                         ::testing::Values(ImageCase{Kind::Receiver, 149, 0}, ImageCase{Kind::Transmitter, 149, 1},
                                           ImageCase{Kind::Exciter, 149, 2}, ImageCase{Kind::ToneRemote, 257, 3}));

TEST(ImageFile, LoadsWholePagesAndRefusesTheRest)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const QByteArray good = defaultImage(Kind::Exciter, 77);
    QByteArray img;
    QString error;
    ASSERT_TRUE(loadImageFile(write("good.bin", good), img, error)) << error.toStdString();
    EXPECT_EQ(img, good);

    const struct {
        const char* name;
        QByteArray bytes;
    } bad[] = {{"ragged.bin", good.left(good.size() - 3)}, {"tiny.bin", QByteArray(16, '\0')}, {"empty.bin", {}}};
    for (const auto& b : bad) {
        img = "kept";
        EXPECT_FALSE(loadImageFile(write(b.name, b.bytes), img, error)) << b.name;
        EXPECT_TRUE(error.contains(QLatin1String(b.name))) << error.toStdString();
        EXPECT_EQ(img, "kept");
    }
    EXPECT_FALSE(loadImageFile(dir.filePath("missing.bin"), img, error));
    EXPECT_TRUE(error.contains(QLatin1String("cannot read")));

    // A module made from a file answers to the serial it is given: page 2 follows it.
    Rack rack;
    ASSERT_EQ(rack.addModule({4321, Kind::Exciter, good}), 0);
    EXPECT_EQ(imageSerial(rack.pages(4321)), 4321u);
    EXPECT_EQ(rack.pages(4321).mid(24), good.mid(24));
}

} // namespace
