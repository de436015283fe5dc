#pragma once

#include <QLocale>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "interfacemode.h"

class Controller;
class Model;
class LanguageCatalogues;
class ReceiverConnectionWidget;

namespace Ui {
class MainWindow;
}

// The start window: the connection screen while no receiver is connected, hidden while
// a workspace runs the session. It owns the shared Model, the Controller of the receiver
// side and the installed catalogues, and replaces Model and Controller after every
// disconnect so that a new session starts from nothing.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

public slots:
    void switchTranslator(const QLocale &locale);
    void showDisplay(bool autoDetect, InterfaceMode mode, const QString &portName);
    void disconnectAction();

private:
    void createModelAndController();
    void deleteModelAndController();

    Ui::MainWindow *ui;
    LanguageCatalogues *m_catalogues;
    QPointer<Controller> m_controller;
    QPointer<Model> m_model;
    ReceiverConnectionWidget *m_connectionScreen;
};
