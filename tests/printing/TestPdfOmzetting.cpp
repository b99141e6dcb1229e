// The tests' conversion of documents to PDF by LibreOffice: each run is independent of every other run and of
// LibreOffice's first start on the machine, and a run that makes no PDF says why.

#include "PdfLezen.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <future>
#include <vector>

namespace {

QString tekstbestand(const QTemporaryDir& map, const QString& naam, const QByteArray& inhoud)
{
    const QString pad = map.filePath(naam);
    QFile f(pad);
    if (f.open(QIODevice::WriteOnly))
        f.write(inhoud);
    return pad;
}

// Runs started at the same moment, each in a folder of its own that holds its profile and its cache of shared
// extensions (the one LibreOffice's first start fills), so that none waits for or races another.
TEST(PdfOmzetting, RunsStartedTogetherEachUseTheirOwnProfileAndExtensionCache)
{
    if (!testhulp::pdfMogelijk())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    QTemporaryDir map;
    ASSERT_TRUE(map.isValid());
    std::vector<std::future<::testing::AssertionResult>> runs;
    for (int i = 1; i <= 3; ++i) {
        const QString document = tekstbestand(map, QStringLiteral("brief%1.txt").arg(i), "Ploeg " + QByteArray::number(i));
        const QString uit = map.filePath(QStringLiteral("pdf%1").arg(i));
        runs.push_back(std::async(std::launch::async, [document, uit] { return testhulp::naarPdf({document}, uit); }));
    }
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        const QString uit = map.filePath(QStringLiteral("pdf%1").arg(i));
        EXPECT_TRUE(runs[i - 1].get());
        EXPECT_TRUE(QFileInfo(uit + QStringLiteral("/profiel/user")).isDir());
        EXPECT_TRUE(QFileInfo(uit + QStringLiteral("/gedeelde-uitbreidingen")).isDir());
        EXPECT_TRUE(testhulp::pdfLezen(map.filePath(QStringLiteral("brief%1.txt").arg(i)), uit)
                        .tekst.contains(QStringLiteral("Ploeg %1").arg(i)));
    }
}

// A document LibreOffice cannot load: no PDF, and the failure gives LibreOffice's exit code and what it wrote.
TEST(PdfOmzetting, WithoutAPdfTheFailureSaysHowLibreOfficeEndedAndWhatItWrote)
{
    if (!testhulp::pdfMogelijk())
        GTEST_SKIP() << "LibreOffice or pdftotext is not installed";
    QTemporaryDir map;
    ASSERT_TRUE(map.isValid());
    const ::testing::AssertionResult r = testhulp::naarPdf({map.filePath(QStringLiteral("bestaat-niet.docx"))},
                                                           map.filePath(QStringLiteral("pdf")));
    ASSERT_FALSE(r);
    const std::string melding = r.message();
    EXPECT_NE(melding.find("exit code "), std::string::npos) << melding;
    EXPECT_NE(melding.find("bestaat-niet.pdf"), std::string::npos) << melding;
    EXPECT_NE(melding.find("could not be loaded"), std::string::npos) << melding;
}

} // namespace
