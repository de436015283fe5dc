#include "calibration.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <limits>

#include "controller.h"
#include "fieldwidth.h"
#include "tooldialogs.h"
#include "typednumber.h"
#include "ui_calibration.h"
#include "windowfit.h"

namespace {

const int PollIntervalMs = 1500;
// Long enough for the hot restart the workspace sends on restart() to take effect
// before the position and the current table are read again.
const int ReadBackDelayMs = 1000;

// The engine's signals the window follows, connected to its slots of the same names.
const char *const EngineSignals[][2] = {
    {SIGNAL(llaChange(double, double, double)), SLOT(llaChange(double, double, double))},
    {SIGNAL(oldClbDataChange(BinaryConfigurator::CalibrationData)),
     SLOT(oldClbDataChange(BinaryConfigurator::CalibrationData))},
    {SIGNAL(newClbDataChange(BinaryConfigurator::CalibrationData)),
     SLOT(newClbDataChange(BinaryConfigurator::CalibrationData))},
    {SIGNAL(requestError(QPair<MsgType, unsigned char>)), SLOT(requestError(QPair<MsgType, unsigned char>))},
    {SIGNAL(requestCompleted(QPair<MsgType, unsigned char>)),
     SLOT(requestCompleted(QPair<MsgType, unsigned char>))},
};

QString number(double value, int decimals)
{
    return QStringLiteral("%1").arg(value, 0, 'f', decimals);
}

// The rules of the typed numbers: a position on the globe, a finite altitude, table
// entries that fit the receiver's floats (a deviation is never negative).
const TypedNumber LatitudeRule = TypedNumber::real(-90.0, 90.0);
const TypedNumber LongitudeRule = TypedNumber::real(-180.0, 180.0);
const TypedNumber AltitudeRule = TypedNumber::real(-std::numeric_limits<double>::max(),
                                                   std::numeric_limits<double>::max());
const TypedNumber ValueRule = TypedNumber::real(-std::numeric_limits<float>::max(),
                                                std::numeric_limits<float>::max());
const TypedNumber StdRule = TypedNumber::real(0.0, std::numeric_limits<float>::max());

bool isValid(const BinaryConfigurator::CalibrationEntry &entry)
{
    // The receiver marks a valid entry with 1; any other byte means not valid.
    return entry.flag == 1;
}

} // namespace

Calibration::Calibration(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , ui(new Ui::Calibration)
    , pollTimer(new QTimer)
    , channelCount(14)
{
    ui->setupUi(this);

    currentView = CalibrationSeries::fromForm(this, QStringLiteral("Curr"), channelCount);
    newView = CalibrationSeries::fromForm(this, QStringLiteral("New"), channelCount);
    combinedView = CalibrationSeries::fromForm(this, QStringLiteral("Comb"), channelCount);

    ui->btnStop->setEnabled(false);
    setNewFlagsEnabled(false);

    connect(pollTimer, &QTimer::timeout, this, &Calibration::clbNewDataTimeout);

    for (int i = 0; i < newView.size(); ++i)
        connect(newView.at(i).flag, &QCheckBox::clicked, this, &Calibration::changeNewChBox);
    for (int i = 0; i < combinedView.size(); ++i) {
        const CalibrationEntryWidgets &widgets = combinedView.at(i);
        connect(widgets.flag, &QCheckBox::clicked, this, &Calibration::changeCombFlag);
        // Typing into the combined table makes it the user's choice (see combinedChosen).
        connect(widgets.value, &QLineEdit::textEdited, this, &Calibration::markCombinedChosen);
        connect(widgets.std, &QLineEdit::textEdited, this, &Calibration::markCombinedChosen);
    }

    // Each number field holds its longest value whole: a sign, the integer digits and all
    // the decimals shown.
    reserveWidthFor(ui->editLat, {number(-89.99999999, 8)});
    reserveWidthFor(ui->editLon, {number(-179.99999999, 8)});
    reserveWidthFor(ui->editAlt, {number(-9999.999, 3)});
    for (const CalibrationSeries *view : {&currentView, &newView, &combinedView}) {
        for (int i = 0; i < view->size(); ++i) {
            reserveWidthFor(view->at(i).value, {number(-99.999, 3)});
            reserveWidthFor(view->at(i).std, {number(-99.999, 3)});
        }
    }
    growToContents(this);
    fitIntoScreen(this);
}

Calibration::~Calibration()
{
    delete pollTimer;
    delete ui;
}

void Calibration::setController(Controller *c)
{
    if (controller) {
        for (const auto &pair : EngineSignals)
            disconnect(controller->binaryConfigurator(), pair[0], this, pair[1]);
    }
    controller = c;
    if (controller) {
        for (const auto &pair : EngineSignals)
            connect(controller->binaryConfigurator(), pair[0], this, pair[1]);
        readFromReceiver();
    }
}

void Calibration::readFromReceiver()
{
    if (!controller)
        return;
    controller->binaryConfigurator()->requestLla();
    controller->binaryConfigurator()->requestOldCalibrationData();
}

// ---- Replies ----

void Calibration::llaChange(double lat, double lon, double alt)
{
    ui->editLat->setText(number(lat, 8));
    ui->editLon->setText(number(lon, 8));
    ui->editAlt->setText(number(alt, 3));
    for (QLineEdit *field : positionFields())
        TypedNumber::unmark(field);
    if (positionCheckPending) {
        // The read after a position the receiver did not take: the fields now hold its own.
        positionCheckPending = false;
        showError(tr("The receiver did not take the position: it refused it or did not answer. "
                     "The fields show the position the receiver holds."));
    }
}

void Calibration::oldClbDataChange(BinaryConfigurator::CalibrationData clb)
{
    currentData = clb;
    showCurrentData();
    // The receiver's table replaces whatever the combined view held.
    combinedData = clb;
    combinedChosen = true;
    showCombinedData();
}

void Calibration::newClbDataChange(BinaryConfigurator::CalibrationData clb)
{
    newData = clb;
    chooseNewEntries();
    showNewData();
}

void Calibration::requestError(QPair<MsgType, unsigned char> request)
{
    if (request.first != MsgCalibration || !controller)
        return;
    switch (request.second) {
    case 0x00:
        // No position came: the fields keep what they showed (empty, or the last
        // position received), so that "Set" never sends a position nobody gave.
        if (positionCheckPending) {
            // They hold the typed position, which the receiver never confirmed.
            positionCheckPending = false;
            for (QLineEdit *field : positionFields())
                TypedNumber::mark(field, tr("not taken by the receiver"));
            showError(tr("The receiver did not take the position: it refused it or did not answer, "
                         "and its position could not be read. The marked fields hold the typed position, "
                         "which the receiver has not taken."));
        }
        break;
    case 0x03:
        showError(QStringLiteral("The data did not come"));
        break;
    case 0x80:
        // Show the position the receiver really holds again; its answer, or its
        // failure, tells the user what became of the typed one.
        positionCheckPending = true;
        controller->binaryConfigurator()->requestLla();
        break;
    case 0x81:
        startEnded(false);
        break;
    case 0x84:
        readFromReceiver();
        // Nothing was written and nothing restarted, though the new view has been cleared.
        showError(tr("The receiver did not take the calibration table: it refused it or did not answer. "
                     "It was not restarted; its current table is read again."));
        break;
    default:
        // A lost poll is followed by the next one.
        break;
    }
}

void Calibration::requestCompleted(QPair<MsgType, unsigned char> request)
{
    if (request.first != MsgCalibration || !controller)
        return;
    switch (request.second) {
    case 0x80:
        // The receiver holds the typed position: a failure of an earlier "Set" is over.
        positionCheckPending = false;
        for (QLineEdit *field : positionFields())
            TypedNumber::unmark(field);
        break;
    case 0x81:
        startEnded(true);
        break;
    case 0x84:
        scheduleUpdate();
        break;
    default:
        break;
    }
}

// ---- Buttons ----

void Calibration::on_btnSet_clicked()
{
    double lat = 0;
    double lon = 0;
    double alt = 0;
    QStringList refusals;
    LatitudeRule.take(ui->editLat, ui->editLat->text(), lat, refusals);
    LongitudeRule.take(ui->editLon, ui->editLon->text(), lon, refusals);
    AltitudeRule.take(ui->editAlt, ui->editAlt->text(), alt, refusals);
    if (!refusals.isEmpty()) {
        showError(notSentText(refusals));
        return;
    }
    if (controller)
        controller->binaryConfigurator()->setLla(lat, lon, alt);
}

void Calibration::on_btnStart_clicked()
{
    if (state != State::Calibrating)
        stateBeforeStart = state;
    state = State::Calibrating;
    setButtons(state);
    setEditing(false);
    if (controller) {
        ++startsPending;
        controller->binaryConfigurator()->sendCalibrationCommand81();
    }
}

void Calibration::startEnded(bool taken)
{
    if (startsPending > 0)
        --startsPending;
    if (taken) {
        startPolling();
        return;
    }
    // A later start still on its way decides; otherwise the receiver runs no calibration
    // and the window goes back to where "Start" found it.
    if (startsPending > 0)
        return;
    if (state == State::Calibrating) {
        pollTimer->stop();
        state = stateBeforeStart;
        setButtons(state);
        setEditing(true);
        if (state == State::Reviewing)
            showNewData();
        else
            setNewFlagsEnabled(false);
    }
    showError(tr("The receiver did not start the calibration: it refused the command or did not answer."));
}

void Calibration::on_btnStop_clicked()
{
    pollTimer->stop();
    state = State::Reviewing;
    setButtons(state);
    setEditing(true);
    chooseNewEntries();
    showNewData();
    combineData();
    showCombinedData();
}

void Calibration::on_btnSaveRestart_clicked()
{
    if (!controller || !combinedChosen)
        return;
    const QStringList refusals = readCombinedView(true);
    if (!refusals.isEmpty()) {
        showError(notSentText(refusals));
        return;
    }
    // The reserved bytes of every entry are still those of the last current table:
    // neither combining nor editing nor reading a file touches them.
    controller->binaryConfigurator()->writeCalibrationData(combinedData);
    clearNewView();
    setNewFlagsEnabled(false);
    state = State::Idle;
    setButtons(state);
}

// ---- Polling and the read-back ----

void Calibration::startPolling()
{
    // A start acknowledged only after the user pressed "Stop" starts nothing: polls in
    // the reviewing state would overwrite the choices the user is making.
    if (state != State::Calibrating)
        return;
    pollTimer->setInterval(PollIntervalMs);
    pollTimer->start();
}

void Calibration::clbNewDataTimeout()
{
    if (controller)
        controller->binaryConfigurator()->requestNewCalibrationData();
}

void Calibration::scheduleUpdate()
{
    // One shot bound to the window: a window closed in the meantime reads nothing.
    QTimer::singleShot(ReadBackDelayMs, this, &Calibration::updateDataTimeout);
    emit restart();
}

void Calibration::updateDataTimeout()
{
    readFromReceiver();
}

// ---- Check boxes ----

void Calibration::changeNewChBox()
{
    for (int i = 0; i < newView.size(); ++i)
        takeNew[i] = newView.at(i).flag->isChecked();
    combineData();
    markCombinedChosen();
    showCombinedData();
}

void Calibration::changeCombFlag()
{
    const QStringList refusals = readCombinedView(false);
    markCombinedChosen();
    if (!refusals.isEmpty()) {
        // The table is shown again only without refusals: the typed texts stay, marked.
        showError(tr("Correct the marked fields.\n%1").arg(refusals.join(QLatin1Char('\n'))));
        return;
    }
    showCombinedData();
}

void Calibration::markCombinedChosen()
{
    combinedChosen = true;
}

void Calibration::closeEvent(QCloseEvent *event)
{
    event->accept();
    deleteLater();
}

// ---- Tables ----

bool Calibration::isNewBetter(const CalibrationEntry &current, const CalibrationEntry &fresh)
{
    if (!isValid(fresh))
        return false;
    if (!isValid(current))
        return true;
    // Equal deviations take the new entry; a NaN on either side compares false and
    // keeps the current one.
    return current.std >= fresh.std;
}

void Calibration::chooseNewEntries()
{
    for (int i = 0; i < 28; ++i)
        takeNew[i] = isNewBetter(currentData.entries[i], newData.entries[i]);
}

void Calibration::combineData()
{
    for (int i = 0; i < 28; ++i) {
        const CalibrationEntry &from = takeNew[i] ? newData.entries[i] : currentData.entries[i];
        CalibrationEntry &to = combinedData.entries[i];
        to.value = from.value;
        to.std = from.std;
        to.flag = from.flag;
    }
}

void Calibration::showEntry(const CalibrationEntryWidgets &widgets, const CalibrationEntry &entry)
{
    const bool valid = isValid(entry);
    if (widgets.flag)
        widgets.flag->setChecked(valid);
    widgets.value->setText(valid ? number(entry.value, 3) : QString());
    widgets.std->setText(valid ? number(entry.std, 3) : QString());
    TypedNumber::unmark(widgets.value);
    TypedNumber::unmark(widgets.std);
}

void Calibration::showNewEntry(const CalibrationEntry &entry, const CalibrationEntryWidgets &widgets, bool take)
{
    if (isValid(entry)) {
        widgets.value->setText(number(entry.value, 3));
        widgets.std->setText(number(entry.std, 3));
    } else {
        widgets.value->clear();
        widgets.std->clear();
        widgets.flag->setEnabled(false);
    }
    // The box shows what the combined table takes, not the new entry's own flag.
    widgets.flag->setChecked(take);
}

void Calibration::showCurrentData()
{
    for (int i = 0; i < currentView.size(); ++i)
        showEntry(currentView.at(i), currentData.entries[i]);
}

void Calibration::showNewData()
{
    for (int i = 0; i < newView.size(); ++i)
        showNewEntry(newData.entries[i], newView.at(i), takeNew[i]);
}

void Calibration::showCombinedData()
{
    for (int i = 0; i < combinedView.size(); ++i)
        showEntry(combinedView.at(i), combinedData.entries[i]);
}

void Calibration::readEntry(const CalibrationEntryWidgets &widgets, CalibrationEntry &entry, bool emptyRefused,
                            QStringList &refusals)
{
    entry.flag = widgets.flag->isChecked() ? 1 : 0;
    // The edits show 3 decimals. A text still as it was shown keeps the stored number
    // whole, so writing a table back does not round every entry of the receiver. An
    // empty field of a valid entry has no number to write.
    const auto take = [&](QLineEdit *field, const TypedNumber &rule, float &stored) {
        const QString text = field->text();
        if (text.isEmpty() && !(emptyRefused && isValid(entry))) {
            TypedNumber::unmark(field);
            return;
        }
        if (text == number(double(stored), 3)) {
            TypedNumber::unmark(field);
            return;
        }
        double typed = 0;
        if (rule.take(field, text, typed, refusals))
            stored = float(typed);
    };
    take(widgets.value, ValueRule, entry.value);
    take(widgets.std, StdRule, entry.std);
}

QStringList Calibration::readCombinedView(bool emptyRefused)
{
    QStringList refusals;
    for (int i = 0; i < combinedView.size(); ++i)
        readEntry(combinedView.at(i), combinedData.entries[i], emptyRefused, refusals);
    return refusals;
}

QString Calibration::notSentText(const QStringList &refusals)
{
    return tr("Nothing was sent: correct the marked fields.\n%1").arg(refusals.join(QLatin1Char('\n')));
}

void Calibration::clearNewView()
{
    for (int i = 0; i < newView.size(); ++i) {
        const CalibrationEntryWidgets &widgets = newView.at(i);
        widgets.value->clear();
        widgets.std->clear();
        widgets.flag->setChecked(false);
    }
}

QList<QLineEdit *> Calibration::positionFields() const
{
    return {ui->editLat, ui->editLon, ui->editAlt};
}

// ---- Enabled states ----

void Calibration::setButtons(State s)
{
    const bool calibrating = s == State::Calibrating;
    ui->btnStart->setEnabled(!calibrating);
    ui->btnStop->setEnabled(calibrating);
    ui->btnSaveRestart->setEnabled(!calibrating);
    ui->btnSet->setEnabled(!calibrating);
}

void Calibration::setEditing(bool on)
{
    for (int i = 0; i < combinedView.size(); ++i) {
        newView.at(i).flag->setEnabled(on);
        const CalibrationEntryWidgets &widgets = combinedView.at(i);
        widgets.value->setReadOnly(!on);
        widgets.std->setReadOnly(!on);
        widgets.flag->setEnabled(on);
    }
}

void Calibration::setNewFlagsEnabled(bool on)
{
    for (int i = 0; i < newView.size(); ++i)
        newView.at(i).flag->setEnabled(on);
}

void Calibration::showError(const QString &text)
{
    ToolDialogs::message(nullptr, QMessageBox::Critical, QString(), text, QMessageBox::Ok);
}
