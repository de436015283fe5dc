#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "geocoordinate.h"
#include "icontroller.h"
#include "imodel.h"

class Controller;
class Model;
class QResizeEvent;

namespace Ui {
class MapWidget;
}

// The "Map" window: a web view with the embedded map page, to which the valid receiver
// positions are handed as lines of JavaScript, and the map's resize trigger whenever the
// window changes its size. The window reads nothing back from the page.
//
// Each position redraws the page's map, which cost more than all the other windows
// together at a receiver's 10 Hz, and at replay speed a thousand times a second. A map
// at street scale shows nothing new between two positions a fraction of a second apart,
// so the page gets at most one position per scriptIntervalMs: a position after a quiet
// spell goes at once, the newest of those that come sooner goes when the interval ends.
//
// Every script and every redraw of the map leaves a few kilobytes of garbage in the web
// engine, which it would free only when its own heap runs short; scripts this small never
// bring it there, so left alone the engine grows by megabytes a minute for as long as the
// window is open. After every scriptsPerCollection scripts the window has the engine
// collect and give its free memory back, once the script's event is done.
class MapWidget : public QWidget, public IController, public IModel
{
    Q_OBJECT

public:
    explicit MapWidget(QWidget *parent = nullptr);
    ~MapWidget() override;

    void setController(Controller *controller) override;
    void setModel(Model *model) override;

    // Every script the window runs in its page is first handed to the hook, if one is
    // set, so a test sees the exact text. The script runs all the same.
    using ScriptHook = std::function<void(const MapWidget *window, const QString &script)>;
    static void setScriptHook(ScriptHook hook);

    // Told after each collection of the engine's garbage, with the time it took on this
    // thread, so a test sees the pace and a benchmark the cost.
    using CollectionHook = std::function<void(const MapWidget *window, qint64 nanoseconds)>;
    static void setCollectionHook(CollectionHook hook);

    static constexpr int scriptIntervalMs = 250;
    // Thirty seconds of positions at the page's fastest pace: about a megabyte of garbage.
    static constexpr int scriptsPerCollection = 120;

public slots:
    void clearWindow();

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void receiverCoordinatesChanged(GeoCoordinate coordinate);
    void sendHeldLocation();
    void collectPageGarbage();

private:
    void runScript(const QString &script);

    Ui::MapWidget *ui;
    QPointer<Controller> controller;
    // The newest position not yet handed to the page, in degrees; formatted only when sent.
    bool locationHeld = false;
    double heldLatitude = 0;
    double heldLongitude = 0;
    QTimer locationTimer;
    QElapsedTimer lastLocation;
    int scriptsSinceCollection = 0;
    QTimer collectionTimer;

    static inline ScriptHook scriptHook;
    static inline CollectionHook collectionHook;
};
