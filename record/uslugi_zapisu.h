#pragma once

// The services as the game's record sees them (TUslugiZapisu): writing down what comes into the engine
// while recording, and giving it back from the file while replaying.

#include "core/uslugi.h"
#include "core/zegary_reczne.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The services as the game's record sees them. Recording, each passes the call on and writes down
// what came back into the engine: the answer to a question, a number drawn, the wall-clock time, a
// timer's tick. Replaying, nothing reaches outside: answers, numbers and times come from the file,
// timers run on a manual clock, and messages and sounds are dropped.
class TUslugiZapisu : public TZegary, public TKomunikaty, public TZegarScienny, public TLosowanie, public TDzwieki {
public:
    explicit TUslugiZapisu(TUslugi& zewnetrzne);
    ~TUslugiZapisu() override;
    TUslugiZapisu(const TUslugiZapisu&) = delete;
    TUslugiZapisu& operator=(const TUslugiZapisu&) = delete;

    // What the engine is given.
    TUslugi& Uslugi() { return uslugi_; }

    // Takes the words of every input written down while recording.
    std::function<void(std::vector<std::string>)> Zapisz;
    // Told after a timer's tick has been written down, between events.
    std::function<void()> PoWejsciu;

    // An act of the player runs: a timer's tick waits for it to end (a question box lets the
    // window's timers run meanwhile).
    bool WAkcie = false;
    // A tick of the simulation runs. Only a timer started by a recorded event (an act, a tick, a
    // timer's tick, time passing) is numbered and has its ticks written down; any other is the
    // window's own, and runs on the real timers past the record.
    bool WTakcie = false;

    // Manual timers on which `wait` passes real time (drelinko-sim's); none in the window.
    void UzyjZegarowRecznych(TZegaryReczne& reczne) { reczne_ = &reczne; }
    bool MaZegaryReczne() const { return reczne_ != nullptr || odtwarzanie_; }
    // Lets real time pass on the manual timers, firing what falls due.
    void Czekaj(std::int64_t ms);

    // An event is about to run: its wall-clock time is read when the game first asks for it, once,
    // so that one tick, act or timer sees one time.
    void OdswiezZegar();
    // The event's wall-clock time for what only shows it, or only compares it with a bound: not
    // written down. Whoever lets the game depend on it reads Teraz(), which writes it down when it
    // moved since last written. Replaying, both give the time the file gave last.
    double TerazBezZapisu() const;
    // The time the record gave last: what a replay reads where nothing was written down since.
    std::optional<double> CzasWZapisie() const { return czasZapisany_ ? std::optional<double>(zapisanyCzas_) : std::nullopt; }

    // Replaying: from now on everything comes from the file. The timers run on the manual timers,
    // or on a clock of the replay's own when there are none; at the end they go over to the real
    // ones, running on from there.
    void ZacznijOdtwarzanie();
    void ZakonczOdtwarzanie();
    bool Odtwarzanie() const { return odtwarzanie_; }
    void UstawZegar(double teraz);
    void DodajOdpowiedz(tOdpowiedz o) { odpowiedzi_.push_back(o); }
    void DodajLosowa(int n, int wynik) { losowe_.emplace_back(n, wynik); }
    // Fires the timer of that number as its real tick did; false when no such timer runs.
    bool Odpal(std::int64_t numer);
    // Answers given by the file but not yet asked for.
    const std::deque<tOdpowiedz>& Odpowiedzi() const { return odpowiedzi_; }
    void UsunOdpowiedzi() { odpowiedzi_.clear(); }
    // Set when the engine asked the replay for something the file did not give at that point.
    std::string Rozbieznosc;

    // What a checkpoint keeps of the services: the number the next timer gets, the wall-clock time
    // last read and last written down, and the reading of the manual timers (0 without them).
    struct TStan {
        std::int64_t KolejnyZegar = 0;
        double Teraz = 0.0;
        double ZapisanyCzas = -1.0;
        bool CzasZapisany = false;
        std::int64_t CzasReczny = 0;
    };
    TStan Stan() const;
    // Replaying from a checkpoint: its counters, the manual timers set to its reading.
    void Przywroc(const TStan& stan);
    // The record's number of a timer made here; -1 for any other (one not written down).
    std::int64_t NumerZegara(const TZegar* zegar) const;
    // Milliseconds until the timer's next tick on the manual timers; its interval on real ones.
    std::int64_t DoTykniecia(std::int64_t numer) const;
    // The next timer made gets this number, its first tick after `doTykniecia` ms (a timer of a
    // checkpoint taking up its place again).
    void NastepnyZegar(std::int64_t numer, std::int64_t doTykniecia);

    // The services' own calls.
    std::unique_ptr<TZegar> Uruchom(int interwalMs, std::function<void()> tykniecie) override;
    void Komunikat(const std::string& tekst) override;
    void Blad(const std::string& tekst) override;
    tOdpowiedz Pytanie(const std::string& tekst, tPrzyciski przyciski, tRodzajPytania rodzaj) override;
    void Ostrzezenie(const std::string& naglowek, const std::string& tytul, const std::string& opis,
                     int sekundy) override;
    double Teraz() const override;
    void Zasiej(std::uint64_t ziarno) override;
    int Losuj(int n) override;
    void Odtworz(const std::string& plik) override;

    static const char* NazwaOdpowiedzi(tOdpowiedz o);

private:
    struct Wpis {
        std::int64_t numer;
        int interwal;
        std::function<void()> tykniecie;
        std::unique_ptr<TZegar> wewnetrzny;
    };
    class Uchwyt;
    void Tykniecie(std::int64_t numer);
    TZegary& Zegary();

    TUslugi& zewnetrzne_;
    TUslugi uslugi_;
    TZegaryReczne* reczne_ = nullptr;
    std::unique_ptr<TZegaryReczne> wlasneReczne_;
    std::map<std::int64_t, std::shared_ptr<Wpis>> zegary_;
    std::int64_t kolejnyZegar_ = 0;
    // The number and first tick of the next timer, set by NastepnyZegar.
    std::int64_t wskazanyNumer_ = -1;
    std::int64_t wskazanyPierwszy_ = 0;
    bool odtwarzanie_ = false;
    bool wUplywie_ = false;
    bool wOdpaleniu_ = false;
    // The wall-clock time the game has been given, and the one last written down. Reading the
    // clock is writing it down when the game depends on it, so these change in const reads.
    mutable double teraz_ = 0.0;
    mutable double zapisanyCzas_ = -1.0;
    mutable bool czasZapisany_ = false;
    // The running event's reading of the clock, taken on the first look.
    mutable double odczyt_ = 0.0;
    mutable bool odczytany_ = true;
    std::deque<tOdpowiedz> odpowiedzi_;
    std::deque<std::pair<int, int>> losowe_;
    TLosowanieProste zapasowe_;
};
