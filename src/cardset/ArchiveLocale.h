#pragma once

#include <clocale>
#include <locale.h>

// libarchive converts entry names between UTF-8 and the current locale's
// character set, and under the "C" locale (scripts, services) it cannot
// convert any name that is not ASCII. Qt names every file in UTF-8 whatever
// the locale, so for the time of one archive call this thread works in a
// UTF-8 locale; the rest of the program keeps its own.
class ScopedUtf8Locale {
  public:
    ScopedUtf8Locale() : utf8_(newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr)))
    {
        if (utf8_)
            previous_ = uselocale(utf8_);
    }
    ~ScopedUtf8Locale()
    {
        if (utf8_) {
            uselocale(previous_);
            freelocale(utf8_);
        }
    }
    ScopedUtf8Locale(const ScopedUtf8Locale&) = delete;
    ScopedUtf8Locale& operator=(const ScopedUtf8Locale&) = delete;

  private:
    locale_t utf8_;
    locale_t previous_ = static_cast<locale_t>(nullptr);
};
