#include "bestand/Schrijver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <dirent.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bestand {

namespace {

// Blocks of this size go to the disk; the last one is always written by afsluiten().
constexpr qsizetype StandaardBlok = 64 * 1024;

std::optional<Storing> geplant;

bool gestoord(Stap stap)
{
    return geplant && geplant->stap == stap;
}

QByteArray systeemnaam(const QString& pad)
{
    return QFile::encodeName(pad);
}

// The system's calls of writing a file. A planted failure makes a call fail as the system would, so that the
// checks of the writer itself are what a test reaches.

int openAanroep(const QByteArray& naam)
{
    if (gestoord(Stap::Openen)) {
        errno = geplant->foutnummer;
        return -1;
    }
    return ::open(naam.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

int syncAanroep(int fd)
{
    if (gestoord(Stap::Synchroniseren)) {
        errno = geplant->foutnummer;
        return -1;
    }
    return ::fsync(fd);
}

// A close that fails has closed the file all the same.
int sluitAanroep(int fd)
{
    const int uitkomst = ::close(fd);
    if (gestoord(Stap::Sluiten)) {
        errno = geplant->foutnummer;
        return -1;
    }
    return uitkomst;
}

int hernoemAanroep(const QByteArray& van, const QByteArray& naar)
{
    if (gestoord(Stap::Hernoemen)) {
        errno = geplant->foutnummer;
        return -1;
    }
    return ::rename(van.constData(), naar.constData());
}

// The name of the copy: the file's name, this mark, and a random part of this many lowercase letters and digits
// in turn, a letter first ("k4w0q7"). Names that users give their own copies ("versie", "backup", "kopie1", a
// date) do not have that shape, so that only copies of this writer are taken for left behind.
const QString Merk = QStringLiteral(".nieuw-");
constexpr int LengteWillekeurig = 6;

bool letterPlaats(int i)
{
    return i % 2 == 0;
}

QString willekeurig()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz";
    static const char cijfers[] = "0123456789";
    QString t;
    for (int i = 0; i < LengteWillekeurig; ++i) {
        const char* tekens = letterPlaats(i) ? letters : cijfers;
        const int aantal = letterPlaats(i) ? int(sizeof letters) - 1 : int(sizeof cijfers) - 1;
        t += QLatin1Char(tekens[QRandomGenerator::global()->bounded(aantal)]);
    }
    return t;
}

bool isWillekeurig(QStringView t)
{
    if (t.size() != LengteWillekeurig)
        return false;
    for (int i = 0; i < LengteWillekeurig; ++i) {
        const QChar c = t[i];
        if (letterPlaats(i) ? !(c >= u'a' && c <= u'z') : !(c >= u'0' && c <= u'9'))
            return false;
    }
    return true;
}

// Removes the copies that earlier writes of the file left beside it: a write killed before its copy took the
// name (a write that fails removes its own). The file's name is compared without regard to case, as the program
// compares the names of its files; the mark and the random part only as this writer makes them. A write that
// still runs holds a lock on its copy, which then stays; only regular files are removed, never what a link
// points to.
void achtergelatenOpruimen(const QString& doel)
{
    const QFileInfo info(doel);
    const QString map = info.absolutePath();
    const QString voorvoegsel = info.fileName() + Merk;
    DIR* lijst = ::opendir(systeemnaam(map).constData());
    if (!lijst)
        return;
    while (const dirent* e = ::readdir(lijst)) {
        const QString naam = QFile::decodeName(e->d_name);
        const qsizetype merk = info.fileName().size();
        if (naam.size() != voorvoegsel.size() + LengteWillekeurig
            || QStringView(naam).first(merk).compare(info.fileName(), Qt::CaseInsensitive) != 0
            || QStringView(naam).sliced(merk, Merk.size()) != Merk
            || !isWillekeurig(QStringView(naam).sliced(voorvoegsel.size())))
            continue;
        const QByteArray pad = systeemnaam(map + u'/' + naam);
        const int fd = ::open(pad.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat kopie;
        struct stat nu;
        if (::fstat(fd, &kopie) == 0 && S_ISREG(kopie.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0
            && ::lstat(pad.constData(), &nu) == 0 && nu.st_dev == kopie.st_dev && nu.st_ino == kopie.st_ino)
            ::unlink(pad.constData());
        ::close(fd);
    }
    ::closedir(lijst);
}

// Locks the new copy for as long as its write runs, so that another write of the file leaves it alone: on a
// descriptor of its own, which stays open when the copy is closed before it takes the name. -1 when the copy
// was taken away first (by another write that found it unlocked a moment ago): then it is made again.
int kopieVasthouden(const QByteArray& naam, int fd, bool& weg)
{
    weg = false;
    const int slot = ::open(naam.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (slot < 0) {
        weg = errno == ENOENT;
        return -1;
    }
    if (::flock(slot, LOCK_EX | LOCK_NB) != 0) {
        // Held by another write that is about to remove it; a file system without these locks writes without.
        weg = errno == EWOULDBLOCK;
        ::close(slot);
        return -1;
    }
    struct stat eigen;
    struct stat vastgehouden;
    if (::fstat(fd, &eigen) != 0 || ::fstat(slot, &vastgehouden) != 0 || eigen.st_nlink == 0
        || eigen.st_ino != vastgehouden.st_ino || eigen.st_dev != vastgehouden.st_dev) {
        weg = true;
        ::close(slot);
        return -1;
    }
    return slot;
}

} // namespace

QString oorzaakVan(int foutnummer)
{
    switch (foutnummer) {
    case ENOSPC:
        return QStringLiteral("Onvoldoende schijfruimte");
    case EDQUOT:
        return QStringLiteral("Onvoldoende schijfruimte: de gebruiker heeft zijn deel van de schijf opgebruikt");
    case EIO:
        return QStringLiteral("De schijf meldt een fout bij het schrijven");
    case EROFS:
        return QStringLiteral("Op de schijf kan alleen gelezen worden");
    case EACCES:
    case EPERM:
        return QStringLiteral("Geen toegang: er mag in deze map niet geschreven worden");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("De map bestaat niet");
    case EISDIR:
        return QStringLiteral("Er staat een map met die naam");
    case EFBIG:
        return QStringLiteral("Het bestand is te groot voor de schijf");
    case ENAMETOOLONG:
        return QStringLiteral("De naam van het bestand is te lang");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Er zijn te veel bestanden tegelijk geopend");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Het bestand is in gebruik");
    case ENOMEM:
        return QStringLiteral("Onvoldoende geheugen");
    case EEXIST:
        return QStringLiteral("In de map kan geen tijdelijk bestand aangemaakt worden");
    default:
        return QStringLiteral("Fout %1 van het systeem (%2)")
            .arg(foutnummer)
            .arg(QString::fromLocal8Bit(std::strerror(foutnummer)));
    }
}

Schrijver::Schrijver(const QString& pad)
    : m_pad(pad)
    , m_doel(pad)
    , m_blok(geplant && geplant->blokgrootte > 0 ? geplant->blokgrootte : StandaardBlok)
{
    // A symbolic link keeps pointing to the file it names; the file it points to is replaced.
    const QFileInfo info(pad);
    if (info.isSymLink() && !info.symLinkTarget().isEmpty())
        m_doel = info.symLinkTarget();
    struct stat ouder;
    m_ouder = ::stat(systeemnaam(m_doel).constData(), &ouder) == 0 && S_ISREG(ouder.st_mode);

    achtergelatenOpruimen(m_doel);

    // A name of its own beside the file: the rename stays within one file system and replaces in one step.
    int fout = EEXIST;
    for (int poging = 0; poging < 100 && m_fd < 0 && fout == EEXIST; ++poging) {
        const QString naam = m_doel + Merk + willekeurig();
        const QByteArray systeem = systeemnaam(naam);
        m_fd = openAanroep(systeem);
        if (m_fd < 0) {
            fout = errno;
            continue;
        }
        bool weg = false;
        m_slot = kopieVasthouden(systeem, m_fd, weg);
        if (weg) {
            ::close(m_fd);
            m_fd = -1;
            continue;
        }
        m_tijdelijk = naam;
    }
    if (m_fd < 0) {
        mislukt(fout);
        return;
    }
    // The new file gets the rights of the one it replaces.
    if (m_ouder)
        ::fchmod(m_fd, ouder.st_mode & 07777);
    m_buffer.reserve(m_blok);
}

Schrijver::~Schrijver()
{
    if (!m_vervangen)
        opruimen();
}

bool Schrijver::schrijven(QByteArrayView bytes)
{
    if (!ok() || m_fd < 0)
        return false;
    const char* p = bytes.data();
    qsizetype rest = bytes.size();
    // A full block is written only once more bytes follow it, so that the last block is left to afsluiten().
    while (rest > 0) {
        if (m_buffer.size() == m_blok) {
            if (!blokSchrijven(m_buffer.constData(), m_buffer.size(), false))
                return false;
            m_buffer.clear();
        }
        if (m_buffer.isEmpty() && rest > m_blok) {
            if (!blokSchrijven(p, m_blok, false))
                return false;
            p += m_blok;
            rest -= m_blok;
            continue;
        }
        const qsizetype deel = std::min(rest, m_blok - m_buffer.size());
        m_buffer.append(p, deel);
        p += deel;
        rest -= deel;
    }
    return true;
}

bool Schrijver::blokSchrijven(const char* data, qsizetype lengte, bool laatste)
{
    ++m_schrijfbeurten;
    if ((gestoord(Stap::Schrijven) && geplant->keer == m_schrijfbeurten) || (gestoord(Stap::LaatsteBlok) && laatste))
        m_storing = lengte > 1 ? Storing::Deel : Storing::Weigeren;
    qsizetype rest = lengte;
    while (rest > 0) {
        const qint64 geschreven = schrijfAanroep(data, rest);
        if (geschreven < 0 && errno == EINTR)
            continue;
        if (geschreven < 0)
            return mislukt(errno);
        if (geschreven == 0)
            return mislukt(EIO);
        data += geschreven;
        rest -= geschreven;
    }
    return true;
}

qint64 Schrijver::schrijfAanroep(const char* data, qsizetype lengte)
{
    // A planted failure takes part of the block first and then refuses the rest, as a disk that fills up does.
    switch (m_storing) {
    case Storing::Deel:
        m_storing = Storing::Weigeren;
        return ::write(m_fd, data, static_cast<size_t>(lengte / 2));
    case Storing::Weigeren:
        m_storing = Storing::Geen;
        errno = geplant->foutnummer;
        return -1;
    case Storing::Geen:
        break;
    }
    return ::write(m_fd, data, static_cast<size_t>(lengte));
}

bool Schrijver::afsluiten()
{
    if (!ok())
        return false;
    if (m_fd < 0)
        return true;
    if (!m_buffer.isEmpty()) {
        if (!blokSchrijven(m_buffer.constData(), m_buffer.size(), true))
            return false;
        m_buffer.clear();
    }
    // Only a file that the disk holds may replace the older one: an error of the disk shows at the latest here.
    if (syncAanroep(m_fd) != 0)
        return mislukt(errno);
    const int gesloten = sluitAanroep(m_fd);
    m_fd = -1;
    if (gesloten != 0)
        return mislukt(errno);
    return true;
}

bool Schrijver::vervangen()
{
    if (m_vervangen)
        return true;
    if (!afsluiten())
        return false;
    if (hernoemAanroep(systeemnaam(m_tijdelijk), systeemnaam(m_doel)) != 0)
        return mislukt(errno);
    m_tijdelijk.clear();
    m_vervangen = true;
    loslaten();
    // The new name on the disk as well. The file is whole under its name by now, so a failure here does not
    // make it a failed write.
    const QByteArray mapnaam = systeemnaam(QFileInfo(m_doel).absolutePath());
    const int map = ::open(mapnaam.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (map >= 0) {
        ::fsync(map);
        ::close(map);
    }
    return true;
}

void Schrijver::afbreken(const QString& oorzaak)
{
    if (m_vervangen)
        return;
    m_oorzaak = oorzaak.isEmpty() ? QStringLiteral("Het schrijven werd afgebroken") : oorzaak;
    opruimen();
}

bool Schrijver::mislukt(int foutnummer)
{
    m_oorzaak = oorzaakVan(foutnummer);
    opruimen();
    return false;
}

void Schrijver::opruimen()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_tijdelijk.isEmpty())
        ::unlink(systeemnaam(m_tijdelijk).constData());
    m_tijdelijk.clear();
    m_buffer.clear();
    loslaten();
}

void Schrijver::loslaten()
{
    if (m_slot >= 0)
        ::close(m_slot);
    m_slot = -1;
}

QString Schrijver::oorzaakTekst(QStringView regeleinde) const
{
    if (ok())
        return {};
    QString tekst = m_oorzaak + u'.';
    if (m_ouder)
        tekst += regeleinde.toString() + QStringLiteral("Het vorige bestand met die naam bleef ongewijzigd.");
    return tekst;
}

QString Schrijver::melding(QStringView regeleinde) const
{
    if (ok())
        return {};
    return QStringLiteral("Het bestand \"") + QDir::toNativeSeparators(m_pad)
           + QStringLiteral("\" kon niet opgeslagen worden:") + regeleinde.toString() + oorzaakTekst(regeleinde);
}

bool bestandSchrijven(const QString& pad, QByteArrayView inhoud, QString* fout, QStringView regeleinde)
{
    Schrijver schrijver(pad);
    if (schrijver.schrijven(inhoud) && schrijver.vervangen())
        return true;
    if (fout)
        *fout = schrijver.melding(regeleinde);
    return false;
}

GeplandeStoring::GeplandeStoring(const Storing& storing)
{
    geplant = storing;
}

GeplandeStoring::~GeplandeStoring()
{
    geplant.reset();
}

} // namespace bestand
