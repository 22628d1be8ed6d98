#pragma once

// A lesson played (TPrzebiegLekcji): its steps shown one by one on a run of its own, each done when
// the station shows what it asks, and a wrong act explained.

#include "lessons/lekcja.h"
#include "run/podpowiedz.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TKomunikaty;
class TKursory;
class TRozkladJazdy;
class TSymulacjaStacji;

// The lesson's trains as a timetable of its own, kept in memory: the player's timetable file is
// never read or written by a lesson.
std::unique_ptr<TRozkladJazdy> RozkladLekcji(const TLekcja& lekcja, TKomunikaty& komunikaty, TKursory& kursory);

class TPrzebiegLekcji {
public:
    // On a run made on the lesson's timetable and not yet started.
    TPrzebiegLekcji(const TLekcja& lekcja, TSymulacjaStacji& symulacja);
    ~TPrzebiegLekcji();
    TPrzebiegLekcji(const TPrzebiegLekcji&) = delete;
    TPrzebiegLekcji& operator=(const TPrzebiegLekcji&) = delete;

    // Sets the lesson's clock, starts the run and shows the first step.
    void Start();
    // After every act and tick: each step whose condition the station shows is done, in order.
    void Sprawdz();
    // The player's "Dalej": a step that only asks to be read is done.
    void Dalej();
    // After every act of the player's, taken or refused, with its words: notes the step's own act,
    // then checks as Sprawdz does.
    void PoAkcie(const std::vector<std::string>& slowa);

    const TLekcja& Lekcja() const { return lekcja_; }
    // The step shown (from 0); the number of steps once the lesson is complete.
    std::size_t Krok() const { return krok_; }
    bool Ukonczona() const { return krok_ >= lekcja_.Kroki.size(); }
    // In a lesson the hint is the step's act, with its text.
    TPodpowiedz Podpowiedz() const;

    // A step is shown (its number from 1); the lesson is complete; a wrong act is explained.
    std::function<void(std::size_t numer, const TKrokLekcji& krok)> OnKrok;
    std::function<void()> OnKoniec;
    std::function<void(const std::string& wyjasnienie)> OnWyjasnienie;

private:
    bool Spelniony(const TWarunekKroku& w) const;
    void Pokaz();

    const TLekcja lekcja_;
    TSymulacjaStacji& sym_;
    std::size_t krok_ = 0;
    // The shown step's own act has been made.
    bool aktZrobiony_ = false;
    bool koniecOgloszony_ = false;
};
