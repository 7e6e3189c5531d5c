#pragma once
// The main window: a menu bar, the luminance and contrast tabs, and a status bar. The layout is
// built in the constructor; the handlers of each tab live with their analysis (analysis/) and are
// reached through the tab objects, the window commands are methods here.
#include <memory>

#include "analysis/ContrastTab.h"
#include "analysis/LuminanceTab.h"
#include "platform/controls/Bevel.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/Menus.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/PictureDialogs.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/UpDown.h"

class TSPIs;

class TForm1 : public TForm {
    QUORVEL_CLASS_INFO(TForm1)
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;

    // Components, as the layout names them.
    TStatusBar* StatusBar1;
    TPageControl* PageControl1;
    TTabSheet* TabSheet1;
    TBevel* Bevel4;
    TBevel* Bevel2;
    TImage* Image2;
    TBevel* Bevel1;
    TImage* Image1;
    TImage* Image3;
    TBevel* Bevel3;
    TImage* Image4;
    TImage* Image5;
    TLabel* Label1;
    TImage* Image6;
    TImage* Image7;
    TPanel* Panel1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6;
    TLabel* Label7;
    TLabel* Label9;
    TLabel* Label10;
    TEdit* Edit1;
    TEdit* Edit2;
    TEdit* Edit3;
    TEdit* Edit4;
    TEdit* Edit5;
    TEdit* Edit6;
    TUpDown* UpDown1;
    TUpDown* UpDown2;
    TEdit* Edit7;
    TEdit* Edit8;
    TTabSheet* TabSheet2;
    TBevel* Bevel5;
    TBevel* Bevel6;
    TImage* Image8;
    TBevel* Bevel7;
    TImage* Image9;
    TImage* Image10;
    TBevel* Bevel8;
    TImage* Image11;
    TLabel* Label11;
    TImage* Image13;
    TImage* Image14;
    TPanel* Panel2;
    TLabel* Label13;
    TLabel* Label14;
    TLabel* Label15;
    TLabel* Label16;
    TLabel* Label17;
    TEdit* Edit9;
    TEdit* Edit10;
    TEdit* Edit11;
    TEdit* Edit12;
    TEdit* Edit13;
    TUpDown* UpDown3;
    TUpDown* UpDown4;
    TOpenPictureDialog* OpenPictureDialog1;
    TSavePictureDialog* SavePictureDialog1;
    TSavePictureDialog* SavePictureDialog2;
    TColorDialog* ColorDialog1;
    TSPIs* SPIs1 = nullptr;
    TMainMenu* MainMenu1;
    TMenuItem* F1;
    TMenuItem* O1;
    TMenuItem* H2;
    TMenuItem* N6;
    TMenuItem* N3;
    TMenuItem* X1;
    TMenuItem* E1;
    TMenuItem* C1;
    TMenuItem* V2;
    TMenuItem* N4;
    TMenuItem* N5;
    TMenuItem* H1;
    TMenuItem* Quorvel1;
    TMenuItem* A1;

    // Window handlers.
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void Button1Click(TObject* Sender);
    void H2Click(TObject* Sender);
    void N6Click(TObject* Sender);
    void X1Click(TObject* Sender);
    void C1Click(TObject* Sender);
    void V2Click(TObject* Sender);
    void N5Click(TObject* Sender);
    void Quorvel1Click(TObject* Sender);
    void A1Click(TObject* Sender);
    void WMDropFiles(TMessage& Message);

    // The analysis behind the two tabs.
    TLuminanceTab& LuminanceTab() { return *luminanceTab_; }
    TContrastTab& ContrastTab() { return *contrastTab_; }

    // The contrast tab's drag state.
    bool Dragging() const { return Dragging_; }
    TPoint RegionCenter() const { return RegionCenter_; }
    TPoint DragCenter() const { return DragCenter_; }

    void Dispatch(TMessage& message) override;

private:
    void BuildMenu();
    void BuildLuminanceTab();
    void BuildContrastTab();
    void BindEvents();
    void SaveGraph(TSavePictureDialog& dialog, TImage& graph);

    bool Dragging_ = false;
    TPoint RegionCenter_;
    TPoint DragCenter_;
    std::unique_ptr<TLuminanceTab> luminanceTab_;
    std::unique_ptr<TContrastTab> contrastTab_;
};

extern TForm1* Form1;
