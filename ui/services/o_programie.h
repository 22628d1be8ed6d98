#pragma once

// The program's title and version, and the about box.

#include <QString>

class QWidget;

// The program's title, as the start window, its message boxes and the about box show it.
inline constexpr const char* TytulProgramu = "Lorvia 99 - Drelinko";

// The version of the build, as the project declares it.
QString WersjaProgramu();
// The about box's text (rich text): the title, the version, the licence of the game and of the
// fonts it shows its texts in.
QString TekstOProgramie();
// "&O programie...": the about box, modal.
void PokazOProgramie(QWidget* rodzic);
