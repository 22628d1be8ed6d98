// The class registry and the persistence layer's own classes in it.

#include "core/wkt_registry.h"

#include "core/format.h"
#include "core/wkt_exception.h"
#include "core/wkt_generic.h"
#include "core/wkt_list.h"
#include "core/wkt_sorted_list.h"

#include <algorithm>

void tWktRejestr::RegisterType(std::uint16_t numer, std::type_index klasa, std::string nazwa,
                               std::function<std::unique_ptr<tWktInstance>()> utworz)
{
    if (ZnajdzNumer(numer) != nullptr)
        throw EwktException(Formatuj("201: Identyfikator \"%s\" jest już w użyciu.", nazwa.c_str()));
    rekordy_.push_back({numer, klasa, std::move(nazwa), std::move(utworz)});
}

const tWktRecObject* tWktRejestr::ZnajdzNumer(std::uint16_t numer) const
{
    const auto it = std::find_if(rekordy_.begin(), rekordy_.end(),
                                 [numer](const tWktRecObject& r) { return r.Numer == numer; });
    return it == rekordy_.end() ? nullptr : &*it;
}

const tWktRecObject* tWktRejestr::ZnajdzKlase(std::type_index klasa) const
{
    const auto it = std::find_if(rekordy_.begin(), rekordy_.end(),
                                 [klasa](const tWktRecObject& r) { return r.Klasa == klasa; });
    return it == rekordy_.end() ? nullptr : &*it;
}

tWktRejestr& Rejestr()
{
    static tWktRejestr rejestr = [] {
        tWktRejestr r;
        r.RegisterType<tWktList>(50, "tWktList");
        r.RegisterType<tWktList>(100, "tWktList");
        r.RegisterType<tWktObject>(101, "tWktObject");
        r.RegisterType<tWktSortedList>(700, "tWktSortedList");
        r.RegisterType<tWktGenericItem>(711, "tWktGenericItem");
        r.RegisterType<tWktGenericList>(712, "tWktGenericList");
        return r;
    }();
    return rejestr;
}
