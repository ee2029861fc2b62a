#pragma once
// Fresh databases on every engine the tests can reach, so that one test body
// runs against SQLite and PostgreSQL alike:
//
//   class MyTest : public testing::TestWithParam<kelvaro::Engine> {
//   protected:
//       void SetUp() override
//       {
//           KELVARO_FRESH_DATABASE_OR_SKIP(fresh, GetParam(),
//                                          kelvaro::test::FreshDatabase::Contents::Schema);
//       }
//       kelvaro::test::FreshDatabase fresh;
//   };
//   INSTANTIATE_TEST_SUITE_P(Engines, MyTest, kelvaro::test::AllEngines(),
//                            kelvaro::test::EngineName);
//
// PostgreSQL is reached through the KELVARO_TEST_PG_* variables that
// scripts/services prints; without them the PostgreSQL cases are skipped.
#include "db/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace kelvaro::test
{

class FreshDatabase
{
public:
    enum class Contents { Nothing, Schema };

    FreshDatabase() = default;
    ~FreshDatabase();
    FreshDatabase(const FreshDatabase&) = delete;
    FreshDatabase& operator=(const FreshDatabase&) = delete;

    // Makes a new database on `engine`: with Nothing, SQLite has no file yet
    // and PostgreSQL an empty database; with Schema the program's tables are
    // made and db() is open on them. False with the reason on failure.
    bool Create(Engine engine, Contents contents, QString* reason);
    // False when the engine asked for is not set up for the tests at all.
    bool configured() const { return configured_; }

    // The database kind of the installation ("Access" or "PostgreSQL").
    QString kind() const;
    // A directory of the test's own; for SQLite it holds "QMDB.mdb".
    QString dir() const { return dir_.path(); }
    // Where the database is; open further connections with these.
    const ConnectionSettings& settings() const { return settings_; }
    Database& db() { return db_; }

private:
    bool CreateServerDatabase(QString* reason);

    QTemporaryDir dir_;
    ConnectionSettings settings_;
    Database db_;
    QString serverDatabase_; // PostgreSQL database to drop at the end
    bool configured_ = true;
};

// The server settings of the test cluster; false when none is configured.
bool TestServerSettings(ConnectionSettings& settings);

inline auto AllEngines()
{
    return testing::Values(Engine::SQLite, Engine::PostgreSQL);
}

inline std::string EngineName(const testing::TestParamInfo<Engine>& info)
{
    return info.param == Engine::SQLite ? "SQLite" : "PostgreSQL";
}

} // namespace kelvaro::test

namespace kelvaro
{
// Test names and failure messages show the engine by name.
inline void PrintTo(Engine engine, std::ostream* out)
{
    *out << (engine == Engine::SQLite ? "SQLite" : "PostgreSQL");
}
} // namespace kelvaro

// Skips when the engine is not configured, fails when it is but does not work.
#define KELVARO_FRESH_DATABASE_OR_SKIP(fresh, engine, contents)                                    \
    do {                                                                                           \
        QString reason_;                                                                           \
        if (!(fresh).Create((engine), (contents), &reason_)) {                                     \
            if (!(fresh).configured())                                                             \
                GTEST_SKIP() << reason_.toStdString();                                             \
            FAIL() << reason_.toStdString();                                                       \
        }                                                                                          \
    } while (false)
