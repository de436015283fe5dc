#include "trackwidget.h"

#include "controller.h"
#include "model.h"

TrackWidget::TrackWidget(QWidget *parent)
    : QWidget(parent)
{
}

TrackWidget::~TrackWidget() = default;

void TrackWidget::setModel(Model *model)
{
    m_model = model;
}

void TrackWidget::setController(Controller *controller)
{
    m_controller = controller;
}

void TrackWidget::clearWindow()
{
}
