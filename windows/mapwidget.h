#pragma once

#include <QPointer>
#include <QString>
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

// The "Map" window: a web view with the embedded map page, to which every valid
// receiver position is handed as a line of JavaScript, and the map's resize trigger
// whenever the window changes its size. The window reads nothing back from the page.
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

public slots:
    void clearWindow();

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void receiverCoordinatesChanged(GeoCoordinate coordinate);

private:
    void runScript(const QString &script);

    Ui::MapWidget *ui;
    QPointer<Controller> controller;

    static inline ScriptHook scriptHook;
};
