// Any bytes given to the saved-game loader either load a game or are refused with a reason;
// nothing else may happen, and a game that loads saves again to the very same file.
#include "core/uslugi.h"
#include "core/zegary_reczne.h"
#include "record/zapis_gry.h"
#include "run/symulacja_stacji.h"
#include "trains/pociag.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

class TCisza : public TDzwieki, public TKomunikaty, public TKursory, public TZegarScienny, public TUstawienia {
public:
    void Odtworz(const std::string&) override {}
    void Komunikat(const std::string&) override {}
    tOdpowiedz Pytanie(const std::string&, tPrzyciski, tRodzajPytania) override { return tOdpowiedz::anuluj; }
    void Ostrzezenie(const std::string&, const std::string&, const std::string&, int) override {}
    void UstawKursor(tKursor) override {}
    double Teraz() const override { return 46000.5; }
    std::string Czytaj(const std::string&, const std::string&, const std::string& d) const override { return d; }
    void Zapisz(const std::string&, const std::string&, const std::string&) override {}
};

// Replaying is as long as the inputs since the checkpoint; the fuzzer looks at files of at most a
// day's ticks.
constexpr std::int64_t NajwiecejTaktow = 20000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    ZarejestrujPociag();
    const std::string_view tekst(reinterpret_cast<const char*>(dane), rozmiar);
    TZapisGry zapis;
    TBladZapisu blad;
    if (!CzytajZapis(tekst, zapis, blad)) {
        if (blad.Powod.empty())
            std::abort();
        return 0;
    }
    if (zapis.Takty - zapis.TaktPunktu > NajwiecejTaktow)
        return 0;
    TCisza cisza;
    TZegaryReczne zegary;
    TLosowanieProste losowanie;
    TUslugi uslugi{zegary, cisza, cisza, cisza, cisza, losowanie, cisza};
    // No timetable file: a game refers to none, the timetable comes from the game's own text.
    TWczytanaGra gra = TSymulacjaStacji::Wczytaj(tekst, uslugi, "/nonexistent/rozklad.dat", &zegary);
    if (gra.Symulacja == nullptr) {
        if (gra.Blad.empty())
            std::abort();
        return 0;
    }
    std::string bladZapisu;
    const std::string ponownie = gra.Symulacja->ZapisGry(bladZapisu, gra.Odpowiedzi);
    TWczytanaGra druga = TSymulacjaStacji::Wczytaj(ponownie, uslugi, "/nonexistent/rozklad.dat", nullptr);
    if (druga.Symulacja == nullptr)
        std::abort();
    return 0;
}
