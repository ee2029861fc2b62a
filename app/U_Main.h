#pragma once
#include "chart/PatientTreeData.h"
#include "chart/_temperaturedata.h"
#include "db/Database.h"
#include "db/Dialect.h"

#include <QImage>
#include <QMainWindow>
#include <QPrinter>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QSpinBox;
class QSqlQueryModel;
class QTabWidget;
class QTableView;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kelvaro
{

// The main window (F_Main): the two pages "病人管理" and "体温单", their tool
// bars, the menus and the status bar, and the values the whole program shares
// while it runs. The shared values and the controls are plain public members
// because every part of the program reads them directly.
class TF_Main : public QMainWindow
{
    Q_OBJECT

public:
    explicit TF_Main(QWidget* parent = nullptr);
    ~TF_Main() override;

    QString DatabaseKind;
    QString HospitalName;
    QString ServerName, DBUser, DBPassword, DBName;
    QString DateQuote, DateTimeFormat, DayStartSuffix, DayEndSuffix, PatientSource;
    QString UserNumber; // lower case
    QString UserSection;
    int BackupMode = 1;
    std::optional<int> BackupHour, BackupMinute;
    QString PrinterName;
    int Offset = 0;
    int TitleOffset = 0;
    int StartHour = 2;
    int PrintMode = 1;
    QImage ChartBitmap;
    std::unique_ptr<QPrinter> ChartPrinter;
    std::unique_ptr<_TemperatureData> ChartData;
    int PatientStatus = 0; // of the open chart: 1 in hospital, 2 discharged
    QTimer BackDBTime;
    Database DBConnect; // the program's one connection, opened at start-up
    // Start-up gave up (no connection, no login): the quit is posted and the
    // window closes without the exit question.
    bool ProgramEnding = false;

    QTabWidget* Pager = nullptr;

    QToolButton* BtnBaseInfo = nullptr;
    QToolButton* BtnRefreshPatientList = nullptr;
    QToolButton* BtnRefreshList = nullptr;
    QToolButton* BtnCheckAdvice = nullptr;
    QToolButton* BtnCalcPrice = nullptr;
    QToolButton* BtnOutHos = nullptr;
    QToolButton* BtnOutHosReturn = nullptr;
    QToolButton* BtnExit = nullptr;
    QLineEdit* TxtName = nullptr;
    QLineEdit* TxtSN = nullptr;
    QComboBox* CBoxStatus = nullptr;
    QComboBox* CBoxSectionList = nullptr;
    QLabel* LbType = nullptr;
    QDateEdit* DTBegin = nullptr;
    QDateEdit* DTEnd = nullptr;
    QTableView* PatientList = nullptr;

    QToolButton* BtnRefreshTree = nullptr;
    QToolButton* BtnInputData = nullptr;
    QToolButton* AdvToolBarMenuButton1 = nullptr;
    QToolButton* BtnRefresh = nullptr;
    QSpinBox* TxtWeek = nullptr;
    QCheckBox* ChkOffsetPreView = nullptr;
    QDateEdit* DTBegin2 = nullptr;
    QDateEdit* DTEnd2 = nullptr;
    QTreeWidget* PatientTreeView = nullptr;
    QScrollArea* ScrollBox = nullptr;
    QLabel* Image = nullptr;

    QMenu* AdvPopupMenu1 = nullptr; // "打印体温单": printing the chart
    QMenu* AdvPopupMenu2 = nullptr; // "基础信息": the administrator's maintenance
    QMenu* AdvPopupMenu3 = nullptr; // the patient tree's popup menu
    QAction* N1 = nullptr;          // "打印当前页": print the page on screen
    QAction* N2 = nullptr;          // "打印全部页": print every page of the chart
    QAction* N3 = nullptr;          // "科室信息": the sections dialog
    QAction* N4 = nullptr;          // "用户管理": the user accounts dialog
    QAction* N5 = nullptr;          // "数据库备份": back up the local database
    QAction* N6 = nullptr;          // separator before the database items
    QAction* N7 = nullptr;          // "数据库压缩": compact the local database
    QAction* N8 = nullptr;          // "清除病人体温单数据": clear the patient's chart
    QAction* N9 = nullptr;          // "数据库配置": server connection settings
    QAction* N10 = nullptr;         // "设置参数": the system parameters dialog
    QAction* N11 = nullptr;         // separator before import and export
    QAction* N12 = nullptr;         // "导入体温单数据": import a chart file
    QAction* N13 = nullptr;         // "导出体温单数据": export a chart file
    QAction* N14 = nullptr;         // "选项设置": the entry options dialog

    std::array<QLabel*, 4> StatusPanels{};

    // Chart view: reload the open patient and his chart from the database,
    // then draw the week in TxtWeek; DrawCurrentWeek only draws and shows it.
    void ReloadAndDrawChart();
    void DrawCurrentWeek();
    bool LoadPatientBaseInfo();
    // Makes `patient` the open chart's patient: identity, status and header,
    // days emptied; the caller loads or clears the chart next.
    void OpenTreePatient(const PatientInfo& patient);

    // Patient tree: the patients of the DTBegin2-DTEnd2 period, in hospital
    // then discharged; leaves refer to them by position until the next rebuild.
    PatientInfoVec TreePatients;
    void LoadPatientTreeData();
    void BuildPatientTree();
    // The PatientInfo of the selected tree leaf; nullptr for no leaf.
    const PatientInfo* SelectedPatient() const;

    // Patient list: start-up fills the section filter once, then refreshes.
    void FillSectionFilter();
    void RefreshPatientList();
    // The dialect values above as one record, for the core routines.
    Dialect SharedDialect() const;

public Q_SLOTS:
    void BtnExitClick();

    void BtnRefreshPatientListClick();
    void BtnRefreshListClick();
    void BtnCheckAdviceClick();
    void BtnCalcPriceClick();
    void BtnOutHosClick();
    void BtnOutHosReturnClick();
    void CBoxStatusChange();
    void CBoxSectionListChange();
    void DTBeginChange();

    void BtnRefreshTreeClick();
    void BtnInputDataClick();
    void BtnRefreshClick();
    void TxtWeekChange();
    void TxtWeekExit();
    void DTBegin2Change();
    void PatientTreeViewDblClick();
    void AdvPopupMenu3Popup();

    void N1Click();
    void N2Click();
    void N3Click();
    void N4Click();
    void N5Click();
    void N7Click();
    void N8Click();
    void N9Click();
    void N10Click();
    void N12Click();
    void N13Click();
    void N14Click();

    void BackDBTimeTimer();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Start-up, run once when the window is first shown.
    void FormShow();
    // Start-up and closing: the steps of the start-up, the exit question and
    // the backups of the local database file.
    void ChooseDatabaseKind();
    bool ConnectAtStartup(ConnectionSettings settings);
    void ExplainMissingFile(const ConnectionSettings& settings);
    bool RunLogin();
    void ApplyAdminGate();
    void FillStatusBar();
    void SetDefaultDates();
    void TakeLocalSettings();
    void LoadSystemParameters();
    void CreateChartResources();
    void WarnWithoutPrinter();
    void EndProgram();
    ConnectionSettings ServerSettings() const;
    void TakeServerValues(const ConnectionSettings& settings);
    bool FormCloseQuery();
    void FormClose();
    void BackupQuietly();
    void BackupWithMessages();
    QDateTime lastBackupCheck_;

    void FormResize();

    void PlaceOnDesktop();
    void BuildMenus();
    QWidget* BuildPatientPage();
    void BuildPatientToolBar(QWidget* page, QBoxLayout* column);
    void BuildPatientFilters(QWidget* page, QBoxLayout* column);
    QWidget* BuildChartPage();
    void BuildChartToolBar(QWidget* page, QBoxLayout* column);
    QWidget* BuildTreePanel(QWidget* page);
    QWidget* BuildChartView(QWidget* page);
    void BuildStatusBar();
    void ConnectHandlers();

    bool shown_ = false;

    // Patient tree and chart view: mouse and focus behaviour of the chart page.
    void InstallTreeHooks();
    void InstallChartViewHooks();
    void AddSectionPatients(QTreeWidgetItem* sectionNode, const QString& section, int status);

    // Patient list and the actions on its current row.
    std::optional<QString> SelectedContentID() const;
    std::optional<QString> ConfirmSelectedPatient(const QString& question);
    void OpenRegistration(const std::optional<QString>& contentID);
    QSqlQueryModel* PatientListModel = nullptr;

    // Printing: the print menu's commands, its preview and its PDF export.
    void BuildPrintMenuExtras();
    void PrintCurrentPage();
    void PrintAllPages();
    void PreviewPages();
    int WeeksToPrint();
    void ExportPdf(bool allWeeks);
};

} // namespace kelvaro
