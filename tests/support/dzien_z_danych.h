#pragma once

class TRozkladJazdy;

// The shipped day (data/rozklad.csv) appended to the timetable, as tests and benchmarks of whole days
// play it.
void DzienZDanych(TRozkladJazdy& rozklad);
