// A table opened as a table: it walks in the order of its current index and keeps a current row.
//
// The walk is an open SELECT ordered by the index fields and the row key. As long as nothing has
// changed in the database since it was opened, moving on is one step of that statement. After any
// change (by this recordset, another one or SQL text), the next move starts a new SELECT from the
// current row's key values, so the walk always sees the rows as they are now.

#include "Verbinding.h"

#include <algorithm>
#include <vector>

namespace db::detail {

namespace {

class TabelRecordset : public RecordsetImpl
{
public:
    TabelRecordset(std::shared_ptr<Verbinding> v, const QString& naam)
        : RecordsetImpl(std::move(v))
    {
        const Database db = databaseVan();
        const TabelDef def = db.tabelDef(naam);
        m_tabel = def.naam;
        m_tabelSql = sqlNaam(m_tabel);
        for (const VeldDef& veld : def.velden) {
            // Both spellings: the one the table gives finds its field without folding the name.
            m_opNaam.insert(veld.naam.toLower(), static_cast<int>(m_kolommen.size()));
            m_opNaam.insert(veld.naam, static_cast<int>(m_kolommen.size()));
            m_kolommen.push_back({veld.naam, veld.typeWoord, sqlNaam(veld.naam), veldSoortVan(veld.typeWoord)});
        }
        m_nieuw.grootte(m_kolommen.size());
        for (const IndexDef& index : def.indexen) {
            IndexInfo info;
            info.naam = index.naam;
            for (const IndexVeldDef& veld : index.velden) {
                const int k = m_opNaam.value(veld.naam.toLower(), -1);
                if (k < 0)
                    continue;
                info.kolommen << k;
                info.aflopend << veld.aflopend;
            }
            m_indexen.push_back(info);
        }
    }

    ~TabelRecordset() override { loslaten(); }

    void loslaten() override
    {
        for (sqlite3_stmt* s : std::as_const(m_stmts))
            sqlite3_finalize(s);
        m_stmts.clear();
        for (sqlite3_stmt* s : std::as_const(m_seekStmts))
            sqlite3_finalize(s);
        m_seekStmts.clear();
        for (sqlite3_stmt* s : std::as_const(m_schrijfStmts))
            sqlite3_finalize(s);
        m_schrijfStmts.clear();
        m_cursor = nullptr;
    }

    void cursorStoppen() override
    {
        if (m_cursor)
            sqlite3_reset(m_cursor);
        m_cursor = nullptr;
    }

    // --- position ---------------------------------------------------------------------------

    bool eof() override
    {
        eersteZoeken();
        return m_pos == Pos::Eof || m_pos == Pos::Leeg;
    }

    bool bof() override
    {
        eersteZoeken();
        return m_pos == Pos::Bof || m_pos == Pos::Leeg;
    }

    void moveFirst() override
    {
        bewerkingStoppen();
        openCursor(selectDeel() + QStringLiteral(" ORDER BY ") + volgorde(false), {}, true, true);
        if (!stap())
            zetPositie(Pos::Leeg);
    }

    void moveLast() override
    {
        bewerkingStoppen();
        openCursor(selectDeel() + QStringLiteral(" ORDER BY ") + volgorde(true) + QStringLiteral(" LIMIT 1"), {},
                   false, false);
        if (!stap())
            zetPositie(Pos::Leeg);
    }

    void moveNext() override
    {
        eersteZoeken();
        bewerkingStoppen();
        switch (m_pos) {
        case Pos::Bof:
            moveFirst();
            return;
        case Pos::Leeg:
        case Pos::Eof:
        case Pos::Geen:
        case Pos::NogZoeken:
            geenHuidig();
        case Pos::OpRij:
            if (cursorGeldig() && m_cursorVooruit) {
                if (stap())
                    return;
                if (m_cursorVolledig) {
                    zetPositie(Pos::Eof);
                    return;
                }
            }
            [[fallthrough]];
        case Pos::Verwijderd:
            herpositioneren(false);
            return;
        }
    }

    void movePrevious() override
    {
        eersteZoeken();
        bewerkingStoppen();
        switch (m_pos) {
        case Pos::Eof:
            moveLast();
            return;
        case Pos::Leeg:
        case Pos::Bof:
        case Pos::Geen:
        case Pos::NogZoeken:
            geenHuidig();
        case Pos::OpRij:
        case Pos::Verwijderd:
            herpositioneren(true);
            return;
        }
    }

    qint64 recordCount() override
    {
        sqlite3_stmt* s = stmt(QStringLiteral("SELECT COUNT(*) FROM ") + m_tabelSql);
        if (sqlite3_step(s) != SQLITE_ROW)
            v().fout(QStringLiteral("COUNT"));
        const qint64 n = sqlite3_column_int64(s, 0);
        sqlite3_reset(s);
        return n;
    }

    // --- fields -------------------------------------------------------------------------------

    int aantalVelden() const override { return static_cast<int>(m_kolommen.size()); }
    QString veldNaam(int i) const override { return m_kolommen.at(static_cast<size_t>(i)).naam; }
    QString veldType(int i) const override { return m_kolommen.at(static_cast<size_t>(i)).typeWoord; }
    int veldIndex(const QString& naam) const override
    {
        auto it = m_opNaam.constFind(naam);
        if (it != m_opNaam.constEnd())
            return it.value();
        return m_opNaam.value(naam.toLower(), -1);
    }

    Waarde veld(int i) override
    {
        eersteZoeken();
        if (m_bewerk != Bewerk::Geen) {
            if (const Waarde* w = m_nieuw.zoek(i))
                return *w;
            if (m_bewerk == Bewerk::AddNew)
                return Waarde::null();
        }
        if (m_pos == Pos::Verwijderd)
            verwijderdFout();
        if (m_pos != Pos::OpRij)
            geenHuidig();
        const Kolom& k = m_kolommen.at(static_cast<size_t>(i));
        if (m_rijGeneratie == v().generatie)
            return m_rij.at(static_cast<size_t>(i));
        if (cursorGeldig())
            return lezen(m_cursor, i + 1, k.soort);
        rijLaden();
        return m_rij.at(static_cast<size_t>(i));
    }

    void zet(int i, const Waarde& w) override
    {
        if (m_bewerk == Bewerk::Geen)
            throw DbFout(DbFout::Soort::NietToegestaan,
                         QStringLiteral("Een veld kan alleen gewijzigd worden na Edit of AddNew."));
        const Kolom& k = m_kolommen.at(static_cast<size_t>(i));
        m_nieuw.zet(i, voorOpslag(k.naam, k.soort, w));
    }

    // --- table operations ---------------------------------------------------------------------

    QString tabelNaam() const override { return m_tabel; }
    QString index() const override { return m_index < 0 ? QString() : m_indexen[m_index].naam; }

    void setIndex(const QString& naam) override
    {
        int gevonden = -1;
        for (int i = 0; i < static_cast<int>(m_indexen.size()); ++i) {
            if (m_indexen[i].naam.compare(naam, Qt::CaseInsensitive) == 0)
                gevonden = i;
        }
        if (gevonden < 0)
            throw DbFout(DbFout::Soort::OnbekendeIndex,
                         QStringLiteral("'%1' is geen index van de tabel '%2'.").arg(naam, m_tabel));
        bewerkingStoppen();
        m_index = gevonden;
        m_cursor = nullptr;
        m_pos = Pos::NogZoeken;
    }

    void seek(const QString& vergelijking, const QList<Waarde>& sleutels) override
    {
        if (vergelijking.trimmed() != u"=")
            throw DbFout(DbFout::Soort::NietToegestaan,
                         QStringLiteral("Zoeken met '%1' wordt niet ondersteund.").arg(vergelijking));
        if (m_index < 0)
            throw DbFout(DbFout::Soort::NietToegestaan,
                         QStringLiteral("Zoeken in '%1' kan pas nadat een index gekozen is.").arg(m_tabel));
        const IndexInfo& ix = m_indexen[m_index];
        if (sleutels.isEmpty() || sleutels.size() > ix.kolommen.size())
            throw DbFout(DbFout::Soort::NietToegestaan,
                         QStringLiteral("De index '%1' heeft %2 sleutelvelden; er werden %3 waarden gegeven.")
                             .arg(ix.naam)
                             .arg(ix.kolommen.size())
                             .arg(sleutels.size()));
        bewerkingStoppen();

        QList<Waarde> waarden;
        quint64 nullMasker = 0;
        bool kanNietBestaan = false;
        for (int j = 0; j < sleutels.size(); ++j) {
            const Kolom& k = m_kolommen.at(static_cast<size_t>(ix.kolommen[j]));
            Waarde w = sleutels[j];
            if (w.isNull() || w.isLeeg()) {
                nullMasker |= (quint64(1) << j);
                continue;
            }
            if (k.soort == VeldSoort::Datum) {
                try {
                    w = voorOpslag(k.naam, k.soort, w);
                } catch (const DbFout&) {
                    kanNietBestaan = true; // no date can equal a text that is no date
                }
            }
            waarden << w;
        }
        if (kanNietBestaan) {
            m_cursor = nullptr;
            m_noMatch = true;
            zetPositie(Pos::Geen);
            return;
        }
        const quint64 sleutel = (quint64(m_index) << 40) | (quint64(sleutels.size()) << 32) | nullMasker;
        sqlite3_stmt* s = m_seekStmts.value(sleutel);
        if (!s) {
            QStringList delen;
            for (int j = 0; j < sleutels.size(); ++j) {
                const QString& kolom = m_kolommen.at(static_cast<size_t>(ix.kolommen[j])).sql;
                delen << kolom + ((nullMasker >> j) & 1 ? QStringLiteral(" IS NULL") : QStringLiteral(" = ?"));
            }
            s = v().voorbereiden(selectDeel() + QStringLiteral(" WHERE ") + delen.join(QStringLiteral(" AND "))
                                 + QStringLiteral(" ORDER BY ") + volgorde(false));
            m_seekStmts.insert(sleutel, s);
        } else {
            sqlite3_reset(s);
        }
        for (int j = 0; j < waarden.size(); ++j)
            binden(s, j + 1, waarden[j]);
        m_cursor = s;
        m_cursorGeneratie = v().generatie;
        m_cursorVooruit = true;
        m_cursorVolledig = false;
        m_noMatch = !stap();
        if (m_noMatch)
            zetPositie(Pos::Geen);
    }

    bool noMatch() const override { return m_noMatch; }

    void edit() override
    {
        eersteZoeken();
        if (m_pos == Pos::Verwijderd)
            verwijderdFout();
        if (m_pos != Pos::OpRij)
            geenHuidig();
        m_bewerk = Bewerk::Edit;
        m_nieuw.clear();
    }

    void addNew() override
    {
        eersteZoeken();
        m_bewerk = Bewerk::AddNew;
        m_nieuw.clear();
    }

    void cancelUpdate() override
    {
        m_bewerk = Bewerk::Geen;
        m_nieuw.clear();
    }

    void update() override
    {
        if (m_bewerk == Bewerk::Geen)
            throw DbFout(DbFout::Soort::NietToegestaan, QStringLiteral("Update zonder Edit of AddNew."));
        Verbinding& c = v();
        QByteArray& sleutel = m_sleutelBuffer;
        sleutel.resize(0);
        sleutel.append(m_bewerk == Bewerk::Edit ? 'E' : 'A');
        for (int k : m_nieuw.volgorde())
            sleutel.append(reinterpret_cast<const char*>(&k), sizeof k);
        sqlite3_stmt* s = m_schrijfStmts.value(sleutel);
        if (!s) {
            QStringList kolommen;
            for (int k : m_nieuw.volgorde())
                kolommen << m_kolommen.at(static_cast<size_t>(k)).sql;
            QString sql;
            if (m_bewerk == Bewerk::Edit) {
                sql = QStringLiteral("UPDATE ") + m_tabelSql + QStringLiteral(" SET ")
                    + (kolommen.isEmpty() ? QStringLiteral("rowid = rowid")
                                          : kolommen.join(QStringLiteral(" = ?, ")) + QStringLiteral(" = ?"))
                    + QStringLiteral(" WHERE rowid = ?");
            } else if (kolommen.isEmpty()) {
                sql = QStringLiteral("INSERT INTO ") + m_tabelSql + QStringLiteral(" DEFAULT VALUES");
            } else {
                QStringList vraag;
                for (int i = 0; i < kolommen.size(); ++i)
                    vraag << QStringLiteral("?");
                sql = QStringLiteral("INSERT INTO ") + m_tabelSql + QStringLiteral(" (") + kolommen.join(u',')
                    + QStringLiteral(") VALUES (") + vraag.join(u',') + u')';
            }
            s = c.voorbereiden(sql);
            m_schrijfStmts.insert(sleutel, s);
        } else {
            sqlite3_reset(s);
        }
        int plaats = 1;
        for (int k : m_nieuw.volgorde())
            binden(s, plaats++, *m_nieuw.zoek(k));
        if (m_bewerk == Bewerk::Edit)
            sqlite3_bind_int64(s, plaats, m_rowid);
        const int rc = sqlite3_step(s);
        sqlite3_reset(s);
        if (rc != SQLITE_DONE)
            c.fout(QString::fromUtf8(sqlite3_sql(s)));
        c.gewijzigd();
        m_bewerk = Bewerk::Geen;
        m_nieuw.clear();
    }

    void remove() override
    {
        eersteZoeken();
        if (m_pos == Pos::Verwijderd)
            verwijderdFout();
        if (m_pos != Pos::OpRij)
            geenHuidig();
        bewerkingStoppen();
        Verbinding& c = v();
        sqlite3_stmt* s = stmt(QStringLiteral("DELETE FROM ") + m_tabelSql + QStringLiteral(" WHERE rowid = ?"));
        sqlite3_bind_int64(s, 1, m_rowid);
        const int rc = sqlite3_step(s);
        sqlite3_reset(s);
        if (rc != SQLITE_DONE)
            c.fout(QStringLiteral("DELETE"));
        c.gewijzigd();
        m_pos = Pos::Verwijderd;
    }

private:
    enum class Pos
    {
        NogZoeken, ///< the first row in the current order, not looked up yet
        Leeg,      ///< the table has no rows: before the first and after the last at once
        Bof,
        Eof,
        OpRij,
        Geen,      ///< after a seek that found nothing
        Verwijderd ///< the current row was deleted
    };
    enum class Bewerk
    {
        Geen,
        Edit,
        AddNew
    };
    struct Kolom
    {
        QString naam;
        QString typeWoord;
        QString sql;
        VeldSoort soort;
    };
    struct IndexInfo
    {
        QString naam;
        QList<int> kolommen;
        QList<bool> aflopend;
    };

    Database databaseVan() const { return Database::vanVerbinding(m_v); }

    [[noreturn]] void geenHuidig() const
    {
        throw DbFout(DbFout::Soort::GeenHuidigRecord, QStringLiteral("Er is geen huidig record in '%1'.").arg(m_tabel));
    }
    [[noreturn]] void verwijderdFout() const
    {
        throw DbFout(DbFout::Soort::RecordVerwijderd, QStringLiteral("Het record in '%1' is verwijderd.").arg(m_tabel));
    }

    void eersteZoeken()
    {
        if (m_pos == Pos::NogZoeken)
            moveFirst();
    }

    void bewerkingStoppen()
    {
        m_bewerk = Bewerk::Geen;
        m_nieuw.clear();
    }

    void zetPositie(Pos pos)
    {
        m_pos = pos;
        if (pos != Pos::OpRij)
            m_cursor = nullptr;
    }

    sqlite3_stmt* stmt(const QString& sql)
    {
        sqlite3_stmt* s = m_stmts.value(sql);
        if (s) {
            sqlite3_reset(s);
            sqlite3_clear_bindings(s);
            return s;
        }
        s = v().voorbereiden(sql);
        m_stmts.insert(sql, s);
        return s;
    }

    QString selectDeel() const { return QStringLiteral("SELECT rowid, * FROM ") + m_tabelSql; }

    QString volgorde(bool omgekeerd) const
    {
        QStringList delen;
        if (m_index >= 0) {
            const IndexInfo& ix = m_indexen[m_index];
            for (int j = 0; j < ix.kolommen.size(); ++j) {
                const bool aflopend = ix.aflopend[j] != omgekeerd;
                delen << m_kolommen.at(static_cast<size_t>(ix.kolommen[j])).sql
                        + (aflopend ? QStringLiteral(" DESC") : QString());
            }
        }
        delen << (omgekeerd ? QStringLiteral("rowid DESC") : QStringLiteral("rowid"));
        return delen.join(QStringLiteral(", "));
    }

    void openCursor(const QString& sql, const QList<Waarde>& parameters, bool vooruit, bool volledig)
    {
        sqlite3_stmt* s = stmt(sql);
        for (int i = 0; i < parameters.size(); ++i)
            binden(s, i + 1, parameters[i]);
        m_cursor = s;
        m_cursorGeneratie = v().generatie;
        m_cursorVooruit = vooruit;
        m_cursorVolledig = volledig;
    }

    bool cursorGeldig() const { return m_cursor && m_cursorGeneratie == m_v->generatie && m_v->db; }

    bool stap()
    {
        const int rc = sqlite3_step(m_cursor);
        if (rc == SQLITE_ROW) {
            m_rowid = sqlite3_column_int64(m_cursor, 0);
            m_sleutel.clear();
            if (m_index >= 0) {
                for (int k : std::as_const(m_indexen[m_index].kolommen))
                    m_sleutel << lezen(m_cursor, k + 1, m_kolommen.at(static_cast<size_t>(k)).soort);
            }
            m_pos = Pos::OpRij;
            m_rijGeneratie = 0;
            return true;
        }
        if (rc != SQLITE_DONE) {
            m_cursor = nullptr;
            v().fout(m_tabel);
        }
        return false;
    }

    void rijLaden()
    {
        sqlite3_stmt* s = stmt(selectDeel() + QStringLiteral(" WHERE rowid = ?"));
        sqlite3_bind_int64(s, 1, m_rowid);
        if (sqlite3_step(s) != SQLITE_ROW) {
            sqlite3_reset(s);
            verwijderdFout();
        }
        m_rij.clear();
        m_rij.reserve(m_kolommen.size());
        for (size_t k = 0; k < m_kolommen.size(); ++k)
            m_rij.push_back(lezen(s, static_cast<int>(k) + 1, m_kolommen[k].soort));
        sqlite3_reset(s);
        m_rijGeneratie = v().generatie;
    }

    // The current row's key values as they are now, or as they were when the row was left or deleted.
    QList<Waarde> huidigeSleutel()
    {
        if (m_pos != Pos::OpRij || m_index < 0)
            return m_sleutel;
        QStringList kolommen;
        for (int k : std::as_const(m_indexen[m_index].kolommen))
            kolommen << m_kolommen.at(static_cast<size_t>(k)).sql;
        sqlite3_stmt* s = stmt(QStringLiteral("SELECT ") + kolommen.join(u',') + QStringLiteral(" FROM ") + m_tabelSql
                               + QStringLiteral(" WHERE rowid = ?"));
        sqlite3_bind_int64(s, 1, m_rowid);
        if (sqlite3_step(s) == SQLITE_ROW) {
            m_sleutel.clear();
            int i = 0;
            for (int k : std::as_const(m_indexen[m_index].kolommen))
                m_sleutel << lezen(s, i++, m_kolommen.at(static_cast<size_t>(k)).soort);
        }
        sqlite3_reset(s);
        return m_sleutel;
    }

    // Rows after (or before) the given key in the current order, as an OR of "equal so far, then
    // further" terms. Nulls sort first, as the engine sorts them.
    void voorwaarde(const QList<Waarde>& sleutel, bool achteruit, QString& sql, QList<Waarde>& parameters) const
    {
        QStringList termen;
        const int n = m_index >= 0 ? static_cast<int>(m_indexen[m_index].kolommen.size()) : 0;
        for (int i = 0; i <= n; ++i) {
            QStringList delen;
            QList<Waarde> p;
            for (int j = 0; j < i; ++j) {
                const QString& kolom = m_kolommen.at(static_cast<size_t>(m_indexen[m_index].kolommen[j])).sql;
                if (sleutel.value(j).isNull()) {
                    delen << kolom + QStringLiteral(" IS NULL");
                } else {
                    delen << kolom + QStringLiteral(" = ?");
                    p << sleutel[j];
                }
            }
            if (i < n) {
                const QString& kolom = m_kolommen.at(static_cast<size_t>(m_indexen[m_index].kolommen[i])).sql;
                const bool kleiner = m_indexen[m_index].aflopend[i] != achteruit;
                const Waarde w = sleutel.value(i, Waarde::null());
                if (!kleiner) {
                    if (w.isNull()) {
                        delen << kolom + QStringLiteral(" IS NOT NULL");
                    } else {
                        delen << kolom + QStringLiteral(" > ?");
                        p << w;
                    }
                } else {
                    if (w.isNull())
                        continue; // nothing sorts below Null
                    delen << u'(' + kolom + QStringLiteral(" < ? OR ") + kolom + QStringLiteral(" IS NULL)");
                    p << w;
                }
            } else {
                delen << (achteruit ? QStringLiteral("rowid < ?") : QStringLiteral("rowid > ?"));
                p << Waarde(m_rowid);
            }
            termen << u'(' + delen.join(QStringLiteral(" AND ")) + u')';
            parameters << p;
        }
        sql = termen.join(QStringLiteral(" OR "));
    }

    void herpositioneren(bool achteruit)
    {
        const QList<Waarde> sleutel = huidigeSleutel();
        QString waar;
        QList<Waarde> parameters;
        voorwaarde(sleutel, achteruit, waar, parameters);
        QString sql = selectDeel() + QStringLiteral(" WHERE ") + waar + QStringLiteral(" ORDER BY ") + volgorde(achteruit);
        if (achteruit)
            sql += QStringLiteral(" LIMIT 1");
        openCursor(sql, parameters, !achteruit, !achteruit);
        if (!stap())
            zetPositie(achteruit ? Pos::Bof : Pos::Eof);
    }

    QString m_tabel;
    QString m_tabelSql;
    std::vector<Kolom> m_kolommen;
    QHash<QString, int> m_opNaam;
    std::vector<IndexInfo> m_indexen;
    int m_index = -1;

    Pos m_pos = Pos::NogZoeken;
    qint64 m_rowid = 0;
    QList<Waarde> m_sleutel;
    bool m_noMatch = false;

    sqlite3_stmt* m_cursor = nullptr;
    quint64 m_cursorGeneratie = 0;
    bool m_cursorVooruit = false;
    bool m_cursorVolledig = false;

    std::vector<Waarde> m_rij;
    quint64 m_rijGeneratie = 0;

    Bewerk m_bewerk = Bewerk::Geen;
    // The values assigned since Edit or AddNew, by field number; the numbers kept sorted.
    class Wijzigingen
    {
    public:
        void grootte(size_t n)
        {
            m_waarden.assign(n, Waarde());
            m_gezet.assign(n, 0);
        }
        void zet(int i, Waarde w)
        {
            if (!m_gezet[static_cast<size_t>(i)]) {
                m_gezet[static_cast<size_t>(i)] = 1;
                m_volgorde.insert(std::lower_bound(m_volgorde.begin(), m_volgorde.end(), i), i);
            }
            m_waarden[static_cast<size_t>(i)] = std::move(w);
        }
        const Waarde* zoek(int i) const
        {
            return m_gezet[static_cast<size_t>(i)] ? &m_waarden[static_cast<size_t>(i)] : nullptr;
        }
        const std::vector<int>& volgorde() const { return m_volgorde; }
        void clear()
        {
            for (int i : m_volgorde) {
                m_gezet[static_cast<size_t>(i)] = 0;
                m_waarden[static_cast<size_t>(i)] = Waarde();
            }
            m_volgorde.clear();
        }

    private:
        std::vector<Waarde> m_waarden;
        std::vector<char> m_gezet;
        std::vector<int> m_volgorde;
    };
    Wijzigingen m_nieuw;
    QByteArray m_sleutelBuffer;

    QHash<QString, sqlite3_stmt*> m_stmts;
    QHash<quint64, sqlite3_stmt*> m_seekStmts;
    QHash<QByteArray, sqlite3_stmt*> m_schrijfStmts;
};

} // namespace

std::shared_ptr<RecordsetImpl> maakTabelRecordset(std::shared_ptr<Verbinding> v, const QString& naam)
{
    return std::make_shared<TabelRecordset>(std::move(v), naam);
}

} // namespace db::detail
