#include "ui/okno_stacji.h"

#include "interlocking/przyciski.h"
#include "simulation/okno_rozkladu.h"
#include "simulation/symulacja_stacji.h"
#include "station/upunkt.h"
#include "ui/diagram.h"
#include "ui/dziennik_widok.h"
#include "ui/o_programie.h"
#include "ui/okno_pomocy.h"
#include "ui/okno_rozkladu.h"
#include "ui/przycisk_widok.h"
#include "ui/qplotno.h"
#include "ui/zegar.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const Strony[][2] = {{"Szlak", "tsSzlak"},           {"Stacja", "tsStacja"},
                                 {"Rozkład", "Rozklad"},         {"Przebiegi", "tsPrzebiegi"},
                                 {"Sterowanie", "tsSterowanie"}};

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TOknoStacji::TOknoStacji(TSymulacjaStacji& symulacja, QWidget* rodzic)
    : QMainWindow(rodzic), sym_(symulacja), menuPociagu_(symulacja)
{
    setObjectName("eStacja");
    setWindowTitle("Drelinko 99");
    resize(742, 449);
    QFont czcionka = NaQFont(TCzcionka{});
    setFont(czcionka);

    // The information panel: the pages of buttons with the hint line, and the analog clock.
    auto* panelinfo = new QWidget;
    panelinfo->setObjectName("panelinfo");
    panelinfo->setFixedHeight(104);
    auto* panelinfo2 = new QWidget;
    panelinfo2->setObjectName("panelinfo2");
    pcInfo1_ = new QTabWidget;
    pcInfo1_->setObjectName("pcInfo1");
    pcInfo1_->setTabPosition(QTabWidget::South);
    pcInfo1_->setDocumentMode(true);
    pcInfo1_->setStyleSheet("QTabWidget::tab-bar { alignment: right; } QTabBar::tab { min-width: 72px; }"
                            " QTabBar::tab:!selected { background: #EFE4D1; }");
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
    auto* uOpcje = new QVBoxLayout(opcje);
    uOpcje->addWidget(bKolorOkna, 0, Qt::AlignLeft);
    uOpcje->addWidget(cbDzwieki_);
    uOpcje->addWidget(cbZegar_);
    uOpcje->addStretch();
    pcInfo1_->addTab(opcje, QStringLiteral("Opcje"));
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
    bStop_ = new QToolButton;
    bStop_->setObjectName("bStop");
    bStop_->setText("STOP");
    bStop_->setCheckable(true);
    bStop_->setToolTip(QStringLiteral("Wciśnij, aby zatrzymać symulację."));
    pScore_ = new QFrame;
    pScore_->setObjectName("pScore");
    pScore_->setAutoFillBackground(true);
    pScore_->setToolTip(QStringLiteral("pokazuje ilość zdobytych/straconych punktów"));
    lbScore_ = new QLabel(pScore_);
    lbScore_->setObjectName("lbScore");
    lbScore_->setAlignment(Qt::AlignCenter);
    QFont duza = czcionka;
    duza.setPointSize(12);
    duza.setBold(true);
    lbScore_->setFont(duza);
    lbScore_->setStyleSheet("color: white");
    auto* uScore = new QHBoxLayout(pScore_);
    uScore->setContentsMargins(8, 0, 8, 0);
    uScore->addWidget(lbScore_);
    auto* panel1 = new QFrame;
    panel1->setObjectName("Panel1");
    panel1->setStyleSheet("QFrame#Panel1 { background: #FF8000; } QLabel { color: white; }");
    lbCzas_ = new QLabel;
    lbCzas_->setObjectName("lbCzas");
    lbCzas_->setFont(duza);
    lbCzas_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbCzas_->installEventFilter(this);
    lbCzasSek_ = new QLabel;
    lbCzasSek_->setObjectName("lbCzasSek");
    auto* uCzas = new QHBoxLayout(panel1);
    uCzas->setContentsMargins(6, 0, 4, 0);
    uCzas->setSpacing(1);
    uCzas->addWidget(lbCzas_);
    uCzas->addWidget(lbCzasSek_, 0, Qt::AlignBottom);
    rxSl_ = new QScrollBar(Qt::Horizontal);
    rxSl_->setObjectName("rxSl");
    rxSl_->setRange(1, 100);
    rxSl_->setValue(TSymulacjaStacji::SzybkoscPoczatkowa);
    rxSl_->setToolTip(QStringLiteral("szybkość symulacji - im dalej w prawo, tym szybciej"));
    lbIloscPoc_ = new QLabel;
    lbIloscPoc_->setObjectName("lbIloscPoc");
    QFont mala = czcionka;
    mala.setPointSize(7);
    lbIloscPoc_->setFont(mala);
    auto* sterowanie = new QWidget;
    auto* uSter = new QHBoxLayout(sterowanie);
    uSter->setContentsMargins(2, 2, 2, 2);
    uSter->addWidget(bStop_);
    uSter->addWidget(pScore_);
    uSter->addWidget(panel1);
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
    splitter_ = new QSplitter(Qt::Vertical);
    splitter_->setObjectName("Splitter6");
    splitter_->addWidget(gora);
    splitter_->addWidget(dziennik_);
    splitter_->setStretchFactor(0, 1);
    splitter_->setSizes({361, 88});
    setCentralWidget(splitter_);

    const int szerokosci[] = {50, 90, 50, 50, 150, 50};
    const char* teksty[] = {"", "", "czas bieżący", "czas symulacji", "Info1", "Szerszy opis"};
    for (int i = 0; i < 6; ++i) {
        auto* l = new QLabel(QString::fromUtf8(teksty[i]));
        l->setMinimumWidth(szerokosci[i]);
        statusBar()->addWidget(l, i >= 4 ? 1 : 0);
        status_.push_back(l);
    }
    ZbudujMenuGlowne();

    // The engine tells; the window shows.
    sym_.Stacja().OnOdswiez = [this](TKomponent*) {
        if (!doOdswiezenia_) {
            doOdswiezenia_ = true;
            QTimer::singleShot(0, this, [this] { OdswiezWszystko(); });
        }
    };
    sym_.Dziennik().OnLinia = [this](const TLiniaDziennika& l) {
        dziennik_->Dodaj(l);
        if (!l.Porada) {
            status_[4]->setText(Q(l.Tekst));
            status_[5]->setText(Q(l.Opis));
        }
    };
    sym_.Dziennik().OnScore = [this](std::int32_t) { OdswiezEtykiety(); };
    sym_.OnPodpowiedz = [this](const std::string& t) {
        if (lbNazwa_->text() != Q(t))
            lbNazwa_->setText(Q(t));
    };
    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setInterval(sym_.Interwal());
    connect(timer_, &QTimer::timeout, this, &TOknoStacji::Tyknij);
    connect(bStop_, &QToolButton::toggled, this, [this](bool w) { sym_.Stop = w; });
    connect(rxSl_, &QScrollBar::valueChanged, this, [this](int p) {
        sym_.UstawSzybkosc(p);
        timer_->setInterval(sym_.Interwal());
    });
    connect(cbDzwieki_, &QCheckBox::toggled, this, [this](bool w) { sym_.Stacja().OdtwarzajDzwieki = w; });
    connect(cbZegar_, &QCheckBox::toggled, zegar_, &QWidget::setVisible);
    connect(bKolorOkna, &QPushButton::clicked, this, [this] {
        const QColor kolor = QColorDialog::getColor(kolorOkna_, this, QString(), QColorDialog::DontUseNativeDialog);
        if (kolor.isValid())
            UstawKolorOkna(kolor);
    });
    connect(diagram_, &TDiagram::menuPunktu, this, &TOknoStacji::OtworzMenu);
    connect(dziennik_, &TDziennikWidok::wyczyszczony, this, [this] { sym_.Dziennik().Wyczysc(); });
    diagram_->installEventFilter(this);
    for (QWidget* w : {static_cast<QWidget*>(bStop_), static_cast<QWidget*>(pScore_), static_cast<QWidget*>(rxSl_)})
        w->setStatusTip(w->toolTip());
    auto* plus = new QShortcut(QKeySequence::ZoomIn, this);
    connect(plus, &QShortcut::activated, this, [this] { diagram_->UstawPowiekszenie(diagram_->Powiekszenie() * 1.25); });
    auto* plus2 = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), this);
    connect(plus2, &QShortcut::activated, this, [this] { diagram_->UstawPowiekszenie(diagram_->Powiekszenie() * 1.25); });
    auto* minus = new QShortcut(QKeySequence::ZoomOut, this);
    connect(minus, &QShortcut::activated, this, [this] { diagram_->UstawPowiekszenie(diagram_->Powiekszenie() * 0.8); });
    auto* zero = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this);
    connect(zero, &QShortcut::activated, this, [this] { diagram_->UstawPowiekszenie(1.0); });
    kolorOkna_ = NaQColor(kolory::TloOkna);
    Wczytaj();
}

TOknoStacji::~TOknoStacji()
{
    sym_.Stacja().OnOdswiez = nullptr;
    sym_.Dziennik().OnLinia = nullptr;
    sym_.Dziennik().OnScore = nullptr;
    sym_.OnPodpowiedz = nullptr;
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
    }
    return strona;
}

void TOknoStacji::ZbudujMenuGlowne()
{
    QMenu* stacja = menuBar()->addMenu(QStringLiteral("&Stacja"));
    stacja->addAction(QStringLiteral("&Odśwież"), QKeySequence(Qt::Key_F5), this, [this] { OdswiezWszystko(); });
    stacja->addSeparator();
    stacja->addAction(QStringLiteral("&Zamknij"), this, &QWidget::close);
    polecenia_ = menuBar()->addMenu(QStringLiteral("&Polecenia"));
    connect(polecenia_, &QMenu::aboutToShow, this, [this] {
        polecenia_->clear();
        sym_.Wstrzymany = true;
        auto pozycje = menuPociagu_.Polecenia();
        DodajPozycje(polecenia_, pozycje);
        if (!polecenia_->actions().isEmpty())
            polecenia_->actions().first()->setShortcut(QKeySequence(Qt::Key_F9));
    });
    connect(polecenia_, &QMenu::aboutToHide, this, [this] { sym_.Wstrzymany = false; });
    auto* zwolnij = new QShortcut(QKeySequence(Qt::Key_F9), this);
    connect(zwolnij, &QShortcut::activated, this, [this] {
        if (auto* b = sym_.Stacja().Znajdz<TSpecialPunktButton>("bZerwij"))
            sym_.Wykonaj([b] { b->Click(); });
        OdswiezWszystko();
    });
    QMenu* info = menuBar()->addMenu(QStringLiteral("&Informacje"));
    QAction* rozklad = info->addAction(QStringLiteral("&Rozkład jazdy..."), QKeySequence(Qt::CTRL | Qt::Key_R), this,
                                       &TOknoStacji::PokazRozkladJazdy);
    rozklad->setObjectName("Rozkadjazdy1");
    info->addSeparator();
    const auto pomoc = [this](const char* plik) { PokazPomoc(this, QString::fromUtf8(plik)); };
    info->addAction(QStringLiteral("Opis &manewrów"), this, [pomoc] { pomoc("manewry.htm"); })
        ->setObjectName("Instrukcjamanewrw1");
    info->addAction(QStringLiteral("&Instrukcja obsługi"), this, [pomoc] { pomoc("drelinko.htm"); })
        ->setObjectName("Instrukcjaobsugi1");
    info->addSeparator();
    info->addAction(QStringLiteral("&O programie..."), QKeySequence(Qt::CTRL | Qt::Key_F1), this,
                    [this] { PokazOProgramie(this); })
        ->setObjectName("Oprogramie1");
}

void TOknoStacji::DodajPozycje(QMenu* menu, const std::vector<TPozycjaMenu>& pozycje)
{
    QActionGroup* radio = nullptr;
    for (const auto& p : pozycje) {
        if (!p.Visible)
            continue;
        if (p.Separator()) {
            menu->addSeparator();
            continue;
        }
        QString tekst = Q(p.Caption);
        if (p.Podmenu) {
            QMenu* pod = menu->addMenu(tekst);
            pod->setEnabled(p.Enabled && !p.Submenu.empty());
            DodajPozycje(pod, p.Submenu);
            continue;
        }
        QAction* a = menu->addAction(tekst);
        a->setEnabled(p.Enabled);
        if (p.Checked || p.Radio) {
            a->setCheckable(true);
            a->setChecked(p.Checked);
        }
        if (p.Radio) {
            if (radio == nullptr) {
                radio = new QActionGroup(menu);
                radio->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
            }
            radio->addAction(a);
        }
        if (p.Default)
            menu->setDefaultAction(a);
        const auto akcja = p.Akcja;
        connect(a, &QAction::triggered, this, [this, akcja] {
            if (akcja)
                sym_.Wykonaj(akcja);
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
    DodajPozycje(menu, menuPociagu_.Pozycje());
    return menu;
}

void TOknoStacji::OtworzMenu(TElement* element, QPoint gdzie)
{
    QMenu* menu = ZbudujMenu(element);
    if (menu == nullptr)
        return;
    // The trains do not move under an open menu.
    sym_.Wstrzymany = true;
    menu->exec(gdzie);
    sym_.Wstrzymany = false;
    menu->deleteLater();
    OdswiezWszystko();
}

void TOknoStacji::PokazRozkladJazdy()
{
    // The window loses the focus to the dialog, which alone stops the ticks; the flag makes sure
    // of it on platforms that do not tell about the focus.
    const bool wstrzymany = sym_.Wstrzymany;
    sym_.Wstrzymany = true;
    {
        TeRozklad eRozklad(sym_.Rozklad(), WlotyStacji(sym_.Stacja()), this);
        eRozklad.exec();
    }
    sym_.Wstrzymany = wstrzymany;
    // The focus comes back here, so that the trains run on, also where no window manager returns it.
    activateWindow();
    OdswiezWszystko();
}

bool TOknoStacji::Aktywne() const
{
    return isActiveWindow() && QApplication::applicationState() == Qt::ApplicationActive;
}

void TOknoStacji::Tyknij()
{
    sym_.OknoAktywne = Aktywne();
    sym_.Wykonaj([this] { sym_.Tyknij(); });
    OdswiezWszystko();
}

void TOknoStacji::OdswiezEtykiety()
{
    lbScore_->setText(QString::number(sym_.Dziennik().Score()));
    QPalette paleta = pScore_->palette();
    paleta.setColor(QPalette::Window, NaQColor(sym_.Dziennik().KolorScore()));
    pScore_->setPalette(paleta);
    lbCzas_->setText(Q(sym_.EtykietaCzasu()));
    lbCzasSek_->setText(Q(sym_.EtykietaSekund()));
    if (!sym_.LicznikPociagow().empty())
        lbIloscPoc_->setText(Q(sym_.LicznikPociagow()));
    status_[2]->setText(Q(sym_.StatusCzasBiezacy));
    status_[3]->setText(Q(sym_.StatusCzasSymulacji));
}

void TOknoStacji::OdswiezWszystko()
{
    doOdswiezenia_ = false;
    diagram_->update();
    for (auto* p : przyciski_)
        p->update();
    zegar_->update();
    OdswiezEtykiety();
}

void TOknoStacji::UstawKolorOkna(const QColor& kolor)
{
    kolorOkna_ = kolor;
    sym_.Stacja().KolorOkna = TKolor(static_cast<std::uint8_t>(kolor.red()), static_cast<std::uint8_t>(kolor.green()),
                                     static_cast<std::uint8_t>(kolor.blue()));
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, kolor);
    setPalette(paleta);
    OdswiezWszystko();
}

bool TOknoStacji::event(QEvent* e)
{
    // The hints of the window's own controls go to the hint line, as the elements' do.
    if (e->type() == QEvent::StatusTip) {
        const QString tekst = static_cast<QStatusTipEvent*>(e)->tip();
        if (!tekst.isEmpty() && lbNazwa_->text() != tekst)
            lbNazwa_->setText(tekst);
        return true;
    }
    return QMainWindow::event(e);
}

bool TOknoStacji::eventFilter(QObject* obiekt, QEvent* e)
{
    if (obiekt == lbCzas_ && e->type() == QEvent::MouseButtonPress) {
        sym_.KliknijZegar();
        OdswiezEtykiety();
    } else if (obiekt == lbCzas_ && e->type() == QEvent::MouseButtonDblClick) {
        sym_.DwuklikZegara();
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
    sym_.Pokaz();
    timer_->setInterval(sym_.Interwal());
    sym_.Stacja().OdtwarzajDzwieki = cbDzwieki_->isChecked();
    zegar_->setVisible(cbZegar_->isChecked());
    UstawKolorOkna(kolorOkna_);
    timer_->start();
}

void TOknoStacji::closeEvent(QCloseEvent* e)
{
    timer_->stop();
    sym_.Zamknij();
    Zapisz();
    QMainWindow::closeEvent(e);
}

void TOknoStacji::Wczytaj()
{
    QSettings s("WKT", "Drelinko");
    s.beginGroup("Stacja");
    if (s.contains("geometria"))
        restoreGeometry(s.value("geometria").toByteArray());
    if (s.contains("podzial"))
        splitter_->restoreState(s.value("podzial").toByteArray());
    pcInfo1_->setCurrentIndex(s.value("strona", pcInfo1_->currentIndex()).toInt());
    kolorOkna_ = s.value("kolor", kolorOkna_).value<QColor>();
    cbDzwieki_->setChecked(s.value("dzwieki", true).toBool());
    cbZegar_->setChecked(s.value("zegar", true).toBool());
    diagram_->UstawPowiekszenie(s.value("powiekszenie", 1.0).toDouble());
}

void TOknoStacji::Zapisz()
{
    QSettings s("WKT", "Drelinko");
    s.beginGroup("Stacja");
    s.setValue("geometria", saveGeometry());
    s.setValue("podzial", splitter_->saveState());
    s.setValue("strona", pcInfo1_->currentIndex());
    s.setValue("kolor", kolorOkna_);
    s.setValue("dzwieki", cbDzwieki_->isChecked());
    s.setValue("zegar", cbZegar_->isChecked());
    s.setValue("powiekszenie", diagram_->Powiekszenie());
}
