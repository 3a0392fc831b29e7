#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QTranslator>

namespace gk::test {

// A translator that marks every text it is asked for as "[Context|source]", placeholders
// kept, so that a test can tell a message that went through the translator whole from one
// composed around it or built without it. It remembers the count each plural text was last
// asked with. Installed for as long as it lives.
class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(disambiguation);
        const QString text = QString::fromUtf8(source);
        if (n >= 0)
            counts.insert(text, n);
        return QLatin1Char('[') + QString::fromUtf8(context) + QLatin1Char('|') + text +
               QLatin1Char(']');
    }

    mutable QHash<QString, int> counts; // plural source text -> its count
};

} // namespace gk::test
