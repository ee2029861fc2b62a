#include "db/SystemParameters.h"

#include "db/RowExists.h"

#include <optional>

namespace kelvaro
{

namespace
{

const QString StartTimeItem = QStringLiteral("体温单起始时间");
const QString PrintModeItem = QStringLiteral("体温单打印模式");

std::optional<int> Number(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

SystemParameters ReadSystemParameters(Database& db)
{
    SystemParameters parameters;
    Rows rows;
    if (!db.Select("select ItemName,ItemValue from [tblSystemConfig] \t\t\twhere ItemName in ('" +
                       StartTimeItem + "','" + PrintModeItem + "')",
                   rows))
        return parameters;
    for (const Row& row : rows) {
        const QString name = row.text(QStringLiteral("ItemName"));
        const QString value = row.text(QStringLiteral("ItemValue"));
        if (name == StartTimeItem)
            parameters.StartHour = StartHourFromText(value);
        else if (name == PrintModeItem)
            parameters.PrintMode = Number(value).value_or(parameters.PrintMode);
    }
    return parameters;
}

// An hour outside the day would label the slots 25, 29 ... or below zero.
int StartHourFromText(const QString& text)
{
    const std::optional<int> hour = Number(text);
    return hour && *hour >= 0 && *hour < 24 ? *hour : 2;
}

bool ReadStartTime(Database& db, QString& value, QString* error)
{
    Rows rows;
    if (!db.Select("select ItemValue from [tblSystemConfig] where ItemName='" + StartTimeItem + "'",
                   rows, error))
        return false;
    value = rows.empty() ? QString() : rows.front().text(QStringLiteral("ItemValue"));
    return true;
}

bool WriteStartTime(Database& db, const QString& typed, QString* error)
{
    bool exists = false;
    if (!RowExists(db,
                   "select SerialNo from tblSystemConfig where ItemName='" + StartTimeItem + "'",
                   exists, error))
        return false;
    const QString value = Quoted(typed);
    return db.Exec(exists ? "update tblSystemConfig Set ItemValue='" + value +
                                "' where ItemName='" + StartTimeItem + "'"
                          : "insert into tblSystemConfig(ItemName,ItemValue) values('" +
                                StartTimeItem + "','" + value + "');",
                   error);
}

} // namespace kelvaro
