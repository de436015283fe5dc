#include "mainwindow.h"

#include <QApplication>
#include <QFont>
#include "ui_mainwindow.h"

#include <QCoreApplication>

#include "controller.h"
#include "displaycontainerwidget.h"
#include "languagecatalogues.h"
#include "model.h"
#include "parserproxy.h"
#include "receiverconnectionwidget.h"
#include "sentencehandler.h"
#include "settingsfile.h"
#include "windowfit.h"

namespace {

const QString geometryKey = QStringLiteral("MainWindow/geometry");

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , m_catalogues(new LanguageCatalogues(this))
    , m_connectionScreen(new ReceiverConnectionWidget(this))
{
    // The program writes Latin and Cyrillic only, which read the same without a font's
    // shaping rules (ligatures, kerning); shaping every changed field, label and log line
    // anew was a large part of what showing a receiver's data cost.
    QFont font = QApplication::font();
    if (font.styleStrategy() != QFont::PreferNoShaping) {
        font.setStyleStrategy(QFont::PreferNoShaping);
        QApplication::setFont(font);
    }
    ui->setupUi(this);
    switchTranslator(QLocale::system());
    createModelAndController();
    ui->mainContainer->addWidget(m_connectionScreen);

    connect(m_connectionScreen, SIGNAL(receiverConnected(bool,InterfaceMode,QString)),
            this, SLOT(showDisplay(bool,InterfaceMode,QString)));
    connect(m_connectionScreen, SIGNAL(localeChanged(QLocale)), this, SLOT(switchTranslator(QLocale)));
    m_connectionScreen->setController(m_controller);

    restoreGeometry(SettingsFile::value(geometryKey).toByteArray());
    fitIntoScreen(this);
}

MainWindow::~MainWindow()
{
    SettingsFile::setValue(geometryKey, saveGeometry());
    delete ui;
}

void MainWindow::createModelAndController()
{
    m_model = new Model(this);
    m_controller = new Controller(this);
    connect(m_controller->sentenceHandler(), SIGNAL(setCoordinate(GeoCoordinate)),
            m_model, SLOT(setReceiverCoordinates(GeoCoordinate)));
    connect(m_model, SIGNAL(interfaceModeChanged(InterfaceMode)),
            m_controller->parser(), SLOT(setInterfaceMode(InterfaceMode)));
    m_controller->parser()->setInterfaceMode(m_model->interfaceMode());
}

void MainWindow::deleteModelAndController()
{
    // The receiver link goes with the Controller; the Model after it, so nothing of
    // the old session still writes into it.
    if (m_controller) {
        m_controller->deleteLater();
        m_controller = nullptr;
    }
    if (m_model) {
        m_model->deleteLater();
        m_model = nullptr;
    }
}

void MainWindow::switchTranslator(const QLocale &locale)
{
    // The program's texts and Qt's own (its standard buttons) change together.
    m_catalogues->switchTo(locale);
}

void MainWindow::showDisplay(bool autoDetect, InterfaceMode mode, const QString &portName)
{
    DisplayContainerWidget *display = new DisplayContainerWidget();
    display->setAttribute(Qt::WA_DeleteOnClose);
    display->setModel(m_model);
    display->setController(m_controller);
    display->startSession(autoDetect, mode, portName);
    connect(display, SIGNAL(disconnectAction()), this, SLOT(disconnectAction()));
    display->show();
    hide();
}

void MainWindow::disconnectAction()
{
    show();
    deleteModelAndController();
    createModelAndController();
    m_connectionScreen->setController(m_controller);
}
