// fretquill-cli: the program's core from a terminal. Every failure ends as one line on
// standard error and an exit status: 2 for input that cannot be understood, 1 for anything
// else. Nothing escapes as a crash.

#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>
#include <new>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/tour.h"
#include "util/file_size_signal.h"

namespace {

int Run(int argc, char** argv) {
    CLI::App app("Fretquill's chords, scales, tunings and files from a terminal.", "fretquill-cli");
    app.require_subcommand(0, 1);
    app.set_version_flag("--version", std::string("fretquill-cli ") + FRETQUILL_VERSION);

    // One registration per command file (declared in commands.h); a new command file adds
    // its line here.
    AddNoteCommands(app);
    AddChordCommands(app);
    AddScaleCommands(app);
    AddFileCommands(app);
    AddPlayCommands(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ParseError& error) {
        return ReportError(std::string(error.what()) + " (see --help)", kExitUsage);
    }
    if (app.get_subcommands().empty()) {
        PrintTour(std::cout);
    }
    std::cout.flush();
    if (!std::cout) {
        return ReportError("cannot write the output", kExitFailure);
    }
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    IgnoreFileSizeSignal();
    try {
        return Run(argc, argv);
    } catch (const UsageError& error) {
        return ReportError(error.what(), kExitUsage);
    } catch (const std::bad_alloc&) {
        return ReportError("out of memory", kExitFailure);
    } catch (const std::exception& error) {
        return ReportError(error.what(), kExitFailure);
    } catch (...) {
        return ReportError("unexpected failure", kExitFailure);
    }
}
