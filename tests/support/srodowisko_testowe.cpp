#include "tests/support/srodowisko_testowe.h"

#include "trains/czas.h"

TSrodowiskoTestowe::TSrodowiskoTestowe()
{
    for (const char* plik : {"pzwr.wav", "pzsem.wav", "zap.wav", "pipipi.wav"})
        PiszBajty(Katalog.Sciezka(plik), {'R', 'I', 'F', 'F'});
}

void TyknijDoGodziny(TSymulacjaStacji& sym, int h, int m)
{
    while (Milisekundy(sym.CzasSymulacji) < Milisekundy((h * 60 + m) / 1440.0))
        sym.Tyknij();
}
