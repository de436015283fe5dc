#pragma once

#include <QPair>
#include <QString>
#include <QStringList>

#include "abstractconfigurationwidget.h"

namespace Ui {
class SaveSettingsWidget;
}

// "Save settings": stores the active settings into set 1 or 2, picks the set the
// receiver uses, and reads and writes the tag that names the current settings (the
// workspace shows it in its title). Each has its own button that acts at once; the
// frame's Save button is hidden.
class SaveSettingsWidget : public AbstractConfigurationWidget
{
    Q_OBJECT

public:
    explicit SaveSettingsWidget(QWidget *parent = nullptr);
    ~SaveSettingsWidget() override;

    void setController(Controller *controller) override;
    void readSettings() override;
    void writeSettings() override;

    // The receiver's tag field is 32 bytes, the leading "#" included.
    static constexpr int userTagFieldSize = BinaryConfigurator::userTagFieldSize;
    // Why the tag ("#" included) does not fit the receiver's field; empty when it fits.
    static QString userTagRefusal(const QString &tag);

private slots:
    void on_btnSaveUserTeg_clicked(bool checked);
    void on_btnSaveSTG_clicked(bool checked);
    void on_btnSaveSTGM_clicked(bool checked);
    void stgmChanged(BinaryConfigurator::STGM stgm);
    void requestError(QPair<MsgType, unsigned char> request);
    void requestCompleted(QPair<MsgType, unsigned char> request);
    void userTagChanged(QString tag);

private:
    void clearStgm();
    void clearUserTag();
    void showUserTag(const QString &tag);

    Ui::SaveSettingsWidget *ui;
    int saveTarget = -1;
    int receivedStgm = -1;
    int currentStgm = -1;
    // The tag this page last wrote, and the tag last reported or typed, "#" included.
    QString receivedUserTag;
    QString currentUserTag;
    // Tags written and not yet answered, oldest first.
    QStringList writtenUserTags;
};
