#include "support/RackOnPort.h"

#include "platform/CommPort.h"

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
    folder_.write(QStringLiteral("velmar.ini"), "[Comms]\r\nDevice1=" + path.toLocal8Bit() + "\r\n");
    platform::CommPort& port = platform::CommPort::instance();
    port.setPortOpen(false);
    port.setCommPort(1);
    port.setSettings(QStringLiteral("9600,n,8,1"));
    port.setPortOpen(true);
}

void RackOnPort::close()
{
    platform::CommPort::instance().setPortOpen(false);
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

} // namespace testsupport
