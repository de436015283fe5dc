#pragma once

// The calibration window as the workspace opens it (a child window with its dialog
// flags, window-modal, handed the Controller once), on a real Controller whose link
// is a socket to the scripted receiver in binary mode. Message boxes and file dialogs
// are answered through the tools' seam and recorded.

#include <QCheckBox>
#include <QCoreApplication>
#include <QColor>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <QtTest>

#include "hexbytes.h"
#include "screenshot.h"
#include "calibration.h"
#include "controller.h"
#include "payload.h"
#include "receiversession.h"
#include "settlewindow.h"
#include "tooldialogs.h"

// A calibration table as the receiver sends it: 28 entries of 12 bytes (value and
// std as little-endian singles, the flag byte, three reserved bytes).
class TableBytes
{
public:
    TableBytes()
        : bytes(336, '\0')
    {
    }

    TableBytes &entry(int index, float value, float std, quint8 flag,
                      const QByteArray &reserved = QByteArray(3, '\0'))
    {
        QByteArray e = Payload().f32(value).f32(std).u8(flag);
        e += reserved.left(3);
        bytes.replace(index * 12, 12, e);
        return *this;
    }

    operator QByteArray() const { return bytes; }

    QByteArray bytes;
};

// "21 4E 05 ..." as bytes.
// The flags the workspace opens the window with.
const Qt::WindowFlags DialogFlags = Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                    | Qt::WindowCloseButtonHint;

// The position reply: the receiver keeps longitude first.
inline QByteArray llaPayload(double lat, double lon, double alt)
{
    return Payload().f64(lon).f64(lat).f64(alt);
}

// Tables that look like a real receiver's: GLONASS channels -7 to 6 in two bands,
// biases of a few tenths and deviations of a few hundredths.
inline TableBytes currentTable()
{
    TableBytes table;
    for (int i = 0; i < 28; ++i) {
        const int row = i % 14 - 7;
        const bool l2 = i >= 14;
        if (row == 6 && l2)
            continue; // never measured
        table.entry(i, float(0.412 * row + (l2 ? 1.237 : 0.318)), float(0.031 + 0.004 * (i % 5)), 1,
                    QByteArray::fromHex("5a0000"));
    }
    return table;
}

inline TableBytes newTable()
{
    TableBytes table;
    for (int i = 0; i < 28; ++i) {
        const int row = i % 14 - 7;
        const bool l2 = i >= 14;
        if (i % 9 == 4)
            continue; // the channel had no satellite during the run
        table.entry(i, float(0.405 * row + (l2 ? 1.251 : 0.322)), float(0.018 + 0.011 * (i % 4)), 1);
    }
    return table;
}

// What the window says when the receiver never takes a command (the English texts).
const QString StartNotTakenText = QStringLiteral(
    "The receiver did not start the calibration: it refused the command or did not answer.");
const QString PositionReadBackText = QStringLiteral(
    "The receiver did not take the position: it refused it or did not answer. "
    "The fields show the position the receiver holds.");
const QString PositionNotTakenText = QStringLiteral(
    "The receiver did not take the position: it refused it or did not answer, and its position could not be "
    "read. The marked fields hold the typed position, which the receiver has not taken.");
const QString TableNotTakenText = QStringLiteral(
    "The receiver did not take the calibration table: it refused it or did not answer. It was not restarted; "
    "its current table is read again.");

// The controls while calibrating, and in the idle and reviewing states.
const QString CalibratingControls =
    QStringLiteral("btnStart off, btnStop on, btnSaveRestart off, btnSet off, Comb 3 locked");
const QString NotCalibratingControls =
    QStringLiteral("btnStart on, btnStop off, btnSaveRestart on, btnSet on, Comb 3 editable");

// How the scripted receiver answers a command in a table row.
enum class Reply { Done, Refused, Silent };
Q_DECLARE_METATYPE(Reply)

inline ScriptedReceiver::Answer answerOf(Reply reply)
{
    switch (reply) {
    case Reply::Done:
        return ScriptedReceiver::done();
    case Reply::Refused:
        return ScriptedReceiver::refused();
    case Reply::Silent:
        break;
    }
    return ScriptedReceiver::silence();
}

// The colour that fills most of a field as it is drawn on screen: its background.
inline QColor backgroundOf(QWidget *field)
{
    const QImage image = field->grab().toImage();
    QHash<QRgb, int> counts;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb most = 0;
    int count = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > count) {
            count = it.value();
            most = it.key();
        }
    }
    return QColor(most);
}

struct ShownMessage {
    QWidget *parent = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
};

struct AskedFile {
    QWidget *parent = nullptr;
    FileDialogKind kind = FileDialogKind::Open;
    QString caption;
    QString dir;
    QString filter;
};

class CalibrationRig
{
public:
    CalibrationRig()
    {
        ToolDialogs::setMessageHook([this](QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                           const QString &text, QMessageBox::StandardButtons) {
            messages.append(ShownMessage{parent, icon, title, text});
            return QMessageBox::Ok;
        });
        ToolDialogs::setFileHook([this](QWidget *parent, FileDialogKind kind, const QString &caption,
                                        const QString &dir, const QString &filter) {
            files.append(AskedFile{parent, kind, caption, dir, filter});
            return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
        });
    }

    ~CalibrationRig()
    {
        delete window;
        ToolDialogs::setMessageHook(nullptr);
        ToolDialogs::setFileHook(nullptr);
    }

    // Connects the session; the receiver answers the position and the current table
    // (an empty payload leaves that request unanswered).
    bool open(const QByteArray &lla, const QByteArray &table)
    {
        if (!session.open(InterfaceBinary))
            return false;
        if (!lla.isEmpty())
            receiver().answerAlways(5, 0x00, ScriptedReceiver::data(lla));
        if (!table.isEmpty())
            receiver().answerAlways(5, 0x03, ScriptedReceiver::data(table));
        return true;
    }

    // Opens the window as Shift+C does, but lays it out before it reads: on a busy machine
    // the form's first layout and paint hold the GUI thread for seconds, and the first
    // request would time out meanwhile, unanswered.
    void show()
    {
        workspace.resize(900, 950);
        workspace.show();
        window = new Calibration(&workspace, Qt::Dialog | Qt::WindowMinimizeButtonHint
                                                 | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
        window->setWindowModality(Qt::WindowModal);
        window->show();
        settleWindow(window);
        window->setController(session.controller);
        // Connected after the window, so these run once the window has shown a reply.
        BinaryConfigurator *engine = session.controller->binaryConfigurator();
        QObject::connect(engine, &BinaryConfigurator::llaChange, &workspace, [this]() { ++positionsShown; });
        QObject::connect(engine, &BinaryConfigurator::oldClbDataChange, &workspace, [this]() { ++currentShown; });
        QObject::connect(engine, &BinaryConfigurator::newClbDataChange, &workspace, [this]() { ++newShown; });
    }

    // Opens the window and waits until it shows the position and the current table.
    bool showAndRead()
    {
        show();
        return QTest::qWaitFor([this]() { return positionsShown == 1 && currentShown == 1; }, 20000);
    }

    ScriptedReceiver &receiver() { return session.receiver; }

    QLineEdit *edit(const QString &name) const { return window->findChild<QLineEdit *>(name); }
    QCheckBox *box(const QString &name) const { return window->findChild<QCheckBox *>(name); }
    QPushButton *button(const QString &name) const { return window->findChild<QPushButton *>(name); }

    // Set "Curr", "New" or "Comb"; entry 0 to 27 (14 and up are band L2).
    QLineEdit *valueEdit(const char *set, int entry) const
    {
        return edit(QStringLiteral("edit%1L%2Value_%3").arg(QLatin1String(set)).arg(entry / 14 + 1).arg(entry % 14));
    }
    QLineEdit *stdEdit(const char *set, int entry) const
    {
        return edit(QStringLiteral("edit%1L%2Std_%3").arg(QLatin1String(set)).arg(entry / 14 + 1).arg(entry % 14));
    }
    QCheckBox *flagBox(const char *set, int entry) const
    {
        return box(QStringLiteral("chBox%1L%2Flag_%3").arg(QLatin1String(set)).arg(entry / 14 + 1).arg(entry % 14));
    }

    // The payloads of every command of group 5 with this sub-id so far.
    QList<QByteArray> payloads(quint8 subId) const
    {
        QList<QByteArray> out;
        for (const ScriptedReceiver::Command &command : session.receiver.commands()) {
            if (command.group == 5 && command.subId == subId)
                out.append(command.payload);
        }
        return out;
    }

    // Start, let the receiver answer one poll with the new table, then Stop.
    bool calibrate(const QByteArray &table)
    {
        receiver().answerAlways(5, 0x81, ScriptedReceiver::done());
        receiver().answerAlways(5, 0x04, ScriptedReceiver::data(table));
        button("btnStart")->click();
        if (!QTest::qWaitFor([this]() { return newShown >= 1; }, 20000))
            return false;
        button("btnStop")->click();
        return true;
    }

    // What of the controls a user can work, as text: the four buttons, then an entry of
    // the combined view ("Comb 3": its value edit and check box).
    QString controls() const
    {
        QStringList states;
        for (const char *name : {"btnStart", "btnStop", "btnSaveRestart", "btnSet"})
            states << QStringLiteral("%1 %2").arg(QLatin1String(name), button(name)->isEnabled() ? "on" : "off");
        const bool editable = !valueEdit("Comb", 3)->isReadOnly() && flagBox("Comb", 3)->isEnabled();
        states << QStringLiteral("Comb 3 %1").arg(editable ? "editable" : "locked");
        return states.join(QStringLiteral(", "));
    }

    // The frames of every command so far, in the order they came.
    QList<QByteArray> frames() const
    {
        QList<QByteArray> out;
        for (const ScriptedReceiver::Command &command : session.receiver.commands())
            out.append(command.frame);
        return out;
    }

    ReceiverSession session;
    QWidget workspace;
    QPointer<Calibration> window;
    QList<ShownMessage> messages;
    QList<AskedFile> files;
    QStringList fileAnswers;
    int positionsShown = 0;
    int currentShown = 0;
    int newShown = 0;
};
