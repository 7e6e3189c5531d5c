#pragma once
// The common dialogs: components that keep their settings and run the system's dialog through the
// host's dialog service (Services.h). Execute returns true when the user confirmed; only then are
// FileName, FilterIndex or Color changed.
#include <cstdint>
#include <string>

#include "platform/controls/Component.h"
#include "platform/controls/Services.h"
#include "platform/graphics/Types.h"

class TCommonDialog : public TComponent {
    QUORVEL_CLASS_INFO(TCommonDialog)
public:
    explicit TCommonDialog(TComponent* owner) : TComponent(owner) {}
    virtual bool Execute() = 0;

    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value) { ctl3D_ = value; }

protected:
    // The window the dialog belongs to: the owning form, if any.
    TWinControl* ParentWindow() const;

private:
    bool ctl3D_ = true;
};

class TOpenDialog : public TCommonDialog {
    QUORVEL_CLASS_INFO(TOpenDialog)
public:
    explicit TOpenDialog(TComponent* owner) : TCommonDialog(owner) {}
    bool Execute() override;

    std::string FileName;
    std::string Filter;
    int FilterIndex = 1;
    std::string InitialDir;
    std::string Title;
    std::string DefaultExt;
    std::uint32_t Options = TOpenOption::ofHideReadOnly | TOpenOption::ofEnableSizing;

protected:
    virtual TFileDialogKind Kind() const { return TFileDialogKind::Open; }
};

class TSaveDialog : public TOpenDialog {
    QUORVEL_CLASS_INFO(TSaveDialog)
public:
    explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}

protected:
    TFileDialogKind Kind() const override { return TFileDialogKind::Save; }
};

class TColorDialog : public TCommonDialog {
    QUORVEL_CLASS_INFO(TColorDialog)
public:
    explicit TColorDialog(TComponent* owner) : TCommonDialog(owner) {}
    bool Execute() override;

    TColor Color = clBlack;
};
