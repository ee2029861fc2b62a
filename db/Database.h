#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <vector>

class QSqlQueryModel;

namespace kelvaro
{

// The engine behind a database kind: "PostgreSQL" and "SQLServer" are server
// kinds; anything else is the local SQLite file "QMDB.mdb" of the program home.
enum class Engine { SQLite, PostgreSQL, SQLServer };
Engine EngineForKind(const QString& databaseKind);
bool IsServerKind(const QString& databaseKind);

// Typed text for use inside a quoted SQL literal: single quotes doubled and
// the characters no statement can carry (NUL and the like) left out. Other
// text comes back unchanged, so statements stay as written.
QString Quoted(const QString& typed);

// Where a connection goes. For SQLite only `file` counts.
struct ConnectionSettings {
    Engine engine = Engine::SQLite;
    QString file;                                   // SQLite database file
    QString ServerName, DBUser, DBPassword, DBName; // server kinds
    int timeoutSeconds = 0;                         // 0: the driver's default
    bool createFile = false; // SQLite: make the file when missing (only init-db does)
};

// One row of a result, columns by position or by name (case-insensitive).
class Row
{
public:
    Row(std::vector<QString> names, std::vector<QVariant> values);
    int size() const { return int(values_.size()); }
    const QVariant& at(int column) const { return values_.at(size_t(column)); }
    QVariant value(const QString& column) const;
    // Accessors that hide the engines' differences.
    QString text(const QString& column) const;       // null -> ""
    QDateTime dateTime(const QString& column) const; // text or typed value
    QByteArray bytes(const QString& column) const;   // code page bytes of a text column
    bool isNull(const QString& column) const;

private:
    std::vector<QString> names_;
    std::vector<QVariant> values_;
};
using Rows = std::vector<Row>;

// The one door to the database. Every statement goes through Exec or Select:
// outside quotes "::" becomes ":", SQLite gets '…' for #…# date literals and
// PostgreSQL names without square brackets; with KELVARO_SQL_TRACE=FILE each
// statement is appended to FILE as it stands after the "::" rule, one line
// each (a backslash written as two, line breaks as \n and \r).
// A failed statement on a server engine makes the next call check the
// connection and reconnect when it was lost. A read outside a transaction and
// the start of a transaction that meet a lost connection are run again on a
// new one; nothing that may have reached the server is ever run twice.
class Database
{
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    bool Open(const ConnectionSettings& settings, QString* error = nullptr);
    void Close();
    bool IsOpen() const;
    Engine engine() const { return settings_.engine; }
    const ConnectionSettings& settings() const { return settings_; }

    // The text that reaches the engine for `sql`.
    QString Rewrite(const QString& sql) const;

    bool Exec(const QString& sql, QString* error = nullptr);
    bool Select(const QString& sql, Rows& rows, QString* error = nullptr);

    bool Transaction(QString* error = nullptr);
    bool Commit(QString* error = nullptr);
    void Rollback();

    // Only for a Qt model that writes rows itself (the option grid's table
    // model); every statement goes through Exec, Select or SelectInto.
    // Call EnsureConnected first so that it meets a live connection.
    QSqlDatabase& handle() { return db_; }
    bool EnsureConnected(QString* error = nullptr);
    // Runs `sql` for a read-only grid: traced and rewritten like Select, every
    // row fetched so that no statement stays open; on failure `model` is
    // cleared.
    bool SelectInto(QSqlQueryModel& model, const QString& sql, QString* error = nullptr);

private:
    bool OpenHandle();
    bool Run(const QString& sql, Rows* rows, QString* error);
    bool Execute(const QString& sql, Rows* rows, QString* error);
    bool FillModel(QSqlQueryModel& model, const QString& sql, QString* error);
    bool Begin(QString* error);
    // After a failure outside a transaction on a server: true when the
    // connection was found lost and is open again.
    bool ReconnectIfLost();
    bool Fail(const QString& message, QString* error);

    ConnectionSettings settings_;
    QString connectionName_;
    QSqlDatabase db_;
    bool suspect_ = false;       // the last statement failed; the link may be gone
    bool inTransaction_ = false; // never reconnect inside a transaction
};

} // namespace kelvaro
