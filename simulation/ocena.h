#pragma once

// The kinds of judgement a journal line may carry, by which the day's report sums the points.

#include <cstdint>

class TPociag;

// What a journal line judges. The day's report sums the points by these kinds; the lines that judge
// nothing (a train stopped, a reminder) are told apart so that they count in no kind.
enum class tRodzajOceny : std::uint8_t {
    nieokreslona,  // not said by the writer: a line with points counts as `inne`, one without as information
    informacja,
    postoj,  // a train stopped at a stopping place (or ended its run there)
    nieprzyjechal,
    otwarcieDnia,
    odjazdPunktualny,
    odjazdPrzedCzasem,
    odjazdOpozniony,
    przetrzymanie,
    skladGotowy,
    bladElementu,
    bladPolecenia,
    jazdaBezPrzebiegu,
    sygnalZastepczy,
    stopPodSemaforem,
    brakDrogi,
    torWylaczony,
    zagrozenieWypadkiem,
    naPych,
    bladLaczenia,
    bladUkladu,
    inne,
    // Kinds of the days with disturbances; after the others, so that saved games keep their numbers.
    odjazdOpoznionyZTrasy,  // left late by no more than the delay it brought in: not the dispatcher's doing
    usterka,                // an element's fault began or ended
    pociagDodatkowy,        // notice of a train not in the timetable
};

inline constexpr int LiczbaRodzajowOceny = static_cast<int>(tRodzajOceny::pociagDodatkowy) + 1;

// A journal line's kind and the train it concerns (none for acts on elements).
struct TOcena {
    tRodzajOceny Rodzaj = tRodzajOceny::nieokreslona;
    const TPociag* Pociag = nullptr;
};
