#include "survey/ui/serialdevices.h"

#include <QDir>
#include <algorithm>
#include <utility>

namespace {

// Natural order of device names: the digits at the end compare as a number,
// so ttyUSB2 comes before ttyUSB10 whatever the locale's collation offers.
bool naturalLess(const QString &a, const QString &b) {
    const auto split = [](const QString &name) {
        qsizetype digits = name.size();
        while (digits > 0 && name.at(digits - 1).isDigit())
            --digits;
        return std::pair(name.left(digits), name.mid(digits).toULongLong());
    };
    return split(a) < split(b);
}

QStringList sortedEntries(const QDir &folder, const QString &pattern) {
    // Device nodes are "system" entries; by-id holds symbolic links to them.
    QStringList names =
        folder.entryList({pattern}, QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(), naturalLess);
    QStringList paths;
    for (const QString &name : names)
        paths << folder.filePath(name);
    return paths;
}

} // namespace

QStringList presentSerialDevices(const QString &devRoot) {
    const QDir dev(devRoot);
    QStringList devices =
        sortedEntries(QDir(dev.filePath(QStringLiteral("serial/by-id"))), QStringLiteral("*"));
    for (const char *pattern : {"ttyUSB*", "ttyACM*", "ttyS*"})
        devices << sortedEntries(dev, QString::fromLatin1(pattern));
    return devices;
}
