// The Qt timers, sounds, message and question boxes, cursors, wall clock and settings behind the
// engine's services.

#include "ui/services/qt_uslugi.h"

#include "ui/services/o_programie.h"
#include "ui/services/okno_ostrzezenia.h"

#include <QApplication>
#include <QColor>
#include <QDateTime>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>
#include <QSettings>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

// The QTimer goes with deleteLater: a tick may stop its own timer.
class TQtZegar : public TZegar {
public:
    TQtZegar(int interwal, std::function<void()> tykniecie) : timer_(new QTimer)
    {
        timer_->setInterval(interwal);
        QObject::connect(timer_, &QTimer::timeout, timer_, std::move(tykniecie));
        timer_->start();
    }
    ~TQtZegar() override
    {
        if (timer_ != nullptr) {
            timer_->stop();
            timer_->deleteLater();
        }
    }

private:
    QPointer<QTimer> timer_;
};

}  // namespace

std::unique_ptr<TZegar> TQtZegary::Uruchom(int interwalMs, std::function<void()> tykniecie)
{
    return std::make_unique<TQtZegar>(interwalMs, std::move(tykniecie));
}

TQtDzwieki::TQtDzwieki() = default;

TQtDzwieki::~TQtDzwieki()
{
    for (auto& [plik, dzwiek] : dzwieki_)
        delete dzwiek;
}

void TQtDzwieki::Odtworz(const std::string& plik)
{
    const QString sciezka = QString::fromStdString(plik);
    if (!QFile::exists(sciezka))
        return;
    QSoundEffect*& dzwiek = dzwieki_[sciezka];
    if (dzwiek == nullptr) {
        dzwiek = new QSoundEffect;
        dzwiek->setSource(QUrl::fromLocalFile(sciezka));
    }
    if (gra_ != nullptr && gra_ != dzwiek)
        gra_->stop();
    gra_ = dzwiek;
    dzwiek->stop();
    dzwiek->play();
}

void TQtKomunikaty::Komunikat(const std::string& tekst)
{
    Pokaz(QMessageBox::Information, tekst);
}

void TQtKomunikaty::Blad(const std::string& tekst)
{
    Pokaz(QMessageBox::Critical, tekst);
}

void TQtKomunikaty::Pokaz(QMessageBox::Icon ikona, const std::string& tekst)
{
    QMessageBox okno(ikona, QString::fromUtf8(TytulProgramu), QString::fromStdString(tekst), QMessageBox::Ok, rodzic_);
    okno.exec();
}

tOdpowiedz TQtKomunikaty::Pytanie(const std::string& tekst, tPrzyciski przyciski, tRodzajPytania rodzaj)
{
    QMessageBox okno(rodzaj == tRodzajPytania::ostrzezenie ? QMessageBox::Warning : QMessageBox::Question,
                     QString::fromUtf8(TytulProgramu), QString::fromStdString(tekst), QMessageBox::NoButton,
                     rodzic_);
    QAbstractButton* tak = okno.addButton(QStringLiteral("&Tak"), QMessageBox::YesRole);
    QAbstractButton* drugi = przyciski == tPrzyciski::takNie ? okno.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole)
                                                              : okno.addButton(QStringLiteral("Anuluj"), QMessageBox::RejectRole);
    okno.setDefaultButton(qobject_cast<QPushButton*>(drugi));
    okno.setEscapeButton(drugi);
    okno.exec();
    if (okno.clickedButton() == tak)
        return tOdpowiedz::tak;
    return przyciski == tPrzyciski::takNie ? tOdpowiedz::nie : tOdpowiedz::anuluj;
}

void TQtKomunikaty::Ostrzezenie(const std::string& naglowek, const std::string& tytul, const std::string& opis,
                                int sekundy)
{
    TOknoOstrzezenia::PokazOstrzezenie(QString::fromStdString(naglowek), QString::fromStdString(tytul),
                                       QString::fromStdString(opis), sekundy, true);
}

void TQtKursory::UstawKursor(tKursor kursor)
{
    if (kursor == tKursor::domyslny) {
        while (QApplication::overrideCursor() != nullptr)
            QApplication::restoreOverrideCursor();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

double TQtZegarScienny::Teraz() const
{
    // The local date and time on the wall, counted from 30 December 1899 as if every day had 24
    // hours. The zone's offset is asked of the system once a minute: asking it on every tick was a
    // good part of an idle tick's work, and a change of the clocks shows within the minute.
    const qint64 teraz = QDateTime::currentMSecsSinceEpoch();
    if (sprawdzono_ < 0 || teraz - sprawdzono_ >= 60000 || teraz < sprawdzono_) {
        przesuniecie_ = QDateTime::fromMSecsSinceEpoch(teraz).offsetFromUtc() * qint64{1000};
        sprawdzono_ = teraz;
    }
    constexpr double DniDo1970 = 25569;  // 30 December 1899 to 1 January 1970
    return DniDo1970 + static_cast<double>(teraz + przesuniecie_) / 86400000.0;
}

QString TQtUstawienia::Grupa(const std::string& klucz)
{
    QString g = QString::fromStdString(klucz);
    g.replace('\\', '/');
    for (const char* przedrostek : {"Software/WKT/Drelinko/", "Software/WKT/"})
        if (g.startsWith(przedrostek))
            return g.mid(static_cast<int>(strlen(przedrostek)));
    return g;
}

std::string TQtUstawienia::Czytaj(const std::string& klucz, const std::string& nazwa, const std::string& domyslna) const
{
    return CzytajJako(tPostacUstawienia::tekst, klucz, nazwa, domyslna);
}

std::string TQtUstawienia::CzytajJako(tPostacUstawienia postac, const std::string& klucz, const std::string& nazwa,
                                      const std::string& domyslna) const
{
    QSettings s("WKT", "Drelinko");
    s.beginGroup(Grupa(klucz));
    const QVariant v = s.value(QString::fromStdString(nazwa));
    if (!v.isValid())
        return domyslna;
    // Only a value of the form asked for converts; anything else goes on as text for the layer
    // to refuse.
    if (postac == tPostacUstawienia::kolor && v.typeId() == QMetaType::QColor)
        return v.value<QColor>().name().toStdString();
    if (postac == tPostacUstawienia::dane && v.typeId() == QMetaType::QByteArray)
        return v.toByteArray().toBase64().toStdString();
    return v.toString().toStdString();
}

void TQtUstawienia::Zapisz(const std::string& klucz, const std::string& nazwa, const std::string& wartosc)
{
    ZapiszJako(tPostacUstawienia::tekst, klucz, nazwa, wartosc);
}

void TQtUstawienia::ZapiszJako(tPostacUstawienia postac, const std::string& klucz, const std::string& nazwa,
                               const std::string& wartosc)
{
    const QString tekst = QString::fromStdString(wartosc);
    switch (postac) {
    case tPostacUstawienia::kolor:
        Zapisz(klucz, nazwa, QVariant(QColor::fromString(tekst)));
        break;
    case tPostacUstawienia::dane:
        Zapisz(klucz, nazwa, QVariant(QByteArray::fromBase64(tekst.toLatin1())));
        break;
    case tPostacUstawienia::tekst:
        Zapisz(klucz, nazwa, QVariant(tekst));
        break;
    }
}

void TQtUstawienia::Zapisz(const std::string& klucz, const std::string& nazwa, const QVariant& wartosc)
{
    QSettings s("WKT", "Drelinko");
    s.beginGroup(Grupa(klucz));
    s.setValue(QString::fromStdString(nazwa), wartosc);
    s.sync();
    blad_.clear();
    if (s.status() == QSettings::AccessError)
        blad_ = "nie można zapisać pliku " + s.fileName().toStdString();
    else if (s.status() == QSettings::FormatError)
        blad_ = "plik " + s.fileName().toStdString() + " jest uszkodzony";
}
