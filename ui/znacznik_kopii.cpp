// Taking and releasing the running copy's marker, clearing a stale one, and warning a second copy.

#include "ui/znacznik_kopii.h"

#include "ui/services/o_programie.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

QString TZnacznikKopii::PlikZnacznika(const QString& program)
{
    QFileInfo info(program);
    const QString sciezka = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    QString katalog = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (katalog.isEmpty())
        katalog = QDir::tempPath();
    const QByteArray skrot = QCryptographicHash::hash(sciezka.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return katalog + QStringLiteral("/drelinko-") + QString::fromLatin1(skrot) + QStringLiteral(".lock");
}

TZnacznikKopii::TZnacznikKopii(const QString& plik) : plik_(plik), blokada_(plik)
{
    // The marker is never old enough to be stale by age, where the file system cannot lock it and
    // age would be all there is to go by: a game may run for days. It is stale only when the
    // process that wrote it is gone.
    blokada_.setStaleLockTime(0);
}

TZnacznikKopii::~TZnacznikKopii()
{
    if (blokada_.isLocked())
        blokada_.unlock();
}

TZnacznikKopii::tMiejsce TZnacznikKopii::UsunMartwy()
{
    const QByteArray nazwa = QFile::encodeName(plik_);
    struct stat st {};
    if (::lstat(nazwa.constData(), &st) != 0)
        return errno == ENOENT ? tMiejsce::wolne : tMiejsce::nierozpoznane;
    if (S_ISDIR(st.st_mode)) {
        // Only an empty folder goes: what is in one is somebody's.
        if (::rmdir(nazwa.constData()) == 0 || errno == ENOENT)
            return tMiejsce::wolne;
        powod_ = QStringLiteral("W miejscu znacznika uruchomionej kopii, %1, jest folder z plikami, więc go nie "
                                "ruszam.\nGra działa, ale nie ostrzeże, jeśli uruchomisz ją drugi raz. Usuń ten "
                                "folder albo zmień jego nazwę.")
                     .arg(QDir::toNativeSeparators(plik_));
        return tMiejsce::zajete;
    }
    if (!S_ISREG(st.st_mode)) {
        // A link is never followed: it goes, and whatever it points to stays as it was.
        if (::unlink(nazwa.constData()) == 0 || errno == ENOENT)
            return tMiejsce::wolne;
        return tMiejsce::nierozpoznane;
    }
    // A copy holds its marker with flock for as long as it runs (QLockFile does), whatever the file
    // says; so a marker nobody holds is a leftover, also one whose text cannot be read.
    const int fd = ::open(nazwa.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? tMiejsce::wolne : tMiejsce::nierozpoznane;
    tMiejsce wynik = tMiejsce::nierozpoznane;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        // Removed only while it is still the file looked at, held so that no copy takes it meanwhile.
        struct stat otwarty {};
        if (::fstat(fd, &otwarty) == 0 && ::lstat(nazwa.constData(), &st) == 0 && otwarty.st_dev == st.st_dev &&
            otwarty.st_ino == st.st_ino)
            wynik = ::unlink(nazwa.constData()) == 0 ? tMiejsce::wolne : tMiejsce::nierozpoznane;
        else
            wynik = tMiejsce::wolne;  // replaced meanwhile: to be looked at again
    } else if (errno == EWOULDBLOCK) {
        wynik = tMiejsce::zywy;
    }
    ::close(fd);
    return wynik;
}

TZnacznikKopii::tZajecie TZnacznikKopii::Zajmij()
{
    powod_.clear();
    if (blokada_.isLocked() || blokada_.tryLock(0))
        return tZajecie::zaZajety;
    if (blokada_.error() != QLockFile::LockFailedError)
        return tZajecie::zaNiedostepny;
    // Qt judges a marker by the process it names, and one it cannot read it never judges stale.
    // Copies starting at once take turns at removing a leftover, as Qt's own removal does.
    QLockFile usuwanie(plik_ + QStringLiteral(".rmlock"));
    usuwanie.tryLock(200);
    for (int proba = 0; proba < 3; ++proba) {
        switch (UsunMartwy()) {
        case tMiejsce::zywy:
        case tMiejsce::nierozpoznane:  // where locks cannot be told apart, the marker's word stands
            return tZajecie::zaInnaKopia;
        case tMiejsce::zajete:
            return tZajecie::zaNiedostepny;
        case tMiejsce::wolne:
            if (blokada_.tryLock(0))
                return tZajecie::zaZajety;
            if (blokada_.error() != QLockFile::LockFailedError)
                return tZajecie::zaNiedostepny;
            break;
        }
    }
    return tZajecie::zaInnaKopia;
}

bool TZnacznikKopii::Trzymany() const { return blokada_.isLocked(); }

QString TekstOstrzezeniaKopii()
{
    return QString::fromUtf8(TytulProgramu) + QStringLiteral("\n") +
           QStringLiteral("Przynajmniej jedna kopia tego programu już jest uruchomiona. Czy jesteś pewien, że chcesz "
                          "uruchomić KOLEJNĄ kopię tego samego programu?") +
           QStringLiteral("\n\n") +
           QStringLiteral("Zignoruj to ostrzeżenie, jeśli poprzednia kopia programu niespodziewanie zakończyła pracę.");
}

bool StrazKopii(TZnacznikKopii& znacznik, QWidget* rodzic)
{
    // Without a marker the game still runs; it only cannot warn about a second copy.
    const TZnacznikKopii::tZajecie zajecie = znacznik.Zajmij();
    if (zajecie == TZnacznikKopii::tZajecie::zaNiedostepny && !znacznik.Powod().isEmpty()) {
        QMessageBox okno(QMessageBox::Warning, QString::fromUtf8(TytulProgramu), znacznik.Powod(), QMessageBox::Ok,
                         rodzic);
        okno.setObjectName("znacznikNiedostepny");
        okno.exec();
    }
    if (zajecie != TZnacznikKopii::tZajecie::zaInnaKopia)
        return true;
    QMessageBox okno(QMessageBox::Warning, QString::fromUtf8(TytulProgramu), TekstOstrzezeniaKopii(),
                     QMessageBox::No | QMessageBox::Ignore, rodzic);
    okno.setObjectName("ostrzezenieKopii");
    okno.setDefaultButton(QMessageBox::No);
    okno.setEscapeButton(QMessageBox::No);
    return okno.exec() == QMessageBox::Ignore;
}
