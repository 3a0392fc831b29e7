#pragma once

// The text of LargeTextEdit: a list of lines, with the display width of each kept up to date
// as it is edited. A plain value with no tie to a thread: a large text can be split on a
// worker thread and moved to the interface thread whole.

#include <QString>
#include <QStringView>

#include <compare>
#include <map>
#include <memory>
#include <vector>

namespace gk {

// A place between two characters: a line and a UTF-16 index into it (0 to its length).
struct TextPosition {
    qsizetype line = 0;
    qsizetype column = 0;
    friend auto operator<=>(const TextPosition&, const TextPosition&) = default;
};

// Lines of plain text, joined by '\n' (the only line break). Every UTF-16 unit takes one display
// column except a tab, which reaches the next multiple of `kTabWidth`. Edits cost what moving
// the characters after them in their line costs; the display column of a position and the
// widest line are answered without reading the line or the document again.
//
// The const functions keep a cache of line offsets: a TextLines may be read by one thread at a
// time only.
class TextLines {
public:
    static constexpr qsizetype kTabWidth = 8;
    // The column a tab at `column` reaches.
    static constexpr qsizetype nextTabStop(qsizetype column) {
        return (column / kTabWidth + 1) * kTabWidth;
    }

    TextLines(); // one empty line
    explicit TextLines(const QString& text);
    TextLines(const TextLines& other);
    TextLines(TextLines&& other) noexcept; // leaves `other` an empty text
    TextLines& operator=(const TextLines& other);
    TextLines& operator=(TextLines&& other) noexcept;
    ~TextLines();
    void swap(TextLines& other) noexcept;

    qsizetype lineCount() const { return qsizetype(m_lines.size()); }
    const QString& line(qsizetype n) const { return m_lines[size_t(n)].text; }
    qsizetype lineLength(qsizetype n) const { return line(n).size(); }
    // Characters in the whole text, line breaks included.
    qsizetype length() const { return m_length; }
    QString toString() const;
    // The text between two positions (from <= to), with '\n' between lines.
    QString text(TextPosition from, TextPosition to) const;

    TextPosition endPosition() const;
    // The nearest valid position: line and column brought into range.
    TextPosition clamped(TextPosition p) const;
    // Where `text` ends when it is inserted at `at`.
    static TextPosition endOfInsert(TextPosition at, QStringView text);

    // Replaces the text between two valid positions (from <= to) with `text`, which may hold
    // line breaks; returns the position after the inserted text.
    TextPosition replace(TextPosition from, TextPosition to, QStringView text);

    // Display columns of a line, and of the widest line.
    qsizetype lineWidth(qsizetype n) const { return m_lines[size_t(n)].width; }
    qsizetype longestLineWidth() const { return m_widths.largest(); }
    // The display column at which the character at `p` starts.
    qsizetype columnAt(TextPosition p) const;
    // The index of the character that covers display column `column` of line `n` (a tab covers
    // several), or the line's length when the column lies past its end.
    qsizetype indexAtColumn(qsizetype n, qsizetype column) const;

    // Offsets into the joined text.
    qsizetype offsetOf(TextPosition p) const;
    TextPosition positionAt(qsizetype offset) const;

private:
    struct TabStops;
    struct Line {
        QString text;
        qsizetype width = 0;
        // Where the tabs of a long line are, so that its columns need no scan.
        std::unique_ptr<TabStops> tabs;

        Line() = default;
        explicit Line(QString t);
        Line(const Line& other);
        Line(Line&&) noexcept = default;
        Line& operator=(const Line& other);
        Line& operator=(Line&&) noexcept = default;
        ~Line();
    };

    // How many lines have each width, so that the widest is known after any edit.
    class WidthCounts {
    public:
        void add(qsizetype width);
        void remove(qsizetype width);
        qsizetype largest() const;
        void clear();

    private:
        static constexpr qsizetype kDense = 4096;
        std::vector<qsizetype> m_dense; // widths below kDense, by width
        std::map<qsizetype, qsizetype> m_wide;
        qsizetype m_denseLargest = 0;
    };

    void measure(Line& line);
    void lineChanged(Line& line, qsizetype oldWidth);
    void editInLine(Line& line, qsizetype from, qsizetype to, QStringView text);
    void invalidateOffsets(qsizetype line) const;
    void extendOffsets(qsizetype upToLine) const;

    std::vector<Line> m_lines;
    WidthCounts m_widths;
    qsizetype m_length = 0;
    // Offset of each line start; the first m_validStarts entries are correct.
    mutable std::vector<qsizetype> m_starts;
    mutable qsizetype m_validStarts = 0;
};

} // namespace gk
