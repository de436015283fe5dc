#include "constellationcontrolwidget1.h"
#include "ui_constellationcontrolwidget1.h"

#include <QRegExpValidator>

#include "controller.h"

namespace {

const PageConnectionTable connections = {
    {SIGNAL(requestError(QPair<MsgType, unsigned char>)), SLOT(requestError(QPair<MsgType, unsigned char>))},
    {SIGNAL(primFrqChanged(QVector<BinaryConfigurator::Frequency>)),
     SLOT(primFrqChanged(QVector<BinaryConfigurator::Frequency>))},
    {SIGNAL(secondFrqChanged(QVector<BinaryConfigurator::Frequency>)),
     SLOT(secondFrqChanged(QVector<BinaryConfigurator::Frequency>))},
    {SIGNAL(sbasSatellitesChanged(QVector<uint8_t>)), SLOT(sbasSatellitesChanged(QVector<uint8_t>))},
};

const unsigned char primFrqGetter = 0x00;
const unsigned char secondFrqGetter = 0x01;
const unsigned char sbasSatellitesGetter = 0x02;
const unsigned char setterOffset = 0x80;

// GPS, GLONASS, BeiDou, Galileo, NavIC, SBAS: the order of the signal plan on the wire.
const int systemCount = 6;
const int sbasSlotCount = 6;
// What an SBAS slot holds while the receiver has not told its satellite.
const uint8_t unsetSatellite = 255;

bool isSbasSatellite(int number)
{
    return number == 0 || (number >= 120 && number <= 156);
}

void fill(QComboBox *box, const QList<QPair<const char *, int>> &items)
{
    box->clear();
    for (const auto &entry : items)
        box->addItem(ConstellationControlWidget1::tr(entry.first), entry.second);
    box->setCurrentIndex(-1);
}

template <typename List, typename Value>
bool holdsNo(const List &list, Value unset)
{
    return !list.contains(unset);
}

} // namespace

ConstellationControlWidget1::ConstellationControlWidget1(QWidget *parent)
    : AbstractConfigurationWidget(parent)
    , ui(new Ui::ConstellationControlWidget1)
    // Until the first reply or failed getter every entry is unknown; Save before then
    // compares unknown with unknown and sends nothing.
    , primaryFrequenciesReceived(systemCount, -1)
    , primaryFrequencies(systemCount, -1)
    , secondaryFrequenciesReceived(systemCount, -1)
    , secondaryFrequencies(systemCount, -1)
    , sbasSatellitesReceived(sbasSlotCount, unsetSatellite)
    , sbasSatellites(sbasSlotCount, unsetSatellite)
{
    ui->setupUi(placeholder());
    fillFrequencyBoxes();
    primaryFrequencyBoxes = {ui->comBoxGpsPrimFrq,   ui->comBoxGloPrimFrq,   ui->comBoxBdoPrimFrq,
                             ui->comBoxGalPrimFrq,   ui->comBoxNavicPrimFrq, ui->comBoxSbasPrimFrq};
    secondaryFrequencyBoxes = {ui->comBoxGpsSecondFrq,   ui->comBoxGloSecondFrq,   ui->comBoxBdoSecondFrq,
                               ui->comBoxGalSecondFrq,   ui->comBoxNavicSecondFrq, ui->comBoxSbasSecondFrq};
    sbasSatelliteEdits = {ui->lineEditSbas_1, ui->lineEditSbas_2, ui->lineEditSbas_3,
                          ui->lineEditSbas_4, ui->lineEditSbas_5, ui->lineEditSbas_6};
    // A satellite number travels as one byte.
    QRegExpValidator *byteDigits = newByteValidator();
    for (QLineEdit *edit : qAsConst(sbasSatelliteEdits))
        edit->setValidator(byteDigits);
}

ConstellationControlWidget1::~ConstellationControlWidget1()
{
    delete ui;
}

void ConstellationControlWidget1::setController(Controller *newController)
{
    moveConfiguratorConnections(newController, connections);
}

void ConstellationControlWidget1::readSettings()
{
    if (!controller)
        return;
    BinaryConfigurator *engine = configurator();
    engine->requestPrimFrq();
    engine->requestSecondFrq();
    engine->requestSbasSatellites();
}

void ConstellationControlWidget1::writeSettings()
{
    if (!controller)
        return;
    takeFrequencies(primaryFrequencyBoxes, primaryFrequenciesReceived, primaryFrequencies);
    takeFrequencies(secondaryFrequencyBoxes, secondaryFrequenciesReceived, secondaryFrequencies);
    takeSbasSatellites();
    if (refuseTyped())
        return;

    // A list goes out whole, so it goes out only when every entry is known: an unknown
    // one would reach the receiver as 0xFF.
    BinaryConfigurator *engine = configurator();
    if (primaryFrequencies != primaryFrequenciesReceived && holdsNo(primaryFrequencies, unsetValue)) {
        engine->setPrimFrq(toWire(primaryFrequencies));
        primaryFrequenciesReceived = primaryFrequencies;
    }
    if (secondaryFrequencies != secondaryFrequenciesReceived && holdsNo(secondaryFrequencies, unsetValue)) {
        engine->setSecondFrq(toWire(secondaryFrequencies));
        secondaryFrequenciesReceived = secondaryFrequencies;
    }
    if (sbasSatellites != sbasSatellitesReceived && holdsNo(sbasSatellites, unsetSatellite)) {
        engine->setSbasSatellites(sbasSatellites);
        sbasSatellitesReceived = sbasSatellites;
    }
}

void ConstellationControlWidget1::requestError(QPair<MsgType, unsigned char> request)
{
    if (!isOwnRequest(request, MsgSignalPlan))
        return;
    BinaryConfigurator *engine = configurator();
    switch (request.second) {
    case primFrqGetter:
        clearFrequencies(primaryFrequencyBoxes, primaryFrequenciesReceived, primaryFrequencies);
        break;
    case secondFrqGetter:
        clearFrequencies(secondaryFrequencyBoxes, secondaryFrequenciesReceived, secondaryFrequencies);
        break;
    case sbasSatellitesGetter:
        clearSbasSatellites();
        break;
    case primFrqGetter + setterOffset: engine->requestPrimFrq(); break;
    case secondFrqGetter + setterOffset: engine->requestSecondFrq(); break;
    case sbasSatellitesGetter + setterOffset: engine->requestSbasSatellites(); break;
    default:
        break;
    }
}

void ConstellationControlWidget1::primFrqChanged(QVector<BinaryConfigurator::Frequency> frequencies)
{
    showFrequencies(primaryFrequencyBoxes, frequencies, primaryFrequenciesReceived, primaryFrequencies);
}

void ConstellationControlWidget1::secondFrqChanged(QVector<BinaryConfigurator::Frequency> frequencies)
{
    showFrequencies(secondaryFrequencyBoxes, frequencies, secondaryFrequenciesReceived, secondaryFrequencies);
}

void ConstellationControlWidget1::sbasSatellitesChanged(QVector<uint8_t> satellites)
{
    for (int i = 0; i < sbasSlotCount; ++i) {
        const uint8_t satellite = i < satellites.size() ? satellites.at(i) : unsetSatellite;
        sbasSatellitesReceived[i] = sbasSatellites[i] = satellite;
        sbasSatelliteEdits.at(i)->setText(QString::number(satellite, 10));
    }
}

void ConstellationControlWidget1::fillFrequencyBoxes()
{
    const int off = BinaryConfigurator::FrequencyOff;
    const int band1 = BinaryConfigurator::FrequencyBand1;
    const int band2 = BinaryConfigurator::FrequencyBand2;
    fill(ui->comBoxGpsPrimFrq, {{QT_TR_NOOP("OFF"), off}, {QT_TR_NOOP("L1"), band1}});
    fill(ui->comBoxGloPrimFrq, {{QT_TR_NOOP("OFF"), off}, {QT_TR_NOOP("L1"), band1}});
    fill(ui->comBoxBdoPrimFrq, {{QT_TR_NOOP("OFF"), off}, {QT_TR_NOOP("B1"), band1}});
    fill(ui->comBoxGalPrimFrq, {{QT_TR_NOOP("OFF"), off}, {QT_TR_NOOP("E1"), band1}});
    fill(ui->comBoxNavicPrimFrq, {{QT_TR_NOOP("OFF"), off}, {QT_TR_NOOP("L5"), band1}});
    fill(ui->comBoxSbasPrimFrq, {{QT_TR_NOOP("OFF"), off}, {QT_TR_NOOP("L1"), band1}});
    fill(ui->comBoxGpsSecondFrq, {{QT_TR_NOOP("OFF"), off}, {QT_TR_NOOP("L2"), band1}, {QT_TR_NOOP("L5"), band2}});
    fill(ui->comBoxGloSecondFrq, {{QT_TR_NOOP("OFF"), off}, {QT_TR_NOOP("L2"), band1}});
    fill(ui->comBoxBdoSecondFrq, {{QT_TR_NOOP("OFF"), off}, {QT_TR_NOOP("B2"), band1}});
    fill(ui->comBoxGalSecondFrq, {{QT_TR_NOOP("OFF"), off}, {QT_TR_NOOP("E5b"), band1}, {QT_TR_NOOP("E5a"), band2}});
    fill(ui->comBoxNavicSecondFrq, {{QT_TR_NOOP("OFF"), off}, {QT_TR_NOOP("S"), band1}});
    fill(ui->comBoxSbasSecondFrq, {{QT_TR_NOOP("OFF"), off}, {QT_TR_NOOP("L5"), band1}});
    // The receiver does not track SBAS on L5 yet: the item is shown but cannot be
    // chosen (zero flags under the model's flags role).
    ui->comBoxSbasSecondFrq->setItemData(1, 0, Qt::UserRole - 1);
}

void ConstellationControlWidget1::showFrequencies(const QList<QComboBox *> &boxes,
                                                  const QVector<BinaryConfigurator::Frequency> &received,
                                                  Frequencies &receivedValues, Frequencies &values)
{
    for (int i = 0; i < systemCount; ++i) {
        const int frequency = i < received.size() ? int(received.at(i)) : unsetValue;
        receivedValues[i] = values[i] = frequency;
        QComboBox *box = boxes.at(i);
        box->setCurrentIndex(box->findData(frequency, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}

void ConstellationControlWidget1::clearFrequencies(const QList<QComboBox *> &boxes, Frequencies &receivedValues,
                                                   Frequencies &values)
{
    for (QComboBox *box : boxes)
        clearComboBox(box);
    receivedValues.fill(unsetValue);
    values.fill(unsetValue);
}

void ConstellationControlWidget1::clearSbasSatellites()
{
    for (QLineEdit *edit : qAsConst(sbasSatelliteEdits))
        clearLineEdit(edit);
    sbasSatellitesReceived.fill(unsetSatellite);
    sbasSatellites.fill(unsetSatellite);
}

void ConstellationControlWidget1::takeFrequencies(const QList<QComboBox *> &boxes, const Frequencies &receivedValues,
                                                  Frequencies &values)
{
    for (int i = 0; i < systemCount; ++i) {
        exchangeComboBoxData(values[i], boxes.at(i), unsetValue);
        // A box shows nothing when the receiver named a band it has no item for; that
        // band stays as the receiver has it.
        if (isUnset(values[i]))
            values[i] = receivedValues.at(i);
    }
}

void ConstellationControlWidget1::takeSbasSatellites()
{
    for (int i = 0; i < sbasSlotCount; ++i) {
        QLineEdit *edit = sbasSatelliteEdits.at(i);
        // An empty slot that was never known stays unknown; one the user emptied is 0,
        // no satellite.
        const QString text = edit->text();
        if (isEmptyText(text)) {
            TypedNumber::unmark(edit);
            if (sbasSatellites.at(i) != unsetSatellite)
                sbasSatellites[i] = 0;
            continue;
        }
        int number = 0;
        if (!takeTyped(number, edit, text, byteRule()))
            continue;
        if (!isSbasSatellite(number)) {
            refuseField(edit, tr("%1 is not an SBAS satellite (0, or 120 to 156)").arg(number));
            continue;
        }
        sbasSatellites[i] = uint8_t(number);
    }
}

QVector<BinaryConfigurator::Frequency> ConstellationControlWidget1::toWire(const Frequencies &values)
{
    QVector<BinaryConfigurator::Frequency> frequencies;
    frequencies.reserve(values.size());
    for (int value : values)
        frequencies.append(BinaryConfigurator::Frequency(quint8(value)));
    return frequencies;
}
