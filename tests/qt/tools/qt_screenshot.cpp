// Saves pictures of the program's windows as the program shows them: the luminance tab, the
// contrast tab and the About box. Runs the real start-up routine; with a BMP file it loads that
// picture first and clicks the middle of it on the luminance tab; any other file is dropped on the
// main window, as from the desktop.
//
//   QT_QPA_PLATFORM=offscreen build/tests/qt_screenshot /tmp/shot [picture.bmp | dropped.ico]
//   -> /tmp/shot-luminance.png, /tmp/shot-contrast.png, /tmp/shot-about.png
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include <QApplication>
#include <QTimer>

#include "app/Form1.h"
#include "app/Form2.h"
#include "app/Startup.h"
#include "platform/controls/Application.h"
#include "platform/controls/HostInput.h"
#include "platform/qt/QtRuntime.h"
#include "platform/qt/Screenshot.h"

namespace {

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

bool Save(const TForm& form, const std::string& path)
{
    Settle();
    const bool saved = SaveFormScreenshot(form, path);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", path.c_str());
    return saved;
}

// Loads the picture as File > Open would; errors are printed, not shown in a box nobody can close.
void LoadPicture(const std::string& path)
{
    try {
        TBitmap bitmap;
        bitmap.LoadFromFile(path);
        Form1->Image1->Picture()->Bitmap()->Assign(&bitmap);
        Form1->Image9->Picture()->Bitmap()->Assign(&bitmap);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), error.what());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s output-prefix [picture.bmp]\n", argv[0]);
        return 2;
    }
    const std::string prefix = argv[1];
    const std::string picture = argc > 2 ? argv[2] : "";
    TQtRuntime runtime(argc, argv);
    bool saved = false;
    QTimer::singleShot(0, [&] {
        if (Form1 == nullptr || Form2 == nullptr)
            return;
        const bool isBitmap = picture.size() > 4 && picture.compare(picture.size() - 4, 4, ".bmp") == 0;
        if (!picture.empty() && !isBitmap)
            HostDropFiles(*Form1, {picture});
        if (isBitmap) {
            LoadPicture(picture);
            const TImage& shown = *Form1->Image1;
            const int x = shown.Left() + std::min(shown.Width(), shown.Picture()->Width()) / 2;
            const int y = shown.Top() + std::min(shown.Height(), shown.Picture()->Height()) / 2;
            HostMouseDown(*Form1->TabSheet1, TMouseButton::mbLeft, {}, x, y);
            HostMouseUp(*Form1->TabSheet1, TMouseButton::mbLeft, {}, x, y);
        }
        saved = Save(*Form1, prefix + "-luminance.png");
        HostSelectPage(*Form1->PageControl1, 1);
        saved = Save(*Form1, prefix + "-contrast.png") && saved;
        HostSelectPage(*Form1->PageControl1, 0);
        Form2->Show();
        saved = Save(*Form2, prefix + "-about.png") && saved;
        HostClose(*Form1);
    });
    QuorvelMain();
    return saved ? 0 : 1;
}
