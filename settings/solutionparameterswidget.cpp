#include "solutionparameterswidget.h"
#include "ui_solutionparameterswidget.h"

#include <QCheckBox>
#include <QRegExp>
#include <QRegExpValidator>

#include "controller.h"

namespace {

const PageConnectionTable connections = {
    {SIGNAL(solutionMaskChanged(unsigned char, unsigned char, unsigned char)),
     SLOT(solutionMaskChanged(unsigned char, unsigned char, unsigned char))},
    {SIGNAL(solutionRateChanged(BinaryConfigurator::SolitionRate)),
     SLOT(solutionRateChanged(BinaryConfigurator::SolitionRate))},
    {SIGNAL(sbasModeChanged(BinaryConfigurator::SBAS_MODE)), SLOT(sbasModeChanged(BinaryConfigurator::SBAS_MODE))},
    {SIGNAL(dinamicModeChanged(BinaryConfigurator::DinamicMode)),
     SLOT(dinamicModeChanged(BinaryConfigurator::DinamicMode))},
    {SIGNAL(requestError(QPair<MsgType, unsigned char>)), SLOT(requestError(QPair<MsgType, unsigned char>))},
    {SIGNAL(rtkModeChanged(BinaryConfigurator::RtkMode)), SLOT(rtkModeChanged(BinaryConfigurator::RtkMode))},
    {SIGNAL(rtkQltChanged(BinaryConfigurator::RtkQlt)), SLOT(rtkQltChanged(BinaryConfigurator::RtkQlt))},
    {SIGNAL(solutionModeChanged(BinaryConfigurator::SolutionMode)),
     SLOT(solutionModeChanged(BinaryConfigurator::SolutionMode))},
    {SIGNAL(fixGnssMaskChanged(QVector<bool>)), SLOT(fixGnssMaskChanged(QVector<bool>))},
    {SIGNAL(arfChanged(int)), SLOT(arfChanged(int))},
    {SIGNAL(ageChanged(int)), SLOT(ageChanged(int))},
    {SIGNAL(refBaseLineLengthChanged(int)), SLOT(refBaseLineLengthChanged(int))},
};

// Getter sub-ids of group 3; each setter is its getter + 0x80.
enum : unsigned char {
    dinamicModeGetter = 0x22,
    solutionRateGetter = 0x23,
    solutionMaskGetter = 0x25,
    rtkModeGetter = 0x26,
    rtkQltGetter = 0x27,
    fixGnssMaskGetter = 0x28,
    arfGetter = 0x29,
    ageGetter = 0x2A,
    refBaseLineLengthGetter = 0x2B,
    solutionModeGetter = 0x2C,
    sbasModeGetter = 0x30,
    setterOffset = 0x80
};

const int fixGnssCount = 5;

struct Item {
    const char *text;
    int value;
};

void fill(QComboBox *box, std::initializer_list<Item> items)
{
    for (const Item &item : items)
        box->addItem(SolutionParametersWidget::tr(item.text), item.value);
}

} // namespace

SolutionParametersWidget::SolutionParametersWidget(QWidget *parent)
    : AbstractConfigurationWidget(parent)
    , ui(new Ui::SolutionParametersWidget)
{
    ui->setupUi(placeholder());
    // Every field but the base line is one byte on the wire.
    QRegExpValidator *byteDigits = newByteValidator();
    ui->editPDOPLimit->setValidator(byteDigits);
    ui->editMinSatElevation->setValidator(byteDigits);
    ui->editMinSatSNR->setValidator(byteDigits);
    ui->editARF->setValidator(byteDigits);
    ui->editAGE->setValidator(byteDigits);
    ui->editRefBaseLineLength->setValidator(
        new QRegExpValidator(QRegExp(QStringLiteral("[0-9]*"), Qt::CaseSensitive, QRegExp::RegExp), this));

    ui->comBoxModeTracking->clear();
    fill(ui->comBoxModeTracking, {
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "Static & OCXO"), 0},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "Static & TCXO"), 1},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "Mid. dinamic"), 2},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "Max. dinamic"), 3}
    });
    ui->comBoxSolutionRate->clear();
    fill(ui->comBoxSolutionRate, {
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "1 Hz"), 1},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "2 Hz"), 2},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "5 Hz"), 5},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "10 Hz"), 10}
    });
    ui->comBoxSbasMode->clear();
    fill(ui->comBoxSbasMode, {
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "SBAS OFF"), 0},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "SBAS ON"), 1},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "SBAS+ ON"), 2}
    });
    // The receiver has no RTK mode 2.
    fill(ui->comBoxModeRTK, {
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "RTK STATIC"), 0},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "RTK KINEMATIC"), 1},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "RTK MOVING BASE"), 3}
    });
    fill(ui->comBoxRtlQlt, {
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "DIFF"), 2},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "FLOAT"), 5},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "FIX"), 4}
    });
    fill(ui->comBoxSolutionMode, {
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "SINGLE"), 1},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "RTK"), 2},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "SINGLE + ANGLE "), 3},
        {QT_TRANSLATE_NOOP("SolutionParametersWidget", "RTK + ANGLE "), 4}
    });

    using Self = SolutionParametersWidget;
    choices = {
        {ui->comBoxSolutionRate, &Self::receivedSolutionRate, &Self::currentSolutionRate},
        {ui->comBoxSbasMode, &Self::receivedSbasMode, &Self::currentSbasMode},
        {ui->comBoxModeTracking, &Self::receivedDinamicMode, &Self::currentDinamicMode},
        {ui->comBoxModeRTK, &Self::receivedRtkMode, &Self::currentRtkMode},
        {ui->comBoxRtlQlt, &Self::receivedRtkQlt, &Self::currentRtkQlt},
        {ui->comBoxSolutionMode, &Self::receivedSolutionMode, &Self::currentSolutionMode},
    };
    fixGnssBoxes = {ui->chBoxGps, ui->chBoxGlonass, ui->chBoxBeiDou, ui->chBoxGalileo, ui->chBoxIrnss};
    clearPage();
}

SolutionParametersWidget::~SolutionParametersWidget()
{
    delete ui;
}

void SolutionParametersWidget::setController(Controller *newController)
{
    moveConfiguratorConnections(newController, connections);
}

void SolutionParametersWidget::readSettings()
{
    if (!controller)
        return;
    clearPage();
    BinaryConfigurator *engine = configurator();
    engine->requestSolutionMask();
    engine->requestSolutionRate();
    engine->requestSbasMode();
    engine->requestDinamicMode();
    engine->requestRtkMode();
    engine->requestSolutionMode();
    engine->requestFixGnssMask();
    engine->requestArf();
    engine->requestAge();
    engine->requestRtkQlt();
    engine->requestRefBaseLineLength();
}

void SolutionParametersWidget::writeSettings()
{
    if (!controller)
        return;
    exchangeLineEditValue(currentPdopLimit, ui->editPDOPLimit, unsetValue, byteRule());
    exchangeLineEditValue(currentMinSatElevation, ui->editMinSatElevation, unsetValue, byteRule());
    exchangeLineEditValue(currentMinSatSnr, ui->editMinSatSNR, unsetValue, byteRule());
    exchangeLineEditValue(currentArf, ui->editARF, unsetValue, byteRule());
    exchangeLineEditValue(currentAge, ui->editAGE, unsetValue, byteRule());
    exchangeLineEditValue(currentRefBaseLineLength, ui->editRefBaseLineLength, unsetValue);
    if (refuseTyped())
        return;
    for (const Choice &choice : qAsConst(choices))
        exchangeComboBoxData(this->*choice.current, choice.box, unsetValue);
    currentFixGnssMask = checkedFixGnss();

    BinaryConfigurator *engine = configurator();
    // The three bytes travel together. While one of them is unknown (never read, its
    // field left empty) there is no byte for it: 0xFF would be a 255 degree elevation
    // limit. A number beyond a byte has none either. Then nothing goes out.
    const bool maskChanged = currentPdopLimit != receivedPdopLimit
                             || currentMinSatElevation != receivedMinSatElevation
                             || currentMinSatSnr != receivedMinSatSnr;
    if (maskChanged && isByte(currentPdopLimit) && isByte(currentMinSatElevation) && isByte(currentMinSatSnr)) {
        engine->setSolutionMask(currentPdopLimit, uchar(currentMinSatElevation), uchar(currentMinSatSnr));
        receivedPdopLimit = currentPdopLimit;
        receivedMinSatElevation = currentMinSatElevation;
        receivedMinSatSnr = currentMinSatSnr;
    }

    for (int index = RateChoice; index <= SolutionModeChoice; ++index) {
        const Choice &choice = choices.at(index);
        const int value = this->*choice.current;
        if (value == this->*choice.received || isUnset(value))
            continue;
        switch (index) {
        case RateChoice: engine->setSolutionRate(BinaryConfigurator::SolitionRate(value)); break;
        case SbasChoice: engine->setSbasMode(BinaryConfigurator::SBAS_MODE(value)); break;
        case DinamicChoice: engine->setDinamicMode(BinaryConfigurator::DinamicMode(value)); break;
        case RtkModeChoice: engine->setRtkMode(BinaryConfigurator::RtkMode(value)); break;
        case RtkQltChoice: engine->setRtkQlt(BinaryConfigurator::RtkQlt(value)); break;
        case SolutionModeChoice: engine->setSolutionMode(BinaryConfigurator::SolutionMode(value)); break;
        }
        this->*choice.received = value;
    }

    // A mask never read has no true bits to send: its unchecked boxes would take the
    // systems out of the fixed solution.
    QStringList notSent;
    if (currentFixGnssMask != receivedFixGnssMask && !fixGnssMaskKnown) {
        notSent.append(ui->grBoxFixGnssMask->title());
    } else if (currentFixGnssMask != receivedFixGnssMask) {
        engine->setFixGnssMask(currentFixGnssMask);
        receivedFixGnssMask = currentFixGnssMask;
    }

    // ARF and AGE are one byte each: a number beyond one has no byte to send.
    if (currentArf != receivedArf && isByte(currentArf)) {
        engine->setArf(currentArf);
        receivedArf = currentArf;
    }
    if (currentAge != receivedAge && isByte(currentAge)) {
        engine->setAge(currentAge);
        receivedAge = currentAge;
    }
    if (currentRefBaseLineLength != receivedRefBaseLineLength) {
        engine->setRefBaseLineLength(currentRefBaseLineLength);
        receivedRefBaseLineLength = currentRefBaseLineLength;
    }
    readSettings();
    reportNotSent(notSent);
}

void SolutionParametersWidget::solutionMaskChanged(uchar pdopLimit, uchar minElevation, uchar minSnr)
{
    receivedPdopLimit = currentPdopLimit = pdopLimit;
    receivedMinSatElevation = currentMinSatElevation = minElevation;
    receivedMinSatSnr = currentMinSatSnr = minSnr;
    ui->editPDOPLimit->setText(QString::number(pdopLimit, 10));
    ui->editMinSatElevation->setText(QString::number(minElevation, 10));
    ui->editMinSatSNR->setText(QString::number(minSnr, 10));
}

void SolutionParametersWidget::solutionRateChanged(BinaryConfigurator::SolitionRate rate)
{
    showChoice(RateChoice, rate);
}

void SolutionParametersWidget::sbasModeChanged(BinaryConfigurator::SBAS_MODE mode)
{
    showChoice(SbasChoice, mode);
}

void SolutionParametersWidget::dinamicModeChanged(BinaryConfigurator::DinamicMode mode)
{
    showChoice(DinamicChoice, mode);
}

void SolutionParametersWidget::rtkModeChanged(BinaryConfigurator::RtkMode mode)
{
    showChoice(RtkModeChoice, mode);
}

void SolutionParametersWidget::rtkQltChanged(BinaryConfigurator::RtkQlt quality)
{
    showChoice(RtkQltChoice, quality);
}

void SolutionParametersWidget::solutionModeChanged(BinaryConfigurator::SolutionMode mode)
{
    showChoice(SolutionModeChoice, mode);
}

void SolutionParametersWidget::fixGnssMaskChanged(QVector<bool> systems)
{
    // The engine sends five flags; a shorter list leaves the missing systems off.
    QVector<bool> mask(fixGnssCount, false);
    for (int i = 0; i < qMin(fixGnssCount, systems.size()); ++i)
        mask[i] = systems.at(i);
    receivedFixGnssMask = currentFixGnssMask = mask;
    fixGnssMaskKnown = true;
    for (int i = 0; i < fixGnssCount; ++i)
        fixGnssBoxes.at(i)->setChecked(mask.at(i));
}

void SolutionParametersWidget::arfChanged(int value)
{
    receivedArf = currentArf = value;
    ui->editARF->setText(QString::number(value, 10));
}

void SolutionParametersWidget::ageChanged(int value)
{
    receivedAge = currentAge = value;
    ui->editAGE->setText(QString::number(value, 10));
}

void SolutionParametersWidget::refBaseLineLengthChanged(int length)
{
    receivedRefBaseLineLength = currentRefBaseLineLength = length;
    ui->editRefBaseLineLength->setText(QString::number(length, 10));
}

void SolutionParametersWidget::requestError(QPair<MsgType, unsigned char> request)
{
    if (!isOwnRequest(request))
        return;
    BinaryConfigurator *engine = configurator();
    switch (request.second) {
    case dinamicModeGetter: clearChoice(DinamicChoice); break;
    case solutionRateGetter: clearChoice(RateChoice); break;
    case solutionMaskGetter: clearSolutionMask(); break;
    case rtkModeGetter: clearChoice(RtkModeChoice); break;
    case rtkQltGetter: clearChoice(RtkQltChoice); break;
    case fixGnssMaskGetter: clearFixGnssMask(); break;
    case arfGetter:
        clearLineEdit(ui->editARF);
        receivedArf = currentArf = unsetValue;
        break;
    case ageGetter:
        clearLineEdit(ui->editAGE);
        receivedAge = currentAge = unsetValue;
        break;
    case refBaseLineLengthGetter:
        clearLineEdit(ui->editRefBaseLineLength);
        receivedRefBaseLineLength = currentRefBaseLineLength = unsetValue;
        break;
    case solutionModeGetter: clearChoice(SolutionModeChoice); break;
    case sbasModeGetter: clearChoice(SbasChoice); break;
    case dinamicModeGetter + setterOffset: engine->requestDinamicMode(); break;
    case solutionRateGetter + setterOffset: engine->requestSolutionRate(); break;
    case solutionMaskGetter + setterOffset: engine->requestSolutionMask(); break;
    case rtkModeGetter + setterOffset: engine->requestRtkMode(); break;
    case rtkQltGetter + setterOffset: engine->requestRtkQlt(); break;
    case fixGnssMaskGetter + setterOffset: engine->requestFixGnssMask(); break;
    case arfGetter + setterOffset: engine->requestArf(); break;
    case ageGetter + setterOffset: engine->requestAge(); break;
    case refBaseLineLengthGetter + setterOffset: engine->requestRefBaseLineLength(); break;
    case sbasModeGetter + setterOffset: engine->requestSbasMode(); break;
    case solutionModeGetter + setterOffset:
        // Nothing is read back: the box keeps the user's choice and, with the received
        // value forgotten, the next Save sends it again.
        receivedSolutionMode = currentSolutionMode = unsetValue;
        break;
    default:
        break;
    }
}

void SolutionParametersWidget::clearPage()
{
    clearSolutionMask();
    for (int index = RateChoice; index <= SolutionModeChoice; ++index)
        clearChoice(ChoiceIndex(index));
    clearFixGnssMask();
    clearLineEdit(ui->editARF);
    clearLineEdit(ui->editAGE);
    clearLineEdit(ui->editRefBaseLineLength);
    receivedArf = currentArf = unsetValue;
    receivedAge = currentAge = unsetValue;
    receivedRefBaseLineLength = currentRefBaseLineLength = unsetValue;
}

void SolutionParametersWidget::clearSolutionMask()
{
    clearLineEdit(ui->editPDOPLimit);
    clearLineEdit(ui->editMinSatElevation);
    clearLineEdit(ui->editMinSatSNR);
    receivedPdopLimit = currentPdopLimit = unsetValue;
    receivedMinSatElevation = currentMinSatElevation = unsetValue;
    receivedMinSatSnr = currentMinSatSnr = unsetValue;
}

void SolutionParametersWidget::clearChoice(ChoiceIndex index)
{
    const Choice &choice = choices.at(index);
    clearComboBox(choice.box);
    this->*choice.received = this->*choice.current = unsetValue;
}

void SolutionParametersWidget::clearFixGnssMask()
{
    for (QCheckBox *box : qAsConst(fixGnssBoxes))
        uncheckButton(box);
    receivedFixGnssMask = currentFixGnssMask = QVector<bool>(fixGnssCount, false);
    fixGnssMaskKnown = false;
}

void SolutionParametersWidget::showChoice(ChoiceIndex index, int value)
{
    const Choice &choice = choices.at(index);
    this->*choice.received = this->*choice.current = value;
    choice.box->setCurrentIndex(choice.box->findData(value));
}

QVector<bool> SolutionParametersWidget::checkedFixGnss() const
{
    QVector<bool> mask;
    for (QCheckBox *box : fixGnssBoxes)
        mask.append(box->isChecked());
    return mask;
}
