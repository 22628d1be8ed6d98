// The script driver: its services without a window, and every command of a script.

#include "tools/sim/driver.h"

#include "core/slowa_polecen.h"
#include "core/tekst.h"
#include "core/wkt_exception.h"
#include "core/wkt_stream.h"
#include "interlocking/przyciski.h"
#include "models/model_rozkladu.h"
#include "record/uslugi_zapisu.h"
#include "report/raport_dnia.h"
#include "lessons/przebieg_lekcji.h"
#include "run/plan_stacji.h"
#include "run/podpowiedz.h"
#include "run/symulacja_stacji.h"
#include "simulation/linia_startowa.h"
#include "simulation/menu_pociagu.h"
#include "tools/sim/stan.h"
#include "trains/czas.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"
#include "trains/rozklad_csv.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <optional>
#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>

namespace {

// A line the script got wrong: the driver stops with exit status 2.
struct TZlaLinia : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A file the driver could not write: exit status 1.
struct TBladPliku : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace

// Message and question boxes as output lines; questions take the queued answers.
class TDriverSymulacji::Komunikaty : public TKomunikaty {
public:
    explicit Komunikaty(std::ostream& out) : out_(out) {}

    void Komunikat(const std::string& tekst) override { out_ << "MESSAGE " << BezLamania(tekst) << '\n'; }

    tOdpowiedz Pytanie(const std::string& tekst, tPrzyciski przyciski, tRodzajPytania) override
    {
        tOdpowiedz o = przyciski == tPrzyciski::takNie ? tOdpowiedz::nie : tOdpowiedz::anuluj;
        if (!Odpowiedzi.empty()) {
            o = Odpowiedzi.front();
            Odpowiedzi.pop_front();
        }
        out_ << "QUESTION " << BezLamania(tekst) << " -> " << TUslugiZapisu::NazwaOdpowiedzi(o) << '\n';
        return o;
    }

    void Ostrzezenie(const std::string&, const std::string& tytul, const std::string& opis, int) override
    {
        out_ << "WARNING " << BezLamania(tytul) << " | " << BezLamania(opis) << '\n';
    }

    std::deque<tOdpowiedz> Odpowiedzi;

private:
    std::ostream& out_;
};

class TDriverSymulacji::Dzwieki : public TDzwieki {
public:
    explicit Dzwieki(std::ostream& out) : out_(out) {}
    void Odtworz(const std::string& plik) override
    {
        out_ << "SOUND " << std::filesystem::path(plik).filename().string() << '\n';
    }

private:
    std::ostream& out_;
};

// The driver's world: real time is the manual timers' time, on a fixed day, so that every run of a
// script prints the same; settings live as long as the run.
class TDriverSymulacji::Uslugi : public TZegarScienny, public TUstawienia, public TKursory {
public:
    explicit Uslugi(const TZegaryReczne& zegary) : zegary_(&zegary) {}

    double Teraz() const override { return 46000.5 + zegary_->Teraz() / 86400000.0; }
    void UstawZegary(const TZegaryReczne& zegary) { zegary_ = &zegary; }
    std::string Czytaj(const std::string& k, const std::string& n, const std::string& d) const override
    {
        const auto it = wartosci_.find(k + "\\" + n);
        return it == wartosci_.end() ? d : it->second;
    }
    void Zapisz(const std::string& k, const std::string& n, const std::string& w) override { wartosci_[k + "\\" + n] = w; }
    void UstawKursor(tKursor) override {}

    TLosowanieProste Losowanie;

private:
    const TZegaryReczne* zegary_;
    std::map<std::string, std::string> wartosci_;
};

TDriverSymulacji::TDriverSymulacji(std::ostream& wyjscie, Renderowanie renderowanie)
    : out_(wyjscie),
      renderowanie_(std::move(renderowanie)),
      zegary_(std::make_unique<TZegaryReczne>()),
      komunikaty_(std::make_unique<Komunikaty>(wyjscie)),
      dzwieki_(std::make_unique<Dzwieki>(wyjscie)),
      uslugi_(std::make_unique<Uslugi>(*zegary_))
{
    ZarejestrujPociag();
    uslugiSymulacji_ = std::make_unique<TUslugi>(TUslugi{*zegary_, *dzwieki_, *komunikaty_, *uslugi_, *uslugi_,
                                                          uslugi_->Losowanie, *uslugi_});
    rozklad_ = std::make_unique<TRozkladJazdy>(NazwaPlikuRozkladu(), *komunikaty_, *uslugi_);
    symulacja_ = std::make_unique<TSymulacjaStacji>(*uslugiSymulacji_, *rozklad_);
    symulacja_->UzyjZegarowRecznych(*zegary_);
    PodlaczSymulacje();
}

// What the station run tells goes to the output as the window would show it.
void TDriverSymulacji::PodlaczSymulacje()
{
    symulacja_->Dziennik().OnLinia = [this](const TLiniaDziennika& l) {
        if (l.Porada)
            out_ << "TIP " << BezLamania(l.Tekst) << " | " << BezLamania(l.Opis) << '\n';
        else
            out_ << "JOURNAL " << CzasHHMMSS(l.Czas) << ' ' << l.Punkty << ' ' << BezLamania(l.Tekst) << " | "
                 << BezLamania(l.Opis) << '\n';
    };
    symulacja_->OnPodpowiedz = [this](const std::string& tekst) { out_ << "HINT " << BezLamania(tekst) << '\n'; };
    symulacja_->Dyspozytor().OnAkt = [this](const TAktDyspozytora& akt) {
        out_ << "AUTO " << CzasHHMMSS(symulacja_->CzasSymulacji) << ' ' << akt.Polecenie << '\n';
    };
}

TDriverSymulacji::~TDriverSymulacji() = default;

void TDriverSymulacji::Zle(const std::string& powod) { throw TZlaLinia(powod); }

int TDriverSymulacji::Wykonaj(std::istream& skrypt)
{
    std::string linia;
    int numer = 0;
    while (std::getline(skrypt, linia)) {
        ++numer;
        try {
            std::string blad;
            const auto slowa = RozbijLinie(linia, blad);
            if (!slowa)
                Zle(blad);
            if (!slowa->empty())
                Polecenie(*slowa);
            // A lesson's step is done as soon as the station shows it.
            if (lekcja_ != nullptr)
                lekcja_->Sprawdz();
            out_.flush();
        } catch (const TZlaLinia& e) {
            out_ << "ERROR " << numer << ": " << e.what() << '\n';
            return ZlaLinia;
        } catch (const TBladPliku& e) {
            out_ << "ERROR " << numer << ": " << e.what() << '\n';
            return BladPliku;
        }
    }
    return Dobrze;
}

const std::map<std::string_view, TDriverSymulacji::Komenda>& TDriverSymulacji::Komendy()
{
    using T = TDriverSymulacji;
    // command: handler, fewest and most arguments[, works with the station closed]
    static const std::map<std::string_view, Komenda> komendy{
        {"time", {&T::Time, 1, 1}},
        {"start", {&T::Start, 0, 0}},
        {"tick", {&T::Tick, 0, 1}},
        {"until", {&T::Until, 1, 1}},
        {"wait", {&T::Wait, 1, 1}},
        {"click", {&T::Click, 1, 1}},
        {"dblclick", {&T::DblClick, 1, 1}},
        {"press", {&T::Press, 1, 1}},
        {"answer", {&T::Answer, 1, 1}},
        {"menu", {&T::Menu, 1, 3}},
        {"commands", {&T::Commands, 0, 2}},
        {"show", {&T::Show, 1, 1}},
        {"trains", {&T::Trains, 0, 0}},
        {"score", {&T::Score, 0, 0}},
        {"stop", {&T::Stop, 1, 1}},
        {"speed", {&T::Speed, 1, 1}},
        {"sound", {&T::Sound, 1, 1}},
        {"labels", {&T::Labels, 1, 1}},
        {"window", {&T::Window, 1, 1}},
        {"render", {&T::Render, 1, 3}},
        {"close", {&T::Close, 0, 0}},
        {"timetable", {&T::Timetable, 0, 3}},
        {"auto", {&T::Auto, 1, 2}},
        {"hint", {&T::Hint, 0, 0}},
        {"lesson", {&T::Lesson, 1, 1}},
        {"plan", {&T::Plan, 0, 0}},
        // The start line belongs to the start window, which outlives every run.
        {"param", {&T::Param, 1, 2, true}},
        {"report", {&T::Report, 0, 1}},
        {"clock", {&T::Clock, 1, 1}},
        {"save", {&T::Save, 1, 1}},
        {"load", {&T::Load, 1, 1}},
    };
    return komendy;
}

void TDriverSymulacji::Polecenie(const std::vector<std::string>& slowa)
{
    const std::string& nazwa = slowa.front();
    const auto it = Komendy().find(nazwa);
    const Komenda* komenda = it == Komendy().end() ? nullptr : &it->second;
    // A closed station answers every line so, an unknown word included.
    if (symulacja_ == nullptr && (komenda == nullptr || !komenda->bezStacji))
        Zle("the station is closed");
    if (komenda == nullptr)
        Zle("unknown command " + nazwa);
    const Argumenty argumenty(slowa.begin() + 1, slowa.end());
    if (argumenty.size() < komenda->minArgumentow || argumenty.size() > komenda->maksArgumentow)
        Zle("wrong number of arguments for " + nazwa);
    (this->*komenda->wykonaj)(argumenty);
}

namespace {

// A whole word read as a number.
template <typename Liczba>
std::optional<Liczba> CzytajLiczbe(const std::string& slowo)
{
    Liczba v{};
    std::istringstream we(slowo);
    if (!(we >> v) || !(we >> std::ws).eof())
        return std::nullopt;
    return v;
}

bool Wlaczone(const std::string& slowo, const std::string& komenda)
{
    if (slowo != "on" && slowo != "off")
        throw TZlaLinia(komenda + " must be on or off");
    return slowo == "on";
}

}  // namespace

void TDriverSymulacji::Time(Argumenty a)
{
    Akt({"time", a[0]});
}

void TDriverSymulacji::Akt(std::vector<std::string> slowa)
{
    if (const std::string powod = symulacja_->Akt(slowa); !powod.empty())
        Zle(powod);
}

void TDriverSymulacji::Clock(Argumenty a) { Akt({"clock", a[0]}); }

void TDriverSymulacji::Start(Argumenty)
{
    if (symulacja_->Pokazane())
        Zle("already started");
    if (oknoRozkladu_ != nullptr)
        Zle("the timetable window is open");
    const TLiniaStartowa linia(*uslugi_, *komunikaty_);
    symulacja_->UstawUtrudnienia(linia.PoziomUtrudnien(), linia.WybraneZiarno());
    Akt({"start"});
}

void TDriverSymulacji::Tick(Argumenty a)
{
    const auto ile = a.empty() ? std::optional<int>(1) : CzytajLiczbe<int>(a[0]);
    if (!ile || *ile < 0 || *ile > 10 * 17280)
        Zle("bad number of ticks " + a[0]);
    for (int i = 0; i < *ile; ++i)
        symulacja_->Wykonaj([this] { symulacja_->Tyknij(); });
}

void TDriverSymulacji::Until(Argumenty a)
{
    const auto czas = CzytajGodzine(a[0]);
    if (!czas)
        Zle("bad time " + a[0]);
    // Ticks until the clock has reached or passed the time, across midnight if need be; at most one
    // simulated day of ticks, so a frozen clock ends the command too.
    constexpr long long Doba = 86400000;
    const auto naprzod = [](long long od, long long do_) { return ((do_ - od) % Doba + Doba) % Doba; };
    const long long potrzeba = naprzod(Milisekundy(symulacja_->CzasSymulacji), Milisekundy(*czas));
    const int maks = 86400 / std::max(1, symulacja_->SekIncrement);
    long long uplynelo = 0;
    for (int i = 0; i < maks && uplynelo < potrzeba; ++i) {
        const long long przedtem = Milisekundy(symulacja_->CzasSymulacji);
        symulacja_->Wykonaj([this] { symulacja_->Tyknij(); });
        uplynelo += naprzod(przedtem, Milisekundy(symulacja_->CzasSymulacji));
    }
}

void TDriverSymulacji::Wait(Argumenty a)
{
    const auto sekundy = CzytajLiczbe<double>(a[0]);
    if (!sekundy || *sekundy < 0 || *sekundy > 86400)
        Zle("bad number of seconds " + a[0]);
    symulacja_->Czekaj(std::llround(*sekundy * 1000));
}

TElement& TDriverSymulacji::ElementDiagramu(const std::string& nazwa) const
{
    auto* e = dynamic_cast<TElement*>(symulacja_->Stacja().Znajdz(nazwa));
    if (e == nullptr || e->Kontener != TKomponent::Diagram)
        Zle("unknown element " + nazwa);
    return *e;
}

void TDriverSymulacji::Click(Argumenty a) { Akt({"click", a[0]}); }

void TDriverSymulacji::DblClick(Argumenty a) { Akt({"dblclick", a[0]}); }

void TDriverSymulacji::Press(Argumenty a) { Akt({"press", a[0]}); }

void TDriverSymulacji::Answer(Argumenty a)
{
    static const std::map<std::string_view, tOdpowiedz> odpowiedzi{
        {"yes", tOdpowiedz::tak}, {"no", tOdpowiedz::nie}, {"cancel", tOdpowiedz::anuluj}};
    const auto it = odpowiedzi.find(a[0]);
    if (it == odpowiedzi.end())
        Zle("answer must be yes, no or cancel");
    komunikaty_->Odpowiedzi.push_back(it->second);
}

void TDriverSymulacji::Score(Argumenty)
{
    out_ << "SCORE " << symulacja_->Dziennik().Score() << '\n';
}

void TDriverSymulacji::Stop(Argumenty a) { Akt({"stop", a[0]}); }

void TDriverSymulacji::Sound(Argumenty a) { Akt({"sound", a[0]}); }

// The window's option of trains' labels beside the tracks; off until a script turns it on, so that
// pictures drawn show the diagram exactly as its elements draw it.
void TDriverSymulacji::Labels(Argumenty a) { Akt({"labels", a[0]}); }

void TDriverSymulacji::Speed(Argumenty a)
{
    const auto v = CzytajLiczbe<int>(a[0]);
    if (!v || *v < 1 || *v > 100)
        Zle("speed must be 1 to 100");
    Akt({"speed", std::to_string(*v)});
}

void TDriverSymulacji::Window(Argumenty a)
{
    if (a[0] != "active" && a[0] != "inactive")
        Zle("window must be active or inactive");
    const bool aktywne = a[0] == "active";
    if (oknoRozkladu_ != nullptr)
        oknoStacjiAktywne_ = aktywne;
    else
        Akt({"window", a[0]});
}

void TDriverSymulacji::Render(Argumenty a)
{
    std::string strona;
    int skala = 1;
    for (const std::string& slowo : a.subspan(1)) {
        if (const auto v = CzytajLiczbe<int>(slowo)) {
            if (*v < 1 || *v > 8)
                Zle("scale must be 1 to 8");
            skala = *v;
        } else if (slowo == "Sterowanie" || slowo == "Przebiegi") {
            strona = "ts" + slowo;
        } else {
            Zle("unknown page " + slowo);
        }
    }
    if (!renderowanie_)
        Zle("not available yet");
    if (const std::string powod = renderowanie_(*symulacja_, a[0], strona, skala); !powod.empty())
        throw TBladPliku("cannot write " + a[0] + ": " + BezLamania(powod));
}

void TDriverSymulacji::Close(Argumenty)
{
    // The modal timetable window keeps the station window from closing.
    if (oknoRozkladu_ != nullptr)
        Zle("the timetable window is open");
    symulacja_->Zamknij();
    lekcja_.reset();
    symulacja_.reset();
}

void TDriverSymulacji::Report(Argumenty a)
{
    const TRaportDnia& dzien = symulacja_->Raporty().Biezacy();
    const std::string rozszerzenie = a.empty() ? "" : MaleLitery(std::filesystem::path(a[0]).extension().string());
    if (!a.empty() && rozszerzenie != ".csv" && rozszerzenie != ".png" && rozszerzenie != ".pdf")
        Zle("the report is written as .csv, .png or .pdf");
    if ((rozszerzenie == ".png" || rozszerzenie == ".pdf") && !eksportRaportu_)
        Zle("not available yet");
    const auto godzina = [](const std::optional<double>& czas) { return czas ? GodzinaRaportu(*czas) : "-"; };
    const auto plan = [](double czas) { return GodzinaMinuty(czas - std::floor(czas)); };
    const auto minuty = [](const std::optional<int>& m) { return m ? std::to_string(*m) : "-"; };
    for (const TPociagRaportu& t : dzien.Pociagi) {
        out_ << "REPORT train numer=" << Cytat(t.Numer) << " przyjazd_plan=" << Cytat(plan(t.PrzyjazdPlan))
             << " przyjazd=" << Cytat(godzina(t.Przyjazd)) << " odjazd_plan=" << Cytat(plan(t.OdjazdPlan))
             << " odjazd=" << Cytat(godzina(t.Odjazd))
             << " opoznienie=" << minuty(t.Opoznienie()) << " punkty=" << t.Punkty;
        if (dzien.ZUtrudnieniami)
            out_ << " z_trasy=" << minuty(t.OpoznienieZTrasy()) << " tutaj=" << minuty(t.OpoznienieTutaj());
        out_ << '\n';
    }
    for (int i = 0; i < LiczbaRodzajowOceny; ++i) {
        const TSumaRodzaju& suma = dzien.Rodzaje[static_cast<std::size_t>(i)];
        if (suma.Ile > 0)
            out_ << "REPORT kind=" << Cytat(NazwaRodzaju(static_cast<tRodzajOceny>(i))) << " count=" << suma.Ile
                 << " punkty=" << suma.Punkty << '\n';
    }
    out_ << "REPORT total punkty=" << dzien.Punkty << " pociagi=" << dzien.Pociagi.size()
         << " punktualne=" << dzien.Punktualne() << '\n';
    if (a.empty())
        return;
    const std::string& plik = a[0];
    std::string powod;
    if (rozszerzenie == ".csv") {
        try {
            ZapiszPlikCaly(plik, RaportCsv(dzien));
        } catch (const EwktException& e) {
            powod = e.what();
        }
    } else {
        powod = eksportRaportu_(dzien, plik);
    }
    if (!powod.empty())
        throw TBladPliku("cannot write " + plik + ": " + BezLamania(powod));
}

void TDriverSymulacji::Param(Argumenty a)
{
    TLiniaStartowa linia(*uslugi_, *komunikaty_);
    const TLiniaStartowa::TParametr* parametr = TLiniaStartowa::Parametr(a[0]);
    if (parametr == nullptr)
        Zle("unknown parameter " + a[0]);
    if (a.size() == 2 && linia.Wpisz(a[0], a[1]) == TLiniaStartowa::tWpis::wpStaly)
        Zle("parameter " + std::string(parametr->Nazwa) + " is a command link, its value is fixed");
    out_ << "PARAM " << parametr->Nazwa << ' ' << Cytat(linia.Wartosc(parametr->Nazwa)) << '\n';
}

void TDriverSymulacji::Auto(Argumenty a)
{
    std::vector<std::string> slowa{"auto"};
    slowa.insert(slowa.end(), a.begin(), a.end());
    Akt(std::move(slowa));
}

void TDriverSymulacji::Hint(Argumenty)
{
    if (!symulacja_->Pokazane())
        Zle("not started");
    const TPodpowiedz p = lekcja_ != nullptr ? lekcja_->Podpowiedz() : Podpowiedz(*symulacja_);
    out_ << "HINT " << p.Polecenie << " | " << BezLamania(p.Powod) << '\n';
}

void TDriverSymulacji::Plan(Argumenty)
{
    if (!symulacja_->Pokazane())
        Zle("not started");
    // The driver does not watch the lines between its lines: their past is left out.
    const TPlanStacji plan = Planuj(StanDoPlanu(*symulacja_, nullptr));
    static constexpr const char* rodzaje[] = {"done", "planned", "conflict"};
    for (const TOdcinekPlanu& o : plan.Odcinki)
        out_ << "PLAN " << o.Wiersz << ' ' << GodzinaRaportu(o.Od) << ' ' << GodzinaRaportu(o.Do) << ' ' << o.Pociag << ' '
             << rodzaje[static_cast<int>(o.Rodzaj)] << '\n';
    for (const TKonfliktPlanu& k : plan.Konflikty) {
        std::string pociagi;
        for (const std::string& n : k.Pociagi)
            pociagi += (pociagi.empty() ? "" : ",") + n;
        out_ << "CONFLICT " << GodzinaRaportu(k.Czas) << ' ' << (pociagi.empty() ? "-" : pociagi) << " | "
             << BezLamania(k.Tekst) << '\n';
    }
}

void TDriverSymulacji::Lesson(Argumenty a)
{
    std::vector<TLekcja> lekcje;
    try {
        lekcje = WszystkieLekcje(symulacja_->Stacja());
    } catch (const TBladLekcji& e) {
        Zle(e.what());
    }
    if (a[0] == "list") {
        for (std::size_t i = 0; i < lekcje.size(); ++i)
            out_ << "LESSON " << i + 1 << ' ' << lekcje[i].Tytul << '\n';
        return;
    }
    if (a[0] == "next") {
        if (lekcja_ == nullptr)
            Zle("no lesson");
        lekcja_->Dalej();
        return;
    }
    int n = 0;
    if (!CzytajLiczbe(a[0], n) || n < 1 || n > static_cast<int>(lekcje.size()))
        Zle("no lesson " + a[0]);
    if (symulacja_->Pokazane() || oknoRozkladu_ != nullptr)
        Zle("already started");
    // The lesson plays on a run of its own timetable, in place of the program's.
    const TLekcja& lekcja = lekcje[static_cast<std::size_t>(n - 1)];
    lekcja_.reset();
    rozklad_ = RozkladLekcji(lekcja, *komunikaty_, *uslugi_);
    symulacja_ = std::make_unique<TSymulacjaStacji>(*uslugiSymulacji_, *rozklad_);
    symulacja_->UzyjZegarowRecznych(*zegary_);
    PodlaczSymulacje();
    lekcja_ = std::make_unique<TPrzebiegLekcji>(lekcja, *symulacja_);
    symulacja_->PoAkcie = [this](const std::vector<std::string>& slowa) { lekcja_->PoAkcie(slowa); };
    lekcja_->OnKrok = [this](std::size_t numer, const TKrokLekcji& k) {
        out_ << "STEP " << numer << ' ' << BezLamania(k.Tekst) << '\n';
    };
    lekcja_->OnKoniec = [this, numer = n] { out_ << "LESSON done " << numer << '\n'; };
    lekcja_->OnWyjasnienie = [this](const std::string& tekst) { out_ << "EXPLAIN " << BezLamania(tekst) << '\n'; };
    lekcja_->Start();
}

void TDriverSymulacji::Save(Argumenty a)
{
    if (oknoRozkladu_ != nullptr)
        Zle("the timetable window is open");
    if (!symulacja_->Pokazane())
        Zle("not started");
    std::string blad;
    if (!symulacja_->ZapiszGre(a[0], blad, komunikaty_->Odpowiedzi))
        throw TBladPliku("cannot save " + a[0] + ": " + BezLamania(blad));
    out_ << "SAVED " << a[0] << '\n';
}

// The loaded game takes the place of the station not yet started, with timers of its own; a refused
// file leaves everything as it was.
void TDriverSymulacji::Load(Argumenty a)
{
    if (symulacja_->Pokazane())
        Zle("already started");
    if (oknoRozkladu_ != nullptr)
        Zle("the timetable window is open");
    auto zegary = std::make_unique<TZegaryReczne>();
    auto uslugi = std::make_unique<TUslugi>(TUslugi{*zegary, *dzwieki_, *komunikaty_, *uslugi_, *uslugi_,
                                                    uslugi_->Losowanie, *uslugi_});
    TWczytanaGra gra = TSymulacjaStacji::WczytajPlik(a[0], *uslugi, NazwaPlikuRozkladu(), zegary.get());
    if (gra.Symulacja == nullptr)
        throw TBladPliku(BezLamania(gra.Blad));
    lekcja_.reset();
    symulacja_.reset();
    uslugiSymulacji_ = std::move(uslugi);
    zegary_ = std::move(zegary);
    uslugi_->UstawZegary(*zegary_);
    symulacja_ = std::move(gra.Symulacja);
    komunikaty_->Odpowiedzi.insert(komunikaty_->Odpowiedzi.begin(), gra.Odpowiedzi.begin(), gra.Odpowiedzi.end());
    PodlaczSymulacje();
}

namespace {

void Wypisz(std::ostream& out, const std::vector<TPozycjaMenu>& pozycje, const std::string& wciecie)
{
    int n = 0;
    for (const auto& p : pozycje) {
        if (!p.Visible)
            continue;
        out << wciecie << "MENU " << ++n << ' ' << BezLamania(p.Caption);
        if (!p.Enabled)
            out << " [disabled]";
        if (p.Checked)
            out << " [checked]";
        if (p.Radio)
            out << " [radio]";
        if (p.Default)
            out << " [default]";
        if (p.Podmenu)
            out << " [submenu]";
        out << '\n';
        if (!p.Submenu.empty())
            Wypisz(out, p.Submenu, wciecie + "  ");
    }
}

}  // namespace

void TDriverSymulacji::Menu(Argumenty a)
{
    if (a.size() > 1) {
        std::vector<std::string> slowa{"menu"};
        slowa.insert(slowa.end(), a.begin(), a.end());
        Akt(std::move(slowa));
        return;
    }
    TElement& e = ElementDiagramu(a[0]);
    TMenuPociagu menu(symulacja_->Stacja(), symulacja_->Silnik());
    if (menu.Otworz(dynamic_cast<TPunkt*>(&e)))
        Wypisz(out_, menu.Pozycje(), "");
}

void TDriverSymulacji::Commands(Argumenty a)
{
    if (!a.empty()) {
        std::vector<std::string> slowa{"commands"};
        slowa.insert(slowa.end(), a.begin(), a.end());
        Akt(std::move(slowa));
        return;
    }
    TMenuPociagu menu(symulacja_->Stacja(), symulacja_->Silnik());
    Wypisz(out_, menu.Polecenia(), "");
}

void TDriverSymulacji::Trains(Argumenty)
{
    for (const auto& t : symulacja_->Silnik().PociagiDnia())
        out_ << LiniaPociagu(symulacja_->Stacja(), *t) << '\n';
}

void TDriverSymulacji::Show(Argumenty a)
{
    const std::string& nazwa = a[0];
    TKomponent* k = symulacja_->Stacja().Znajdz(nazwa);
    const std::string linia = k != nullptr ? LiniaStanu(*k) : std::string();
    if (linia.empty())
        Zle("unknown element " + nazwa);
    out_ << linia << '\n';
}

// ---- The timetable window ----

namespace {

void WypiszPozycje(std::ostream& out, const char* lista, const std::vector<std::string>& pozycje)
{
    int n = 0;
    for (const auto& p : pozycje)
        out << "ITEMS " << lista << ' ' << ++n << ' ' << BezLamania(p) << '\n';
}

void WypiszFiltr(std::ostream& out, const TModelRozkladu& model, tListaFiltru lista)
{
    const char* nazwa = lista == tListaFiltru::przyjazd ? "clbPrzyjazd" : "clbOdjazd";
    int n = 0;
    for (const auto& w : model.Filtr(lista))
        out << "ITEMS " << nazwa << ' ' << ++n << ' ' << BezLamania(w.Nazwa) << (w.Zaznaczony ? " [checked]" : "")
            << '\n';
}

}  // namespace

void TDriverSymulacji::Timetable(Argumenty a)
{
    using T = TDriverSymulacji;
    // sub-command: handler and its number of arguments
    struct Podkomenda {
        void (TDriverSymulacji::*wykonaj)(Argumenty);
        std::size_t argumentow;
    };
    static const std::map<std::string_view, Podkomenda> podkomendy{
        {"arrive", {&T::TimetableFilter, 2}}, {"depart", {&T::TimetableFilter, 2}},
        {"select", {&T::TimetableSelect, 1}}, {"set", {&T::TimetableSet, 2}},
        {"add", {&T::TimetableButton, 0}},    {"change", {&T::TimetableButton, 0}},
        {"delete", {&T::TimetableButton, 0}}, {"close", {&T::TimetableClose, 0}},
    };
    if (!a.empty()) {
        const auto it = podkomendy.find(a[0]);
        if (it == podkomendy.end())
            Zle("unknown timetable command " + a[0]);
        if (oknoRozkladu_ == nullptr)
            Zle("the timetable window is not open");
        if (a.size() - 1 != it->second.argumentow)
            Zle("wrong number of arguments for timetable " + a[0]);
        (this->*it->second.wykonaj)(a);
        return;
    }
    if (oknoRozkladu_ != nullptr)
        Zle("the timetable window is already open");
    oknoRozkladu_ = std::make_unique<TModelRozkladu>(symulacja_->Rozklad(), *komunikaty_, WlotyStacji(symulacja_->Stacja()));
    // The dialog takes the focus from the station window, whose ticks then leave the clock alone.
    oknoStacjiAktywne_ = symulacja_->OknoAktywne;
    symulacja_->OknoAktywne = false;
    TModelRozkladu& model = *oknoRozkladu_;
    symulacja_->Wykonaj([&model] { model.Pokaz(); });
    WypiszPozycje(out_, "cbWjezdza", model.Wloty(tListaWlotow::wjezdza));
    WypiszPozycje(out_, "cbWyjezdza", model.Wloty(tListaWlotow::wyjezdza));
    WypiszPozycje(out_, "cbRelacjaOd", model.Kierunki());
    WypiszPozycje(out_, "cbRelacjaDo", model.Kierunki());
    WypiszFiltr(out_, model, tListaFiltru::przyjazd);
    WypiszFiltr(out_, model, tListaFiltru::odjazd);
    WypiszWiersze();
}

void TDriverSymulacji::TimetableFilter(Argumenty a)
{
    TModelRozkladu& model = *oknoRozkladu_;
    const tListaFiltru lista = a[0] == "arrive" ? tListaFiltru::przyjazd : tListaFiltru::odjazd;
    const bool zaznaczony = Wlaczone(a[2], "timetable " + a[0]);
    const int wiersz = model.ZnajdzWierszFiltru(lista, a[1]);
    if (wiersz < 0)
        Zle("no row " + a[1] + " in timetable " + a[0]);
    // The refill may load another train into the editor; the editor is printed only then.
    const auto przedtem = model.PolaEdytora();
    symulacja_->Wykonaj([&] { model.ZaznaczFiltr(lista, wiersz, zaznaczony); });
    WypiszFiltr(out_, model, lista);
    WypiszWiersze();
    if (model.PolaEdytora() != przedtem)
        WypiszEdytor();
}

void TDriverSymulacji::TimetableSelect(Argumenty a)
{
    TModelRozkladu& model = *oknoRozkladu_;
    const auto n = CzytajLiczbe<int>(a[1]);
    if (!n || *n < 1 || !model.Wybierz(*n - 1))
        Zle("no row " + a[1] + " in the timetable list");
    WypiszEdytor();
}

void TDriverSymulacji::TimetableSet(Argumenty a)
{
    if (const std::string powod = oknoRozkladu_->UstawPole(a[1], a[2]); !powod.empty())
        Zle(powod);
}

void TDriverSymulacji::TimetableButton(Argumenty a)
{
    TModelRozkladu& model = *oknoRozkladu_;
    const auto przedtem = model.PolaEdytora();
    if (a[0] == "add")
        symulacja_->Wykonaj([&model] { model.Dodaj(); });
    else if (a[0] == "change")
        symulacja_->Wykonaj([&model] { model.Zmien(); });
    else
        symulacja_->Wykonaj([&model] { model.Usun(); });
    WypiszWiersze();
    // Adding and changing load the train into the editor; deleting only when the refill put
    // another train under the kept row.
    if (a[0] != "delete" || model.PolaEdytora() != przedtem)
        WypiszEdytor();
}

void TDriverSymulacji::TimetableClose(Argumenty)
{
    oknoRozkladu_.reset();
    symulacja_->OknoAktywne = oknoStacjiAktywne_;
    symulacja_->ZapiszZmianeRozkladu();
}

void TDriverSymulacji::WypiszWiersze()
{
    const TModelRozkladu& model = *oknoRozkladu_;
    int n = 0;
    for (const auto& w : model.Wiersze())
        out_ << "CARD " << ++n << ' ' << BezLamania(w.Tekst) << '\n';
    if (model.Zaznaczony() < 0)
        out_ << "SELECTED -\n";
    else
        out_ << "SELECTED " << model.Zaznaczony() + 1 << '\n';
}

void TDriverSymulacji::WypiszEdytor()
{
    const TModelRozkladu& model = *oknoRozkladu_;
    out_ << "EDITOR";
    for (const auto& [pole, wartosc] : model.PolaEdytora()) {
        // An entry drop-down without a selection has no item to name; the check box is a number.
        const bool bezWyboru = (pole == "wjezdza" && model.Edytor.Wjezdza < 0) ||
                               (pole == "wyjezdza" && model.Edytor.Wyjezdza < 0);
        out_ << ' ' << pole << '=' << (bezWyboru ? std::string("-") : pole == "bez_peronu" ? wartosc : Cytat(wartosc));
    }
    out_ << '\n';
}
