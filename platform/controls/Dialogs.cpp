#include "platform/controls/Dialogs.h"

#include "platform/controls/WinControl.h"

QUORVEL_DEFINE_CLASS_INFO(TCommonDialog, TComponent)
QUORVEL_DEFINE_CLASS_INFO(TOpenDialog, TCommonDialog)
QUORVEL_DEFINE_CLASS_INFO(TSaveDialog, TOpenDialog)
QUORVEL_DEFINE_CLASS_INFO(TColorDialog, TCommonDialog)

TWinControl* TCommonDialog::ParentWindow() const
{
    return dynamic_cast<TWinControl*>(Owner());
}

bool TOpenDialog::Execute()
{
    TFileDialogRequest request;
    request.Kind = Kind();
    request.Parent = ParentWindow();
    request.Title = Title;
    request.FileName = FileName;
    request.InitialDir = InitialDir;
    request.Filter = Filter;
    request.FilterIndex = FilterIndex;
    request.DefaultExt = DefaultExt;
    request.Options = Options;
    if (!PlatformServices().Dialogs->ExecuteFileDialog(request))
        return false;
    FileName = request.FileName;
    FilterIndex = request.FilterIndex;
    return true;
}

bool TColorDialog::Execute()
{
    TColorDialogRequest request;
    request.Parent = ParentWindow();
    request.Color = Color;
    request.Ctl3D = Ctl3D();
    if (!PlatformServices().Dialogs->ExecuteColorDialog(request))
        return false;
    Color = request.Color & 0x00FFFFFF;
    return true;
}
