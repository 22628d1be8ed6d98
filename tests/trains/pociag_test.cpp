#include "trains/pociag.h"

#include <gtest/gtest.h>

namespace {

double Godz(int h, int m, int s = 0) { return (h * 3600 + m * 60 + s) / 86400.0; }

TPociag Pospieszny()
{
    TPociag t;
    t.SetNumer("14150");
    t.SetRelacjaOd("Przełęcz");
    t.SetRelacjaDo("Plażno");
    t.SetPrzyjazd(Godz(5, 5));
    t.SetOdjazd(Godz(15, 8));
    t.SetSklad("p+1222");
    t.Kierunek = stLewy;
    return t;
}

TEST(Pociag, NamedPropertiesAreTheGenericSlots)
{
    TPociag t = Pospieszny();
    t.SetSkladRozkladowy("p1222");
    t.SetWjezdza("wOlsz");
    t.SetWyjezdza("wBrz");
    t.SetOpis("Żuraw");
    t.SetZapowiedziany(true);
    t.SetNieWymagaPeronu(true);
    EXPECT_EQ(t.Texts[0], "14150");
    EXPECT_EQ(t.Texts[3], "p1222");
    EXPECT_EQ(t.Texts[4], "p+1222");
    EXPECT_EQ(t.Texts[5], "wOlsz");
    EXPECT_EQ(t.Texts[6], "wBrz");
    EXPECT_EQ(t.Texts[7], "");
    EXPECT_EQ(t.Texts[8], "Żuraw");
    EXPECT_EQ(t.Dates[0], Godz(5, 5));
    EXPECT_EQ(t.Dates[1], Godz(15, 8));
    EXPECT_EQ(t.Flags[0], 1);
    EXPECT_EQ(t.Flags[5], 1);
    EXPECT_EQ(t.StanJazdy, tStanJazdy::postoj);
}

TEST(Pociag, TimesShowAsHourAndMinutesWithADotForTrainsThatNeedNoPlatform)
{
    TPociag t;
    EXPECT_EQ(FormatGodziny(t, Godz(5, 5)), "5:05");
    EXPECT_EQ(FormatGodziny(t, Godz(23, 59, 59)), "23:59");
    EXPECT_EQ(FormatGodziny(t, 0.0), "0:00");
    EXPECT_EQ(FormatGodziny(t, Godz(12, 0) - 1e-12), "12:00");
    t.SetNieWymagaPeronu(true);
    EXPECT_EQ(FormatGodziny(t, Godz(14, 30)), "14.30");
}

TEST(Pociag, ConsistLabelsMarkTheDirectionAndTheKindOfTrain)
{
    TPociag t = Pospieszny();
    EXPECT_EQ(EtykietaSkladu(t), "«p+1222");
    t.Kierunek = stPrawy;
    EXPECT_EQ(EtykietaSkladu(t), "p+1222»");
    t.SetManewrowy(true);
    EXPECT_EQ(EtykietaSkladu(t), "p+1222>");
    t.Kierunek = stLewy;
    EXPECT_EQ(EtykietaSkladu(t), "<p+1222");
    t.SetSklad("2211");
    EXPECT_EQ(EtykietaSkladu(t), "-2211-");
}

TEST(Pociag, ThePointLabelShowsArrivalBeforeTheArrivalIsJudgedAndDepartureAfter)
{
    TPociag t = Pospieszny();
    EXPECT_EQ(EtykietaPunktu(t), "5:05 «p+1222");
    t.SetPoPrzyjezdzie(true);
    EXPECT_EQ(EtykietaPunktu(t), "15:08 «p+1222");
    t.SetNieWymagaPeronu(true);
    EXPECT_EQ(EtykietaPunktu(t), "15.08 «p+1222");
}

TEST(Pociag, ShuntingUnitsAreLabelledWithoutTimes)
{
    TPociag t;
    t.SetManewrowy(true);
    t.SetSklad("s");
    t.Kierunek = stPrawy;
    EXPECT_EQ(EtykietaPunktu(t), "(m) s>");
    t.SetSklad("22 t");
    EXPECT_EQ(EtykietaPunktu(t), "--22 t--");
}

TEST(Pociag, TheDescriptionOfARunningTrainGivesTimesConsistNumberAndRelation)
{
    TPociag t = Pospieszny();
    EXPECT_EQ(OpisPociagu(t), "5:05/15:08 «p+1222 14150 Przełęcz-Plażno");
    t.SetOpis("\"Żuraw\"");
    t.SetNieWymagaPeronu(true);
    EXPECT_EQ(OpisPociagu(t), "5.05/15.08 «p+1222 14150 Przełęcz-Plażno \"Żuraw\" (b/p)");
}

TEST(Pociag, ATrainThatEndedItsRunIsDescribedByItsFormerNumberArrivalAndOrigin)
{
    TPociag t = Pospieszny();
    t.SetNumer("skład po 14150");
    t.SetSkonczylBieg(true);
    t.SetDoRozdzielenia(true);
    EXPECT_EQ(OpisPociagu(t), "«p+1222 (skład po 14150 5:05 Przełęcz) skończył bieg");
}

TEST(Pociag, ASplitTrainIsDescribedByNumberDepartureAndDestination)
{
    TPociag t = Pospieszny();
    t.SetDoRozdzielenia(true);
    t.SetSklad("p 1222");
    t.Kierunek = stPrawy;
    EXPECT_EQ(OpisPociagu(t), "p 1222» (14150, 15:08 Plażno) rozdzielony");
}

TEST(Pociag, TrainsAreOrderedByArrivalFromALineAndByDepartureFromTheStation)
{
    TPociag zLinii;
    zLinii.SetWjezdza("wOlsz");
    zLinii.SetPrzyjazd(Godz(6, 0));
    zLinii.SetOdjazd(Godz(4, 0));
    TPociag zeStacji;
    zeStacji.SetPrzyjazd(Godz(4, 0));
    zeStacji.SetOdjazd(Godz(7, 0));
    EXPECT_EQ(PorownajPociagi(zLinii, zeStacji), -1);
    EXPECT_EQ(PorownajPociagi(zeStacji, zLinii), 1);
    zeStacji.SetOdjazd(Godz(6, 0));
    EXPECT_EQ(PorownajPociagi(zeStacji, zLinii), 0);
}

}  // namespace
