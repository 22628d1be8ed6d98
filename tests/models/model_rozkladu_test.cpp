#include "models/model_rozkladu.h"
#include "run/symulacja_stacji.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "tests/support/usterka_plikow.h"
#include "trains/czas.h"
#include "trains/rozklad.h"
#include "trains/rozklad_csv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

// One train of every kind, as the game's timetable has them.
const TDanePociagu Przelotowy{"34101", "Olszarzyna", "Brzelany", "s122", "wOlsz", "wBrz", "4:08", "4:12", "osobowy"};
const TDanePociagu Poczatkowy{"44713", "Drelinko", "Morzyn Gł.", "a2a", "", "wWirowa", "6:58", "6:58", "szynobus"};
const TDanePociagu Koncowy{"44712", "Wirowa", "Drelinko", "a2a", "wWirowa", "", "6:50", "6:50", "szynobus"};
const TDanePociagu BezPeronu{"64304", "Morzyn Port", "Bartnica", "sttttt", "wWirowa", "wOlsz", "4:30", "4:30",
                             "towarowy", true};
const TDanePociagu Miejscowy{"99001", "Drelinko", "Drelinko", "s", "", "", "5:00", "5:10", ""};

class OknoRozkladu : public ::testing::Test {
protected:
    TSrodowiskoTestowe s;
    std::unique_ptr<TModelRozkladu> m;

    void Wstaw(const std::vector<TDanePociagu>& pociagi)
    {
        for (const auto& d : pociagi)
            s.Rozklad.Rozklad.Append(PociagTestowy(d));
    }
    // The window opened on the timetable, which is saved first, as the game's file would hold it.
    void Otworz(const std::vector<TDanePociagu>& pociagi = {Przelotowy, Poczatkowy, Koncowy, BezPeronu, Miejscowy})
    {
        Wstaw(pociagi);
        ASSERT_TRUE(s.Rozklad.ZapiszRozklad());
        m = std::make_unique<TModelRozkladu>(s.Rozklad, s.Komunikaty, WlotyUkladu(s.Komunikaty));
        m->Pokaz();
    }
    std::vector<std::string> Numery() const
    {
        std::vector<std::string> n;
        for (const auto& w : m->Wiersze())
            n.push_back(w.Pociag->Numer());
        return n;
    }
    std::vector<std::string> NumeryWPamieci() const
    {
        std::vector<std::string> n;
        for (int i = 0; i < s.Rozklad.Ile(); ++i)
            n.push_back(s.Rozklad.Pociag(i)->Numer());
        return n;
    }
    // The file read back by a timetable of its own.
    std::vector<std::string> NumeryWPliku(const std::string& plik = NazwaPlikuRozkladu()) const
    {
        TKomunikatyZapis komunikaty;
        TKursoryZapis kursory;
        TRozkladJazdy r(plik, komunikaty, kursory);
        r.WczytajRozklad();
        EXPECT_TRUE(komunikaty.Teksty.empty());
        std::vector<std::string> n;
        for (int i = 0; i < r.Ile(); ++i)
            n.push_back(r.Pociag(i)->Numer());
        return n;
    }
    int Wiersz(const std::string& numer) const
    {
        for (std::size_t i = 0; i < m->Wiersze().size(); ++i)
            if (m->Wiersze()[i].Pociag->Numer() == numer)
                return static_cast<int>(i);
        return -1;
    }
    void Wpisz(const std::string& pole, const std::string& wartosc) { ASSERT_EQ(m->UstawPole(pole, wartosc), ""); }
    void WpiszPoprawny()
    {
        Wpisz("numer", "77001");
        Wpisz("od", "Brzelany");
        Wpisz("do", "Wirowa");
        Wpisz("sklad", "s12");
        Wpisz("opis", "osobowy");
        Wpisz("wjezdza", "wBrz");
        Wpisz("godz_wjezdza", "9:10");
        Wpisz("wyjezdza", "wWirowa");
        Wpisz("godz_wyjezdza", "9:14");
        Wpisz("bez_peronu", "0");
    }
    static std::string Pole(const TModelRozkladu& model, const std::string& klucz)
    {
        for (const auto& [k, v] : model.PolaEdytora())
            if (k == klucz)
                return v;
        throw std::runtime_error("no field " + klucz);
    }
};

void PiszTekst(const std::string& plik, const std::string& tekst) { std::ofstream(plik, std::ios::binary) << tekst; }

// ---- The lists made at creation ----

using ListyOkna = OknoRozkladu;

TEST_F(ListyOkna, EntryDropDownsOfferStartingOrEndingFirstThenEveryLineEntryAsItsHintWithoutZAndItsName)
{
    Otworz();
    EXPECT_EQ(m->Wloty(tListaWlotow::wjezdza),
              (std::vector<std::string>{"- (rozpoczyna bieg)", "Brzelan<wBrz", "Olszarzyny<wOlsz", "Wirowej<wWirowa"}));
    EXPECT_EQ(m->Wloty(tListaWlotow::wyjezdza),
              (std::vector<std::string>{"- (kończy bieg)", "Brzelan<wBrz", "Olszarzyny<wOlsz", "Wirowej<wWirowa"}));
    EXPECT_EQ(TModelRozkladu::WidocznyTekst("Brzelan<wBrz"), "Brzelan");
    EXPECT_EQ(TModelRozkladu::NazwaElementu("Brzelan<wBrz"), "wBrz");
    EXPECT_EQ(TModelRozkladu::WidocznyTekst("- (kończy bieg)"), "- (kończy bieg)");
    EXPECT_EQ(TModelRozkladu::NazwaElementu("- (kończy bieg)"), "");
}

TEST_F(ListyOkna, AnArrivalOnlyEntryIsOfferedOnlyForArrivalsAndADepartureOnlyOneOnlyForDepartures)
{
    std::vector<TWlotRozkladu> wloty = {{"stacja", "", rwWlotWylot, {"Tu"}, true},
                                        {"wA", "z Aleksandrowa", rwWlot, {"Aleksandrów"}, false},
                                        {"wB", "do Borowa", rwWylot, {"Borowo"}, false},
                                        {"wC", "", rwWlotWylot, {}, false}};
    TModelRozkladu model(s.Rozklad, s.Komunikaty, wloty);
    EXPECT_EQ(model.Wloty(tListaWlotow::wjezdza),
              (std::vector<std::string>{"- (rozpoczyna bieg)", "Aleksandrowa<wA", "wC<wC"}));
    EXPECT_EQ(model.Wloty(tListaWlotow::wyjezdza), (std::vector<std::string>{"- (kończy bieg)", "Borowa<wB", "wC<wC"}));
    std::vector<std::string> przyjazdy, odjazdy;
    for (const auto& w : model.Filtr(tListaFiltru::przyjazd))
        przyjazdy.push_back(w.Nazwa);
    for (const auto& w : model.Filtr(tListaFiltru::odjazd))
        odjazdy.push_back(w.Nazwa);
    EXPECT_EQ(przyjazdy, (std::vector<std::string>{"stacja", "wA", "wC"}));
    EXPECT_EQ(odjazdy, (std::vector<std::string>{"stacja", "wB", "wC"}));
}

TEST_F(ListyOkna, DirectionListsAreEveryEntrysDirectionsSortedWithoutDuplicates)
{
    Otworz();
    EXPECT_EQ(m->Kierunki(),
              (std::vector<std::string>{"Bartnica", "Brzelany", "Bystrzyn", "Chrostowo", "Czaplin", "Drelinko",
                                        "Morzyn Gł.", "Morzyn Port", "Olszarzyna", "Plażno", "Przełęcz", "Wirowa",
                                        "Zagórnik"}));
    std::vector<TWlotRozkladu> wloty = {{"a", "", rwWlotWylot, {"Wirowa", "Bory"}, false},
                                        {"b", "", rwWlotWylot, {"wirowa", "Agatów", "Bory"}, false}};
    TModelRozkladu model(s.Rozklad, s.Komunikaty, wloty);
    EXPECT_EQ(model.Kierunki(), (std::vector<std::string>{"Agatów", "Bory", "Wirowa"}));
}

TEST_F(ListyOkna, CheckListsNameTheStationsOwnEntryFirstAndAreAllCheckedWhenShown)
{
    Wstaw({Przelotowy});
    ASSERT_TRUE(s.Rozklad.ZapiszRozklad());
    TModelRozkladu model(s.Rozklad, s.Komunikaty, WlotyUkladu(s.Komunikaty));
    for (auto lista : {tListaFiltru::przyjazd, tListaFiltru::odjazd}) {
        std::vector<std::string> nazwy;
        for (const auto& w : model.Filtr(lista))
            nazwy.push_back(w.Nazwa);
        EXPECT_EQ(nazwy, (std::vector<std::string>{"stacja_Drelinko", "wBrz", "wOlsz", "wWirowa"}));
    }
    model.ZaznaczFiltr(tListaFiltru::przyjazd, 1, false);
    model.Pokaz();
    for (auto lista : {tListaFiltru::przyjazd, tListaFiltru::odjazd})
        for (const auto& w : model.Filtr(lista))
            EXPECT_TRUE(w.Zaznaczony) << w.Nazwa;
    EXPECT_EQ(model.Wiersze().size(), 1u);
    EXPECT_EQ(model.Zaznaczony(), -1);
}

TEST_F(ListyOkna, EntriesReadFromTheLayoutAreThoseOfARunningStation)
{
    TSymulacjaStacji sym(s.Uslugi, s.Rozklad);
    const auto zeStacji = WlotyStacji(sym.Stacja());
    const auto zUkladu = WlotyUkladu(s.Komunikaty);
    ASSERT_EQ(zeStacji.size(), 4u);
    ASSERT_EQ(zUkladu.size(), zeStacji.size());
    for (std::size_t i = 0; i < zUkladu.size(); ++i) {
        EXPECT_EQ(zUkladu[i].Nazwa, zeStacji[i].Nazwa);
        EXPECT_EQ(zUkladu[i].Hint, zeStacji[i].Hint);
        EXPECT_EQ(zUkladu[i].RodzajWlotu, zeStacji[i].RodzajWlotu);
        EXPECT_EQ(zUkladu[i].KierunkiJazdy, zeStacji[i].KierunkiJazdy);
        EXPECT_EQ(zUkladu[i].Stacyjny, zeStacji[i].Stacyjny);
    }
    EXPECT_TRUE(zUkladu[3].Stacyjny);
    EXPECT_TRUE(s.Komunikaty.Teksty.empty());
}

TEST_F(ListyOkna, LegendKeepsTheSavingLineAndSaysWhenEditsTakeEffect)
{
    const std::string legenda = TModelRozkladu::Legenda();
    EXPECT_NE(legenda.find("skróty stosowane w zestawieniu składu:"), std::string::npos);
    EXPECT_NE(legenda.find("Naciśnij przycisk <u>Zmień</u>, by uaktualnić dane w rozkładzie. Rozkład jest "
                           "automatycznie zachowywany po każdej zmianie."),
              std::string::npos);
    EXPECT_NE(legenda.find("od następnego dnia symulacji"), std::string::npos);
    std::size_t poprzedni = 0;
    for (const char* znaczenie : {"parowóz", "lokomotywa spalinowa", "lokomotywa elektryczna", "autobus szynowy",
                                  "wagon 1 klasy", "wagon 2 klasy", "wagon piętrowy Bhpu", "wagon towarowy",
                                  "zespół EZT"}) {
        const auto gdzie = legenda.find(znaczenie);
        ASSERT_NE(gdzie, std::string::npos) << znaczenie;
        EXPECT_GT(gdzie, poprzedni) << znaczenie;
        poprzedni = gdzie;
    }
    EXPECT_EQ(TModelRozkladu::PodpowiedzSkladu().rfind("p - parowóz, s - lokomotywa spalinowa", 0), 0u);
}

// ---- The list: its order, its filter and its rows ----

using ListaPociagow = OknoRozkladu;

TEST_F(ListaPociagow, TrainsAreSortedByArrivalOrByDepartureWhenTheyStartHereAndEqualOnesKeepTheirOrder)
{
    const TDanePociagu drugiORowniej{"34199", "Bartnica", "Brzelany", "s1", "wOlsz", "wBrz", "4:08", "4:09", ""};
    Otworz({Koncowy, Poczatkowy, Miejscowy, BezPeronu, Przelotowy, drugiORowniej});
    const std::vector<std::string> kolejnosc = {"34101", "34199", "64304", "99001", "44712", "44713"};
    EXPECT_EQ(Numery(), kolejnosc);
    EXPECT_EQ(NumeryWPamieci(), kolejnosc);
}

TEST_F(ListaPociagow, UncheckingAnArrivalEntryHidesItsTrainsUnlessTheirExitIsStillChecked)
{
    Otworz();
    ASSERT_TRUE(m->ZaznaczFiltr(tListaFiltru::przyjazd, m->ZnajdzWierszFiltru(tListaFiltru::przyjazd, "wOlsz"), false));
    EXPECT_NE(Wiersz("34101"), -1);
    ASSERT_TRUE(m->ZaznaczFiltr(tListaFiltru::odjazd, m->ZnajdzWierszFiltru(tListaFiltru::odjazd, "wBrz"), false));
    EXPECT_EQ(Wiersz("34101"), -1);
    EXPECT_EQ(Numery(), (std::vector<std::string>{"64304", "99001", "44712", "44713"}));
}

TEST_F(ListaPociagow, TheFirstRowOfEachCheckListStandsForTrainsWithoutEntryOrExit)
{
    Otworz();
    m->ZaznaczFiltr(tListaFiltru::przyjazd, 0, false);
    // Starting here, but its exit is checked; and the one without either still has its exit row.
    EXPECT_NE(Wiersz("44713"), -1);
    EXPECT_NE(Wiersz("99001"), -1);
    m->ZaznaczFiltr(tListaFiltru::odjazd, 0, false);
    EXPECT_EQ(Wiersz("99001"), -1);
    EXPECT_NE(Wiersz("44713"), -1);
    EXPECT_NE(Wiersz("44712"), -1);  // ends here, but comes from a checked entry
    m->ZaznaczFiltr(tListaFiltru::odjazd, m->ZnajdzWierszFiltru(tListaFiltru::odjazd, "wWirowa"), false);
    EXPECT_EQ(Wiersz("44713"), -1);
}

TEST_F(ListaPociagow, ATrainThroughAnEntryWithoutARowIsAlwaysShownAndRowsMatchWithoutRegardToCase)
{
    Otworz({{"1", "X", "Y", "s", "wNieznany", "wNieznany", "5:00", "5:01", ""},
            {"2", "X", "Y", "s", "WOLSZ", "WBRZ", "5:10", "5:11", ""}});
    for (auto lista : {tListaFiltru::przyjazd, tListaFiltru::odjazd})
        for (int i = 0; i < static_cast<int>(m->Filtr(lista).size()); ++i)
            m->ZaznaczFiltr(lista, i, false);
    EXPECT_EQ(Numery(), (std::vector<std::string>{"1"}));
}

TEST_F(ListaPociagow, FilterRowsAreFoundByPositionOrNameAndAMissingRowChangesNothing)
{
    Otworz();
    EXPECT_EQ(m->ZnajdzWierszFiltru(tListaFiltru::przyjazd, "1"), 0);
    EXPECT_EQ(m->ZnajdzWierszFiltru(tListaFiltru::przyjazd, "WBRZ"), 1);
    EXPECT_EQ(m->ZnajdzWierszFiltru(tListaFiltru::odjazd, "5"), -1);
    EXPECT_EQ(m->ZnajdzWierszFiltru(tListaFiltru::odjazd, "wNic"), -1);
    EXPECT_FALSE(m->ZaznaczFiltr(tListaFiltru::odjazd, 4, false));
    EXPECT_FALSE(m->ZaznaczFiltr(tListaFiltru::odjazd, -1, false));
    EXPECT_EQ(m->Wiersze().size(), 5u);
}

TEST_F(ListaPociagow, RowOfATrainThroughTheStationShowsBothTimesAndBothEntries)
{
    EXPECT_EQ(TModelRozkladu::TekstWiersza(*PociagTestowy(Przelotowy)),
              "<b>34101</b><IND x=\"60\">Olszarzyna-Brzelany<IND x=\"200\">4:08 <b>4:12</b>osobowy"
              "<br>     skład: s122<br>  4:08<IND x=\"50\">przyj. Olszarzyna (<b>wOlsz</b>)"
              "<br>  4:12<IND x=\"50\">odj. Brzelany (<b>wBrz</b>)<hr>");
}

TEST_F(ListaPociagow, RowOfATrainStartingHereShowsItsDepartureAndThatTheConsistIsSetOut)
{
    EXPECT_EQ(TModelRozkladu::TekstWiersza(*PociagTestowy(Poczatkowy)),
              "<b>44713</b><IND x=\"60\">Drelinko-Morzyn Gł.<IND x=\"200\">      <b>6:58</b>szynobus"
              "<br>     skład: a2a<br>  6:58<IND x=\"50\">skład podstawia się do odjazdu"
              "<br>  6:58<IND x=\"50\">odj. Morzyn Gł. (<b>wWirowa</b>)<hr>");
}

TEST_F(ListaPociagow, RowOfATrainEndingHereShowsItsArrivalAndThatItEndsItsRun)
{
    EXPECT_EQ(TModelRozkladu::TekstWiersza(*PociagTestowy(Koncowy)),
              "<b>44712</b><IND x=\"60\">Wirowa-Drelinko<IND x=\"200\"><b>6:50</b>szynobus"
              "<br>     skład: a2a<br>  6:50<IND x=\"50\">przyj. Wirowa (<b>wWirowa</b>)<br>     kończy bieg<hr>");
}

TEST_F(ListaPociagow, RowOfATrainWithNeitherEntryNorExitShowsItsArrivalInBoldAndNoDescription)
{
    EXPECT_EQ(TModelRozkladu::TekstWiersza(*PociagTestowy(Miejscowy)),
              "<b>99001</b><IND x=\"60\">Drelinko-Drelinko<IND x=\"200\"><b>5:00</b>"
              "<br>     skład: s<br>  5:00<IND x=\"50\">skład podstawia się do odjazdu<br>     kończy bieg<hr>");
}

TEST_F(ListaPociagow, RowOfATrainWithoutAPlatformStopShowsItsTimesWithADotAndSaysSo)
{
    EXPECT_EQ(TModelRozkladu::TekstWiersza(*PociagTestowy(BezPeronu)),
              "<b>64304</b><IND x=\"60\">Morzyn Port-Bartnica<IND x=\"200\">4.30 <b>4.30</b>towarowy"
              "<br>     skład: sttttt<br>  4.30<IND x=\"50\">przyj. Morzyn Port (<b>wWirowa</b>)"
              "<br>  4.30<IND x=\"50\">odj. Bartnica (<b>wOlsz</b>)<br>nie wymaga postoju przy peronie<hr>");
}

TEST_F(ListaPociagow, TheListShowsEachTrainsRowText)
{
    Otworz();
    for (const auto& w : m->Wiersze())
        EXPECT_EQ(w.Tekst, TModelRozkladu::TekstWiersza(*w.Pociag));
}

TEST_F(ListaPociagow, AnEmptyTimetableIsLoadedFromTheFileWhenTheListIsFirstFilled)
{
    Wstaw({Przelotowy, Koncowy});
    ASSERT_TRUE(s.Rozklad.ZapiszRozklad());
    s.Rozklad.Rozklad.FreeAll();
    TModelRozkladu model(s.Rozklad, s.Komunikaty, WlotyUkladu(s.Komunikaty));
    model.Pokaz();
    EXPECT_EQ(model.Wiersze().size(), 2u);
    EXPECT_TRUE(s.Komunikaty.Teksty.empty());
}

// ---- The search ----

using Szukanie = OknoRozkladu;

TEST_F(Szukanie, NarrowsToTrainsWhoseNumberRelationOrDescriptionHoldsTheTextWhateverItsCase)
{
    Otworz({Przelotowy, Poczatkowy, Koncowy, BezPeronu, Miejscowy,
            {"14154", "Olszarzyna", "Zagórnik", "p11222", "wOlsz", "wBrz", "6:08", "6:12", "pośpieszny „Kaszub”"}});
    m->UstawSzukanie("KASZUB");
    EXPECT_EQ(Numery(), (std::vector<std::string>{"14154"}));
    m->UstawSzukanie("ZAGÓRNIK");
    EXPECT_EQ(Numery(), (std::vector<std::string>{"14154"}));
    m->UstawSzukanie("4471");
    EXPECT_EQ(Numery(), (std::vector<std::string>{"44712", "44713"}));
    m->UstawSzukanie("morzyn");
    EXPECT_EQ(Numery(), (std::vector<std::string>{"64304", "44713"}));
    m->UstawSzukanie("   ");
    EXPECT_EQ(m->Wiersze().size(), 6u);
    EXPECT_EQ(m->Szukanie(), "");
}

TEST_F(Szukanie, NarrowsTheFilterAndDoesNotWidenIt)
{
    Otworz();
    m->ZaznaczFiltr(tListaFiltru::przyjazd, m->ZnajdzWierszFiltru(tListaFiltru::przyjazd, "wWirowa"), false);
    m->ZaznaczFiltr(tListaFiltru::odjazd, m->ZnajdzWierszFiltru(tListaFiltru::odjazd, "wOlsz"), false);
    m->UstawSzukanie("Morzyn");
    EXPECT_EQ(Numery(), (std::vector<std::string>{"44713"}));
    m->Pokaz();
    EXPECT_EQ(m->Szukanie(), "");
    EXPECT_EQ(m->Wiersze().size(), 5u);
}

// ---- Selection and the editor ----

using Edytor = OknoRozkladu;

TEST_F(Edytor, SelectingARowLoadsItsTrainWithTimesAsHourAndMinutes)
{
    Otworz();
    ASSERT_TRUE(m->Wybierz(Wiersz("34101")));
    EXPECT_EQ(m->PolaEdytora(), (std::vector<std::pair<std::string, std::string>>{{"numer", "34101"},
                                                                                  {"sklad", "s122"},
                                                                                  {"opis", "osobowy"},
                                                                                  {"od", "Olszarzyna"},
                                                                                  {"do", "Brzelany"},
                                                                                  {"wjezdza", "Olszarzyny<wOlsz"},
                                                                                  {"godz_wjezdza", "4:08"},
                                                                                  {"wyjezdza", "Brzelan<wBrz"},
                                                                                  {"godz_wyjezdza", "4:12"},
                                                                                  {"bez_peronu", "0"}}));
}

TEST_F(Edytor, ATrainWithoutPlatformStopShowsDotsInTheListButAColonInTheEditor)
{
    Otworz();
    ASSERT_TRUE(m->Wybierz(Wiersz("64304")));
    EXPECT_NE(m->Wiersze()[static_cast<std::size_t>(m->Zaznaczony())].Tekst.find("4.30"), std::string::npos);
    EXPECT_EQ(m->Edytor.GodzWjezdza, "4:30");
    EXPECT_EQ(m->Edytor.GodzWyjezdza, "4:30");
    EXPECT_TRUE(m->Edytor.NieWymagaPeronu);
}

TEST_F(Edytor, ATrainStartingOrEndingHereSelectsTheFirstEntryItem)
{
    Otworz({Miejscowy, {"5", "A", "B", "s", "stacja_Drelinko", "wBrz", "5:20", "5:25", ""}});
    ASSERT_TRUE(m->Wybierz(Wiersz("99001")));
    EXPECT_EQ(Pole(*m, "wjezdza"), "- (rozpoczyna bieg)");
    EXPECT_EQ(Pole(*m, "wyjezdza"), "- (kończy bieg)");
    // The station's own entry by its name is the same as no entry.
    ASSERT_TRUE(m->Wybierz(Wiersz("5")));
    EXPECT_EQ(m->Edytor.Wjezdza, 0);
}

TEST_F(Edytor, ARelationOutsideTheDirectionListAndSecondsAreKeptThroughAChange)
{
    Otworz({{"7", "Warszawa", "", "s1", "wOlsz", "wBrz", "7:30", "7:31", ""}});
    s.Rozklad.Pociag(0)->SetPrzyjazd(CzytajGodzine("7:30:15").value());
    m->PokazRozklad();
    ASSERT_TRUE(m->Wybierz(0));
    EXPECT_EQ(m->Edytor.RelacjaOd, "Warszawa");
    EXPECT_EQ(m->Edytor.RelacjaDo, "");
    EXPECT_EQ(m->Edytor.GodzWjezdza, "7:30:15");
    Wpisz("opis", "nowy opis");
    ASSERT_TRUE(m->Zmien());
    const TPociag& t = *s.Rozklad.Pociag(0);
    EXPECT_EQ(t.RelacjaOd(), "Warszawa");
    EXPECT_EQ(t.RelacjaDo(), "");
    EXPECT_EQ(PiszGodzine(t.Przyjazd()), "7:30:15");
    EXPECT_EQ(t.Opis(), "nowy opis");
}

TEST_F(Edytor, AnEntryItemIsChosenByPositionWholeTextOrElementName)
{
    Otworz();
    Wpisz("wjezdza", "3");
    EXPECT_EQ(m->Edytor.Wjezdza, 2);
    Wpisz("wjezdza", "Brzelan<wBrz");
    EXPECT_EQ(m->Edytor.Wjezdza, 1);
    Wpisz("wyjezdza", "WWIROWA");
    EXPECT_EQ(m->Edytor.Wyjezdza, 3);
    Wpisz("wyjezdza", "- (kończy bieg)");
    EXPECT_EQ(m->Edytor.Wyjezdza, 0);
    EXPECT_NE(m->UstawPole("wjezdza", "9"), "");
    EXPECT_NE(m->UstawPole("wjezdza", "wNic"), "");
    EXPECT_NE(m->UstawPole("bez_peronu", "tak"), "");
    EXPECT_NE(m->UstawPole("kolor", "x"), "");
    EXPECT_EQ(m->Edytor.Wyjezdza, 0);
    EXPECT_FALSE(m->Edytor.NieWymagaPeronu);
}

TEST_F(Edytor, TheEditorIsEmptyUntilARowIsChosenAndShowsNoEntryAsADash)
{
    Otworz();
    EXPECT_EQ(m->Zaznaczony(), -1);
    EXPECT_EQ(Pole(*m, "numer"), "");
    EXPECT_EQ(Pole(*m, "wjezdza"), "-");
    EXPECT_EQ(Pole(*m, "wyjezdza"), "-");
    EXPECT_FALSE(m->Wybierz(5));
    EXPECT_FALSE(m->Wybierz(-1));
    EXPECT_EQ(m->Zaznaczony(), -1);
}

using Zaznaczenie = OknoRozkladu;

TEST_F(Zaznaczenie, TheSelectedRowNumberIsKeptWhenTheListIsFilledAgain)
{
    Otworz();
    ASSERT_TRUE(m->Wybierz(2));
    ASSERT_EQ(m->Wiersze()[2].Pociag->Numer(), "99001");
    m->UstawSzukanie("");
    EXPECT_EQ(m->Zaznaczony(), 2);
    // Hiding the first train moves another one to row 2; the editor follows the selection.
    m->ZaznaczFiltr(tListaFiltru::przyjazd, m->ZnajdzWierszFiltru(tListaFiltru::przyjazd, "wOlsz"), false);
    m->ZaznaczFiltr(tListaFiltru::odjazd, m->ZnajdzWierszFiltru(tListaFiltru::odjazd, "wBrz"), false);
    ASSERT_EQ(Numery(), (std::vector<std::string>{"64304", "99001", "44712", "44713"}));
    EXPECT_EQ(m->Zaznaczony(), 2);
    EXPECT_EQ(m->Edytor.Numer, "44712");
    ASSERT_TRUE(m->Zmien());
    EXPECT_EQ(s.Rozklad.Pociag(3)->Numer(), "44712");
    EXPECT_EQ(s.Rozklad.Pociag(2)->Numer(), "99001");
}

TEST_F(Zaznaczenie, ASelectedRowNumberThatNoLongerExistsLeavesNoSelection)
{
    Otworz();
    ASSERT_TRUE(m->Wybierz(4));
    m->UstawSzukanie("34101");
    EXPECT_EQ(m->Zaznaczony(), -1);
    EXPECT_FALSE(m->JestZaznaczony());
    EXPECT_FALSE(m->Zmien());
    EXPECT_FALSE(m->Usun());
    EXPECT_EQ(s.Rozklad.Ile(), 5);
}

// ---- Adding and changing ----

using DodawanieIZmiana = OknoRozkladu;

TEST_F(DodawanieIZmiana, AddingWritesEveryFieldSelectsTheNewRowAndSavesAtOnce)
{
    Otworz();
    WpiszPoprawny();
    Wpisz("wyjezdza", "1");
    Wpisz("bez_peronu", "1");
    ASSERT_TRUE(m->Dodaj());
    EXPECT_TRUE(s.Komunikaty.Teksty.empty());
    EXPECT_TRUE(s.Komunikaty.Pytania.empty());
    ASSERT_EQ(s.Rozklad.Ile(), 6);
    ASSERT_GE(m->Zaznaczony(), 0);
    const TPociag& t = *m->ZaznaczonyPociag();
    EXPECT_EQ(t.Numer(), "77001");
    EXPECT_EQ(t.RelacjaOd(), "Brzelany");
    EXPECT_EQ(t.RelacjaDo(), "Wirowa");
    EXPECT_EQ(t.SkladRozkladowy(), "s12");
    EXPECT_EQ(t.Opis(), "osobowy");
    EXPECT_EQ(t.Wjezdza(), "wBrz");
    EXPECT_EQ(t.Wyjezdza(), "");
    EXPECT_EQ(PiszGodzine(t.Przyjazd()), "9:10");
    EXPECT_EQ(PiszGodzine(t.Odjazd()), "9:14");
    EXPECT_TRUE(t.NieWymagaPeronu());
    EXPECT_EQ(m->Edytor.GodzWjezdza, "9:10");
    EXPECT_EQ(NumeryWPliku(), (std::vector<std::string>{"34101", "64304", "99001", "44712", "44713", "77001"}));
}

TEST_F(DodawanieIZmiana, ChangingRewritesTheSelectedTrainKeepsItSelectedAndSaves)
{
    Otworz();
    ASSERT_TRUE(m->Wybierz(Wiersz("34101")));
    Wpisz("numer", "34111");
    Wpisz("godz_wjezdza", "10:00");
    Wpisz("godz_wyjezdza", "10:05");
    ASSERT_TRUE(m->Zmien());
    EXPECT_EQ(s.Rozklad.Ile(), 5);
    EXPECT_EQ(m->ZaznaczonyPociag()->Numer(), "34111");
    EXPECT_EQ(m->Zaznaczony(), 4);  // now the last by its arrival
    EXPECT_EQ(NumeryWPliku(), (std::vector<std::string>{"64304", "99001", "44712", "44713", "34111"}));
}

TEST_F(DodawanieIZmiana, ATrainHiddenByTheFilterIsAddedWithoutASelection)
{
    Otworz();
    m->ZaznaczFiltr(tListaFiltru::przyjazd, m->ZnajdzWierszFiltru(tListaFiltru::przyjazd, "wBrz"), false);
    m->ZaznaczFiltr(tListaFiltru::odjazd, m->ZnajdzWierszFiltru(tListaFiltru::odjazd, "wWirowa"), false);
    WpiszPoprawny();
    ASSERT_TRUE(m->Dodaj());
    EXPECT_EQ(Wiersz("77001"), -1);
    EXPECT_EQ(m->Zaznaczony(), -1);
    EXPECT_EQ(s.Rozklad.Ile(), 6);
}

TEST_F(DodawanieIZmiana, TimesAreReadAsHoursAndMinutesWithOptionalSecondsAndTheColonOnly)
{
    Otworz();
    for (const char* dobra : {"7:30", "7:30:00", "07:30", " 7:30 ", "0:00", "23:59:59"}) {
        SCOPED_TRACE(dobra);
        WpiszPoprawny();
        Wpisz("godz_wjezdza", dobra);
        Wpisz("godz_wyjezdza", "23:59:59");
        EXPECT_TRUE(m->Dodaj());
    }
    EXPECT_TRUE(s.Komunikaty.Teksty.empty());
    const int ile = s.Rozklad.Ile();
    for (const char* zla : {"7.30", "25:00", "24:00", "7:60", "7:5", "7", "", "7:30:60", "siódma"}) {
        SCOPED_TRACE(zla);
        s.Komunikaty.Teksty.clear();
        WpiszPoprawny();
        Wpisz("godz_wyjezdza", zla);
        EXPECT_FALSE(m->Dodaj());
        ASSERT_EQ(s.Komunikaty.Teksty.size(), 1u);
        EXPECT_EQ(s.Komunikaty.Teksty[0],
                  "Nie można dodać.\r\nGodzina odjazdu „" + std::string(zla) +
                      "” nie jest godziną (H:MM lub H:MM:SS).");
    }
    EXPECT_EQ(s.Rozklad.Ile(), ile);
}

TEST_F(DodawanieIZmiana, ARefusalShowsTheReasonAndChangesNeitherTheTimetableNorTheFile)
{
    Otworz();
    ASSERT_TRUE(m->Wybierz(Wiersz("34101")));
    const auto plik = CzytajBajty(NazwaPlikuRozkladu());
    const auto wiersze = m->Wiersze();
    struct Przypadek {
        const char* pole;
        std::string wartosc;
        const char* powod;
    };
    const Przypadek przypadki[] = {
        {"godz_wjezdza", "4.08", "Godzina przyjazdu „4.08” nie jest godziną (H:MM lub H:MM:SS)."},
        {"wjezdza", "", "Nie wybrano, skąd pociąg przyjeżdża („Przyjazd z:”)."},
        {"wyjezdza", "", "Nie wybrano, dokąd pociąg odjeżdża („Odjazd do:”)."},
        {"opis", "漢字", "Pole „Opis:” ma znaki, których plik rozkładu nie zapisze (spoza strony kodowej "
                       "Windows-1250)."},
        {"opis", std::string(NajdluzszyTekstPociagu + 1, 'x'), "Pole „Opis:” ma 101 znaków, a może mieć najwyżej 100."},
    };
    for (const auto& p : przypadki) {
        for (bool dodaj : {true, false}) {
            SCOPED_TRACE(std::string(p.pole) + (dodaj ? " dodaj" : " zmien"));
            s.Komunikaty.Teksty.clear();
            m->Wybierz(Wiersz("34101"));
            if (std::string(p.pole) == "wjezdza")
                m->Edytor.Wjezdza = -1;
            else if (std::string(p.pole) == "wyjezdza")
                m->Edytor.Wyjezdza = -1;
            else
                Wpisz(p.pole, p.wartosc);
            EXPECT_FALSE(dodaj ? m->Dodaj() : m->Zmien());
            ASSERT_EQ(s.Komunikaty.Teksty.size(), 1u);
            EXPECT_EQ(s.Komunikaty.Teksty[0], std::string("Nie można dodać.\r\n") + p.powod);
        }
    }
    EXPECT_EQ(s.Rozklad.Ile(), 5);
    EXPECT_EQ(s.Rozklad.Pociag(0)->Opis(), "osobowy");
    EXPECT_EQ(CzytajBajty(NazwaPlikuRozkladu()), plik);
    ASSERT_EQ(m->Wiersze().size(), wiersze.size());
    for (std::size_t i = 0; i < wiersze.size(); ++i)
        EXPECT_EQ(m->Wiersze()[i].Tekst, wiersze[i].Tekst);
}

TEST_F(DodawanieIZmiana, ChangeWithoutASelectedRowChangesNothingAndSaysNothing)
{
    Otworz();
    const auto plik = CzytajBajty(NazwaPlikuRozkladu());
    WpiszPoprawny();
    EXPECT_FALSE(m->Zmien());
    EXPECT_TRUE(s.Komunikaty.Teksty.empty());
    EXPECT_EQ(s.Rozklad.Ile(), 5);
    EXPECT_EQ(CzytajBajty(NazwaPlikuRozkladu()), plik);
}

// ---- Doubts against the layout ----

using Watpliwosci = OknoRozkladu;

TEST_F(Watpliwosci, ASoundTrainRaisesNone)
{
    Otworz();
    for (const auto& d : {Przelotowy, Poczatkowy, Koncowy, BezPeronu})
        EXPECT_EQ(m->SprawdzPociag(*PociagTestowy(d)), std::vector<std::string>{}) << d.Numer;
}

TEST_F(Watpliwosci, EachDoubtIsNamed)
{
    Otworz();
    const auto jedna = [&](TDanePociagu d) {
        const auto w = m->SprawdzPociag(*PociagTestowy(d));
        EXPECT_EQ(w.size(), 1u) << d.Numer;
        return w.empty() ? std::string() : w[0];
    };
    TDanePociagu d = Przelotowy;
    d.Odjazd = "4:00";
    EXPECT_EQ(jedna(d), "odjazd (4:00) jest wcześniej niż przyjazd (4:08)");
    d = Koncowy;  // ends here: its departure time means nothing
    d.Odjazd = "6:00";
    EXPECT_EQ(m->SprawdzPociag(*PociagTestowy(d)), std::vector<std::string>{});
    d = Przelotowy;
    d.Sklad = "s1x2ż";
    EXPECT_EQ(jedna(d), "w składzie „s1x2ż” są nieznane kody pojazdów: „x”, „ż”");
    d.Sklad = "S12B+t n";
    EXPECT_EQ(m->SprawdzPociag(*PociagTestowy(d)), std::vector<std::string>{});
    d.Sklad = "e12";
    EXPECT_EQ(jedna(d), "w składzie nie ma pojazdu, który może go prowadzić (p, s albo a)");
    d.Sklad = "";
    EXPECT_EQ(jedna(d), "skład pociągu jest pusty");
    d = Miejscowy;
    EXPECT_EQ(jedna(d), "pociąg wymaga postoju przy peronie, a ani nie przyjeżdża z linii, ani na nią nie odjeżdża");
    d.BezPeronu = true;
    EXPECT_EQ(m->SprawdzPociag(*PociagTestowy(d)), std::vector<std::string>{});
    d = Przelotowy;
    d.Numer = " ";
    EXPECT_EQ(jedna(d), "pociąg nie ma numeru");
}

TEST_F(Watpliwosci, AreAskedAndNoLeavesEverythingAsItWas)
{
    Otworz();
    const auto plik = CzytajBajty(NazwaPlikuRozkladu());
    WpiszPoprawny();
    Wpisz("godz_wyjezdza", "9:00");
    Wpisz("sklad", "s1q");
    s.Komunikaty.Odpowiedzi = {tOdpowiedz::nie};
    EXPECT_FALSE(m->Dodaj());
    ASSERT_EQ(s.Komunikaty.Pytania.size(), 1u);
    EXPECT_EQ(s.Komunikaty.Pytania[0],
              "Pociąg 77001:\r\n- odjazd (9:00) jest wcześniej niż przyjazd (9:10)"
              "\r\n- w składzie „s1q” są nieznane kody pojazdów: „q”\r\nDodać go mimo to?");
    EXPECT_EQ(s.Rozklad.Ile(), 5);
    EXPECT_EQ(CzytajBajty(NazwaPlikuRozkladu()), plik);
}

TEST_F(Watpliwosci, AcceptedDoubtsLetTheTrainIn)
{
    Otworz();
    // A train standing over midnight departs "before" it arrives; the player knows better.
    WpiszPoprawny();
    Wpisz("godz_wjezdza", "23:55");
    Wpisz("godz_wyjezdza", "0:05");
    s.Komunikaty.Odpowiedzi = {tOdpowiedz::tak};
    EXPECT_TRUE(m->Dodaj());
    EXPECT_EQ(s.Komunikaty.Pytania.size(), 1u);
    ASSERT_TRUE(m->Wybierz(Wiersz("34101")));
    Wpisz("sklad", "12");
    s.Komunikaty.Odpowiedzi = {tOdpowiedz::tak};
    EXPECT_TRUE(m->Zmien());
    ASSERT_EQ(s.Komunikaty.Pytania.size(), 2u);
    EXPECT_NE(s.Komunikaty.Pytania[1].find("Zmienić go mimo to?"), std::string::npos);
    EXPECT_EQ(NumeryWPliku().size(), 6u);
}

// ---- Deleting ----

using Usuwanie = OknoRozkladu;

TEST_F(Usuwanie, RemovesTheSelectedTrainWithoutAskingSavesAndKeepsTheRowNumber)
{
    Otworz();
    ASSERT_TRUE(m->Wybierz(1));
    ASSERT_EQ(m->ZaznaczonyPociag()->Numer(), "64304");
    EXPECT_TRUE(m->Usun());
    EXPECT_TRUE(s.Komunikaty.Pytania.empty());
    EXPECT_TRUE(s.Komunikaty.Teksty.empty());
    EXPECT_EQ(Numery(), (std::vector<std::string>{"34101", "99001", "44712", "44713"}));
    EXPECT_EQ(NumeryWPliku(), Numery());
    EXPECT_EQ(m->Zaznaczony(), 1);
    // The editor shows the train that "&Zmień" would now change, not the removed one.
    EXPECT_EQ(m->Edytor.Numer, "99001");
}

TEST_F(Usuwanie, RemovingTheLastTrainLeavesAnEmptyListAndAFileWithoutTrains)
{
    Otworz({Przelotowy});
    ASSERT_TRUE(m->Wybierz(0));
    EXPECT_TRUE(m->Usun());
    EXPECT_TRUE(m->Wiersze().empty());
    EXPECT_EQ(m->Zaznaczony(), -1);
    EXPECT_EQ(s.Rozklad.Ile(), 0);
    EXPECT_EQ(NumeryWPliku(), std::vector<std::string>{});
    m->PokazRozklad();
    EXPECT_TRUE(m->Wiersze().empty());
    EXPECT_TRUE(s.Komunikaty.Teksty.empty());
}

TEST_F(Usuwanie, AnEmptiedTimetableIsNotReadAgainFromTheFile)
{
    Otworz({Przelotowy});
    ASSERT_TRUE(m->Wybierz(0));
    ASSERT_TRUE(m->Usun());
    // Whatever the file holds now, the list shows the timetable the player emptied.
    TKomunikatyZapis komunikaty;
    TKursoryZapis kursory;
    TRozkladJazdy inny(NazwaPlikuRozkladu(), komunikaty, kursory);
    inny.Rozklad.Append(PociagTestowy(Koncowy));
    ASSERT_TRUE(inny.ZapiszRozklad());
    m->ZaznaczFiltr(tListaFiltru::przyjazd, 0, false);
    EXPECT_TRUE(m->Wiersze().empty());
    EXPECT_EQ(s.Rozklad.Ile(), 0);
}

// ---- A failed save ----

class NieudanyZapis : public OknoRozkladu {
protected:
    std::string folder = s.Katalog.Sciezka("dysk");
    std::unique_ptr<TRozkladJazdy> rozklad;

    // A timetable whose folder vanishes after the window opened: every save fails.
    void OtworzIZgub()
    {
        std::filesystem::create_directory(folder);
        rozklad = std::make_unique<TRozkladJazdy>(folder + "/rozklad.dat", s.Komunikaty, s.Kursory);
        for (const auto& d : {Przelotowy, Poczatkowy, Koncowy})
            rozklad->Rozklad.Append(PociagTestowy(d));
        ASSERT_TRUE(rozklad->ZapiszRozklad());
        m = std::make_unique<TModelRozkladu>(*rozklad, s.Komunikaty, WlotyUkladu(s.Komunikaty));
        m->Pokaz();
        std::filesystem::remove_all(folder);
    }
    std::vector<std::string> Teksty() const
    {
        std::vector<std::string> t;
        for (const auto& w : m->Wiersze())
            t.push_back(w.Tekst);
        return t;
    }
    // Memory and list agree: every train in memory has its row, in order, with its own text.
    void PamiecJakLista(const std::vector<std::string>& numery)
    {
        std::vector<std::string> wPamieci;
        for (int i = 0; i < rozklad->Ile(); ++i)
            wPamieci.push_back(rozklad->Pociag(i)->Numer());
        EXPECT_EQ(wPamieci, numery);
        EXPECT_EQ(Numery(), numery);
        for (const auto& w : m->Wiersze())
            EXPECT_EQ(w.Tekst, TModelRozkladu::TekstWiersza(*w.Pociag));
    }
};

TEST_F(NieudanyZapis, OfAnAddedTrainIsToldAndTheTrainIsNotAdded)
{
    OtworzIZgub();
    const auto przed = Teksty();
    WpiszPoprawny();
    EXPECT_FALSE(m->Dodaj());
    ASSERT_EQ(s.Komunikaty.Teksty.size(), 2u);
    // The cause names the folder that is gone.
    EXPECT_EQ(s.Komunikaty.Teksty[0].rfind("Nie udało się zapisać rozkładu jazdy!\r\n", 0), 0u);
    EXPECT_NE(s.Komunikaty.Teksty[0].find(folder + " (nie ma takiego pliku ani folderu)"), std::string::npos)
        << s.Komunikaty.Teksty[0];
    EXPECT_EQ(s.Komunikaty.Teksty[1], "Pociąg nie został dodany do rozkładu jazdy.");
    EXPECT_EQ(s.Komunikaty.Bledy, s.Komunikaty.Teksty);
    PamiecJakLista({"34101", "44712", "44713"});
    EXPECT_EQ(Teksty(), przed);
    // What was typed stays, to try again.
    EXPECT_EQ(m->Edytor.Numer, "77001");
}

TEST_F(NieudanyZapis, OfAChangeIsToldAndTheTrainKeepsItsFields)
{
    OtworzIZgub();
    const auto przed = Teksty();
    ASSERT_TRUE(m->Wybierz(0));
    Wpisz("opis", "zmieniony");
    Wpisz("godz_wjezdza", "12:00");
    Wpisz("godz_wyjezdza", "12:05");
    EXPECT_FALSE(m->Zmien());
    ASSERT_EQ(s.Komunikaty.Teksty.size(), 2u);
    EXPECT_EQ(s.Komunikaty.Teksty[0].rfind("Nie udało się zapisać rozkładu jazdy!\r\n", 0), 0u);
    PamiecJakLista({"34101", "44712", "44713"});
    EXPECT_EQ(Teksty(), przed);
    EXPECT_EQ(rozklad->Pociag(0)->Opis(), "osobowy");
    EXPECT_EQ(m->Zaznaczony(), 0);
}

TEST_F(OknoRozkladu, ABackupThatCannotBeMadeOnAFullDiskStopsTheSaveAndKeepsTheEditToTryAgain)
{
    Otworz();
    ASSERT_TRUE(s.Rozklad.ZapiszRozklad());  // a backup exists
    const auto plik = CzytajBajty(NazwaPlikuRozkladu());
    const auto kopia = CzytajBajty(s.Katalog.Sciezka("Kopia rozklad.dat"));
    WpiszPoprawny();
    {
        TUsterka usterka(tKrok::pisanie, 1);
        TPodmianaOperacjiPlikowych podmiana(usterka);
        EXPECT_FALSE(m->Dodaj());
    }
    ASSERT_EQ(s.Komunikaty.Teksty.size(), 2u);
    EXPECT_NE(s.Komunikaty.Teksty[0].find("kopii zapasowej"), std::string::npos) << s.Komunikaty.Teksty[0];
    EXPECT_NE(s.Komunikaty.Teksty[0].find("brak miejsca na dysku"), std::string::npos) << s.Komunikaty.Teksty[0];
    EXPECT_EQ(CzytajBajty(NazwaPlikuRozkladu()), plik);
    EXPECT_EQ(CzytajBajty(s.Katalog.Sciezka("Kopia rozklad.dat")), kopia);
    EXPECT_EQ(s.Rozklad.Ile(), 5);
    // The disk has room again: the same edit goes through.
    EXPECT_EQ(m->Edytor.Numer, "77001");
    EXPECT_TRUE(m->Dodaj());
    EXPECT_EQ(s.Rozklad.Ile(), 6);
    EXPECT_EQ(CzytajBajty(s.Katalog.Sciezka("Kopia rozklad.dat")), plik);
}

TEST_F(NieudanyZapis, OfADeletionIsToldAndTheTrainStaysInItsPlace)
{
    OtworzIZgub();
    const auto przed = Teksty();
    ASSERT_TRUE(m->Wybierz(1));
    EXPECT_FALSE(m->Usun());
    ASSERT_EQ(s.Komunikaty.Teksty.size(), 2u);
    EXPECT_EQ(s.Komunikaty.Teksty[1], "Pociąg nie został usunięty z rozkładu jazdy.");
    PamiecJakLista({"34101", "44712", "44713"});
    EXPECT_EQ(Teksty(), przed);
    EXPECT_EQ(m->ZaznaczonyPociag()->Numer(), "44712");
}

// ---- The limit of the file ----

using Limit = OknoRozkladu;

TEST_F(Limit, TheMessageNamesTheLimitOfTheFilesCount)
{
    EXPECT_NE(std::string(TekstNajwiecejPociagow).find(std::to_string(NajwiecejPociagow)), std::string::npos);
    EXPECT_EQ(NajwiecejPociagow, 32767);
}

TEST_F(Limit, TheLastTrainTheFileCanCountIsAddedAndTheNextOneRefused)
{
    for (int i = 1; i < NajwiecejPociagow; ++i)
        Wstaw({{std::to_string(i), "A", "B", "s", "wOlsz", "wBrz", "5:00", "5:01", ""}});
    Otworz({});
    WpiszPoprawny();
    ASSERT_TRUE(m->Dodaj());
    EXPECT_EQ(s.Rozklad.Ile(), NajwiecejPociagow);
    EXPECT_EQ(NumeryWPliku().size(), static_cast<std::size_t>(NajwiecejPociagow));
    const auto plik = CzytajBajty(NazwaPlikuRozkladu());

    Wpisz("numer", "77002");
    EXPECT_FALSE(m->Dodaj());
    EXPECT_EQ(s.Komunikaty.Teksty,
              (std::vector<std::string>{"Nie można dodać.\r\nRozkład jazdy może mieć najwyżej 32767 pociągów."}));
    EXPECT_EQ(s.Rozklad.Ile(), NajwiecejPociagow);
    EXPECT_EQ(CzytajBajty(NazwaPlikuRozkladu()), plik);
    // A change needs no room.
    ASSERT_TRUE(m->Wybierz(0));
    Wpisz("opis", "zmieniony");
    EXPECT_TRUE(m->Zmien());
}

// ---- CSV ----

using Csv = OknoRozkladu;

TEST_F(Csv, ExportWritesTheWholeTimetableUnfilteredInTheToolsFormat)
{
    Otworz();
    m->UstawSzukanie("34101");
    const std::string plik = s.Katalog.Sciezka("rozklad.csv");
    ASSERT_TRUE(m->EksportujCsv(plik));
    std::ifstream we(plik);
    std::vector<std::string> linie;
    for (std::string l; std::getline(we, l);)
        linie.push_back(l);
    ASSERT_EQ(linie.size(), 6u);
    EXPECT_EQ(linie[0], KolumnyRozkladuCsv);
    EXPECT_EQ(linie[1], "34101,Olszarzyna,Brzelany,s122,wOlsz,wBrz,4:08,4:12,osobowy,0");
    EXPECT_EQ(linie[2], "64304,Morzyn Port,Bartnica,sttttt,wWirowa,wOlsz,4:30,4:30,towarowy,1");
    EXPECT_FALSE(m->EksportujCsv(s.Katalog.Sciezka("nie-ma-folderu/rozklad.csv")));
    EXPECT_EQ(s.Komunikaty.Teksty.size(), 1u);
}

TEST_F(Csv, ImportReplacesTheTimetableAfterAskingAndSavesIt)
{
    Otworz();
    const std::string plik = s.Katalog.Sciezka("nowy.csv");
    PiszTekst(plik, std::string(KolumnyRozkladuCsv) +
                        "\n1,Olszarzyna,Brzelany,s1,wOlsz,wBrz,8:00,8:04,,0\n"
                        "2,Wirowa,Drelinko,a2,wWirowa,,7:00,7:00,\"szynobus, krótki\",0\n");
    s.Komunikaty.Odpowiedzi = {tOdpowiedz::tak};
    ASSERT_TRUE(m->ImportujCsv(plik));
    ASSERT_EQ(s.Komunikaty.Pytania.size(), 1u);
    EXPECT_EQ(s.Komunikaty.Pytania[0], "Rozkład jazdy (pociągów: 5) zostanie zastąpiony pociągami z pliku " + plik +
                                           " (pociągów: 2).\r\nZastąpić rozkład jazdy?");
    EXPECT_EQ(Numery(), (std::vector<std::string>{"2", "1"}));
    EXPECT_EQ(NumeryWPliku(), (std::vector<std::string>{"2", "1"}));
    EXPECT_EQ(s.Rozklad.Pociag(0)->Opis(), "szynobus, krótki");
}

TEST_F(Csv, ImportOfABadFileNamesTheLineAndFieldAndChangesNothing)
{
    Otworz();
    const auto dawny = CzytajBajty(NazwaPlikuRozkladu());
    const std::string plik = s.Katalog.Sciezka("zly.csv");
    PiszTekst(plik, std::string(KolumnyRozkladuCsv) +
                        "\n1,A,B,s1,wOlsz,wBrz,8:00,8:04,,0\n2,A,B,s1,wOlsz,wBrz,8.10,8:14,,0\n");
    EXPECT_FALSE(m->ImportujCsv(plik));
    EXPECT_TRUE(s.Komunikaty.Pytania.empty());
    ASSERT_EQ(s.Komunikaty.Teksty.size(), 1u);
    EXPECT_EQ(s.Komunikaty.Teksty[0], "Nie można zaimportować pliku " + plik +
                                          ":\r\nwiersz 3, pole przyjazd: \"8.10\" nie jest godziną (H:MM lub "
                                          "H:MM:SS)\r\nRozkład jazdy nie został zmieniony.");
    EXPECT_EQ(s.Rozklad.Ile(), 5);
    EXPECT_EQ(m->Wiersze().size(), 5u);
    EXPECT_EQ(CzytajBajty(NazwaPlikuRozkladu()), dawny);
    s.Komunikaty.Teksty.clear();
    EXPECT_FALSE(m->ImportujCsv(s.Katalog.Sciezka("nie-ma.csv")));
    EXPECT_EQ(s.Komunikaty.Teksty,
              (std::vector<std::string>{"Nie udało się odczytać pliku " + s.Katalog.Sciezka("nie-ma.csv") + "."}));
    EXPECT_EQ(s.Rozklad.Ile(), 5);
}

TEST_F(Csv, ImportNamesDoubtsAndNoKeepsTheTimetable)
{
    Otworz();
    const auto dawny = CzytajBajty(NazwaPlikuRozkladu());
    const std::string plik = s.Katalog.Sciezka("watpliwy.csv");
    PiszTekst(plik, std::string(KolumnyRozkladuCsv) + "\n1,A,B,12,wOlsz,wBrz,8:00,8:04,,0\n");
    EXPECT_FALSE(m->ImportujCsv(plik));
    ASSERT_EQ(s.Komunikaty.Pytania.size(), 1u);
    EXPECT_NE(s.Komunikaty.Pytania[0].find("\r\nWątpliwości:\r\n- 1 (1): w składzie nie ma pojazdu"),
              std::string::npos);
    EXPECT_EQ(s.Rozklad.Ile(), 5);
    EXPECT_EQ(CzytajBajty(NazwaPlikuRozkladu()), dawny);
}

TEST_F(Csv, ImportRefusesWhatTheCheckRefusesNamingTheLineAndField)
{
    Otworz();
    const auto dawny = CzytajBajty(NazwaPlikuRozkladu());
    const std::string plik = s.Katalog.Sciezka("obcy.csv");
    PiszTekst(plik, std::string(KolumnyRozkladuCsv) +
                        "\n1,A,B,s1,wOlsz,wKraniec,8:00,8:04,,0\n2,A,B,s12!2,\"wOlsz \",wBrz,9:00,9:04,,0\n");
    EXPECT_FALSE(m->ImportujCsv(plik));
    EXPECT_TRUE(s.Komunikaty.Pytania.empty());
    ASSERT_EQ(s.Komunikaty.Teksty.size(), 1u);
    const std::string& t = s.Komunikaty.Teksty[0];
    EXPECT_NE(t.find("wiersz 2, pole wyjezdza: wyjezdza przez nieznany wlot \"wKraniec\""), std::string::npos) << t;
    EXPECT_NE(t.find("wiersz 3, pole wjezdza: wjezdza przez nieznany wlot \"wOlsz \""), std::string::npos) << t;
    EXPECT_NE(t.find("wiersz 3, pole sklad: nieznany pojazd '!'"), std::string::npos) << t;
    EXPECT_EQ(s.Rozklad.Ile(), 5);
    EXPECT_EQ(CzytajBajty(NazwaPlikuRozkladu()), dawny);
}

TEST_F(Csv, ImportOfMoreTrainsThanTheFileCanCountIsRefused)
{
    Otworz();
    const std::string plik = s.Katalog.Sciezka("duzy.csv");
    std::string csv = std::string(KolumnyRozkladuCsv) + "\n";
    for (int i = 0; i <= NajwiecejPociagow; ++i)
        csv += std::to_string(i) + ",A,B,s1,wOlsz,wBrz,8:00,8:04,,0\n";
    PiszTekst(plik, csv);
    EXPECT_FALSE(m->ImportujCsv(plik));
    EXPECT_TRUE(s.Komunikaty.Pytania.empty());
    EXPECT_EQ(s.Komunikaty.Teksty,
              (std::vector<std::string>{"Nie można zaimportować pliku " + plik +
                                        ":\r\nwiersz 32769: Rozkład jazdy może mieć najwyżej 32767 pociągów. Ten "
                                        "wiersz jest 32768. pociągiem.\r\nRozkład jazdy nie został zmieniony."}));
    EXPECT_EQ(s.Rozklad.Ile(), 5);
}

TEST_F(Csv, AFailedSaveOfAnImportKeepsTheOldTimetable)
{
    const std::string folder = s.Katalog.Sciezka("dysk");
    std::filesystem::create_directory(folder);
    TRozkladJazdy rozklad(folder + "/rozklad.dat", s.Komunikaty, s.Kursory);
    rozklad.Rozklad.Append(PociagTestowy(Przelotowy));
    ASSERT_TRUE(rozklad.ZapiszRozklad());
    TModelRozkladu model(rozklad, s.Komunikaty, WlotyUkladu(s.Komunikaty));
    model.Pokaz();
    std::filesystem::remove_all(folder);
    const std::string plik = s.Katalog.Sciezka("nowy.csv");
    PiszTekst(plik, std::string(KolumnyRozkladuCsv) + "\n1,A,B,s1,wOlsz,wBrz,8:00,8:04,,0\n");
    s.Komunikaty.Odpowiedzi = {tOdpowiedz::tak};
    EXPECT_FALSE(model.ImportujCsv(plik));
    EXPECT_EQ(s.Komunikaty.Teksty.back(), "Rozkład jazdy nie został zastąpiony pociągami z pliku.");
    ASSERT_EQ(rozklad.Ile(), 1);
    EXPECT_EQ(rozklad.Pociag(0)->Numer(), "34101");
    ASSERT_EQ(model.Wiersze().size(), 1u);
    EXPECT_EQ(model.Wiersze()[0].Pociag, rozklad.Pociag(0));
}

}  // namespace
