#pragma once
// A serial device of the system (USB adapter, built-in port, pseudo-terminal)
// driven through POSIX termios: raw bytes, reads that never block, writes that
// never wait.

#include "survey/link/serialport.h"

#include <array>
#include <memory>

class TermiosDevice : public SerialDevice {
public:
    // Opens `port.device` exclusively, raises DTR and RTS and sets a raw line
    // without flow control. On failure sets port.status (-14 no such device,
    // -3 no permission or in use, -1 anything else) and returns null.
    static std::unique_ptr<TermiosDevice> open(SerialPort &port);
    ~TermiosDevice() override;

    int readChar(SerialPort &port) override;
    int readBuffer(SerialPort &port, uint8_t *buffer, int count) override;
    int writeBuffer(SerialPort &port, const uint8_t *buffer, int count) override;
    int receivedCount(SerialPort &port) override;
    int clearTransmitQueue(SerialPort &port) override;
    int setPortParameters(SerialPort &port, long baudRate, char parity, int dataBits,
                          int stopBits) override;
    int waitForInput(SerialPort &port, int64_t maxMs) override;
    void close(SerialPort &port) override;

    static constexpr int kQueueSize = 1050;

private:
    explicit TermiosDevice(int fd) : m_fd(fd) {}
    // Moves what the system holds into the receive queue; an error of the
    // device goes to port.status.
    void fill(SerialPort &port);
    int failWith(SerialPort &port, int error);

    int m_fd;
    std::array<uint8_t, kQueueSize> m_queue{};
    int m_head = 0; // next byte to hand out
    int m_tail = 0; // end of the bytes received
};

// errno of a failed system call as a result code: -14 no such device, -3 no
// permission or busy, -1 anything else.
int MapSystemError(int error);
