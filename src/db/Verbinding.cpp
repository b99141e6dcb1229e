#include "Verbinding.h"

#include <cmath>
#include <limits>

namespace db::detail {

Verbinding::Verbinding()
{
    alle().insert(this);
}

Verbinding::~Verbinding()
{
    sluiten();
    alle().erase(this);
}

std::set<Verbinding*>& Verbinding::alle()
{
    static std::set<Verbinding*> verbindingen;
    return verbindingen;
}

void Verbinding::sluiten()
{
    // Recordsets remove themselves from the set while they let go.
    while (!recordsets.empty())
        (*recordsets.begin())->sluiten();
    cache.leegmaken();
    uitvoerCache.leegmaken();
    if (schemaStmt) {
        sqlite3_finalize(schemaStmt);
        schemaStmt = nullptr;
    }
    if (db) {
        sqlite3_close_v2(db);
        db = nullptr;
    }
    diepte = 0;
    ++generatie;
}

std::string tabelSleutel(const QString& naam)
{
    std::string sleutel = naam.toStdString();
    for (char& c : sleutel) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return sleutel;
}

void Verbinding::tabelGewijzigd(const char* naam)
{
    ++hookTeller;
    ++generatie;
    // A walk that writes reports the same table row after row: keep its entry at hand.
    if (!laatsteSlot || laatsteTabel != naam) {
        std::string sleutel = naam;
        for (char& c : sleutel) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        laatsteSlot = &tabelGeneraties[sleutel];
        laatsteTabel = naam;
    }
    *laatsteSlot = generatie;
}

const quint64* Verbinding::tabelSlot(const QString& naam)
{
    return &tabelGeneraties[tabelSleutel(naam)];
}

bool Verbinding::schemaNagaan()
{
    if (!db)
        return true;
    if (!schemaStmt)
        schemaStmt = voorbereiden(QStringLiteral("PRAGMA schema_version"));
    const bool gelezen = sqlite3_step(schemaStmt) == SQLITE_ROW;
    const int versie = gelezen ? sqlite3_column_int(schemaStmt, 0) : -1;
    sqlite3_reset(schemaStmt);
    if (!gelezen) {
        // Unknown (the file locked by another program, which may change it meanwhile): what was
        // read of the schema is read again, and the version last seen is compared once it can be.
        ++schemaGeneratie;
        gewijzigd();
        return false;
    }
    if (versie != schemaVersie) {
        if (schemaVersie != -1) {
            ++schemaGeneratie;
            gewijzigd();
        }
        schemaVersie = versie;
    }
    return true;
}

int Verbinding::schrijvendStappen(sqlite3_stmt* s)
{
    voorSchrijven();
    const sqlite3_int64 veranderdVoor = sqlite3_total_changes64(db);
    const quint64 gemeldVoor = hookTeller;
    int rc = sqlite3_step(s);
    if ((sqlite3_extended_errcode(db) & 0xff) == SQLITE_LOCKED && rc != SQLITE_ROW && rc != SQLITE_DONE) {
        // Dropping a table or index is refused while a walk reads: stop the walks (they find
        // their place again on their next move) and try once more.
        sqlite3_reset(s);
        cursorsStoppen();
        rc = sqlite3_step(s);
    }
    if (static_cast<quint64>(sqlite3_total_changes64(db) - veranderdVoor) > hookTeller - gemeldVoor)
        gewijzigd();
    if (rc == SQLITE_ROW || rc == SQLITE_DONE)
        schemaNagaan(); // not after a failure: its message is still to be read
    else
        ++schemaGeneratie; // a failed change may have done part of its work
    return rc;
}

void Verbinding::voorSchrijven()
{
    for (RecordsetImpl* rs : recordsets)
        rs->plaatsVastleggen();
}

void Verbinding::cursorsStoppen()
{
    for (RecordsetImpl* rs : recordsets)
        rs->cursorStoppen();
}

void Verbinding::controleerOpen() const
{
    if (!db)
        throw DbFout(DbFout::Soort::Gesloten, QStringLiteral("De database %1 is gesloten.").arg(pad));
}

sqlite3_stmt* Verbinding::voorbereiden(const QString& sql, const char** rest)
{
    controleerOpen();
    const QByteArray tekst = sql.toUtf8();
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, tekst.constData(), tekst.size(), &s, rest) != SQLITE_OK)
        fout(sql);
    if (!s)
        throw DbFout(DbFout::Soort::Engine, QStringLiteral("Lege SQL-opdracht."));
    return s;
}

sqlite3_stmt* Verbinding::uitCache(const QString& sql)
{
    controleerOpen();
    if (sqlite3_stmt* s = cache.zoek(sql))
        return s;
    sqlite3_stmt* s = voorbereiden(sql);
    cache.bewaren(sql, s);
    return s;
}

QString oorzaakVan(int code)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("De database is in gebruik door een ander programma.");
    case SQLITE_READONLY:
        return QStringLiteral("De database kan niet beschreven worden.");
    case SQLITE_FULL:
        return QStringLiteral("De schijf is vol.");
    case SQLITE_IOERR:
        return QStringLiteral("Het databasebestand kan niet gelezen of geschreven worden.");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("Het databasebestand is beschadigd.");
    case SQLITE_CANTOPEN:
        return QStringLiteral("Het databasebestand kan niet geopend worden.");
    default:
        return QString();
    }
}

void Verbinding::fout(const QString& wat) const
{
    const QString melding = QString::fromUtf8(sqlite3_errmsg(db));
    const int code = sqlite3_extended_errcode(db);
    const QString oorzaak = oorzaakVan(code);
    const bool inGebruik = (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED;
    throw DbFout(DbFout::Soort::Engine,
                 (oorzaak.isEmpty() ? QString() : oorzaak + u' ')
                     + QStringLiteral("Databasefout: %1 (%2)").arg(melding, wat.left(300)),
                 inGebruik);
}

qsizetype utf8Schrijven(QStringView t, char* uit)
{
    char* p = uit;
    const char16_t* c = t.utf16();
    const qsizetype n = t.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = c[i];
        if (u < 0x80) {
            *p++ = static_cast<char>(u);
        } else if (u < 0x800) {
            *p++ = static_cast<char>(0xc0 | (u >> 6));
            *p++ = static_cast<char>(0x80 | (u & 0x3f));
        } else if (u < 0xd800 || u > 0xdfff) {
            *p++ = static_cast<char>(0xe0 | (u >> 12));
            *p++ = static_cast<char>(0x80 | ((u >> 6) & 0x3f));
            *p++ = static_cast<char>(0x80 | (u & 0x3f));
        } else {
            return -1; // a surrogate: Qt's own conversion pairs them
        }
    }
    return p - uit;
}

void tekstBinden(sqlite3_stmt* s, int plaats, QStringView t)
{
    // The file holds its text as UTF-8: text bound in that form is stored as it is, where UTF-16
    // would be converted by the engine for every value. A short text is encoded on the stack.
    char buffer[384];
    if (t.size() <= qsizetype(sizeof buffer) / 3) {
        const qsizetype n = utf8Schrijven(t, buffer);
        if (n >= 0) {
            sqlite3_bind_text(s, plaats, buffer, static_cast<int>(n), SQLITE_TRANSIENT);
            return;
        }
    }
    const QByteArray utf8 = t.toUtf8();
    sqlite3_bind_text(s, plaats, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void Bindbuffer::tekstInNieuwBlok(sqlite3_stmt* s, int plaats, QStringView t)
{
    if (static_cast<size_t>(t.size()) * 3 > Blokgrootte) {
        tekstBinden(s, plaats, t);
        return;
    }
    // A new block, so that no text already bound moves.
    if (m_blok < m_blokken.size())
        ++m_blok;
    if (m_blok == m_blokken.size())
        m_blokken.push_back(std::make_unique<char[]>(Blokgrootte));
    m_gebruikt = 0;
    tekst(s, plaats, t);
}

void Bindbuffer::restBinden(sqlite3_stmt* s, int plaats, QStringView t, char* begin, qsizetype klaar)
{
    const qsizetype rest = utf8Schrijven(t.sliced(klaar), begin + klaar);
    if (rest < 0) {
        tekstBinden(s, plaats, t);
        return;
    }
    sqlite3_bind_text(s, plaats, begin, static_cast<int>(klaar + rest), SQLITE_STATIC);
    m_gebruikt += static_cast<size_t>(klaar + rest);
}

void Bindbuffer::binden(sqlite3_stmt* s, int plaats, const Waarde& w)
{
    if (w.isTekst())
        tekst(s, plaats, w.tekst());
    else
        detail::binden(s, plaats, w);
}

void binden(sqlite3_stmt* s, int plaats, const Waarde& w)
{
    switch (w.soort()) {
    case Waarde::Soort::Leeg:
    case Waarde::Soort::Null:
        sqlite3_bind_null(s, plaats);
        break;
    case Waarde::Soort::Tekst:
        tekstBinden(s, plaats, w.tekst());
        break;
    case Waarde::Soort::Geheel:
    case Waarde::Soort::JaNee:
        sqlite3_bind_int64(s, plaats, w.geheel());
        break;
    case Waarde::Soort::Getal:
        sqlite3_bind_double(s, plaats, w.getal());
        break;
    case Waarde::Soort::Datum:
        tekstBinden(s, plaats, datumOpslag(w.datum()));
        break;
    }
}

namespace {

void parameterBinden(sqlite3_stmt* s, int plaats, const Waarde& w)
{
    if (w.soort() == Waarde::Soort::Getal) {
        const double d = w.getal();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 9007199254740992.0) {
            sqlite3_bind_int64(s, plaats, static_cast<qint64>(d));
            return;
        }
    }
    binden(s, plaats, w);
}

} // namespace

void allesBinden(Verbinding& v, sqlite3_stmt* s, const QList<Waarde>& parameters)
{
    v.bindbuffer.legen();
    const int verwacht = sqlite3_bind_parameter_count(s);
    if (verwacht != parameters.size())
        throw DbFout(DbFout::Soort::NietToegestaan,
                     QStringLiteral("De opdracht verwacht %1 waarden maar kreeg er %2: %3")
                         .arg(verwacht)
                         .arg(parameters.size())
                         .arg(QString::fromUtf8(sqlite3_sql(s))));
    for (int i = 0; i < parameters.size(); ++i) {
        if (parameters[i].isTekst())
            v.bindbuffer.tekst(s, i + 1, parameters[i].tekst());
        else
            parameterBinden(s, i + 1, parameters[i]);
    }
}

QString tekstUitUtf8(const char* p, qsizetype n)
{
    if (n == 1) {
        if (const QString* gedeeld = gedeeldeTekst(static_cast<unsigned char>(*p)))
            return *gedeeld;
    }
    if (n > 1) {
        // ASCII is widened at once; Qt's conversion is kept for the rest.
        bool ascii = true;
        for (qsizetype i = 0; i < n && ascii; ++i)
            ascii = static_cast<unsigned char>(p[i]) < 0x80;
        if (ascii) {
            QString t(n, Qt::Uninitialized);
            char16_t* uit = reinterpret_cast<char16_t*>(t.data());
            for (qsizetype i = 0; i < n; ++i)
                uit[i] = static_cast<unsigned char>(p[i]);
            return t;
        }
    }
    return QString::fromUtf8(p, n);
}

QString tekstKolom(sqlite3_stmt* s, int kolom)
{
    // Read in the file's own encoding (UTF-8), which the engine hands over without converting.
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s, kolom));
    if (!p)
        return QString();
    return tekstUitUtf8(p, sqlite3_column_bytes(s, kolom));
}

VeldSoort veldSoortVan(const QString& typeWoord)
{
    if (typeWoord.isEmpty())
        return VeldSoort::Onbekend;
    if (isTekstType(typeWoord))
        return VeldSoort::Tekst;
    if (typeWoord == TypeWoord::Integer)
        return VeldSoort::Integer;
    if (typeWoord == TypeWoord::Long)
        return VeldSoort::Long;
    if (typeWoord == TypeWoord::Double)
        return VeldSoort::Double;
    if (typeWoord == TypeWoord::Datum)
        return VeldSoort::Datum;
    if (typeWoord == TypeWoord::Boolean)
        return VeldSoort::Boolean;
    return VeldSoort::Onbekend;
}

Waarde alsGeheel(qint64 i, VeldSoort soort)
{
    if (soort == VeldSoort::Boolean)
        return Waarde(i != 0);
    if (soort == VeldSoort::Tekst)
        return Waarde(QString::number(i));
    return Waarde(i);
}

Waarde alsGetal(double d, VeldSoort soort)
{
    if (soort == VeldSoort::Tekst)
        return Waarde(Waarde(d).tekst());
    return Waarde(d);
}

Waarde alsTekst(const QString& t, VeldSoort soort)
{
    if (soort == VeldSoort::Datum) {
        const QDateTime d = leesDatum(t);
        if (d.isValid())
            return Waarde(d);
    }
    return Waarde(t);
}

Waarde lezen(sqlite3_stmt* s, int kolom, VeldSoort soort)
{
    switch (sqlite3_column_type(s, kolom)) {
    case SQLITE_NULL:
        return Waarde::null();
    case SQLITE_INTEGER:
        return alsGeheel(sqlite3_column_int64(s, kolom), soort);
    case SQLITE_FLOAT:
        return alsGetal(sqlite3_column_double(s, kolom), soort);
    default:
        return alsTekst(tekstKolom(s, kolom), soort);
    }
}

QString datumOpslag(const QDateTime& d)
{
    return d.time() == QTime(0, 0) ? d.date().toString(Qt::ISODate) : d.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

namespace {

[[noreturn]] void conversieFout(const QString& veld, const Waarde& w)
{
    throw DbFout(DbFout::Soort::Conversie,
                 QStringLiteral("De waarde '%1' past niet in het veld '%2'.").arg(w.tekst(), veld));
}

} // namespace

Waarde voorOpslag(const QString& veld, VeldSoort soort, const Waarde& w)
{
    if (w.isNull() || w.isLeeg())
        return Waarde::null();
    if (soort == VeldSoort::Tekst || soort == VeldSoort::Onbekend)
        return w.isTekst() ? w : Waarde(w.tekst());

    if (soort == VeldSoort::Integer || soort == VeldSoort::Long || soort == VeldSoort::Double) {
        double getal = 0;
        if (w.isTekst()) {
            if (!tekstAlsGetal(w.tekst(), getal))
                conversieFout(veld, w);
        } else if (w.isDatum()) {
            conversieFout(veld, w);
        } else {
            getal = w.getal();
        }
        if (soort == VeldSoort::Double)
            return Waarde(getal);
        const double afgerond = std::nearbyint(getal);
        const double grens = soort == VeldSoort::Integer ? 32767.0 : 2147483647.0;
        if (afgerond > grens || afgerond < -grens - 1)
            throw DbFout(DbFout::Soort::Conversie,
                         QStringLiteral("De waarde '%1' is te groot voor het veld '%2'.").arg(w.tekst(), veld));
        return Waarde(static_cast<qint64>(afgerond));
    }
    if (soort == VeldSoort::Datum) {
        const QDateTime d = w.datum();
        if (!d.isValid())
            conversieFout(veld, w);
        return Waarde(d);
    }
    if (soort == VeldSoort::Boolean) {
        if (w.isTekst()) {
            const QString t = w.tekst().trimmed().toLower();
            if (t == u"waar" || t == u"true" || t == u"ja" || t == u"yes" || t == u"j")
                return Waarde(true);
            if (t == u"onwaar" || t == u"false" || t == u"nee" || t == u"no" || t == u"n")
                return Waarde(false);
            double getal = 0;
            if (!tekstAlsGetal(t, getal))
                conversieFout(veld, w);
            return Waarde(getal != 0);
        }
        return Waarde(w.jaNee());
    }
    return Waarde(w.tekst());
}

RecordsetImpl::RecordsetImpl(std::shared_ptr<Verbinding> v)
    : m_v(std::move(v))
{
    m_v->recordsets.insert(this);
}

RecordsetImpl::~RecordsetImpl()
{
    if (m_v)
        m_v->recordsets.erase(this);
}

void RecordsetImpl::sluiten()
{
    if (!m_v)
        return;
    loslaten();
    m_v->recordsets.erase(this);
    m_v.reset();
}

Verbinding& RecordsetImpl::v() const
{
    if (!m_v)
        throw DbFout(DbFout::Soort::Gesloten, QStringLiteral("Het recordset is gesloten."));
    m_v->controleerOpen();
    return *m_v;
}

void RecordsetImpl::nietToegestaan() const
{
    throw DbFout(DbFout::Soort::NietToegestaan,
                 QStringLiteral("Deze bewerking is niet mogelijk op dit soort recordset."));
}

QString RecordsetImpl::tabelNaam() const
{
    return QString();
}

QString RecordsetImpl::index() const
{
    return QString();
}

void RecordsetImpl::setIndex(const QString&)
{
    nietToegestaan();
}

void RecordsetImpl::seek(const QString&, const QList<Waarde>&)
{
    nietToegestaan();
}

bool RecordsetImpl::noMatch() const
{
    return false;
}

void RecordsetImpl::edit()
{
    nietToegestaan();
}

void RecordsetImpl::addNew()
{
    nietToegestaan();
}

void RecordsetImpl::update()
{
    nietToegestaan();
}

void RecordsetImpl::cancelUpdate()
{
    nietToegestaan();
}

void RecordsetImpl::remove()
{
    nietToegestaan();
}

void RecordsetImpl::zet(int, const Waarde&)
{
    nietToegestaan();
}

} // namespace db::detail
