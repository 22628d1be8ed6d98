#pragma once

// The running copy's marker (TZnacznikKopii) and the start-up guard that warns of a second copy.

#include <QLockFile>
#include <QString>

class QWidget;

// The marker of a running copy of the program: a lock file named after the full path of the
// executable, so that copies started from one file see each other and copies of different builds
// do not. Its copy holds it locked for as long as it runs: a marker no live process holds (left by a
// copy that crashed, emptied, cut short or overwritten) is taken over without a word, whatever it
// says. A link or an empty folder in its place is removed (a link's target stays untouched); a folder
// with files in it is left alone, and the copy runs without a marker, saying why.
class TZnacznikKopii {
public:
    // The marker of the program at this path, in the player's runtime folder.
    static QString PlikZnacznika(const QString& program);

    explicit TZnacznikKopii(const QString& plik);
    // Releases the marker when this copy holds it.
    ~TZnacznikKopii();
    TZnacznikKopii(const TZnacznikKopii&) = delete;
    TZnacznikKopii& operator=(const TZnacznikKopii&) = delete;

    enum class tZajecie {
        zaZajety,       // this copy holds the marker now
        zaInnaKopia,    // a running copy holds it
        zaNiedostepny,  // the folder does not let it be written: nothing to tell the copies apart by
    };
    // Takes the marker for this copy, removing a stale one.
    tZajecie Zajmij();
    // Whether this copy holds the marker.
    bool Trzymany() const;
    QString Plik() const { return plik_; }
    // Why the marker could not be taken, when the player should know; empty otherwise.
    QString Powod() const { return powod_; }

private:
    enum class tMiejsce { wolne, zywy, nierozpoznane, zajete };
    // Clears the marker's place of what no live copy holds.
    tMiejsce UsunMartwy();

    QString plik_;
    QLockFile blokada_;
    QString powod_;
};

// The warning a second copy shows: the program's title, then why, then when to ignore it.
QString TekstOstrzezeniaKopii();

// The start-up guard, run before the main window exists: takes the marker, or, when another copy
// holds it, warns with No and Ignore. False when the player chose No and the program is to end;
// after Ignore this copy runs without the marker, which stays the running copy's. A marker that
// cannot be taken for a cause the player can mend is told, and the program runs on.
bool StrazKopii(TZnacznikKopii& znacznik, QWidget* rodzic = nullptr);
