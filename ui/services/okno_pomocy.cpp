// The help window: loading local pages only, going back and forward, searching, and the one window of
// the program.

#include "ui/services/okno_pomocy.h"

#include "core/wkt_files.h"
#include "simulation/linia_startowa.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPointer<TOknoPomocy> okno;

// Links the pane may follow: files of this computer, as the pages' own links always are; nothing is
// ever fetched from a network.
bool Lokalny(const QUrl& adres) { return adres.scheme().isEmpty() || adres.isLocalFile(); }

}  // namespace

TPrzegladarkaPomocy::TPrzegladarkaPomocy(QWidget* rodzic) : QTextBrowser(rodzic)
{
    setObjectName("tekstPomocy");
    // Every link is judged by the window: a link out of the folder must not even be tried.
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

QVariant TPrzegladarkaPomocy::loadResource(int typ, const QUrl& nazwa)
{
    if (typ == QTextDocument::HtmlResource && nazwa.isLocalFile()) {
        const QFileInfo plik(nazwa.toLocalFile());
        if (!plik.isFile() || !plik.isReadable())
            return BrakStrony(plik.absoluteFilePath());
    }
    return QTextBrowser::loadResource(typ, nazwa);
}

QString TPrzegladarkaPomocy::BrakStrony(const QString& sciezka)
{
    const QFileInfo plik(sciezka);
    return QStringLiteral("<html><head><title>Brak strony pomocy</title></head><body>"
                          "<h2 style=\"color: #800000\">Nie ma tej strony pomocy</h2>"
                          "<p>Nie znaleziono pliku <b>%1</b> w folderze programu:</p>"
                          "<p style=\"margin-left: 20px\"><tt>%2</tt></p>"
                          "<p>Strony pomocy leżą w folderze programu obok pliku rozkładu jazdy. "
                          "Jeśli plik usunięto albo przeniesiono, zainstaluj program ponownie.</p>"
                          "<p><a href=\"%3\">Spis treści instrukcji</a></p></body></html>")
        .arg(plik.fileName().toHtmlEscaped(), QDir::toNativeSeparators(plik.absolutePath()).toHtmlEscaped(),
             QString::fromLatin1(TOknoPomocy::SpisTresci));
}

TOknoPomocy::TOknoPomocy(const QString& katalog, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window), katalog_(QDir(katalog).absolutePath())
{
    setObjectName("eHelp");
    setWindowTitle(QStringLiteral("Pomoc — Lorvia 99 - Drelinko"));

    tekst_ = new TPrzegladarkaPomocy(this);
    tekst_->setSearchPaths({katalog_});

    auto* pasek = new QToolBar(this);
    pasek->setObjectName("pasekPomocy");
    pasek->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    pasek->setMovable(false);
    aWstecz_ = pasek->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Wstecz"));
    aWstecz_->setObjectName("aWstecz");
    aWstecz_->setShortcut(QKeySequence::Back);
    aWstecz_->setToolTip(QStringLiteral("poprzednio oglądana strona (Alt+←)"));
    aWstecz_->setEnabled(false);
    aDalej_ = pasek->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Dalej"));
    aDalej_->setObjectName("aDalej");
    aDalej_->setShortcut(QKeySequence::Forward);
    aDalej_->setToolTip(QStringLiteral("strona, z której się cofnąłeś (Alt+→)"));
    aDalej_->setEnabled(false);
    aSpis_ = pasek->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Spis treści"));
    aSpis_->setObjectName("aSpis");
    aSpis_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    aSpis_->setToolTip(QStringLiteral("początek instrukcji obsługi ze spisem rozdziałów"));
    pasek->addSeparator();

    eSzukaj_ = new QLineEdit(this);
    eSzukaj_->setObjectName("eSzukaj");
    eSzukaj_->setPlaceholderText(QStringLiteral("szukaj na stronie..."));
    eSzukaj_->setClearButtonEnabled(true);
    eSzukaj_->setToolTip(QStringLiteral("Enter albo F3: następne miejsce na stronie, w którym występuje ten tekst"));
    eSzukaj_->setMinimumWidth(eSzukaj_->fontMetrics().horizontalAdvance(QStringLiteral("szukaj na stronie...")) + 40);
    eSzukaj_->setMaximumWidth(260);
    pasek->addWidget(eSzukaj_);
    QAction* aZnajdz = pasek->addAction(QStringLiteral("Znajdź"));
    aZnajdz->setObjectName("aZnajdz");
    aZnajdz->setShortcut(QKeySequence::FindNext);
    aZnajdz->setToolTip(QStringLiteral("następne wystąpienie szukanego tekstu (F3)"));
    lbKomunikat_ = new QLabel(this);
    lbKomunikat_->setObjectName("lbKomunikat");
    lbKomunikat_->setContentsMargins(8, 0, 4, 0);
    lbKomunikat_->setTextFormat(Qt::PlainText);  // the searched text is shown as typed
    pasek->addWidget(lbKomunikat_);

    auto* szukaj = new QAction(this);
    szukaj->setShortcut(QKeySequence::Find);
    addAction(szukaj);
    connect(szukaj, &QAction::triggered, this, [this] {
        eSzukaj_->setFocus();
        eSzukaj_->selectAll();
    });

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(pasek);
    uklad->addWidget(tekst_, 1);

    connect(aWstecz_, &QAction::triggered, tekst_, &QTextBrowser::backward);
    connect(aDalej_, &QAction::triggered, tekst_, &QTextBrowser::forward);
    connect(aSpis_, &QAction::triggered, this, [this] { Otworz(QString::fromLatin1(SpisTresci)); });
    connect(tekst_, &QTextBrowser::backwardAvailable, aWstecz_, &QAction::setEnabled);
    connect(tekst_, &QTextBrowser::forwardAvailable, aDalej_, &QAction::setEnabled);
    connect(tekst_, &QTextBrowser::anchorClicked, this, &TOknoPomocy::Przejdz);
    connect(tekst_, &QTextBrowser::sourceChanged, this, [this] { PokazKomunikat(QString(), false); });
    connect(eSzukaj_, &QLineEdit::returnPressed, this, [this] { Szukaj(eSzukaj_->text()); });
    connect(aZnajdz, &QAction::triggered, this, [this] { Szukaj(eSzukaj_->text()); });
    connect(eSzukaj_, &QLineEdit::textChanged, this, [this] { PokazKomunikat(QString(), false); });

    // Wide enough for the station diagram in the pages, never larger than the screen.
    QSize rozmiar(860, 680);
    if (const QScreen* ekran = QGuiApplication::primaryScreen())
        rozmiar = rozmiar.boundedTo(ekran->availableGeometry().size() * 0.9);
    resize(rozmiar);
}

void TOknoPomocy::keyPressEvent(QKeyEvent* e)
{
    // Esc closes the help as it closes a dialog; the game goes on behind it.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TOknoPomocy::Otworz(const QString& strona)
{
    const int krzyzyk = strona.indexOf(QLatin1Char('#'));
    const QString plik = krzyzyk < 0 ? strona : strona.left(krzyzyk);
    QUrl adres = QUrl::fromLocalFile(QDir(katalog_).absoluteFilePath(plik));
    if (krzyzyk >= 0)
        adres.setFragment(strona.mid(krzyzyk + 1));
    tekst_->setSource(adres);
    // The same page asked for again starts from its top as well, and so does a search in it.
    if (!adres.hasFragment())
        tekst_->moveCursor(QTextCursor::Start);
}

QString TOknoPomocy::Strona() const { return QFileInfo(tekst_->source().toLocalFile()).fileName(); }

void TOknoPomocy::Przejdz(const QUrl& adres)
{
    if (adres.scheme() == QStringLiteral("polecenie")) {
        emit polecenie(NumerLinku(adres.path().toStdString()));
        return;
    }
    const QUrl cel = tekst_->source().resolved(adres);
    if (!Lokalny(cel)) {
        PokazKomunikat(QStringLiteral("Łącza spoza pomocy nie są otwierane."), true);
        return;
    }
    tekst_->setSource(cel);
}

bool TOknoPomocy::Szukaj(const QString& tekst)
{
    if (tekst.isEmpty()) {
        PokazKomunikat(QString(), false);
        return false;
    }
    if (tekst_->find(tekst)) {
        PokazKomunikat(QString(), false);
        return true;
    }
    // Past the last occurrence: once more from the top of the page.
    const QTextCursor bylo = tekst_->textCursor();
    tekst_->moveCursor(QTextCursor::Start);
    if (tekst_->find(tekst)) {
        PokazKomunikat(QStringLiteral("od początku strony"), false);
        return true;
    }
    tekst_->setTextCursor(bylo);
    PokazKomunikat(QStringLiteral("Nie znaleziono: „%1”").arg(tekst), true);
    return false;
}

void TOknoPomocy::PokazKomunikat(const QString& tekst, bool blad)
{
    lbKomunikat_->setText(tekst);
    lbKomunikat_->setStyleSheet(blad ? QStringLiteral("color: #a00000; font-weight: bold") : QString());
    eSzukaj_->setStyleSheet(blad && !eSzukaj_->text().isEmpty() ? QStringLiteral("background: #ffd8d8") : QString());
}

void PolozObok(QWidget& okno, const QWidget* rodzic)
{
    const QWidget* gra = rodzic != nullptr ? rodzic->window() : nullptr;
    const QScreen* ekran = gra != nullptr && gra->screen() != nullptr ? gra->screen() : QGuiApplication::primaryScreen();
    if (ekran == nullptr)
        return;
    const QRect dostepne = ekran->availableGeometry();
    const QSize rozmiar = okno.frameGeometry().size().expandedTo(okno.size());
    if (gra == nullptr) {
        okno.move(dostepne.center() - QPoint(rozmiar.width() / 2, rozmiar.height() / 2));
        return;
    }
    // Beside the game where the screen has room, to the right first; else over its right part, so
    // that the diagram's left side stays in view.
    const QRect r = gra->frameGeometry();
    int x = r.right() + 1;
    if (x + rozmiar.width() > dostepne.right() + 1)
        x = r.left() - rozmiar.width() >= dostepne.left() ? r.left() - rozmiar.width() : dostepne.right() + 1 - rozmiar.width();
    const int y = std::clamp(r.top(), dostepne.top(), std::max(dostepne.top(), dostepne.bottom() + 1 - rozmiar.height()));
    okno.move(std::max(dostepne.left(), x), y);
}

void PokazPomoc(QWidget* rodzic, const QString& strona)
{
    if (okno.isNull()) {
        okno = new TOknoPomocy(QString::fromStdString(ProgramDir()), rodzic);
        PolozObok(*okno, rodzic);
    } else if (okno->parentWidget() != rodzic)
        // A modal window blocks the windows that others own: the one help window comes over to
        // the window that asks for it.
        okno->setParent(rodzic, okno->windowFlags());
    okno->Otworz(strona);
    okno->show();
    okno->raise();
    okno->activateWindow();
}

TOknoPomocy* OknoPomocy() { return okno; }
