#include "Schema.h"

namespace db {

QString gedeclareerdType(const QString& typeWoord)
{
    // Every declared type is chosen for its affinity: TEXT-bearing names keep text as text,
    // INT-bearing names hold whole numbers, DOUBLE holds reals, BOOLEAN gets NUMERIC.
    const QString w = typeWoord.trimmed().toLower();
    if (w == u"memo")
        return QStringLiteral("MEMOTEXT");
    if (w == u"datum")
        return QStringLiteral("DATETEXT");
    if (w == u"integer")
        return QStringLiteral("SMALLINT");
    if (w == u"long")
        return QStringLiteral("INTEGER");
    if (w == u"double")
        return QStringLiteral("DOUBLE");
    if (w == u"boolean")
        return QStringLiteral("BOOLEAN");
    return QStringLiteral("TEXT");
}

QString typeWoordVan(const QString& gedeclareerdType)
{
    const QString t = gedeclareerdType.trimmed().toUpper();
    if (t == u"TEXT")
        return TypeWoord::Tekst;
    if (t == u"MEMOTEXT")
        return TypeWoord::Memo;
    if (t == u"DATETEXT")
        return TypeWoord::Datum;
    if (t == u"SMALLINT")
        return TypeWoord::Integer;
    if (t == u"INTEGER")
        return TypeWoord::Long;
    if (t == u"DOUBLE")
        return TypeWoord::Double;
    if (t == u"BOOLEAN")
        return TypeWoord::Boolean;
    return QString();
}

bool isTekstType(const QString& typeWoord)
{
    return typeWoord.isEmpty() || typeWoord.compare(u"tekst", Qt::CaseInsensitive) == 0
        || typeWoord.compare(u"memo", Qt::CaseInsensitive) == 0;
}

} // namespace db
