// The main window's commands besides File > Open: drop, clipboard, saving the graphs, the scan-line
// colour, help, the About box and exit.
#include "app/Form1.h"
#include "app/Form2.h"
#include "platform/controls/Application.h"
#include "platform/controls/Clipboard.h"
#include "platform/controls/Drop.h"
#include "platform/controls/Shell.h"

namespace {

// Releases a drop handle however the handler ends: the shell's memory must not outlive the drop.
class TDropRelease {
public:
    explicit TDropRelease(HDROP drop) : drop_(drop) {}
    ~TDropRelease() { DragFinish(drop_); }
    TDropRelease(const TDropRelease&) = delete;
    TDropRelease& operator=(const TDropRelease&) = delete;

private:
    HDROP drop_;
};

}  // namespace

void TForm1::FormShow(TObject*)
{
    DragAcceptFiles(Handle(), true);
}

void TForm1::WMDropFiles(TMessage& Message)
{
    const auto drop = static_cast<HDROP>(Message.WParam);
    TDropRelease release(drop);
    if (DragQueryFileCount(drop) == 0)
        return;
    // Only the first file counts, and its path is taken whole: a cut path would name another file.
    const std::string path = DragQueryFile(drop, 0);
    // Each slot reads the file on its own; a slot whose load fails keeps its picture, and a failure
    // of the first load leaves everything as it was.
    Image1->Picture()->LoadFromFile(path);
    Image9->Picture()->LoadFromFile(path);
    Image2->Picture()->SetGraphic(nullptr);
    Image4->Picture()->SetGraphic(nullptr);
}

void TForm1::C1Click(TObject*)
{
    // A picture the clipboard can't take (an icon) refuses before the clipboard is emptied.
    Clipboard()->Assign(*Image1->Picture());
}

void TForm1::V2Click(TObject*)
{
    if (!Clipboard()->HasFormat(CF_BITMAP))
        return;
    // The data comes from another program: it is decoded in full before either slot changes.
    TBitmap bitmap;
    if (!Clipboard()->GetBitmap(bitmap))
        return;
    Image1->Picture()->Bitmap()->Assign(&bitmap);
    Image9->Picture()->Bitmap()->Assign(&bitmap);
}

void TForm1::H2Click(TObject*)
{
    SaveGraph(*SavePictureDialog1, *Image2);
}

void TForm1::N6Click(TObject*)
{
    SaveGraph(*SavePictureDialog2, *Image4);
}

void TForm1::SaveGraph(TSavePictureDialog& dialog, TImage& graph)
{
    if (!dialog.Execute())
        return;
    // A graph cleared by a load has nothing to save, and that is not worth a message.
    if (graph.Picture()->Graphic() == nullptr)
        return;
    // The graph is a bitmap: it writes BMP at its own depth whatever the name's extension.
    graph.Picture()->SaveToFile(dialog.FileName);
}

void TForm1::N5Click(TObject*)
{
    // The dialog starts from the colour it holds and keeps it when cancelled.
    ColorDialog1->Execute();
}

void TForm1::Quorvel1Click(TObject*)
{
    // The shell reports its own failures; the program has nothing to add.
    ShellExecute(Application->Handle(), "Open", "quorvel_help.hlp", "", "", SW_SHOWNORMAL);
}

void TForm1::A1Click(TObject*)
{
    if (!Form2->Visible())
        Form2->Show();
}

void TForm1::X1Click(TObject*)
{
    Close();
}
