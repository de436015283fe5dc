#include "connectguard.h"

#include <QByteArray>
#include <QString>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler previousHandler = nullptr;
int warnings = 0;

void guardHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("QObject::connect:"))) {
        ++warnings;
        const QByteArray text = "connect warning: " + message.toLocal8Bit();
        if (QTest::currentTestFunction()) {
            QTest::qFail(text.constData(), context.file ? context.file : __FILE__, context.line);
        } else {
            std::fprintf(stderr, "%s\n", text.constData());
            std::abort();
        }
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void installConnectGuard()
{
    // QTest installs its own handler when it starts logging, so this is chained to
    // that one from inside the test run rather than installed before main().
    QtMessageHandler current = qInstallMessageHandler(guardHandler);
    if (current != guardHandler)
        previousHandler = current;
    warnings = 0;
}

int connectWarningCount()
{
    return warnings;
}
