#pragma once
#include "db/Engines.h"

#include "app/U_Main.h"
#include "common/ConfigStore.h"
#include "common/ProgramHome.h"
#include "common/Scramble.h"
#include "common/ui/DialogRunner.h"
#include "common/ui/MessageBox.h"
#include "db/InitDb.h"
#include "support/ScriptedMessages.h"

#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>

#include <algorithm>
#include <memory>

namespace kelvaro::test
{

// Message boxes scripted and modal dialogs handed to `onModal` (rejected when
// it is empty), so that a main window can be shown without anyone at the screen.
class ScriptedScreen
{
public:
    ScriptedScreen()
    {
        previous_ = SetModalHandler([this](QDialog& dialog) {
            modalDialogs << (dialog.objectName().isEmpty()
                                 ? QString::fromLatin1(dialog.metaObject()->className())
                                 : dialog.objectName());
            return onModal ? onModal(dialog) : int(QDialog::Rejected);
        });
    }
    ~ScriptedScreen() { SetModalHandler(previous_); }
    ScriptedScreen(const ScriptedScreen&) = delete;
    ScriptedScreen& operator=(const ScriptedScreen&) = delete;

    // A main window shown as the program shows it, so that it runs its own
    // start-up, answered by this screen.
    std::unique_ptr<TF_Main> StartMainWindow() const
    {
        auto window = std::make_unique<TF_Main>();
        window->show();
        return window;
    }

    QStringList modalDialogs; // object or class names, in the order they ran
    ModalHandler onModal;

private:
    ScriptedMessages messages_;
    ModalHandler previous_;
};

// Types into the login window as a user would: the code, Enter, the
// password, Enter.
inline int LogIn(QDialog& login, const QString& code, const QString& password)
{
    auto* user = login.findChild<QLineEdit*>(QStringLiteral("TxtUID"));
    auto* secret = login.findChild<QLineEdit*>(QStringLiteral("TxtPWD"));
    if (!user || !secret)
        return QDialog::Rejected;
    login.show();
    QTest::keyClicks(user, code);
    QTest::keyClick(user, Qt::Key_Return);
    QTest::keyClicks(secret, password);
    QTest::keyClick(secret, Qt::Key_Return);
    return login.result();
}

// A program home made as init-db makes one, on each engine, with a nurse of
// section "内科" beside the administrator. Start() shows a main window, which
// runs the start-up, logging in as `code` with `password`.
class StartupFixture : public testing::TestWithParam<Engine>
{
protected:
    void SetUp() override
    {
        KELVARO_FRESH_DATABASE_OR_SKIP(fresh, GetParam(), FreshDatabase::Contents::Nothing);
        ASSERT_TRUE(EnterProgramHome(fresh.dir()));
        InitDbOptions options;
        options.databaseKind = fresh.kind();
        options.hospitalName = QStringLiteral("测试医院");
        options.server = fresh.settings();
        QString error;
        ASSERT_TRUE(InitDatabase(options, db, &error)) << error.toStdString();
        ASSERT_TRUE(db.Exec(QStringLiteral("insert into tblUserInfo([Number],Pwd,SectionName) "
                                           "values('nurse1','") +
                            Scramble(QStringLiteral("123456")) + QStringLiteral("','内科')")));
    }
    void TearDown() override
    {
        window.reset();
        QDir::setCurrent(savedDirectory);
    }

    void Start(const QString& code = QStringLiteral("admin"),
               const QString& password = QStringLiteral("admin"))
    {
        screen.onModal = [code, password](QDialog& dialog) {
            return dialog.objectName() == QLatin1String("F_Login") ? LogIn(dialog, code, password)
                                                                   : int(QDialog::Rejected);
        };
        window = screen.StartMainWindow();
    }

    // Settings of AppConfig.xml, written before the start.
    static void Configure(const QString& path, const QString& attribute, const QString& value)
    {
        ASSERT_TRUE(WriteConfig(path, attribute, value)) << path.toStdString();
    }

    bool Ready() const { return window && !window->ProgramEnding && window->ChartData; }

    // Where the tree's node is in the window, scrolled into view. The clicks
    // go there through the window system, as the mouse sends them: a right
    // press becomes the context menu, two quick presses a double-click.
    QPoint InWindow(QTreeWidgetItem* node) const
    {
        QTreeWidget* tree = window->PatientTreeView;
        tree->scrollToItem(node);
        const QRect rect = tree->visualItemRect(node);
        const QPoint at(rect.left() + std::min(rect.width() / 2, 40), rect.center().y());
        return tree->viewport()->mapTo(window.get(), at);
    }
    void RightClickNode(QTreeWidgetItem* node)
    {
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, InWindow(node));
    }
    void DoubleClickNode(QTreeWidgetItem* node)
    {
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, InWindow(node));
    }

    const QString savedDirectory = QDir::currentPath();
    FreshDatabase fresh;
    Database db;
    ScriptedScreen screen;
    std::unique_ptr<TF_Main> window;
};

} // namespace kelvaro::test
