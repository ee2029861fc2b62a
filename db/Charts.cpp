#include "db/Charts.h"

#include "common/CodePage.h"
#include "db/Dialect.h"

namespace kelvaro
{

namespace
{

// " where PatientID='…'" for the patient's chart rows.
QString PatientCondition(const QString& patientId)
{
    return QStringLiteral(" where PatientID='") + Quoted(patientId) + QLatin1Char('\'');
}

} // namespace

QString RowMakingStatement(const QString& databaseKind, const QString& patientId,
                           const QString& operatorName, const QDateTime& now)
{
    const Dialect dialect = DialectForKind(databaseKind);
    return QStringLiteral("insert into tblFebriloInfo(PatientID,BodyTempData,CreateDate,Operator)"
                          " Values('") +
           Quoted(patientId) + QStringLiteral("',") + dialect.EmptyDocumentValue +
           QLatin1Char(',') + DateTimeLiteral(dialect, now) + QStringLiteral(",'") +
           Quoted(operatorName) + QStringLiteral("');");
}

bool MakeChartRow(Database& db, const QString& databaseKind, const QString& patientId,
                  const QString& operatorName, QString* error)
{
    return db.Exec(RowMakingStatement(databaseKind, patientId, operatorName), error);
}

bool ReadChartDocument(Database& db, const QString& patientId, std::optional<QByteArray>& document,
                       QString* error)
{
    Rows rows;
    if (!db.Select(QStringLiteral("select BodyTempData from tblFebriloInfo") +
                       PatientCondition(patientId),
                   rows, error))
        return false;
    document.reset();
    if (!rows.empty())
        document = rows.front().bytes(QStringLiteral("BodyTempData"));
    return true;
}

bool DeleteChartRows(Database& db, const QString& patientId, QString* error)
{
    return db.Exec(QStringLiteral("delete from tblFebriloInfo") + PatientCondition(patientId),
                   error);
}

bool ClaimChartRows(Database& db, const QString& patientId, QString* error)
{
    return db.Exec(QStringLiteral("update tblFebriloInfo set PatientID=PatientID") +
                       PatientCondition(patientId),
                   error);
}

bool ReadChartRow(Database& db, const QString& patientId, ChartRow& row, QString* error)
{
    Rows rows;
    const QString select = QStringLiteral("select SerialNo,BodyTempData from tblFebriloInfo") +
                           PatientCondition(patientId);
    if (!db.Select(select, rows, error))
        return false;
    row = ChartRow();
    if (rows.empty())
        return true;
    row.found = true;
    row.serialNo = rows.front().text(QStringLiteral("SerialNo"));
    row.document = rows.front().bytes(QStringLiteral("BodyTempData"));
    return true;
}

// The database keeps the document as text; its code page bytes come back on reading.
// The statement of a long chart is as long as its document: it is built in
// place, not through copies.
bool WriteChartRow(Database& db, const ChartRow& row, const QByteArray& document, QString* error)
{
    const QString head = QStringLiteral("update tblFebriloInfo set BodyTempData='");
    const QString tail = QStringLiteral("' where SerialNo=") + row.serialNo;
    QString statement;
    {
        const QString value = Quoted(FromCodePage(document));
        statement.reserve(head.size() + value.size() + tail.size());
        statement += head;
        statement += value;
        statement += tail;
    }
    return db.Exec(statement, error);
}

} // namespace kelvaro
