#include "describe.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <iterator>

namespace gk {

// From what the record says the operation does to the file, not from the content after: an
// operation interrupted before its new contents were written has none.
QString changeName(const FileRecord& file) {
    if (file.remove)
        //: what an operation did to a file
        return QCoreApplication::translate("History", "removed");
    if (file.before)
        //: what an operation did to a file
        return QCoreApplication::translate("History", "replaced");
    //: what an operation did to a file
    return QCoreApplication::translate("History", "added");
}

QString stateText(OperationState state) {
    switch (state) {
    case OperationState::UnderWay:
        //: the state of an operation: begun, neither complete nor rolled back
        return QCoreApplication::translate("History", "under-way");
    case OperationState::Complete:
        //: the state of an operation
        return QCoreApplication::translate("History", "complete");
    case OperationState::Undone:
        //: the state of an operation
        return QCoreApplication::translate("History", "undone");
    case OperationState::RolledBack:
        //: the state of an operation: interrupted, and every file put back
        return QCoreApplication::translate("History", "rolled-back");
    }
    return QString();
}

QString fileStateText(FileState state) {
    switch (state) {
    case FileState::Intact:
        //: a file checked against the history: it holds what the operation wrote
        return QCoreApplication::translate("History", "intact");
    case FileState::Changed:
        //: a file checked against the history: it holds something else now
        return QCoreApplication::translate("History", "changed");
    case FileState::Missing:
        //: a file checked against the history: it is gone
        return QCoreApplication::translate("History", "missing");
    case FileState::Unreadable:
        //: a file checked against the history: it could not be read
        return QCoreApplication::translate("History", "unreadable");
    }
    return QString();
}

namespace {
// What Grovekeep writes into a record as what an operation was, in English (records are the
// same in every language); the longer forms first, as "Package %1" would also take "Package %1
// saved". Each is looked up by its English words and shown in the user's.
const char* const kWhatForms[] = {
    //: what an operation was; %1 is the number of the operation undone, %2 what that was
    QT_TRANSLATE_NOOP("History", "Undo of %1: %2"),
    //: what an operation was; %1 is the kind of text (Map, Readme, Download), %2 the file
    QT_TRANSLATE_NOOP("History", "%1 saved as %2"),
    //: what an operation was; %1 is a package's name in quotes
    QT_TRANSLATE_NOOP("History", "Package %1 saved"),
    //: what an operation was; %1 is a package's name in quotes
    QT_TRANSLATE_NOOP("History", "Package %1 extracted"),
    //: what an operation was; %1 is a package's name in quotes
    QT_TRANSLATE_NOOP("History", "Package %1"),
    //: what an operation was; %1 is a file's name in quotes
    QT_TRANSLATE_NOOP("History", "File %1"),
    //: what an operation was; %1 is a map's name in quotes
    QT_TRANSLATE_NOOP("History", "Install this Map: %1"),
    //: what an operation was; %1 is a landscape's name in quotes
    QT_TRANSLATE_NOOP("History", "Install Landscape %1"),
    //: what an operation was; %1 is a skin's name in quotes
    QT_TRANSLATE_NOOP("History", "Install Skin %1"),
    //: what an operation was; %1 is a slot's number, %2 a profile's name
    QT_TRANSLATE_NOOP("History", "Tattoo slot %1 of profile %2"),
    //: what an operation was
    QT_TRANSLATE_NOOP("History", "Options saved"),
    //: a kind of text saved, in "%1 saved as %2"
    QT_TRANSLATE_NOOP("History", "Map"),
    //: a kind of text saved, in "%1 saved as %2"
    QT_TRANSLATE_NOOP("History", "Readme"),
    //: a kind of text saved, in "%1 saved as %2"
    QT_TRANSLATE_NOOP("History", "Download"),
};
} // namespace

namespace {
// Each English form as a pattern its parts are read back with, made once: the history window
// asks for every operation it lists.
struct WhatForm {
    const char* source;
    QRegularExpression pattern;
    int inner; // the part that is itself a what, or a kind of text (0: none)
};

const QList<WhatForm>& whatForms() {
    static const QList<WhatForm> forms = [] {
        QList<WhatForm> out;
        for (const char* form : kWhatForms) {
            const QString english = QString::fromLatin1(form);
            QString pattern = QRegularExpression::escape(english);
            pattern.replace(QStringLiteral("%1"), QStringLiteral("(.+?)"));
            pattern.replace(QStringLiteral("%2"), QStringLiteral("(.+)"));
            const int inner = english.startsWith(QLatin1String("Undo of"))       ? 2
                              : english.startsWith(QLatin1String("%1 saved as")) ? 1
                                                                                 : 0;
            out.append({form,
                        QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                           QRegularExpression::DotMatchesEverythingOption),
                        inner});
        }
        return out;
    }();
    return forms;
}
} // namespace

QString whatText(const QString& what, int depth) {
    for (const WhatForm& form : whatForms()) {
        const auto match = form.pattern.match(what);
        if (!match.hasMatch())
            continue;
        QString shown = QCoreApplication::translate("History", form.source);
        // What an undo undid, and the kind of text saved, are shown in the user's words too.
        for (int k = 1; k <= match.lastCapturedIndex(); ++k) {
            const QString part = match.captured(k);
            shown = shown.arg(k == form.inner && depth < 8 ? whatText(part, depth + 1) : part);
        }
        return shown;
    }
    return what;
}

QString installedByText(const Conflict& conflict) {
    //: %1 is what an earlier operation was (such as Package "river.vif"), %2 its date and time
    return QCoreApplication::translate("History", "installed by %1 on %2")
        .arg(whatText(conflict.what),
             conflict.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

QString noteText(const QString& note) {
    // Looked up by its English words; a note that is no text of Grovekeep's (the message of a
    // failure, written in the language of its run) comes back as it is.
    const QByteArray source = note.toUtf8();
    const QString translated = QCoreApplication::translate("History", source.constData());
    return translated == QString::fromUtf8(source) ? note : translated;
}

QString sizeText(qint64 bytes) {
    if (bytes < 1024)
        //: a size of a file
        return QCoreApplication::translate("History", "%n bytes", nullptr, int(bytes));
    // The number as the C locale writes it (QLocale::formattedDataSize's way: one decimal, of
    // the largest power of 1024 it reaches), the unit in the user's words.
    static const char* const units[] = {
        //: %1 is a size with one decimal, such as 12.3
        QT_TRANSLATE_NOOP("History", "%1 KiB"),
        //: %1 is a size with one decimal, such as 12.3
        QT_TRANSLATE_NOOP("History", "%1 MiB"),
        //: %1 is a size with one decimal, such as 12.3
        QT_TRANSLATE_NOOP("History", "%1 GiB"),
        //: %1 is a size with one decimal, such as 12.3
        QT_TRANSLATE_NOOP("History", "%1 TiB"),
        //: %1 is a size with one decimal, such as 12.3
        QT_TRANSLATE_NOOP("History", "%1 PiB"),
        //: %1 is a size with one decimal, such as 12.3
        QT_TRANSLATE_NOOP("History", "%1 EiB"),
    };
    int power = 1;
    while (power < int(std::size(units)) && (bytes >> (10 * (power + 1))) > 0)
        ++power;
    const double scaled = double(bytes) / double(qint64(1) << (10 * power));
    return QCoreApplication::translate("History", units[power - 1])
        .arg(QLocale::c().toString(scaled, 'f', 1));
}

QList<PruneAge> pruneAges() {
    //: a choice of what the history frees: the operations older than that
    return {{QCoreApplication::translate("History", "older than 30 days"), 30},
            //: a choice of what the history frees: the operations older than that
            {QCoreApplication::translate("History", "older than 90 days"), 90},
            //: a choice of what the history frees: the operations older than that
            {QCoreApplication::translate("History", "older than a year"), 365},
            //: a choice of what the history frees: every operation
            {QCoreApplication::translate("History", "all of it"), 0}};
}

QString filesText(int count) {
    //: a number of files, as part of a longer text
    return QCoreApplication::translate("History", "%n files", nullptr, count);
}

QString operationsText(int count) {
    //: a number of operations of the history, as part of a longer text
    return QCoreApplication::translate("History", "%n operations", nullptr, count);
}

QString recoveredText(const Recovered& recovered) {
    const QString id = QString::number(recovered.operation);
    if (recovered.filesPutBack == 0)
        //: %1 is the number of an interrupted operation, %2 what it was (such as Package
        //: "a.vif")
        return QCoreApplication::translate("History",
                                           "Operation %1 (%2): no file had been changed yet.")
            .arg(id, whatText(recovered.what));
    //: %1 is the number of an interrupted operation, %2 what it was (such as Package "a.vif")
    return QCoreApplication::translate("History", "Operation %1 (%2): %n files put back.", nullptr,
                                       recovered.filesPutBack)
        .arg(id, whatText(recovered.what));
}

} // namespace gk
