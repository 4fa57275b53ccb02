#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The words after the command: positional arguments and "--name value" or
// "--name=value" options. Unknown options and options without their value
// throw UsageError.
class Arguments
{
public:
    Arguments(const QStringList &words, const QStringList &optionNames);

    const QStringList &positional() const { return m_positional; }
    bool has(const QString &option) const { return m_values.contains(option); }
    QString value(const QString &option, const QString &fallback = {}) const;
    // The option's value as a number within the limits; throws UsageError.
    int integer(const QString &option, int fallback, int low, int high) const;
    double real(const QString &option, double fallback) const;

private:
    QStringList m_positional;
    QHash<QString, QString> m_values;
};
