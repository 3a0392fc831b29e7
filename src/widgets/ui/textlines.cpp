#include "textlines.h"

#include <algorithm>
#include <iterator>

namespace gk {

namespace {

// Lines at least this long keep where their tabs are; shorter ones are read when asked. A line
// that shrinks below half of it lets its index go.
constexpr qsizetype kIndexedLength = 2048;

// The display column reached after `text`, shown from `column` on.
qsizetype advance(QStringView text, qsizetype column) {
    qsizetype from = 0;
    for (;;) {
        const qsizetype tab = text.indexOf(u'\t', from);
        if (tab < 0)
            return column + (text.size() - from);
        column = TextLines::nextTabStop(column + (tab - from));
        from = tab + 1;
    }
}

} // namespace

// The tabs of a long line, by index, with the display column just after each. After a tab the
// column is a multiple of the tab width, so what lies behind an edit moves by one whole number
// of tab widths; an edit shifts both lists from its place on and recomputes nothing else.
struct TextLines::TabStops {
    std::vector<qsizetype> index;
    std::vector<qsizetype> after;

    explicit TabStops(QStringView text) {
        qsizetype column = 0, previous = -1;
        for (qsizetype tab = text.indexOf(u'\t'); tab >= 0; tab = text.indexOf(u'\t', tab + 1)) {
            column = TextLines::nextTabStop(column + (tab - previous - 1));
            index.push_back(tab);
            after.push_back(column);
            previous = tab;
        }
    }

    qsizetype width(qsizetype length) const {
        return index.empty() ? length : after.back() + (length - index.back() - 1);
    }

    qsizetype columnAt(qsizetype i) const {
        const auto k = std::lower_bound(index.begin(), index.end(), i) - index.begin();
        return k == 0 ? i : after[size_t(k - 1)] + (i - index[size_t(k - 1)] - 1);
    }

    qsizetype indexAtColumn(qsizetype column, qsizetype length) const {
        // Tabs that end at or before the column; the column lies after the last of them.
        const auto k = std::upper_bound(after.begin(), after.end(), column) - after.begin();
        const qsizetype base = k ? index[size_t(k - 1)] + 1 : 0;
        const qsizetype i = base + (column - (k ? after[size_t(k - 1)] : 0));
        if (size_t(k) < index.size() && i >= index[size_t(k)])
            return index[size_t(k)];
        return std::min(i, length);
    }

    // The characters [from, to) became `text`.
    void edit(qsizetype from, qsizetype to, QStringView text) {
        const auto first = std::lower_bound(index.begin(), index.end(), from) - index.begin();
        const auto last = std::lower_bound(index.begin(), index.end(), to) - index.begin();
        const bool hasRest = size_t(last) < index.size();
        const qsizetype oldRestAfter = hasRest ? after[size_t(last)] : 0;

        std::vector<qsizetype> added;
        for (qsizetype tab = text.indexOf(u'\t'); tab >= 0; tab = text.indexOf(u'\t', tab + 1))
            added.push_back(from + tab);
        const auto kept = qsizetype(added.size());
        index.erase(index.begin() + first, index.begin() + last);
        after.erase(after.begin() + first, after.begin() + last);
        index.insert(index.begin() + first, added.begin(), added.end());
        after.insert(after.begin() + first, added.size(), 0);

        qsizetype column = first ? after[size_t(first - 1)] : 0;
        qsizetype previous = first ? index[size_t(first - 1)] : -1;
        for (qsizetype k = first; k < first + kept; ++k) {
            column = TextLines::nextTabStop(column + (index[size_t(k)] - previous - 1));
            after[size_t(k)] = column;
            previous = index[size_t(k)];
        }
        if (!hasRest)
            return;
        const qsizetype delta = text.size() - (to - from);
        const auto rest = size_t(first + kept);
        const qsizetype restIndex = index[rest] + delta;
        const qsizetype shift =
            TextLines::nextTabStop(column + (restIndex - previous - 1)) - oldRestAfter;
        for (size_t k = rest; k < index.size(); ++k) {
            index[k] += delta;
            after[k] += shift;
        }
    }
};

TextLines::Line::Line(QString t)
    : text(std::move(t)) {}
TextLines::Line::Line(const Line& other)
    : text(other.text)
    , width(other.width)
    , tabs(other.tabs ? std::make_unique<TabStops>(*other.tabs) : nullptr) {}
TextLines::Line& TextLines::Line::operator=(const Line& other) {
    if (this != &other)
        *this = Line(other);
    return *this;
}
TextLines::Line::~Line() = default;

void TextLines::WidthCounts::add(qsizetype width) {
    if (width >= kDense) {
        ++m_wide[width];
        return;
    }
    if (qsizetype(m_dense.size()) <= width)
        m_dense.resize(size_t(width + 1), 0);
    ++m_dense[size_t(width)];
    m_denseLargest = std::max(m_denseLargest, width);
}

void TextLines::WidthCounts::remove(qsizetype width) {
    if (width >= kDense) {
        const auto it = m_wide.find(width);
        if (--it->second == 0)
            m_wide.erase(it);
        return;
    }
    --m_dense[size_t(width)];
    while (m_denseLargest > 0 && m_dense[size_t(m_denseLargest)] == 0)
        --m_denseLargest;
}

qsizetype TextLines::WidthCounts::largest() const {
    return m_wide.empty() ? m_denseLargest : m_wide.rbegin()->first;
}

void TextLines::WidthCounts::clear() {
    m_dense.clear();
    m_wide.clear();
    m_denseLargest = 0;
}

TextLines::TextLines() {
    m_lines.emplace_back();
    m_widths.add(0);
}

TextLines::TextLines(const QString& text)
    : m_length(text.size()) {
    m_lines.reserve(size_t(text.count(u'\n') + 1));
    qsizetype from = 0;
    for (;;) {
        const qsizetype end = text.indexOf(u'\n', from);
        m_lines.emplace_back(end < 0 ? text.mid(from) : text.mid(from, end - from));
        measure(m_lines.back());
        m_widths.add(m_lines.back().width);
        if (end < 0)
            break;
        from = end + 1;
    }
}

TextLines::TextLines(const TextLines& other) = default;
// What is moved from is left an empty text, still valid.
TextLines::TextLines(TextLines&& other) noexcept
    : TextLines() {
    swap(other);
}
TextLines& TextLines::operator=(const TextLines& other) = default;
TextLines& TextLines::operator=(TextLines&& other) noexcept {
    TextLines taken(std::move(other));
    swap(taken);
    return *this;
}

void TextLines::swap(TextLines& other) noexcept {
    std::swap(m_lines, other.m_lines);
    std::swap(m_widths, other.m_widths);
    std::swap(m_length, other.m_length);
    std::swap(m_starts, other.m_starts);
    std::swap(m_validStarts, other.m_validStarts);
}
TextLines::~TextLines() = default;

QString TextLines::toString() const {
    QString out;
    out.reserve(m_length);
    for (size_t n = 0; n < m_lines.size(); ++n) {
        if (n)
            out.append(u'\n');
        out.append(m_lines[n].text);
    }
    return out;
}

QString TextLines::text(TextPosition from, TextPosition to) const {
    if (from.line == to.line)
        return line(from.line).mid(from.column, to.column - from.column);
    qsizetype size = lineLength(from.line) - from.column + 1 + to.column;
    for (qsizetype n = from.line + 1; n < to.line; ++n)
        size += lineLength(n) + 1;
    QString out;
    out.reserve(size);
    out.append(QStringView(line(from.line)).mid(from.column));
    for (qsizetype n = from.line + 1; n < to.line; ++n) {
        out.append(u'\n');
        out.append(line(n));
    }
    out.append(u'\n');
    out.append(QStringView(line(to.line)).left(to.column));
    return out;
}

TextPosition TextLines::endPosition() const {
    return {lineCount() - 1, m_lines.back().text.size()};
}

TextPosition TextLines::clamped(TextPosition p) const {
    p.line = std::clamp<qsizetype>(p.line, 0, lineCount() - 1);
    p.column = std::clamp<qsizetype>(p.column, 0, lineLength(p.line));
    return p;
}

TextPosition TextLines::endOfInsert(TextPosition at, QStringView text) {
    const qsizetype last = text.lastIndexOf(u'\n');
    if (last < 0)
        return {at.line, at.column + text.size()};
    return {at.line + text.count(u'\n'), text.size() - last - 1};
}

void TextLines::measure(Line& line) {
    if (line.text.size() >= kIndexedLength) {
        line.tabs = std::make_unique<TabStops>(line.text);
        line.width = line.tabs->width(line.text.size());
    } else {
        line.tabs.reset();
        line.width = advance(line.text, 0);
    }
}

void TextLines::lineChanged(Line& line, qsizetype oldWidth) {
    if (line.width != oldWidth) {
        m_widths.remove(oldWidth);
        m_widths.add(line.width);
    }
}

void TextLines::editInLine(Line& line, qsizetype from, qsizetype to, QStringView text) {
    const qsizetype oldWidth = line.width;
    if (to > from)
        line.text.remove(from, to - from);
    if (!text.isEmpty())
        line.text.insert(from, text.data(), text.size());
    if (line.tabs && line.text.size() >= kIndexedLength / 2) {
        line.tabs->edit(from, to, text);
        line.width = line.tabs->width(line.text.size());
    } else {
        measure(line);
    }
    lineChanged(line, oldWidth);
}

TextPosition TextLines::replace(TextPosition from, TextPosition to, QStringView text) {
    qsizetype removed = to.column - from.column;
    for (qsizetype n = from.line; n < to.line; ++n)
        removed += lineLength(n) + 1;
    m_length += text.size() - removed;
    invalidateOffsets(from.line);

    const qsizetype firstBreak = text.indexOf(u'\n');
    if (firstBreak < 0 && from.line == to.line) {
        editInLine(m_lines[size_t(from.line)], from.column, to.column, text);
        return {from.line, from.column + text.size()};
    }

    const QString tail = line(to.line).mid(to.column);
    for (qsizetype n = from.line; n <= to.line; ++n)
        m_widths.remove(lineWidth(n));

    // The first line keeps what precedes `from` and takes the text up to its first break; the
    // text after the last break, followed by what came after `to`, ends the last line.
    std::vector<Line> added;
    Line& first = m_lines[size_t(from.line)];
    first.text.truncate(from.column);
    if (firstBreak < 0) {
        first.text.append(text);
        first.text.append(tail);
    } else {
        first.text.append(text.left(firstBreak));
        qsizetype start = firstBreak + 1;
        for (;;) {
            const qsizetype end = text.indexOf(u'\n', start);
            if (end < 0) {
                added.emplace_back(text.mid(start).toString() + tail);
                break;
            }
            added.emplace_back(text.mid(start, end - start).toString());
            start = end + 1;
        }
    }
    measure(first);
    m_widths.add(first.width);
    for (Line& line : added) {
        measure(line);
        m_widths.add(line.width);
    }

    const auto oldCount = size_t(to.line - from.line);
    const size_t common = std::min(oldCount, added.size());
    const auto at = m_lines.begin() + from.line + 1;
    std::move(added.begin(), added.begin() + qsizetype(common), at);
    if (added.size() > oldCount)
        m_lines.insert(at + qsizetype(common),
                       std::make_move_iterator(added.begin() + qsizetype(common)),
                       std::make_move_iterator(added.end()));
    else
        m_lines.erase(at + qsizetype(common), at + qsizetype(oldCount));
    return endOfInsert(from, text);
}

qsizetype TextLines::columnAt(TextPosition p) const {
    const Line& l = m_lines[size_t(p.line)];
    if (l.tabs)
        return l.tabs->columnAt(p.column);
    return advance(QStringView(l.text).left(p.column), 0);
}

qsizetype TextLines::indexAtColumn(qsizetype n, qsizetype column) const {
    const Line& l = m_lines[size_t(n)];
    if (column <= 0)
        return 0;
    if (l.tabs)
        return l.tabs->indexAtColumn(column, l.text.size());
    qsizetype at = 0;
    for (qsizetype i = 0; i < l.text.size(); ++i) {
        at = l.text[i] == u'\t' ? TextLines::nextTabStop(at) : at + 1;
        if (column < at)
            return i;
    }
    return l.text.size();
}

void TextLines::invalidateOffsets(qsizetype line) const {
    m_validStarts = std::min(m_validStarts, line + 1);
}

void TextLines::extendOffsets(qsizetype upToLine) const {
    if (m_starts.size() != m_lines.size())
        m_starts.resize(m_lines.size());
    if (m_validStarts == 0) {
        m_starts[0] = 0;
        m_validStarts = 1;
    }
    for (qsizetype n = m_validStarts; n <= upToLine; ++n)
        m_starts[size_t(n)] = m_starts[size_t(n - 1)] + lineLength(n - 1) + 1;
    m_validStarts = std::max(m_validStarts, upToLine + 1);
}

qsizetype TextLines::offsetOf(TextPosition p) const {
    extendOffsets(p.line);
    return m_starts[size_t(p.line)] + p.column;
}

TextPosition TextLines::positionAt(qsizetype offset) const {
    offset = std::clamp<qsizetype>(offset, 0, m_length);
    extendOffsets(0);
    qsizetype last = m_validStarts - 1;
    while (last + 1 < lineCount() && m_starts[size_t(last)] + lineLength(last) < offset)
        extendOffsets(++last);
    const auto begin = m_starts.begin();
    const qsizetype n = std::upper_bound(begin, begin + m_validStarts, offset) - begin - 1;
    return {n, offset - m_starts[size_t(n)]};
}

} // namespace gk
