#include "settingspages.h"

#include <QString>

#include "atmosphericcorrectionswidget.h"
#include "calendarsettingswidget.h"
#include "commandbuilderwidget.h"
#include "constellationcontrolwidget1.h"
#include "constellationcontrolwidget2.h"
#include "datasetwidget.h"
#include "firmwareinstallerwidget.h"
#include "interfacewidget.h"
#include "navigationsystemswidget.h"
#include "ppswidget.h"
#include "rawdatawidget.h"
#include "savesettingswidget.h"
#include "solutionparameterswidget.h"

namespace {

template <typename Page>
QWidget *create(QWidget *parent)
{
    return new Page(parent);
}

struct PageRow {
    const char *selector;
    QWidget *(*create)(QWidget *parent);
};

// One row per page: the selector's object name and the page it opens. A page is a
// QWidget made with its parent alone; the dialog hands it the Model if it is an IModel,
// the Controller if it is an IController, and reads it at once if it is a
// SettingsWidget.
const PageRow pageRows[] = {
    {"radBtnInterface", create<InterfaceWidget>},
    {"radBtnDataSet", create<DataSetWidget>},
    {"radBtnNavigationSystems", create<NavigationSystemsWidget>},
    {"radBtnSolutionParameters", create<SolutionParametersWidget>},
    {"radBtnAtmosphericCorr", create<AtmosphericCorrectionsWidget>},
    {"radBtnPPS", create<PPSWidget>},
    {"radBtnCalendarSettings", create<CalendarSettingsWidget>},
    {"radBtnRawData", create<RawDataWidget>},
    {"radBtnFirmwareContainer", create<FirmwareInstallerWidget>},
    {"radBtnCommandBuilder", create<CommandBuilderWidget>},
    {"radBtnConstellationControl_1", create<ConstellationControlWidget1>},
    {"radBtnConstellationControl_2", create<ConstellationControlWidget2>},
    {"radBtnSaveSettings", create<SaveSettingsWidget>},
};

} // namespace

QWidget *createSettingsPage(const QString &selector, QWidget *parent)
{
    for (const PageRow &row : pageRows) {
        if (selector == QLatin1String(row.selector))
            return row.create(parent);
    }
    return nullptr;
}
