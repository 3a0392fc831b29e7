#include "navigation.h"

#include <limits>

namespace gk::help {

void History::RecordHistory(const QString& name) {
    if (!inTable(m_pos))
        return;
    m_entries[static_cast<size_t>(m_pos)] = name;
    ++m_pos;
}

QString History::Back() {
    step(-2);
    const QString address = addressAt(m_pos);
    step(+1);
    return address;
}

QString History::Forward() {
    const QString address = addressAt(m_pos);
    step(+1);
    return address;
}

QString History::entry(int index) const {
    if (index < 0 || index >= EntryCount)
        return QString();
    return m_entries[static_cast<size_t>(index)];
}

QString History::addressAt(qint16 pos) const {
    if (!inTable(pos))
        return QString();
    return m_helpFolder + m_entries[static_cast<size_t>(pos)];
}

void History::step(int delta) {
    const int moved = int(m_pos) + delta;
    if (moved < std::numeric_limits<qint16>::min() || moved > std::numeric_limits<qint16>::max())
        return;
    m_pos = static_cast<qint16>(moved);
}

} // namespace gk::help
