// The web service client against a fake service on this machine.

#include "NepDienst.h"
#include "soap/Adres.h"
#include "soap/clsws_TabTAPIService.h"

#include <gtest/gtest.h>

using soap::clsws_TabTAPIService;
using soap::Fout;
using testhulp::NepDienst;

namespace {

const QString LedenAntwoord = QStringLiteral(
    "<ns1:MemberCount>2</ns1:MemberCount>"
    "<ns1:MemberEntries><ns1:Position>1</ns1:Position><ns1:UniqueIndex>123456</ns1:UniqueIndex>"
    "<ns1:RankingIndex>3</ns1:RankingIndex><ns1:FirstName>Jan</ns1:FirstName><ns1:LastName>Peeters</ns1:LastName>"
    "<ns1:Ranking>C2</ns1:Ranking><ns1:Status>A</ns1:Status><ns1:Club>A003</ns1:Club></ns1:MemberEntries>"
    "<ns1:MemberEntries><ns1:Position>2</ns1:Position><ns1:UniqueIndex>123457</ns1:UniqueIndex>"
    "<ns1:FirstName>An</ns1:FirstName><ns1:LastName>D'Hondt &amp; Co</ns1:LastName><ns1:Ranking>NG</ns1:Ranking>"
    "</ns1:MemberEntries>");

class SoapClientTest : public ::testing::Test
{
protected:
    // The body of the last request, checked against the service's schema.
    void geldig(const NepDienst::Verzoek& v)
    {
        EXPECT_EQ(testhulp::verzoekControleren(v.inhoud), QString()) << v.inhoud.toStdString();
    }

    NepDienst m_dienst;
};

} // namespace

TEST_F(SoapClientTest, ReadsTheDescriptionAndCallsTestInTheServicesNamespace)
{
    clsws_TabTAPIService c(m_dienst.adres());
    ASSERT_TRUE(c.client().isKlaar()) << c.laatsteFout().tekst.toStdString();
    EXPECT_EQ(c.client().naamruimte(), NepDienst::Naamruimte);
    EXPECT_EQ(c.client().eindpunt().toString(), m_dienst.adres());

    // "test" is the operation Test; its request element is TestRequest, the credentials qualified.
    const auto a = c.test(soap::inloggegevens("club<&>", "geheim\"'"));
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(soap::tekstVan(*a, u"IsValidAccount"), "false");
    EXPECT_EQ(soap::tekstVan(*a, u"Language"), "nl");
    ASSERT_EQ(m_dienst.verzoeken().size(), 1);
    const auto& v = m_dienst.verzoeken().first();
    EXPECT_EQ(v.operatie, "TestRequest");
    EXPECT_EQ(v.soapAction, "\"Test\"");
    geldig(v);
    // The values were escaped and reach the service unchanged.
    EXPECT_TRUE(v.inhoud.contains("<ns1:Account>club&lt;&amp;&gt;</ns1:Account>")) << v.inhoud.toStdString();

    // The bare connection test sends an empty request.
    EXPECT_TRUE(c.test().has_value());
    geldig(m_dienst.verzoeken().last());
}

TEST_F(SoapClientTest, EveryRequestFollowsTheSchema)
{
    m_dienst.zetAntwoord("GetMembersRequest", LedenAntwoord);
    m_dienst.zetAntwoord("GetClubs", "<ns1:ClubCount>0</ns1:ClubCount>");
    m_dienst.zetAntwoord("GetMatchesRequest", "<ns1:MatchCount>0</ns1:MatchCount>");
    m_dienst.zetAntwoord("GetClubTeamsRequest",
                         "<ns1:ClubName>TTC</ns1:ClubName><ns1:TeamCount>1</ns1:TeamCount><ns1:TeamEntries>"
                         "<ns1:TeamId>1</ns1:TeamId><ns1:Team>A</ns1:Team><ns1:DivisionId>4711</ns1:DivisionId>"
                         "<ns1:DivisionName>Afdeling 1</ns1:DivisionName><ns1:DivisionCategory>1</ns1:DivisionCategory>"
                         "</ns1:TeamEntries>");
    m_dienst.zetAntwoord("GetDivisionRankingRequest", "<ns1:DivisionName>Afdeling 1</ns1:DivisionName>");
    clsws_TabTAPIService c(m_dienst.adres());

    EXPECT_TRUE(c.GetMembers("acc", "pw", "A003", 2, 11, false));
    EXPECT_TRUE(c.GetMembers("acc", "pw", "A003", 27, 11, true));
    EXPECT_TRUE(c.GetMembers("", "", "A003", 3, 11, true));
    EXPECT_TRUE(c.GetOneMemberNameSearch("acc", "pw", "Pee%", 11, true));
    EXPECT_TRUE(c.GetOneMemberUniqueIndex("acc", "pw", 123456, 11, true, 27));
    EXPECT_TRUE(c.GetOneMemberUniqueIndex("", "", 123456, 11, false, 0));
    EXPECT_TRUE(c.GetClubs(4, 11));
    EXPECT_TRUE(c.GetAllClubs(11));
    EXPECT_TRUE(c.GetClubsOneClub(11, "VL-B123"));
    EXPECT_TRUE(c.GetClubTeams("acc", "pw", "A003", 11));
    EXPECT_TRUE(c.GetMatchesPerClub("acc", "pw", "A003", 11, "A", 0));
    EXPECT_TRUE(c.GetMatchesPerClub("acc", "pw", "A003", 11, "A", 1));
    EXPECT_TRUE(c.GetMatchesPerReeks("acc", "pw", "4711", 11));
    EXPECT_TRUE(c.GetDivisionRanking("A003", "Z", 11));
    for (const auto& v : m_dienst.verzoeken())
        geldig(v);

    const auto leden = m_dienst.verzoeken("GetMembersRequest");
    ASSERT_EQ(leden.size(), 6);
    // The short form: neither credentials nor a category.
    EXPECT_FALSE(leden[0].inhoud.contains("Credentials"));
    EXPECT_FALSE(leden[0].inhoud.contains("PlayerCategory"));
    // Each category asks for its own members, through the schema's element.
    EXPECT_TRUE(leden[1].inhoud.contains(">27</ns1:PlayerCategory>"));
    EXPECT_TRUE(leden[2].inhoud.contains(">3</ns1:PlayerCategory>"));
    EXPECT_FALSE(leden[2].inhoud.contains("Credentials"));
    EXPECT_TRUE(leden[4].inhoud.contains(">27</ns1:PlayerCategory>"));
    EXPECT_FALSE(leden[5].inhoud.contains("PlayerCategory"));
    const auto wedstrijden = m_dienst.verzoeken("GetMatchesRequest");
    EXPECT_FALSE(wedstrijden[0].inhoud.contains("DivisionCategory"));
    EXPECT_TRUE(wedstrijden[1].inhoud.contains(">1</ns1:DivisionCategory>"));
    // A team the club does not have asks for division -1.
    EXPECT_TRUE(m_dienst.verzoeken("GetDivisionRankingRequest").last().inhoud.contains(">-1</ns1:DivisionId>"));
    EXPECT_EQ(clsws_TabTAPIService::KorvatSeizoenNaarTekst(11), "2010-2011");
}

TEST_F(SoapClientTest, AnswersAreReadByNameWhateverThePrefixOrTheExtraElements)
{
    // A newer server: other prefix, extra elements before and between the known ones.
    m_dienst.zetAntwoord("GetMatchesRequest",
                         "<ns1:MatchCount>1</ns1:MatchCount><ns1:TeamMatchesEntries>"
                         "<ns1:DivisionName>Afdeling 1 - Prov. Antwerpen - Heren</ns1:DivisionName>"
                         "<ns1:MatchId>PAH01/001</ns1:MatchId><ns1:WeekName>01</ns1:WeekName>"
                         "<ns1:NextWeekName>02</ns1:NextWeekName><ns1:Venue>2</ns1:Venue>"
                         "<ns1:VenueClub>A001</ns1:VenueClub><ns1:VenueEntry><ns1:Name>Hal</ns1:Name></ns1:VenueEntry>"
                         "<ns1:HomeClub>A001</ns1:HomeClub><ns1:HomeTeam>Eerste A</ns1:HomeTeam>"
                         "<ns1:AwayClub>A002</ns1:AwayClub><ns1:AwayTeam>Tweede A</ns1:AwayTeam></ns1:TeamMatchesEntries>");
    clsws_TabTAPIService c(m_dienst.adres());
    const auto a = c.GetMatchesPerReeks("acc", "pw", "1", 11);
    ASSERT_TRUE(a.has_value());
    ASSERT_EQ(soap::alleVan(*a, u"TeamMatchesEntries").size(), 1);
    const soap::Element* w = soap::alleVan(*a, u"TeamMatchesEntries").first();
    EXPECT_EQ(w->kindTekst(u"Venue"), "2");
    EXPECT_EQ(w->kindTekst(u"WeekName"), "01");
    EXPECT_EQ(w->kindTekst(u"Date"), "");
    EXPECT_EQ(w->kind(u"HomeClub")->knoopNaam(), "ns1:HomeClub");

    m_dienst.zetAntwoord("GetMembersRequest", LedenAntwoord);
    const auto leden = c.GetMembers("acc", "pw", "A003", 1, 11, true);
    ASSERT_TRUE(leden.has_value());
    EXPECT_EQ(soap::alleVan(*leden, u"MemberEntries")[1]->kindTekst(u"LastName"), "D'Hondt & Co");
    EXPECT_EQ(soap::alleVan(*leden, u"MemberEntries")[1]->kindTekst(u"RankingIndex"), "");
}

TEST_F(SoapClientTest, FaultsComeBackAsTheServiceSentThem)
{
    m_dienst.zetStoring(NepDienst::Storing::Fault, "9", "Club [X] is not valid.");
    clsws_TabTAPIService c(m_dienst.adres());
    // Raising operations: error 0x80040000 with the fault's text, under the table's source name.
    try {
        c.GetClubsOneClub(11, "X");
        FAIL() << "no error raised";
    } catch (const soap::SoapFout& f) {
        EXPECT_EQ(f.nummer(), -2147221504);
        EXPECT_EQ(f.bron(), "GetClubs");
        EXPECT_EQ(f.beschrijving(), "Club [X] is not valid.");
    }
    try {
        c.GetOneMemberUniqueIndex("", "", 1, 11, false, 1);
        FAIL() << "no error raised";
    } catch (const soap::SoapFout& f) {
        EXPECT_EQ(f.bron(), "GetMembers");
    }
    // The ranking of a team reports under its own name, whichever of its two calls failed.
    try {
        c.GetDivisionRanking("X", "A", 11);
        FAIL() << "no error raised";
    } catch (const soap::SoapFout& f) {
        EXPECT_EQ(f.nummer(), -2147221504);
        EXPECT_EQ(f.bron(), "GetDivisionRanking");
    }
    // The others give nothing and keep the fault for the caller.
    EXPECT_FALSE(c.GetMembers("acc", "pw", "X", 1, 11, true).has_value());
    EXPECT_EQ(c.client().FaultCode(), "9");
    EXPECT_EQ(c.laatsteFout().soort, Fout::Soort::Fault);
    EXPECT_FALSE(c.GetClubTeams("acc", "pw", "X", 11).has_value());
}

TEST_F(SoapClientTest, FailuresGiveNothingWithADutchReason)
{
    clsws_TabTAPIService c(m_dienst.adres(), 300);
    ASSERT_TRUE(c.client().isKlaar());

    m_dienst.zetStoring(NepDienst::Storing::OngeldigeXml);
    EXPECT_FALSE(c.test().has_value());
    EXPECT_EQ(c.laatsteFout().soort, Fout::Soort::Xml);

    m_dienst.zetStoring(NepDienst::Storing::Http500);
    EXPECT_FALSE(c.GetMembers("a", "p", "A003", 1, 11, true).has_value());
    EXPECT_EQ(c.laatsteFout().soort, Fout::Soort::Http);
    EXPECT_TRUE(c.laatsteFout().tekst.contains("HTTP 500"));
    EXPECT_TRUE(c.client().FaultCode().isEmpty());

    m_dienst.zetStoring(NepDienst::Storing::Vertragen);
    EXPECT_FALSE(c.test().has_value());
    EXPECT_EQ(c.laatsteFout().soort, Fout::Soort::Tijd);
    EXPECT_TRUE(c.laatsteFout().tekst.contains("antwoordde niet")) << c.laatsteFout().tekst.toStdString();

    m_dienst.zetStoring(NepDienst::Storing::Geen);
    m_dienst.stoppen();
    EXPECT_FALSE(c.test().has_value());
    EXPECT_EQ(c.laatsteFout().soort, Fout::Soort::Verbinding);
    EXPECT_TRUE(c.laatsteFout().tekst.startsWith("Geen verbinding"));

    // A client whose description could not be read fails every call.
    clsws_TabTAPIService weg(m_dienst.adres());
    EXPECT_FALSE(weg.client().isKlaar());
    EXPECT_FALSE(weg.test().has_value());
    EXPECT_THROW(weg.GetAllClubs(11), soap::SoapFout);
}

TEST(SoapClientZonderAdres, AnEmptyAddressReachesNothing)
{
    clsws_TabTAPIService c{QString()};
    EXPECT_FALSE(c.client().isKlaar());
    EXPECT_FALSE(c.test().has_value());
    EXPECT_FALSE(c.GetMembers("a", "p", "A003", 1, 11, true).has_value());

    clsws_TabTAPIService ftp(QStringLiteral("ftp://127.0.0.1/"));
    EXPECT_FALSE(ftp.client().isKlaar());
    EXPECT_EQ(ftp.laatsteFout().soort, Fout::Soort::Adres);
    EXPECT_EQ(c.laatsteFout().soort, Fout::Soort::NietIngesteld);
}

TEST(SoapClientBeveiligd, AnUntrustedCertificateIsRefusedATrustedOneAccepted)
{
    NepDienst dienst(true);
    clsws_TabTAPIService onbekend(dienst.adres());
    EXPECT_FALSE(onbekend.client().isKlaar());
    EXPECT_EQ(onbekend.laatsteFout().soort, Fout::Soort::Certificaat);
    EXPECT_TRUE(onbekend.laatsteFout().tekst.contains("niet vertrouwd")) << onbekend.laatsteFout().tekst.toStdString();
    EXPECT_TRUE(dienst.verzoeken().isEmpty());

    clsws_TabTAPIService vertrouwd(dienst.adres(), 60000, {NepDienst::certificaat()});
    ASSERT_TRUE(vertrouwd.client().isKlaar()) << vertrouwd.laatsteFout().tekst.toStdString();
    EXPECT_TRUE(vertrouwd.test().has_value());
    EXPECT_EQ(dienst.verzoeken().size(), 1);
}

namespace {

// An element nested n levels deep, with a text at the bottom.
QByteArray genest(int n, const QByteArray& binnen = "x")
{
    return QByteArray("<ns1:Diep>").repeated(n) + binnen + QByteArray("</ns1:Diep>").repeated(n);
}

bool onleesbaar(const Fout& f)
{
    return f.soort == Fout::Soort::Xml && f.tekst.contains("onleesbaar");
}

} // namespace

TEST(SoapElement, TextsAndTheNestingLimitOfAnAnswer)
{
    soap::Element e;
    // Layout between children is no part of a text; text of its own beside children is, in order.
    ASSERT_TRUE(soap::Element::lezen("<a>\n  <b>een</b>\n  <c><d>twee</d> <d>drie</d></c>\n</a>", e));
    EXPECT_EQ(e.tekst(), "eentweedrie");
    EXPECT_EQ(e.kind(u"c")->tekst(), "tweedrie");
    ASSERT_TRUE(soap::Element::lezen("<a>voor <b>een</b> na</a>", e));
    EXPECT_EQ(e.tekst(), "voor een na");
    EXPECT_EQ(soap::Element(QStringLiteral("x"), soap::Knooplijst{soap::Element("y", "1"), soap::Element("z", "2")}).tekst(),
              "12");

    // As deep as the limit reads; one level more is refused, whatever lies below it.
    const int max = soap::Element::MaxDiepte;
    ASSERT_TRUE(soap::Element::lezen("<a xmlns:ns1=\"x\">" + genest(max - 1) + "</a>", e));
    EXPECT_EQ(e.tekst(), "x");
    QString fout;
    for (int diepte : {max + 1, 43000, 200000}) {
        const QByteArray xml = "<a xmlns:ns1=\"x\">" + genest(diepte - 1) + "</a>";
        EXPECT_FALSE(soap::Element::lezen(xml, e, &fout)) << diepte;
        EXPECT_TRUE(fout.contains("dieper genest")) << fout.toStdString();
        EXPECT_TRUE(e.naam().isEmpty());
        EXPECT_EQ(soap::Element::binnenGrenzen(xml), fout);
    }
    EXPECT_TRUE(soap::Element::binnenGrenzen("<a xmlns:ns1=\"x\">" + genest(max - 1) + "</a>").isEmpty());
    const QByteArray groot = "<a>" + QByteArray(soap::Element::MaxGrootte, 'x') + "</a>";
    EXPECT_FALSE(soap::Element::lezen(groot, e, &fout));
    EXPECT_TRUE(fout.contains("groter dan 16 MB")) << fout.toStdString();
}

TEST_F(SoapClientTest, AnAnswerOrFaultNestedTooDeepOrTooLargeIsUnreadable)
{
    clsws_TabTAPIService c(m_dienst.adres());
    ASSERT_TRUE(c.client().isKlaar());

    // About 300 KB nested 43,000 levels deep: refused, the next call works again.
    m_dienst.zetRuwAntwoord("GetMembersRequest", 200,
                            NepDienst::envelop("GetMembersResponse", "<ns1:MemberCount>1</ns1:MemberCount>")
                                .replace("</ns1:MemberCount>", "</ns1:MemberCount>" + genest(43000)));
    EXPECT_FALSE(c.GetMembers("acc", "pw", "A003", 1, 11, true).has_value());
    EXPECT_TRUE(onleesbaar(c.laatsteFout())) << c.laatsteFout().tekst.toStdString();
    EXPECT_TRUE(c.laatsteFout().tekst.contains("dieper genest")) << c.laatsteFout().tekst.toStdString();

    // A fault as deep: no fault code or text taken from it, the raising operations report it unreadable.
    const QByteArray fault = "<?xml version=\"1.0\"?><SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/"
                             "envelope/\" xmlns:ns1=\"x\"><SOAP-ENV:Body><SOAP-ENV:Fault><faultcode>9</faultcode>"
                             "<faultstring>"
                             + genest(43000) + "</faultstring></SOAP-ENV:Fault></SOAP-ENV:Body></SOAP-ENV:Envelope>";
    m_dienst.zetRuwAntwoord("GetClubs", 500, fault);
    m_dienst.zetRuwAntwoord("TestRequest", 500, fault);
    try {
        c.GetClubsOneClub(11, "A003");
        FAIL() << "no error raised";
    } catch (const soap::SoapFout& f) {
        EXPECT_EQ(f.bron(), "GetClubs");
        EXPECT_TRUE(f.beschrijving().contains("onleesbaar")) << f.beschrijving().toStdString();
    }
    EXPECT_TRUE(c.client().FaultCode().isEmpty());
    EXPECT_FALSE(c.test().has_value());
    EXPECT_TRUE(onleesbaar(c.laatsteFout())) << c.laatsteFout().tekst.toStdString();

    // Larger than any real answer: not read to its end.
    m_dienst.zetRuwAntwoord("GetMembersRequest", 200,
                            NepDienst::envelop("GetMembersResponse", "<ns1:MemberCount>0</ns1:MemberCount>")
                                .replace("</ns1:MemberCount>",
                                         "</ns1:MemberCount><ns1:Extra>" + QByteArray(17 * 1024 * 1024, 'x') + "</ns1:Extra>"));
    EXPECT_FALSE(c.GetMembers("acc", "pw", "A003", 1, 11, true).has_value());
    EXPECT_TRUE(onleesbaar(c.laatsteFout())) << c.laatsteFout().tekst.toStdString();
    EXPECT_TRUE(c.laatsteFout().tekst.contains("groter dan 16 MB")) << c.laatsteFout().tekst.toStdString();

    m_dienst.zetRuwAntwoord("GetMembersRequest", 200, QByteArray());
    m_dienst.zetAntwoord("GetMembersRequest", LedenAntwoord);
    EXPECT_TRUE(c.GetMembers("acc", "pw", "A003", 1, 11, true).has_value());
}

TEST_F(SoapClientTest, ADescriptionNestedTooDeepIsRefusedBeforeItIsBuilt)
{
    for (int diepte : {50000, 200000}) {
        m_dienst.zetBeschrijving("<definitions xmlns=\"http://schemas.xmlsoap.org/wsdl/\" xmlns:ns1=\"x\">" + genest(diepte)
                                 + "</definitions>");
        clsws_TabTAPIService c(m_dienst.adres());
        EXPECT_FALSE(c.client().isKlaar());
        EXPECT_EQ(c.laatsteFout().soort, Fout::Soort::Xml);
        EXPECT_TRUE(c.laatsteFout().tekst.contains("dieper genest")) << c.laatsteFout().tekst.toStdString();
        EXPECT_FALSE(c.test().has_value());
    }
    EXPECT_TRUE(m_dienst.verzoeken().isEmpty());
}

TEST(SoapAdres, OnlySecureAddressesExceptPlainHttpToThisMachine)
{
    for (const char* goed : {"https://api.vttl.invalid/0.7/", "HTTPS://api.vttl.invalid:8443/0.7/", "http://127.0.0.1:8080/0.7/",
                             "http://127.1.2.3/", "http://localhost/0.7/", "http://LOCALHOST:81/", "http://[::1]:8080/0.7/"})
        EXPECT_TRUE(soap::adresWeigering(goed).isEmpty()) << goed;
    for (const char* fout : {"http://api.vttl.invalid/0.7/", "http://192.168.1.10/0.7/", "http://localhost.vttl.invalid/",
                             "http://[::2]/", "ftp://127.0.0.1/", "https://", "api.vttl.invalid/0.7/", "https//x/"})
        EXPECT_FALSE(soap::adresWeigering(fout).isEmpty()) << fout;
    EXPECT_EQ(soap::adresWeigering("http://api.vttl.invalid/0.7/"),
              "Het adres van de webdienst (http://api.vttl.invalid/0.7/) begint met http:// in plaats van https://: "
              "de gebruikersnaam en het paswoord zouden onbeveiligd verstuurd worden.");
}

TEST_F(SoapClientTest, PlainHttpToAnotherMachineIsNeverContacted)
{
    // Neither as the address of the service...
    clsws_TabTAPIService ander(QStringLiteral("http://api.vttl.invalid/0.7/"));
    EXPECT_FALSE(ander.client().isKlaar());
    EXPECT_EQ(ander.laatsteFout().soort, Fout::Soort::Adres);
    EXPECT_TRUE(ander.laatsteFout().tekst.contains("https://")) << ander.laatsteFout().tekst.toStdString();

    // ...nor as the endpoint that a description names: the credentials would go there.
    QByteArray beschrijving = m_dienst.beschrijving();
    beschrijving.replace(m_dienst.adres().toUtf8(), "http://api.vttl.invalid/0.7/");
    m_dienst.zetBeschrijving(beschrijving);
    clsws_TabTAPIService c(m_dienst.adres());
    EXPECT_FALSE(c.client().isKlaar());
    EXPECT_EQ(c.laatsteFout().soort, Fout::Soort::Adres);
    EXPECT_TRUE(c.laatsteFout().tekst.contains("begint met http://")) << c.laatsteFout().tekst.toStdString();
    EXPECT_FALSE(c.test(soap::inloggegevens("club", "geheim")).has_value());
    EXPECT_TRUE(m_dienst.verzoeken().isEmpty());
}
