#pragma once

#include "core/komunikaty.h"

#include <string>
#include <vector>

// Stand-ins that record what the engine asked of the screen.
class TKomunikatyZapis : public TKomunikaty {
public:
    struct TOstrzezenie {
        std::string Tytul, Opis;
    };

    void Komunikat(const std::string& tekst) override { Teksty.push_back(tekst); }
    // Failures are messages too, and are also kept apart to show they were marked as failures.
    void Blad(const std::string& tekst) override
    {
        Teksty.push_back(tekst);
        Bledy.push_back(tekst);
    }
    // Answers from the queue; with none queued, the negative button, as the driver does.
    tOdpowiedz Pytanie(const std::string& tekst, tPrzyciski przyciski, tRodzajPytania) override
    {
        Pytania.push_back(tekst);
        if (!Odpowiedzi.empty()) {
            const tOdpowiedz o = Odpowiedzi.front();
            Odpowiedzi.erase(Odpowiedzi.begin());
            return o;
        }
        return przyciski == tPrzyciski::takNie ? tOdpowiedz::nie : tOdpowiedz::anuluj;
    }
    void Ostrzezenie(const std::string&, const std::string& tytul, const std::string& opis, int) override
    {
        Ostrzezenia.push_back({tytul, opis});
    }

    std::vector<std::string> Teksty;
    std::vector<std::string> Bledy;
    std::vector<std::string> Pytania;
    std::vector<tOdpowiedz> Odpowiedzi;
    std::vector<TOstrzezenie> Ostrzezenia;
};

class TKursoryZapis : public TKursory {
public:
    void UstawKursor(tKursor kursor) override { Kursory.push_back(kursor); }
    std::vector<tKursor> Kursory;
};
