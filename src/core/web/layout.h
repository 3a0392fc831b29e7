#pragma once

#include <QSize>

#include <algorithm>

namespace gk {

// The browser's page area for an outer window size in twips: 100 narrower and 1100 lower,
// never below zero.
inline QSize browserPageSize(int outerWidthTwips, int outerHeightTwips) {
    return QSize(std::max(0, outerWidthTwips - 100), std::max(0, outerHeightTwips - 1100));
}

} // namespace gk
