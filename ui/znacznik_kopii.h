#pragma once

#include <QLockFile>
#include <QString>

class QWidget;

// The marker of a running copy of the program: a lock file named after the full path of the
// executable, so that copies started from one file see each other and copies of different builds
// do not. It records its owner's process: a marker left by a copy that crashed is recognised as
// stale and taken over without a word.
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

private:
    QString plik_;
    QLockFile blokada_;
};

// The warning a second copy shows: the program's title, then why, then when to ignore it.
QString TekstOstrzezeniaKopii();

// The start-up guard, run before the main window exists: takes the marker, or, when another copy
// holds it, warns with No and Ignore. False when the player chose No and the program is to end;
// after Ignore this copy runs without the marker, which stays the running copy's.
bool StrazKopii(TZnacznikKopii& znacznik, QWidget* rodzic = nullptr);
