#include "core/print_document.h"

#include <utility>

namespace core {

int PrintDocument::position() const {
    if (pendingColumn_ > 0)
        return pendingColumn_;
    if (open_.spans.empty())
        return 1;
    const PrintSpan& last = open_.spans.back();
    return last.column + static_cast<int>(last.text.size());
}

PrintDocument& PrintDocument::setName(std::string name) {
    name_ = std::move(name);
    return *this;
}

std::string DocumentName(std::string_view what, std::string_view subject) {
    std::string name = "Tarnwick - ";
    name.append(what);
    if (subject.find_first_not_of(' ') != std::string_view::npos)
        name.append(" - ").append(subject);
    return name;
}

PrintDocument& PrintDocument::tab(int column) {
    if (column < 1)
        column = 1;
    if (position() > column)
        endLine();
    lineOpen_ = true;
    pendingColumn_ = column;
    return *this;
}

PrintDocument& PrintDocument::nextZone() {
    int p = position();
    return tab(((p - 1) / ZoneWidth + 1) * ZoneWidth + 1);
}

PrintDocument& PrintDocument::text(std::string_view content) {
    lineOpen_ = true;
    int column = position();
    pendingColumn_ = 0;
    if (!open_.spans.empty()) {
        PrintSpan& last = open_.spans.back();
        bool adjoining = last.column + static_cast<int>(last.text.size()) == column;
        if (adjoining && last.bold == bold_ && last.fontSize == fontSize_) {
            last.text += content;
            return *this;
        }
    }
    open_.spans.push_back({column, std::string(content), bold_, fontSize_});
    return *this;
}

PrintDocument& PrintDocument::endLine() {
    lines_.push_back(std::move(open_));
    open_ = {};
    lineOpen_ = false;
    pendingColumn_ = 0;
    return *this;
}

PrintDocument& PrintDocument::line(int column, std::string_view content) {
    tab(column);
    text(content);
    return endLine();
}

PrintDocument& PrintDocument::emptyLines(int count) {
    for (int i = 0; i < count; ++i)
        endLine();
    return *this;
}

PrintDocument& PrintDocument::bold(bool on) {
    bold_ = on;
    return *this;
}

PrintDocument& PrintDocument::fontSize(int size) {
    fontSize_ = size;
    return *this;
}

void PrintDocument::end() {
    if (lineOpen_)
        endLine();
    ended_ = true;
}

std::string PrintDocument::plainLine(const PrintLine& line) {
    std::string text;
    for (const PrintSpan& span : line.spans) {
        if (text.size() < static_cast<size_t>(span.column - 1))
            text.append(span.column - 1 - text.size(), ' ');
        text += span.text;
    }
    return text;
}

std::string PrintDocument::plainText() const {
    std::string text;
    for (const PrintLine& line : lines_) {
        text += plainLine(line);
        text += '\n';
    }
    return text;
}

} // namespace core
