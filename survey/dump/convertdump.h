#pragma once
// Conversion of the instrument's memory image into a survey document.
//
// The conversion shows nothing itself: it moves a progress position and
// raises messages through a DumpReport, so that the downloader dialog can
// drive its progress bar and message boxes, and the command-line companions
// can print the same texts.

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// Language of the messages: the downloader speaks English or French.
enum class DumpLanguage { English, French };

// "FR" (exactly) is French; anything else, including empty, is English.
DumpLanguage dumpLanguageFromCode(const QString &code);

// What a message is about. Every one but IncompleteLastRecord makes the
// conversion fail.
enum class DumpProblem {
    CantOpenImage,        // "Can't open file SONVAR.bin"
    CantOpenArchive,      // "Can't open file SONVAR.bak"
    CantWriteArchive,     // appending to SONVAR.bak failed (disk full...)
    OutOfMemory,          // "Insufficient memory available\n"
    LengthBeyondImage,    // the announced length is larger than the image file
    CrcMismatch,          // "CRC error: dBaseCRC = 0x..  crc = 0x.. "
    CantCreateDocument,   // "Can't open file"
    CantWriteDocument,    // a write to the document failed (disk full...)
    IncompleteLastRecord, // warning: a survey record runs past the valid bytes
};

struct DumpMessage {
    DumpProblem problem;
    bool warning; // true: the conversion goes on and may still succeed
    QString text; // in the language asked for, ready to show
};

// Every member may be left empty.
struct DumpReport {
    // Position of the progress bar (range 1 to 100): 60, 70, 100, then 1.
    std::function<void(int position)> progress;
    // A message for the user; the dialog shows it in a modal box, so the
    // conversion waits until the call returns.
    std::function<void(const DumpMessage &message)> message;
    // The short pause that lets the user see the bar at 100 before it goes
    // back to 1. Left empty, there is no pause.
    std::function<void(int milliseconds)> pause;
};

// The general conversion: the image file, an optional archive, an optional
// length and CRC. ConvertDump below and sonvar-convert are both this.
struct DumpConversion {
    QString imagePath;
    QString archivePath;                // empty: no archive is written
    std::optional<int64_t> length;      // valid bytes; absent: the whole image
    std::optional<int64_t> expectedCrc; // absent: not checked
    QString documentPath;
    DumpLanguage language = DumpLanguage::English;
};

// Runs one conversion; true on success (a warning does not make it fail).
// The document is written to a temporary file beside it and renamed over
// it at the end, so it is either complete or left as it was.
bool ConvertImage(const DumpConversion &conversion, const DumpReport &report);

// The conversion after a download: SONVAR.bin and the append-only archive
// SONVAR.bak in the current folder, `announcedLength` and `announcedCrc` as
// the instrument announced them. True on success. On failure the message
// has been reported and the caller decides what comes next (the dialog ends
// the program after "Can't open file SONVAR.bin/.bak").
bool ConvertDump(const QString &documentPath, int64_t announcedLength, int64_t announcedCrc,
                 DumpLanguage language, const DumpReport &report);
