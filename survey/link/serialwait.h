#pragma once
// The timed helpers of the serial layer and the idle hook that runs while
// they wait. Every time limit is measured on linkClock(); between runs of the
// idle hook a wait blocks on the port for a few milliseconds at most, so a
// download keeps the window alive at almost no processor cost.

#include "survey/link/serialport.h"

#include <functional>

// Called with the port, again and again, while a helper waits. 0 goes on; a
// negative result ends the wait with that code (stored in the port's status).
using IdleHook = std::function<int(SerialPort &port)>;

// The hook of the process. The default runs the pending Qt events when an
// application object exists.
void SetIdleHook(IdleHook hook); // an empty hook restores the default
int RunIdleHook(SerialPort &port);

// The next byte, waiting at most `ms` milliseconds (-1: no limit); -8 on
// time-out.
int ReadCharTimed(SerialPort &port, int ms);

// Reads a line ended by `terminator` (0..255; -1 or -2: CR LF ends it) within
// `ms` for the whole line. Stores at most size - 1 bytes and a terminating
// zero; the terminator is not stored. With a byte terminator a CR is kept in
// the line. Returns status (normally 0), -8 on time-out, -31 when the line
// does not fit, -7 for a bad size or terminator.
int ReadLine(SerialPort &port, char *buffer, int size, int terminator, int ms);

// Waits until `count` bytes have arrived (0), `ms` run out (-8) or the port
// fails. lastCount holds the bytes received. When `complete` is given, it is
// asked after each arrival whether the bytes so far are already a whole
// answer; true ends the read early with 0.
int ReadExactly(SerialPort &port, uint8_t *buffer, int count, int ms,
                const std::function<bool(const uint8_t *bytes, int received)> &complete = {});

// Writes `text` and then the terminator byte (0..255), CR LF (-2) or nothing
// (-1); -7 for any other terminator. Returns status.
int SendString(SerialPort &port, const char *text, int terminator);

// Reads and discards everything waiting.
void DrainInput(SerialPort &port);

// Lets `ms` milliseconds pass while the idle hook keeps running (the window
// stays alive during the session's fixed pauses).
void PauseLink(SerialPort &port, int ms);
