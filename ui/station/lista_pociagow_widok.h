#pragma once

// The train list for Qt: the table model of the day's trains (TModelPociagow) and its sortable view
// (TListaPociagowWidok).

#include "models/lista_pociagow.h"

#include <QAbstractTableModel>
#include <QTableView>

class QSortFilterProxyModel;
class TSymulacjaStacji;

// The train list's rows for Qt: one row per train of the day, brought up to date by telling the
// views of the rows that changed only.
class TModelPociagow : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Kolumna { kNumer, kRelacja, kPrzyjazd, kOdjazd, kGdzie, kOpoznienie, kStan, kKolumn };
    // The role by which the columns sort: times and delays as numbers, places in their order.
    static constexpr int RolaSortowania = Qt::UserRole;

    explicit TModelPociagow(TSymulacjaStacji& symulacja, QObject* rodzic = nullptr);

    void Odswiez();
    TListaPociagow& Lista() { return lista_; }
    const TPociag* Pociag(int wiersz) const;

    int rowCount(const QModelIndex& rodzic = QModelIndex()) const override;
    int columnCount(const QModelIndex& rodzic = QModelIndex()) const override;
    QVariant data(const QModelIndex& indeks, int rola = Qt::DisplayRole) const override;
    QVariant headerData(int sekcja, Qt::Orientation kierunek, int rola = Qt::DisplayRole) const override;

private:
    TListaPociagow lista_;
};

// "Pociągi": the sortable list of the day's trains beside the journal. A click shows the train on
// the diagram for a moment; a double click opens its dialog as a double click on its point does.
class TListaPociagowWidok : public QTableView {
    Q_OBJECT

public:
    explicit TListaPociagowWidok(TSymulacjaStacji& symulacja, QWidget* rodzic = nullptr);

    // Brings the rows up to date after a tick; hidden behind the journal's tab, the list waits till
    // it is shown (a tick of the idle window then does none of it).
    void Odswiez();
    TModelPociagow* Model() const { return model_; }
    // The train of a row as the list shows it now (sorted).
    const TPociag* PociagWiersza(int wiersz) const;

signals:
    // The dispatcher acted through the list; the window shows what changed.
    void zmieniono();

protected:
    void showEvent(QShowEvent* e) override;

private:
    TSymulacjaStacji& sym_;
    TModelPociagow* model_;
    bool nieaktualna_ = false;
    QSortFilterProxyModel* sortowanie_;
};
