// The main window's commands besides File > Open: drop, clipboard, saving the graphs, the scan-line
// colour, help, the About box and exit.
#include "app/Form1.h"

void TForm1::FormShow(TObject*) {}
void TForm1::WMDropFiles(TMessage&) {}
void TForm1::C1Click(TObject*) {}
void TForm1::V2Click(TObject*) {}
void TForm1::H2Click(TObject*) {}
void TForm1::N6Click(TObject*) {}
void TForm1::N5Click(TObject*) {}
void TForm1::Quorvel1Click(TObject*) {}
void TForm1::A1Click(TObject*) {}
void TForm1::X1Click(TObject*) { Close(); }
