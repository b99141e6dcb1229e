#pragma once

// Readable Qt values in test failure messages.

#include "db/Waarde.h"

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '[' << l.join(QStringLiteral(" | ")).toStdString() << ']';
}

namespace db {
inline void PrintTo(const Waarde& w, std::ostream* os)
{
    *os << (w.isNull() ? std::string("Null") : '"' + w.tekst().toStdString() + '"');
}
} // namespace db
