#pragma once

// Decides where the game's data is, before anything reads it; to be called once the application's
// organization and name are set, as the player's folder is named after them.
//
// In the build tree everything stays in the program folder, as the engine finds it. An installed
// game reads its shipped data from <prefix>/share/drelinko/, which is read-only, and keeps the files
// it writes (the timetable and its backup copies) in the player's own folder, AppDataLocation
// (~/.local/share/WKT/Drelinko), into which the shipped timetable is copied on the first run.
//
// Answers false after telling the player what failed: the game cannot keep its timetable then.
bool UstawFolderyGry();
