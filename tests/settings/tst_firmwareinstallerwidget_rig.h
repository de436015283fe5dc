#pragma once

// What the firmware page tests share: a page on a session whose receiver keeps an
// in-memory flash (and its versions and load mark in the settings table), images in a
// temporary directory, and the settings seam answering the file chooser and the boxes.

#include <QAbstractButton>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QMetaMethod>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "controller.h"
#include "firmwareinstallerwidget.h"
#include "hexbytes.h"
#include "pagefixture.h"
#include "parserproxy.h"
#include "payload.h"
#include "settingsdialogs.h"
#include "tst_firmwareinstallerwidget_flash.h"

// The receiver's version reply: major, minor, year, two date parts, two unused bytes.
inline QByteArray receiverVersion(quint8 major, quint8 minor)
{
    return Payload().u8(major).u8(minor).u16(2016).u8(15).u8(3).u16(0);
}

// A new-style image: version 7.0 at 40 with 0A 0B 0C behind it, the record at 100,
// identifier 0x0001A2FF, byte 81 = 3, build 01 to 05 and its date behind the record.
inline QByteArray newStyleImage(int size = 2500)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char((i * 7 + 1) & 0xFF);
    // Header fields beyond a short image are left out.
    auto put = [&image](int offset, const QByteArray &bytes) {
        for (int i = 0; i < bytes.size() && offset + i < image.size(); ++i)
            image[offset + i] = bytes.at(i);
    };
    put(40, hex("07000a0b0c"));
    put(72, Payload().u32(100));
    put(76, hex("ffa20100"));
    put(80, hex("00"));
    put(81, hex("03"));
    put(100, QByteArray(12, '\0'));
    put(112, hex("0102030405"));
    put(117, QByteArray("2024.01.15", 11));
    return image;
}

// One box the page showed, as the seam saw it.
struct Box {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    bool progressHidden;
    int blankingsBefore; // blanking signals of the parser proxy so far
};

class FirmwareRig : public PageFixture<FirmwareInstallerWidget>
{
protected:
    void installHooks()
    {
        SettingsDialogs::setMessageHook([this](QWidget *, QMessageBox::Icon icon, const QString &title,
                                               const QString &text, QMessageBox::StandardButtons buttons) {
            boxes.append({icon, title, text, page && progressHidden(), blankings()});
            if (buttons & QMessageBox::Yes)
                return questionAnswer;
            return QMessageBox::Ok;
        });
        SettingsDialogs::setFileHook([this](QWidget *, FileDialogKind, const QString &, const QString &,
                                            const QString &) { return chosenFile; });
    }

    void setUpRig()
    {
        QVERIFY(openSession());
        flash = std::make_unique<FlashReceiver>(session->receiver);
        session->table.store(6, 0x00, receiverVersion(6, 60));
        session->table.store(6, 0x06, hex("00"));
        session->table.store(6, 0x07, hex("050a14c801" "0f0318" "ffa20100" "78563412" "efbeadde" "00000000"));
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        boxes.clear();
        questionAnswer = QMessageBox::Yes;
        chosenFile.clear();
        highestProgress = 0;
        makePage();
        QObject::connect(child<QProgressBar>("prBar"), &QProgressBar::valueChanged, page.get(),
                         [this](int value) { highestProgress = qMax(highestProgress, value); });
        ParserProxy *parser = session->controller->parser();
        for (int i = 0; i < parser->metaObject()->methodCount(); ++i) {
            const QMetaMethod method = parser->metaObject()->method(i);
            if (method.methodType() == QMetaMethod::Signal && method.name().startsWith("showLastData"))
                blanking.insert(QString::fromLatin1(method.name()), new QSignalSpy(parser, method));
        }
    }

    void tearDownRig()
    {
        page.reset();
        qDeleteAll(blanking);
        blanking.clear();
        session.reset();
        flash.reset();
        dir.reset();
    }

    QString text(const char *name) const { return child<QLineEdit>(name)->text(); }
    void click(const char *name) const { child<QAbstractButton>(name)->click(); }
    QStringList current() const
    {
        return {text("lineEditBuildVersion_current"), text("lineEditBuildDate_current"),
                text("lineEditDeviceID_0_current"), text("lineEditDeviceID_1_current"),
                text("lineEditDeviceID_2_current")};
    }
    QStringList future() const
    {
        return {text("lineEditBuildVersion_future"), text("lineEditBuildDate_future"),
                text("lineEditDeviceID_future")};
    }
    bool progressShown() const
    {
        return !child<QProgressBar>("prBar")->isHidden() && !child<QPushButton>("btnCancelWrite")->isHidden()
               && child<QPushButton>("btnWrite")->isHidden();
    }
    bool progressHidden() const
    {
        return child<QProgressBar>("prBar")->isHidden() && child<QPushButton>("btnCancelWrite")->isHidden()
               && !child<QPushButton>("btnWrite")->isHidden();
    }
    int blankings() const
    {
        int count = 0;
        for (const QSignalSpy *spy : blanking)
            count += spy->count();
        return count;
    }
    int blankings(const char *signal) const { return blanking.value(signal) ? blanking.value(signal)->count() : -1; }

    QString writeImage(const QString &name, const QByteArray &bytes) const
    {
        const QString path = dir->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QString();
        return path;
    }

    void choose(const QString &path)
    {
        chosenFile = path;
        click("btnBrowseFilename");
    }

    // The page on the session, its versions and load mark read, the record cleared.
    void openPage(const QByteArray &versions)
    {
        session->table.store(6, 0x00, versions);
        page->setController(session->controller);
        page->readSettings();
        QVERIFY(session->settle());
        session->table.clearRecord();
    }

    // The sub-ids of the commands that arrived, in order.
    QList<int> subIds() const
    {
        QList<int> out;
        for (const QByteArray &frame : session->table.frames())
            out.append(quint8(frame.at(3)));
        return out;
    }

    std::unique_ptr<FlashReceiver> flash;
    std::unique_ptr<QTemporaryDir> dir;
    QHash<QString, QSignalSpy *> blanking;
    QList<Box> boxes;
    QMessageBox::StandardButton questionAnswer = QMessageBox::Yes;
    QString chosenFile;
    int highestProgress = 0;
};
