#include "MacType.h"

#include <utility>

TMacType::TMacType(QString code, QString name, int channelCount)
    : code_(std::move(code)), name_(std::move(name)), channelCount_(channelCount) {}

void TMacType::SetFreqLimits(double lower, double upper) {
    minFreq_ = lower;
    maxFreq_ = upper;
}

int TMacType::FileRecordCount() const {
    const int mapRecords = channelCount_ > 16 ? 4 : 0;
    return channelCount_ + gapRecords_ + 7 + mapRecords;
}

void TMacList::Add(std::unique_ptr<TMacType> model) {
    models_.push_back(std::move(model));
}

const TMacType* TMacList::ModelAt(int position) const {
    if (position < 0 || position >= Count()) {
        return nullptr;
    }
    return models_[position].get();
}

const TMacType* TMacList::FindByName(const QString& name) const {
    for (const auto& model : models_) {
        if (model->Name() == name) {
            return model.get();
        }
    }
    return nullptr;
}

const TMacType* TMacList::FindByCode(const QString& code) const {
    for (const auto& model : models_) {
        if (model->Code() == code) {
            return model.get();
        }
    }
    return nullptr;
}

void TMacList::ListNames(QStringList& names) const {
    names.clear();
    for (const auto& model : models_) {
        names.append(model->Name());
    }
}

void TFrqList::AddBand(const QString& text, uint8_t index) {
    pairs_.push_back({text, index});
}

uint8_t TFrqList::BandIndexOf(const QString& text) const {
    for (const auto& pair : pairs_) {
        if (pair.text == text) {
            return pair.index;
        }
    }
    return pairs_.empty() ? 0 : pairs_.front().index;
}

QString TFrqList::BandTextOf(uint8_t index) const {
    for (const auto& pair : pairs_) {
        if (pair.index == index) {
            return pair.text;
        }
    }
    return pairs_.empty() ? QString() : pairs_.front().text;
}

bool TFrqList::Contains(const QString& text) const {
    for (const auto& pair : pairs_) {
        if (pair.text == text) {
            return true;
        }
    }
    return false;
}

void FillBandList(TFrqList& list) {
    // The first pair is the fallback of both lookups.
    const std::pair<const char*, uint8_t> bands[] = {
        {" 27 -  72MHz", 0xFD}, {"136 - 150MHz", 0xF1}, {"136 - 174MHz", 0xF2},
        {"150 - 174MHz", 0xF0}, {"216 - 223MHz", 0xF3}, {"350 - 370MHz", 0xFA},
        {"350 - 390MHz", 0xFB}, {"370 - 390MHz", 0xFC}, {"400 - 420MHz", 0xF8},
        {"400 - 470MHz", 0xF7}, {"440 - 480MHz", 0xF9}, {"450 - 470MHz", 0xF4},
        {"450 - 490MHz", 0xF5}, {"470 - 650MHz", 0xF6},
    };
    for (const auto& [text, index] : bands) {
        list.AddBand(QString::fromLatin1(text), index);
    }
}

namespace {

struct ModelRow {
    const char* name;
    const char* code;
    double minFreq;
    double maxFreq;
    QStringList bands;
    const char* defaultBand;
};

}  // namespace

void BuildModelRegistry(TMacList& list) {
    const ModelRow rows[] = {
        {"XKM-U800",
         "7461",
         300.0,
         650.0,
         {"350 - 370MHz", "350 - 390MHz", "370 - 390MHz", "400 - 420MHz", "400 - 470MHz",
          "440 - 480MHz", "450 - 470MHz", "450 - 490MHz", "470 - 650MHz"},
         "450 - 470MHz"},
        {"XKM-V800",
         "7462",
         67.0,
         300.0,
         {"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"},
         "150 - 174MHz"},
    };
    for (const auto& row : rows) {
        auto model = std::make_unique<TMacType>(QString::fromLatin1(row.code),
                                                QString::fromLatin1(row.name), 16);
        model->SetFreqLimits(row.minFreq, row.maxFreq);
        model->SetGapRecords(39);
        for (const auto& band : row.bands) {
            model->AddBand(band);
        }
        model->SetDefaultBand(QString::fromLatin1(row.defaultBand));
        list.Add(std::move(model));
    }
}
