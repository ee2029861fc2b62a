#include "app/PatientListFixture.h"

#include "chart/PatientBaseInfo.h"
#include "forms/U_SectionInfo.h"
#include "forms/U_SetParams.h"
#include "forms/U_UserInfo.h"
#include "render/DrawChartPage.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>

namespace kelvaro
{
namespace
{

class AdminTest : public test::PatientListFixture
{
protected:
    // The grid's first column of the dialog shown by `menuItem`.
    QStringList ShownBy(QAction* menuItem, const char* grid)
    {
        QStringList shown;
        onModal = [&](QDialog& dialog) {
            dialog.show();
            const auto* view = dialog.findChild<QTableView*>(QString::fromLatin1(grid));
            EXPECT_NE(view, nullptr) << grid;
            for (int row = 0; view && row < view->model()->rowCount(); ++row)
                shown << view->model()
                             ->index(row, view->horizontalHeader()->logicalIndex(0))
                             .data()
                             .toString();
            return int(QDialog::Rejected);
        };
        menuItem->trigger();
        return shown;
    }

    // The chart of one patient open in the window, as the chart view leaves it.
    void OpenChart()
    {
        AddPatient(QStringLiteral("1001"), QStringLiteral("张三"), QStringLiteral("内科"),
                   QDateTime(QDate(2015, 3, 2), QTime(8, 0)));
        ASSERT_TRUE(
            OpenPatientChart(window->DBConnect, *window->ChartData, QStringLiteral("ID1001")));
    }

    QImage Drawn(const ChartPageSettings& settings)
    {
        QImage page;
        DrawChartPage(page, *window->ChartData, 1, settings);
        return page;
    }
};

TEST_P(AdminTest, MenuItemsOpenTheDialogsOnTheMainConnection)
{
    AddSections({"内科", "外科"});
    ASSERT_TRUE(db().Exec(QStringLiteral(
        "insert into tblUserInfo([Number],Pwd,SectionName) values('n01','','内科')")));
    EXPECT_EQ(ShownBy(window->N3, "SectionList"), QStringList({"内科", "外科"}));
    EXPECT_EQ(ShownBy(window->N4, "UserList"), QStringList({"n01", "nurse1"}));
    EXPECT_EQ(modalDialogs, 2);
}

TEST_P(AdminTest, SavedParametersApplyAtOnceAndTheWeekIsRedrawn)
{
    OpenChart();
    window->BackupMode = 3;
    onModal = [](QDialog& dialog) {
        dialog.show();
        const std::pair<const char*, const char*> typed[] = {
            {"TxtValue", "4"}, {"TxtOffset", "3"}, {"TxtTitleOffset", "5"}};
        for (const auto& [edit, text] : typed)
            dialog.findChild<QLineEdit*>(QString::fromLatin1(edit))
                ->setText(QString::fromUtf8(text));
        dialog.findChild<QAbstractButton*>(QStringLiteral("RdoFixedTime"))->click();
        dialog.findChild<QAbstractButton*>(QStringLiteral("BtnSave"))->click();
        return dialog.result();
    };
    window->N10->trigger();
    EXPECT_EQ(MessageBox::ShownTexts(),
              QStringList({"参数保存成功!", "参数配置成功，重新登录后生效!"}));
    EXPECT_EQ(window->StartHour, 4);
    EXPECT_EQ(window->Offset, 3);
    EXPECT_EQ(window->TitleOffset, 5);
    EXPECT_EQ(window->PrinterName, QString());
    EXPECT_EQ(window->BackupMode, 3); // the backup settings wait for the next start
    EXPECT_FALSE(window->BackupHour.has_value());
    const QImage expected = Drawn({4, 3, 5, false});
    EXPECT_EQ(window->ChartBitmap, expected);
    EXPECT_NE(window->ChartBitmap, Drawn({2, 3, 5, false}));
}

TEST_P(AdminTest, LeavingTheParametersChangesNothingButStillRedraws)
{
    OpenChart();
    window->StartHour = 6;
    window->PrinterName = QStringLiteral("病区打印机");
    onModal = [](QDialog& dialog) {
        dialog.show();
        dialog.findChild<QLineEdit*>(QStringLiteral("TxtValue"))->setText(QStringLiteral("4"));
        dialog.findChild<QAbstractButton*>(QStringLiteral("BtnExit"))->click();
        return dialog.result();
    };
    window->N10->trigger();
    EXPECT_TRUE(MessageBox::ShownTexts().isEmpty());
    EXPECT_EQ(window->StartHour, 6);
    EXPECT_EQ(window->PrinterName, QStringLiteral("病区打印机"));
    EXPECT_EQ(window->ChartBitmap, Drawn({6, 0, 0, false}));
}

INSTANTIATE_TEST_SUITE_P(Engines, AdminTest, test::AllEngines(), test::EngineName);

} // namespace
} // namespace kelvaro
