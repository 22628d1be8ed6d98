// The timetable window's model at work: the station's entries, filling and sorting the list, the
// editor's fields, adding, changing and removing trains, and the CSV import and export.

#include "models/model_rozkladu.h"

#include "core/cp1250.h"
#include "core/format.h"
#include "core/tekst.h"
#include "core/wkt_exception.h"
#include "core/wkt_files.h"
#include "core/wkt_stream.h"
#include "interlocking/stacja_nastawni.h"
#include "trains/czas.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"
#include "trains/rozklad_csv.h"
#include "trains/sklad.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>

namespace {

constexpr const char* NieMoznaDodac = "Nie można dodać.\r\n";
// So many problems fit a message box; the rest are counted.
constexpr std::size_t NajwiecejWierszyKomunikatu = 20;

// A 1-based position written in digits; -1 when the text is not one or is out of 1..ile.
int Pozycja(const std::string& tekst, std::size_t ile)
{
    if (tekst.empty() || tekst.size() > 9 ||
        !std::all_of(tekst.begin(), tekst.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    const long n = std::stol(tekst);
    return n >= 1 && static_cast<std::size_t>(n) <= ile ? static_cast<int>(n - 1) : -1;
}

// The drop-down's name of an entry: its hint without the leading "z " or "do ".
std::string NazwaKierunku(const TWlotRozkladu& w)
{
    std::string_view hint = w.Hint;
    if (hint.rfind("z ", 0) == 0)
        hint.remove_prefix(2);
    else if (hint.rfind("do ", 0) == 0)
        hint.remove_prefix(3);
    // An entry without a hint would show an empty item; its name at least tells it apart.
    return std::string(hint.empty() ? std::string_view(w.Nazwa) : hint);
}

std::optional<double> CzytajGodzineEdytora(const std::string& tekst) { return CzytajGodzine(Przytnij(tekst)); }

std::string ListaWierszy(const std::vector<std::string>& wiersze, const std::string& wciecie)
{
    std::string wynik;
    const std::size_t ile = std::min(wiersze.size(), NajwiecejWierszyKomunikatu);
    for (std::size_t i = 0; i < ile; ++i)
        wynik += "\r\n" + wciecie + wiersze[i];
    if (wiersze.size() > ile)
        wynik += Formatuj("\r\n%s(i jeszcze %zu)", wciecie.c_str(), wiersze.size() - ile);
    return wynik;
}

}  // namespace

std::vector<TWlotRozkladu> WlotyStacji(const TStacja& stacja)
{
    std::vector<TWlotRozkladu> wloty;
    for (const TWlot* w : stacja.Wszystkie<TWlot>())
        wloty.push_back({w->Name, w->Hint, w->RodzajWlotu(), w->KierunkiJazdy(),
                         dynamic_cast<const TWlotStacyjny*>(w) != nullptr});
    return wloty;
}

std::vector<TWlotRozkladu> WlotyUkladu(TKomunikaty& komunikaty)
{
    try {
        const TStacjaDoOdczytu uklad(komunikaty);
        return WlotyStacji(uklad.Stacja);
    } catch (const std::exception& e) {
        komunikaty.Blad(e.what());
    }
    return {};
}

TModelRozkladu::TModelRozkladu(TRozkladJazdy& rozklad, TKomunikaty& komunikaty, std::vector<TWlotRozkladu> wloty)
    : rozklad_(rozklad), komunikaty_(komunikaty), wloty_(std::move(wloty))
{
    wjazdy_.push_back("- (rozpoczyna bieg)");
    wyjazdy_.push_back("- (kończy bieg)");
    for (const auto& w : wloty_)
        if (w.Stacyjny) {
            przyjazdy_.push_back({w.Nazwa, false});
            odjazdy_.push_back({w.Nazwa, false});
        }
    for (const auto& w : wloty_) {
        for (const auto& k : w.KierunkiJazdy)
            kierunki_.push_back(k);
        if (w.Stacyjny)
            continue;
        const std::string pozycja = Formatuj("%s<%s", NazwaKierunku(w).c_str(), w.Nazwa.c_str());
        if (w.RodzajWlotu != rwWylot) {
            wjazdy_.push_back(pozycja);
            przyjazdy_.push_back({w.Nazwa, false});
        }
        if (w.RodzajWlotu != rwWlot) {
            wyjazdy_.push_back(pozycja);
            odjazdy_.push_back({w.Nazwa, false});
        }
    }
    std::stable_sort(kierunki_.begin(), kierunki_.end(),
                     [](const std::string& a, const std::string& b) { return PorownajBezWielkosci(a, b) < 0; });
    kierunki_.erase(std::unique(kierunki_.begin(), kierunki_.end(), RowneBezWielkosci), kierunki_.end());
}

const std::vector<std::string>& TModelRozkladu::Wloty(tListaWlotow lista) const
{
    return lista == tListaWlotow::wjezdza ? wjazdy_ : wyjazdy_;
}

const std::vector<TWierszFiltru>& TModelRozkladu::Filtr(tListaFiltru lista) const
{
    return lista == tListaFiltru::przyjazd ? przyjazdy_ : odjazdy_;
}

std::string TModelRozkladu::WidocznyTekst(const std::string& pozycja) { return pozycja.substr(0, pozycja.find('<')); }

std::string TModelRozkladu::NazwaElementu(const std::string& pozycja)
{
    const auto znak = pozycja.rfind('<');
    return znak == std::string::npos ? std::string() : pozycja.substr(znak + 1);
}

// ---- Showing and the list ----

void TModelRozkladu::Pokaz()
{
    for (auto* lista : {&przyjazdy_, &odjazdy_})
        for (auto& w : *lista)
            w.Zaznaczony = true;
    szukanie_.clear();
    PokazRozklad();
}

void TModelRozkladu::PokazRozklad()
{
    const int pamietany = zaznaczony_;
    if (!sprawdzonoPlik_) {
        sprawdzonoPlik_ = true;
        if (rozklad_.Ile() == 0)
            rozklad_.WczytajRozklad();
    }
    Sortuj();
    wiersze_.clear();
    for (int i = 0; i < rozklad_.Ile(); ++i)
        if (TPociag* t = rozklad_.Pociag(i); t != nullptr && Widoczny(*t))
            wiersze_.push_back({TekstWiersza(*t), t});
    zaznaczony_ = pamietany >= 0 && static_cast<std::size_t>(pamietany) < wiersze_.size() ? pamietany : -1;
    // The row kept by its number may now hold another train; the editor shows that one, so that
    // "&Zmień" never writes one train's fields over another.
    if (zaznaczony_ >= 0 && wiersze_[static_cast<std::size_t>(zaznaczony_)].Pociag != wEdytorze_)
        WczytajDoEdytora(*wiersze_[static_cast<std::size_t>(zaznaczony_)].Pociag);
}

void TModelRozkladu::Sortuj()
{
    // Trains by PorownajPociagi, entries that are not trains after them; equal trains keep their
    // order, so that the rows do not swap places at every refill.
    const auto przed = [](const tWktInstance* a, const tWktInstance* b) {
        const auto* ta = dynamic_cast<const TPociag*>(a);
        const auto* tb = dynamic_cast<const TPociag*>(b);
        if (ta == nullptr)
            return false;
        return tb == nullptr || PorownajPociagi(*ta, *tb) < 0;
    };
    tWktList& lista = rozklad_.Rozklad;
    bool posortowana = true;
    for (int i = 1; i < lista.Count() && posortowana; ++i)
        posortowana = !przed(lista.Items(i), lista.Items(i - 1));
    if (posortowana)
        return;
    std::vector<std::unique_ptr<tWktInstance>> wpisy;
    while (lista.Count() > 0)
        wpisy.push_back(lista.Extract(lista.Count() - 1));
    std::reverse(wpisy.begin(), wpisy.end());
    std::stable_sort(wpisy.begin(), wpisy.end(), [&](const auto& a, const auto& b) { return przed(a.get(), b.get()); });
    for (auto& w : wpisy)
        lista.Append(std::move(w));
}

bool TModelRozkladu::Widoczny(const TPociag& t) const
{
    const auto stan = [](const std::vector<TWierszFiltru>& lista, const std::string& nazwa) {
        if (nazwa.empty())
            return lista.empty() || lista.front().Zaznaczony;
        for (const auto& w : lista)
            if (RowneBezWielkosci(w.Nazwa, nazwa))
                return w.Zaznaczony;
        return true;
    };
    if (!stan(przyjazdy_, t.Wjezdza()) && !stan(odjazdy_, t.Wyjezdza()))
        return false;
    if (szukanie_.empty())
        return true;
    const std::string szukane = MaleLitery(szukanie_);
    for (const std::string* pole : {&t.Numer(), &t.RelacjaOd(), &t.RelacjaDo(), &t.Opis()})
        if (MaleLitery(*pole).find(szukane) != std::string::npos)
            return true;
    return false;
}

TPociag* TModelRozkladu::ZaznaczonyPociag() const
{
    return zaznaczony_ >= 0 && static_cast<std::size_t>(zaznaczony_) < wiersze_.size()
               ? wiersze_[static_cast<std::size_t>(zaznaczony_)].Pociag
               : nullptr;
}

bool TModelRozkladu::ZaznaczFiltr(tListaFiltru lista, int wiersz, bool zaznaczony)
{
    auto& wiersze = lista == tListaFiltru::przyjazd ? przyjazdy_ : odjazdy_;
    if (wiersz < 0 || static_cast<std::size_t>(wiersz) >= wiersze.size())
        return false;
    wiersze[static_cast<std::size_t>(wiersz)].Zaznaczony = zaznaczony;
    PokazRozklad();
    return true;
}

int TModelRozkladu::ZnajdzWierszFiltru(tListaFiltru lista, const std::string& wiersz) const
{
    const auto& wiersze = Filtr(lista);
    if (const int n = Pozycja(wiersz, wiersze.size()); n >= 0)
        return n;
    for (std::size_t i = 0; i < wiersze.size(); ++i)
        if (RowneBezWielkosci(wiersze[i].Nazwa, wiersz))
            return static_cast<int>(i);
    return -1;
}

void TModelRozkladu::UstawSzukanie(const std::string& tekst)
{
    szukanie_ = Przytnij(tekst);
    PokazRozklad();
}

bool TModelRozkladu::Wybierz(int wiersz)
{
    if (wiersz < 0 || static_cast<std::size_t>(wiersz) >= wiersze_.size())
        return false;
    zaznaczony_ = wiersz;
    WczytajDoEdytora(*wiersze_[static_cast<std::size_t>(wiersz)].Pociag);
    return true;
}

// ---- The editor ----

bool TModelRozkladu::WlotStacyjny(const std::string& nazwa) const
{
    return std::any_of(wloty_.begin(), wloty_.end(),
                       [&](const TWlotRozkladu& w) { return w.Stacyjny && RowneBezWielkosci(w.Nazwa, nazwa); });
}

int TModelRozkladu::PozycjaWlotu(tListaWlotow lista, const std::string& nazwa) const
{
    // The station's own entry, by no name or by its own, is the first item.
    if (nazwa.empty() || WlotStacyjny(nazwa))
        return 0;
    const auto& pozycje = Wloty(lista);
    for (std::size_t i = pozycje.size(); i-- > 1;)
        if (RowneBezWielkosci(NazwaElementu(pozycje[i]), nazwa))
            return static_cast<int>(i);
    return -1;
}

void TModelRozkladu::WczytajDoEdytora(const TPociag& t)
{
    Edytor.Numer = t.Numer();
    Edytor.Sklad = t.SkladRozkladowy();
    Edytor.Opis = t.Opis();
    // The relation as it is, not the first direction that begins like it: a relation outside the
    // list, or an empty one, would otherwise be replaced at the next "&Zmień".
    Edytor.RelacjaOd = t.RelacjaOd();
    Edytor.RelacjaDo = t.RelacjaDo();
    // Seconds shown when there are any, so that "&Zmień" keeps them.
    Edytor.GodzWjezdza = PiszGodzine(t.Przyjazd());
    Edytor.GodzWyjezdza = PiszGodzine(t.Odjazd());
    Edytor.NieWymagaPeronu = t.NieWymagaPeronu();
    Edytor.Wjezdza = PozycjaWlotu(tListaWlotow::wjezdza, t.Wjezdza());
    Edytor.Wyjezdza = PozycjaWlotu(tListaWlotow::wyjezdza, t.Wyjezdza());
    wEdytorze_ = &t;
}

int TModelRozkladu::ZnajdzWlot(tListaWlotow lista, const std::string& tekst) const
{
    const auto& pozycje = Wloty(lista);
    if (const int n = Pozycja(tekst, pozycje.size()); n >= 0)
        return n;
    for (std::size_t i = 0; i < pozycje.size(); ++i)
        if (pozycje[i] == tekst)
            return static_cast<int>(i);
    for (std::size_t i = 0; i < pozycje.size(); ++i)
        if (RowneBezWielkosci(pozycje[i], tekst))
            return static_cast<int>(i);
    if (tekst.empty())
        return -1;
    return PozycjaWlotu(lista, tekst);
}

std::string TModelRozkladu::UstawPole(std::string_view pole, const std::string& wartosc)
{
    const std::pair<std::string_view, std::string*> teksty[] = {
        {"numer", &Edytor.Numer},     {"sklad", &Edytor.Sklad},
        {"opis", &Edytor.Opis},       {"od", &Edytor.RelacjaOd},
        {"do", &Edytor.RelacjaDo},    {"godz_wjezdza", &Edytor.GodzWjezdza},
        {"godz_wyjezdza", &Edytor.GodzWyjezdza}};
    for (const auto& [nazwa, cel] : teksty)
        if (pole == nazwa) {
            *cel = wartosc;
            return {};
        }
    if (pole == "bez_peronu") {
        if (wartosc != "0" && wartosc != "1")
            return "bez_peronu must be 0 or 1, not \"" + wartosc + "\"";
        Edytor.NieWymagaPeronu = wartosc == "1";
        return {};
    }
    if (pole == "wjezdza" || pole == "wyjezdza") {
        const tListaWlotow lista = pole == "wjezdza" ? tListaWlotow::wjezdza : tListaWlotow::wyjezdza;
        const int n = ZnajdzWlot(lista, wartosc);
        if (n < 0)
            return "no item \"" + wartosc + "\" in " + std::string(pole);
        (lista == tListaWlotow::wjezdza ? Edytor.Wjezdza : Edytor.Wyjezdza) = n;
        return {};
    }
    return "unknown field " + std::string(pole) +
           " (numer, sklad, opis, od, do, wjezdza, godz_wjezdza, wyjezdza, godz_wyjezdza, bez_peronu)";
}

std::vector<std::pair<std::string, std::string>> TModelRozkladu::PolaEdytora() const
{
    const auto pozycja = [](const std::vector<std::string>& lista, int n) {
        return n >= 0 && static_cast<std::size_t>(n) < lista.size() ? lista[static_cast<std::size_t>(n)]
                                                                    : std::string("-");
    };
    return {{"numer", Edytor.Numer},
            {"sklad", Edytor.Sklad},
            {"opis", Edytor.Opis},
            {"od", Edytor.RelacjaOd},
            {"do", Edytor.RelacjaDo},
            {"wjezdza", pozycja(wjazdy_, Edytor.Wjezdza)},
            {"godz_wjezdza", Edytor.GodzWjezdza},
            {"wyjezdza", pozycja(wyjazdy_, Edytor.Wyjezdza)},
            {"godz_wyjezdza", Edytor.GodzWyjezdza},
            {"bez_peronu", Edytor.NieWymagaPeronu ? "1" : "0"}};
}

// ---- The buttons ----

bool TModelRozkladu::Dodaj() { return DodajZmien(true); }
bool TModelRozkladu::Zmien() { return DodajZmien(false); }

bool TModelRozkladu::DodajZmien(bool dodaj)
{
    const auto odmowa = [&](const std::string& powod) {
        komunikaty_.Blad(NieMoznaDodac + powod);
        return false;
    };
    if (dodaj && rozklad_.Ile() >= NajwiecejPociagow)
        return odmowa(TekstNajwiecejPociagow);

    const auto przyjazd = CzytajGodzineEdytora(Edytor.GodzWjezdza);
    if (!przyjazd)
        return odmowa(Formatuj("Godzina przyjazdu „%s” nie jest godziną (H:MM lub H:MM:SS).",
                               Edytor.GodzWjezdza.c_str()));
    const auto odjazd = CzytajGodzineEdytora(Edytor.GodzWyjezdza);
    if (!odjazd)
        return odmowa(Formatuj("Godzina odjazdu „%s” nie jest godziną (H:MM lub H:MM:SS).",
                               Edytor.GodzWyjezdza.c_str()));
    const auto wybrany = [](const std::vector<std::string>& lista, int n) {
        return n >= 0 && static_cast<std::size_t>(n) < lista.size();
    };
    if (!wybrany(wjazdy_, Edytor.Wjezdza))
        return odmowa("Nie wybrano, skąd pociąg przyjeżdża („Przyjazd z:”).");
    if (!wybrany(wyjazdy_, Edytor.Wyjezdza))
        return odmowa("Nie wybrano, dokąd pociąg odjeżdża („Odjazd do:”).");

    TPociag* cel = nullptr;
    if (!dodaj) {
        cel = ZaznaczonyPociag();
        if (cel == nullptr)
            return false;
    }

    // Everything of the changed train that the editor does not show stays as it was.
    TPociag nowy = cel != nullptr ? *cel : TPociag();
    nowy.SetNumer(Edytor.Numer);
    nowy.SetRelacjaOd(Edytor.RelacjaOd);
    nowy.SetRelacjaDo(Edytor.RelacjaDo);
    nowy.SetSkladRozkladowy(Edytor.Sklad);
    nowy.SetPrzyjazd(*przyjazd);
    nowy.SetOdjazd(*odjazd);
    nowy.SetOpis(Edytor.Opis);
    nowy.SetNieWymagaPeronu(Edytor.NieWymagaPeronu);
    nowy.SetWjezdza(NazwaElementu(wjazdy_[static_cast<std::size_t>(Edytor.Wjezdza)]));
    nowy.SetWyjezdza(NazwaElementu(wyjazdy_[static_cast<std::size_t>(Edytor.Wyjezdza)]));

    // The file keeps Windows-1250; a text it cannot hold would fail the save of the whole timetable.
    const std::pair<const char*, const std::string*> teksty[] = {
        {"Numer pociągu:", &Edytor.Numer}, {"Skład pociągu:", &Edytor.Sklad}, {"Opis:", &Edytor.Opis},
        {"Relacja od:", &Edytor.RelacjaOd}, {"do:", &Edytor.RelacjaDo}};
    for (const auto& [etykieta, tekst] : teksty) {
        if (!NaCp1250(*tekst))
            return odmowa(Formatuj("Pole „%s” ma znaki, których plik rozkładu nie zapisze (spoza strony "
                                   "kodowej Windows-1250).",
                                   etykieta));
        // A longer text would not come back through the timetable's CSV.
        if (const int znakow = LiczbaZnakow(*tekst); znakow > NajdluzszyTekstPociagu)
            return odmowa(Formatuj("Pole „%s” ma %d znaków, a może mieć najwyżej %d.", etykieta, znakow,
                                   NajdluzszyTekstPociagu));
    }

    if (const auto watpliwosci = SprawdzPociag(nowy); !watpliwosci.empty()) {
        const std::string kto =
            Przytnij(nowy.Numer()).empty() ? std::string("Pociąg bez numeru:") : Formatuj("Pociąg %s:", nowy.Numer().c_str());
        const std::string pytanie = kto + ListaWierszy(watpliwosci, "- ") +
                                    (dodaj ? "\r\nDodać go mimo to?" : "\r\nZmienić go mimo to?");
        if (komunikaty_.Pytanie(pytanie, tPrzyciski::takNie, tRodzajPytania::ostrzezenie) != tOdpowiedz::tak)
            return false;
    }

    if (dodaj) {
        auto t = std::make_unique<TPociag>(nowy);
        cel = t.get();
        rozklad_.Rozklad.Append(std::move(t));
        if (!Zapisz("Pociąg nie został dodany do rozkładu jazdy.")) {
            rozklad_.Rozklad.Delete(Indeks(cel));
            PokazRozklad();
            return false;
        }
    } else {
        const TPociag dawny = *cel;
        *cel = nowy;
        if (!Zapisz("Zmiana pociągu nie została zachowana; rozkład jazdy jest taki, jak przed nią.")) {
            *cel = dawny;
            PokazRozklad();
            return false;
        }
    }
    PokazRozklad();
    ZaznaczPociag(cel);
    return true;
}

void TModelRozkladu::ZaznaczPociag(const TPociag* t)
{
    zaznaczony_ = -1;
    for (std::size_t i = 0; i < wiersze_.size(); ++i)
        if (wiersze_[i].Pociag == t) {
            Wybierz(static_cast<int>(i));
            return;
        }
}

int TModelRozkladu::Indeks(const TPociag* t) const
{
    for (int i = 0; i < rozklad_.Ile(); ++i)
        if (rozklad_.Rozklad.Items(i) == t)
            return i;
    return -1;
}

bool TModelRozkladu::Usun()
{
    if (rozklad_.Ile() == 0)
        return false;
    TPociag* t = ZaznaczonyPociag();
    const int indeks = Indeks(t);
    if (t == nullptr || indeks < 0)
        return false;
    auto wyjety = rozklad_.Rozklad.Extract(indeks);
    if (wEdytorze_ == t)
        wEdytorze_ = nullptr;
    if (!Zapisz("Pociąg nie został usunięty z rozkładu jazdy.")) {
        rozklad_.Rozklad.Insert(std::min(indeks, rozklad_.Ile()), std::move(wyjety));
        PokazRozklad();
        return false;
    }
    wyjety.reset();
    PokazRozklad();
    return true;
}

bool TModelRozkladu::Zapisz(const std::string& coNieWyszlo)
{
    // The file keeps the order the list shows.
    Sortuj();
    if (rozklad_.ZapiszRozklad())
        return true;
    komunikaty_.Blad(coNieWyszlo);
    return false;
}

std::vector<std::string> TModelRozkladu::SprawdzPociag(const TPociag& t) const
{
    std::vector<std::string> watpliwosci;
    if (Przytnij(t.Numer()).empty())
        watpliwosci.push_back("pociąg nie ma numeru");
    if (!t.Wyjezdza().empty() && Milisekundy(PoraDnia(t.Odjazd())) < Milisekundy(PoraDnia(t.Przyjazd())))
        watpliwosci.push_back(Formatuj("odjazd (%s) jest wcześniej niż przyjazd (%s)", PiszGodzine(t.Odjazd()).c_str(),
                                       PiszGodzine(t.Przyjazd()).c_str()));
    const std::string& sklad = t.SkladRozkladowy();
    std::string nieznane;
    for (std::size_t i = 0; i < sklad.size();) {
        // A whole UTF-8 character, so that the message shows it as typed.
        std::size_t dlugosc = 1;
        const auto c = static_cast<unsigned char>(sklad[i]);
        if (c >= 0xF0)
            dlugosc = 4;
        else if (c >= 0xE0)
            dlugosc = 3;
        else if (c >= 0xC0)
            dlugosc = 2;
        const std::string znak = sklad.substr(i, dlugosc);
        i += dlugosc;
        if (znak == "+" || znak == " " || (znak.size() == 1 && ZnanyPojazd(znak[0])))
            continue;
        if (nieznane.find("„" + znak + "”") == std::string::npos)
            nieznane += (nieznane.empty() ? "„" : ", „") + znak + "”";
    }
    if (!nieznane.empty())
        watpliwosci.push_back(Formatuj("w składzie „%s” są nieznane kody pojazdów: %s", sklad.c_str(),
                                       nieznane.c_str()));
    if (Przytnij(sklad).empty())
        watpliwosci.push_back("skład pociągu jest pusty");
    else if (!MaLokomotywe(sklad))
        watpliwosci.push_back("w składzie nie ma pojazdu, który może go prowadzić (p, s albo a)");
    if (!t.NieWymagaPeronu() && t.Wjezdza().empty() && t.Wyjezdza().empty())
        watpliwosci.push_back("pociąg wymaga postoju przy peronie, a ani nie przyjeżdża z linii, ani na nią nie "
                              "odjeżdża");
    return watpliwosci;
}

// ---- CSV ----

bool TModelRozkladu::ImportujCsv(const std::string& plik)
{
    if (const std::string powod = SprawdzRozmiarCsv(plik); !powod.empty()) {
        komunikaty_.Blad(Formatuj("Nie można zaimportować pliku %s:\r\n", plik.c_str()) + powod +
                              "\r\nRozkład jazdy nie został zmieniony.");
        return false;
    }
    const auto tekst = CzytajCalyPlik(plik);
    if (!tekst) {
        komunikaty_.Blad(Formatuj("Nie udało się odczytać pliku %s.", plik.c_str()));
        return false;
    }
    // The entries the window offers are the ones a train may use; a train through any other would
    // never run, so such a file is refused with the rest of what `check` refuses.
    std::vector<std::string> wloty;
    for (const auto* lista : {&wjazdy_, &wyjazdy_})
        for (std::size_t i = 1; i < lista->size(); ++i)
            wloty.push_back(NazwaElementu((*lista)[i]));
    TImportCsv wynik = CzytajRozkladCsv(*tekst, wloty);
    if (!wynik.Bledy.empty()) {
        komunikaty_.Blad(Formatuj("Nie można zaimportować pliku %s:", plik.c_str()) +
                              ListaWierszy(wynik.Bledy, "") + "\r\nRozkład jazdy nie został zmieniony.");
        return false;
    }

    std::vector<std::string> watpliwosci;
    for (std::size_t i = 0; i < wynik.Pociagi.size(); ++i) {
        const TPociag& t = *wynik.Pociagi[i];
        for (const auto& p : SprawdzPociag(t))
            watpliwosci.push_back(Formatuj("%zu (%s): %s", i + 1, t.Numer().c_str(), p.c_str()));
    }
    std::string pytanie = Formatuj("Rozkład jazdy (pociągów: %d) zostanie zastąpiony pociągami z pliku %s "
                                   "(pociągów: %zu).",
                                   rozklad_.Ile(), plik.c_str(), wynik.Pociagi.size());
    if (!watpliwosci.empty())
        pytanie += "\r\nWątpliwości:" + ListaWierszy(watpliwosci, "- ");
    pytanie += "\r\nZastąpić rozkład jazdy?";
    const tRodzajPytania rodzaj = watpliwosci.empty() ? tRodzajPytania::potwierdzenie : tRodzajPytania::ostrzezenie;
    if (komunikaty_.Pytanie(pytanie, tPrzyciski::takNie, rodzaj) != tOdpowiedz::tak)
        return false;

    tWktList& lista = rozklad_.Rozklad;
    std::vector<std::unique_ptr<tWktInstance>> dawne;
    while (lista.Count() > 0)
        dawne.push_back(lista.Extract(lista.Count() - 1));
    std::reverse(dawne.begin(), dawne.end());
    for (auto& t : wynik.Pociagi)
        lista.Append(std::move(t));
    wEdytorze_ = nullptr;
    sprawdzonoPlik_ = true;
    if (!Zapisz("Rozkład jazdy nie został zastąpiony pociągami z pliku.")) {
        lista.FreeAll();
        for (auto& w : dawne)
            lista.Append(std::move(w));
        PokazRozklad();
        return false;
    }
    dawne.clear();
    PokazRozklad();
    return true;
}

bool TModelRozkladu::EksportujCsv(const std::string& plik)
{
    try {
        ZapiszPlikCaly(plik, ZapiszRozkladCsv(rozklad_.Rozklad));
        return true;
    } catch (const EwktException& e) {
        komunikaty_.Blad(Formatuj("Nie udało się zapisać pliku %s.\r\n%s", plik.c_str(), e.what()));
        return false;
    }
}

// ---- Texts ----

std::string TModelRozkladu::TekstWiersza(const TPociag& t)
{
    const std::string przyjazd = FormatGodziny(t, t.Przyjazd());
    const std::string odjazd = FormatGodziny(t, t.Odjazd());
    const bool wjezdza = !t.Wjezdza().empty();
    const bool wyjezdza = !t.Wyjezdza().empty();
    std::string s = Formatuj("<b>%s</b><IND x=\"60\">%s-%s<IND x=\"200\">", t.Numer().c_str(), t.RelacjaOd().c_str(),
                             t.RelacjaDo().c_str());
    if (wyjezdza && wjezdza)
        s += Formatuj("%s <b>%s</b>", przyjazd.c_str(), odjazd.c_str());
    else if (wyjezdza)
        s += Formatuj("      <b>%s</b>", odjazd.c_str());
    else
        s += Formatuj("<b>%s</b>", przyjazd.c_str());
    s += t.Opis();
    s += Formatuj("<br>     skład: %s<br>", t.SkladRozkladowy().c_str());
    s += "  " + przyjazd + "<IND x=\"50\">";
    if (wjezdza)
        s += Formatuj("przyj. %s (<b>%s</b>)", t.RelacjaOd().c_str(), t.Wjezdza().c_str());
    else
        s += "skład podstawia się do odjazdu";
    if (wyjezdza)
        s += Formatuj("<br>  %s<IND x=\"50\">odj. %s (<b>%s</b>)", odjazd.c_str(), t.RelacjaDo().c_str(),
                      t.Wyjezdza().c_str());
    else
        s += "<br>     kończy bieg";
    s += t.NieWymagaPeronu() ? "<br>nie wymaga postoju przy peronie<hr>" : "<hr>";
    return s;
}

const std::vector<TKodPojazdu>& TModelRozkladu::KodyPojazdow() { return ::KodyPojazdow(); }

std::string TModelRozkladu::Legenda()
{
    std::string s = "<b>skróty stosowane w zestawieniu składu:</b><br>";
    for (const auto& k : KodyPojazdow())
        s += Formatuj("<b>%c</b><IND x=\"20\">%s<br>", k.Kod, k.Znaczenie);
    s += "<br>Naciśnij przycisk <u>Zmień</u>, by uaktualnić dane w rozkładzie. Rozkład jest automatycznie "
         "zachowywany po każdej zmianie. Zmiany obowiązują od następnego dnia symulacji albo od następnego "
         "uruchomienia stacji.";
    return s;
}

std::string TModelRozkladu::PodpowiedzSkladu()
{
    std::string s;
    for (const auto& k : KodyPojazdow())
        s += Formatuj("%s%c - %s", s.empty() ? "" : ", ", k.Kod, k.Znaczenie);
    return s;
}
