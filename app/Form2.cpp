#include "app/Form2.h"

#include "app/WindowStyle.h"

TForm2* Form2 = nullptr;

QUORVEL_DEFINE_CLASS_INFO(TForm2, TForm)

TForm2::TForm2(TComponent* owner) : TForm(owner)
{
    Form2 = this;
    BeginLayout();
    SetName("Form2");
    SetCaption("バージョン情報");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(static_cast<std::uint8_t>(TBorderIcon::biSystemMenu));
    ApplyWindowStyle(*this, 369, 113);

    Label2 = new TLabel(this);
    Label2->SetName("Label2");
    Label2->SetBounds(147, 52, 43, 16);
    Label2->SetCaption("Quorvel Project");
    Label2->Font().SetHeight(-16);
    Label2->SetParent(this);
    Label4 = new TLabel(this);
    Label4->SetName("Label4");
    Label4->SetBounds(90, 82, 174, 16);
    Label4->SetCaption("quorvel@example.org");
    Label4->Font().SetHeight(-16);
    Label4->SetParent(this);
    Button1 = new TButton(this);
    Button1->SetName("Button1");
    Button1->SetBounds(272, 48, 75, 25);
    Button1->SetCaption("OK");
    Button1->SetTabOrder(0);
    Button1->SetParent(this);
    Button1->OnClick = [this](TObject* sender) { Button1Click(sender); };
    EndLayout();
}

TForm2::~TForm2()
{
    if (Form2 == this)
        Form2 = nullptr;
}

void TForm2::Button1Click(TObject*)
{
    Close();
}
