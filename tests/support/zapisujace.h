#pragma once

#include "core/komunikaty.h"

#include <string>
#include <vector>

// Stand-ins that record what the engine asked of the screen.
class TKomunikatyZapis : public TKomunikaty {
public:
    void Komunikat(const std::string& tekst) override { Teksty.push_back(tekst); }
    std::vector<std::string> Teksty;
};

class TKursoryZapis : public TKursory {
public:
    void UstawKursor(tKursor kursor) override { Kursory.push_back(kursor); }
    std::vector<tKursor> Kursory;
};
