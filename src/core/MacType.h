#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

// One radio model of the family.
class TMacType {
  public:
    TMacType(QString code, QString name, int channelCount);

    const QString& Code() const { return code_; }
    const QString& Name() const { return name_; }
    int ChannelCount() const { return channelCount_; }
    double MaxFreq() const { return maxFreq_; }
    double MinFreq() const { return minFreq_; }
    const QStringList& Bands() const { return bands_; }
    int GapRecords() const { return gapRecords_; }
    const QString& DefaultBand() const { return defaultBand_; }

    void SetFreqLimits(double lower, double upper);
    void SetGapRecords(int count) { gapRecords_ = count; }
    void SetDefaultBand(const QString& band) { defaultBand_ = band; }
    void AddBand(const QString& band) { bands_.append(band); }

    // Records of a data file for this model, header included.
    int FileRecordCount() const;

  private:
    QString code_;
    QString name_;
    int channelCount_;
    double maxFreq_ = 0;
    double minFreq_ = 0;
    QStringList bands_;
    int gapRecords_ = 0;
    QString defaultBand_;
};

// The registered models, in registration order; lookups return the first match.
class TMacList {
  public:
    void Add(std::unique_ptr<TMacType> model);
    const TMacType* ModelAt(int position) const;
    const TMacType* FindByName(const QString& name) const;
    const TMacType* FindByCode(const QString& code) const;
    void ListNames(QStringList& names) const;
    int Count() const { return int(models_.size()); }

  private:
    std::vector<std::unique_ptr<TMacType>> models_;
};

// Band texts and the one-byte band index the radio stores; unknown values fall back
// to the first pair.
class TFrqList {
  public:
    void AddBand(const QString& text, uint8_t index);
    uint8_t BandIndexOf(const QString& text) const;
    QString BandTextOf(uint8_t index) const;
    bool Contains(const QString& text) const;

  private:
    struct Pair {
        QString text;
        uint8_t index;
    };
    std::vector<Pair> pairs_;
};

void FillBandList(TFrqList& list);
void BuildModelRegistry(TMacList& list);
