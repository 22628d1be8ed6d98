#include "core/ustawienia.h"
#include "simulation/ustawienia_gry.h"
#include "station/kolor.h"
#include "tests/support/srodowisko_testowe.h"
#include "tests/support/zapisujace.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

// Settings of every kind, as a window would describe its own.
const TOpisUstawienia Powiekszenie{"Test", "powiekszenie", "1", UstawienieRzeczywiste, 0.5, 4.0};
const TOpisUstawienia Strona{"Test", "strona", "0", UstawienieCalkowite, 0, 9};
const TOpisUstawienia KolorOkna{"Test", "kolor", "#e8d8bd", UstawienieKolor};
const TOpisUstawienia Dzwieki{"Test", "dzwieki", "true", UstawienieLogiczne};
const TOpisUstawienia Zegar{"Test", "zegar", "true", UstawienieLogiczne};
const TOpisUstawienia Geometria{"Test", "geometria", "", UstawienieDane};

// A store whose home cannot be written: every write is lost and says why.
class TUstawieniaTylkoDoOdczytu : public TUstawieniaPamiec {
public:
    void Zapisz(const std::string&, const std::string&, const std::string&) override {}
    std::string BladZapisu() const override { return "nie można zapisać pliku /dom/.config/WKT/Drelinko.conf"; }
};

std::string Klucz(const TOpisUstawienia& opis) { return std::string(opis.Klucz) + "|" + opis.Nazwa; }

TEST(Ustawienia, ABadStoredValueIsReadAsTheDefaultAndLeftAsItIs)
{
    TUstawieniaPamiec magazyn;
    const TUstawieniaGry u(magazyn, nullptr);
    EXPECT_EQ(u.Rzeczywiste(Powiekszenie), 1.0);  // missing
    for (const char* zla : {"nan", "NaN", "inf", "-inf", "1e999", "0.1", "4.5", "abc", "1,5", "", "2x"}) {
        magazyn.Wartosci[Klucz(Powiekszenie)] = zla;
        EXPECT_EQ(u.Rzeczywiste(Powiekszenie), 1.0) << zla;
        EXPECT_EQ(magazyn.Wartosci[Klucz(Powiekszenie)], zla);
    }
    magazyn.Wartosci[Klucz(Powiekszenie)] = "2.5";
    EXPECT_EQ(u.Rzeczywiste(Powiekszenie), 2.5);

    for (const char* zly : {"zielony", "#12345", "#1234567", "#gg0000", "green"}) {
        magazyn.Wartosci[Klucz(KolorOkna)] = zly;
        EXPECT_EQ(u.Tekst(KolorOkna), "#e8d8bd") << zly;
    }
    magazyn.Wartosci[Klucz(KolorOkna)] = "#00FF80";
    EXPECT_EQ(u.Tekst(KolorOkna), "#00ff80");

    magazyn.Wartosci[Klucz(Dzwieki)] = "tak";
    EXPECT_TRUE(u.Logiczne(Dzwieki));
    magazyn.Wartosci[Klucz(Dzwieki)] = "false";
    EXPECT_FALSE(u.Logiczne(Dzwieki));

    for (const char* zla : {"-1", "10", "3.5", "trzy", "99999999999999999999"}) {
        magazyn.Wartosci[Klucz(Strona)] = zla;
        EXPECT_EQ(u.Calkowite(Strona), 0) << zla;
    }
    magazyn.Wartosci[Klucz(ustawienia::GodzStartu)] = "25:00";
    EXPECT_EQ(u.Tekst(ustawienia::GodzStartu), "4:10");
    magazyn.Wartosci[Klucz(Geometria)] = "nie base64!";
    EXPECT_EQ(u.Dane(Geometria), "");
}

TEST(Ustawienia, AValueThatIsNotTheSettingsIsNeverWritten)
{
    TUstawieniaPamiec magazyn;
    TUstawieniaGry u(magazyn, nullptr);
    EXPECT_FALSE(u.ZapiszRzeczywiste(Powiekszenie, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(u.ZapiszRzeczywiste(Powiekszenie, 100.0));
    EXPECT_FALSE(u.Zapisz(KolorOkna, "zielony"));
    EXPECT_FALSE(u.ZapiszCalkowite(Strona, -1));
    EXPECT_TRUE(magazyn.Wartosci.empty());
    EXPECT_TRUE(u.ZapiszRzeczywiste(Powiekszenie, 1.5625));
    EXPECT_EQ(magazyn.Wartosci[Klucz(Powiekszenie)], "1.5625");
    EXPECT_EQ(u.Rzeczywiste(Powiekszenie), 1.5625);
}

TEST(Ustawienia, BytesGoThroughAsBase64Unchanged)
{
    TUstawieniaPamiec magazyn;
    TUstawieniaGry u(magazyn, nullptr);
    for (const std::string& bajty : {std::string(), std::string("a"), std::string("ab"), std::string("abc", 3),
                                    std::string("\0\xFF\x01\x80zzz", 7)}) {
        ASSERT_TRUE(u.ZapiszDane(Geometria, bajty));
        EXPECT_EQ(u.Dane(Geometria), bajty);
    }
    EXPECT_EQ(Base64("Ma"), "TWE=");
    EXPECT_EQ(ZBase64("TWE="), std::string("Ma"));
    for (const char* zly : {"TWE", "T=E=", "TW==E===", "TWE*"})
        EXPECT_EQ(ZBase64(zly), std::nullopt) << zly;
}

TEST(Ustawienia, SettingsThatCannotBeKeptAreToldToThePlayerOnceInARun)
{
    TUstawieniaGry::ZapomnijOBledzie();
    TUstawieniaTylkoDoOdczytu magazyn;
    TKomunikatyZapis komunikaty;
    TUstawieniaGry u(magazyn, &komunikaty);
    EXPECT_FALSE(u.ZapiszLogiczne(Dzwieki, false));
    EXPECT_FALSE(u.Zapisz(ustawienia::GodzStartu, "7:05"));
    TUstawieniaGry drugie(magazyn, &komunikaty);
    EXPECT_FALSE(drugie.ZapiszLogiczne(Zegar, false));
    ASSERT_EQ(komunikaty.Teksty.size(), 1u);
    EXPECT_EQ(komunikaty.Teksty[0].rfind("Nie udało się zachować ustawień gry (nie można zapisać pliku "
                                         "/dom/.config/WKT/Drelinko.conf).",
                                         0),
              0u);
    TUstawieniaGry::ZapomnijOBledzie();
}

TEST(Ustawienia, TheStationWindowsSettingsReadTheirDefaultsForEveryKindOfBadValue)
{
    TUstawieniaPamiec magazyn;
    const TUstawieniaGry u(magazyn, nullptr);
    // Missing: the defaults, the window's colour that of the drawing.
    EXPECT_EQ(u.Rzeczywiste(ustawienia::Powiekszenie), 0.0);
    EXPECT_EQ(u.Rzeczywiste(ustawienia::UdzialDziennika), -1.0);
    EXPECT_EQ(u.Calkowite(ustawienia::Strona), 0);
    EXPECT_EQ(u.Tekst(ustawienia::KolorOkna), "#e8d8bd");
    EXPECT_EQ(kolory::TloOkna, (TKolor{0xE8, 0xD8, 0xBD}));
    EXPECT_TRUE(u.Logiczne(ustawienia::Etykiety));
    EXPECT_EQ(u.Dane(ustawienia::Geometria), "");

    for (const char* zla : {"nan", "inf", "-inf", "0.4", "-0.5", "4.01", "1e999", "duzo", "1.5.", " "}) {
        magazyn.Wartosci[Klucz(ustawienia::Powiekszenie)] = zla;
        EXPECT_EQ(u.Rzeczywiste(ustawienia::Powiekszenie), 0.0) << zla;
        magazyn.Wartosci[Klucz(ustawienia::UdzialDziennika)] = zla;
        EXPECT_EQ(u.Rzeczywiste(ustawienia::UdzialDziennika), zla == std::string("0.4") ? 0.4 : -1.0) << zla;
    }
    // 0 fits the diagram to the window; the ends of the range are zooms of their own.
    for (const char* dobra : {"0", "0.0", "-0", "0.5", "4", "1.5625"}) {
        magazyn.Wartosci[Klucz(ustawienia::Powiekszenie)] = dobra;
        EXPECT_EQ(u.Rzeczywiste(ustawienia::Powiekszenie), std::stod(dobra) == 0 ? 0.0 : std::stod(dobra)) << dobra;
    }
    for (const char* zla : {"-1", "6", "2.0", "dwa", ""}) {
        magazyn.Wartosci[Klucz(ustawienia::Strona)] = zla;
        EXPECT_EQ(u.Calkowite(ustawienia::Strona), 0) << zla;
    }
    magazyn.Wartosci[Klucz(ustawienia::Strona)] = "5";
    EXPECT_EQ(u.Calkowite(ustawienia::Strona), ustawienia::LiczbaStron - 1);
    for (const char* zly : {"zielony", "#e8d8b", "e8d8bd", "#e8d8bdff", "@Variant(zielony)"}) {
        magazyn.Wartosci[Klucz(ustawienia::KolorOkna)] = zly;
        EXPECT_EQ(u.Tekst(ustawienia::KolorOkna), "#e8d8bd") << zly;
    }
    for (const char* zla : {"moze", "2", "tak", ""}) {
        magazyn.Wartosci[Klucz(ustawienia::Etykiety)] = zla;
        EXPECT_TRUE(u.Logiczne(ustawienia::Etykiety)) << zla;
    }
    magazyn.Wartosci[Klucz(ustawienia::Geometria)] = "@ByteArray(okno)";
    EXPECT_EQ(u.Dane(ustawienia::Geometria), "");
    // None of it was written over.
    EXPECT_EQ(magazyn.Wartosci[Klucz(ustawienia::KolorOkna)], "@Variant(zielony)");
    EXPECT_EQ(magazyn.Wartosci[Klucz(ustawienia::Geometria)], "@ByteArray(okno)");
}

// A store that keeps colours and bytes in forms of its own, as the Qt one does.
class TUstawieniaZPostacia : public TUstawieniaPamiec {
public:
    std::string CzytajJako(tPostacUstawienia postac, const std::string& k, const std::string& n,
                           const std::string& d) const override
    {
        Czytane.push_back(postac);
        return Czytaj(k, n, d);
    }
    void ZapiszJako(tPostacUstawienia postac, const std::string& k, const std::string& n, const std::string& w) override
    {
        Zapisane.push_back(postac);
        Zapisz(k, n, w);
    }
    mutable std::vector<tPostacUstawienia> Czytane;
    std::vector<tPostacUstawienia> Zapisane;
};

TEST(Ustawienia, TheStoreIsToldWhatAColourOrBytesAreSoThatItKeepsTheirOldForm)
{
    TUstawieniaZPostacia magazyn;
    TUstawieniaGry u(magazyn, nullptr);
    u.Tekst(ustawienia::KolorOkna);
    u.Dane(ustawienia::Geometria);
    u.Rzeczywiste(ustawienia::Powiekszenie);
    EXPECT_EQ(magazyn.Czytane, (std::vector{tPostacUstawienia::kolor, tPostacUstawienia::dane, tPostacUstawienia::tekst}));
    EXPECT_TRUE(u.Zapisz(ustawienia::KolorOkna, "#112233"));
    EXPECT_TRUE(u.ZapiszDane(ustawienia::Geometria, "\x01\x02"));
    EXPECT_TRUE(u.ZapiszLogiczne(ustawienia::Zegar, false));
    EXPECT_EQ(magazyn.Zapisane, (std::vector{tPostacUstawienia::kolor, tPostacUstawienia::dane, tPostacUstawienia::tekst}));
    // A NaN zoom or a word for a colour never reaches the store.
    EXPECT_FALSE(u.ZapiszRzeczywiste(ustawienia::Powiekszenie, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(u.Zapisz(ustawienia::KolorOkna, "zielony"));
    EXPECT_EQ(magazyn.Zapisane.size(), 3u);
}

}  // namespace
