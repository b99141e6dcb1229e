// A table opened as a table: it walks in the order of its current index and keeps a current row.
//
// The walk is an open SELECT ordered by the index fields and the row key. As long as nothing has
// changed in the table since it was opened, moving on is one step of that statement. After a change
// to the table (by this recordset, another one or SQL text), the next move starts a new SELECT from
// the current row's key values, so the walk always sees the rows as they are now. That SELECT is a
// range the index answers (see stadia()), so a walk that writes every row stays linear.

#include "Hoofdletters.h"
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
        schemaLezen(naam);
        m_nieuw.grootte(m_kolommen.size());
        m_slot = this->v().tabelSlot(m_tabel);
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
        m_laatsteSchrijfStmt = nullptr;
        m_cursor = nullptr;
    }

    void cursorStoppen() override
    {
        plaatsVastleggen();
        // The current row stays readable without going back to the file (which another program
        // may have locked by then): its values are kept.
        if (m_pos == Pos::OpRij && m_rijGeneratie != tabelGeneratie() && cursorGeldig() && !m_cursorRijOud) {
            m_rij.clear();
            m_rij.reserve(m_kolommen.size());
            for (size_t k = 0; k < m_kolommen.size(); ++k)
                m_rij.push_back(lezen(m_cursor, static_cast<int>(k) + 1, m_kolommen[k].soort));
            m_rijGeneratie = tabelGeneratie();
        }
        cursorZetten(nullptr);
    }

    void rijBewaren() override
    {
        if (m_pos != Pos::OpRij || m_bewerk == Bewerk::AddNew || !m_v->db || m_rijGeneratie == tabelGeneratie()
            || m_schemaGeneratie != m_v->schemaGeneratie)
            return;
        try {
            rijLaden();
        } catch (const DbFout&) {
            // Locked already or gone: the next read of a field tells.
        }
    }

    void plaatsVastleggen() override
    {
        if (m_pos == Pos::OpRij && m_sleutelGeneratie != tabelGeneratie() && cursorGeldig())
            sleutelUitCursor();
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
        schemaBijwerken();
        bewerkingStoppen();
        openCursor(selectDeel() + QStringLiteral(" ORDER BY ") + volgorde(false), {}, true, true);
        if (!stap())
            zetPositie(Pos::Leeg);
    }

    void moveLast() override
    {
        schemaBijwerken();
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
                if (!m_cursorVolledig)
                    huidigeSleutel(); // the place to look again from, should this range end here
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
    int veldIndex(QStringView naam) const override
    {
        return m_opNaam.zoek(naam);
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
        if (m_rijGeneratie == tabelGeneratie())
            return m_rij.at(static_cast<size_t>(i));
        if (cursorGeldig() && !m_cursorRijOud)
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
        // A text for a text field is stored as it is.
        if (w.isTekst() && k.soort == VeldSoort::Tekst)
            m_nieuw.zet(i, w);
        else
            m_nieuw.zet(i, voorOpslag(k.naam, k.soort, w));
    }

    // --- table operations ---------------------------------------------------------------------

    QString tabelNaam() const override { return m_tabel; }
    QString index() const override { return m_index < 0 ? QString() : m_indexen[m_index].naam; }

    void setIndex(const QString& naam) override
    {
        schemaBijwerken();
        int gevonden = -1;
        for (int i = 0; i < static_cast<int>(m_indexen.size()); ++i) {
            if (gelijkZonderHoofdletters(m_indexen[i].naam, naam))
                gevonden = i;
        }
        if (gevonden < 0)
            throw DbFout(DbFout::Soort::OnbekendeIndex,
                         QStringLiteral("'%1' is geen index van de tabel '%2'.").arg(naam, m_tabel));
        bewerkingStoppen();
        m_index = gevonden;
        cursorZetten(nullptr);
        m_pos = Pos::NogZoeken;
    }

    void seek(const QString& vergelijking, const QList<Waarde>& sleutels) override
    {
        if (vergelijking.trimmed() != u"=")
            throw DbFout(DbFout::Soort::NietToegestaan,
                         QStringLiteral("Zoeken met '%1' wordt niet ondersteund.").arg(vergelijking));
        schemaBijwerken();
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

        // The keys are compared in the form the fields store: a date in a text field as its text,
        // a whole number as "12345", a text in a number field as its number.
        QList<Waarde> waarden;
        quint64 nullMasker = 0;
        bool kanNietBestaan = false;
        for (int j = 0; j < sleutels.size(); ++j) {
            const Kolom& k = m_kolommen.at(static_cast<size_t>(ix.kolommen[j]));
            const Waarde& w = sleutels[j];
            if (w.isNull() || w.isLeeg()) {
                nullMasker |= (quint64(1) << j);
                continue;
            }
            try {
                waarden << voorOpslag(k.naam, k.soort, w);
            } catch (const DbFout&) {
                kanNietBestaan = true; // no stored value can equal one the field cannot hold
            }
        }
        if (kanNietBestaan) {
            cursorZetten(nullptr);
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
        cursorZetten(s);
        m_cursorGeneratie = tabelGeneratie();
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
        // Rows added or edited one after another set the same fields: the last statement serves
        // again without a look-up.
        sqlite3_stmt* s = nullptr;
        if (m_laatsteSchrijfStmt && m_laatsteSchrijfBewerk == m_bewerk && m_laatsteSchrijfVelden == m_nieuw.volgorde()) {
            s = m_laatsteSchrijfStmt;
            sqlite3_reset(s);
        } else {
            s = schrijfStatement(c);
            m_laatsteSchrijfStmt = s;
            m_laatsteSchrijfBewerk = m_bewerk;
            m_laatsteSchrijfVelden = m_nieuw.volgorde();
        }
        int plaats = 1;
        m_bindbuffer.legen();
        for (int k : m_nieuw.volgorde())
            m_bindbuffer.binden(s, plaats++, *m_nieuw.zoek(k));
        if (m_bewerk == Bewerk::Edit)
            sqlite3_bind_int64(s, plaats, m_rowid);
        // Where the current row stands before the write, and whether anything else moved since.
        if (m_pos == Pos::OpRij && m_index >= 0)
            huidigeSleutel();
        // An edit that leaves the current order as it is (no key field, not the row key) need not
        // end the walk: the engine's cursor keeps its place in the index, and the rows still to
        // come are the same. Only the current row is read anew.
        bool cursorBlijft = m_bewerk == Bewerk::Edit && m_pos == Pos::OpRij && m_cursorVooruit && cursorGeldig();
        for (auto k = m_nieuw.volgorde().cbegin(); cursorBlijft && k != m_nieuw.volgorde().cend(); ++k) {
            if (m_kolommen.at(static_cast<size_t>(*k)).rijSleutel
                || (m_index >= 0 && m_indexen[m_index].kolommen.contains(*k)))
                cursorBlijft = false;
        }
        c.voorSchrijven();
        const int rc = sqlite3_step(s);
        sqlite3_reset(s);
        if (rc != SQLITE_DONE)
            c.fout(QString::fromUtf8(sqlite3_sql(s)));
        const bool gevonden = m_bewerk == Bewerk::AddNew || sqlite3_changes(c.db) > 0;
        if (m_bewerk == Bewerk::Edit && gevonden && m_index >= 0) {
            // The row keeps its new key values, so that the walk goes on from its new place.
            const IndexInfo& ix = m_indexen[m_index];
            for (int j = 0; j < ix.kolommen.size() && j < m_sleutel.size(); ++j) {
                if (const Waarde* w = m_nieuw.zoek(ix.kolommen[j]))
                    m_sleutel[j] = *w;
            }
        }
        m_sleutelGeneratie = tabelGeneratie();
        if (cursorBlijft && gevonden) {
            m_cursorGeneratie = tabelGeneratie();
            m_cursorRijOud = true;
        }
        m_bewerk = Bewerk::Geen;
        m_nieuw.clear();
        if (!gevonden) {
            m_pos = Pos::Verwijderd;
            cursorZetten(nullptr);
            verwijderdFout();
        }
    }

    // The statement that writes the fields set now (prepared once per set of fields and kind), reset.
    sqlite3_stmt* schrijfStatement(Verbinding& c)
    {
        QByteArray& sleutel = m_sleutelBuffer;
        sleutel.resize(0);
        sleutel.append(m_bewerk == Bewerk::Edit ? 'E' : 'A');
        for (int k : m_nieuw.volgorde())
            sleutel.append(reinterpret_cast<const char*>(&k), sizeof k);
        sqlite3_stmt* s = m_schrijfStmts.value(sleutel);
        if (s) {
            sqlite3_reset(s);
            return s;
        }
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
        return s;
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
        huidigeSleutel(); // the walk goes on from here
        c.voorSchrijven();
        sqlite3_stmt* s = stmt(QStringLiteral("DELETE FROM ") + m_tabelSql + QStringLiteral(" WHERE rowid = ?"));
        sqlite3_bind_int64(s, 1, m_rowid);
        const int rc = sqlite3_step(s);
        sqlite3_reset(s);
        if (rc != SQLITE_DONE)
            c.fout(QStringLiteral("DELETE"));
        m_pos = Pos::Verwijderd;
        cursorZetten(nullptr);
        if (sqlite3_changes(c.db) == 0)
            verwijderdFout();
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
        bool rijSleutel; ///< the row key itself (an autonumber field)
    };
    struct IndexInfo
    {
        QString naam;
        QList<int> kolommen;
        QList<bool> aflopend;
    };

    Database databaseVan() const { return Database::vanVerbinding(m_v); }

    quint64 tabelGeneratie() const { return m_v->tabelGeneratie(m_slot); }

    // The fields and indexes as the table has them now.
    void schemaLezen(const QString& naam)
    {
        const TabelDef def = databaseVan().tabelDef(naam);
        m_tabel = def.naam;
        m_tabelSql = sqlNaam(m_tabel);
        m_kolommen.clear();
        m_opNaam.wissen();
        m_indexen.clear();
        for (const VeldDef& veld : def.velden) {
            m_opNaam.toevoegen(veld.naam, static_cast<int>(m_kolommen.size()));
            m_kolommen.push_back(
                {veld.naam, veld.typeWoord, sqlNaam(veld.naam), veldSoortVan(veld.typeWoord), veld.autoNummer});
        }
        for (const IndexDef& index : def.indexen) {
            IndexInfo info;
            info.naam = index.naam;
            for (const IndexVeldDef& veld : index.velden) {
                const int k = m_opNaam.zoek(veld.naam);
                if (k < 0)
                    continue;
                info.kolommen << k;
                info.aflopend << veld.aflopend;
            }
            m_indexen.push_back(info);
        }
        m_schemaGeneratie = v().schemaGeneratie;
    }

    // After a schema change anywhere in the database: read the table again, keep the current
    // index when it still exists, and prepare every statement anew.
    void schemaBijwerken()
    {
        if (m_schemaGeneratie == v().schemaGeneratie)
            return;
        plaatsVastleggen();
        const QString index = m_index >= 0 ? m_indexen[m_index].naam : QString();
        const QList<int> indexKolommen = m_index >= 0 ? m_indexen[m_index].kolommen : QList<int>();
        const size_t aantalKolommen = m_kolommen.size();
        loslaten();
        schemaLezen(m_tabel);
        m_index = -1;
        for (int i = 0; i < static_cast<int>(m_indexen.size()); ++i) {
            if (!index.isEmpty() && gelijkZonderHoofdletters(m_indexen[i].naam, index))
                m_index = i;
        }
        if (m_index < 0 || m_indexen[m_index].kolommen != indexKolommen) {
            // Another order: the place is the row itself, its key is read again.
            m_sleutel.clear();
            m_sleutelGeneratie = 0;
        }
        if (aantalKolommen != m_kolommen.size()) {
            bewerkingStoppen();
            m_nieuw.grootte(m_kolommen.size());
            m_rijGeneratie = 0;
        }
    }

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
            cursorZetten(nullptr);
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
        cursorZetten(s);
        m_cursorGeneratie = tabelGeneratie();
        m_cursorVooruit = vooruit;
        m_cursorVolledig = volledig;
        m_cursorRijOud = false;
    }

    // The open walk; the one it replaces is reset, so that no statement stays busy unseen.
    void cursorZetten(sqlite3_stmt* s)
    {
        if (m_cursor && m_cursor != s)
            sqlite3_reset(m_cursor);
        m_cursor = s;
    }

    bool cursorGeldig() const { return m_cursor && m_v->db && m_cursorGeneratie == tabelGeneratie(); }

    bool stap()
    {
        const int rc = sqlite3_step(m_cursor);
        if (rc == SQLITE_ROW) {
            // Only the row key: the index fields are read when they are needed (before a write).
            m_rowid = sqlite3_column_int64(m_cursor, 0);
            m_sleutelGeneratie = 0;
            m_cursorRijOud = false;
            m_pos = Pos::OpRij;
            m_rijGeneratie = 0;
            return true;
        }
        if (rc != SQLITE_DONE) {
            m_cursor = nullptr; // its message is still to be read
            v().fout(m_tabel);
        }
        return false;
    }

    void sleutelUitCursor()
    {
        m_sleutel.clear();
        if (m_index >= 0) {
            for (int k : std::as_const(m_indexen[m_index].kolommen))
                m_sleutel << lezen(m_cursor, k + 1, m_kolommen.at(static_cast<size_t>(k)).soort);
        }
        m_sleutelGeneratie = tabelGeneratie();
    }

    void rijLaden()
    {
        sqlite3_stmt* s = stmt(selectDeel() + QStringLiteral(" WHERE rowid = ?"));
        sqlite3_bind_int64(s, 1, m_rowid);
        if (const int rc = sqlite3_step(s); rc != SQLITE_ROW) {
            // No row: it was deleted. Any other outcome (a file locked by another program) is
            // the engine's error; the row is still there.
            if (rc == SQLITE_DONE) {
                sqlite3_reset(s);
                verwijderdFout();
            }
            try {
                v().fout(m_tabel);
            } catch (...) {
                sqlite3_reset(s);
                throw;
            }
        }
        m_rij.clear();
        m_rij.reserve(m_kolommen.size());
        for (size_t k = 0; k < m_kolommen.size(); ++k)
            m_rij.push_back(lezen(s, static_cast<int>(k) + 1, m_kolommen[k].soort));
        sqlite3_reset(s);
        m_rijGeneratie = tabelGeneratie();
    }

    // The current row's key values as they are now, or as they were when the row was left or deleted.
    const QList<Waarde>& huidigeSleutel()
    {
        if (m_pos != Pos::OpRij || m_sleutelGeneratie == tabelGeneratie())
            return m_sleutel;
        if (cursorGeldig()) {
            sleutelUitCursor();
            return m_sleutel;
        }
        if (m_index < 0) {
            m_sleutelGeneratie = tabelGeneratie();
            return m_sleutel;
        }
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
            m_sleutelGeneratie = tabelGeneratie();
        }
        sqlite3_reset(s);
        return m_sleutel;
    }

    struct Stadium
    {
        QString waar;
        QList<Waarde> parameters;
    };

    // The rows after (or before) the given place in the current order, as a list of ranges that
    // follow each other in that order and that the index answers each by itself. Position p of the
    // order (the index fields, then the row key) gives the rows equal in the fields before p and
    // further in field p. Fields in ascending order with a known value are taken together into one
    // row-value comparison, "(k1, k2, rowid) > (?, ?, ?)", which compares each field with its own
    // collation. Nulls sort first, so "further" than Null ascending is "not Null", and descending
    // it is nothing; further than a value descending is smaller, then Null (a separate range: a
    // row value holding Null compares as Null).
    std::vector<Stadium> stadia(const QList<Waarde>& sleutel, bool achteruit) const
    {
        struct Positie
        {
            QString kolom;
            bool oplopend;
            Waarde waarde;
        };
        std::vector<Positie> posities;
        if (m_index >= 0) {
            const IndexInfo& ix = m_indexen[m_index];
            for (int j = 0; j < ix.kolommen.size(); ++j)
                posities.push_back({m_kolommen.at(static_cast<size_t>(ix.kolommen[j])).sql,
                                    ix.aflopend[j] == achteruit, sleutel.value(j, Waarde::null())});
        }
        posities.push_back({QStringLiteral("rowid"), !achteruit, Waarde(m_rowid)});
        auto rijwaarde = [&](int i) { return posities[i].oplopend && !posities[i].waarde.isNull(); };
        auto gelijk = [&](int tot, QStringList& delen, QList<Waarde>& p) {
            for (int j = 0; j < tot; ++j) {
                if (posities[j].waarde.isNull()) {
                    delen << posities[j].kolom + QStringLiteral(" IS NULL");
                } else {
                    delen << posities[j].kolom + QStringLiteral(" = ?");
                    p << posities[j].waarde;
                }
            }
        };
        std::vector<Stadium> uit;
        for (int p = static_cast<int>(posities.size()) - 1; p >= 0; --p) {
            QStringList delen;
            QList<Waarde> waarden;
            const Positie& pos = posities[p];
            if (rijwaarde(p)) {
                int begin = p;
                while (begin > 0 && rijwaarde(begin - 1))
                    --begin;
                gelijk(begin, delen, waarden);
                if (begin == p) {
                    delen << pos.kolom + QStringLiteral(" > ?");
                    waarden << pos.waarde;
                } else {
                    QStringList links, rechts;
                    for (int j = begin; j <= p; ++j) {
                        links << posities[j].kolom;
                        rechts << QStringLiteral("?");
                        waarden << posities[j].waarde;
                    }
                    delen << u'(' + links.join(u',') + QStringLiteral(") > (") + rechts.join(u',') + u')';
                }
                uit.push_back({delen.join(QStringLiteral(" AND ")), waarden});
                p = begin;
            } else if (pos.oplopend) {
                gelijk(p, delen, waarden);
                delen << pos.kolom + QStringLiteral(" IS NOT NULL");
                uit.push_back({delen.join(QStringLiteral(" AND ")), waarden});
            } else if (!pos.waarde.isNull()) {
                gelijk(p, delen, waarden);
                QStringList nullDelen = delen;
                const QList<Waarde> nullWaarden = waarden;
                delen << pos.kolom + QStringLiteral(" < ?");
                waarden << pos.waarde;
                uit.push_back({delen.join(QStringLiteral(" AND ")), waarden});
                if (pos.kolom != u"rowid") {
                    nullDelen << pos.kolom + QStringLiteral(" IS NULL");
                    uit.push_back({nullDelen.join(QStringLiteral(" AND ")), nullWaarden});
                }
            }
        }
        return uit;
    }

    void herpositioneren(bool achteruit)
    {
        schemaBijwerken();
        const std::vector<Stadium> delen = stadia(huidigeSleutel(), achteruit);
        for (size_t i = 0; i < delen.size(); ++i) {
            QString sql = selectDeel() + QStringLiteral(" WHERE ") + delen[i].waar + QStringLiteral(" ORDER BY ")
                + volgorde(achteruit);
            if (achteruit)
                sql += QStringLiteral(" LIMIT 1");
            // Only the last range runs to the end; when an earlier one ends, the next move looks again.
            openCursor(sql, delen[i].parameters, !achteruit, !achteruit && i + 1 == delen.size());
            if (stap())
                return;
        }
        zetPositie(achteruit ? Pos::Bof : Pos::Eof);
    }

    QString m_tabel;
    QString m_tabelSql;
    const quint64* m_slot = nullptr;
    quint64 m_schemaGeneratie = 0;
    std::vector<Kolom> m_kolommen;
    NamenIndex m_opNaam;
    std::vector<IndexInfo> m_indexen;
    int m_index = -1;

    Pos m_pos = Pos::NogZoeken;
    qint64 m_rowid = 0;
    QList<Waarde> m_sleutel;
    quint64 m_sleutelGeneratie = 0;
    bool m_noMatch = false;

    sqlite3_stmt* m_cursor = nullptr;
    quint64 m_cursorGeneratie = 0;
    bool m_cursorVooruit = false;
    bool m_cursorVolledig = false;
    bool m_cursorRijOud = false; ///< the current row was written since the cursor read it

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
        void zet(int i, const Waarde& w)
        {
            nummer(i);
            m_waarden[static_cast<size_t>(i)] = w;
        }
        void zet(int i, Waarde&& w)
        {
            nummer(i);
            m_waarden[static_cast<size_t>(i)] = std::move(w);
        }
        const Waarde* zoek(int i) const
        {
            return m_gezet[static_cast<size_t>(i)] ? &m_waarden[static_cast<size_t>(i)] : nullptr;
        }
        const std::vector<int>& volgorde() const { return m_volgorde; }
        // The values stay until they are set again (zoek() does not give them): a row added after
        // another one replaces them without first making empty ones.
        void clear()
        {
            for (int i : m_volgorde)
                m_gezet[static_cast<size_t>(i)] = 0;
            m_volgorde.clear();
        }

    private:
        // The field's number among those set, in order; fields are mostly set in their order.
        void nummer(int i)
        {
            if (m_gezet[static_cast<size_t>(i)])
                return;
            m_gezet[static_cast<size_t>(i)] = 1;
            if (m_volgorde.empty() || m_volgorde.back() < i)
                m_volgorde.push_back(i);
            else
                m_volgorde.insert(std::lower_bound(m_volgorde.begin(), m_volgorde.end(), i), i);
        }

        std::vector<Waarde> m_waarden;
        std::vector<char> m_gezet;
        std::vector<int> m_volgorde;
    };
    Wijzigingen m_nieuw;
    Bindbuffer m_bindbuffer; ///< the texts of the write being run
    QByteArray m_sleutelBuffer;

    QHash<QString, sqlite3_stmt*> m_stmts;
    QHash<quint64, sqlite3_stmt*> m_seekStmts;
    QHash<QByteArray, sqlite3_stmt*> m_schrijfStmts;
    sqlite3_stmt* m_laatsteSchrijfStmt = nullptr; ///< the last write, with its kind and fields
    Bewerk m_laatsteSchrijfBewerk = Bewerk::Geen;
    std::vector<int> m_laatsteSchrijfVelden;
};

} // namespace

std::shared_ptr<RecordsetImpl> maakTabelRecordset(std::shared_ptr<Verbinding> v, const QString& naam)
{
    return std::make_shared<TabelRecordset>(std::move(v), naam);
}

} // namespace db::detail
