#pragma once

// Runs the built fretquill-cli as a player would, with its own empty application
// directory, and collects its exit status and both outputs.

#include <stdio.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/util/temp_dir.h"

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

inline CliRun RunTool(const std::vector<std::string>& args) {
    TempDir dir;
    std::string command = "FRETQUILL_APPDIR=" + ShellQuote(dir.Path().string() + "/") + " " +
                          ShellQuote(FRETQUILL_CLI_PATH);
    for (const std::string& arg : args) {
        command += " " + ShellQuote(arg);
    }
    const std::string errPath = (dir / "stderr.txt").string();
    command += " 2>" + ShellQuote(errPath) + " </dev/null";
    CliRun result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.out.append(buffer, got);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errPath);
    std::ostringstream text;
    text << err.rdbuf();
    result.err = text.str();
    return result;
}
