// Filling the report window's sortable table of trains and exporting it to CSV, PNG and PDF.

#include "ui/report/okno_raportu.h"

#include "core/wkt_exception.h"
#include "core/wkt_stream.h"
#include "trains/czas.h"
#include "ui/canvas/skala_okna.h"
#include "ui/report/raport_png.h"
#include "ui/report/raport_wykresy.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <vector>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A cell that sorts by its value rather than by its text: times and numbers, "-" before them all.
class TKomorka : public QTableWidgetItem {
public:
    TKomorka(const QString& tekst, double wartosc) : QTableWidgetItem(tekst) { setData(Qt::UserRole, wartosc); }
    bool operator<(const QTableWidgetItem& inna) const override
    {
        return data(Qt::UserRole).toDouble() < inna.data(Qt::UserRole).toDouble();
    }
};

constexpr double Brak = -1e9;
// Where a row's first cell keeps its train's report number (the sort value is under Qt::UserRole).
constexpr int RolaPociagu = Qt::UserRole + 1;

QTableWidgetItem* Czas(const std::optional<double>& czas)
{
    return czas ? new TKomorka(Q(GodzinaRaportu(*czas)), *czas) : new TKomorka(QStringLiteral("-"), Brak);
}

// Numbers sort as numbers; the others after them in the timetable's order.
QTableWidgetItem* NumerPociagu(const std::string& numer, int wiersz)
{
    bool liczba = false;
    const double v = Q(numer).toDouble(&liczba);
    return new TKomorka(Q(numer), liczba ? v : 1e12 + wiersz);
}

// "strona", "strony", "stron" as Polish counts them.
std::string LiczebnikStron(int n)
{
    if (n == 1)
        return "stronę";
    const int jednosci = n % 10, dziesiatki = n % 100;
    return jednosci >= 2 && jednosci <= 4 && (dziesiatki < 12 || dziesiatki > 14) ? "strony" : "stron";
}

QTableWidgetItem* Plan(double czas) { return new TKomorka(Q(GodzinaMinuty(czas - std::floor(czas))), czas); }

}  // namespace

TOknoRaportu::TOknoRaportu(const TRaportDnia& dzien, const QString& tytul, QWidget* rodzic)
    : QDialog(rodzic), dzien_(dzien)
{
    setObjectName("fmRaport");
    setWindowTitle(tytul);
    auto* uklad = new QVBoxLayout(this);
    auto* naglowek = new QLabel(NaglowekRaportu(dzien_), this);
    naglowek->setObjectName("lbNaglowek");
    QFont f = naglowek->font();
    f.setBold(true);
    naglowek->setFont(f);
    uklad->addWidget(naglowek);

    zakladki_ = new QTabWidget(this);
    tabela_ = new QTableWidget(this);
    tabela_->setObjectName("tbPociagi");
    tabela_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabela_->verticalHeader()->setVisible(false);
    tabela_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tabela_, &QTableWidget::customContextMenuRequested, this, &TOknoRaportu::MenuTabeli);
    WypelnijTabele();
    zakladki_->addTab(tabela_, QStringLiteral("Pociągi"));

    auto* wykresy = new QWidget(this);
    auto* siatka = new QGridLayout(wykresy);
    const auto widok = [wykresy](QChart* w) {
        auto* v = new QChartView(w, wykresy);
        v->setRenderHint(QPainter::Antialiasing);
        v->setMinimumSize(360, 240);
        return v;
    };
    siatka->addWidget(widok(WykresWyniku(dzien_)), 0, 0);
    siatka->addWidget(widok(WykresOpoznien(dzien_)), 0, 1);
    siatka->addWidget(widok(WykresRodzajow(dzien_)), 1, 0);
    siatka->addWidget(widok(WykresZajetosci(dzien_)), 1, 1);
    zakladki_->addTab(wykresy, QStringLiteral("Wykresy"));
    uklad->addWidget(zakladki_, 1);

    eksport_ = new QLabel(this);
    eksport_->setObjectName("lbEksport");
    eksport_->setVisible(false);
    uklad->addWidget(eksport_);

    auto* przyciski = new QDialogButtonBox(this);
    const auto przycisk = [&](const QString& tekst, const char* nazwa) {
        QPushButton* b = przyciski->addButton(tekst, QDialogButtonBox::ActionRole);
        b->setObjectName(nazwa);
        return b;
    };
    connect(przycisk(QStringLiteral("Eksportuj &CSV..."), "bCsv"), &QPushButton::clicked, this,
            [this] { Eksportuj(QStringLiteral("Pliki CSV (*.csv)"), QStringLiteral("csv"), &TOknoRaportu::EksportujCsv); });
    connect(przycisk(QStringLiteral("Eksportuj P&NG..."), "bPng"), &QPushButton::clicked, this,
            [this] { Eksportuj(QStringLiteral("Obrazy PNG (*.png)"), QStringLiteral("png"), &TOknoRaportu::EksportujPng); });
    connect(przycisk(QStringLiteral("Eksportuj P&DF..."), "bPdf"), &QPushButton::clicked, this,
            [this] { Eksportuj(QStringLiteral("Dokumenty PDF (*.pdf)"), QStringLiteral("pdf"), &TOknoRaportu::EksportujPdf); });
    QPushButton* zamknij = przyciski->addButton(QStringLiteral("Zamknij"), QDialogButtonBox::RejectRole);
    zamknij->setDefault(true);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);
    uklad->addWidget(przyciski);
    resize(RozmiarProjektu);
}

void TOknoRaportu::UstawSkale(double skala)
{
    setFont(PrzeskalowanaCzcionka(QApplication::font(this), skala));
    QSize rozmiar = Przeskalowany(RozmiarProjektu, skala);
    if (const QScreen* ekran = screen())
        rozmiar = rozmiar.boundedTo(ekran->availableGeometry().size());
    resize(rozmiar);
}

void TOknoRaportu::MenuTabeli(const QPoint& gdzie)
{
    if (!pokazWZapisie_)
        return;
    const QTableWidgetItem* komorka = tabela_->itemAt(gdzie);
    const QTableWidgetItem* numer = komorka != nullptr ? tabela_->item(komorka->row(), 0) : nullptr;
    if (numer == nullptr)
        return;
    const auto id = static_cast<std::uint32_t>(numer->data(RolaPociagu).toULongLong());
    const TPociagRaportu* t = dzien_.Znajdz(id);
    QMenu menu(this);
    menu.setObjectName("pmPociag");
    QAction* pokaz = menu.addAction(QStringLiteral("Pokaż w zapisie"));
    pokaz->setObjectName("Pokazwzapisie1");
    pokaz->setEnabled(t != nullptr && t->Punkty < 0);
    if (menu.exec(tabela_->viewport()->mapToGlobal(gdzie)) == pokaz) {
        doPokazania_ = id;
        accept();
    }
}

void TOknoRaportu::WypelnijTabele()
{
    // A day with disturbances splits the delay by whose it is, beside it.
    const bool podzial = dzien_.ZUtrudnieniami;
    QStringList naglowki = {QStringLiteral("Numer"),       QStringLiteral("Relacja"),
                            QStringLiteral("Przyjazd"),    QStringLiteral("Przyjazd rzecz."),
                            QStringLiteral("Odjazd"),      QStringLiteral("Odjazd rzecz."),
                            QStringLiteral("Opóźnienie [min]")};
    if (podzial)
        naglowki << QStringLiteral("Z trasy") << QStringLiteral("Na stacji");
    naglowki << QStringLiteral("Punkty");
    tabela_->setSortingEnabled(false);
    tabela_->setColumnCount(naglowki.size());
    tabela_->setHorizontalHeaderLabels(naglowki);
    if (podzial) {
        tabela_->horizontalHeaderItem(7)->setToolTip(QStringLiteral("Opóźnienie przywiezione z trasy [min]"));
        tabela_->horizontalHeaderItem(8)->setToolTip(QStringLiteral("Opóźnienie powstałe na stacji [min]"));
    }
    tabela_->setRowCount(static_cast<int>(dzien_.Pociagi.size()));
    const QColor tloSpoznionego(255, 220, 220), bordowy(128, 0, 0), szary(128, 128, 128);
    const auto minuty = [](const std::optional<int>& m) {
        return m ? new TKomorka(QString::number(*m), *m) : new TKomorka(QStringLiteral("-"), Brak);
    };
    for (int r = 0; r < tabela_->rowCount(); ++r) {
        const TPociagRaportu& t = dzien_.Pociagi[static_cast<std::size_t>(r)];
        std::vector<QTableWidgetItem*> komorki = {
            NumerPociagu(t.Numer, r),
            new QTableWidgetItem(Q(t.RelacjaOd + " - " + t.RelacjaDo)),
            Plan(t.PrzyjazdPlan),
            Czas(t.Przyjazd),
            Plan(t.OdjazdPlan),
            Czas(t.Odjazd),
            minuty(t.Opoznienie()),
        };
        if (podzial) {
            komorki.push_back(minuty(t.OpoznienieZTrasy()));
            komorki.push_back(minuty(t.OpoznienieTutaj()));
        }
        komorki.push_back(new TKomorka(QString::number(t.Punkty), t.Punkty));
        // The row keeps its train through sorting.
        komorki[0]->setData(RolaPociagu, static_cast<qulonglong>(t.Id));
        if (t.Dodatkowy) {
            QFont f = komorki[0]->font();
            f.setItalic(true);
            komorki[0]->setFont(f);
        }
        for (int k = 0; k < static_cast<int>(komorki.size()); ++k) {
            QTableWidgetItem* c = komorki[static_cast<std::size_t>(k)];
            if (k >= 2)
                c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (t.Spozniony()) {
                c->setBackground(tloSpoznionego);
                if (k == 6) {
                    c->setForeground(bordowy);
                    QFont f = c->font();
                    f.setBold(true);
                    c->setFont(f);
                }
            } else if (t.Przepadl) {
                c->setForeground(szary);
            }
            if (t.Przepadl)
                c->setToolTip(QStringLiteral("Pociąg nie przyjechał przed końcem dnia."));
            else if (t.Dodatkowy)
                c->setToolTip(QStringLiteral("Pociąg dodatkowy, spoza rozkładu jazdy."));
            tabela_->setItem(r, k, c);
        }
    }
    tabela_->setSortingEnabled(true);
    tabela_->sortByColumn(0, Qt::AscendingOrder);
    tabela_->resizeColumnsToContents();
    tabela_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
}

bool TOknoRaportu::Wynik(const std::string& powod, const QString& plik)
{
    if (powod.empty()) {
        Zapisano(QStringLiteral("Zapisano %1.").arg(QFileInfo(plik).fileName()));
        return true;
    }
    // What an earlier export wrote is not what the player asked for now.
    eksport_->setVisible(false);
    PokazBlad(QStringLiteral("Nie udało się zapisać pliku %1.\n%2").arg(plik, Q(powod)));
    return false;
}

void TOknoRaportu::PokazBlad(const QString& tekst) { QMessageBox::warning(this, windowTitle(), tekst); }

void TOknoRaportu::Zapisano(const QString& tekst)
{
    eksport_->setText(tekst);
    eksport_->setVisible(true);
}

// The name's bytes as the file system has them, so that the file is written under the very name chosen.
bool TOknoRaportu::EksportujCsv(const QString& plik)
{
    try {
        ZapiszPlikCaly(QFile::encodeName(plik).toStdString(), RaportCsv(dzien_));
        return Wynik({}, plik);
    } catch (const EwktException& e) {
        return Wynik(e.what(), plik);
    }
}

bool TOknoRaportu::EksportujPng(const QString& plik)
{
    const std::string nazwa = QFile::encodeName(plik).toStdString();
    if (!Wynik(ZapiszRaportPng(dzien_, nazwa), plik))
        return false;
    // A report of many pages leaves many files: the player is told which.
    const int stron = LiczbaStronPng(dzien_);
    const auto nazwaStrony = [&](int nr) {
        return QFileInfo(QFile::decodeName(QByteArray::fromStdString(PlikStronyPng(nazwa, nr, stron)))).fileName();
    };
    QString tekst = QStringLiteral("Zapisano %1 %2: %3").arg(stron).arg(Q(LiczebnikStron(stron))).arg(nazwaStrony(0));
    if (stron == 2)
        tekst += QStringLiteral(", ") + nazwaStrony(1);
    else if (stron > 2)
        tekst += QStringLiteral(", %1 … %2").arg(nazwaStrony(1), nazwaStrony(stron - 1));
    Zapisano(tekst + QLatin1Char('.'));
    return true;
}

bool TOknoRaportu::EksportujPdf(const QString& plik)
{
    return Wynik(ZapiszRaportPdf(dzien_, QFile::encodeName(plik).toStdString()), plik);
}

QString TOknoRaportu::PlikDoEksportu(const QString& filtr, const QString& rozszerzenie)
{
    QString plik = QFileDialog::getSaveFileName(this, QStringLiteral("Eksportuj raport dnia"),
                                                QDir::home().filePath(QStringLiteral("raport.") + rozszerzenie), filtr);
    if (!plik.isEmpty() && !plik.endsWith(QLatin1Char('.') + rozszerzenie, Qt::CaseInsensitive))
        plik += QLatin1Char('.') + rozszerzenie;
    return plik;
}

void TOknoRaportu::Eksportuj(const QString& filtr, const QString& rozszerzenie,
                             bool (TOknoRaportu::*zapis)(const QString&))
{
    const QString plik = PlikDoEksportu(filtr, rozszerzenie);
    if (!plik.isEmpty())
        (this->*zapis)(plik);
}
