#include "app/Commands.h"

#include "app/DemoData.h"
#include "common/ProgramHome.h"
#include "db/Dialect.h"
#include "db/InitDb.h"

#include <QTextStream>

#include <map>

namespace kelvaro
{

namespace
{

int Fail(const QString& message)
{
    QTextStream(stderr) << "kelvaro: init-db: " << message << "\n";
    return 1;
}

// "--demo" stands alone; every other option takes one value.
bool ParseInitDbOptions(const QStringList& args, InitDbOptions& options, bool& demo, QString& error)
{
    const std::map<QString, QString*> valued = {
        {QStringLiteral("--admin-password"), &options.adminPassword},
        {QStringLiteral("--kind"), &options.databaseKind},
        {QStringLiteral("--server"), &options.server.ServerName},
        {QStringLiteral("--user"), &options.server.DBUser},
        {QStringLiteral("--password"), &options.server.DBPassword},
        {QStringLiteral("--database"), &options.server.DBName},
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--demo")) {
            demo = true;
            continue;
        }
        const auto option = valued.find(args.at(i));
        if (option == valued.end()) {
            error = QStringLiteral("unexpected argument %1").arg(args.at(i));
            return false;
        }
        if (++i >= args.size()) {
            error = QStringLiteral("%1 needs a value").arg(option->first);
            return false;
        }
        *option->second = args.at(i);
    }
    if (options.adminPassword.isEmpty()) {
        error = QStringLiteral("the administrator's password must not be empty");
        return false;
    }
    return true;
}

void Report(const InitDbOptions& options, bool demo)
{
    QTextStream out(stdout);
    out << "kelvaro: made a new " << InstalledDatabaseKind() << " database in " << ProgramHome()
        << "\n  log in as admin with the password " << options.adminPassword << "\n";
    if (demo)
        out << "  demo nurses " << DemoNurses().join(QStringLiteral(", ")) << " with the password "
            << DemoNursePassword << "\n";
}

} // namespace

int RunInitDbCommand(const QStringList& args)
{
    InitDbOptions options;
    bool demo = false;
    QString error;
    if (!ParseInitDbOptions(args, options, demo, error))
        return Fail(error);
    if (demo)
        options.hospitalName = QStringLiteral("示例医院");
    Database db;
    if (!InitDatabase(options, db, &error))
        return Fail(error);
    if (demo && !AddDemoData(db, DialectForKind(InstalledDatabaseKind()),
                             QDateTime::currentDateTime(), &error))
        return Fail(QStringLiteral("the database was made, but not its demo data: %1").arg(error));
    Report(options, demo);
    return 0;
}

} // namespace kelvaro
