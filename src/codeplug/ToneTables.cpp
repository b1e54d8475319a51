#include "ToneTables.h"

namespace {

const char* const kDropDownCtcss[] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9",
    "186.2", "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};

// The picker's DCS codes; the drop-down offers all but D525 and D645.
const char* const kPickerDcs[] = {
    "D023", "D025", "D026", "D031", "D032", "D043", "D047", "D051", "D054", "D065", "D071",
    "D072", "D073", "D074", "D114", "D115", "D116", "D125", "D131", "D132", "D134", "D143",
    "D152", "D155", "D156", "D162", "D165", "D172", "D174", "D205", "D223", "D226", "D243",
    "D244", "D245", "D251", "D261", "D263", "D265", "D271", "D306", "D311", "D315", "D331",
    "D343", "D346", "D351", "D364", "D365", "D371", "D411", "D412", "D413", "D423", "D431",
    "D432", "D445", "D464", "D465", "D466", "D503", "D506", "D516", "D525", "D532", "D546",
    "D565", "D606", "D612", "D624", "D627", "D631", "D632", "D645", "D654", "D662", "D664",
    "D703", "D712", "D723", "D731", "D732", "D734", "D743", "D754"};

struct PickerCtcss {
    const char* hertz;
    const char* code;
};

const PickerCtcss kPickerCtcss[] = {
    {"67.0", "XZ"},  {"69.3", "WZ"},  {"71.9", "XA"},  {"74.4", "WA"},  {"77.0", "XB"},
    {"79.7", "WB"},  {"82.5", "YZ"},  {"85.4", "YA"},  {"88.5", "YB"},  {"91.5", "ZZ"},
    {"94.8", "ZA"},  {"97.4", "ZB"},  {"100.0", "1Z"}, {"103.5", "1A"}, {"107.2", "1B"},
    {"110.9", "2Z"}, {"114.8", "2A"}, {"118.8", "2B"}, {"123.0", "3Z"}, {"127.3", "3A"},
    {"131.8", "3B"}, {"136.5", "4Z"}, {"141.3", "4A"}, {"146.2", "4B"}, {"151.4", "5Z"},
    {"156.7", "5A"}, {"162.2", "5B"}, {"167.9", "6Z"}, {"173.8", "6A"}, {"179.9", "6B"},
    {"186.2", "7Z"}, {"192.8", "7A"}, {"203.5", "M1"}, {"206.5", "8Z"}, {"210.7", "M2"},
    {"218.1", "M3"}, {"225.7", "M4"}, {"229.1", "9Z"}, {"233.6", "M5"}, {"241.8", "M6"},
    {"250.3", "M7"}, {"254.1", "0Z"}};

bool OnlyInPicker(const QString& code) {
    return code == QLatin1String("D525") || code == QLatin1String("D645");
}

QStringList BuildDropDown() {
    QStringList items{QStringLiteral("无")};
    for (const char* tone : kDropDownCtcss) {
        items.append(QString::fromLatin1(tone));
    }
    for (const char* polarity : {"N", "I"}) {
        for (const char* code : kPickerDcs) {
            const QString text = QString::fromLatin1(code);
            if (!OnlyInPicker(text)) {
                items.append(text + QLatin1String(polarity));
            }
        }
    }
    return items;
}

QStringList BuildPicker() {
    QStringList items;
    int index = 1;
    for (const auto& entry : kPickerCtcss) {
        items.append(QStringLiteral("%1-%2-%3")
                         .arg(index++, 2, 16, QLatin1Char('0'))
                         .toUpper()
                         .arg(QLatin1String(entry.hertz), QLatin1String(entry.code)));
    }
    items << QString() << QString() << QString();
    index = 1;
    for (const char* code : kPickerDcs) {
        items.append(QStringLiteral("%1-%2").arg(index++).arg(QLatin1String(code)));
    }
    items << QString() << QString() << QString();
    return items;
}

}  // namespace

const QStringList& DropDownToneList() {
    static const QStringList items = BuildDropDown();
    return items;
}

const QStringList& PickerCodeTable() {
    static const QStringList items = BuildPicker();
    return items;
}

ToneItemParts SplitToneItem(const QString& item) {
    if (item.isEmpty()) {
        return {};
    }
    const int first = item.indexOf(QLatin1Char('-'));
    const QString index = item.left(first);
    const QString rest = item.mid(first + 1);
    const int second = rest.indexOf(QLatin1Char('-'));
    if (second < 0) {
        return {index, rest, rest};
    }
    return {index, rest.left(second), rest.mid(second + 1)};
}

std::optional<QString> PickerGrid::Pick(int row, int column) const {
    if (row < 0 || row >= rows || column < 0 || column >= columns) {
        return std::nullopt;
    }
    const PickerCell& cell = At(row, column);
    if (cell.kind != PickerCell::Kind::Value) {
        return std::nullopt;
    }
    return cell.text;
}

namespace {

constexpr int kCtcssGroups = 5;
constexpr int kCtcssRows = 9;
constexpr int kDcsGroups = 8;
constexpr int kDcsRows = 11;
constexpr int kFirstDcsItem = 45;

}  // namespace

PickerGrid BuildPickerGrid(PickerTable table) {
    const QStringList& items = PickerCodeTable();
    PickerGrid grid;
    using Kind = PickerCell::Kind;
    if (table == PickerTable::Ctcss) {
        grid.rows = kCtcssRows;
        grid.columns = 3 * kCtcssGroups;
        grid.cells.resize(grid.rows * grid.columns);
        for (int g = 0; g < kCtcssGroups; ++g) {
            grid.columnWidths.insert(grid.columnWidths.end(), {32, 43, 32});
            for (int r = 0; r < kCtcssRows; ++r) {
                const ToneItemParts parts = SplitToneItem(items.value(g * kCtcssRows + r));
                PickerCell* row = &grid.cells[r * grid.columns + 3 * g];
                row[0] = {parts.index, Kind::Index};
                row[1] = {parts.value, Kind::Value};
                row[2] = {parts.code, Kind::Code};
            }
        }
        return grid;
    }
    const QString polarity = table == PickerTable::DcsN ? QStringLiteral("N") : QStringLiteral("I");
    grid.rows = kDcsRows;
    grid.columns = 2 * kDcsGroups;
    grid.cells.resize(grid.rows * grid.columns);
    for (int g = 0; g < kDcsGroups; ++g) {
        grid.columnWidths.insert(grid.columnWidths.end(), {25, 43});
        for (int r = 0; r < kDcsRows; ++r) {
            const ToneItemParts parts =
                SplitToneItem(items.value(kFirstDcsItem + g * kDcsRows + r));
            PickerCell* row = &grid.cells[r * grid.columns + 2 * g];
            row[0] = {parts.code.isEmpty() ? QString() : parts.index, Kind::Index};
            row[1] = {parts.code.isEmpty() ? QString() : parts.code + polarity, Kind::Value};
        }
    }
    return grid;
}
