#include "forms/EditDataFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>

namespace kelvaro::test
{
namespace
{

const QDate Day(2015, 3, 2);
const QString DayKey = QStringLiteral("2015-03-02");

QString Numbered(const char* name, int slot)
{
    return QString::fromLatin1(name) + QString::number(slot + 1);
}

TEST_P(EditDataTest, PagesAreCaptionedByTheSlotHoursAndPickersDefaultToThem)
{
    const struct {
        int startHour;
        QStringList captions;
    } cases[] = {
        {2, {"2", "6", "10", "14", "18", "22"}},
        {4, {"4", "8", "12", "16", "20", "24"}},
        {22, {"22", "2", "6", "10", "14", "18"}},
    };
    for (const auto& [startHour, captions] : cases) {
        auto dialog = Open(DayKey, startHour);
        const auto* pages = Find<QTabWidget>(*dialog, QStringLiteral("PageCtrl"));
        ASSERT_EQ(pages->count(), 6);
        for (int slot = 0; slot < 6; ++slot) {
            EXPECT_EQ(pages->tabText(slot), captions[slot]) << startHour;
            const QTime expected(captions[slot].toInt() % 24, 0);
            for (const char* picker : {"DTEventTime", "DTEventTimeTwo"})
                EXPECT_EQ(Find<QTimeEdit>(*dialog, Numbered(picker, slot))->time(), expected)
                    << startHour << " " << picker << slot + 1;
        }
    }
}

TEST_P(EditDataTest, NewDayFromOneFilledEditIsStoredExactly)
{
    StoreChart({});
    auto dialog = Open(DayKey);
    Find<QLineEdit>(*dialog, QStringLiteral("TxtYB1"))->setText(QStringLiteral("37.5"));
    Save(*dialog);
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList{QStringLiteral("保存成功!")});

    const TemperatureDataMap days = StoredDays();
    ASSERT_EQ(days.size(), 1u);
    const TemperatureData& stored = days.at(DayKey);
    TemperatureData expected;
    expected.Date = DayKey;
    expected.YB[0] = QStringLiteral("37.5");
    for (int slot = 0; slot < 6; ++slot) {
        const QString hour = QStringLiteral("%1:00").arg((2 + 4 * slot) % 24, 2, 10, QChar('0'));
        expected.EventTime[slot] = expected.EventTime2[slot] = hour;
        expected.HXJ[slot] = QStringLiteral("FALSE");
    }
    ASSERT_EQ(stored.OperationLog.size(), 1u);
    const OperationLogInfo& entry = stored.OperationLog.front();
    EXPECT_EQ(entry.Type, QStringLiteral("1"));
    EXPECT_EQ(entry.Operator, QStringLiteral("nurse1"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                    .match(entry.Date)
                    .hasMatch())
        << entry.Date.toStdString();
    expected.OperationLog = stored.OperationLog;
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(dialog->DocumentText, StoredDocument());
}

TEST_P(EditDataTest, SavingTheDayAgainAppendsASecondKindOfLogEntry)
{
    StoreChart({});
    auto dialog = Open(DayKey);
    Save(*dialog);
    Find<QLineEdit>(*dialog, QStringLiteral("TxtMB3"))->setText(QStringLiteral("88"));
    Save(*dialog);

    const TemperatureDataMap days = StoredDays();
    ASSERT_EQ(days.size(), 1u);
    const TemperatureData& stored = days.at(DayKey);
    EXPECT_EQ(stored.MB[2], QStringLiteral("88"));
    ASSERT_EQ(stored.OperationLog.size(), 2u);
    EXPECT_EQ(stored.OperationLog[0].Type, QStringLiteral("1"));
    EXPECT_EQ(stored.OperationLog[1].Type, QStringLiteral("2"));
}

// The values without a control are not kept; everything shown goes back as it was.
TEST_P(EditDataTest, ARecordedDayIsShownAndSavedBackWithoutItsUneditedValues)
{
    TemperatureData day;
    day.Date = DayKey;
    day.YB[1] = QStringLiteral("38.2");
    day.Event[0] = QStringLiteral("入院");
    day.EventTime[0] = QStringLiteral("03:15");
    day.Event2[4] = QStringLiteral("外出检查"); // not one of the offered events
    day.EventTime2[4] = QStringLiteral("8点");  // not a time: the slot's hour is shown
    day.Memo[5] = QStringLiteral("备注");
    const QStringList flags = {"TRUE", "true", "1", "0", "", "yes"};
    for (int slot = 0; slot < 6; ++slot)
        day.HXJ[slot] = flags[slot];
    day.SHTS = QStringLiteral("3");
    day.DBCS = QStringLiteral("1     1/E");
    day.GMYW = QStringLiteral("青霉素");
    day.CHTS = QStringLiteral("5");
    day.SG = QStringLiteral("170");
    day.NL = QStringLiteral("45");
    day.OperationLog = {{"1", "2015-03-02 08:00:00", "n01"}};
    StoreChart({{DayKey, day}});

    auto dialog = Open(DayKey);
    EXPECT_EQ(Find<QLineEdit>(*dialog, QStringLiteral("TxtYB2"))->text(), day.YB[1]);
    EXPECT_EQ(Find<QComboBox>(*dialog, QStringLiteral("CBoxEventTwo5"))->currentText(),
              day.Event2[4]);
    EXPECT_EQ(Find<QTimeEdit>(*dialog, QStringLiteral("DTEventTime1"))->time(), QTime(3, 15));
    EXPECT_EQ(Find<QTimeEdit>(*dialog, QStringLiteral("DTEventTimeTwo5"))->time(), QTime(18, 0));
    EXPECT_EQ(Find<QComboBox>(*dialog, QStringLiteral("CBoxDBCS"))->currentText(), day.DBCS);
    const bool checked[] = {true, true, true, false, false, false};
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_EQ(Find<QCheckBox>(*dialog, Numbered("ChkHXJ", slot))->isChecked(), checked[slot])
            << flags[slot].toStdString();

    Save(*dialog);
    const TemperatureData stored = StoredDays().at(DayKey);
    EXPECT_TRUE(stored.CHTS.isEmpty());
    EXPECT_TRUE(stored.SG.isEmpty());
    EXPECT_TRUE(stored.NL.isEmpty());
    for (auto value : {&TemperatureData::SHTS, &TemperatureData::DBCS, &TemperatureData::GMYW})
        EXPECT_EQ(stored.*value, day.*value);
    EXPECT_EQ(stored.YB, day.YB);
    EXPECT_EQ(stored.Event, day.Event);
    EXPECT_EQ(stored.Event2, day.Event2);
    EXPECT_EQ(stored.Memo, day.Memo);
    EXPECT_EQ(stored.EventTime2[4], QStringLiteral("18:00"));
    EXPECT_EQ(stored.HXJ[0], QStringLiteral("TRUE"));
    EXPECT_EQ(stored.HXJ[5], QStringLiteral("FALSE"));
    ASSERT_EQ(stored.OperationLog.size(), 2u);
    EXPECT_EQ(stored.OperationLog[0], day.OperationLog[0]);
}

TEST_P(EditDataTest, OptionsSwitchControlsOffOnlyOnceARecordedDayIsShown)
{
    const std::pair<const char*, const char*> options[] = {
        {"体重", "0"}, {"体重", "1"}, {"事件2", "0"}, {"腋表", "1"}};
    const QString no = GetParam() == Engine::PostgreSQL ? "false" : "0";
    const QString yes = GetParam() == Engine::PostgreSQL ? "true" : "1";
    for (const auto& [name, allowed] : options)
        ASSERT_TRUE(db().Exec(QStringLiteral("insert into tblOptionConfig(ItemName,AllowEdit) "
                                             "values('%1',%2)")
                                  .arg(QString::fromUtf8(name), *allowed == '1' ? yes : no)));
    TemperatureData recorded;
    recorded.Date = DayKey;
    recorded.TZ = QStringLiteral("61.5");
    StoreChart({{DayKey, recorded}});

    auto dialog = Open(QStringLiteral("2015-03-01"));
    auto* weight = Find<QLineEdit>(*dialog, QStringLiteral("TxtTZ"));
    const auto secondEvent = [&] {
        std::vector<QWidget*> controls;
        for (int slot = 0; slot < 6; ++slot) {
            controls.push_back(Find<QComboBox>(*dialog, Numbered("CBoxEventTwo", slot)));
            controls.push_back(Find<QTimeEdit>(*dialog, Numbered("DTEventTimeTwo", slot)));
        }
        return controls;
    }();
    EXPECT_TRUE(weight->isEnabled());
    for (QWidget* control : secondEvent)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();

    ShowDay(*dialog, Day);
    EXPECT_FALSE(weight->isEnabled()); // the first of the two rows wins
    EXPECT_EQ(weight->text(), recorded.TZ);
    for (QWidget* control : secondEvent)
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    for (const char* free : {"TxtYB1", "CBoxEvent1", "TxtKB1", "TxtRL"})
        EXPECT_TRUE(Find<QWidget>(*dialog, QString::fromLatin1(free))->isEnabled()) << free;

    ShowDay(*dialog, QDate(2015, 3, 3));
    EXPECT_FALSE(weight->isEnabled());
    EXPECT_TRUE(weight->text().isEmpty());

    ShowDay(*dialog, Day);
    Save(*dialog);
    EXPECT_EQ(StoredDays().at(DayKey).TZ, recorded.TZ);
}

// Chinese text arrives from the input method, one committed character at a time.
void Type(QLineEdit* edit, const QString& text)
{
    for (const QChar c : text) {
        QInputMethodEvent commit;
        commit.setCommitString(c);
        QCoreApplication::sendEvent(edit, &commit);
    }
}

TEST_P(EditDataTest, TheFirstMemoTakesTenChineseCharactersTheOthersMore)
{
    const QString typed = QStringLiteral("一二三四五六七八九十甲");
    TemperatureData recorded;
    recorded.Date = DayKey;
    recorded.Memo[0] = QStringLiteral("一二三四五六七八九十甲乙");
    StoreChart({{DayKey, recorded}});
    auto dialog = Open(QStringLiteral("2015-03-01"));
    auto* first = Find<QLineEdit>(*dialog, QStringLiteral("TxtMemo1"));
    auto* second = Find<QLineEdit>(*dialog, QStringLiteral("TxtMemo2"));
    EXPECT_EQ(first->toolTip(), QStringLiteral("最多接收10个汉字"));

    Type(first, typed);
    EXPECT_EQ(first->text(), typed.left(10));
    first->clear();
    Type(first, QStringLiteral("abcdefghij一二三四五六"));
    EXPECT_EQ(first->text(), QStringLiteral("abcdefghij一二三四五"));
    Type(second, typed);
    EXPECT_EQ(second->text(), typed);

    // A longer stored memo shows whole and can be shortened.
    ShowDay(*dialog, Day);
    EXPECT_EQ(first->text(), recorded.Memo[0]);
    first->end(false);
    QTest::keyClick(first, Qt::Key_Backspace);
    EXPECT_EQ(first->text(), recorded.Memo[0].chopped(1));
    Type(first, QStringLiteral("丙"));
    EXPECT_EQ(first->text(), recorded.Memo[0].chopped(1));
}

TEST_P(EditDataTest, AnAdmissionDayWithoutRecordShowsEmptyControls)
{
    StoreChart({});
    auto dialog = Open(DayKey);
    EXPECT_EQ(Find<QDateEdit>(*dialog, QStringLiteral("DTDate"))->date(), Day);
    for (const char* name : {"TxtYB1", "TxtMemo6", "TxtSHTS", "TxtGMYW"})
        EXPECT_TRUE(Find<QLineEdit>(*dialog, QString::fromLatin1(name))->text().isEmpty());
    EXPECT_TRUE(Find<QComboBox>(*dialog, QStringLiteral("CBoxXBCS"))->currentText().isEmpty());
}

// A stored chart the reader cannot read would lose its days to the save.
TEST_P(EditDataTest, AStoredChartThatCannotBeReadIsNotOverwritten)
{
    StoreDocument(
        "<Root PatientID=\"someone else\" SerialNumber=\"9\" ><Group Date=\"2015-01-01\"/>");
    const QByteArray before = StoredDocument();
    auto dialog = Open(DayKey);
    Find<QLineEdit>(*dialog, QStringLiteral("TxtYB1"))->setText(QStringLiteral("37.5"));
    Save(*dialog);

    ASSERT_EQ(MessageBox::ShownTexts().size(), 1);
    EXPECT_TRUE(MessageBox::ShownTexts().front().contains(QStringLiteral("不能保存")));
    EXPECT_EQ(StoredDocument(), before);
    EXPECT_EQ(dialog->DocumentText, before);
}

INSTANTIATE_TEST_SUITE_P(Engines, EditDataTest, AllEngines(), EngineName);

} // namespace
} // namespace kelvaro::test
