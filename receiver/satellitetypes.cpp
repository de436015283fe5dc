#include "satellitetypes.h"

namespace {

// Per code 0..14: first, second and third code of its group, place in the group
// (0 none, 1 first, 2 second, 3 third), bands in the group, and name.
struct SignalRow
{
    int first;
    int second;
    int third;
    int place;
    int count;
    const char *name;
};

constexpr SignalRow signalRows[] = {
    {0, 0, 0, 0, -1, ""},     // 0
    {1, 2, 3, 1, 3, "L1"},    // 1 GPS
    {1, 2, 3, 2, 3, "L2"},    // 2
    {1, 2, 3, 3, 3, "L5"},    // 3
    {4, 5, 0, 1, 2, "F1"},    // 4 GLONASS
    {4, 5, 0, 2, 2, "F2"},    // 5
    {6, 7, 8, 1, 3, "E1"},    // 6 Galileo
    {6, 7, 8, 2, 3, "E5b"},   // 7
    {6, 7, 8, 3, 3, "E5a"},   // 8
    {9, 10, 0, 1, 2, "B1"},   // 9 BeiDou
    {9, 10, 0, 2, 2, "B2"},   // 10
    {0, 0, 0, 0, -1, ""},     // 11 mixed: no band of its own
    {12, 13, 0, 1, 2, "F5"},  // 12 NavIC
    {12, 13, 0, 2, 2, "S"},   // 13
    {14, 0, 0, 1, 1, "L1"},   // 14 SBAS
};

constexpr int rowCount = int(sizeof(signalRows) / sizeof(signalRows[0]));

const SignalRow &row(int code)
{
    return (code >= 0 && code < rowCount) ? signalRows[code] : signalRows[0];
}

} // namespace

bool SatelliteInfo::operator==(const SatelliteInfo &other) const
{
    return number == other.number && elevation == other.elevation
        && azimuth == other.azimuth && snr1 == other.snr1 && snr2 == other.snr2
        && upperBandName == other.upperBandName && lowerBandName == other.lowerBandName;
}

int firstSignalOfGroup(int code) { return row(code).first; }
int secondSignalOfGroup(int code) { return row(code).second; }
int thirdSignalOfGroup(int code) { return row(code).third; }
bool isSecondSignal(int code) { return row(code).place == 2; }
bool isThirdSignal(int code) { return row(code).place == 3; }
bool isSecondarySignal(int code) { return row(code).place >= 2; }

int signalSatelliteOffset(int code)
{
    switch (row(code).place) {
    case 2: return -64;
    case 3: return -128;
    default: return 0;
    }
}

int signalCountOfGroup(int code) { return row(code).count; }

QString signalName(int code) { return QString::fromLatin1(row(code).name); }

QList<BandRange> talkerBandTable(const QString &talker)
{
    if (talker == QLatin1String("GP"))
        return {{1, 1, 63}, {2, 64, 127}, {3, 128, 192}};
    if (talker == QLatin1String("GL"))
        return {{4, 1, 63}, {5, 64, 127}};
    if (talker == QLatin1String("GA"))
        return {{6, 1, 63}, {7, 64, 127}, {8, 128, 192}};
    if (talker == QLatin1String("GB"))
        return {{9, 1, 63}, {10, 64, 127}};
    if (talker == QLatin1String("GI"))
        return {{12, 1, 63}, {13, 64, 127}};
    if (talker == QLatin1String("GS"))
        return {{14, 120, 160}};
    return {{0, 0, 0}};
}

int bandOfNumber(const QList<BandRange> &table, int number)
{
    for (const BandRange &range : table) {
        if (range.first <= number && number <= range.last)
            return range.band;
    }
    return 0;
}

QVector<SatelliteInfo> mergeSecondBand(const QVector<SatelliteInfo> &a,
                                       const QVector<SatelliteInfo> &b)
{
    QVector<SatelliteInfo> result = a;
    for (const SatelliteInfo &entry : b) {
        bool found = false;
        for (SatelliteInfo &existing : result) {
            if (existing.number == entry.number) {
                existing.snr2 = entry.snr2;
                found = true;
                break;
            }
        }
        if (!found)
            result.append(entry);
    }
    return result;
}
