#pragma once
#include "db/Engines.h"

#include "chart/ChartRow.h"
#include "common/ui/MessageBox.h"
#include "forms/U_EditData.h"
#include "model/ChartDocument.h"
#include "support/ScriptedMessages.h"

#include <QDateEdit>
#include <QPushButton>
#include <memory>

namespace kelvaro::test
{

// A patient with a chart row, and the entry dialog opened on his chart.
class EditDataTest : public testing::TestWithParam<Engine>
{
protected:
    static inline const QString Patient = QStringLiteral("0A1B2C3D4E5F60718293A4B5C6D7E8F9");
    static inline const QString Admission = QStringLiteral("1001");

    void SetUp() override
    {
        KELVARO_FRESH_DATABASE_OR_SKIP(fresh, GetParam(), FreshDatabase::Contents::Schema);
    }

    Database& db() { return fresh.db(); }

    // Stores `days` as the patient's chart, as an import would.
    void StoreChart(const TemperatureDataMap& days, const QString& serial = Admission)
    {
        StoreDocument(DocumentWriter(Patient, serial, days));
    }
    void StoreDocument(const QByteArray& document)
    {
        ASSERT_TRUE(db().Exec(RowMakingStatement(fresh.kind(), Patient, QStringLiteral("admin"))));
        ChartRow row;
        ASSERT_TRUE(ReadChartRow(db(), Patient, row, nullptr));
        ASSERT_TRUE(WriteChartRow(db(), row, document, nullptr));
    }
    QByteArray StoredDocument()
    {
        ChartRow row;
        EXPECT_TRUE(ReadChartRow(db(), Patient, row, nullptr));
        return row.document;
    }
    TemperatureDataMap StoredDays()
    {
        TemperatureDataMap days;
        EXPECT_TRUE(DocumentReader(StoredDocument(), Patient, Admission, days));
        return days;
    }

    // The dialog as the main window opens it on the stored chart.
    std::unique_ptr<TF_EditData> Open(const QString& day, int startHour = 2)
    {
        auto dialog = std::make_unique<TF_EditData>(db());
        dialog->Operator = QStringLiteral("nurse1");
        dialog->PatientID = Patient;
        dialog->SerialNumber = Admission;
        dialog->DatabaseKind = fresh.kind();
        dialog->DayText = day;
        dialog->StartHour = startHour;
        dialog->DocumentText = StoredDocument();
        dialog->show();
        return dialog;
    }

    template <class Control> static Control* Find(const QWidget& dialog, const QString& name)
    {
        auto* control = dialog.findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    static void ShowDay(const QWidget& dialog, const QDate& day)
    {
        Find<QDateEdit>(dialog, QStringLiteral("DTDate"))->setDate(day);
    }

    static void Save(const QWidget& dialog)
    {
        Find<QPushButton>(dialog, QStringLiteral("BtnSave"))->click();
    }

    ScriptedMessages messages;
    FreshDatabase fresh;
};

} // namespace kelvaro::test
