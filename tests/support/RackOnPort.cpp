#include "support/RackOnPort.h"

#include "platform/CommPort.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

namespace testsupport {

RackOnPort::~RackOnPort()
{
    if (rack_.isRunning())
        close();
}

void RackOnPort::open()
{
    const QString path = rack_.start();
    ASSERT_FALSE(path.isEmpty()) << rack_.errorString().toStdString();
    // The port is a link in the program folder to the rack's terminal, and the link goes when the
    // rack stops: a pseudo-terminal's number is used again by the next one opened anywhere (another
    // test program running beside this one), so the program must not be left naming it.
    const QString device = folder_.file(QStringLiteral("ttyRack"));
    QFile::remove(device);
    ASSERT_TRUE(QFile::link(path, device)) << device.toStdString();
    folder_.write(QStringLiteral("velmar.ini"), "[Comms]\r\nDevice1=" + device.toLocal8Bit() + "\r\n");
    platform::CommPort& port = platform::CommPort::instance();
    port.setPortOpen(false);
    port.setCommPort(1);
    port.setSettings(QStringLiteral("9600,n,8,1"));
    port.setPortOpen(true);
}

void RackOnPort::close()
{
    platform::CommPort::instance().setPortOpen(false);
    QFile::remove(folder_.file(QStringLiteral("ttyRack")));
    rack_.stop();
}

std::vector<int> pagesSent(const rackemu::Rack& rack, rackemu::Command c)
{
    std::vector<int> pages;
    for (const rackemu::FrameRecord& f : rack.frames())
        if (f.valid && f.command == static_cast<uint8_t>(c))
            pages.push_back(f.page);
    return pages;
}

std::vector<rackemu::Command> commandsSent(const rackemu::Rack& rack)
{
    std::vector<rackemu::Command> out;
    for (const rackemu::FrameRecord& f : rack.frames())
        if (f.valid)
            out.push_back(static_cast<rackemu::Command>(f.command));
    return out;
}

bool waitForFrames(const rackemu::Rack& rack, rackemu::Command c, int count)
{
    QElapsedTimer timer;
    timer.start();
    while (rack.frameCount(c) < count) {
        if (timer.elapsed() > 2000)
            return false;
        QThread::msleep(5);
    }
    return true;
}

} // namespace testsupport
