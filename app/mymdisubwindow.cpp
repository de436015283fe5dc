#include "mymdisubwindow.h"

#include <QCloseEvent>

MyMdiSubWindow::MyMdiSubWindow(QWidget *widget)
    : QMdiSubWindow(nullptr, Qt::WindowFlags())
    , m_widget(widget)
{
    setWidget(m_widget);
    setSizeIncrement(m_widget->size());
    resize(m_widget->size());
}

void MyMdiSubWindow::setInZeroPosition(bool on)
{
    if (on)
        setGeometry(0, 0, width(), height());
}

void MyMdiSubWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    setVisible(false);
    emit closeWindow(false);
}
