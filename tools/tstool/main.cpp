// gk-tstool: the build's helper for translation files (Qt's .ts format).
//
//   gk-tstool pseudo SOURCES.ts OUT.ts   writes the pseudo-language: every text wrapped in
//                                         [ ] and its letters accented, its placeholders,
//                                         mnemonics, markup and line breaks kept
//   gk-tstool check SOURCES.ts LANG.ts... fails naming every text of SOURCES.ts that a
//                                         language lacks or has unfinished, every entry no
//                                         longer in the sources, and every translation whose
//                                         placeholders differ from its source text's

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type; // "", "unfinished", "obsolete", "vanished"
    QStringList translations;
    QString key() const { return context + QChar(1) + source + QChar(1) + comment; }
};

struct TsFile {
    QString language;
    QList<Message> messages;
};

bool readTs(const QString& path, TsFile* out, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            out->language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{};
            message.context = context;
            message.numerus =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (message.numerus) {
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("numerusform"))
                        message.translations << xml.readElementText();
                    else
                        xml.skipCurrentElement();
                }
            } else {
                message.translations << xml.readElementText();
            }
            out->messages << message;
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}

// Letters accented, everything a program or Qt reads kept: %1, %n, %L1, && and the mnemonic's
// &, markup between < and >, entities, and escapes.
QString pseudo(const QString& text) {
    static const QString plain = QStringLiteral("aceinouyACEINOUY");
    static const QString accented = QStringLiteral("áçéîñóüýÁÇÉÎÑÓÜÝ");
    QString out = QStringLiteral("[");
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text.at(k);
        if (c == QLatin1Char('%')) {
            out += c;
            while (k + 1 < text.size() &&
                   (text.at(k + 1).isDigit() || text.at(k + 1) == QLatin1Char('n') ||
                    text.at(k + 1) == QLatin1Char('L'))) {
                out += text.at(++k);
                if (out.back() == QLatin1Char('n'))
                    break;
            }
        } else if (c == QLatin1Char('<') || c == QLatin1Char('&')) {
            // Markup and entities whole; a mnemonic's '&' and the letter after it as they are.
            const QChar end = c == QLatin1Char('<') ? QLatin1Char('>') : QLatin1Char(';');
            const qsizetype close = text.indexOf(end, k);
            const bool entity = c == QLatin1Char('&') && close > k &&
                                QRegularExpression(QStringLiteral("^&#?\\w+;$"))
                                    .match(text.mid(k, close - k + 1))
                                    .hasMatch();
            if (c == QLatin1Char('<') && close > k) {
                out += text.mid(k, close - k + 1);
                k = close;
            } else if (entity) {
                out += text.mid(k, close - k + 1);
                k = close;
            } else {
                out += c;
                if (k + 1 < text.size())
                    out += text.at(++k);
            }
        } else {
            const qsizetype at = plain.indexOf(c);
            out += at >= 0 ? accented.at(at) : c;
        }
    }
    return out + QLatin1Char(']');
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%L?(\\d+|n)"));
    QStringList out;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        out << it.next().captured(0).remove(QLatin1Char('L'));
    out.sort();
    out.removeDuplicates();
    return out;
}

int writePseudo(const TsFile& sources, const QString& outPath) {
    QFile file(outPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "gk-tstool: %s: %s\n", qPrintable(outPath),
                     qPrintable(file.errorString()));
        return 1;
    }
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    xml.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    QString context;
    bool open = false;
    for (const Message& m : sources.messages) {
        if (!open || m.context != context) {
            if (open)
                xml.writeEndElement();
            xml.writeStartElement(QStringLiteral("context"));
            xml.writeTextElement(QStringLiteral("name"), m.context);
            context = m.context;
            open = true;
        }
        xml.writeStartElement(QStringLiteral("message"));
        if (m.numerus)
            xml.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
        xml.writeTextElement(QStringLiteral("source"), m.source);
        if (!m.comment.isEmpty())
            xml.writeTextElement(QStringLiteral("comment"), m.comment);
        xml.writeStartElement(QStringLiteral("translation"));
        if (m.numerus) {
            for (int form = 0; form < 2; ++form)
                xml.writeTextElement(QStringLiteral("numerusform"), pseudo(m.source));
        } else {
            xml.writeCharacters(pseudo(m.source));
        }
        xml.writeEndElement();
        xml.writeEndElement();
    }
    if (open)
        xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return file.flush() ? 0 : 1;
}

int check(const TsFile& sources, const QString& path, const TsFile& language) {
    QStringList faults;
    QHash<QString, const Message*> byKey;
    for (const Message& m : language.messages)
        byKey.insert(m.key(), &m);
    QSet<QString> wanted;
    for (const Message& source : sources.messages) {
        wanted.insert(source.key());
        const Message* m = byKey.value(source.key());
        const QString where =
            source.context + QStringLiteral(": \"") + source.source + QLatin1Char('"');
        if (!m) {
            faults << QStringLiteral("missing: ") + where;
            continue;
        }
        if (!m->type.isEmpty() || m->translations.isEmpty() ||
            std::any_of(m->translations.begin(), m->translations.end(),
                        [](const QString& t) { return t.isEmpty(); })) {
            faults << QStringLiteral("unfinished: ") + where;
            continue;
        }
        for (const QString& t : m->translations) {
            // A plural form may leave the count out ("une fois" for %n = 1).
            QStringList expected = placeholders(source.source);
            QStringList got = placeholders(t);
            if (m->numerus) {
                expected.removeAll(QStringLiteral("%n"));
                got.removeAll(QStringLiteral("%n"));
            }
            if (expected != got) {
                faults << QStringLiteral("placeholders %1 instead of %2: %3")
                              .arg(got.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')),
                                   where);
                break;
            }
        }
    }
    for (const Message& m : language.messages)
        if (!wanted.contains(m.key()))
            faults
                << QStringLiteral("no longer in the sources: %1: \"%2\"").arg(m.context, m.source);
    for (const QString& fault : faults)
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(fault));
    return faults.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool pseudoMode = args.size() == 3 && args.at(0) == QLatin1String("pseudo");
    const bool checkMode = args.size() >= 3 && args.at(0) == QLatin1String("check");
    if (!pseudoMode && !checkMode) {
        std::fputs("usage: gk-tstool pseudo SOURCES.ts OUT.ts\n"
                   "       gk-tstool check SOURCES.ts LANG.ts...\n",
                   stderr);
        return 2;
    }
    TsFile sources;
    QString error;
    if (!readTs(args.at(1), &sources, &error)) {
        std::fprintf(stderr, "gk-tstool: %s\n", qPrintable(error));
        return 1;
    }
    if (pseudoMode)
        return writePseudo(sources, args.at(2));
    int result = 0;
    for (const QString& path : args.mid(2)) {
        TsFile language;
        if (!readTs(path, &language, &error)) {
            std::fprintf(stderr, "gk-tstool: %s\n", qPrintable(error));
            return 1;
        }
        // The English file holds the plural forms only.
        if (language.language.startsWith(QLatin1String("en"))) {
            TsFile plurals;
            for (const Message& m : sources.messages)
                if (m.numerus)
                    plurals.messages << m;
            result |= check(plurals, path, language);
        } else {
            result |= check(sources, path, language);
        }
    }
    return result;
}
