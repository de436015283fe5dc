#include "abstractconfigurationwidget.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>

#include "controller.h"
#include "model.h"
#include "settingsdialogs.h"

AbstractConfigurationWidget::AbstractConfigurationWidget(QWidget *parent)
    : SettingsWidget(parent)
    , unsetValue(-1)
    , unsetText()
{
}

void AbstractConfigurationWidget::setModel(Model *newModel)
{
    model = newModel;
}

void AbstractConfigurationWidget::showRequestError(const QString &command)
{
    SettingsDialogs::message(this, QMessageBox::Critical, tr("Error"),
                             QStringLiteral("Error while requesting a command '%1'").arg(command),
                             QMessageBox::Ok, QMessageBox::Ok);
}

void AbstractConfigurationWidget::reportNotSent(const QStringList &settings)
{
    if (settings.isEmpty())
        return;
    showRequestError(tr("%1 (not sent: not read from the receiver)").arg(settings.join(QStringLiteral(", "))));
}

void AbstractConfigurationWidget::refuseField(QWidget *field, const QString &why)
{
    TypedNumber::mark(field, why);
    typedRefusals.append(TypedNumber::refusal(field, why));
}

bool AbstractConfigurationWidget::refuseTyped()
{
    if (typedRefusals.isEmpty())
        return false;
    const QString text = tr("Nothing was sent: correct the marked fields.\n%1")
                             .arg(typedRefusals.join(QLatin1Char('\n')));
    typedRefusals.clear();
    SettingsDialogs::message(this, QMessageBox::Critical, tr("Error"), text, QMessageBox::Ok, QMessageBox::Ok);
    return true;
}

void AbstractConfigurationWidget::clearComboBox(QComboBox *box) const
{
    box->setCurrentIndex(unsetValue);
    TypedNumber::unmark(box);
}

void AbstractConfigurationWidget::clearLineEdit(QLineEdit *edit) const
{
    edit->setText(unsetText);
    TypedNumber::unmark(edit);
}

void AbstractConfigurationWidget::uncheckButton(QCheckBox *box) const
{
    box->setChecked(false);
}

void AbstractConfigurationWidget::uncheckButton(QRadioButton *button) const
{
    button->setChecked(false);
}

QRegExpValidator *AbstractConfigurationWidget::newByteValidator()
{
    return new QRegExpValidator(
        QRegExp(QStringLiteral("25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9]"), Qt::CaseSensitive,
                QRegExp::RegExp),
        this);
}

void AbstractConfigurationWidget::moveConfiguratorConnections(Controller *newController,
                                                              const PageConnectionTable &table)
{
    if (BinaryConfigurator *old = configurator()) {
        for (const PageConnection &c : table)
            disconnect(old, c.signal, this, c.slot);
    }
    controller = newController;
    if (BinaryConfigurator *engine = configurator()) {
        for (const PageConnection &c : table)
            connect(engine, c.signal, this, c.slot);
    }
}

BinaryConfigurator *AbstractConfigurationWidget::configurator() const
{
    return controller ? controller->binaryConfigurator() : nullptr;
}

bool AbstractConfigurationWidget::isOwnRequest(const QPair<MsgType, unsigned char> &request,
                                               MsgType group) const
{
    return controller && request.first == group;
}
