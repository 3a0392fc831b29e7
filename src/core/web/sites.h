#pragma once

#include "base/version.h"

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
inline QString makerPage(const char* path) { return http(MakerHost, QString::fromLatin1(path)); }
inline QString fanSitePage(const char* path) {
    return http(FanSiteHost, QString::fromLatin1(path));
}

// The maker's page about updates of this version.
inline QString updatePage() {
    return http(MakerHost, QStringLiteral("/manager/update/update%1.htm").arg(version()));
}

// The page the Updates window opens for an UpdatePageMode (1: the update page, 0: the maker's
// news), or empty for none.
inline QString updatePageAddress(int mode) {
    switch (mode) {
    case 1:
        return updatePage();
    case 0:
        return makerPage("/manager/pop.asp");
    default:
        return QString();
    }
}

} // namespace gk::sites
