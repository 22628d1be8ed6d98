// Drawing the report's pages for PNG files and writing them in order while the next are drawn.

#include "ui/report/raport_png.h"

#include "core/wkt_exception.h"
#include "core/wkt_stream.h"
#include "report/raport_dnia.h"
#include "ui/canvas/obraz.h"
#include "ui/canvas/png_paletowy.h"
#include "ui/report/raport_wykresy.h"
#include "ui/report/rysownik_strony.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Threads that draw the table's pages and write them beside their places: each holds one page at a
// time. The files reach the disk together when the export is whole.
constexpr int WatkowStron = 4;

double TekstStrony() { return StronaPng.width() / 90.0; }

QByteArray StronaTabeli(TRysownikPaletowy& rysownik, const TRaportDnia& dzien, int nrStrony)
{
    rysownik.NowaStrona();
    RysujStroneTabeli(rysownik, dzien, StronaPng, nrStrony);
    return BajtyPngPaletowe(rysownik.Obraz());
}

QByteArray StronaWykresow(const TRaportDnia& dzien)
{
    QImage obraz(StronaPng.size().toSize(), QImage::Format_RGB32);
    if (obraz.isNull())
        return {};
    obraz.fill(Qt::white);
    {
        QPainter p(&obraz);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        RysujStroneRaportu(p, dzien, StronaPng, 0);
    }
    const QByteArray dane = BajtyPng(obraz);
    // The IEND chunk closes every whole PNG.
    static const QByteArray koniec = QByteArray::fromHex("0000000049454e44ae426082");
    return dane.endsWith(koniec) ? dane : QByteArray();
}

// The table's pages drawn by a few threads, each page taken in turn and written into the export's
// batch of files; after a page fails no more are taken. Every thread is joined before the export
// goes on.
class TDrukarnia {
public:
    TDrukarnia(const TRaportDnia& dzien, const std::string& plik, int stron, TZapisPlikow& zapis)
        : dzien_(dzien), plik_(plik), stron_(stron), zapis_(zapis)
    {
        for (int i = 0; i < std::min(WatkowStron, stron - 1); ++i)
            watki_.emplace_back([this] { Drukuj(); });
    }
    ~TDrukarnia() { Zakoncz(false); }

    // Once the first page has joined the batch (or failed): waits for the rest (or only for the pages
    // being drawn); the cause of the first page that failed, empty when all were written.
    std::string Zakoncz(bool dalej)
    {
        {
            const std::lock_guard<std::mutex> blokada(m_);
            (dalej ? pierwsza_ : koniec_) = true;
        }
        cv_.notify_all();
        for (std::thread& w : watki_)
            if (w.joinable())
                w.join();
        return powod_;
    }

private:
    void Drukuj()
    {
        TRysownikPaletowy rysownik(StronaPng.size().toSize(), TekstStrony());
        for (;;) {
            int nr = 0;
            {
                const std::lock_guard<std::mutex> blokada(m_);
                if (koniec_ || nastepna_ >= stron_)
                    return;
                nr = nastepna_++;
            }
            const QByteArray dane = StronaTabeli(rysownik, dzien_, nr);
            {
                // The first page joins the batch first, so that a failure of the whole batch is
                // told by the file the player named.
                std::unique_lock<std::mutex> blokada(m_);
                cv_.wait(blokada, [&] { return koniec_ || pierwsza_; });
                if (koniec_)
                    return;
            }
            std::string powod = ZapiszNarysowany(dane, PlikStronyPng(plik_, nr, stron_), "raportu", &zapis_);
            if (!powod.empty()) {
                const std::lock_guard<std::mutex> blokada(m_);
                koniec_ = true;
                if (nrBledu_ < 0 || nr < nrBledu_) {
                    nrBledu_ = nr;
                    powod_ = std::move(powod);
                }
            }
        }
    }

    const TRaportDnia& dzien_;
    const std::string& plik_;
    const int stron_;
    TZapisPlikow& zapis_;
    std::mutex m_;
    std::condition_variable cv_;
    int nastepna_ = 1;  // the first page is the charts', drawn where Qt Charts may be
    bool pierwsza_ = false;  // the first page has joined the batch
    bool koniec_ = false;
    int nrBledu_ = -1;
    std::string powod_;
    std::vector<std::thread> watki_;
};

}  // namespace

int LiczbaStronPng(const TRaportDnia& dzien) { return LiczbaStronRaportu(dzien, StronaPng); }

std::string PlikStronyPng(const std::string& plik, int nrStrony, int stron)
{
    if (nrStrony == 0)
        return plik;
    const std::filesystem::path sciezka(plik);
    const std::string numer = std::to_string(nrStrony + 1);
    const std::size_t szerokosc = std::to_string(stron).size();
    std::filesystem::path strona = sciezka;
    strona.replace_filename(sciezka.stem().string() + "-" + std::string(szerokosc - std::min(szerokosc, numer.size()), '0') +
                            numer + sciezka.extension().string());
    return strona.string();
}

QByteArray StronaRaportuPng(const TRaportDnia& dzien, int nrStrony)
{
    if (nrStrony == 0)
        return StronaWykresow(dzien);
    TRysownikPaletowy rysownik(StronaPng.size().toSize(), TekstStrony());
    return StronaTabeli(rysownik, dzien, nrStrony);
}

std::string ZapiszRaportPng(const TRaportDnia& dzien, const std::string& plik)
{
    const int stron = LiczbaStronPng(dzien);
    TZapisPlikow zapis;
    std::string powod;
    {
        TDrukarnia drukarnia(dzien, plik, stron, zapis);
        powod = ZapiszNarysowany(StronaWykresow(dzien), plik, "raportu", &zapis);
        const std::string dalsze = drukarnia.Zakoncz(powod.empty());
        if (powod.empty())
            powod = dalsze;
    }
    if (!powod.empty())
        return powod;
    try {
        zapis.Zatwierdz();
    } catch (const EwktException& e) {
        return e.what();
    }
    return {};
}
