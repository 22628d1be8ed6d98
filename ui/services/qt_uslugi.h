#pragma once

// The engine's services made with Qt: timers, sounds, message boxes, cursors, the wall clock and the
// settings store.

#include "core/uslugi.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class QSoundEffect;
class QWidget;

// Real-time timers on the user-interface thread.
class TQtZegary : public TZegary {
public:
    std::unique_ptr<TZegar> Uruchom(int interwalMs, std::function<void()> tykniecie) override;
};

// Wave files played asynchronously; a new sound cuts off the one playing. Silent when a file is
// missing or there is no audio device.
class TQtDzwieki : public TDzwieki {
public:
    TQtDzwieki();
    ~TQtDzwieki() override;
    void Odtworz(const std::string& plik) override;

private:
    std::map<QString, QSoundEffect*> dzwieki_;
    QSoundEffect* gra_ = nullptr;
};

class TOknoOstrzezenia;

// Message and question boxes with Polish buttons, and the timed warning dialog.
class TQtKomunikaty : public TKomunikaty {
public:
    explicit TQtKomunikaty(QWidget* rodzic = nullptr) : rodzic_(rodzic) {}
    void UstawRodzica(QWidget* rodzic) { rodzic_ = rodzic; }
    void Komunikat(const std::string& tekst) override;
    void Blad(const std::string& tekst) override;
    tOdpowiedz Pytanie(const std::string& tekst, tPrzyciski przyciski, tRodzajPytania rodzaj) override;
    void Ostrzezenie(const std::string& naglowek, const std::string& tytul, const std::string& opis, int sekundy) override;

private:
    void Pokaz(QMessageBox::Icon ikona, const std::string& tekst);

    QWidget* rodzic_;
};

class TQtKursory : public TKursory {
public:
    void UstawKursor(tKursor kursor) override;
};

// The date and time as days since the end of 1899, as the journal's times count them.
class TQtZegarScienny : public TZegarScienny {
public:
    double Teraz() const override;

private:
    mutable qint64 sprawdzono_ = -1;  // when the zone's offset was last asked, ms since 1970
    mutable qint64 przesuniecie_ = 0;
};

// Per-user settings of organisation "WKT", application "Drelinko". A key path written the registry
// way ("Software\WKT\Lorvia\...") becomes a group of the store.
class TQtUstawienia : public TUstawienia {
public:
    std::string Czytaj(const std::string& klucz, const std::string& nazwa, const std::string& domyslna) const override;
    void Zapisz(const std::string& klucz, const std::string& nazwa, const std::string& wartosc) override;
    // A colour is kept as a QColor and bytes as a QByteArray, as the station window has always
    // kept them, so that stores written by earlier versions read the same.
    std::string CzytajJako(tPostacUstawienia postac, const std::string& klucz, const std::string& nazwa,
                           const std::string& domyslna) const override;
    void ZapiszJako(tPostacUstawienia postac, const std::string& klucz, const std::string& nazwa,
                    const std::string& wartosc) override;
    std::string BladZapisu() const override { return blad_; }
    static QString Grupa(const std::string& klucz);

private:
    void Zapisz(const std::string& klucz, const std::string& nazwa, const QVariant& wartosc);

    std::string blad_;
};
