#include "platform/controls/Application.h"

QUORVEL_DEFINE_CLASS_INFO(TApplication, TComponent)

namespace {

TApplication* DefaultApplication()
{
    // Never freed: code may reach Application during static destruction.
    static TApplication* application = new TApplication(nullptr);
    return application;
}

}  // namespace

TApplication* Application = DefaultApplication();

TApplication::TApplication(TComponent* owner) : TComponent(owner)
{
}

TApplication::~TApplication()
{
    SetState(TComponentStateFlag::csDestroying, true);
    DestroyComponents();
}

HWND TApplication::Handle() const
{
    return mainForm_;
}

int TApplication::FormCount() const
{
    int count = 0;
    for (int i = 0; i < ComponentCount(); ++i)
        if (dynamic_cast<TForm*>(Components(i)) != nullptr)
            ++count;
    return count;
}

TForm* TApplication::Forms(int index) const
{
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* form = dynamic_cast<TForm*>(Components(i)); form != nullptr && index-- == 0)
            return form;
    return nullptr;
}

void TApplication::FormCreated(TForm& form)
{
    if (mainForm_ == nullptr)
        mainForm_ = &form;
    PlatformServices().Host->FormCreated(form);
}

void TApplication::Run()
{
    if (mainForm_ == nullptr || terminated_)
        return;
    running_ = true;
    mainForm_->Show();
    if (!terminated_)
        PlatformServices().Host->RunMessageLoop(*this);
    running_ = false;
}

void TApplication::Terminate()
{
    terminated_ = true;
    PlatformServices().Host->Quit();
}

void TApplication::HandleException(std::exception_ptr error, TObject* sender) noexcept
{
    if (sender == nullptr)
        sender = this;
    auto report = [&](Exception& shown) {
        if (!OnException) {
            ShowException(shown);
            return;
        }
        try {
            OnException(sender, &shown);
        } catch (...) {
            // An error in the error handler itself has nowhere left to go.
        }
    };
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
    } catch (Exception& e) {
        report(e);
    } catch (const std::exception& e) {
        Exception wrapped(e.what());
        report(wrapped);
    } catch (...) {
        Exception wrapped;
        report(wrapped);
    }
}

void TApplication::ShowException(const Exception& error) noexcept
{
    try {
        MessageBox(error.Message, title_, MB_OK | MB_ICONSTOP);
    } catch (...) {
        // The box could not be shown; the program goes on.
    }
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, std::uint32_t flags)
{
    return PlatformServices().MessageBoxes->MessageBox(text, caption.empty() ? title_ : caption, flags);
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == mainForm_)
        mainForm_ = nullptr;
}

TApplicationScope::TApplicationScope() : previous_(Application)
{
    Application = &application_;
}

TApplicationScope::~TApplicationScope()
{
    application_.DestroyComponents();
    Application = previous_;
}
