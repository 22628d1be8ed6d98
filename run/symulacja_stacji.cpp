// The station run's clock and ticks, its speed, its closing, the journal lines and tips, and how a
// dispatcher's fault reaches the player.

#include "run/symulacja_stacji.h"

#include "core/cp1250.h"
#include "core/format.h"
#include "core/liczebniki.h"
#include "core/wkt_files.h"
#include "interlocking/stacja_nastawni.h"
#include "station/opis_miejsca.h"
#include "station/uklad.h"
#include "station/upunkt.h"
#include "station/wlot.h"
#include "trains/czas.h"
#include "trains/rozklad.h"

#include <cmath>
#include <fstream>
#include <optional>
#include <sstream>

TSymulacjaStacji::TSymulacjaStacji(TUslugi& uslugi, TRozkladJazdy& rozklad)
    : TSymulacjaStacji(uslugi, &rozklad, nullptr)
{
}

TSymulacjaStacji::TSymulacjaStacji(TUslugi& uslugi, TRozkladJazdy* rozklad, std::unique_ptr<TRozkladJazdy> wlasny)
    : wlasnyRozklad_(std::move(wlasny)),
      zapis_(uslugi),
      uslugi_(zapis_.Uslugi()),
      rozklad_(rozklad != nullptr ? *rozklad : *wlasnyRozklad_),
      // The frames that draw the eye only show: they blink on the program's own timers, past the record.
      stacja_(uslugi_.Zegary, uslugi_.Dzwieki, uslugi_.Komunikaty, &uslugi.Zegary),
      silnik_(
          rozklad_, [this] { return CzasSymulacji; },
          [this](std::int32_t p, const std::string& s1, const std::string& s2, const TOcena& o) {
              DodajDoDziennika(p, s1, s2, o);
          })
{
    ZbudujStacje(stacja_);
    for (std::size_t i = 0; i < ToryRaportu.size(); ++i)
        toryRaportu_[i] = stacja_.Znajdz<TPunkt>(std::string(ToryRaportu[i]));
    // The station's own entry keeps its journal event for whatever element sends through it.
    if (auto* wlasna = stacja_.Znajdz<TWlotStacyjny>("stacja_Drelinko"))
        wlasna->OnDodajDoDziennika = [this](std::int32_t p, const std::string& s1, const std::string& s2) {
            DodajDoDziennika(p, s1, s2);
        };
    zapis_.Zapisz = [this](std::vector<std::string> slowa) { ZapiszWejscie(std::move(slowa)); };
    zapis_.PoWejsciu = [this] { PoZdarzeniu(); };
}

TSymulacjaStacji::~TSymulacjaStacji() = default;

void TSymulacjaStacji::Pokaz()
{
    silnik_.PrzygotujPociagi(stacja_);
    raporty_.UstawUtrudnienia(silnik_.Utrudnienia.Poziom > TUtrudnienia::NajnizszyPoziom);
    const bool minionyDzien = raporty_.NowyDzien(CzasSymulacji, dziennik_.Score(), silnik_.PociagiDnia());
    DodajDoDziennika(200, "Przygotowałem pociągi do drogi.", "", {tRodzajOceny::otwarcieDnia});
    if (minionyDzien)
        DodajDoDziennika(0, "Raport minionego dnia jest gotowy.",
                         "Obejrzysz go w menu Informacje, pozycja „Raport minionego dnia”.", {tRodzajOceny::informacja});
    if (dyspozytor_.CokolwiekWlaczone())
        dyspozytor_.Planuj();
    doradca_.reset();
    UstawSzybkosc(szybkosc_);
    ZdarzenieZegara();
    pokazane_ = true;
}

TAutomatycznyDyspozytor& TSymulacjaStacji::Doradca()
{
    if (doradca_ == nullptr) {
        // Its acts are only ever peeked at, so its way of making them is never used.
        doradca_ = std::make_unique<TAutomatycznyDyspozytor>(
            TWidokRuchu{stacja_, silnik_, CzasSymulacji, wstrzymanyDoradcy_, [](const std::function<void()>&) {}});
        doradca_->UstawDoradce();
        doradca_->Wlacz(true);
    }
    return *doradca_;
}

void TSymulacjaStacji::ZdarzenieZegara()
{
    // Only shown: the game does not depend on it, so the record does not keep it.
    StatusCzasBiezacy = CzasHMMSS(zapis_.TerazBezZapisu());
    StatusCzasSymulacji = CzasHHMMSS(CzasSymulacji);
    silnik_.KrokSymulacji();
    raporty_.Probkuj(toryRaportu_, CzasSymulacji);
}

void TSymulacjaStacji::Tyknij()
{
    if (!pokazane_ || !OknoAktywne || Stop || Wstrzymany || zapis_.WAkcie)
        return;
    // The record counts this tick: what it starts is the game's, whatever way it leaves.
    struct Takt {
        TUslugiZapisu& zapis;
        explicit Takt(TUslugiZapisu& z) : zapis(z) { zapis.WTakcie = true; }
        ~Takt() { zapis.WTakcie = false; }
    } takt(zapis_);
    zapis_.OdswiezZegar();
    dyspozytor_.Dzialaj();
    ZdarzenieZegara();
    const double przedtem = CzasSymulacji;
    CzasSymulacji = PoraDnia(CzasSymulacji + Sekunda(SekIncrement));
    if (CzasSymulacji < przedtem) {
        Pokaz();
        nowyDzien_ = true;
    }
    const int n = silnik_.LiczbaPociagowNaStacji();
    if (n != licznikTag_) {
        licznikTag_ = n;
        licznikPociagow_ = n == 0 ? "żadnych pociągów w obrębie stacji"
                                  : Liczebnik("%d %s w obrębie stacji", n, "pociąg", "pociągi", "pociągów");
    }
    PokazPorade();
    ++takty_;
    if (OnTyk)
        OnTyk();
    if (!zapis_.Odtwarzanie())
        PoZdarzeniu();
}

void TSymulacjaStacji::UstawSzybkosc(int pozycja)
{
    szybkosc_ = pozycja;
    const int q = pozycja == 0 ? 1 : pozycja;
    // Rounded twice, both times to the nearest with ties to even, as the speed always was.
    const double dziesiate = std::nearbyint(SekIncrement * 10000.0 / q);
    interwal_ = static_cast<int>(std::nearbyint(dziesiate * 0.1));
    std::string sekundy = Formatuj("%.02f", interwal_ / 1000.0);
    for (char& c : sekundy)
        if (c == '.')
            c = ',';  // the Polish decimal separator
    UstawPodpowiedz(Formatuj("Symulacja będzie %d razy szybsza od rzeczywistości. Ekran będzie odświeżany co %s sek.",
                             pozycja, sekundy.c_str()));
}

void TSymulacjaStacji::UstawPodpowiedz(const std::string& tekst)
{
    if (tekst == LinijkaPodpowiedzi)
        return;
    LinijkaPodpowiedzi = tekst;
    if (OnPodpowiedz)
        OnPodpowiedz(tekst);
}

std::string TSymulacjaStacji::EtykietaCzasu() const { return CzasHHMM(CzasSymulacji); }
std::string TSymulacjaStacji::EtykietaSekund() const { return ":" + CzasHHMMSS(CzasSymulacji).substr(6); }

void TSymulacjaStacji::Zamknij()
{
    if (GraGracza() && Milisekundy(CzasSymulacji) < Milisekundy(0.9))
        TLiniaStartowa(uslugi_.Ustawienia, uslugi_.Komunikaty).ZapiszGodzine(CzasSymulacji);
}

void TSymulacjaStacji::DodajDoDziennika(std::int32_t punkty, const std::string& tekst, const std::string& opis,
                                        TOcena ocena)
{
    const std::string jednaLinia = JednaLiniaDziennika(opis);
    ocena.Rodzaj = RodzajLinii(ocena.Rodzaj, punkty);
    dziennik_.DodajLinie(punkty, tekst, jednaLinia, CzasSymulacji, uslugi_.ZegarScienny.Teraz(), ocena.Rodzaj,
                         ocena.Pociag != nullptr ? ocena.Pociag->IdRaportu : 0);
    raporty_.Zapisz(ocena, punkty, CzasSymulacji, dziennik_.Score());
    StatusTekst = tekst;
    StatusOpis = jednaLinia;
}

void TSymulacjaStacji::PokazPorade()
{
    // A tip comes every five minutes of real time: the record keeps the clock only where that
    // answers otherwise than the time it kept last, which a replay compares instead.
    const double granica = ostatniaPorada_ + 5.0 / 1440;
    const std::optional<double> zapisany = zapis_.CzasWZapisie();
    if (!(zapis_.TerazBezZapisu() > granica) && (zapis_.Odtwarzanie() || (zapisany && !(*zapisany > granica))))
        return;
    const double teraz = uslugi_.ZegarScienny.Teraz();
    if (!(teraz > granica))
        return;
    ostatniaPorada_ = teraz;
    try {
        std::ifstream we(ProgramDir() + "info.txt", std::ios::binary);
        if (!we)
            return;
        std::vector<std::string> linie;
        for (std::string linia; std::getline(we, linia);) {
            if (!linia.empty() && linia.back() == '\r')
                linia.pop_back();
            if (linia.empty())
                continue;
            if (auto utf8 = ZCp1250(linia))
                linie.push_back(std::move(*utf8));
        }
        if (linie.empty())
            return;
        uslugi_.Losowanie.Zasiej(static_cast<std::uint64_t>(std::llround(teraz * 86400000.0)));
        const std::string& wybrana = linie[static_cast<std::size_t>(uslugi_.Losowanie.Losuj(static_cast<int>(linie.size())))];
        const auto kreska = wybrana.find('|');
        const std::string tytul = kreska == std::string::npos ? wybrana : wybrana.substr(0, kreska);
        const std::string tekst = kreska == std::string::npos ? wybrana : wybrana.substr(kreska + 1);
        dziennik_.DodajPorade(tytul, tekst);
    } catch (...) {
        // A tip never reports anything.
    }
}

void TSymulacjaStacji::ObsluzWyjatek(std::exception_ptr wyjatek)
{
    try {
        std::rethrow_exception(wyjatek);
    } catch (const TElemExc& e) {
        const std::string wiadomosc = e.what();
        const auto cr = wiadomosc.find('\r');
        const std::string tytul = wiadomosc.substr(0, cr);
        std::string opis;
        if (cr != std::string::npos) {
            const std::size_t reszta = wiadomosc.compare(cr, 2, "\r\n") == 0 ? cr + 2 : cr + 1;
            opis = wiadomosc.substr(reszta);
        }
        if (e.Element != nullptr)
            opis += "\r\n" + Formatuj("%s: %s", e.Element->Hint.c_str(), e.Element->Name.c_str());
        if (e.Miejsce != nullptr)
            stacja_.Wyroznienia().Mignij(e.Miejsce, KolorZatrzymania, CzasMiganiaZatrzymania);
        // The warning adds where to look, in the player's terms; the journal keeps the fault's own words.
        const std::string gdzie = OpisMiejsca(e.Element, e.Miejsce);
        uslugi_.Komunikaty.Ostrzezenie("Lorvia 99", tytul, gdzie.empty() ? opis : opis + "\r\n" + gdzie, 3);
        try {
            const tRodzajOceny rodzaj = e.UsterkaUrzadzenia ? tRodzajOceny::usterka
                                        : e.Element != nullptr ? tRodzajOceny::bladElementu
                                                               : tRodzajOceny::bladPolecenia;
            DodajDoDziennika(e.Punkty, tytul, opis, {rodzaj});
        } catch (const std::exception& blad) {
            uslugi_.Komunikaty.Blad(blad.what());
        }
    } catch (const std::exception& e) {
        uslugi_.Komunikaty.Blad(e.what());
    } catch (...) {
        uslugi_.Komunikaty.Blad("Nieznany błąd programu.");
    }
}

std::string JednaLiniaDziennika(const std::string& tekst) { return ZamienKonceLinii(tekst, " • "); }
