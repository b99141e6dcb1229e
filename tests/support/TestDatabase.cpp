#include "TestDatabase.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace testhulp {

QString shippedMap()
{
    const QByteArray omgeving = qgetenv("SHIPPED_DIR");
    return QDir(omgeving.isEmpty() ? QStringLiteral(INTERCLUB_SHIPPED_DIR) : QString::fromLocal8Bit(omgeving))
        .absolutePath();
}

QString applicatiemapVullen(const QString& map)
{
    const QDir van(shippedMap());
    for (const char* naam : {"QJ-Deel7.mdb", "Tabellen.mdb", "update20100807.txt"}) {
        const QString doel = QDir(map).filePath(naam);
        QFile::remove(doel);
        if (!QFile::copy(van.filePath(naam), doel))
            throw std::runtime_error(("kan " + van.filePath(naam) + " niet kopiëren").toStdString());
        QFile::setPermissions(doel, QFile::ReadOwner | QFile::WriteOwner);
    }
    return QDir(map).filePath("QJ-Deel7.mdb");
}

} // namespace testhulp
