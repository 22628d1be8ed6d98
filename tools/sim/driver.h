#pragma once

#include "core/uslugi.h"
#include "core/zegary_reczne.h"

#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class TRozkladJazdy;
class TSymulacjaStacji;

// drelinko-sim: runs the station exactly as the game does, without a window, from a script of
// dispatcher commands, printing line by line what the player would see.
class TDriverSymulacji {
public:
    // Draws a page of the station (the diagram when `strona` is empty) to a PNG; false when the
    // file cannot be written. Given by the program, which has the drawing.
    using Renderowanie = std::function<bool(const TSymulacjaStacji&, const std::string& plik,
                                            const std::string& strona, int skala)>;

    static constexpr int Dobrze = 0;
    static constexpr int BladPliku = 1;
    static constexpr int ZlaLinia = 2;

    TDriverSymulacji(std::ostream& wyjscie, Renderowanie renderowanie);
    ~TDriverSymulacji();

    // Runs the script; the exit status of the program.
    int Wykonaj(std::istream& skrypt);

private:
    class Komunikaty;
    class Dzwieki;
    class Uslugi;
    struct Blad {
        int kod;
        std::string powod;
    };

    void Polecenie(const std::vector<std::string>& slowa);
    void Pokaz(const std::string& nazwa);
    void Pociagi();
    void Menu(const std::vector<std::string>& slowa, bool polecenia);
    void Tyknij(int ile);
    void Do(double czas);
    [[noreturn]] static void Zle(const std::string& powod);

    std::ostream& out_;
    Renderowanie renderowanie_;
    TZegaryReczne zegary_;
    std::unique_ptr<Komunikaty> komunikaty_;
    std::unique_ptr<Dzwieki> dzwieki_;
    std::unique_ptr<Uslugi> uslugi_;
    std::unique_ptr<TUslugi> uslugiSymulacji_;
    std::unique_ptr<TRozkladJazdy> rozklad_;
    std::unique_ptr<TSymulacjaStacji> symulacja_;
};
