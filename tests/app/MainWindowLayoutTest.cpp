#include "tests/support/MainWindowFixture.h"

using MainWindowLayoutTest = MainWindowFixture;

TEST_F(MainWindowLayoutTest, StartsWithWhiteSourcesAndGraphsAndEmptyOverlays)
{
    EXPECT_EQ(form->Caption(), "Quorvel ");
    EXPECT_EQ(form->ClientWidth(), 678);
    EXPECT_EQ(form->ClientHeight(), 600);
    struct Slot {
        TImage* image;
        int width, height;
    };
    for (const Slot& slot : {Slot{form->Image1, 320, 240}, Slot{form->Image2, 320, 210},
                             Slot{form->Image4, 210, 240}, Slot{form->Image9, 320, 240}}) {
        SCOPED_TRACE(slot.image->Name());
        ASSERT_FALSE(IsEmptySlot(slot.image));
        EXPECT_EQ(slot.image->Picture()->Width(), slot.width);
        EXPECT_EQ(slot.image->Picture()->Height(), slot.height);
        EXPECT_EQ(PixelOf(slot.image, 0, 0), clWhite);
        EXPECT_EQ(PixelOf(slot.image, slot.width - 1, slot.height - 1), clWhite);
    }
    for (TImage* overlay : {form->Image3, form->Image5, form->Image6, form->Image7, form->Image8, form->Image10,
                            form->Image11, form->Image13, form->Image14})
        EXPECT_TRUE(IsEmptySlot(overlay)) << overlay->Name();
    EXPECT_EQ(form->Edit1->Text(), "0");
    EXPECT_EQ(form->Edit9->Text(), "0");
    EXPECT_EQ(form->ColorDialog1->Color, clYellow);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet1);
}
