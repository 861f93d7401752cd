#include "RackFixture.h"

void RackFixture::SetUp()
{
    rack_.addModule({kSerial, rackemu::Kind::Receiver});
    line_.open();
    rack_.clearFrames();
}

void RackFixture::TearDown()
{
    line_.close();
}

QByteArray hex(const char* pairs) { return QByteArray::fromHex(QByteArray(pairs).replace(' ', "")); }

std::string pairs(const QByteArray& bytes) { return bytes.toHex(' ').toUpper().toStdString(); }
