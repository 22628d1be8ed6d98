// Building the station window and its menus, running its ticks, repainting what changed, and keeping
// its settings and the game on closing.

#include "ui/station/okno_stacji.h"

#include "core/ustawienia.h"
#include "core/wkt_files.h"
#include "interlocking/przyciski.h"
#include "models/model_rozkladu.h"
#include "lessons/przebieg_lekcji.h"
#include "run/chwila_zapisu.h"
#include "run/podpowiedz.h"
#include "run/symulacja_stacji.h"
#include "simulation/ustawienia_gry.h"
#include "simulation/utrudnienia.h"
#include "station/przycisk_elementu.h"
#include "station/upunkt.h"
#include "trains/czas.h"
#include "ui/canvas/qplotno.h"
#include "ui/canvas/skala_okna.h"
#include "ui/report/okno_raportu.h"
#include "ui/services/o_programie.h"
#include "ui/services/okno_pomocy.h"
#include "ui/services/okno_postepu.h"
#include "ui/station/diagram.h"
#include "ui/station/lista_pociagow_widok.h"
#include "ui/station/panel_lekcji.h"
#include "ui/station/plan_widok.h"
#include "ui/station/przycisk_widok.h"
#include "ui/station/suwak_szybkosci.h"
#include "ui/station/zegar.h"
#include "ui/text/dziennik_widok.h"
#include "ui/text/etykieta_skrocona.h"
#include "ui/timetable/okno_rozkladu.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string_view>

namespace {

const char* const Strony[][2] = {{"Szlak", "tsSzlak"},           {"Stacja", "tsStacja"},
                                 {"Rozkład", "Rozklad"},         {"Przebiegi", "tsPrzebiegi"},
                                 {"Sterowanie", "tsSterowanie"}};

QString Q(const std::string& s) { return QString::fromStdString(s); }

namespace domyslne {
// The journal's height in the window's design size, and the least it gets when it follows the
// diagram.
constexpr int Dziennik = 88;
}  // namespace domyslne

// The pause of the clock panel: why the clock stands, or nothing while it runs.
QString PowodPauzy(bool stop, bool wstrzymany, bool aktywne)
{
    if (stop)
        return QStringLiteral("pauza: wciśnięty przycisk STOP");
    if (wstrzymany)
        return QStringLiteral("pauza: otwarte menu lub okno");
    if (!aktywne)
        return QStringLiteral("pauza: okno stacji nie jest aktywne");
    return {};
}

// The score's and the clock's font, and the train count's, from the window's.
QFont CzcionkaDuza(QFont czcionka)
{
    czcionka.setPointSize(12);
    czcionka.setBold(true);
    return czcionka;
}

QFont CzcionkaMala(QFont czcionka)
{
    czcionka.setPointSize(7);
    return czcionka;
}

// STOP at the scale. Down, the button looks pressed in: sunken and darker, whatever the window's
// colour.
QString StylStop(double skala)
{
    const auto px = [skala](int v) { return QString::number(std::max(1L, std::lround(v * skala))) + QStringLiteral("px"); };
    return QStringLiteral("QToolButton#bStop { padding: %1 %2; border: %3 solid #8C7B61; border-radius: %1;"
                          " background: palette(button); }"
                          " QToolButton#bStop:checked { border: %4 inset #5A4C38; padding: %5 %6 %3 %7;"
                          " background: #B8A888; font-weight: bold; }")
        .arg(px(2), px(6), px(1), px(2), px(3), px(5), px(7));
}

// A menu pops up as a window of its own, which takes no font from the window it belongs to: it is
// given the application's at the scale, and so are the submenus it has (a submenu made later takes
// its menu's font).
void UstawCzcionkeMenu(QMenu* menu, double skala)
{
    menu->setFont(PrzeskalowanaCzcionka(QApplication::font(menu), skala));
    for (QAction* a : menu->actions())
        if (a->menu() != nullptr)
            UstawCzcionkeMenu(a->menu(), skala);
}

// The extent of the buttons a page places by hand: the page may not be smaller.
QSize ZasiegDzieci(const QWidget* strona)
{
    QSize r;
    for (const QWidget* w : strona->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        r = r.expandedTo(QSize(w->geometry().right() + 1, w->geometry().bottom() + 1));
    return r;
}

}  // namespace

TOknoStacji::TOknoStacji(TSymulacjaStacji& symulacja, QWidget* rodzic)
    : QMainWindow(rodzic), sym_(symulacja), ustawienia_(magazyn_, &symulacja.Komunikaty()), menuPociagu_(symulacja.Stacja(), symulacja.Silnik())
{
    setObjectName("eStacja");
    setWindowTitle("Drelinko 99");
    resize(RozmiarProjektu);
    const QFont czcionka = NaQFont(TCzcionka{});
    setFont(czcionka);

    // The information panel: the pages of buttons with the hint line, and the analog clock.
    auto* panelinfo = new QWidget;
    panelinfo_ = panelinfo;
    panelinfo->setObjectName("panelinfo");
    panelinfo->setFixedHeight(WysokoscPaneluInfo);
    auto* panelinfo2 = new QWidget;
    panelinfo2->setObjectName("panelinfo2");
    pcInfo1_ = new QTabWidget;
    pcInfo1_->setObjectName("pcInfo1");
    pcInfo1_->setTabPosition(QTabWidget::South);
    pcInfo1_->setDocumentMode(true);
    for (const auto& [tytul, nazwa] : Strony)
        pcInfo1_->addTab(ZbudujStrone(nazwa), QString::fromUtf8(tytul));
    auto* opcje = new QWidget;
    opcje->setObjectName("tsOpcje");
    auto* bKolorOkna = new QPushButton(QStringLiteral("Zmień kolor okna..."), opcje);
    bKolorOkna->setObjectName("bKolorOkna");
    cbDzwieki_ = new QCheckBox(QStringLiteral("odtwarzaj dźwięki"), opcje);
    cbDzwieki_->setObjectName("cbDzwieki");
    cbDzwieki_->setChecked(true);
    cbZegar_ = new QCheckBox(QStringLiteral("wyświetlaj zegar wskazówkowy"), opcje);
    cbZegar_->setObjectName("cbZegar");
    cbZegar_->setChecked(true);
    // Trains' labels beside the tracks, so that a train between stopping places can be found.
    cbEtykiety_ = new QCheckBox(QStringLiteral("wyświetlaj etykiety pociągów przy torach"), opcje);
    cbEtykiety_->setObjectName("cbEtykiety");
    cbEtykiety_->setChecked(true);
    // In rows as wide as the page is at the design size, so that every option is whole at any
    // size: the window's options, then the automatic dispatcher, for every line or per line entry.
    auto* uOpcje = new QHBoxLayout;
    uOpcje->addWidget(bKolorOkna);
    uOpcje->addWidget(cbDzwieki_);
    uOpcje->addWidget(cbZegar_);
    uOpcje->addStretch();
    auto* uEtykiety = new QHBoxLayout;
    uEtykiety->addWidget(cbEtykiety_);
    uEtykiety->addStretch();
    // Beside the labels' switch, where the page has room at every size of the window.
    lbUtrudnienia_ = new QLabel(opcje);
    uEtykiety->addWidget(lbUtrudnienia_);
    auto* uAuto = new QHBoxLayout;
    auto* lbAuto = new QLabel(QStringLiteral("Dyżurny automatyczny prowadzi pociągi:"), opcje);
    uAuto->addWidget(lbAuto);
    std::vector<std::string> wloty{""};
    for (const std::string& w : sym_.Dyspozytor().Wloty())
        wloty.push_back(w);
    for (const std::string& w : wloty) {
        const QString napis = w.empty()                                ? QStringLiteral("wszystkie")
                              : w == TAutomatycznyDyspozytor::WlotStacji ? QStringLiteral("ze stacji")
                                                                         : QString::fromStdString(w);
        auto* cb = new QCheckBox(napis, opcje);
        cb->setObjectName(QString::fromStdString("cbAuto" + (w.empty() ? std::string("Wszystkie") : w)));
        connect(cb, &QCheckBox::clicked, this, [this, w](bool on) { WlaczDyspozytora(w, on); });
        uAuto->addWidget(cb);
        cbAuto_.emplace_back(w, cb);
    }
    uAuto->addStretch();
    // The day's disturbances are chosen before the game, on the start window's line; here they are
    // only shown, with the seed that plays the same day again.
    lbUtrudnienia_->setObjectName("lbUtrudnienia");
    lbUtrudnienia_->setToolTip(QStringLiteral("Poziom utrudnień i ziarno wybierasz w oknie startowym, przed grą. "
                                              "To samo ziarno i poziom dają ten sam dzień."));
    connect(pcInfo1_, &QTabWidget::currentChanged, this, [this, opcje](int) {
        if (pcInfo1_->currentWidget() == opcje)
            OdswiezDyspozytora();
    });
    auto* uStrona = new QVBoxLayout;
    uStrona->setContentsMargins(2, 2, 2, 0);
    uStrona->setSpacing(0);
    uStrona->addLayout(uOpcje);
    uStrona->addLayout(uEtykiety);
    uStrona->addLayout(uAuto);
    uStrona->addStretch();
    opcje->setLayout(uStrona);
    opcje_ = opcje;
    pcInfo1_->addTab(opcje, QStringLiteral("Opcje"));
    UstawKolorZakladek(QColor(0xEF, 0xE4, 0xD1));
    lbNazwa_ = new QLabel;
    lbNazwa_->setObjectName("lbNazwa");
    lbNazwa_->setAlignment(Qt::AlignCenter);
    auto* u2 = new QVBoxLayout(panelinfo2);
    u2->setContentsMargins(0, 0, 0, 0);
    u2->setSpacing(0);
    u2->addWidget(pcInfo1_, 1);
    u2->addWidget(lbNazwa_);
    zegar_ = new TZegarWidok([this] { return sym_.CzasSymulacji; });
    auto* u1 = new QHBoxLayout(panelinfo);
    u1->setContentsMargins(0, 0, 0, 0);
    u1->addWidget(panelinfo2, 1);
    u1->addWidget(zegar_);

    // The diagram, with the controls beneath it.
    diagram_ = new TDiagram(sym_);
    scb_ = new QScrollArea;
    scb_->setObjectName("scbObszar");
    scb_->setWidget(diagram_);
    scb_->setFrameShape(QFrame::NoFrame);
    scb_->setAlignment(Qt::AlignCenter);
    // Room for a strip of the diagram at least; the rest scrolls.
    scb_->setMinimumHeight(60);
    scb_->installEventFilter(this);
    bStop_ = new QToolButton;
    bStop_->setObjectName("bStop");
    bStop_->setText("STOP");
    bStop_->setCheckable(true);
    bStop_->setToolTip(QStringLiteral("Wciśnij, aby zatrzymać symulację."));
    bStop_->setStyleSheet(StylStop(1));
    bPodpowiedz_ = new QToolButton;
    bPodpowiedz_->setObjectName("bPodpowiedz");
    bPodpowiedz_->setText(QStringLiteral("Podpowiedź"));
    bPodpowiedz_->setToolTip(QStringLiteral("Co zrobić teraz i dlaczego (F2); Esc chowa podpowiedź."));
    pScore_ = new QFrame;
    pScore_->setObjectName("pScore");
    pScore_->setAutoFillBackground(true);
    pScore_->setToolTip(QStringLiteral("pokazuje ilość zdobytych/straconych punktów"));
    lbScore_ = new QLabel(pScore_);
    lbScore_->setObjectName("lbScore");
    lbScore_->setAlignment(Qt::AlignCenter);
    lbScore_->setFont(CzcionkaDuza(czcionka));
    lbScore_->setStyleSheet("color: white");
    auto* uScore = new QHBoxLayout(pScore_);
    uScore->setContentsMargins(8, 0, 8, 0);
    uScore->addWidget(lbScore_);
    auto* panel1 = new QFrame;
    panel1_ = panel1;
    panel1->setObjectName("Panel1");
    panel1->setAutoFillBackground(true);
    lbCzas_ = new TEtykietaSkrocona;
    lbCzas_->setObjectName("lbCzas");
    lbCzas_->setFont(CzcionkaDuza(czcionka));
    lbCzas_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbCzas_->installEventFilter(this);
    lbCzasSek_ = new TEtykietaSkrocona;
    lbCzasSek_->setObjectName("lbCzasSek");
    auto* uCzas = new QHBoxLayout(panel1);
    uCzas->setContentsMargins(6, 0, 4, 0);
    uCzas->setSpacing(1);
    uCzas->addWidget(lbCzas_, 0, Qt::AlignVCenter);
    uCzas->addWidget(lbCzasSek_, 0, Qt::AlignBottom);
    rxSl_ = new TSuwakSzybkosci;
    rxSl_->setObjectName("rxSl");
    rxSl_->setValue(TSymulacjaStacji::SzybkoscPoczatkowa);
    rxSl_->setToolTip(QStringLiteral("szybkość symulacji - im dalej w prawo, tym szybciej"));
    lbIloscPoc_ = new QLabel;
    lbIloscPoc_->setObjectName("lbIloscPoc");
    lbIloscPoc_->setFont(CzcionkaMala(czcionka));
    auto* sterowanie = new QWidget;
    auto* uSter = new QHBoxLayout(sterowanie);
    uSter->setContentsMargins(2, 2, 2, 2);
    uSter->addWidget(bStop_);
    uSter->addWidget(bPodpowiedz_);
    uSter->addWidget(pScore_);
    uSter->addWidget(panel1);
    // What the slider sets, at its value.
    lbSzybkosc_ = new QLabel;
    lbSzybkosc_->setObjectName("lbSzybkosc");
    lbSzybkosc_->setToolTip(rxSl_->toolTip());
    uSter->addWidget(lbSzybkosc_);
    OdswiezSzybkosc();
    uSter->addWidget(rxSl_, 1);
    uSter->addWidget(lbIloscPoc_);
    auto* gora = new QWidget;
    auto* uGora = new QVBoxLayout(gora);
    uGora->setContentsMargins(0, 0, 0, 0);
    uGora->setSpacing(0);
    uGora->addWidget(panelinfo);
    uGora->addWidget(scb_, 1);
    uGora->addWidget(sterowanie);

    dziennik_ = new TDziennikWidok;
    // The journal shares its place with the train list, on tabs below them.
    pociagi_ = new TListaPociagowWidok(sym_);
    auto* zakladkiDziennika = new QTabWidget;
    zakladkiDziennika_ = zakladkiDziennika;
    zakladkiDziennika->setObjectName("pcDziennik");
    zakladkiDziennika->setTabPosition(QTabWidget::South);
    zakladkiDziennika->setDocumentMode(true);
    zakladkiDziennika->addTab(dziennik_, QStringLiteral("Dziennik"));
    zakladkiDziennika->addTab(pociagi_, QStringLiteral("Pociągi"));
    plan_ = new TPlanWidok(sym_);
    zakladkiDziennika->addTab(plan_, QStringLiteral("Plan"));
    // The Plan tab takes the room its rows need while it is chosen, and gives it back after.
    connect(zakladkiDziennika, &QTabWidget::currentChanged, this, [this] { UlozPodzial(); });
    splitter_ = new QSplitter(Qt::Vertical);
    splitter_->setObjectName("Splitter6");
    splitter_->addWidget(gora);
    splitter_->addWidget(zakladkiDziennika);
    // The window shares its height out itself (UlozPodzial); the player may drag the handle.
    splitter_->setChildrenCollapsible(false);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    splitter_->setSizes({449 - domyslne::Dziennik, domyslne::Dziennik});
    connect(splitter_, &QSplitter::splitterMoved, this, [this] {
        const QList<int> r = splitter_->sizes();
        if (r.size() == 2 && r[0] + r[1] > 0)
            udzialDziennika_ = double(r[1]) / (r[0] + r[1]);
    });
    setCentralWidget(splitter_);
    splitter_->installEventFilter(this);
    // The clock's two labels change every tick: filling their own background, so that a new time
    // repaints them alone rather than the panel under them or the whole window.
    lbCzas_->setAutoFillBackground(true);
    lbCzasSek_->setAutoFillBackground(true);

    const char* teksty[] = {"", "", "czas bieżący", "czas symulacji", "Info1", "Szerszy opis"};
    for (int i = 0; i < static_cast<int>(std::size(teksty)); ++i) {
        auto* l = new TEtykietaSkrocona(QString::fromUtf8(teksty[i]));
        l->setObjectName(QStringLiteral("status%1").arg(i));
        // Opaque, so that the times changing on every tick do not repaint the bar under them.
        l->setAutoFillBackground(true);
        statusBar()->addWidget(l, i >= 4 ? 1 : 0);
        status_.push_back(l);
    }
    UstawCzcionkeOpcji();
    UstawRozmiaryStale();
    ZbudujMenuGlowne();

    // The engine tells; the window shows.
    sym_.Stacja().OnOdswiez = [this](TKomponent* k) {
        zmienione_.insert(k);
        if (!doOdswiezenia_) {
            doOdswiezenia_ = true;
            QTimer::singleShot(0, this, [this] { OdswiezZmienione(); });
        }
    };
    const auto pokazWStatusie = [this](const TLiniaDziennika& l) {
        status_[4]->UstawTekst(Q(l.Tekst));
        status_[5]->UstawTekst(Q(l.Opis));
    };
    sym_.Dziennik().OnLinia = [this, pokazWStatusie](const TLiniaDziennika& l) {
        // The line's place in the journal, for "Pokaż w zapisie": the journal hands out its own lines.
        const auto& linie = sym_.Dziennik().Linie();
        const bool wDzienniku = !linie.empty() && &l >= linie.data() && &l < linie.data() + linie.size();
        dziennik_->Dodaj(l, wDzienniku ? static_cast<int>(&l - linie.data()) : -1);
        if (!l.Porada)
            pokazWStatusie(l);
    };
    sym_.Dziennik().OnScore = [this](std::int32_t) { OdswiezEtykiety(); };
    // A loaded game comes with its journal; the status bar tells only its last line, fitted once
    // rather than for each of a long game's lines.
    const auto& linie = sym_.Dziennik().Linie();
    for (std::size_t i = 0; i < linie.size(); ++i)
        dziennik_->Dodaj(linie[i], static_cast<int>(i));
    if (const auto ostatnia = std::find_if(linie.rbegin(), linie.rend(), [](const auto& l) { return !l.Porada; });
        ostatnia != linie.rend())
        pokazWStatusie(*ostatnia);
    sym_.OnPodpowiedz = [this](const std::string& t) {
        // A game played back is shown at the player's speed: the record's changes of speed do not speak.
        if (sym_.Odtwarzana())
            return;
        if (lbNazwa_->text() != Q(t))
            lbNazwa_->setText(Q(t));
    };
    sym_.Dyspozytor().OnAkt = [this](const TAktDyspozytora& akt) {
        lbNazwa_->setText(QStringLiteral("Dyżurny automatyczny: ") + Q(akt.Opis));
    };
    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setInterval(sym_.Interwal());
    connect(timer_, &QTimer::timeout, this, &TOknoStacji::Tyknij);
    connect(bStop_, &QToolButton::toggled, this, [this](bool w) {
        if (sym_.Odtwarzana())
            pauzaOdtwarzania_ = w;
        else
            sym_.Akt({"stop", w ? "on" : "off"});
        OdswiezPauze();
    });
    connect(rxSl_, &QScrollBar::valueChanged, this, [this](int p) {
        OdswiezSzybkosc();
        // A game played back keeps its own speed; the slider sets only how fast it is shown.
        if (sym_.Odtwarzana()) {
            timer_->setInterval(std::max(1, sym_.SekIncrement * 1000 / std::max(1, p)));
            lbNazwa_->setText(QStringLiteral("Zapis będzie odtwarzany %1 razy szybciej od rzeczywistości.").arg(p));
            return;
        }
        sym_.Akt({"speed", std::to_string(p)});
        timer_->setInterval(sym_.Interwal());
    });
    connect(cbDzwieki_, &QCheckBox::toggled, this, [this](bool w) { sym_.Stacja().OdtwarzajDzwieki = w; });
    connect(cbZegar_, &QCheckBox::toggled, zegar_, &QWidget::setVisible);
    connect(cbEtykiety_, &QCheckBox::toggled, this, [this](bool w) {
        sym_.Stacja().EtykietyPociagow = w;
        diagram_->update();
    });
    connect(pociagi_, &TListaPociagowWidok::zmieniono, this, &TOknoStacji::OdswiezWszystko);
    connect(bPodpowiedz_, &QToolButton::clicked, this, &TOknoStacji::PokazPodpowiedz);
    auto* podpowiedz = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(podpowiedz, &QShortcut::activated, this, &TOknoStacji::PokazPodpowiedz);
    auto* schowaj = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(schowaj, &QShortcut::activated, this, &TOknoStacji::UkryjPodpowiedz);
    // The player's own act on the station ends the hint, done or not.
    sym_.PoAkcie = [this](const std::vector<std::string>& slowa) {
        static const std::set<std::string> czynnosci{"click", "dblclick", "press", "menu", "commands"};
        if (!slowa.empty() && czynnosci.count(slowa[0]))
            UkryjPodpowiedz();
        if (lekcja_ != nullptr)
            lekcja_->PoAkcie(slowa);
    };
    connect(bKolorOkna, &QPushButton::clicked, this, [this] {
        const QColor kolor = QColorDialog::getColor(kolorOkna_, this, QString(), QColorDialog::DontUseNativeDialog);
        if (kolor.isValid())
            UstawKolorOkna(kolor);
    });
    connect(diagram_, &TDiagram::menuPunktu, this, &TOknoStacji::OtworzMenu);
    connect(dziennik_, &TDziennikWidok::wyczyszczony, this, [this] { sym_.Akt({"journal", "clear"}); });
    connect(dziennik_, &TDziennikWidok::pokazWZapisie, this, [this](int linia) {
        if (OnPokazWZapisie && linia >= 0)
            OnPokazWZapisie(static_cast<std::size_t>(linia));
    });
    diagram_->installEventFilter(this);
    for (QWidget* w : {static_cast<QWidget*>(bStop_), static_cast<QWidget*>(bPodpowiedz_), static_cast<QWidget*>(pScore_),
                       static_cast<QWidget*>(rxSl_)})
        w->setStatusTip(w->toolTip());
    auto* plus = new QShortcut(QKeySequence::ZoomIn, this);
    connect(plus, &QShortcut::activated, this, [this] { diagram_->UstawPowiekszenie(diagram_->Powiekszenie() * 1.25); });
    auto* plus2 = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), this);
    connect(plus2, &QShortcut::activated, this, [this] { diagram_->UstawPowiekszenie(diagram_->Powiekszenie() * 1.25); });
    auto* minus = new QShortcut(QKeySequence::ZoomOut, this);
    connect(minus, &QShortcut::activated, this, [this] { diagram_->UstawPowiekszenie(diagram_->Powiekszenie() * 0.8); });
    auto* zero = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this);
    connect(zero, &QShortcut::activated, diagram_, &TDiagram::Dopasuj);
    kolorOkna_ = NaQColor(kolory::TloOkna);
    static_assert(std::size(Strony) + 1 == ustawienia::LiczbaStron, "the pages and the stored page agree");
    Wczytaj();
    OdswiezDyspozytora();
}

TOknoStacji::~TOknoStacji()
{
    sym_.Stacja().OnOdswiez = nullptr;
    sym_.Dziennik().OnLinia = nullptr;
    sym_.Dziennik().OnScore = nullptr;
    sym_.OnPodpowiedz = nullptr;
    sym_.Dyspozytor().OnAkt = nullptr;
    sym_.PoAkcie = nullptr;
    if (lekcja_ != nullptr) {
        lekcja_->OnKrok = nullptr;
        lekcja_->OnKoniec = nullptr;
        lekcja_->OnWyjasnienie = nullptr;
    }
}

QWidget* TOknoStacji::ZbudujStrone(const std::string& kontener)
{
    auto* strona = new QWidget;
    strona->setObjectName(QString::fromStdString(kontener));
    for (const auto& k : sym_.Stacja().Komponenty()) {
        auto* b = dynamic_cast<TWktColorButton*>(k.get());
        if (b == nullptr || b->Kontener != kontener)
            continue;
        auto* w = new TPrzyciskWidok(sym_, *b, strona);
        connect(w, &TPrzyciskWidok::nacisniety, this, [this] { OdswiezWszystko(); });
        przyciski_.push_back(w);
        if (auto* e = dynamic_cast<TPrzyciskElementu*>(b))
            przyciskiElementow_.emplace_back(e, w);
    }
    strona->setMinimumSize(ZasiegDzieci(strona));
    return strona;
}

void TOknoStacji::ZbudujMenuGlowne()
{
    QMenu* stacja = menuBar()->addMenu(QStringLiteral("&Stacja"));
    stacja->addAction(QStringLiteral("&Odśwież"), QKeySequence(Qt::Key_F5), this, [this] { OdswiezWszystko(); });
    stacja->addSeparator();
    zapiszGre_ = stacja->addAction(QStringLiteral("Zapisz &grę..."), QKeySequence(Qt::CTRL | Qt::Key_S), this,
                                   [this] { ZapiszGre(); });
    zapiszGre_->setObjectName("Zapiszgre1");
    wczytaj_ = stacja->addAction(QStringLiteral("&Wczytaj grę..."), QKeySequence(Qt::CTRL | Qt::Key_O), this,
                                 &TOknoStacji::WczytajGre);
    wczytaj_->setObjectName("Wczytajgre1");
    wczytaj_->setVisible(false);
    przejmij_ = stacja->addAction(QStringLiteral("&Przejmij grę"), QKeySequence(Qt::CTRL | Qt::Key_P), this,
                                  &TOknoStacji::PrzejmijGre);
    przejmij_->setObjectName("Przejmijgre1");
    przejmij_->setVisible(false);
    stacja->addSeparator();
    stacja->addAction(QStringLiteral("&Zamknij"), this, &QWidget::close);
    polecenia_ = menuBar()->addMenu(QStringLiteral("&Polecenia"));
    connect(polecenia_, &QMenu::aboutToShow, this, [this] {
        polecenia_->clear();
        sym_.Wstrzymany = true;
        OdswiezPauze();
        auto pozycje = menuPociagu_.Polecenia();
        DodajPozycje(polecenia_, pozycje, {"commands"});
        if (!polecenia_->actions().isEmpty())
            polecenia_->actions().first()->setShortcut(QKeySequence(Qt::Key_F9));
        polecenia_->addSeparator();
        QAction* rada = polecenia_->addAction(QStringLiteral("&Podpowiedź"), this, &TOknoStacji::PokazPodpowiedz);
        rada->setShortcut(QKeySequence(Qt::Key_F2));
        // The window's own shortcut does the work; this one only shows it.
        rada->setShortcutContext(Qt::WidgetShortcut);
        QMenu* automat = polecenia_->addMenu(QStringLiteral("Dyżurny &automatyczny"));
        automat->setFont(polecenia_->font());
        for (const auto& [w, cb] : cbAuto_) {
            QAction* a = automat->addAction(cb->text());
            a->setCheckable(true);
            a->setChecked(cb->isChecked());
            const std::string wlot = w;
            connect(a, &QAction::triggered, this, [this, wlot](bool on) { WlaczDyspozytora(wlot, on); });
        }
    });
    connect(polecenia_, &QMenu::aboutToHide, this, [this] {
        sym_.Wstrzymany = false;
        OdswiezPauze();
    });
    auto* zwolnij = new QShortcut(QKeySequence(Qt::Key_F9), this);
    connect(zwolnij, &QShortcut::activated, this, [this] {
        if (sym_.Stacja().Znajdz<TSpecialPunktButton>("bZerwij") != nullptr)
            sym_.Akt({"press", "bZerwij"});
        OdswiezWszystko();
    });
    QMenu* info = menuBar()->addMenu(QStringLiteral("&Informacje"));
    QAction* rozklad = info->addAction(QStringLiteral("&Rozkład jazdy..."), QKeySequence(Qt::CTRL | Qt::Key_R), this,
                                       &TOknoStacji::PokazRozkladJazdy);
    rozklad->setObjectName("Rozkadjazdy1");
    info->addAction(QStringLiteral("Raport &dnia..."), this, [this] { PokazRaportDnia(false); })->setObjectName("Raportdnia1");
    QAction* miniony = info->addAction(QStringLiteral("Raport mi&nionego dnia..."), this, [this] { PokazRaportDnia(true); });
    miniony->setObjectName("Raportminionegodnia1");
    // Only once a day has ended at midnight.
    connect(info, &QMenu::aboutToShow, this, [this, miniony] { miniony->setEnabled(sym_.Raporty().Miniony() != nullptr); });
    miniony->setEnabled(false);
    info->addSeparator();
    const auto pomoc = [this](const char* plik) { PokazPomoc(this, QString::fromUtf8(plik)); };
    info->addAction(QStringLiteral("Opis &manewrów"), this, [pomoc] { pomoc("manewry.htm"); })
        ->setObjectName("Instrukcjamanewrw1");
    // F1, the program's help request, as in the start window; the menu shows it.
    info->addAction(QStringLiteral("&Instrukcja obsługi"), QKeySequence(Qt::Key_F1), this, [pomoc] { pomoc("drelinko.htm"); })
        ->setObjectName("Instrukcjaobsugi1");
    info->addSeparator();
    info->addAction(QStringLiteral("&O programie..."), QKeySequence(Qt::CTRL | Qt::Key_F1), this,
                    [this] { PokazOProgramie(this); })
        ->setObjectName("Oprogramie1");
}

void TOknoStacji::DodajPozycje(QMenu* menu, const std::vector<TPozycjaMenu>& pozycje,
                               const std::vector<std::string>& akt)
{
    for (const auto& p : pozycje) {
        if (!p.Visible)
            continue;
        if (p.Separator()) {
            menu->addSeparator();
            continue;
        }
        QString tekst = Q(p.Caption);
        std::vector<std::string> slowa = akt;
        slowa.push_back(NazwaPozycji(pozycje, p));
        if (p.Podmenu) {
            QMenu* pod = menu->addMenu(tekst);
            pod->setFont(menu->font());
            pod->setEnabled(p.Enabled && !p.Submenu.empty());
            DodajPozycje(pod, p.Submenu, slowa);
            continue;
        }
        QAction* a = menu->addAction(tekst);
        a->setEnabled(p.Enabled);
        if (p.Checked || p.Radio) {
            a->setCheckable(true);
            a->setChecked(p.Checked);
        }
        if (p.Radio) {
            // A menu draws a bullet for an item of an exclusive group and a check mark otherwise;
            // an exclusive group of its own gives each radio item its bullet without unchecking the
            // others.
            auto* grupa = new QActionGroup(menu);
            grupa->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
            grupa->addAction(a);
        }
        if (p.Default)
            menu->setDefaultAction(a);
        connect(a, &QAction::triggered, this, [this, slowa] {
            sym_.Akt(slowa);
            OdswiezWszystko();
        });
    }
}

QMenu* TOknoStacji::ZbudujMenu(TElement* element)
{
    if (!menuPociagu_.Otworz(dynamic_cast<TPunkt*>(element)))
        return nullptr;
    auto* menu = new QMenu(this);
    menu->setObjectName("pmPociag");
    UstawCzcionkeMenu(menu, skala_);
    DodajPozycje(menu, menuPociagu_.Pozycje(), {"menu", element->Name});
    return menu;
}

void TOknoStacji::OtworzMenu(TElement* element, QPoint gdzie)
{
    QMenu* menu = ZbudujMenu(element);
    if (menu == nullptr)
        return;
    // The trains do not move under an open menu.
    sym_.Wstrzymany = true;
    OdswiezPauze();
    menu->exec(gdzie);
    sym_.Wstrzymany = false;
    OdswiezPauze();
    menu->deleteLater();
    OdswiezWszystko();
}

void TOknoStacji::PokazRozkladJazdy()
{
    // The window loses the focus to the dialog, which alone stops the ticks; the flag makes sure
    // of it on platforms that do not tell about the focus.
    const bool wstrzymany = sym_.Wstrzymany;
    sym_.Wstrzymany = true;
    OdswiezPauze();
    {
        TeRozklad eRozklad(sym_.Rozklad(), WlotyStacji(sym_.Stacja()), this);
        eRozklad.UstawSkale(skala_);
        eRozklad.exec();
    }
    sym_.ZapiszZmianeRozkladu();
    sym_.Wstrzymany = wstrzymany;
    // The focus comes back here, so that the trains run on, also where no window manager returns it.
    activateWindow();
    OdswiezWszystko();
}

void TOknoStacji::PokazRaportDnia(bool miniony)
{
    const TRaportDnia* dzien = miniony ? sym_.Raporty().Miniony() : &sym_.Raporty().Biezacy();
    if (dzien == nullptr)
        return;
    // As with the timetable: the trains wait while the report is read.
    const bool wstrzymany = sym_.Wstrzymany;
    sym_.Wstrzymany = true;
    OdswiezPauze();
    std::optional<std::uint32_t> pokaz;
    {
        TOknoRaportu raport(*dzien, miniony ? QStringLiteral("Raport minionego dnia") : QStringLiteral("Raport dnia"), this);
        raport.UstawSkale(skala_);
        raport.UstawPokazWZapisie(static_cast<bool>(OnPokazWZapisie) && !sym_.Odtwarzana());
        raport.exec();
        pokaz = raport.PociagDoPokazania();
    }
    sym_.Wstrzymany = wstrzymany;
    activateWindow();
    OdswiezWszystko();
    if (pokaz)
        PokazWZapisieRaportu(*pokaz);
}

bool TOknoStacji::Aktywne() const
{
    return isActiveWindow() && QApplication::applicationState() == Qt::ApplicationActive;
}

void TOknoStacji::Tyknij()
{
    if (sym_.Odtwarzana()) {
        std::string blad;
        const std::size_t akty = sym_.OdtworzoneAkty();
        if (!pauzaOdtwarzania_ && !sym_.KrokOdtwarzania(blad)) {
            if (podglad_) {
                // A moment only looked at stands at the end of its record: the game goes on in its own window.
                pauzaOdtwarzania_ = true;
                UkryjPodpowiedz();
                const QSignalBlocker b(bStop_);
                bStop_->setChecked(true);
                lbNazwa_->setText(blad.empty() ? QStringLiteral("Koniec zapisu: tu jest teraz twoja gra.")
                                               : QStringLiteral("Odtwarzanie zapisu przerwane: %1").arg(Q(blad)));
                OdswiezPauze();
                return;
            }
            // The end of the record, or a line that does not replay: the player goes on from here.
            if (!blad.empty())
                QMessageBox::warning(this, windowTitle(),
                                     QStringLiteral("Odtwarzanie zapisu przerwane.\n%1").arg(Q(blad)));
            PrzejmijGre();
            return;
        }
        // A replayed act repaints everything, as the player's own click does; a plain tick only
        // what it changed, as in a game played.
        if (sym_.OdtworzoneAkty() != akty)
            OdswiezWszystko();
        else
            OdswiezZmienione();
        return;
    }
    sym_.OknoAktywne = Aktywne();
    sym_.Wykonaj([this] { sym_.Tyknij(); });
    if (lekcja_ != nullptr)
        lekcja_->Sprawdz();
    OdswiezZmienione();
}

void TOknoStacji::UstawLekcje(TPrzebiegLekcji* lekcja, std::function<void()> odNowa)
{
    lekcja_ = lekcja;
    panelLekcji_ = new TPanelLekcji(*lekcja);
    zakladkiDziennika_->insertTab(0, panelLekcji_, QStringLiteral("Lekcja"));
    zakladkiDziennika_->setCurrentIndex(0);
    lekcja->OnKrok = [this](std::size_t, const TKrokLekcji&) { panelLekcji_->Odswiez(); };
    lekcja->OnKoniec = [this] { panelLekcji_->Odswiez(); };
    lekcja->OnWyjasnienie = [this](const std::string& t) {
        panelLekcji_->PokazWyjasnienie(Q(t));
        zakladkiDziennika_->setCurrentWidget(panelLekcji_);
    };
    connect(panelLekcji_, &TPanelLekcji::odNowa, this, [this, odNowa] {
        if (odNowa)
            odNowa();
        close();
    });
    connect(panelLekcji_, &TPanelLekcji::zakoncz, this, &QWidget::close);
    setWindowTitle(windowTitle() + QStringLiteral(" - lekcja"));
}

void TOknoStacji::OdswiezEtykiety()
{
    // A label given the text it shows already would still be laid out and repainted.
    const auto ustaw = [](QLabel* etykieta, const QString& tekst) {
        if (etykieta->text() != tekst)
            etykieta->setText(tekst);
    };
    ustaw(lbScore_, QString::number(sym_.Dziennik().Score()));
    const QColor kolorScore = NaQColor(sym_.Dziennik().KolorScore());
    if (pScore_->palette().color(QPalette::Window) != kolorScore) {
        QPalette paleta = pScore_->palette();
        paleta.setColor(QPalette::Window, kolorScore);
        pScore_->setPalette(paleta);
    }
    lbCzas_->UstawTekst(Q(sym_.EtykietaCzasu()));
    lbCzasSek_->UstawTekst(Q(sym_.EtykietaSekund()));
    if (!sym_.LicznikPociagow().empty())
        ustaw(lbIloscPoc_, Q(sym_.LicznikPociagow()));
    status_[2]->UstawTekst(Q(sym_.StatusCzasBiezacy));
    // The clock as it is now, also after a click on it while the ticks stand.
    status_[3]->UstawTekst(Q(CzasHHMMSS(sym_.CzasSymulacji)));
    OdswiezPauze();
}

QString TOknoStacji::Pauza() const
{
    return PowodPauzy(sym_.Stop || pauzaOdtwarzania_, sym_.Wstrzymany, Aktywne());
}

void TOknoStacji::OdswiezPauze()
{
    const QString powod = Pauza();
    if (powod == panel1_->toolTip() && panel1_->property("pauza").isValid())
        return;
    // Orange while the clock runs, grey while it stands; the tooltip tells why. Colours by palette
    // (the labels take the panel's) rather than a style sheet, which made every repaint of the
    // ticking labels several times dearer.
    panel1_->setProperty("pauza", !powod.isEmpty());
    QPalette paleta = panel1_->palette();
    paleta.setColor(QPalette::Window, powod.isEmpty() ? QColor(0xFF, 0x80, 0x00) : QColor(0xA0, 0x9A, 0x90));
    paleta.setColor(QPalette::WindowText, powod.isEmpty() ? QColor(Qt::white) : QColor(0xF4, 0xF4, 0xF4));
    panel1_->setPalette(paleta);
    panel1_->setToolTip(powod);
    lbCzas_->setToolTip(powod);
    lbCzasSek_->setToolTip(powod);
}

void TOknoStacji::OdswiezWszystko()
{
    doOdswiezenia_ = false;
    zmienione_.clear();
    diagram_->update();
    diagram_->OdswiezEtykiety();
    for (auto* p : przyciski_)
        p->update();
    zegar_->update();
    OdswiezEtykiety();
    pociagi_->Odswiez();
}

void TOknoStacji::OdswiezZmienione()
{
    doOdswiezenia_ = false;
    if (!zmienione_.empty()) {
        // Through the station's own list, so that a component removed meanwhile is never touched.
        for (const auto& k : sym_.Stacja().Komponenty()) {
            if (!zmienione_.count(k.get()))
                continue;
            if (k->Kontener == TKomponent::Diagram)
                diagram_->OdswiezKomponent(*k);
            for (auto* p : przyciski_)
                if (&p->Przycisk() == k.get())
                    p->update();
            // The buttons that show an element draw its state and its fault count.
            for (const auto& [przycisk, widok] : przyciskiElementow_)
                if (static_cast<const TKomponent*>(przycisk->ElementPrzycisku()) == k.get())
                    widok->update();
        }
        zmienione_.clear();
    }
    zegar_->Odswiez();
    diagram_->OdswiezEtykiety();
    OdswiezEtykiety();
    // The train list redraws only its cells that changed.
    pociagi_->Odswiez();
}

void TOknoStacji::UstawKolorOkna(const QColor& kolor)
{
    kolorOkna_ = kolor;
    sym_.Stacja().KolorOkna = TKolor(static_cast<std::uint8_t>(kolor.red()), static_cast<std::uint8_t>(kolor.green()),
                                     static_cast<std::uint8_t>(kolor.blue()));
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, kolor);
    setPalette(paleta);
    UstawKolorZakladek(kolor);
    OdswiezWszystko();
}

void TOknoStacji::UstawKolorZakladek(const QColor& kolor)
{
    // The tab control takes the window's colour for its pages and inactive tabs; the chosen tab
    // stands out a little lighter.
    pcInfo1_->setStyleSheet(QStringLiteral("QTabWidget::tab-bar { alignment: right; }"
                                           " QTabBar::tab { min-width: 72px; padding: 3px 4px; border: 1px solid %2;"
                                           " border-top: none; background: %1; }"
                                           " QTabBar::tab:selected { background: %3; font-weight: bold; }"
                                           " QTabWidget::pane { background: %1; border: none; }")
                                .arg(kolor.name(), kolor.darker(130).name(), kolor.lighter(108).name()));
}

bool TOknoStacji::event(QEvent* e)
{
    if (e->type() == QEvent::Close) {
        // The game is kept as it stands when the player closes the window, before whatever
        // handles the closing lets events through (a progress window painted), and with them ticks.
        Zachowaj();
        const bool zamkniete = QMainWindow::event(e) && e->isAccepted();
        if (!zamkniete && pokazane_)
            timer_->start();
        return true;
    }
    // The hints of the window's own controls go to the hint line, as the elements' do.
    if (e->type() == QEvent::StatusTip) {
        const QString tekst = static_cast<QStatusTipEvent*>(e)->tip();
        if (!tekst.isEmpty() && lbNazwa_->text() != tekst)
            lbNazwa_->setText(tekst);
        return true;
    }
    return QMainWindow::event(e);
}

void TOknoStacji::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    UstawSkaleOkna(SkalaDlaRozmiaru(size(), RozmiarProjektu));
    UlozPodzial();
}

double TOknoStacji::SkalaPierwszegoStartu(const QScreen& ekran)
{
    return SkalaDlaEkranu(ekran.availableGeometry().size(), RozmiarProjektu);
}

void TOknoStacji::OdswiezSzybkosc()
{
    lbSzybkosc_->setText(QStringLiteral("szybkość %1×").arg(rxSl_->value()));
}

void TOknoStacji::UstawSkaleOkna(double skala)
{
    if (skala == skala_)
        return;
    // The least size stays the design's, as the layout had it before anything grew: a window made
    // smaller again is let go smaller, and the scale follows it down.
    if (layout()->sizeConstraint() != QLayout::SetNoConstraint) {
        const QSize najmniejszy = minimumSizeHint();
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
        setMinimumSize(najmniejszy);
    }
    skala_ = skala;
    // Every font follows from the window's own, which the widgets without a font of their own take.
    const QFont czcionka = NaQFont(TCzcionka{});
    setFont(PrzeskalowanaCzcionka(czcionka, skala));
    UstawCzcionkeOpcji();
    // A widget styled by a style sheet takes the application's font rather than the window's, and
    // keeps the one it was polished with: it is given its own at the scale.
    bStop_->setFont(PrzeskalowanaCzcionka(QApplication::font(bStop_), skala));
    bPodpowiedz_->setFont(PrzeskalowanaCzcionka(QApplication::font(bPodpowiedz_), skala));
    bStop_->setStyleSheet(StylStop(skala));
    pcInfo1_->tabBar()->setFont(PrzeskalowanaCzcionka(QApplication::font(pcInfo1_->tabBar()), skala));
    const QFont duza = PrzeskalowanaCzcionka(CzcionkaDuza(czcionka), skala);
    lbScore_->setFont(duza);
    lbCzas_->setFont(duza);
    lbIloscPoc_->setFont(PrzeskalowanaCzcionka(CzcionkaMala(czcionka), skala));
    panelinfo_->setFixedHeight(static_cast<int>(std::lround(WysokoscPaneluInfo * skala)));
    zegar_->UstawSkale(skala);
    for (QAction* a : menuBar()->actions())
        if (a->menu() != nullptr)
            UstawCzcionkeMenu(a->menu(), skala);
    for (TPrzyciskWidok* b : przyciski_)
        b->UstawSkale(skala);
    UstawRozmiaryStale();
}

void TOknoStacji::UstawCzcionkeOpcji()
{
    // The pages sit in a tab widget styled by a style sheet: its widgets would keep the application's
    // font rather than take the window's, and keep it when the window's changes.
    for (QWidget* w : opcje_->findChildren<QWidget*>())
        w->setFont(font());
}

void TOknoStacji::UstawRozmiaryStale()
{
    // The clock's labels are sized as a label of any time would be in their fonts (the digits are
    // all of a width), so that a new time never lays the window out again.
    for (auto [etykieta, wzorzec] : {std::pair{lbCzas_, "00:00"}, std::pair{lbCzasSek_, ":00"}}) {
        etykieta->ensurePolished();
        // A label's size hint is never below its minimum: the size fixed at another scale goes first.
        etykieta->setMinimumSize(0, 0);
        etykieta->QLabel::setText(QString::fromLatin1(wzorzec));
        etykieta->setFixedSize(etykieta->QLabel::sizeHint());
        etykieta->QLabel::setText(QString());
    }
    // As wide as its longest text, so that no count is cut at the window's edge.
    const QFontMetrics m(lbIloscPoc_->font());
    int szerokosc = 0;
    for (const char* t : {"żadnych pociągów w obrębie stacji", "88 pociągów w obrębie stacji", "88 pociągi w obrębie stacji"})
        szerokosc = std::max(szerokosc, m.horizontalAdvance(QString::fromUtf8(t)));
    lbIloscPoc_->setMinimumWidth(szerokosc + 4);
    // As wide as at the fastest, so that moving the slider never lays the row out again.
    lbSzybkosc_->setMinimumWidth(lbSzybkosc_->fontMetrics().horizontalAdvance(QStringLiteral("szybkość 100×")) + 4);
    // A line at the least: at the design size the diagram needs every pixel of the rest.
    dziennik_->setMinimumHeight(dziennik_->fontMetrics().lineSpacing() + 4);
    pociagi_->setMinimumHeight(dziennik_->minimumHeight());
    const int szerokosci[] = {50, 90, 50, 50, 150, 50};
    for (std::size_t i = 0; i < status_.size(); ++i)
        status_[i]->setMinimumWidth(static_cast<int>(std::lround(szerokosci[i] * skala_)));
    // The status bar fits its height to its labels only when asked to lay itself out again.
    QCoreApplication::postEvent(statusBar(), new QEvent(QEvent::LayoutRequest));
}

void TOknoStacji::UlozPodzial()
{
    // By now the layout has given the splitter its new height; share it out.
    const int razem = splitter_->height() - splitter_->handleWidth();
    if (razem <= 0)
        return;
    int dziennik = 0;
    if (udzialDziennika_ >= 0) {
        dziennik = static_cast<int>(std::lround(razem * udzialDziennika_));
    } else {
        // The diagram gets the height it fills at the zoom its width allows; the journal the rest,
        // never less than in the window's design size, unless that would leave the diagram short of
        // its own size and scrolling: then it gives up what the diagram lacks, down to its least.
        // Worked out from the parts' own sizes: before the window first shows they are not laid out.
        const QWidget* gora = splitter_->widget(0);
        const int staleWGorze = gora->minimumSizeHint().height() - scb_->minimumHeight();
        const double powiekszenie = diagram_->PowiekszenieDla(QSize(splitter_->width(), 1 << 20));
        const int wlasny = static_cast<int>(std::ceil(diagram_->sizeHint().height() / diagram_->Powiekszenie()));
        const int rysunek = static_cast<int>(std::ceil(wlasny * powiekszenie));
        const int najmniej = std::min(static_cast<int>(std::lround(domyslne::Dziennik * skala_)),
                                      razem - staleWGorze - wlasny - 2 * scb_->frameWidth());
        dziennik = std::max(najmniej, razem - staleWGorze - rysunek);
    }
    // While the Plan tab is chosen the journal gives it the height its rows need, up to half.
    if (zakladkiDziennika_->currentWidget() == plan_)
        dziennik = std::max(dziennik, std::min(plan_->WysokoscCala() + zakladkiDziennika_->tabBar()->sizeHint().height(),
                                               razem / 2));
    // The journal's share holds its tabs too.
    const int najmniejDziennik = splitter_->widget(1)->minimumSizeHint().height();
    dziennik = std::clamp(dziennik, najmniejDziennik,
                          std::max(najmniejDziennik, razem - splitter_->widget(0)->minimumSizeHint().height()));
    splitter_->setSizes({razem - dziennik, dziennik});
}

void TOknoStacji::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange)
        OdswiezPauze();
}

bool TOknoStacji::eventFilter(QObject* obiekt, QEvent* e)
{
    if (obiekt == scb_ && (e->type() == QEvent::Resize || e->type() == QEvent::Show))
        diagram_->UstawObszar(scb_->maximumViewportSize());
    // The splitter's height changes with the window and with the scale (the status bar's font).
    if (obiekt == splitter_ && e->type() == QEvent::Resize)
        UlozPodzial();
    if (obiekt == lbCzas_ && e->type() == QEvent::MouseButtonPress) {
        sym_.Akt({"clock", "click"});
        OdswiezEtykiety();
    } else if (obiekt == lbCzas_ && e->type() == QEvent::MouseButtonDblClick) {
        sym_.Akt({"clock", "dblclick"});
        OdswiezEtykiety();
    } else if (obiekt == diagram_ && e->type() == QEvent::MouseMove) {
        // The hint line follows the element under the mouse.
        const auto* ruch = static_cast<QMouseEvent*>(e);
        const TElement* element = diagram_->ElementPod(ruch->position().toPoint());
        const QString hint = element != nullptr ? Q(element->Hint) : QString();
        if (element != nullptr && lbNazwa_->text() != hint)
            lbNazwa_->setText(hint);
    }
    return QMainWindow::eventFilter(obiekt, e);
}

void TOknoStacji::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (pokazane_)
        return;
    pokazane_ = true;
    wczytaj_->setVisible(static_cast<bool>(OnWczytajGre));
    przejmij_->setVisible(sym_.Odtwarzana() && !podglad_);
    zapiszGre_->setVisible(!podglad_);
    dziennik_->UstawPokazWZapisie(static_cast<bool>(OnPokazWZapisie) && !sym_.Odtwarzana());
    if (sym_.Odtwarzana())
        setWindowTitle(windowTitle() + QStringLiteral(" - odtwarzanie zapisu"));
    // A loaded game has started already; a game played back starts with its record.
    if (!sym_.Pokazane() && !sym_.Odtwarzana())
        sym_.Akt({"start"});
    OdswiezDyspozytora();
    PokazStanGry();
    if (podglad_) {
        const QSignalBlocker b(bStop_);
        bStop_->setChecked(pauzaOdtwarzania_);
        OdswiezPauze();
    }
    sym_.Stacja().OdtwarzajDzwieki = cbDzwieki_->isChecked();
    zegar_->setVisible(cbZegar_->isChecked());
    sym_.Stacja().EtykietyPociagow = cbEtykiety_->isChecked();
    UstawKolorOkna(kolorOkna_);
    // The place the window opens at, stored or not, is not a change of the player's. Its size is
    // known now; its position only once the frame is added, after the event loop's turn.
    rozmiarPrzyPokazaniu_ = size();
    stanPrzyPokazaniu_ = windowState();
    QTimer::singleShot(0, this, [this] { polozeniePrzyPokazaniu_ = pos(); });
    timer_->start();
}

void TOknoStacji::Zachowaj()
{
    timer_->stop();
    sym_.Zamknij();
    // A game only watched (the demo, a playback) is not the player's: the kept game and the window's
    // settings stay as the player's own games left them.
    if (!sym_.GraGracza())
        return;
    Zapisz();
    // The game is kept for "Wznów ostatnią grę"; a failure is told, never passed over.
    std::string blad;
    if (sym_.Pokazane() && !sym_.ZapiszGre(QFile::encodeName(PlikAutozapisu()).toStdString(), blad))
        OstrzezPrzedWszystkim(QStringLiteral("Nie udało się zachować gry do wznowienia.\n%1").arg(Q(blad)));
}

void TOknoStacji::closeEvent(QCloseEvent* e) { QMainWindow::closeEvent(e); }

void TOknoStacji::OstrzezPrzedWszystkim(const QString& tekst)
{
    // The progress window stands on top of every window: it would cover the box and its cause.
    TOknoPostepu& postep = OknoPostepu();
    const bool widoczny = postep.isVisible();
    const QString poprzedni = postep.Tekst();
    postep.Ukryj();
    QMessageBox okno(QMessageBox::Warning, windowTitle(), tekst, QMessageBox::Ok, this);
    okno.setObjectName("ostrzezenie");
    okno.setWindowFlag(Qt::WindowStaysOnTopHint);
    okno.exec();
    if (widoczny)
        postep.Pokaz(poprzedni);
}

// The speed and STOP of the game as it stands: a loaded one shows them as they were.
void TOknoStacji::PokazStanGry()
{
    {
        const QSignalBlocker s1(rxSl_), s2(bStop_);
        rxSl_->setValue(std::max(1, sym_.Szybkosc()));
        OdswiezSzybkosc();
        bStop_->setChecked(sym_.Stop);
        // An advice on the line stays till the player acts.
        if (!sym_.LinijkaPodpowiedzi.empty() && !podpowiedz_)
            lbNazwa_->setText(Q(sym_.LinijkaPodpowiedzi));
    }
    timer_->setInterval(sym_.Interwal());
    OdswiezPauze();
}

void TOknoStacji::PrzejmijGre()
{
    if (!sym_.Odtwarzana() || podglad_)
        return;
    sym_.Przejmij();
    // The game goes on at the speed it was watched at, as the player's own act.
    if (rxSl_->value() != sym_.Szybkosc())
        sym_.Akt({"speed", std::to_string(rxSl_->value())});
    pauzaOdtwarzania_ = false;
    przejmij_->setVisible(false);
    setWindowTitle(windowTitle().remove(QStringLiteral(" - odtwarzanie zapisu")));
    PokazStanGry();
    OdswiezWszystko();
}

void TOknoStacji::PokazPodpowiedz()
{
    UkryjPodpowiedz();
    if (sym_.Odtwarzana() || !sym_.Pokazane())
        return;
    const TPodpowiedz p = lekcja_ != nullptr ? lekcja_->Podpowiedz() : Podpowiedz(sym_);
    PokazRade(p, QStringLiteral("Podpowiedź: ") + Q(p.Powod));
}

void TOknoStacji::UstawPodglad(const TPodpowiedz& rada, const QString& wstep)
{
    podglad_ = true;
    // It opens standing, for the player to read first; STOP sets it going.
    pauzaOdtwarzania_ = true;
    PokazRade(rada, wstep + QStringLiteral("Podpowiedź: ") + Q(rada.Powod));
}

void TOknoStacji::PokazWZapisieRaportu(std::uint32_t pociag)
{
    std::size_t linia = 0;
    if (LiniaKaryPociagu(sym_, pociag, linia))
        OnPokazWZapisie(linia);
    else
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("W dzienniku nie ma już kary tego pociągu: wyczyszczono go."));
}

void TOknoStacji::PokazRade(const TPodpowiedz& p, const QString& tekst)
{
    podpowiedz_ = true;
    // From its start, where what to do stands; the rest may run past a narrow window's edge and is
    // in the tooltip whole.
    lbNazwa_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbNazwa_->setText(tekst);
    lbNazwa_->setToolTip(lbNazwa_->text());
    if (!p.Element.empty())
        if (TKomponent* e = sym_.Stacja().Znajdz(p.Element); e != nullptr && e->Kontener == TKomponent::Diagram) {
            elementPodpowiedzi_ = e;
            sym_.Stacja().Wyroznienia().Mignij(e, KolorPodpowiedzi, CzasPodpowiedziMs);
        }
    for (TPrzyciskWidok* w : przyciski_)
        if (!p.Przycisk.empty() && w->Przycisk().Name == p.Przycisk) {
            przyciskPodpowiedzi_ = w;
            w->UstawWyroznienie(true);
            // Its page in sight, unless the element on the diagram already shows where to click.
            for (int i = 0; i < pcInfo1_->count() && elementPodpowiedzi_ == nullptr; ++i)
                if (pcInfo1_->widget(i)->isAncestorOf(w))
                    pcInfo1_->setCurrentIndex(i);
        }
    diagram_->update();
}

void TOknoStacji::UkryjPodpowiedz()
{
    if (!podpowiedz_)
        return;
    podpowiedz_ = false;
    if (elementPodpowiedzi_ != nullptr) {
        sym_.Stacja().Wyroznienia().Zapomnij(elementPodpowiedzi_);
        elementPodpowiedzi_ = nullptr;
        diagram_->update();
    }
    if (przyciskPodpowiedzi_ != nullptr) {
        przyciskPodpowiedzi_->UstawWyroznienie(false);
        przyciskPodpowiedzi_ = nullptr;
    }
    lbNazwa_->setToolTip(QString());
    lbNazwa_->setAlignment(Qt::AlignCenter);
    if (!sym_.LinijkaPodpowiedzi.empty())
        lbNazwa_->setText(Q(sym_.LinijkaPodpowiedzi));
}

QString TOknoStacji::PlikAutozapisu() { return Q(KatalogDanych() + "ostatnia.gra"); }

QString TOknoStacji::PlikDoZapisu()
{
    return QFileDialog::getSaveFileName(this, QStringLiteral("Zapisz grę"), Q(KatalogDanych()),
                                        QStringLiteral("Zapis gry (*.gra)"));
}

QString TOknoStacji::PlikDoWczytania()
{
    return QFileDialog::getOpenFileName(this, QStringLiteral("Wczytaj grę"), Q(KatalogDanych()),
                                        QStringLiteral("Zapis gry (*.gra);;Wszystkie pliki (*)"));
}

bool TOknoStacji::ZapiszGre()
{
    QString plik = PlikDoZapisu();
    if (plik.isEmpty())
        return false;
    if (!plik.contains('.'))
        plik += QStringLiteral(".gra");
    std::string blad;
    if (!sym_.ZapiszGre(QFile::encodeName(plik).toStdString(), blad)) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("Nie udało się zapisać gry.\n%1").arg(Q(blad)));
        return false;
    }
    return true;
}

void TOknoStacji::WczytajGre()
{
    if (!OnWczytajGre)
        return;
    const QString plik = PlikDoWczytania();
    if (!plik.isEmpty() && OnWczytajGre(plik))
        close();
}

// Every stored value goes through the one settings layer: a bad one reads as its default. Only a
// value the player has changed since is written when the window closes, so a bad value stays as
// it is rather than being replaced by a default the player never chose.
void TOknoStacji::Wczytaj()
{
    const std::string geometria = ustawienia_.Dane(ustawienia::Geometria);
    if (geometria.empty() || !restoreGeometry(QByteArray(geometria.data(), static_cast<qsizetype>(geometria.size())))) {
        // The first start: the design at the scale the screen suits, in the middle of it.
        if (const QScreen* ekran = screen()) {
            resize(Przeskalowany(RozmiarProjektu, SkalaPierwszegoStartu(*ekran)));
            move(ekran->availableGeometry().center() - QPoint(width() / 2, height() / 2));
        }
    }
    udzialDziennika_ = ustawienia_.Rzeczywiste(ustawienia::UdzialDziennika);
    pcInfo1_->setCurrentIndex(ustawienia_.Calkowite(ustawienia::Strona));
    kolorOkna_ = QColor::fromString(QString::fromStdString(ustawienia_.Tekst(ustawienia::KolorOkna)));
    cbDzwieki_->setChecked(ustawienia_.Logiczne(ustawienia::Dzwieki));
    cbZegar_->setChecked(ustawienia_.Logiczne(ustawienia::Zegar));
    cbEtykiety_->setChecked(ustawienia_.Logiczne(ustawienia::Etykiety));
    const double powiekszenie = ustawienia_.Rzeczywiste(ustawienia::Powiekszenie);
    if (powiekszenie > 0)
        diagram_->UstawPowiekszenie(powiekszenie);
    else
        diagram_->Dopasuj();
    for (const auto& [opis, wartosc] : Stan())
        wczytane_[opis] = wartosc;
}

std::vector<std::pair<const TOpisUstawienia*, std::string>> TOknoStacji::Stan() const
{
    return {
        {&ustawienia::UdzialDziennika, TekstLiczby(udzialDziennika_)},
        {&ustawienia::Strona, std::to_string(pcInfo1_->currentIndex())},
        {&ustawienia::KolorOkna, kolorOkna_.name().toStdString()},
        {&ustawienia::Dzwieki, cbDzwieki_->isChecked() ? "true" : "false"},
        {&ustawienia::Zegar, cbZegar_->isChecked() ? "true" : "false"},
        {&ustawienia::Etykiety, cbEtykiety_->isChecked() ? "true" : "false"},
        {&ustawienia::Powiekszenie, TekstLiczby(diagram_->Dopasowane() ? 0.0 : diagram_->Powiekszenie())},
    };
}

void TOknoStacji::Zapisz()
{
    for (const auto& [opis, wartosc] : Stan()) {
        std::string& wczytana = wczytane_[opis];
        if (wartosc != wczytana && ustawienia_.Zapisz(*opis, wartosc))
            wczytana = wartosc;
    }
    const bool przesuniete = polozeniePrzyPokazaniu_ && pos() != *polozeniePrzyPokazaniu_;
    if (pokazane_ && (size() != rozmiarPrzyPokazaniu_ || windowState() != stanPrzyPokazaniu_ || przesuniete)) {
        const QByteArray geometria = saveGeometry();
        if (ustawienia_.ZapiszDane(ustawienia::Geometria,
                                   std::string_view(geometria.constData(), static_cast<std::size_t>(geometria.size())))) {
            rozmiarPrzyPokazaniu_ = size();
            stanPrzyPokazaniu_ = windowState();
            polozeniePrzyPokazaniu_ = pos();
        }
    }
}

void TOknoStacji::WlaczDyspozytora(const std::string& wlot, bool wlaczony)
{
    // Through the player's way in, so that the game's record has it.
    std::vector<std::string> akt{"auto", wlaczony ? "on" : "off"};
    if (!wlot.empty())
        akt.push_back(wlot);
    sym_.Akt(akt);
    OdswiezDyspozytora();
}

void TOknoStacji::OdswiezDyspozytora()
{
    TAutomatycznyDyspozytor& d = sym_.Dyspozytor();
    for (const auto& [w, cb] : cbAuto_)
        cb->setChecked(w.empty() ? d.WlaczonyDlaWszystkich() : d.Wlaczony(w));
    const TUtrudnienia& u = sym_.Utrudnienia();
    QString tekst = QStringLiteral("Utrudnienia dnia: %1 (%2)").arg(u.Poziom).arg(QString::fromUtf8(NazwaPoziomu(u.Poziom)));
    // The seed is the game's once it has started.
    if (u.Poziom > 0 && sym_.Pokazane())
        tekst += QStringLiteral(", ziarno %1").arg(u.Ziarno);
    lbUtrudnienia_->setText(tekst + QLatin1Char('.'));
}
