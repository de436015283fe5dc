#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal pair standing in for a receiver on a serial line. The program
// opens devicePath() as its serial port; the test plays the receiver through the
// other end: write() is what the receiver sends, readAll() what it was sent.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const;
    QString devicePath() const;

    bool write(const QByteArray &bytes);
    // What the program has written so far and not yet been taken; never blocks.
    QByteArray readAll();

    // Closes the receiver's end, as when a USB adapter is pulled out: the device
    // the program holds starts failing.
    void hangUp();

private:
    int m_master = -1;
    QString m_devicePath;
};
