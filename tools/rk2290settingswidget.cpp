#include "rk2290settingswidget.h"

#include "controller.h"
#include "model.h"

RK2290SettingsWidget::RK2290SettingsWidget(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
}

RK2290SettingsWidget::~RK2290SettingsWidget() = default;

void RK2290SettingsWidget::setController(Controller *controller)
{
    m_controller = controller;
}

