// The timetable window and the markup its rows are drawn from, on the offscreen platform.
#include "models/model_rozkladu.h"
#include "run/symulacja_stacji.h"
#include "tests/support/pociag_testowy.h"
#include "tests/support/srodowisko_testowe.h"
#include "trains/czas.h"
#include "trains/pociag.h"
#include "trains/rozklad.h"
#include "ui/canvas/qplotno.h"
#include "ui/station/okno_stacji.h"
#include "ui/timetable/okno_rozkladu.h"
#include "ui/timetable/znaczniki.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// ---- The markup ----

QFont Czcionka() { return NaQFont(TCzcionka{}); }

QString Teksty(const std::vector<TKawalek>& kawalki)
{
    QString s;
    for (const auto& k : kawalki)
        if (k.Rodzaj == tRodzajKawalka::tekst)
            s += k.Tekst;
    return s;
}

const TOdcinek* Odcinek(const TUkladZnacznikow& u, const QString& tekst)
{
    for (const auto& o : u.Odcinki())
        if (o.Tekst == tekst)
            return &o;
    return nullptr;
}

QImage Obraz(const QString& znaczniki, qreal dpr, QSize rozmiar = QSize(120, 30), QPointF gdzie = QPointF(0, 0))
{
    QImage obraz(rozmiar * dpr, QImage::Format_RGB32);
    obraz.setDevicePixelRatio(dpr);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    TUkladZnacznikow(znaczniki, Czcionka()).Rysuj(p, gdzie, rozmiar.width(), Qt::black);
    return obraz;
}

// ---- The window ----

const TDanePociagu Pociagi[] = {
    {"34101", "Olszarzyna", "Brzelany", "s122", "wOlsz", "wBrz", "4:08", "4:12", "osobowy"},
    {"64304", "Morzyn Port", "Bartnica", "sttttt", "wWirowa", "wOlsz", "4:30", "4:30", "towarowy", true},
    {"34102", "Plażno", "Chrostowo", "s122", "wBrz", "wOlsz", "5:36", "5:40", "osobowy"},
    {"44712", "Wirowa", "Drelinko", "a2a", "wWirowa", "", "6:50", "6:50", "szynobus"},
    {"44713", "Drelinko", "Morzyn Gł.", "a2a", "", "wWirowa", "6:58", "6:58", "szynobus"},
};

// The numbers of the trains in the timetable file, read by a timetable of its own.
QStringList NumeryWPliku()
{
    TKomunikatyZapis komunikaty;
    TKursoryZapis kursory;
    TRozkladJazdy r(NazwaPlikuRozkladu(), komunikaty, kursory);
    r.WczytajRozklad();
    QStringList numery;
    for (int i = 0; i < r.Ile(); ++i)
        numery << QString::fromStdString(r.Pociag(i)->Numer());
    return numery;
}

QString OpisWPliku(const QString& numer)
{
    TKomunikatyZapis komunikaty;
    TKursoryZapis kursory;
    TRozkladJazdy r(NazwaPlikuRozkladu(), komunikaty, kursory);
    r.WczytajRozklad();
    for (int i = 0; i < r.Ile(); ++i)
        if (QString::fromStdString(r.Pociag(i)->Numer()) == numer)
            return QString::fromStdString(r.Pociag(i)->Opis());
    return QString();
}

// Answers every message box that shows while it lives by the button with the given caption, and
// keeps what the boxes said.
class TOdpowiadajacy : public QObject {
public:
    explicit TOdpowiadajacy(QString przycisk) : przycisk_(std::move(przycisk))
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { Sprawdz(); });
        timer_.start();
    }
    QStringList Teksty;
    QList<QMessageBox::Icon> Ikony;

private:
    void Sprawdz()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* okno = qobject_cast<QMessageBox*>(w);
            if (okno == nullptr || !okno->isVisible())
                continue;
            Teksty << okno->text();
            Ikony << okno->icon();
            for (QAbstractButton* b : okno->buttons())
                if (b->text().remove(u'&') == przycisk_) {
                    b->click();
                    return;
                }
            okno->reject();
        }
    }
    QString przycisk_;
    QTimer timer_;
};

// The window that hands over chosen files instead of asking for them.
class TRozkladTestowy : public TeRozklad {
public:
    using TeRozklad::TeRozklad;
    QString Import, Eksport;

protected:
    QString PlikDoImportu() override { return Import; }
    QString PlikDoEksportu() override { return Eksport; }
};

struct TStanowisko {
    TSrodowiskoTestowe s;
    std::unique_ptr<TRozkladTestowy> okno;

    TStanowisko()
    {
        for (const auto& d : Pociagi) {
            s.Rozklad.Rozklad.Append(PociagTestowy(d));
        }
        s.Rozklad.ZapiszRozklad();
        // Opened as the start window will open it: from the layout, with no station window.
        okno = std::make_unique<TRozkladTestowy>(s.Rozklad, WlotyUkladu(s.Komunikaty));
        okno->show();
    }

    template <typename T>
    T* W(const char* nazwa) const
    {
        return okno->findChild<T*>(nazwa);
    }
    QListWidget* lb() const { return okno->Lista(); }
    QStringList Numery() const
    {
        QStringList n;
        for (int i = 0; i < lb()->count(); ++i)
            n << lb()->item(i)->text().section(u' ', 0, 0);
        return n;
    }
    QListWidgetItem* Wiersz(const QString& numer) const
    {
        for (int i = 0; i < lb()->count(); ++i)
            if (lb()->item(i)->text().section(u' ', 0, 0) == numer)
                return lb()->item(i);
        return nullptr;
    }
    void Kliknij(const QString& numer) const
    {
        QListWidgetItem* w = Wiersz(numer);
        QVERIFY2(w != nullptr, qPrintable(numer));
        lb()->scrollToItem(w);
        QTest::mouseClick(lb()->viewport(), Qt::LeftButton, {}, lb()->visualItemRect(w).center());
    }
    void Wpisz(const char* pole, const QString& tekst) const
    {
        auto* e = W<QLineEdit>(pole);
        if (e == nullptr)
            e = W<QComboBox>(pole)->lineEdit();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        e->insert(tekst);
    }
    void Wybierz(const char* lista, const QString& widoczny) const
    {
        auto* cb = W<QComboBox>(lista);
        const int i = cb->findText(widoczny);
        QVERIFY2(i >= 0, qPrintable(widoczny));
        cb->setCurrentIndex(i);
    }
    void WpiszNowy() const
    {
        Wpisz("eNumer", "77001");
        Wpisz("eSklad", "s12");
        Wpisz("eOpis", "osobowy");
        Wpisz("cbRelacjaOd", "Brzelany");
        Wpisz("cbRelacjaDo", "Wirowa");
        Wybierz("cbWjezdza", "Brzelan");
        Wpisz("cbGodzWjezdza", "9:10");
        Wybierz("cbWyjezdza", "Wirowej");
        Wpisz("cbGodzWyjezdza", "9:14");
    }
};

}  // namespace

class ZnacznikiTest : public QObject {
    Q_OBJECT

private slots:
    void tagsAreNotShownButTheirTextIs()
    {
        QCOMPARE(Teksty(CzytajZnaczniki("<b>34101</b><font color=red>Olsz</font><X>yna")),
                 QStringLiteral("34101Olszyna"));
        QCOMPARE(BezZnacznikow("a<Q>b<IND x=\"50\">c<br>d<hr>"), QStringLiteral("ab c\nd"));
    }

    void anUnclosedTagHidesTheRestAsTheEntryItemsNeed()
    {
        QCOMPARE(BezZnacznikow("Brzelan<wBrz"), QStringLiteral("Brzelan"));
        QCOMPARE(BezZnacznikow("- (kończy bieg)"), QStringLiteral("- (kończy bieg)"));
    }

    void boldAndUnderlineLastUntilTheirClosingTagsInAnyCase()
    {
        const auto k = CzytajZnaczniki("<B>a<u>b</U></b>c");
        QCOMPARE(k.size(), std::size_t{3});
        QVERIFY(k[0].Pogrubiony && !k[0].Podkreslony);
        QVERIFY(k[1].Pogrubiony && k[1].Podkreslony);
        QVERIFY(!k[2].Pogrubiony && !k[2].Podkreslony);
    }

    void theIndentMovesThePenToItsPixelsFromTheLeftEdge()
    {
        const TUkladZnacznikow u("<b>34101</b><IND x=\"60\">Olszarzyna-Brzelany<IND x=\"200\">4:08", Czcionka());
        QCOMPARE(Odcinek(u, "34101")->X, 0.0);
        QCOMPARE(Odcinek(u, "Olszarzyna-Brzelany")->X, 60.0);
        QCOMPARE(Odcinek(u, "4:08")->X, 200.0);
        QCOMPARE(Odcinek(u, "4:08")->Y, 0.0);
        QCOMPARE(u.Linie(), 1);
    }

    void textAlreadyPastTheIndentIsNotOverwritten()
    {
        const TUkladZnacznikow u("Morzyn Port-Bartnica<IND x=\"20\">4:30", Czcionka());
        const TOdcinek* przed = Odcinek(u, "Morzyn Port-Bartnica");
        QVERIFY(Odcinek(u, "4:30")->X > przed->X + przed->Szerokosc);
    }

    void aLineBreakStartsTheNextLineAtTheLeftEdge()
    {
        const TUkladZnacznikow u("  4:08<IND x=\"50\">przyj.<br>     kończy bieg", Czcionka());
        QCOMPARE(u.Linie(), 2);
        const TOdcinek* druga = Odcinek(u, "     kończy bieg");
        QVERIFY(druga != nullptr);
        QCOMPARE(druga->X, 0.0);
        QCOMPARE(druga->Y, u.WysokoscLinii());
        QCOMPARE(druga->Linia, 1);
    }

    void theHeightGrowsByALineWithEveryBreak()
    {
        const qreal h1 = TUkladZnacznikow("a", Czcionka()).Rozmiar().height();
        const qreal h2 = TUkladZnacznikow("a<br>b", Czcionka()).Rozmiar().height();
        const qreal h3 = TUkladZnacznikow("a<br>b<br>c", Czcionka()).Rozmiar().height();
        QVERIFY(h1 > 0);
        QCOMPARE(h2 - h1, h1);
        QCOMPARE(h3 - h2, h1);
        // A break that ends the text opens no line of its own, an empty line between two does.
        QCOMPARE(TUkladZnacznikow("a<br>", Czcionka()).Rozmiar().height(), h1);
        QCOMPARE(TUkladZnacznikow("a<br><br>b", Czcionka()).Rozmiar().height(), h3);
    }

    void aRuleEndsItsLineAndTakesItsOwnPlaceBelowIt()
    {
        const TUkladZnacznikow u("a<hr>b", Czcionka());
        QCOMPARE(u.Kreski().size(), std::size_t{1});
        QCOMPARE(u.Kreski()[0], u.WysokoscLinii());
        QCOMPARE(Odcinek(u, "b")->X, 0.0);
        QCOMPARE(Odcinek(u, "b")->Y, u.WysokoscLinii() + TUkladZnacznikow::WysokoscKreski);
        QCOMPARE(u.Rozmiar().height(), 2 * u.WysokoscLinii() + TUkladZnacznikow::WysokoscKreski);
    }

    void withAWidthTextWrapsAtBlanksAndStaysInside()
    {
        const QString tekst = "Naciśnij przycisk <u>Zmień</u>, by uaktualnić dane w rozkładzie. Rozkład jest "
                              "automatycznie zachowywany po każdej zmianie.";
        const TUkladZnacznikow wolny(tekst, Czcionka());
        const TUkladZnacznikow waski(tekst, Czcionka(), 120);
        QCOMPARE(wolny.Linie(), 1);
        QVERIFY(waski.Linie() >= 3);
        for (const auto& o : waski.Odcinki()) {
            QVERIFY2(o.X + QFontMetricsF(Czcionka()).horizontalAdvance(o.Tekst.trimmed()) <= 120 + 8,
                     qPrintable(o.Tekst));
            QVERIFY2(!(o.X == 0 && o.Tekst.startsWith(u' ')), "a wrapped line starts with a blank");
        }
        QVERIFY(Odcinek(waski, "Zmień") != nullptr);
        QVERIFY(Odcinek(waski, "Zmień")->Podkreslony);
    }

    void aHiddenTagLeavesNoTraceInThePicture()
    {
        QCOMPARE(Obraz("ab<wBrz>", 1.0), Obraz("ab", 1.0));
        QCOMPARE(Obraz("a<IND x=\"x\">b", 1.0), Obraz("ab", 1.0));
        // The tags it knows do leave theirs.
        QVERIFY(Obraz("<u>ab</u>", 1.0) != Obraz("ab", 1.0));
        QVERIFY(Obraz("a<IND x=\"30\">b", 1.0) != Obraz("ab", 1.0));
    }

    void aRuleIsSharpAtAnyScaleOfTheScreen()
    {
        for (const qreal dpr : {1.0, 1.25, 1.5, 2.0}) {
            // Drawn from a point between pixels, as a row of a scrolled list may be.
            const QImage obraz = Obraz("<hr>", dpr, QSize(40, 10), QPointF(0, 0.4));
            const int grubosc = std::max(1, qRound(dpr));
            for (const int x : {0, 20, obraz.width() - 1}) {
                int ciemne = 0;
                int jasne = 0;
                for (int y = 0; y < obraz.height(); ++y) {
                    const QRgb c = obraz.pixel(x, y);
                    if (c == QColor(0xA8, 0x9E, 0x90).rgb())
                        ++ciemne;
                    else if (c != QColor(Qt::white).rgb())
                        QFAIL(qPrintable(QStringLiteral("a blurred pixel at scale %1").arg(dpr)));
                    else
                        ++jasne;
                }
                QCOMPARE(ciemne, grubosc);
                QVERIFY(jasne > 0);
            }
        }
    }

    void aListRowIsAsHighAsItsLinesAndAsWideAsItsText()
    {
        QListWidget lista;
        lista.setFont(Czcionka());
        lista.setItemDelegate(new TDelegatZnacznikow(&lista));
        for (const char* t : {"a", "a<br>b<br>c", "wwwwwwwwwwwwwwwwwwwwwwwwwwwwwww"}) {
            auto* w = new QListWidgetItem(&lista);
            w->setData(RolaZnacznikow, QString::fromUtf8(t));
        }
        const auto rozmiar = [&](int i) {
            QStyleOptionViewItem o;
            o.font = lista.font();
            return lista.itemDelegate()->sizeHint(o, lista.model()->index(i, 0));
        };
        const int linia = qCeil(TUkladZnacznikow("a", lista.font()).WysokoscLinii());
        QVERIFY(qAbs(rozmiar(1).height() - rozmiar(0).height() - 2 * linia) <= 1);
        QVERIFY(rozmiar(2).width() > 3 * rozmiar(0).width());
        QCOMPARE(rozmiar(0).height(), rozmiar(2).height());
    }
};

class OknoRozkladuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings("WKT", "Drelinko").clear();
    }

    void theWindowIsADialogOfItsSizeAndColours()
    {
        TStanowisko t;
        QCOMPARE(t.okno->windowTitle(), QStringLiteral("Rozkład jazdy"));
        // The design size, taller only by what the font's lines need; the list fills the height.
        QCOMPARE(t.okno->width(), 622);
        QVERIFY(t.okno->height() >= 433 && t.okno->height() <= 433 + 40);
        QCOMPARE(t.okno->minimumSize(), t.okno->size());
        QCOMPARE(t.okno->palette().color(QPalette::Window), QColor(0xEF, 0xE4, 0xD1));
        QCOMPARE(t.lb()->size(), QSize(284, t.okno->height() - 16));
        // Enlarged by the player, it lays out with its size: the list takes the height, the editor
        // the width.
        const QSize projekt = t.okno->size();
        const int edytor = t.W<QLineEdit>("eOpis")->width();
        t.okno->resize(projekt + QSize(300, 200));
        QApplication::processEvents();
        QCOMPARE(t.lb()->height(), t.okno->height() - 16);
        QVERIFY(t.W<QLineEdit>("eOpis")->width() >= edytor + 300);
        QCOMPARE(t.lb()->palette().color(QPalette::Base), QColor(0xF9, 0xF4, 0xEE));
        auto* zamknij = t.W<QPushButton>("wktColorButton2");
        QCOMPARE(zamknij->text(), QStringLiteral("Zamknij"));
        QVERIFY(zamknij->isDefault());
        QTest::keyClick(t.W<QLineEdit>("eNumer"), Qt::Key_Escape);
        QVERIFY(!t.okno->isVisible());
    }

    void theWindowOpensAtTheScaleOfTheWindowThatOpensItWithItsDesignAtThatScale()
    {
        TStanowisko t;
        const QSize projekt = t.okno->size();
        const int punkty = t.W<QLineEdit>("eNumer")->font().pointSize();
        t.okno->UstawSkale(2.0);
        QApplication::processEvents();
        QCOMPARE(t.okno->width(), 2 * 622);
        QVERIFY(t.okno->height() >= 2 * 433);
        QCOMPARE(t.lb()->width(), 2 * 284);
        QCOMPARE(t.W<QLineEdit>("eNumer")->font().pointSize(), 2 * punkty);
        // The time fields are still wide enough for a time in the larger font.
        auto* godzina = t.W<QLineEdit>("cbGodzWjezdza");
        QVERIFY(godzina->width() > godzina->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")));
        t.okno->UstawSkale(1.0);
        QApplication::processEvents();
        QCOMPARE(t.okno->size(), projekt);
        QCOMPARE(t.lb()->width(), 284);
    }

    void everyControlFitsInsideTheWindowAndNoneOverlaps()
    {
        TStanowisko t;
        QApplication::processEvents();
        QList<QWidget*> kontrolki;
        for (QWidget* w : t.okno->findChildren<QWidget*>())
            if (w->isVisible() &&
                (qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                 qobject_cast<QPushButton*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QListWidget*>(w) ||
                 w->objectName() == "HTMLabel1") &&
                qobject_cast<QComboBox*>(w->parentWidget()) == nullptr)
                kontrolki << w;
        QVERIFY(kontrolki.size() >= 20);
        const QRect okno = t.okno->rect();
        for (QWidget* w : kontrolki) {
            const QRect r(w->mapTo(t.okno.get(), QPoint(0, 0)), w->size());
            QVERIFY2(okno.contains(r), qPrintable(w->objectName()));
            // Nothing squeezed below what it needs to show its text.
            // Nothing squeezed below what it needs to show its text; a button only needs room for its
            // caption, not the width the style would like.
            if (!w->objectName().startsWith("clb") && w != t.lb()) {
                QVERIFY2(w->height() >= w->minimumSizeHint().height(), qPrintable(w->objectName()));
                if (auto* b = qobject_cast<QPushButton*>(w))
                    QVERIFY2(b->width() >= b->fontMetrics().horizontalAdvance(b->text().remove(u'&')) + 8,
                             qPrintable(w->objectName()));
                else
                    QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(w->objectName()));
            }
            for (QWidget* v : kontrolki) {
                const QRect r2(v->mapTo(t.okno.get(), QPoint(0, 0)), v->size());
                QVERIFY2(v == w || !r.intersects(r2), qPrintable(w->objectName() + " / " + v->objectName()));
            }
        }
        // The legend, wrapped to its width, ends inside the window.
        auto* legenda = t.W<TEtykietaZnacznikow>("HTMLabel1");
        QVERIFY(legenda->heightForWidth(legenda->width()) <= legenda->height());
        // Every direction shows in the check lists without scrolling.
        for (const char* nazwa : {"clbPrzyjazd", "clbOdjazd"}) {
            auto* l = t.W<QListWidget>(nazwa);
            QVERIFY(l->visualItemRect(l->item(l->count() - 1)).bottom() < l->viewport()->height());
        }
    }

    void theEditorsLabelsButtonsAndLegendSayWhatTheyShould()
    {
        TStanowisko t;
        QStringList etykiety;
        for (QLabel* l : t.okno->findChildren<QLabel*>())
            etykiety << l->text();
        for (const char* e : {"Pokaż na rozkładzie tylko pociągi:", "przyjeżdżające z kierunku:",
                              "odjeżdżające w kierunku:", "Numer pociągu:", "Skład pociągu:", "Opis:", "Relacja od:",
                              "do:", "Przyjazd z:", "Odjazd do:", "godz.:"})
            QVERIFY2(etykiety.contains(QString::fromUtf8(e)), e);
        QCOMPARE(t.W<QCheckBox>("cbNieWymagaPeronu")->text(), QStringLiteral("nie wymaga postoju przy peronie"));
        QCOMPARE(t.W<QPushButton>("bDodaj")->text(), QStringLiteral("&Dodaj"));
        QCOMPARE(t.W<QPushButton>("bZmien")->text(), QStringLiteral("&Zmień"));
        QCOMPARE(t.W<QPushButton>("wktColorButton1")->text(), QStringLiteral("&Usuń"));
        const QString legenda = t.W<TEtykietaZnacznikow>("HTMLabel1")->Tekst();
        QVERIFY(legenda.contains(QStringLiteral("skróty stosowane w zestawieniu składu:")));
        QVERIFY(legenda.contains(QStringLiteral("Naciśnij przycisk <u>Zmień</u>, by uaktualnić dane w rozkładzie. "
                                                "Rozkład jest automatycznie zachowywany po każdej zmianie.")));
        const QString podpowiedz = t.W<QLineEdit>("eSklad")->toolTip();
        for (const auto& k : TModelRozkladu::KodyPojazdow()) {
            QVERIFY2(legenda.contains(QString::fromUtf8(k.Znaczenie)), k.Znaczenie);
            QVERIFY2(podpowiedz.contains(QString::fromUtf8(k.Znaczenie)), k.Znaczenie);
            QVERIFY2(podpowiedz.contains(QString(QChar(k.Kod))), k.Znaczenie);
        }
        for (QWidget* w : t.okno->findChildren<QWidget*>())
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QPushButton*>(w) ||
                qobject_cast<QCheckBox*>(w) || qobject_cast<QListWidget*>(w))
                if (!w->objectName().isEmpty() && qobject_cast<QComboBox*>(w->parentWidget()) == nullptr)
                    QVERIFY2(!w->toolTip().isEmpty(), qPrintable(w->objectName() + " has no hint"));
    }

    void theEntryDropDownsShowOnlyThePartBeforeTheTagButKeepTheElement()
    {
        TStanowisko t;
        auto* cb = t.W<QComboBox>("cbWjezdza");
        QStringList widoczne;
        for (int i = 0; i < cb->count(); ++i)
            widoczne << cb->itemText(i);
        QCOMPARE(widoczne, (QStringList{"- (rozpoczyna bieg)", "Brzelan", "Olszarzyny", "Wirowej"}));
        QCOMPARE(t.W<QComboBox>("cbWyjezdza")->itemText(0), QStringLiteral("- (kończy bieg)"));
        QCOMPARE(t.W<QListWidget>("clbPrzyjazd")->item(0)->text(), QStringLiteral("stacja_Drelinko"));
        QCOMPARE(t.W<QListWidget>("clbOdjazd")->count(), 4);
    }

    void theListShowsEveryTrainAsACardHighAsItsLines()
    {
        TStanowisko t;
        QCOMPARE(t.Numery(), (QStringList{"34101", "64304", "34102", "44712", "44713"}));
        QCOMPARE(t.Wiersz("34101")->data(RolaZnacznikow).toString().left(16), QStringLiteral("<b>34101</b><IND"));
        // The train that needs no platform has one line more.
        const int zwykly = t.lb()->visualItemRect(t.Wiersz("34101")).height();
        const int bezPeronu = t.lb()->visualItemRect(t.Wiersz("64304")).height();
        const int linia = qCeil(TUkladZnacznikow("a", t.lb()->font()).WysokoscLinii());
        QVERIFY2(qAbs(bezPeronu - zwykly - linia) <= 1, qPrintable(QStringLiteral("%1 %2").arg(zwykly).arg(bezPeronu)));
        // Each card ends with its rule, drawn across the row.
        const QImage obraz = t.lb()->viewport()->grab().toImage();
        const QRect r = t.lb()->visualItemRect(t.Wiersz("34101"));
        int kreska = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            if (obraz.pixelColor(r.left() + 20, y) == QColor(0xA8, 0x9E, 0x90))
                ++kreska;
        QVERIFY(kreska >= 1);
    }

    void theEditorStartsEmptyAndAClickOnARowFillsIt()
    {
        TStanowisko t;
        t.lb()->setFocus();
        QCOMPARE(t.W<QLineEdit>("eNumer")->text(), QString());
        QVERIFY(!t.W<QPushButton>("bZmien")->isEnabled());
        t.Kliknij("34101");
        QCOMPARE(t.W<QLineEdit>("eNumer")->text(), QStringLiteral("34101"));
        QCOMPARE(t.W<QLineEdit>("eSklad")->text(), QStringLiteral("s122"));
        QCOMPARE(t.W<QLineEdit>("eOpis")->text(), QStringLiteral("osobowy"));
        QCOMPARE(t.W<QComboBox>("cbRelacjaOd")->currentText(), QStringLiteral("Olszarzyna"));
        QCOMPARE(t.W<QComboBox>("cbRelacjaDo")->currentText(), QStringLiteral("Brzelany"));
        QCOMPARE(t.W<QComboBox>("cbWjezdza")->currentText(), QStringLiteral("Olszarzyny"));
        QCOMPARE(t.W<QComboBox>("cbWyjezdza")->currentText(), QStringLiteral("Brzelan"));
        QCOMPARE(t.W<QLineEdit>("cbGodzWjezdza")->text(), QStringLiteral("4:08"));
        QCOMPARE(t.W<QLineEdit>("cbGodzWyjezdza")->text(), QStringLiteral("4:12"));
        QVERIFY(!t.W<QCheckBox>("cbNieWymagaPeronu")->isChecked());
        QVERIFY(t.W<QPushButton>("bZmien")->isEnabled());
        t.Kliknij("44713");
        QCOMPARE(t.W<QComboBox>("cbWjezdza")->currentText(), QStringLiteral("- (rozpoczyna bieg)"));
        // A train that needs no platform shows h.mm in the list but h:mm in the editor.
        t.Kliknij("64304");
        QVERIFY(t.Wiersz("64304")->text().contains(QStringLiteral("4.30")));
        QCOMPARE(t.W<QLineEdit>("cbGodzWjezdza")->text(), QStringLiteral("4:30"));
        QVERIFY(t.W<QCheckBox>("cbNieWymagaPeronu")->isChecked());
    }

    void addingATrainSavesTheFileAndSelectsItsRow()
    {
        TStanowisko t;
        t.WpiszNowy();
        TOdpowiadajacy odpowiedzi("OK");
        QTest::mouseClick(t.W<QPushButton>("bDodaj"), Qt::LeftButton);
        QCOMPARE(odpowiedzi.Teksty, QStringList());
        QVERIFY(NumeryWPliku().contains("77001"));
        QCOMPARE(NumeryWPliku().size(), 6);
        QCOMPARE(t.lb()->currentItem(), t.Wiersz("77001"));
        QVERIFY(t.Wiersz("77001")->text().contains(QStringLiteral("przyj. Brzelany (wBrz)")));
    }

    void changingATrainSavesTheFile()
    {
        TStanowisko t;
        t.Kliknij("34102");
        t.Wpisz("eOpis", "pośpieszny");
        QTest::mouseClick(t.W<QPushButton>("bZmien"), Qt::LeftButton);
        QCOMPARE(OpisWPliku("34102"), QStringLiteral("pośpieszny"));
        QCOMPARE(NumeryWPliku().size(), 5);
        QVERIFY(t.Wiersz("34102")->text().contains(QStringLiteral("pośpieszny")));
        QCOMPARE(t.W<QLineEdit>("eOpis")->text(), QStringLiteral("pośpieszny"));
    }

    void checkPlaysTheTimetableAsShownAndTellsAPlayableDayFromOneThatIsNot()
    {
        TStanowisko t;
        {
            TOdpowiadajacy odpowiedzi("OK");
            QTest::mouseClick(t.W<QPushButton>("bSprawdz"), Qt::LeftButton);
            QCOMPARE(odpowiedzi.Teksty.size(), 1);
            QCOMPARE(odpowiedzi.Ikony[0], QMessageBox::Information);
            QVERIFY2(odpowiedzi.Teksty[0].contains(QStringLiteral("Odjazdów 4, punktualnych 4, kar 0")),
                     qPrintable(odpowiedzi.Teksty[0]));
            QVERIFY(odpowiedzi.Teksty[0].contains(QStringLiteral("Dzień można rozegrać bez żadnej kary.")));
        }
        // Without the rail bus that ends here, the one that should start from it never leaves.
        t.Kliknij("44712");
        QTest::mouseClick(t.W<QPushButton>("wktColorButton1"), Qt::LeftButton);
        TOdpowiadajacy odpowiedzi("OK");
        QTest::mouseClick(t.W<QPushButton>("bSprawdz"), Qt::LeftButton);
        QCOMPARE(odpowiedzi.Teksty.size(), 1);
        QCOMPARE(odpowiedzi.Ikony[0], QMessageBox::Warning);
        QVERIFY2(odpowiedzi.Teksty[0].contains(QStringLiteral("Odjazdów 4, punktualnych 3")), qPrintable(odpowiedzi.Teksty[0]));
        QVERIFY(odpowiedzi.Teksty[0].contains(QStringLiteral("Tego dnia nie da się rozegrać bez kary.")));
        QVERIFY(odpowiedzi.Teksty[0].contains(QStringLiteral("Nie odjechały na czas: 44713.")));
        // One thing said: no count of penalties that contradicts the verdict, and why there is none yet.
        QVERIFY2(!odpowiedzi.Teksty[0].contains(QStringLiteral("kar 0")), qPrintable(odpowiedzi.Teksty[0]));
        QVERIFY(odpowiedzi.Teksty[0].contains(QStringLiteral("W dzienniku nie ma jeszcze kary")));
        QVERIFY(odpowiedzi.Teksty[0].startsWith(QStringLiteral("Tego dnia nie da się rozegrać bez kary.")));
    }

    void deletingATrainSavesTheFileWithoutAsking()
    {
        TStanowisko t;
        t.Kliknij("44712");
        TOdpowiadajacy odpowiedzi("Nie");
        QTest::mouseClick(t.W<QPushButton>("wktColorButton1"), Qt::LeftButton);
        QCOMPARE(odpowiedzi.Teksty, QStringList());
        QCOMPARE(NumeryWPliku(), (QStringList{"34101", "64304", "34102", "44713"}));
        QCOMPARE(t.Numery(), (QStringList{"34101", "64304", "34102", "44713"}));
    }

    void aTimeThatCannotBeReadIsRefusedWithTheMessage()
    {
        TStanowisko t;
        t.WpiszNowy();
        t.Wpisz("cbGodzWyjezdza", "7.30");
        TOdpowiadajacy odpowiedzi("OK");
        QTest::mouseClick(t.W<QPushButton>("bDodaj"), Qt::LeftButton);
        QCOMPARE(odpowiedzi.Teksty.size(), 1);
        QVERIFY2(odpowiedzi.Teksty[0].startsWith(QStringLiteral("Nie można dodać.\r\n")),
                 qPrintable(odpowiedzi.Teksty[0]));
        QVERIFY(odpowiedzi.Teksty[0].contains(QStringLiteral("7.30")));
        QCOMPARE(NumeryWPliku().size(), 5);
        QCOMPARE(t.lb()->count(), 5);
        // What was typed stays for the player to put right.
        QCOMPARE(t.W<QLineEdit>("cbGodzWyjezdza")->text(), QStringLiteral("7.30"));
        QCOMPARE(t.W<QLineEdit>("eNumer")->text(), QStringLiteral("77001"));
    }

    void doubtsAboutATrainAreAskedAndNoLeavesTheTimetableAsItWas()
    {
        TStanowisko t;
        t.WpiszNowy();
        t.Wpisz("eSklad", "x12");
        {
            TOdpowiadajacy odpowiedzi("Nie");
            QTest::mouseClick(t.W<QPushButton>("bDodaj"), Qt::LeftButton);
            QCOMPARE(odpowiedzi.Teksty.size(), 1);
            QCOMPARE(odpowiedzi.Ikony[0], QMessageBox::Warning);
            QVERIFY(odpowiedzi.Teksty[0].contains(QStringLiteral("„x”")));
            QCOMPARE(NumeryWPliku().size(), 5);
        }
        TOdpowiadajacy odpowiedzi("Tak");
        QTest::mouseClick(t.W<QPushButton>("bDodaj"), Qt::LeftButton);
        QCOMPARE(odpowiedzi.Teksty.size(), 1);
        QVERIFY(NumeryWPliku().contains("77001"));
    }

    void theCheckListsFilterTheTrainsByDirection()
    {
        TStanowisko t;
        auto* przyjazd = t.W<QListWidget>("clbPrzyjazd");
        auto* odjazd = t.W<QListWidget>("clbOdjazd");
        // Only the trains that arrive from Brzelany, or leave towards it.
        for (QListWidget* l : {przyjazd, odjazd})
            for (int i = 0; i < l->count(); ++i)
                if (l->item(i)->text() != "wBrz")
                    l->item(i)->setCheckState(Qt::Unchecked);
        QCOMPARE(t.Numery(), (QStringList{"34101", "34102"}));
        // The station's own row stands for the trains that start here.
        przyjazd->item(0)->setCheckState(Qt::Checked);
        QCOMPARE(t.Numery(), (QStringList{"34101", "34102", "44713"}));
        // Every showing starts with every direction checked.
        t.okno->hide();
        t.okno->show();
        QCOMPARE(t.Numery().size(), 5);
        QCOMPARE(odjazd->item(2)->checkState(), Qt::Checked);
    }

    void aFilterClickKeepsWhatWasTypedInTheEditor()
    {
        TStanowisko t;
        t.Kliknij("34101");
        t.Wpisz("eOpis", "zmieniony");
        t.W<QListWidget>("clbOdjazd")->item(3)->setCheckState(Qt::Unchecked);
        QCOMPARE(t.W<QLineEdit>("eOpis")->text(), QStringLiteral("zmieniony"));
    }

    void theSearchShowsOnlyTrainsWhoseNumberRelationOrDescriptionHoldsIt()
    {
        TStanowisko t;
        QTest::keyClicks(t.W<QLineEdit>("eSzukaj"), "SZYNOBUS");
        QCOMPARE(t.Numery(), (QStringList{"44712", "44713"}));
        t.W<QLineEdit>("eSzukaj")->clear();
        QCOMPARE(t.Numery().size(), 5);
        t.W<QLineEdit>("eSzukaj")->insert(QStringLiteral("plażno"));
        QCOMPARE(t.Numery(), QStringList{"34102"});
    }

    void theTimetableIsExportedAndImportedAsCsv()
    {
        TStanowisko t;
        t.okno->Eksport = QString::fromStdString(t.s.Katalog.Sciezka("eksport.csv"));
        QTest::mouseClick(t.W<QPushButton>("bEksportuj"), Qt::LeftButton);
        QFile eksport(t.okno->Eksport);
        QVERIFY(eksport.open(QIODevice::ReadOnly));
        const QString csv = QString::fromUtf8(eksport.readAll());
        QVERIFY(csv.startsWith(QStringLiteral("numer,")));
        for (const auto& d : Pociagi)
            QVERIFY2(csv.contains(QString::fromStdString(d.Numer)), d.Numer.c_str());

        t.okno->Import = QString::fromStdString(t.s.Katalog.Sciezka("import.csv"));
        std::ofstream(t.okno->Import.toStdString(), std::ios::binary)
            << "numer,relacja_od,relacja_do,sklad,wjezdza,wyjezdza,przyjazd,odjazd,opis,bez_peronu\n"
               "34105,Bartnica,Zagórnik,s122,wOlsz,wBrz,7:08,7:12,osobowy,0\n";
        TOdpowiadajacy odpowiedzi("Tak");
        QTest::mouseClick(t.W<QPushButton>("bImportuj"), Qt::LeftButton);
        QCOMPARE(odpowiedzi.Teksty.size(), 1);
        QVERIFY(odpowiedzi.Teksty[0].endsWith(QStringLiteral("Zastąpić rozkład jazdy?")));
        QCOMPARE(t.Numery(), QStringList{"34105"});
        QCOMPARE(NumeryWPliku(), QStringList{"34105"});
    }

    void aCancelledFileChoiceDoesNothing()
    {
        TStanowisko t;
        TOdpowiadajacy odpowiedzi("OK");
        QTest::mouseClick(t.W<QPushButton>("bImportuj"), Qt::LeftButton);
        QTest::mouseClick(t.W<QPushButton>("bEksportuj"), Qt::LeftButton);
        QCOMPARE(odpowiedzi.Teksty, QStringList());
        QCOMPARE(NumeryWPliku().size(), 5);
    }

    void openingFromTheStationWindowPausesTheClockUntilItCloses()
    {
        TSrodowiskoTestowe s;
        s.Rozklad.ZapiszRozklad();
        TSymulacjaStacji sym{s.Uslugi, s.Rozklad};
        TOknoStacji stacja{sym};
        stacja.show();
        stacja.Zegar()->stop();  // ticks only when the test asks
        stacja.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&stacja));
        const double start = sym.CzasSymulacji;
        stacja.Tyknij();
        QVERIFY(sym.CzasSymulacji > start);  // the clock runs before the window opens

        QAction* akcja = nullptr;
        for (QAction* a : stacja.menuBar()->findChildren<QAction*>())
            if (a->text() == QStringLiteral("&Rozkład jazdy..."))
                akcja = a;
        QVERIFY(akcja != nullptr);
        QCOMPARE(akcja->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));

        double przed = -1;
        double po = -1;
        QString tytul;
        bool stacjaAktywna = true;
        QTimer szukaj;
        szukaj.setInterval(5);
        QObject::connect(&szukaj, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* r = qobject_cast<TeRozklad*>(w); r != nullptr && r->isVisible()) {
                    szukaj.stop();
                    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(r));
                    tytul = r->windowTitle();
                    stacjaAktywna = stacja.isActiveWindow();
                    przed = sym.CzasSymulacji;
                    stacja.Tyknij();
                    stacja.Tyknij();
                    po = sym.CzasSymulacji;
                    r->findChild<QPushButton*>("wktColorButton2")->click();
                }
        });
        szukaj.start();
        QTest::keyClick(&stacja, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(tytul, QStringLiteral("Rozkład jazdy"));
        QVERIFY(!stacjaAktywna);
        QCOMPARE(po, przed);

        QVERIFY(QTest::qWaitForWindowActive(&stacja));
        stacja.Tyknij();
        QVERIFY(sym.CzasSymulacji > po);
    }
};

int main(int argc, char** argv)
{
    QApplication aplikacja(argc, argv);
    QApplication::setStyle("Fusion");
    ZaladujCzcionki();
    ZnacznikiTest znaczniki;
    OknoRozkladuTest okno;
    return QTest::qExec(&znaczniki, argc, argv) | QTest::qExec(&okno, argc, argv);
}

#include "okno_rozkladu_test.moc"
