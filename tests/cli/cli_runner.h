#pragma once

// Runs the built fretquill-cli as a player would, each time with its own empty application
// directory, and compares JSON output parsed.

#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/wait.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/util/temp_dir.h"

namespace cli_test {

using nlohmann::json;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs the tool with the given application directory (it holds the tool's stderr.txt).
inline Result RunCliIn(const TempDir& dir, const std::vector<std::string>& args) {
    std::string command = "FRETQUILL_APPDIR=" + ShellQuoted(dir.Path().string() + "/") + " " +
                          ShellQuoted(FRETQUILL_CLI_PATH);
    for (const std::string& arg : args) {
        command += " " + ShellQuoted(arg);
    }
    const std::string errPath = (dir / "stderr.txt").string();
    command += " 2>" + ShellQuoted(errPath) + " </dev/null";

    Result result;
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
    std::ostringstream errText;
    errText << err.rdbuf();
    result.err = errText.str();
    return result;
}

// Runs the tool with its own empty application directory, so nothing of the user's is read.
inline Result RunCli(const std::vector<std::string>& args) {
    TempDir dir;
    return RunCliIn(dir, args);
}

inline json RunJson(const std::vector<std::string>& args) {
    std::vector<std::string> withJson = args;
    withJson.push_back("--json");
    const Result result = RunCli(withJson);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    return json::parse(result.out, nullptr, false);
}

struct JsonCase {
    std::vector<std::string> args;
    const char* expected;
};

inline void ExpectJson(const std::vector<JsonCase>& cases) {
    for (const JsonCase& c : cases) {
        std::string joined;
        for (const std::string& arg : c.args) {
            joined += arg + " ";
        }
        EXPECT_EQ(RunJson(c.args), json::parse(c.expected)) << joined;
    }
}

}  // namespace cli_test
