// Timetable CSV import and export, and the check of every train.

#include "trains/rozklad_csv.h"

#include "core/cp1250.h"
#include "core/format.h"
#include "core/pole_csv.h"
#include "core/tekst.h"
#include "trains/czas.h"
#include "trains/rozklad.h"
#include "trains/sklad.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>

namespace {

constexpr std::array<const char*, 10> Kolumny = {"numer",    "relacja_od", "relacja_do", "sklad", "wjezdza",
                                                 "wyjezdza", "przyjazd",   "odjazd",     "opis",  "bez_peronu"};
enum Kolumna { kNumer, kRelacjaOd, kRelacjaDo, kSklad, kWjezdza, kWyjezdza, kPrzyjazd, kOdjazd, kOpis, kBezPeronu };

struct Wiersz {
    int linia = 0;  // line of the file on which the row begins
    std::vector<std::string> pola;
    std::size_t liczbaPol = 0;  // fields past the columns' count are counted, not kept
};

// Splits the text into rows of fields. A quote left open is reported and ends the reading. Rows
// past the one that breaks the limit of trains, and fields past one too many, are not kept: a
// file of empty cells must not take tens of bytes of memory for each of its bytes.
std::vector<Wiersz> Rozbij(std::string_view t, std::vector<std::string>& bledy)
{
    constexpr std::size_t najwiecejWierszy = 1 + NajwiecejPociagow + 1;
    std::vector<Wiersz> wiersze;
    std::size_t i = 0;
    int linia = 1;
    if (t.substr(0, 3) == "\xEF\xBB\xBF")
        i = 3;
    while (i < t.size() && wiersze.size() < najwiecejWierszy) {
        Wiersz w;
        w.linia = linia;
        std::string pole;
        bool koniecWiersza = false;
        while (!koniecWiersza) {
            if (i < t.size() && t[i] == '"') {
                ++i;
                bool zamkniety = false;
                while (i < t.size()) {
                    if (t[i] == '"') {
                        if (i + 1 < t.size() && t[i + 1] == '"') {
                            pole += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        zamkniety = true;
                        break;
                    }
                    if (t[i] == '\n')
                        ++linia;
                    pole += t[i++];
                }
                if (!zamkniety) {
                    bledy.push_back(Formatuj("wiersz %d: cudzysłów otwarty w polu %zu nie został zamknięty",
                                             w.linia, w.liczbaPol + 1));
                    return wiersze;
                }
                if (i < t.size() && t[i] != ',' && t[i] != '\r' && t[i] != '\n') {
                    bledy.push_back(Formatuj("wiersz %d: po zamykającym cudzysłowie pola %zu stoi znak zamiast przecinka",
                                             linia, w.liczbaPol + 1));
                    while (i < t.size() && t[i] != ',' && t[i] != '\n')
                        ++i;
                }
            } else {
                while (i < t.size() && t[i] != ',' && t[i] != '\r' && t[i] != '\n')
                    pole += t[i++];
            }
            if (++w.liczbaPol <= Kolumny.size() + 1)
                w.pola.push_back(std::move(pole));
            pole.clear();
            if (i < t.size() && t[i] == ',') {
                ++i;
                continue;
            }
            if (i < t.size() && t[i] == '\r')
                ++i;
            if (i < t.size() && t[i] == '\n') {
                ++i;
                ++linia;
            }
            koniecWiersza = true;
        }
        const bool pusty = w.liczbaPol == 1 && w.pola[0].empty();
        if (!pusty)
            wiersze.push_back(std::move(w));
    }
    return wiersze;
}

bool SprawdzNaglowek(const Wiersz& w, std::vector<std::string>& bledy)
{
    bool dobry = true;
    for (std::size_t k = 0; k < w.pola.size(); ++k) {
        const std::string& nazwa = w.pola[k];
        if (k < Kolumny.size() && nazwa == Kolumny[k])
            continue;
        dobry = false;
        const auto znana = std::find(Kolumny.begin(), Kolumny.end(), nazwa);
        if (znana == Kolumny.end())
            bledy.push_back(Formatuj("wiersz %d: nieznana kolumna \"%s\"", w.linia, nazwa.c_str()));
        else if (k < Kolumny.size())
            bledy.push_back(Formatuj("wiersz %d: kolumna \"%s\" stoi na miejscu %zu, gdzie ma być \"%s\"",
                                     w.linia, nazwa.c_str(), k + 1, Kolumny[k]));
    }
    if (w.liczbaPol != Kolumny.size()) {
        dobry = false;
        bledy.push_back(Formatuj("wiersz %d: nagłówek ma %zu kolumn, a ma mieć %zu: %s", w.linia, w.liczbaPol,
                                 Kolumny.size(), KolumnyRozkladuCsv));
    }
    return dobry;
}

std::unique_ptr<TPociag> Pociag(const Wiersz& w, std::vector<std::string>& bledy)
{
    if (w.liczbaPol != Kolumny.size()) {
        bledy.push_back(Formatuj("wiersz %d: %zu kolumn zamiast %zu", w.linia, w.liczbaPol, Kolumny.size()));
        return nullptr;
    }
    const std::size_t przedtem = bledy.size();
    const auto blad = [&](Kolumna k, const std::string& opis) {
        bledy.push_back(Formatuj("wiersz %d, pole %s: %s", w.linia, Kolumny[k], opis.c_str()));
    };
    for (int k = kNumer; k <= kOpis; ++k) {
        const std::string& pole = w.pola[static_cast<std::size_t>(k)];
        if (!PoprawneUtf8(pole))
            blad(static_cast<Kolumna>(k), "tekst nie jest poprawnym UTF-8");
        else if (!NaCp1250(pole))
            blad(static_cast<Kolumna>(k), "tekst ma znaki spoza strony kodowej Windows-1250");
    }
    if (w.pola[kNumer].empty())
        blad(kNumer, "pociąg musi mieć numer");
    const auto godzina = [&](Kolumna k) {
        const auto g = CzytajGodzine(w.pola[k]);
        if (!g)
            blad(k, Formatuj("\"%s\" nie jest godziną (H:MM lub H:MM:SS)", w.pola[k].c_str()));
        return g.value_or(0.0);
    };
    const double przyjazd = godzina(kPrzyjazd);
    const double odjazd = godzina(kOdjazd);
    const std::string& bp = w.pola[kBezPeronu];
    if (bp != "0" && bp != "1")
        blad(kBezPeronu, Formatuj("\"%s\" zamiast 0 albo 1", bp.c_str()));
    if (bledy.size() != przedtem)
        return nullptr;

    const auto tekst = [&](Kolumna k) { return TekstPolaCsv(w.pola[k]); };
    auto t = std::make_unique<TPociag>();
    t->SetNumer(tekst(kNumer));
    t->SetRelacjaOd(tekst(kRelacjaOd));
    t->SetRelacjaDo(tekst(kRelacjaDo));
    t->SetSkladRozkladowy(tekst(kSklad));
    t->SetWjezdza(tekst(kWjezdza));
    t->SetWyjezdza(tekst(kWyjezdza));
    t->SetPrzyjazd(przyjazd);
    t->SetOdjazd(odjazd);
    t->SetOpis(tekst(kOpis));
    t->SetNieWymagaPeronu(bp == "1");
    return t;
}

// Megabytes as the player reads them, with a decimal comma.
std::string Megabajty(std::uintmax_t bajty)
{
    std::string s = Formatuj("%.1f MB", static_cast<double>(bajty) / 1e6);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

}  // namespace

std::string SprawdzRozmiarCsv(const std::string& plik)
{
    std::error_code blad;
    const std::uintmax_t rozmiar = std::filesystem::file_size(plik, blad);
    if (blad || rozmiar <= NajwiekszyPlikCsv)
        return {};
    return Formatuj("Plik jest za duży na rozkład jazdy: ma %s, a rozkład w CSV może mieć najwyżej %s "
                    "(%d pociągów, każdy w wierszu najwyżej %zu bajtów).",
                    Megabajty(rozmiar).c_str(), Megabajty(NajwiekszyPlikCsv).c_str(), NajwiecejPociagow,
                    NajdluzszyWierszCsv);
}

TImportCsv CzytajRozkladCsv(std::string_view tekst, const std::vector<std::string>& wloty)
{
    TImportCsv wynik;
    const std::vector<Wiersz> wiersze = Rozbij(tekst, wynik.Bledy);
    if (wiersze.empty()) {
        if (wynik.Bledy.empty())
            wynik.Bledy.push_back(Formatuj("wiersz 1: brak nagłówka (%s)", KolumnyRozkladuCsv));
        return wynik;
    }
    if (!SprawdzNaglowek(wiersze.front(), wynik.Bledy))
        return wynik;
    for (std::size_t i = 1; i < wiersze.size(); ++i) {
        const Wiersz& w = wiersze[i];
        // The file counts its trains in 16 bits; the row past the limit is named, and the rest
        // need no reading.
        if (i > static_cast<std::size_t>(NajwiecejPociagow)) {
            wynik.Bledy.push_back(Formatuj("wiersz %d: %s Ten wiersz jest %zu. pociągiem.", w.linia,
                                           TekstNajwiecejPociagow, i));
            break;
        }
        auto t = Pociag(w, wynik.Bledy);
        if (t == nullptr)
            continue;
        // What `check` refuses in a saved timetable is refused here, before it is saved.
        bool dobry = true;
        for (const auto& p : ProblemyPociagu(*t, wloty)) {
            if (p.TylkoWatpliwosc)
                continue;
            dobry = false;
            wynik.Bledy.push_back(p.Pole != nullptr ? Formatuj("wiersz %d, pole %s: %s", w.linia, p.Pole, p.Opis.c_str())
                                                    : Formatuj("wiersz %d: %s", w.linia, p.Opis.c_str()));
        }
        if (dobry)
            wynik.Pociagi.push_back(std::move(t));
    }
    if (!wynik.Bledy.empty())
        wynik.Pociagi.clear();
    return wynik;
}

std::string ZapiszRozkladCsv(const tWktList& rozklad, int* pominiete)
{
    std::string csv = std::string(KolumnyRozkladuCsv) + "\n";
    int pominieto = 0;
    for (int i = 0; i < rozklad.Count(); ++i) {
        const auto* t = rozklad.At<TPociag>(i);
        if (t == nullptr) {
            ++pominieto;
            continue;
        }
        csv += PoleTekstuCsv(t->Numer()) + "," + PoleTekstuCsv(t->RelacjaOd()) + "," +
               PoleTekstuCsv(t->RelacjaDo()) + "," + PoleTekstuCsv(t->SkladRozkladowy()) + "," +
               PoleTekstuCsv(t->Wjezdza()) + "," + PoleTekstuCsv(t->Wyjezdza()) + "," + PiszGodzine(t->Przyjazd()) +
               "," + PiszGodzine(t->Odjazd()) + "," + PoleTekstuCsv(t->Opis()) + "," +
               (t->NieWymagaPeronu() ? "1" : "0") + "\n";
    }
    if (pominiete != nullptr)
        *pominiete = pominieto;
    return csv;
}

std::vector<TProblemPociagu> ProblemyPociagu(const TPociag& t, const std::vector<std::string>& wloty)
{
    std::vector<TProblemPociagu> problemy;
    const auto znanyWlot = [&](const std::string& nazwa) {
        return std::any_of(wloty.begin(), wloty.end(),
                           [&](const std::string& w) { return RowneBezWielkosci(w, nazwa); });
    };
    if (t.Numer().empty())
        problemy.push_back({"numer", "pociąg bez numeru"});
    // Longer texts would make rows longer than the CSV's size limit counts with.
    const std::pair<const char*, const std::string*> teksty[] = {
        {"numer", &t.Numer()},           {"relacja_od", &t.RelacjaOd()}, {"relacja_do", &t.RelacjaDo()},
        {"sklad", &t.SkladRozkladowy()}, {"wjezdza", &t.Wjezdza()},      {"wyjezdza", &t.Wyjezdza()},
        {"opis", &t.Opis()}};
    for (const auto& [nazwa, tekst] : teksty)
        if (const int znakow = LiczbaZnakow(*tekst); znakow > NajdluzszyTekstPociagu)
            problemy.push_back({nazwa, Formatuj("%s ma %d znaków, a może mieć najwyżej %d", nazwa, znakow,
                                                NajdluzszyTekstPociagu)});
    for (const auto& [nazwa, czas] : {std::pair{"przyjazd", t.Przyjazd()}, std::pair{"odjazd", t.Odjazd()}})
        if (!(czas >= 0.0 && czas < 1.0))
            problemy.push_back({nazwa, Formatuj("%s nie jest godziną doby", nazwa)});
    for (const auto& [nazwa, wlot] : {std::pair{"wjezdza", &t.Wjezdza()}, std::pair{"wyjezdza", &t.Wyjezdza()}})
        if (!wlot->empty() && !znanyWlot(*wlot))
            problemy.push_back({nazwa, Formatuj("%s przez nieznany wlot \"%s\"", nazwa, wlot->c_str())});
    // Such a train runs all the same (its consist stands in the station): only a doubt.
    if (t.Wjezdza().empty() && t.Wyjezdza().empty())
        problemy.push_back({"wjezdza", "pociąg ani nie przyjeżdża z linii, ani na nią nie odjeżdża", true});
    const auto pojazd = std::find_if_not(t.SkladRozkladowy().begin(), t.SkladRozkladowy().end(), ZnanyPojazd);
    if (pojazd != t.SkladRozkladowy().end())
        problemy.push_back({"sklad", Formatuj("nieznany pojazd '%c' w składzie \"%s\"", *pojazd,
                                              t.SkladRozkladowy().c_str())});
    for (int f = 0; f < tWktGenericItem::Sloty; ++f)
        if (t.Flags[static_cast<std::size_t>(f)] > 1) {
            problemy.push_back({nullptr, Formatuj("flaga %d ma wartość %d zamiast 0 albo 1", f,
                                                  int{t.Flags[static_cast<std::size_t>(f)]})});
            break;
        }
    return problemy;
}

std::vector<std::string> SprawdzRozklad(const tWktList& rozklad, const std::vector<std::string>& wloty)
{
    std::vector<std::string> problemy;
    for (int i = 0; i < rozklad.Count(); ++i) {
        const int n = i + 1;
        const auto* t = rozklad.At<TPociag>(i);
        if (t == nullptr) {
            problemy.push_back(Formatuj("%d: pusty wpis albo wpis, który nie jest pociągiem", n));
            continue;
        }
        for (const auto& p : ProblemyPociagu(*t, wloty)) {
            if (p.Pole != nullptr && std::string_view(p.Pole) == "numer")
                problemy.push_back(Formatuj("%d: %s", n, p.Opis.c_str()));
            else
                problemy.push_back(Formatuj("%d (%s): %s", n, t->Numer().c_str(), p.Opis.c_str()));
        }
    }
    return problemy;
}
