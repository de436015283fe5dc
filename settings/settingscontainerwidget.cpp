#include "settingscontainerwidget.h"

#include "controller.h"
#include "model.h"

SettingsContainerWidget::SettingsContainerWidget(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
}

SettingsContainerWidget::~SettingsContainerWidget() = default;

void SettingsContainerWidget::setModel(Model *model)
{
    m_model = model;
}

void SettingsContainerWidget::setController(Controller *controller)
{
    m_controller = controller;
}

