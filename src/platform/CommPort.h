#pragma once
#include <QByteArray>
#include <QString>
#include <memory>

class QSerialPort;

namespace platform {

// The program's one serial port. Port n is /dev/ttyS<n-1>, unless the key Device<n> of the
// section "Comms" of velmar.ini names another device (a USB adapter, a pseudo-terminal).
// Failures raise platform::Error with the text the user is shown.
class CommPort {
public:
    static CommPort& instance();

    CommPort();
    ~CommPort();
    CommPort(const CommPort&) = delete;
    CommPort& operator=(const CommPort&) = delete;

    // Port number; takes effect at the next opening.
    void setCommPort(int number) { number_ = number; }
    int commPort() const { return number_; }
    // Line settings "baud,parity,data,stop", e.g. "9600,n,8,1"; taken at the next opening.
    void setSettings(const QString& settings);
    QString settings() const { return settings_; }

    bool portOpen() const;
    // Opens or closes the port. Opening a port that is open, or closing a closed one, does nothing.
    void setPortOpen(bool open);

    // The device that port `number` stands for.
    static QString devicePath(int number);
    // The device of the open port (empty when closed).
    QString openDevice() const { return openDevice_; }

    // Received bytes waiting to be read.
    int inBufferCount();
    // Discards the received bytes waiting.
    void clearInput();
    // Discards bytes not yet sent.
    void clearOutput();
    // All received bytes waiting, in order of arrival; empties the receive buffer.
    QByteArray input();
    // Queues bytes for sending and returns without waiting for them to leave.
    void output(const QByteArray& bytes);
    // Blocks (in the kernel) until bytes arrive or the time is up. True when bytes are waiting.
    bool waitForInput(int msecs);

private:
    // Raises the error of an operation on a closed port.
    void requireOpen() const;

    std::unique_ptr<QSerialPort> port_;
    int number_ = 1;
    QString settings_ = QStringLiteral("9600,n,8,1");
    QString openDevice_;
};

} // namespace platform
