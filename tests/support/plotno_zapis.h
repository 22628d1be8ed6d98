#pragma once

#include "station/plotno.h"

#include <string>
#include <vector>

// A canvas that records every call as a line of text, in the surface's absolute coordinates, so a
// test can look for exactly what an element drew.
class TPlotnoZapis : public TPlotno {
public:
    std::vector<std::string> Wywolania;

    bool Zawiera(const std::string& wywolanie) const;
    int Ile(const std::string& poczatek) const;
    std::string Wszystko() const;

    void Zapisz() override;
    void Przywroc() override;
    void Przesun(int dx, int dy) override;
    void Obetnij(const TProstokat&) override {}
    void BezObciecia() override {}
    void Pioro(TKolor kolor, int szerokosc) override;
    void BezPiora() override;
    void Pedzel(TKolor kolor) override;
    void BezPedzla() override;
    void WypelnijProstokat(const TProstokat& r) override;
    void Prostokat(const TProstokat& r) override;
    void ZaokraglonyProstokat(const TProstokat& r, int naroznik) override;
    void Elipsa(const TProstokat& r) override;
    void Wielokat(const std::vector<TPunktXY>& punkty) override;
    void Linia(const std::vector<TPunktXY>& punkty) override;
    void Tekst(const TProstokat& r, const std::string& tekst, const TCzcionka& czcionka, unsigned flagi) override;
    void Odwracanie(bool wlaczone) override;

private:
    std::string R(const TProstokat& r) const;
    std::string P(const std::vector<TPunktXY>& punkty) const;
    TPunktXY przesuniecie_;
    std::vector<TPunktXY> stos_;
};

std::string Kolor(TKolor k);
