#pragma once

#include <QList>
#include <QPair>
#include <QVector>

#include <cstdint>

#include "abstractconfigurationwidget.h"

namespace Ui {
class ConstellationControlWidget2;
}

// "ConstellationControl #2": the PRN code the receiver uses for each of 14 NavIC
// satellites, once for the L5 band and once for the S band (command group 12), shown
// and typed in hexadecimal. Like the signal allocation page it neither clears itself
// before it reads nor reads back after Save.
class ConstellationControlWidget2 : public AbstractConfigurationWidget
{
    Q_OBJECT

public:
    explicit ConstellationControlWidget2(QWidget *parent = nullptr);
    ~ConstellationControlWidget2() override;

    void setController(Controller *controller) override;
    void readSettings() override;
    void writeSettings() override;

private slots:
    void requestError(QPair<MsgType, unsigned char> request);
    void lCodesChanged(QVector<uint16_t> codes);
    void sCodesChanged(QVector<uint16_t> codes);

private:
    void showCodes(const QList<QLineEdit *> &edits, const QVector<uint16_t> &received,
                   QVector<uint16_t> &receivedCodes, QVector<uint16_t> &codes);
    void clearCodes(const QList<QLineEdit *> &edits, QVector<uint16_t> &receivedCodes, QVector<uint16_t> &codes);
    void takeCodes(const QList<QLineEdit *> &edits, QVector<uint16_t> &codes);
    bool isSendable(const QVector<uint16_t> &codes, const QVector<uint16_t> &receivedCodes) const;

    Ui::ConstellationControlWidget2 *ui;
    QList<QLineEdit *> lCodeEdits;
    QVector<uint16_t> lCodesReceived;
    QVector<uint16_t> lCodes;
    QList<QLineEdit *> sCodeEdits;
    QVector<uint16_t> sCodesReceived;
    QVector<uint16_t> sCodes;
};
