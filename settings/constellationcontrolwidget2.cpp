#include "constellationcontrolwidget2.h"
#include "ui_constellationcontrolwidget2.h"

#include "controller.h"

namespace {

const PageConnectionTable connections = {
    {SIGNAL(requestError(QPair<MsgType, unsigned char>)), SLOT(requestError(QPair<MsgType, unsigned char>))},
    {SIGNAL(lCodesChanged(QVector<uint16_t>)), SLOT(lCodesChanged(QVector<uint16_t>))},
    {SIGNAL(sCodesChanged(QVector<uint16_t>)), SLOT(sCodesChanged(QVector<uint16_t>))},
};

const unsigned char lCodesGetter = 0x03;
const unsigned char sCodesGetter = 0x04;
const unsigned char setterOffset = 0x80;

const int satelliteCount = 14;
// The unset value -1 in the codes' 16 bits.
const uint16_t unsetCode = 0xFFFF;

} // namespace

ConstellationControlWidget2::ConstellationControlWidget2(QWidget *parent)
    : AbstractConfigurationWidget(parent)
    , ui(new Ui::ConstellationControlWidget2)
    // Until the first reply or failed getter every code is unknown; Save before then
    // compares unknown with unknown and sends nothing.
    , lCodesReceived(satelliteCount, unsetCode)
    , lCodes(satelliteCount, unsetCode)
    , sCodesReceived(satelliteCount, unsetCode)
    , sCodes(satelliteCount, unsetCode)
{
    ui->setupUi(placeholder());
    lCodeEdits = {ui->lineEditSat_1_L,  ui->lineEditSat_2_L,  ui->lineEditSat_3_L,  ui->lineEditSat_4_L,
                  ui->lineEditSat_5_L,  ui->lineEditSat_6_L,  ui->lineEditSat_7_L,  ui->lineEditSat_8_L,
                  ui->lineEditSat_9_L,  ui->lineEditSat_10_L, ui->lineEditSat_11_L, ui->lineEditSat_12_L,
                  ui->lineEditSat_13_L, ui->lineEditSat_14_L};
    sCodeEdits = {ui->lineEditSat_1_S,  ui->lineEditSat_2_S,  ui->lineEditSat_3_S,  ui->lineEditSat_4_S,
                  ui->lineEditSat_5_S,  ui->lineEditSat_6_S,  ui->lineEditSat_7_S,  ui->lineEditSat_8_S,
                  ui->lineEditSat_9_S,  ui->lineEditSat_10_S, ui->lineEditSat_11_S, ui->lineEditSat_12_S,
                  ui->lineEditSat_13_S, ui->lineEditSat_14_S};
}

ConstellationControlWidget2::~ConstellationControlWidget2()
{
    delete ui;
}

void ConstellationControlWidget2::setController(Controller *newController)
{
    moveConfiguratorConnections(newController, connections);
}

void ConstellationControlWidget2::readSettings()
{
    if (!controller)
        return;
    configurator()->requestLCodes();
    configurator()->requestSCodes();
}

void ConstellationControlWidget2::writeSettings()
{
    if (!controller)
        return;
    takeCodes(lCodeEdits, lCodes);
    takeCodes(sCodeEdits, sCodes);
    if (refuseTyped())
        return;
    if (isSendable(lCodes, lCodesReceived)) {
        configurator()->setLCodes(lCodes);
        lCodesReceived = lCodes;
    }
    if (isSendable(sCodes, sCodesReceived)) {
        configurator()->setSCodes(sCodes);
        sCodesReceived = sCodes;
    }
}

void ConstellationControlWidget2::requestError(QPair<MsgType, unsigned char> request)
{
    if (!isOwnRequest(request, MsgSignalPlan))
        return;
    switch (request.second) {
    case lCodesGetter: clearCodes(lCodeEdits, lCodesReceived, lCodes); break;
    case sCodesGetter: clearCodes(sCodeEdits, sCodesReceived, sCodes); break;
    case lCodesGetter + setterOffset: configurator()->requestLCodes(); break;
    case sCodesGetter + setterOffset: configurator()->requestSCodes(); break;
    default:
        break;
    }
}

void ConstellationControlWidget2::lCodesChanged(QVector<uint16_t> codes)
{
    showCodes(lCodeEdits, codes, lCodesReceived, lCodes);
}

void ConstellationControlWidget2::sCodesChanged(QVector<uint16_t> codes)
{
    showCodes(sCodeEdits, codes, sCodesReceived, sCodes);
}

void ConstellationControlWidget2::showCodes(const QList<QLineEdit *> &edits, const QVector<uint16_t> &received,
                                            QVector<uint16_t> &receivedCodes, QVector<uint16_t> &codes)
{
    for (int i = 0; i < satelliteCount; ++i) {
        const uint16_t code = i < received.size() ? received.at(i) : unsetCode;
        receivedCodes[i] = codes[i] = code;
        edits.at(i)->setText(PageValue::textOf(quint16(code)));
    }
}

void ConstellationControlWidget2::clearCodes(const QList<QLineEdit *> &edits, QVector<uint16_t> &receivedCodes,
                                             QVector<uint16_t> &codes)
{
    for (QLineEdit *edit : edits)
        clearLineEdit(edit);
    receivedCodes.fill(unsetCode);
    codes.fill(unsetCode);
}

void ConstellationControlWidget2::takeCodes(const QList<QLineEdit *> &edits, QVector<uint16_t> &codes)
{
    for (int i = 0; i < satelliteCount; ++i) {
        quint16 code = codes.at(i);
        // ffff is no code: it marks one the receiver did not give.
        exchangeLineEditValue(code, edits.at(i), unsetValue, TypedNumber::hexadecimal(0xFFFE));
        codes[i] = code;
    }
}

bool ConstellationControlWidget2::isSendable(const QVector<uint16_t> &codes,
                                             const QVector<uint16_t> &receivedCodes) const
{
    // A band goes out whole, so only when all 14 codes are known: an unknown one would
    // reach the receiver as ffff.
    return codes != receivedCodes && !codes.contains(unsetCode);
}
