#include "Recordset.h"

#include "Verbinding.h"

namespace db {

namespace {

// The field's number by a name in any encoding; an ASCII name is widened on the stack.
int veldNummer(const detail::RecordsetImpl& rs, QAnyStringView naam)
{
    return naam.visit([&rs](auto v) -> int {
        if constexpr (std::is_same_v<decltype(v), QStringView>) {
            return rs.veldIndex(v);
        } else {
            const auto* p = reinterpret_cast<const unsigned char*>(v.data());
            const qsizetype n = v.size();
            char16_t buffer[64];
            bool ascii = n <= 64;
            for (qsizetype i = 0; ascii && i < n; ++i) {
                ascii = p[i] < 0x80;
                buffer[i] = p[i];
            }
            if (ascii)
                return rs.veldIndex(QStringView(buffer, n));
            return rs.veldIndex(v.toString());
        }
    });
}

} // namespace

VeldRef::VeldRef(Recordset& rs, QAnyStringView naam)
    : m_rs(rs)
    , m_nummer(veldNummer(rs.impl(), naam))
{
    if (m_nummer < 0) {
        const QString tabel = rs.tabelNaam();
        throw DbFout(DbFout::Soort::OnbekendVeld,
                     tabel.isEmpty() ? QStringLiteral("Het veld '%1' bestaat niet.").arg(naam.toString())
                                     : QStringLiteral("Het veld '%1' bestaat niet in '%2'.").arg(naam.toString(), tabel));
    }
}

VeldRef::operator Waarde() const
{
    return m_rs.veld(m_nummer);
}

VeldRef& VeldRef::operator=(const Waarde& waarde)
{
    m_rs.impl().zet(m_nummer, waarde);
    return *this;
}

QString VeldRef::tekst() const
{
    return m_rs.veld(m_nummer).tekst();
}

Recordset::Recordset() = default;

Recordset::Recordset(std::shared_ptr<detail::RecordsetImpl> impl)
    : m_impl(std::move(impl))
{
}

detail::RecordsetImpl& Recordset::impl() const
{
    if (!m_impl || !m_impl->isOpen())
        throw DbFout(DbFout::Soort::Gesloten, QStringLiteral("Het recordset is niet geopend."));
    return *m_impl;
}

bool Recordset::isOpen() const
{
    return m_impl && m_impl->isOpen();
}

void Recordset::sluiten()
{
    if (m_impl)
        m_impl->sluiten();
}

bool Recordset::eof() const
{
    return impl().eof();
}

bool Recordset::bof() const
{
    return impl().bof();
}

void Recordset::moveFirst()
{
    impl().moveFirst();
}

void Recordset::moveNext()
{
    impl().moveNext();
}

void Recordset::movePrevious()
{
    impl().movePrevious();
}

void Recordset::moveLast()
{
    impl().moveLast();
}

qint64 Recordset::recordCount() const
{
    return impl().recordCount();
}

int Recordset::aantalVelden() const
{
    return impl().aantalVelden();
}

QString Recordset::veldNaam(int i) const
{
    return impl().veldNaam(i);
}

QString Recordset::veldType(int i) const
{
    return impl().veldType(i);
}

bool Recordset::heeftVeld(const QString& naam) const
{
    return impl().veldIndex(naam) >= 0;
}

namespace {
int veldOfFout(detail::RecordsetImpl& rs, const QString& naam)
{
    const int i = rs.veldIndex(naam);
    if (i < 0) {
        const QString tabel = rs.tabelNaam();
        throw DbFout(DbFout::Soort::OnbekendVeld,
                     tabel.isEmpty() ? QStringLiteral("Het veld '%1' bestaat niet.").arg(naam)
                                     : QStringLiteral("Het veld '%1' bestaat niet in '%2'.").arg(naam, tabel));
    }
    return i;
}
} // namespace

int Recordset::veldNummer(const QString& naam) const
{
    return veldOfFout(impl(), naam);
}

Waarde Recordset::veld(const QString& naam) const
{
    detail::RecordsetImpl& rs = impl();
    return rs.veld(veldOfFout(rs, naam));
}

Waarde Recordset::veld(int i) const
{
    detail::RecordsetImpl& rs = impl();
    if (i < 0 || i >= rs.aantalVelden())
        throw DbFout(DbFout::Soort::OnbekendVeld, QStringLiteral("Er is geen veld met nummer %1.").arg(i));
    return rs.veld(i);
}

void Recordset::zet(const QString& naam, const Waarde& waarde)
{
    detail::RecordsetImpl& rs = impl();
    rs.zet(veldOfFout(rs, naam), waarde);
}

void Recordset::zet(int i, const Waarde& waarde)
{
    detail::RecordsetImpl& rs = impl();
    if (i < 0 || i >= rs.aantalVelden())
        throw DbFout(DbFout::Soort::OnbekendVeld, QStringLiteral("Er is geen veld met nummer %1.").arg(i));
    rs.zet(i, waarde);
}

QString Recordset::tabelNaam() const
{
    return impl().tabelNaam();
}

QString Recordset::index() const
{
    return impl().index();
}

void Recordset::setIndex(const QString& naam)
{
    impl().setIndex(naam);
}

void Recordset::seek(const QString& vergelijking, const QList<Waarde>& sleutels)
{
    impl().seek(vergelijking, sleutels);
}

bool Recordset::noMatch() const
{
    return impl().noMatch();
}

void Recordset::edit()
{
    impl().edit();
}

void Recordset::addNew()
{
    impl().addNew();
}

void Recordset::update()
{
    detail::RecordsetImpl& rs = impl();
    try {
        rs.update();
    } catch (...) {
        // A write that failed leaves nothing pending: the fields read as stored again, and the
        // next writer starts from a clean edit.
        try {
            rs.cancelUpdate();
        } catch (const DbFout&) {
            // Not an updatable recordset at all: there was nothing pending.
        }
        throw;
    }
}

void Recordset::cancelUpdate()
{
    impl().cancelUpdate();
}

void Recordset::remove()
{
    impl().remove();
}

} // namespace db
