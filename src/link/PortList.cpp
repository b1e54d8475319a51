#include "PortList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <algorithm>

namespace {

bool CanOpen(const QString& name) {
    QSerialPort port(name);
    const bool opened = port.open(QIODevice::ReadWrite);
    port.close();
    return opened;
}

QString AnnouncementPath() {
    return SimulatedPortDirectory() + QLatin1Char('/') +
           QString::number(QCoreApplication::applicationPid());
}

bool ProcessRuns(const QString& pid) {
#ifdef Q_OS_LINUX
    return QFileInfo::exists(QStringLiteral("/proc/") + pid);
#else
    Q_UNUSED(pid);
    return true;
#endif
}

QStringList SimulatedPorts() {
    QStringList ports;
    const QDir dir(SimulatedPortDirectory());
    for (const QString& pid : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(pid));
        if (!ProcessRuns(pid) || !file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QString device = QString::fromUtf8(file.readAll()).trimmed();
        if (QFileInfo::exists(device)) {
            ports.append(device);
        }
    }
    return ports;
}

// "COM10" after "COM9": names compare by their text, then by their trailing number.
bool NaturalLess(const QString& a, const QString& b) {
    auto split = [](const QString& name) {
        int digits = name.size();
        while (digits > 0 && name[digits - 1].isDigit()) {
            --digits;
        }
        return std::make_pair(name.left(digits), name.mid(digits).toLongLong());
    };
    return split(a) < split(b);
}

}  // namespace

void ListComPorts(QStringList& list) {
    QStringList found;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (CanOpen(info.portName())) {
            found.append(info.portName());
        }
    }
    for (const QString& device : SimulatedPorts()) {
        if (!found.contains(device) && CanOpen(device)) {
            found.append(device);
        }
    }
    std::sort(found.begin(), found.end(), NaturalLess);
    list.append(found);
}

int PortChoiceIndex(const QStringList& ports, const QString& comPort) {
    return std::max(0, int(ports.indexOf(comPort)));
}

QString SimulatedPortDirectory() {
    // The user's runtime folder where there is one; a folder of the user's own otherwise.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        return runtime + QStringLiteral("/xkm-radio-sim");
    }
    return QDir::tempPath() + QStringLiteral("/xkm-radio-sim-") +
           qEnvironmentVariable("USER", "user");
}

void AnnounceSimulatedPort(const QString& devicePath) {
    QDir().mkpath(SimulatedPortDirectory());
    QFile file(AnnouncementPath());
    if (file.open(QIODevice::WriteOnly)) {
        file.write(devicePath.toUtf8() + '\n');
    }
}

void WithdrawSimulatedPort() {
    QFile::remove(AnnouncementPath());
}

QString NormalizeStartPort(const QString& comPort, const QStringList& ports) {
    // Windows port names ignore case; device paths elsewhere do not.
    const QString name =
        comPort.startsWith(QLatin1String("com"), Qt::CaseInsensitive) ? comPort.toUpper() : comPort;
    if (ports.isEmpty() || ports.contains(name)) {
        return name;
    }
    return ports.front();
}
