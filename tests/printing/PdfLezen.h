#pragma once

// Saved documents as another program prints them: LibreOffice turns them into PDF, pdftotext gives the text
// with the place of every word on its page.

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>

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

/**
 * Converts the documents to PDF in the folder: one LibreOffice run, with its profile and its cache of shared
 * extensions in the folder. LibreOffice's first start fills that cache; one of the machine's own, filled by
 * the first start on the machine, is shared by every run started at that moment, and a run that loses the
 * race for it ends at once. With a cache of its own every conversion is independent of other runs and of
 * whether LibreOffice ever started on the machine. Without a PDF for every document the failure says how
 * LibreOffice ended and what it wrote.
 */
inline ::testing::AssertionResult naarPdf(const QStringList& documenten, const QString& map)
{
    const QString uit = QDir(map).absolutePath();
    QDir().mkpath(uit);
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        return ::testing::AssertionFailure() << "LibreOffice (soffice) is not installed";
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(soffice, QStringList{QStringLiteral("-env:UserInstallation=")
                                     + QUrl::fromLocalFile(uit + QStringLiteral("/profiel")).toString(),
                                 QStringLiteral("-env:UNO_SHARED_PACKAGES_CACHE=")
                                     + QUrl::fromLocalFile(uit + QStringLiteral("/gedeelde-uitbreidingen")).toString(),
                                 QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                                 QStringLiteral("--outdir"), uit}
                         + documenten);
    const bool gestart = p.waitForStarted(60000);
    const bool klaar = gestart && p.waitForFinished(180000);
    if (gestart && !klaar) {
        p.kill();
        p.waitForFinished(10000);
    }
    QStringList ontbrekend;
    for (const QString& document : documenten) {
        const QString pdf = uit + u'/' + QFileInfo(document).completeBaseName() + QStringLiteral(".pdf");
        if (!QFileInfo::exists(pdf))
            ontbrekend << pdf;
    }
    if (klaar && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 && ontbrekend.isEmpty())
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult fout = ::testing::AssertionFailure();
    fout << "LibreOffice made no PDF of " << documenten.join(QStringLiteral(", ")).toStdString() << ": ";
    if (!gestart)
        fout << "it did not start (" << p.errorString().toStdString() << ")";
    else if (!klaar)
        fout << "it did not finish within 180 s";
    else if (p.exitStatus() != QProcess::NormalExit)
        fout << "it crashed";
    else
        fout << "exit code " << p.exitCode();
    if (!ontbrekend.isEmpty())
        fout << "; missing " << ontbrekend.join(QStringLiteral(", ")).toStdString();
    fout << "\nLibreOffice's output:\n" << QString::fromLocal8Bit(p.readAll()).toStdString();
    return fout;
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

/** A text without its white space, as the words of a line read one after the other. */
inline QString zonderWit(QString s)
{
    s.remove(QRegularExpression(QStringLiteral("\\s")));
    return s;
}

/** One printed line of a column: its height on the page and its words joined. */
struct Regel
{
    double y1 = 0, y2 = 0;
    QString tekst;
    double midden() const { return (y1 + y2) / 2; }
};

/**
 * The texts of a column of cells as printed on a page: read line by line from the top, the words whose left
 * edge lies between x1 and x2 hold the texts one after the other, every word of each; and each text starts a
 * full line below the last line of the text above it, so that no line of a cell runs into the next row.
 */
inline ::testing::AssertionResult kolomGedrukt(const Pdf& pdf, int pagina, double x1, double x2, const QStringList& teksten)
{
    QList<PdfWoord> woorden;
    for (const auto& w : pdf.woorden) {
        if (w.pagina == pagina && w.x1 >= x1 && w.x1 < x2)
            woorden.append(w);
    }
    std::sort(woorden.begin(), woorden.end(), [](const auto& a, const auto& b) { return a.y1 < b.y1; });
    QList<QList<PdfWoord>> opRegels;
    for (const auto& w : woorden) {
        if (opRegels.isEmpty() || w.y1 - opRegels.last().first().y1 > 2)
            opRegels.append(QList<PdfWoord>());
        opRegels.last().append(w);
    }
    QList<Regel> regels;
    for (auto& r : opRegels) {
        std::sort(r.begin(), r.end(), [](const auto& a, const auto& b) { return a.x1 < b.x1; });
        Regel regel{r.first().y1, r.first().y2, QString()};
        for (const auto& w : r) {
            regel.tekst += w.tekst;
            regel.y2 = std::max(regel.y2, w.y2);
        }
        regels.append(regel);
    }
    // The texts from a line on: the first line after the last text, or the text that is not printed whole.
    const auto lezen = [&](qsizetype r, QString& fout) -> qsizetype {
        const Regel* vorige = nullptr;
        for (const QString& tekst : teksten) {
            const QString doel = zonderWit(tekst);
            QString gelezen;
            const Regel* eersteRegel = nullptr;
            while (gelezen != doel) {
                if (r == regels.size() || !doel.startsWith(gelezen + regels[r].tekst)) {
                    fout = QStringLiteral("page %1: \"%2\" printed as \"%3\"")
                               .arg(pagina)
                               .arg(tekst, gelezen + (r < regels.size() ? u'|' + regels[r].tekst : QString()));
                    return -1;
                }
                if (!eersteRegel)
                    eersteRegel = &regels[r];
                gelezen += regels[r++].tekst;
            }
            if (vorige && eersteRegel->midden() - vorige->midden() < 0.8 * (vorige->y2 - vorige->y1)) {
                fout = QStringLiteral("page %1: \"%2\" runs into the line above it").arg(pagina).arg(tekst);
                return -1;
            }
            vorige = &regels[r - 1];
        }
        return r;
    };
    // The column holds the texts from its first line that begins the first text.
    QString eersteFout;
    for (qsizetype r = 0; r < regels.size(); ++r) {
        if (!zonderWit(teksten.value(0)).startsWith(regels[r].tekst))
            continue;
        QString fout;
        if (lezen(r, fout) >= 0)
            return ::testing::AssertionSuccess();
        if (eersteFout.isEmpty())
            eersteFout = fout;
    }
    if (eersteFout.isEmpty())
        eersteFout = QStringLiteral("page %1: \"%2\" not printed").arg(pagina).arg(teksten.value(0));
    return ::testing::AssertionFailure() << eersteFout.toStdString();
}

} // namespace testhulp
