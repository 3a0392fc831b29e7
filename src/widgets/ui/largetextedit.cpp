#include "largetextedit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleHints>
#include <QThreadPool>

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>

namespace gk {

namespace {

constexpr int kMargin = 4;               // pixels left of the first column and above the first line
constexpr qint64 kTypingPause = 1000;    // ms without typing that close an undo step
constexpr qsizetype kSurrounding = 1024; // characters either side shown to input methods
constexpr qsizetype kBoundaryWindow = 4096; // characters either side searched for a word
constexpr qsizetype kFreeElsewhere = 10000; // lines of a replaced text freed on a worker

enum class CharClass { Space, Word, Other };

CharClass classOf(QChar c) {
    if (c.isSpace())
        return CharClass::Space;
    if (c.isLetterOrNumber() || c.isMark() || c == u'_')
        return CharClass::Word;
    return CharClass::Other;
}

bool isWordChar(QChar c) { return classOf(c) == CharClass::Word; }

bool startsPair(const QString& s, qsizetype i) {
    return i + 1 < s.size() && s[i].isHighSurrogate() && s[i + 1].isLowSurrogate();
}

bool endsPair(const QString& s, qsizetype i) {
    return i >= 2 && s[i - 1].isLowSurrogate() && s[i - 2].isHighSurrogate();
}

// Text typed on the keyboard, as opposed to a shortcut; the rule of Qt's own text fields.
bool isTextInput(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    if (c.category() == QChar::Other_Format)
        return true;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    return c.isPrint() || c.category() == QChar::Other_PrivateUse ||
           (c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

QColor mixed(const QColor& a, const QColor& b, qreal towardB) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * towardB),
                            float(a.greenF() + (b.greenF() - a.greenF()) * towardB),
                            float(a.blueF() + (b.blueF() - a.blueF()) * towardB));
}

// One stretch of text searched by the default boundary rules of QAccessibleTextInterface.
class TextStretch : public QAccessibleTextInterface {
public:
    explicit TextStretch(QString text)
        : m_text(std::move(text)) {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return m_text.mid(start, end - start); }
    int characterCount() const override { return int(m_text.size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }

private:
    QString m_text;
};

} // namespace

// What screen readers see: the text, the caret and the selection, as offsets into the text
// with '\n' between lines.
class LargeTextEditAccessible : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
public:
    explicit LargeTextEditAccessible(LargeTextEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !edit()->isReadOnly();
        s.readOnly = edit()->isReadOnly();
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return edit()->toPlainText();
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString& text) override {
        if (t != QAccessible::Value || edit()->isReadOnly())
            return;
        edit()->replace({}, lines().endPosition(), text);
    }

    // QAccessibleTextInterface
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && edit()->hasSelection()) {
            *start = offset(edit()->selectionStart());
            *end = offset(edit()->selectionEnd());
        }
    }
    int selectionCount() const override { return edit()->hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            edit()->setSelection(edit()->cursorPosition(), edit()->cursorPosition());
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0)
            edit()->setSelection(position(start), position(end));
    }
    int cursorPosition() const override { return offset(edit()->cursorPosition()); }
    void setCursorPosition(int at) override {
        const TextPosition p = position(at);
        edit()->setCursorPosition(p.line, p.column);
    }
    QString text(int start, int end) const override {
        const TextPosition from = position(start), to = position(end);
        return from < to ? lines().text(from, to) : QString();
    }
    QString textBeforeOffset(int at, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override {
        return boundaryText(-1, at, type, start, end);
    }
    QString textAfterOffset(int at, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override {
        return boundaryText(1, at, type, start, end);
    }
    QString textAtOffset(int at, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        return boundaryText(0, at, type, start, end);
    }
    int characterCount() const override { return int(lines().length()); }
    QRect characterRect(int at) const override {
        const TextPosition p = position(at);
        const LargeTextEdit* e = edit();
        const qsizetype column = lines().columnAt(p);
        const QString& line = lines().line(p.line);
        const qsizetype cells = p.column < line.size() && line[p.column] == u'\t'
                                    ? TextLines::nextTabStop(column) - column
                                    : 1;
        const qreal x = kMargin + column * e->m_columnWidth - e->horizontalScrollBar()->value();
        const int y = kMargin + int(p.line - e->verticalScrollBar()->value()) * e->m_lineHeight;
        const QRect local(int(std::floor(x)), y, qCeil(cells * e->m_columnWidth), e->m_lineHeight);
        return QRect(e->viewport()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = edit()->viewport()->mapFromGlobal(point);
        if (!edit()->viewport()->rect().contains(local))
            return -1;
        return offset(edit()->positionAt(local));
    }
    void scrollToSubstring(int start, int end) override {
        edit()->ensureVisible(position(end));
        edit()->ensureVisible(position(start));
    }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int at, const QString& text) override { replaceText(at, at, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (edit()->isReadOnly())
            return;
        edit()->replace(position(std::min(start, end)), position(std::max(start, end)), text);
    }

private:
    LargeTextEdit* edit() const { return static_cast<LargeTextEdit*>(widget()); }
    const TextLines& lines() const { return edit()->lines(); }
    int offset(TextPosition p) const { return int(lines().offsetOf(p)); }
    TextPosition position(int at) const {
        return lines().positionAt(at < 0 ? lines().length() : at);
    }

    // The unit before (-1), at (0) or after (1) an offset. Lines are read from the lines;
    // characters, words and sentences by Qt's rules over the text around the offset.
    QString boundaryText(int which, int at, QAccessible::TextBoundaryType type, int* start,
                         int* end) const {
        *start = *end = -1;
        const qsizetype count = lines().length();
        const qsizetype offsetAt = at < 0 ? count : std::min<qsizetype>(at, count);
        if (type == QAccessible::NoBoundary) {
            if (which != 0)
                return {};
            *start = 0;
            *end = int(count);
            return edit()->toPlainText();
        }
        if (type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary) {
            const qsizetype line = lines().positionAt(offsetAt).line + which;
            if (line < 0 || line >= lines().lineCount())
                return {};
            const bool last = line == lines().lineCount() - 1;
            const TextPosition from{line, 0};
            const TextPosition to =
                last ? TextPosition{line, lines().lineLength(line)} : TextPosition{line + 1, 0};
            *start = offset(from);
            *end = offset(to);
            return lines().text(from, to);
        }
        const qsizetype first = std::max<qsizetype>(0, offsetAt - kBoundaryWindow);
        const qsizetype last = std::min(count, offsetAt + kBoundaryWindow);
        const TextStretch stretch(
            lines().text(lines().positionAt(first), lines().positionAt(last)));
        const int local = int(offsetAt - first);
        int s = -1, e = -1;
        const QString found = which < 0   ? stretch.textBeforeOffset(local, type, &s, &e)
                              : which > 0 ? stretch.textAfterOffset(local, type, &s, &e)
                                          : stretch.textAtOffset(local, type, &s, &e);
        if (s >= 0) {
            *start = int(first + s);
            *end = int(first + e);
        }
        return found;
    }
};

namespace {

QAccessibleInterface* accessibleLargeTextEdit(const QString& className, QObject* object) {
    if (className == QLatin1String(LargeTextEdit::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new LargeTextEditAccessible(static_cast<LargeTextEdit*>(object));
    return nullptr;
}

} // namespace

LargeTextEdit::LargeTextEdit(QWidget* parent)
    : QAbstractScrollArea(parent) {
    [[maybe_unused]] static const bool accessible = [] {
        QAccessible::installFactory(&accessibleLargeTextEdit);
        return true;
    }();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setInputMethodHints(Qt::ImhMultiLine);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    m_clock.start();
    updateMetrics();
    updateScrollBars();
}

LargeTextEdit::~LargeTextEdit() = default;

// ---- Text, state and signals ----

void LargeTextEdit::setPlainText(const QString& text) { resetText(TextLines(text)); }

void LargeTextEdit::setLines(TextLines&& lines) { resetText(std::move(lines)); }

QString LargeTextEdit::toPlainText() const { return m_lines.toString(); }

void LargeTextEdit::clear() { resetText(TextLines()); }

void LargeTextEdit::resetText(TextLines&& lines) {
    const State before = state();
    // Freeing the lines of a large text takes a while: a worker thread does it.
    if (m_lines.lineCount() > kFreeElsewhere) {
        auto* old = new TextLines(std::move(m_lines));
        QThreadPool::globalInstance()->start([old] { delete old; });
    }
    m_lines = std::move(lines);
    m_undo.clear();
    m_undoIndex = 0;
    m_cleanIndex = 0;
    m_mergeOpen = false;
    m_cursor = m_anchor = {};
    m_goalColumn = -1;
    m_preedit.clear();
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(this, 0, QString(), toPlainText());
        QAccessible::updateAccessibility(&event);
    }
    emit textChanged();
    settle(before);
}

void LargeTextEdit::setReadOnly(bool readOnly) {
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    setAttribute(Qt::WA_InputMethodEnabled, !readOnly);
    m_preedit.clear();
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.readOnly = true;
        changed.editable = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

bool LargeTextEdit::isModified() const { return m_undoIndex != m_cleanIndex; }

void LargeTextEdit::setModified(bool modified) {
    const State before = state();
    if (!modified)
        m_cleanIndex = m_undoIndex;
    else if (!isModified())
        m_cleanIndex = -1;
    m_mergeOpen = false;
    settle(before);
}

LargeTextEdit::State LargeTextEdit::state() const {
    return {m_cursor, m_anchor, isModified(), isUndoAvailable(), isRedoAvailable()};
}

// Repaints what a change of cursor or selection touched and sends the signals whose value
// changed since `before`.
void LargeTextEdit::settle(const State& before) {
    const bool cursorMoved = m_cursor != before.cursor;
    const bool hadSelection = before.cursor != before.anchor;
    const bool selectionMoved = (hadSelection || hasSelection()) &&
                                (std::min(before.cursor, before.anchor) != selectionStart() ||
                                 std::max(before.cursor, before.anchor) != selectionEnd());
    if (selectionMoved) {
        viewport()->update();
    } else if (cursorMoved) {
        updateLineOf(before.cursor);
        updateLineOf(m_cursor);
    }
    if (cursorMoved || selectionMoved)
        restartCaret();

    if (isModified() != before.modified)
        emit modificationChanged(isModified());
    if (isUndoAvailable() != before.undo)
        emit undoAvailable(isUndoAvailable());
    if (isRedoAvailable() != before.redo)
        emit redoAvailable(isRedoAvailable());
    if (selectionMoved) {
        if (hasSelection() != hadSelection)
            emit copyAvailable(hasSelection());
        emit selectionChanged();
    }
    if (cursorMoved)
        emit cursorPositionChanged();

    if (QAccessible::isActive() && (cursorMoved || selectionMoved)) {
        const int cursor = int(m_lines.offsetOf(m_cursor));
        if (selectionMoved) {
            QAccessibleTextSelectionEvent event(this, int(m_lines.offsetOf(selectionStart())),
                                                int(m_lines.offsetOf(selectionEnd())));
            event.setCursorPosition(cursor);
            QAccessible::updateAccessibility(&event);
        } else {
            QAccessibleTextCursorEvent event(this, cursor);
            QAccessible::updateAccessibility(&event);
        }
    }
}

// ---- Editing and undo ----

void LargeTextEdit::insertPlainText(const QString& text) {
    edit(selectionStart(), selectionEnd(), text, EditKind::Other);
}

void LargeTextEdit::replace(TextPosition from, TextPosition to, const QString& text) {
    edit(from, to, text, EditKind::Other);
}

// Changes the text, scroll ranges and screen, without touching cursor or history.
void LargeTextEdit::applyReplace(TextPosition from, TextPosition to, const QString& text) {
    const qsizetype linesBefore = lineCount();
    const bool accessible = QAccessible::isActive();
    const QString removed = accessible ? m_lines.text(from, to) : QString();
    m_lines.replace(from, to, text);
    updateScrollBars();
    if (from.line == to.line && lineCount() == linesBefore)
        updateLineOf(from);
    else
        viewport()->update();
    if (accessible) {
        QAccessibleTextUpdateEvent event(this, int(m_lines.offsetOf(from)), removed, text);
        QAccessible::updateAccessibility(&event);
    }
}

void LargeTextEdit::edit(TextPosition from, TextPosition to, const QString& text, EditKind kind) {
    from = m_lines.clamped(from);
    to = m_lines.clamped(to);
    if (to < from)
        std::swap(from, to);
    if (from == to && text.isEmpty())
        return;
    const State before = state();
    Edit step{from, m_lines.text(from, to), text, m_anchor, m_cursor, kind, m_clock.elapsed()};
    m_undo.erase(m_undo.begin() + m_undoIndex, m_undo.end());
    if (m_cleanIndex > m_undoIndex)
        m_cleanIndex = -1;
    applyReplace(from, to, text);
    if (!mergeable(step)) {
        m_undo.push_back(std::move(step));
        ++m_undoIndex;
    } else {
        Edit& last = m_undo.back();
        if (kind == EditKind::Typing)
            last.inserted += step.inserted;
        else if (kind == EditKind::Backspace) {
            last.removed.prepend(step.removed);
            last.from = step.from;
        } else
            last.removed += step.removed;
        last.time = step.time;
    }
    m_mergeOpen = kind != EditKind::Other;
    m_cursor = m_anchor = TextLines::endOfInsert(from, text);
    m_goalColumn = -1;
    ensureCursorVisible();
    restartCaret();
    emit textChanged();
    settle(before);
}

// Whether `next` continues the last step: typing on at its end (a new word starts a new
// step), or deleting on from it, without a pause, a move or a save in between.
bool LargeTextEdit::mergeable(const Edit& next) const {
    if (!m_mergeOpen || m_undoIndex == 0 || m_cleanIndex == m_undoIndex)
        return false;
    const Edit& last = m_undo.back();
    if (last.kind != next.kind || next.time - last.time > kTypingPause)
        return false;
    switch (next.kind) {
    case EditKind::Typing:
        return next.removed.isEmpty() && !next.inserted.contains(u'\n') &&
               TextLines::endOfInsert(last.from, last.inserted) == next.from &&
               !(isWordChar(next.inserted.front()) && !isWordChar(last.inserted.back()));
    case EditKind::Backspace:
        return TextLines::endOfInsert(next.from, next.removed) == last.from;
    case EditKind::Delete:
        return next.from == last.from;
    case EditKind::Other:
        break;
    }
    return false;
}

void LargeTextEdit::undo() {
    if (!isUndoAvailable())
        return;
    const State before = state();
    const Edit& step = m_undo[size_t(--m_undoIndex)];
    applyReplace(step.from, TextLines::endOfInsert(step.from, step.inserted), step.removed);
    m_anchor = m_lines.clamped(step.anchorBefore);
    m_cursor = m_lines.clamped(step.cursorBefore);
    m_mergeOpen = false;
    m_goalColumn = -1;
    ensureCursorVisible();
    emit textChanged();
    settle(before);
}

void LargeTextEdit::redo() {
    if (!isRedoAvailable())
        return;
    const State before = state();
    const Edit& step = m_undo[size_t(m_undoIndex++)];
    applyReplace(step.from, TextLines::endOfInsert(step.from, step.removed), step.inserted);
    m_cursor = m_anchor = TextLines::endOfInsert(step.from, step.inserted);
    m_mergeOpen = false;
    m_goalColumn = -1;
    ensureCursorVisible();
    emit textChanged();
    settle(before);
}

void LargeTextEdit::typeText(const QString& text) {
    edit(selectionStart(), selectionEnd(), text, EditKind::Typing);
}

// Backspace, Delete and their word forms: the selection, or from the cursor to where `move`
// takes it.
void LargeTextEdit::deleteAround(Move move) {
    if (hasSelection()) {
        edit(selectionStart(), selectionEnd(), QString(), EditKind::Other);
        return;
    }
    const TextPosition to = moved(m_cursor, move);
    const EditKind kind = move == Move::PreviousChar ? EditKind::Backspace
                          : move == Move::NextChar   ? EditKind::Delete
                                                     : EditKind::Other;
    edit(std::min(m_cursor, to), std::max(m_cursor, to), QString(), kind);
}

QString LargeTextEdit::selectedText() const {
    return m_lines.text(selectionStart(), selectionEnd());
}

void LargeTextEdit::copy() {
    if (hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

void LargeTextEdit::cut() {
    if (m_readOnly || !hasSelection())
        return;
    copy();
    edit(selectionStart(), selectionEnd(), QString(), EditKind::Other);
}

void LargeTextEdit::paste() {
    if (m_readOnly)
        return;
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty())
        insertPlainText(text);
}

void LargeTextEdit::publishSelection() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (hasSelection() && clipboard->supportsSelection())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

// ---- Cursor and selection ----

void LargeTextEdit::setCursorPosition(qsizetype line, qsizetype column) {
    const TextPosition p = m_lines.clamped({line, column});
    setSelection(p, p);
}

void LargeTextEdit::setSelection(TextPosition anchor, TextPosition cursor) {
    const State before = state();
    m_anchor = m_lines.clamped(anchor);
    m_cursor = m_lines.clamped(cursor);
    m_goalColumn = -1;
    m_mergeOpen = false;
    ensureCursorVisible();
    settle(before);
}

void LargeTextEdit::selectAll() {
    setSelection({}, m_lines.endPosition());
    publishSelection();
}

TextPosition LargeTextEdit::moved(TextPosition p, Move move) const {
    const QString& s = m_lines.line(p.line);
    const qsizetype lastLine = lineCount() - 1;
    switch (move) {
    case Move::NextChar:
        if (p.column < s.size())
            p.column += startsPair(s, p.column) ? 2 : 1;
        else if (p.line < lastLine)
            p = {p.line + 1, 0};
        return p;
    case Move::PreviousChar:
        if (p.column > 0)
            p.column -= endsPair(s, p.column) ? 2 : 1;
        else if (p.line > 0)
            p = {p.line - 1, m_lines.lineLength(p.line - 1)};
        return p;
    case Move::NextWord: {
        if (p.column >= s.size())
            return p.line < lastLine ? TextPosition{p.line + 1, 0} : p;
        qsizetype i = p.column;
        const CharClass kind = classOf(s[i]);
        if (kind != CharClass::Space)
            while (i < s.size() && classOf(s[i]) == kind)
                ++i;
        while (i < s.size() && classOf(s[i]) == CharClass::Space)
            ++i;
        return {p.line, i};
    }
    case Move::PreviousWord: {
        if (p.column == 0)
            return p.line > 0 ? TextPosition{p.line - 1, m_lines.lineLength(p.line - 1)} : p;
        qsizetype i = p.column;
        while (i > 0 && classOf(s[i - 1]) == CharClass::Space)
            --i;
        if (i > 0) {
            const CharClass kind = classOf(s[i - 1]);
            while (i > 0 && classOf(s[i - 1]) == kind)
                --i;
        }
        return {p.line, i};
    }
    case Move::NextLine:
    case Move::PreviousLine:
    case Move::NextPage:
    case Move::PreviousPage: {
        const bool down = move == Move::NextLine || move == Move::NextPage;
        const bool page = move == Move::NextPage || move == Move::PreviousPage;
        if (!down && p.line == 0)
            return {0, 0};
        if (down && p.line == lastLine)
            return m_lines.endPosition();
        const qsizetype step = page ? visibleLines() : 1;
        const qsizetype target = std::clamp<qsizetype>(p.line + (down ? step : -step), 0, lastLine);
        const qsizetype goal = m_goalColumn >= 0 ? m_goalColumn : m_lines.columnAt(p);
        return {target, goalColumnAt(target, qreal(goal))};
    }
    case Move::StartOfLine:
        return {p.line, 0};
    case Move::EndOfLine:
        return {p.line, s.size()};
    case Move::StartOfDocument:
        return {};
    case Move::EndOfDocument:
        return m_lines.endPosition();
    }
    return p;
}

void LargeTextEdit::moveCursor(Move move, bool select) {
    const State before = state();
    const bool vertical = move == Move::NextLine || move == Move::PreviousLine ||
                          move == Move::NextPage || move == Move::PreviousPage;
    if (vertical && m_goalColumn < 0)
        m_goalColumn = m_lines.columnAt(m_cursor);
    TextPosition to;
    if (!select && hasSelection() && move == Move::NextChar)
        to = selectionEnd();
    else if (!select && hasSelection() && move == Move::PreviousChar)
        to = selectionStart();
    else
        to = moved(m_cursor, move);
    if (move == Move::NextPage || move == Move::PreviousPage) {
        QScrollBar* bar = verticalScrollBar();
        bar->setValue(int(bar->value() + (to.line - m_cursor.line)));
    }
    m_cursor = to;
    if (!select)
        m_anchor = to;
    if (!vertical)
        m_goalColumn = -1;
    m_mergeOpen = false;
    ensureCursorVisible();
    settle(before);
    if (select)
        publishSelection();
}

// The range of the word, run of spaces or single other character at `p` (by the character
// after it, or before it at the end of a line or of a word), or of its whole line.
std::pair<TextPosition, TextPosition> LargeTextEdit::unitRange(TextPosition p, Unit unit) const {
    if (unit == Unit::Line) {
        const TextPosition end =
            p.line + 1 < lineCount() ? TextPosition{p.line + 1, 0} : m_lines.endPosition();
        return {{p.line, 0}, end};
    }
    if (unit == Unit::Character)
        return {p, p};
    const QString& s = m_lines.line(p.line);
    if (s.isEmpty())
        return {p, p};
    // The character after the position, unless the line ends there or only the character
    // before it belongs to a word.
    qsizetype i = p.column;
    if (i == s.size() || (i > 0 && !isWordChar(s[i]) && isWordChar(s[i - 1])))
        --i;
    if (i > 0 && endsPair(s, i + 1))
        --i;
    const CharClass kind = classOf(s[i]);
    if (kind == CharClass::Other)
        return {{p.line, i}, {p.line, i + (startsPair(s, i) ? 2 : 1)}};
    qsizetype start = i, end = i;
    while (start > 0 && classOf(s[start - 1]) == kind)
        --start;
    while (end < s.size() && classOf(s[end]) == kind)
        ++end;
    return {{p.line, start}, {p.line, end}};
}

// Extends a mouse selection to `point`, by characters, words or lines.
void LargeTextEdit::extendDragTo(const QPoint& point) {
    const State before = state();
    const TextPosition p = positionAt(point);
    if (m_dragUnit == Unit::Character) {
        m_cursor = p;
    } else {
        const auto [start, end] = unitRange(p, m_dragUnit);
        if (start < m_dragStart) {
            m_anchor = m_dragEnd;
            m_cursor = start;
        } else {
            m_anchor = m_dragStart;
            m_cursor = std::max(end, m_dragEnd);
        }
    }
    ensureCursorVisible();
    settle(before);
}

// ---- Geometry ----

void LargeTextEdit::updateMetrics() {
    m_paintFont = font();
    m_paintFont.setKerning(false);
    m_paintFont.setStyleStrategy(
        QFont::StyleStrategy(m_paintFont.styleStrategy() | QFont::PreferNoShaping));
    const QFontMetricsF metrics(m_paintFont, viewport());
    m_columnWidth = std::max<qreal>(1, metrics.horizontalAdvance(QLatin1Char('M')));
    m_lineHeight = std::max(1, qCeil(metrics.lineSpacing()));
    m_ascent = qCeil(metrics.ascent());
    m_glyphs.assign(0x10000, Glyph::Unknown);
}

int LargeTextEdit::visibleLines() const {
    return std::max(1, (viewport()->height() - kMargin) / m_lineHeight);
}

void LargeTextEdit::updateScrollBars() {
    const int lines = visibleLines();
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, int(std::clamp<qsizetype>(lineCount() - lines, 0, INT_MAX)));
    vertical->setPageStep(lines);
    vertical->setSingleStep(1);
    // The widest line, and room for the cursor after it.
    const qreal content = 2 * kMargin + qreal(longestLineWidth() + 1) * m_columnWidth;
    const int width = viewport()->width();
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, int(std::clamp<qreal>(std::ceil(content) - width, 0, INT_MAX / 2)));
    horizontal->setPageStep(width);
    horizontal->setSingleStep(std::max(1, qRound(m_columnWidth)));
}

QRect LargeTextEdit::cursorRect() const {
    const qreal x =
        kMargin + m_lines.columnAt(m_cursor) * m_columnWidth - horizontalScrollBar()->value();
    const int y = kMargin + int(m_cursor.line - verticalScrollBar()->value()) * m_lineHeight;
    const int width = style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
    return QRect(int(std::floor(x)), y, std::max(1, width), m_lineHeight);
}

// The position nearest to display column `column` (fractional: a point inside a cell) of a
// line: a cell's right half belongs to the position after it.
qsizetype LargeTextEdit::goalColumnAt(qsizetype line, qreal column) const {
    if (column <= 0)
        return 0;
    const QString& s = m_lines.line(line);
    qsizetype i = m_lines.indexAtColumn(line, qsizetype(std::floor(column)));
    if (i >= s.size())
        return s.size();
    const qsizetype start = m_lines.columnAt({line, i});
    const qsizetype end = s[i] == u'\t' ? TextLines::nextTabStop(start) : start + 1;
    if (column - qreal(start) >= qreal(end - start) / 2)
        ++i;
    if (i < s.size() && endsPair(s, i + 1))
        ++i;
    return i;
}

TextPosition LargeTextEdit::positionAt(const QPoint& point) const {
    const qsizetype row = qsizetype(std::floor(qreal(point.y() - kMargin) / m_lineHeight));
    const qsizetype line =
        std::clamp<qsizetype>(verticalScrollBar()->value() + row, 0, lineCount() - 1);
    const qreal column =
        qreal(point.x() + horizontalScrollBar()->value() - kMargin) / m_columnWidth;
    return {line, goalColumnAt(line, column)};
}

void LargeTextEdit::ensureVisible(TextPosition p) {
    QScrollBar* vertical = verticalScrollBar();
    const qsizetype lines = visibleLines();
    if (p.line < vertical->value())
        vertical->setValue(int(p.line));
    else if (p.line >= vertical->value() + lines)
        vertical->setValue(int(p.line - lines + 1));

    QScrollBar* horizontal = horizontalScrollBar();
    const qreal x = kMargin + m_lines.columnAt(p) * m_columnWidth;
    const int width = viewport()->width();
    if (x - kMargin < horizontal->value())
        horizontal->setValue(int(std::floor(x - kMargin)));
    else if (x + m_columnWidth > horizontal->value() + width)
        horizontal->setValue(int(std::ceil(x + m_columnWidth - width)));
}

void LargeTextEdit::ensureCursorVisible() { ensureVisible(m_cursor); }

void LargeTextEdit::updateLineOf(TextPosition p) {
    const qsizetype row = p.line - verticalScrollBar()->value();
    if (row < -1 || row > visibleLines() + 1)
        return;
    viewport()->update(0, kMargin + int(row) * m_lineHeight, viewport()->width(), m_lineHeight);
}

// ---- Painting ----

LargeTextEdit::Glyph LargeTextEdit::glyphOf(QChar c) {
    Glyph& glyph = m_glyphs[c.unicode()];
    if (glyph != Glyph::Unknown)
        return glyph;
    const char16_t u = c.unicode();
    const auto category = c.category();
    const auto direction = c.direction();
    if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || category == QChar::Other_Format ||
        category == QChar::Separator_Line || category == QChar::Separator_Paragraph) {
        glyph = Glyph::Control;
    } else if (c.isSurrogate() || c.isMark() || direction == QChar::DirR ||
               direction == QChar::DirAL || direction == QChar::DirAN) {
        glyph = Glyph::Other;
    } else {
        // Drawn in runs only when the font has it at the width of one cell.
        const QFontMetricsF metrics(m_paintFont, viewport());
        glyph = metrics.inFont(c) && std::abs(metrics.horizontalAdvance(c) - m_columnWidth) < 0.01
                    ? Glyph::Plain
                    : Glyph::Other;
    }
    return glyph;
}

void LargeTextEdit::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setFont(m_paintFont);
    painter.setLayoutDirection(Qt::LeftToRight);
    const QRect area = event->rect();
    const qsizetype first = verticalScrollBar()->value();
    const int left = horizontalScrollBar()->value();
    const qsizetype top = first + std::max(0, (area.top() - kMargin) / m_lineHeight);
    const qsizetype bottom =
        std::min(lineCount() - 1, first + std::max(0, (area.bottom() - kMargin) / m_lineHeight));
    const auto firstColumn = std::max<qsizetype>(
        0, qsizetype(std::floor((left + area.left() - kMargin) / m_columnWidth)));
    const auto lastColumn =
        qsizetype(std::ceil((left + area.right() + 1 - kMargin) / m_columnWidth));
    for (qsizetype line = top; line <= bottom; ++line)
        paintLine(painter, line, kMargin + int(line - first) * m_lineHeight, firstColumn,
                  lastColumn);

    if (!m_preedit.isEmpty()) {
        // Text an input method is composing, over the text at the cursor until it commits.
        const QRect caret = cursorRect();
        const QRectF box(caret.x(), caret.y(), m_preedit.size() * m_columnWidth, m_lineHeight);
        painter.fillRect(box, palette().color(QPalette::Base));
        QFont underlined = m_paintFont;
        underlined.setUnderline(true);
        painter.setFont(underlined);
        painter.setPen(palette().color(QPalette::Text));
        for (qsizetype i = 0; i < m_preedit.size(); ++i)
            painter.drawText(QPointF(box.x() + i * m_columnWidth, caret.y() + m_ascent),
                             QString(m_preedit[i]));
        painter.fillRect(
            QRectF(box.x() + m_preeditCursor * m_columnWidth, caret.y(), 1, m_lineHeight),
            palette().color(QPalette::Text));
    } else if (hasFocus() && m_caretShown) {
        painter.fillRect(cursorRect(), palette().color(QPalette::Text));
    }
}

// Paints the cells of one line from `firstColumn` to `lastColumn`. Characters the font shows in
// one cell are drawn in runs; any other is drawn alone at its cell, so that no glyph can move
// the ones after it, and control characters get a placeholder.
void LargeTextEdit::paintLine(QPainter& painter, qsizetype line, int y, qsizetype firstColumn,
                              qsizetype lastColumn) {
    const QString& s = m_lines.line(line);
    const QPalette& colours = palette();
    const int left = horizontalScrollBar()->value();
    auto xOf = [&](qsizetype column) { return kMargin + column * m_columnWidth - left; };

    qsizetype selectedFrom = 0, selectedTo = 0;
    const TextPosition start = selectionStart(), end = selectionEnd();
    if (hasSelection() && start.line <= line && line <= end.line) {
        selectedFrom = line == start.line ? start.column : 0;
        selectedTo = line == end.line ? end.column : s.size();
        const qreal x0 = xOf(m_lines.columnAt({line, selectedFrom}));
        qreal x1 = xOf(m_lines.columnAt({line, selectedTo}));
        if (line < end.line)
            x1 += m_columnWidth; // the line break
        const qreal right = viewport()->width() + 1;
        painter.fillRect(QRectF(QPointF(std::max<qreal>(x0, -1), y),
                                QPointF(std::min(x1, right), y + m_lineHeight)),
                         colours.color(QPalette::Highlight));
    }

    const QColor text = colours.color(QPalette::Text);
    const QColor selectedText = colours.color(QPalette::HighlightedText);
    qsizetype i = m_lines.indexAtColumn(line, firstColumn);
    if (i > 0 && i < s.size() && endsPair(s, i + 1))
        --i;
    qsizetype column = m_lines.columnAt({line, i});
    qsizetype runStart = -1, runColumn = 0;
    bool runSelected = false;
    auto flush = [&] {
        if (runStart < 0)
            return;
        painter.setPen(runSelected ? selectedText : text);
        painter.drawText(QPointF(xOf(runColumn), y + m_ascent),
                         QString::fromRawData(s.constData() + runStart, i - runStart));
        runStart = -1;
    };
    while (i < s.size() && column <= lastColumn) {
        const QChar c = s[i];
        const bool selected = i >= selectedFrom && i < selectedTo;
        if (c == u'\t') {
            flush();
            column = TextLines::nextTabStop(column);
            ++i;
            continue;
        }
        const Glyph glyph = glyphOf(c);
        if (glyph == Glyph::Plain) {
            if (runStart >= 0 && selected != runSelected)
                flush();
            if (runStart < 0) {
                runStart = i;
                runColumn = column;
                runSelected = selected;
            }
            ++i;
            ++column;
            continue;
        }
        flush();
        const QColor& ink = selected ? selectedText : text;
        if (glyph == Glyph::Control) {
            // A tinted cell with a dim dot (a dash for a soft hyphen): never invisible, never
            // mistaken for the character it resembles.
            const QColor ground = colours.color(selected ? QPalette::Highlight : QPalette::Base);
            painter.fillRect(QRectF(xOf(column) + 0.5, y + 1, m_columnWidth - 1, m_lineHeight - 2),
                             mixed(ground, ink, 0.14));
            painter.setPen(mixed(ground, ink, 0.55));
            painter.drawText(QPointF(xOf(column), y + m_ascent),
                             QString(c.unicode() == 0xAD ? QChar(u'-') : QChar(0xB7)));
            ++i;
            ++column;
            continue;
        }
        const qsizetype units = startsPair(s, i) ? 2 : 1;
        painter.setPen(ink);
        painter.drawText(QPointF(xOf(column), y + m_ascent), QString(s.constData() + i, units));
        i += units;
        column += units;
    }
    flush();
}

void LargeTextEdit::restartCaret() {
    m_caretShown = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (hasFocus() && flash >= 2)
        m_caretTimer.start(flash / 2, this);
    else
        m_caretTimer.stop();
    viewport()->update(cursorRect());
}

// ---- Events ----

bool LargeTextEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Keys this editor uses go to it before any shortcut of the window.
        auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
        auto matches = [&](std::initializer_list<QKeySequence::StandardKey> keys) {
            return std::any_of(keys.begin(), keys.end(), [&](auto k) { return key->matches(k); });
        };
        auto plain = [&](std::initializer_list<int> keys) {
            return modifiers == Qt::NoModifier &&
                   std::find(keys.begin(), keys.end(), key->key()) != keys.end();
        };
        const bool reading =
            plain({Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down,
                   Qt::Key_PageUp, Qt::Key_PageDown}) ||
            matches({QKeySequence::Copy, QKeySequence::SelectAll, QKeySequence::MoveToNextWord,
                     QKeySequence::MoveToPreviousWord, QKeySequence::SelectNextWord,
                     QKeySequence::SelectPreviousWord, QKeySequence::MoveToStartOfDocument,
                     QKeySequence::MoveToEndOfDocument, QKeySequence::SelectStartOfDocument,
                     QKeySequence::SelectEndOfDocument});
        const bool editing =
            !m_readOnly &&
            (plain(
                 {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab}) ||
             matches({QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
                      QKeySequence::Redo, QKeySequence::Delete, QKeySequence::DeleteStartOfWord,
                      QKeySequence::DeleteEndOfWord}) ||
             (modifiers == Qt::NoModifier && isTextInput(key)));
        const bool ours = reading || editing;
        if (ours) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void LargeTextEdit::keyPressEvent(QKeyEvent* event) {
    struct MoveKey {
        QKeySequence::StandardKey key;
        Move move;
        bool select;
    };
    static const MoveKey moves[] = {
        {QKeySequence::MoveToNextChar, Move::NextChar, false},
        {QKeySequence::MoveToPreviousChar, Move::PreviousChar, false},
        {QKeySequence::SelectNextChar, Move::NextChar, true},
        {QKeySequence::SelectPreviousChar, Move::PreviousChar, true},
        {QKeySequence::MoveToNextWord, Move::NextWord, false},
        {QKeySequence::MoveToPreviousWord, Move::PreviousWord, false},
        {QKeySequence::SelectNextWord, Move::NextWord, true},
        {QKeySequence::SelectPreviousWord, Move::PreviousWord, true},
        {QKeySequence::MoveToNextLine, Move::NextLine, false},
        {QKeySequence::MoveToPreviousLine, Move::PreviousLine, false},
        {QKeySequence::SelectNextLine, Move::NextLine, true},
        {QKeySequence::SelectPreviousLine, Move::PreviousLine, true},
        {QKeySequence::MoveToNextPage, Move::NextPage, false},
        {QKeySequence::MoveToPreviousPage, Move::PreviousPage, false},
        {QKeySequence::SelectNextPage, Move::NextPage, true},
        {QKeySequence::SelectPreviousPage, Move::PreviousPage, true},
        {QKeySequence::MoveToStartOfLine, Move::StartOfLine, false},
        {QKeySequence::MoveToEndOfLine, Move::EndOfLine, false},
        {QKeySequence::SelectStartOfLine, Move::StartOfLine, true},
        {QKeySequence::SelectEndOfLine, Move::EndOfLine, true},
        {QKeySequence::MoveToStartOfBlock, Move::StartOfLine, false},
        {QKeySequence::MoveToEndOfBlock, Move::EndOfLine, false},
        {QKeySequence::SelectStartOfBlock, Move::StartOfLine, true},
        {QKeySequence::SelectEndOfBlock, Move::EndOfLine, true},
        {QKeySequence::MoveToStartOfDocument, Move::StartOfDocument, false},
        {QKeySequence::MoveToEndOfDocument, Move::EndOfDocument, false},
        {QKeySequence::SelectStartOfDocument, Move::StartOfDocument, true},
        {QKeySequence::SelectEndOfDocument, Move::EndOfDocument, true},
    };
    event->accept();
    for (const MoveKey& m : moves) {
        if (event->matches(m.key)) {
            moveCursor(m.move, m.select);
            return;
        }
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (event->matches(QKeySequence::Deselect)) {
        setSelection(m_cursor, m_cursor);
        return;
    }
    const auto modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (!m_readOnly) {
        if (event->matches(QKeySequence::Cut))
            return cut();
        if (event->matches(QKeySequence::Paste))
            return paste();
        if (event->matches(QKeySequence::Undo))
            return undo();
        if (event->matches(QKeySequence::Redo))
            return redo();
        if (event->matches(QKeySequence::DeleteStartOfWord))
            return deleteAround(Move::PreviousWord);
        if (event->matches(QKeySequence::DeleteEndOfWord))
            return deleteAround(Move::NextWord);
        if (event->matches(QKeySequence::Delete))
            return deleteAround(Move::NextChar);
        if (event->matches(QKeySequence::DeleteCompleteLine)) {
            const auto [from, to] = unitRange(m_cursor, Unit::Line);
            return edit(from, to, QString(), EditKind::Other);
        }
        if (event->key() == Qt::Key_Backspace && modifiers == Qt::NoModifier)
            return deleteAround(Move::PreviousChar);
        if (event->matches(QKeySequence::InsertParagraphSeparator) ||
            event->matches(QKeySequence::InsertLineSeparator))
            return insertPlainText(QStringLiteral("\n"));
        if (event->key() == Qt::Key_Tab && modifiers == Qt::NoModifier)
            return typeText(QStringLiteral("\t"));
        if (isTextInput(event))
            return typeText(event->text());
    }
    event->ignore();
    QAbstractScrollArea::keyPressEvent(event);
}

bool LargeTextEdit::focusNextPrevChild(bool next) {
    // Tab is a character here; in read-only mode it moves on to the next control.
    if (!m_readOnly)
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

void LargeTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (m_readOnly) {
        event->ignore();
        return;
    }
    if (!event->commitString().isEmpty() || event->replacementLength() > 0) {
        TextPosition from = selectionStart(), to = selectionEnd();
        if (!hasSelection() && (event->replacementStart() != 0 || event->replacementLength() > 0)) {
            const qsizetype length = m_lines.lineLength(m_cursor.line);
            from.column =
                std::clamp<qsizetype>(m_cursor.column + event->replacementStart(), 0, length);
            to.column = std::clamp<qsizetype>(from.column + event->replacementLength(), from.column,
                                              length);
        }
        edit(from, to, event->commitString(),
             event->commitString().size() == 1 ? EditKind::Typing : EditKind::Other);
    }
    m_preedit = event->preeditString();
    m_preeditCursor = int(m_preedit.size());
    for (const QInputMethodEvent::Attribute& attribute : event->attributes()) {
        if (attribute.type == QInputMethodEvent::Cursor)
            m_preeditCursor = std::clamp(attribute.start, 0, int(m_preedit.size()));
    }
    viewport()->update();
    event->accept();
}

QVariant LargeTextEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    // Input methods see the cursor's line, or a window of it around the cursor.
    const QString& line = m_lines.line(m_cursor.line);
    const qsizetype windowStart = std::max<qsizetype>(0, m_cursor.column - kSurrounding);
    const QPoint viewportOffset = viewport()->geometry().topLeft();
    switch (query) {
    case Qt::ImEnabled:
        return !m_readOnly;
    case Qt::ImReadOnly:
        return m_readOnly;
    case Qt::ImCursorRectangle: {
        // While composing, the caret inside the composed text.
        QRect caret = cursorRect();
        if (!m_preedit.isEmpty())
            caret.translate(qRound(m_preeditCursor * m_columnWidth), 0);
        return caret.translated(viewportOffset);
    }
    case Qt::ImAnchorRectangle: {
        if (m_anchor.line == m_cursor.line) {
            const qreal x = kMargin + m_lines.columnAt(m_anchor) * m_columnWidth -
                            horizontalScrollBar()->value();
            QRect rect = cursorRect();
            rect.moveLeft(int(std::floor(x)));
            return rect.translated(viewportOffset);
        }
        return cursorRect().translated(viewportOffset);
    }
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
        return int(m_cursor.column - windowStart);
    case Qt::ImAnchorPosition:
        return int((m_anchor.line == m_cursor.line
                        ? std::clamp(m_anchor.column, windowStart, windowStart + 2 * kSurrounding)
                        : m_cursor.column) -
                   windowStart);
    case Qt::ImSurroundingText:
        return line.mid(windowStart, 2 * kSurrounding);
    case Qt::ImTextBeforeCursor:
        return line.mid(windowStart, m_cursor.column - windowStart);
    case Qt::ImTextAfterCursor:
        return line.mid(m_cursor.column, kSurrounding);
    case Qt::ImCurrentSelection:
        // Input methods ask for it often: a selection of a whole large text is not handed out.
        return m_lines.offsetOf(selectionEnd()) - m_lines.offsetOf(selectionStart()) <=
                       kSurrounding * 64
                   ? selectedText()
                   : QString();
    case Qt::ImAbsolutePosition:
        return qlonglong(m_lines.offsetOf(m_cursor));
    case Qt::ImHints:
        return int(inputMethodHints());
    case Qt::ImMaximumTextLength:
        return QVariant();
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

void LargeTextEdit::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        const State before = state();
        const TextPosition p = positionAt(point);
        m_dragUnit = Unit::Character;
        if (m_tripleClickTimer.isActive() &&
            (point - m_tripleClickPoint).manhattanLength() <
                QGuiApplication::styleHints()->startDragDistance()) {
            m_tripleClickTimer.stop();
            m_dragUnit = Unit::Line;
            std::tie(m_dragStart, m_dragEnd) = unitRange(p, Unit::Line);
            m_anchor = m_dragStart;
            m_cursor = m_dragEnd;
        } else {
            m_cursor = p;
            if (!(event->modifiers() & Qt::ShiftModifier))
                m_anchor = p;
        }
        m_dragging = true;
        m_mousePoint = point;
        m_goalColumn = -1;
        m_mergeOpen = false;
        ensureCursorVisible();
        settle(before);
    } else if (event->button() == Qt::MiddleButton && !m_readOnly) {
        // The X11 selection, pasted where the click is.
        QClipboard* clipboard = QGuiApplication::clipboard();
        const QString text =
            clipboard->supportsSelection() ? clipboard->text(QClipboard::Selection) : QString();
        if (!text.isEmpty()) {
            const TextPosition p = positionAt(point);
            setSelection(p, p);
            insertPlainText(text);
        }
    }
    event->accept();
}

void LargeTextEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const State before = state();
    const QPoint point = event->position().toPoint();
    m_dragUnit = Unit::Word;
    std::tie(m_dragStart, m_dragEnd) = unitRange(positionAt(point), Unit::Word);
    m_anchor = m_dragStart;
    m_cursor = m_dragEnd;
    m_dragging = true;
    m_mousePoint = point;
    m_tripleClickPoint = point;
    m_tripleClickTimer.start(QGuiApplication::styleHints()->mouseDoubleClickInterval(), this);
    ensureCursorVisible();
    settle(before);
    event->accept();
}

void LargeTextEdit::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    m_mousePoint = event->position().toPoint();
    // Outside the text the view scrolls toward the mouse, faster the farther it is.
    if (viewport()->rect().contains(m_mousePoint))
        m_autoScrollTimer.stop();
    else if (!m_autoScrollTimer.isActive())
        m_autoScrollTimer.start(50, this);
    extendDragTo(m_mousePoint);
}

void LargeTextEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        m_autoScrollTimer.stop();
        publishSelection();
    }
}

void LargeTextEdit::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_caretTimer.timerId()) {
        m_caretShown = !m_caretShown;
        viewport()->update(cursorRect());
    } else if (event->timerId() == m_autoScrollTimer.timerId()) {
        extendDragTo(m_mousePoint);
    } else if (event->timerId() == m_tripleClickTimer.timerId()) {
        m_tripleClickTimer.stop();
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

QMenu* LargeTextEdit::createStandardContextMenu() {
    auto* menu = new QMenu(this);
    auto add = [&](const char* name, const QString& caption, QKeySequence::StandardKey key,
                   bool enabled, void (LargeTextEdit::*slot)()) {
        const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
        QAction* action =
            menu->addAction(shortcut.isEmpty() ? caption : caption + u'\t' + shortcut);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
    };
    const bool editable = !m_readOnly;
    add("edit-undo", tr("&Undo"), QKeySequence::Undo, editable && isUndoAvailable(),
        &LargeTextEdit::undo);
    add("edit-redo", tr("&Redo"), QKeySequence::Redo, editable && isRedoAvailable(),
        &LargeTextEdit::redo);
    menu->addSeparator();
    add("edit-cut", tr("Cu&t"), QKeySequence::Cut, editable && hasSelection(), &LargeTextEdit::cut);
    add("edit-copy", tr("&Copy"), QKeySequence::Copy, hasSelection(), &LargeTextEdit::copy);
    add("edit-paste", tr("&Paste"), QKeySequence::Paste,
        editable && !QGuiApplication::clipboard()->text().isEmpty(), &LargeTextEdit::paste);
    add("edit-delete", tr("Delete"), QKeySequence::UnknownKey, editable && hasSelection(),
        &LargeTextEdit::deleteSelection);
    menu->addSeparator();
    add("select-all", tr("Select All"), QKeySequence::SelectAll, m_lines.length() > 0,
        &LargeTextEdit::selectAll);
    return menu;
}

void LargeTextEdit::deleteSelection() {
    if (!m_readOnly && hasSelection())
        edit(selectionStart(), selectionEnd(), QString(), EditKind::Other);
}

void LargeTextEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void LargeTextEdit::focusInEvent(QFocusEvent* event) {
    restartCaret();
    QAbstractScrollArea::focusInEvent(event);
}

void LargeTextEdit::focusOutEvent(QFocusEvent* event) {
    m_caretTimer.stop();
    m_caretShown = false;
    viewport()->update(cursorRect());
    QAbstractScrollArea::focusOutEvent(event);
}

void LargeTextEdit::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LargeTextEdit::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateMetrics();
        updateScrollBars();
        viewport()->update();
    } else if (event->type() == QEvent::PaletteChange || event->type() == QEvent::EnabledChange ||
               event->type() == QEvent::ActivationChange || event->type() == QEvent::StyleChange) {
        viewport()->update();
    }
}

void LargeTextEdit::scrollContentsBy(int, int) { viewport()->update(); }

} // namespace gk
