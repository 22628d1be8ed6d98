#include "tests/support/plotno_zapis.h"

#include <algorithm>
#include <cstdio>

std::string Kolor(TKolor k)
{
    char b[16];
    std::snprintf(b, sizeof b, "%d,%d,%d", k.R, k.G, k.B);
    return b;
}

bool TPlotnoZapis::Zawiera(const std::string& wywolanie) const
{
    return std::find(Wywolania.begin(), Wywolania.end(), wywolanie) != Wywolania.end();
}

int TPlotnoZapis::Ile(const std::string& poczatek) const
{
    return static_cast<int>(std::count_if(Wywolania.begin(), Wywolania.end(),
                                          [&](const std::string& w) { return w.rfind(poczatek, 0) == 0; }));
}

std::string TPlotnoZapis::Wszystko() const
{
    std::string s;
    for (const auto& w : Wywolania)
        s += w + "\n";
    return s;
}

std::string TPlotnoZapis::R(const TProstokat& r) const
{
    return std::to_string(r.Left + przesuniecie_.x) + "," + std::to_string(r.Top + przesuniecie_.y) + "-" +
           std::to_string(r.Right + przesuniecie_.x) + "," + std::to_string(r.Bottom + przesuniecie_.y);
}

std::string TPlotnoZapis::P(const std::vector<TPunktXY>& punkty) const
{
    std::string s;
    for (const auto& p : punkty)
        s += (s.empty() ? "" : " ") + std::to_string(p.x + przesuniecie_.x) + "," + std::to_string(p.y + przesuniecie_.y);
    return s;
}

void TPlotnoZapis::Zapisz() { stos_.push_back(przesuniecie_); }

void TPlotnoZapis::Przywroc()
{
    if (!stos_.empty()) {
        przesuniecie_ = stos_.back();
        stos_.pop_back();
    }
}

void TPlotnoZapis::Przesun(int dx, int dy)
{
    przesuniecie_.x += dx;
    przesuniecie_.y += dy;
}

void TPlotnoZapis::Pioro(TKolor kolor, int szerokosc)
{
    Wywolania.push_back("pen " + Kolor(kolor) + " " + std::to_string(szerokosc));
}
void TPlotnoZapis::BezPiora() { Wywolania.push_back("pen none"); }
void TPlotnoZapis::Pedzel(TKolor kolor) { Wywolania.push_back("brush " + Kolor(kolor)); }
void TPlotnoZapis::BezPedzla() { Wywolania.push_back("brush none"); }
void TPlotnoZapis::WypelnijProstokat(const TProstokat& r) { Wywolania.push_back("fill " + R(r)); }
void TPlotnoZapis::Prostokat(const TProstokat& r) { Wywolania.push_back("rect " + R(r)); }
void TPlotnoZapis::ZaokraglonyProstokat(const TProstokat& r, int naroznik)
{
    Wywolania.push_back("roundrect " + R(r) + " " + std::to_string(naroznik));
}
void TPlotnoZapis::Elipsa(const TProstokat& r) { Wywolania.push_back("ellipse " + R(r)); }
void TPlotnoZapis::Wielokat(const std::vector<TPunktXY>& punkty) { Wywolania.push_back("polygon " + P(punkty)); }
void TPlotnoZapis::Linia(const std::vector<TPunktXY>& punkty) { Wywolania.push_back("line " + P(punkty)); }
void TPlotnoZapis::Tekst(const TProstokat& r, const std::string& tekst, const TCzcionka& czcionka, unsigned flagi)
{
    Wywolania.push_back("text " + R(r) + " \"" + tekst + "\" " + czcionka.Nazwa + " " + std::to_string(czcionka.Rozmiar) +
                        (czcionka.Piksele ? "px" : "pt") + " flags " + std::to_string(flagi));
}
void TPlotnoZapis::Odwracanie(bool wlaczone) { Wywolania.push_back(wlaczone ? "invert on" : "invert off"); }
