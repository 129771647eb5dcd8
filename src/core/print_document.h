#pragma once

#include <string>
#include <string_view>
#include <vector>

// A printed document as the program builds it: lines of text placed at character
// columns, with font size and bold. The printer layer renders it on paper or PDF;
// tests compare its text.
namespace core {

struct PrintSpan {
    int column = 1; // 1-based character column where the text starts
    std::string text;
    bool bold = false;
    int fontSize = 0; // 0 = the printer's own size
};

struct PrintLine {
    std::vector<PrintSpan> spans;
};

class PrintDocument {
public:
    static constexpr int ZoneWidth = 14;

    // Moves to column n of the current line; past it, to column n of the next line.
    PrintDocument& tab(int column);
    // Moves to the start of the next 14-column print zone.
    PrintDocument& nextZone();
    PrintDocument& text(std::string_view text);
    // Ends the current line (an empty line when nothing was printed on it).
    PrintDocument& endLine();
    // A whole line: text at a column, then the line break.
    PrintDocument& line(int column, std::string_view text);
    PrintDocument& emptyLines(int count);
    PrintDocument& bold(bool on);
    PrintDocument& fontSize(int size);

    // Ends the document; a line still open is finished first.
    void end();
    bool ended() const { return ended_; }

    // The job's name in the print queue and the PDF's title.
    PrintDocument& setName(std::string name);
    const std::string& name() const { return name_; }

    const std::vector<PrintLine>& lines() const { return lines_; }
    // The lines as plain text: each column filled with blanks, lines joined by '\n'.
    std::string plainText() const;
    static std::string plainLine(const PrintLine& line);

private:
    int position() const; // 1-based column of the next character on the open line
    std::vector<PrintLine> lines_;
    PrintLine open_;
    bool lineOpen_ = false;
    int pendingColumn_ = 0;
    bool bold_ = false;
    int fontSize_ = 0;
    bool ended_ = false;
    std::string name_;
};

// "Tarnwick - WHAT - SUBJECT", or "Tarnwick - WHAT" when there is no subject.
std::string DocumentName(std::string_view what, std::string_view subject);

} // namespace core
