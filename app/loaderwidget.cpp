#include "loaderwidget.h"
#include "ui_loaderwidget.h"

#include <QCloseEvent>
#include <QMovie>

#include "windowfit.h"

LoaderWidget::LoaderWidget(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , ui(new Ui::LoaderWidget)
{
    ui->setupUi(this);
    m_movie = new QMovie(QStringLiteral(":/loader.gif"));
    ui->labelAnimation->setMovie(m_movie);
    m_movie->start();
    fitIntoScreen(this);
}

LoaderWidget::~LoaderWidget()
{
    m_movie->stop();
    delete m_movie;
    delete ui;
}

void LoaderWidget::on_btnCancel_clicked()
{
    emit abort();
}

void LoaderWidget::closeEvent(QCloseEvent *event)
{
    emit abort();
    event->accept();
}
