#pragma once
#include "db/Charts.h"
#include "model/TemperatureData.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>

namespace kelvaro
{

class _TemperatureData;

// How a stored document reads for the patient's current identity.
enum class StoredDocument {
    Read,        // the patient's document, read whole
    CarriedOver, // the patient's document under another admission number, read whole
    Rejected,    // anything else; `days` holds what was read
};
// An empty text reads as the empty document of the patient.
StoredDocument ReadStoredDocument(const QByteArray& text, const QString& patientId,
                                  const QString& serialNumber, TemperatureDataMap& days);

// The outcome of a change of a stored chart.
struct ChartStoreResult {
    bool stored = false;
    bool refused = false; // the stored chart cannot be read and was kept
    QString reason;       // for the user when nothing was stored
    QByteArray document;  // what was stored
};
// Computes the new document from the stored one (empty when the row had none);
// returns false with a reason to leave the row as it is.
using ChartChange =
    std::function<bool(const QByteArray& stored, QByteArray& next, QString& reason)>;
// Inside one transaction: claims the patient's row (making it when missing),
// reads it again, applies `change` and writes the result. A second workstation
// saving the same chart waits for the claim, so it builds on what was stored.
// Failures go to the error log.
ChartStoreResult UpdateStoredChart(Database& db, const _TemperatureData& chart,
                                   const ChartChange& change);

// Reads the stored document before a save; false, with the reason for the
// user, when it cannot be read, since the save would destroy its days.
bool ReadBeforeSave(const QByteArray& stored, const _TemperatureData& chart,
                    TemperatureDataMap& days, QString& reason);

} // namespace kelvaro
