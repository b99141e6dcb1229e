#include "ui/Bureaublad.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <memory>

namespace ui {

namespace {

Bureaublad* s_gezet = nullptr;

// Whether the printing system has a default destination.
bool heeftStandaardprinter()
{
    const QString lpstat = QStandardPaths::findExecutable(QStringLiteral("lpstat"));
    if (lpstat.isEmpty())
        return false;
    QProcess p;
    p.start(lpstat, {QStringLiteral("-d")});
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        return false;
    const QString uit = QString::fromLocal8Bit(p.readAllStandardOutput());
    return uit.contains(u':') && !uit.contains(QStringLiteral("no system default"));
}

} // namespace

Bureaublad& bureaublad()
{
    if (s_gezet)
        return *s_gezet;
    static const std::unique_ptr<EchtBureaublad> echt = std::make_unique<EchtBureaublad>();
    return *echt;
}

Bureaublad* zetBureaublad(Bureaublad* nieuw)
{
    Bureaublad* vorige = s_gezet;
    s_gezet = nieuw;
    return vorige;
}

bool EchtBureaublad::openen(const QString& pad)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pad));
}

Bureaublad::Afdruk EchtBureaublad::afdrukken(const QString& pad)
{
    QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        soffice = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    if (soffice.isEmpty())
        return Afdruk::GeenLibreOffice;
    if (!heeftStandaardprinter())
        return Afdruk::GeenPrinter;
    QProcess p;
    p.start(soffice, {QStringLiteral("--headless"), QStringLiteral("-p"), pad});
    if (!p.waitForFinished(180000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return Afdruk::Mislukt;
    return Afdruk::Gelukt;
}

TestBureaublad::TestBureaublad()
    : m_vorige(zetBureaublad(this))
{
}

TestBureaublad::~TestBureaublad()
{
    zetBureaublad(m_vorige);
}

bool TestBureaublad::openen(const QString& pad)
{
    geopend << pad;
    return kanOpenen;
}

Bureaublad::Afdruk TestBureaublad::afdrukken(const QString& pad)
{
    afgedrukt << pad;
    return afdruk;
}

} // namespace ui
