#include "core/ustawienia.h"
#include "simulation/ustawienia_gry.h"
#include "tests/support/srodowisko_testowe.h"
#include "tests/support/zapisujace.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

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

}  // namespace
