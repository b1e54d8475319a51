#pragma once

#include <QByteArray>
#include <QDateTime>
#include <map>
#include <vector>

#include "image/Codeplug.h"
#include "image/WriteRead.h"

class TMacType;
class TFrqList;
class TMacList;

// Where each record of the codeplug lies in the radio's memory, and in which order the
// transfers move them.

constexpr uint8_t kWriteCommand = 0x57;      // 'W'
constexpr uint8_t kWriteFunBCommand = 0x59;  // 'Y'
constexpr int kFunctionBAddress = 0x02B0;
constexpr int kRadioMemorySize = 0x0400;

// Record addresses a read moves, in order: record 0, the channels, the message, function
// record A, the band record, function record B.
std::vector<int> ReadAddresses(const TMacType& model);

struct RecordWrite {
    int address;
    Record record;
    uint8_t command;
};

// The records a write moves, in order, built from a codeplug of the model.
std::vector<RecordWrite> WriteRecords(const Codeplug& codeplug, const TMacType& model,
                                      const TFrqList& bands);

// Decodes the records of a read (address -> record) into a codeplug of the model.
Codeplug DecodeRadioRecords(const std::map<int, Record>& records, const TMacType& model,
                            const TMacList& models, const TFrqList& bands);

// A radio memory image laid out as the memory map from the records of a data file of the
// model, and back. Gap records are not part of the radio's map and are written erased.
QByteArray RadioImageFromDataFile(const QByteArray& file, const TMacType& model);
QByteArray DataFileFromRadioImage(const QByteArray& image, const TMacType& model,
                                  const TFrqList& bands, const QDateTime& saved);
