#include "baudrateservice.h"

#include <QTimer>

#include "controller.h"
#include "readerproxy.h"

namespace {

// The port needs a moment after it was reopened before the receiver hears a
// command at the new rate.
const int ReopenWaitMs = 200;

const unsigned char HandshakeSubId = 0x00;
const unsigned char ProbeSubId = 0x01;

} // namespace

BaudRateService::BaudRateService(QWidget *parent)
    : QWidget(parent)
    , baudRates({115200, 460800, 38400, 19200, 9600})
    , portTimer(new QTimer(this))
{
    portTimer->setSingleShot(true);
    connect(portTimer, SIGNAL(timeout()), this, SLOT(timeoutSetSerrialPort()));
}

BaudRateService::~BaudRateService() = default;

void BaudRateService::setController(Controller *newController)
{
    if (controller == newController)
        return;
    if (controller) {
        BinaryConfigurator *engine = controller->binaryConfigurator();
        disconnect(engine, SIGNAL(requestCompleted(QPair<MsgType, unsigned char>)),
                   this, SLOT(requestCompleted(QPair<MsgType, unsigned char>)));
        disconnect(engine, SIGNAL(requestError(QPair<MsgType, unsigned char>)),
                   this, SLOT(requestError(QPair<MsgType, unsigned char>)));
        disconnect(controller->reader(), SIGNAL(error()), this, SLOT(linkFailed()));
    }
    controller = newController;
    // The notes belong to the old engine's queue.
    sentBySearch.clear();
    listening = false;
    if (controller) {
        BinaryConfigurator *engine = controller->binaryConfigurator();
        connect(engine, SIGNAL(requestCompleted(QPair<MsgType, unsigned char>)),
                this, SLOT(requestCompleted(QPair<MsgType, unsigned char>)), Qt::UniqueConnection);
        connect(engine, SIGNAL(requestError(QPair<MsgType, unsigned char>)),
                this, SLOT(requestError(QPair<MsgType, unsigned char>)), Qt::UniqueConnection);
        connect(controller->reader(), SIGNAL(error()), this, SLOT(linkFailed()), Qt::UniqueConnection);
    }
}

void BaudRateService::startSearch()
{
    if (!controller)
        return;
    // A try of an earlier search that is still waiting for its port must not send
    // its handshake into this one.
    portTimer->stop();
    forgetRetiredRequests();
    ++searchNumber;
    listening = true;
    index = 0;
    searching = true;
    emit displayTestBaudRate(-1);
    tryCurrentRate();
}

void BaudRateService::stopSearch()
{
    searching = false;
    listening = false;
}

void BaudRateService::setSerialBaudRate(int baudRate)
{
    if (!controller)
        return;
    ReaderProxy *reader = controller->reader();
    reader->stop();
    QString portName;
    int oldRate = 0;
    if (reader->serialSettings(portName, oldRate))
        reader->openSerialPort(portName, baudRate);
    reader->start();
}

void BaudRateService::tryCurrentRate()
{
    if (!searching || index < 0 || index >= baudRates.size())
        return;
    const int rate = baudRates.at(index);
    emit displayTestBaudRate(rate);
    setSerialBaudRate(rate);
    // A port that did not reopen has ended the search (linkFailed).
    if (!listening)
        return;
    portTimer->start(ReopenWaitMs);
}

void BaudRateService::timeoutSetSerrialPort()
{
    // A search stopped during the wait still sends this one handshake; its outcome
    // is no longer acted on.
    if (!controller)
        return;
    noteSent();
    controller->binaryConfigurator()->sendOpen();
}

void BaudRateService::requestCompleted(QPair<MsgType, unsigned char> request)
{
    if (!takeOutcome(request))
        return;
    if (request.second == HandshakeSubId) {
        noteSent();
        controller->binaryConfigurator()->sendProbe();
    } else {
        finishSearch(true);
    }
}

void BaudRateService::requestError(QPair<MsgType, unsigned char> request)
{
    if (!takeOutcome(request))
        return;
    if (request.second == HandshakeSubId && index < baudRates.size() - 1) {
        ++index;
        tryCurrentRate();
    } else {
        // The last rate gave no handshake, or the receiver heard the handshake but
        // refused the probe: trying further rates would not help.
        finishSearch(false);
    }
}

void BaudRateService::finishSearch(bool isFound)
{
    listening = false;
    emit finishFoundBaudRateMaster(isFound);
}

void BaudRateService::linkFailed()
{
    // Every further rate would reopen a port that is gone, and each failure would be
    // one more error for the same loss; nor is "not found" a verdict on a dead link.
    if (!listening)
        return;
    listening = false;
    searching = false;
    portTimer->stop();
    emit linkLost();
}

void BaudRateService::noteSent()
{
    forgetRetiredRequests();
    sentBySearch.append(searchNumber);
}

void BaudRateService::forgetRetiredRequests()
{
    // The engine retires a request without a word when the receiver answers it with a
    // status it does not know. Its note would then take the outcome of the next
    // handshake or probe, of this search or the next. The engine keeps its queue in
    // the order of sending, so the notes beyond what it still holds of ours are the
    // oldest ones.
    if (!controller)
        return;
    const BinaryConfigurator *engine = controller->binaryConfigurator();
    const int held = engine->queuedRequests(MsgReceiverParameters, HandshakeSubId)
                     + engine->queuedRequests(MsgReceiverParameters, ProbeSubId);
    while (sentBySearch.size() > held)
        sentBySearch.removeFirst();
}

bool BaudRateService::takeOutcome(QPair<MsgType, unsigned char> request)
{
    if (request.first != MsgReceiverParameters
        || (request.second != HandshakeSubId && request.second != ProbeSubId))
        return false;
    // Not one of ours (nothing of ours is in flight).
    if (sentBySearch.isEmpty())
        return false;
    const int sentBy = sentBySearch.takeFirst();
    return controller && listening && sentBy == searchNumber;
}
