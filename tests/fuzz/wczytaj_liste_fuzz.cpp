// Any bytes given to the list reader either load or raise EwktException; nothing else may happen.
#include "core/wkt_exception.h"
#include "core/wkt_generic.h"
#include "core/wkt_stream.h"
#include "trains/pociag.h"
#include "trains/rozklad_csv.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    ZarejestrujPociag();
    tWktStream strumien(std::vector<std::uint8_t>(dane, dane + rozmiar));
    tWktGenericList lista;
    try {
        lista.Load(strumien);
    } catch (const EwktException&) {
        return 0;
    }
    // What loaded must also export and store again.
    ZapiszRozkladCsv(lista);
    tWktStream zapis;
    lista.Store(zapis);
    return 0;
}
