#include "simulation/symulacja_stacji.h"

#include "core/format.h"
#include "station/uklad.h"
#include "station/upunkt.h"
#include "station/wlot.h"

TSymulacjaStacji::TSymulacjaStacji(TZegary& zegary, TDzwieki& dzwieki, TKomunikaty& komunikaty)
    : komunikaty_(komunikaty), stacja_(zegary, dzwieki, komunikaty)
{
    ZbudujUklad(stacja_, UkladDrelinka());
    if (auto* wlasna = stacja_.Znajdz<TWlotStacyjny>("stacja_Drelinko"))
        wlasna->OnDodajDoDziennika = [this](std::int32_t p, const std::string& s1, const std::string& s2) {
            DodajDoDziennika(p, s1, s2);
        };
}

void TSymulacjaStacji::DodajDoDziennika(std::int32_t punkty, const std::string& tekst, const std::string& opis)
{
    dziennik_.DodajLinie(punkty, tekst, JednaLiniaDziennika(opis), CzasSymulacji);
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
        komunikaty_.Ostrzezenie("Lorvia 99", tytul, opis, 3);
        try {
            DodajDoDziennika(e.Punkty, tytul, opis);
        } catch (const std::exception& blad) {
            komunikaty_.Komunikat(blad.what());
        }
    } catch (const std::exception& e) {
        komunikaty_.Komunikat(e.what());
    } catch (...) {
        komunikaty_.Komunikat("Nieznany błąd programu.");
    }
}

std::string JednaLiniaDziennika(const std::string& tekst)
{
    std::string wynik;
    wynik.reserve(tekst.size());
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n') {
            wynik += " • ";
            ++i;
        } else if (tekst[i] == '\n') {
            wynik += " • ";
        } else {
            wynik += tekst[i];
        }
    }
    return wynik;
}
