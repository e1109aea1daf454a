#pragma once
// One serial port of the PC and its per-port operations, with the result
// codes of the downloader's serial layer: 0 or more is success, a negative
// number an error. Callers test `status` after a call.

#include <QString>
#include <cstdint>
#include <memory>

struct SerialPort;

enum SerialResult : int {
    kSerialOk = 0,
    kSerialOtherError = -1,   // any other system error
    kSerialAccessDenied = -3, // in use by another program, or no permission
    kSerialNoMemory = -5,
    kSerialBadArgument = -7,
    kSerialTimeout = -8, // time-out, or no byte waiting
    kSerialQueueFull = -9,
    kSerialNotFound = -14,
    kSerialNotSupported = -24,
    kSerialBadBaudRate = -25,
    kSerialBadParity = -26,
    kSerialBadStopBits = -28,
    kSerialLineTooLong = -31,
};

// The operations table of a port: what stands behind it. This base answers
// "not supported" to everything; an open device, or a fake line in tests,
// overrides the entries.
class SerialDevice {
public:
    virtual ~SerialDevice() = default;
    // One byte if one is waiting (never waits), or -8.
    virtual int readChar(SerialPort &port);
    // Up to `count` waiting bytes; sets lastCount; -8 when nothing is waiting.
    virtual int readBuffer(SerialPort &port, uint8_t *buffer, int count);
    // Queues up to `count` bytes; -9 (and status) when not all were accepted.
    virtual int writeBuffer(SerialPort &port, const uint8_t *buffer, int count);
    // Number of received bytes waiting.
    virtual int receivedCount(SerialPort &port);
    virtual int clearTransmitQueue(SerialPort &port);
    virtual int setPortParameters(SerialPort &port, long baudRate, char parity, int dataBits,
                                  int stopBits);
    // Blocks until input may be waiting or at most `maxMs` have passed
    // (possibly less). 0, or the error of a device that failed.
    virtual int waitForInput(SerialPort &port, int64_t maxMs);
    // Drops DTR and RTS and releases the device.
    virtual void close(SerialPort &port);
};

// Created by OpenPort (or AttachPort), freed by ClosePort. Every port is in
// the process-wide list of open ports until it is freed; at program exit the
// ports still in the list are closed.
struct SerialPort {
    SerialPort();
    ~SerialPort();
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    int portIndex = -1;  // 0 is COM1; -1 for a port opened by device path
    int status = 0;      // 0, or the last error
    int lastCount = 0;   // bytes moved by the last read or write
    QString device;      // the device path that was opened (or tried)
    int systemError = 0; // errno of the failed system call behind `status`
    std::unique_ptr<SerialDevice> operations;
    SerialPort *next = nullptr; // in the list of open ports
};

// Opens COM(portIndex + 1), reached through the per-user device map, with the
// given line settings. Always returns a port; a negative `status` means it is
// unusable and only ClosePort may follow.
std::unique_ptr<SerialPort> OpenPort(int portIndex, long baudRate, char parity, int dataBits,
                                     int stopBits);
// The same for a device path.
std::unique_ptr<SerialPort> OpenPortDevice(const QString &device, long baudRate, char parity,
                                           int dataBits, int stopBits);
// A port over a device of the caller's (a fake line in tests).
std::unique_ptr<SerialPort> AttachPort(std::unique_ptr<SerialDevice> device);
// Releases the device (DTR, then RTS dropped), unlinks and frees the port.
int ClosePort(std::unique_ptr<SerialPort> port);

// The per-port operations.
int ReadChar(SerialPort &port);
int WriteChar(SerialPort &port, uint8_t byte);
int ReadBuffer(SerialPort &port, uint8_t *buffer, int count);
int WriteBuffer(SerialPort &port, const uint8_t *buffer, int count);
int ReceivedCount(SerialPort &port);
int ClearTransmitQueue(SerialPort &port);
int SetPortParameters(SerialPort &port, long baudRate, char parity, int dataBits, int stopBits);

// Number of ports in the list of open ports (for tests of the list).
int OpenPortCount();
