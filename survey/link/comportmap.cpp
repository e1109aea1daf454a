#include "survey/link/comportmap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString defaultDevice(int portIndex) {
    return QStringLiteral("/dev/ttyUSB%1").arg(portIndex);
}

QString key(int portIndex) {
    return QStringLiteral("COM%1").arg(portIndex + 1);
}

QMap<QString, QString> readMap() {
    QMap<QString, QString> map;
    QFile file(ComPortMapFile());
    if (!file.open(QIODevice::ReadOnly))
        return map;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || line.startsWith(u'#'))
            continue;
        const QString name = line.left(equals).trimmed().toUpper();
        const QString device = line.mid(equals + 1).trimmed();
        if (!device.isEmpty())
            map.insert(name, device);
    }
    return map;
}

} // namespace

QString ComPortMapFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/VEK/comports.ini");
}

QString ComPortDevice(int portIndex) {
    return readMap().value(key(portIndex), defaultDevice(portIndex));
}

bool SetComPortDevice(int portIndex, const QString &device) {
    QMap<QString, QString> map = readMap();
    if (device.trimmed().isEmpty() || device.trimmed() == defaultDevice(portIndex))
        map.remove(key(portIndex));
    else
        map.insert(key(portIndex), device.trimmed());

    const QString path = ComPortMapFile();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry)
        file.write((entry.key() + u'=' + entry.value() + u'\n').toUtf8());
    return file.commit();
}

QString ResolvePortName(const QString &name) {
    static const QRegularExpression com(QStringLiteral("^\\s*COM\\s*(\\d+)\\s*$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = com.match(name);
    if (match.hasMatch()) {
        const int number = match.captured(1).toInt();
        if (number >= 1)
            return ComPortDevice(number - 1);
    }
    return name;
}
