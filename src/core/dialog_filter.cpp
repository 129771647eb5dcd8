#include "core/dialog_filter.h"

#include <cctype>

namespace core {
namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(separator, start);
        if (end == std::string_view::npos)
            end = text.size();
        parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string WithoutTrailingParentheses(std::string label) {
    size_t open = label.rfind(" (");
    if (open != std::string::npos && !label.empty() && label.back() == ')')
        label.erase(open);
    return label;
}

} // namespace

std::vector<std::string> DialogNameFilters(std::string_view filter) {
    std::vector<std::string> parts = Split(filter, '|');
    std::vector<std::string> filters;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns;
        for (std::string pattern : Split(parts[i + 1], ';')) {
            if (pattern == "*.*")
                pattern = "*";
            patterns += (patterns.empty() ? "" : " ") + pattern;
        }
        filters.push_back(WithoutTrailingParentheses(parts[i]) + " (" + patterns + ")");
    }
    return filters;
}

std::string DialogFileKind(std::string_view filter) {
    std::vector<std::string> parts = Split(filter, '|');
    if (parts.size() < 2)
        return {};
    const std::vector<std::string> patterns = Split(parts[1], ';');
    const std::string first = patterns.empty() ? std::string() : patterns.front();
    if (!first.starts_with("*.") || first.find_first_of("*?", 2) != std::string::npos)
        return {};
    std::string kind = first.substr(2);
    for (char& c : kind)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return kind;
}

} // namespace core
