#pragma once

#include <QList>

#include "link/BytePort.h"
#include "sim/RadioSim.h"

// A byte port wired to a simulated radio in the same process, for tests: what the program
// writes reaches the radio, and the radio's replies come back through the event loop,
// whole or in fragments of the given sizes.
class SimBytePort : public BytePort {
    Q_OBJECT

  public:
    explicit SimBytePort(RadioSim& radio, QObject* parent = nullptr);

    // Replies arrive in pieces of these sizes, taken in turn (empty: whole).
    void SetFragments(QList<int> sizes) { fragments_ = std::move(sizes); }
    // The next Open fails with this error.
    void FailNextOpen(OpenError error) { failOpen_ = error; }
    QString OpenedName() const { return openedName_; }

    OpenError Open(const QString& name) override;
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    void DiscardInput() override { input_.clear(); }
    void DiscardOutput() override {}
    bool Write(const QByteArray& bytes) override;
    qint64 BytesToWrite() const override { return 0; }
    QByteArray ReadAll() override;
    QString ErrorText() const override { return QStringLiteral("simulated failure"); }

  private:
    void Deliver(const QByteArray& reply);

    RadioSim& radio_;
    QList<int> fragments_;
    int nextFragment_ = 0;
    OpenError failOpen_ = OpenError::None;
    bool open_ = false;
    QByteArray input_;
    QString openedName_;
};
