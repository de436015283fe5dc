#include "rk2290settingswidget.h"

#include <QCloseEvent>
#include <QPalette>
#include <QShowEvent>

#include <limits>

#include "controller.h"
#include "fieldwidth.h"
#include "tooldialogs.h"
#include "typednumber.h"
#include "ui_rk2290settingswidget.h"
#include "windowfit.h"

namespace {

// Registers the window knows.
const quint32 RegTbiRef1 = 12;
const quint32 RegTbiRef2 = 13;
const quint32 RegTbiRef3 = 14;
const quint32 RegAkConfig1 = 29;
const quint32 RegFrqBand1 = 36;
const quint32 RegFrqBand4 = 39;
const quint32 RegControl = 55;
const quint32 RegAgcGain = 56;
const quint32 RegIfaGain1 = 57;
const quint32 RegIfaGain2 = 58;
const quint32 RegTrimAdc = 60;

const quint32 KnownRegisters[] = {12, 13, 14, 29, 36, 37, 38, 39, 55, 56, 57, 58, 60};

// Register 55: control word in bits 16-31, status word in bits 0-15.
const quint32 RfAgcOnBit = 1u << 17;
const quint32 TrimAdcStartBit = 1u << 20;
const quint32 RestartBit = 1u << 21;
// Register 29: the AK host mode in bits 30-31.
const int AkHostModeShift = 30;
const quint32 AkHostModeKeep = 0x3FFFFFFFu;

// Register numbers are one byte on the wire.
const quint32 MaxRegister = 255;

QString halfWord(quint32 value)
{
    return QStringLiteral("0x") + QString::number(value & 0xFFFF, 16);
}

} // namespace

RK2290SettingsWidget::RK2290SettingsWidget(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , ui(new Ui_RK2290SettingsWidget)
{
    ui->setupUi(this);
    // A register's value is up to eight hexadecimal digits, an address or a gain three
    // decimal ones, shown whole.
    reserveWidthFor(ui->editValue, {QStringLiteral("ffffffff")});
    reserveWidthFor(ui->editAddress, {QStringLiteral("255")});
    reserveWidthFor(ui->editRfAgcValue, {QStringLiteral("255")});
    growToContents(this);
    fitIntoScreen(this);
    initView();
    connect(ui->radBtnRK2290N0, SIGNAL(toggled(bool)), this, SLOT(initView()));
    connect(ui->radBtnRK2290N1, SIGNAL(toggled(bool)), this, SLOT(initView()));
}

RK2290SettingsWidget::~RK2290SettingsWidget()
{
    delete ui;
}

void RK2290SettingsWidget::setController(Controller *controller)
{
    connectEngine(false);
    // Reads sent through the old engine are never answered through the new one.
    pendingReadsN0.clear();
    pendingReadsN1.clear();
    this->controller = controller;
    engine = controller ? controller->binaryConfigurator() : nullptr;
    if (!closed)
        connectEngine(true);
}

void RK2290SettingsWidget::closeEvent(QCloseEvent *event)
{
    // The closed window stays alive as a child of the workspace, and the next Shift+S
    // opens a new one: this one must not take the replies to the new window's reads.
    closed = true;
    connectEngine(false);
    pendingReadsN0.clear();
    pendingReadsN1.clear();
    QWidget::closeEvent(event);
}

void RK2290SettingsWidget::showEvent(QShowEvent *event)
{
    if (closed) {
        closed = false;
        connectEngine(true);
    }
    QWidget::showEvent(event);
}

void RK2290SettingsWidget::connectEngine(bool connected)
{
    if (!engine)
        return;
    if (connected) {
        connect(engine, SIGNAL(rk2290N0RegChanged(unsigned int)), this, SLOT(rk2290N0RegChanged(unsigned int)),
                Qt::UniqueConnection);
        connect(engine, SIGNAL(rk2290N1RegChanged(unsigned int)), this, SLOT(rk2290N1RegChanged(unsigned int)),
                Qt::UniqueConnection);
        connect(engine, SIGNAL(requestError(QPair<MsgType, unsigned char>)),
                this, SLOT(requestEnded(QPair<MsgType, unsigned char>)), Qt::UniqueConnection);
        connect(engine, SIGNAL(requestCompleted(QPair<MsgType, unsigned char>)),
                this, SLOT(requestEnded(QPair<MsgType, unsigned char>)), Qt::UniqueConnection);
    } else {
        disconnect(engine, nullptr, this, nullptr);
    }
}

void RK2290SettingsWidget::rk2290N0RegChanged(unsigned int value)
{
    registerReply(ChipN0, value);
}

void RK2290SettingsWidget::rk2290N1RegChanged(unsigned int value)
{
    registerReply(ChipN1, value);
}

void RK2290SettingsWidget::requestEnded(QPair<MsgType, unsigned char> request)
{
    if (request.first != MsgRfChipRegisters || (request.second != ChipN0 && request.second != ChipN1))
        return;
    // The read is over without a value: its entry, and whatever waited for it, go.
    PendingRead ended;
    takeAnswered(Chip(request.second), &ended);
}

void RK2290SettingsWidget::initView()
{
    ui->editRfAgcValue->setText(QStringLiteral("6"));
    ui->editAddress->setText(QStringLiteral("0"));
    ui->editValue->clear();
    for (QLineEdit *field : {ui->editFrqBand1, ui->editFrqBand2, ui->editFrqBand3, ui->editFrqBand4,
                             ui->editTbiRefBand1, ui->editTbiRefBand2, ui->editTbiRefBand3, ui->editTbiRefBand4,
                             ui->editTbiRefCx, ui->editTrimADC,
                             ui->editIfa01, ui->editIfa02, ui->editIfa03, ui->editIfa04,
                             ui->editIfa11, ui->editIfa12, ui->editIfa13, ui->editIfa14,
                             ui->editAgc01, ui->editAgc02, ui->editAgc03, ui->editAgc04,
                             ui->editAgc11, ui->editAgc12, ui->editAgc13, ui->editAgc14,
                             ui->editControl, ui->editStatus})
        field->clear();
    ui->cBoxAkHostMode->clear();
    ui->cBoxAkHostMode->addItem(tr("AK_host_mode 0"), QVariant());
    ui->cBoxAkHostMode->addItem(tr("AK_host_mode 1"), QVariant());
    ui->cBoxAkHostMode->addItem(tr("AK_host_mode 2"), QVariant());
    ui->cBoxAkHostMode->addItem(tr("AK_host_mode 3"), QVariant());
    ui->cBoxAkHostMode->setCurrentIndex(0);
    ui->btnRfAgcOn->hide();
    ui->btnRfAgcOff->show();
}

void RK2290SettingsWidget::on_btnReadRegister_clicked()
{
    // A number that is not a register (not decimal, or past one byte) reads nothing:
    // its low byte would name a register the user did not ask for.
    QStringList refusals;
    qint64 address = 0;
    if (!TypedNumber::whole(0, MaxRegister).take(ui->editAddress, ui->editAddress->text(), address, refusals))
        return showRefusals(refusals);
    readRegister(quint32(address), true);
}

void RK2290SettingsWidget::on_btnRead_clicked()
{
    for (quint32 address : KnownRegisters)
        readRegister(address, false);
}

void RK2290SettingsWidget::on_btnRfAgcOn_clicked()
{
    PendingActions actions;
    actions.rfAgcChangePending = true;
    actions.rfAgcSwitchOn = true;
    readRegister(RegControl, false, actions);
}

void RK2290SettingsWidget::on_btnRfAgcOff_clicked()
{
    PendingActions actions;
    actions.rfAgcChangePending = true;
    actions.rfAgcSwitchOn = false;
    readRegister(RegControl, false, actions);
}

void RK2290SettingsWidget::on_btnTrimAdc_clicked()
{
    PendingActions actions;
    actions.trimAdcPending = true;
    readRegister(RegControl, false, actions);
}

void RK2290SettingsWidget::on_btnAkHostModeWrite_clicked()
{
    PendingActions actions;
    actions.akHostModePending = true;
    actions.akHostMode = ui->cBoxAkHostMode->currentIndex();
    readRegister(RegAkConfig1, false, actions);
}

void RK2290SettingsWidget::on_btnWriteRegister_clicked()
{
    // Only a register the user named gets only the value the user typed.
    QStringList refusals;
    qint64 address = 0;
    qint64 value = 0;
    TypedNumber::whole(0, MaxRegister).take(ui->editAddress, ui->editAddress->text(), address, refusals);
    TypedNumber::hexadecimal(0xFFFFFFFF).take(ui->editValue, ui->editValue->text(), value, refusals);
    if (!refusals.isEmpty())
        return showRefusals(refusals);
    writeRegister(quint32(address), quint32(value));
}

void RK2290SettingsWidget::on_btnWriteRfAgc_clicked()
{
    // The gain text is the whole register value, signed: -1 writes 0xFFFFFFFF. A text
    // that is no number writes nothing rather than zero.
    QStringList refusals;
    qint64 value = 0;
    if (!TypedNumber::whole(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max())
             .take(ui->editRfAgcValue, ui->editRfAgcValue->text(), value, refusals))
        return showRefusals(refusals);
    writeRegister(RegAgcGain, quint32(qint32(value)));
}

void RK2290SettingsWidget::on_btnRestart_clicked()
{
    if (confirmRestart())
        writeRegister(RegControl, RestartBit);
}

void RK2290SettingsWidget::readRegister(quint32 address, bool show)
{
    readRegister(address, show, PendingActions());
}

void RK2290SettingsWidget::readRegister(quint32 address, bool show, const PendingActions &actions)
{
    if (!controller)
        return;
    PendingRead read;
    read.address = address;
    read.show = show;
    read.actions = actions;
    BinaryConfigurator *configurator = controller->binaryConfigurator();
    if (ui->radBtnRK2290N0->isChecked()) {
        pendingReadsN0.append(read);
        configurator->requestRk2290N0Reg(quint8(address & 0xFF));
    }
    if (ui->radBtnRK2290N1->isChecked()) {
        pendingReadsN1.append(read);
        configurator->requestRk2290N1Reg(quint8(address & 0xFF));
    }
}

void RK2290SettingsWidget::writeRegister(quint32 address, quint32 value)
{
    if (!controller)
        return;
    BinaryConfigurator *configurator = controller->binaryConfigurator();
    if (ui->radBtnRK2290N0->isChecked())
        configurator->setRk2290N0Reg(quint8(address & 0xFF), value);
    if (ui->radBtnRK2290N1->isChecked())
        configurator->setRk2290N1Reg(quint8(address & 0xFF), value);
}

bool RK2290SettingsWidget::takeAnswered(Chip chip, PendingRead *answered)
{
    // The engine takes a request off its queue before it tells how it ended, so the
    // reads of this chip still queued are the ones not yet answered. Ours are the
    // newest of them (a window closed before this one may have left older ones): when
    // no more of ours wait than the engine holds, the answer was to someone else's.
    // Otherwise the newest of ours that left the queue is the one answered; any before
    // it ended without a word (a status the engine does not know) and go too.
    PendingReads &reads = pendingReads(chip);
    const int stillQueued = engine ? engine->queuedRequests(MsgRfChipRegisters, quint8(chip)) : 0;
    if (reads.size() <= stillQueued)
        return false;
    while (reads.size() > stillQueued)
        *answered = reads.takeFirst();
    return true;
}

RK2290SettingsWidget::PendingActions RK2290SettingsWidget::collectActions(Chip chip, const PendingRead &answered)
{
    // A pending action runs at the first reply of its register, even when that reply
    // answers an earlier read: then every action waiting on the register works on one
    // value, and a later, older value cannot undo what the first one wrote.
    PendingActions actions = answered.actions;
    for (PendingRead &read : pendingReads(chip)) {
        if (read.address != answered.address)
            continue;
        const PendingActions &later = read.actions;
        if (later.rfAgcChangePending) {
            actions.rfAgcChangePending = true;
            actions.rfAgcSwitchOn = later.rfAgcSwitchOn;
        }
        if (later.trimAdcPending)
            actions.trimAdcPending = true;
        if (later.akHostModePending) {
            actions.akHostModePending = true;
            actions.akHostMode = later.akHostMode;
        }
        read.actions = PendingActions();
    }
    return actions;
}

void RK2290SettingsWidget::registerReply(Chip chip, quint32 value)
{
    PendingRead answered;
    if (!takeAnswered(chip, &answered))
        return;
    // A reply of the chip no longer selected is consumed and shown nowhere; what waited
    // for it is dropped with it.
    if (!chipButton(chip)->isChecked())
        return;
    if (answered.show) {
        ui->editAddress->setText(QString::number(answered.address));
        ui->editValue->setText(QString::number(value, 16));
    }
    decodeRegister(answered.address, value, collectActions(chip, answered));
}

void RK2290SettingsWidget::decodeRegister(quint32 address, quint32 value, const PendingActions &actions)
{
    switch (address) {
    case RegTbiRef1:
        ui->editTbiRefBand1->setText(halfWord(value));
        ui->editTbiRefBand2->setText(halfWord(value >> 16));
        break;
    case RegTbiRef2:
        ui->editTbiRefBand3->setText(halfWord(value));
        ui->editTbiRefBand4->setText(halfWord(value >> 16));
        break;
    case RegTbiRef3:
        ui->editTbiRefCx->setText(halfWord(value));
        break;
    case RegAkConfig1:
        if (actions.akHostModePending)
            writeRegister(RegAkConfig1, (value & AkHostModeKeep) | (quint32(actions.akHostMode & 3) << AkHostModeShift));
        else
            ui->cBoxAkHostMode->setCurrentIndex(int(value >> AkHostModeShift));
        break;
    case RegControl:
        decodeControlRegister(value, actions);
        break;
    case RegAgcGain: {
        QLineEdit *const fields[] = {ui->editAgc01, ui->editAgc02, ui->editAgc03, ui->editAgc04,
                                     ui->editAgc11, ui->editAgc12, ui->editAgc13, ui->editAgc14};
        for (int i = 0; i < 8; ++i)
            fields[i]->setText(QString::number((value >> (4 * i)) & 0xF));
        break;
    }
    case RegIfaGain1:
    case RegIfaGain2: {
        QLineEdit *const bank1[] = {ui->editIfa01, ui->editIfa02, ui->editIfa03, ui->editIfa04};
        QLineEdit *const bank2[] = {ui->editIfa11, ui->editIfa12, ui->editIfa13, ui->editIfa14};
        QLineEdit *const *fields = address == RegIfaGain1 ? bank1 : bank2;
        for (int i = 0; i < 4; ++i)
            fields[i]->setText(QString::number((value >> (8 * i)) & 0x1F));
        break;
    }
    case RegTrimAdc:
        ui->editTrimADC->setText(QStringLiteral("0x%1 0x%2")
                                     .arg(value & 0xFF, 2, 16, QLatin1Char('0'))
                                     .arg((value >> 8) & 0xFF, 2, 16, QLatin1Char('0')));
        break;
    default:
        if (address >= RegFrqBand1 && address <= RegFrqBand4) {
            QLineEdit *const fields[] = {ui->editFrqBand1, ui->editFrqBand2, ui->editFrqBand3, ui->editFrqBand4};
            fields[address - RegFrqBand1]->setText(frqBandText(qint32(value)));
        }
        break;
    }
}

void RK2290SettingsWidget::decodeControlRegister(quint32 value, const PendingActions &actions)
{
    ui->editControl->setText(halfWord(value >> 16));
    ui->editStatus->setText(halfWord(value));

    // One of the status bits 8 to 11 alone is a fault of the chip.
    const quint32 status = value & 0xFFFF;
    const bool fault = status == 0x100 || status == 0x200 || status == 0x400 || status == 0x800;
    QPalette palette = ui->labelStatus->palette();
    palette.setColor(QPalette::WindowText, fault ? QColor(Qt::red) : QColor(Qt::black));
    ui->labelStatus->setPalette(palette);

    const bool agcOn = (value & RfAgcOnBit) != 0;
    ui->btnRfAgcOn->setVisible(!agcOn);
    ui->btnRfAgcOff->setVisible(agcOn);

    // Both actions build on one value; the trim write carries the AGC change along, so
    // the second write does not undo the first. The register is read back after both.
    quint32 next = value;
    if (actions.rfAgcChangePending) {
        next = actions.rfAgcSwitchOn ? (value | RfAgcOnBit) : (value & ~RfAgcOnBit);
        writeRegister(RegControl, next);
    }
    if (actions.trimAdcPending && (next & TrimAdcStartBit) == 0)
        writeRegister(RegControl, next | TrimAdcStartBit);
    if (actions.rfAgcChangePending)
        readRegister(RegControl, false);
}

QString RK2290SettingsWidget::frqBandText(qint32 value) const
{
    return QString::number(double(value) / 4294967296.0 * 53.0, 'f', 6);
}

bool RK2290SettingsWidget::confirmRestart()
{
    return ToolDialogs::message(nullptr, QMessageBox::Question, QStringLiteral("Restart confirmation"),
                                tr("Are you sure you want to restart?"), QMessageBox::Yes | QMessageBox::Cancel,
                                QMessageBox::Yes, {{QMessageBox::Yes, tr("Yes")}, {QMessageBox::Cancel, tr("Cancel")}})
        == QMessageBox::Yes;
}

void RK2290SettingsWidget::showRefusals(const QStringList &refusals)
{
    ToolDialogs::message(this, QMessageBox::Critical, tr("RF registers"),
                         tr("Nothing was sent: correct the marked fields.\n%1").arg(refusals.join(QLatin1Char('\n'))),
                         QMessageBox::Ok);
}

QRadioButton *RK2290SettingsWidget::chipButton(Chip chip) const
{
    return chip == ChipN0 ? ui->radBtnRK2290N0 : ui->radBtnRK2290N1;
}

RK2290SettingsWidget::PendingReads &RK2290SettingsWidget::pendingReads(Chip chip)
{
    return chip == ChipN0 ? pendingReadsN0 : pendingReadsN1;
}
