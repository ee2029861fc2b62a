#pragma once
#include "db/Dialect.h"
#include <QDate>
#include <QString>
namespace kelvaro
{
struct PatientListFilter {
    QString Name, SerialNumber, Section, Status;
    QDate Begin, End;
};
QString PatientListStatement(const PatientListFilter& filter, const Dialect& dialect);
QString SectionFilterStatement();
} // namespace kelvaro
