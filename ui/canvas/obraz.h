#pragma once

// Pictures of the station drawn off screen: the diagram, a page of buttons, and their PNG files.

#include <QByteArray>
#include <QImage>

#include <string>

class TStacja;
class TZapisPlikow;

// The station diagram as a picture: its content at its layout size, every element in its state,
// drawn at the scale (not scaled up afterwards) so that 2 and 3 stay crisp.
QImage ObrazDiagramu(const TStacja& stacja, int skala);
// A page of buttons ("tsSterowanie", "tsPrzebiegi", ...), each button at its place and in its state.
QImage ObrazStrony(const TStacja& stacja, const std::string& strona, int skala);
// The size of the diagram's content, name labels included.
QSize RozmiarDiagramu(const TStacja& stacja);

// A picture as the whole content of a PNG file; empty when it could not be made.
QByteArray BajtyPng(const QImage& obraz);
// A picture or report drawn in memory, written as every file of the game is (ZapiszPlikCaly): whole or
// not at all, under the name's very bytes. Empty when written, otherwise the cause naming the file;
// empty `dane` stands for a drawing that failed (`czego` names what was drawn: "obrazu", "raportu").
// With `razem` the file joins that batch and is put in place when the batch is (TZapisPlikow).
std::string ZapiszNarysowany(const QByteArray& dane, const std::string& plik, const char* czego,
                             TZapisPlikow* razem = nullptr);
