#include "trackwidget.h"
#include "ui_trackwidget.h"

#include <QLineEdit>

#include <cmath>

#include "controller.h"
#include "displaysettingswidget.h"
#include "fieldwidth.h"
#include "framepacer.h"
#include "sentencehandler.h"
#include "windowpattern.h"

namespace {

const ConnectionTable modelConnections = {
    {SIGNAL(receiverRefCoordinatesModeChanged(ReceiverRefCoordinatesMode)),
     SLOT(receiverRefCoordinatesModeChanged(ReceiverRefCoordinatesMode))},
    {SIGNAL(receiverRefCoordinatesChanged(GeoCoordinate)),
     SLOT(receiverRefCoordinatesChanged(GeoCoordinate))},
};

const ConnectionTable handlerConnections = {
    {SIGNAL(setCoordinate(double, GeoCoordinate, short)),
     SLOT(receiverCoordinatesChanged(double, GeoCoordinate, short))},
};

// What the window shows, each written with its newest value (see FramePacer).
enum PacedKind { PacedReceiver, PacedDeviation, PacedReference };

} // namespace

TrackWidget::TrackWidget(QWidget *parent)
    : QWidget(parent),
      ui(new Ui::TrackWidget)
{
    ui->setupUi(this);
    fillDegreeFormats();
    // A position's fields hold their longest value whole in every format of the list.
    const QVector<int> formats = {0, 1, 2};
    for (QLineEdit *edit : {ui->editRefLat, ui->editRcvLat})
        reserveWidthFor(edit, widestLatitudeTexts(formats));
    for (QLineEdit *edit : {ui->editRefLon, ui->editRcvLon})
        reserveWidthFor(edit, widestLongitudeTexts(formats));
    for (QLineEdit *edit : {ui->editRefAlt, ui->editRcvAlt})
        reserveWidthFor(edit, widestHeightTexts());
    growToContents(this);
}

TrackWidget::~TrackWidget()
{
    delete ui;
}

void TrackWidget::setModel(Model *in_model)
{
    moveConnections(model, in_model, this, modelConnections);
    model = in_model;
    if (!model)
        return;
    receiverRefCoordinatesModeChanged(model->receiverRefCoordinatesMode());
    receiverRefCoordinatesChanged(model->receiverRefCoordinates());
    ui->trackView->setMaxNumberPoints(model->maxNumberPoints());
}

void TrackWidget::setController(Controller *in_controller)
{
    moveConnections(sentenceHandlerOf(controller), sentenceHandlerOf(in_controller), this, handlerConnections);
    controller = in_controller;
}

void TrackWidget::receiverRefCoordinatesModeChanged(ReceiverRefCoordinatesMode mode)
{
    if (mode == refMode)
        return;
    refMode = mode;
    restartDeviation();
}

void TrackWidget::receiverRefCoordinatesChanged(GeoCoordinate reference)
{
    if (refCoordinates.isValid() && model) {
        // The points already drawn keep their place relative to the new origin.
        const GeoCoordinate p = model->receiverCoordinates();
        const EnuOffset a = GeoCoordinate::difference(p, reference);
        const EnuOffset b = GeoCoordinate::difference(p, refCoordinates);
        ui->trackView->shiftPoints(a.east - b.east, a.north - b.north);
    }
    refCoordinates = reference;
    // In mean mode the reference moves with every position; its fields show the newest.
    paced(this, PacedReference, reference.isValid(),
          [this, reference] { showReferenceCoordinates(reference); });
}

void TrackWidget::receiverCoordinatesChanged(double, GeoCoordinate position, short quality)
{
    // Without a Model there is no reference to measure from.
    if (!model)
        return;
    // Read from the Model now: in mean mode it has already taken this very position.
    const GeoCoordinate reference = refMode == RefCoordinatesFixed ? model->receiverRefCoordForTrack()
                                                                   : model->receiverRefCoordinates();
    const EnuOffset offset = GeoCoordinate::difference(position, reference);
    // The track and the deviation take every position; the fields and the caption show
    // the newest.
    ui->trackView->addPoint(offset.east, offset.north, quality);
    lastReceiverCoordinates = position;
    updateDeviation(offset);
    paced(this, PacedReceiver, position.isValid(), [this, position, quality] {
        showReceiverCoordinates(position);
        showQuality(quality);
    });
}

void TrackWidget::clearWindow()
{
    // The spin boxes of open display settings dialogs (children of this window) hold line
    // edits too; they are the dialogs' own and stay as they are.
    dropPaced(this);
    clearLineEdits(this, {QStringLiteral("qt_spinbox_lineedit")});
    on_btnReset_clicked();
}

void TrackWidget::on_btnReset_clicked()
{
    if (model)
        model->resetReceiverRefCoordinates();
    restartDeviation();
    ui->trackView->clear();
    if (refMode == RefCoordinatesAverage)
        clearReferenceTexts();
}

void TrackWidget::on_btnProperties_clicked()
{
    auto *dialog = new DisplaySettingsWidget(this, Qt::Dialog | Qt::WindowCloseButtonHint);
    dialog->setModel(model);
    dialog->setController(controller);
    connect(dialog, SIGNAL(setMaxNumberPoints(int)), this, SLOT(setMaxNumberPoints(int)));
    dialog->show();
}

void TrackWidget::on_cBoxTypeDergees_currentIndexChanged(int)
{
    showReceiverCoordinates(lastReceiverCoordinates);
    showReferenceCoordinates(refCoordinates);
}

void TrackWidget::setMaxNumberPoints(int count)
{
    // Passed on as it comes: below 1 the view keeps only the newest point.
    ui->trackView->setMaxNumberPoints(count);
}

void TrackWidget::fillDegreeFormats()
{
    ui->cBoxTypeDergees->addItem(tr("Degrees"), 0);
    ui->cBoxTypeDergees->addItem(tr("Degrees_min"), 1);
    ui->cBoxTypeDergees->addItem(tr("Degrees_min_sec"), 2);
    ui->cBoxTypeDergees->setCurrentIndex(2);
}

void TrackWidget::updateDeviation(const EnuOffset &offset)
{
    // The root mean square about the reference, not a deviation about the offsets' mean.
    const double n = static_cast<double>(sampleCount);
    const double values[3] = {offset.east, offset.north, offset.up};
    for (int k = 0; k < 3; ++k)
        deviation[k] = std::sqrt((deviation[k] * deviation[k] * n + values[k] * values[k]) / (n + 1));
    ++sampleCount;
    paced(this, PacedDeviation, true, [this] { showDeviation(); });
}

void TrackWidget::restartDeviation()
{
    // A restart counts one zero offset, so the first offset after it is the second sample.
    sampleCount = 0;
    updateDeviation(EnuOffset());
}

void TrackWidget::showDeviation()
{
    ui->editDeviationX->setText(tr("%1 m.").arg(deviation[0], 0, 'f', 4, QLatin1Char(' ')));
    ui->editDeviationY->setText(tr("%1 m.").arg(deviation[1], 0, 'f', 4, QLatin1Char(' ')));
    ui->editDeviationZ->setText(tr("%1 m.").arg(deviation[2], 0, 'f', 4, QLatin1Char(' ')));
}

void TrackWidget::showReferenceCoordinates(const GeoCoordinate &reference)
{
    const bool valid = reference.isValid();
    if (valid) {
        const int format = degreeFormat();
        setFieldText(ui->editRefLat, reference.latitudeToString(format));
        setFieldText(ui->editRefLon, reference.longitudeToString(format));
        setFieldText(ui->editRefAlt, reference.heightToString());
    }
    setLabelActive(ui->editRefLat, valid);
    setLabelActive(ui->editRefLon, valid);
    setLabelActive(ui->editRefAlt, valid);
}

void TrackWidget::showReceiverCoordinates(const GeoCoordinate &position)
{
    const bool valid = position.isValid();
    if (valid) {
        const int format = degreeFormat();
        setFieldText(ui->editRcvLat, position.latitudeToString(format));
        setFieldText(ui->editRcvLon, position.longitudeToString(format));
        setFieldText(ui->editRcvAlt, position.heightToString());
    }
    setLabelActive(ui->editRcvLat, valid);
    setLabelActive(ui->editRcvLon, valid);
    setLabelActive(ui->editRcvAlt, valid);
}

int TrackWidget::degreeFormat() const
{
    return ui->cBoxTypeDergees->currentIndex();
}

void TrackWidget::showQuality(short quality)
{
    QString text;
    switch (quality) {
    case 1: text = tr("Single"); break;
    case 2: text = tr("Diff"); break;
    case 4: text = tr("Fix"); break;
    case 5: text = tr("Float"); break;
    case 6: text = tr("Extrapolated"); break;
    default: text = QString::number(quality); break;
    }
    ui->trackView->setText(text);
}

void TrackWidget::clearReferenceTexts()
{
    // Under the reference's own kind, so that a reference written before the reset and
    // still held does not come back over the cleared fields.
    paced(this, PacedReference, true, [this] {
        ui->editRefLat->clear();
        ui->editRefLon->clear();
        ui->editRefAlt->clear();
    });
}

void TrackWidget::setLabelActive(QWidget *widget, bool active)
{
    setValueStyle(widget, active);
}
