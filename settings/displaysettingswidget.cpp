#include "displaysettingswidget.h"
#include "ui_displaysettingswidget.h"

#include <cmath>

#include "controller.h"
#include "settingsdialogs.h"
#include "typednumber.h"
#include "windowfit.h"

namespace {

// The Model's signals the dialog follows, each to the slot of the same signature.
const char *const modelSignals[][2] = {
    {SIGNAL(receiverRefCoordinatesModeChanged(ReceiverRefCoordinatesMode)),
     SLOT(receiverRefCoordinatesModeChanged(ReceiverRefCoordinatesMode))},
    {SIGNAL(receiverRefCoordinatesChanged(GeoCoordinate)),
     SLOT(receiverRefCoordinatesChanged(GeoCoordinate))},
    {SIGNAL(receiverRefCoordForTrackChanged(GeoCoordinate)),
     SLOT(receiverRefCoordForTrackChanged(GeoCoordinate))},
};

// Hemisphere codes of the GeoCoordinate constructor.
constexpr int north = 0;
constexpr int south = 1;
constexpr int west = 2;
constexpr int east = 3;

} // namespace

DisplaySettingsWidget::DisplaySettingsWidget(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags),
      ui(new Ui::DisplaySettingsWidget)
{
    ui->setupUi(this);
    fitIntoScreen(this);
}

DisplaySettingsWidget::~DisplaySettingsWidget()
{
    delete ui;
}

void DisplaySettingsWidget::setModel(Model *in_model)
{
    if (model) {
        for (const auto &pair : modelSignals)
            disconnect(model, pair[0], this, pair[1]);
    }
    model = in_model;
    if (!model)
        return;
    for (const auto &pair : modelSignals)
        connect(model, pair[0], this, pair[1]);
    const ReceiverRefCoordinatesMode mode = model->receiverRefCoordinatesMode();
    receiverRefCoordinatesModeChanged(mode);
    if (mode == RefCoordinatesAverage)
        on_radBtnGiven_toggled(false);
    maxNumberPoints = model->maxNumberPoints();
    ui->spBoxMaxNumber->setValue(maxNumberPoints);
}

void DisplaySettingsWidget::setController(Controller *in_controller)
{
    controller = in_controller;
}

void DisplaySettingsWidget::receiverRefCoordinatesModeChanged(ReceiverRefCoordinatesMode mode)
{
    if (mode == RefCoordinatesFixed) {
        ui->radBtnGiven->setChecked(true);
        if (model)
            showCoordinate(model->receiverRefCoordForTrack());
    } else if (mode == RefCoordinatesAverage) {
        ui->radBtnMean->setChecked(true);
    }
}

void DisplaySettingsWidget::receiverRefCoordinatesChanged(GeoCoordinate coordinate)
{
    // While "Average" is chosen the fields follow the live average, whichever of its two
    // signals the Model sends it through.
    if (ui->radBtnMean->isChecked())
        showCoordinate(coordinate);
}

void DisplaySettingsWidget::receiverRefCoordForTrackChanged(GeoCoordinate coordinate)
{
    if (ui->radBtnMean->isChecked())
        showCoordinate(coordinate);
}

QStringList DisplaySettingsWidget::typedRefusals()
{
    // A text still being typed is judged now, as the end of its edit would; a box whose
    // text was refused shows its last value, which the person did not type this time.
    QList<QAbstractSpinBox *> boxes{ui->spBoxMaxNumber};
    if (ui->radBtnGiven->isChecked())
        boxes = {ui->spBoxReceiverRefLatitude, ui->spBoxReceiverRefLongitude, ui->spBoxReceiverRefAltitude,
                 ui->spBoxMaxNumber};
    QStringList refusals;
    for (QAbstractSpinBox *box : boxes) {
        box->interpretText();
        if (TypedNumber::isMarked(box))
            refusals.append(TypedNumber::refusal(box, TypedNumber::markedWhy(box)));
    }
    return refusals;
}

void DisplaySettingsWidget::on_btnSaveConfiguration_clicked()
{
    const QStringList refusals = typedRefusals();
    if (!refusals.isEmpty()) {
        SettingsDialogs::message(this, QMessageBox::Warning, windowTitle(),
                                 tr("Nothing was saved: correct the marked fields.\n%1")
                                     .arg(refusals.join(QLatin1Char('\n'))));
        return;
    }
    if (model) {
        if (ui->radBtnGiven->isChecked()) {
            // The windows hear the new reference first and the mode change after it.
            const GeoCoordinate coordinate = fixedCoordinate();
            model->setReceiverRefCoordinates(coordinate);
            model->setReceiverRefCoordForTrack(coordinate);
            model->setReceiverRefCoordinatesMode(RefCoordinatesFixed);
        }
        if (ui->radBtnMean->isChecked())
            model->setReceiverRefCoordinatesMode(RefCoordinatesAverage);
    }
    // Passed on unchanged, 0 included: the track and the Model then keep the newest point.
    maxNumberPoints = ui->spBoxMaxNumber->value();
    emit setMaxNumberPoints(maxNumberPoints);
    if (model)
        model->setMaxNumberPoints(maxNumberPoints);
}

void DisplaySettingsWidget::on_radBtnGiven_toggled(bool checked)
{
    ui->widgetReceiverRefCoordinates->setEnabled(checked);
    if (!checked) {
        // Empty until the next average is shown; what was refused in them is gone too.
        for (QAbstractSpinBox *box : {static_cast<QAbstractSpinBox *>(ui->spBoxReceiverRefLatitude),
                                      static_cast<QAbstractSpinBox *>(ui->spBoxReceiverRefLongitude),
                                      static_cast<QAbstractSpinBox *>(ui->spBoxReceiverRefAltitude)}) {
            box->clear();
            TypedNumber::unmark(box);
        }
    }
}

void DisplaySettingsWidget::showCoordinate(const GeoCoordinate &coordinate)
{
    const double latitude = coordinate.latitudeDegrees();
    const double longitude = coordinate.longitudeDegrees();
    ui->spBoxReceiverRefLatitude->setValue(std::fabs(latitude));
    if (latitude < 0)
        ui->radBtnReceiverRefS->setChecked(true);
    else
        ui->radBtnReceiverRefN->setChecked(true);
    ui->spBoxReceiverRefLongitude->setValue(std::fabs(longitude));
    if (longitude < 0)
        ui->radBtnReceiverRefW->setChecked(true);
    else
        ui->radBtnReceiverRefE->setChecked(true);
    // Out of range values (a height below 0) are clamped by the spin box.
    ui->spBoxReceiverRefAltitude->setValue(coordinate.height());
}

GeoCoordinate DisplaySettingsWidget::fixedCoordinate() const
{
    return GeoCoordinate(ui->spBoxReceiverRefLatitude->value(),
                         ui->radBtnReceiverRefN->isChecked() ? north : south,
                         ui->spBoxReceiverRefLongitude->value(),
                         ui->radBtnReceiverRefE->isChecked() ? east : west,
                         ui->spBoxReceiverRefAltitude->value());
}
