#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

#include "connectguard.h"
#include "loglinewriter.h"

// The log writer must write every number exactly as Qt does: compared here against
// QString::number over random bit patterns, exact binary ties and their neighbours,
// every magnitude and sign, at every precision the log lines use.
class tst_LogLineWriter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void fixedMatchesQt_data();
    void fixedMatchesQt();
    void fixedTakesTheExactPathForEverydayValues();
    void singlePrecisionWithOneDecimal();
    void shortestMatchesArg();
    void integers();
    void talkerTextIsUtf8();
};

namespace {

// Case count per precision and family; POLVANE_FORMAT_CASES raises it for a long run.
int caseCount()
{
    const int n = qEnvironmentVariableIntValue("POLVANE_FORMAT_CASES");
    return n > 0 ? n : 20000;
}

struct Random
{
    quint64 state;
    quint64 next()
    {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        return state * 0x2545F4914F6CDD1Dull;
    }
    double unit() { return double(next() >> 11) / 9007199254740992.0; }
};

double fromBits(quint64 bits)
{
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

QByteArray written(double value, int decimals)
{
    LogLineWriter line;
    line.appendFixed(value, decimals);
    return line.bytes();
}

enum Family { RandomBits, Ties, NearTies, Magnitudes, Specials };

// Fails at the first value whose text differs, naming it by its bits.
void compareFixed(Family family, int decimals, int count, quint64 seed)
{
    Random random{seed};
    const double scale = std::pow(10.0, decimals);
    auto check = [decimals](double value) {
        const QByteArray ours = written(value, decimals);
        const QByteArray qt = QString::number(value, 'f', decimals).toLatin1();
        if (ours != qt) {
            quint64 bits;
            std::memcpy(&bits, &value, sizeof bits);
            QFAIL(qPrintable(QStringLiteral("%1 (bits %2) at %3 decimals: ours %4, Qt %5")
                                 .arg(value, 0, 'g', 17)
                                 .arg(bits, 16, 16, QLatin1Char('0'))
                                 .arg(decimals)
                                 .arg(QString::fromLatin1(ours), QString::fromLatin1(qt))));
        }
    };
    for (int i = 0; i < count; ++i) {
        const double sign = (random.next() & 1) ? -1.0 : 1.0;
        switch (family) {
        case RandomBits:
            check(fromBits(random.next()));
            break;
        case Ties: {
            // k / 2^m with the half at the last printed decimal: exact binary ties.
            const int m = 1 + int(random.next() % 12);
            const double k = double(random.next() % (quint64(1) << (1 + random.next() % 40)));
            const double tie = (std::floor(k) + 0.5) / scale;
            check(sign * k / std::ldexp(1.0, m));
            check(sign * tie);
            check(sign * (2 * k + 1) / std::ldexp(1.0, m + 1));
            break;
        }
        case NearTies: {
            const double k = double(random.next() % 100000000);
            const double tie = sign * (k + 0.5) / scale;
            check(std::nextafter(tie, 0.0));
            check(std::nextafter(tie, 2 * tie));
            check(std::nextafter(std::nextafter(tie, 0.0), 0.0));
            break;
        }
        case Magnitudes: {
            // From 1e-12 to 1e20, so both sides of the exact path's limit are seen.
            const double exponent = -12 + 32 * random.unit();
            check(sign * std::pow(10.0, exponent));
            check(sign * std::floor(std::pow(10.0, exponent)));
            break;
        }
        case Specials:
            break;
        }
        if (QTest::currentTestFailed())
            return;
    }
    if (family == Specials) {
        const double limit = std::ldexp(1.0, 52) / scale;
        const double specials[] = {0.0, -0.0, 1.0, -1.0, 0.5, -0.5,
                                   std::numeric_limits<double>::quiet_NaN(),
                                   -std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity(),
                                   std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::lowest(),
                                   std::numeric_limits<double>::min(),
                                   std::numeric_limits<double>::denorm_min(),
                                   -std::numeric_limits<double>::denorm_min(),
                                   limit, -limit, std::nextafter(limit, 0.0),
                                   std::nextafter(-limit, 0.0), std::nextafter(limit, 2 * limit),
                                   4503599627370495.5, 2251799813685247.5, 0.125, -0.125,
                                   0.375, 2.5, -2.5, 1e-320, -1e-320, 0.05, 0.005, 0.0005,
                                   0.00005, 1.005, 2.675, 1234.5678, 6378137.0, -0.001};
        for (double value : specials) {
            check(value);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

} // namespace

void tst_LogLineWriter::initTestCase()
{
    installConnectGuard();
}

void tst_LogLineWriter::fixedMatchesQt_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("decimals");

    const char *names[] = {"random bits", "ties", "near ties", "magnitudes", "specials"};
    for (int family = RandomBits; family <= Specials; ++family) {
        for (int decimals = 0; decimals <= 4; ++decimals) {
            QTest::addRow("%s, %d decimals", names[family], decimals) << family << decimals;
        }
    }
}

void tst_LogLineWriter::fixedMatchesQt()
{
    QFETCH(int, family);
    QFETCH(int, decimals);
    compareFixed(Family(family), decimals, caseCount(), 0x9E3779B97F4A7C15ull + 977 * family + decimals);
}

void tst_LogLineWriter::fixedTakesTheExactPathForEverydayValues()
{
    // Positions, speeds and times of day must not go the slow way.
    char out[48];
    const double values[] = {-2850000.1234, 5250000.0, 0.0, -0.0, 86399.999, 59.25, -0.001};
    for (double value : values) {
        for (int decimals = 0; decimals <= 4; ++decimals)
            QVERIFY2(LogLineWriter::writeFixed(out, value, decimals) > 0, qPrintable(QString::number(value)));
    }
    QCOMPARE(LogLineWriter::writeFixed(out, std::numeric_limits<double>::quiet_NaN(), 2), -1);
    QCOMPARE(LogLineWriter::writeFixed(out, 1e20, 2), -1);
}

void tst_LogLineWriter::singlePrecisionWithOneDecimal()
{
    // The ratio field is a float written through arg(double, 0, 'f', 1).
    Random random{12345};
    const int count = caseCount();
    for (int i = 0; i < count; ++i) {
        float f;
        const quint32 bits = quint32(random.next());
        std::memcpy(&f, &bits, sizeof f);
        const float values[] = {f, float(random.unit() * 1000.0), float(i) / 20.0f};
        for (float value : values) {
            const QByteArray qt = QStringLiteral("%1").arg(double(value), 0, 'f', 1).toLatin1();
            QCOMPARE(written(double(value), 1), qt);
        }
    }
}

void tst_LogLineWriter::shortestMatchesArg()
{
    auto written = [](double value) {
        LogLineWriter line;
        line.appendShortest(value);
        return line.bytes();
    };
    for (int i = 0; i <= 2000; ++i)
        QCOMPARE(written(i), QStringLiteral("%1").arg(double(i)).toLatin1());
    const double others[] = {-0.0, -1.0, 0.5, 2.5, 1e6, 1e21, 123456789.0,
                             std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()};
    for (double value : others)
        QCOMPARE(written(value), QStringLiteral("%1").arg(value).toLatin1());
}

void tst_LogLineWriter::integers()
{
    const qint64 signedValues[] = {0, 1, -1, 9, 10, -10, 255, 2147483647, -2147483647 - 1,
                                   std::numeric_limits<qint64>::max(),
                                   std::numeric_limits<qint64>::min()};
    for (qint64 value : signedValues) {
        LogLineWriter line;
        line.appendNumber(value);
        QCOMPARE(line.bytes(), QByteArray::number(value));
    }
    const quint64 unsignedValues[] = {0,    7,     9,           10,  99, 100, 359, 999,
                                      1000, 65535, 4294967295u, std::numeric_limits<quint64>::max()};
    for (quint64 value : unsignedValues) {
        LogLineWriter line;
        line.appendUnsigned(value);
        QCOMPARE(line.bytes(), QString::number(value).toLatin1());
    }
}

void tst_LogLineWriter::talkerTextIsUtf8()
{
    LogLineWriter line;
    line.append('$');
    line.append(QStringLiteral("G\u00e9"));
    line.append("GSV");
    QCOMPARE(line.text(), QStringLiteral("$G\u00e9GSV"));
    QCOMPARE(line.bytes(), QStringLiteral("$G\u00e9GSV").toUtf8());
}

QTEST_GUILESS_MAIN(tst_LogLineWriter)
#include "tst_loglinewriter.moc"
