#include "controller.h"

#include "binaryconfigurator.h"
#include "eventdispatcher.h"
#include "firmwareinstaller.h"
#include "firmwarereader.h"
#include "parserproxy.h"
#include "readerproxy.h"
#include "sentencehandler.h"

Controller::Controller(QObject *parent)
    : QObject(parent)
    , m_reader(new ReaderProxy(this))
    , m_parser(new ParserProxy(this))
    , m_sentenceHandler(new SentenceHandler(this))
    , m_binaryConfigurator(new BinaryConfigurator(m_reader, m_parser, this))
    , m_auxReader(new ReaderProxy(this))
    , m_firmwareInstaller(new FirmwareInstaller(m_binaryConfigurator, this))
    , m_firmwareReader(new FirmwareReader(m_binaryConfigurator, this))
    , m_eventDispatcher(new EventDispatcher(this))
{
    m_sentenceHandler->setParser(m_parser);

    // The handler drops its gathered satellite lists at the next series once the
    // windows were cleared; the flag lives in the engine, which the handler must not
    // know. The engine is a child of this Controller, so it outlives the handler's use.
    BinaryConfigurator *engine = m_binaryConfigurator;
    m_sentenceHandler->setModuleResetHook([engine]() {
        const bool wasSet = engine->moduleReset;
        engine->moduleReset = false;
        return wasSet;
    });

    connect(m_reader, SIGNAL(dataRead(QByteArray)), m_parser, SLOT(parse(QByteArray)));
    // Whatever arrives on the auxiliary input goes to the receiver unchanged.
    connect(m_auxReader, SIGNAL(dataRead(QByteArray)), m_reader, SLOT(sendData(QByteArray)));
}

Controller::~Controller() = default;

ParserProxy *Controller::parser() const { return m_parser; }
ReaderProxy *Controller::reader() const { return m_reader; }
SentenceHandler *Controller::sentenceHandler() const { return m_sentenceHandler; }
BinaryConfigurator *Controller::binaryConfigurator() const { return m_binaryConfigurator; }
ReaderProxy *Controller::auxReader() const { return m_auxReader; }
FirmwareInstaller *Controller::firmwareInstaller() const { return m_firmwareInstaller; }
FirmwareReader *Controller::firmwareReader() const { return m_firmwareReader; }
EventDispatcher *Controller::eventDispatcher() const { return m_eventDispatcher; }
