#include <QApplication>

#include "mainwindow.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    int result = 0;
    {
        // Destroyed before the application object, so it can still save its geometry.
        MainWindow window;
        window.show();
        result = application.exec();
    }
    return result;
}
