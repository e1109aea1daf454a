#pragma once
// Which device each COM port reaches. The downloader names its ports
// "COM 1" ... "COM 16" (port index 0 is COM1); on this system COM n is a
// device path, kept per user in $XDG_CONFIG_HOME/VEK/comports.ini (default:
// ~/.config/VEK/comports.ini), one line "COMn=/dev/..." per mapped port.
// Without an entry COM n is /dev/ttyUSB<n-1>, the usual name of the first
// USB serial adapters.

#include <QString>

// The file holding the map.
QString ComPortMapFile();
// The device of COM(portIndex + 1).
QString ComPortDevice(int portIndex);
// Maps COM(portIndex + 1) to `device`; an empty device restores the default.
// The file is rewritten completely or not at all. False when it could not be
// written.
bool SetComPortDevice(int portIndex, const QString &device);
// The device named by "COMn" (any case, blanks allowed: "COM 3", "com3") or
// else `name` itself, taken as a device path.
QString ResolvePortName(const QString &name);
