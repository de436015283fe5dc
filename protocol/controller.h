#pragma once

#include <QObject>

class BinaryConfigurator;
class EventDispatcher;
class FirmwareInstaller;
class FirmwareReader;
class ParserProxy;
class ReaderProxy;
class SentenceHandler;

// Owns the whole receiver side of the program: the receiver link, the parser, the
// sentence handler, the command engine, the firmware procedures, an auxiliary byte
// source and the event dispatcher. Windows, pages and tools reach them through the
// accessors; a new session gets a new Controller, so it starts with an empty command
// queue and fresh parsers.
class Controller : public QObject
{
    Q_OBJECT

public:
    explicit Controller(QObject *parent = nullptr);
    ~Controller() override;

    ParserProxy *parser() const;
    ReaderProxy *reader() const;
    SentenceHandler *sentenceHandler() const;
    BinaryConfigurator *binaryConfigurator() const;
    ReaderProxy *auxReader() const;
    FirmwareInstaller *firmwareInstaller() const;
    FirmwareReader *firmwareReader() const;
    EventDispatcher *eventDispatcher() const;

private:
    // In the order they are created; every one has the Controller as its Qt parent.
    ReaderProxy *m_reader;
    ParserProxy *m_parser;
    SentenceHandler *m_sentenceHandler;
    BinaryConfigurator *m_binaryConfigurator;
    ReaderProxy *m_auxReader;
    FirmwareInstaller *m_firmwareInstaller;
    FirmwareReader *m_firmwareReader;
    EventDispatcher *m_eventDispatcher;
};
