#pragma once
// The About box: the program's name, its author and a contact line, and an OK button. It is shown
// without blocking the main window and hidden, not freed, when closed.
#include "platform/controls/Button.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"

class TForm2 : public TForm {
    QUORVEL_CLASS_INFO(TForm2)
public:
    explicit TForm2(TComponent* owner);
    ~TForm2() override;

    TLabel* Label2;
    TLabel* Label4;
    TButton* Button1;

    void Button1Click(TObject* Sender);
};

extern TForm2* Form2;
