#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>

namespace kelvaro
{

// How SQL text is written for one database kind. The server kinds use
// single-quoted literals; the local kind uses "#" and doubled colons, which
// the statement layer turns back into single colons.
struct Dialect {
    QString DateQuote;
    QString DateTimeFormat;
    QString DayStartSuffix;
    QString DayEndSuffix;
    QString PatientSource;      // where patient lists read from
    QString EmptyDocumentValue; // literal for the chart of a new chart row
};

Dialect DialectForKind(const QString& databaseKind);

// DateQuote + value in DateTimeFormat + DateQuote.
QString DateTimeLiteral(const Dialect& dialect, const QDateTime& value);
// The period from the start of `from` to the end of `to`:
// "<quote>from start<quote> and <quote>to end<quote>".
QString PeriodLiteral(const Dialect& dialect, const QDate& from, const QDate& to);

} // namespace kelvaro
