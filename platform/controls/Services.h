#pragma once
// What the window model asks of the system: dialogs, message boxes, the clipboard, the shell and the
// message loop. The Qt host implements these interfaces; tests install scripted fakes
// (FakeServices.h). Each has a default that fails safely when nothing is installed: dialogs are
// cancelled, message boxes go to standard error, the clipboard lives in memory, the shell opens
// nothing and the message loop returns at once.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/Types.h"

class TApplication;
class TForm;
class TWinControl;

// ---- Dialogs -------------------------------------------------------------------------------

enum class TFileDialogKind { Open, Save };

// Options of the file dialogs (bits of TFileDialogRequest::Options), as on the original platform.
enum class TOpenOption : std::uint32_t {
    ofReadOnly = 1u << 0,
    ofOverwritePrompt = 1u << 1,
    ofHideReadOnly = 1u << 2,
    ofNoChangeDir = 1u << 3,
    ofAllowMultiSelect = 1u << 6,
    ofPathMustExist = 1u << 8,
    ofFileMustExist = 1u << 9,
    ofCreatePrompt = 1u << 10,
    ofEnableSizing = 1u << 19,
};
constexpr std::uint32_t operator|(TOpenOption a, TOpenOption b)
{
    return static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b);
}
constexpr bool HasOption(std::uint32_t options, TOpenOption option)
{
    return (options & static_cast<std::uint32_t>(option)) != 0;
}

struct TFileDialogRequest {
    TFileDialogKind Kind = TFileDialogKind::Open;
    TWinControl* Parent = nullptr;
    std::string Title;       // empty: the system's own title
    std::string FileName;    // preset name; on confirmation, the chosen path (UTF-8, "/"-separated)
    std::string InitialDir;
    // "description|*.a;*.b|description|*.c": pairs of a shown text and its patterns.
    std::string Filter;
    int FilterIndex = 1;     // 1-based; on confirmation, the type the user chose
    std::string DefaultExt;  // without dot; added to a typed name that has no extension
    std::uint32_t Options = 0;
};

struct TColorDialogRequest {
    TWinControl* Parent = nullptr;
    TColor Color = clBlack;  // preselected; on confirmation, the chosen colour (0x00BBGGRR)
    bool Ctl3D = true;
};

class IDialogService {
public:
    virtual ~IDialogService() = default;
    // Run the dialog modally; on confirmation fill in the choice and return true.
    virtual bool ExecuteFileDialog(TFileDialogRequest& request) = 0;
    virtual bool ExecuteColorDialog(TColorDialogRequest& request) = 0;
};

// ---- Message boxes -------------------------------------------------------------------------

inline constexpr std::uint32_t MB_OK = 0x00;
inline constexpr std::uint32_t MB_OKCANCEL = 0x01;
inline constexpr std::uint32_t MB_YESNO = 0x04;
inline constexpr std::uint32_t MB_ICONSTOP = 0x10;  // the error icon
inline constexpr std::uint32_t MB_ICONQUESTION = 0x20;
inline constexpr std::uint32_t MB_ICONWARNING = 0x30;
inline constexpr std::uint32_t MB_ICONINFORMATION = 0x40;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

class IMessageBoxService {
public:
    virtual ~IMessageBoxService() = default;
    // Modal box with the text, caption, buttons and icon of flags; returns the button pressed.
    virtual int MessageBox(const std::string& text, const std::string& caption, std::uint32_t flags) = 0;
};

// ---- Clipboard -----------------------------------------------------------------------------

// One representation of the clipboard's content, in a clipboard format of the original platform:
//   CF_BITMAP, CF_DIB   a packed DIB (a BMP file image without its 14-byte file header)
//   CF_PALETTE          a logical palette: version (u16), count (u16), count × (R, G, B, flags)
//   CF_ENHMETAFILE      an enhanced metafile (.emf file image)
//   CF_METAFILEPICT     a Windows metafile (.wmf file image)
// Every number little-endian. Data read back comes from other programs: it is untrusted.
struct TClipboardItem {
    std::uint16_t Format = 0;
    std::vector<std::uint8_t> Data;
};

class IClipboardService {
public:
    virtual ~IClipboardService() = default;
    // Replaces the whole content with these representations (none empties the clipboard).
    virtual void SetContent(const std::vector<TClipboardItem>& items) = 0;
    virtual bool HasFormat(std::uint16_t format) const = 0;
    virtual std::optional<std::vector<std::uint8_t>> GetData(std::uint16_t format) const = 0;
};

// ---- Shell ---------------------------------------------------------------------------------

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
// ShellExecute results of 32 and below are errors, as on the original platform.
inline constexpr std::intptr_t SE_ERR_FNF = 2;
inline constexpr std::intptr_t SE_ERR_NOASSOC = 31;

struct TShellExecuteRequest {
    TWinControl* Parent = nullptr;
    std::string Verb;        // "Open"; empty means the default action
    std::string File;        // a relative name is looked up in Directory, else the current folder
    std::string Parameters;
    std::string Directory;
    int ShowCommand = SW_SHOWNORMAL;
};

class IShellService {
public:
    virtual ~IShellService() = default;
    // Opens the document with the program the desktop associates with it; > 32 on success.
    virtual std::intptr_t ShellExecute(const TShellExecuteRequest& request) = 0;
};

// ---- Message loop --------------------------------------------------------------------------

class IApplicationHost {
public:
    virtual ~IApplicationHost() = default;
    // Runs the event loop until Quit (the model shows the main form before).
    virtual void RunMessageLoop(TApplication& application) = 0;
    // Ends the loop (the main form closed or the application terminated).
    virtual void Quit() = 0;
    // A form was created through TApplication::CreateForm: the host may build its window now.
    virtual void FormCreated(TForm& form) { (void)form; }
};

// ---- The installed set ---------------------------------------------------------------------

struct TPlatformServices {
    IDialogService* Dialogs = nullptr;
    IMessageBoxService* MessageBoxes = nullptr;
    IClipboardService* Clipboard = nullptr;
    IShellService* Shell = nullptr;
    IApplicationHost* Host = nullptr;
};

// The services in force; a member never is nullptr (the defaults fill the gaps).
const TPlatformServices& PlatformServices();
// Installs services; nullptr members fall back to the defaults. The caller keeps ownership.
void SetPlatformServices(const TPlatformServices& services);

// Installs services for the length of a scope and then puts the previous ones back.
class TPlatformServicesScope {
public:
    explicit TPlatformServicesScope(const TPlatformServices& services);
    ~TPlatformServicesScope();
    TPlatformServicesScope(const TPlatformServicesScope&) = delete;
    TPlatformServicesScope& operator=(const TPlatformServicesScope&) = delete;

private:
    TPlatformServices previous_;
};
