#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <functional>

#include "server.h"

class QCloseEvent;
class Ui_MainWindow;

// The replay window: loads a recorded receiver log, lists its lines, and plays them at the
// chosen speed to every client of the embedded TCP service. The current row of the list is
// the playback position.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Asks the user for the log to load; returns an empty path when cancelled.
    using FileChooser = std::function<QString()>;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void startPlayback();
    void stopPlaybackTimer();

    // Replaces the open-file dialog (tests answer it without a person).
    void setFileChooser(FileChooser chooser);

    Server &replayServer();
    int playbackInterval() const;
    int playbackLinesPerTick() const;

public slots:
    void playerSlot();
    void whilePlayerSlot();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_pushButton_clicked();
    void on_btnPlay_clicked();
    void on_btnStop_clicked();
    void on_btnLeft_clicked();
    void on_btnRight_clicked();
    void on_port_editingFinished();
    void on_speed_editingFinished();
    void on_pushButton_2_clicked();

private:
    void applyTimingRule(int speed);
    void loadFile(const QString &path);
    void makeRowCurrent(int row);
    void restartTickClock();
    int ticksDue();

    QTimer timer;
    Server server;
    int portNumber = 0;
    int interval = 0;
    int linesPerTick = 0;
    Ui_MainWindow *ui = nullptr;
    FileChooser chooseFile;
    // The text of one tick's lines; kept so its room is reused from tick to tick.
    QString tickText;
    // Playing time since playback (re)started, and the ticks played in it.
    QElapsedTimer tickClock;
    qint64 ticksPlayed = 0;
};
