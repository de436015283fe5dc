// The satellite half of SentenceHandler: gathering GSV and GSV_FULL series into one list
// per system, merging the signal bands of a system, and the sets of used satellites.

#include "sentencehandler.h"

#include <QVarLengthArray>
#include <QtAlgorithms>

#include <algorithm>

#include <cstring>

namespace {

const quint16 emptyFullSlot = 0xFFFF;


short unknownIfZero(int value)
{
    return value == 0 ? short(-1) : short(value);
}

// The keys under which a system's series are counted: its bands, and its series that
// listed no satellite.
QVarLengthArray<int, 4> turnKeysOf(int navSys)
{
    QVarLengthArray<int, 4> keys{navSys, -navSys};
    for (int key : {secondSignalOfGroup(navSys), thirdSignalOfGroup(navSys)}) {
        if (key != 0)
            keys.append(key);
    }
    return keys;
}

bool isSystemOfItsOwn(int navSys)
{
    return navSys != 0 && firstSignalOfGroup(navSys) == navSys;
}

} // namespace

void SentenceHandler::initBandTables()
{
    // The receiver reports a satellite's second band under its number + 64 and its third
    // band under its number + 128; SBAS keeps its own PRN range on one band.
    for (const char *talker : {"GP", "GL", "GA", "GB", "GI", "GS"}) {
        const QString key = QString::fromLatin1(talker);
        m_bandTables.insert(key, talkerBandTable(key));
    }
}

QList<BandRange> SentenceHandler::bandTables(const QString &talker) const
{
    const auto it = m_bandTables.constFind(talker);
    if (it != m_bandTables.constEnd())
        return it.value();
    return {BandRange{0, 0, 0}};
}

int SentenceHandler::bandOf(const QString &talker, int number) const
{
    return bandOfNumber(bandTables(talker), number);
}

int SentenceHandler::bandOfKnown(int index, int number) const
{
    for (const BandRange &range : m_known[index].bands) {
        if (range.first <= number && number <= range.last)
            return range.band;
    }
    return 0;
}

SatelliteInfo SentenceHandler::makeSatelliteInfo(const GSV &sentence, int code, int slot) const
{
    SatelliteInfo info;
    info.number = short(sentence.prn[slot].value + signalSatelliteOffset(code));
    info.elevation = sentence.elevation[slot].isValid() ? sentence.elevation[slot].value : short(-1);
    info.azimuth = sentence.azimuth[slot].isValid() ? sentence.azimuth[slot].value : -1;
    info.snr1 = -1;
    info.snr2 = -1;
    if (sentence.snr[slot].isValid()) {
        if (isSecondarySignal(code))
            info.snr2 = sentence.snr[slot].value;
        else
            info.snr1 = sentence.snr[slot].value;
    }
    return info;
}

SatelliteInfo SentenceHandler::makeFullSatelliteInfo(const GSV_FULL &sentence, int slot,
                                                     FullUsed &used)
{
    // The binary message writes 0 for a value the receiver does not know.
    SatelliteInfo info;
    info.number = short(sentence.number[slot]);
    info.elevation = unknownIfZero(sentence.elevation[slot]);
    info.azimuth = sentence.azimuth[slot] == 0 ? -1 : int(sentence.azimuth[slot]);
    info.snr1 = unknownIfZero(sentence.snr1[slot]);
    info.snr2 = unknownIfZero(sentence.snr2[slot]);
    if (sentence.used[slot] != 0) {
        const quint32 number = sentence.number[slot];
        if (number < 64 * FullUsed::maskWords)
            used.gathering[number / 64] |= quint64(1) << (number % 64);
        else if (!used.gatheringOthers.contains(int(number)))
            used.gatheringOthers.append(int(number));
    }
    return info;
}

QSet<int> SentenceHandler::takeFullUsedSet(FullUsed &used)
{
    const bool maskOnly = used.gatheringOthers.isEmpty();
    bool same = maskOnly && used.lastFromMaskOnly;
    for (int w = 0; w < FullUsed::maskWords; ++w)
        same = same && used.gathering[w] == used.lastMask[w];
    if (!same && maskOnly && used.lastFromMaskOnly) {
        // Usually one satellite comes or goes: the set is mended in place, which costs
        // nothing more than a rebuild when a listener still holds the last one.
        for (int w = 0; w < FullUsed::maskWords; ++w) {
            const quint64 gone = used.lastMask[w] & ~used.gathering[w];
            const quint64 come = used.gathering[w] & ~used.lastMask[w];
            for (quint64 bits = gone; bits != 0; bits &= bits - 1)
                used.last.remove(w * 64 + qCountTrailingZeroBits(bits));
            for (quint64 bits = come; bits != 0; bits &= bits - 1)
                used.last.insert(w * 64 + qCountTrailingZeroBits(bits));
            used.lastMask[w] = used.gathering[w];
        }
    } else if (!same) {
        QSet<int> set;
        for (int w = 0; w < FullUsed::maskWords; ++w) {
            for (quint64 bits = used.gathering[w]; bits != 0; bits &= bits - 1)
                set.insert(w * 64 + qCountTrailingZeroBits(bits));
        }
        for (int number : qAsConst(used.gatheringOthers))
            set.insert(number);
        used.last = set;
        for (int w = 0; w < FullUsed::maskWords; ++w)
            used.lastMask[w] = used.gathering[w];
        used.lastFromMaskOnly = maskOnly;
    }
    for (quint64 &word : used.gathering)
        word = 0;
    used.gatheringOthers.clear();
    return used.last;
}

void SentenceHandler::gather(int key, const SatelliteInfo &info)
{
    QVector<SatelliteInfo> &list = m_gathered[key];
    if (list.isEmpty())
        list.reserve(16);
    // A series whose last sentence never comes keeps its entries for the next series; a
    // receiver that never ends its series must not make that list grow for ever.
    if (list.size() >= maxGatheredEntries)
        list.clear();
    list.append(info);
}

void SentenceHandler::SeriesTurns::add(quint64 series)
{
    for (int i = missedSeriesLimit - 1; i > 0; --i)
        recent[i] = recent[i - 1];
    recent[0] = series;
}

void SentenceHandler::finishGroup(int first, int second, int third)
{
    const quint64 series = ++m_seriesCount;
    QVarLengthArray<int, 3> reported;
    for (int key : {first, second, third}) {
        // A band that did not report in this series keeps its previous list: each band
        // of a system reports in a series of its own.
        const auto it = m_gathered.find(key);
        if (it == m_gathered.end())
            continue;
        if (!it.value().isEmpty()) {
            m_finished.insert(key, it.value());
            if (key != 0 && !reported.contains(key)) {
                m_turns[key].add(series);
                reported.append(key);
            }
        }
        m_gathered.erase(it);
    }
    // But a band the receiver stopped (its secondary frequency switched off) is not kept
    // for ever: once a band that goes on has finished its series several times without
    // it, its list is no longer what the receiver reports.
    for (int key : {first, second, third}) {
        if (key == 0 || reported.contains(key) || !m_finished.contains(key))
            continue;
        const quint64 last = m_turns.value(key).last();
        const bool missed = std::any_of(reported.cbegin(), reported.cend(), [&](int band) {
            return m_turns[band].missedBy(last);
        });
        if (missed)
            m_finished.remove(key);
    }
}

void SentenceHandler::dropOtherSecondBand(int second, bool finishingSecond, int third,
                                          bool finishingThird)
{
    // Of the two secondary bands only the one that finished last is shown.
    if (finishingSecond)
        m_finished.remove(third);
    if (finishingThird)
        m_finished.remove(second);
}

QVector<SatelliteInfo> SentenceHandler::mergedGroupList(int first, int second, int third) const
{
    switch (signalCountOfGroup(first)) {
    case 1:
        return m_finished.value(first);
    case 2:
        return mergeSecondBand(m_finished.value(first), m_finished.value(second));
    case 3:
        if (!m_finished.value(third).isEmpty())
            return mergeSecondBand(m_finished.value(first), m_finished.value(third));
        return mergeSecondBand(m_finished.value(first), m_finished.value(second));
    default:
        return {};
    }
}

void SentenceHandler::finishAndEmitGroupOf(int code)
{
    const int first = firstSignalOfGroup(code);
    const int second = secondSignalOfGroup(code);
    const int third = thirdSignalOfGroup(code);
    finishGroup(first, second, third);
    dropOtherSecondBand(second, isSecondSignal(code), third, isThirdSignal(code));
    emitSystemSeries(first, mergedGroupList(first, second, third));
}

void SentenceHandler::emitSystemSeries(int navSys, const QVector<SatelliteInfo> &info)
{
    if (!info.isEmpty())
        m_listedSystems.insert(navSys);
    emit setSatellites(static_cast<SatNavSysEnum>(navSys), info);
    forgetSystemsNotReported(navSys);
}

void SentenceHandler::noteTurn(int key)
{
    m_turns[key].add(++m_seriesCount);
}

quint64 SentenceHandler::lastTurnOf(int navSys) const
{
    quint64 last = 0;
    for (int key : turnKeysOf(navSys))
        last = qMax(last, m_turns.value(key).last());
    return last;
}

void SentenceHandler::forgetSystemsNotReported(int navSys)
{
    // Only a system of its own counts: a GN series lists no system.
    if (!isSystemOfItsOwn(navSys))
        return;
    // A system the receiver no longer reports (switched off, or lost) while the others go
    // on: once a band of another has finished its series several times without it, its
    // satellites leave the windows, as a satellite that sets leaves its list. The bands
    // are counted one by one, so a system with three bands does not outrun one with one.
    const QVarLengthArray<int, 4> reporting = turnKeysOf(navSys);
    QVarLengthArray<int, 8> gone;
    for (int other : qAsConst(m_listedSystems)) {
        if (other == navSys)
            continue;
        const quint64 last = lastTurnOf(other);
        const bool missed = std::any_of(reporting.cbegin(), reporting.cend(), [&](int key) {
            return m_turns.value(key).missedBy(last);
        });
        if (missed)
            gone.append(other);
    }
    for (int other : gone) {
        m_listedSystems.remove(other);
        for (int key : turnKeysOf(other)) {
            // A series it left half gathered is as old as its lists.
            m_finished.remove(key);
            m_gathered.remove(key);
            m_turns.remove(key);
        }
        emit clearSatellites(static_cast<SatNavSysEnum>(other));
    }
}

void SentenceHandler::handleSentence(GSV sentence)
{
    clearAfterModuleReset();
    const int index = talkerIndex(sentence.talker);
    if (index < 0)
        return;
    const KnownTalker &known = m_known[index];

    // Talkers with a band table skip satellites outside it (GPS receivers report QZSS as
    // PRN 193 and up): such entries would belong to no band, never be shown, and a series
    // ending on one would not finish the talker's real bands. GN has no table and keeps
    // gathering everything under band 0.
    auto usable = [&](int slot) {
        return sentence.prn[slot].isValid()
            && (!known.hasBandTable || bandOfKnown(index, sentence.prn[slot].value) != 0);
    };

    const bool lastOfSeries = sentence.messageNumber == sentence.totalMessages;
    int lastSlot = -1;
    if (lastOfSeries) {
        for (int i = slotsPerGsv - 1; i >= 0; --i) {
            if (usable(i)) {
                lastSlot = i;
                break;
            }
        }
    }

    int emptySlots = 0;
    bool skipped = false;
    for (int i = 0; i < slotsPerGsv; ++i) {
        if (!sentence.prn[i].isValid()) {
            ++emptySlots;
            continue;
        }
        if (!usable(i)) {
            skipped = true;
            continue;
        }
        const int code = bandOfKnown(index, sentence.prn[i].value);
        gather(code, makeSatelliteInfo(sentence, code, i));
        if (i == lastSlot) {
            finishAndEmitGroupOf(code);
            return;
        }
    }

    if (emptySlots == slotsPerGsv) {
        if (isSystemOfItsOwn(known.navSys))
            noteTurn(-known.navSys);
        emitSystemSeries(known.navSys, QVector<SatelliteInfo>());
    } else if (skipped && lastOfSeries) {
        // The series ended on skipped satellites only: finish the band that was gathering.
        const int first = known.navSys;
        int code = first;
        const int second = secondSignalOfGroup(first);
        const int third = thirdSignalOfGroup(first);
        if (third != 0 && !m_gathered.value(third).isEmpty())
            code = third;
        else if (second != 0 && !m_gathered.value(second).isEmpty())
            code = second;
        finishAndEmitGroupOf(code);
    }
}

void SentenceHandler::handleSentence(GSV_FULL sentence)
{
    clearAfterModuleReset();
    const int index = talkerIndex(sentence.talker);
    if (index < 0)
        return;
    const int navSys = m_known[index].navSys;
    FullUsed &used = m_fullUsed[navSys];

    int lastSlot = -1;
    if (sentence.messageNumber == sentence.totalMessages) {
        for (int i = slotsPerGsv - 1; i >= 0; --i) {
            if (sentence.number[i] != emptyFullSlot) {
                lastSlot = i;
                break;
            }
        }
    }

    int emptySlots = 0;
    for (int i = 0; i < slotsPerGsv; ++i) {
        if (sentence.number[i] == emptyFullSlot) {
            ++emptySlots;
            continue;
        }
        gather(navSys, makeFullSatelliteInfo(sentence, i, used));
        if (i == lastSlot) {
            // Each entry already carries both bands: no merging.
            m_finished.insert(navSys, m_gathered.take(navSys));
            noteTurn(navSys);
            emit setUsedSatellites(static_cast<SatNavSysEnum>(navSys), takeFullUsedSet(used));
            emitSystemSeries(navSys, m_finished.value(navSys));
            return;
        }
    }
    if (emptySlots == slotsPerGsv) {
        noteTurn(-navSys);
        emitSystemSeries(navSys, QVector<SatelliteInfo>());
    }
}

void SentenceHandler::emitUsedSatellitesOfGsa(const GSA &sentence, int index)
{
    QSet<int> used;
    for (const auto &prn : sentence.prn) {
        if (prn.isValid())
            used.insert(prn.value + signalSatelliteOffset(bandOfKnown(index, prn.value)));
    }
    emit setUsedSatellites(static_cast<SatNavSysEnum>(m_known[index].navSys), used);
}

void SentenceHandler::usedSetFromMask(int navSys, quint64 mask, int from, int to)
{
    // Only the bits of the system's satellite range count.
    const int last = qMin(to, 64);
    if (from < last) {
        const quint64 upper = last == 64 ? ~quint64(0) : (quint64(1) << last) - 1;
        mask &= upper & ~((quint64(1) << from) - 1);
    } else {
        mask = 0;
    }
    MaskedSet *cached = nullptr;
    for (MaskedSet &entry : m_maskedSets) {
        if (entry.navSys == navSys || entry.navSys < 0) {
            cached = &entry;
            break;
        }
    }
    if (cached && cached->navSys == navSys && cached->mask == mask) {
        emit setUsedSatellites(static_cast<SatNavSysEnum>(navSys), cached->used);
        return;
    }
    QSet<int> used;
    used.reserve(qPopulationCount(mask));
    for (quint64 bits = mask; bits != 0; bits &= bits - 1)
        used.insert(qCountTrailingZeroBits(bits));
    if (cached) {
        cached->navSys = navSys;
        cached->mask = mask;
        cached->used = used;
    }
    emit setUsedSatellites(static_cast<SatNavSysEnum>(navSys), used);
}

void SentenceHandler::clearAfterModuleReset()
{
    // The workspace's "Clear windows" raises a flag in the command engine; the owner's hook
    // reads and clears it. The used sets are not part of what the windows showed.
    if (m_moduleResetHook && m_moduleResetHook()) {
        m_gathered.clear();
        m_finished.clear();
        m_turns.clear();
        m_listedSystems.clear();
    }
}
