#include <QtTest>

#include <QRandomGenerator>

#include "connectguard.h"
#include "nmeaparser.h"

// Each row gives a sentence body (between '$' and '*'; the checksum is added here)
// and the members it must produce, as "name=value" words. An invalid member reads
// "-". Only the members a row names are checked.

namespace {

QString line(const QString &body)
{
    quint8 sum = 0;
    for (const QChar c : body)
        sum ^= quint8(c.toLatin1());
    const QString digits = QStringLiteral("%1").arg(sum, 2, 16, QLatin1Char('0')).toUpper();
    return QLatin1Char('$') + body + QLatin1Char('*') + digits + QStringLiteral("\r\n");
}

QString num(double v)
{
    return QString::number(v, 'g', 12);
}

template <typename T>
QString val(const NavDataValue<T> &v)
{
    return v.isValid() ? num(double(v.value)) : QStringLiteral("-");
}

QString letterVal(const NavDataValue<signed char> &v)
{
    return v.isValid() ? QString(QLatin1Char(char(v.value))) : QStringLiteral("-");
}

QString letter(char c)
{
    return c ? QString(QLatin1Char(c)) : QStringLiteral("NUL");
}

QString timeVal(const Time &t)
{
    if (!t.isValid())
        return QStringLiteral("-");
    return QStringLiteral("%1:%2:%3").arg(t.hours).arg(t.minutes).arg(num(t.seconds));
}

QString talker(const char (&t)[3])
{
    // The third byte is always the terminator.
    if (t[2] != '\0')
        return QStringLiteral("UNTERMINATED");
    return QString::fromLatin1(t);
}

using Members = QMap<QString, QString>;

Members describe(const GGA &r)
{
    return {{"talker", talker(r.talker)}, {"time", val(r.time)}, {"lat", val(r.latitude)},
            {"latH", letter(r.latHemisphere)}, {"lon", val(r.longitude)}, {"lonH", letter(r.lonHemisphere)},
            {"quality", val(r.quality)}, {"sats", val(r.satellites)}, {"hdop", val(r.hdop)},
            {"alt", val(r.altitude)}, {"geoid", val(r.geoidSeparation)}, {"age", val(r.dgpsAge)},
            {"station", val(r.dgpsStationId)}};
}

Members describe(const GSA &r)
{
    Members m{{"talker", talker(r.talker)}, {"mode", letter(r.mode)}, {"fix", QString::number(r.fixType)},
              {"pdop", val(r.pdop)}, {"hdop", val(r.hdop)}, {"vdop", val(r.vdop)}};
    QStringList prns;
    for (const auto &p : r.prn)
        prns << val(p);
    m["prn"] = prns.join(QLatin1Char('/'));
    return m;
}

Members describe(const GST &r)
{
    return {{"talker", talker(r.talker)}, {"time", val(r.time)}, {"rms", val(r.rmsDeviation)},
            {"major", val(r.semiMajorError)}, {"minor", val(r.semiMinorError)},
            {"orient", val(r.orientation)}, {"latErr", val(r.latitudeError)},
            {"lonErr", val(r.longitudeError)}, {"altErr", val(r.altitudeError)}};
}

Members describe(const GSV &r)
{
    Members m{{"talker", talker(r.talker)}, {"total", QString::number(r.totalMessages)},
              {"number", QString::number(r.messageNumber)}, {"inView", QString::number(r.satellitesInView)}};
    for (int i = 0; i < 4; ++i) {
        m[QStringLiteral("slot%1").arg(i)] = QStringLiteral("%1/%2/%3/%4")
                                                 .arg(val(r.prn[i]), val(r.elevation[i]), val(r.azimuth[i]), val(r.snr[i]));
    }
    return m;
}

Members describe(const RMC &r)
{
    return {{"talker", talker(r.talker)}, {"time", timeVal(r.time)}, {"status", letter(r.status)},
            {"lat", val(r.latitude)}, {"latH", letterVal(r.latHemisphere)}, {"lon", val(r.longitude)},
            {"lonH", letterVal(r.lonHemisphere)}, {"kmh", val(r.speedKmh)}, {"course", val(r.course)},
            {"date", val(r.date)}, {"magVar", val(r.magneticVariation)},
            {"varDir", letterVal(r.variationDirection)}, {"mode", letterVal(r.mode)}};
}

Members describe(const VTG &r)
{
    return {{"talker", talker(r.talker)}, {"true", val(r.courseTrue)}, {"magnetic", val(r.courseMagnetic)},
            {"knots", val(r.speedKnots)}, {"kmh", val(r.speedKmh)}, {"mode", letterVal(r.mode)}};
}

Members describe(const ZDA &r)
{
    const QString date = r.date.isValid()
        ? QStringLiteral("%1.%2.%3").arg(r.date.day).arg(r.date.month).arg(r.date.year)
        : QStringLiteral("-");
    return {{"talker", talker(r.talker)}, {"time", timeVal(r.time)}, {"date", date},
            {"zoneH", val(r.zoneHours)}, {"zoneM", val(r.zoneMinutes)}};
}

Members describe(const HDG &r)
{
    return {{"talker", talker(r.talker)}, {"field1", val(r.field1)}, {"yaw", val(r.yaw)},
            {"roll", val(r.roll)}, {"pitch", val(r.pitch)}, {"field5", QString::number(r.field5)},
            {"field6", val(r.field6)}, {"status", val(r.positionStatus)}};
}

void compareMembers(const Members &actual, const QString &expected)
{
    const QStringList words = expected.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        const int eq = word.indexOf(QLatin1Char('='));
        QVERIFY2(eq > 0, qPrintable(word));
        const QString name = word.left(eq);
        QVERIFY2(actual.contains(name), qPrintable(QStringLiteral("no member ") + name));
        const QString got = QStringLiteral("%1=%2").arg(name, actual.value(name));
        QCOMPARE(got, word);
    }
}

} // namespace

class TestNmeaSentences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }

    void records_data();
    void records();

    void textAndByteRoadsAgree();

private:
    Members decode(const QString &type, const QString &l)
    {
        if (type == "GGA") return describe(parser.parseGGA(l));
        if (type == "GSA") return describe(parser.parseGSA(l));
        if (type == "GST") return describe(parser.parseGST(l));
        if (type == "GSV") return describe(parser.parseGSV(l));
        if (type == "RMC") return describe(parser.parseRMC(l));
        if (type == "VTG") return describe(parser.parseVTG(l));
        if (type == "ZDA") return describe(parser.parseZDA(l));
        if (type == "HDG") return describe(parser.parseHDG(l));
        return {};
    }

    NMEAParser parser{nullptr};
};

void TestNmeaSentences::records_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("expected");
    QTest::newRow("full fix") << "GPGGA,123519.25,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"
                              << "talker=GP time=123519.25 lat=4807.038 latH=N lon=1131 lonH=E quality=1 sats=8 "
                                 "hdop=0.9 alt=545.4 geoid=46.9 age=- station=-";
    QTest::newRow("dgps age and station") << "GNGGA,000001,0000.000,S,00000.000,W,2,12,1.0,-12.5,M,-3.0,M,2.5,0042"
                                          << "talker=GN time=1 latH=S lonH=W quality=2 alt=-12.5 geoid=-3 age=- station=42";
    QTest::newRow("quality 0 blanks the fix") << "GPGGA,123519,4807.038,N,01131.000,E,0,08,0.9,545.4,M,46.9,M,,"
                                              << "time=- lat=- latH=N lon=- lonH=E quality=0 sats=- hdop=- alt=- "
                                                 "geoid=46.9 age=- station=-";
    QTest::newRow("empty quality is no fix") << "GPGGA,123519,4807.038,N,01131.000,E,,08,0.9,545.4,M,,M,,"
                                             << "time=- lat=- quality=- sats=- geoid=-";
    QTest::newRow("empty altitude is not valid") << "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,,M,46.9,M,,"
                                                 << "alt=- lat=4807.038 lon=1131 quality=1 geoid=46.9";
    QTest::newRow("2d fix without altitude") << "GPGGA,101010.00,4807.038,N,01131.000,E,1,03,10.5,,,,,,"
                                             << "alt=- hdop=10.5 sats=3 geoid=- age=- station=-";
    QTest::newRow("no talker") << "GGA,1,1,N,1,E,1,1,1,1,M,1,M,," << "talker= quality=1";
    QTest::newRow("long talker cut to two") << "GPXYZGGA,1,1,N,1,E,1,1,1,1,M,1,M,," << "talker=GP quality=1";
    QTest::newRow("truncated before quality") << "GPGGA,123519,4807.038,N"
                                              << "talker=GP time=- lat=- latH=N lonH=n quality=- geoid=- age=- station=-";
    QTest::newRow("truncated after quality") << "GPGGA,123519,4807.038,N,01131.000,E,1"
                                             << "time=123519 quality=1 sats=- hdop=- alt=- geoid=- age=- station=-";
    QTest::newRow("junk numbers are not valid") << "GPGGA,12x,abc,N,1e2,E,1,z8,0.9,545.4,M,46.9,M,,"
                                                << "time=- lat=- lon=100 sats=- hdop=0.9";
    QTest::newRow("junk quality is no fix") << "GPGGA,123519,4807.038,N,01131.000,E,1x,08,0.9,545.4,M,46.9,M,,"
                                            << "time=- lat=- quality=- sats=-";
    QTest::newRow("full") << "GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1"
                          << "talker=GP mode=A fix=3 prn=4/5/-/9/12/-/-/24/-/-/-/- pdop=2.5 hdop=1.3 vdop=2.1";
    QTest::newRow("empty prns and dop 0.0") << "GNGSA,A,1,,,,,,,,,,,,,0.0,0.0,0.0"
                                            << "mode=A fix=1 prn=-/-/-/-/-/-/-/-/-/-/-/- pdop=- hdop=- vdop=-";
    QTest::newRow("negative zero dop") << "GPGSA,A,3,,,,,,,,,,,,,-0.0,1,1" << "pdop=- hdop=1";
    QTest::newRow("empty mode reads n") << "GPGSA,,,,,,,,,,,,,,,1,1,1" << "mode=n fix=0";
    QTest::newRow("truncated") << "GPGSA,A,3,04"
                               << "mode=A fix=3 prn=4/-/-/-/-/-/-/-/-/-/-/- pdop=- hdop=- vdop=-";
    QTest::newRow("address only") << "GPGSA" << "talker=GP mode=n fix=0 pdop=-";
    QTest::newRow("full") << "GPGST,172814.0,0.006,0.023,0.020,273.6,0.023,0.020,0.031"
                          << "talker=GP time=172814 rms=0.006 major=0.023 minor=0.02 orient=273.6 latErr=0.023 "
                             "lonErr=0.02 altErr=0.031";
    QTest::newRow("empty fields") << "GNGST,172814.0,,0.023,,273.6,,,"
                                  << "time=172814 rms=- major=0.023 minor=- orient=273.6 latErr=- lonErr=- altErr=-";
    QTest::newRow("truncated") << "GPGST,172814.0,0.006" << "time=172814 rms=0.006 major=- altErr=-";
    QTest::newRow("four satellites")
        << "GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00"
        << "talker=GP total=3 number=1 inView=11 slot0=3/3/111/0 slot1=4/15/270/0 slot2=6/1/10/0 slot3=13/6/292/0";
    QTest::newRow("empty snr")
        << "GPGSV,1,1,02,10,45,100,,12,30,200,38"
        << "slot0=10/45/100/- slot1=12/30/200/38 slot2=-/-/-/-";
    QTest::newRow("trailing signal id changes nothing")
        << "GAGSV,1,1,02,10,45,100,33,12,30,200,38,7"
        << "talker=GA slot0=10/45/100/33 slot1=12/30/200/38 slot2=-/-/-/-";
    QTest::newRow("incomplete group is not a slot")
        << "GBGSV,1,1,02,10,45,100,33,12,30"
        << "talker=GB slot0=10/45/100/33 slot1=-/-/-/-";
    QTest::newRow("no satellites") << "GPGSV,1,1,00" << "inView=0 slot0=-/-/-/-";
    QTest::newRow("truncated header") << "GPGSV,3" << "total=3 number=0 inView=0 slot0=-/-/-/-";
    QTest::newRow("full")
        << "GPRMC,123519.25,A,4807.038,N,01131.000,E,022.4,084.4,311225,003.1,W,A"
        << "talker=GP time=12:35:19.25 status=A lat=4807.038 latH=N lon=1131 lonH=E kmh=41.4848 course=84.4 "
           "date=311225 magVar=3.1 varDir=W mode=A";
    QTest::newRow("mode N blanks time and date")
        << "GNRMC,123519,V,4807.038,N,01131.000,E,0.0,,311225,,,N"
        << "time=- date=- status=V lat=4807.038 latH=N kmh=0 course=- magVar=- varDir=- mode=N";
    QTest::newRow("empty mode is not valid")
        << "GPRMC,123519,A,4807.038,N,01131.000,E,1.0,10.0,010126,,,"
        << "mode=- time=12:35:19 date=10126";
    QTest::newRow("without mode field")
        << "GPRMC,123519,A,4807.038,N,01131.000,E,1.0,10.0,010126,,"
        << "mode=- time=12:35:19 date=10126 magVar=- varDir=-";
    QTest::newRow("empty time and date are not valid")
        << "GPRMC,,A,,,,,,,,,,A" << "time=- date=- lat=- latH=- lon=- lonH=- kmh=- course=- mode=A";
    QTest::newRow("truncated") << "GPRMC,123519" << "time=12:35:19 status=n lat=- mode=- date=-";
    QTest::newRow("infinite time is invalid") << "GPRMC,inf,A,,,,,,,311225,,,A" << "time=- date=311225";
    QTest::newRow("huge time is invalid") << "GPRMC,1e300,A,,,,,,,311225,,,A" << "time=-";
    QTest::newRow("full") << "GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A"
                          << "talker=GP true=54.7 magnetic=34.4 knots=5.5 kmh=10.2 mode=A";
    QTest::newRow("mode N") << "GNVTG,054.7,T,034.4,M,005.5,N,010.2,K,N"
                            << "true=- magnetic=34.4 knots=- kmh=- mode=N";
    QTest::newRow("empty fields") << "GPVTG,,T,,M,,N,,K,D" << "true=- magnetic=- knots=- kmh=- mode=D";
    QTest::newRow("standing still: empty course") << "GPVTG,,T,,M,0.0,N,0.0,K,A"
                                                  << "true=- knots=0 kmh=0 mode=A";
    QTest::newRow("without mode field") << "GPVTG,054.7,T,,M,005.5,N,010.2,K"
                                        << "true=54.7 magnetic=- kmh=10.2 mode=-";
    QTest::newRow("truncated") << "GPVTG,054.7" << "true=54.7 knots=- kmh=- mode=-";
    QTest::newRow("full") << "GPZDA,201530.00,04,07,2002,-05,30"
                          << "talker=GP time=20:15:30 date=4.7.2002 zoneH=-5 zoneM=30";
    QTest::newRow("empty month") << "GPZDA,201530.00,04,,2002,00,00" << "time=20:15:30 date=- zoneH=0";
    QTest::newRow("empty time") << "GNZDA,,04,07,2002,," << "time=- date=4.7.2002 zoneH=- zoneM=-";
    QTest::newRow("truncated") << "GPZDA,201530.00,04" << "time=20:15:30 date=- zoneH=- zoneM=-";
    QTest::newRow("huge time is invalid") << "GPZDA,1e20,04,07,2002,," << "time=- date=4.7.2002";
    QTest::newRow("status 4: yaw, pitch, roll in that field order")
        << "GPHDG,1.5,123.4,-2.5,7.25,3,0.75,4"
        << "talker=GP field1=1.5 yaw=123.4 pitch=-2.5 roll=7.25 field5=3 field6=0.75 status=4";
    QTest::newRow("status 0 blanks everything")
        << "GPHDG,1.5,123.4,-2.5,7.25,3,0.75,0"
        << "field1=- yaw=- pitch=- roll=- field5=0 field6=- status=0";
    QTest::newRow("empty status is not valid") << "GPHDG,1.5,123.4,-2.5,7.25,3,0.75," << "yaw=- status=-";
    QTest::newRow("status 260 keeps its low byte") << "GNHDG,1,2,3,4,5,6,260" << "status=4 yaw=2 pitch=3 roll=4";
    QTest::newRow("empty attitude fields are not valid") << "GPHDG,,,,,,,1"
                                                         << "field1=- yaw=- pitch=- roll=- field5=0 field6=- status=1";
    QTest::newRow("nan status is invalid") << "GPHDG,1,2,3,4,5,6,nan" << "status=- yaw=- roll=-";
    QTest::newRow("status beyond 16 bits is invalid") << "GPHDG,1,2,3,4,5,6,1e9" << "status=- yaw=-";
    QTest::newRow("truncated without status") << "GPHDG,1,2,3,4,5" << "status=- yaw=- field5=0";
}

void TestNmeaSentences::records()
{
    // The handler is chosen by the last three letters of the address field.
    QFETCH(QString, body);
    QFETCH(QString, expected);
    const QString type = body.section(QLatin1Char(','), 0, 0).right(3);
    const Members m = decode(type, line(body));
    QVERIFY2(!m.isEmpty(), qPrintable(type));
    compareMembers(m, expected);
}

void TestNmeaSentences::textAndByteRoadsAgree()
{
    // A character beyond Latin-1 after the checksum changes nothing a handler reads,
    // but sends the line down the text road (the marked field list). Both roads must
    // give the same record for any field list, however garbled.
    const QStringList bodies{
        "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,",
        "GNGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1",
        "GPGST,172814.0,0.006,0.023,0.020,273.6,0.023,0.020,0.031",
        "GLGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00",
        "GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A",
        "GAVTG,054.7,T,034.4,M,005.5,N,010.2,K,A",
        "GBZDA,201530.00,04,07,2002,00,00",
        "GPHDG,1,2,3,4,5,6,4",
    };
    const QString pieces = QStringLiteral(",,,*$.-+e9nN0 \u00e9");
    QRandomGenerator rng(4242);
    for (int round = 0; round < 4000; ++round) {
        QString body = bodies.at(int(rng.bounded(bodies.size())));
        const int edits = 1 + int(rng.bounded(4));
        for (int e = 0; e < edits; ++e) {
            const int at = int(rng.bounded(body.size() + 1));
            switch (rng.bounded(3)) {
            case 0: body.truncate(at); break;
            case 1: body.insert(at, pieces.at(int(rng.bounded(pieces.size())))); break;
            default: if (at < body.size()) body.remove(at, 1); break;
            }
        }
        const QString bytes = line(body);
        const QString text = bytes.left(bytes.size() - 2) + QChar(0x2003) + QStringLiteral("\r\n");
        for (const char *type : {"GGA", "GSA", "GST", "GSV", "RMC", "VTG", "ZDA", "HDG"})
            QCOMPARE(decode(type, text), decode(type, bytes));
        QCOMPARE(parser.checkSum(text), parser.checkSum(bytes));
    }
}

QTEST_GUILESS_MAIN(TestNmeaSentences)

#include "tst_nmeasentences.moc"
