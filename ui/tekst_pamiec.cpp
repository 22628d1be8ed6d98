#include "ui/tekst_pamiec.h"

#include <QHash>
#include <QPainter>
#include <QStaticText>

namespace {

struct TKlucz {
    QString Tekst;
    QFont Czcionka;
    bool operator==(const TKlucz& k) const { return Tekst == k.Tekst && Czcionka == k.Czcionka; }
};

size_t qHash(const TKlucz& k, size_t ziarno = 0) { return qHashMulti(ziarno, k.Tekst, k.Czcionka); }

// Texts come and go with the trains; the kept ones are forgotten all at once when too many.
constexpr qsizetype NajwiecejTekstow = 4096;

}  // namespace

void RysujTekstZPamieci(QPainter& p, const QRect& r, int flagi, const QString& tekst)
{
    constexpr int rozumiane = Qt::AlignTop | Qt::AlignLeft | Qt::AlignHCenter | Qt::TextSingleLine | Qt::TextDontClip;
    if ((flagi & ~rozumiane) != 0 || tekst.contains(QLatin1Char('\n'))) {
        p.drawText(r, flagi, tekst);
        return;
    }
    static QHash<TKlucz, QStaticText> pamiec;
    TKlucz klucz{tekst, p.font()};
    auto it = pamiec.find(klucz);
    if (it == pamiec.end()) {
        if (pamiec.size() >= NajwiecejTekstow)
            pamiec.clear();
        QStaticText st(tekst);
        st.setTextFormat(Qt::PlainText);
        st.setPerformanceHint(QStaticText::AggressiveCaching);
        st.prepare(QTransform(), p.font());
        it = pamiec.insert(std::move(klucz), st);
    }
    const QSizeF rozmiar = it->size();
    // Wider or taller than its rectangle, a clipped text is left to drawText.
    if (!(flagi & Qt::TextDontClip) && (rozmiar.width() > r.width() || rozmiar.height() > r.height())) {
        p.drawText(r, flagi, tekst);
        return;
    }
    const qreal x = (flagi & Qt::AlignHCenter) ? r.x() + (r.width() - rozmiar.width()) / 2 : r.x();
    p.drawStaticText(QPointF(x, r.y()), *it);
}
