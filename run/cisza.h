#pragma once

// The world of a run nobody watches (TCisza): no boxes, no sound, a still wall clock.

#include "core/komunikaty.h"
#include "core/uslugi.h"

#include <string>

// Every service of a run played headless that is not a timer or a draw: a question is answered
// "no" (or cancelled), nothing is shown or heard, the wall clock stands, no setting is kept.
class TCisza : public TKomunikaty, public TDzwieki, public TKursory, public TZegarScienny, public TUstawienia {
public:
    void Komunikat(const std::string&) override {}
    tOdpowiedz Pytanie(const std::string&, tPrzyciski przyciski, tRodzajPytania) override
    {
        return przyciski == tPrzyciski::takNie ? tOdpowiedz::nie : tOdpowiedz::anuluj;
    }
    void Ostrzezenie(const std::string&, const std::string&, const std::string&, int) override {}
    void Odtworz(const std::string&) override {}
    void UstawKursor(tKursor) override {}
    double Teraz() const override { return 46000.5; }
    std::string Czytaj(const std::string&, const std::string&, const std::string& d) const override { return d; }
    void Zapisz(const std::string&, const std::string&, const std::string&) override {}
};
