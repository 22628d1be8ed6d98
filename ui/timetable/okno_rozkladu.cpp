// Building the timetable window's controls and keeping them in step with the timetable model.

#include "ui/timetable/okno_rozkladu.h"

#include "run/proba_dnia.h"
#include "trains/rozklad.h"
#include "ui/canvas/qplotno.h"
#include "ui/canvas/skala_okna.h"
#include "ui/timetable/znaczniki.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

QLabel* Etykieta(const char* tekst, QWidget* rodzic) { return new QLabel(QString::fromUtf8(tekst), rodzic); }

// A drop-down of entries: the item shows the name of the direction, the part of the model's item
// before "<", and keeps the whole item for the element name after it.
void WypelnijWloty(QComboBox* cb, const std::vector<std::string>& pozycje)
{
    for (const auto& p : pozycje)
        cb->addItem(Q(TModelRozkladu::WidocznyTekst(p)), Q(p));
}

// A check list as high as its rows, so that every direction shows without scrolling.
void DopasujWysokosc(QListWidget* lista)
{
    const int wiersz = lista->count() > 0 ? lista->sizeHintForRow(0) : lista->fontMetrics().height() + 2;
    lista->setFixedHeight(std::max(1, lista->count()) * wiersz + 2 * lista->frameWidth());
}

}  // namespace

TeRozklad::TeRozklad(TRozkladJazdy& rozklad, std::vector<TWlotRozkladu> wloty, QWidget* rodzic)
    : QDialog(rodzic), komunikaty_(this), model_(rozklad, komunikaty_, wloty), wloty_(std::move(wloty))
{
    plikRozkladu_ = rozklad.Plik();
    setObjectName("eRozklad");
    setWindowTitle(QStringLiteral("Rozkład jazdy"));
    resize(RozmiarProjektu);
    QPalette tlo = palette();
    tlo.setColor(QPalette::Window, QColor(0xEF, 0xE4, 0xD1));
    setPalette(tlo);
    setAutoFillBackground(true);

    lb_ = new QListWidget(this);
    lb_->setObjectName("lb");
    lb_->setItemDelegate(new TDelegatZnacznikow(lb_));
    lb_->setUniformItemSizes(false);
    lb_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    lb_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QPalette tloListy = lb_->palette();
    tloListy.setColor(QPalette::Base, QColor(0xF9, 0xF4, 0xEE));
    lb_->setPalette(tloListy);
    lb_->setToolTip(QStringLiteral("Pociągi rozkładu jazdy. Kliknij pociąg, aby wczytać go do edycji."));

    auto* prawa = new QWidget(this);
    auto* uPrawa = new QVBoxLayout(prawa);
    uPrawa->setContentsMargins(0, 0, 0, 0);
    uPrawa->setSpacing(3);
    uPrawa->addLayout(ZbudujFiltr(prawa));

    // The editor.
    eNumer_ = new QLineEdit(prawa);
    eNumer_->setObjectName("eNumer");
    eNumer_->setToolTip(QStringLiteral("numer pociągu"));
    eSklad_ = new QLineEdit(prawa);
    eSklad_->setObjectName("eSklad");
    eSklad_->setToolTip(Q(TModelRozkladu::PodpowiedzSkladu()));
    eOpis_ = new QLineEdit(prawa);
    eOpis_->setObjectName("eOpis");
    eOpis_->setToolTip(QStringLiteral("rodzaj lub nazwa pociągu, np. osobowy, pośpieszny „Kaszub”"));
    const auto kierunki = [&](const char* nazwa, const char* podpowiedz) {
        auto* cb = new QComboBox(prawa);
        cb->setObjectName(nazwa);
        cb->setEditable(true);
        cb->setInsertPolicy(QComboBox::NoInsert);
        for (const auto& k : model_.Kierunki())
            cb->addItem(Q(k));
        cb->setCurrentIndex(-1);
        cb->setToolTip(QString::fromUtf8(podpowiedz));
        cb->setMinimumContentsLength(6);
        cb->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        return cb;
    };
    cbRelacjaOd_ = kierunki("cbRelacjaOd", "stacja, z której pociąg wyrusza");
    cbRelacjaDo_ = kierunki("cbRelacjaDo", "stacja, do której pociąg jedzie");
    const auto listaWlotow = [&](const char* nazwa, tListaWlotow lista, const char* podpowiedz) {
        auto* cb = new QComboBox(prawa);
        cb->setObjectName(nazwa);
        WypelnijWloty(cb, model_.Wloty(lista));
        cb->setCurrentIndex(-1);
        cb->setToolTip(QString::fromUtf8(podpowiedz));
        cb->setMinimumContentsLength(6);
        cb->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        return cb;
    };
    cbWjezdza_ = listaWlotow("cbWjezdza", tListaWlotow::wjezdza,
                             "którym wjazdem pociąg przyjeżdża na stację albo czy na niej rozpoczyna bieg");
    cbWyjezdza_ = listaWlotow("cbWyjezdza", tListaWlotow::wyjezdza,
                              "którym wyjazdem pociąg odjeżdża ze stacji albo czy na niej kończy bieg");
    const auto godzina = [&](const char* nazwa, const char* podpowiedz) {
        auto* e = new QLineEdit(prawa);
        e->setObjectName(nazwa);
        e->setToolTip(QString::fromUtf8(podpowiedz));
        return e;
    };
    cbGodzWjezdza_ = godzina("cbGodzWjezdza", "godzina przyjazdu, np. 7:30");
    cbGodzWyjezdza_ = godzina("cbGodzWyjezdza", "godzina odjazdu, np. 7:34");
    cbNieWymagaPeronu_ = new QCheckBox(QStringLiteral("nie wymaga postoju przy peronie"), prawa);
    cbNieWymagaPeronu_->setObjectName("cbNieWymagaPeronu");
    cbNieWymagaPeronu_->setToolTip(QStringLiteral("pociąg może przejechać przez stację bez zatrzymania przy peronie"));

    auto* edytor = new QGridLayout;
    edytor->setContentsMargins(0, 0, 0, 0);
    edytor->setHorizontalSpacing(4);
    edytor->setVerticalSpacing(2);
    const auto wiersz = [&](int w, const char* etykieta, QWidget* pole, const char* etykieta2 = nullptr,
                            QWidget* pole2 = nullptr) {
        edytor->addWidget(Etykieta(etykieta, prawa), w, 0);
        if (etykieta2 == nullptr) {
            edytor->addWidget(pole, w, 1);
            return;
        }
        auto* u = new QHBoxLayout;
        u->setSpacing(4);
        u->addWidget(pole, 1);
        u->addWidget(Etykieta(etykieta2, prawa));
        u->addWidget(pole2, pole2 == cbRelacjaDo_ ? 1 : 0);
        edytor->addLayout(u, w, 1);
    };
    wiersz(0, "Numer pociągu:", eNumer_, "Skład pociągu:", eSklad_);
    wiersz(1, "Opis:", eOpis_);
    wiersz(2, "Relacja od:", cbRelacjaOd_, "do:", cbRelacjaDo_);
    wiersz(3, "Przyjazd z:", cbWjezdza_, "godz.:", cbGodzWjezdza_);
    wiersz(4, "Odjazd do:", cbWyjezdza_, "godz.:", cbGodzWyjezdza_);
    edytor->addWidget(cbNieWymagaPeronu_, 5, 0, 1, 2);
    edytor->setColumnStretch(1, 1);

    // The buttons.
    const auto przycisk = [&](const char* nazwa, const char* tekst, const char* podpowiedz) {
        auto* b = new QPushButton(QString::fromUtf8(tekst), prawa);
        b->setObjectName(nazwa);
        b->setToolTip(QString::fromUtf8(podpowiedz));
        b->setAutoDefault(false);
        return b;
    };
    bDodaj_ = przycisk("bDodaj", "&Dodaj", "dodaj do rozkładu nowy pociąg o tych danych");
    bZmien_ = przycisk("bZmien", "&Zmień", "zapisz te dane w zaznaczonym pociągu");
    wktColorButton1_ = przycisk("wktColorButton1", "&Usuń", "usuń zaznaczony pociąg z rozkładu");
    wktColorButton2_ = przycisk("wktColorButton2", "Zamknij", "zamknij rozkład jazdy");
    wktColorButton2_->setDefault(true);
    bImportuj_ = przycisk("bImportuj", "Importuj CSV...", "zastąp cały rozkład jazdy pociągami z pliku CSV");
    bEksportuj_ = przycisk("bEksportuj", "Eksportuj CSV...", "zapisz cały rozkład jazdy do pliku CSV");
    auto* przyciski = new QGridLayout;
    przyciski->setContentsMargins(0, 0, 0, 0);
    przyciski->setHorizontalSpacing(4);
    przyciski->setVerticalSpacing(4);
    przyciski->addWidget(bDodaj_, 0, 0);
    przyciski->addWidget(bZmien_, 0, 1);
    przyciski->addWidget(wktColorButton1_, 0, 2);
    przyciski->addWidget(bImportuj_, 1, 0, 1, 2);
    przyciski->addWidget(bEksportuj_, 1, 2, 1, 2);
    przyciski->addWidget(wktColorButton2_, 0, 3);

    HTMLabel1_ = new TEtykietaZnacznikow(QString(), prawa);
    HTMLabel1_->setObjectName("HTMLabel1");

    uPrawa->addLayout(edytor);
    uPrawa->addLayout(przyciski);
    uPrawa->addWidget(HTMLabel1_, 1);

    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(8, 8, 8, 8);
    uklad->setSpacing(8);
    uklad->addWidget(lb_);
    uklad->addWidget(prawa, 1);

    // A row chosen by the mouse or the keys loads its train; the list taking the focus only marks
    // its first row, and a click on the chosen row loads it again, dropping what was typed.
    connect(lb_, &QListWidget::itemSelectionChanged, this, [this] {
        const auto wybrane = lb_->selectedItems();
        if (!wybrane.isEmpty())
            lbClick(lb_->row(wybrane.first()));
    });
    connect(lb_, &QListWidget::itemClicked, this, [this](QListWidgetItem* w) { lbClick(lb_->row(w)); });
    connect(clbPrzyjazd_, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* w) { PokazTylkoNiektore(tListaFiltru::przyjazd, w); });
    connect(clbOdjazd_, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* w) { PokazTylkoNiektore(tListaFiltru::odjazd, w); });
    connect(eSzukaj_, &QLineEdit::textChanged, this, [this](const QString& tekst) {
        if (pokazywanie_)
            return;
        CzytajEdytor();
        model_.UstawSzukanie(S(tekst));
        PokazModel();
    });
    connect(bDodaj_, &QPushButton::clicked, this, [this] { bDodajZmienClick(true); });
    connect(bZmien_, &QPushButton::clicked, this, [this] { bDodajZmienClick(false); });
    connect(wktColorButton1_, &QPushButton::clicked, this, &TeRozklad::wktColorButton1Click);
    connect(wktColorButton2_, &QPushButton::clicked, this, &QDialog::reject);
    connect(bImportuj_, &QPushButton::clicked, this, &TeRozklad::bImportujClick);
    connect(bEksportuj_, &QPushButton::clicked, this, &TeRozklad::bEksportujClick);
    connect(bSprawdz_, &QPushButton::clicked, this, &TeRozklad::bSprawdzClick);
    PokazModel();
    UstawSkale(1.0);
}

void TeRozklad::UstawSkale(double skala)
{
    setFont(PrzeskalowanaCzcionka(NaQFont(TCzcionka{}), skala));
    lb_->setFixedWidth(static_cast<int>(std::lround(SzerokoscListy * skala)));
    for (QLineEdit* e : {cbGodzWjezdza_, cbGodzWyjezdza_})
        e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 12);
    eNumer_->setFixedWidth(eNumer_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    DopasujWysokosc(clbPrzyjazd_);
    DopasujWysokosc(clbOdjazd_);
    HTMLabel1_->UstawTekst(TekstLegendy(font()));
    // The design size, or as much taller as the font's lines need, so that no field is squeezed.
    const QSize projekt = Przeskalowany(RozmiarProjektu, skala);
    QLayout* u = layout();
    u->activate();
    const int wysokosc = u->hasHeightForWidth() ? u->totalHeightForWidth(projekt.width()) : u->totalMinimumSize().height();
    const QSize rozmiar(projekt.width(), std::max(projekt.height(), wysokosc));
    setMinimumSize(rozmiar);
    resize(rozmiar);
}

TeRozklad::~TeRozklad() = default;

QLayout* TeRozklad::ZbudujFiltr(QWidget* rodzic)
{
    auto* Label1 = Etykieta("Pokaż na rozkładzie tylko pociągi:", rodzic);
    Label1->setObjectName("Label1");
    eSzukaj_ = new QLineEdit(rodzic);
    eSzukaj_->setObjectName("eSzukaj");
    eSzukaj_->setPlaceholderText(QStringLiteral("szukaj..."));
    eSzukaj_->setClearButtonEnabled(true);
    eSzukaj_->setToolTip(QStringLiteral("pokaż tylko pociągi, których numer, relacja lub opis zawiera ten tekst"));
    const auto lista = [&](const char* nazwa, tListaFiltru ktora, const char* podpowiedz) {
        auto* l = new QListWidget(rodzic);
        l->setObjectName(nazwa);
        l->setToolTip(QString::fromUtf8(podpowiedz));
        for (const auto& w : model_.Filtr(ktora)) {
            auto* wiersz = new QListWidgetItem(Q(w.Nazwa), l);
            wiersz->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            wiersz->setCheckState(w.Zaznaczony ? Qt::Checked : Qt::Unchecked);
            for (const auto& wlot : wloty_)
                if (wlot.Nazwa == w.Nazwa && !wlot.Hint.empty())
                    wiersz->setToolTip(Q(wlot.Hint));
        }
        return l;
    };
    clbPrzyjazd_ = lista("clbPrzyjazd", tListaFiltru::przyjazd,
                         "pokaż pociągi przyjeżdżające z zaznaczonych kierunków");
    clbOdjazd_ = lista("clbOdjazd", tListaFiltru::odjazd, "pokaż pociągi odjeżdżające w zaznaczonych kierunkach");

    auto* u = new QVBoxLayout;
    u->setContentsMargins(0, 0, 0, 0);
    u->setSpacing(3);
    auto* gora = new QHBoxLayout;
    gora->setSpacing(6);
    gora->addWidget(Label1);
    gora->addWidget(eSzukaj_, 1);
    bSprawdz_ = new QPushButton(QStringLiteral("Sprawdź"), rodzic);
    bSprawdz_->setObjectName("bSprawdz");
    bSprawdz_->setToolTip(
        QStringLiteral("rozegraj cały dzień z dyżurnym automatycznym i sprawdź, czy da się go przejść bez kary"));
    bSprawdz_->setAutoDefault(false);
    gora->addWidget(bSprawdz_);
    u->addLayout(gora);
    auto* filtr = new QGridLayout;
    filtr->setContentsMargins(0, 0, 0, 0);
    filtr->setHorizontalSpacing(6);
    filtr->setVerticalSpacing(1);
    filtr->addWidget(Etykieta("przyjeżdżające z kierunku:", rodzic), 0, 0);
    filtr->addWidget(Etykieta("odjeżdżające w kierunku:", rodzic), 0, 1);
    filtr->addWidget(clbPrzyjazd_, 1, 0);
    filtr->addWidget(clbOdjazd_, 1, 1);
    u->addLayout(filtr);
    return u;
}

QString TeRozklad::TekstLegendy(const QFont& czcionka)
{
    // The model's legend is one column; the window has room for two, so the codes are set out here
    // from the same list, between the legend's heading and its closing lines.
    const QStringList czesci = Q(TModelRozkladu::Legenda()).split(QStringLiteral("<br>"));
    const auto& kody = TModelRozkladu::KodyPojazdow();
    const int ile = static_cast<int>(kody.size());
    if (czesci.size() < ile + 2)
        return Q(TModelRozkladu::Legenda());
    const QStringList zamkniecie = czesci.mid(ile + 1);

    QFont pogrubiona = czcionka;
    pogrubiona.setBold(true);
    const QFontMetrics gruba(pogrubiona);
    const QFontMetrics zwykla(czcionka);
    const int wiersze = (ile + 1) / 2;
    int kod = 0;
    int znaczenie = 0;
    for (int i = 0; i < ile; ++i) {
        const TKodPojazdu& k = kody[static_cast<std::size_t>(i)];
        kod = std::max(kod, gruba.horizontalAdvance(QChar(k.Kod)));
        if (i < wiersze)
            znaczenie = std::max(znaczenie, zwykla.horizontalAdvance(QString::fromUtf8(k.Znaczenie)));
    }
    const int wciecie = kod + 6;
    const int kolumna = wciecie + znaczenie + 14;
    QString s = czesci.first() + QStringLiteral("<br>");
    for (int w = 0; w < wiersze; ++w) {
        for (int k = 0; k < 2; ++k) {
            const int i = w + k * wiersze;
            if (i >= ile)
                break;
            const int x = k * kolumna;
            s += QStringLiteral("<IND x=\"%1\"><b>%2</b><IND x=\"%3\">%4")
                     .arg(x)
                     .arg(QChar(kody[static_cast<std::size_t>(i)].Kod))
                     .arg(x + wciecie)
                     .arg(QString::fromUtf8(kody[static_cast<std::size_t>(i)].Znaczenie));
        }
        s += QStringLiteral("<br>");
    }
    return s + zamkniecie.join(QStringLiteral("<br>"));
}

void TeRozklad::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    // The dialog takes the focus from the window it was opened over, also where no window manager
    // hands it over; that window, no longer active, lets its trains wait.
    QTimer::singleShot(0, this, [this] { activateWindow(); });
    CzytajEdytor();
    model_.Pokaz();
    PokazModel();
}

QString TeRozklad::PlikDoImportu()
{
    return QFileDialog::getOpenFileName(this, QStringLiteral("Importuj rozkład jazdy z pliku CSV"), QDir::homePath(),
                                        QStringLiteral("Pliki CSV (*.csv);;Wszystkie pliki (*)"));
}

QString TeRozklad::PlikDoEksportu()
{
    return QFileDialog::getSaveFileName(this, QStringLiteral("Eksportuj rozkład jazdy do pliku CSV"),
                                        QDir::home().filePath(QStringLiteral("rozklad.csv")),
                                        QStringLiteral("Pliki CSV (*.csv);;Wszystkie pliki (*)"));
}

void TeRozklad::CzytajEdytor()
{
    TEdytorRozkladu& e = model_.Edytor;
    e.Numer = S(eNumer_->text());
    e.Sklad = S(eSklad_->text());
    e.Opis = S(eOpis_->text());
    e.RelacjaOd = S(cbRelacjaOd_->currentText());
    e.RelacjaDo = S(cbRelacjaDo_->currentText());
    e.Wjezdza = cbWjezdza_->currentIndex();
    e.GodzWjezdza = S(cbGodzWjezdza_->text());
    e.Wyjezdza = cbWyjezdza_->currentIndex();
    e.GodzWyjezdza = S(cbGodzWyjezdza_->text());
    e.NieWymagaPeronu = cbNieWymagaPeronu_->isChecked();
}

void TeRozklad::PokazModel()
{
    pokazywanie_ = true;
    PokazFiltr(clbPrzyjazd_, tListaFiltru::przyjazd);
    PokazFiltr(clbOdjazd_, tListaFiltru::odjazd);
    if (eSzukaj_->text().trimmed() != Q(model_.Szukanie()))
        eSzukaj_->setText(Q(model_.Szukanie()));
    PokazListe();
    PokazEdytor();
    bZmien_->setEnabled(model_.JestZaznaczony());
    wktColorButton1_->setEnabled(model_.JestZaznaczony());
    pokazywanie_ = false;
}

void TeRozklad::PokazFiltr(QListWidget* lista, tListaFiltru ktora)
{
    const auto& wiersze = model_.Filtr(ktora);
    for (int i = 0; i < lista->count() && i < static_cast<int>(wiersze.size()); ++i) {
        const Qt::CheckState stan = wiersze[static_cast<std::size_t>(i)].Zaznaczony ? Qt::Checked : Qt::Unchecked;
        if (lista->item(i)->checkState() != stan)
            lista->item(i)->setCheckState(stan);
    }
}

void TeRozklad::PokazListe()
{
    const auto& wiersze = model_.Wiersze();
    const bool teSame = std::equal(wiersze.begin(), wiersze.end(), pokazane_.begin(), pokazane_.end(),
                                   [](const TWierszRozkladu& a, const TWierszRozkladu& b) {
                                       return a.Pociag == b.Pociag && a.Tekst == b.Tekst;
                                   });
    if (!teSame) {
        const int przewiniecie = lb_->verticalScrollBar()->value();
        lb_->clear();
        for (const auto& w : wiersze) {
            const QString tekst = Q(w.Tekst);
            auto* wiersz = new QListWidgetItem(BezZnacznikow(tekst), lb_);
            wiersz->setData(RolaZnacznikow, tekst);
        }
        pokazane_ = wiersze;
        lb_->verticalScrollBar()->setValue(przewiniecie);
    }
    const int zaznaczony = model_.Zaznaczony();
    if (zaznaczony >= 0 && zaznaczony < lb_->count()) {
        if (lb_->currentRow() != zaznaczony)
            lb_->setCurrentRow(zaznaczony);
        lb_->scrollToItem(lb_->item(zaznaczony));
    } else {
        lb_->setCurrentRow(-1);
        lb_->clearSelection();
    }
}

void TeRozklad::PokazEdytor()
{
    const TEdytorRozkladu& e = model_.Edytor;
    const auto tekst = [](QLineEdit* pole, const std::string& wartosc) {
        if (pole->text() != Q(wartosc))
            pole->setText(Q(wartosc));
    };
    tekst(eNumer_, e.Numer);
    tekst(eSklad_, e.Sklad);
    tekst(eOpis_, e.Opis);
    tekst(cbGodzWjezdza_, e.GodzWjezdza);
    tekst(cbGodzWyjezdza_, e.GodzWyjezdza);
    for (auto [cb, wartosc] : {std::pair{cbRelacjaOd_, &e.RelacjaOd}, std::pair{cbRelacjaDo_, &e.RelacjaDo}}) {
        const QString t = Q(*wartosc);
        if (cb->currentText() != t) {
            cb->setCurrentIndex(cb->findText(t, Qt::MatchFixedString | Qt::MatchCaseSensitive));
            cb->setEditText(t);
        }
    }
    const auto wlot = [](QComboBox* cb, int pozycja) {
        cb->setCurrentIndex(pozycja >= 0 && pozycja < cb->count() ? pozycja : -1);
    };
    wlot(cbWjezdza_, e.Wjezdza);
    wlot(cbWyjezdza_, e.Wyjezdza);
    cbNieWymagaPeronu_->setChecked(e.NieWymagaPeronu);
}

void TeRozklad::lbClick(int wiersz)
{
    if (pokazywanie_ || wiersz < 0)
        return;
    if (model_.Wybierz(wiersz))
        PokazModel();
}

void TeRozklad::PokazTylkoNiektore(tListaFiltru lista, QListWidgetItem* wiersz)
{
    if (pokazywanie_ || wiersz == nullptr)
        return;
    CzytajEdytor();
    model_.ZaznaczFiltr(lista, wiersz->listWidget()->row(wiersz), wiersz->checkState() == Qt::Checked);
    PokazModel();
}

void TeRozklad::bDodajZmienClick(bool dodaj)
{
    CzytajEdytor();
    if (dodaj)
        model_.Dodaj();
    else
        model_.Zmien();
    PokazModel();
}

void TeRozklad::wktColorButton1Click()
{
    CzytajEdytor();
    model_.Usun();
    PokazModel();
}

void TeRozklad::bImportujClick()
{
    const QString plik = PlikDoImportu();
    if (plik.isEmpty())
        return;
    CzytajEdytor();
    model_.ImportujCsv(S(QDir::toNativeSeparators(plik)));
    PokazModel();
}

void TeRozklad::bEksportujClick()
{
    const QString plik = PlikDoEksportu();
    if (plik.isEmpty())
        return;
    model_.EksportujCsv(S(QDir::toNativeSeparators(plik)));
}

void TeRozklad::bSprawdzClick()
{
    // The window saves after every change, so the file is the timetable as shown.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TWynikProby wynik = ZagrajDzien(plikRozkladu_);
    QApplication::restoreOverrideCursor();
    QStringList linie;
    for (const std::string& l : wynik.Raport())
        linie << QString::fromStdString(l);
    if (wynik.Grywalny)
        QMessageBox::information(this, QStringLiteral("Sprawdzenie rozkładu"), linie.join('\n'));
    else
        QMessageBox::warning(this, QStringLiteral("Sprawdzenie rozkładu"), linie.join('\n'));
}
