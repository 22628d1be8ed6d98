#include "tests/support/srodowisko_testowe.h"

TSrodowiskoTestowe::TSrodowiskoTestowe()
{
    for (const char* plik : {"pzwr.wav", "pzsem.wav", "zap.wav", "pipipi.wav"})
        PiszBajty(Katalog.Sciezka(plik), {'R', 'I', 'F', 'F'});
}
