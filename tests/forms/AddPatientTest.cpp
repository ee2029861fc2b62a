#include "db/Engines.h"

#include "common/ui/MessageBox.h"
#include "db/Dialect.h"
#include "forms/U_AddPatient.h"
#include "support/ScriptedMessages.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace kelvaro
{
namespace
{

const QDateTime Admitted(QDate(2015, 3, 7), QTime(8, 5, 9));

struct Patient {
    QString SerialNumber, Name, Sex, Age, AgeUnit, InHospitalSection, BedNo;
};

class AddPatientTest : public testing::TestWithParam<Engine>
{
protected:
    void SetUp() override
    {
        KELVARO_FRESH_DATABASE_OR_SKIP(fresh, GetParam(), test::FreshDatabase::Contents::Schema);
        for (const char* section : {"内科", "外科"})
            ASSERT_TRUE(db().Exec(QStringLiteral("insert into tblSectionInfo(SectionName) "
                                                 "values('%1')")
                                      .arg(QString::fromUtf8(section))));
    }

    Database& db() { return fresh.db(); }

    std::unique_ptr<TF_AddPatientInfo> Open(const QString& contentID = {})
    {
        auto dialog = std::make_unique<TF_AddPatientInfo>(db(), DialectForKind(fresh.kind()));
        if (!contentID.isEmpty())
            dialog->SetModify(contentID);
        dialog->show();
        return dialog;
    }

    template <class Field> static Field* Find(QDialog& dialog, const char* name)
    {
        auto* field = dialog.findChild<Field*>(name);
        EXPECT_NE(field, nullptr) << name;
        return field;
    }

    static void Fill(QDialog& dialog, const Patient& p)
    {
        Find<QLineEdit>(dialog, "TxtSN")->setText(p.SerialNumber);
        Find<QLineEdit>(dialog, "TxtName")->setText(p.Name);
        Find<QComboBox>(dialog, "CBoxSex")->setCurrentText(p.Sex);
        Find<QLineEdit>(dialog, "TxtAge")->setText(p.Age);
        Find<QComboBox>(dialog, "CBoxAgeUnit")->setCurrentText(p.AgeUnit);
        Find<QComboBox>(dialog, "CBoxSectionList")->setCurrentText(p.InHospitalSection);
        Find<QLineEdit>(dialog, "TxtBedNo")->setText(p.BedNo);
        Find<QDateTimeEdit>(dialog, "DTInHosDate")->setDateTime(Admitted);
    }

    static void Register(QDialog& dialog) { Find<QPushButton>(dialog, "BtnRegister")->click(); }

    Rows Stored()
    {
        Rows rows;
        EXPECT_TRUE(
            db().Select(QStringLiteral("select * from tblInPatientInfo order by SerialNo"), rows));
        return rows;
    }

    static Patient Read(const Row& row)
    {
        return {row.text("SerialNumber"), row.text("Name"),    row.text("Sex"),
                row.text("Age"),          row.text("AgeUnit"), row.text("InHospitalSection"),
                row.text("BedNo")};
    }

    test::ScriptedMessages messages;
    test::FreshDatabase fresh;
};

bool operator==(const Patient& a, const Patient& b)
{
    return std::tie(a.SerialNumber, a.Name, a.Sex, a.Age, a.AgeUnit, a.InHospitalSection,
                    a.BedNo) ==
           std::tie(b.SerialNumber, b.Name, b.Sex, b.Age, b.AgeUnit, b.InHospitalSection, b.BedNo);
}

void PrintTo(const Patient& p, std::ostream* os)
{
    *os << QStringList{p.SerialNumber,      p.Name, p.Sex, p.Age, p.AgeUnit,
                       p.InHospitalSection, p.BedNo}
               .join('|')
               .toStdString();
}

const Patient Zhang{"1001", "张三", "女", "45", "岁", "外科", "12"};

TEST_P(AddPatientTest, RequiredFieldsAreAskedForInScreenOrder)
{
    auto dialog = Open();
    Find<QComboBox>(*dialog, "CBoxSectionList")->setCurrentIndex(-1);
    const std::pair<const char*, const char*> steps[] = {
        {"TxtSN", "请填写病人住院号!"},  {"TxtName", "请填写病人姓名!"},
        {"TxtAge", "请填写病人年龄!"},   {"CBoxSectionList", "请填写病人入住科室!"},
        {"TxtBedNo", "请填写病人床号!"},
    };
    for (const auto& [field, message] : steps) {
        MessageBox::ClearShown();
        Register(*dialog);
        EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QString::fromUtf8(message)});
        // A blank is content.
        if (auto* edit = dialog->findChild<QLineEdit*>(field))
            edit->setText(QStringLiteral(" "));
        else
            Find<QComboBox>(*dialog, field)->setCurrentIndex(0);
    }
    EXPECT_TRUE(Stored().empty());
    Register(*dialog);
    EXPECT_EQ(Stored().size(), 1u);
}

TEST_P(AddPatientTest, RegistersAndEmptiesTheFormForTheNextPatient)
{
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("添加病人信息"));
    EXPECT_EQ(Find<QComboBox>(*dialog, "CBoxSectionList")->currentText(), QStringLiteral("内科"));
    Fill(*dialog, Zhang);
    Register(*dialog);
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("病人信息登记成功!")});

    Rows rows = Stored();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Read(rows[0]), Zhang);
    EXPECT_EQ(rows[0].dateTime("InHospitalDate"), Admitted);
    EXPECT_EQ(rows[0].text("CurrentStatus"), QStringLiteral("1"));
    EXPECT_TRUE(rows[0].isNull("OutHospitalDate"));
    EXPECT_TRUE(QRegularExpression("^[0-9A-F]{32}$").match(rows[0].text("ContentID")).hasMatch());

    EXPECT_TRUE(dialog->isVisible());
    for (const char* edit : {"TxtSN", "TxtName", "TxtAge", "TxtBedNo"})
        EXPECT_TRUE(Find<QLineEdit>(*dialog, edit)->text().isEmpty()) << edit;
    EXPECT_EQ(Find<QComboBox>(*dialog, "CBoxSex")->currentText(), QStringLiteral("男"));
    EXPECT_EQ(Find<QComboBox>(*dialog, "CBoxAgeUnit")->currentText(), QStringLiteral("岁"));
    EXPECT_EQ(Find<QComboBox>(*dialog, "CBoxSectionList")->currentText(), QStringLiteral("内科"));
    EXPECT_LE(Find<QDateTimeEdit>(*dialog, "DTInHosDate")
                  ->dateTime()
                  .secsTo(QDateTime::currentDateTime()),
              60);

    Fill(*dialog, {"1002", "李四", "男", "abc", "月", "内科", "3"});
    Register(*dialog);
    rows = Stored();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].text("Age"), QStringLiteral("abc"));
    EXPECT_NE(rows[0].text("ContentID"), rows[1].text("ContentID"));
}

TEST_P(AddPatientTest, RefusesANumberTakenByADischargedPatient)
{
    ASSERT_TRUE(db().Exec(QStringLiteral(
        "insert into tblInPatientInfo(ContentID,SerialNumber,Name,InHospitalDate,"
        "OutHospitalDate,CurrentStatus) values('OLD','1001','王五','2015-01-01 08:00:00',"
        "'2015-01-09 10:00:00',2)")));
    auto dialog = Open();
    Fill(*dialog, Zhang);
    Register(*dialog);
    EXPECT_EQ(MessageBox::ShownTexts(),
              QStringList{QStringLiteral("住院号已经占用，不能重复使用，请确认!")});
    EXPECT_EQ(Stored().size(), 1u);
    EXPECT_EQ(Find<QLineEdit>(*dialog, "TxtName")->text(), Zhang.Name);
}

TEST_P(AddPatientTest, ModificationKeepsTheKey)
{
    auto adding = Open();
    Fill(*adding, Zhang);
    Register(*adding);
    Fill(*adding, {"2002", "李四", "男", "30", "岁", "内科", "3"});
    Register(*adding);
    const QString key = Stored()[0].text("ContentID");

    MessageBox::ClearShown();
    auto dialog = Open(key);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("修改病人信息"));
    EXPECT_EQ(Find<QPushButton>(*dialog, "BtnRegister")->text(), QStringLiteral("修改(&M)"));
    EXPECT_EQ(Find<QLineEdit>(*dialog, "TxtSN")->text(), Zhang.SerialNumber);
    EXPECT_EQ(Find<QComboBox>(*dialog, "CBoxSex")->currentText(), Zhang.Sex);
    EXPECT_EQ(Find<QComboBox>(*dialog, "CBoxSectionList")->currentText(), QStringLiteral("外科"));
    // The picker gets the stored time cut to the minute.
    EXPECT_EQ(Find<QDateTimeEdit>(*dialog, "DTInHosDate")->dateTime(),
              QDateTime(Admitted.date(), QTime(8, 5)));

    // Another patient's number is accepted here.
    const Patient changed{"2002", "张三丰", "男", "46", "月", "内科", "7"};
    Fill(*dialog, changed);
    Register(*dialog);
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("病人信息修改成功!")});
    const Rows rows = Stored();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text("ContentID"), key);
    EXPECT_EQ(Read(rows[0]), changed);
    EXPECT_EQ(rows[0].text("CurrentStatus"), QStringLiteral("1"));
    EXPECT_TRUE(Find<QLineEdit>(*dialog, "TxtSN")->text().isEmpty());
}

TEST_P(AddPatientTest, APatientWhoseSectionIsGoneMustBeGivenOne)
{
    auto adding = Open();
    Fill(*adding, Zhang);
    Register(*adding);
    ASSERT_TRUE(db().Exec(QStringLiteral("delete from tblSectionInfo where SectionName='外科'")));

    MessageBox::ClearShown();
    auto dialog = Open(Stored()[0].text("ContentID"));
    EXPECT_TRUE(Find<QComboBox>(*dialog, "CBoxSectionList")->currentText().isEmpty());
    Register(*dialog);
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("请填写病人入住科室!")});
}

TEST_P(AddPatientTest, AQuoteTypedIsStoredAndFoundAsTyped)
{
    const Patient quoted{"A'1", "O'Brien", "男", "3'", "岁", "内科", "b'2"};
    auto dialog = Open();
    Fill(*dialog, quoted);
    Register(*dialog);
    ASSERT_EQ(Stored().size(), 1u);
    EXPECT_EQ(Read(Stored()[0]), quoted);

    MessageBox::ClearShown();
    Fill(*dialog, quoted);
    Register(*dialog);
    EXPECT_EQ(MessageBox::ShownTexts(),
              QStringList{QStringLiteral("住院号已经占用，不能重复使用，请确认!")});

    auto modifying = Open(Stored()[0].text("ContentID"));
    EXPECT_EQ(Find<QLineEdit>(*modifying, "TxtName")->text(), quoted.Name);
}

TEST_P(AddPatientTest, ADatabaseFailureKeepsTheFields)
{
    auto dialog = Open();
    ASSERT_TRUE(db().Exec(QStringLiteral("alter table tblInPatientInfo rename to tblGone")));
    Fill(*dialog, Zhang);
    Register(*dialog);
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("登记病人信息失败，请重试!")});
    EXPECT_EQ(Find<QLineEdit>(*dialog, "TxtSN")->text(), Zhang.SerialNumber);

    MessageBox::ClearShown();
    auto modifying = Open(QStringLiteral("ANY"));
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("获取病人基本信息失败!")});
}

TEST_P(AddPatientTest, EnterWalksTheFieldsAndRegistersAtTheEnd)
{
    auto dialog = Open();
    Fill(*dialog, Zhang);
    const char* chain[] = {"TxtName",         "CBoxSex",  "TxtAge",      "CBoxAgeUnit",
                           "CBoxSectionList", "TxtBedNo", "DTInHosDate", "BtnRegister"};
    Find<QLineEdit>(*dialog, "TxtSN")->setFocus();
    for (const char* next : chain) {
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        auto* expected = Find<QWidget>(*dialog, next);
        QWidget* focus = dialog->focusWidget();
        EXPECT_TRUE(focus == expected || focus == expected->focusProxy()) << next;
    }
    EXPECT_TRUE(Stored().empty());
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(Stored().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Engines, AddPatientTest, test::AllEngines(), test::EngineName);

} // namespace
} // namespace kelvaro
