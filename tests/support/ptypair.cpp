#include "ptypair.h"

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair()
{
    int slave = -1;
    char name[256] = {};
    if (::openpty(&m_master, &slave, name, nullptr, nullptr) != 0) {
        m_master = -1;
        return;
    }
    // Raw on both ends so no byte is translated or echoed back.
    termios mode {};
    if (::tcgetattr(slave, &mode) == 0) {
        ::cfmakeraw(&mode);
        ::tcsetattr(slave, TCSANOW, &mode);
    }
    if (::tcgetattr(m_master, &mode) == 0) {
        ::cfmakeraw(&mode);
        ::tcsetattr(m_master, TCSANOW, &mode);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_devicePath = QString::fromLocal8Bit(name);
    // The program under test opens the device by its path; our own handle would only
    // keep the line alive after hangUp().
    ::close(slave);
}

PtyPair::~PtyPair()
{
    hangUp();
}

bool PtyPair::isValid() const
{
    return m_master >= 0;
}

QString PtyPair::devicePath() const
{
    return m_devicePath;
}

bool PtyPair::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return false;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return false;
        }
        done += n;
    }
    return true;
}

QByteArray PtyPair::readAll()
{
    QByteArray bytes;
    if (m_master < 0)
        return bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        bytes.append(buffer, int(n));
    }
    return bytes;
}

void PtyPair::hangUp()
{
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}
