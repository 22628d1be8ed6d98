#pragma once

#include "trains/pociag.h"

#include <memory>
#include <string>

// A timetable train as a test writes it: times as the player types them.
struct TDanePociagu {
    std::string Numer, Od, Do, Sklad, Wjezdza, Wyjezdza, Przyjazd, Odjazd, Opis;
    bool BezPeronu = false;
};

std::unique_ptr<TPociag> PociagTestowy(const TDanePociagu& d);

// The engine tests' usual train from Olszarzyna to Brzelany, its description "poc. " and its number.
std::unique_ptr<TPociag> PociagOlszarzynaBrzelany(const std::string& numer, const std::string& wjezdza,
                                                  const std::string& wyjezdza, double przyjazd, double odjazd,
                                                  const std::string& sklad = "s122");
