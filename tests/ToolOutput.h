#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What a command-line tool (pdfinfo, pdftotext, ...) prints; empty when it failed.
inline QString processOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
