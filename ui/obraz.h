#pragma once

#include <QImage>
#include <string>

class TStacja;

// The station diagram as a picture: its content at its layout size, every element in its state,
// drawn at the scale (not scaled up afterwards) so that 2 and 3 stay crisp.
QImage ObrazDiagramu(const TStacja& stacja, int skala);
// A page of buttons ("tsSterowanie", "tsPrzebiegi", ...), each button at its place and in its state.
QImage ObrazStrony(const TStacja& stacja, const std::string& strona, int skala);
// The size of the diagram's content, name labels included.
QSize RozmiarDiagramu(const TStacja& stacja);
