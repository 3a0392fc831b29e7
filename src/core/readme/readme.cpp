#include "readme.h"

namespace gk {

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

bool isFilled(const QString& field) { return field.size() >= 2; }

QString mapInstallSentence(const QString& makerHost, const QString& fanSiteHost) {
    return QStringLiteral("Either use the Grovekeep downloadble from ") + makerHost +
           QStringLiteral(" and ") + fanSiteHost +
           QStringLiteral("/fernlow to install or copy the .txt file in to the Black and White "
                          "install directory  & \\Sripts\\Playgrounds .");
}

QString ComposeReadme(const ReadmeFields& f, const QString& makerHost, const QString& fanSiteHost) {
    QString t = QStringLiteral("--- ");
    if (isFilled(f.title))
        t += f.title;
    if (isFilled(f.name))
        t += QStringLiteral(" by ") + f.name;
    t += QStringLiteral(" ---") + CRLF;
    t += CRLF;
    t += QStringLiteral("--- Installation instructions ---") + CRLF;
    t += CRLF;
    if (f.type == QStringLiteral("Map"))
        t += mapInstallSentence(makerHost, fanSiteHost) + CRLF;
    t += CRLF;
    if (isFilled(f.address))
        t += QStringLiteral("*** Please visit my site at ") + f.address + QStringLiteral(" ***") +
             CRLF + CRLF;
    if (isFilled(f.description))
        t += QStringLiteral("--- Description ---") + CRLF + f.description + CRLF + CRLF;
    if (isFilled(f.comments))
        t += QStringLiteral("--- Comments ---") + CRLF + f.comments + CRLF + CRLF;
    if (isFilled(f.thanks))
        t += QStringLiteral("-- Thanks to ---") + CRLF + f.thanks + CRLF + CRLF;
    if (isFilled(f.contact))
        t += QStringLiteral("--- If you need to contact me then mail ") + CRLF + f.contact + CRLF +
             QStringLiteral(" ---") + CRLF;
    return t;
}

} // namespace gk
