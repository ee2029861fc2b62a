#pragma once
#include "common/ProgramHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kelvaro::test
{

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Each test runs in a fresh program home that is also the working directory;
// the previous working directory comes back afterwards.
class InTempHome : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        ASSERT_TRUE(EnterProgramHome(temp.filePath(HomeName())));
    }
    void TearDown() override { QDir::setCurrent(savedCwd); }
    virtual QString HomeName() const { return QStringLiteral("home"); }

    const QString savedCwd = QDir::currentPath();
    QTemporaryDir temp;
};

} // namespace kelvaro::test
