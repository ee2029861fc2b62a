#pragma once
#include "StartupFixture.h"

#include "app/U_Main.h"
#include "common/ProgramHome.h"
#include "common/ui/DialogRunner.h"
#include "common/ui/MessageBox.h"
#include "db/Dialect.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QHeaderView>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QToolButton>

#include <functional>
#include <memory>

namespace kelvaro::test
{

// The main window after its own start-up on a program home made as init-db
// makes one, logged in through the login window (as the nurse "nurse1"); the
// list's period then set to March 2015, quietly. Message boxes are scripted,
// modal dialogs handed to `onModal` (rejected when it is empty).
class PatientListFixture : public StartupFixture
{
protected:
    void SetUp() override
    {
        StartupFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        Start(loginCode, loginPassword);
        ASSERT_TRUE(Ready());
        SetPeriod(QDate(2015, 3, 1), QDate(2015, 3, 31));
        MessageBox::ClearShown();
        screen.onModal = [this](QDialog& dialog) {
            ++modalDialogs;
            return onModal ? onModal(dialog) : int(QDialog::Rejected);
        };
    }

    Database& db() { return StartupFixture::db; }

    void SetPeriod(const QDate& begin, const QDate& end)
    {
        const QSignalBlocker quietBegin(window->DTBegin), quietEnd(window->DTEnd);
        window->DTBegin->setDate(begin);
        window->DTEnd->setDate(end);
    }

    void AddSections(const QStringList& names)
    {
        for (const QString& name : names)
            ASSERT_TRUE(db().Exec("insert into tblSectionInfo(SectionName) values('" +
                                  Quoted(name) + "')"));
    }

    // A patient admitted (and, with status 2, discharged) at the given times.
    void AddPatient(const QString& serialNumber, const QString& name, const QString& section,
                    const QDateTime& admitted, int status = 1, const QDateTime& discharged = {})
    {
        const Dialect dialect = DialectForKind(fresh.kind());
        const QString out =
            discharged.isValid() ? DateTimeLiteral(dialect, discharged) : QStringLiteral("null");
        ASSERT_TRUE(db().Exec(
            "insert into tblInPatientInfo(ContentID,SerialNumber,Name,Sex,Age,AgeUnit,"
            "InHospitalSection,BedNo,InHospitalDate,OutHospitalDate,CurrentStatus) values('ID" +
            Quoted(serialNumber) + "','" + Quoted(serialNumber) + "','" + Quoted(name) +
            "','男','40','岁','" + Quoted(section) + "','1'," + DateTimeLiteral(dialect, admitted) +
            "," + out + "," + QString::number(status) + ")"));
    }

    // The section filter as start-up fills it, with `section` chosen.
    void ChooseSection(const QString& section)
    {
        window->FillSectionFilter();
        window->CBoxSectionList->setCurrentText(section);
    }

    // The admission numbers the grid shows, in its order.
    QStringList Listed() const
    {
        QStringList numbers;
        const QAbstractItemModel* model = window->PatientList->model();
        if (!model)
            return numbers;
        const auto* query = static_cast<const QSqlQueryModel*>(model);
        for (int row = 0; row < query->rowCount(); ++row)
            numbers << query->record(row).value(QStringLiteral("SerialNumber")).toString();
        return numbers;
    }

    Rows Patient(const QString& serialNumber)
    {
        Rows rows;
        EXPECT_TRUE(db().Select("select * from tblInPatientInfo where SerialNumber='" +
                                    Quoted(serialNumber) + "'",
                                rows));
        return rows;
    }

    // Who logs in; a case class that needs the administrator sets it in its constructor.
    QString loginCode = QStringLiteral("nurse1");
    QString loginPassword = QStringLiteral("123456");
    std::function<int(QDialog&)> onModal;
    int modalDialogs = 0;
};

} // namespace kelvaro::test
