#include "app/U_Main.h"

#include "common/ui/MessageBox.h"
#include "db/PatientListQuery.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>

namespace kelvaro
{

namespace
{

const QString inHospital = QStringLiteral("在院");

struct ListColumn {
    const char* title;
    const char* field;
    int width;
};
constexpr ListColumn listColumns[] = {
    {"住院号", "SerialNumber", 120},
    {"姓名", "Name", 80},
    {"性别", "Sex", 60},
    {"年龄", "Age", 60},
    {"科室", "InHospitalSection", 130},
    {"床号", "BedNo", 100},
    {"入院日期", "InHospitalDate", 140},
    {"出院日期", "OutHospitalDate", 140},
};

// Server engines hand dates back as typed values; show them as the local
// engine's text shows them.
class DateTimeText : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override
    {
        if (value.typeId() == QMetaType::QDateTime)
            return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return QStyledItemDelegate::displayText(value, locale);
    }
};

// Shows the list's columns in their order under their titles and hides the
// rest of "select *" (the key among them).
void ShowListColumns(QTableView& view, QSqlQueryModel& model)
{
    QHeaderView& header = *view.horizontalHeader();
    const QSqlRecord record = model.record();
    for (int column = 0; column < record.count(); ++column)
        view.setColumnHidden(column, true);
    int position = 0;
    for (const ListColumn& shown : listColumns) {
        const int column = record.indexOf(QString::fromLatin1(shown.field));
        if (column < 0)
            continue;
        model.setHeaderData(column, Qt::Horizontal, QString::fromUtf8(shown.title));
        view.setColumnHidden(column, false);
        header.moveSection(header.visualIndex(column), position++);
        view.setColumnWidth(column, shown.width);
    }
}

} // namespace

Dialect TF_Main::SharedDialect() const
{
    Dialect dialect = DialectForKind(DatabaseKind);
    dialect.DateQuote = DateQuote;
    dialect.DateTimeFormat = DateTimeFormat;
    dialect.DayStartSuffix = DayStartSuffix;
    dialect.DayEndSuffix = DayEndSuffix;
    dialect.PatientSource = PatientSource;
    return dialect;
}

void TF_Main::FillSectionFilter()
{
    Rows rows;
    QString error;
    const bool read = DBConnect.Select(SectionFilterStatement(), rows, &error);
    if (!read) {
        MessageBox::Warning(this, QStringLiteral("访问数据库失败，错误原因：") + error);
        return;
    }
    CBoxSectionList->clear();
    for (const Row& row : rows)
        CBoxSectionList->addItem(row.text(QStringLiteral("SectionName")));
    CBoxSectionList->setCurrentIndex(0);
}

void TF_Main::RefreshPatientList()
{
    if (!PatientListModel) {
        PatientListModel = new QSqlQueryModel(this);
        PatientList->setModel(PatientListModel);
        PatientList->setItemDelegate(new DateTimeText(PatientList));
        PatientList->verticalHeader()->setVisible(true); // the row indicator
    }
    const PatientListFilter filter{
        TxtName->text(),           TxtSN->text(),   CBoxSectionList->currentText(),
        CBoxStatus->currentText(), DTBegin->date(), DTEnd->date()};
    if (!DBConnect.SelectInto(*PatientListModel, PatientListStatement(filter, SharedDialect()))) {
        MessageBox::Information(this, QStringLiteral("刷新病人列表失败，请重试!"));
        return;
    }
    ShowListColumns(*PatientList, *PatientListModel);
    if (PatientListModel->rowCount() > 0)
        PatientList->selectRow(0);
}

std::optional<QString> TF_Main::SelectedContentID() const
{
    if (!PatientListModel || PatientListModel->rowCount() == 0)
        return std::nullopt;
    const int row = std::max(PatientList->currentIndex().row(), 0);
    return PatientListModel->record(row).value(QStringLiteral("ContentID")).toString();
}

void TF_Main::CBoxStatusChange()
{
    const bool listsInHospital = CBoxStatus->currentText() == inHospital;
    LbType->setText(listsInHospital ? QStringLiteral("入院日期") : QStringLiteral("出院日期"));
    BtnOutHosReturn->setEnabled(!listsInHospital);
    BtnOutHos->setEnabled(listsInHospital);
    RefreshPatientList();
}

void TF_Main::CBoxSectionListChange()
{
    RefreshPatientList();
}

void TF_Main::DTBeginChange()
{
    RefreshPatientList();
}

void TF_Main::BtnRefreshPatientListClick()
{
    RefreshPatientList();
}

} // namespace kelvaro
