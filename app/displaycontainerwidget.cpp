#include "displaycontainerwidget.h"
#include "ui_displaycontainerwidget.h"

#include <QAction>
#include <QBrush>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QPixmap>
#include <QTimer>

#include "appdialogs.h"
#include "axeswidget.h"
#include "baseinfowidget.h"
#include "baselinewidget.h"
#include "baudrateservice.h"
#include "calibration.h"
#include "controller.h"
#include "coordinateswidget.h"
#include "dbgbyte.h"
#include "debuglogwidget.h"
#include "eventdispatcher.h"
#include "loaderwidget.h"
#include "mapwidget.h"
#include "model.h"
#include "mymdisubwindow.h"
#include "nmealogwidget.h"
#include "parserproxy.h"
#include "plotwidget.h"
#include "readerproxy.h"
#include "restoredlayout.h"
#include "rk2290settingswidget.h"
#include "savedgeometry.h"
#include "settingsfile.h"
#include "skyviewwidget.h"
#include "snrwidget.h"
#include "trackwidget.h"
#include "windowfit.h"

namespace {

// The monitor windows in creation order; the index is the one of the settings keys.
struct SubWindowRow {
    const char *title;
    QWidget *(*create)(QWidget *parent);
};

template <class W>
QWidget *createWindow(QWidget *parent)
{
    return new W(parent);
}

const SubWindowRow subWindowRows[] = {
    {QT_TRANSLATE_NOOP("DisplayContainerWidget", "General Information"), createWindow<BaseInfoWidget>},
    {QT_TRANSLATE_NOOP("DisplayContainerWidget", "SkyView"), createWindow<SkyViewWidget>},
    {QT_TRANSLATE_NOOP("DisplayContainerWidget", "Track"), createWindow<TrackWidget>},
    {QT_TRANSLATE_NOOP("DisplayContainerWidget", "Plot"), createWindow<PlotWidget>},
    {QT_TRANSLATE_NOOP("DisplayContainerWidget", "C/No"), createWindow<SnrWidget>},
    {QT_TRANSLATE_NOOP("DisplayContainerWidget", "Base line"), createWindow<BaseLineWidget>},
    {QT_TRANSLATE_NOOP("DisplayContainerWidget", "Message Log"), createWindow<NMEALogWidget>},
    {QT_TRANSLATE_NOOP("DisplayContainerWidget", "Map"), createWindow<MapWidget>},
    {QT_TRANSLATE_NOOP("DisplayContainerWidget", "Course"), createWindow<AxesWidget>},
    {QT_TRANSLATE_NOOP("DisplayContainerWidget", "Debug log"), createWindow<DebugLogWidget>},
    {QT_TRANSLATE_NOOP("DisplayContainerWidget", "Coordinates"), createWindow<CoordinatesWidget>},
};

const QString windowGeometryKey = QStringLiteral("Window/geometry");
const QString subGeometryKey = QStringLiteral("SubWindow/geometry_%1");
const QString subVisibilityKey = QStringLiteral("SubWindow/visibility_%1");

// The one request whose refusal the workspace watches: the user tag (group 3, 0x44).
const QPair<MsgType, unsigned char> userTagRequest(MsgReceiverParameters, 0x44);

// The receiver needs this long after a hardware restart before it answers again.
const int hardwareRestartWaitMs = 2000;

} // namespace

DisplayContainerWidget::DisplayContainerWidget(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , ui(new Ui::DisplayContainerWidget)
    , m_baudRateService(nullptr)
    , m_restartTimer(new QTimer(this))
    , m_paintTimer(new QTimer(this))
{
    ui->setupUi(this);
    createSubWindows();

    ui->actionZRBBinary->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    ui->actionNMEA_4_0->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2));
    ui->actionForceRestartHot->setShortcut(QKeySequence(Qt::ALT | Qt::Key_H));
    ui->actionForceRestartWarm->setShortcut(QKeySequence(Qt::ALT | Qt::Key_W));
    ui->actionForceRestartCold->setShortcut(QKeySequence(Qt::ALT | Qt::Key_C));
    ui->actionForceRestartDefault->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F));
    ui->actionForceRestartHardware->setShortcut(QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_H));
    ui->actionClearWindows->setShortcut(QKeySequence(Qt::ALT | Qt::Key_R));
    // Only the visible one of the two is live.
    ui->actionPause->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    ui->actionContinue->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));

    connect(ui->actionDisconnect, SIGNAL(triggered()), this, SIGNAL(disconnectAction()));
    connect(ui->actionDisconnect, SIGNAL(triggered()), this, SLOT(deleteLater()));
    connect(ui->actionAutoDetect, SIGNAL(triggered()), this, SLOT(setAutoDetecting()));

    m_baudRateService = new BaudRateService();
    connect(m_baudRateService, SIGNAL(displayTestBaudRate(int)), this, SLOT(displayTestBaudRate(int)));
    // A link lost during the search ends it as Cancel would: the link's own error box
    // tells the user, and no verdict follows.
    connect(m_baudRateService, SIGNAL(linkLost()), this, SLOT(abortLoading()));

    // The rate entries do nothing; their submenu stays out of sight.
    ui->menuSetBaudRate->menuAction()->setVisible(false);

    m_restartTimer->setSingleShot(true);
    // A coarse timer may end the wait up to 5 % early, before the receiver is up again.
    m_restartTimer->setTimerType(Qt::PreciseTimer);
    m_restartTimer->setInterval(hardwareRestartWaitMs);
    connect(m_restartTimer, SIGNAL(timeout()), this, SLOT(resetModuleTimeOut()));

    m_paintTimer->setSingleShot(true);
    m_paintTimer->setTimerType(Qt::PreciseTimer);
    connect(m_paintTimer, &QTimer::timeout, this, [this] {
        QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    });

    m_title = windowTitle();
    m_portName = QString();
}

DisplayContainerWidget::~DisplayContainerWidget()
{
    saveWindowState();
    delete m_baudRateService;
    delete ui;
}

void DisplayContainerWidget::createSubWindows()
{
    for (const SubWindowRow &row : subWindowRows) {
        MyMdiSubWindow *frame = new MyMdiSubWindow(row.create(this));
        frame->setWindowTitle(tr(row.title));
        ui->mdiArea->addSubWindow(frame);
    }
    restoreWindowState();
    for (MyMdiSubWindow *frame : frames())
        addWindowAction(frame);
}

void DisplayContainerWidget::addWindowAction(MyMdiSubWindow *frame)
{
    QAction *action = new QAction(frame->windowTitle(), this);
    action->setCheckable(true);
    action->setChecked(frame->isVisibleTo(ui->mdiArea));
    ui->menuWindow->addAction(action);
    // Ticking shows the window at the area's top-left corner; unticking only hides it.
    connect(action, SIGNAL(triggered(bool)), frame, SLOT(setVisible(bool)));
    connect(action, SIGNAL(triggered(bool)), frame, SLOT(setInZeroPosition(bool)));
    connect(frame, SIGNAL(closeWindow(bool)), action, SLOT(setChecked(bool)));
    connect(this, SIGNAL(clearWindow()), frame->widget(), SLOT(clearWindow()));
}

QList<MyMdiSubWindow *> DisplayContainerWidget::frames() const
{
    QList<MyMdiSubWindow *> list;
    for (QMdiSubWindow *window : ui->mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (MyMdiSubWindow *frame = qobject_cast<MyMdiSubWindow *>(window))
            list.append(frame);
    }
    return list;
}

void DisplayContainerWidget::restoreWindowState()
{
    // A missing key restores nothing: the window keeps its form's size and stays hidden.
    // What was saved on another screen is brought inside this one; a workspace that was
    // maximized opens maximized.
    const SavedGeometry workspace(SettingsFile::value(windowGeometryKey).toByteArray());
    if (workspace.isValid())
        setGeometry(workspace.isMaximized() && workspace.normalGeometry().isValid() ? workspace.normalGeometry()
                                                                                     : workspace.geometry());
    fitIntoScreen(this);
    if (workspace.isMaximized())
        setWindowState(windowState() | Qt::WindowMaximized);
    const QList<MyMdiSubWindow *> list = frames();
    for (int i = 0; i < list.size(); ++i) {
        const SavedGeometry window(SettingsFile::value(subGeometryKey.arg(i)).toByteArray());
        // A window that was maximized is first given the rectangle it had before, which
        // Restore gives back; a file that kept none leaves it its form's size.
        QRect geometry = window.geometry();
        if (window.isMaximized())
            geometry = window.normalGeometry().isValid() ? window.normalGeometry()
                                                         : QRect(geometry.topLeft(), list[i]->size());
        if (window.isValid() && geometry.isValid())
            list[i]->setGeometry(geometry);
        list[i]->setVisible(SettingsFile::value(subVisibilityKey.arg(i)).toBool());
        if (window.isMaximized())
            list[i]->setWindowState(list[i]->windowState() | Qt::WindowMaximized);
    }
    // Brought inside the area once it has the size the workspace keeps.
    new RestoredLayout(this, ui->mdiArea, list);
}

void DisplayContainerWidget::saveWindowState()
{
    QVector<QPair<QString, QVariant>> values;
    values.append({windowGeometryKey, saveGeometry()});
    const QList<MyMdiSubWindow *> list = frames();
    for (int i = 0; i < list.size(); ++i) {
        values.append({subGeometryKey.arg(i),
                       SavedGeometry::withNormalGeometry(list[i]->saveGeometry(), list[i]->normalFrameGeometry())});
        values.append({subVisibilityKey.arg(i), list[i]->isVisibleTo(ui->mdiArea)});
    }
    SettingsFile::setValues(values);
}

void DisplayContainerWidget::setModel(Model *model)
{
    m_model = model;
    for (MyMdiSubWindow *frame : frames()) {
        for (QObject *child : frame->children()) {
            if (IModel *window = dynamic_cast<IModel *>(child))
                window->setModel(model);
        }
    }
}

void DisplayContainerWidget::setController(Controller *controller)
{
    if (m_controller)
        disconnect(m_controller->reader(), SIGNAL(error()), this, SLOT(linkEnded()));
    m_controller = controller;
    if (m_controller)
        connect(m_controller->reader(), SIGNAL(error()), this, SLOT(linkEnded()), Qt::UniqueConnection);
    for (MyMdiSubWindow *frame : frames()) {
        for (QObject *child : frame->children()) {
            if (IController *window = dynamic_cast<IController *>(child))
                window->setController(controller);
        }
    }
    connect(m_baudRateService, SIGNAL(finishFoundBaudRateMaster(bool)),
            this, SLOT(finishFoundBaudRateMaster(bool)), Qt::UniqueConnection);
    m_baudRateService->setController(controller);
    if (controller) {
        connect(controller->eventDispatcher(), SIGNAL(settingTagChanged(QString)),
                this, SLOT(userTagChanged(QString)), Qt::UniqueConnection);
    }
}

void DisplayContainerWidget::linkEnded()
{
    // The link is closed (the peer reset it, closed it, or the port went away): nothing
    // more will come until a new link is made. The windows keep their values to read,
    // shown as not valid, as when the protocol is switched.
    if (m_controller)
        m_controller->parser()->showAllLastData();
}

void DisplayContainerWidget::startSession(bool autoDetect, InterfaceMode mode, const QString &portName)
{
    m_portName = portName;
    if (autoDetect)
        setAutoDetecting();
    else
        startWithMode(mode);
}

void DisplayContainerWidget::startWithMode(InterfaceMode mode)
{
    if (!m_model || !m_controller)
        return;
    m_model->setInterfaceMode(mode);
    m_controller->parser()->defineProtocol(mode);
    connectConfigurator(true);
    m_controller->binaryConfigurator()->requestUserTag();
}

void DisplayContainerWidget::connectConfigurator(bool on)
{
    if (!m_controller)
        return;
    BinaryConfigurator *engine = m_controller->binaryConfigurator();
    if (on) {
        connect(engine, SIGNAL(userTagChanged(QString)), this, SLOT(userTagChanged(QString)), Qt::UniqueConnection);
        connect(engine, SIGNAL(requestError(QPair<MsgType,unsigned char>)),
                this, SLOT(requestError(QPair<MsgType,unsigned char>)), Qt::UniqueConnection);
    } else {
        disconnect(engine, SIGNAL(userTagChanged(QString)), this, SLOT(userTagChanged(QString)));
        disconnect(engine, SIGNAL(requestError(QPair<MsgType,unsigned char>)),
                   this, SLOT(requestError(QPair<MsgType,unsigned char>)));
    }
}

void DisplayContainerWidget::setAutoDetecting()
{
    // One search at a time: a second start while the busy window is up (Auto connection
    // pressed again, or the wait after a hardware restart ending) would put a second busy
    // window over the first and run the search twice.
    if (m_loader || !m_model || !m_controller)
        return;
    // The search lives on the receiver's replies, which a pause throws away: it would
    // end in "not found" however the receiver answered. The menu entry is off while
    // paused; the search after a hardware restart lets the data through first.
    if (ui->actionContinue->isVisible())
        on_actionContinue_triggered();
    showLoader();
    leaveNmeaForTheSearch();
    m_baudRateService->startSearch();
}

void DisplayContainerWidget::showLoader()
{
    m_loader = new LoaderWidget(this, Qt::Dialog | Qt::WindowCloseButtonHint);
    m_loader->setWindowModality(Qt::WindowModal);
    connect(m_loader, SIGNAL(abort()), this, SLOT(abortLoading()));
    m_loader->show();
}

void DisplayContainerWidget::closeLoader()
{
    // Deferred: abortLoading runs while the busy window still delivers its abort(), and
    // close() would only ask it to abort again.
    if (!m_loader)
        return;
    m_loader->hide();
    m_loader->deleteLater();
    m_loader = nullptr;
}

void DisplayContainerWidget::displayTestBaudRate(int baudRate)
{
    if (m_controller)
        m_controller->reader()->emitDisplayTestBaudRate(baudRate);
}

void DisplayContainerWidget::finishFoundBaudRateMaster(bool isFound)
{
    closeLoader();
    if (m_controller)
        m_controller->reader()->emitDisplayBaudRateMaster(isFound);
    ui->menubar->setEnabled(true);
    connectConfigurator(true);
    if (m_controller)
        m_controller->binaryConfigurator()->requestUserTag();
    if (!isFound) {
        AppDialogs::message(this, QMessageBox::Information, tr("Information"), tr("Check connection settings."),
                            QMessageBox::Ok, QMessageBox::Ok);
    }
}

void DisplayContainerWidget::abortLoading()
{
    m_baudRateService->stopSearch();
    closeLoader();
    if (m_controller)
        m_controller->reader()->emitDisplayBaudRateMaster(false);
}

void DisplayContainerWidget::userTagChanged(const QString &tag)
{
    // The first answer ends the wait; a later tag comes only through a new request or
    // from the settings window.
    connectConfigurator(false);
    const QString shown = tag.startsWith(QLatin1Char('#')) ? tag : tr("UNDEFINED");
    setWindowTitle(QStringLiteral("%1 - %2 - %3").arg(m_title, m_portName, shown));
}

void DisplayContainerWidget::requestError(QPair<MsgType, unsigned char> key)
{
    if (m_controller && key == userTagRequest)
        userTagChanged(QStringLiteral("error"));
}

void DisplayContainerWidget::resetModuleTimeOut()
{
    setAutoDetecting();
}

bool DisplayContainerWidget::event(QEvent *event)
{
    // The windows change with every chunk the link delivers, which at replay speed is
    // hundreds of times a second, and each change painted the whole workspace again; that
    // was most of the program's time. The changes are gathered and painted together, at
    // most 25 times a second (a receiver at 10 Hz is painted at its own pace).
    if (event->type() == QEvent::UpdateRequest) {
        const qint64 since = m_lastPaint.isValid() ? m_lastPaint.elapsed() : minPaintIntervalMs;
        if (since < minPaintIntervalMs) {
            if (!m_paintTimer->isActive())
                m_paintTimer->start(int(minPaintIntervalMs - since));
            return true;
        }
        m_lastPaint.start();
    }
    return QMainWindow::event(event);
}

void DisplayContainerWidget::resizeEvent(QResizeEvent *event)
{
    ui->mdiArea->setBackground(QBrush(QPixmap(QStringLiteral(":/background/logo_Zorbel_bg.png"))));
    QMainWindow::resizeEvent(event);
}

void DisplayContainerWidget::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers & Qt::ControlModifier) {
        if (event->key() == Qt::Key_P) {
            if (!ui->actionContinue->isVisible())
                on_actionPause_triggered();
            else
                on_actionContinue_triggered();
        }
    } else if (modifiers & Qt::ShiftModifier) {
        switch (event->key()) {
        case Qt::Key_D:
            openDebugBytes();
            break;
        case Qt::Key_S:
            openRk2290Settings();
            break;
        case Qt::Key_C:
            openCalibration();
            break;
        default:
            break;
        }
    }
}

void DisplayContainerWidget::openDebugBytes()
{
    DBGByte *tool = new DBGByte(this, Qt::Dialog | Qt::WindowCloseButtonHint);
    tool->setController(m_controller);
    tool->setWindowModality(Qt::WindowModal);
    tool->show();
}

void DisplayContainerWidget::openRk2290Settings()
{
    RK2290SettingsWidget *tool = new RK2290SettingsWidget(this, Qt::Dialog | Qt::WindowCloseButtonHint);
    tool->setController(m_controller);
    tool->setWindowModality(Qt::WindowModal);
    tool->show();
}

void DisplayContainerWidget::openCalibration()
{
    if (!ensureBinaryMode())
        return;
    Calibration *tool = new Calibration(this, Qt::Dialog | Qt::WindowMinimizeButtonHint
                                                  | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    tool->setController(m_controller);
    tool->setWindowModality(Qt::WindowModal);
    // The calibration asks for a hot restart once its table is written.
    connect(tool, SIGNAL(restart()), this, SLOT(on_actionForceRestartHot_triggered()));
    tool->show();
}
