#include <QApplication>
#include <QLoggingCategory>

#include "mainwindow.h"

int main(int argc, char *argv[])
{
    // The program uses no TLS; keep Qt's SSL backend warnings out of the debug output.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.network.ssl.warning=false"));
    QApplication application(argc, argv);
    MainWindow window;
    window.show();
    return application.exec();
}
