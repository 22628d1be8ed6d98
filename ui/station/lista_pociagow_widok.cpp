// The train list's rows, columns and sorting for Qt, and showing or opening a train from the list.

#include "ui/station/lista_pociagow_widok.h"

#include "run/symulacja_stacji.h"
#include "ui/canvas/qplotno.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>

#include <limits>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TModelPociagow::TModelPociagow(TSymulacjaStacji& symulacja, QObject* rodzic)
    : QAbstractTableModel(rodzic), lista_(symulacja)
{
    lista_.Odswiez();
}

void TModelPociagow::Odswiez()
{
    if (lista_.Odswiez()) {
        beginResetModel();
        endResetModel();
        return;
    }
    // Only the cells whose values changed are redrawn: mostly a delay, once a minute.
    static constexpr std::uint8_t Pola[kKolumn] = {TWierszPociagu::pNumer,    TWierszPociagu::pRelacja,
                                                   TWierszPociagu::pPrzyjazd, TWierszPociagu::pOdjazd,
                                                   TWierszPociagu::pMiejsce,  TWierszPociagu::pOpoznienie,
                                                   TWierszPociagu::pStan};
    for (std::size_t i : lista_.Zmienione()) {
        const int w = static_cast<int>(i);
        std::uint8_t pola = lista_.Wiersze()[i].ZmienionePola;
        // The description is every cell's tooltip.
        if (pola & TWierszPociagu::pOpis)
            pola = 0xFF;
        int od = -1, do_ = -1;
        for (int k = 0; k < kKolumn; ++k)
            if (pola & Pola[k]) {
                od = od < 0 ? k : od;
                do_ = k;
            }
        if (od >= 0)
            emit dataChanged(index(w, od), index(w, do_));
    }
}

const TPociag* TModelPociagow::Pociag(int wiersz) const
{
    const auto& wiersze = lista_.Wiersze();
    return wiersz >= 0 && wiersz < static_cast<int>(wiersze.size()) ? wiersze[static_cast<std::size_t>(wiersz)].Pociag
                                                                      : nullptr;
}

int TModelPociagow::rowCount(const QModelIndex& rodzic) const
{
    return rodzic.isValid() ? 0 : static_cast<int>(lista_.Wiersze().size());
}

int TModelPociagow::columnCount(const QModelIndex& rodzic) const { return rodzic.isValid() ? 0 : kKolumn; }

QVariant TModelPociagow::data(const QModelIndex& indeks, int rola) const
{
    if (!indeks.isValid() || indeks.row() >= rowCount())
        return {};
    const TWierszPociagu& w = lista_.Wiersze()[static_cast<std::size_t>(indeks.row())];
    const bool odjechal = w.Miejsce == tMiejscePociagu::odjechal;
    switch (rola) {
    case Qt::DisplayRole:
        switch (indeks.column()) {
        case kNumer:
            return Q(w.Numer);
        case kRelacja:
            return Q(w.Relacja);
        case kPrzyjazd:
            return Q(w.PrzyjazdTekst);
        case kOdjazd:
            return Q(w.OdjazdTekst);
        case kGdzie:
            return Q(w.MiejsceTekst);
        case kOpoznienie:
            return Q(w.OpoznienieTekst);
        case kStan:
            return Q(w.StanTekst);
        }
        return {};
    case RolaSortowania:
        switch (indeks.column()) {
        case kPrzyjazd:
            return w.Przyjazd;
        case kOdjazd:
            return w.Odjazd;
        case kGdzie:
            // In the order of a train's day, then by the point's name.
            return QStringLiteral("%1 %2").arg(static_cast<int>(w.Miejsce)).arg(Q(w.MiejsceTekst));
        case kOpoznienie:
            return w.Opoznienie ? *w.Opoznienie : std::numeric_limits<int>::min();
        case kStan:
            return odjechal ? -1 : static_cast<int>(w.Stan);
        default:
            return data(indeks, Qt::DisplayRole);
        }
    case Qt::ToolTipRole:
        return Q(w.Opis);
    case Qt::ForegroundRole:
        if (indeks.column() == kOpoznienie && w.Opoznienie && *w.Opoznienie > 0)
            return NaQColor(kolory::Czerwony);
        if (odjechal)
            return NaQColor(kolory::Szary);
        return {};
    case Qt::TextAlignmentRole:
        if (indeks.column() == kPrzyjazd || indeks.column() == kOdjazd || indeks.column() == kOpoznienie)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant TModelPociagow::headerData(int sekcja, Qt::Orientation kierunek, int rola) const
{
    if (kierunek != Qt::Horizontal || rola != Qt::DisplayRole)
        return QAbstractTableModel::headerData(sekcja, kierunek, rola);
    static const char* const Naglowki[kKolumn] = {"Numer", "Relacja", "Przyjazd", "Odjazd", "Gdzie", "Opóźnienie",
                                                   "Stan"};
    return sekcja >= 0 && sekcja < kKolumn ? QString::fromUtf8(Naglowki[sekcja]) : QVariant();
}

TListaPociagowWidok::TListaPociagowWidok(TSymulacjaStacji& symulacja, QWidget* rodzic)
    : QTableView(rodzic), sym_(symulacja), model_(new TModelPociagow(symulacja, this)),
      sortowanie_(new QSortFilterProxyModel(this))
{
    setObjectName("lvPociagi");
    sortowanie_->setSourceModel(model_);
    sortowanie_->setSortRole(TModelPociagow::RolaSortowania);
    sortowanie_->setDynamicSortFilter(true);
    setModel(sortowanie_);
    // Unsorted, the list keeps the day's order (by arrival, by departure for the station's own); a
    // third click on a header returns to it.
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    horizontalHeader()->setSortIndicatorClearable(true);
    setSortingEnabled(true);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    const int szerokosci[TModelPociagow::kKolumn] = {110, 170, 60, 60, 150, 75, 70};
    for (int i = 0; i < TModelPociagow::kKolumn; ++i)
        setColumnWidth(i, szerokosci[i]);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) {
        if (const TPociag* t = PociagWiersza(i.row()))
            model_->Lista().Wskaz(t);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
        const TPociag* t = PociagWiersza(i.row());
        if (t == nullptr)
            return;
        sym_.Wykonaj([this, t] { model_->Lista().Otworz(t); });
        emit zmieniono();
    });
}

const TPociag* TListaPociagowWidok::PociagWiersza(int wiersz) const
{
    const QModelIndex i = sortowanie_->mapToSource(sortowanie_->index(wiersz, 0));
    return i.isValid() ? model_->Pociag(i.row()) : nullptr;
}

void TListaPociagowWidok::Odswiez()
{
    if (!isVisible()) {
        nieaktualna_ = true;
        return;
    }
    nieaktualna_ = false;
    model_->Odswiez();
}

void TListaPociagowWidok::showEvent(QShowEvent* e)
{
    QTableView::showEvent(e);
    if (nieaktualna_)
        Odswiez();
}
