#include "mapwidget.h"
#include "ui_mapwidget.h"

#include <QResizeEvent>
#include <QUrl>
#include <QWebFrame>
#include <QWebPage>
#include <QWebSettings>

#include <cmath>

#include "controller.h"
#include "framepacer.h"
#include "sentencehandler.h"
#include "windowpattern.h"

namespace {

const ConnectionTable sentenceHandlerConnections = {
    {SIGNAL(setCoordinate(GeoCoordinate)), SLOT(receiverCoordinatesChanged(GeoCoordinate))},
};

} // namespace

MapWidget::MapWidget(QWidget *parent)
    : QWidget(parent),
      ui(new Ui::MapWidget)
{
    ui->setupUi(this);
    QWebSettings *settings = ui->webView->settings();
    settings->setAttribute(QWebSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebSettings::LocalContentCanAccessRemoteUrls, true);
    ui->webView->load(QUrl(QStringLiteral("qrc:/map/index.html")));
    locationTimer.setSingleShot(true);
    connect(&locationTimer, &QTimer::timeout, this, &MapWidget::sendHeldLocation);
    collectionTimer.setSingleShot(true);
    collectionTimer.setInterval(0);
    connect(&collectionTimer, &QTimer::timeout, this, &MapWidget::collectPageGarbage);
}

MapWidget::~MapWidget()
{
    delete ui;
}

void MapWidget::setController(Controller *newController)
{
    QObject *oldHandler = sentenceHandlerOf(controller);
    controller = newController;
    moveConnections(oldHandler, sentenceHandlerOf(controller), this,
                    sentenceHandlerConnections);
}

void MapWidget::setModel(Model *)
{
    // The map needs nothing of the shared state.
}

void MapWidget::setScriptHook(ScriptHook hook)
{
    scriptHook = std::move(hook);
}

void MapWidget::setCollectionHook(CollectionHook hook)
{
    collectionHook = std::move(hook);
}

void MapWidget::receiverCoordinatesChanged(GeoCoordinate coordinate)
{
    // The map keeps the last valid position. A NaN or an infinity would be written as
    // "nan" or "inf", names the page does not know.
    const double latitude = coordinate.latitudeDegrees();
    const double longitude = coordinate.longitudeDegrees();
    if (!coordinate.isValid() || !std::isfinite(latitude) || !std::isfinite(longitude))
        return;
    // Closed, the map waits for its newest position until it shows.
    paced(this, 0, true, [this, latitude, longitude] {
        locationHeld = true;
        heldLatitude = latitude;
        heldLongitude = longitude;
        const qint64 since = lastLocation.isValid() ? lastLocation.elapsed() : scriptIntervalMs;
        if (since >= scriptIntervalMs)
            sendHeldLocation();
        else if (!locationTimer.isActive())
            locationTimer.start(int(scriptIntervalMs - since));
    });
}

void MapWidget::sendHeldLocation()
{
    if (!locationHeld)
        return;
    locationHeld = false;
    lastLocation.start();
    // Twelve significant digits: at least nine decimals of a degree up to 180 degrees
    // (well under a centimetre). QString::arg's default six would put a longitude of
    // 170.500112 at 170.5, tens of metres off.
    runScript(QStringLiteral("setLocation(%1,%2)")
                  .arg(heldLatitude, 0, 'g', 12)
                  .arg(heldLongitude, 0, 'g', 12));
}

void MapWidget::resizeEvent(QResizeEvent *)
{
    // Also before the first position: the page answers the trigger without a map.
    runScript(QStringLiteral("google.maps.event.trigger(map, 'resize');"));
}

void MapWidget::clearWindow()
{
    // The map keeps showing the last position.
}

void MapWidget::runScript(const QString &script)
{
    if (scriptHook)
        scriptHook(this, script);
    ui->webView->page()->mainFrame()->evaluateJavaScript(script);
    if (++scriptsSinceCollection >= scriptsPerCollection)
        collectionTimer.start();
}

void MapWidget::collectPageGarbage()
{
    scriptsSinceCollection = 0;
    QElapsedTimer took;
    took.start();
    // The engine's one public way to run its collector; it also empties the engine's
    // caches, which hold nothing for this page: everything it draws it makes itself.
    QWebSettings::clearMemoryCaches();
    if (collectionHook)
        collectionHook(this, took.nsecsElapsed());
}
