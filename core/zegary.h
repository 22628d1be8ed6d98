#pragma once

// Real-time timers as the engine asks for them; the window and the tools supply them.

#include <functional>
#include <memory>

// A running real-time timer; it stops when destroyed.
class TZegar {
public:
    virtual ~TZegar() = default;
};

// Makes real-time timers that tick on the user-interface thread, whatever the simulation's speed.
class TZegary {
public:
    virtual ~TZegary() = default;
    virtual std::unique_ptr<TZegar> Uruchom(int interwalMs, std::function<void()> tykniecie) = 0;
};
