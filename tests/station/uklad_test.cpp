#include "station/semafor.h"
#include "station/przejazd.h"
#include "station/rogatka.h"
#include "station/tor.h"
#include "interlocking/stacja_nastawni.h"
#include "station/uklad.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"
#include "tests/support/stacja_testowa.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Neighbours of every connected point, worked out from the tracks table by hand-checked rules:
// name, left and right with the switches as the layout sets them, then with every switch thrown.
const char* const Sasiedzi[][5] = {
    {"Tor23", "sL", "zw20", "sL", "zw20"},
    {"Tor29", "zw4", "sE", "-", "sE"},
    {"Tor15", "sD", "zw4", "sD", "zw4"},
    {"Tor13", "pM1", "sC", "pM1", "sC"},
    {"Tor35", "zw1", "pM1", "-", "pM1"},
    {"Tor11", "sA", "zw1", "sA", "zw1"},
    {"Tor36", "pM2", "sM", "pM2", "sM"},
    {"Tor3", "zw23", "zw27", "zw23", "zw27"},
    {"Tor7", "wOlsz", "sA", "wOlsz", "sA"},
    {"Tor45", "sN", "wWirowa", "sN", "wWirowa"},
    {"Tor1", "sM", "wBrz", "sM", "wBrz"},
    {"Tor5", "pB1", "-", "pB1", "zw19"},
    {"Tor9", "zw3", "pB2", "-", "pB2"},
    {"Tor18", "-", "-", "zw20", "zw23"},
    {"Tor33", "zw28", "sN", "zw28", "sN"},
    {"Tor21", "-", "-", "zw27", "zw28"},
    {"Tor20", "zw20", "zw28", "-", "-"},
    {"Tor19", "p1", "sL", "p1", "sL"},
    {"Tor17", "p2", "sJ", "p2", "sJ"},
    {"Tor28", "-", "-", "zw4", "zw2"},
    {"Tor31", "b1", "zw2", "b1", "-"},
    {"Tor30", "zw2", "sF", "zw2", "sF"},
    {"Tor32", "sF", "p2", "sF", "p2"},
    {"Tor34", "sE", "p1", "sE", "p1"},
    {"Tor14", "sC", "sD", "sC", "sD"},
    {"Tor27", "sJ", "zw26", "sJ", "-"},
    {"Tor16", "zw26", "zw23", "zw26", "-"},
    {"Tor12", "-", "sB", "zw1", "sB"},
    {"Tor6", "sB", "zw3", "sB", "zw3"},
    {"Tor8", "-", "pB1", "zw3", "pB1"},
    {"Tor10", "pB2", "zw19", "pB2", "-"},
    {"Tor26", "sH", "-", "sH", "zw26"},
    {"Tor4", "zw19", "sH", "zw19", "sH"},
    {"Tor2", "zw27", "pM2", "-", "pM2"},
    {"b1", "-", "Tor31", "-", "Tor31"},
    {"p1", "Tor34", "Tor19", "Tor34", "Tor19"},
    {"p2", "Tor32", "Tor17", "Tor32", "Tor17"},
    {"pB1", "Tor8", "Tor5", "Tor8", "Tor5"},
    {"pB2", "Tor9", "Tor10", "Tor9", "Tor10"},
    {"pM1", "Tor35", "Tor13", "Tor35", "Tor13"},
    {"pM2", "Tor2", "Tor36", "Tor2", "Tor36"},
    {"sA", "Tor7", "Tor11", "Tor7", "Tor11"},
    {"sB", "Tor12", "Tor6", "Tor12", "Tor6"},
    {"sC", "Tor13", "Tor14", "Tor13", "Tor14"},
    {"sD", "Tor14", "Tor15", "Tor14", "Tor15"},
    {"sE", "Tor29", "Tor34", "Tor29", "Tor34"},
    {"sF", "Tor30", "Tor32", "Tor30", "Tor32"},
    {"sH", "Tor4", "Tor26", "Tor4", "Tor26"},
    {"sJ", "Tor17", "Tor27", "Tor17", "Tor27"},
    {"sL", "Tor19", "Tor23", "Tor19", "Tor23"},
    {"sM", "Tor36", "Tor1", "Tor36", "Tor1"},
    {"sN", "Tor33", "Tor45", "Tor33", "Tor45"},
    {"wBrz", "Tor1", "-", "Tor1", "-"},
    {"wOlsz", "-", "Tor7", "-", "Tor7"},
    {"wWirowa", "Tor45", "-", "Tor45", "-"},
    {"zw1", "Tor11", "Tor35", "Tor11", "Tor12"},
    {"zw19", "Tor10", "Tor4", "Tor5", "Tor4"},
    {"zw2", "Tor31", "Tor30", "Tor28", "Tor30"},
    {"zw20", "Tor23", "Tor20", "Tor23", "Tor18"},
    {"zw23", "Tor16", "Tor3", "Tor18", "Tor3"},
    {"zw26", "Tor27", "Tor16", "Tor26", "Tor16"},
    {"zw27", "Tor3", "Tor2", "Tor3", "Tor21"},
    {"zw28", "Tor20", "Tor33", "Tor21", "Tor33"},
    {"zw3", "Tor6", "Tor9", "Tor6", "Tor8"},
    {"zw4", "Tor15", "Tor29", "Tor15", "Tor28"},};

std::string Nazwa(const TPunkt* p) { return p == nullptr ? "-" : p->Name; }

TEST(Uklad, EveryComponentIsMadeInTheLayoutOrder)
{
    TStacjaTestowa t;
    const auto& k = t.Stacja.Komponenty();
    ASSERT_EQ(k.size(), 86u + 27 + 21 + 17);
    EXPECT_EQ(k.front()->Name, "DRoga1");
    EXPECT_EQ(k[3]->Name, "Tor23");
    EXPECT_EQ(k[37]->Name, "sA");
    EXPECT_EQ(k[73]->Name, "stacja_Drelinko");
    EXPECT_EQ(k[85]->Name, "prPeronowy");
    EXPECT_EQ(k[86]->Name, "PunktButton8");
    EXPECT_EQ(k.back()->Name, "bZerwij");
    EXPECT_EQ(t.Stacja.Wszystkie<TPunkt>().size(), 74u);
    EXPECT_EQ(t.Stacja.Wszystkie<TElement>().size(), 83u);
}

TEST(Uklad, NamesAreFoundWithoutRegardToCase)
{
    TStacjaTestowa t;
    EXPECT_EQ(t.Stacja.Znajdz("ZW20"), &t.E("zw20"));
    EXPECT_EQ(t.Stacja.Znajdz<TTor>("zw20"), nullptr);
    EXPECT_EQ(t.Stacja.Znajdz("zw21"), nullptr);
}

TEST(Uklad, NeighboursFollowTheTracksTableInBothSwitchPositions)
{
    TStacjaTestowa t;
    for (const auto& w : Sasiedzi) {
        const TPunkt& p = t.E<TPunkt>(w[0]);
        EXPECT_EQ(Nazwa(p.Neighbour(0)), w[1]) << w[0] << " left";
        EXPECT_EQ(Nazwa(p.Neighbour(1)), w[2]) << w[0] << " right";
        EXPECT_EQ(p.Neighbour(2), nullptr) << w[0];
        EXPECT_EQ(p.Neighbour(-1), nullptr) << w[0];
    }
    for (TZwrotnica* z : t.Stacja.Wszystkie<TZwrotnica>())
        z->FlipStatus(z);
    for (const auto& w : Sasiedzi) {
        const TPunkt& p = t.E<TPunkt>(w[0]);
        EXPECT_EQ(Nazwa(p.Neighbour(0)), w[3]) << w[0] << " left, thrown";
        EXPECT_EQ(Nazwa(p.Neighbour(1)), w[4]) << w[0] << " right, thrown";
    }
}

TEST(Uklad, Zw20HasItsSingleTrackOnTheLeftAndItsBranchesOnTheRight)
{
    TStacjaTestowa t;
    auto& zw20 = t.E<TZwrotnica>("zw20");
    EXPECT_EQ(Nazwa(zw20.LewyTor), "Tor23");
    EXPECT_EQ(Nazwa(zw20.PrawyTor), "Tor18");
    EXPECT_EQ(Nazwa(zw20.PrawyTorDolny), "Tor20");
    EXPECT_EQ(zw20.LewyTorDolny, nullptr);
    auto& zw26 = t.E<TZwrotnica>("zw26");
    EXPECT_EQ(Nazwa(zw26.LewyTor), "Tor26");
    EXPECT_EQ(Nazwa(zw26.LewyTorDolny), "Tor27");
    EXPECT_EQ(Nazwa(zw26.PrawyTor), "Tor16");
}

TEST(Uklad, EverySwitchHintNamesThatSwitchNotAnother)
{
    // The station's own designations write single-digit switches with a leading zero ("zw01");
    // whichever way, the hint must name the switch the mouse is over.
    TStacjaTestowa t;
    int zwrotnice = 0;
    for (const auto& k : t.Stacja.Komponenty()) {
        const auto* zw = dynamic_cast<const TZwrotnica*>(k.get());
        if (zw == nullptr)
            continue;
        ++zwrotnice;
        const std::string numer = zw->Name.substr(2);
        const std::string wlasna = "Zwrotnica zw" + numer;
        const std::string zZerem = "Zwrotnica zw" + std::string(numer.size() == 1 ? "0" : "") + numer;
        EXPECT_TRUE(zw->Hint == wlasna || zw->Hint == zZerem) << zw->Name << ": " << zw->Hint;
    }
    EXPECT_EQ(zwrotnice, 10);
    EXPECT_EQ(t.E<TZwrotnica>("zw4").Hint, "Zwrotnica zw4");
}

TEST(Uklad, EveryTrackFitsBetweenItsTwoConnectionPointsGrownByTwoPixels)
{
    TStacjaTestowa t;
    for (TTor* tor : t.Stacja.Wszystkie<TTor>()) {
        const TPunktXY a = tor->LewyPunkt()->ConnectionPoint(tor);
        const TPunktXY b = tor->PrawyPunkt()->ConnectionPoint(tor);
        ASSERT_NE(a.x, -1) << tor->Name;
        ASSERT_NE(b.x, -1) << tor->Name;
        EXPECT_EQ(tor->Left, std::min(a.x, b.x) - 2) << tor->Name;
        EXPECT_EQ(tor->Top, std::min(a.y, b.y) - 2) << tor->Name;
        EXPECT_EQ(tor->Width, std::abs(a.x - b.x) + 4) << tor->Name;
        EXPECT_EQ(tor->Height, std::abs(a.y - b.y) + 4) << tor->Name;
    }
    // Tor7 runs from the middle of wOlsz's right edge to the top of sA (a right-running signal).
    const TTor& tor7 = t.E<TTor>("Tor7");
    EXPECT_EQ(tor7.LewyKoniec, (TPunktXY{67, 101}));
    EXPECT_EQ(tor7.PrawyKoniec, (TPunktXY{89, 101}));
    EXPECT_EQ(tor7.Granice(), (TProstokat{65, 99, 91, 103}));
}

TEST(Uklad, LoadingTheRecordsInReverseOrderGivesTheSameConnections)
{
    TStacjaTestowa t;
    TZegaryReczne zegary;
    TDzwiekiZapis dzwieki;
    TKomunikatyZapis komunikaty;
    TStacja odwrotna(zegary, dzwieki, komunikaty);
    std::vector<TRekordUkladu> rekordy = UkladDrelinka();
    std::reverse(rekordy.begin(), rekordy.end());
    ZbudujStacje(odwrotna, rekordy);
    for (const auto& w : Sasiedzi) {
        const auto* p = odwrotna.Znajdz<TPunkt>(w[0]);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(Nazwa(p->Neighbour(0)), w[1]) << w[0];
        EXPECT_EQ(Nazwa(p->Neighbour(1)), w[2]) << w[0];
        EXPECT_EQ(p->Granice(), t.E(w[0]).Granice()) << w[0];
    }
}

TEST(Uklad, TheStartingStateIsAllFreeSignalsRedBarriersDownLampsDark)
{
    TStacjaTestowa t;
    for (TPunkt* p : t.Stacja.Wszystkie<TPunkt>())
        EXPECT_EQ(p->Stan(), tStan::wolny) << p->Name;
    for (TSemafor* s : t.Stacja.Wszystkie<TSemafor>())
        EXPECT_EQ(s->Status(), tSemStatus::czerwony) << s->Name;
    for (TRogatka* r : t.Stacja.Wszystkie<TRogatka>())
        EXPECT_FALSE(r->Podniesione()) << r->Name;
    for (TPrzejazd* p : t.Stacja.Wszystkie<TPrzejazd>())
        EXPECT_FALSE(p->Migajacy()) << p->Name;
    EXPECT_EQ(t.Zegary.Aktywne(), 0);
    EXPECT_TRUE(t.E<TZapowiedz>("zBrzelan").DisablePopupMenu);
    EXPECT_FALSE(t.E("stacja_Drelinko").Visible);
    EXPECT_EQ(t.E<TWlot>("wOlsz").KierunkiJazdy(),
              (std::vector<std::string>{"Bartnica", "Bystrzyn", "Chrostowo", "Czaplin", "Olszarzyna", "Przełęcz"}));
    EXPECT_EQ(Nazwa(t.E<TWlot>("wBrz").Zapowiedz), "zBrzelan");
    EXPECT_EQ(Nazwa(t.E<TWlot>("wBrz").ZapowiedzRozkladu), "przyj_Brzelany");
    EXPECT_EQ(t.E<TWlot>("wOlsz").Wyprzedzenie, 75);
    EXPECT_EQ(t.E<TTor>("Tor19").RogatkaGorne, &t.E<TRogatka>("rSt2"));
    EXPECT_EQ(t.E<TTor>("Tor23").PrzejazdDolne, &t.E<TPrzejazd>("prPeronowy"));
}

TEST(Uklad, RoadsLieUnderEverythingAndTracksUnderTheirPoints)
{
    TStacjaTestowa t;
    const auto& z = t.Stacja.KolejnoscRysowania();
    const auto pozycja = [&](const std::string& n) { return std::find(z.begin(), z.end(), &t.E(n)) - z.begin(); };
    EXPECT_LT(pozycja("DRoga1"), 3);
    EXPECT_LT(pozycja("drogaPiesi"), 3);
    for (TTor* tor : t.Stacja.Wszystkie<TTor>()) {
        EXPECT_GT(pozycja(tor->Name), 2) << tor->Name;
        EXPECT_LT(pozycja(tor->Name), pozycja(tor->LewyPunkt()->Name)) << tor->Name;
        EXPECT_LT(pozycja(tor->Name), pozycja(tor->PrawyPunkt()->Name)) << tor->Name;
    }
}

TEST(Uklad, ABadRecordIsAProgramErrorNamingIt)
{
    const auto buduj = [](std::vector<TRekordUkladu> rekordy) {
        TZegaryReczne zegary;
        TDzwiekiZapis dzwieki;
        TKomunikatyZapis komunikaty;
        TStacja s(zegary, dzwieki, komunikaty);
        ZbudujStacje(s, rekordy);
    };
    const auto blad = [&](std::vector<TRekordUkladu> rekordy) -> std::string {
        try {
            buduj(std::move(rekordy));
        } catch (const TBladUkladu& e) {
            return e.what();
        }
        return "no error";
    };
    const TRekordUkladu punkt{"TPunktTorowy", "pX", "scb", 0, 0, 10, 10, {}, {}};
    TRekordUkladu tor{"TTor", "TorX", "scb", 0, 0, 10, 4, {}, {{"LewyPunkt", "pX"}, {"PrawyPunkt", "pY"}}};
    EXPECT_NE(blad({punkt, tor}).find("TorX wskazuje w PrawyPunkt nieistniejący element pY"), std::string::npos);
    tor.Referencje = {{"Zapowiedz", "pX"}};
    EXPECT_NE(blad({punkt, tor}).find("TorX (TTor) nie przyjmuje Zapowiedz"), std::string::npos);
    tor.Referencje = {};
    tor.Wlasciwosci = {{"LewyStatus", "srodek"}};
    EXPECT_NE(blad({punkt, tor}).find("nie przyjmuje LewyStatus"), std::string::npos);
    tor.Wlasciwosci = {{"Predkosc", "5"}};
    EXPECT_NE(blad({punkt, tor}).find("nie przyjmuje Predkosc"), std::string::npos);
    EXPECT_NE(blad({{"TPociagPasazerski", "x", "scb", 0, 0, 1, 1, {}, {}}}).find("Nieznana klasa"), std::string::npos);
    EXPECT_NE(blad({punkt, punkt}).find("dwa razy"), std::string::npos);
}

TEST(Uklad, RemovingAComponentClearsEveryReferenceToIt)
{
    TStacjaTestowa t;
    TTor& tor19 = t.E<TTor>("Tor19");
    t.Stacja.Usun(&t.E("rSt2"));
    EXPECT_EQ(tor19.RogatkaGorne, nullptr);
    t.Stacja.Usun(&t.E("p1"));
    EXPECT_EQ(tor19.LewyPunkt(), nullptr);
    EXPECT_EQ(tor19.Neighbour(0), nullptr);
    t.Stacja.Usun(&tor19);
    EXPECT_EQ(t.E<TSemafor>("sL").LewyTor, nullptr);
    t.Stacja.Usun(&t.E("zBrzelan"));
    EXPECT_EQ(t.E<TWlot>("wBrz").Zapowiedz, nullptr);
    t.Stacja.Usun(&t.E("Tor20"));
    EXPECT_EQ(t.E<TZwrotnica>("zw20").PrawyTorDolny, nullptr);
    EXPECT_EQ(t.Stacja.Znajdz("Tor20"), nullptr);
}

}  // namespace
