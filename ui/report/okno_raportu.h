#pragma once

// The day's report window (TOknoRaportu): the table of trains, the charts, and the exports.

#include "report/raport_dnia.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QLabel;
class QTabWidget;
class QTableWidget;

// "Raport dnia": a day of the run in a table of its timetable trains (sortable, late trains shown in
// red) and in four charts, with exports to CSV (the table), PNG and PDF (the charts and the table on
// A4 pages). It shows the report as it was when the window opened. On a day with disturbances the
// table and the delay chart split each delay into the part brought in from the line and the part
// added here.
class TOknoRaportu : public QDialog {
    Q_OBJECT

public:
    TOknoRaportu(const TRaportDnia& dzien, const QString& tytul, QWidget* rodzic = nullptr);

    const TRaportDnia& Dzien() const { return dzien_; }
    QTableWidget* Tabela() const { return tabela_; }
    QTabWidget* Zakladki() const { return zakladki_; }
    // What the last export wrote, as the window tells it under the table; hidden before any and
    // after one that failed.
    QLabel* OpisEksportu() const { return eksport_; }
    // The window at the scale of the window that opens it: its fonts and its first size, within
    // the screen. The charts grow with the window.
    void UstawSkale(double skala);

    // The table's menu offers "Pokaż w zapisie" on a train that cost points; choosing it closes the
    // window with the train's report number here, for the station window to show.
    void UstawPokazWZapisie(bool tak) { pokazWZapisie_ = tak; }
    std::optional<std::uint32_t> PociagDoPokazania() const { return doPokazania_; }

    // The exports; false (after telling the player why) when the file cannot be written, which then
    // stays as it was. The window tells what was written; the PNG's pages go to a file each, and it
    // tells how many and which.
    bool EksportujCsv(const QString& plik);
    bool EksportujPng(const QString& plik);
    bool EksportujPdf(const QString& plik);

protected:
    // The file to export to; empty when the player gives up.
    virtual QString PlikDoEksportu(const QString& filtr, const QString& rozszerzenie);
    // Tells the player that an export failed and why.
    virtual void PokazBlad(const QString& tekst);

private:
    static constexpr QSize RozmiarProjektu{980, 680};
    void WypelnijTabele();
    void Eksportuj(const QString& filtr, const QString& rozszerzenie, bool (TOknoRaportu::*zapis)(const QString&));
    bool Wynik(const std::string& powod, const QString& plik);
    void Zapisano(const QString& tekst);

    void MenuTabeli(const QPoint& gdzie);

    TRaportDnia dzien_;
    QTabWidget* zakladki_ = nullptr;
    QTableWidget* tabela_ = nullptr;
    QLabel* eksport_ = nullptr;
    bool pokazWZapisie_ = false;
    std::optional<std::uint32_t> doPokazania_;
};
