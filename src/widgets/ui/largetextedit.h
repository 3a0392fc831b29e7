#pragma once

// A plain-text editor for texts too large for QPlainTextEdit: a map of megabytes, or one line
// of megabytes. It shows the text in a monospace grid, so that a keystroke and a paint cost the
// same whatever the length of the line or of the text.

#include "textlines.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QElapsedTimer>
#include <QFont>

#include <algorithm>
#include <utility>
#include <vector>

class QMenu;

namespace gk {

class LargeTextEditAccessible;

// Edits plain text held as lines (see TextLines). Columns are UTF-16 indexes into a line; on
// screen every character takes one cell of the width of 'M' in the widget's font (which should
// be a monospace one), a tab reaches the next multiple of 8 cells, and control characters show
// as a dim placeholder.
class LargeTextEdit : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
    Q_PROPERTY(bool modified READ isModified WRITE setModified NOTIFY modificationChanged)
    Q_PROPERTY(QString plainText READ toPlainText WRITE setPlainText NOTIFY textChanged USER true)

public:
    explicit LargeTextEdit(QWidget* parent = nullptr);
    ~LargeTextEdit() override;

    // Replace the whole text: the cursor goes to the start, the undo history is cleared and
    // the text counts as unmodified. setLines takes lines prepared on any thread.
    void setPlainText(const QString& text);
    void setLines(TextLines&& lines);
    QString toPlainText() const;
    const TextLines& lines() const { return m_lines; }
    qsizetype lineCount() const { return m_lines.lineCount(); }
    // Columns, the longest line's included.
    qsizetype longestLineWidth() const { return m_lines.longestLineWidth(); }

    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    // Whether the text differs from the text last marked unmodified; undoing back to that text
    // makes it unmodified again.
    bool isModified() const;
    void setModified(bool modified);

    bool isUndoAvailable() const { return m_undoIndex > 0; }
    bool isRedoAvailable() const { return m_undoIndex < qsizetype(m_undo.size()); }

    TextPosition cursorPosition() const { return m_cursor; }
    TextPosition anchorPosition() const { return m_anchor; }
    qsizetype cursorLine() const { return m_cursor.line; }
    qsizetype cursorColumn() const { return m_cursor.column; }
    // Moves the cursor (brought into range) and drops the selection.
    void setCursorPosition(qsizetype line, qsizetype column);
    // Selects from `anchor` to `cursor`, where the cursor goes.
    void setSelection(TextPosition anchor, TextPosition cursor);
    bool hasSelection() const { return m_cursor != m_anchor; }
    TextPosition selectionStart() const { return std::min(m_cursor, m_anchor); }
    TextPosition selectionEnd() const { return std::max(m_cursor, m_anchor); }
    QString selectedText() const;

    // Edits as one undo step, allowed in read-only mode too: `text` replaces the selection or
    // the range, and the cursor goes after it.
    void insertPlainText(const QString& text);
    void replace(TextPosition from, TextPosition to, const QString& text);

    // Where the cursor is drawn and which position a point shows, in viewport coordinates.
    QRect cursorRect() const;
    TextPosition positionAt(const QPoint& point) const;
    void ensureCursorVisible();
    void ensureVisible(TextPosition p);

    // The context menu: Undo, Redo, Cut, Copy, Paste, Delete and Select All, enabled as they
    // apply. The caller owns it.
    QMenu* createStandardContextMenu();

    // The cursor's line, or a window of a long line around it, and where the cursor is.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

public slots:
    void undo();
    void redo();
    // The clipboard; cut, paste and deleteSelection do nothing in read-only mode.
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void selectAll();
    // An empty text, as setPlainText(QString()).
    void clear();

signals:
    void textChanged();
    void modificationChanged(bool modified);
    void cursorPositionChanged();
    void selectionChanged();
    void undoAvailable(bool available);
    void redoAvailable(bool available);
    void copyAvailable(bool available);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;

private:
    enum class EditKind { Other, Typing, Backspace, Delete };
    struct Edit {
        TextPosition from;
        QString removed;
        QString inserted;
        TextPosition anchorBefore, cursorBefore;
        EditKind kind = EditKind::Other;
        qint64 time = 0;
    };
    // What the signals compare against after a change.
    struct State {
        TextPosition cursor, anchor;
        bool modified, undo, redo;
    };
    enum class Move {
        NextChar,
        PreviousChar,
        NextWord,
        PreviousWord,
        NextLine,
        PreviousLine,
        NextPage,
        PreviousPage,
        StartOfLine,
        EndOfLine,
        StartOfDocument,
        EndOfDocument
    };
    enum class Unit { Character, Word, Line };
    enum class Glyph : unsigned char { Unknown, Plain, Control, Other };

    State state() const;
    void settle(const State& before);
    void edit(TextPosition from, TextPosition to, const QString& text, EditKind kind);
    void applyReplace(TextPosition from, TextPosition to, const QString& text);
    void resetText(TextLines&& lines);
    void deleteAround(Move move);
    void typeText(const QString& text);
    bool mergeable(const Edit& next) const;

    void moveCursor(Move move, bool select);
    TextPosition moved(TextPosition p, Move move) const;
    std::pair<TextPosition, TextPosition> unitRange(TextPosition p, Unit unit) const;
    void extendDragTo(const QPoint& point);
    void publishSelection();

    void updateMetrics();
    void updateScrollBars();
    int visibleLines() const;
    qsizetype goalColumnAt(qsizetype line, qreal column) const;
    Glyph glyphOf(QChar c);
    void paintLine(QPainter& painter, qsizetype line, int y, qsizetype firstColumn,
                   qsizetype lastColumn);
    void restartCaret();
    void updateLineOf(TextPosition p);

    TextLines m_lines;
    TextPosition m_cursor, m_anchor;
    qsizetype m_goalColumn = -1; // display column kept by up and down, -1 when none
    bool m_readOnly = false;

    std::vector<Edit> m_undo;
    qsizetype m_undoIndex = 0;
    qsizetype m_cleanIndex = 0; // undo index of the unmodified text; -1 when unreachable
    bool m_mergeOpen = false;
    QElapsedTimer m_clock;

    QFont m_paintFont;
    qreal m_columnWidth = 8;
    int m_lineHeight = 16;
    int m_ascent = 12;
    std::vector<Glyph> m_glyphs;

    QBasicTimer m_caretTimer;
    bool m_caretShown = true;
    QString m_preedit;
    int m_preeditCursor = 0;

    QBasicTimer m_autoScrollTimer;
    QBasicTimer m_tripleClickTimer;
    QPoint m_tripleClickPoint;
    QPoint m_mousePoint;
    bool m_dragging = false;
    Unit m_dragUnit = Unit::Character;
    TextPosition m_dragStart, m_dragEnd; // the word or line a drag started on

    friend class LargeTextEditAccessible;
};

} // namespace gk
