// fretquill: the window. Everything up to the display check runs without one, so --help,
// --version and the no-display message work in a bare terminal.

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "app/command_line.h"
#include "app/display_check.h"
#include "app/fretquill_app.h"
#include "app/quit_signals.h"
#include "util/display_format.h"
#include "util/file_size_signal.h"

namespace {

// The platform plugin ends the process with a fatal message when its display will not
// open after all (a display that went away, a refused connection): say so in one line and
// leave with status 1 instead of aborting with a core dump.
void PlatformMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n",
                     NoDisplayMessage(message.section('\n', 0, 0).trimmed().toStdString()).c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (type != QtDebugMsg && type != QtInfoMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

}  // namespace

int main(int argc, char** argv) {
    IgnoreFileSizeSignal();

    std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine line = ParseCommandLine(arguments);
    if (!line.error.empty()) {
        std::cerr << "fretquill: " << line.error << "\n" << UsageText();
        return 2;
    }
    if (line.help) {
        std::cout << UsageText();
        return 0;
    }
    if (line.version) {
        std::cout << "fretquill " << VersionText(true) << "\n";
        return 0;
    }
    if (!DisplayAvailable()) {
        const char* display = std::getenv("DISPLAY");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        const bool named =
            (display != nullptr && *display != '\0') || (wayland != nullptr && *wayland != '\0');
        std::cerr << NoDisplayMessage(named ? "the display named by DISPLAY or WAYLAND_DISPLAY "
                                              "does not answer"
                                            : "neither DISPLAY nor WAYLAND_DISPLAY is set")
                  << "\n";
        return 1;
    }

    const QtMessageHandler previous = qInstallMessageHandler(PlatformMessageHandler);
    // Qt's own command-line options are not the program's: they are not passed on.
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    qInstallMessageHandler(previous);

    return RunFretquill(application, line);
}
