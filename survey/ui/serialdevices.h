#pragma once

#include <QString>
#include <QStringList>

// The serial devices present now, for the port dialog to offer:
// /dev/serial/by-id/* (stable names of USB adapters), then /dev/ttyUSB*,
// /dev/ttyACM* and /dev/ttyS*, each group in natural order (ttyUSB2 before
// ttyUSB10). `devRoot` is "/dev" except in tests.
QStringList presentSerialDevices(const QString &devRoot = QStringLiteral("/dev"));
