// Any bytes as a spreadsheet timetable or as a stored setting: the CSV reader answers trains or
// errors naming their lines, every setting reads as a value of its own or its default; nothing
// else may happen.
#include "core/ustawienia.h"
#include "core/wkt_generic.h"
#include "simulation/ustawienia_gry.h"
#include "trains/pociag.h"
#include "trains/rozklad_csv.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

// Every key holds the same bytes.
class TUstawieniaZDanych : public TUstawienia {
public:
    explicit TUstawieniaZDanych(std::string dane) : dane_(std::move(dane)) {}
    std::string Czytaj(const std::string&, const std::string&, const std::string&) const override { return dane_; }
    void Zapisz(const std::string&, const std::string&, const std::string&) override { std::abort(); }

private:
    std::string dane_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    ZarejestrujPociag();
    const std::string_view tekst(reinterpret_cast<const char*>(dane), rozmiar);

    const TImportCsv import = CzytajRozkladCsv(tekst, {"wOlsz", "wBrz", "wWirowa"});
    if (!import.Bledy.empty() && !import.Pociagi.empty())
        std::abort();
    // What was taken exports again.
    tWktGenericList lista;
    for (const auto& t : import.Pociagi)
        lista.Append(std::make_unique<TPociag>(*t));
    ZapiszRozkladCsv(lista);

    TUstawieniaZDanych magazyn{std::string(tekst)};
    const TUstawieniaGry u(magazyn, nullptr);
    // Every setting of the game, each of its own kind.
    const double powiekszenie = u.Rzeczywiste(ustawienia::Powiekszenie);
    if (powiekszenie != 0.0 && !(powiekszenie >= ustawienia::NajmniejszePowiekszenie &&
                                 powiekszenie <= ustawienia::NajwiekszePowiekszenie))
        std::abort();
    const double udzial = u.Rzeczywiste(ustawienia::UdzialDziennika);
    if (udzial != -1.0 && !(udzial >= 0.0 && udzial <= 1.0))
        std::abort();
    const int strona = u.Calkowite(ustawienia::Strona);
    if (strona < 0 || strona >= ustawienia::LiczbaStron)
        std::abort();
    const std::string kolor = u.Tekst(ustawienia::KolorOkna);
    if (kolor.size() != 7 || kolor[0] != '#')
        std::abort();
    u.Logiczne(ustawienia::Dzwieki);
    u.Logiczne(ustawienia::Zegar);
    u.Logiczne(ustawienia::Etykiety);
    u.Tekst(ustawienia::GodzStartu);
    u.Dane(ustawienia::Geometria);
    // Bytes written as base64 read back unchanged.
    if (ZBase64(Base64(tekst)) != std::string(tekst))
        std::abort();
    return 0;
}
