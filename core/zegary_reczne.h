#pragma once

#include "core/zegary.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Timers on a clock that only moves when told to: the headless driver's `wait` and the tests.
// Ticks fire in time order; a timer started or stopped by a tick takes effect at once.
class TZegaryReczne : public TZegary {
public:
    TZegaryReczne();
    ~TZegaryReczne() override;

    std::unique_ptr<TZegar> Uruchom(int interwalMs, std::function<void()> tykniecie) override;

    // Lets `ms` milliseconds pass, firing every tick that falls due.
    void Uplyw(std::int64_t ms);
    int Aktywne() const;
    // Milliseconds that have passed since the timers were made.
    std::int64_t Teraz() const { return teraz_; }

private:
    struct Wpis;
    class Zegar;
    std::int64_t teraz_ = 0;
    std::uint64_t kolejny_ = 0;
    std::vector<std::shared_ptr<Wpis>> wpisy_;
};
