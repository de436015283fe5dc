#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

// A stand-in for the receiver on a real TCP port of 127.0.0.1. polvane connects to it
// with its ordinary socket reader. It cuts the command frames that arrive, checks their
// checksums, records them, and answers each from a script.
//
//   ScriptedReceiver receiver;
//   QVERIFY(receiver.listen());
//   receiver.answerNext({ScriptedReceiver::data(QByteArray::fromHex("00c20100")),
//                        ScriptedReceiver::silence(),
//                        ScriptedReceiver::late(ScriptedReceiver::done(), 200)});
//   receiver.answerAlways(6, 0x82, ScriptedReceiver::done());
//   ... connect a SocketReader to 127.0.0.1:receiver.port() ...
//   QTRY_COMPARE(receiver.commands().size(), 3);
//
// How a command is answered, first match wins:
//   1. the next entry of the answerNext() list (each entry is used once);
//   2. the answerAlways() rule or responder for the command's group and sub-id;
//   3. the fallback (silence unless setFallback() was called).
// Checking and cutting are done with the receiver's own checksum routine written here
// afresh, so the tests do not grade the program against its own code.
class ScriptedReceiver : public QObject
{
    Q_OBJECT
public:
    // One command frame as it arrived.
    struct Command {
        quint8 group = 0;
        quint8 subId = 0;
        QByteArray payload;
        QByteArray frame;       // the whole frame, sync bytes and checksum included
        bool checksumOk = false;
    };

    // What to send back: the bytes (zero, one or several frames, or anything else)
    // and how long after the command to send them.
    struct Answer {
        QByteArray bytes;
        int delayMs = 0;
    };

    using Responder = std::function<Answer(const Command &)>;

    explicit ScriptedReceiver(QObject *parent = nullptr);
    ~ScriptedReceiver() override;

    // Listens on 127.0.0.1 at a free port.
    bool listen();
    quint16 port() const;
    bool hasClient() const;

    // Script.
    void answerNext(const QList<Answer> &answers);
    void answerAlways(quint8 group, quint8 subId, const Answer &answer);
    void answerAlways(quint8 group, quint8 subId, const Responder &responder);
    void setFallback(const Responder &responder);
    void setFallback(const Answer &answer);
    int pendingAnswers() const;

    // Answers.
    static Answer status(quint8 status, const QByteArray &payload = QByteArray());
    static Answer refused();                      // status 0
    static Answer done();                         // status 1
    static Answer data(const QByteArray &payload); // status 2 with data
    static Answer silence();                      // no answer at all
    static Answer late(Answer answer, int delayMs);
    static Answer twice(Answer answer);           // the same answer written twice
    static Answer raw(const QByteArray &bytes);

    // Sends bytes to the client now, outside the script (for example a late
    // answer or a message frame).
    void send(const QByteArray &bytes);
    // Ends the link to the client as a receiver or a replay program does: with a reset
    // (the program killed, the cable cut at a router) or in order (shut down, then closed).
    void endLink(bool reset);

    // What arrived.
    QList<Command> commands() const;
    int count(quint8 group, quint8 subId) const;
    int badFrames() const;
    QByteArray strayBytes() const;
    void clearRecord();

    // Frame helpers with this file's own checksum.
    static quint16 checksum(const QByteArray &bytes);
    static QByteArray frame(quint8 kind, quint8 id, const QByteArray &payload);

signals:
    void clientConnected();
    void commandReceived(int index);

private slots:
    void acceptClient();
    void readClient();

private:
    void cutFrames();
    void respond(const Command &command);
    Answer answerFor(const Command &command);
    static quint32 key(quint8 group, quint8 subId);

    QTcpServer server;
    QPointer<QTcpSocket> client;
    QByteArray buffer;
    QByteArray stray;
    QList<Command> received;
    int bad = 0;
    QList<Answer> next;
    QHash<quint32, Responder> rules;
    Responder fallback;
};
