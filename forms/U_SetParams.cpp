#include "forms/U_SetParams.h"

#include "common/ConfigStore.h"
#include "common/ui/MessageBox.h"
#include "db/SystemParameters.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvaro
{

namespace
{

const QString BackupPath = QStringLiteral("BaseConfig|BackupDB");
const QString PrinterPath = QStringLiteral("BaseConfig|Printer");
const QString MarginPath = QStringLiteral("BaseConfig|Margin");
const QString TimeFormat = QStringLiteral("HH:mm");

template <class Field> Field* Named(Field* field, const char* name)
{
    field->setObjectName(QString::fromLatin1(name));
    return field;
}

// A stored time as "17:30" or with seconds; invalid when it is neither.
QTime StoredTime(const QString& text)
{
    const QTime time = QTime::fromString(text, QStringLiteral("H:mm"));
    return time.isValid() ? time : QTime::fromString(text, QStringLiteral("H:mm:ss"));
}

bool Store(const QString& path, const QString& attribute, const QString& value, QString& error)
{
    if (WriteConfig(path, attribute, value))
        return true;
    error = QStringLiteral("无法写入配置文件AppConfig.xml（%1 %2）").arg(path, attribute);
    return false;
}

} // namespace

TF_SetParams::TF_SetParams(Database& db, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), db_(db)
{
    setObjectName(QStringLiteral("F_SetParams"));
    setWindowTitle(QStringLiteral("设置参数"));
    BuildControls();
}

void TF_SetParams::BuildControls()
{
    TxtValue = Named(new QLineEdit(this), "TxtValue");
    TxtTitleOffset = Named(new QLineEdit(this), "TxtTitleOffset");
    TxtOffset = Named(new QLineEdit(this), "TxtOffset");
    CBoxPrinterList = Named(new QComboBox(this), "CBoxPrinterList");
    CBoxPrinterList->setMinimumWidth(200);

    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("体温单起始时间："), TxtValue);
    auto* bottom = new QFormLayout;
    bottom->addRow(QStringLiteral("标题偏移量："), TxtTitleOffset);
    bottom->addRow(QStringLiteral("整体偏移量："), TxtOffset);
    bottom->addRow(QStringLiteral("默认打印机："), CBoxPrinterList);

    BtnSave = Named(new QPushButton(QStringLiteral("保存(&S)"), this), "BtnSave");
    BtnExit = Named(new QPushButton(QStringLiteral("退出(&X)"), this), "BtnExit");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnSave);
    buttons->addWidget(BtnExit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(BuildBackupGroup());
    layout->addLayout(bottom);
    layout->addLayout(buttons);

    connect(BtnSave, &QPushButton::clicked, this, &TF_SetParams::BtnSaveClick);
    connect(BtnExit, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TF_SetParams::BuildBackupGroup()
{
    auto* group = new QGroupBox(QStringLiteral("备份数据库设置"), this);
    RdoExitAppBackDB =
        Named(new QRadioButton(QStringLiteral("退出时自动备份数据库"), group), "RdoExitAppBackDB");
    RdoFixedTime = Named(new QRadioButton(QStringLiteral("定时备份时间："), group), "RdoFixedTime");
    RdoPrompt = Named(new QRadioButton(QStringLiteral("退出时提示备份数据库"), group), "RdoPrompt");
    DTBackDBTime = Named(new QTimeEdit(group), "DTBackDBTime");
    DTBackDBTime->setDisplayFormat(TimeFormat);

    auto* grid = new QGridLayout(group);
    grid->addWidget(RdoExitAppBackDB, 0, 0, 1, 2);
    grid->addWidget(RdoFixedTime, 1, 0);
    grid->addWidget(DTBackDBTime, 1, 1);
    grid->addWidget(RdoPrompt, 2, 0, 1, 2);

    connect(RdoExitAppBackDB, &QRadioButton::clicked, this, &TF_SetParams::RdoExitAppBackDBClick);
    connect(RdoFixedTime, &QRadioButton::clicked, this, &TF_SetParams::RdoFixedTimeClick);
    connect(RdoPrompt, &QRadioButton::clicked, this, &TF_SetParams::RdoPromptClick);
    return group;
}

void TF_SetParams::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TF_SetParams::FormShow()
{
    LoadStartTime();
    LoadPrinters();
    LoadOffsets();
    LoadBackup();
}

void TF_SetParams::LoadStartTime()
{
    TxtValue->clear();
    QString value, error;
    if (!ReadStartTime(db_, value, &error)) {
        MessageBox::Warning(this, QStringLiteral("初始化系统参数失败，错误原因：") + error);
        return;
    }
    TxtValue->setText(value);
}

// A stored printer that is no longer installed selects nothing.
void TF_SetParams::LoadPrinters()
{
    CBoxPrinterList->clear();
    CBoxPrinterList->addItem(QString());
    CBoxPrinterList->addItems(QPrinterInfo::availablePrinterNames());
    const QString stored = ReadConfig(PrinterPath, QStringLiteral("Value"));
    CBoxPrinterList->setCurrentIndex(stored.isEmpty() ? -1 : CBoxPrinterList->findText(stored));
}

void TF_SetParams::LoadOffsets()
{
    for (auto [edit, attribute] :
         {std::pair{TxtOffset, "Offset"}, {TxtTitleOffset, "TitleOffset"}}) {
        const QString stored = ReadConfig(MarginPath, QString::fromLatin1(attribute));
        edit->setText(stored.isEmpty() ? QStringLiteral("0") : stored);
    }
}

void TF_SetParams::LoadBackup()
{
    bool ok = false;
    const int mode = ReadConfig(BackupPath, QStringLiteral("BackupDBMode")).toInt(&ok);
    const QTime stored = StoredTime(ReadConfig(BackupPath, QStringLiteral("AutoBackupTime")));
    DTBackDBTime->setTime(stored.isValid() ? stored : QTime::currentTime());
    QRadioButton* chosen = !ok || mode == 1 ? RdoExitAppBackDB
                           : mode == 2      ? RdoFixedTime
                                            : RdoPrompt;
    chosen->setChecked(true);
    DTBackDBTime->setEnabled(chosen == RdoFixedTime);
}

void TF_SetParams::RdoExitAppBackDBClick()
{
    DTBackDBTime->setEnabled(false);
}

void TF_SetParams::RdoFixedTimeClick()
{
    DTBackDBTime->setEnabled(true);
}

void TF_SetParams::RdoPromptClick()
{
    DTBackDBTime->setEnabled(false);
}

void TF_SetParams::BtnSaveClick()
{
    QString error;
    if (!Save(error)) {
        MessageBox::Warning(this, QStringLiteral("保存数据失败，错误原因：") + error);
        return;
    }
    MessageBox::Information(this, QStringLiteral("参数保存成功!"));
    startHour_ = StartHourFromText(TxtValue->text());
    accept();
}

// In this order; a failure part-way leaves what was written before it and
// hands nothing back.
bool TF_SetParams::Save(QString& error)
{
    const int mode = RdoExitAppBackDB->isChecked() ? 1 : RdoFixedTime->isChecked() ? 2 : 3;
    const QString printer = CBoxPrinterList->currentText();
    int offset = 0, titleOffset = 0;
    if (!WriteStartTime(db_, TxtValue->text(), &error) ||
        !Store(BackupPath, QStringLiteral("BackupDBMode"), QString::number(mode), error) ||
        !Store(BackupPath, QStringLiteral("AutoBackupTime"),
               DTBackDBTime->time().toString(TimeFormat), error) ||
        !Store(PrinterPath, QStringLiteral("Value"), printer, error) ||
        !SaveOffset(TxtOffset, QStringLiteral("Offset"), QStringLiteral("整体偏移量"), offset,
                    error) ||
        !SaveOffset(TxtTitleOffset, QStringLiteral("TitleOffset"), QStringLiteral("标题偏移量"),
                    titleOffset, error))
        return false;
    printerName_ = printer;
    offset_ = offset;
    titleOffset_ = titleOffset;
    return true;
}

bool TF_SetParams::SaveOffset(QLineEdit* edit, const QString& attribute, const QString& label,
                              int& offset, QString& error)
{
    bool ok = false;
    offset = edit->text().toInt(&ok);
    if (!ok) {
        error = QStringLiteral("%1“%2”不是整数").arg(label, edit->text());
        return false;
    }
    return Store(MarginPath, attribute, edit->text(), error);
}

} // namespace kelvaro
