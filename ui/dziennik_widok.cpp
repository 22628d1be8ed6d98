#include "ui/dziennik_widok.h"

#include "simulation/dziennik.h"
#include "ui/qplotno.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

TDziennikWidok::TDziennikWidok(QWidget* rodzic) : QPlainTextEdit(rodzic)
{
    setObjectName("reInfo");
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setUndoRedoEnabled(false);
    setPlainText(QStringLiteral("Dzień dobry, witamy w Drelinku."));
}

void TDziennikWidok::Dodaj(const TLiniaDziennika& l)
{
    // The runs of a line are one edit: the pane lays the line out once, not after every run (nor
    // to place the cursor at the end).
    QTextCursor c(document());
    c.beginEditBlock();
    c.movePosition(QTextCursor::End);
    QTextCharFormat zwykly;
    zwykly.setForeground(Qt::black);
    if (l.Porada) {
        QTextCharFormat gruby = zwykly;
        gruby.setFontWeight(QFont::Bold);
        c.insertText("\n");
        c.insertText(QString::fromStdString(l.Tekst), gruby);
        c.insertText(" " + QString::fromStdString(l.Opis), zwykly);
        c.endEditBlock();
        Przewin();
        return;
    }
    QTextCharFormat naglowek;
    naglowek.setFontUnderline(true);
    naglowek.setForeground(NaQColor(kolor_));
    c.insertText("\n");
    c.insertText(QString::fromStdString(NaglowekLinii(l)), naglowek);
    kolor_ = KolorTekstuLinii(l, kolor_);
    QTextCharFormat tekst;
    tekst.setFontWeight(QFont::Bold);
    tekst.setForeground(NaQColor(kolor_));
    c.insertText(QString::fromStdString(l.Tekst), tekst);
    c.insertText(QString::fromStdString(KoncowkaLinii(l)), zwykly);
    c.endEditBlock();
    kolor_ = kolory::Czarny;
    Przewin();
}

void TDziennikWidok::Przewin()
{
    // The newest line at the bottom of the visible part.
    QScrollBar* pasek = verticalScrollBar();
    pasek->setValue(pasek->maximum());
}

void TDziennikWidok::Wyczysc()
{
    clear();
    emit wyczyszczony();
}

void TDziennikWidok::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu menu(this);
    menu.setObjectName("pmReInfo");
    menu.addAction(QStringLiteral("Wyczyść"), this, &TDziennikWidok::Wyczysc);
    menu.exec(e->globalPos());
}
