#include "survey/link/serialport.h"

#include "survey/link/comportmap.h"
#include "survey/link/linkclock.h"
#include "survey/link/termiosdevice.h"

#include <cstdlib>

namespace {

SerialPort *g_openPorts = nullptr;
bool g_exitHandlerRegistered = false;

// At program exit (the dialog's Close ends the program in the middle of a
// download) every port still open is released, so the lines drop and the
// device is free for the next program.
void closeOpenPortsAtExit() {
    for (SerialPort *port = g_openPorts; port; port = port->next) {
        port->operations->close(*port);
        port->operations = std::make_unique<SerialDevice>();
    }
}

void link(SerialPort *port) {
    if (!g_exitHandlerRegistered) {
        std::atexit(closeOpenPortsAtExit);
        g_exitHandlerRegistered = true;
    }
    port->next = g_openPorts;
    g_openPorts = port;
}

void unlink(SerialPort *port) {
    for (SerialPort **link = &g_openPorts; *link; link = &(*link)->next) {
        if (*link == port) {
            *link = port->next;
            return;
        }
    }
}

} // namespace

int SerialDevice::readChar(SerialPort &) {
    return kSerialNotSupported;
}
int SerialDevice::readBuffer(SerialPort &, uint8_t *, int) {
    return kSerialNotSupported;
}
int SerialDevice::writeBuffer(SerialPort &, const uint8_t *, int) {
    return kSerialNotSupported;
}
int SerialDevice::receivedCount(SerialPort &) {
    return kSerialNotSupported;
}
int SerialDevice::clearTransmitQueue(SerialPort &) {
    return kSerialNotSupported;
}
int SerialDevice::setPortParameters(SerialPort &, long, char, int, int) {
    return kSerialNotSupported;
}
int SerialDevice::waitForInput(SerialPort &, int64_t) {
    return kSerialNotSupported;
}
void SerialDevice::close(SerialPort &) {}

SerialPort::SerialPort() : operations(std::make_unique<SerialDevice>()) {
    link(this);
}

SerialPort::~SerialPort() {
    operations->close(*this);
    unlink(this);
}

std::unique_ptr<SerialPort> OpenPort(int portIndex, long baudRate, char parity, int dataBits,
                                     int stopBits) {
    auto port = OpenPortDevice(ComPortDevice(portIndex), baudRate, parity, dataBits, stopBits);
    port->portIndex = portIndex;
    return port;
}

std::unique_ptr<SerialPort> OpenPortDevice(const QString &device, long baudRate, char parity,
                                           int dataBits, int stopBits) {
    auto port = std::make_unique<SerialPort>();
    port->device = device;
    auto opened = TermiosDevice::open(*port);
    if (!opened)
        return port;
    const int result = opened->setPortParameters(*port, baudRate, parity, dataBits, stopBits);
    if (result < 0) {
        // The port stays unusable, but it is released at once.
        port->status = result;
        opened->close(*port);
        return port;
    }
    port->operations = std::move(opened);
    return port;
}

std::unique_ptr<SerialPort> AttachPort(std::unique_ptr<SerialDevice> device) {
    auto port = std::make_unique<SerialPort>();
    port->operations = std::move(device);
    return port;
}

int ClosePort(std::unique_ptr<SerialPort> port) {
    if (!port)
        return kSerialOk;
    port->operations->close(*port);
    port->operations = std::make_unique<SerialDevice>();
    return kSerialOk;
}

int ReadChar(SerialPort &port) {
    return port.operations->readChar(port);
}

int WriteChar(SerialPort &port, uint8_t byte) {
    return WriteBuffer(port, &byte, 1);
}

int ReadBuffer(SerialPort &port, uint8_t *buffer, int count) {
    return port.operations->readBuffer(port, buffer, count);
}

int WriteBuffer(SerialPort &port, const uint8_t *buffer, int count) {
    return port.operations->writeBuffer(port, buffer, count);
}

int ReceivedCount(SerialPort &port) {
    return port.operations->receivedCount(port);
}

int ClearTransmitQueue(SerialPort &port) {
    return port.operations->clearTransmitQueue(port);
}

int SetPortParameters(SerialPort &port, long baudRate, char parity, int dataBits, int stopBits) {
    return port.operations->setPortParameters(port, baudRate, parity, dataBits, stopBits);
}

int OpenPortCount() {
    int count = 0;
    for (SerialPort *port = g_openPorts; port; port = port->next)
        ++count;
    return count;
}
