#pragma once

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QtTest>

// Opens a context menu as the right mouse button does at `gdzie` on `widok` (a scroll area's
// viewport for its items), and once the menu is up looks for the item named `nazwa`: whether it
// is there and enabled, and chosen with the keyboard when `wybierz` (the menu then closes as it
// does for the player). Without choosing, the menu is closed.
struct TPozycjaMenuKontekstowego {
    bool Jest = false;
    bool Wlaczona = false;
};

inline TPozycjaMenuKontekstowego PozycjaMenuKontekstowego(QWidget* widok, QPoint gdzie, const char* nazwa, bool wybierz)
{
    TPozycjaMenuKontekstowego wynik;
    QTimer::singleShot(0, [&wynik, nazwa, wybierz] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        QAction* a = menu->findChild<QAction*>(nazwa);
        wynik = {a != nullptr, a != nullptr && a->isEnabled()};
        if (wybierz && wynik.Wlaczona) {
            menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            menu->close();
        }
    });
    QContextMenuEvent e(QContextMenuEvent::Mouse, gdzie, widok->mapToGlobal(gdzie));
    QApplication::sendEvent(widok, &e);
    return wynik;
}
