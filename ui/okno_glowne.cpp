// The start window: its picture, its menu and links, the start hour, and the runs of the station
// window it starts and waits for.

#include "ui/okno_glowne.h"

#include "core/format.h"
#include "core/uslugi.h"
#include "core/wkt_files.h"
#include "core/wkt_stream.h"
#include "models/aktualizacja_rozkladu.h"
#include "lessons/przebieg_lekcji.h"
#include "models/model_rozkladu.h"
#include "run/chwila_zapisu.h"
#include "run/nowy_dzien.h"
#include "run/symulacja_stacji.h"
#include "simulation/ustawienia_gry.h"
#include "simulation/utrudnienia.h"
#include "trains/czas.h"
#include "trains/rozklad.h"
#include "ui/canvas/qplotno.h"
#include "ui/services/o_programie.h"
#include "ui/services/okno_pomocy.h"
#include "ui/services/okno_postepu.h"
#include "ui/station/okno_stacji.h"
#include "ui/timetable/okno_rozkladu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLinearGradient>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QMessageBox>
#include <QPainterPath>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

namespace {

const QColor TloOkna(0xEF, 0xE4, 0xD1);

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The picture of the start window, drawn rather than shipped: the home signal of Drelinko on the
// line from Olszarzyna at dusk, showing a clear road, with the station's lamps beyond.
class TObrazSemafora : public QWidget {
public:
    explicit TObrazSemafora(QWidget* rodzic = nullptr) : QWidget(rodzic)
    {
        setObjectName("Image1");
        setFixedSize(190, 266);
        setToolTip(QStringLiteral("Semafor wjazdowy Drelinka od strony Olszarzyny: światło zielone, droga wolna."));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal w = width(), h = height(), horyzont = h * 0.52;
        QLinearGradient niebo(0, 0, 0, horyzont);
        niebo.setColorAt(0, QColor(0x2E, 0x3F, 0x6E));
        niebo.setColorAt(0.65, QColor(0xC9, 0x8F, 0x7A));
        niebo.setColorAt(1, QColor(0xF2, 0xC8, 0x8C));
        p.fillRect(QRectF(0, 0, w, horyzont), niebo);
        // Woods along the horizon.
        QPainterPath las;
        las.moveTo(0, horyzont);
        for (int x = 0; x <= 190; x += 6)
            las.lineTo(x, horyzont - 8 - ((x * 7) % 11));
        las.lineTo(w, horyzont);
        las.closeSubpath();
        p.fillPath(las, QColor(0x33, 0x3A, 0x2E));
        QLinearGradient ziemia(0, horyzont, 0, h);
        ziemia.setColorAt(0, QColor(0x5B, 0x5A, 0x3C));
        ziemia.setColorAt(1, QColor(0x3A, 0x37, 0x24));
        p.fillRect(QRectF(0, horyzont, w, h - horyzont), ziemia);
        // The ballast and the two rails running to the station.
        const QPointF znikanie(w * 0.40, horyzont);
        QPainterPath podsypka;
        podsypka.moveTo(znikanie + QPointF(-3, 0));
        podsypka.lineTo(znikanie + QPointF(3, 0));
        podsypka.lineTo(w * 0.92, h);
        podsypka.lineTo(-w * 0.22, h);
        podsypka.closeSubpath();
        p.fillPath(podsypka, QColor(0x77, 0x6E, 0x62));
        for (qreal t = 0.04; t < 1.0; t *= 1.32) {
            const qreal y = horyzont + (h - horyzont) * t;
            const qreal lewy = znikanie.x() + (-w * 0.14 - znikanie.x()) * t;
            const qreal prawy = znikanie.x() + (w * 0.84 - znikanie.x()) * t;
            p.setPen(QPen(QColor(0x4A, 0x38, 0x28), std::max<qreal>(1.0, 6 * t)));
            p.drawLine(QPointF(lewy, y), QPointF(prawy, y));
        }
        p.setPen(QPen(QColor(0xB8, 0xB8, 0xB8), 2));
        p.drawLine(znikanie + QPointF(-1, 0), QPointF(w * 0.02, h));
        p.drawLine(znikanie + QPointF(1, 0), QPointF(w * 0.66, h));
        // The station's lamps far down the line.
        for (int i = 0; i < 4; ++i) {
            const QPointF l(w * 0.22 + i * 14, horyzont - 5 - (i % 2) * 3);
            QRadialGradient blask(l, 5);
            blask.setColorAt(0, QColor(0xFF, 0xE8, 0xA0));
            blask.setColorAt(1, QColor(0xFF, 0xE8, 0xA0, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(blask);
            p.drawEllipse(l, 5, 5);
        }
        // The signal: mast, ladder, head with the green lamp lit above the dark ones.
        const qreal maszt = w * 0.80;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2A, 0x2A, 0x2A));
        p.drawRect(QRectF(maszt - 3, 62, 6, h - 62 - 10));
        p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
        for (qreal y = 150; y < h - 14; y += 9)
            p.drawLine(QPointF(maszt - 12, y), QPointF(maszt - 4, y));
        p.drawLine(QPointF(maszt - 12, 146), QPointF(maszt - 12, h - 14));
        p.setPen(QPen(QColor(0x1A, 0x1A, 0x1A), 1));
        p.setBrush(QColor(0x14, 0x14, 0x14));
        const QRectF glowica(maszt - 15, 30, 30, 112);
        p.drawRoundedRect(glowica, 12, 12);
        // The plate under the head, white with a red slant.
        QPainterPath tarcza;
        tarcza.addRect(QRectF(maszt - 11, 146, 22, 30));
        p.fillPath(tarcza, QColor(0xF4, 0xF4, 0xF0));
        p.setPen(QPen(QColor(0xC8, 0x20, 0x20), 5));
        p.drawLine(QPointF(maszt - 9, 149), QPointF(maszt + 9, 173));
        const QColor lampy[] = {QColor(0x20, 0xE0, 0x60), QColor(0x40, 0x36, 0x10), QColor(0x40, 0x10, 0x10),
                                QColor(0x40, 0x36, 0x10), QColor(0x30, 0x30, 0x30)};
        for (int i = 0; i < 5; ++i) {
            const QPointF srodek(maszt, 44 + i * 21);
            if (i == 0) {
                QRadialGradient blask(srodek, 24);
                blask.setColorAt(0, QColor(0x60, 0xFF, 0x90, 180));
                blask.setColorAt(1, QColor(0x60, 0xFF, 0x90, 0));
                p.setPen(Qt::NoPen);
                p.setBrush(blask);
                p.drawEllipse(srodek, 24, 24);
            }
            p.setPen(QPen(QColor(0x05, 0x05, 0x05), 2));
            p.setBrush(lampy[i]);
            p.drawEllipse(srodek, 7.5, 7.5);
        }
        p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    }
};

// The station window of a run: it tells the progress window what it does while it opens and
// closes, and the start window when it has closed.
class TeStacjaBiegu : public TOknoStacji {
public:
    using TOknoStacji::TOknoStacji;
    std::function<void()> PoZamknieciu;

protected:
    void showEvent(QShowEvent* e) override
    {
        const bool pierwszy = !pokazany_;
        pokazany_ = true;
        if (pierwszy)
            OknoPostepu().UstawTekst(QStringLiteral("Odczytuję rozkład jazdy."));
        TOknoStacji::showEvent(e);
        if (pierwszy)
            OknoPostepu().Ukryj();
    }
    void closeEvent(QCloseEvent* e) override
    {
        OknoPostepu().Pokaz(QStringLiteral("Kończę pracę stacji."));
        TOknoStacji::closeEvent(e);
        if (e->isAccepted() && PoZamknieciu)
            PoZamknieciu();
    }

private:
    bool pokazany_ = false;
};

// Whatever ends a run, the start window comes back.
class TPoBiegu {
public:
    explicit TPoBiegu(std::function<void()> akcja) : akcja_(std::move(akcja)) {}
    ~TPoBiegu() { akcja_(); }
    TPoBiegu(const TPoBiegu&) = delete;
    TPoBiegu& operator=(const TPoBiegu&) = delete;

private:
    std::function<void()> akcja_;
};

// Paragraphs a little closer than rich text's own twelve pixels, so that the line offering a kept
// game fits the fixed window too.
const char* const TekstPowitania =
    "<p style='margin-top:2px'><b style=\"font-size:10pt; font-family:'DejaVu Sans'\">Witaj na posterunku w "
    "Drelinku!</b></p>"
    "<p style='margin-top:6px; margin-bottom:6px'>Obejmujesz dyżur na stacji Drelinko, w której spotykają się linie z&nbsp;Olszarzyny, Brzelan "
    "i&nbsp;Wirowej. Przestawiasz zwrotnice, opuszczasz rogatki, nastawiasz przebiegi, podajesz sygnały "
    "i&nbsp;wyprawiasz pociągi według rozkładu jazdy. Każdą twoją czynność zapisuje i&nbsp;ocenia dziennik "
    "ruchu: za błędy i&nbsp;spóźnienia tracisz punkty, za punktualne odjazdy je zdobywasz.</p>"
    "<p style='margin-top:6px; margin-bottom:6px'>Zanim obejmiesz pierwszą zmianę, przejdź <a href='45' style='color:#000080'>samouczek</a> albo przeczytaj "
    "<a href='43' style='color:#000080'>instrukcję obsługi</a>. Pociągi dnia obejrzysz i&nbsp;zmienisz "
    "w&nbsp;<a href='31' style='color:#000080'>rozkładzie jazdy</a>, a&nbsp;"
    "<a href='99' style='color:#000080'>Pokaz</a> rozegra cały dzień sam.</p>"
    "<p style='margin-top:6px; margin-bottom:6px'>Dyżur zaczyna się o&nbsp;4:00 albo o&nbsp;godzinie wskazanej poniżej. Gdy zamkniesz stację przed 21:36, "
    "następnym razem zaczniesz od godziny, do której doszedłeś.</p>";

// Asked once, at the first start.
const char* const TekstPowitaniaSamouczka =
    "Witaj w Drelinku! Obejmujesz posterunek po raz pierwszy.\r\n\r\nCzy zaczniesz od samouczka? Lekcje krok "
    "po kroku pokażą ci zwrotnice, drogi przebiegów, semafory, przejazdy i polecenie odjazdu. Samouczek "
    "znajdziesz też zawsze w menu Symulacja.";

// The welcome text's link to the kept game.
const char* const LinkWznowienia = "wznow";

// A watched game's timetable (the demo's, a played-back game's) is a copy in a temporary folder of
// its own: the timetable window saves after every change, and nothing done while watching may reach
// the shipped file or the player's. Answers the copy's name, or empty with the cause.
QString KopiaRozkladu(const QTemporaryDir& katalog, const QString& zrodlo, QString& blad)
{
    if (!katalog.isValid()) {
        blad = katalog.errorString();
        return {};
    }
    const QString kopia = katalog.filePath(QStringLiteral("rozklad.dat"));
    QFile plik(zrodlo);
    if (!plik.copy(kopia)) {
        blad = QStringLiteral("%1: %2").arg(zrodlo, plik.errorString());
        return {};
    }
    // An installed game's shipped file is read-only; its copy is to be edited.
    QFile::setPermissions(kopia, QFile::ReadOwner | QFile::WriteOwner);
    return kopia;
}

// The same for a game played back from its record, which brings its own timetable: without a
// timetable of the player's to copy, the copy's place is still given, for the timetable window.
QString KopiaRozkladuZapisu(const QTemporaryDir& katalog, const QString& zrodlo, QString& blad)
{
    const QString kopia = KopiaRozkladu(katalog, zrodlo, blad);
    return kopia.isEmpty() && katalog.isValid() ? katalog.filePath(QStringLiteral("rozklad.dat")) : kopia;
}

}  // namespace

TeMain::TeMain(TUslugi& uslugi, TRozkladJazdy& rozklad, QWidget* rodzic)
    : QMainWindow(rodzic), uslugi_(uslugi), rozklad_(rozklad), linia_(uslugi.Ustawienia, uslugi.Komunikaty)
{
    setObjectName("eMain");
    setWindowTitle(QString::fromUtf8(TytulProgramu));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(NaQFont(TCzcionka{}));

    auto* klient = new QWidget;
    klient->setObjectName("klient");
    klient->setAutoFillBackground(true);
    QPalette paleta = klient->palette();
    paleta.setColor(QPalette::Window, TloOkna);
    klient->setPalette(paleta);
    klient->setFixedSize(Szerokosc, Wysokosc);

    auto* panel = new QFrame(klient);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setLineWidth(1);
    auto* uKlient = new QVBoxLayout(klient);
    uKlient->setContentsMargins(4, 4, 4, 4);
    uKlient->addWidget(panel);

    HTMLabel1_ = new QLabel;
    HTMLabel1_->setObjectName("HTMLabel1");
    HTMLabel1_->setTextFormat(Qt::RichText);
    HTMLabel1_->setWordWrap(true);
    HTMLabel1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    HTMLabel1_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    HTMLabel1_->setText(QString::fromUtf8(TekstPowitania));
    connect(HTMLabel1_, &QLabel::linkActivated, this, &TeMain::HTMLabel1AnchorClick);

    rulMain_ = new QLabel;
    rulMain_->setObjectName("rulMain");
    rulMain_->setTextFormat(Qt::RichText);
    rulMain_->setAlignment(Qt::AlignCenter);
    // Three lines: the two ways to start, then the day's disturbances and their seed.
    rulMain_->setFixedHeight(WysokoscLiniiStartowej);
    rulMain_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    rulMain_->setToolTip(QStringLiteral("Kliknij godzinę, utrudnienia albo ziarno, aby je zmienić."));
    connect(rulMain_, &QLabel::linkActivated, this, &TeMain::rulMainAnchorClick);

    obraz_ = new TObrazSemafora;

    stopka_ = new QLabel;
    stopka_->setObjectName("lbStopka");
    stopka_->setAlignment(Qt::AlignCenter);
    stopka_->setFixedHeight(43);
    stopka_->setText(QStringLiteral("%1, wersja %2 · symulator posterunku dyżurnego ruchu\n"
                                    "Ctrl+N zaczyna od 4:00, Ctrl+M od wskazanej godziny, F1 otwiera instrukcję.")
                         .arg(QString::fromUtf8(TytulProgramu), WersjaProgramu()));
    stopka_->setFrameShape(QFrame::NoFrame);
    stopka_->setStyleSheet("QLabel#lbStopka { color: #5A4A32; border-top: 1px solid #C9B89A; }");

    auto* uPanel = new QGridLayout(panel);
    uPanel->setContentsMargins(6, 4, 4, 0);
    uPanel->setHorizontalSpacing(8);
    uPanel->setVerticalSpacing(0);
    uPanel->addWidget(HTMLabel1_, 0, 0);
    uPanel->addWidget(rulMain_, 1, 0);
    uPanel->addWidget(obraz_, 0, 1, 2, 1, Qt::AlignTop);
    uPanel->addWidget(stopka_, 2, 0, 1, 2);
    uPanel->setRowStretch(0, 1);
    uPanel->setColumnStretch(0, 1);

    setCentralWidget(klient);
    ZbudujMenu();
    PokazLinie();
    // The fixed client area below the menu bar; nothing in the window resizes.
    setFixedSize(Szerokosc, Wysokosc + menuBar()->sizeHint().height());
}

TeMain::~TeMain() = default;

void TeMain::ZbudujMenu()
{
    QMenu* symulacja = menuBar()->addMenu(QStringLiteral("&Symulacja"));
    QAction* nowy = symulacja->addAction(QStringLiteral("&Zacznij"), QKeySequence(Qt::CTRL | Qt::Key_N), this,
                                         [this] { Nowy1Click(false); });
    nowy->setObjectName("Nowy1");
    QAction* odGodziny = symulacja->addAction(QStringLiteral("Zacznij od wskazanej &godziny"),
                                              QKeySequence(Qt::CTRL | Qt::Key_M), this, [this] { Nowy1Click(true); });
    odGodziny->setObjectName("Zacznijodwskazanejgodziny1");
    symulacja->addSeparator();
    wznow_ = symulacja->addAction(QStringLiteral("&Wznów ostatnią grę"), QKeySequence(Qt::CTRL | Qt::Key_W), this,
                                  &TeMain::WznowGre);
    wznow_->setObjectName("Wznowostatniagre1");
    QAction* wczytaj = symulacja->addAction(QStringLiteral("Wczytaj grę..."), QKeySequence(Qt::CTRL | Qt::Key_O), this,
                                            &TeMain::WczytajGre);
    wczytaj->setObjectName("Wczytajgre1");
    zapiszGre_ = symulacja->addAction(QStringLiteral("Zapisz grę..."), this, &TeMain::ZapiszGre);
    zapiszGre_->setObjectName("Zapiszgre1");
    symulacja->addAction(QStringLiteral("&Odtwórz zapis..."), this, &TeMain::OdtworzZapis)->setObjectName("Odtworzzapis1");
    symulacja->addSeparator();
    symulacja->addAction(QStringLiteral("Samou&czek..."), this, &TeMain::Samouczek)->setObjectName("Samouczek1");
    symulacja->addAction(QStringLiteral("&Nowy dzień..."), this, &TeMain::NowyDzien)->setObjectName("Nowydzien1");
    connect(symulacja, &QMenu::aboutToShow, this, &TeMain::OdswiezPozycjeGry);
    OdswiezPozycjeGry();
    symulacja->addSeparator();
    QAction* zamknij = symulacja->addAction(QStringLiteral("&Zamknij"), this, [this] {
        if (stacja_ != nullptr)
            stacja_->close();
        else
            close();
    });
    zamknij->setObjectName("Zamknij1");

    QMenu* internet = menuBar()->addMenu(QStringLiteral("&Internet"));
    QAction* aktualizacja =
        internet->addAction(QStringLiteral("&Aktualizacja..."), this, &TeMain::Aktualizacja1Click);
    aktualizacja->setObjectName("Aktualizacja1");

    QMenu* pomoc = menuBar()->addMenu(QStringLiteral("Pomo&c"));
    QAction* instrukcja = pomoc->addAction(QStringLiteral("&Instrukcja obsługi"), this,
                                           [this] { Polecenie(43); });
    instrukcja->setObjectName("Instrukcjaobsugi1");
    QAction* oProgramie = pomoc->addAction(QStringLiteral("&O programie..."), QKeySequence(Qt::CTRL | Qt::Key_F1),
                                           this, [this] { PokazOProgramie(this); });
    oProgramie->setObjectName("Oprogramie1");

    // F1 is the program's help request; what it asks for is the manual.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { ZadaniePomocy(KodPoleceniaPomocy, 43); });
}

void TeMain::PokazLinie()
{
    // Links in navy, bold and underlined on the window colour of the system, as parameters the
    // player can click. Bold in DejaVu Sans: the small sizes of Wine's Tahoma Bold come as bitmaps
    // no heavier than the regular face.
    const QString styl = QStringLiteral("color:#000080; font-weight:bold; text-decoration:underline; "
                                        "font-family:'DejaVu Sans'; background-color:%1")
                             .arg(palette().color(QPalette::Base).name());
    QStringList wiersze;
    for (const auto& p : TLiniaStartowa::Parametry()) {
        while (wiersze.size() <= p.Wiersz)
            wiersze << QString();
        const QString link = QStringLiteral("<a href=\"%1\" style=\"text-decoration:none\"><span style=\"%2\">%3</span></a>")
                                 .arg(QString::fromUtf8(p.Nazwa), styl, Q(linia_.TekstLinku(p.Nazwa)).toHtmlEscaped());
        QString zdanie = QString::fromUtf8(p.Zdanie).toHtmlEscaped();
        zdanie.replace(QStringLiteral("%s"), link);
        wiersze[p.Wiersz] += zdanie;
    }
    rulMain_->setText(wiersze.join(QStringLiteral("<br>")));
}

void TeMain::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    // The progress window of the start-up gives way to the start window; during a run it is the
    // run's, and restoring the minimised window then must not hide it.
    if (!bieg_)
        OknoPostepu().Ukryj();
    // A newcomer is offered the lessons once, when the start window first shows.
    // Asked once the window first stands, and not over a run the command line started meanwhile
    // (nor after it, when the window comes back: the next start asks).
    if (powitany_)
        return;
    powitany_ = true;
    QTimer::singleShot(0, this, [this] {
        TUstawieniaGry magazyn(uslugi_.Ustawienia, &uslugi_.Komunikaty);
        if (bieg_ || magazyn.Logiczne(ustawienia::SamouczekZaproponowany))
            return;
        magazyn.ZapiszLogiczne(ustawienia::SamouczekZaproponowany, true);
        if (uslugi_.Komunikaty.Pytanie(TekstPowitaniaSamouczka, tPrzyciski::takNie, tRodzajPytania::potwierdzenie) ==
            tOdpowiedz::tak)
            Samouczek();
    });
}

void TeMain::PokazInstrukcje()
{
    PokazPomoc(this, QStringLiteral("drelinko.htm"));
    // The manual's own links to the start window's commands (the lessons) are followed here.
    if (TOknoPomocy* pomoc = OknoPomocy())
        connect(pomoc, &TOknoPomocy::polecenie, this, &TeMain::Polecenie, Qt::UniqueConnection);
}

void TeMain::Polecenie(int numer)
{
    switch (PolecenieStartu(numer)) {
    case tPolecenieStartu::psRozklad: {
        TeRozklad eRozklad(rozklad_, WlotyUkladu(uslugi_.Komunikaty), this);
        // At the scale the station window takes on this screen at its first start.
        if (const QScreen* ekran = screen())
            eRozklad.UstawSkale(TOknoStacji::SkalaPierwszegoStartu(*ekran));
        eRozklad.exec();
        break;
    }
    case tPolecenieStartu::psInstrukcja:
        PokazInstrukcje();
        break;
    case tPolecenieStartu::psSamouczek:
        Samouczek();
        break;
    case tPolecenieStartu::psZacznij:
        Nowy1Click(false);
        break;
    case tPolecenieStartu::psZacznijOdGodziny:
        Nowy1Click(true);
        break;
    case tPolecenieStartu::psPokaz:
        Nowy1Click(false, true);
        break;
    case tPolecenieStartu::psBrak:
        break;
    }
}

void TeMain::ZadaniePomocy(int kod, int dane)
{
    if (PolecenieZPomocy(kod, dane) != tPolecenieStartu::psBrak)
        Polecenie(dane);
}

void TeMain::HTMLabel1AnchorClick(const QString& cel)
{
    if (cel == QString::fromUtf8(LinkWznowienia))
        WznowGre();
    else
        Polecenie(NumerLinku(cel.toStdString()));
}

void TeMain::rulMainAnchorClick(const QString& parametr)
{
    const TLiniaStartowa::TParametr* p = TLiniaStartowa::Parametr(parametr.toStdString());
    if (p == nullptr)
        return;
    if (p->Edytowalny)
        ZapytajOParametr(p->Nazwa);
    else
        Polecenie(NumerLinku(p->Nazwa));
}

void TeMain::ZapytajOParametr(const char* nazwa)
{
    const std::string_view n(nazwa);
    QInputDialog pytanie(this);
    pytanie.setWindowTitle(QString::fromUtf8(TytulProgramu));
    if (n == TLiniaStartowa::Utrudnienia) {
        pytanie.setObjectName("pytanieOUtrudnienia");
        pytanie.setLabelText(QString::fromUtf8(TLiniaStartowa::PytanieOUtrudnienia));
        QStringList poziomy;
        for (int i = TUtrudnienia::NajnizszyPoziom; i <= TUtrudnienia::NajwyzszyPoziom; ++i)
            poziomy << QStringLiteral("%1 – %2").arg(i).arg(QString::fromUtf8(NazwaPoziomu(i)));
        pytanie.setComboBoxItems(poziomy);
        pytanie.setComboBoxEditable(false);
        pytanie.setTextValue(poziomy.value(linia_.PoziomUtrudnien()));
        if (pytanie.exec() == QDialog::Accepted)
            WpiszParametr(nazwa, QString::number(poziomy.indexOf(pytanie.textValue())));
        return;
    }
    const bool godzina = n == TLiniaStartowa::GodzStartu;
    pytanie.setObjectName(godzina ? "pytanieOGodzine" : "pytanieOZiarno");
    pytanie.setLabelText(QString::fromUtf8(godzina ? TLiniaStartowa::Pytanie : TLiniaStartowa::PytanieOZiarno));
    pytanie.setTextValue(Q(linia_.Wartosc(nazwa)));
    if (pytanie.exec() == QDialog::Accepted)
        WpiszParametr(nazwa, pytanie.textValue());
}

void TeMain::WpiszParametr(const char* nazwa, const QString& tekst)
{
    linia_.Wpisz(nazwa, tekst.toStdString());
    PokazLinie();
}

void TeMain::Nowy1Click(bool odGodziny, bool pokaz)
{
    if (bieg_)
        return;  // one run at a time
    if (pokaz) {
        Pokaz();
        return;
    }
    auto symulacja = std::make_unique<TSymulacjaStacji>(uslugi_, rozklad_);
    if (odGodziny)
        symulacja->CzasSymulacji = linia_.GodzinaStartu();
    symulacja->UstawUtrudnienia(linia_.PoziomUtrudnien(), linia_.WybraneZiarno());
    Bieg(std::move(symulacja));
}

void TeMain::Pokaz()
{
    // The demo plays the shipped day from a copy of its own; without one there is no demo, rather
    // than a demo on the player's timetable.
    QTemporaryDir katalog;
    QString blad;
    const QString kopia = KopiaRozkladu(katalog, Q(ProgramDir() + "rozklad.dat"), blad);
    if (kopia.isEmpty()) {
        uslugi_.Komunikaty.Blad("Nie mogę pokazać gry.\r\nNie udało się skopiować rozkładu jazdy: " +
                                     blad.toStdString());
        return;
    }
    TRozkladJazdy rozklad(QFile::encodeName(kopia).toStdString(), uslugi_.Komunikaty, uslugi_.Kursory);
    auto symulacja = std::make_unique<TSymulacjaStacji>(uslugi_, rozklad);
    symulacja->Pokazowa = true;
    symulacja->Akt({"auto", "on"});
    Bieg(std::move(symulacja), true);
}

int TeMain::WybierzLekcje(const QStringList& tytuly)
{
    bool wybrana = false;
    const QString tytul = QInputDialog::getItem(this, QStringLiteral("Samouczek"),
                                                QStringLiteral("Lekcje, od pierwszej dla zaczynających:"), tytuly, 0,
                                                false, &wybrana);
    return wybrana ? static_cast<int>(tytuly.indexOf(tytul)) : -1;
}

std::optional<TeMain::TZamowienieDnia> TeMain::ZamowDzien()
{
    bool dalej = false;
    TZamowienieDnia z;
    z.Pociagow = QInputDialog::getInt(this, QStringLiteral("Nowy dzień"),
                                      QStringLiteral("Ile pociągów ma mieć nowy dzień (%1–%2)?")
                                          .arg(NajmniejPociagowDnia)
                                          .arg(NajwiecejPociagowDnia),
                                      PociagowDniaDomyslnie, NajmniejPociagowDnia, NajwiecejPociagowDnia, 1, &dalej);
    if (!dalej)
        return std::nullopt;
    // A seed of chance, which the player may change: the same seed makes the same day again.
    z.Ziarno = QInputDialog::getInt(this, QStringLiteral("Nowy dzień"),
                                    QStringLiteral("Ziarno dnia (ta sama liczba da znowu ten sam dzień):"),
                                    QRandomGenerator::global()->bounded(1, 100000), 0, 999999, 1, &dalej);
    if (!dalej)
        return std::nullopt;
    return z;
}

TeMain::tCoZDniem TeMain::CoZDniem(const QString& opis)
{
    QMessageBox pytanie(QMessageBox::Question, QStringLiteral("Nowy dzień"), opis, QMessageBox::NoButton, this);
    QPushButton* zachowaj = pytanie.addButton(QStringLiteral("Zachowaj jako rozkład"), QMessageBox::AcceptRole);
    QPushButton* zagraj = pytanie.addButton(QStringLiteral("Zagraj raz"), QMessageBox::ActionRole);
    pytanie.addButton(QStringLiteral("Anuluj"), QMessageBox::RejectRole);
    pytanie.exec();
    return pytanie.clickedButton() == zachowaj ? tCoZDniem::zachowaj
           : pytanie.clickedButton() == zagraj ? tCoZDniem::zagraj
                                               : tCoZDniem::nic;
}

void TeMain::NowyDzien()
{
    if (bieg_)
        return;
    const std::optional<TZamowienieDnia> z = ZamowDzien();
    if (!z)
        return;
    OknoPostepu().Pokaz(QStringLiteral("Układam nowy dzień i rozgrywam go na próbę"));
    const TNowyDzien dzien = WygenerujDzien(z->Pociagow, static_cast<std::uint64_t>(z->Ziarno));
    OknoPostepu().Ukryj();
    if (!dzien.Proba.Grywalny) {
        uslugi_.Komunikaty.Blad(Formatuj("Z ziarna %d nie powstał dzień do rozegrania bez kar.", z->Ziarno));
        return;
    }
    // The day goes through the same checked way as a timetable the player brings: a file first.
    QTemporaryDir katalog;
    const QString csv = katalog.filePath(QStringLiteral("nowy_dzien.csv"));
    try {
        ZapiszPlikCaly(QFile::encodeName(csv).toStdString(), dzien.Csv);
    } catch (const std::exception& e) {
        uslugi_.Komunikaty.Blad(std::string("Nie można przygotować nowego dnia.\r\n") + e.what());
        return;
    }
    const QString opis =
        QStringLiteral("Nowy dzień z ziarna %1: %2 pociągów, punktualnych odjazdów %3. Dyżurny automatyczny "
                       "rozegrał go na próbę bez żadnej kary.\n\n„Zachowaj jako rozkład” zapisze go w miejsce "
                       "obecnego rozkładu jazdy (obecny zostanie w kopii), „Zagraj raz” da go zagrać bez "
                       "zmiany rozkładu.")
            .arg(z->Ziarno)
            .arg(dzien.Pociagi)
            .arg(dzien.Proba.Punktualne);
    switch (CoZDniem(opis)) {
    case tCoZDniem::zachowaj:
        if (AktualizujRozklad(QFile::encodeName(csv).toStdString(), rozklad_.Plik(), uslugi_.Komunikaty))
            rozklad_.WczytajRozklad();
        return;
    case tCoZDniem::zagraj: {
        // Its own timetable file in the temporary folder: a change made during the game goes there.
        const std::string dat = QFile::encodeName(katalog.filePath(QStringLiteral("rozklad.dat"))).toStdString();
        const TAktualizacjaRozkladu a = AktualizujRozklad(QFile::encodeName(csv).toStdString(), dat);
        if (!a.Udana) {
            uslugi_.Komunikaty.Blad("Nie można przygotować nowego dnia.\r\n" + (a.Bledy.empty() ? "" : a.Bledy.front()));
            return;
        }
        TRozkladJazdy rozklad(dat, uslugi_.Komunikaty, uslugi_.Kursory);
        rozklad.WczytajRozklad();
        auto symulacja = std::make_unique<TSymulacjaStacji>(uslugi_, rozklad);
        Bieg(std::move(symulacja));
        return;
    }
    case tCoZDniem::nic:
        return;
    }
}

void TeMain::Samouczek()
{
    if (bieg_)
        return;
    const std::vector<TLekcja> lekcje = WszystkieLekcje(uslugi_.Komunikaty);
    QStringList tytuly;
    for (const TLekcja& l : lekcje)
        tytuly << QStringLiteral("%1. %2").arg(tytuly.size() + 1).arg(Q(l.Tytul));
    const int numer = tytuly.isEmpty() ? -1 : WybierzLekcje(tytuly);
    if (numer >= 0 && numer < static_cast<int>(lekcje.size()))
        Lekcja(lekcje[static_cast<std::size_t>(numer)]);
}

void TeMain::Lekcja(const TLekcja& lekcja)
{
    do {
        lekcjaOdNowa_ = false;
        // A lesson keeps nothing of the player's: its own timetable, in memory, and no kept game.
        const std::unique_ptr<TRozkladJazdy> rozklad = RozkladLekcji(lekcja, uslugi_.Komunikaty, uslugi_.Kursory);
        auto symulacja = std::make_unique<TSymulacjaStacji>(uslugi_, *rozklad);
        symulacja->Pokazowa = true;
        TPrzebiegLekcji przebieg(lekcja, *symulacja);
        przebieg.Start();
        lekcjaBiegu_ = &przebieg;
        Bieg(std::move(symulacja));
        lekcjaBiegu_ = nullptr;
    } while (lekcjaOdNowa_);
}

void TeMain::ZacznijOd(double godzina, int szybkosc)
{
    if (bieg_)
        return;
    auto symulacja = std::make_unique<TSymulacjaStacji>(uslugi_, rozklad_);
    symulacja->CzasSymulacji = godzina;
    // The start line's disturbances and seed, as a click on it would play them.
    symulacja->UstawUtrudnienia(linia_.PoziomUtrudnien(), linia_.WybraneZiarno());
    Bieg(std::move(symulacja), false, szybkosc);
}

void TeMain::Bieg(std::unique_ptr<TSymulacjaStacji> symulacja, bool pokaz, int szybkosc)
{
    bieg_ = true;
    showMinimized();
    TOknoPostepu& postep = OknoPostepu();
    TPoBiegu poBiegu([this, &postep] {
        stacja_ = nullptr;
        bieg_ = false;
        // A resumed game saves its own timetable's changes to the file: the program's list follows
        // it, so that the start window's timetable window does not work on a stale one.
        if (rozklad_.ZmienionyNaDysku())
            rozklad_.WczytajRozklad();
        postep.Ukryj();
        showNormal();
        raise();
        activateWindow();
        PokazLinie();
        OdswiezPozycjeGry();
    });
    while (symulacja != nullptr) {
        postep.Pokaz(QStringLiteral("Tworzę układ stacji"));
        std::unique_ptr<TSymulacjaStacji> nastepna;
        {
            TeStacjaBiegu eStacja(*symulacja);
            if (pokaz)
                eStacja.Szybkosc()->setValue(eStacja.Szybkosc()->maximum());
            else if (szybkosc > 0)
                eStacja.Szybkosc()->setValue(szybkosc);
            pokaz = false;
            szybkosc = 0;
            eStacja.setWindowModality(Qt::ApplicationModal);
            QEventLoop bieg;
            eStacja.PoZamknieciu = [&bieg] { bieg.quit(); };
            // A game loaded from the station window takes its place once it has closed; a lesson
            // loads none.
            if (lekcjaBiegu_ != nullptr)
                eStacja.UstawLekcje(lekcjaBiegu_, [this] { lekcjaOdNowa_ = true; });
            else
                eStacja.OnWczytajGre = [this, &nastepna](const QString& plik) {
                    nastepna = Wczytaj(plik);
                    return nastepna != nullptr;
                };
            if (!symulacja->Odtwarzana())
                eStacja.OnPokazWZapisie = [this, &eStacja](std::size_t linia) {
                    PokazWZapisie(eStacja.Symulacja(), linia);
                };
            stacja_ = &eStacja;
            emit stacjaUtworzona(&eStacja);
            eStacja.show();
            bieg.exec();
            postep.UstawTekst(QStringLiteral("Zamykam stację na cztery spusty"));
            stacja_ = nullptr;
            emit stacjaZamknieta();
        }
        symulacja = std::move(nastepna);
    }
}

std::unique_ptr<TSymulacjaStacji> TeMain::Wczytaj(const QString& plik)
{
    OknoPostepu().Pokaz(QStringLiteral("Odtwarzam zapisaną grę"));
    TWczytanaGra gra =
        TSymulacjaStacji::WczytajPlik(QFile::encodeName(plik).toStdString(), uslugi_, rozklad_.Plik());
    OknoPostepu().Ukryj();
    if (gra.Symulacja == nullptr)
        uslugi_.Komunikaty.Blad("Nie można wczytać gry.\r\n" + gra.Blad);
    return std::move(gra.Symulacja);
}

bool TeMain::UruchomZapis(const QString& plik)
{
    if (bieg_)
        return false;
    auto symulacja = Wczytaj(plik);
    if (symulacja == nullptr)
        return false;
    Bieg(std::move(symulacja));
    return true;
}

void TeMain::WznowGre()
{
    if (QFile::exists(TOknoStacji::PlikAutozapisu()))
        UruchomZapis(TOknoStacji::PlikAutozapisu());
}

void TeMain::WczytajGre()
{
    const QString plik = PlikGry();
    if (!plik.isEmpty())
        UruchomZapis(plik);
}

void TeMain::ZapiszGre()
{
    const QString zrodlo = TOknoStacji::PlikAutozapisu();
    if (!QFile::exists(zrodlo))
        return;
    QString plik = PlikZapisuGry();
    if (plik.isEmpty())
        return;
    if (!plik.contains('.'))
        plik += QStringLiteral(".gra");
    // The kept game is checked on the way, and written whole or not at all.
    const auto tekst = CzytajCalyPlik(QFile::encodeName(zrodlo).toStdString());
    try {
        if (!tekst)
            throw std::runtime_error(Formatuj("Nie można odczytać pliku %s.", zrodlo.toStdString().c_str()));
        ZapiszPlikCaly(QFile::encodeName(plik).toStdString(), *tekst);
    } catch (const std::exception& e) {
        uslugi_.Komunikaty.Blad(std::string("Nie udało się zapisać gry.\r\n") + e.what());
    }
}

void TeMain::OdtworzZapis()
{
    if (bieg_)
        return;
    const QString plik = PlikGry();
    if (plik.isEmpty())
        return;
    const std::string nazwa = QFile::encodeName(plik).toStdString();
    const auto tekst = QFileInfo(plik).size() <= static_cast<qint64>(TZapisGry::NajwiekszyPlik)
                           ? CzytajCalyPlik(nazwa)
                           : std::nullopt;
    if (!tekst) {
        uslugi_.Komunikaty.Blad(Formatuj("Nie można odczytać pliku %s.", nazwa.c_str()));
        return;
    }
    // The game brings its own timetable; a change to it while it is watched goes to a copy.
    QTemporaryDir katalog;
    QString blad;
    const QString kopia = KopiaRozkladuZapisu(katalog, Q(rozklad_.Plik()), blad);
    if (kopia.isEmpty()) {
        uslugi_.Komunikaty.Blad("Nie można odtworzyć gry.\r\n" + blad.toStdString());
        return;
    }
    TWczytanaGra gra = TSymulacjaStacji::Odtwarzaj(*tekst, uslugi_, QFile::encodeName(kopia).toStdString());
    if (gra.Symulacja == nullptr) {
        uslugi_.Komunikaty.Blad("Nie można odtworzyć gry.\r\n" + nazwa + ", " + gra.Blad);
        return;
    }
    Bieg(std::move(gra.Symulacja));
}

void TeMain::PokazWZapisie(TSymulacjaStacji& gra, std::size_t linia)
{
    if (linia >= gra.Dziennik().Linie().size())
        return;
    const TLiniaDziennika chwila = gra.Dziennik().Linie()[linia];
    TOknoPostepu& postep = OknoPostepu();
    postep.Pokaz(QStringLiteral("Szukam tej chwili w zapisie gry"));
    // As "Odtwórz zapis": a change to the timetable while watching goes to a copy.
    QTemporaryDir katalog;
    QString blad;
    const QString kopia = KopiaRozkladuZapisu(katalog, Q(rozklad_.Plik()), blad);
    TChwilaZapisu zapis;
    if (kopia.isEmpty())
        zapis.Blad = blad.toStdString();
    else
        zapis = OdtworzPrzedLinia(gra, linia, uslugi_, QFile::encodeName(kopia).toStdString());
    postep.Ukryj();
    if (zapis.Symulacja == nullptr) {
        uslugi_.Komunikaty.Blad("Nie można pokazać tej chwili w zapisie.\r\n" + zapis.Blad);
        return;
    }
    // Watched only: nothing of it is kept, neither the game nor the window's settings.
    zapis.Symulacja->Pokazowa = true;
    TeStacjaBiegu podglad(*zapis.Symulacja);
    podglad.setWindowModality(Qt::ApplicationModal);
    podglad.UstawPodglad(zapis.Rada, QStringLiteral("Z zapisu gry, przed chwilą %1: „%2” (%3 pkt). STOP puszcza zapis. ")
                                         .arg(Q(CzasHHMMSS(chwila.Czas)), Q(chwila.Tekst))
                                         .arg(chwila.Punkty));
    QEventLoop petla;
    podglad.PoZamknieciu = [&petla] { petla.quit(); };
    podglad.show();
    petla.exec();
    postep.Ukryj();
}

void TeMain::OdswiezPozycjeGry()
{
    const bool jest = QFile::exists(TOknoStacji::PlikAutozapisu());
    if (wznow_ != nullptr)
        wznow_->setEnabled(jest);
    if (zapiszGre_ != nullptr)
        zapiszGre_->setEnabled(jest);
    // A kept game is offered where the player looks first, not only in the menu.
    // A line of the last paragraph, not a paragraph of its own, so that it fits the welcome's space.
    QString tekst = QString::fromUtf8(TekstPowitania);
    if (jest)
        tekst.insert(tekst.lastIndexOf(QStringLiteral("</p>")),
                     QStringLiteral("<br>Możesz też <a href='%1' style='color:#000080'>wznowić ostatnią grę</a>.")
                         .arg(QString::fromUtf8(LinkWznowienia)));
    if (HTMLabel1_ != nullptr)
        HTMLabel1_->setText(tekst);
}

QString TeMain::PlikGry()
{
    return QFileDialog::getOpenFileName(this, QStringLiteral("Wczytaj grę"), Q(KatalogDanych()),
                                        QStringLiteral("Zapis gry (*.gra);;Wszystkie pliki (*)"));
}

QString TeMain::PlikZapisuGry()
{
    return QFileDialog::getSaveFileName(this, QStringLiteral("Zapisz grę"), Q(KatalogDanych()),
                                        QStringLiteral("Zapis gry (*.gra)"));
}

QString TeMain::PlikAktualizacji()
{
    return QFileDialog::getOpenFileName(this, QStringLiteral("Wczytaj nowszy rozkład jazdy"), Q(ProgramDir()),
                                        QStringLiteral("Rozkład jazdy (*.csv *.dat)"));
}

void TeMain::Aktualizacja1Click()
{
    const QString plik = PlikAktualizacji();
    if (plik.isEmpty())
        return;
    if (AktualizujRozklad(QFile::encodeName(plik).toStdString(), rozklad_.Plik(), uslugi_.Komunikaty))
        rozklad_.WczytajRozklad();
}

bool ZaladujTlumaczeniaQt()
{
    auto* tlumacz = new QTranslator(QCoreApplication::instance());
    if (!tlumacz->load(QLocale(QLocale::Polish, QLocale::Poland), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete tlumacz;
        return false;
    }
    return QCoreApplication::installTranslator(tlumacz);
}
