#pragma once
#include <QStringList>

#include <functional>
#include <optional>

namespace kelvaro
{

// What the words after "kelvaro" ask for: the window, or a headless command
// with its own words, in the home named by --home (empty: the usual home).
// --help, --version, COMMAND --help and a wrong line are answered on the
// spot; `answered` then holds the exit code.
struct CommandLine {
    QString home;
    std::function<int(const QStringList&)> command; // empty: the window
    QStringList commandArgs;
    std::optional<int> answered;
};

// Parses `arguments` (the program's name first) and prints the answer to
// --help, --version or a wrong line.
CommandLine ParseCommandLine(const QStringList& arguments);

} // namespace kelvaro
