// Writing a running game's whole state into checkpoint lines, and restoring it on a fresh station with
// every value checked as it is read.

#include "run/punkt_kontrolny.h"

#include "assistant/dyspozytor_zadanie.h"
#include "core/format.h"
#include "interlocking/przyciski.h"
#include "record/zapis_gry.h"
#include "run/symulacja_stacji.h"
#include "station/przejazd.h"
#include "station/rogatka.h"
#include "station/semafor.h"
#include "station/wlot.h"
#include "station/zapowiedz.h"
#include "station/zwrotnica.h"
#include "trains/pociag.h"

#include <algorithm>
#include <charconv>
#include <concepts>
#include <iterator>
#include <limits>
#include <map>
#include <optional>
#include <unordered_map>

namespace {

// A train that left the day while something still remembered it (the dispatcher's plan, the
// report's look at a track): only ever compared, never one of the day's trains.
TPociag& Odszedl()
{
    static TPociag odszedl;
    return odszedl;
}

constexpr std::int64_t Brak = -1;
constexpr std::int64_t Odszedlszy = -2;

class TPisarz {
public:
    TWierszeStanu Wiersze;

    TPisarz& Wiersz(const char* rodzaj)
    {
        Wiersze.NowyWiersz();
        Wiersze.DodajSlowo(rodzaj);
        return *this;
    }
    TPisarz& operator<<(std::string_view s)
    {
        Wiersze.DodajSlowo(s);
        return *this;
    }
    TPisarz& operator<<(const std::string& s) { return *this << std::string_view(s); }
    TPisarz& operator<<(const char* s) { return *this << std::string_view(s); }
    TPisarz& operator<<(bool b) { return *this << std::string_view(b ? "1" : "0"); }
    template <std::integral T>
        requires(!std::same_as<T, bool>)
    TPisarz& operator<<(T v)
    {
        char cyfry[24];
        const auto koniec = std::to_chars(std::begin(cyfry), std::end(cyfry), v).ptr;
        return *this << std::string_view(cyfry, static_cast<std::size_t>(koniec - cyfry));
    }
    TPisarz& operator<<(double v) { return *this << LiczbaZapisu(v); }
    TPisarz& operator<<(TKolor k) { return *this << int{k.R} << int{k.G} << int{k.B}; }
    TPisarz& operator<<(const std::optional<double>& v) { return v ? *this << *v : *this << "-"; }
};

class TCzytelnik {
public:
    explicit TCzytelnik(const TWierszeStanu& wiersze) : wiersze_(wiersze) {}

    [[noreturn]] void Blad(const std::string& powod) const
    {
        throw TPunktKontrolny::TBlad(wiersz_ == 0 ? 0 : wiersz_ - 1, "punkt kontrolny: " + powod);
    }
    void Wiersz(const char* rodzaj)
    {
        DomknijWiersz();
        if (wiersz_ >= wiersze_.size())
            Blad(Formatuj("brak wiersza %s", rodzaj));
        const std::size_t w = wiersz_++;
        slowo_ = 1;
        if (wiersze_.SlowWWierszu(w) == 0 || wiersze_.Slowo(w, 0) != rodzaj)
            Blad(Formatuj("oczekiwano wiersza %s", rodzaj));
    }
    void Koniec()
    {
        DomknijWiersz();
        if (wiersz_ != wiersze_.size())
            Blad("nadmiarowy wiersz");
    }
    std::string Tekst() { return std::string(Slowo()); }
    std::int64_t Calkowita(std::int64_t min, std::int64_t maks)
    {
        const std::string_view t = Slowo();
        std::int64_t v = 0;
        if (!CzytajCalkowitaZapisu(t, v) || v < min || v > maks)
            Blad("zła liczba „" + std::string(t) + "”");
        return v;
    }
    std::int32_t Int()
    {
        return static_cast<std::int32_t>(Calkowita(std::numeric_limits<std::int32_t>::min(),
                                                   std::numeric_limits<std::int32_t>::max()));
    }
    double Liczba()
    {
        const std::string_view t = Slowo();
        double v = 0;
        if (!CzytajLiczbeZapisu(t, v))
            Blad("zła liczba „" + std::string(t) + "”");
        return v;
    }
    std::optional<double> Opcja()
    {
        if (Zostalo() && wiersze_.Slowo(wiersz_ - 1, slowo_) == "-") {
            ++slowo_;
            return std::nullopt;
        }
        return Liczba();
    }
    bool Logiczna() { return Calkowita(0, 1) != 0; }
    // Whether the line holds more values: what a later version appends at a line's end is read only
    // where an older file has it.
    bool Zostalo() const { return wiersz_ > 0 && slowo_ < wiersze_.SlowWWierszu(wiersz_ - 1); }
    TKolor Kolor()
    {
        const auto r = Calkowita(0, 255), g = Calkowita(0, 255), b = Calkowita(0, 255);
        return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
    }
    template <typename E>
    E Wyliczenie(int ostatni)
    {
        return static_cast<E>(Calkowita(0, ostatni));
    }
    // A count of the lines that follow: no more than there are left.
    std::size_t Ile() { return static_cast<std::size_t>(Calkowita(0, static_cast<std::int64_t>(wiersze_.size() - wiersz_))); }
    // A count of values on this line: no more than it has left.
    std::size_t IleWartosci(std::size_t naJedna)
    {
        const std::size_t zostalo = wiersze_.SlowWWierszu(wiersz_ - 1) - slowo_;
        return static_cast<std::size_t>(Calkowita(0, static_cast<std::int64_t>(zostalo / std::max<std::size_t>(1, naJedna))));
    }

private:
    std::string_view Slowo()
    {
        if (wiersz_ == 0)
            Blad("wartość przed pierwszym wierszem");
        if (!Zostalo())
            Blad("za mało wartości w wierszu " + std::string(wiersze_.Slowo(wiersz_ - 1, 0)));
        return wiersze_.Slowo(wiersz_ - 1, slowo_++);
    }
    void DomknijWiersz()
    {
        if (wiersz_ > 0 && slowo_ != wiersze_.SlowWWierszu(wiersz_ - 1))
            Blad("za dużo wartości w wierszu " + std::string(wiersze_.Slowo(wiersz_ - 1, 0)));
    }
    const TWierszeStanu& wiersze_;
    std::size_t wiersz_ = 0;
    std::size_t slowo_ = 0;
};

// The day's trains by their place in the list, and back.
class TIndeksPociagow {
public:
    explicit TIndeksPociagow(const std::vector<std::unique_ptr<TPociag>>& pociagi)
    {
        for (std::size_t i = 0; i < pociagi.size(); ++i)
            indeksy_[pociagi[i].get()] = static_cast<std::int64_t>(i);
    }
    std::int64_t operator()(const TPociag* t) const
    {
        if (t == nullptr)
            return Brak;
        const auto it = indeksy_.find(t);
        return it == indeksy_.end() ? Odszedlszy : it->second;
    }

private:
    std::unordered_map<const TPociag*, std::int64_t> indeksy_;
};

// Only what merely remembers a train may remember one that has left; a point or a queue holds one
// of the day's.
TPociag* CzytajPociag(TCzytelnik& c, const std::vector<std::unique_ptr<TPociag>>& pociagi, bool mozeOdejsc = false)
{
    const std::int64_t i = c.Calkowita(mozeOdejsc ? Odszedlszy : Brak, static_cast<std::int64_t>(pociagi.size()) - 1);
    if (i == Brak)
        return nullptr;
    if (i == Odszedlszy)
        return &Odszedl();
    return pociagi[static_cast<std::size_t>(i)].get();
}

std::string Nazwa(const TKomponent* k) { return k != nullptr ? k->Name : std::string("-"); }

template <typename T>
T* CzytajKomponent(TCzytelnik& c, const TStacja& stacja)
{
    const std::string& nazwa = c.Tekst();
    if (nazwa == "-")
        return nullptr;
    auto* k = dynamic_cast<T*>(stacja.Znajdz(nazwa));
    if (k == nullptr)
        c.Blad("nieznany element „" + nazwa + "”");
    return k;
}

template <typename T>
T* CzytajKomponentNiepusty(TCzytelnik& c, const TStacja& stacja)
{
    T* k = CzytajKomponent<T>(c, stacja);
    if (k == nullptr)
        c.Blad("brak elementu");
    return k;
}

// The longest delay a train brings in: the engine never carries one past the day's end.
constexpr std::int64_t NajdluzszeOpoznienieWjazdu = 86400;

// What a day with disturbances adds goes at the end of its lines, and only on such a day: any other
// day is saved as it always was, and a file from before has lines that end earlier.
void ZapiszDzien(TPisarz& p, const TRaportDnia& d)
{
    p.Wiersz("day") << d.NrDnia << d.Poczatek << d.Koniec << d.ScorePoczatkowy << d.Punkty;
    if (d.ZUtrudnieniami)
        p << d.ZUtrudnieniami;
    p.Wiersz("kinds");
    for (const TSumaRodzaju& r : d.Rodzaje)
        p << r.Ile << r.Punkty;
    p.Wiersz("trains") << d.Pociagi.size();
    for (const TPociagRaportu& t : d.Pociagi) {
        p.Wiersz("train") << t.Id << t.Numer << t.RelacjaOd << t.RelacjaDo << t.PrzyjazdPlan << t.OdjazdPlan
                          << t.Przyjazd << t.Odjazd << t.ZeStacji << t.KonczyBieg << t.BezPeronu << t.Punktualny
                          << t.Przepadl << t.Punkty << t.Oceny;
        if (d.ZUtrudnieniami)
            p << t.OpoznienieWjazdu << t.Dodatkowy;
    }
    p.Wiersz("scores") << d.Wynik.size();
    for (const TPunktWyniku& w : d.Wynik)
        p << w.Czas << w.Score;
    p.Wiersz("occupancy") << d.Zajetosc.size();
    for (const TZajetoscToru& z : d.Zajetosc)
        p.Wiersz("stretch") << z.Tor << z.Od << z.Do << z.Pociag;
}

// `utrudnienia`: whether the game has disturbances, for a day whose line is older than the mark.
void CzytajDzien(TCzytelnik& c, TRaportDnia& d, bool utrudnienia)
{
    constexpr std::int32_t maks32 = std::numeric_limits<std::int32_t>::max();
    c.Wiersz("day");
    d.NrDnia = static_cast<int>(c.Calkowita(0, maks32));
    d.Poczatek = c.Liczba();
    d.Koniec = c.Opcja();
    d.ScorePoczatkowy = c.Int();
    d.Punkty = c.Int();
    d.ZUtrudnieniami = c.Zostalo() ? c.Logiczna() : utrudnienia;
    c.Wiersz("kinds");
    // The kinds of the days with disturbances came later: an older file ends before them.
    for (TSumaRodzaju& r : d.Rodzaje) {
        if (!c.Zostalo())
            break;
        r.Ile = c.Int();
        r.Punkty = c.Int();
    }
    c.Wiersz("trains");
    d.Pociagi.resize(c.Ile());
    for (TPociagRaportu& t : d.Pociagi) {
        c.Wiersz("train");
        t.Id = static_cast<std::uint32_t>(c.Calkowita(0, std::numeric_limits<std::uint32_t>::max()));
        t.Numer = c.Tekst();
        t.RelacjaOd = c.Tekst();
        t.RelacjaDo = c.Tekst();
        t.PrzyjazdPlan = c.Liczba();
        t.OdjazdPlan = c.Liczba();
        t.Przyjazd = c.Opcja();
        t.Odjazd = c.Opcja();
        t.ZeStacji = c.Logiczna();
        t.KonczyBieg = c.Logiczna();
        t.BezPeronu = c.Logiczna();
        t.Punktualny = c.Logiczna();
        t.Przepadl = c.Logiczna();
        t.Punkty = c.Int();
        t.Oceny = c.Int();
        if (c.Zostalo()) {
            t.OpoznienieWjazdu = static_cast<std::int32_t>(c.Calkowita(0, NajdluzszeOpoznienieWjazdu));
            t.Dodatkowy = c.Logiczna();
        }
    }
    c.Wiersz("scores");
    d.Wynik.resize(c.IleWartosci(2));
    for (TPunktWyniku& w : d.Wynik) {
        w.Czas = c.Liczba();
        w.Score = c.Int();
    }
    c.Wiersz("occupancy");
    d.Zajetosc.resize(c.Ile());
    for (TZajetoscToru& z : d.Zajetosc) {
        c.Wiersz("stretch");
        z.Tor = c.Tekst();
        z.Od = c.Liczba();
        z.Do = c.Liczba();
        z.Pociag = c.Tekst();
    }
}

void ZapiszDroge(TPisarz& p, const TDrogaUkladu& d)
{
    p << d.Punkty.size();
    for (const TPunkt* q : d.Punkty)
        p << Nazwa(q);
    p << d.Zwrotnice.size();
    for (const auto& [z, s] : d.Zwrotnice)
        p << Nazwa(z) << static_cast<int>(s);
}

void CzytajDroge(TCzytelnik& c, const TStacja& stacja, TDrogaUkladu& d)
{
    d.Punkty.resize(c.IleWartosci(1));
    for (TPunkt*& q : d.Punkty)
        q = CzytajKomponentNiepusty<TPunkt>(c, stacja);
    if (d.Punkty.empty())
        c.Blad("droga bez punktów");
    d.Zwrotnice.resize(c.IleWartosci(2));
    for (auto& [z, s] : d.Zwrotnice) {
        z = CzytajKomponentNiepusty<TZwrotnica>(c, stacja);
        s = c.Wyliczenie<tZwrStatus>(static_cast<int>(tZwrStatus::dol));
    }
}

}  // namespace

TWierszeStanu TPunktKontrolny::Zrob(const TSymulacjaStacji& s)
{
    TPisarz p;
    const TStacja& stacja = s.stacja_;
    const TUslugiZapisu& uslugi = s.zapis_;

    p.Wiersz("game") << s.CzasSymulacji << s.SekIncrement << s.takty_ << s.szybkosc_ << s.interwal_ << s.licznikTag_
                     << s.ostatniaPorada_ << s.OknoAktywne << s.Stop << s.Wstrzymany << s.zapisaneOknoAktywne_
                     << stacja.OdtwarzajDzwieki << stacja.EtykietyPociagow;
    // The status clock as of the wall-clock time the game last read: what it shows between such
    // reads is not in the record, and a game loaded from it must save as it was saved.
    p.Wiersz("texts") << s.licznikPociagow_ << s.LinijkaPodpowiedzi << CzasHMMSS(uslugi.Stan().Teraz)
                      << s.StatusCzasSymulacji << s.StatusTekst << s.StatusOpis;
    const TUslugiZapisu::TStan u = uslugi.Stan();
    p.Wiersz("services") << u.KolejnyZegar << u.Teraz << u.ZapisanyCzas << u.CzasZapisany << u.CzasReczny;

    // The day's trains, whole.
    const auto& pociagi = s.silnik_.PociagiDnia();
    const TIndeksPociagow indeks(pociagi);
    p.Wiersz("trains") << pociagi.size();
    for (const auto& t : pociagi) {
        p.Wiersz("train") << static_cast<int>(t->StanJazdy) << static_cast<int>(t->Kierunek) << t->IdRaportu;
        for (const std::string& x : t->Texts)
            p << x;
        for (const std::int32_t x : t->Integers)
            p << x;
        for (const double x : t->Reals)
            p << x;
        for (const std::uint8_t x : t->Flags)
            p << x;
        for (const double x : t->Dates)
            p << x;
    }
    std::map<std::int64_t, double> odjazdy;
    for (const auto& [t, czas] : s.silnik_.odjazdy_)
        odjazdy[indeks(t)] = czas;
    p.Wiersz("departures") << odjazdy.size();
    for (const auto& [i, czas] : odjazdy)
        p << i << czas;

    // Every component in the layout's order, with what can change of it during a game.
    p.Wiersz("components") << stacja.Komponenty().size();
    for (const auto& k : stacja.Komponenty()) {
        p.Wiersz("c") << k->Name << k->Hint << k->Visible << k->Color << k->ParentColor << k->Font.Kolor << k->ParentFont;
        if (const auto* e = dynamic_cast<const TElement*>(k.get()))
            p << e->LicznikBledow;
        if (const auto* q = dynamic_cast<const TPunkt*>(k.get()))
            p << static_cast<int>(q->Stan()) << indeks(q->Pociag()) << q->Elementy();
        if (const auto* q = dynamic_cast<const TSemafor*>(k.get())) {
            const std::int64_t numer = uslugi.NumerZegara(q->Zegar());
            p << static_cast<int>(q->Status()) << q->Odliczanie() << numer << uslugi.DoTykniecia(numer);
        }
        if (const auto* q = dynamic_cast<const TZwrotnica*>(k.get()))
            p << static_cast<int>(q->Status());
        if (const auto* q = dynamic_cast<const TRogatka*>(k.get()))
            p << q->Podniesione();
        if (const auto* q = dynamic_cast<const TPrzejazd*>(k.get())) {
            const std::int64_t numer = uslugi.NumerZegara(q->Zegar());
            p << q->Migajacy() << q->Zapalone() << numer << uslugi.DoTykniecia(numer);
        }
        if (const auto* q = dynamic_cast<const TZapowiedz*>(k.get()))
            p << q->Czas;
        if (const auto* q = dynamic_cast<const TWlot*>(k.get())) {
            p << q->Pociagi.size();
            for (const TPociag* t : q->Pociagi)
                p << indeks(t);
        }
        if (const auto* q = dynamic_cast<const TWktColorButton*>(k.get()))
            p << q->BorderColor << q->ActiveBorderColor;
        if (const auto* q = dynamic_cast<const TPunktButton*>(k.get()))
            p << static_cast<int>(q->Stan());
        if (const auto* q = dynamic_cast<const TSpecialPunktButton*>(k.get()))
            p << q->LicznikBledow;
        // Last on the line, and only while there is one: a day without faults saves as it always did.
        if (const auto* e = dynamic_cast<const TElement*>(k.get()); e != nullptr && !e->Usterka.empty())
            p << e->Usterka;
    }

    const TDziennik& dziennik = s.dziennik_;
    // Only the newest lines: a journal of years would otherwise one day make the game unsaveable.
    const auto& linie = dziennik.Linie();
    const std::size_t pominiete = linie.size() > TLimityZapisu::LiniiDziennika
                                      ? linie.size() - TLimityZapisu::LiniiDziennika
                                      : 0;
    p.Wiersz("journal") << dziennik.Score() << linie.size() - pominiete;
    for (std::size_t i = pominiete; i < linie.size(); ++i) {
        const TLiniaDziennika& l = linie[i];
        p.Wiersz("line") << l.Punkty << l.Tekst << l.Opis << l.Czas << l.CzasRzeczywisty << l.Porada
                         << static_cast<int>(l.Rodzaj) << l.Pociag;
    }

    const TRaporty& r = s.raporty_;
    p.Wiersz("reports") << r.rozpoczety_ << r.nastepnyId_ << (r.miniony_ != nullptr);
    ZapiszDzien(p, *r.biezacy_);
    if (r.miniony_ != nullptr)
        ZapiszDzien(p, *r.miniony_);
    for (const auto& tor : r.tory_)
        p.Wiersz("track") << indeks(tor.Pociag) << tor.Etykieta
                          << (tor.Otwarta ? static_cast<std::int64_t>(*tor.Otwarta) : Brak);

    const TAutomatycznyDyspozytor& d = s.dyspozytor_;
    p.Wiersz("auto") << d.wszystkie_ << d.teraz_ << d.wloty_.size();
    for (const std::string& w : d.wloty_)
        p << w;
    std::unordered_map<const TAutomatycznyDyspozytor::TZadanie*, std::int64_t> zadania;
    for (std::size_t i = 0; i < d.zadania_.size(); ++i)
        zadania[d.zadania_[i].get()] = static_cast<std::int64_t>(i);
    const auto nrZadania = [&](const TAutomatycznyDyspozytor::TZadanie* z) { return z == nullptr ? Brak : zadania.at(z); };
    const auto nrPrzebiegu = [&](const TPrzebieg* x) -> std::int64_t {
        if (x == nullptr || d.mapa_ == nullptr)
            return Brak;
        return x - d.mapa_->Przebiegi().data();
    };
    p.Wiersz("tasks") << d.zadania_.size();
    for (const auto& z : d.zadania_) {
        p.Wiersz("task") << indeks(z->Pociag) << z->Numer << Nazwa(z->Wjazd) << Nazwa(z->Wyjazd) << Nazwa(z->Peron)
                         << nrPrzebiegu(z->DrogaWjazdu) << nrPrzebiegu(z->DrogaWyjazdu)
                         << static_cast<int>(z->KierunekWjazdu) << static_cast<int>(z->KierunekWyjazdu) << z->Przyjazd
                         << z->Odjazd << z->BezPostoju << nrZadania(z->Poprzednik) << nrZadania(z->Nastepca)
                         << static_cast<int>(z->Etap) << z->Widziany << z->Zgloszony[0] << z->Zgloszony[1]
                         << z->ObjazdZaplanowany << z->Krok << z->RuchTrwa << z->Objazd.size()
                         << z->PoUsterce.size();
        for (const TSemafor* s : z->PoUsterce)
            p << s->Name;
        for (const auto& ruch : z->Objazd) {
            p.Wiersz("move") << static_cast<int>(ruch.Kierunek);
            ZapiszDroge(p, ruch.Droga);
        }
    }
    p.Wiersz("conflicts") << d.konflikty_.size();
    for (const auto& k : d.konflikty_)
        p.Wiersz("conflict") << k.Czas << k.Pociagi << k.Miejsce;
    // The sets keyed by element are written in the layout's order.
    const auto wKolejnosci = [&](auto&& zawiera) {
        std::vector<const TKomponent*> wynik;
        for (const auto& k : stacja.Komponenty())
            if (zawiera(k.get()))
                wynik.push_back(k.get());
        return wynik;
    };
    const auto rezerwacje = wKolejnosci([&](const TKomponent* k) {
        const auto* q = dynamic_cast<const TPunkt*>(k);
        return q != nullptr && d.rezerwacje_.count(q) != 0;
    });
    p.Wiersz("reserved") << rezerwacje.size();
    for (const TKomponent* k : rezerwacje)
        p << k->Name;
    const auto wlasciciele = wKolejnosci([&](const TKomponent* k) {
        const auto* q = dynamic_cast<const TPunkt*>(k);
        return q != nullptr && d.wlasciciele_.count(q) != 0;
    });
    p.Wiersz("owners") << wlasciciele.size();
    for (const TKomponent* k : wlasciciele)
        p << k->Name << d.wlasciciele_.at(static_cast<const TPunkt*>(k));
    const auto rogatki = [&](const auto& zbior) {
        return wKolejnosci([&](const TKomponent* k) {
            auto* q = dynamic_cast<TRogatka*>(const_cast<TKomponent*>(k));
            return q != nullptr && zbior.count(q) != 0;
        });
    };
    const auto polozenia = rogatki(d.rogatki_);
    p.Wiersz("barriers") << polozenia.size();
    for (const TKomponent* k : polozenia)
        p << k->Name << d.rogatki_.at(static_cast<TRogatka*>(const_cast<TKomponent*>(k)));
    const auto gracza = rogatki(d.rogatkiGracza_);
    p.Wiersz("players") << gracza.size();
    for (const TKomponent* k : gracza)
        p << k->Name;
    const auto nasze = rogatki(d.nasze_);
    p.Wiersz("ours") << nasze.size();
    for (const TKomponent* k : nasze)
        p << k->Name;
    return std::move(p.Wiersze);
}

void TPunktKontrolny::Przywroc(TSymulacjaStacji& s, const TWierszeStanu& wiersze)
{
    constexpr std::int64_t maks32 = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t maks64 = std::numeric_limits<std::int64_t>::max();
    TCzytelnik c(wiersze);
    TStacja& stacja = s.stacja_;

    c.Wiersz("game");
    s.CzasSymulacji = c.Liczba();
    // A time of day, or past midnight by the clock's clicks until the next tick wraps it.
    if (!(s.CzasSymulacji >= 0 && s.CzasSymulacji < 2))
        c.Blad("zła godzina symulacji");
    s.SekIncrement = static_cast<int>(c.Calkowita(1, 86400));
    s.takty_ = c.Calkowita(0, maks64);
    s.szybkosc_ = static_cast<int>(c.Calkowita(0, 100));
    s.interwal_ = c.Int();
    s.licznikTag_ = c.Int();
    s.ostatniaPorada_ = c.Liczba();
    s.OknoAktywne = c.Logiczna();
    s.Stop = c.Logiczna();
    s.Wstrzymany = c.Logiczna();
    s.zapisaneOknoAktywne_ = c.Logiczna();
    stacja.OdtwarzajDzwieki = c.Logiczna();
    stacja.EtykietyPociagow = c.Logiczna();
    c.Wiersz("texts");
    s.licznikPociagow_ = c.Tekst();
    s.LinijkaPodpowiedzi = c.Tekst();
    s.StatusCzasBiezacy = c.Tekst();
    s.StatusCzasSymulacji = c.Tekst();
    s.StatusTekst = c.Tekst();
    s.StatusOpis = c.Tekst();
    c.Wiersz("services");
    TUslugiZapisu::TStan u;
    u.KolejnyZegar = c.Calkowita(0, maks64 / 2);
    u.Teraz = c.Liczba();
    u.ZapisanyCzas = c.Liczba();
    u.CzasZapisany = c.Logiczna();
    u.CzasReczny = c.Calkowita(0, maks64 / 4);
    s.zapis_.Przywroc(u);

    c.Wiersz("trains");
    std::vector<std::unique_ptr<TPociag>> pociagi(c.Ile());
    for (auto& t : pociagi) {
        c.Wiersz("train");
        t = std::make_unique<TPociag>();
        t->StanJazdy = c.Wyliczenie<tStanJazdy>(static_cast<int>(tStanJazdy::jazda));
        t->Kierunek = c.Wyliczenie<tSemType>(static_cast<int>(stPrawy));
        t->IdRaportu = static_cast<std::uint32_t>(c.Calkowita(0, std::numeric_limits<std::uint32_t>::max()));
        for (std::string& x : t->Texts)
            x = c.Tekst();
        for (std::int32_t& x : t->Integers)
            x = c.Int();
        for (double& x : t->Reals)
            x = c.Liczba();
        for (std::uint8_t& x : t->Flags)
            x = static_cast<std::uint8_t>(c.Calkowita(0, 255));
        for (double& x : t->Dates)
            x = c.Liczba();
    }
    c.Wiersz("departures");
    std::unordered_map<const TPociag*, double> odjazdy;
    for (std::size_t i = c.IleWartosci(2); i > 0; --i) {
        // The day's end lets go of its trains without forgetting their departures.
        const TPociag* t = CzytajPociag(c, pociagi, true);
        const double czas = c.Liczba();
        if (t == nullptr)
            c.Blad("odjazd bez pociągu");
        odjazdy[t] = czas;
    }

    // The timers to take up again once every element stands as it did, in the order of their
    // numbers, as they were started.
    std::map<std::int64_t, std::pair<std::int64_t, std::function<void()>>> zegary;
    const auto zegar = [&](std::int64_t numer, std::int64_t doTykniecia, std::function<void()> wznow) {
        if (numer < 0)
            return;
        if (!zegary.emplace(numer, std::make_pair(doTykniecia, std::move(wznow))).second)
            c.Blad("dwa zegary o jednym numerze");
    };
    const auto numerZegara = [&] { return c.Calkowita(-1, maks64 / 2); };
    const auto doTykniecia = [&] { return c.Calkowita(0, 86400000); };

    c.Wiersz("components");
    if (c.Calkowita(0, maks32) != static_cast<std::int64_t>(stacja.Komponenty().size()))
        c.Blad("inny układ stacji");
    for (const auto& wsk : stacja.Komponenty()) {
        TKomponent* k = wsk.get();
        c.Wiersz("c");
        if (c.Tekst() != k->Name)
            c.Blad("inny układ stacji (" + k->Name + ")");
        k->Hint = c.Tekst();
        k->Visible = c.Logiczna();
        k->Color = c.Kolor();
        k->ParentColor = c.Logiczna();
        k->Font.Kolor = c.Kolor();
        k->ParentFont = c.Logiczna();
        if (auto* e = dynamic_cast<TElement*>(k))
            e->LicznikBledow = c.Int();
        if (auto* q = dynamic_cast<TPunkt*>(k)) {
            const auto stan = c.Wyliczenie<tStan>(static_cast<int>(tStan::zajety));
            TPociag* t = CzytajPociag(c, pociagi);
            q->PrzywrocStan(stan, t, c.Tekst());
        }
        if (auto* q = dynamic_cast<TSemafor*>(k)) {
            const auto status = c.Wyliczenie<tSemStatus>(static_cast<int>(tSemStatus::bialy));
            q->PrzywrocSygnal(status, static_cast<int>(c.Calkowita(-1, TSemafor::OdliczanieSz)));
            const std::int64_t numer = numerZegara();
            zegar(numer, doTykniecia(), [q] { q->WznowMiganie(); });
        }
        if (auto* q = dynamic_cast<TZwrotnica*>(k))
            q->SetStatus(c.Wyliczenie<tZwrStatus>(static_cast<int>(tZwrStatus::dol)));
        if (auto* q = dynamic_cast<TRogatka*>(k))
            q->PrzywrocPodniesione(c.Logiczna());
        if (auto* q = dynamic_cast<TPrzejazd*>(k)) {
            const bool migajacy = c.Logiczna();
            q->PrzywrocMiganie(migajacy, c.Logiczna());
            const std::int64_t numer = numerZegara();
            zegar(numer, doTykniecia(), [q] { q->WznowMiganie(); });
        }
        if (auto* q = dynamic_cast<TZapowiedz*>(k))
            q->Czas = c.Int();
        if (auto* q = dynamic_cast<TWlot*>(k)) {
            q->Pociagi.resize(c.IleWartosci(1));
            for (TPociag*& t : q->Pociagi)
                if ((t = CzytajPociag(c, pociagi)) == nullptr)
                    c.Blad("pusty pociąg w kolejce wlotu");
        }
        if (auto* q = dynamic_cast<TWktColorButton*>(k)) {
            q->BorderColor = c.Kolor();
            q->ActiveBorderColor = c.Kolor();
        }
        if (auto* q = dynamic_cast<TPunktButton*>(k))
            q->SetStan(c.Wyliczenie<tStan>(static_cast<int>(tStan::zajety)));
        if (auto* q = dynamic_cast<TSpecialPunktButton*>(k))
            q->LicznikBledow = c.Int();
        if (auto* e = dynamic_cast<TElement*>(k); e != nullptr && c.Zostalo())
            e->SetUsterka(c.Tekst());
    }
    s.silnik_.okno_ = &stacja;
    s.silnik_.Wloty = stacja.Wloty();
    s.silnik_.pociagiDnia_ = std::move(pociagi);
    s.silnik_.odjazdy_ = std::move(odjazdy);
    s.silnik_.wyjeteZKolejki_.clear();
    s.silnik_.PoliczPociagiDnia();
    for (auto& [numer, z] : zegary) {
        s.zapis_.NastepnyZegar(numer, z.first);
        z.second();
    }
    s.zapis_.Przywroc(u);

    c.Wiersz("journal");
    TDziennik& dziennik = s.dziennik_;
    dziennik.score_ = c.Int();
    dziennik.linie_.resize(c.Ile());
    for (TLiniaDziennika& l : dziennik.linie_) {
        c.Wiersz("line");
        l.Punkty = c.Int();
        l.Tekst = c.Tekst();
        l.Opis = c.Tekst();
        l.Czas = c.Liczba();
        l.CzasRzeczywisty = c.Liczba();
        l.Porada = c.Logiczna();
        l.Rodzaj = c.Wyliczenie<tRodzajOceny>(LiczbaRodzajowOceny - 1);
        l.Pociag = static_cast<std::uint32_t>(c.Calkowita(0, std::numeric_limits<std::uint32_t>::max()));
    }

    const auto& dzien = s.silnik_.PociagiDnia();
    TRaporty& r = s.raporty_;
    c.Wiersz("reports");
    r.rozpoczety_ = c.Logiczna();
    r.nastepnyId_ = static_cast<std::uint32_t>(c.Calkowita(1, std::numeric_limits<std::uint32_t>::max()));
    const bool miniony = c.Logiczna();
    // The level is the game's, from the file's header: the days to come are marked by it.
    r.utrudnienia_ = s.silnik_.Utrudnienia.Poziom > TUtrudnienia::NajnizszyPoziom;
    r.biezacy_ = std::make_unique<TRaportDnia>();
    CzytajDzien(c, *r.biezacy_, r.utrudnienia_);
    r.miniony_.reset();
    if (miniony) {
        r.miniony_ = std::make_unique<TRaportDnia>();
        CzytajDzien(c, *r.miniony_, r.utrudnienia_);
    }
    // The engine's day is the report's: the day's faults are drawn again from it.
    s.silnik_.dzien_ = r.biezacy_->NrDnia;
    s.silnik_.UsterkiDnia();
    for (auto& tor : r.tory_) {
        c.Wiersz("track");
        tor.Pociag = CzytajPociag(c, dzien, true);
        tor.Etykieta = c.Tekst();
        const std::int64_t otwarta = c.Calkowita(Brak, static_cast<std::int64_t>(r.biezacy_->Zajetosc.size()) - 1);
        tor.Otwarta = otwarta == Brak ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(otwarta));
    }

    TAutomatycznyDyspozytor& d = s.dyspozytor_;
    using TZadanie = TAutomatycznyDyspozytor::TZadanie;
    using tEtap = TAutomatycznyDyspozytor::tEtap;
    c.Wiersz("auto");
    d.wszystkie_ = c.Logiczna();
    d.teraz_ = c.Liczba();
    d.wloty_.clear();
    const std::vector<std::string> wloty = d.Wloty();
    for (std::size_t i = c.IleWartosci(1); i > 0; --i) {
        const std::string& w = c.Tekst();
        if (std::find(wloty.begin(), wloty.end(), w) == wloty.end())
            c.Blad("nieznany wlot „" + w + "”");
        d.wloty_.insert(w);
    }
    c.Wiersz("tasks");
    d.zadania_.clear();
    d.zadania_.resize(c.Ile());
    for (auto& z : d.zadania_)
        z = std::make_unique<TZadanie>();
    const auto zadanie = [&]() -> TZadanie* {
        const std::int64_t i = c.Calkowita(Brak, static_cast<std::int64_t>(d.zadania_.size()) - 1);
        return i == Brak ? nullptr : d.zadania_[static_cast<std::size_t>(i)].get();
    };
    const auto przebieg = [&]() -> const TPrzebieg* {
        const std::int64_t i = c.Calkowita(Brak, maks32);
        if (i == Brak)
            return nullptr;
        const auto& przebiegi = d.Mapa().Przebiegi();
        if (i >= static_cast<std::int64_t>(przebiegi.size()))
            c.Blad("nieznany przebieg");
        return &przebiegi[static_cast<std::size_t>(i)];
    };
    for (auto& z : d.zadania_) {
        c.Wiersz("task");
        z->Pociag = CzytajPociag(c, dzien, true);
        if (z->Pociag == nullptr)
            c.Blad("zadanie bez pociągu");
        z->Numer = c.Tekst();
        z->Wjazd = CzytajKomponent<TWlot>(c, stacja);
        z->Wyjazd = CzytajKomponent<TWlot>(c, stacja);
        z->Peron = CzytajKomponent<TPunkt>(c, stacja);
        z->DrogaWjazdu = przebieg();
        z->DrogaWyjazdu = przebieg();
        z->KierunekWjazdu = c.Wyliczenie<tSemType>(static_cast<int>(stPrawy));
        z->KierunekWyjazdu = c.Wyliczenie<tSemType>(static_cast<int>(stPrawy));
        z->Przyjazd = c.Liczba();
        z->Odjazd = c.Liczba();
        z->BezPostoju = c.Logiczna();
        z->Poprzednik = zadanie();
        z->Nastepca = zadanie();
        z->Etap = c.Wyliczenie<tEtap>(static_cast<int>(tEtap::koniec));
        z->Widziany = c.Logiczna();
        z->Zgloszony[0] = c.Logiczna();
        z->Zgloszony[1] = c.Logiczna();
        z->ObjazdZaplanowany = c.Logiczna();
        const std::int64_t krok = c.Calkowita(0, maks32);
        z->RuchTrwa = c.Logiczna();
        z->Objazd.resize(c.Ile());
        // Written by later versions only.
        if (c.Zostalo())
            for (std::size_t i = c.IleWartosci(1); i > 0; --i)
                z->PoUsterce.push_back(CzytajKomponentNiepusty<TSemafor>(c, stacja));
        z->Krok = static_cast<std::size_t>(krok);
        if (z->Krok > z->Objazd.size())
            c.Blad("krok objazdu poza objazdem");
        for (auto& ruch : z->Objazd) {
            c.Wiersz("move");
            ruch.Kierunek = c.Wyliczenie<tSemType>(static_cast<int>(stPrawy));
            CzytajDroge(c, stacja, ruch.Droga);
        }
    }
    c.Wiersz("conflicts");
    d.konflikty_.resize(c.Ile());
    for (auto& k : d.konflikty_) {
        c.Wiersz("conflict");
        k.Czas = c.Liczba();
        k.Pociagi = c.Tekst();
        k.Miejsce = c.Tekst();
    }
    c.Wiersz("reserved");
    d.rezerwacje_.clear();
    for (std::size_t i = c.IleWartosci(1); i > 0; --i)
        d.rezerwacje_.insert(CzytajKomponentNiepusty<TPunkt>(c, stacja));
    c.Wiersz("owners");
    d.wlasciciele_.clear();
    for (std::size_t i = c.IleWartosci(2); i > 0; --i) {
        const TPunkt* q = CzytajKomponentNiepusty<TPunkt>(c, stacja);
        d.wlasciciele_[q] = c.Tekst();
    }
    c.Wiersz("barriers");
    d.rogatki_.clear();
    for (std::size_t i = c.IleWartosci(2); i > 0; --i) {
        TRogatka* q = CzytajKomponentNiepusty<TRogatka>(c, stacja);
        d.rogatki_[q] = c.Logiczna();
    }
    c.Wiersz("players");
    d.rogatkiGracza_.clear();
    for (std::size_t i = c.IleWartosci(1); i > 0; --i)
        d.rogatkiGracza_.insert(CzytajKomponentNiepusty<TRogatka>(c, stacja));
    c.Wiersz("ours");
    d.nasze_.clear();
    for (std::size_t i = c.IleWartosci(1); i > 0; --i)
        d.nasze_.insert(CzytajKomponentNiepusty<TRogatka>(c, stacja));
    c.Koniec();
    s.pokazane_ = true;
}
