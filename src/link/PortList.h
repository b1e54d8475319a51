#pragma once

#include <QString>
#include <QStringList>

// Appends the names of the serial ports that can be opened now, in ascending order, as
// they are shown and stored: "COM3" on Windows, the device name ("ttyUSB0") or, for a
// simulated radio, the full device path elsewhere. The list is not emptied first.
void ListComPorts(QStringList& list);

// The entry of the port chooser that shows the chosen port: the first equal to it (case
// counts), else the first entry.
int PortChoiceIndex(const QStringList& ports, const QString& comPort);

// A simulated radio announces its device here while it runs, so that the port listing
// offers it; it withdraws it when it stops.
QString SimulatedPortDirectory();
void AnnounceSimulatedPort(const QString& devicePath);
void WithdrawSimulatedPort();

// The port name the main window starts with: a Windows name in upper case, kept when it is
// among the ports, else the first port; with no ports at all it stays as it is.
QString NormalizeStartPort(const QString& comPort, const QStringList& ports);
