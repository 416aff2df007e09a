#pragma once

#include <QFile>
#include <QString>
#include <sys/stat.h>
#include <unistd.h>

// Read-only folders and files mean nothing to the superuser, who may write
// anywhere; a test that needs them refused runs its step under an ordinary
// user's identity (the effective one only, so it can come back).
class Unprivileged {
  public:
    static constexpr uid_t Nobody = 65534;

    Unprivileged()
    {
        if (::geteuid() == 0 && ::setegid(Nobody) == 0 && ::seteuid(Nobody) == 0)
            switched_ = true;
    }
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;
    ~Unprivileged()
    {
        if (switched_) {
            [[maybe_unused]] const int user = ::seteuid(0);
            [[maybe_unused]] const int group = ::setegid(0);
        }
    }

    // Makes `path` readable and searchable by everybody and writable by nobody.
    static void makeReadOnly(const QString& path, bool folder)
    {
        ::chmod(QFile::encodeName(path).constData(), folder ? 0555 : 0444);
    }
    static void makeWritable(const QString& path, bool folder)
    {
        ::chmod(QFile::encodeName(path).constData(), folder ? 0777 : 0666);
    }

  private:
    bool switched_ = false;
};
