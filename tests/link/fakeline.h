#pragma once
// A serial line inside the test: what the receiver writes goes to a peer
// function (an XMODEM sender, a script), whose answer is waiting at once.
// Waiting for input that will never come moves the virtual clock on.

#include "survey/link/linkclock.h"
#include "survey/link/serialport.h"
#include "survey/sonvar-sim/linefaults.h"

#include <QByteArray>
#include <algorithm>
#include <functional>

class FakeLine : public SerialDevice {
public:
    using Peer = std::function<QByteArray(uint8_t byte)>;
    explicit FakeLine(Peer peer) : m_peer(std::move(peer)) {}

    QByteArray sent;     // every byte written to the line
    QByteArray incoming; // bytes waiting to be read
    LineFaults *toReceiver = nullptr;
    LineFaults *toPeer = nullptr;
    bool refuseWrites = false; // a transmit queue that never empties

    int readChar(SerialPort &) override {
        if (incoming.isEmpty())
            return kSerialTimeout;
        const auto byte = uint8_t(incoming.front());
        incoming.remove(0, 1);
        return byte;
    }
    int readBuffer(SerialPort &port, uint8_t *buffer, int count) override {
        const int taken = std::min<int>(count, int(incoming.size()));
        port.lastCount = taken;
        if (taken == 0)
            return kSerialTimeout;
        std::copy_n(incoming.constData(), taken, buffer);
        incoming.remove(0, taken);
        return kSerialOk;
    }
    int writeBuffer(SerialPort &port, const uint8_t *buffer, int count) override {
        if (refuseWrites) {
            port.lastCount = 0;
            port.status = kSerialQueueFull;
            return kSerialQueueFull;
        }
        port.lastCount = count;
        const QByteArray bytes(reinterpret_cast<const char *>(buffer), count);
        sent += bytes;
        for (const char byte : toPeer ? toPeer->apply(bytes) : bytes) {
            const QByteArray answer = m_peer(uint8_t(byte));
            incoming += toReceiver ? toReceiver->apply(answer) : answer;
        }
        return kSerialOk;
    }
    int receivedCount(SerialPort &) override { return int(incoming.size()); }
    int clearTransmitQueue(SerialPort &) override { return kSerialOk; }
    int setPortParameters(SerialPort &, long, char, int, int) override { return kSerialOk; }
    int waitForInput(SerialPort &, int64_t maxMs) override {
        if (incoming.isEmpty())
            linkClock().waitReadable(-1, maxMs);
        return kSerialOk;
    }

private:
    Peer m_peer;
};
