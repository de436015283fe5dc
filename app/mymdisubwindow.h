#pragma once

#include <QMdiSubWindow>

// The frame of a monitor window in the workspace. Closing it only hides it, so the
// Windows menu can bring the window back with everything it has received meanwhile.
class MyMdiSubWindow : public QMdiSubWindow
{
    Q_OBJECT

public:
    // The frame takes the widget as its child and the size its form gave it.
    explicit MyMdiSubWindow(QWidget *widget);

    // The frame's rectangle in the area when it is neither maximized nor minimized: the
    // one Restore gives back, kept for the next start.
    QRect normalFrameGeometry() const;

signals:
    void closeWindow(bool visible);

public slots:
    // true puts the frame at the top-left corner of the area, keeping its size.
    void setInZeroPosition(bool on);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Grows the frame where the window inside would have less than its contents need.
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_widget;
    QRect m_normalGeometry;
};
