#pragma once
#include "db/Database.h"

#include <QByteArray>
#include <QDateTime>
#include <optional>

namespace kelvaro
{

// The chart rows of tblFebriloInfo: one per patient, its document as text.

// The statement that makes a patient's chart row with an empty document, in
// the dialect of the database kind.
QString RowMakingStatement(const QString& databaseKind, const QString& patientId,
                           const QString& operatorName,
                           const QDateTime& now = QDateTime::currentDateTime());
bool MakeChartRow(Database& db, const QString& databaseKind, const QString& patientId,
                  const QString& operatorName, QString* error = nullptr);

// The stored document of the patient's first chart row (code page bytes);
// none when the patient has no row.
bool ReadChartDocument(Database& db, const QString& patientId, std::optional<QByteArray>& document,
                       QString* error = nullptr);
bool DeleteChartRows(Database& db, const QString& patientId, QString* error = nullptr);
// Takes the patient's rows for update: a second writer waits for this transaction.
bool ClaimChartRows(Database& db, const QString& patientId, QString* error = nullptr);

// The first chart row of a patient, as a save finds it.
struct ChartRow {
    bool found = false;
    QString serialNo;
    QByteArray document; // code page bytes; empty for an empty or null value
};
bool ReadChartRow(Database& db, const QString& patientId, ChartRow& row, QString* error);
bool WriteChartRow(Database& db, const ChartRow& row, const QByteArray& document, QString* error);

} // namespace kelvaro
