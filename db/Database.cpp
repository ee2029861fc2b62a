#include "db/Database.h"

#include "common/CarriableText.h"
#include "common/CodePage.h"
#include "db/Connection.h"
#include "db/StatementText.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QUrl>

#include <atomic>

namespace kelvaro
{

Engine EngineForKind(const QString& databaseKind)
{
    if (databaseKind == QLatin1String("PostgreSQL"))
        return Engine::PostgreSQL;
    if (databaseKind == QLatin1String("SQLServer"))
        return Engine::SQLServer;
    return Engine::SQLite;
}

bool IsServerKind(const QString& databaseKind)
{
    return EngineForKind(databaseKind) != Engine::SQLite;
}

QString Quoted(const QString& typed)
{
    return CarriableText(typed).replace(u'\'', QStringLiteral("''"));
}

// ---------------------------------------------------------------- Row

Row::Row(std::vector<QString> names, std::vector<QVariant> values)
    : names_(std::move(names)), values_(std::move(values))
{
}

QVariant Row::value(const QString& column) const
{
    for (size_t i = 0; i < names_.size(); ++i) {
        if (names_[i].compare(column, Qt::CaseInsensitive) == 0)
            return values_[i];
    }
    return {};
}

QString Row::text(const QString& column) const
{
    const QVariant v = value(column);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    return v.toString();
}

QDateTime Row::dateTime(const QString& column) const
{
    const QVariant v = value(column);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate)
        return v.toDateTime();
    const QString text = v.toString().trimmed();
    QDateTime parsed = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!parsed.isValid())
        parsed = QDateTime::fromString(text, Qt::ISODate);
    if (!parsed.isValid())
        parsed = QDate::fromString(text, QStringLiteral("yyyy-MM-dd")).startOfDay();
    return parsed;
}

QByteArray Row::bytes(const QString& column) const
{
    const QVariant v = value(column);
    if (v.typeId() == QMetaType::QByteArray)
        return v.toByteArray();
    return ToCodePage(text(column));
}

bool Row::isNull(const QString& column) const
{
    return value(column).isNull();
}

// ---------------------------------------------------------------- Database

namespace
{

QString NextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("kelvaro-db-%1").arg(++counter);
}

QString ErrorText(const QSqlError& error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

void Trace(const QString& sql)
{
    const QString file = qEnvironmentVariable("KELVARO_SQL_TRACE");
    if (file.isEmpty())
        return;
    QString line = sql;
    line.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\r', QStringLiteral("\\r"));
    QFile out(file);
    if (out.open(QIODevice::WriteOnly | QIODevice::Append))
        out.write(line.toUtf8() + '\n');
}

// "file:" URI with mode=rw never creates a missing file; rwc does.
QString SqliteUri(const QString& file, bool create)
{
    return QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString(QUrl::FullyEncoded) +
           (create ? QStringLiteral("?mode=rwc") : QStringLiteral("?mode=rw"));
}

void Configure(QSqlDatabase& db, const ConnectionSettings& s)
{
    const int timeout = s.timeoutSeconds;
    if (s.engine == Engine::SQLite) {
        db.setDatabaseName(SqliteUri(s.file, s.createFile));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1")
                                 .arg((timeout > 0 ? timeout : 10) * 1000));
    } else if (s.engine == Engine::PostgreSQL) {
        const ServerAddress address = SplitServerName(s.ServerName);
        db.setHostName(address.host);
        if (address.port > 0)
            db.setPort(address.port);
        db.setUserName(s.DBUser);
        db.setPassword(s.DBPassword);
        db.setDatabaseName(s.DBName);
        if (timeout > 0)
            db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(timeout));
    } else {
        db.setDatabaseName(OdbcConnectionString(s));
        if (timeout > 0)
            db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1").arg(timeout));
    }
}

QString DriverFor(Engine engine)
{
    switch (engine) {
    case Engine::PostgreSQL:
        return QStringLiteral("QPSQL");
    case Engine::SQLServer:
        return QStringLiteral("QODBC");
    case Engine::SQLite:
        break;
    }
    return QStringLiteral("QSQLITE");
}

Row ReadRow(const QSqlQuery& query)
{
    const QSqlRecord record = query.record();
    std::vector<QString> names;
    std::vector<QVariant> values;
    names.reserve(size_t(record.count()));
    values.reserve(size_t(record.count()));
    for (int i = 0; i < record.count(); ++i) {
        names.push_back(record.fieldName(i));
        values.push_back(query.value(i));
    }
    return Row(std::move(names), std::move(values));
}

} // namespace

Database::Database() : connectionName_(NextConnectionName()) {}

Database::~Database()
{
    Close();
    db_ = QSqlDatabase();
    if (QSqlDatabase::contains(connectionName_))
        QSqlDatabase::removeDatabase(connectionName_);
}

bool Database::Fail(const QString& message, QString* error)
{
    if (error)
        *error = message;
    return false;
}

bool Database::OpenHandle()
{
    if (!db_.open())
        return false;
    // The server's notices ("already exists, skipping") are no errors; keep them off stderr.
    if (settings_.engine == Engine::PostgreSQL)
        QSqlQuery(db_).exec(QStringLiteral("set client_min_messages to warning"));
    return true;
}

bool Database::Open(const ConnectionSettings& settings, QString* error)
{
    Close();
    settings_ = settings;
    suspect_ = false;
    inTransaction_ = false;
    if (settings.engine == Engine::SQLite && !settings.createFile &&
        !QFileInfo(settings.file).isFile())
        return Fail(QStringLiteral("数据库文件不存在：%1").arg(settings.file), error);
    // A different engine needs a different driver: start the connection afresh.
    if (db_.isValid() && db_.driverName() != DriverFor(settings.engine)) {
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
    }
    if (!db_.isValid())
        db_ = QSqlDatabase::addDatabase(DriverFor(settings.engine), connectionName_);
    if (!db_.isValid())
        return Fail(QStringLiteral("没有数据库驱动 %1").arg(DriverFor(settings.engine)), error);
    Configure(db_, settings);
    if (!OpenHandle())
        return Fail(ErrorText(db_.lastError()), error);
    return true;
}

void Database::Close()
{
    if (db_.isValid() && db_.isOpen())
        db_.close();
    inTransaction_ = false;
}

bool Database::IsOpen() const
{
    return db_.isValid() && db_.isOpen();
}

QString Database::Rewrite(const QString& sql) const
{
    const QString text = ApplyColonRule(sql);
    switch (settings_.engine) {
    case Engine::SQLite:
        return QuoteDateLiterals(text);
    case Engine::PostgreSQL:
        return DropSquareBrackets(text);
    case Engine::SQLServer:
        break;
    }
    return text;
}

bool Database::EnsureConnected(QString* error)
{
    if (!db_.isValid())
        return Fail(QStringLiteral("数据库没有连接"), error);
    if (suspect_ && !inTransaction_ && settings_.engine != Engine::SQLite) {
        QSqlQuery probe(db_);
        if (!db_.isOpen() || !probe.exec(QStringLiteral("select 1"))) {
            probe = QSqlQuery();
            db_.close();
            OpenHandle();
        }
        suspect_ = false;
    }
    if (!db_.isOpen() && !OpenHandle())
        return Fail(ErrorText(db_.lastError()), error);
    return true;
}

bool Database::ReconnectIfLost()
{
    if (settings_.engine == Engine::SQLite || inTransaction_)
        return false;
    QSqlQuery probe(db_);
    if (db_.isOpen() && probe.exec(QStringLiteral("select 1"))) {
        suspect_ = false;
        return false; // alive: the failure was the statement's own
    }
    probe = QSqlQuery();
    db_.close();
    suspect_ = !OpenHandle();
    return !suspect_;
}

bool Database::Execute(const QString& sql, Rows* rows, QString* error)
{
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.exec(Rewrite(sql))) {
        suspect_ = true;
        return Fail(ErrorText(query.lastError()), error);
    }
    if (rows) {
        rows->clear();
        while (query.next())
            rows->push_back(ReadRow(query));
        if (query.lastError().isValid()) {
            suspect_ = true;
            return Fail(ErrorText(query.lastError()), error);
        }
    }
    return true;
}

// A read outside a transaction changes nothing, so one that met a dead
// connection is run again on a new one; a statement that may have changed
// something is never repeated.
bool Database::Run(const QString& sql, Rows* rows, QString* error)
{
    Trace(ApplyColonRule(sql));
    if (!EnsureConnected(error))
        return false;
    const bool repeatable = rows && !inTransaction_;
    if (Execute(sql, rows, error))
        return true;
    return repeatable && ReconnectIfLost() && Execute(sql, rows, error);
}

bool Database::SelectInto(QSqlQueryModel& model, const QString& sql, QString* error)
{
    Trace(ApplyColonRule(sql));
    if (!EnsureConnected(error)) {
        model.clear();
        return false;
    }
    const bool repeatable = !inTransaction_;
    if (FillModel(model, sql, error))
        return true;
    return repeatable && ReconnectIfLost() && FillModel(model, sql, error);
}

bool Database::FillModel(QSqlQueryModel& model, const QString& sql, QString* error)
{
    model.setQuery(Rewrite(sql), db_);
    while (!model.lastError().isValid() && model.canFetchMore())
        model.fetchMore();
    if (model.lastError().isValid()) {
        suspect_ = true;
        const QString message = ErrorText(model.lastError());
        model.clear();
        return Fail(message, error);
    }
    return true;
}

bool Database::Exec(const QString& sql, QString* error)
{
    return Run(sql, nullptr, error);
}

bool Database::Select(const QString& sql, Rows& rows, QString* error)
{
    return Run(sql, &rows, error);
}

// Nothing of a transaction has reached the server before its start: a start
// that met a dead connection is made again on a new one.
bool Database::Transaction(QString* error)
{
    if (!EnsureConnected(error))
        return false;
    inTransaction_ = Begin(error) || (ReconnectIfLost() && Begin(error));
    return inTransaction_;
}

bool Database::Begin(QString* error)
{
    bool ok = false;
    if (settings_.engine == Engine::SQLite) {
        // Take the write lock at once: two connections that read and then
        // write inside their transactions would otherwise deadlock.
        QSqlQuery begin(db_);
        ok = begin.exec(QStringLiteral("BEGIN IMMEDIATE"));
        if (!ok && error)
            *error = ErrorText(begin.lastError());
    } else {
        ok = db_.transaction();
        if (!ok && error)
            *error = ErrorText(db_.lastError());
    }
    suspect_ = !ok;
    return ok;
}

bool Database::Commit(QString* error)
{
    inTransaction_ = false;
    if (db_.commit())
        return true;
    suspect_ = true;
    const QString message = ErrorText(db_.lastError());
    db_.rollback();
    return Fail(message, error);
}

void Database::Rollback()
{
    inTransaction_ = false;
    if (db_.isValid() && !db_.rollback())
        suspect_ = true;
}

} // namespace kelvaro
