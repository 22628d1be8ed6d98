#include "tests/support/stacja_testowa.h"

#include "interlocking/stacja_nastawni.h"
#include "station/uklad.h"

#include <filesystem>

TStacjaTestowa::TStacjaTestowa()
{
    for (const char* plik : {"pzwr.wav", "pzsem.wav", "zap.wav", "pipipi.wav"})
        PiszBajty(Katalog.Sciezka(plik), {'R', 'I', 'F', 'F'});
    ZbudujStacje(Stacja);
    Stacja.OnOdswiez = [this](TKomponent* k) { ++Odswiezenia[k->Name]; };
}

std::vector<std::string> TStacjaTestowa::Zagrane() const
{
    std::vector<std::string> nazwy;
    for (const auto& p : Dzwieki.Pliki)
        nazwy.push_back(std::filesystem::path(p).filename().string());
    return nazwy;
}
