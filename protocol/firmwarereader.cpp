#include "firmwarereader.h"

#include <QFile>

namespace {

const unsigned char SubReadPage = 0x02;

} // namespace

FirmwareReader::FirmwareReader(BinaryConfigurator *configurator, QObject *parent)
    : QObject(parent)
    , engine(configurator)
    , file(new QFile(this))
{
    if (!configurator)
        return;
    connect(configurator, SIGNAL(requestError(QPair<MsgType, unsigned char>)),
            this, SLOT(requestError(QPair<MsgType, unsigned char>)));
    connect(configurator, SIGNAL(firmwarePageReceived(QByteArray)),
            this, SLOT(firmwarePageReceived(QByteArray)));
}

FirmwareReader::~FirmwareReader() = default;

void FirmwareReader::start(const QString &fileName)
{
    // Emptied now, so that an earlier read-out into the same file leaves nothing behind.
    file->setFileName(fileName);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        emit fileOpenError();
        return;
    }
    file->close();
    currentPage = 0;
    reading = true;
    if (engine)
        engine->readPage(currentPage);
}

void FirmwareReader::stop()
{
    reading = false;
}

bool FirmwareReader::writePage(const QByteArray &page)
{
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append)) {
        emit fileOpenError();
        return false;
    }
    // The write goes through the file's buffer; only the flush tells whether the
    // bytes reached the disk.
    const bool written = file->write(page) == page.size() && file->flush();
    file->close();
    if (!written) {
        emit fileWriteError();
        return false;
    }
    return true;
}

void FirmwareReader::firmwarePageReceived(QByteArray page)
{
    if (!reading)
        return;
    if (!writePage(page)) {
        // The read-out ends here; the firmware installer listens to the same pages,
        // and a reader still reading would take the installer's pages as its own.
        reading = false;
        return;
    }
    ++currentPage;
    if (currentPage >= pageCount) {
        reading = false;
        emit readingFinished();
        return;
    }
    if (engine)
        engine->readPage(currentPage);
    emit stepPassed(double(currentPage) / double(pageCount));
}

void FirmwareReader::requestError(QPair<MsgType, unsigned char> request)
{
    if (!reading || request.first != MsgFirmware)
        return;
    reading = false;
    if (request.second == SubReadPage)
        emit errorRead(currentPage);
}
