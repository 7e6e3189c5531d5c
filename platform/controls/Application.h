#pragma once
// The application object: owns the forms (freed newest first), knows the main form, runs the
// message loop through the host and shows the errors that escape a handler. Every model handler
// the host calls goes through Guard, so no exception ever crosses into the host.
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <type_traits>

#include "platform/controls/Component.h"
#include "platform/controls/Form.h"
#include "platform/controls/Services.h"
#include "platform/core/Exceptions.h"

using TExceptionEvent = std::function<void(TObject* Sender, Exception* E)>;

class TApplication : public TComponent {
    QUORVEL_CLASS_INFO(TApplication)
public:
    explicit TApplication(TComponent* owner = nullptr);
    ~TApplication() override;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }
    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& value) { helpFile_ = value; }
    // The application-wide tooltip switch the host honours.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value) { showHint_ = value; }
    // The window that parents the application's own boxes: the main form.
    HWND Handle() const;

    // Creates a form owned by the application and stores it in reference once constructed; the
    // first form created becomes the main form. The host hears of every form made here.
    template <class T>
    T* CreateForm(T*& reference)
    {
        static_assert(std::is_base_of_v<TForm, T>, "CreateForm makes forms");
        reference = new T(this);
        FormCreated(*reference);
        return reference;
    }
    TForm* MainForm() const { return mainForm_; }
    int FormCount() const;
    TForm* Forms(int index) const;  // in creation order

    // Shows the main form (running its OnShow) and runs the host's message loop until Terminate.
    // Without a main form, or once terminated, it returns at once.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    bool Running() const { return running_; }

    // Runs action; an exception it raises goes to HandleException. False when one was raised.
    template <class F>
    bool Guard(F&& action) noexcept
    {
        try {
            std::forward<F>(action)();
            return true;
        } catch (...) {
            HandleException(std::current_exception());
            return false;
        }
    }
    // EAbort shows nothing; another Exception goes to OnException when assigned, else to
    // ShowException; a std::exception of another kind is shown by its what(); anything else as an
    // Exception with an empty message. Never throws.
    void HandleException(std::exception_ptr error, TObject* sender = nullptr) noexcept;
    // The message in a box with the stop icon, captioned with the title. Never throws.
    void ShowException(const Exception& error) noexcept;
    // A box through the host; an empty caption stands for the title.
    int MessageBox(const std::string& text, const std::string& caption, std::uint32_t flags);

    TExceptionEvent OnException;

    void FormCreated(TForm& form);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::string title_;
    std::string helpFile_;
    TForm* mainForm_ = nullptr;
    bool showHint_ = true;
    bool terminated_ = false;
    bool running_ = false;
};

// The application object in force. It always points at one: a default object until a program or a
// test installs its own with TApplicationScope.
extern TApplication* Application;

// A fresh application object installed as Application for the length of a scope; its forms are
// freed at the end, and the previous object is put back.
class TApplicationScope {
public:
    TApplicationScope();
    ~TApplicationScope();
    TApplicationScope(const TApplicationScope&) = delete;
    TApplicationScope& operator=(const TApplicationScope&) = delete;
    TApplication& operator*() { return application_; }
    TApplication* operator->() { return &application_; }

private:
    TApplication application_;
    TApplication* previous_;
};
