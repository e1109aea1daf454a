#include "survey/link/termiosdevice.h"

#include "survey/link/linkclock.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

speed_t speedFor(long baudRate) {
    switch (baudRate) {
    case 110:
        return B110;
    case 300:
        return B300;
    case 600:
        return B600;
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B0;
    }
}

tcflag_t sizeFor(int dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

} // namespace

int MapSystemError(int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        return kSerialNotFound;
    case EACCES:
    case EPERM:
    case EBUSY:
    case EWOULDBLOCK:
        return kSerialAccessDenied;
    default:
        return kSerialOtherError;
    }
}

std::unique_ptr<TermiosDevice> TermiosDevice::open(SerialPort &port) {
    const QByteArray path = port.device.toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    auto fail = [&port](int error, int fdToClose) -> std::unique_ptr<TermiosDevice> {
        if (fdToClose >= 0)
            ::close(fdToClose);
        port.systemError = error;
        port.status = MapSystemError(error);
        return nullptr;
    };
    if (fd < 0)
        return fail(errno, -1);
    // Not shared: the terminal refuses further opens (except by root), and the
    // advisory lock stops any program that asks for it, root included.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return fail(errno == EWOULDBLOCK ? EBUSY : errno, fd);
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0)
        return fail(errno, fd);
    ::ioctl(fd, TIOCEXCL);

    // Raw binary bytes both ways: no parity check, no translation, no echo,
    // no signals, and no flow control of any kind, since XMODEM blocks carry
    // every byte value (XON and XOFF included).
    ::cfmakeraw(&settings);
    settings.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY | INPCK);
    settings.c_cflag &= ~tcflag_t(CRTSCTS);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cc[VMIN] = 0; // reads return at once with what has arrived
    settings.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &settings) != 0)
        return fail(errno, fd);
    // DTR and RTS on. A pseudo-terminal has no modem lines and refuses this.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd, TIOCMBIS, &lines);
    port.status = kSerialOk;
    return std::unique_ptr<TermiosDevice>(new TermiosDevice(fd));
}

TermiosDevice::~TermiosDevice() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void TermiosDevice::close(SerialPort &) {
    if (m_fd < 0)
        return;
    int dtr = TIOCM_DTR;
    ::ioctl(m_fd, TIOCMBIC, &dtr);
    int rts = TIOCM_RTS;
    ::ioctl(m_fd, TIOCMBIC, &rts);
    ::close(m_fd);
    m_fd = -1;
}

int TermiosDevice::failWith(SerialPort &port, int error) {
    port.systemError = error;
    port.status = MapSystemError(error);
    return port.status;
}

void TermiosDevice::fill(SerialPort &port) {
    if (m_fd < 0)
        return;
    if (m_head == m_tail)
        m_head = m_tail = 0;
    if (m_head > 0 && m_tail == kQueueSize) {
        std::copy(m_queue.begin() + m_head, m_queue.begin() + m_tail, m_queue.begin());
        m_tail -= m_head;
        m_head = 0;
    }
    if (m_tail == kQueueSize)
        return;
    const ssize_t got = ::read(m_fd, m_queue.data() + m_tail, size_t(kQueueSize - m_tail));
    if (got > 0)
        m_tail += int(got);
    else if (got < 0 && errno != EAGAIN && errno != EINTR)
        failWith(port, errno);
}

int TermiosDevice::readChar(SerialPort &port) {
    if (m_head == m_tail)
        fill(port);
    if (m_head == m_tail)
        return kSerialTimeout;
    return m_queue[size_t(m_head++)];
}

int TermiosDevice::readBuffer(SerialPort &port, uint8_t *buffer, int count) {
    if (m_head == m_tail)
        fill(port);
    const int taken = std::min(count, m_tail - m_head);
    port.lastCount = std::max(taken, 0);
    if (taken <= 0)
        return kSerialTimeout;
    std::copy_n(m_queue.begin() + m_head, taken, buffer);
    m_head += taken;
    return kSerialOk;
}

int TermiosDevice::writeBuffer(SerialPort &port, const uint8_t *buffer, int count) {
    int queued = 0;
    ::ioctl(m_fd, TIOCOUTQ, &queued);
    const int room = std::max(0, kQueueSize - queued);
    int sent = 0;
    while (sent < std::min(count, room)) {
        const ssize_t wrote = ::write(m_fd, buffer + sent, size_t(std::min(count, room) - sent));
        if (wrote > 0)
            sent += int(wrote);
        else if (wrote < 0 && errno == EINTR)
            continue;
        else
            break;
    }
    port.lastCount = sent;
    if (sent < count) {
        port.status = kSerialQueueFull;
        return kSerialQueueFull;
    }
    return kSerialOk;
}

int TermiosDevice::receivedCount(SerialPort &port) {
    // One read takes in what the system holds (up to the queue's size), which
    // costs no more than asking how much it holds.
    if (m_head == m_tail)
        fill(port);
    return m_tail - m_head;
}

int TermiosDevice::clearTransmitQueue(SerialPort &port) {
    if (::tcflush(m_fd, TCOFLUSH) != 0)
        return failWith(port, errno);
    return kSerialOk;
}

int TermiosDevice::setPortParameters(SerialPort &port, long baudRate, char parity, int dataBits,
                                     int stopBits) {
    if (baudRate > 115200)
        return kSerialBadBaudRate;
    const char letter = char(std::toupper(static_cast<unsigned char>(parity)));
    if (letter != 'E' && letter != 'M' && letter != 'N' && letter != 'O' && letter != 'S')
        return kSerialBadParity;
    if (stopBits != 1 && stopBits != 2)
        return kSerialBadStopBits;
    const speed_t speed = speedFor(baudRate);
    if (speed == B0 || dataBits < 5 || dataBits > 8)
        return failWith(port, EINVAL);

    termios settings{};
    if (::tcgetattr(m_fd, &settings) != 0)
        return failWith(port, errno);
    ::cfsetispeed(&settings, speed);
    ::cfsetospeed(&settings, speed);
    settings.c_cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB);
    settings.c_cflag |= sizeFor(dataBits);
    if (stopBits == 2)
        settings.c_cflag |= CSTOPB;
    switch (letter) {
    case 'E':
        settings.c_cflag |= PARENB;
        break;
    case 'O':
        settings.c_cflag |= PARENB | PARODD;
        break;
    case 'M':
        settings.c_cflag |= PARENB | PARODD | CMSPAR;
        break;
    case 'S':
        settings.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        break;
    }
    if (::tcsetattr(m_fd, TCSANOW, &settings) != 0)
        return failWith(port, errno);
    return kSerialOk;
}

int TermiosDevice::waitForInput(SerialPort &port, int64_t maxMs) {
    if (m_fd < 0)
        return kSerialNotSupported;
    const short events = linkClock().waitReadable(m_fd, maxMs);
    if (events & (POLLERR | POLLHUP | POLLNVAL)) {
        // The device went away (adapter unplugged, other end closed): take
        // what it still held, then report it, since waiting would only spin.
        fill(port);
        if (m_head == m_tail)
            return failWith(port, (events & POLLNVAL) ? EBADF : EIO);
    }
    return kSerialOk;
}
