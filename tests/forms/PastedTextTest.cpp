#include "forms/AdminDialogFixture.h"

#include "forms/U_SectionInfo.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace kelvaro
{
namespace
{

using PastedTextTest = test::AdminDialogTest;

// A field can be pasted into with characters no statement can carry; they are
// left out and the rest is saved.
TEST_P(PastedTextTest, NulPastedIntoAFieldIsLeftOut)
{
    TF_SectionInfo dialog(db());
    dialog.show();
    auto* name = Find<QLineEdit>(dialog, "TxtSectionName");
    QApplication::clipboard()->setText(QStringLiteral("内") + QChar(0) + QStringLiteral("科\x01"));
    name->setFocus();
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(name->text().size(), 4) << "the paste reached the field whole";
    Click(dialog, "BtnSave");
    EXPECT_EQ(MessageBox::ShownTexts(), QStringList());
    EXPECT_EQ(Column(QStringLiteral("select SectionName from tblSectionInfo")),
              QStringList{QStringLiteral("内科")});
}

INSTANTIATE_TEST_SUITE_P(Engines, PastedTextTest, test::AllEngines(), test::EngineName);

} // namespace
} // namespace kelvaro
