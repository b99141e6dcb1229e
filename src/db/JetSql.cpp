#include "JetSql.h"

#include "Database.h"

#include <vector>

namespace db {

namespace {

enum class Soort
{
    Spatie,
    Commentaar,
    Tekst,     ///< 'a string'
    Naam,      ///< "a name" or `a name`
    Haken,     ///< [a name]
    Woord,     ///< a keyword or a bare name
    Getal,
    Parameter, ///< ?, ?1, :naam, @naam, $naam
    Teken
};

struct Token
{
    Soort soort;
    qsizetype begin;
    qsizetype lengte;
    bool open = false; ///< a literal or quoted name that the statement never closes
};

bool woordTeken(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c.unicode() >= 0x80;
}

std::vector<Token> tokens(const QString& sql)
{
    std::vector<Token> uit;
    const qsizetype n = sql.size();
    qsizetype i = 0;
    bool open = false;
    auto tot = [&](qsizetype begin, QChar einde) {
        // Up to and including the closing character; a doubled one stands for itself.
        qsizetype j = begin + 1;
        while (j < n) {
            if (sql[j] == einde) {
                if (einde != u']' && j + 1 < n && sql[j + 1] == einde) {
                    j += 2;
                    continue;
                }
                return j + 1;
            }
            ++j;
        }
        open = true;
        return n;
    };
    while (i < n) {
        const QChar c = sql[i];
        const qsizetype begin = i;
        Soort soort = Soort::Teken;
        if (c.isSpace()) {
            while (i < n && sql[i].isSpace())
                ++i;
            soort = Soort::Spatie;
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            while (i < n && sql[i] != u'\n')
                ++i;
            soort = Soort::Commentaar;
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            const qsizetype e = sql.indexOf(QStringLiteral("*/"), i + 2);
            i = e < 0 ? n : e + 2;
            soort = Soort::Commentaar;
        } else if (c == u'\'') {
            i = tot(i, u'\'');
            soort = Soort::Tekst;
        } else if (c == u'"' || c == u'`') {
            i = tot(i, c);
            soort = Soort::Naam;
        } else if (c == u'[') {
            i = tot(i, u']');
            soort = Soort::Haken;
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && sql[i + 1].isDigit())) {
            while (i < n && (woordTeken(sql[i]) || sql[i] == u'.'))
                ++i;
            soort = Soort::Getal;
        } else if (woordTeken(c)) {
            while (i < n && woordTeken(sql[i]))
                ++i;
            soort = Soort::Woord;
        } else if (c == u'?' || ((c == u':' || c == u'@' || c == u'$') && i + 1 < n && woordTeken(sql[i + 1]))) {
            ++i;
            while (i < n && woordTeken(sql[i]))
                ++i;
            soort = Soort::Parameter;
        } else {
            ++i;
        }
        uit.push_back({soort, begin, i - begin, open});
        open = false;
    }
    return uit;
}

bool isWoord(const QString& sql, const Token& t, QStringView woord)
{
    return t.soort == Soort::Woord && QStringView(sql).mid(t.begin, t.lengte).compare(woord, Qt::CaseInsensitive) == 0;
}

bool isTeken(const QString& sql, const Token& t, QChar c)
{
    return t.soort == Soort::Teken && sql[t.begin] == c;
}

// The next token that is not a blank or a comment, or -1.
qsizetype volgende(const std::vector<Token>& t, qsizetype i)
{
    for (++i; i < static_cast<qsizetype>(t.size()); ++i) {
        if (t[i].soort != Soort::Spatie && t[i].soort != Soort::Commentaar)
            return i;
    }
    return -1;
}

qsizetype vorige(const std::vector<Token>& t, qsizetype i)
{
    for (--i; i >= 0; --i) {
        if (t[i].soort != Soort::Spatie && t[i].soort != Soort::Commentaar)
            return i;
    }
    return -1;
}

[[noreturn]] void onvertaalbaar(const QString& waarom, const QString& sql)
{
    throw DbFout(DbFout::Soort::NietToegestaan,
                 QStringLiteral("%1 kan niet naar SQLite vertaald worden: %2").arg(waarom, sql.left(300)));
}

// Jet's wildcards in a LIKE pattern (the literal's text, quotes removed) in SQLite's form, with
// '\' escaping SQLite's wildcards that Jet reads as plain characters.
QString likePatroon(const QString& jet, bool& escape, const QString& sql)
{
    QString uit;
    escape = false;
    auto gewoon = [&](QChar c) {
        if (c == u'%' || c == u'_' || c == u'\\') {
            uit += u'\\';
            escape = true;
        }
        uit += c;
    };
    for (qsizetype i = 0; i < jet.size(); ++i) {
        const QChar c = jet[i];
        if (c == u'*') {
            uit += u'%';
        } else if (c == u'?') {
            uit += u'_';
        } else if (c == u'#') {
            onvertaalbaar(QStringLiteral("Het LIKE-patroon '%1' met # (een cijfer)").arg(jet), sql);
        } else if (c == u'[') {
            // [*], [?], [#], [[]: the one character as itself; a character list is not supported.
            if (i + 2 < jet.size() && jet[i + 2] == u']' && jet[i + 1] != u'!') {
                gewoon(jet[i + 1]);
                i += 2;
            } else {
                onvertaalbaar(QStringLiteral("Het LIKE-patroon '%1' met een tekenlijst").arg(jet), sql);
            }
        } else {
            gewoon(c);
        }
    }
    return uit;
}

bool snelNagaan(const QString& sql)
{
    return sql.contains(u'[') || sql.contains(QStringLiteral("like"), Qt::CaseInsensitive)
        || sql.contains(QStringLiteral("delete"), Qt::CaseInsensitive)
        || sql.contains(QStringLiteral("index"), Qt::CaseInsensitive);
}

} // namespace

QString jetNaarSqlite(const QString& sql)
{
    if (!snelNagaan(sql))
        return sql;
    const std::vector<Token> t = tokens(sql);
    QString uit;
    uit.reserve(sql.size() + 16);
    const qsizetype n = static_cast<qsizetype>(t.size());
    // A literal or name left open would be closed by the translation and run as another statement.
    for (const Token& tok : t) {
        if (tok.open) {
            onvertaalbaar(tok.soort == Soort::Haken ? QStringLiteral("Een naam met [ zonder ]")
                                                    : QStringLiteral("Een tekst of naam zonder afsluitend aanhalingsteken"),
                          sql);
        }
    }
    for (qsizetype i = 0; i < n; ++i) {
        const Token& tok = t[i];
        const QStringView tekst = QStringView(sql).mid(tok.begin, tok.lengte);
        // [a][b] (or [a]"b") written as "a""b" would be one name with a quote in it.
        const auto naamErnaast = [&] {
            const auto naam = [&](qsizetype j) {
                return j >= 0 && j < n && (t[j].soort == Soort::Haken || t[j].soort == Soort::Naam);
            };
            if (naam(i - 1) || naam(i + 1))
                onvertaalbaar(QStringLiteral("Twee namen zonder iets ertussen"), sql);
        };
        if (tok.soort == Soort::Haken) {
            naamErnaast();
            uit += sqlNaam(tekst.mid(1, tekst.size() - 2).toString());
        } else if (isTeken(sql, tok, u'*') && vorige(t, i) >= 0 && isWoord(sql, t[vorige(t, i)], u"DELETE")
                   && volgende(t, i) >= 0 && isWoord(sql, t[volgende(t, i)], u"FROM")) {
            // DELETE * FROM: the star goes, and one blank with it.
            if (i + 1 < n && t[i + 1].soort == Soort::Spatie)
                ++i;
        } else if (isWoord(sql, tok, u"INDEX")) {
            const qsizetype v = vorige(t, i);
            const bool sleutelwoord = v >= 0
                && (isWoord(sql, t[v], u"CREATE") || isWoord(sql, t[v], u"UNIQUE") || isWoord(sql, t[v], u"DROP"));
            if (!sleutelwoord)
                naamErnaast();
            uit += sleutelwoord ? tekst.toString() : sqlNaam(tekst.toString());
        } else if (isWoord(sql, tok, u"LIKE")) {
            uit += tekst;
            const qsizetype p = volgende(t, i);
            if (p < 0 || t[p].soort != Soort::Tekst) {
                onvertaalbaar(
                    QStringLiteral("LIKE met een patroon dat geen tekst in de opdracht is (een parameter of uitdrukking)"),
                    sql);
            }
            const qsizetype na = volgende(t, p);
            if (na >= 0 && isWoord(sql, t[na], u"ESCAPE"))
                onvertaalbaar(QStringLiteral("LIKE met een eigen ESCAPE"), sql);
            for (qsizetype j = i + 1; j < p; ++j)
                uit += QStringView(sql).mid(t[j].begin, t[j].lengte);
            QString jet = QStringView(sql).mid(t[p].begin + 1, t[p].lengte - 2).toString();
            jet.replace(QStringLiteral("''"), QStringLiteral("'"));
            bool escape = false;
            QString patroon = likePatroon(jet, escape, sql);
            patroon.replace(u'\'', QStringLiteral("''"));
            uit += u'\'' + patroon + u'\'';
            if (escape)
                uit += QStringLiteral(" ESCAPE '\\'");
            i = p;
        } else {
            uit += tekst;
        }
    }
    return uit;
}

namespace detail {

QString enkeleTabelSelect(const QString& sql, qsizetype& rowidPlaats)
{
    const std::vector<Token> t = tokens(sql);
    const qsizetype eerste = volgende(t, -1);
    if (eerste < 0 || !isWoord(sql, t[eerste], u"SELECT"))
        return QString();
    const qsizetype tweede = volgende(t, eerste);
    if (tweede < 0 || isWoord(sql, t[tweede], u"DISTINCT") || isWoord(sql, t[tweede], u"ALL"))
        return QString();
    rowidPlaats = t[eerste].begin + t[eerste].lengte;
    static const char16_t* const verboden[] = {u"JOIN",   u"GROUP",     u"HAVING", u"UNION", u"INTERSECT",
                                               u"EXCEPT", u"WINDOW",    u"VALUES", u"FROM",  u"NATURAL",
                                               u"CROSS",  u"SELECT",    u"OVER"};
    int diepte = 0;
    QString tabel;
    bool naFrom = false;
    bool naTabel = false;
    for (qsizetype i = tweede; i >= 0; i = volgende(t, i)) {
        const Token& tok = t[i];
        if (isTeken(sql, tok, u'(')) {
            ++diepte;
            continue;
        }
        if (isTeken(sql, tok, u')')) {
            --diepte;
            continue;
        }
        if (diepte > 0)
            continue;
        if (isTeken(sql, tok, u';'))
            return volgende(t, i) < 0 ? tabel : QString();
        if (!naFrom) {
            if (isWoord(sql, tok, u"FROM")) {
                const qsizetype naam = volgende(t, i);
                if (naam < 0)
                    return QString();
                const Token& n = t[naam];
                const QStringView tekst = QStringView(sql).mid(n.begin, n.lengte);
                if (n.soort == Soort::Woord)
                    tabel = tekst.toString();
                else if (n.soort == Soort::Naam || n.soort == Soort::Haken)
                    tabel = tekst.mid(1, tekst.size() - 2).toString().replace(QStringLiteral("\"\""), QStringLiteral("\""));
                else
                    return QString();
                naFrom = true;
                i = naam;
            }
            continue;
        }
        if (isWoord(sql, tok, u"WHERE") || isWoord(sql, tok, u"ORDER") || isWoord(sql, tok, u"LIMIT"))
            naTabel = true;
        if (isTeken(sql, tok, u',') && !naTabel)
            return QString(); // a second table
        for (const char16_t* woord : verboden) {
            if (isWoord(sql, tok, woord))
                return QString();
        }
    }
    return tabel;
}

} // namespace detail

} // namespace db
