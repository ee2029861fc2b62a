#pragma once
#include "model/TemperatureData.h"

#include <QStringList>
#include <vector>

class QWidget;

namespace kelvaro
{

// An edit of a slot page: its control name (the page number is appended), its
// label and unit, the slot value it shows and the entry option governing it
// (empty for none).
struct SlotEditField {
    QString name, label, unit;
    SlotTexts TemperatureData::*value;
    QString option;
};
// The measurement edits in screen order, then the memo edit last.
const std::vector<SlotEditField>& SlotEditFields();

// A control of the daily panel: an edit, or an editable combo box when it
// offers items.
struct DailyEditField {
    QString name, label, unit;
    QString TemperatureData::*value;
    QString option;
    QStringList items;
};
const std::vector<DailyEditField>& DailyEditFields();

// What the event combo boxes offer.
QStringList EventItems();

// The text of an edit or an editable combo box, as typed.
QString ControlText(const QWidget* control);
// Shows `text` in an edit or an editable combo box, whether or not the box offers it.
void SetControlText(QWidget* control, const QString& text);

} // namespace kelvaro
