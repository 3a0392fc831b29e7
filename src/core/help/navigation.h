#pragma once

#include <QString>

#include <array>

namespace gk::help {

// The help viewer's own history of the pages opened from its file list. The Back and
// Forward buttons walk it; links followed inside a page are not part of it.
//
// `HistoryPos` is the index just after the entry of the page shown: the next free entry as
// long as the user only opens pages from the list. It is a signed 16-bit value; Back and
// Forward move it on even where no page stands, and only a change that would leave the
// 16-bit range is skipped.
class History {
public:
    static constexpr int EntryCount = 11; // indexes 0 to 10

    explicit History(const QString& helpFolder = QString())
        : m_helpFolder(helpFolder) {}

    // The folder the addresses start with, with its trailing separator.
    void setHelpFolder(const QString& folder) { m_helpFolder = folder; }
    const QString& helpFolder() const { return m_helpFolder; }

    // After a page was opened from the list: enters its bare file name at HistoryPos and
    // moves on, while HistoryPos is between 0 and 10; otherwise nothing is entered.
    void RecordHistory(const QString& name);

    // Each returns the address to show: HelpFolder followed by the entry at the new
    // position (HelpFolder alone for an entry never filled), or an empty address when the
    // position lies outside the table.
    QString Back();
    QString Forward();

    qint16 HistoryPos() const { return m_pos; }
    // The entry at `index`; empty when never filled or out of range.
    QString entry(int index) const;

private:
    static bool inTable(qint16 pos) { return pos >= 0 && pos < EntryCount; }
    // HelpFolder + entry at `pos`, or empty when `pos` is outside the table.
    QString addressAt(qint16 pos) const;
    // Adds `delta` unless the result would leave the 16-bit range; then nothing changes.
    void step(int delta);

    QString m_helpFolder;
    std::array<QString, EntryCount> m_entries;
    qint16 m_pos = 0;
};

} // namespace gk::help
