#include "app/U_Main.h"

#include "chart/PatientBaseInfo.h"
#include "common/ui/EventHook.h"
#include "common/ui/MessageBox.h"
#include "render/DrawChartPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTreeWidget>
#include <QWheelEvent>

namespace kelvaro
{

namespace
{
constexpr QSize kShownPage(800, 1150);
constexpr int kWheelStep = 8;
} // namespace

bool TF_Main::LoadPatientBaseInfo()
{
    QString error;
    const bool found = ReadPatientBaseInfo(DBConnect, PatientSource, *ChartData, &error);
    if (!error.isEmpty())
        MessageBox::Warning(this, QStringLiteral("获取病人基本信息失败!"));
    return found;
}

void TF_Main::ReloadAndDrawChart()
{
    if (!ChartData)
        return;
    LoadPatientBaseInfo();
    ChartData->LoadChart();
    DrawCurrentWeek();
}

// The page is shown unscaled from its top-left corner: what lies beyond the
// image (the page's lowest rows, an offset page's right edge) is cut off.
void TF_Main::DrawCurrentWeek()
{
    if (!ChartData)
        return;
    const ChartPageSettings settings{StartHour, Offset, TitleOffset, ChkOffsetPreView->isChecked()};
    DrawChartPage(ChartBitmap, *ChartData, TxtWeek->value(), settings);
    if (ChartBitmap.isNull())
        return;
    QImage shown(kShownPage, QImage::Format_RGB32);
    shown.fill(Qt::white);
    QPainter(&shown).drawImage(0, 0, ChartBitmap);
    Image->setPixmap(QPixmap::fromImage(shown));
}

void TF_Main::OpenTreePatient(const PatientInfo& patient)
{
    ChartData->ResetPatient();
    ChartData->ClearDays();
    ChartData->PatientID = patient.ContentID;
    // Entry judges the status of the chart on view.
    PatientStatus = patient.Status;
    LoadPatientBaseInfo();
}

void TF_Main::PatientTreeViewDblClick()
{
    const PatientInfo* patient = SelectedPatient();
    if (!patient || !ChartData)
        return;
    OpenTreePatient(*patient);
    ChartData->LoadChart();
    // Another week in the box reloads and draws through TxtWeekChange as well.
    TxtWeek->setValue(1);
    DrawCurrentWeek();
}

// An empty box is being typed into: nothing to draw yet.
void TF_Main::TxtWeekChange()
{
    if (TxtWeek->text().isEmpty())
        return;
    ReloadAndDrawChart();
}

// Runs on the typed text before the box would put back its last valid week,
// so that a week of 0 becomes week 1.
void TF_Main::TxtWeekExit()
{
    bool isNumber = false;
    const int week = TxtWeek->findChild<QLineEdit*>()->text().toInt(&isNumber);
    if (!isNumber || week > 0)
        return;
    const int shown = TxtWeek->value();
    TxtWeek->setValue(1);
    if (shown == 1)
        TxtWeekChange(); // the text changed though the value did not
}

void TF_Main::BtnRefreshClick()
{
    ReloadAndDrawChart();
}

void TF_Main::InstallChartViewHooks()
{
    const std::initializer_list<QObject*> week = {TxtWeek, TxtWeek->findChild<QLineEdit*>()};
    for (QObject* part : week) {
        OnEvent(part, QEvent::FocusOut, [this](QEvent*) {
            TxtWeekExit();
            return false;
        });
    }
    OnEvent(PatientTreeView, QEvent::Enter, [this](QEvent*) {
        PatientTreeView->setFocus();
        return false;
    });
    OnEvent(Image, QEvent::Enter, [this](QEvent*) {
        ScrollBox->setFocus();
        return false;
    });
    // One wheel notch moves the picture by one line step of the scroll bar.
    QScrollBar* bar = ScrollBox->verticalScrollBar();
    bar->setSingleStep(kWheelStep);
    OnEvent(ScrollBox->viewport(), QEvent::Wheel, [bar](QEvent* event) {
        const int notch = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (notch < 0 && bar->value() < bar->maximum())
            bar->setValue(bar->value() + bar->singleStep());
        else if (notch > 0 && bar->value() > bar->minimum())
            bar->setValue(bar->value() - bar->singleStep());
        return true;
    });
}

} // namespace kelvaro
