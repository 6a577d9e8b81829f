#pragma once

#include <string>
#include <vector>

#include "guitar/progress_reporter.h"

// Records every call the loading task makes, repeats included.
class RecordingProgress : public ProgressReporter {
public:
    std::vector<std::string> lines;
    std::vector<int> percents;

    void AddStatusLine(const std::string& text) override { lines.push_back(text); }
    void SetProgress(int percent) override { percents.push_back(percent); }
};
