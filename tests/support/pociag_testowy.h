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
