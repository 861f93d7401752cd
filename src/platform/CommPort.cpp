#include "platform/CommPort.h"

#include "platform/Ini.h"
#include "platform/PlatformError.h"
#include "platform/ProgramFolder.h"

#include <QSerialPort>
#include <QStringList>

namespace platform {
namespace {

constexpr int kErrInvalidPort = 8002;
constexpr int kErrPortOpen = 8005;
constexpr int kErrSettings = 380;
constexpr int kErrNotOpen = 8012;
constexpr int kErrWrite = 8015;

struct LineSettings {
    qint32 baud;
    QSerialPort::Parity parity;
    QSerialPort::DataBits dataBits;
    QSerialPort::StopBits stopBits;
};

bool parseSettings(const QString& text, LineSettings* out)
{
    const QStringList p = text.split(QLatin1Char(','));
    if (p.size() != 4)
        return false;
    bool ok = false;
    const int baud = p[0].trimmed().toInt(&ok);
    if (!ok || baud <= 0)
        return false;
    out->baud = baud;
    const QString parity = p[1].trimmed().toLower();
    if (parity == QLatin1String("n"))
        out->parity = QSerialPort::NoParity;
    else if (parity == QLatin1String("e"))
        out->parity = QSerialPort::EvenParity;
    else if (parity == QLatin1String("o"))
        out->parity = QSerialPort::OddParity;
    else
        return false;
    const int data = p[2].trimmed().toInt(&ok);
    if (!ok || data < 5 || data > 8)
        return false;
    out->dataBits = static_cast<QSerialPort::DataBits>(data);
    const QString stop = p[3].trimmed();
    if (stop == QLatin1String("1"))
        out->stopBits = QSerialPort::OneStop;
    else if (stop == QLatin1String("2"))
        out->stopBits = QSerialPort::TwoStop;
    else
        return false;
    return true;
}

} // namespace

CommPort& CommPort::instance()
{
    static CommPort port;
    return port;
}

CommPort::CommPort() = default;
CommPort::~CommPort() = default;

void CommPort::setSettings(const QString& settings)
{
    LineSettings s{};
    if (!parseSettings(settings, &s))
        throw Error(kErrSettings, QStringLiteral("Invalid property value"));
    settings_ = settings;
}

bool CommPort::portOpen() const { return port_ && port_->isOpen(); }

void CommPort::requireOpen() const
{
    if (!portOpen())
        throw Error(kErrNotOpen, QStringLiteral("Operation valid only when the port is open"));
}

QString CommPort::devicePath(int number)
{
    const QString fallback = QStringLiteral("/dev/ttyS%1").arg(number - 1);
    return Ini::GetPrivateProfileString(QStringLiteral("Comms"), QStringLiteral("Device%1").arg(number), fallback,
                                        programFile(QStringLiteral("velmar.ini")));
}

void CommPort::setPortOpen(bool open)
{
    if (!open) {
        if (port_)
            port_->close();
        port_.reset();
        openDevice_.clear();
        return;
    }
    if (portOpen())
        return;
    if (number_ < 1 || number_ > 16)
        throw Error(kErrInvalidPort, QStringLiteral("Invalid port number"));
    LineSettings s{};
    if (!parseSettings(settings_, &s))
        throw Error(kErrSettings, QStringLiteral("Invalid property value"));

    const QString device = devicePath(number_);
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(device);
    if (!port->open(QIODevice::ReadWrite)) {
        throw Error(kErrPortOpen,
                    QStringLiteral("Cannot open COM%1 (%2): %3").arg(number_).arg(device, port->errorString()));
    }
    if (!port->setBaudRate(s.baud) || !port->setParity(s.parity) || !port->setDataBits(s.dataBits) ||
        !port->setStopBits(s.stopBits) || !port->setFlowControl(QSerialPort::NoFlowControl)) {
        const QString why = port->errorString();
        port->close();
        throw Error(kErrPortOpen, QStringLiteral("Cannot set up COM%1 (%2): %3").arg(number_).arg(device, why));
    }
    port->clear();
    port_ = std::move(port);
    openDevice_ = device;
}

int CommPort::inBufferCount()
{
    requireOpen();
    port_->waitForReadyRead(0);  // takes in what the driver holds, without waiting
    return static_cast<int>(port_->bytesAvailable());
}

void CommPort::clearInput()
{
    requireOpen();
    port_->waitForReadyRead(0);
    port_->clear(QSerialPort::Input);
    port_->readAll();
}

void CommPort::clearOutput()
{
    requireOpen();
    port_->clear(QSerialPort::Output);
}

QByteArray CommPort::input()
{
    requireOpen();
    port_->waitForReadyRead(0);
    return port_->readAll();
}

void CommPort::output(const QByteArray& bytes)
{
    requireOpen();
    if (port_->write(bytes) != bytes.size())
        throw Error(kErrWrite, QStringLiteral("Cannot send to COM%1: %2").arg(number_).arg(port_->errorString()));
    // Hand the bytes to the driver now; the call returns once they are queued there, not sent.
    while (port_->bytesToWrite() > 0) {
        if (!port_->waitForBytesWritten(1000))
            throw Error(kErrWrite, QStringLiteral("Cannot send to COM%1: %2").arg(number_).arg(port_->errorString()));
    }
}

bool CommPort::waitForInput(int msecs)
{
    requireOpen();
    if (port_->bytesAvailable() > 0)
        return true;
    port_->waitForReadyRead(msecs < 0 ? 0 : msecs);
    return port_->bytesAvailable() > 0;
}

} // namespace platform
