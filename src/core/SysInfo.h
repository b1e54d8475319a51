#pragma once

#include <QString>

// SysInfo.Ini beside the program: the port and the language across runs.
QString SysInfoPath();
void ReadSysInfo();
// Returns false with a reason when the file cannot be written.
bool WriteSysInfo(QString* error = nullptr);
