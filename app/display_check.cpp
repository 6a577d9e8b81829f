#include "app/display_check.h"

#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

bool ConnectUnix(const std::string& path, bool abstract) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof(address.sun_path)) {
        ::close(fd);
        return false;
    }
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const socklen_t length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() + 1);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0;
    ::close(fd);
    return ok;
}

bool ConnectTcp(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        return false;
    }
    bool ok = false;
    for (addrinfo* a = found; a != nullptr && !ok; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd >= 0) {
            ok = ::connect(fd, a->ai_addr, a->ai_addrlen) == 0;
            ::close(fd);
        }
    }
    ::freeaddrinfo(found);
    return ok;
}

bool XDisplayAnswers(const std::string& display) {
    std::string socketPath;
    std::string host;
    int number = 0;
    if (!XDisplaySocket(display, socketPath, host, number)) {
        return false;
    }
    if (!socketPath.empty()) {
        // Linux X servers listen on the abstract socket too (a container may hide /tmp).
        return ConnectUnix(socketPath, false) || ConnectUnix(socketPath, true);
    }
    return ConnectTcp(host, 6000 + number);
}

bool WaylandAnswers(const std::string& name) {
    if (name.starts_with('/')) {
        return ConnectUnix(name, false);
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime != nullptr && *runtime != '\0' &&
           ConnectUnix(std::string(runtime) + "/" + name, false);
}

}  // namespace

bool XDisplaySocket(const std::string& display, std::string& socketPath, std::string& host,
                    int& number) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos || colon + 1 >= display.size()) {
        return false;
    }
    // ":N.S": the screen part after the dot does not matter for the connection.
    std::string_view rest = std::string_view(display).substr(colon + 1);
    rest = rest.substr(0, rest.find('.'));
    if (rest.empty()) {
        return false;
    }
    number = 0;
    for (const char c : rest) {
        if (c < '0' || c > '9' || number > 100000) {
            return false;
        }
        number = number * 10 + (c - '0');
    }
    host = display.substr(0, colon);
    if (host.empty() || host == "unix") {
        socketPath = "/tmp/.X11-unix/X" + std::to_string(number);
        host.clear();
    } else {
        socketPath.clear();
    }
    return true;
}

bool DisplayAvailable() {
    if (const char* platform = std::getenv("QT_QPA_PLATFORM"); platform != nullptr) {
        const std::string_view name(platform);
        for (const std::string_view headless :
             {"offscreen", "minimal", "vnc", "vkkhrdisplay", "eglfs", "linuxfb"}) {
            if (name.starts_with(headless)) {
                return true;
            }
        }
    }
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (wayland != nullptr && *wayland != '\0' && WaylandAnswers(wayland)) {
        return true;
    }
    const char* x = std::getenv("DISPLAY");
    return x != nullptr && *x != '\0' && XDisplayAnswers(x);
}

std::string NoDisplayMessage(const std::string& why) {
    return "fretquill: no display (" + why +
           "); the command-line tool build/fretquill-cli works without one";
}
