// Timers on a hand-moved clock, fired in time order as the clock moves.

#include "core/zegary_reczne.h"

#include <algorithm>

struct TZegaryReczne::Wpis {
    int interwal;
    std::int64_t nastepny;
    std::uint64_t kolejnosc;  // timers due at once fire in the order they were started
    std::function<void()> tykniecie;
    bool aktywny = true;
};

class TZegaryReczne::Zegar : public TZegar {
public:
    Zegar(const TZegaryReczne& wlasciciel, std::shared_ptr<Wpis> wpis) : wlasciciel_(&wlasciciel), wpis_(std::move(wpis)) {}
    ~Zegar() override { wpis_->aktywny = false; }
    const TZegaryReczne* wlasciciel_;
    std::shared_ptr<Wpis> wpis_;
};

TZegaryReczne::TZegaryReczne() = default;
TZegaryReczne::~TZegaryReczne() = default;

std::unique_ptr<TZegar> TZegaryReczne::Uruchom(int interwalMs, std::function<void()> tykniecie)
{
    return Uruchom(interwalMs, std::max(1, interwalMs), std::move(tykniecie));
}

std::unique_ptr<TZegar> TZegaryReczne::Uruchom(int interwalMs, std::int64_t pierwszyMs, std::function<void()> tykniecie)
{
    auto wpis = std::make_shared<Wpis>();
    wpis->interwal = std::max(1, interwalMs);
    wpis->nastepny = teraz_ + std::max<std::int64_t>(1, pierwszyMs);
    wpis->kolejnosc = kolejny_++;
    wpis->tykniecie = std::move(tykniecie);
    wpisy_.push_back(wpis);
    return std::make_unique<Zegar>(*this, wpis);
}

std::optional<std::int64_t> TZegaryReczne::DoTykniecia(const TZegar& zegar) const
{
    const auto* z = dynamic_cast<const Zegar*>(&zegar);
    if (z == nullptr || z->wlasciciel_ != this || !z->wpis_->aktywny)
        return std::nullopt;
    return z->wpis_->nastepny - teraz_;
}

void TZegaryReczne::Przestaw(std::int64_t teraz)
{
    for (const auto& w : wpisy_)
        w->nastepny += teraz - teraz_;
    teraz_ = teraz;
}

void TZegaryReczne::Uplyw(std::int64_t ms)
{
    const std::int64_t koniec = teraz_ + std::max<std::int64_t>(0, ms);
    for (;;) {
        std::erase_if(wpisy_, [](const auto& w) { return !w->aktywny; });
        std::shared_ptr<Wpis> najblizszy;
        for (const auto& w : wpisy_)
            if (w->nastepny <= koniec &&
                (!najblizszy || w->nastepny < najblizszy->nastepny ||
                 (w->nastepny == najblizszy->nastepny && w->kolejnosc < najblizszy->kolejnosc)))
                najblizszy = w;
        if (!najblizszy)
            break;
        teraz_ = najblizszy->nastepny;
        najblizszy->nastepny += najblizszy->interwal;
        najblizszy->tykniecie();
    }
    teraz_ = koniec;
}

int TZegaryReczne::Aktywne() const
{
    return static_cast<int>(std::count_if(wpisy_.begin(), wpisy_.end(), [](const auto& w) { return w->aktywny; }));
}
