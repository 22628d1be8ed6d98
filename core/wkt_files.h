#pragma once

#include <string>

class tWktList;

// The folder of the running program, with its trailing separator: where the timetable, the tips,
// the sounds and the backup copies live. Kept in its real case, as the file system needs it.
std::string ProgramDir();
// Points ProgramDir elsewhere (the tools' --dir, tests); an empty text returns to the default.
void UstawProgramDir(const std::string& katalog);

// Reads the whole file into the list. False when the file is missing or damaged; the list is then
// left exactly as it was.
bool LoadFromFile(tWktList& lista, const std::string& plik);

// Writes the list to the file, replacing it atomically, after a backup copy when asked. A failed
// backup does not stop the save. False when anything else fails; the old file then stays.
bool SaveToFile(const tWktList& lista, const std::string& plik, bool kopia);

// Copies the file to "Kopia <name>" in the program folder (or a numbered "Kopia %d z <name>" when
// that one cannot be replaced) and answers the copy's name; empty when the file does not exist.
// Raises "Błąd biblioteki LZ %d" when the copy fails.
std::string MakeBackup(const std::string& plik);

// Copies the file to a numbered "Kopia %d z <name>" that does not exist yet, so that no later
// backup overwrites it: for files that are about to be replaced because they could not be read.
std::string ZachowajKopie(const std::string& plik);

// Copies a file; answers the number of bytes copied, or a negative error: -1 the source cannot be
// opened, -2 the target cannot be created, -3 read error, -4 write error, -7 an empty name.
int CopyFileLZ(const std::string& zrodlo, const std::string& cel);

bool PlikIstnieje(const std::string& plik);
