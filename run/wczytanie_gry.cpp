// Saving a game as its record, and rebuilding one by replaying it.

#include "run/symulacja_stacji.h"

#include "run/punkt_kontrolny.h"

#include "core/format.h"
#include "core/wkt_exception.h"
#include "core/wkt_files.h"
#include "core/wkt_stream.h"
#include "trains/rozklad.h"

#include <algorithm>
#include <filesystem>

#ifndef DRELINKO_WERSJA
#define DRELINKO_WERSJA "?"
#endif

namespace {

void WczytajRozklad(TRozkladJazdy& rozklad, const std::vector<std::uint8_t>& bajty)
{
    tWktStream strumien(bajty);
    rozklad.Rozklad.FreeAll();
    rozklad.Rozklad.Load(strumien);
}

}  // namespace

std::string TSymulacjaStacji::ZapisGry(std::string& blad, const std::deque<tOdpowiedz>& oczekujace)
{
    if (odtwarzany_ != nullptr) {
        blad = "Gra jest odtwarzana; przejmij ją, aby ją zapisać.";
        return {};
    }
    if (!pokazane_) {
        blad = "Gra jeszcze się nie zaczęła.";
        return {};
    }
    ZapiszStanOkna();
    ZapiszZmianeRozkladu();
    if (!bladRozkladu_.empty()) {
        blad = "Rozkładu jazdy tej gry nie da się zapisać: " + bladRozkladu_;
        return {};
    }
    gra_.Program = DRELINKO_WERSJA;
    gra_.Takty = takty_;
    const auto tekstZapisu = [&] {
        const std::size_t ile = gra_.Wejscia.size();
        for (const tOdpowiedz o : oczekujace)
            ZapiszWejscie({"answer", TUslugiZapisu::NazwaOdpowiedzi(o)});
        std::string tekst = TekstZapisu(gra_);
        gra_.Wejscia.resize(ile);
        return tekst;
    };
    std::string tekst = tekstZapisu();
    // The file is never one the loader would refuse: too big with the inputs since the last
    // checkpoint, it goes on from a checkpoint taken now.
    if (tekst.size() > TLimityZapisu::NajwiekszyPlik) {
        ZrobPunktKontrolny();
        tekst = tekstZapisu();
    }
    if (tekst.size() > TLimityZapisu::NajwiekszyPlik) {
        blad = "Gra jest za duża, by ją zapisać.";
        return {};
    }
    return tekst;
}

TWierszeStanu TSymulacjaStacji::StanGry() const { return TPunktKontrolny::Zrob(*this); }

void TSymulacjaStacji::PoZdarzeniu()
{
    if (!pokazane_ || robiePunkt_ || zapis_.WAkcie || !bladRozkladu_.empty())
        return;
    const bool dzien = nowyDzien_;
    nowyDzien_ = false;
    const std::size_t wejsc = zapis_.Odtwarzanie() ? odtworzone_ - poczatekOdtwarzanych_ : gra_.Wejscia.size();
    using L = TLimityZapisu;
    if (dzien || L::Blisko(takty_ - gra_.TaktPunktu, L::Taktow) ||
        L::Blisko(static_cast<std::int64_t>(wejsc), static_cast<std::int64_t>(L::Wejsc)) ||
        L::Blisko(static_cast<std::int64_t>(bajtyRozkladowOdPunktu_), static_cast<std::int64_t>(L::BajtowRozkladow)) ||
        L::Blisko(czekanieOdPunktu_, L::CzekaniaMs))
        ZrobPunktKontrolny();
}

// The record goes on from here: the state now stands for every input before it.
void TSymulacjaStacji::ZrobPunktKontrolny()
{
    robiePunkt_ = true;
    if (!zapis_.Odtwarzanie())
        ZapiszZmianeRozkladu();
    robiePunkt_ = false;
    if (!bladRozkladu_.empty())
        return;
    gra_.Punkt = TPunktKontrolny::Zrob(*this);
    // Kept till the next one, a day later.
    gra_.Punkt.Dopasuj();
    gra_.TaktPunktu = takty_;
    gra_.Rozklad = zapisanyRozklad_;
    if (zapis_.Odtwarzanie())
        poczatekOdtwarzanych_ = odtworzone_;
    else
        gra_.Wejscia.clear();
    bajtyRozkladowOdPunktu_ = 0;
    czekanieOdPunktu_ = 0;
    nowyDzien_ = false;
}

bool TSymulacjaStacji::ZapiszGre(const std::string& plik, std::string& blad, const std::deque<tOdpowiedz>& oczekujace)
{
    const std::string tekst = ZapisGry(blad, oczekujace);
    if (tekst.empty())
        return false;
    try {
        ZapiszPlikCaly(plik, tekst);
        return true;
    } catch (const std::exception& e) {
        blad = e.what();
        return false;
    }
}

TWczytanaGra TSymulacjaStacji::WczytajPlik(const std::string& plik, TUslugi& uslugi, const std::string& plikRozkladu,
                                           TZegaryReczne* reczne)
{
    std::error_code blad;
    const auto rozmiar = std::filesystem::file_size(plik, blad);
    if (!blad && rozmiar > TZapisGry::NajwiekszyPlik)
        return {nullptr, Formatuj("Plik %s jest za duży na zapis gry.", plik.c_str()), {}};
    const auto tekst = CzytajCalyPlik(plik);
    if (!tekst)
        return {nullptr, Formatuj("Nie można odczytać pliku %s.", plik.c_str()), {}};
    TWczytanaGra gra = Wczytaj(*tekst, uslugi, plikRozkladu, reczne);
    if (!gra.Blad.empty())
        gra.Blad = plik + ", " + gra.Blad;
    return gra;
}

std::unique_ptr<TSymulacjaStacji> TSymulacjaStacji::NowaDoOdtworzenia(const TZapisGry& zapis, TUslugi& uslugi,
                                                                       const std::string& plikRozkladu,
                                                                       std::string& blad)
{
    auto rozklad = std::make_unique<TRozkladJazdy>(plikRozkladu, uslugi.Komunikaty, uslugi.Kursory);
    try {
        WczytajRozklad(*rozklad, zapis.Rozklad);
    } catch (const std::exception& e) {
        blad = Formatuj("rozkład jazdy jest uszkodzony: %s", e.what());
        return nullptr;
    }
    return std::unique_ptr<TSymulacjaStacji>(new TSymulacjaStacji(uslugi, nullptr, std::move(rozklad)));
}

TWczytanaGra TSymulacjaStacji::Wczytaj(std::string_view tekst, TUslugi& uslugi, const std::string& plikRozkladu,
                                       TZegaryReczne* reczne)
{
    TZapisGry zapis;
    TBladZapisu blad;
    if (!CzytajZapis(tekst, zapis, blad))
        return {nullptr, Formatuj("wiersz %d: %s", blad.Wiersz, blad.Powod.c_str()), {}};
    std::string powod;
    std::unique_ptr<TSymulacjaStacji> symulacja = NowaDoOdtworzenia(zapis, uslugi, plikRozkladu, powod);
    if (symulacja == nullptr)
        return {nullptr, std::move(powod), {}};
    if (reczne != nullptr)
        symulacja->UzyjZegarowRecznych(*reczne);
    powod = symulacja->Odtworz(zapis);
    if (!powod.empty())
        return {nullptr, std::move(powod), {}};
    TWczytanaGra wynik;
    wynik.Odpowiedzi = symulacja->zapis_.Odpowiedzi();
    symulacja->zapis_.UsunOdpowiedzi();
    wynik.Symulacja = std::move(symulacja);
    return wynik;
}

TWczytanaGra TSymulacjaStacji::Odtwarzaj(std::string_view tekst, TUslugi& uslugi, const std::string& plikRozkladu)
{
    // The whole file is played first where nobody sees it, on timers of its own, so that a file
    // that cannot be played to its end is refused before the playback starts.
    {
        TZegaryReczne proby;
        TWczytanaGra proba = Wczytaj(tekst, uslugi, plikRozkladu, &proby);
        if (proba.Symulacja == nullptr)
            return {nullptr, std::move(proba.Blad), {}};
    }
    auto zapis = std::make_unique<TZapisGry>();
    TBladZapisu blad;
    if (!CzytajZapis(tekst, *zapis, blad))
        return {nullptr, Formatuj("wiersz %d: %s", blad.Wiersz, blad.Powod.c_str()), {}};
    std::string powod;
    std::unique_ptr<TSymulacjaStacji> symulacja = NowaDoOdtworzenia(*zapis, uslugi, plikRozkladu, powod);
    if (symulacja == nullptr)
        return {nullptr, std::move(powod), {}};
    symulacja->ZacznijOdtwarzanie(*zapis);
    if (powod = symulacja->PrzywrocPunkt(*zapis); !powod.empty())
        return {nullptr, std::move(powod), {}};
    symulacja->odtwarzany_ = std::move(zapis);
    TWczytanaGra wynik;
    wynik.Symulacja = std::move(symulacja);
    return wynik;
}

bool TSymulacjaStacji::KrokOdtwarzania(std::string& blad)
{
    if (odtwarzany_ == nullptr)
        return false;
    const std::vector<TWejscieGry>& wejscia = odtwarzany_->Wejscia;
    while (odtworzone_ < wejscia.size() && wejscia[odtworzone_].Takt <= takty_) {
        const TWejscieGry& w = wejscia[odtworzone_++];
        if (std::string powod = OdtworzWejscie(w); !powod.empty()) {
            blad = Formatuj("wiersz %d: %s", w.Wiersz, powod.c_str());
            return false;
        }
        PoZdarzeniu();
    }
    if (odtworzone_ >= wejscia.size() && takty_ >= odtwarzany_->Takty)
        return false;
    if (!DoTaktu(takty_ + 1)) {
        blad = zapis_.Rozbieznosc.empty() ? "takty nie biegną przed startem gry"
                                          : "gra nie odtwarza się tak samo (" + zapis_.Rozbieznosc + ")";
        return false;
    }
    return true;
}

void TSymulacjaStacji::Przejmij()
{
    if (odtwarzany_ == nullptr)
        return;
    std::vector<TWejscieGry> wejscia(odtwarzany_->Wejscia.begin() + static_cast<std::ptrdiff_t>(poczatekOdtwarzanych_),
                                     odtwarzany_->Wejscia.begin() + static_cast<std::ptrdiff_t>(odtworzone_));
    odtwarzany_.reset();
    odtworzone_ = 0;
    ZakonczOdtwarzanie(std::move(wejscia));
    zapis_.UsunOdpowiedzi();
}

bool TSymulacjaStacji::DoTaktu(std::int64_t takt)
{
    while (takty_ < takt) {
        if (!pokazane_)
            return false;
        // The record counts only the ticks that moved the clock, so each of them runs here
        // whatever held the others back.
        const bool aktywne = OknoAktywne, stop = Stop, wstrzymany = Wstrzymany;
        OknoAktywne = true;
        Stop = false;
        Wstrzymany = false;
        const std::int64_t przedtem = takty_;
        Wykonaj([this] { Tyknij(); });
        OknoAktywne = aktywne;
        Stop = stop;
        Wstrzymany = wstrzymany;
        if (takty_ == przedtem || !zapis_.Rozbieznosc.empty())
            return false;
        PoZdarzeniu();
    }
    return true;
}

void TSymulacjaStacji::ZacznijOdtwarzanie(const TZapisGry& zapis)
{
    gra_.Godzina = zapis.Godzina;
    gra_.Ziarno = zapis.Ziarno;
    gra_.Utrudnienia = zapis.Utrudnienia;
    UstawUtrudnieniaSilnika();
    gra_.Rozklad = zapis.Rozklad;
    gra_.Punkt = zapis.Punkt;
    gra_.TaktPunktu = zapis.TaktPunktu;
    zapisanyRozklad_ = zapis.Rozklad;
    odtworzone_ = 0;
    poczatekOdtwarzanych_ = 0;
    zapis_.ZacznijOdtwarzanie();
}

// A file that goes on from a checkpoint: the state it holds, on this fresh station.
std::string TSymulacjaStacji::PrzywrocPunkt(const TZapisGry& zapis)
{
    if (zapis.Punkt.empty())
        return {};
    try {
        TPunktKontrolny::Przywroc(*this, zapis.Punkt);
    } catch (const TPunktKontrolny::TBlad& e) {
        return Formatuj("wiersz %d: %s", zapis.WierszPunktu + static_cast<int>(e.Wiersz), e.what());
    }
    if (takty_ != zapis.TaktPunktu)
        return Formatuj("wiersz %d: punkt kontrolny: inna liczba taktów niż w nagłówku", zapis.WierszPunktu - 1);
    return {};
}

std::string TSymulacjaStacji::Odtworz(const TZapisGry& zapis)
{
    ZacznijOdtwarzanie(zapis);
    if (std::string powod = PrzywrocPunkt(zapis); !powod.empty())
        return powod;
    for (const TWejscieGry& w : zapis.Wejscia) {
        if (!DoTaktu(w.Takt))
            return Formatuj("wiersz %d: %s", w.Wiersz,
                            zapis_.Rozbieznosc.empty()
                                ? "takty nie biegną przed startem gry"
                                : ("gra nie odtwarza się tak samo (" + zapis_.Rozbieznosc + ")").c_str());
        if (const std::string powod = OdtworzWejscie(w); !powod.empty())
            return Formatuj("wiersz %d: %s", w.Wiersz, powod.c_str());
        ++odtworzone_;
        PoZdarzeniu();
    }
    if (!DoTaktu(zapis.Takty))
        return zapis_.Rozbieznosc.empty() ? "takty nie biegną przed startem gry"
                                          : "gra nie odtwarza się tak samo (" + zapis_.Rozbieznosc + ")";
    if (!pokazane_)
        return "zapis nie zawiera startu gry";
    ZakonczOdtwarzanie(std::vector<TWejscieGry>(zapis.Wejscia.begin() + static_cast<std::ptrdiff_t>(poczatekOdtwarzanych_),
                                                 zapis.Wejscia.end()));
    return {};
}

// One line of the record, the ticks before it having run; why it cannot be replayed, or nothing.
std::string TSymulacjaStacji::OdtworzWejscie(const TWejscieGry& w)
{
    const std::vector<std::string>& s = w.Slowa;
    const std::string& slowo = s[0];
    std::string powod;
    if (slowo == "wall") {
        double teraz = 0;
        CzytajLiczbeZapisu(s[1], teraz);
        zapis_.UstawZegar(teraz);
    } else if (slowo == "random") {
        zapis_.DodajLosowa(std::stoi(s[1]), std::stoi(s[2]));
    } else if (slowo == "answer") {
        zapis_.DodajOdpowiedz(s[1] == "yes" ? tOdpowiedz::tak : s[1] == "no" ? tOdpowiedz::nie : tOdpowiedz::anuluj);
    } else if (slowo == "fire") {
        std::int64_t numer = 0;
        CzytajCalkowitaZapisu(s[1], numer);
        if (!zapis_.Odpal(numer))
            powod = "nie działa zegar numer " + s[1];
    } else if (slowo == "wait") {
        std::int64_t ms = 0;
        CzytajCalkowitaZapisu(s[1], ms);
        zapis_.Czekaj(ms);
        czekanieOdPunktu_ += ms;
    } else if (slowo == "timetable") {
        try {
            WczytajRozklad(rozklad_, w.Rozklad);
        } catch (const std::exception& e) {
            powod = std::string("rozkład jazdy jest uszkodzony: ") + e.what();
        }
        zapisanyRozklad_ = w.Rozklad;
        bajtyRozkladowOdPunktu_ += w.Rozklad.size();
        ++odtworzoneAkty_;
    } else {
        powod = AktGracza(s);
        ++odtworzoneAkty_;
    }
    if (powod.empty() && !zapis_.Rozbieznosc.empty())
        powod = "gra nie odtwarza się tak samo (" + zapis_.Rozbieznosc + ")";
    return powod;
}

// The record goes on from the replayed one, without the answers still waiting: those are handed
// back to whoever queued them.
void TSymulacjaStacji::ZakonczOdtwarzanie(std::vector<TWejscieGry> wejscia)
{
    gra_.Wejscia = std::move(wejscia);
    std::size_t czekajace = zapis_.Odpowiedzi().size();
    for (auto it = gra_.Wejscia.end(); czekajace > 0 && it != gra_.Wejscia.begin();) {
        --it;
        if (it->Slowa[0] == "answer") {
            it = gra_.Wejscia.erase(it);
            --czekajace;
        }
    }
    zapisaneOknoAktywne_ = OknoAktywne;
    odtworzone_ = 0;
    poczatekOdtwarzanych_ = 0;
    zapis_.ZakonczOdtwarzanie();
}
