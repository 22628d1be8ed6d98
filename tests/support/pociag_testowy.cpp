#include "tests/support/pociag_testowy.h"

#include "trains/czas.h"

#include <stdexcept>

std::unique_ptr<TPociag> PociagTestowy(const TDanePociagu& d)
{
    const auto przyjazd = CzytajGodzine(d.Przyjazd), odjazd = CzytajGodzine(d.Odjazd);
    if (!przyjazd || !odjazd)
        throw std::invalid_argument("bad time in test train " + d.Numer);
    auto t = std::make_unique<TPociag>();
    t->SetNumer(d.Numer);
    t->SetRelacjaOd(d.Od);
    t->SetRelacjaDo(d.Do);
    t->SetSkladRozkladowy(d.Sklad);
    t->SetWjezdza(d.Wjezdza);
    t->SetWyjezdza(d.Wyjezdza);
    t->SetPrzyjazd(*przyjazd);
    t->SetOdjazd(*odjazd);
    t->SetOpis(d.Opis);
    t->SetNieWymagaPeronu(d.BezPeronu);
    return t;
}

std::unique_ptr<TPociag> PociagOlszarzynaBrzelany(const std::string& numer, const std::string& wjezdza,
                                                  const std::string& wyjezdza, double przyjazd, double odjazd,
                                                  const std::string& sklad)
{
    auto t = std::make_unique<TPociag>();
    t->SetNumer(numer);
    t->SetRelacjaOd("Olszarzyna");
    t->SetRelacjaDo("Brzelany");
    t->SetWjezdza(wjezdza);
    t->SetWyjezdza(wyjezdza);
    t->SetPrzyjazd(przyjazd);
    t->SetOdjazd(odjazd);
    t->SetSkladRozkladowy(sklad);
    t->SetOpis("poc. " + numer);
    return t;
}
