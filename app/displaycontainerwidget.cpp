#include "displaycontainerwidget.h"
#include "ui_displaycontainerwidget.h"

#include "controller.h"
#include "model.h"
#include "parserproxy.h"

DisplayContainerWidget::DisplayContainerWidget(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , ui(new Ui::DisplayContainerWidget)
{
    ui->setupUi(this);
    connect(ui->actionDisconnect, SIGNAL(triggered()), this, SIGNAL(disconnectAction()));
    connect(ui->actionDisconnect, SIGNAL(triggered()), this, SLOT(deleteLater()));
    m_title = windowTitle();
}

DisplayContainerWidget::~DisplayContainerWidget()
{
    delete ui;
}

void DisplayContainerWidget::setModel(Model *model)
{
    m_model = model;
}

void DisplayContainerWidget::setController(Controller *controller)
{
    m_controller = controller;
}

void DisplayContainerWidget::startSession(bool autoDetect, InterfaceMode mode, const QString &portName)
{
    Q_UNUSED(autoDetect);
    m_portName = portName;
    if (m_model)
        m_model->setInterfaceMode(mode);
    if (m_controller)
        m_controller->parser()->defineProtocol(mode);
}
