#pragma once

// What a test needs from outside the program: a program such as sox or
// ffmpeg, the private sound server, an ordinary user to run as. Where it is
// missing, a developer's run skips the test; under the test command
// (scripts/test.sh sets TESSELLOR_REQUIRE_ALL=1) the test fails instead, since
// ctest counts a skip as a pass and the test would pass without running.
// Tests use TESSELLOR_REQUIRE rather than a bare QSKIP.

#include <QByteArray>
#include <QStandardPaths>
#include <QString>
#include <QtTest>

namespace Requirements {

inline bool allRequired()
{
    return qEnvironmentVariableIntValue("TESSELLOR_REQUIRE_ALL") == 1;
}

inline bool haveProgram(const QString& name)
{
    return !QStandardPaths::findExecutable(name).isEmpty();
}

// Records the running test as skipped for want of `what`, or as failed under
// the test command. The caller returns at once (the macro below does).
inline void reportMissing(const QString& what, const char* file, int line)
{
    const QByteArray text = what.toUtf8();
    if (allRequired())
        QTest::qFail(QByteArray("needed by the test command but missing: " + text).constData(), file, line);
    else
        QTest::qSkip(QByteArray("missing: " + text).constData(), file, line);
}

} // namespace Requirements

// Goes on only when `available`; otherwise skips the test (fails it under the
// test command) naming `what` is missing, e.g. "sox" or "the sound server".
#define TESSELLOR_REQUIRE(available, what)                                                                   \
    do {                                                                                                     \
        if (!(available)) {                                                                                  \
            Requirements::reportMissing(what, __FILE__, __LINE__);                                           \
            return;                                                                                          \
        }                                                                                                    \
    } while (false)
