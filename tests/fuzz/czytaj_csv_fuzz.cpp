// Any bytes as a spreadsheet timetable or as a stored setting: the CSV reader answers trains or
// errors naming their lines, every setting reads as a value of its own or its default; nothing
// else may happen.
#include "core/ustawienia.h"
#include "core/wkt_generic.h"
#include "simulation/ustawienia_gry.h"
#include "trains/pociag.h"
#include "trains/rozklad_csv.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

// Settings of every kind, as a window would describe its own.
const TOpisUstawienia Powiekszenie{"Test", "powiekszenie", "1", UstawienieRzeczywiste, 0.5, 4.0};
const TOpisUstawienia Strona{"Test", "strona", "0", UstawienieCalkowite, 0, 9};
const TOpisUstawienia KolorOkna{"Test", "kolor", "#e8d8bd", UstawienieKolor};
const TOpisUstawienia Dzwieki{"Test", "dzwieki", "true", UstawienieLogiczne};
const TOpisUstawienia Zegar{"Test", "zegar", "true", UstawienieLogiczne};
const TOpisUstawienia Geometria{"Test", "geometria", "", UstawienieDane};

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
    const double powiekszenie = u.Rzeczywiste(Powiekszenie);
    if (!std::isfinite(powiekszenie) || powiekszenie < 0.5 || powiekszenie > 4.0)
        std::abort();
    const int strona = u.Calkowite(Strona);
    if (strona < 0 || strona > 9)
        std::abort();
    if (u.Tekst(KolorOkna).size() != 7)
        std::abort();
    u.Logiczne(Dzwieki);
    u.Tekst(ustawienia::GodzStartu);
    u.Dane(Geometria);
    // Bytes written as base64 read back unchanged.
    if (ZBase64(Base64(tekst)) != std::string(tekst))
        std::abort();
    return 0;
}
