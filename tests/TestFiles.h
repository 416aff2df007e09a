#pragma once

// Helpers the tests share: whole files read and written as bytes, and a
// program run to its end as a script would run it.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

namespace TestFiles {

// The whole file; empty when it cannot be read.
inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes `path` a file of exactly `bytes`; a failure fails the calling test.
inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

// `bytes` saved as the file `name` in `dir`; its path.
inline QString saveIn(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    writeBytes(dir.filePath(name), bytes);
    return dir.filePath(name);
}

// What a finished program left: its exit status (-1 when it crashed, could
// not start or did not end in time) and its two output streams.
struct ProcessRun {
    int exitCode = -1;
    QString out;
    QString err;

    // Standard output's lines, without the empty one after the last newline.
    QStringList outLines() const
    {
        QStringList lines = out.split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }
};

inline ProcessRun
runProgram(const QString& program, const QStringList& args,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
           int timeoutMs = 60000)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    ProcessRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace TestFiles
