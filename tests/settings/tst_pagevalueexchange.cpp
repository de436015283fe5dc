// The one rule by which every page moves a setting between a field and its value.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

#include "abstractconfigurationwidget.h"
#include "connectguard.h"
#include "russiancatalogue.h"
#include "settingsdialogs.h"
#include "typednumbers.h"

namespace {

// A page with nothing of its own, to call the exchanges on.
class ExchangePage : public AbstractConfigurationWidget
{
public:
    using AbstractConfigurationWidget::AbstractConfigurationWidget;
    void setController(Controller *) override {}
    void readSettings() override {}
    void writeSettings() override {}

    template <typename T>
    void lineEdit(T &value, QLineEdit *edit, T unset) { exchangeLineEditValue(value, edit, unset); }
    void comboData(int &value, QComboBox *box, int unset) { exchangeComboBoxData(value, box, unset); }
    void comboText(int &value, QComboBox *box, int unset) { exchangeComboBoxText(value, box, unset); }
    void code(quint16 &value, QLineEdit *edit) { exchangeLineEditValue(value, edit, -1); }
    void latitude(double &value, QLineEdit *edit)
    {
        exchangeLineEditValue(value, edit, -200.0, TypedNumber::real(-90.0, 90.0));
    }
    // The box a Save would show for the refusals so far; empty when there is none.
    QString refusalBox()
    {
        QString shown;
        SettingsDialogs::setMessageHook([&](QWidget *, QMessageBox::Icon, const QString &, const QString &text,
                                            QMessageBox::StandardButtons) {
            shown = text;
            return QMessageBox::Ok;
        });
        refuseTyped();
        SettingsDialogs::setMessageHook(nullptr);
        return shown;
    }
    void notSent(const QStringList &settings) { reportNotSent(settings); }
};

const double notANumber = std::numeric_limits<double>::quiet_NaN();

bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

class TestPageValueExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installConnectGuard(); }
    void lineEdit_data();
    void lineEdit();
    void comboBoxWithoutItemGivesTheUnsetValue();
    void comboBoxGivesTheItemData();
    void emptiedComboTextIsFilledAgain();
    void comboTextIsReadAsANumber();
    void requestErrorBoxNamesTheCommand();
    void refusalNamesTheFieldByItsLabels_data();
    void refusalNamesTheFieldByItsLabels();
    void notSentBoxNamesTheSettings_data();
    void notSentBoxNamesTheSettings();
};

void TestPageValueExchange::lineEdit_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("pending");
    QTest::addColumn<double>("unset");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("refusal");

    // Text in the field gives the value; the field is left as it is. A text that is no
    // number of the field leaves the value as it was and says why.
    QTest::newRow("int -12.9") << "int" << "-12.9" << -1.0 << -1.0 << -1.0 << "-12.9" << "-12.9 is not a whole number";
    QTest::newRow("int 12.9") << "int" << "12.9" << -1.0 << -1.0 << -1.0 << "12.9" << "12.9 is not a whole number";
    QTest::newRow("int 1e3") << "int" << "1e3" << -1.0 << -1.0 << 1000.0 << "1e3" << "";
    QTest::newRow("int abc") << "int" << "abc" << 5.0 << -1.0 << 5.0 << "abc" << "\"abc\" is not a number";
    QTest::newRow("int minus only") << "int" << "-" << 5.0 << -1.0 << 5.0 << "-" << "\"-\" is not a number";
    QTest::newRow("int spaces") << "int" << "   " << 5.0 << -1.0 << 5.0 << "   " << "a number is needed";
    QTest::newRow("int max") << "int" << "2147483647" << -1.0 << -1.0 << double(INT_MAX) << "2147483647" << "";
    QTest::newRow("int min") << "int" << "-2147483648" << -1.0 << -1.0 << double(INT_MIN) << "-2147483648" << "";
    QTest::newRow("int above range") << "int" << "99999999999" << -1.0 << -1.0 << -1.0 << "99999999999"
                                     << outsideInt("99999999999");
    QTest::newRow("int below range") << "int" << "-99999999999" << -1.0 << -1.0 << -1.0 << "-99999999999"
                                     << outsideInt("-99999999999");
    QTest::newRow("int 1e300") << "int" << "1e300" << -1.0 << -1.0 << -1.0 << "1e300" << outsideInt("1e300");
    QTest::newRow("int inf") << "int" << "inf" << -1.0 << -1.0 << -1.0 << "inf" << outsideInt("inf");
    QTest::newRow("int -inf") << "int" << "-inf" << -1.0 << -1.0 << -1.0 << "-inf" << outsideInt("-inf");
    QTest::newRow("int nan") << "int" << "nan" << 5.0 << -1.0 << 5.0 << "nan" << "\"nan\" is not a number";
    // An emptied field shows the value again, unless it is unset.
    QTest::newRow("int emptied") << "int" << "" << 5.0 << -1.0 << 5.0 << "5" << "";
    QTest::newRow("int emptied negative") << "int" << "" << -12.0 << -1.0 << -12.0 << "-12" << "";
    QTest::newRow("int emptied unset") << "int" << "" << -1.0 << -1.0 << -1.0 << "" << "";
    QTest::newRow("int emptied other marker") << "int" << "" << 1e9 << 1e9 << 1e9 << "" << "";

    QTest::newRow("double 1.5") << "double" << "1.5" << -200.0 << -200.0 << 1.5 << "1.5" << "";
    // A decimal comma is the decimal point; with a decimal point beside it, no number.
    QTest::newRow("double comma") << "double" << "1,5" << -200.0 << -200.0 << 1.5 << "1,5" << "";
    QTest::newRow("double comma and point") << "double" << "1,234.5" << 7.0 << -200.0 << 7.0 << "1,234.5"
                                            << "\"1,234.5\" is not a number";
    QTest::newRow("double emptied") << "double" << "" << 55.751234567 << -200.0 << 55.751234567 << "55.7512" << "";
    QTest::newRow("double emptied large") << "double" << "" << 1234567.0 << -200.0 << 1234567.0 << "1.23457e+06" << "";
    QTest::newRow("double emptied unset") << "double" << "" << -200.0 << -200.0 << -200.0 << "" << "";
    QTest::newRow("double emptied nan") << "double" << "" << notANumber << -200.0 << notANumber << "nan" << "";

    QTest::newRow("float emptied 0.1") << "float" << "" << double(0.1f) << -1.0 << double(0.1f) << "0.1" << "";
    QTest::newRow("float 2.5") << "float" << "2.5" << -1.0 << -1.0 << 2.5 << "2.5" << "";
    QTest::newRow("float above range") << "float" << "1e300" << -1.0 << -1.0 << -1.0 << "1e300"
                                       << "1e300 is outside -3.40282e+38 to 3.40282e+38";
    QTest::newRow("float below range") << "float" << "-1e300" << -1.0 << -1.0 << -1.0 << "-1e300"
                                       << "-1e300 is outside -3.40282e+38 to 3.40282e+38";
    QTest::newRow("float emptied unset") << "float" << "" << -1.0 << -1.0 << -1.0 << "" << "";

    QTest::newRow("code 1a2b") << "code" << "1a2b" << 65535.0 << 65535.0 << double(0x1A2B) << "1a2b" << "";
    QTest::newRow("code upper") << "code" << "FFFE" << 65535.0 << 65535.0 << double(0xFFFE) << "FFFE" << "";
    QTest::newRow("code beyond 16 bits") << "code" << "12345" << 65535.0 << 65535.0 << 65535.0 << "12345"
                                         << "12345 is outside 0 to ffff";
    QTest::newRow("code not hex") << "code" << "xyz" << 7.0 << 65535.0 << 7.0 << "xyz"
                                  << "\"xyz\" is not a hexadecimal number";
    QTest::newRow("code minus one") << "code" << "-1" << 7.0 << 65535.0 << 7.0 << "-1"
                                    << "\"-1\" is not a hexadecimal number";
    QTest::newRow("code emptied 255") << "code" << "" << 255.0 << 65535.0 << 255.0 << "00ff" << "";
    QTest::newRow("code emptied 0") << "code" << "" << 0.0 << 65535.0 << 0.0 << "0000" << "";
    QTest::newRow("code emptied unset") << "code" << "" << 65535.0 << 65535.0 << 65535.0 << "" << "";
}

void TestPageValueExchange::lineEdit()
{
    QFETCH(QString, type);
    QFETCH(QString, text);
    QFETCH(double, pending);
    QFETCH(double, unset);
    QFETCH(double, value);
    QFETCH(QString, shown);
    QFETCH(QString, refusal);

    ExchangePage page;
    QLineEdit edit(&page);
    edit.setText(text);
    double result = 0;
    if (type == "int") {
        int v = int(pending);
        page.lineEdit(v, &edit, int(unset));
        result = v;
    } else if (type == "double") {
        double v = pending;
        page.lineEdit(v, &edit, unset);
        result = v;
    } else if (type == "float") {
        float v = float(pending);
        page.lineEdit(v, &edit, float(unset));
        result = v;
    } else {
        // The pages pass -1 as the unset value of a 16-bit code: it is 65535.
        quint16 v = quint16(pending);
        page.code(v, &edit);
        result = v;
    }
    QVERIFY2(same(result, value), qPrintable(QString::number(result, 'g', 17)));
    QCOMPARE(edit.text(), shown);
    QCOMPARE(page.refusalBox(), refusal.isEmpty() ? QString() : nothingSent(refusal));
}

void TestPageValueExchange::comboBoxWithoutItemGivesTheUnsetValue()
{
    ExchangePage page;
    QComboBox box(&page);
    box.addItem("zero", 0);
    box.addItem("two", 2);
    box.setCurrentIndex(-1);
    int value = 2;
    page.comboData(value, &box, -1);
    QCOMPARE(value, -1);
    QCOMPARE(box.currentIndex(), -1);
}

void TestPageValueExchange::comboBoxGivesTheItemData()
{
    ExchangePage page;
    QComboBox box(&page);
    box.addItem("zero", 0);
    box.addItem("two", 2);
    box.addItem("text", "x");
    int value = -1;
    box.setCurrentIndex(1);
    page.comboData(value, &box, -1);
    QCOMPARE(value, 2);
    box.setCurrentIndex(2);
    page.comboData(value, &box, -1);
    QCOMPARE(value, 0);
}

void TestPageValueExchange::emptiedComboTextIsFilledAgain()
{
    ExchangePage page;
    QComboBox box(&page);
    box.setEditable(true);
    box.addItems({"9600", "115200"});
    box.setCurrentText("");
    int value = 115200;
    page.comboText(value, &box, -1);
    QCOMPARE(value, 115200);
    QCOMPARE(box.currentText(), QString("115200"));

    box.setCurrentText("");
    value = -1;
    page.comboText(value, &box, -1);
    QCOMPARE(value, -1);
    QCOMPARE(box.currentText(), QString());
}

void TestPageValueExchange::comboTextIsReadAsANumber()
{
    ExchangePage page;
    QComboBox box(&page);
    box.setEditable(true);
    box.setCurrentText("460800.7");
    int value = -1;
    page.comboText(value, &box, -1);
    // No rate has a fraction: not 460800, nothing.
    QCOMPARE(value, -1);
    QCOMPARE(page.refusalBox(), nothingSent("460800.7 is not a whole number"));
    box.setCurrentText("460800");
    page.comboText(value, &box, -1);
    QCOMPARE(value, 460800);
    QCOMPARE(page.refusalBox(), QString());
}

void TestPageValueExchange::requestErrorBoxNamesTheCommand()
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, text;
    QMessageBox::StandardButtons buttons;
    SettingsDialogs::setMessageHook([&](QWidget *, QMessageBox::Icon i, const QString &t, const QString &x,
                                        QMessageBox::StandardButtons b) {
        icon = i;
        title = t;
        text = x;
        buttons = b;
        return QMessageBox::Ok;
    });
    ExchangePage page;
    page.showRequestError("requestDataSet");
    SettingsDialogs::setMessageHook(nullptr);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(title, QString("Error"));
    QCOMPARE(text, QString("Error while requesting a command 'requestDataSet'"));
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestPageValueExchange::refusalNamesTheFieldByItsLabels_data()
{
    QTest::addColumn<bool>("russian");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("marked");
    QTest::newRow("55,75") << false << "55,75" << 55.75 << QString() << false;
    QTest::newRow("95") << false << "95" << -200.0 << nothingSent("Position, Latitude: 95 is outside -90 to 90")
                        << true;
    const auto russianBox = [](const char *why) {
        return QString::fromUtf8("Ничего не отправлено: исправьте отмеченные поля.\nPosition, Latitude: %1")
            .arg(QString::fromUtf8(why));
    };
    QTest::newRow("russian 95") << true << "95" << -200.0 << russianBox("95 вне пределов от -90 до 90") << true;
    QTest::newRow("russian letters") << true << "abc" << -200.0 << russianBox("«abc» — не число") << true;
    QTest::newRow("russian point only") << true << "." << -200.0 << russianBox("«.» — не число") << true;
}

void TestPageValueExchange::refusalNamesTheFieldByItsLabels()
{
    QFETCH(bool, russian);
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(QString, box);
    QFETCH(bool, marked);
    RussianCatalogue catalogue;
    QVERIFY(catalogue.loaded);
    if (!russian)
        catalogue.remove();
    ExchangePage page;
    auto *group = new QGroupBox("Position", &page);
    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel("Latitude:", group), 0, 0);
    auto *edit = new QLineEdit(group);
    grid->addWidget(edit, 0, 1);
    edit->setText(typed);
    double latitude = -200.0;
    page.latitude(latitude, edit);
    QCOMPARE(latitude, value);
    QCOMPARE(page.refusalBox(), box);
    QCOMPARE(edit->text(), typed);
    QCOMPARE(TypedNumber::isMarked(edit), marked);
    QCOMPARE(edit->toolTip().isEmpty(), !marked);
}

void TestPageValueExchange::notSentBoxNamesTheSettings_data()
{
    QTest::addColumn<bool>("russian");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("none") << false << QStringList() << QStringList();
    QTest::newRow("two") << false << QStringList({"GNSS_mask", "SBAS_mask"})
                         << QStringList("Error while requesting a command "
                                        "'GNSS_mask, SBAS_mask (not sent: not read from the receiver)'");
    QTest::newRow("russian") << true << QStringList(QString::fromUtf8("Маска ГНСС"))
                             << QStringList(QString::fromUtf8("Error while requesting a command "
                                                              "'Маска ГНСС (не отправлено: не прочитано из приёмника)'"));
}

void TestPageValueExchange::notSentBoxNamesTheSettings()
{
    QFETCH(bool, russian);
    QFETCH(QStringList, settings);
    QFETCH(QStringList, texts);
    QStringList shown;
    SettingsDialogs::setMessageHook([&](QWidget *, QMessageBox::Icon, const QString &, const QString &text,
                                        QMessageBox::StandardButtons) {
        shown.append(text);
        return QMessageBox::Ok;
    });
    RussianCatalogue catalogue;
    QVERIFY(catalogue.loaded);
    if (!russian)
        catalogue.remove();
    ExchangePage page;
    page.notSent(settings);
    SettingsDialogs::setMessageHook(nullptr);
    QCOMPARE(shown, texts);
}

QTEST_MAIN(TestPageValueExchange)
#include "tst_pagevalueexchange.moc"
