#pragma once

// The station layout as data, and building the station's components from it.

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class TKomponent;
class TStacja;

// One component of the station as data: its class, name, container, bounds, the published
// properties as they are written, and the references to other components by their names.
struct TRekordUkladu {
    struct Wlasciwosc {
        std::string Nazwa;
        std::string Wartosc;
    };
    std::string Klasa;
    std::string Nazwa;
    std::string Kontener;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::vector<Wlasciwosc> Wlasciwosci;
    std::vector<Wlasciwosc> Referencje;
    // The line of the layout text the record was read from, so that a fault found while building
    // points there; 0 for a record made in code.
    int Wiersz = 0;
};

// A layout the program cannot read or build: a malformed line, an unknown class, element or property.
class TBladUkladu : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The classes a layout may name: each makes a new component of the station under the given name.
using TFabrykaKomponentu = std::function<TKomponent&(TStacja&, const std::string&)>;
using TKlasyUkladu = std::map<std::string, TFabrykaKomponentu>;

template <typename T>
TFabrykaKomponentu FabrykaKlasy()
{
    // A generic parameter leaves the call to be checked where the factory is made, with TStacja
    // complete there, so this header needs only its name.
    return [](auto& s, const std::string& nazwa) -> TKomponent& { return s.template Dodaj<T>(nazwa); };
}

// The element classes of the station itself (the buttons come from the interlocking).
const TKlasyUkladu& KlasyStacji();

// The station Drelinko, in creation order, read once from the text the build embeds
// (data/drelinko.uklad); raises TBladUkladu when that text is faulty.
const std::vector<TRekordUkladu>& UkladDrelinka();

// The names of the records of exactly this class, in layout order.
std::vector<std::string> NazwyElementow(const std::vector<TRekordUkladu>& uklad, std::string_view klasa);

// Creates every record's component from the class table, sets its properties, then resolves the
// references in record order through the setters, so that tracks attach to their points; raises
// TBladUkladu.
void ZbudujUklad(TStacja& stacja, const std::vector<TRekordUkladu>& uklad, const TKlasyUkladu& klasy);
