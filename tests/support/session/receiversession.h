#pragma once

#include <QByteArray>
#include <QObject>

#include "interfacemode.h"
#include "scriptedreceiver.h"

class Controller;
class Model;

// A connected session as the main window makes one: a real Model and Controller, wired
// the way the main window wires them, with the receiver link on a socket to a
// ScriptedReceiver on 127.0.0.1. Bytes the test sends travel the real reader, parser
// proxy and sentence handler into whatever window is connected to the Controller.
//
//   ReceiverSession session;
//   QVERIFY(session.open(InterfaceNmea));
//   window.setModel(session.model);
//   window.setController(session.controller);
//   session.send(nmeaLine("GPGGA,..."));
//   QTRY_COMPARE(edit->text(), ...);
class ReceiverSession : public QObject
{
    Q_OBJECT

public:
    explicit ReceiverSession(QObject *parent = nullptr);
    ~ReceiverSession() override;

    // Listens, opens the socket link, starts it and waits (at most timeoutMs) until both
    // ends see the connection; the Model (and so the parser) is put in the given mode.
    bool open(InterfaceMode mode = InterfaceNmea, int timeoutMs = 20000);

    // Sends bytes from the receiver to the program.
    void send(const QByteArray &bytes);

    ScriptedReceiver receiver;
    Model *model = nullptr;
    Controller *controller = nullptr;
};
