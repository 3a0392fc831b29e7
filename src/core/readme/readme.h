#pragma once

#include <QString>

namespace gk {

// What an author fills in on the readme creator.
struct ReadmeFields {
    QString type; // the file type box: "Map", "Landscape", ... or anything typed
    QString title;
    QString name;
    QString address;
    QString description;
    QString comments;
    QString thanks;
    QString contact;
};

// A field counts when it holds at least two characters.
bool isFilled(const QString& field);

// The map installation sentence, with the two sites' host names.
QString mapInstallSentence(const QString& makerHost, const QString& fanSiteHost);

// The readme in its fixed layout, every line ended by CR LF. Field texts go in exactly as
// they stand; a field that is not filled leaves out everything that belongs to it.
QString ComposeReadme(const ReadmeFields& fields, const QString& makerHost,
                      const QString& fanSiteHost);

} // namespace gk
