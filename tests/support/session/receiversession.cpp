#include "receiversession.h"

#include <QSignalSpy>
#include <QTest>

#include "controller.h"
#include "model.h"
#include "parserproxy.h"
#include "readerproxy.h"
#include "sentencehandler.h"

ReceiverSession::ReceiverSession(QObject *parent)
    : QObject(parent)
    , model(new Model(this))
    , controller(new Controller(this))
{
    // As the main window does: positions feed the Model, the Model's mode picks the parser.
    connect(controller->sentenceHandler(), SIGNAL(setCoordinate(GeoCoordinate)),
            model, SLOT(setReceiverCoordinates(GeoCoordinate)));
    connect(model, SIGNAL(interfaceModeChanged(InterfaceMode)),
            controller->parser(), SLOT(setInterfaceMode(InterfaceMode)));
    controller->parser()->setInterfaceMode(model->interfaceMode());
}

ReceiverSession::~ReceiverSession()
{
    // The Controller's link goes before the receiver's server, as in the program where the
    // receiver outlives a session.
    delete controller;
    controller = nullptr;
}

bool ReceiverSession::open(InterfaceMode mode, int timeoutMs)
{
    if (!receiver.listen())
        return false;
    model->setInterfaceMode(mode);
    QSignalSpy connected(controller->reader(), SIGNAL(connected()));
    controller->reader()->openSocket(QStringLiteral("127.0.0.1"), receiver.port());
    controller->reader()->start();
    if (connected.isEmpty() && !connected.wait(timeoutMs))
        return false;
    return QTest::qWaitFor([this]() { return receiver.hasClient(); }, timeoutMs);
}

void ReceiverSession::send(const QByteArray &bytes)
{
    receiver.send(bytes);
}
