#pragma once

// Timers on a clock moved by hand, so the tools and tests run the same every time.

#include "core/zegary.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Timers on a clock that only moves when told to: the headless driver's `wait` and the tests.
// Ticks fire in time order; a timer started or stopped by a tick takes effect at once.
class TZegaryReczne : public TZegary {
public:
    TZegaryReczne();
    ~TZegaryReczne() override;

    std::unique_ptr<TZegar> Uruchom(int interwalMs, std::function<void()> tykniecie) override;
    // A timer whose first tick comes after `pierwszyMs` (at least 1 ms) and the next ones every
    // interval: a timer carried over from a saved game keeps its phase.
    std::unique_ptr<TZegar> Uruchom(int interwalMs, std::int64_t pierwszyMs, std::function<void()> tykniecie);
    // Milliseconds until the next tick of a timer made here; none for a timer of another kind.
    std::optional<std::int64_t> DoTykniecia(const TZegar& zegar) const;

    // Lets `ms` milliseconds pass, firing every tick that falls due.
    void Uplyw(std::int64_t ms);
    int Aktywne() const;
    // Milliseconds that have passed since the timers were made.
    std::int64_t Teraz() const { return teraz_; }
    // Sets the clock's reading, for a saved game resumed where its clock stood; the timers already
    // running keep their distance to their next tick.
    void Przestaw(std::int64_t teraz);

private:
    struct Wpis;
    class Zegar;
    std::int64_t teraz_ = 0;
    std::uint64_t kolejny_ = 0;
    std::vector<std::shared_ptr<Wpis>> wpisy_;
};
