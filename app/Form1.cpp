#include "app/Form1.h"

#include "app/WindowStyle.h"

#include "SPIs/SPIs.h"
#include "platform/controls/Application.h"
#include "platform/controls/Messages.h"

TForm1* Form1 = nullptr;

QUORVEL_DEFINE_CLASS_INFO(TForm1, TForm)

namespace {

template <class T>
T* Place(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width, int height)
{
    auto* control = new T(owner);
    control->SetName(name);
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    return control;
}

TImage* PlaceImage(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                   int height, bool transparent = false, const char* hint = nullptr)
{
    auto* image = Place<TImage>(owner, parent, name, left, top, width, height);
    image->SetTransparent(transparent);
    if (hint != nullptr) {
        image->SetHint(hint);
        image->SetShowHint(true);
    }
    return image;
}

TLabel* PlaceLabel(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                   int height, const char* caption, int charHeight)
{
    auto* label = Place<TLabel>(owner, parent, name, left, top, width, height);
    label->SetCaption(caption);
    label->Font().SetHeight(-charHeight);
    return label;
}

// Number boxes: fixed height, at most three typed characters.
TEdit* PlaceEdit(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width,
                 const char* text, int tabOrder, bool tabStop)
{
    auto* edit = Place<TEdit>(owner, parent, name, left, top, width, 20);
    edit->SetAutoSize(false);
    edit->SetMaxLength(3);
    edit->SetText(text);
    edit->SetTabOrder(tabOrder);
    edit->SetTabStop(tabStop);
    return edit;
}

TUpDown* PlaceUpDown(TComponent* owner, TWinControl* parent, const char* name, int left, int top, TEdit* box,
                     int max, int tabOrder)
{
    auto* upDown = Place<TUpDown>(owner, parent, name, left, top, 15, 20);
    upDown->SetMin(0);
    upDown->SetMax(max);
    upDown->SetWrap(false);
    upDown->SetAssociate(box);
    upDown->SetPosition(0);
    upDown->SetTabOrder(tabOrder);
    return upDown;
}

TPanel* PlacePanel(TComponent* owner, TWinControl* parent, const char* name)
{
    auto* panel = Place<TPanel>(owner, parent, name, 30, 24, 240, 223);
    panel->SetBevelOuter(TBevelCut::bvRaised);
    panel->SetCaption("");
    panel->SetTabOrder(0);
    return panel;
}

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const char* name, const char* caption)
{
    auto* item = new TMenuItem(owner);
    item->SetName(name);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner)
{
    Form1 = this;
    BeginLayout();
    SetName("Form1");
    SetCaption("Quorvel ");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    ApplyWindowStyle(*this, 678, 600);

    StatusBar1 = Place<TStatusBar>(this, this, "StatusBar1", 0, 581, 678, 19);
    StatusBar1->SetAlign(TAlign::alBottom);
    StatusBar1->SetSimplePanel(true);
    StatusBar1->SetUseSystemFont(true);
    StatusBar1->SetShowHint(true);

    PageControl1 = Place<TPageControl>(this, this, "PageControl1", 4, 1, 669, 577);
    PageControl1->SetTabOrder(1);
    BuildLuminanceTab();
    BuildContrastTab();
    PageControl1->SetActivePage(TabSheet1);

    OpenPictureDialog1 = new TOpenPictureDialog(this);
    OpenPictureDialog1->SetName("OpenPictureDialog1");
    SavePictureDialog1 = new TSavePictureDialog(this);
    SavePictureDialog1->SetName("SavePictureDialog1");
    SavePictureDialog2 = new TSavePictureDialog(this);
    SavePictureDialog2->SetName("SavePictureDialog2");
    ColorDialog1 = new TColorDialog(this);
    ColorDialog1->SetName("ColorDialog1");
    ColorDialog1->Color = clYellow;
    ColorDialog1->SetCtl3D(true);
    // Finds the plug-ins once the window has loaded, before FormCreate.
    SPIs1 = new TSPIs(this);
    SPIs1->SetName("SPIs1");
    SPIs1->GraphicPreview = false;
    SPIs1->SearchOptions = {TSPISearchOption::spsSusieDir, TSPISearchOption::spsAppDir};
    BuildMenu();

    luminanceTab_ = std::make_unique<TLuminanceTab>(TLuminanceTabControls{
        Image1, Image2, Image3, Image4, Image5, Image6, Image7, Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7,
        Edit8, StatusBar1, ColorDialog1});
    contrastTab_ = std::make_unique<TContrastTab>(
        TContrastTabControls{Image9, Image10, Edit9, Edit10, Edit11, Edit12, Edit13, StatusBar1, ColorDialog1},
        TContrastDragState{Dragging_, RegionCenter_, DragCenter_});
    BindEvents();
    try {
        EndLayout();  // runs the plug-in search, which may refuse a plug-in
    } catch (...) {
        Form1 = nullptr;
        throw;
    }
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::BuildLuminanceTab()
{
    TabSheet1 = new TTabSheet(this);
    TabSheet1->SetName("TabSheet1");
    TabSheet1->SetCaption("輝度分析");
    TabSheet1->SetPageControl(PageControl1);
    TWinControl* tab = TabSheet1;

    Bevel4 = Place<TBevel>(this, tab, "Bevel4", 14, 11, 633, 529);
    Bevel2 = Place<TBevel>(this, tab, "Bevel2", 292, 22, 343, 226);
    Image2 = PlaceImage(this, tab, "Image2", 305, 30, 320, 210);
    Bevel1 = Place<TBevel>(this, tab, "Bevel1", 292, 251, 343, 276);
    Image1 = PlaceImage(this, tab, "Image1", 305, 276, 320, 240);
    Image3 = PlaceImage(this, tab, "Image3", 305, 276, 320, 240, true);
    Bevel3 = Place<TBevel>(this, tab, "Bevel3", 30, 262, 241, 265);
    Image4 = PlaceImage(this, tab, "Image4", 46, 276, 210, 240);
    Image5 = PlaceImage(this, tab, "Image5", 305, 276, 320, 240, true,
                        "左クリックすると水平輝度表示する、右区ルックすると垂直輝度表示する");
    Label1 = PlaceLabel(this, tab, "Label1", 274, 243, 14, 27, "0", 27);
    Image6 = PlaceImage(this, tab, "Image6", 305, 30, 320, 210, true, "水平輝度");
    Image7 = PlaceImage(this, tab, "Image7", 46, 276, 210, 240, true, "垂直輝度");

    Panel1 = PlacePanel(this, tab, "Panel1");
    TWinControl* panel = Panel1;
    Label2 = PlaceLabel(this, panel, "Label2", 17, 33, 64, 16, "水平座標", 16);
    Label3 = PlaceLabel(this, panel, "Label3", 18, 60, 64, 16, "垂直座標", 16);
    Label4 = PlaceLabel(this, panel, "Label4", 149, 33, 32, 16, "輝度", 16);
    Label5 = PlaceLabel(this, panel, "Label5", 149, 60, 32, 16, "輝度", 16);
    Label6 = PlaceLabel(this, panel, "Label6", 9, 121, 80, 16, "水平最大値", 16);
    Label7 = PlaceLabel(this, panel, "Label7", 9, 152, 80, 16, "垂直最大値", 16);
    Label9 = PlaceLabel(this, panel, "Label9", 136, 121, 48, 16, "最小値", 16);
    Label10 = PlaceLabel(this, panel, "Label10", 136, 152, 48, 16, "最小値", 16);
    Edit1 = PlaceEdit(this, panel, "Edit1", 87, 30, 33, "0", 0, true);
    Edit2 = PlaceEdit(this, panel, "Edit2", 88, 59, 33, "0", 1, true);
    Edit3 = PlaceEdit(this, panel, "Edit3", 187, 31, 33, "", 2, false);
    Edit4 = PlaceEdit(this, panel, "Edit4", 187, 58, 33, "", 3, false);
    Edit5 = PlaceEdit(this, panel, "Edit5", 96, 118, 33, "", 4, false);
    Edit6 = PlaceEdit(this, panel, "Edit6", 96, 150, 33, "", 5, false);
    UpDown1 = PlaceUpDown(this, panel, "UpDown1", 120, 30, Edit1, 320, 6);
    UpDown2 = PlaceUpDown(this, panel, "UpDown2", 121, 59, Edit2, 240, 7);
    Edit7 = PlaceEdit(this, panel, "Edit7", 194, 118, 33, "", 8, false);
    Edit8 = PlaceEdit(this, panel, "Edit8", 194, 150, 33, "", 9, false);
}

void TForm1::BuildContrastTab()
{
    TabSheet2 = new TTabSheet(this);
    TabSheet2->SetName("TabSheet2");
    TabSheet2->SetCaption("コントラスト分析");
    TabSheet2->SetPageControl(PageControl1);
    TWinControl* tab = TabSheet2;

    Bevel5 = Place<TBevel>(this, tab, "Bevel5", 14, 12, 633, 529);
    Bevel6 = Place<TBevel>(this, tab, "Bevel6", 292, 22, 343, 226);
    Image8 = PlaceImage(this, tab, "Image8", 305, 30, 320, 210);
    Bevel7 = Place<TBevel>(this, tab, "Bevel7", 292, 251, 343, 276);
    Image9 = PlaceImage(this, tab, "Image9", 305, 276, 320, 240);
    Image10 = PlaceImage(this, tab, "Image10", 305, 276, 320, 240, true);
    Bevel8 = Place<TBevel>(this, tab, "Bevel8", 30, 262, 241, 265);
    Image11 = PlaceImage(this, tab, "Image11", 46, 276, 210, 240);
    Label11 = PlaceLabel(this, tab, "Label11", 274, 243, 14, 27, "0", 27);
    Image13 = PlaceImage(this, tab, "Image13", 305, 30, 320, 210, true, "水平輝度");
    Image14 = PlaceImage(this, tab, "Image14", 46, 276, 210, 240, true, "垂直輝度");

    Panel2 = PlacePanel(this, tab, "Panel2");
    TWinControl* panel = Panel2;
    Label13 = PlaceLabel(this, panel, "Label13", 17, 18, 104, 16, "選択領域1/2幅", 16);
    Label14 = PlaceLabel(this, panel, "Label14", 18, 45, 104, 16, "選択領域1/2高", 16);
    Label15 = PlaceLabel(this, panel, "Label15", 18, 81, 112, 16, "区域輝度最大値", 16);
    Label16 = PlaceLabel(this, panel, "Label16", 18, 108, 112, 16, "区域輝度最小値", 16);
    Label17 = PlaceLabel(this, panel, "Label17", 19, 158, 74, 16, "コントラスト", 16);
    Edit9 = PlaceEdit(this, panel, "Edit9", 145, 15, 33, "0", 0, true);
    Edit10 = PlaceEdit(this, panel, "Edit10", 146, 44, 33, "0", 1, true);
    Edit11 = PlaceEdit(this, panel, "Edit11", 144, 79, 33, "", 2, false);
    Edit12 = PlaceEdit(this, panel, "Edit12", 144, 106, 33, "", 3, false);
    Edit13 = PlaceEdit(this, panel, "Edit13", 144, 155, 37, "", 4, false);
    UpDown3 = PlaceUpDown(this, panel, "UpDown3", 178, 15, Edit9, 160, 5);
    UpDown4 = PlaceUpDown(this, panel, "UpDown4", 179, 44, Edit10, 120, 6);
}

void TForm1::BuildMenu()
{
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    TMenuItem* bar = MainMenu1->Items();
    F1 = AddItem(this, bar, "F1", "ファイル(&F)");
    O1 = AddItem(this, F1, "O1", "開く(&O)");
    H2 = AddItem(this, F1, "H2", "水平輝度グラフを名前付けて保存(&H)");
    N6 = AddItem(this, F1, "N6", "垂直輝度グラフを名前付けて保存(&V)");
    N3 = AddItem(this, F1, "N3", "-");
    X1 = AddItem(this, F1, "X1", "終了(&X)");
    E1 = AddItem(this, bar, "E1", "編集(&E)");
    C1 = AddItem(this, E1, "C1", "コピー(&C)");
    V2 = AddItem(this, E1, "V2", "貼り付け(&V)");
    N4 = AddItem(this, bar, "N4", "表示(&V)");
    N5 = AddItem(this, N4, "N5", "スキャンライン色(&C)");
    H1 = AddItem(this, bar, "H1", "ヘルプ(&H)");
    Quorvel1 = AddItem(this, H1, "Quorvel1", "Quorvelのヘルプ(&C)");
    A1 = AddItem(this, H1, "A1", "バージョン情報(&A)");
    SetMenu(MainMenu1);
}

namespace {

// Binds a member function of an object to an event property.
template <class Object, class Result, class... Args>
auto Method(Object* object, Result (Object::*method)(Args...))
{
    return [object, method](Args... args) { return (object->*method)(args...); };
}

}  // namespace

void TForm1::BindEvents()
{
    OnCreate = Method(this, &TForm1::FormCreate);
    OnShow = Method(this, &TForm1::FormShow);
    O1->OnClick = Method(this, &TForm1::Button1Click);
    H2->OnClick = Method(this, &TForm1::H2Click);
    N6->OnClick = Method(this, &TForm1::N6Click);
    X1->OnClick = Method(this, &TForm1::X1Click);
    C1->OnClick = Method(this, &TForm1::C1Click);
    V2->OnClick = Method(this, &TForm1::V2Click);
    N5->OnClick = Method(this, &TForm1::N5Click);
    Quorvel1->OnClick = Method(this, &TForm1::Quorvel1Click);
    A1->OnClick = Method(this, &TForm1::A1Click);

    TLuminanceTab* luminance = luminanceTab_.get();
    for (TImage* image : {Image1, Image3, Image5, Image9})
        image->OnMouseUp = Method(luminance, &TLuminanceTab::Image1MouseUp);
    Image5->OnMouseMove = Method(luminance, &TLuminanceTab::Image1MouseMove);
    for (TImage* image : {Image6, Image13}) {
        image->OnMouseMove = Method(luminance, &TLuminanceTab::Image6MouseMove);
        image->OnMouseUp = Method(luminance, &TLuminanceTab::Image6MouseUp);
    }
    for (TImage* image : {Image7, Image14}) {
        image->OnMouseMove = Method(luminance, &TLuminanceTab::Image7MouseMove);
        image->OnMouseUp = Method(luminance, &TLuminanceTab::Image7MouseUp);
    }
    Edit1->OnChange = Method(luminance, &TLuminanceTab::Edit1Change);
    Edit2->OnChange = Method(luminance, &TLuminanceTab::Edit2Change);

    TContrastTab* contrast = contrastTab_.get();
    Image10->OnMouseDown = Method(contrast, &TContrastTab::Image10MouseDown);
    Image10->OnMouseMove = Method(contrast, &TContrastTab::Image10MouseMove);
    Image10->OnMouseUp = Method(contrast, &TContrastTab::Image10MouseUp);
    Edit9->OnChange = Method(contrast, &TContrastTab::Edit9Change);
    Edit10->OnChange = Method(contrast, &TContrastTab::Edit9Change);
}

void TForm1::FormCreate(TObject*)
{
    Image1->Canvas()->Brush.Color = clWhite;
    for (TImage* image : {Image1, Image2, Image4, Image9})
        image->Canvas()->FillRect(Rect(0, 0, image->Width(), image->Height()));
}

void TForm1::Button1Click(TObject*)
{
    TBitmap bitmap;
    if (OpenPictureDialog1->Execute())
        bitmap.LoadFromFile(OpenPictureDialog1->FileName);
    else
        return;  // cancelling changes nothing
    Image1->Picture()->Bitmap()->Assign(&bitmap);
    Image9->Picture()->Bitmap()->Assign(&bitmap);
    for (TImage* image : {Image2, Image3, Image4, Image5, Image6, Image7})
        image->Picture()->SetGraphic(nullptr);
}

void TForm1::Dispatch(TMessage& message)
{
    if (message.Msg == WM_DROPFILES)
        WMDropFiles(message);
    else
        TForm::Dispatch(message);
}
