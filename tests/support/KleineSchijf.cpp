#include "KleineSchijf.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace testhulp {

KleineSchijf::KleineSchijf(const QString& map, qint64 grootte)
    : m_map(map)
{
    const QByteArray doel = QFile::encodeName(map);
    const QByteArray opties = "size=" + QByteArray::number(grootte) + ",mode=0777";
    if (::mount("tmpfs", doel.constData(), "tmpfs", MS_NOSUID | MS_NODEV, opties.constData()) != 0) {
        m_reden = QStringLiteral("a small file system cannot be mounted here (%1): the full disk is not tried")
                      .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_gemount = true;
}

KleineSchijf::~KleineSchijf()
{
    if (m_gemount)
        ::umount2(QFile::encodeName(m_map).constData(), MNT_DETACH);
}

void KleineSchijf::vullen()
{
    const int fd = ::open(QFile::encodeName(m_map + QStringLiteral("/vulling")).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    // Whole pages first, then single bytes, until the file system takes nothing more.
    static const char blok[4096] = {};
    while (::write(fd, blok, sizeof blok) > 0) {
    }
    while (::write(fd, blok, 1) > 0) {
    }
    ::close(fd);
}

void KleineSchijf::legen()
{
    QFile::remove(m_map + QStringLiteral("/vulling"));
}

} // namespace testhulp
