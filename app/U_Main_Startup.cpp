#include "app/U_Login.h"
#include "app/U_Main.h"

#include "common/DaysBefore.h"
#include "common/LocalSettings.h"
#include "common/ProgramHome.h"
#include "common/Scramble.h"
#include "common/ui/DialogRunner.h"
#include "common/ui/MessageBox.h"
#include "db/HomeDatabase.h"
#include "db/Maintenance.h"
#include "db/SystemParameters.h"
#include "db/ui/U_DBConfig.h"
#include "model/ChartTitle.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrinterInfo>
#include <QSpinBox>
#include <QToolButton>

namespace kelvaro
{

namespace
{

constexpr QSize kEmptyPage(800, 1150);

// The status bar's texts are kept scrambled in the program.
const QString KindLabel = QStringLiteral("唹嗸噵嗶噮殬啓槝啔欥咓唴咍啓");
const QString ServerKindWord = QStringLiteral("嚇殞圅檵嗶檴");
const QString LocalKindWord = QStringLiteral("唹厜唵殔嗶檴");
const QString ClosingBracket = QStringLiteral("咍啔");
const QString Welcome =
    QStringLiteral("垎妷妵媻婖嬾姎鲷唹檵構橑噰檳嚈圅唹厜鲷咍厛鲷唵唺橑厴噮啀橑圇");
const QString ServerLabel = QStringLiteral("唻殭嚈汋噴殝咓唴咍啓");
const QString DatabaseNameLabel = QStringLiteral("咍啔鲷鲷噮殬啓槝啔欥咓唴咍啓");
const QString LocalFileText = QStringLiteral("嗸啓唵殔噮殬啓槝啔欥嚈噲唶殭鲷夣垬垐場鰴姌妶婗");

} // namespace

// The steps run in this order; a failed connection or a cancelled login ends
// the program before anything else is touched.
void TF_Main::FormShow()
{
    DatabaseKind = InstalledDatabaseKind();
    HospitalName = InstalledHospitalName();
    ChooseDatabaseKind();
    if (!ConnectAtStartup(HomeConnectionSettings()) || !RunLogin()) {
        EndProgram();
        return;
    }
    ApplyAdminGate();
    FillStatusBar();
    SetDefaultDates();
    TakeLocalSettings();
    LoadSystemParameters();
    FillSectionFilter();
    RefreshPatientList();
    LoadPatientTreeData();
    BuildPatientTree();
    CreateChartResources();
    DrawCurrentWeek();
    WarnWithoutPrinter();
}

void TF_Main::ChooseDatabaseKind()
{
    const bool server = IsServerKind(DatabaseKind);
    N9->setVisible(server);
    N7->setVisible(!server);
    N5->setVisible(!server);
    const Dialect dialect = DialectForKind(DatabaseKind);
    DateQuote = dialect.DateQuote;
    DateTimeFormat = dialect.DateTimeFormat;
    DayStartSuffix = dialect.DayStartSuffix;
    DayEndSuffix = dialect.DayEndSuffix;
    PatientSource = dialect.PatientSource;
}

// The settings dialog is the only way out of a failed first connection.
bool TF_Main::ConnectAtStartup(ConnectionSettings settings)
{
    TakeServerValues(settings);
    // A server kind without stored settings has nothing to connect to.
    const bool nothingStored = settings.engine != Engine::SQLite && settings.ServerName.isEmpty();
    if (!nothingStored && DBConnect.Open(settings))
        return true;
    ExplainMissingFile(settings);
    if (!EditConnectionSettings(settings, this) || !DBConnect.Open(settings)) {
        MessageBox::Information(this, QStringLiteral("连接数据库服务器失败，请重试!"));
        return false;
    }
    TakeServerValues(settings);
    return true;
}

// A local file that is gone cannot be mended in the settings dialog; the
// nurse learns what is missing and where a copy of it is.
void TF_Main::ExplainMissingFile(const ConnectionSettings& settings)
{
    if (settings.engine != Engine::SQLite || QFileInfo::exists(settings.file))
        return;
    const QString backup = NewestBackupFile();
    MessageBox::Warning(
        this,
        QStringLiteral("本地数据库文件 %1 不存在。").arg(QDir::toNativeSeparators(settings.file)) +
            (backup.isEmpty()
                 ? QStringLiteral("备份目录中也没有备份文件，请与系统管理员联系。")
                 : QStringLiteral("最新的备份文件是 %1，可以把它复制为 %2 后重新启动程序。")
                       .arg(QDir::toNativeSeparators(backup),
                            QDir::toNativeSeparators(settings.file))));
}

bool TF_Main::RunLogin()
{
    TF_Login login(DBConnect, LoginValues{DatabaseKind, ServerSettings(), {}, {}}, this);
    if (RunModal(login) != QDialog::Accepted)
        return false;
    UserNumber = login.Values().UserNumber;
    UserSection = login.Values().UserSection;
    TakeServerValues(login.Values().connection);
    return true;
}

// Sections, users, parameters, options and the database menu, and the chart
// file import and export, are the administrator's alone.
void TF_Main::ApplyAdminGate()
{
    if (UserNumber.toLower() != QLatin1String("admin"))
        return;
    N12->setVisible(true);
    N13->setVisible(true);
    BtnBaseInfo->setVisible(true);
}

void TF_Main::FillStatusBar()
{
    const bool server = IsServerKind(DatabaseKind);
    StatusPanels[0]->setText(Unscramble(KindLabel) +
                             Unscramble(server ? ServerKindWord : LocalKindWord) +
                             Unscramble(ClosingBracket));
    StatusPanels[1]->setText(Unscramble(Welcome));
    StatusPanels[3]->setText(server ? Unscramble(ServerLabel) + ServerName +
                                          Unscramble(DatabaseNameLabel) + DBName +
                                          Unscramble(ClosingBracket)
                                    : Unscramble(LocalFileText));
}

// The lists are filled once the filters are complete, so the pickers stay quiet.
void TF_Main::SetDefaultDates()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate monthAgo = DaysBefore(now, 30).date();
    for (QDateEdit* begin : {DTBegin, DTBegin2}) {
        const QSignalBlocker quiet(begin);
        begin->setDate(monthAgo);
    }
    for (QDateEdit* end : {DTEnd, DTEnd2}) {
        const QSignalBlocker quiet(end);
        end->setDate(now.date());
    }
}

void TF_Main::TakeLocalSettings()
{
    const LocalSettings settings = ReadLocalSettings();
    BackupMode = settings.BackupMode;
    if (BackupMode == 2) {
        BackupHour = settings.BackupTime.hour();
        BackupMinute = settings.BackupTime.minute();
        lastBackupCheck_ = QDateTime::currentDateTime();
        BackDBTime.start();
    }
    PrinterName = settings.PrinterName;
    Offset = settings.Offset;
    TitleOffset = settings.TitleOffset;
}

void TF_Main::LoadSystemParameters()
{
    const SystemParameters parameters = ReadSystemParameters(DBConnect);
    StartHour = parameters.StartHour;
    PrintMode = parameters.PrintMode;
}

void TF_Main::CreateChartResources()
{
    ChartBitmap = QImage(kEmptyPage, QImage::Format_RGB32);
    ChartBitmap.fill(Qt::white);
    ChartPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    ChartData = std::make_unique<_TemperatureData>(&DBConnect);
    ChartData->Title = ScrambledChartTitle(HospitalName);
    ChartData->DatabaseKind = DatabaseKind;
    ChartData->Operator = UserNumber;
    ChartData->ResetPatient();
}

void TF_Main::WarnWithoutPrinter()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        MessageBox::Information(this, QStringLiteral("没有安装打印机，不能打印，请安装打印机!"));
}

// The quit is posted: the event loop may not be running yet.
void TF_Main::EndProgram()
{
    ProgramEnding = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

ConnectionSettings TF_Main::ServerSettings() const
{
    ConnectionSettings settings = DBConnect.settings();
    settings.ServerName = ServerName;
    settings.DBUser = DBUser;
    settings.DBPassword = DBPassword;
    settings.DBName = DBName;
    return settings;
}

void TF_Main::TakeServerValues(const ConnectionSettings& settings)
{
    ServerName = settings.ServerName;
    DBUser = settings.DBUser;
    DBPassword = settings.DBPassword;
    DBName = settings.DBName;
}

} // namespace kelvaro
