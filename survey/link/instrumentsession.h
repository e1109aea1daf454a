#pragma once
// One download session with the SONVAR instrument: "UNLOCK" answered "OK",
// "DOWNLOAD" answered with the length and CRC of the valid memory, the XMODEM
// transfer into SONVAR.bin, then an empty line, the erase command and "LOCK".

#include "survey/dump/convertdump.h"
#include "survey/link/serialport.h"

#include <QByteArray>
#include <QString>
#include <functional>

// The erase command with the instrument's fixed access code.
inline constexpr char kEraseCommand[] = "erase 40917236";

// What the session needs from its caller, and what it reports back.
struct InstrumentSession {
    // The port: a COM index (0 is COM1) reached through the device map, or a
    // device path when `device` is not empty.
    int portIndex = 0;
    QString device;
    DumpLanguage language = DumpLanguage::English;
    QString imageFile = QStringLiteral("SONVAR.bin");

    // The dialog's progress bar (range 1 to 100): 10, 30, 40, 50, or 0.
    std::function<void(int position)> progress;
    // A message for the user; the session waits until the call returns.
    std::function<void(const QString &text)> message;

    // Set on success: the instrument's answer to "DOWNLOAD", for the
    // conversion.
    int announcedLength = 0;
    int announcedCrc = 0;
    // True when the first announcedLength bytes of the image carry the
    // announced CRC. Only then has the instrument's memory been erased.
    bool imageVerified = false;
    // The result of opening the port (0, or the driver's error code).
    int openStatus = 0;
};

// Runs the whole session; 1 on success, 0 on failure (its message shown).
int RunInstrumentSession(InstrumentSession &session);

// One command exchange: the text and LF, then one answer line (at most 18
// bytes, within 500 ms) and one more byte dropped. "ERROR" when the port
// failed or the answer did not fit.
QByteArray InstrumentCommand(SerialPort &port, const char *text);

// True when `imageFile` holds at least `length` bytes whose Crc16 is `crc`.
bool ReceivedImageMatches(const QString &imageFile, int length, int crc);
