#pragma once
#include <functional>

namespace kelvaro
{

// Told the number of pages done before each page; false cancels the run: the
// one job is aborted, or no further page job is begun.
using ChartPrintProgress = std::function<bool(int pagesDone)>;

// Whether a run goes on after `pagesDone` pages; a run without progress always does.
inline bool Continue(const ChartPrintProgress& progress, int pagesDone)
{
    return !progress || progress(pagesDone);
}

} // namespace kelvaro
