#include <string>
#include <vector>

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

// The window's texts are shown exactly as laid out, the hint's "右区ルック" included.
TEST_F(MainWindowLayoutTest, CaptionsHintsAndMenuTextsAreThoseOfTheLayout)
{
    struct Caption {
        TControl* control;
        const char* text;
    };
    for (const Caption& c : {Caption{form->TabSheet1, "輝度分析"}, Caption{form->TabSheet2, "コントラスト分析"},
                             Caption{form->Label1, "0"}, Caption{form->Label2, "水平座標"},
                             Caption{form->Label3, "垂直座標"}, Caption{form->Label4, "輝度"},
                             Caption{form->Label5, "輝度"}, Caption{form->Label6, "水平最大値"},
                             Caption{form->Label7, "垂直最大値"}, Caption{form->Label9, "最小値"},
                             Caption{form->Label10, "最小値"}, Caption{form->Label11, "0"},
                             Caption{form->Label13, "選択領域1/2幅"}, Caption{form->Label14, "選択領域1/2高"},
                             Caption{form->Label15, "区域輝度最大値"}, Caption{form->Label16, "区域輝度最小値"},
                             Caption{form->Label17, "コントラスト"}, Caption{form->StatusBar1, ""}})
        EXPECT_EQ(c.control->Caption(), c.text) << c.control->Name();

    struct Hint {
        TImage* image;
        const char* text;
    };
    for (const Hint& h : {Hint{form->Image5, "左クリックすると水平輝度表示する、右区ルックすると垂直輝度表示する"},
                          Hint{form->Image6, "水平輝度"}, Hint{form->Image7, "垂直輝度"},
                          Hint{form->Image13, "水平輝度"}, Hint{form->Image14, "垂直輝度"}}) {
        EXPECT_EQ(h.image->Hint(), h.text) << h.image->Name();
        EXPECT_TRUE(h.image->ShowHint()) << h.image->Name();
        EXPECT_FALSE(h.image->ParentShowHint()) << h.image->Name();
    }

    std::vector<std::string> menu;
    for (int i = 0; i < form->MainMenu1->Items()->Count(); ++i) {
        const TMenuItem* top = form->MainMenu1->Items()->Items(i);
        menu.push_back(top->Caption());
        for (int j = 0; j < top->Count(); ++j)
            menu.push_back("  " + top->Items(j)->Caption());
    }
    EXPECT_EQ(menu, (std::vector<std::string>{"ファイル(&F)", "  開く(&O)", "  水平輝度グラフを名前付けて保存(&H)",
                                              "  垂直輝度グラフを名前付けて保存(&V)", "  -", "  終了(&X)", "編集(&E)",
                                              "  コピー(&C)", "  貼り付け(&V)", "表示(&V)", "  スキャンライン色(&C)",
                                              "ヘルプ(&H)", "  Quorvelのヘルプ(&C)", "  バージョン情報(&A)"}));
}

// Tab walks the panels' boxes in their laid-out order, stopping only at the boxes one types into;
// every box takes at most three typed characters.
TEST_F(MainWindowLayoutTest, PanelBoxesTakeTheirTabOrderAndThreeCharacters)
{
    const std::vector<TWinControl*> panels[] = {
        {form->Edit1, form->Edit2, form->Edit3, form->Edit4, form->Edit5, form->Edit6, form->UpDown1, form->UpDown2,
         form->Edit7, form->Edit8},
        {form->Edit9, form->Edit10, form->Edit11, form->Edit12, form->Edit13, form->UpDown3, form->UpDown4}};
    for (const std::vector<TWinControl*>& boxes : panels)
        for (std::size_t order = 0; order < boxes.size(); ++order)
            EXPECT_EQ(boxes[order]->TabOrder(), static_cast<int>(order)) << boxes[order]->Name();
    EXPECT_EQ(form->Panel1->TabOrder(), 0);
    EXPECT_EQ(form->Panel2->TabOrder(), 0);
    EXPECT_EQ(form->PageControl1->TabOrder(), 1);

    for (TEdit* edit : {form->Edit1, form->Edit2, form->Edit3, form->Edit4, form->Edit5, form->Edit6, form->Edit7,
                        form->Edit8, form->Edit9, form->Edit10, form->Edit11, form->Edit12, form->Edit13}) {
        const bool typedInto =
            edit == form->Edit1 || edit == form->Edit2 || edit == form->Edit9 || edit == form->Edit10;
        EXPECT_EQ(edit->TabStop(), typedInto) << edit->Name();
        EXPECT_FALSE(edit->ReadOnly()) << edit->Name();
        EXPECT_EQ(edit->MaxLength(), 3) << edit->Name();
    }
}
