#include "app/DemoData.h"

#include "app/DemoChart.h"
#include "common/CodePage.h"
#include "common/ContentId.h"
#include "common/Scramble.h"
#include "db/DemoRows.h"
#include "model/ChartDocument.h"

#include <QStringList>

namespace kelvaro
{

namespace
{

const QStringList sections = {QStringLiteral("内科一病区"), QStringLiteral("外科二病区"),
                              QStringLiteral("重症监护病区")};

struct DemoPatient {
    const char* name;
    const char* sex;
    int age;
    const char* ageUnit;
    int section;
    int daysAgo;  // admission
    int stayDays; // 0 while in hospital
};

// Admissions and discharges fall into the last 28 days, so the default
// 30-day filters show every patient.
const DemoPatient patients[] = {
    {"张伟", "男", 56, "岁", 0, 20, 0},  {"王芳", "女", 34, "岁", 1, 12, 0},
    {"李娜", "女", 67, "岁", 0, 27, 0},  {"刘洋", "男", 45, "岁", 1, 9, 0},
    {"陈静", "女", 29, "岁", 1, 6, 0},   {"杨磊", "男", 72, "岁", 2, 15, 0},
    {"赵敏", "女", 8, "月", 0, 7, 0},    {"黄强", "男", 38, "岁", 1, 24, 0},
    {"周杰", "男", 61, "岁", 2, 10, 0},  {"吴霞", "女", 50, "岁", 0, 18, 0},
    {"徐喆", "男", 25, "岁", 1, 8, 0},   {"孙丽", "女", 43, "岁", 0, 13, 0},
    {"马超", "男", 80, "岁", 2, 22, 0},  {"朱红", "女", 5, "天", 0, 5, 0},
    {"胡斌", "男", 47, "岁", 1, 26, 14}, {"郭婷", "女", 31, "岁", 0, 21, 10},
    {"林峰", "男", 66, "岁", 2, 28, 20}, {"何琳", "女", 58, "岁", 1, 16, 7},
    {"高翔", "男", 39, "岁", 0, 19, 12}, {"罗兰", "女", 74, "岁", 2, 25, 18},
};

QString Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

DemoStay StayOf(const DemoPatient& p, int index, const QDateTime& now)
{
    DemoStay stay;
    stay.admitted =
        QDateTime(now.date().addDays(-p.daysAgo), QTime(8 + index % 8, 10 + index % 5 * 7));
    stay.discharged = p.stayDays > 0;
    stay.until =
        stay.discharged ? QDateTime(stay.admitted.date().addDays(p.stayDays), QTime(10, 30)) : now;
    stay.route = p.age < 1 || Text(p.ageUnit) != QStringLiteral("岁") ? 2 : index % 5 == 3;
    stay.fever = index % 3 == 0;
    stay.surgeryDay = p.section == 1 ? 1 + index % 3 : -1;
    stay.leaveDay = index % 7 == 2 ? 4 : -1;
    stay.ventilatorDays = p.section == 2 ? 3 : 0;
    stay.irregularHeart = index % 4 == 1;
    stay.noRise = p.age >= 70 && Text(p.ageUnit) == QStringLiteral("岁");
    stay.allergies = index % 5 == 0 ? QStringLiteral("青霉素") : QString();
    stay.nurse = DemoNurses().at(p.section);
    stay.seed = quint32(index + 1);
    return stay;
}

bool AddAccounts(Database& db, QString* error)
{
    for (const QString& section : sections) {
        if (!InsertDemoSection(db, section, error))
            return false;
    }
    for (int i = 0; i < DemoNurses().size(); ++i) {
        if (!InsertDemoUser(db, DemoNurses().at(i), QString::fromLatin1(DemoNursePassword),
                            sections.at(i), error))
            return false;
    }
    return true;
}

bool AddPatient(Database& db, const DemoPatient& p, int index, const Dialect& dialect,
                const QDateTime& now, QString* error)
{
    const DemoStay stay = StayOf(p, index, now);
    const QString id = NewContentID();
    const QString serial = QStringLiteral("2024%1").arg(index + 101, 4, 10, QLatin1Char('0'));
    const QString document = FromCodePage(DocumentWriter(id, serial, DemoChart(stay)));
    const PatientRegistration patient{serial,
                                      Text(p.name),
                                      Text(p.sex),
                                      QString::number(p.age),
                                      Text(p.ageUnit),
                                      sections.at(p.section),
                                      QString::number(index % 12 + 1),
                                      stay.admitted};
    return InsertDemoPatient(db, dialect, id, patient,
                             stay.discharged ? std::optional(stay.until) : std::nullopt, error) &&
           InsertDemoChart(db, dialect, id, document, stay.admitted, stay.nurse, error);
}

} // namespace

QStringList DemoNurses()
{
    return {QStringLiteral("nurse1"), QStringLiteral("nurse2"), QStringLiteral("nurse3")};
}

bool AddDemoData(Database& db, const Dialect& dialect, const QDateTime& now, QString* error)
{
    if (!db.Transaction(error))
        return false;
    bool ok = AddAccounts(db, error);
    int index = 0;
    for (const DemoPatient& patient : patients) {
        if (ok)
            ok = AddPatient(db, patient, index, dialect, now, error);
        ++index;
    }
    if (ok)
        return db.Commit(error);
    db.Rollback();
    return false;
}

} // namespace kelvaro
