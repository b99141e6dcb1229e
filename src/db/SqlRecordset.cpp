// The result rows of SQL text, read at once; read-only.

#include "Verbinding.h"

#include <vector>

namespace db::detail {

namespace {

class SqlRecordset : public RecordsetImpl
{
public:
    SqlRecordset(std::shared_ptr<Verbinding> v, const QString& sql, const QList<Waarde>& parameters)
        : RecordsetImpl(std::move(v))
    {
        Verbinding& c = this->v();
        StmtGebruik s(c.uitCache(sql));
        allesBinden(c, s.get(), parameters);
        const int n = sqlite3_column_count(s.get());
        for (int i = 0; i < n; ++i) {
            m_namen << QString::fromUtf8(sqlite3_column_name(s.get(), i));
            const char* decl = sqlite3_column_decltype(s.get(), i);
            m_types << (decl ? typeWoordVan(QString::fromUtf8(decl)) : QString());
            m_soorten.push_back(veldSoortVan(m_types.last()));
            m_opNaam.insert(m_namen.last().toLower(), i);
        }
        int rc;
        while ((rc = sqlite3_step(s.get())) == SQLITE_ROW) {
            std::vector<Waarde> rij;
            rij.reserve(n);
            for (int i = 0; i < n; ++i)
                rij.push_back(lezen(s.get(), i, m_soorten[static_cast<size_t>(i)]));
            m_rijen.push_back(std::move(rij));
        }
        if (rc != SQLITE_DONE)
            c.fout(sql);
        if (!sqlite3_stmt_readonly(s.get()))
            c.gewijzigd();
        m_pos = 0;
    }

    bool eof() override { return m_pos >= static_cast<qint64>(m_rijen.size()); }
    bool bof() override { return m_pos < 0 || m_rijen.empty(); }

    void moveFirst() override
    {
        geenRijenFout();
        m_pos = 0;
    }
    void moveLast() override
    {
        geenRijenFout();
        m_pos = static_cast<qint64>(m_rijen.size()) - 1;
    }
    void moveNext() override
    {
        if (eof())
            geenHuidig();
        ++m_pos;
    }
    void movePrevious() override
    {
        if (m_pos < 0)
            geenHuidig();
        --m_pos;
    }
    qint64 recordCount() override { return static_cast<qint64>(m_rijen.size()); }
    int aantalVelden() const override { return static_cast<int>(m_namen.size()); }
    QString veldNaam(int i) const override { return m_namen.value(i); }
    QString veldType(int i) const override { return m_types.value(i); }
    int veldIndex(const QString& naam) const override { return m_opNaam.value(naam.toLower(), -1); }

    Waarde veld(int i) override
    {
        if (m_pos < 0 || eof())
            geenHuidig();
        return m_rijen[static_cast<size_t>(m_pos)].at(static_cast<size_t>(i));
    }

    void loslaten() override {}

private:
    [[noreturn]] void geenHuidig() const
    {
        throw DbFout(DbFout::Soort::GeenHuidigRecord, QStringLiteral("Er is geen huidig record."));
    }
    void geenRijenFout() const
    {
        if (m_rijen.empty())
            geenHuidig();
    }

    QStringList m_namen;
    QStringList m_types;
    std::vector<VeldSoort> m_soorten;
    QHash<QString, int> m_opNaam;
    std::vector<std::vector<Waarde>> m_rijen;
    qint64 m_pos = 0;
};

} // namespace

std::shared_ptr<RecordsetImpl> maakSqlRecordset(std::shared_ptr<Verbinding> v, const QString& sql,
                                                const QList<Waarde>& parameters)
{
    return std::make_shared<SqlRecordset>(std::move(v), sql, parameters);
}

} // namespace db::detail
