// The calibration window's form as the user sees it, in English and in Russian, and
// its screenshots.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

#include <memory>

#include "calibration.h"
#include "russiancatalogue.h"
#include "tst_calibration_rig.h"
#include "tst_calibration_suite.h"
#include "typednumbers.h"

// ---- Form ----

void tst_Calibration::form()
{
    Calibration window(nullptr, DialogFlags);
    QCOMPARE(window.objectName(), QStringLiteral("Calibration"));
    // The form's size, or larger where its contents need more (a larger font).
    QCOMPARE(window.size(), QSize(753, 882).expandedTo(window.minimumSizeHint()));
    QCOMPARE(window.windowTitle(), QStringLiteral("Calibration"));

    const auto edits = [&window](const char *pattern) {
        return window.findChildren<QLineEdit *>(QRegularExpression(QLatin1String(pattern)));
    };
    const QList<QLineEdit *> shown = edits("^edit(Curr|New)L[12](Value|Std)_([0-9]|1[0-3])$");
    const QList<QLineEdit *> combined = edits("^editCombL[12](Value|Std)_([0-9]|1[0-3])$");
    QCOMPARE(shown.size(), 112);
    QCOMPARE(combined.size(), 56);
    for (QLineEdit *edit : shown)
        QVERIFY2(edit->isReadOnly() && edit->text().isEmpty(), qPrintable(edit->objectName()));
    for (QLineEdit *edit : combined)
        QVERIFY2(!edit->isReadOnly() && edit->text().isEmpty(), qPrintable(edit->objectName()));

    const QList<QCheckBox *> newBoxes =
        window.findChildren<QCheckBox *>(QRegularExpression(QStringLiteral("^chBoxNewL[12]Flag_([0-9]|1[0-3])$")));
    const QList<QCheckBox *> combBoxes =
        window.findChildren<QCheckBox *>(QRegularExpression(QStringLiteral("^chBoxCombL[12]Flag_([0-9]|1[0-3])$")));
    QCOMPARE(newBoxes.size(), 28);
    QCOMPARE(combBoxes.size(), 28);
    QCOMPARE(window.findChildren<QCheckBox *>().size(), 56);
    for (QCheckBox *box : newBoxes)
        QVERIFY2(!box->isEnabled() && !box->isChecked() && box->text().isEmpty(), qPrintable(box->objectName()));
    for (QCheckBox *box : combBoxes)
        QVERIFY2(box->isEnabled() && !box->isChecked() && box->text().isEmpty(), qPrintable(box->objectName()));

    // Idle: everything but Stop can be pressed.
    for (const char *name : {"btnSet", "btnStart", "btnSaveRestart", "btnReadeFile", "btnSaveFile", "btnSaveFileTemper"})
        QVERIFY2(window.findChild<QPushButton *>(QLatin1String(name))->isEnabled(), name);
    QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("btnStop"))->isEnabled());
}

void tst_Calibration::formTexts_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");

    QTest::newRow("first row of current L1") << "label" << "-7:";
    QTest::newRow("row 0 of current L1") << "label_8" << "0:";
    QTest::newRow("last row of current L1") << "label_13" << "6:";
    QTest::newRow("last row of current L2") << "label_40" << "6:";
    QTest::newRow("first row of new L2") << "label_68" << "-7:";
    QTest::newRow("row 0 of combined L2") << "label_109" << "0:";
    QTest::newRow("last row of combined L2") << "label_115" << "6:";
    QTest::newRow("new L2 std head") << "label_83" << "SLD:";
    QTest::newRow("new L1 std head") << "label_53" << "STD:";
    QTest::newRow("current L2 std head") << "label_38" << "STD:";
    QTest::newRow("combined L2 std head") << "label_117" << "STD:";
    QTest::newRow("combined L1 band") << "label_119" << "L1";
    QTest::newRow("combined L2 value head") << "label_116" << "Value:";
    QTest::newRow("latitude") << "label_120" << "Latitude:";
    QTest::newRow("temperature") << "label_17" << "Temperature:";
    QTest::newRow("save and restart") << "btnSaveRestart" << "Save && Restart";
    QTest::newRow("read") << "btnReadeFile" << "Read";
    QTest::newRow("temperature save") << "btnSaveFileTemper" << "Save";
    QTest::newRow("set") << "btnSet" << "Set";
    QTest::newRow("lla box") << "grBoxLLA" << "LLA";
    QTest::newRow("data box") << "groupBox" << "Calibration data";
    QTest::newRow("temperature box") << "groupBox_2" << "Temperature";
}

static QString textOf(QObject *object)
{
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto *box = qobject_cast<QGroupBox *>(object))
        return box->title();
    return QStringLiteral("<no such object>");
}

void tst_Calibration::formTexts()
{
    QFETCH(QString, object);
    QFETCH(QString, text);
    Calibration window(nullptr, DialogFlags);
    QCOMPARE(textOf(window.findChild<QObject *>(object)), text);
}

void tst_Calibration::russianCatalogue_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("text");

    QTest::newRow("set, as the catalogue spells it") << "btnSet" << QString::fromUtf8("Установаить");
    QTest::newRow("save and restart") << "btnSaveRestart" << QString::fromUtf8("Сохранить && Перезапустить");
    QTest::newRow("combined") << "grBoxCombined" << QString::fromUtf8("Комбинированные");
    QTest::newRow("value head") << "label_52" << QString::fromUtf8("Значение:");
    QTest::newRow("temperature save") << "btnSaveFileTemper" << QString::fromUtf8("Сохранить");
    QTest::newRow("lla stays") << "grBoxLLA" << "LLA";
    QTest::newRow("band stays") << "label_84" << "L2";
    QTest::newRow("std stays") << "label_16" << "STD:";
    QTest::newRow("sld stays") << "label_83" << "SLD:";
    QTest::newRow("channel stays") << "label_54" << "-7:";
}

void tst_Calibration::russianCatalogue()
{
    QFETCH(QString, object);
    QFETCH(QString, text);
    RussianCatalogue translator;
    QVERIFY(translator.loaded);
    Calibration window(nullptr, DialogFlags);
    translator.remove();
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Калибровка"));
    QCOMPARE(textOf(window.findChild<QObject *>(object)), text);
}

// ---- Screenshots ----

// The catalogue installed, or none for the source texts (and for one that did not load).
static std::unique_ptr<QTranslator> installedCatalogue(const QString &catalogue)
{
    if (catalogue.isEmpty())
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(catalogue) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

void tst_Calibration::screenshots_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("file");
    QTest::newRow("english") << QString() << "calibration.png";
    QTest::newRow("russian") << ":/tr/polvane_ru.qm" << "calibration_ru.png";
}

void tst_Calibration::screenshots()
{
    QFETCH(QString, catalogue);
    QFETCH(QString, file);
    std::unique_ptr<QTranslator> translator = installedCatalogue(catalogue);
    QVERIFY(catalogue.isEmpty() || translator);
    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75581234, 37.61730125, 156.284), currentTable()));
    QVERIFY(rig.showAndRead());
    QVERIFY(rig.calibrate(newTable()));
    // The user keeps one current entry instead of the new one and drops another entry.
    rig.flagBox("New", 16)->click();
    rig.flagBox("Comb", 12)->click();
    rig.edit("editTemperature")->setText(QStringLiteral("24.5"));
    if (translator)
        QCoreApplication::removeTranslator(translator.get());

    const QImage image = rig.window->grab().toImage();
    QVERIFY(!image.isNull());
    QVERIFY(image.save(screenshotPath(file)));
}

// What the user sees when the receiver never answers "Start" or "Set": the window as the
// failure leaves it, with the box that tells it drawn over its middle.
void tst_Calibration::failureScreenshots_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    const QString ru = QStringLiteral(":/tr/polvane_ru.qm");
    QTest::newRow("start, english") << QString() << "btnStart" << "calibration_start_unanswered.png" << StartNotTakenText;
    QTest::newRow("start, russian") << ru << "btnStart" << "calibration_start_unanswered_ru.png"
                                    << QString::fromUtf8("Приёмник не начал калибровку: он отклонил команду или не ответил.");
    QTest::newRow("set, english") << QString() << "btnSet" << "calibration_set_unanswered.png" << PositionNotTakenText;
    QTest::newRow("set, russian")
        << ru << "btnSet" << "calibration_set_unanswered_ru.png"
        << QString::fromUtf8("Приёмник не принял координаты: он отклонил их или не ответил, а прочитать его координаты "
                             "не удалось. В отмеченных полях — введённые координаты, которые приёмник не принял.");
}

void tst_Calibration::failureScreenshots()
{
    QFETCH(QString, catalogue);
    QFETCH(QString, action);
    QFETCH(QString, file);
    QFETCH(QString, text);
    std::unique_ptr<QTranslator> translator = installedCatalogue(catalogue);
    QVERIFY(catalogue.isEmpty() || translator);
    struct Restore {
        QTranslator *translator;
        ~Restore()
        {
            ToolDialogs::setBoxHook(nullptr);
            if (translator)
                QCoreApplication::removeTranslator(translator);
        }
    } restore{translator.get()};

    CalibrationRig rig;
    QVERIFY(rig.open(llaPayload(55.75581234, 37.61730125, 156.284), currentTable()));
    QVERIFY(rig.showAndRead());
    // A receiver that has gone silent: no answer to anything from now on.
    rig.receiver().answerAlways(5, 0x00, ScriptedReceiver::silence());
    rig.receiver().answerAlways(5, 0x80, ScriptedReceiver::silence());
    rig.receiver().answerAlways(5, 0x81, ScriptedReceiver::silence());
    ToolDialogs::setMessageHook(nullptr);
    QImage box;
    QString shown;
    ToolDialogs::setBoxHook([&](QMessageBox &message) {
        shown = message.text();
        message.show();
        box = message.grab().toImage();
        message.hide();
        return QMessageBox::Ok;
    });

    if (action == QLatin1String("btnSet"))
        typeOver(rig.edit("editLat"), QStringLiteral("55.75590000"));
    rig.button(action)->click();
    QTRY_VERIFY_WITH_TIMEOUT(!box.isNull(), 10000);
    QCOMPARE(shown, text);
    QCOMPARE(rig.controls(), NotCalibratingControls);

    QImage image = rig.window->grab().toImage();
    QPainter painter(&image);
    painter.drawImage((image.width() - box.width()) / 2, (image.height() - box.height()) / 2, box);
    painter.end();
    QVERIFY(image.save(screenshotPath(file)));
}
