#pragma once

#include <QStringList>

// The 206 items of every tone drop-down list: the none word, 39 CTCSS tones, the 83 DCS
// codes with "N", then the same codes with "I".
const QStringList& DropDownToneList();

// The 133 items behind the tone picker: 42 CTCSS items "01-67.0-XZ", three empty items,
// 85 DCS items "1-D023", three empty items.
const QStringList& PickerCodeTable();
