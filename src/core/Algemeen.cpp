#include "Algemeen.h"

namespace core {

namespace {
Algemeen*& instantie()
{
    static Algemeen* a = new Algemeen;
    return a;
}

const Klok*& huidigeKlok()
{
    static const Klok* k = nullptr;
    return k;
}
} // namespace

Algemeen& algemeen()
{
    return *instantie();
}

void algemeenHerstellen()
{
    Algemeen*& a = instantie();
    if (a->dbGegevens.isOpen())
        a->dbGegevens.sluiten();
    delete a;
    a = new Algemeen;
}

EventsUit::EventsUit()
    : m_was(algemeen().blnEventsActief)
{
    algemeen().blnEventsActief = false;
}

EventsUit::~EventsUit()
{
    algemeen().blnEventsActief = m_was;
}

QDateTime Klok::nu() const
{
    return QDateTime::currentDateTime();
}

const Klok& klok()
{
    static const Klok systeem;
    const Klok* k = huidigeKlok();
    return k ? *k : systeem;
}

const Klok* zetKlok(const Klok* nieuw)
{
    const Klok* vorige = huidigeKlok();
    huidigeKlok() = nieuw;
    return vorige;
}

QDate vandaag()
{
    return klok().nu().date();
}

QString metScheidingsteken(const QString& pad)
{
    if (pad.endsWith(u'/') || pad.endsWith(u'\\'))
        return pad;
    return pad + u'/';
}

} // namespace core
