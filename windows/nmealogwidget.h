#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "icontroller.h"
#include "imodel.h"
#include "interfacemode.h"

class Controller;
class Model;
class QFile;

namespace Ui {
class NMEALogWidget;
}

// "Message Log": every line the parser passes on (black for NMEA, blue for the text of
// binary records), the raw received chunks in hexadecimal with a byte counter, and, on
// request, the raw byte stream written unchanged into a file.
//
// The lines and chunks that arrive reach the views together, right after the pass of the
// event loop that brought them, and then at most every flushIntervalMs: laying out the
// newest page of text is what the window costs, and lines that scroll past faster than
// that are not read off the screen anyway (they stay in the view to scroll back to).
//
// The file is opened for each chunk and closed again, so no handle is held between
// chunks. A chunk that cannot be stored whole ends the writing with a message, so the
// file never silently misses data while the window says it is writing.
class NMEALogWidget : public QWidget, public IController, public IModel
{
    Q_OBJECT

public:
    explicit NMEALogWidget(QWidget *parent = nullptr);
    ~NMEALogWidget() override;

    void setController(Controller *controller) override;
    void setModel(Model *model) override;

    static constexpr int flushIntervalMs = 250;

public slots:
    // Empties the views and the two fields; writing, if on, goes on into the same file.
    void clearWindow();

private slots:
    void dataRead(QByteArray data, InterfaceMode mode);
    void on_brnBrowse_clicked();
    void on_btnStartWriting_clicked();
    void on_btnStopWriting_clicked();
    void displayData(QByteArray data);
    void flushViews();

private:
    bool writeToFile(const QByteArray &data);
    void startWriting();
    void showOpenError();
    void showWriteError();
    void addBytesCount(int count);
    void resetByteCounter();
    void showIdleButtons();
    void scheduleFlush();
    void dropUnshownLines();
    void scheduleTimedFlush();

    Ui::NMEALogWidget *ui;
    QPointer<Controller> controller;
    QFile *file;
    bool writing;
    double receivedBytes;
    // What arrived since the views were last filled (see scheduleFlush): the lines, each
    // as it came, with the line feeds and characters they hold in all; the chunks as
    // received, turned into hexadecimal only when they go into the view.
    QStringList pendingMessages;
    int pendingMessageLines = 0;
    qint64 pendingMessageChars = 0;
    QList<QByteArray> pendingHex;
    qint64 pendingHexBytes = 0;
    QString pendingStyle;
    int hexFlowBlocks = 2000;
    int messageBlocks = 2000;
    bool flushScheduled;
    QElapsedTimer lastFlush;
};
