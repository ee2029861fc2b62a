#include "app/U_Main.h"

#include "chart/ChartFile.h"
#include "common/ui/FileDialog.h"
#include "common/ui/MessageBox.h"

#include <QSpinBox>
#include <QTreeWidget>

namespace kelvaro
{

namespace
{

FileRequest ChartFileRequest(FileRequest::Mode mode, const QString& fileName = {})
{
    return {mode, QStringLiteral("体温单数据文件(*.QDB)"), QStringLiteral("QDB"), fileName};
}

} // namespace

void TF_Main::N8Click()
{
    const PatientInfo* patient = SelectedPatient();
    if (!patient || !ChartData ||
        !MessageBox::Question(this, QStringLiteral("确认清除此病人的体温单数据，清除后将不能恢复?"),
                              MessageBox::Default::No) ||
        !MessageBox::Question(this,
                              QStringLiteral("再次确认清除此病人的体温单数据，清除后将不能恢复?"),
                              MessageBox::Default::No))
        return;
    OpenTreePatient(*patient);
    const bool cleared = ChartData->ClearChart();
    ChartData->LoadChart();
    TxtWeek->setValue(1);
    DrawCurrentWeek();
    if (!cleared)
        MessageBox::Information(this, QStringLiteral("清除病人体温单数据失败，请重试!"));
}

void TF_Main::N12Click()
{
    const PatientInfo* patient = SelectedPatient();
    if (!patient || !ChartData ||
        !MessageBox::Question(
            this, QStringLiteral("确认导入体温单数据，导入后将覆盖当前的数据，确认是否导入?")) ||
        !MessageBox::Question(
            this, QStringLiteral("再次确认导入体温单数据，导入后将覆盖当前的数据，确认是否导入?")))
        return;
    const QString file = ChooseFile(this, ChartFileRequest(FileRequest::Mode::Open));
    if (file.isEmpty())
        return;
    // A file that is refused leaves the stored chart, shown again below.
    const ChartFileResult result = ImportChartFile(DBConnect, *ChartData, patient->ContentID, file);
    PatientStatus = patient->Status;
    MessageBox::Information(this, result.message);
    DrawCurrentWeek();
}

// The export reads the chart with a manager of its own: the chart on view
// and the one that entry edits stay those of the patient shown.
void TF_Main::N13Click()
{
    const PatientInfo* patient = SelectedPatient();
    if (!patient || !ChartData)
        return;
    const QString file = ChooseFile(
        this, ChartFileRequest(FileRequest::Mode::Save, PatientTreeView->currentItem()->text(0)));
    if (file.isEmpty())
        return;
    _TemperatureData chart(&DBConnect);
    chart.DatabaseKind = ChartData->DatabaseKind;
    chart.Operator = ChartData->Operator;
    MessageBox::Information(this,
                            ExportChartFile(DBConnect, chart, patient->ContentID, file).message);
}

} // namespace kelvaro
