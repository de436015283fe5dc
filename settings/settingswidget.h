#pragma once

#include <QPointer>
#include <QWidget>

#include "icontroller.h"
#include "imodel.h"

class Controller;
class Model;
class QPushButton;

namespace Ui {
class SettingsWidget;
}

// The frame every settings page shares: an empty area for the page's own form above
// the "Refresh" and "Save" buttons. Refresh reads the receiver's settings into the page,
// Save writes the user's changes back; what that means is the page's business.
class SettingsWidget : public QWidget, public IModel, public IController
{
    Q_OBJECT

public:
    explicit SettingsWidget(QWidget *parent = nullptr);
    ~SettingsWidget() override;

    void setModel(Model *model) override = 0;
    void setController(Controller *controller) override = 0;
    // Fills the page from the receiver.
    virtual void readSettings() = 0;
    // Sends the user's changes to the receiver.
    virtual void writeSettings() = 0;

protected:
    // The area the page builds its form on.
    QWidget *placeholder() const;
    QPushButton *saveButton() const;
    QPushButton *refreshButton() const;

    // Both go with their session (the workspace deletes them on disconnect before
    // the dialog), so they are only ever read through these guards.
    QPointer<Model> model;
    QPointer<Controller> controller;

private slots:
    void on_btnRefresh_clicked();
    void on_btnSave_clicked();

private:
    Ui::SettingsWidget *ui;
};
