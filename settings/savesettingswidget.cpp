#include "savesettingswidget.h"
#include "ui_savesettingswidget.h"

#include <QMessageBox>
#include <QPushButton>

#include "controller.h"
#include "eventdispatcher.h"
#include "fieldwidth.h"
#include "settingsdialogs.h"

namespace {

const PageConnectionTable connections = {
    {SIGNAL(stgmChanged(BinaryConfigurator::STGM)), SLOT(stgmChanged(BinaryConfigurator::STGM))},
    {SIGNAL(requestError(QPair<MsgType, unsigned char>)), SLOT(requestError(QPair<MsgType, unsigned char>))},
    {SIGNAL(userTagChanged(QString)), SLOT(userTagChanged(QString))},
    {SIGNAL(requestCompleted(QPair<MsgType, unsigned char>)), SLOT(requestCompleted(QPair<MsgType, unsigned char>))},
};

const unsigned char saveSettingsCommand = 0x42;
const unsigned char stgmGetter = 0x43;
const unsigned char stgmSetter = stgmGetter + 0x80;
const unsigned char userTagSetter = 0xC4;

// What both tags hold while no tag is known.
QString noTag()
{
    return QStringLiteral("none");
}

// The longest tag the field takes, written as tags are: capitals, digits and hyphens.
const QString longestTag = QStringLiteral("MOSCOW-ROOF-BASE-STATION-01-RK2");

} // namespace

SaveSettingsWidget::SaveSettingsWidget(QWidget *parent)
    : AbstractConfigurationWidget(parent)
    , ui(new Ui::SaveSettingsWidget)
{
    ui->setupUi(placeholder());
    saveButton()->hide();
    ui->comBoxSTG->addItem(tr("SET 1"), int(BinaryConfigurator::STGM_SET1));
    ui->comBoxSTG->addItem(tr("SET 2"), int(BinaryConfigurator::STGM_SET2));
    ui->comBoxSTGM->addItem(tr("SET DEFAULT"), int(BinaryConfigurator::STGM_DEFAULT));
    ui->comBoxSTGM->addItem(tr("SET 1"), int(BinaryConfigurator::STGM_SET1));
    ui->comBoxSTGM->addItem(tr("SET 2"), int(BinaryConfigurator::STGM_SET2));
    clearStgm();
    clearUserTag();
    connect(ui->btnSaveSTG, SIGNAL(clicked(bool)), this, SLOT(on_btnSaveSTG_clicked(bool)));
    connect(ui->btnSaveSTGM, SIGNAL(clicked(bool)), this, SLOT(on_btnSaveSTGM_clicked(bool)));
    ui->editUserTag->setMaxLength(userTagFieldSize - 1);
    reserveWidthFor(ui->editUserTag, {longestTag});
    connect(ui->btnSaveUserTeg, SIGNAL(clicked(bool)), this, SLOT(on_btnSaveUserTeg_clicked(bool)));
}

SaveSettingsWidget::~SaveSettingsWidget()
{
    delete ui;
}

QString SaveSettingsWidget::userTagRefusal(const QString &tag)
{
    // A tag that does not fit is not cut: a cut tag is one nobody typed, and cut bytes
    // may end in half a character.
    const int bytes = BinaryConfigurator::userTagBytes(tag).size();
    if (bytes <= userTagFieldSize)
        return QString();
    return tr("with its \"#\" the tag takes %1 bytes in UTF-8; the receiver keeps %2 "
              "(a Cyrillic letter takes 2 bytes, a Latin letter or a digit 1)")
        .arg(bytes)
        .arg(userTagFieldSize);
}

void SaveSettingsWidget::setController(Controller *newController)
{
    moveConfiguratorConnections(newController, connections);
    // Another engine never answers the writes of this one.
    writtenUserTags.clear();
}

void SaveSettingsWidget::readSettings()
{
    if (!controller)
        return;
    clearStgm();
    clearUserTag();
    configurator()->requestStgm();
    configurator()->requestUserTag();
}

void SaveSettingsWidget::writeSettings()
{
    // Every action of this page has its own button.
}

void SaveSettingsWidget::on_btnSaveUserTeg_clicked(bool)
{
    if (!controller)
        return;
    const QString text = ui->editUserTag->text();
    const QString tag = text.isEmpty() ? currentUserTag : QStringLiteral("%1%2").arg(QStringLiteral("#"), text);
    const QString why = userTagRefusal(tag);
    if (!why.isEmpty()) {
        // Nothing goes out and the field keeps what was typed, marked.
        refuseField(ui->editUserTag, why);
        refuseTyped();
        return;
    }
    currentUserTag = tag;
    // The field shows what goes out: the tag typed or, when the field was emptied, the
    // tag last reported.
    showUserTag(currentUserTag);
    if (currentUserTag != receivedUserTag) {
        configurator()->setUserTag(currentUserTag);
        receivedUserTag = currentUserTag;
        // The workspace's title shows the tag once the receiver has taken it.
        writtenUserTags.append(currentUserTag);
    }
}

void SaveSettingsWidget::on_btnSaveSTG_clicked(bool)
{
    if (!controller)
        return;
    saveTarget = ui->comBoxSTG->currentData(Qt::UserRole).toInt();
    configurator()->saveSettings(quint8(saveTarget));
}

void SaveSettingsWidget::on_btnSaveSTGM_clicked(bool)
{
    if (!controller)
        return;
    currentStgm = isUnset(ui->comBoxSTGM->currentIndex()) ? unsetValue
                                                           : ui->comBoxSTGM->currentData(Qt::UserRole).toInt();
    if (currentStgm != receivedStgm && !isUnset(currentStgm)) {
        configurator()->setStgm(BinaryConfigurator::STGM(currentStgm));
        receivedStgm = currentStgm;
    }
}

void SaveSettingsWidget::stgmChanged(BinaryConfigurator::STGM stgm)
{
    receivedStgm = currentStgm = int(stgm);
    ui->comBoxSTGM->setCurrentIndex(ui->comBoxSTGM->findData(int(stgm), Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void SaveSettingsWidget::requestError(QPair<MsgType, unsigned char> request)
{
    if (!isOwnRequest(request))
        return;
    switch (request.second) {
    case stgmGetter:
        clearStgm();
        break;
    case stgmSetter:
        configurator()->requestStgm();
        break;
    case userTagSetter:
        // The receiver keeps the tag it had; so does the title. The field shows that tag
        // again, and the typed one counts as not written, so the next Save sends it.
        if (!writtenUserTags.isEmpty())
            writtenUserTags.removeFirst();
        receivedUserTag = noTag();
        configurator()->requestUserTag();
        break;
    case saveSettingsCommand:
        SettingsDialogs::message(this, QMessageBox::Information, tr("Information"),
                                 tr("Settings failed to save."), QMessageBox::Ok, QMessageBox::Ok);
        break;
    default:
        break;
    }
}

void SaveSettingsWidget::requestCompleted(QPair<MsgType, unsigned char> request)
{
    // The engine answers its requests in the order they were queued, so the oldest tag
    // written is the one acknowledged.
    if (!isOwnRequest(request) || request.second != userTagSetter || writtenUserTags.isEmpty())
        return;
    controller->eventDispatcher()->setSettingTag(writtenUserTags.takeFirst());
}

void SaveSettingsWidget::userTagChanged(QString tag)
{
    currentUserTag = tag;
    showUserTag(tag);
}

void SaveSettingsWidget::clearStgm()
{
    clearComboBox(ui->comBoxSTGM);
    receivedStgm = currentStgm = unsetValue;
}

void SaveSettingsWidget::clearUserTag()
{
    clearLineEdit(ui->editUserTag);
    receivedUserTag = currentUserTag = noTag();
}

void SaveSettingsWidget::showUserTag(const QString &tag)
{
    ui->editUserTag->setText(tag.startsWith(QLatin1Char('#')) ? tag.mid(1) : tr("UNDEFINED"));
    TypedNumber::unmark(ui->editUserTag);
}
