#pragma once

// Where a long task reports how far it got: the window's splash panel, or nothing at all
// (NullProgressReporter) for the command-line tool. The chord database's loading task calls
// it from the worker thread that runs the task, so an implementation that paints must hand
// the calls over to its own thread.

#include <string>

class ProgressReporter {
public:
    virtual ~ProgressReporter() = default;

    // Appends a status line, unless it equals the last one.
    virtual void AddStatusLine(const std::string& text) = 0;
    // 0 to 100. Reporting the same percent twice changes nothing.
    virtual void SetProgress(int percent) = 0;
};

class NullProgressReporter : public ProgressReporter {
public:
    void AddStatusLine(const std::string&) override {}
    void SetProgress(int) override {}
};
