#pragma once

// Saved documents as another program prints them: LibreOffice turns them into PDF, pdftotext gives the text
// with the place of every word on its page.

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace testhulp {

struct PdfWoord
{
    int pagina = 0; ///< from 1
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QString tekst;
};

struct Pdf
{
    int paginas = 0;
    double breedte = 0, hoogte = 0;
    QList<PdfWoord> woorden;
    QString tekst; ///< pdftotext -layout
};

/** Whether LibreOffice and pdftotext are there. */
inline bool pdfMogelijk()
{
    return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty()
           && !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

/** Converts the documents to PDF in the folder (one LibreOffice run, its profile in the folder). */
inline bool naarPdf(const QStringList& documenten, const QString& map)
{
    QDir().mkpath(map);
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("soffice")),
            QStringList{QStringLiteral("-env:UserInstallation=file://") + map + QStringLiteral("/profiel"),
                        QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                        QStringLiteral("--outdir"), map}
                + documenten);
    return p.waitForFinished(180000) && p.exitCode() == 0;
}

/** The PDF that naarPdf made of a document. */
inline Pdf pdfLezen(const QString& document, const QString& map)
{
    const QString pdf = map + u'/' + QFileInfo(document).completeBaseName() + QStringLiteral(".pdf");
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    Pdf r;
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    QXmlStreamReader xml(p.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == u"page") {
            ++r.paginas;
            r.breedte = a.value("width").toDouble();
            r.hoogte = a.value("height").toDouble();
        } else if (xml.name() == u"word") {
            PdfWoord w{r.paginas, a.value("xMin").toDouble(), a.value("yMin").toDouble(), a.value("xMax").toDouble(),
                       a.value("yMax").toDouble(), QString()};
            w.tekst = xml.readElementText();
            r.woorden.append(w);
        }
    }
    QProcess t;
    t.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    t.waitForFinished(60000);
    r.tekst = QString::fromUtf8(t.readAllStandardOutput());
    return r;
}

} // namespace testhulp
