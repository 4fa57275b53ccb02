#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs one of the system's own tools (cmake, cpack, dpkg-deb, the
// validators) to its end and keeps what it printed.
struct ProcessRun
{
    int exitCode = -1;
    QString output; // standard output and error together

    bool succeeded() const { return exitCode == 0; }
    // For failure messages: the status and everything the tool printed.
    QByteArray report() const
    {
        return QStringLiteral("exit status %1\n%2").arg(exitCode).arg(output).toLocal8Bit();
    }

    static ProcessRun
    of(const QString &program, const QStringList &arguments,
       const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        ProcessRun run;
        if (!process.waitForFinished(240000) || process.exitStatus() != QProcess::NormalExit) {
            run.output = program + QStringLiteral(": ") + process.errorString();
            return run;
        }
        run.exitCode = process.exitCode();
        run.output = QString::fromLocal8Bit(process.readAll());
        return run;
    }
};
