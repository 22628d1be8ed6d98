#include "ui/znacznik_kopii.h"

#include "ui/o_programie.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

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

TZnacznikKopii::tZajecie TZnacznikKopii::Zajmij()
{
    if (blokada_.isLocked() || blokada_.tryLock(0))
        return tZajecie::zaZajety;
    return blokada_.error() == QLockFile::LockFailedError ? tZajecie::zaInnaKopia : tZajecie::zaNiedostepny;
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
    if (znacznik.Zajmij() != TZnacznikKopii::tZajecie::zaInnaKopia)
        return true;
    QMessageBox okno(QMessageBox::Warning, QString::fromUtf8(TytulProgramu), TekstOstrzezeniaKopii(),
                     QMessageBox::No | QMessageBox::Ignore, rodzic);
    okno.setObjectName("ostrzezenieKopii");
    okno.setDefaultButton(QMessageBox::No);
    okno.setEscapeButton(QMessageBox::No);
    return okno.exec() == QMessageBox::Ignore;
}
