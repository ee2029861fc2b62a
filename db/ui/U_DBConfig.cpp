#include "db/ui/U_DBConfig.h"

#include "common/ProgramHome.h"
#include "common/ui/FieldFocus.h"
#include "common/ui/MessageBox.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvaro
{

namespace
{

constexpr int testTimeoutSeconds = 10;

// The dialog speaks to a server; a caller that does not say which one means
// the installed server kind, and Microsoft SQL Server when there is none.
Engine ServerEngine(Engine given)
{
    if (given != Engine::SQLite)
        return given;
    const Engine installed = EngineForKind(InstalledDatabaseKind());
    return installed != Engine::SQLite ? installed : Engine::SQLServer;
}

QLineEdit* NamedEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter follows the field chain, never a default button.
    button->setAutoDefault(false);
    return button;
}

} // namespace

TF_DBConfig::TF_DBConfig(const ConnectionSettings& values, QWidget* parent)
    : QDialog(parent), values_(values)
{
    values_.engine = ServerEngine(values.engine);
    values_.timeoutSeconds = testTimeoutSeconds;
    setObjectName(QStringLiteral("TF_DBConfig"));
    setWindowTitle(QStringLiteral("数据库服务器设置"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    BuildControls();
    TxtServer->setText(values_.ServerName);
    TxtUser->setText(values_.DBUser);
    TxtPwd->setText(values_.DBPassword);
    TxtDBName->setText(values_.DBName);
}

void TF_DBConfig::BuildControls()
{
    auto* group = new QGroupBox(QStringLiteral("数据库服务器信息配置"), this);
    TxtServer = NamedEdit("TxtServer", group);
    TxtUser = NamedEdit("TxtUser", group);
    TxtPwd = NamedEdit("TxtPwd", group);
    TxtPwd->setEchoMode(QLineEdit::Password);
    TxtDBName = NamedEdit("TxtDBName", group);
    auto* fields = new QFormLayout(group);
    fields->addRow(QStringLiteral("服务器："), TxtServer);
    fields->addRow(QStringLiteral("用户名："), TxtUser);
    fields->addRow(QStringLiteral("密    码："), TxtPwd);
    fields->addRow(QStringLiteral("数据库："), TxtDBName);

    BtnTest = NamedButton("BtnTest", QStringLiteral("测试连接"), this);
    BtnSave = NamedButton("BtnSave", QStringLiteral("保存(&S)"), this);
    BtnCancel = NamedButton("BtnCancel", QStringLiteral("取消(&C)"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnTest);
    buttons->addStretch();
    buttons->addWidget(BtnSave);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnSave, &QPushButton::clicked, this, &TF_DBConfig::BtnSaveClick);
    connect(BtnTest, &QPushButton::clicked, this, &TF_DBConfig::BtnTestClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    new EnterChain({TxtServer, TxtUser, TxtPwd, BtnSave}, [this] { BtnSaveClick(); });
    // Enter in the database name goes back to the user, not on to saving;
    // a second chain would swallow Enter in TxtUser, so this one is direct.
    connect(TxtDBName, &QLineEdit::returnPressed, TxtUser, [this] { TxtUser->setFocus(); });
}

void TF_DBConfig::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    raise();
    activateWindow();
}

void TF_DBConfig::done(int result)
{
    connection_.Close();
    QDialog::done(result);
}

int TF_DBConfig::CheckAndTest()
{
    values_.ServerName = TxtServer->text();
    values_.DBUser = TxtUser->text();
    values_.DBPassword = TxtPwd->text();
    values_.DBName = TxtDBName->text();
    if (values_.ServerName.isEmpty())
        return -1;
    if (values_.DBUser.isEmpty())
        return -2;
    if (values_.DBName.isEmpty())
        return -3;
    connection_.Close();
    const bool opened = connection_.Open(values_);
    connection_.Close();
    return opened ? 1 : 0;
}

bool TF_DBConfig::ReportMissing(int result)
{
    struct Missing {
        int result;
        const char* message;
        QLineEdit* field;
    };
    const Missing missing[] = {{-1, "\t请输入服务器名称或IP地址!", TxtServer},
                               {-2, "请输入用户名!", TxtUser},
                               {-3, "请输入数据库名称!", TxtDBName}};
    for (const Missing& m : missing) {
        if (m.result == result) {
            MessageBox::Information(this, QString::fromUtf8(m.message));
            m.field->setFocus();
            return false;
        }
    }
    return true;
}

void TF_DBConfig::BtnSaveClick()
{
    const int result = CheckAndTest();
    if (!ReportMissing(result))
        return;
    if (result == 1)
        accept();
    else
        MessageBox::Warning(this,
                            QStringLiteral("连接数据库失败，不能保存，请设置正确的配置信息!"));
}

void TF_DBConfig::BtnTestClick()
{
    const int result = CheckAndTest();
    if (!ReportMissing(result))
        return;
    if (result == 1)
        MessageBox::Information(this, QStringLiteral("连接数据库成功!"));
    else
        MessageBox::Warning(this, QStringLiteral("连接数据库失败，请重试!"));
}

} // namespace kelvaro
