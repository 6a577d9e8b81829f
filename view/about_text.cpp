#include "view/about_text.h"

std::vector<std::string> WrapAboutText(const std::vector<std::string>& texts, std::size_t width) {
    std::vector<std::string> lines;
    if (width == 0) {
        width = kAboutLineWidth;
    }
    for (const std::string& text : texts) {
        std::size_t begin = 0;
        while (true) {
            const std::size_t end = text.find('\n', begin);
            std::string rest =
                text.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
            while (rest.size() > width) {
                // Cut at the last space within width + 1 characters; a word longer than the
                // line is cut at the line's length.
                const std::size_t space = rest.rfind(' ', width);
                if (space == std::string::npos || space == 0) {
                    lines.push_back(rest.substr(0, width));
                    rest.erase(0, width);
                } else {
                    lines.push_back(rest.substr(0, space));
                    rest.erase(0, space + 1);
                }
            }
            lines.push_back(rest);
            if (end == std::string::npos) {
                break;
            }
            begin = end + 1;
        }
    }
    return lines;
}
