#include "tests/support/MainWindowFixture.h"

#include <cstdlib>
#include <filesystem>

void MainWindowFixture::IsolateConfiguration()
{
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "quorvel-test-config";
        std::filesystem::create_directories(path);
        return path.string();
    }();
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
}

namespace {

TPoint InParent(TControl* control, int x, int y)
{
    return control->ClientToParent(Point(x, y));
}

}  // namespace

void MainWindowFixture::Press(TControl* control, TMouseButton button, int x, int y, TShiftState held)
{
    const TPoint p = InParent(control, x, y);
    control->Parent()->HandleMouseDown(button, held, p.X, p.Y);
}

void MainWindowFixture::Move(TControl* control, TShiftState held, int x, int y)
{
    const TPoint p = InParent(control, x, y);
    control->Parent()->HandleMouseMove(held, p.X, p.Y);
}

void MainWindowFixture::Release(TControl* control, TMouseButton button, int x, int y, TShiftState held)
{
    const TPoint p = InParent(control, x, y);
    held << ButtonFlag(button);
    control->Parent()->HandleMouseUp(button, held, p.X, p.Y);
}

void MainWindowFixture::Click(TControl* control, TMouseButton button, int x, int y)
{
    Press(control, button, x, y);
    Release(control, button, x, y);
}

std::string MainWindowFixture::RunHandler(const std::function<void()>& action)
{
    const std::size_t shownBefore = fakes.MessageBoxes.Shown.size();
    application->Guard(action);
    return fakes.MessageBoxes.Shown.size() > shownBefore ? fakes.MessageBoxes.Shown.back().Text : std::string();
}

void MainWindowFixture::ShowTabOf(TControl* control)
{
    for (TWinControl* parent = control->Parent(); parent != nullptr; parent = parent->Parent())
        if (auto* sheet = dynamic_cast<TTabSheet*>(parent)) {
            sheet->PageControl()->SetActivePage(sheet);
            return;
        }
}

TColor MainWindowFixture::PixelOf(TImage* image, int x, int y)
{
    auto* bitmap = dynamic_cast<TBitmap*>(image->Picture()->Graphic());
    if (bitmap == nullptr)
        return InvalidColor;
    return bitmap->Canvas().Pixel(x, y);
}

void MainWindowFixture::LoadPicture(const TBitmap& bitmap)
{
    form->Image1->Picture()->Bitmap()->Assign(&bitmap);
    form->Image9->Picture()->Bitmap()->Assign(&bitmap);
}

std::unique_ptr<TBitmap> MainWindowFixture::SolidBitmap(int width, int height, TColor color)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    bitmap->Canvas().Brush.Color = color;
    bitmap->Canvas().FillRect(Rect(0, 0, width, height));
    return bitmap;
}
