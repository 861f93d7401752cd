#include "RackFixture.h"

#include "platform/CommPort.h"

void RackFixture::SetUp()
{
    rack_.addModule({kSerial, rackemu::Kind::Receiver});
    const QString path = rack_.start();
    ASSERT_FALSE(path.isEmpty()) << rack_.errorString().toStdString();
    folder_.write(QStringLiteral("velmar.ini"), "[Comms]\r\nDevice1=" + path.toLocal8Bit() + "\r\n");
    platform::CommPort& port = platform::CommPort::instance();
    port.setPortOpen(false);
    port.setCommPort(1);
    port.setSettings(QStringLiteral("9600,n,8,1"));
    port.setPortOpen(true);
    rack_.clearFrames();
}

void RackFixture::TearDown()
{
    platform::CommPort::instance().setPortOpen(false);
    rack_.stop();
}

QByteArray hex(const char* pairs) { return QByteArray::fromHex(QByteArray(pairs).replace(' ', "")); }

std::string pairs(const QByteArray& bytes) { return bytes.toHex(' ').toUpper().toStdString(); }
