#include "AnderProgramma.h"

#include <QFile>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sqlite3.h>
#include <thread>

namespace testhulp {

struct AnderProgramma::Staat
{
    std::mutex slot;
    std::condition_variable wijziging;
    bool gehouden = false;
    bool klaar = false;
    bool loslaten = false;
    bool zelfLosgelaten = false;
    QString fout;
    std::thread draad;
};

namespace {

QString uitvoeren(sqlite3* db, const char* sql)
{
    char* fout = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &fout) == SQLITE_OK)
        return QString();
    const QString tekst = QStringLiteral("%1: %2").arg(QString::fromLatin1(sql), QString::fromUtf8(fout ? fout : ""));
    sqlite3_free(fout);
    return tekst;
}

} // namespace

AnderProgramma::AnderProgramma(const QString& pad, Slot slot, int langstens)
    : m_staat(std::make_shared<Staat>())
{
    const QByteArray bestand = QFile::encodeName(pad);
    std::shared_ptr<Staat> s = m_staat;
    s->draad = std::thread([s, bestand, slot, langstens] {
        sqlite3* db = nullptr;
        QString fout;
        if (sqlite3_open_v2(bestand.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr) != SQLITE_OK)
            fout = QStringLiteral("openen: ") + QString::fromUtf8(sqlite3_errmsg(db));
        // A read transaction holds its lock from its first read until it ends.
        if (fout.isEmpty())
            fout = uitvoeren(db, slot == Slot::Lezen ? "BEGIN" : slot == Slot::Schrijven ? "BEGIN IMMEDIATE" : "BEGIN EXCLUSIVE");
        if (fout.isEmpty())
            fout = uitvoeren(db, "SELECT count(*) FROM sqlite_master");
        std::unique_lock<std::mutex> l(s->slot);
        s->fout = fout;
        s->gehouden = fout.isEmpty();
        s->wijziging.notify_all();
        if (s->gehouden) {
            s->zelfLosgelaten = !s->wijziging.wait_for(l, std::chrono::milliseconds(langstens), [&] { return s->loslaten; });
            uitvoeren(db, "ROLLBACK");
        }
        sqlite3_close_v2(db);
        s->klaar = true;
        s->wijziging.notify_all();
    });
    std::unique_lock<std::mutex> l(s->slot);
    s->wijziging.wait(l, [&] { return s->gehouden || s->klaar; });
}

AnderProgramma::~AnderProgramma()
{
    loslaten();
    m_staat->draad.join();
}

QString AnderProgramma::fout() const
{
    std::lock_guard<std::mutex> l(m_staat->slot);
    return m_staat->fout;
}

void AnderProgramma::loslaten()
{
    std::unique_lock<std::mutex> l(m_staat->slot);
    m_staat->loslaten = true;
    m_staat->wijziging.notify_all();
    m_staat->wijziging.wait(l, [&] { return m_staat->klaar; });
}

bool AnderProgramma::zelfLosgelaten() const
{
    std::lock_guard<std::mutex> l(m_staat->slot);
    return m_staat->zelfLosgelaten;
}

} // namespace testhulp
