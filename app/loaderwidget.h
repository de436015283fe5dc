#pragma once

#include <QWidget>

class QMovie;

namespace Ui {
class LoaderWidget;
}

// The busy indicator of the baud-rate search: an animation and Cancel. Cancel and the
// title-bar close button both ask for the search to be aborted.
class LoaderWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LoaderWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~LoaderWidget() override;

signals:
    void abort();

private slots:
    void on_btnCancel_clicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Ui::LoaderWidget *ui;
    QMovie *m_movie;
};
