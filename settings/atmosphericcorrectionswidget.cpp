#include "atmosphericcorrectionswidget.h"
#include "ui_atmosphericcorrectionswidget.h"

#include <QCheckBox>

#include "controller.h"

namespace {

const PageConnectionTable connections = {
    {SIGNAL(requestError(QPair<MsgType, unsigned char>)), SLOT(requestError(QPair<MsgType, unsigned char>))},
    {SIGNAL(tropoCorrModeChanged(BinaryConfigurator::TROPO_CORR_MODE)),
     SLOT(tropoCorrModeChanged(BinaryConfigurator::TROPO_CORR_MODE))},
    {SIGNAL(ionoModelChanged(QVector<float>)), SLOT(ionoModelChanged(QVector<float>))},
    {SIGNAL(ionoCorrChanged(BinaryConfigurator::IONO_CORR_MODE, float, QVector<bool>)),
     SLOT(ionoCorrChanged(BinaryConfigurator::IONO_CORR_MODE, float, QVector<bool>))},
};

enum : unsigned char {
    ionoModelGetter = 0x2D,
    tropoCorrModeGetter = 0x2E,
    ionoCorrGetter = 0x2F,
    setterOffset = 0x80
};

const int ionoModelSize = 8;
const float unsetFloat = -1.0f;

} // namespace

AtmosphericCorrectionsWidget::AtmosphericCorrectionsWidget(QWidget *parent)
    : AbstractConfigurationWidget(parent)
    , ui(new Ui::AtmosphericCorrectionsWidget)
{
    ui->setupUi(placeholder());
    ionoThresholdEdit = ui->lineEditIonoCorrTrashold;
    // The threshold is one byte on the wire.
    ionoThresholdEdit->setValidator(newByteValidator());

    ui->comBox_TropoCorr->clear();
    const char *tropoModes[] = {
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "OFF"),
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "SBAS"),
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "SAAST")
    };
    int tropoMode = 0;
    for (const char *text : tropoModes)
        ui->comBox_TropoCorr->addItem(tr(text), tropoMode++);
    clearComboBox(ui->comBox_TropoCorr);
    ui->comBoxIonoCorrMode->clear();
    const char *ionoModes[] = {
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "OFF"),
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "USER"),
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "BDO"),
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "IRN"),
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "GPS"),
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "GAL"),
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "AUTO_GENERIC"),
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "AUTO_REGIONAL"),
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "IRN_GRID"),
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "SBAS_GRID"),
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "DUAL_FRQ"),
        QT_TRANSLATE_NOOP("AtmosphericCorrectionsWidget", "AUTO")
    };
    // Modes 1 to 10 are also the bit numbers of the exclude mask.
    int ionoMode = 0;
    for (const char *text : ionoModes)
        ui->comBoxIonoCorrMode->addItem(tr(text), ionoMode++);
    clearComboBox(ui->comBoxIonoCorrMode);

    ionoModelEdits = {ui->lineEdit_A0, ui->lineEdit_A1, ui->lineEdit_A2, ui->lineEdit_A3,
                      ui->lineEdit_B0, ui->lineEdit_B1, ui->lineEdit_B2, ui->lineEdit_B3};
    excludeMaskBoxes = {ui->chBoxExludeMask_User,          ui->chBoxExludeMask_BDO,
                        ui->chBoxExludeMask_IRN,           ui->chBoxExludeMask_GPS,
                        ui->chBoxExludeMask_GAL,           ui->chBoxExludeMask_Auto_Generic,
                        ui->chBoxExludeMask_Auto_Regional, ui->chBoxExludeMask_IRN_Grid,
                        ui->chBoxExludeMask_SBAS_Grid,     ui->chBoxExludeMask_DUAL_FRQ};
    clearTropoCorrMode();
    clearIonoModel();
    clearIonoCorr();
}

AtmosphericCorrectionsWidget::~AtmosphericCorrectionsWidget()
{
    delete ui;
}

void AtmosphericCorrectionsWidget::setController(Controller *newController)
{
    moveConfiguratorConnections(newController, connections);
}

void AtmosphericCorrectionsWidget::readSettings()
{
    if (!controller)
        return;
    // The exclude boxes stay as they are until the reply sets each one.
    clearTropoCorrMode();
    clearIonoModel();
    clearIonoCorr();
    configurator()->requestTropoCorrMode();
    configurator()->requestIonoModel();
    configurator()->requestIonoCorr();
}

void AtmosphericCorrectionsWidget::writeSettings()
{
    if (!controller)
        return;
    exchangeComboBoxData(tropoCorrMode, ui->comBox_TropoCorr, unsetValue);
    for (int i = 0; i < ionoModelSize; ++i) {
        QLineEdit *edit = ionoModelEdits.at(i);
        const QString text = edit->text();
        if (!isEmptyText(text)) {
            // The receiver's value was shown rounded to six decimals: unless the user
            // typed over it, the exact value stands, so an untouched field never goes
            // out as its rounding.
            if (text == ionoModelShown.at(i)) {
                TypedNumber::unmark(edit);
            } else if (takeTyped(ionoModel[i], edit, text, PageValue::ruleOf(float()))) {
                ionoModelKnown[i] = true;
            }
        } else if (ionoModelKnown.at(i)) {
            TypedNumber::unmark(edit);
            const QString shown = QString::number(double(ionoModel.at(i)), 'g', 6);
            edit->setText(shown);
            ionoModelShown[i] = shown;
        }
    }
    exchangeComboBoxData(ionoCorrMode, ui->comBoxIonoCorrMode, unsetValue);
    // The threshold travels as one byte.
    exchangeLineEditValue(ionoThreshold, ionoThresholdEdit, unsetFloat, byteRule());
    if (refuseTyped())
        return;
    excludeMask = checkedExcludeBoxes();

    BinaryConfigurator *engine = configurator();
    if (tropoCorrMode != tropoCorrModeReceived && !isUnset(tropoCorrMode)) {
        engine->setTropoCorrMode(tropoCorrMode);
        tropoCorrModeReceived = tropoCorrMode;
    }
    // The model goes out whole: a coefficient neither read nor typed would overwrite
    // the receiver's with the -1.0 that only marks it empty here.
    QStringList notSent;
    if (ionoModel != ionoModelReceived && ionoModelKnown.contains(false)) {
        notSent.append(ui->grBox_UserIonoModel->title());
    } else if (ionoModel != ionoModelReceived) {
        engine->setIonoModel(ionoModel);
        ionoModelReceived = ionoModel;
    }
    // Sent on every Save, changed or not, but only with a mode and a threshold to send:
    // the frame has no byte for "unknown", and an unknown threshold would go out as 255.
    // Nor without the receiver's exclude mask, whose boxes were not read then.
    const bool ionoCorrSendable = !isUnset(ionoCorrMode) && ionoThreshold >= 0.0f && ionoThreshold < 256.0f;
    if (ionoCorrSendable && !excludeMaskKnown) {
        notSent.append(ui->chBox_IonoCorr_ExludeMask->title());
    } else if (ionoCorrSendable) {
        QVector<bool> mask;
        for (QCheckBox *box : qAsConst(excludeMaskBoxes))
            mask.append(box->isChecked());
        engine->setIonoCorr(ionoCorrMode, ionoThreshold, mask);
        ionoCorrModeReceived = ionoCorrMode;
        ionoThresholdReceived = ionoThreshold;
        excludeMaskReceived = excludeMask;
    }
    readSettings();
    reportNotSent(notSent);
}

void AtmosphericCorrectionsWidget::tropoCorrModeChanged(BinaryConfigurator::TROPO_CORR_MODE mode)
{
    tropoCorrModeReceived = tropoCorrMode = mode;
    ui->comBox_TropoCorr->setCurrentIndex(ui->comBox_TropoCorr->findData(int(mode)));
}

void AtmosphericCorrectionsWidget::ionoModelChanged(QVector<float> coefficients)
{
    coefficients.resize(ionoModelSize);
    ionoModelReceived = ionoModel = coefficients;
    ionoModelKnown.fill(true);
    for (int i = 0; i < ionoModelSize; ++i) {
        const QString shown = QString::number(double(coefficients.at(i)), 'f', 6);
        ionoModelEdits.at(i)->setText(shown);
        ionoModelShown[i] = shown;
    }
}

void AtmosphericCorrectionsWidget::ionoCorrChanged(BinaryConfigurator::IONO_CORR_MODE mode, float threshold,
                                                   QVector<bool> mask)
{
    ionoCorrModeReceived = ionoCorrMode = mode;
    ui->comBoxIonoCorrMode->setCurrentIndex(ui->comBoxIonoCorrMode->findData(int(mode)));
    ionoThresholdReceived = ionoThreshold = threshold;
    ionoThresholdEdit->setText(QString::number(double(threshold), 'g', 6));
    // Every box follows its bit, cleared ones too: a box left checked from before
    // would otherwise go out on the next Save as an exclusion the receiver lacks.
    QSet<QCheckBox *> excluded;
    for (int i = 0; i < excludeMaskBoxes.size(); ++i) {
        const bool set = i < mask.size() && mask.at(i);
        excludeMaskBoxes.at(i)->setChecked(set);
        if (set)
            excluded.insert(excludeMaskBoxes.at(i));
    }
    excludeMaskReceived = excludeMask = excluded;
    excludeMaskKnown = true;
}

void AtmosphericCorrectionsWidget::requestError(QPair<MsgType, unsigned char> request)
{
    if (!isOwnRequest(request))
        return;
    switch (request.second) {
    case tropoCorrModeGetter:
        clearTropoCorrMode();
        break;
    case ionoModelGetter:
        clearIonoModel();
        break;
    case ionoCorrGetter:
        clearIonoCorr();
        break;
    case tropoCorrModeGetter + setterOffset:
        configurator()->requestTropoCorrMode();
        break;
    case ionoModelGetter + setterOffset:
        configurator()->requestIonoModel();
        break;
    case ionoCorrGetter + setterOffset:
        configurator()->requestIonoCorr();
        break;
    default:
        break;
    }
}

void AtmosphericCorrectionsWidget::clearTropoCorrMode()
{
    clearComboBox(ui->comBox_TropoCorr);
    tropoCorrModeReceived = tropoCorrMode = unsetValue;
}

void AtmosphericCorrectionsWidget::clearIonoModel()
{
    for (QLineEdit *edit : qAsConst(ionoModelEdits))
        clearLineEdit(edit);
    ionoModelReceived = ionoModel = QVector<float>(ionoModelSize, unsetFloat);
    ionoModelKnown = QVector<bool>(ionoModelSize, false);
    ionoModelShown = QStringList();
    for (int i = 0; i < ionoModelSize; ++i)
        ionoModelShown.append(unsetText);
}

void AtmosphericCorrectionsWidget::clearIonoCorr()
{
    clearComboBox(ui->comBoxIonoCorrMode);
    ionoCorrModeReceived = ionoCorrMode = unsetValue;
    clearLineEdit(ionoThresholdEdit);
    ionoThresholdReceived = ionoThreshold = unsetFloat;
    excludeMaskKnown = false;
}

QSet<QCheckBox *> AtmosphericCorrectionsWidget::checkedExcludeBoxes() const
{
    QSet<QCheckBox *> checked;
    for (QCheckBox *box : excludeMaskBoxes) {
        if (box->isChecked())
            checked.insert(box);
    }
    return checked;
}
