// Recording and replaying the services: numbered timers, answers, drawn numbers and wall-clock times.

#include "record/uslugi_zapisu.h"

#include "record/zapis_gry.h"

#include <algorithm>

class TUslugiZapisu::Uchwyt : public TZegar {
public:
    Uchwyt(TUslugiZapisu& uslugi, std::int64_t numer) : uslugi_(uslugi), numer_(numer) {}
    const TUslugiZapisu& Uslugi() const { return uslugi_; }
    std::int64_t Numer() const { return numer_; }
    ~Uchwyt() override
    {
        const auto it = uslugi_.zegary_.find(numer_);
        if (it == uslugi_.zegary_.end())
            return;
        // A tick that stops its own timer still holds its entry until it returns.
        it->second->wewnetrzny.reset();
        uslugi_.zegary_.erase(it);
    }

private:
    TUslugiZapisu& uslugi_;
    std::int64_t numer_;
};

TUslugiZapisu::TUslugiZapisu(TUslugi& zewnetrzne)
    : zewnetrzne_(zewnetrzne),
      uslugi_{*this, *this, *this, zewnetrzne.Kursory, *this, *this, zewnetrzne.Ustawienia},
      teraz_(zewnetrzne.ZegarScienny.Teraz()),
      odczyt_(teraz_)
{
}

TUslugiZapisu::~TUslugiZapisu() = default;

const char* TUslugiZapisu::NazwaOdpowiedzi(tOdpowiedz o)
{
    switch (o) {
    case tOdpowiedz::tak:
        return "yes";
    case tOdpowiedz::nie:
        return "no";
    case tOdpowiedz::anuluj:
        return "cancel";
    }
    return "cancel";
}

TZegary& TUslugiZapisu::Zegary()
{
    if (!odtwarzanie_)
        return zewnetrzne_.Zegary;
    if (reczne_ != nullptr)
        return *reczne_;
    return *wlasneReczne_;
}

std::unique_ptr<TZegar> TUslugiZapisu::Uruchom(int interwalMs, std::function<void()> tykniecie)
{
    const bool wskazany = wskazanyNumer_ >= 0;
    if (!wskazany && !odtwarzanie_ && !WAkcie && !WTakcie && !wOdpaleniu_ && !wUplywie_)
        return zewnetrzne_.Zegary.Uruchom(interwalMs, std::move(tykniecie));
    const std::int64_t numer = wskazany ? wskazanyNumer_ : kolejnyZegar_++;
    wskazanyNumer_ = -1;
    auto wpis = std::make_shared<Wpis>();
    wpis->numer = numer;
    wpis->interwal = interwalMs;
    wpis->tykniecie = std::move(tykniecie);
    zegary_[numer] = wpis;
    auto* reczne = dynamic_cast<TZegaryReczne*>(&Zegary());
    if (wskazany && reczne != nullptr)
        wpis->wewnetrzny = reczne->Uruchom(interwalMs, wskazanyPierwszy_, [this, numer] { Tykniecie(numer); });
    else
        wpis->wewnetrzny = Zegary().Uruchom(interwalMs, [this, numer] { Tykniecie(numer); });
    return std::make_unique<Uchwyt>(*this, numer);
}

TUslugiZapisu::TStan TUslugiZapisu::Stan() const
{
    return {kolejnyZegar_, teraz_, zapisanyCzas_, czasZapisany_, reczne_ != nullptr ? reczne_->Teraz() : 0};
}

void TUslugiZapisu::Przywroc(const TStan& stan)
{
    kolejnyZegar_ = stan.KolejnyZegar;
    teraz_ = stan.Teraz;
    odczyt_ = stan.Teraz;
    zapisanyCzas_ = stan.ZapisanyCzas;
    czasZapisany_ = stan.CzasZapisany;
    if (reczne_ != nullptr)
        reczne_->Przestaw(stan.CzasReczny);
}

std::int64_t TUslugiZapisu::NumerZegara(const TZegar* zegar) const
{
    const auto* uchwyt = dynamic_cast<const Uchwyt*>(zegar);
    return uchwyt != nullptr && &uchwyt->Uslugi() == this && zegary_.count(uchwyt->Numer()) ? uchwyt->Numer() : -1;
}

std::int64_t TUslugiZapisu::DoTykniecia(std::int64_t numer) const
{
    const auto it = zegary_.find(numer);
    if (it == zegary_.end())
        return 0;
    const Wpis& wpis = *it->second;
    const TZegaryReczne* reczne = odtwarzanie_ && reczne_ == nullptr ? wlasneReczne_.get() : reczne_;
    if (reczne != nullptr && wpis.wewnetrzny != nullptr)
        if (const auto ms = reczne->DoTykniecia(*wpis.wewnetrzny))
            return *ms;
    return wpis.interwal;
}

void TUslugiZapisu::NastepnyZegar(std::int64_t numer, std::int64_t doTykniecia)
{
    wskazanyNumer_ = numer;
    wskazanyPierwszy_ = doTykniecia;
    kolejnyZegar_ = std::max(kolejnyZegar_, numer + 1);
}

void TUslugiZapisu::Tykniecie(std::int64_t numer)
{
    const auto it = zegary_.find(numer);
    if (it == zegary_.end())
        return;
    const std::shared_ptr<Wpis> wpis = it->second;
    if (odtwarzanie_ || wUplywie_) {
        // The replayed or recorded passing of time stands for every tick it fires.
        wpis->tykniecie();
        return;
    }
    if (WAkcie)
        return;
    OdswiezZegar();
    wOdpaleniu_ = true;
    try {
        wpis->tykniecie();
    } catch (...) {
        wOdpaleniu_ = false;
        throw;
    }
    wOdpaleniu_ = false;
    if (Zapisz)
        Zapisz({"fire", std::to_string(numer)});
    if (PoWejsciu)
        PoWejsciu();
}

bool TUslugiZapisu::Odpal(std::int64_t numer)
{
    const auto it = zegary_.find(numer);
    if (it == zegary_.end())
        return false;
    const std::shared_ptr<Wpis> wpis = it->second;
    wpis->tykniecie();
    return true;
}

void TUslugiZapisu::Czekaj(std::int64_t ms)
{
    TZegaryReczne* reczne = reczne_;
    if (odtwarzanie_ && reczne == nullptr)
        reczne = wlasneReczne_.get();
    if (reczne == nullptr)
        return;
    if (!odtwarzanie_)
        OdswiezZegar();
    wUplywie_ = true;
    try {
        reczne->Uplyw(ms);
    } catch (...) {
        wUplywie_ = false;
        throw;
    }
    wUplywie_ = false;
    if (!odtwarzanie_ && Zapisz)
        Zapisz({"wait", std::to_string(ms)});
}

void TUslugiZapisu::OdswiezZegar()
{
    // Written down for every event, the clock made most of a day's record: most events never look.
    if (!odtwarzanie_)
        odczytany_ = false;
}

double TUslugiZapisu::TerazBezZapisu() const
{
    if (odtwarzanie_)
        return teraz_;
    if (!odczytany_) {
        odczyt_ = zewnetrzne_.ZegarScienny.Teraz();
        odczytany_ = true;
    }
    return odczyt_;
}

double TUslugiZapisu::Teraz() const
{
    if (odtwarzanie_)
        return teraz_;
    teraz_ = TerazBezZapisu();
    if (czasZapisany_ && teraz_ == zapisanyCzas_)
        return teraz_;
    czasZapisany_ = true;
    zapisanyCzas_ = teraz_;
    if (Zapisz)
        Zapisz({"wall", LiczbaZapisu(teraz_)});
    return teraz_;
}

void TUslugiZapisu::UstawZegar(double teraz)
{
    teraz_ = teraz;
    odczyt_ = teraz;
    zapisanyCzas_ = teraz;
    czasZapisany_ = true;
}

void TUslugiZapisu::ZacznijOdtwarzanie()
{
    odtwarzanie_ = true;
    if (reczne_ == nullptr)
        wlasneReczne_ = std::make_unique<TZegaryReczne>();
}

void TUslugiZapisu::ZakonczOdtwarzanie()
{
    odtwarzanie_ = false;
    // Until the next event, the game's time is the one replayed last.
    odczyt_ = teraz_;
    odczytany_ = true;
    losowe_.clear();
    Rozbieznosc.clear();
    if (wlasneReczne_ == nullptr)
        return;
    // The timers still running go over to the real ones, each with its interval from now.
    for (auto& [numer, wpis] : zegary_) {
        const std::int64_t n = numer;
        wpis->wewnetrzny = zewnetrzne_.Zegary.Uruchom(wpis->interwal, [this, n] { Tykniecie(n); });
    }
    wlasneReczne_.reset();
}

void TUslugiZapisu::Komunikat(const std::string& tekst)
{
    if (!odtwarzanie_)
        zewnetrzne_.Komunikaty.Komunikat(tekst);
}

void TUslugiZapisu::Blad(const std::string& tekst)
{
    if (!odtwarzanie_)
        zewnetrzne_.Komunikaty.Blad(tekst);
}

tOdpowiedz TUslugiZapisu::Pytanie(const std::string& tekst, tPrzyciski przyciski, tRodzajPytania rodzaj)
{
    if (odtwarzanie_) {
        if (odpowiedzi_.empty()) {
            if (Rozbieznosc.empty())
                Rozbieznosc = "pytanie bez odpowiedzi w zapisie";
            return przyciski == tPrzyciski::takNie ? tOdpowiedz::nie : tOdpowiedz::anuluj;
        }
        const tOdpowiedz o = odpowiedzi_.front();
        odpowiedzi_.pop_front();
        return o;
    }
    const tOdpowiedz o = zewnetrzne_.Komunikaty.Pytanie(tekst, przyciski, rodzaj);
    if (Zapisz)
        Zapisz({"answer", NazwaOdpowiedzi(o)});
    return o;
}

void TUslugiZapisu::Ostrzezenie(const std::string& naglowek, const std::string& tytul, const std::string& opis,
                                int sekundy)
{
    if (!odtwarzanie_)
        zewnetrzne_.Komunikaty.Ostrzezenie(naglowek, tytul, opis, sekundy);
}

void TUslugiZapisu::Zasiej(std::uint64_t ziarno)
{
    if (odtwarzanie_)
        zapasowe_.Zasiej(ziarno);
    else
        zewnetrzne_.Losowanie.Zasiej(ziarno);
}

int TUslugiZapisu::Losuj(int n)
{
    if (odtwarzanie_) {
        if (losowe_.empty() || losowe_.front().first != n) {
            if (Rozbieznosc.empty())
                Rozbieznosc = "losowanie, którego nie ma w zapisie";
            return zapasowe_.Losuj(n);
        }
        const int wynik = losowe_.front().second;
        losowe_.pop_front();
        return wynik;
    }
    const int wynik = zewnetrzne_.Losowanie.Losuj(n);
    if (Zapisz)
        Zapisz({"random", std::to_string(n), std::to_string(wynik)});
    return wynik;
}

void TUslugiZapisu::Odtworz(const std::string& plik)
{
    if (!odtwarzanie_)
        zewnetrzne_.Dzwieki.Odtworz(plik);
}
