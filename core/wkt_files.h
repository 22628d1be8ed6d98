#pragma once

// Where the game's files live, and whole-file loading, saving and backups of persistent lists.

#include <optional>
#include <string>
#include <vector>

class tWktList;

// The folder of the game's shipped data, with its trailing separator: the tips, the sounds, the
// help pages and the timetable a new player starts from. In the build tree the running program's
// own folder; for a program installed as <prefix>/bin/<name>, <prefix>/share/drelinko/. Kept in
// its real case, as the file system needs it.
std::string ProgramDir();
// Points ProgramDir elsewhere (the tools' --dir, tests); an empty text returns to the default.
void UstawProgramDir(const std::string& katalog);

// The folder of the running executable, with its trailing separator.
std::string KatalogPlikuWykonywalnego();
// The installed data of a program kept in the given folder: <prefix>/share/drelinko/ when the
// folder is <prefix>/bin and that data folder exists; otherwise empty, as the build tree keeps the
// data beside the program.
std::string ZainstalowaneDane(const std::string& katalogProgramu);

// The folder of the data the game writes, with its trailing separator: the timetable and its
// backup copies. ProgramDir until pointed elsewhere: an installed game points it at the player's
// own folder, since the installed data is read-only. An empty text returns to ProgramDir.
std::string KatalogDanych();
void UstawKatalogDanych(const std::string& katalog);

// Makes a folder ready to be the game's data folder: creates it when missing and copies into it
// each named file it lacks from the folder of the shipped data. A file already there is the
// player's and stays as it is; one the shipped data lacks is skipped, and the game then starts as
// it always does without it. Every copy is written beside its target and renamed into place only
// when complete. Answers an empty text, or what failed, naming the folder or the file.
std::string PrzygotujKatalogDanych(const std::string& katalog, const std::string& wydane,
                                   const std::vector<std::string>& pliki);

// Reads the whole file into the list. False when the file is missing or damaged; the list is then
// left exactly as it was.
bool LoadFromFile(tWktList& lista, const std::string& plik);

// Writes the list to the file, replacing it atomically, after a backup copy when asked. False when
// anything fails, the backup too: the old file and its last backup then stay as they were, and
// `powod` (when given) gets the cause, naming the file.
bool SaveToFile(const tWktList& lista, const std::string& plik, bool kopia, std::string* powod = nullptr);

// Copies the file to "Kopia <name>" in the data folder (or a numbered "Kopia %d z <name>" when
// that one is a folder or write-protected) and answers the copy's name; empty when the file does
// not exist or is empty. The name is cut to its first 24 characters. The copy replaces the old one
// only when whole. Raises EwktException naming the cause when the copy cannot be made.
std::string MakeBackup(const std::string& plik);

// Copies the file to a numbered "Kopia %d z <name>" that does not exist yet, so that no later
// backup overwrites it: for files that are about to be replaced because they could not be read.
std::string ZachowajKopie(const std::string& plik);

// Copies a file; answers the number of bytes copied, or a negative error: -1 the source cannot be
// opened, -2 the target cannot be created, -3 read error, -4 write error, -7 an empty name.
int CopyFileLZ(const std::string& zrodlo, const std::string& cel);

// The whole content of a regular file; nullopt when it is missing, not a file, or cannot be read.
std::optional<std::string> CzytajCalyPlik(const std::string& plik);

bool PlikIstnieje(const std::string& plik);
