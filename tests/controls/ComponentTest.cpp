#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/Image.h"
#include "platform/controls/Panel.h"
#include "platform/controls/UpDown.h"
#include "platform/core/Exceptions.h"

namespace {

std::vector<std::string> freed;

class TTracked : public TComponent {
public:
    TTracked(TComponent* owner, const std::string& name) : TComponent(owner) { SetName(name); }
    ~TTracked() override { freed.push_back(Name()); }
};

class TTrackedLoad : public TComponent {
public:
    using TComponent::TComponent;
    void Loaded() override
    {
        TComponent::Loaded();
        ++loadedCalls;
    }
    int loadedCalls = 0;
};

// A form whose layout names tab orders out of sequence, as a stored layout may.
class TLayoutForm : public TForm {
public:
    TLayoutForm() : TForm(nullptr)
    {
        BeginLayout();
        Panel = new TPanel(this);
        Panel->SetParent(this);
        A = new TEdit(this);
        B = new TEdit(this);
        C = new TEdit(this);
        for (TEdit* edit : {A, B, C})
            edit->SetParent(Panel);
        A->SetTabOrder(2);
        B->SetTabOrder(0);
        C->SetTabOrder(1);
        Probe = new TTrackedLoad(this);
        loadingDuringLayout = Probe->Loading();
        OnCreate = [this](TObject*) { createdAfterLoad = !Probe->Loading() && Probe->loadedCalls == 1; };
        EndLayout();
    }
    TPanel* Panel;
    TEdit *A, *B, *C;
    TTrackedLoad* Probe;
    bool loadingDuringLayout = false;
    bool createdAfterLoad = false;
};

}  // namespace

TEST(Component, OwnerFreesOwnedComponentsNewestFirst)
{
    freed.clear();
    auto* owner = new TTracked(nullptr, "Owner");
    new TTracked(owner, "First");
    auto* second = new TTracked(owner, "Second");
    new TTracked(second, "Grandchild");
    new TTracked(owner, "Third");
    delete owner;
    // Each destructor reports before its base frees what it owns.
    EXPECT_EQ(freed, (std::vector<std::string>{"Owner", "Third", "Second", "Grandchild", "First"}));
}

TEST(Component, ComponentFreedAloneLeavesItsOwner)
{
    TComponent owner(nullptr);
    auto* a = new TTracked(&owner, "A");
    new TTracked(&owner, "B");
    delete a;
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0)->Name(), "B");
}

TEST(Component, FindComponentIgnoresCaseAndNamesAreUnique)
{
    TComponent owner(nullptr);
    auto* image = new TTracked(&owner, "Image1");
    EXPECT_EQ(owner.FindComponent("IMAGE1"), image);
    EXPECT_EQ(owner.FindComponent("Image2"), nullptr);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    auto* other = new TTracked(&owner, "Other");
    EXPECT_THROW(other->SetName("image1"), EComponentError);
    EXPECT_EQ(other->Name(), "Other");
}

TEST(Component, LayoutLoadsEveryComponentBeforeOnCreateAndFixesTabOrder)
{
    TLayoutForm form;
    EXPECT_TRUE(form.loadingDuringLayout);
    EXPECT_TRUE(form.createdAfterLoad);
    EXPECT_FALSE(form.Loading());
    EXPECT_EQ(form.Panel->TabList(), (std::vector<TWinControl*>{form.B, form.C, form.A}));
    EXPECT_EQ(form.A->TabOrder(), 2);
    // Tab walks in that order and skips boxes that are not tab stops.
    form.C->SetTabStop(false);
    EXPECT_EQ(form.FindNextControl(form.B, true, true), form.A);
    EXPECT_EQ(form.FindNextControl(form.A, true, true), form.B);
}

TEST(Component, RuntimeTabOrderMovesWithinTheParent)
{
    TPanel panel(nullptr);
    auto* a = new TEdit(&panel);
    auto* b = new TEdit(&panel);
    a->SetParent(&panel);
    b->SetParent(&panel);
    b->SetTabOrder(0);
    EXPECT_EQ(panel.TabList(), (std::vector<TWinControl*>{b, a}));
    a->SetTabOrder(99);  // beyond the end: last
    EXPECT_EQ(a->TabOrder(), 1);
}

TEST(Component, ParentFreesChildrenNobodyOwns)
{
    auto* panel = new TPanel(nullptr);
    auto* image = new TImage(nullptr);
    image->SetParent(panel);
    delete panel;  // the sanitizer build reports the image if it were left behind
    SUCCEED();
}

TEST(Component, FreedControlLeavesParentAndReferences)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    auto* upDown = new TUpDown(&form);
    edit->SetParent(&form);
    upDown->SetParent(&form);
    upDown->SetAssociate(edit);
    edit->SetFocus();
    ASSERT_EQ(form.ActiveControl(), edit);
    delete edit;
    EXPECT_EQ(form.ControlCount(), 1);
    EXPECT_TRUE(form.TabList().size() == 1);
    EXPECT_EQ(upDown->Associate(), nullptr);
    EXPECT_EQ(form.ActiveControl(), nullptr);
    upDown->Click(TUDBtnType::btNext);  // no box to write to any more
    EXPECT_EQ(upDown->Position(), 1);
}

TEST(Component, ControlCantBecomeItsOwnParent)
{
    TPanel outer(nullptr);
    auto* inner = new TPanel(&outer);
    inner->SetParent(&outer);
    EXPECT_THROW(outer.SetParent(inner), EInvalidOperation);
    EXPECT_THROW(outer.SetParent(&outer), EInvalidOperation);
}

TEST(Component, FontIsTakenFromTheParentUntilChanged)
{
    TForm form(nullptr);
    form.Font().SetHeight(-12);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* label = new TImage(&form);
    label->SetParent(panel);
    form.Font().SetName("IPAPGothic");
    EXPECT_EQ(label->Font().Name(), "IPAPGothic");
    label->Font().SetHeight(-27);
    EXPECT_FALSE(label->ParentFont());
    form.Font().SetName("Noto Sans CJK JP");
    EXPECT_EQ(panel->Font().Name(), "Noto Sans CJK JP");
    EXPECT_EQ(label->Font().Name(), "IPAPGothic");
    EXPECT_EQ(label->Font().Height(), -27);
}
