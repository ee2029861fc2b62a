#include "app/U_Login.h"

#include "app/U_ModifyPwd.h"
#include "common/ui/DialogRunner.h"
#include "common/ui/FieldFocus.h"
#include "common/ui/MessageBox.h"
#include "db/Login.h"
#include "db/ui/U_DBConfig.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvaro
{

namespace
{

constexpr int MaxFailures = 2; // the third wrong login ends the program

bool IsCtrlH(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_H && key->modifiers() == Qt::ControlModifier;
}

} // namespace

TF_Login::TF_Login(Database& db, LoginValues values, QWidget* parent)
    : PictureDialog(QStringLiteral(":/LoginPic"), QSize(686, 481), parent), db_(db),
      values_(std::move(values))
{
    setObjectName(QStringLiteral("F_Login"));
    BuildControls();
}

void TF_Login::BuildControls()
{
    AddCaption(QStringLiteral("用户代码："), QRect(206, 214, 80, 26));
    TxtUID = AddEdit("TxtUID", QRect(286, 214, 190, 26));
    TxtUID->setFrame(false);
    AddCaption(QStringLiteral("用户密码："), QRect(206, 256, 80, 26));
    TxtPWD = AddEdit("TxtPWD", QRect(286, 256, 190, 26), Echo::Stars);
    TxtPWD->setFrame(false);
    BtnLogin = AddButton("BtnLogin", QStringLiteral("登录系统"), QRect(196, 310, 92, 30));
    BtnModify = AddButton("BtnModify", QStringLiteral("修改密码"), QRect(297, 310, 92, 30));
    BtnExit = AddButton("BtnExit", QStringLiteral("退出系统"), QRect(398, 310, 92, 30));
    LbDBVersion = new QLabel(this);
    LbDBVersion->setObjectName(QStringLiteral("LbDBVersion"));
    LbDBVersion->setGeometry(12, 444, 300, 20);

    connect(BtnLogin, &QPushButton::clicked, this, &TF_Login::BtnLoginClick);
    connect(BtnModify, &QPushButton::clicked, this, &TF_Login::BtnModifyClick);
    connect(BtnExit, &QPushButton::clicked, this, &QDialog::reject);
    new EnterChain({TxtUID, TxtPWD}, [this] { BtnLoginClick(); });
    // The window sees every key before its controls.
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

void TF_Login::showEvent(QShowEvent* event)
{
    LbDBVersion->setText(ReadDBVersion());
    PictureDialog::showEvent(event);
}

bool TF_Login::eventFilter(QObject* watched, QEvent* event)
{
    if (!IsCtrlH(event))
        return PictureDialog::eventFilter(watched, event);
    if (IsServerKind(values_.DatabaseKind))
        EditConnection();
    return true;
}

// A failed reconnection is left alone: the login then works on whatever
// connection remains, and a wrong login tells the user.
void TF_Login::EditConnection()
{
    values_.connection.engine = EngineForKind(values_.DatabaseKind);
    if (!EditConnectionSettings(values_.connection, this))
        return;
    ConnectionSettings settings = db_.settings();
    settings.ServerName = values_.connection.ServerName;
    settings.DBUser = values_.connection.DBUser;
    settings.DBPassword = values_.connection.DBPassword;
    settings.DBName = values_.connection.DBName;
    db_.Close();
    db_.Open(settings);
}

void TF_Login::BtnLoginClick()
{
    if (TxtUID->text().isEmpty()) {
        MessageBox::Information(this, QStringLiteral("请输入用户代码!"));
        TxtUID->setFocus();
        return;
    }
    if (TxtPWD->text().isEmpty()) {
        MessageBox::Information(this, QStringLiteral("请输入用户密码!"));
        TxtPWD->setFocus();
        return;
    }
    switch (VerifyUser(TxtUID->text().toLower(), TxtPWD->text())) {
    case LoggedIn:
        accept();
        return;
    case NoSection:
        MessageBox::Information(this, QStringLiteral("员工没有设置科室，不能登录系统!"));
        return;
    default:
        MessageBox::Information(this, QStringLiteral("用户登录信息不正确，请重新输入登录信息!"));
        TxtUID->setFocus();
        if (++failures_ > MaxFailures)
            reject();
    }
}

void TF_Login::BtnModifyClick()
{
    TF_ModifyPwd dialog(db_, this);
    // QDialog's own hide would end the login's modal loop.
    QWidget::setVisible(false);
    RunModal(dialog);
    QWidget::setVisible(true);
}

int TF_Login::VerifyUser(const QString& code, const QString& password)
{
    std::optional<QString> section;
    if (!FindLogin(db_, code, password, section) || !section)
        return NotVerified;
    const bool admin = code == QLatin1String("admin");
    values_.UserNumber = code;
    values_.UserSection = admin ? QString() : *section;
    return admin || !values_.UserSection.isEmpty() ? LoggedIn : NoSection;
}

QString TF_Login::ReadDBVersion()
{
    QString version = QStringLiteral("V4.0");
    QString error;
    if (!ReadDatabaseVersion(db_, version, &error)) {
        MessageBox::Warning(this, QStringLiteral("获取系统版本失败，错误原因：") + error);
        return QStringLiteral("V4.0");
    }
    return version;
}

} // namespace kelvaro
