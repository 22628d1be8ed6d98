#pragma once

// The train: a timetable entry and the running train or shunting unit made from it.

#include "core/nazwy_wartosci.h"
#include "core/wkt_generic.h"
#include "trains/kierunek.h"

#include <cstdint>
#include <string>
#include <string_view>

enum class tStanJazdy : std::uint8_t { postoj = 0, zatrzymany = 1, jazda = 2 };

template <>
struct TNazwyWartosci<tStanJazdy> {
    static constexpr TNazwaWartosci<tStanJazdy> Tabela[] = {
        {tStanJazdy::postoj, "postoj"}, {tStanJazdy::zatrzymany, "zatrzymany"}, {tStanJazdy::jazda, "jazda"}};
};

// Everything that runs on rails: a timetable entry, the running train made from it for the day,
// and the anonymous shunting units left when consists are split. The slots of the generic record
// are given their meaning here; movement state and direction live only in memory.
class TPociag : public tWktGenericItem {
public:
    static constexpr std::uint16_t NumerKlasy = 748;

    tStanJazdy StanJazdy = tStanJazdy::postoj;
    tSemType Kierunek = stLewy;
    // The number under which the day's report keeps a timetable train (0: none); lives only in memory.
    std::uint32_t IdRaportu = 0;

    const std::string& Numer() const { return Texts[0]; }
    void SetNumer(std::string_view v) { SetText(0, v); }
    const std::string& RelacjaOd() const { return Texts[1]; }
    void SetRelacjaOd(std::string_view v) { SetText(1, v); }
    const std::string& RelacjaDo() const { return Texts[2]; }
    void SetRelacjaDo(std::string_view v) { SetText(2, v); }
    const std::string& SkladRozkladowy() const { return Texts[3]; }
    void SetSkladRozkladowy(std::string_view v) { SetText(3, v); }
    const std::string& Sklad() const { return Texts[4]; }
    void SetSklad(std::string_view v) { SetText(4, v); }
    const std::string& Wjezdza() const { return Texts[5]; }
    void SetWjezdza(std::string_view v) { SetText(5, v); }
    const std::string& Wyjezdza() const { return Texts[6]; }
    void SetWyjezdza(std::string_view v) { SetText(6, v); }
    const std::string& Opis() const { return Texts[8]; }
    void SetOpis(std::string_view v) { SetText(8, v); }

    double Przyjazd() const { return Dates[0]; }
    void SetPrzyjazd(double v) { Dates[0] = v; }
    double Odjazd() const { return Dates[1]; }
    void SetOdjazd(double v) { Dates[1] = v; }

    bool Zapowiedziany() const { return Flags[0] != 0; }
    void SetZapowiedziany(bool v) { Flags[0] = v; }
    bool DoRozdzielenia() const { return Flags[1] != 0; }
    void SetDoRozdzielenia(bool v) { Flags[1] = v; }
    bool SkonczylBieg() const { return Flags[2] != 0; }
    void SetSkonczylBieg(bool v) { Flags[2] = v; }
    bool Manewrowy() const { return Flags[3] != 0; }
    void SetManewrowy(bool v) { Flags[3] = v; }
    bool PoPrzyjezdzie() const { return Flags[4] != 0; }
    void SetPoPrzyjezdzie(bool v) { Flags[4] = v; }
    bool NieWymagaPeronu() const { return Flags[5] != 0; }
    void SetNieWymagaPeronu(bool v) { Flags[5] = v; }

    // The delay, in seconds, with which a train from a line comes: brought in from the line, not
    // the dispatcher's doing (0 on a day without disturbances).
    std::int32_t OpoznienieWjazdu() const { return Integers[0]; }
    void SetOpoznienieWjazdu(std::int32_t sekundy) { Integers[0] = sekundy; }
    // When the train is expected at the station: its timetable arrival and the delay it brings.
    double PrzyjazdOczekiwany() const { return Przyjazd() + OpoznienieWjazdu() / 86400.0; }
    // How late, in seconds, the day's disturbances let the train leave without its being the
    // dispatcher's doing: the delay it brought in, its consist's if it is made of one that came in
    // late, or the line it leaves by still held by a late train coming the other way.
    std::int32_t ZwlokaOdjazdu() const { return Integers[1]; }
    void SetZwlokaOdjazdu(std::int32_t sekundy) { Integers[1] = sekundy; }
    // A train of the day not in the timetable, and whether its notice has been given.
    bool Dodatkowy() const { return Flags[6] != 0; }
    void SetDodatkowy(bool v) { Flags[6] = v; }
    bool ZgloszonyDodatkowy() const { return Flags[7] != 0; }
    void SetZgloszonyDodatkowy(bool v) { Flags[7] = v; }
};

// Makes TPociag known to the program-wide registry under its number; safe to call many times.
void ZarejestrujPociag();

// "h:mm", or "h.mm" for a train that needs no platform stop.
std::string FormatGodziny(const TPociag& t, double czas);
// The consist with the marks of the way it runs.
std::string EtykietaSkladu(const TPociag& t);
// The text shown at the point that holds the train.
std::string EtykietaPunktu(const TPociag& t);
// One line for hints, the journal and the train menu.
std::string OpisPociagu(const TPociag& t);
// The order of queues and of the day's list: by arrival for trains from a line, by departure for
// trains that start in the station. -1, 0 or 1.
int PorownajPociagi(const TPociag& a, const TPociag& b);
