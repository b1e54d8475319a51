#pragma once

#include <QString>

// The File menu's flows over the data file: New, Open, Save and Save As, with their
// questions. A failed open leaves the codeplug in memory exactly as it was; a failed save
// leaves the earlier file as it was and the codeplug marked modified.

enum class SaveResult { Saved, Cancelled, Failed };

QString DataFileFilter();

// Returns false when the person's data could not be saved first, so nothing was reset.
bool NewCodeplug();
// Returns true when a file was opened.
bool OpenCodeplug();
SaveResult SaveCodeplug();
SaveResult SaveCodeplugAs();

// Writes the codeplug to CurrentFile; returns false after telling the person why not.
bool WriteDataFile();
// Loads the codeplug from CurrentFile; returns false after telling the person why not.
bool ReadDataFile();
