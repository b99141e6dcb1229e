// The result rows of SQL text, read at once.
//
// The rows are held packed: per row one run of bytes in a shared buffer, per field a kind byte and
// its content (a text as UTF-8 with its length), and made into values only when a field is read.
// A wide table of mostly short or empty texts then takes a few bytes a field instead of a whole
// value each.
//
// A plain SELECT on one table (no join, grouping, DISTINCT or compound) whose fields are all the
// table's own also reads each row's key, so that its rows can be edited and deleted (Jet's dynaset).
// Other recordsets are read-only.

#include "Hoofdletters.h"
#include "JetSql.h"
#include "Verbinding.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace db::detail {

namespace {

enum Merk : char
{
    MerkNull = 0,
    MerkGeheel = 1,
    MerkGetal = 2,
    MerkTekst = 3
};

void lengteSchrijven(std::string& uit, quint64 n)
{
    while (n >= 0x80) {
        uit.push_back(static_cast<char>((n & 0x7f) | 0x80));
        n >>= 7;
    }
    uit.push_back(static_cast<char>(n));
}

quint64 lengteLezen(const char*& p)
{
    quint64 n = 0;
    int schuif = 0;
    while (true) {
        const auto b = static_cast<unsigned char>(*p++);
        n |= quint64(b & 0x7f) << schuif;
        if (!(b & 0x80))
            return n;
        schuif += 7;
    }
}

template <typename T>
void vastSchrijven(std::string& uit, T waarde)
{
    char buf[sizeof(T)];
    std::memcpy(buf, &waarde, sizeof(T));
    uit.append(buf, sizeof(T));
}

void tekstSchrijven(std::string& uit, const char* p, int n)
{
    uit.push_back(MerkTekst);
    lengteSchrijven(uit, static_cast<quint64>(n));
    uit.append(p, static_cast<size_t>(n));
}

// A value in its stored form (as voorOpslag gives it), packed.
void waardeSchrijven(std::string& uit, const Waarde& w)
{
    switch (w.soort()) {
    case Waarde::Soort::Leeg:
    case Waarde::Soort::Null:
        uit.push_back(MerkNull);
        break;
    case Waarde::Soort::Geheel:
    case Waarde::Soort::JaNee:
        uit.push_back(MerkGeheel);
        vastSchrijven(uit, w.geheel());
        break;
    case Waarde::Soort::Getal:
        uit.push_back(MerkGetal);
        vastSchrijven(uit, w.getal());
        break;
    case Waarde::Soort::Tekst:
    case Waarde::Soort::Datum: {
        const QByteArray t = (w.isDatum() ? datumOpslag(w.datum()) : w.tekst()).toUtf8();
        tekstSchrijven(uit, t.constData(), static_cast<int>(t.size()));
        break;
    }
    }
}

class SqlRecordset : public RecordsetImpl
{
public:
    SqlRecordset(std::shared_ptr<Verbinding> v, const QString& sql, const QList<Waarde>& parameters)
        : RecordsetImpl(std::move(v))
    {
        Verbinding& c = this->v();
        sqlite3_stmt* stmt = nullptr;
        qsizetype plaats = -1;
        if (!enkeleTabelSelect(sql, plaats).isEmpty()) {
            QString metSleutel = sql;
            metSleutel.insert(plaats, QStringLiteral(" rowid,"));
            try {
                stmt = c.uitCache(metSleutel);
                m_eerste = 1;
            } catch (const DbFout&) {
                stmt = nullptr; // a view, or a table without row keys: read-only
            }
        }
        if (!stmt)
            stmt = c.uitCache(sql);
        StmtGebruik s(stmt);
        allesBinden(c, s.get(), parameters);
        const int n = sqlite3_column_count(s.get());
        if (m_eerste) {
            const char* tabel = sqlite3_column_table_name(s.get(), 0);
            m_tabel = tabel ? QString::fromUtf8(tabel) : QString();
        }
        for (int i = m_eerste; i < n; ++i) {
            m_namen << QString::fromUtf8(sqlite3_column_name(s.get(), i));
            const char* decl = sqlite3_column_decltype(s.get(), i);
            m_types << (decl ? typeWoordVan(QString::fromUtf8(decl)) : QString());
            m_soorten.push_back(veldSoortVan(m_types.last()));
            m_opNaam.toevoegen(m_namen.last(), i - m_eerste);
            const char* tabel = sqlite3_column_table_name(s.get(), i);
            const char* oorsprong = sqlite3_column_origin_name(s.get(), i);
            m_oorsprong << (oorsprong && tabel && tabelSleutel(QString::fromUtf8(tabel)) == tabelSleutel(m_tabel)
                                ? QString::fromUtf8(oorsprong)
                                : QString());
        }
        // Every field must show a field of the table: a computed one (COUNT(*), an expression) makes
        // the rows a summary, not the table's own.
        m_bijwerkbaar = m_eerste == 1 && !m_tabel.isEmpty() && sqlite3_stmt_readonly(s.get())
            && std::none_of(m_oorsprong.begin(), m_oorsprong.end(), [](const QString& o) { return o.isEmpty(); });

        int rc = sqlite3_stmt_readonly(s.get()) ? sqlite3_step(s.get()) : c.schrijvendStappen(s.get());
        for (; rc == SQLITE_ROW; rc = sqlite3_step(s.get())) {
            m_begin.push_back(m_data.size());
            if (m_eerste)
                m_rowids.push_back(sqlite3_column_int64(s.get(), 0));
            for (int i = m_eerste; i < n; ++i) {
                // One call to the statement per field (each sqlite3_column_ call takes the
                // connection's lock); the value is read while the row is current.
                sqlite3_value* w = sqlite3_column_value(s.get(), i);
                switch (sqlite3_value_type(w)) {
                case SQLITE_NULL:
                    m_data.push_back(MerkNull);
                    break;
                case SQLITE_INTEGER:
                    m_data.push_back(MerkGeheel);
                    vastSchrijven(m_data, static_cast<qint64>(sqlite3_value_int64(w)));
                    break;
                case SQLITE_FLOAT:
                    m_data.push_back(MerkGetal);
                    vastSchrijven(m_data, sqlite3_value_double(w));
                    break;
                default: {
                    const auto* t = reinterpret_cast<const char*>(sqlite3_value_text(w));
                    tekstSchrijven(m_data, t ? t : "", sqlite3_value_bytes(w));
                    break;
                }
                }
            }
        }
        if (rc != SQLITE_DONE)
            c.fout(sql);
        m_data.shrink_to_fit();
        m_begin.shrink_to_fit();
        m_rowids.shrink_to_fit();
        m_verwijderd.assign(m_begin.size(), false);
        m_pos = 0;
    }

    bool eof() override { return m_pos >= aantal(); }
    bool bof() override { return m_pos < 0 || m_aantalVerwijderd == aantal(); }

    void moveFirst() override
    {
        bewerkingStoppen();
        geenRijenFout();
        m_pos = 0;
        overslaan(1);
    }
    void moveLast() override
    {
        bewerkingStoppen();
        geenRijenFout();
        m_pos = aantal() - 1;
        overslaan(-1);
    }
    void moveNext() override
    {
        if (eof())
            geenHuidig();
        bewerkingStoppen();
        ++m_pos;
        overslaan(1);
    }
    void movePrevious() override
    {
        if (m_pos < 0)
            geenHuidig();
        bewerkingStoppen();
        --m_pos;
        overslaan(-1);
    }
    qint64 recordCount() override { return aantal() - m_aantalVerwijderd; }
    int aantalVelden() const override { return static_cast<int>(m_namen.size()); }
    QString veldNaam(int i) const override { return m_namen.value(i); }
    QString veldType(int i) const override { return m_types.value(i); }
    int veldIndex(QStringView naam) const override { return m_opNaam.zoek(naam); }

    Waarde veld(int i) override
    {
        if (m_bewerken) {
            auto it = m_nieuw.find(i);
            if (it != m_nieuw.end())
                return it->second;
        }
        huidigeRij();
        const char* p = m_data.data() + plaatsen()[static_cast<size_t>(i)];
        const VeldSoort soort = m_soorten[static_cast<size_t>(i)];
        switch (*p++) {
        case MerkNull:
            return Waarde::null();
        case MerkGeheel: {
            qint64 g;
            std::memcpy(&g, p, sizeof g);
            return alsGeheel(g, soort);
        }
        case MerkGetal: {
            double d;
            std::memcpy(&d, p, sizeof d);
            return alsGetal(d, soort);
        }
        default: {
            const auto n = static_cast<qsizetype>(lengteLezen(p));
            return alsTekst(tekstUitUtf8(p, n), soort);
        }
        }
    }

    QString tabelNaam() const override { return m_bijwerkbaar ? m_tabel : QString(); }

    void edit() override
    {
        bijwerkbaar();
        huidigeRij();
        m_bewerken = true;
        m_nieuw.clear();
    }

    void zet(int i, const Waarde& w) override
    {
        if (!m_bewerken)
            throw DbFout(DbFout::Soort::NietToegestaan, QStringLiteral("Een veld kan alleen gewijzigd worden na Edit."));
        const QString& oorsprong = m_oorsprong[i];
        if (oorsprong.isEmpty())
            throw DbFout(DbFout::Soort::NietToegestaan,
                         QStringLiteral("Het veld '%1' is berekend en kan niet gewijzigd worden.").arg(m_namen[i]));
        m_nieuw[i] = voorOpslag(m_namen[i], m_soorten[static_cast<size_t>(i)], w);
    }

    void cancelUpdate() override
    {
        bijwerkbaar();
        bewerkingStoppen();
    }

    void update() override
    {
        bijwerkbaar();
        if (!m_bewerken)
            throw DbFout(DbFout::Soort::NietToegestaan, QStringLiteral("Update zonder Edit."));
        Verbinding& c = v();
        if (!m_nieuw.empty()) {
            QStringList delen;
            for (const auto& [i, w] : m_nieuw)
                delen << sqlNaam(m_oorsprong[i]) + QStringLiteral(" = ?");
            StmtGebruik s(c.uitCache(QStringLiteral("UPDATE ") + sqlNaam(m_tabel) + QStringLiteral(" SET ")
                                     + delen.join(QStringLiteral(", ")) + QStringLiteral(" WHERE rowid = ?")));
            int plaats = 1;
            for (const auto& [i, w] : m_nieuw)
                binden(s.get(), plaats++, w);
            sqlite3_bind_int64(s.get(), plaats, m_rowids[static_cast<size_t>(m_pos)]);
            c.voorSchrijven();
            if (sqlite3_step(s.get()) != SQLITE_DONE)
                c.fout(QString::fromUtf8(sqlite3_sql(s.get())));
            if (sqlite3_changes(c.db) == 0) {
                bewerkingStoppen();
                verwijderd();
                verwijderdFout();
            }
            // The row as it is now: packed anew at the end of the buffer.
            std::string rij;
            for (int i = 0; i < aantalVelden(); ++i) {
                // A field that shows the same table field shows the new value too.
                auto it = m_nieuw.find(i);
                if (it == m_nieuw.end()) {
                    for (const auto& [j, w] : m_nieuw) {
                        if (m_oorsprong[j].compare(m_oorsprong[i], Qt::CaseInsensitive) == 0)
                            it = m_nieuw.find(j);
                    }
                }
                waardeSchrijven(rij, it != m_nieuw.end() ? it->second : veldZonderBewerking(i));
            }
            m_begin[static_cast<size_t>(m_pos)] = m_data.size();
            m_data += rij;
            m_plaatsenRij = -1;
        }
        bewerkingStoppen();
    }

    void remove() override
    {
        bijwerkbaar();
        huidigeRij();
        bewerkingStoppen();
        Verbinding& c = v();
        StmtGebruik s(c.uitCache(QStringLiteral("DELETE FROM ") + sqlNaam(m_tabel) + QStringLiteral(" WHERE rowid = ?")));
        sqlite3_bind_int64(s.get(), 1, m_rowids[static_cast<size_t>(m_pos)]);
        c.voorSchrijven();
        if (sqlite3_step(s.get()) != SQLITE_DONE)
            c.fout(QString::fromUtf8(sqlite3_sql(s.get())));
        const bool gevonden = sqlite3_changes(c.db) > 0;
        verwijderd();
        if (!gevonden)
            verwijderdFout();
    }

    void loslaten() override {}

private:
    qint64 aantal() const { return static_cast<qint64>(m_begin.size()); }

    [[noreturn]] void geenHuidig() const
    {
        throw DbFout(DbFout::Soort::GeenHuidigRecord, QStringLiteral("Er is geen huidig record."));
    }
    [[noreturn]] void verwijderdFout() const
    {
        throw DbFout(DbFout::Soort::RecordVerwijderd, QStringLiteral("Het record in '%1' is verwijderd.").arg(m_tabel));
    }
    void geenRijenFout() const
    {
        if (m_aantalVerwijderd == aantal())
            geenHuidig();
    }
    void bijwerkbaar() const
    {
        if (!m_bijwerkbaar)
            throw DbFout(DbFout::Soort::NietToegestaan,
                         QStringLiteral("Deze rijen kunnen niet gewijzigd worden: alleen die van een eenvoudige "
                                        "SELECT op één tabel kunnen dat."));
    }
    void bewerkingStoppen()
    {
        m_bewerken = false;
        m_nieuw.clear();
    }
    void verwijderd()
    {
        if (!m_verwijderd[static_cast<size_t>(m_pos)]) {
            m_verwijderd[static_cast<size_t>(m_pos)] = true;
            ++m_aantalVerwijderd;
        }
    }
    // Deleted rows are passed by, in the direction of the move.
    void overslaan(int richting)
    {
        while (m_pos >= 0 && m_pos < aantal() && m_verwijderd[static_cast<size_t>(m_pos)])
            m_pos += richting;
    }
    void huidigeRij() const
    {
        if (m_pos < 0 || m_pos >= aantal())
            geenHuidig();
        if (m_verwijderd[static_cast<size_t>(m_pos)])
            verwijderdFout();
    }
    Waarde veldZonderBewerking(int i)
    {
        const bool bewerken = m_bewerken;
        m_bewerken = false;
        Waarde w = veld(i);
        m_bewerken = bewerken;
        return w;
    }

    // Where each field of the current row starts in the buffer.
    const std::vector<quint32>& plaatsen()
    {
        if (m_plaatsenRij == m_pos)
            return m_plaatsen;
        m_plaatsen.resize(m_namen.size());
        const char* begin = m_data.data();
        const char* p = begin + m_begin[static_cast<size_t>(m_pos)];
        for (size_t i = 0; i < m_plaatsen.size(); ++i) {
            m_plaatsen[i] = static_cast<quint32>(p - begin);
            switch (*p++) {
            case MerkNull:
                break;
            case MerkGeheel:
            case MerkGetal:
                p += 8;
                break;
            default:
                p += lengteLezen(p);
                break;
            }
        }
        m_plaatsenRij = m_pos;
        return m_plaatsen;
    }

    QStringList m_namen;
    QStringList m_types;
    std::vector<VeldSoort> m_soorten;
    NamenIndex m_opNaam;
    QStringList m_oorsprong; ///< per field the table field it shows; empty for a computed one
    QString m_tabel;
    int m_eerste = 0; ///< 1 when the statement's first column is the row key
    bool m_bijwerkbaar = false;

    std::string m_data;
    std::vector<size_t> m_begin;
    std::vector<qint64> m_rowids;
    std::vector<bool> m_verwijderd;
    qint64 m_aantalVerwijderd = 0;
    qint64 m_pos = 0;
    std::vector<quint32> m_plaatsen;
    qint64 m_plaatsenRij = -1;

    bool m_bewerken = false;
    std::map<int, Waarde> m_nieuw;
};

} // namespace

std::shared_ptr<RecordsetImpl> maakSqlRecordset(std::shared_ptr<Verbinding> v, const QString& sql,
                                                const QList<Waarde>& parameters)
{
    return std::make_shared<SqlRecordset>(std::move(v), sql, parameters);
}

} // namespace db::detail
