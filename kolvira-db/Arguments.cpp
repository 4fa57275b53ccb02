#include "kolvira-db/Arguments.h"

#include "kolvira-db/UsageError.h"

Arguments::Arguments(const QStringList &words, const QStringList &optionNames)
{
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words[i];
        if (!word.startsWith(QLatin1String("--"))) {
            m_positional << word;
            continue;
        }
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        const QString name = word.mid(2, equals < 0 ? -1 : equals - 2);
        if (!optionNames.contains(name))
            throw UsageError(QStringLiteral("Opsioni \"--%1\" nuk njihet.").arg(name));
        if (equals >= 0)
            m_values.insert(name, word.mid(equals + 1));
        else if (i + 1 < words.size())
            m_values.insert(name, words[++i]);
        else
            throw UsageError(QStringLiteral("Opsioni \"--%1\" kërkon një vlerë.").arg(name));
    }
}

QString Arguments::value(const QString &option, const QString &fallback) const
{
    return m_values.value(option, fallback);
}

int Arguments::integer(const QString &option, int fallback, int low, int high) const
{
    if (!has(option))
        return fallback;
    bool ok = false;
    const int number = value(option).toInt(&ok);
    if (!ok || number < low || number > high)
        throw UsageError(QStringLiteral("Vlera e \"--%1\" duhet të jetë numër i plotë nga %2 "
                                        "deri në %3, jo \"%4\".")
                             .arg(option)
                             .arg(low)
                             .arg(high)
                             .arg(value(option)));
    return number;
}

double Arguments::real(const QString &option, double fallback) const
{
    if (!has(option))
        return fallback;
    bool ok = false;
    // Both 17.5 and 17,5 are accepted.
    const double number =
        QString(value(option)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok)
        throw UsageError(QStringLiteral("Vlera e \"--%1\" duhet të jetë numër, jo \"%2\".")
                             .arg(option, value(option)));
    return number;
}
