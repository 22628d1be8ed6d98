#pragma once

#include "run/symulacja_stacji.h"
#include "tests/support/srodowisko_testowe.h"
#include "ui/station/okno_stacji.h"

#include <QApplication>
#include <QTimer>

// The station window whose activity the test decides: on the offscreen platform no window is ever
// the active one, and the ticks stand in an inactive window.
class TOknoTestowe : public TOknoStacji {
public:
    using TOknoStacji::TOknoStacji;
    bool Aktywne() const override { return aktywne; }
    bool aktywne = true;
};

// The station window shown on the stand-in services with an empty timetable; it ticks only when
// the test asks.
struct TStanowiskoOkna {
    TSrodowiskoTestowe s;
    TSymulacjaStacji sym{s.Uslugi, s.Rozklad};
    TOknoTestowe okno{sym};
    TStanowiskoOkna()
    {
        s.Rozklad.ZapiszRozklad();
        okno.show();
        okno.Zegar()->stop();
    }
    void Rozmiar(int w, int h)
    {
        okno.resize(w, h);
        QApplication::processEvents();
    }
};
