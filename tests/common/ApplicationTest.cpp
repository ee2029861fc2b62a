#include "common/ui/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// The test program prepares its application as the program does.
namespace kelvaro
{
namespace
{

struct SeenBox {
    QString caption, yes, no;
};

// Shows a real question and presses Enter on it, as a nurse in a hurry does.
bool PressEnterOnQuestion(MessageBox::Default byDefault, SeenBox& seen)
{
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {box->windowTitle(), box->button(QMessageBox::Yes)->text(),
                box->button(QMessageBox::No)->text()};
        QTest::keyClick(box, Qt::Key_Return);
    });
    return MessageBox::Question(nullptr, QStringLiteral("确认清除?"), byDefault);
}

TEST(MessageBoxOnScreen, ChineseButtonsExactCaptionAndTheDefaultTheCallerChose)
{
    SeenBox seen;
    EXPECT_FALSE(PressEnterOnQuestion(MessageBox::Default::No, seen));
    EXPECT_EQ(seen.caption, QStringLiteral("提示"));
    EXPECT_TRUE(seen.yes.startsWith(QStringLiteral("是"))) << seen.yes.toStdString();
    EXPECT_TRUE(seen.no.startsWith(QStringLiteral("否"))) << seen.no.toStdString();
    EXPECT_TRUE(PressEnterOnQuestion(MessageBox::Default::Yes, seen));
    // Qt appends an application display name to every caption the window
    // manager shows; the program sets none.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
}

TEST(ChineseLocale, CalendarsAndDatesSpeakChinese)
{
    EXPECT_EQ(QLocale().standaloneMonthName(11), QStringLiteral("十一月"));
    QCalendarWidget calendar;
    calendar.setSelectedDate(QDate(2026, 11, 1));
    const auto* month = calendar.findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(month->text(), QStringLiteral("十一月"));
}

// Focus moved in code (the dialogs' Enter chain) shows as plainly as focus moved by Tab.
TEST(FocusStyle, TheControlWithTheFocusLooksDifferent)
{
    QWidget form;
    auto* column = new QVBoxLayout(&form);
    auto* combo = new QComboBox(&form);
    combo->addItems({QStringLiteral("男"), QStringLiteral("女")});
    auto* button = new QPushButton(QStringLiteral("保存"), &form);
    auto* other = new QPushButton(QStringLiteral("取消"), &form);
    for (QWidget* control : std::initializer_list<QWidget*>{combo, button, other})
        column->addWidget(control);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (QWidget* control : std::initializer_list<QWidget*>{combo, button}) {
        SCOPED_TRACE(control->metaObject()->className());
        other->setFocus();
        const QImage unfocused = control->grab().toImage();
        control->setFocus();
        ASSERT_TRUE(control->hasFocus());
        EXPECT_NE(control->grab().toImage(), unfocused);
    }
}

} // namespace
} // namespace kelvaro
