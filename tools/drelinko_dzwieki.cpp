// drelinko-dzwieki: synthesises the game's four sounds as wave files into a folder.
//
//   drelinko-dzwieki FOLDER
//
// pzwr.wav a switch or barrier thrown, pzsem.wav a signal relay, zap.wav the announcement chime,
// pipipi.wav a train at the entry. Made from sine tones and filtered noise, the same every time.

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int Probkowanie = 22050;
constexpr double Pi = 3.14159265358979323846;

using Probki = std::vector<double>;

// A fixed generator, so that the files are the same on every build.
class Szum {
public:
    double operator()()
    {
        stan_ = stan_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(stan_ >> 11) / 9007199254740992.0 * 2.0 - 1.0;
    }

private:
    std::uint64_t stan_ = 0x5EEDD1E5ULL;
};

int Probek(double sekundy) { return static_cast<int>(sekundy * Probkowanie); }

void Dodaj(Probki& s, int od, const Probki& dzwiek, double glosnosc)
{
    if (s.size() < static_cast<std::size_t>(od) + dzwiek.size())
        s.resize(od + dzwiek.size());
    for (std::size_t i = 0; i < dzwiek.size(); ++i)
        s[od + i] += dzwiek[i] * glosnosc;
}

// A tone with a few harmonics and an exponential decay: bells and beeps.
Probki Ton(double hz, double sekundy, double zanik, std::initializer_list<double> harmoniczne = {1.0})
{
    Probki s(Probek(sekundy));
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / Probkowanie;
        double v = 0;
        int n = 1;
        for (double h : harmoniczne)
            v += h * std::sin(2 * Pi * hz * n++ * t);
        const double atak = std::min(1.0, t / 0.004);
        s[i] = v * atak * std::exp(-t * zanik);
    }
    return s;
}

// A knock: noise through a one-pole low-pass filter, with a sharp attack and fast decay.
Probki Stuk(Szum& szum, double sekundy, double zanik, double filtr)
{
    Probki s(Probek(sekundy));
    double y = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / Probkowanie;
        y += filtr * (szum() - y);
        s[i] = y * std::exp(-t * zanik) * 3.0;
    }
    return s;
}

bool Zapisz(const std::string& plik, Probki s)
{
    double szczyt = 0;
    for (double v : s)
        szczyt = std::max(szczyt, std::abs(v));
    const double skala = szczyt > 0 ? 0.8 / szczyt : 0;
    std::ofstream wy(plik, std::ios::binary);
    const auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            wy.put(static_cast<char>(v >> (8 * i)));
    };
    const auto u16 = [&](std::uint16_t v) {
        wy.put(static_cast<char>(v));
        wy.put(static_cast<char>(v >> 8));
    };
    const std::uint32_t dane = static_cast<std::uint32_t>(s.size() * 2);
    wy.write("RIFF", 4);
    u32(36 + dane);
    wy.write("WAVEfmt ", 8);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(Probkowanie);
    u32(Probkowanie * 2);
    u16(2);
    u16(16);
    wy.write("data", 4);
    u32(dane);
    for (double v : s)
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * skala * 32767))));
    return static_cast<bool>(wy);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "użycie: drelinko-dzwieki KATALOG\n";
        return 2;
    }
    const std::string katalog = std::string(argv[1]) + "/";
    Szum szum;

    Probki zwrotnica;  // the lever and the point blades: a clack, then a heavier clunk
    Dodaj(zwrotnica, 0, Stuk(szum, 0.08, 60, 0.5), 0.8);
    Dodaj(zwrotnica, Probek(0.16), Stuk(szum, 0.20, 25, 0.12), 1.0);
    Dodaj(zwrotnica, Probek(0.16), Ton(95, 0.2, 20), 0.5);

    Probki semafor;  // a relay: a sharp click with a short electric buzz
    Dodaj(semafor, 0, Stuk(szum, 0.03, 150, 0.8), 1.0);
    Dodaj(semafor, Probek(0.01), Ton(100, 0.12, 30, {1.0, 0.5, 0.3}), 0.3);

    Probki zapowiedz;  // the station chime: two notes falling a third
    Dodaj(zapowiedz, 0, Ton(659.25, 0.9, 4, {1.0, 0.4, 0.15}), 1.0);
    Dodaj(zapowiedz, Probek(0.45), Ton(523.25, 1.1, 3.5, {1.0, 0.4, 0.15}), 1.0);

    Probki wlot;  // three short beeps
    for (int i = 0; i < 3; ++i)
        Dodaj(wlot, Probek(0.18 * i), Ton(1046.5, 0.1, 8, {1.0, 0.2}), 1.0);

    const bool dobrze = Zapisz(katalog + "pzwr.wav", zwrotnica) && Zapisz(katalog + "pzsem.wav", semafor) &&
                        Zapisz(katalog + "zap.wav", zapowiedz) && Zapisz(katalog + "pipipi.wav", wlot);
    if (!dobrze) {
        std::cerr << "drelinko-dzwieki: nie można zapisać plików w " << katalog << '\n';
        return 1;
    }
    return 0;
}
