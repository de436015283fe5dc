#include "baseinfowidget.h"
#include "ui_baseinfowidget.h"

#include <QChar>
#include <QLineEdit>
#include <QScrollBar>
#include <QStringList>

#include <cmath>

#include "controller.h"
#include "fieldwidth.h"
#include "framepacer.h"
#include "parserproxy.h"
#include "readerproxy.h"
#include "sentencehandler.h"
#include "windowpattern.h"

namespace {

const ConnectionTable &sentenceHandlerConnections()
{
    static const ConnectionTable table = {
        {SIGNAL(setCoordinate(GeoCoordinate)), SLOT(setCoordinate(GeoCoordinate))},
        {SIGNAL(setUTC(Time)), SLOT(setUTC(Time))},
        {SIGNAL(setDate(NavDataValue<int>)), SLOT(setDate(NavDataValue<int>))},
        {SIGNAL(setDate(Date)), SLOT(setDate(Date))},
        {SIGNAL(setHDOP(NavDataValue<double>)), SLOT(setHDOP(NavDataValue<double>))},
        {SIGNAL(setPDOP(NavDataValue<double>)), SLOT(setPDOP(NavDataValue<double>))},
        {SIGNAL(setVDOP(NavDataValue<double>)), SLOT(setVDOP(NavDataValue<double>))},
        {SIGNAL(setSpeed(NavDataValue<double>)), SLOT(setSpeed(NavDataValue<double>))},
        {SIGNAL(setCourse(NavDataValue<double>)), SLOT(setCourse(NavDataValue<double>))},
        {SIGNAL(setFixMode(signed char, short)), SLOT(setFixMode(signed char, short))},
        {SIGNAL(setPositioningSystemMode(NavDataValue<signed char>)),
         SLOT(setPositioningSystemMode(NavDataValue<signed char>))},
        {SIGNAL(setQuality(NavDataValue<short>)), SLOT(setQuality(NavDataValue<short>))},
    };
    return table;
}

const ConnectionTable &parserConnections()
{
    static const ConnectionTable table = {
        {SIGNAL(protocolDefined(InterfaceMode)), SLOT(protocolDefined(InterfaceMode))},
    };
    return table;
}

const ConnectionTable &readerConnections()
{
    static const ConnectionTable table = {
        {SIGNAL(displayTestBaudRate(int)), SLOT(displayTestBaudRate(int))},
        {SIGNAL(displayBaudRateMaster(bool)), SLOT(displayBaudRateMaster(bool))},
    };
    return table;
}

const QString twoDashes = QStringLiteral("--");

// The seconds as the receiver wrote them (hhmmss.ss, some receivers a third
// decimal): the whole seconds in two digits, the fraction without trailing zeros. The
// nearest millisecond only undoes the binary fraction (59.9 arrives as 59.8999...); it
// never rounds up into the next second, which would show 59.9996 as a 60th second.
QString secondsText(double seconds)
{
    const double whole = std::floor(seconds);
    const int millis = int(std::fmin(std::round((seconds - whole) * 1000.0), 999.0));
    QString text = QStringLiteral("%1").arg(whole, 2, 'f', 0, QLatin1Char('0'));
    if (millis > 0) {
        QString fraction = QStringLiteral("%1").arg(millis, 3, 10, QLatin1Char('0'));
        while (fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
        text += QLatin1Char('.') + fraction;
    }
    return text;
}

// What the window shows, each written with its newest value (see FramePacer).
enum PacedKind {
    PacedCoordinate,
    PacedUtc,
    PacedDate,
    PacedHdop,
    PacedPdop,
    PacedVdop,
    PacedSpeed,
    PacedCourse,
    PacedFixMode,
    PacedQuality,
    PacedSystemMode,
};

} // namespace

BaseInfoWidget::BaseInfoWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::BaseInfoWidget)
    , controller(nullptr)
{
    ui->setupUi(this);
    // Each field holds its longest value whole, in either language.
    reserveWidthFor(ui->editLatitude, widestLatitudeTexts());
    reserveWidthFor(ui->editLongitude, widestLongitudeTexts());
    reserveWidthFor(ui->editAltitude, widestHeightTexts());
    reserveWidthFor(ui->editProtocol, {QStringLiteral("ZRB_Binary, 460800")});
    reserveWidthFor(ui->editSpeed, {tr("%1 km/h").arg(1854.0, 0, 'f', 3, QLatin1Char(' '))});
    reserveWidthFor(ui->editFixMode, {QStringLiteral("A ") + tr("not available")});
    // The tables scroll down, never sideways: the area is as wide as their columns need.
    ui->scrollArea->setMinimumWidth(ui->scrollAreaWidgetContents->minimumSizeHint().width()
                                    + ui->scrollArea->verticalScrollBar()->sizeHint().width()
                                    + 2 * ui->scrollArea->frameWidth());
    growToContents(this);
}

BaseInfoWidget::~BaseInfoWidget()
{
    delete ui;
}

void BaseInfoWidget::setController(Controller *newController)
{
    Controller *old = controller;
    controller = newController;
    moveConnections(sentenceHandlerOf(old),
                    sentenceHandlerOf(newController), this,
                    sentenceHandlerConnections());
    moveConnections(parserOf(old), parserOf(newController),
                    this, parserConnections());
    moveConnections(readerOf(old), readerOf(newController),
                    this, readerConnections());
    ui->satelliteTables->setController(newController);
}

void BaseInfoWidget::setModel(Model *)
{
}

void BaseInfoWidget::setCoordinate(GeoCoordinate coordinate)
{
    paced(this, PacedCoordinate, coordinate.isValid(), [this, coordinate] {
        const bool valid = coordinate.isValid();
        if (valid) {
            setFieldText(ui->editLatitude, coordinate.latitudeText());
            setFieldText(ui->editLongitude, coordinate.longitudeText());
            setFieldText(ui->editAltitude, coordinate.heightText());
        }
        setLabelActive(ui->editLatitude, valid);
        setLabelActive(ui->editLongitude, valid);
        setLabelActive(ui->editAltitude, valid);
    });
}

void BaseInfoWidget::setUTC(Time time)
{
    paced(this, PacedUtc, time.isValid(), [this, time] {
        if (time.isValid()) {
            // Every unit in two digits, as hhmmss.ss reads: 7.5 s is 07.5.
            setFieldText(ui->editUTC, QStringLiteral("%1:%2:%3")
                                          .arg(double(time.hours), 2, 'f', 0, QLatin1Char('0'))
                                          .arg(double(time.minutes), 2, 'f', 0, QLatin1Char('0'))
                                          .arg(secondsText(time.seconds)));
        }
        setLabelActive(ui->editUTC, time.isValid());
    });
}

void BaseInfoWidget::setDate(NavDataValue<int> date)
{
    paced(this, PacedDate, date.isValid(), [this, date] {
        if (date.isValid()) {
            // RMC writes the date as one number, ddmmyy.
            const int day = date.value / 10000;
            const int month = (date.value % 10000) / 100;
            const int year = date.value % 100;
            setFieldText(ui->editDate, QStringLiteral("%1.%2.%3")
                                           .arg(day, 2, 10, QLatin1Char('0'))
                                           .arg(month, 2, 10, QLatin1Char('0'))
                                           .arg(year, 2, 10, QLatin1Char('0')));
        }
        setLabelActive(ui->editDate, date.isValid());
    });
}

void BaseInfoWidget::setDate(Date date)
{
    paced(this, PacedDate, date.isValid(), [this, date] {
        if (date.isValid()) {
            setFieldText(ui->editDate, QStringLiteral("%1.%2.%3")
                                           .arg(date.day, 2, 10, QLatin1Char('0'))
                                           .arg(date.month, 2, 10, QLatin1Char('0'))
                                           .arg(date.year % 100, 2, 10, QLatin1Char('0')));
        }
        setLabelActive(ui->editDate, date.isValid());
    });
}

void BaseInfoWidget::setHDOP(NavDataValue<double> hdop)
{
    paced(this, PacedHdop, hdop.isValid(), [this, hdop] {
        if (hdop.isValid())
            setFieldText(ui->editHDOP, QString::number(hdop.value, 'f', 1));
        setLabelActive(ui->editHDOP, hdop.isValid());
    });
}

void BaseInfoWidget::setPDOP(NavDataValue<double> pdop)
{
    paced(this, PacedPdop, pdop.isValid(), [this, pdop] {
        if (pdop.isValid())
            setFieldText(ui->editPDOP, QString::number(pdop.value, 'f', 1));
        setLabelActive(ui->editPDOP, pdop.isValid());
    });
}

void BaseInfoWidget::setVDOP(NavDataValue<double> vdop)
{
    paced(this, PacedVdop, vdop.isValid(), [this, vdop] {
        if (vdop.isValid())
            setFieldText(ui->editVDOP, QString::number(vdop.value, 'f', 1));
        setLabelActive(ui->editVDOP, vdop.isValid());
    });
}

void BaseInfoWidget::setSpeed(NavDataValue<double> speed)
{
    paced(this, PacedSpeed, speed.isValid(), [this, speed] {
        // The sentence handler already gives km/h, whatever the sentence carried.
        if (speed.isValid())
            setFieldText(ui->editSpeed, tr("%1 km/h").arg(speed.value, 0, 'f', 3, QLatin1Char(' ')));
        setLabelActive(ui->editSpeed, speed.isValid());
    });
}

void BaseInfoWidget::setCourse(NavDataValue<double> course)
{
    paced(this, PacedCourse, course.isValid(), [this, course] {
        if (course.isValid())
            setFieldText(ui->editCourse, QString::number(course.value, 'f', 3) + QChar(0x00B0));
        setLabelActive(ui->editCourse, course.isValid());
    });
}

void BaseInfoWidget::setFixMode(signed char cMode, short dMode)
{
    paced(this, PacedFixMode, dMode >= 1 && dMode <= 3, [this, cMode, dMode] {
        // GSA has no valid flag of its own: a fix type outside 1 to 3 is what marks it stale.
        QString fix;
        switch (dMode) {
        case 1:
            fix = tr("not available");
            break;
        case 2:
            fix = tr("2D");
            break;
        case 3:
            fix = tr("3D");
            break;
        default:
            break;
        }
        if (!fix.isEmpty())
            setFieldText(ui->editFixMode, QString(QChar(uchar(cMode))) + QLatin1Char(' ') + fix);
        setLabelActive(ui->editFixMode, !fix.isEmpty());
    });
}

void BaseInfoWidget::setQuality(NavDataValue<short> qualityIndicator)
{
    paced(this, PacedQuality, qualityIndicator.isValid(), [this, qualityIndicator] {
        if (qualityIndicator.isValid())
            setFieldText(ui->editQuality, QString::number(qualityIndicator.value));
        setLabelActive(ui->editQuality, qualityIndicator.isValid());
    });
}

void BaseInfoWidget::setPositioningSystemMode(NavDataValue<signed char> mode)
{
    paced(this, PacedSystemMode, mode.isValid(), [this, mode] {
        if (mode.isValid())
            setFieldText(ui->editPositioningSystemMode, QString(QChar(uchar(mode.value))));
        setLabelActive(ui->editPositioningSystemMode, mode.isValid());
    });
}

void BaseInfoWidget::protocolDefined(InterfaceMode mode)
{
    QString text = QStringLiteral("%1, %2");
    switch (mode) {
    case InterfaceNmea:
        text = text.arg(QStringLiteral("NMEA"), baudRateText());
        break;
    case InterfaceBinary:
        text = text.arg(QStringLiteral("ZRB_Binary"), baudRateText());
        break;
    default:
        // Not known yet (or a byte we have no name for).
        text = text.arg(twoDashes, twoDashes);
        break;
    }
    setLabelActive(ui->editProtocol, true);
    setFieldText(ui->editProtocol, text);
}

void BaseInfoWidget::displayTestBaudRate(int baudRate)
{
    // Red while the search runs: the rate shown is only being tried.
    ui->editProtocol->setStyleSheet(QStringLiteral("QLineEdit { color: red;}"));
    setFieldText(ui->editProtocol,
                 QStringLiteral("--, %1").arg(baudRate == -1 ? twoDashes : QString::number(baudRate)));
}

void BaseInfoWidget::displayBaudRateMaster(bool isFound)
{
    setLabelActive(ui->editProtocol, true);
    // The search talks the binary protocol only, so a rate found is a binary link.
    setFieldText(ui->editProtocol,
                 isFound ? QStringLiteral("ZRB_Binary, %1").arg(baudRateText()) : QStringLiteral("--, --"));
}

void BaseInfoWidget::clearWindow()
{
    dropPaced(this);
    // The protocol field describes the link, which a clear does not change.
    clearLineEdits(this, {QStringLiteral("editProtocol")});
    ui->satelliteTables->clearWindow();
}

void BaseInfoWidget::setLabelActive(QWidget *widget, bool active)
{
    setValueStyle(widget, active);
}

QString BaseInfoWidget::baudRateText() const
{
    QString portName;
    int baudRate = 0;
    if (controller && controller->reader()->serialSettings(portName, baudRate))
        return QString::number(baudRate);
    return twoDashes;
}
