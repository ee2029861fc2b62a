#pragma once
#include <QStringList>

namespace kelvaro
{

// The headless commands. Each gets the words after its name, works in the
// program home already entered, prints what went wrong on stderr and returns
// the process exit code (0 on success).
int RunInitDbCommand(const QStringList& args);
int RunRenderCommand(const QStringList& args);
int RunExportCommand(const QStringList& args);
int RunImportCommand(const QStringList& args);
int RunBackupCommand(const QStringList& args);
int RunCompactCommand(const QStringList& args);

} // namespace kelvaro
