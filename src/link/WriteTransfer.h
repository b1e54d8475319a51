#pragma once

#include <vector>

#include "link/MemoryMap.h"
#include "link/RadioTransfer.h"

// How the radio's model compares with the current model before a write.
enum class ModelComparison { SameModel, Ask, Refused };
ModelComparison CompareModels(const QString& radioCode, const TMacType& current);

// The write window's logic: greets the radio, compares its model with the current one
// (asking before a forced write), and writes every record of the memory map. The window
// stays open after a success, ready for the next radio.
class WriteTransfer : public RadioTransfer {
    Q_OBJECT

  public:
    WriteTransfer(BytePort& port, QObject* parent = nullptr,
                  const LinkTiming& timing = LinkTiming::Write());

    void Show() override;
    void Ok() override;
    // Starts an attempt at once (Retry).
    void StartWrite();

  protected:
    void OnIdent(const QString& modelCode) override;
    void OnWorkerFinished(bool success) override;
    void OnReplyTimedOut() override;
    void OnLineError() override;

  private:
    void StartWorker();

    std::vector<RecordWrite> records_;
};
