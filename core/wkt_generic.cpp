// Slot access of the generic record, and reading and writing it in the stream.

#include "core/wkt_generic.h"

#include "core/format.h"
#include "core/wkt_exception.h"
#include "core/wkt_stream.h"

namespace {

std::size_t Slot(int indeks)
{
    if (indeks < 0 || indeks >= tWktGenericItem::Sloty)
        throw EwktException(Formatuj("Numer pola rekordu poza zakresem 0..10 (%d).", indeks));
    return static_cast<std::size_t>(indeks);
}

}  // namespace

void tWktGenericItem::SetText(int indeks, std::string_view tekst) { Texts[Slot(indeks)] = std::string(tekst); }
const std::string& tWktGenericItem::Text(int indeks) const { return Texts[Slot(indeks)]; }
bool tWktGenericItem::Flag(int indeks) const { return Flags[Slot(indeks)] != 0; }
void tWktGenericItem::SetFlag(int indeks, bool wartosc) { Flags[Slot(indeks)] = wartosc ? 1 : 0; }
double tWktGenericItem::Date(int indeks) const { return Dates[Slot(indeks)]; }
void tWktGenericItem::SetDate(int indeks, double wartosc) { Dates[Slot(indeks)] = wartosc; }

void tWktGenericItem::Load(tWktStream& strumien)
{
    tWktObject::Load(strumien);
    // Read into a copy so that a record cut short leaves this one as it was.
    tWktGenericItem nowy;
    for (auto& t : nowy.Texts)
        t = strumien.ReadText();
    strumien.Wymagaj(RozmiarPolStalych);
    for (auto& v : nowy.Integers)
        v = strumien.ReadInt32();
    for (auto& v : nowy.Reals)
        v = strumien.ReadDouble();
    for (auto& v : nowy.Flags)
        v = strumien.ReadByte();
    for (auto& v : nowy.Dates)
        v = strumien.ReadDouble();
    Texts = std::move(nowy.Texts);
    Integers = nowy.Integers;
    Reals = nowy.Reals;
    Flags = nowy.Flags;
    Dates = nowy.Dates;
}

void tWktGenericItem::Store(tWktStream& strumien) const
{
    tWktObject::Store(strumien);
    for (const auto& t : Texts)
        strumien.WriteText(t);
    for (auto v : Integers)
        strumien.WriteInt32(v);
    for (auto v : Reals)
        strumien.WriteDouble(v);
    for (auto v : Flags)
        strumien.WriteByte(v);
    for (auto v : Dates)
        strumien.WriteDouble(v);
}
