#pragma once

#include <QString>

namespace gk::sites {

// Host names of the web sites Grovekeep points to. Every address in the program is built
// from these three.
inline const QString MakerHost = QStringLiteral("www.marrowby.example");
inline const QString FanSiteHost = QStringLiteral("www.fernlow.example");
inline const QString ForumsHost = QStringLiteral("forums.blackandwhite.example");

// "http://" + host + path.
inline QString http(const QString& host, const QString& path = QString()) {
    return QStringLiteral("http://") + host + path;
}

} // namespace gk::sites
