#pragma once

#include "iparser.h"
#include "nmeafields.h"
#include "nmeasentences.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Cuts the receiver's NMEA 0183 text into lines, reports every line to the logs,
// tests each line's checksum and turns the eight known sentences into records.
//
// The sentence operations (checkSum, markEmptyFields, isValidField and the eight
// parseXXX handlers) keep no state, so the binary frame reader uses them for the
// NMEA text it finds wrapped in binary frames.
class NMEAParser : public iParser
{
    Q_OBJECT
public:
    explicit NMEAParser(QObject *parent);
    ~NMEAParser() override;

    // Forgets the partial line waiting for its end.
    void clear();

    // The mode that dataParsed reports: NMEA for the receiver's NMEA output, binary for
    // the text the binary frame reader hands over.
    void setReportedMode(InterfaceMode mode);

    // Handles one line (line end included): dataParsed first, then the checksum
    // test, then the record of a known sentence.
    void parseSentence(const QString &line);

    // True when the line starts with '$' and the two hex digits after the first '*'
    // (either case) equal the XOR of every character between them.
    bool checkSum(const QString &line) const;

    // The line's field list: field 0 the talker, field n the n-th data field; every
    // empty data field reads `notValid`.
    QStringList markEmptyFields(const QString &line) const;
    bool isValidField(const QString &field) const;

    // Each takes one whole line whose checksum has been tested and returns its record.
    GGA parseGGA(const QString &line) const;
    GSA parseGSA(const QString &line) const;
    GST parseGST(const QString &line) const;
    GSV parseGSV(const QString &line) const;
    RMC parseRMC(const QString &line) const;
    VTG parseVTG(const QString &line) const;
    ZDA parseZDA(const QString &line) const;
    HDG parseHDG(const QString &line) const;

public slots:
    void parse(const QByteArray &data) override;

signals:
    void sentenceIsReceived(GGA sentence);
    void sentenceIsReceived(GSA sentence);
    void sentenceIsReceived(GST sentence);
    void sentenceIsReceived(GSV sentence);
    void sentenceIsReceived(RMC sentence);
    void sentenceIsReceived(VTG sentence);
    void sentenceIsReceived(ZDA sentence);
    void sentenceIsReceived(HDG sentence);

private:
    enum class SentenceType { Unknown, GGA, GSA, GST, GSV, RMC, VTG, ZDA, HDG };

    void parseLine(const char *line, int size);
    void emitRecord(SentenceType type, const NMEAFields &fields);
    static SentenceType sentenceType(const char *line, int size);
    static SentenceType typeNamed(const char *type);
    // The one checksum test of both roads, over the line's bytes as received.
    static bool checkSumBytes(const char *line, int size);
    void parseCheckedSentence(const QString &line);

    GGA ggaFrom(const NMEAFields &fields) const;
    GSA gsaFrom(const NMEAFields &fields) const;
    GST gstFrom(const NMEAFields &fields) const;
    GSV gsvFrom(const NMEAFields &fields) const;
    RMC rmcFrom(const NMEAFields &fields) const;
    VTG vtgFrom(const NMEAFields &fields) const;
    ZDA zdaFrom(const NMEAFields &fields) const;
    HDG hdgFrom(const NMEAFields &fields) const;

    InterfaceMode m_reportedMode = InterfaceNmea;
    const int maxBuffer = 10000;
    QByteArray buffer;
    const double noDopValue = 0.0;
    // Counts clear() calls, so that parse() can tell that a slot it signalled has
    // emptied the buffer under it.
    quint64 m_clears = 0;
};
