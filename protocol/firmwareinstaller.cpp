#include "firmwareinstaller.h"

#include <QFile>

#include <cstring>

#include "pickedfile.h"

namespace {

const int PageSize = 1024;
const int SectorSize = 65536;
// The procedure counts sectors in one byte and pages in two.
const int MaxSectors = 255;
const int MaxPages = 65535;
// The largest image the counters can number: 255 sectors (65535 pages would be more).
const qint64 MaxImageSize = qint64(MaxSectors) * SectorSize;

// Group 6 sub-ids of the procedure.
const unsigned char SubReadPage = 0x02;
const unsigned char SubReadPageAlt = 0x05;
const unsigned char SubFirmwareType = 0x06;
const unsigned char SubEraseSector = 0x81;
const unsigned char SubWritePage = 0x82;
const unsigned char SubBoundary = 0x83;
const unsigned char SubEraseAll = 0x84;
const unsigned char SubWritePageAlt = 0x85;
const unsigned char SubCommit = 0x86;
const unsigned char SubUnused = 0x87;
const unsigned char SubBoundaryNew = 0x88;

// A first payload byte of 1 opens the installation, 0 closes it.
const quint8 BoundaryBegin = 1;
const quint8 BoundaryEnd = 0;

int ceilDiv(int value, int divisor)
{
    return (value + divisor - 1) / divisor;
}

void wordToBytes(quint32 word, quint8 *bytes)
{
    // The words carry header bytes as they lay in the file: memory order.
    std::memcpy(bytes, &word, sizeof word);
}

} // namespace

FirmwareInstaller::FirmwareInstaller(BinaryConfigurator *configurator, QObject *parent)
    : QObject(parent)
    , oldVersionRecord{6, 60, 1, 4, 7}
    , newVersionRecord{}
    , formatFlags{1, 1, 0}
    , engine(configurator)
    , file(new QFile(this))
{
    newVersionRecord[14] = 6;
    newVersionRecord[15] = 60;
    if (!configurator)
        return;
    // The installer's own handling of an error runs before the error is passed on.
    connect(configurator, SIGNAL(requestCompleted(QPair<MsgType, unsigned char>)),
            this, SLOT(requestCompleted(QPair<MsgType, unsigned char>)));
    connect(configurator, SIGNAL(requestError(QPair<MsgType, unsigned char>)),
            this, SLOT(requestError(QPair<MsgType, unsigned char>)));
    connect(configurator, SIGNAL(firmwarePageReceived(QByteArray)),
            this, SLOT(firmwarePageReceived(QByteArray)));
    connect(configurator, SIGNAL(firmwareTypeReceived(BinaryConfigurator::FrmLoadFile)),
            this, SIGNAL(frmLoadFileChanged(BinaryConfigurator::FrmLoadFile)));
    connect(configurator, SIGNAL(requestError(QPair<MsgType, unsigned char>)),
            this, SIGNAL(requestErrorToUpdate(QPair<MsgType, unsigned char>)));
}

FirmwareInstaller::~FirmwareInstaller() = default;

bool FirmwareInstaller::loadFile(QByteArray &data, const QString &fileName)
{
    // The file name is kept for the record; the bytes come through the picked-file rule.
    file->setFileName(fileName);
    if (PickedFile::read(fileName, MaxImageSize, data) != PickedFile::Problem::None) {
        emit fileError();
        return false;
    }
    return true;
}

void FirmwareInstaller::startInstallation(const QString &fileName, int installMode,
                                          bool oldReceiverFirmware, bool longVersionReply,
                                          bool oldImageFirmware,
                                          quint32 oldVersion, quint8 oldVersionLast,
                                          quint32 newVersion0, quint32 newVersion1,
                                          quint32 newVersion2, quint32 newVersion3,
                                          quint32 newVersion4)
{
    QByteArray loaded;
    if (!loadFile(loaded, fileName))
        return;
    installImage(loaded, installMode, oldReceiverFirmware, longVersionReply, oldImageFirmware, oldVersion,
                 oldVersionLast, newVersion0, newVersion1, newVersion2, newVersion3, newVersion4);
}

void FirmwareInstaller::installImage(const QByteArray &loaded, int installMode,
                                     bool oldReceiverFirmware, bool longVersionReply, bool oldImageFirmware,
                                     quint32 oldVersion, quint8 oldVersionLast,
                                     quint32 newVersion0, quint32 newVersion1, quint32 newVersion2,
                                     quint32 newVersion3, quint32 newVersion4)
{
    // Nothing to write, or more than the counters can number: refused before the
    // receiver erases its flash for an installation that cannot end.
    const int size = loaded.size();
    if (size == 0 || ceilDiv(size, SectorSize) > MaxSectors || ceilDiv(size, PageSize) > MaxPages) {
        emit fileError();
        return;
    }

    image = loaded;
    inProgress = true;
    sectorCount = quint8(ceilDiv(size, SectorSize));
    pageCount = quint16(ceilDiv(size, PageSize));
    sectorsErased = 0;
    pagesWritten = 0;
    pagesVerified = 0;
    mode = installMode;
    readBack.clear();
    readBack.reserve(int(pageCount) * PageSize);
    state = Announced;
    emit stepPassed(progress());

    wordToBytes(oldVersion, oldVersionRecord);
    oldVersionRecord[4] = oldVersionLast;
    formatFlags[0] = oldReceiverFirmware ? 1 : 0;
    formatFlags[1] = longVersionReply ? 1 : 0;
    formatFlags[2] = oldImageFirmware ? 1 : 0;
    const quint32 words[5] = {newVersion0, newVersion1, newVersion2, newVersion3, newVersion4};
    for (int i = 0; i < 5; ++i)
        wordToBytes(words[i], newVersionRecord + 4 * i);

    sendBoundary(BoundaryBegin);
}

void FirmwareInstaller::reset()
{
    inProgress = false;
    image.clear();
    readBack.clear();
}

void FirmwareInstaller::commit(int loadMark)
{
    if (engine)
        engine->commitFirmware(qint8(loadMark));
}

void FirmwareInstaller::requestFirmwareType()
{
    if (engine)
        engine->requestFirmwareType();
}

void FirmwareInstaller::sendBoundary(quint8 flag)
{
    if (!engine)
        return;
    if (formatFlags[0] == 0 && formatFlags[1] == 0 && formatFlags[2] == 0)
        engine->sendFirmwareBoundaryNew(flag, newVersionRecord[12], newVersionRecord[13], newVersionRecord[9]);
    else
        engine->sendFirmwareBoundary(flag, oldVersionRecord[2], oldVersionRecord[3], oldVersionRecord[4]);
}

bool FirmwareInstaller::isEraseAllMode() const
{
    return mode == 1;
}

QByteArray FirmwareInstaller::pageOfImage(int pageIndex) const
{
    // The last page holds what is left and may be shorter.
    return image.mid(pageIndex * PageSize, PageSize);
}

void FirmwareInstaller::readCurrentPage()
{
    if (!engine)
        return;
    if (isEraseAllMode())
        engine->readPageAlt(pagesVerified);
    else
        engine->readPage(pagesVerified);
}

double FirmwareInstaller::progress() const
{
    const int total = 2 * int(pageCount) + 3 + int(sectorCount);
    int done = 0;
    switch (state) {
    case Announced: done = 1; break;
    case Erasing: done = sectorsErased + 1; break;
    case Writing: done = sectorCount + 1 + pagesWritten; break;
    case Verifying: done = sectorCount + 1 + pageCount + pagesVerified; break;
    case Committing: done = sectorCount + 2 * (pageCount + 1); break;
    default: done = total; break;
    }
    return double(done) / double(total);
}

void FirmwareInstaller::fail()
{
    reset();
    emit installationFailed();
}

void FirmwareInstaller::requestCompleted(QPair<MsgType, unsigned char> request)
{
    const unsigned char subId = request.second;
    if (!inProgress || !engine || request.first != MsgFirmware || subId < SubEraseSector || subId > SubBoundaryNew)
        return;
    if (subId == SubUnused)
        return;

    switch (subId) {
    case SubBoundary:
    case SubBoundaryNew:
        if (state == Announced) {
            state = Erasing;
            if (isEraseAllMode())
                engine->eraseAll();
            else
                engine->eraseSector(0);
        } else if (state == Ending) {
            reset();
            emit installationFinished();
            emit finish();
            return;
        } else {
            fail();
            return;
        }
        break;
    case SubEraseSector:
        if (state != Erasing) {
            fail();
            return;
        }
        ++sectorsErased;
        if (sectorsErased >= sectorCount) {
            state = Writing;
            engine->writePage(0, pageOfImage(0));
        } else {
            engine->eraseSector(sectorsErased);
        }
        break;
    case SubEraseAll:
        if (state != Erasing) {
            fail();
            return;
        }
        sectorsErased = sectorCount;
        state = Writing;
        engine->writePageAlt(0, pageOfImage(0));
        break;
    case SubWritePage:
    case SubWritePageAlt:
        if (state != Writing) {
            fail();
            return;
        }
        ++pagesWritten;
        if (pagesWritten >= pageCount) {
            state = Verifying;
            if (subId == SubWritePageAlt)
                engine->readPageAlt(0);
            else
                engine->readPage(0);
        } else if (subId == SubWritePageAlt) {
            engine->writePageAlt(pagesWritten, pageOfImage(pagesWritten));
        } else {
            engine->writePage(pagesWritten, pageOfImage(pagesWritten));
        }
        break;
    case SubCommit:
        if (state != Committing) {
            fail();
            return;
        }
        state = Ending;
        sendBoundary(BoundaryEnd);
        break;
    default:
        return;
    }
    emit stepPassed(progress());
}

void FirmwareInstaller::firmwarePageReceived(QByteArray page)
{
    if (!inProgress || !engine)
        return;
    if (state != Verifying) {
        fail();
        return;
    }
    readBack.append(page);
    ++pagesVerified;
    if (pagesVerified >= pageCount) {
        // The receiver returns whole pages, so the read-back of an image whose size
        // is not a multiple of the page runs on past its end: only the image's own
        // bytes are compared. A read-back shorter than the image fails.
        if (readBack.size() < image.size() || std::memcmp(readBack.constData(), image.constData(), size_t(image.size())) != 0) {
            reset();
            emit errorValidateFirmware();
            return;
        }
        state = Committing;
        engine->commitFirmware(qint8(mode));
    } else {
        readCurrentPage();
    }
    emit stepPassed(progress());
}

void FirmwareInstaller::requestError(QPair<MsgType, unsigned char> request)
{
    if (!inProgress || request.first != MsgFirmware)
        return;
    switch (request.second) {
    case SubWritePage:
    case SubWritePageAlt:
        reset();
        emit errorWrite(pagesWritten);
        break;
    case SubEraseSector:
    case SubEraseAll:
        reset();
        emit errorErase(sectorsErased);
        break;
    case SubReadPage:
    case SubReadPageAlt:
    case SubFirmwareType:
    case SubBoundary:
    case SubBoundaryNew:
    case SubCommit:
        fail();
        break;
    default:
        // A request the procedure never sends (the page's version queries, for one)
        // says nothing about the installation.
        break;
    }
}
