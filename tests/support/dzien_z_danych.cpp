#include "tests/support/dzien_z_danych.h"

#include "core/wkt_files.h"
#include "station/uklad.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"
#include "trains/rozklad_csv.h"

#include <stdexcept>

void DzienZDanych(TRozkladJazdy& rozklad)
{
    ZarejestrujPociag();
    const auto csv = CzytajCalyPlik(DRELINKO_SOURCE_DIR "/data/rozklad.csv");
    if (!csv)
        throw std::runtime_error("no data/rozklad.csv");
    for (auto& t : CzytajRozkladCsv(*csv, NazwyElementow(UkladDrelinka(), "TWlot")).Pociagi)
        rozklad.Rozklad.Append(std::move(t));
}
