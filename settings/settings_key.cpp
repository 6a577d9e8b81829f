#include "settings/settings_key.h"

std::string SettingsKeyPath(std::string_view section, std::string_view entry) {
    std::string path;
    path.reserve(section.size() + entry.size() + 8);
    for (const char c : section) {
        path += (c == '\\') ? '/' : c;
    }
    if (!path.empty()) {
        path += '/';
    }
    for (const char c : entry) {
        switch (c) {
            case '\\':
                path += "%5C";
                break;
            case '/':
                path += "%2F";
                break;
            case '%':
                path += "%25";
                break;
            default:
                path += c;
                break;
        }
    }
    return path;
}
