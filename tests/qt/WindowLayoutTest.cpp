// The main window as Qt shows it: sizes and places of every windowed control, and what the window
// paints for images, overlays and bevels.
#include <QMenuBar>
#include <QtTest/QTest>

#include "app/Form2.h"

#include "tests/qt/QtWindowFixture.h"

namespace {

class WindowLayoutTest : public QtWindowFixture {
protected:
    QColor PixelAt(TControl* control, int x, int y)
    {
        QWidget* parent = WidgetOf(control->Parent());
        return Grab(parent).pixelColor(InParentWidget(control, x, y));
    }
    QColor Background() const { return QColor(WidgetOf(form->TabSheet1)->palette().color(QPalette::Button).rgb()); }
};

TEST_F(WindowLayoutTest, TheWindowHasTheFixedClientSizeCaptionAndMenu)
{
    QWidget* client = WidgetOf(form);
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(678, 600));
    EXPECT_EQ(client->minimumSize(), client->maximumSize());  // not resizable
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Quorvel "));
    EXPECT_TRUE(window->findChild<QMenuBar*>()->isVisible());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowLayoutTest, EveryWindowedControlHasAWidgetAtItsBounds)
{
    int checked = 0;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* control = dynamic_cast<TWinControl*>(form->Components(i));
        if (control == nullptr)
            continue;
        QWidget* widget = WidgetOf(control);
        ASSERT_NE(widget, nullptr) << control->Name();
        EXPECT_EQ(widget->geometry(), QRect(control->Left(), control->Top(), control->Width(), control->Height()))
            << control->Name();
        EXPECT_EQ(widget->parentWidget(), WidgetOf(control->Parent())) << control->Name();
        ++checked;
    }
    EXPECT_EQ(checked, 23);  // status bar, page control, 2 sheets, 2 panels, 13 boxes, 4 up-downs
    EXPECT_EQ(WidgetOf(form->StatusBar1)->geometry(), QRect(0, 581, 678, 19));
    EXPECT_EQ(WidgetOf(form->Edit13)->geometry(), QRect(144, 155, 37, 20));
}

TEST_F(WindowLayoutTest, TheTabSheetsHoldTheWholeLayout)
{
    // The deepest frame on each tab ends inside its sheet.
    EXPECT_GE(form->TabSheet1->Height(), form->Bevel4->Top() + form->Bevel4->Height());
    EXPECT_GE(form->TabSheet2->Height(), form->Bevel5->Top() + form->Bevel5->Height());
    EXPECT_GE(form->TabSheet1->Width(), form->Bevel4->Left() + form->Bevel4->Width());
}

TEST_F(WindowLayoutTest, ATransparentOverlayShowsOnlyWhatIsDrawnOnIt)
{
    TCanvas* overlay = form->Image3->Canvas();
    overlay->Pen.Color = clRed;
    overlay->MoveTo(0, 10);
    overlay->LineTo(320, 10);
    EXPECT_EQ(PixelAt(form->Image3, 5, 10), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(form->Image3, 5, 11), QColor(255, 255, 255));  // the white picture beneath

    form->Image3->Picture()->SetGraphic(nullptr);
    EXPECT_EQ(PixelAt(form->Image3, 5, 10), QColor(255, 255, 255));
}

TEST_F(WindowLayoutTest, PicturesShowUnscaledFromTheTopLeftAndEmptySlotsShowTheTab)
{
    LoadPicture(*SolidBitmap(10, 10, clBlue));
    EXPECT_EQ(PixelAt(form->Image1, 5, 5), QColor(0, 0, 255));
    EXPECT_EQ(PixelAt(form->Image1, 15, 5), Background());

    auto big = SolidBitmap(400, 300, clLime);
    big->Canvas().SetPixel(319, 239, clRed);
    LoadPicture(*big);
    EXPECT_EQ(PixelAt(form->Image1, 319, 239), QColor(255, 0, 0));
    EXPECT_EQ(PixelAt(form->Image1, 321, 239), Background());  // clipped to the slot

    form->Image1->Picture()->SetGraphic(nullptr);
    EXPECT_EQ(PixelAt(form->Image1, 100, 100), Background());
}

TEST_F(WindowLayoutTest, BevelsAreLoweredBoxes)
{
    const QPalette palette = WidgetOf(form->TabSheet1)->palette();
    const QColor shadow(palette.color(QPalette::Dark).rgb());
    const QColor highlight(palette.color(QPalette::Light).rgb());
    EXPECT_EQ(PixelAt(form->Bevel1, 0, 0), shadow);
    EXPECT_EQ(PixelAt(form->Bevel1, 0, 100), shadow);
    EXPECT_EQ(PixelAt(form->Bevel1, 342, 100), highlight);
    EXPECT_EQ(PixelAt(form->Bevel1, 100, 275), highlight);
}

TEST_F(WindowLayoutTest, TheAboutBoxGetsItsOwnHiddenWindow)
{
    TForm2* about = aboutBox;
    TQtFormWindow* aboutWindow = TQtFormWindow::Find(about);
    ASSERT_NE(aboutWindow, nullptr);
    EXPECT_FALSE(aboutWindow->isVisible());
    EXPECT_EQ(aboutWindow->WidgetOf(about)->size(), QSize(369, 113));
    about->Show();
    EXPECT_TRUE(aboutWindow->isVisible());
    QTest::mouseClick(aboutWindow->WidgetOf(about->Button1), Qt::LeftButton);  // OK hides it
    EXPECT_FALSE(aboutWindow->isVisible());
}

}  // namespace
