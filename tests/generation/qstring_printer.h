#pragma once

// Lets GoogleTest print QString values as UTF-8 text in failure messages.

#include <QString>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
