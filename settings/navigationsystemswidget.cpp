#include "navigationsystemswidget.h"
#include "ui_navigationsystemswidget.h"

#include <QCheckBox>
#include <QLineEdit>

#include "controller.h"

namespace {

const PageConnectionTable connections = {
    {SIGNAL(activeGnssChanged(QVector<bool>)), SLOT(activeGnssChanged(QVector<bool>))},
    {SIGNAL(sbasMaskChanged(QVector<bool>)), SLOT(sbasMaskChanged(QVector<bool>))},
    {SIGNAL(requestError(QPair<MsgType, unsigned char>)), SLOT(requestError(QPair<MsgType, unsigned char>))},
    {SIGNAL(sbasSatellitesChanged(QVector<uint8_t>)), SLOT(sbasSatellitesChanged(QVector<uint8_t>))},
};

const unsigned char activeGnssGetter = 0x20;
const unsigned char sbasMaskGetter = 0x21;
const unsigned char activeGnssSetter = activeGnssGetter + 0x80;
const unsigned char sbasMaskSetter = sbasMaskGetter + 0x80;

} // namespace

NavigationSystemsWidget::NavigationSystemsWidget(QWidget *parent)
    : AbstractConfigurationWidget(parent)
    , ui(new Ui::NavigationSystemsWidget)
{
    ui->setupUi(placeholder());
    // The mask's bit order, not the order of the boxes on the form.
    gnssBoxes = {
        {ui->chBoxGps, 1}, {ui->chBoxGlonass, 2}, {ui->chBoxBeiDou, 3}, {ui->chBoxGalileo, 4}, {ui->chBoxIrnss, 5},
    };
    sbasBoxes = {
        {ui->chBoxSbas_1, 1}, {ui->chBoxSbas_2, 2}, {ui->chBoxSbas_3, 3},
        {ui->chBoxSbas_4, 4}, {ui->chBoxSbas_5, 5}, {ui->chBoxSbas_6, 6},
    };
    clearGnssMask();
    clearSbasMask();
    sbasNumberEdits = {ui->lineEditSbasNumber_1, ui->lineEditSbasNumber_2, ui->lineEditSbasNumber_3,
                       ui->lineEditSbasNumber_4, ui->lineEditSbasNumber_5, ui->lineEditSbasNumber_6};
}

NavigationSystemsWidget::~NavigationSystemsWidget()
{
    delete ui;
}

void NavigationSystemsWidget::setController(Controller *newController)
{
    moveConfiguratorConnections(newController, connections);
}

void NavigationSystemsWidget::readSettings()
{
    if (!controller)
        return;
    // The satellite numbers stay until the new reply replaces them.
    clearGnssMask();
    clearSbasMask();
    configurator()->requestActiveGnss();
    configurator()->requestSbasMask();
    configurator()->requestSbasSatellites();
}

void NavigationSystemsWidget::writeSettings()
{
    if (!controller)
        return;
    currentGnss = checkedIdentifiers(gnssBoxes);
    currentSbas = checkedIdentifiers(sbasBoxes);
    // A mask never read has no true bits to send: its unchecked boxes would switch
    // the systems or channels off.
    QStringList notSent;
    if (differs(receivedGnss, currentGnss) && !gnssKnown) {
        notSent.append(ui->grBoxGnssMask->title());
    } else if (differs(receivedGnss, currentGnss)) {
        configurator()->setActiveGnss(checkedFlags(gnssBoxes));
        receivedGnss = currentGnss;
    }
    if (differs(receivedSbas, currentSbas) && !sbasKnown) {
        notSent.append(ui->grBoxSbasMask->title());
    } else if (differs(receivedSbas, currentSbas)) {
        configurator()->setSbasMask(checkedFlags(sbasBoxes));
        receivedSbas = currentSbas;
    }
    readSettings();
    reportNotSent(notSent);
}

void NavigationSystemsWidget::activeGnssChanged(QVector<bool> systems)
{
    receivedGnss = currentGnss = identifiersOf(systems, gnssBoxes);
    gnssKnown = true;
    check(gnssBoxes, receivedGnss);
}

void NavigationSystemsWidget::sbasMaskChanged(QVector<bool> mask)
{
    receivedSbas = currentSbas = identifiersOf(mask, sbasBoxes);
    sbasKnown = true;
    check(sbasBoxes, receivedSbas);
}

void NavigationSystemsWidget::sbasSatellitesChanged(QVector<uint8_t> satellites)
{
    const int count = qMin(satellites.size(), sbasNumberEdits.size());
    for (int k = 0; k < count; ++k)
        sbasNumberEdits.at(k)->setText(QString::number(satellites.at(k), 10));
}

void NavigationSystemsWidget::requestError(QPair<MsgType, unsigned char> request)
{
    // The satellite numbers (group 12) keep what they showed.
    if (!isOwnRequest(request))
        return;
    switch (request.second) {
    case activeGnssGetter:
        clearGnssMask();
        break;
    case sbasMaskGetter:
        clearSbasMask();
        break;
    case activeGnssSetter:
        configurator()->requestActiveGnss();
        break;
    case sbasMaskSetter:
        configurator()->requestSbasMask();
        break;
    default:
        break;
    }
}

void NavigationSystemsWidget::clearGnssMask()
{
    for (const auto &box : qAsConst(gnssBoxes))
        uncheckButton(box.first);
    currentGnss.clear();
    receivedGnss.clear();
    gnssKnown = false;
}

void NavigationSystemsWidget::clearSbasMask()
{
    for (const auto &box : qAsConst(sbasBoxes))
        uncheckButton(box.first);
    currentSbas.clear();
    receivedSbas.clear();
    sbasKnown = false;
}

QVector<int> NavigationSystemsWidget::identifiersOf(const QVector<bool> &flags, const BoxList &boxes)
{
    QVector<int> identifiers;
    const int count = qMin(flags.size(), boxes.size());
    for (int i = 0; i < count; ++i) {
        if (flags.at(i))
            identifiers.append(boxes.at(i).second);
    }
    return identifiers;
}

QVector<int> NavigationSystemsWidget::checkedIdentifiers(const BoxList &boxes)
{
    QVector<int> identifiers;
    for (const auto &box : boxes) {
        if (box.first->isChecked())
            identifiers.append(box.second);
    }
    return identifiers;
}

QVector<bool> NavigationSystemsWidget::checkedFlags(const BoxList &boxes)
{
    QVector<bool> flags;
    for (const auto &box : boxes)
        flags.append(box.first->isChecked());
    return flags;
}

bool NavigationSystemsWidget::differs(const QVector<int> &received, const QVector<int> &current)
{
    if (received.size() != current.size())
        return true;
    for (int identifier : received) {
        if (!current.contains(identifier))
            return true;
    }
    return false;
}

void NavigationSystemsWidget::check(const BoxList &boxes, const QVector<int> &identifiers)
{
    for (const auto &box : boxes) {
        if (identifiers.contains(box.second))
            box.first->setChecked(true);
    }
}
