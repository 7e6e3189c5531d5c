#include "platform/controls/UpDown.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/controls/Edit.h"

QUORVEL_DEFINE_CLASS_INFO(TUpDown, TWinControl)

namespace {

// The box's number as the original control reads it: thousands separators dropped, then optional
// blanks, an optional sign and decimal digits to the end; an empty text reads as 0.
bool ParseBoxNumber(const std::string& text, std::int64_t& value)
{
    std::string digits;
    for (char c : text)
        if (c != ',')
            digits += c;
    if (digits.empty()) {
        value = 0;
        return true;
    }
    std::size_t i = 0;
    while (i < digits.size() && std::isspace(static_cast<unsigned char>(digits[i])))
        ++i;
    bool negative = false;
    if (i < digits.size() && (digits[i] == '+' || digits[i] == '-'))
        negative = digits[i++] == '-';
    if (i == digits.size())
        return false;
    std::int64_t magnitude = 0;
    for (; i < digits.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(digits[i])))
            return false;
        magnitude = std::min<std::int64_t>(magnitude * 10 + (digits[i] - '0'), std::int64_t{1} << 40);
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

}  // namespace

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner)
{
}

TUpDown::~TUpDown()
{
    SetState(TComponentStateFlag::csDestroying, true);
    SetAssociate(nullptr);
}

void TUpDown::SetMin(std::int32_t value)
{
    if (value == min_)
        return;
    min_ = value;
    NotifyView(TViewChange::Position);
}

void TUpDown::SetMax(std::int32_t value)
{
    if (value == max_)
        return;
    max_ = value;
    NotifyView(TViewChange::Position);
}

void TUpDown::SetOrientation(TUDOrientation value)
{
    if (value == orientation_)
        return;
    orientation_ = value;
    NotifyView(TViewChange::Appearance);
}

std::int32_t TUpDown::Position()
{
    ReadAssociate();
    return position_;
}

void TUpDown::SetPosition(std::int32_t value)
{
    position_ = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
    WriteAssociate();
    NotifyView(TViewChange::Position);
}

void TUpDown::SetAssociate(TEdit* edit)
{
    if (edit == associate_)
        return;
    if (associate_ != nullptr) {
        associate_->upDown_ = nullptr;
        associate_->RemoveFreeNotification(this);
        RemoveFreeNotification(associate_);
    }
    if (edit != nullptr && edit->upDown_ != nullptr)
        edit->upDown_->SetAssociate(nullptr);
    associate_ = edit;
    if (edit != nullptr) {
        edit->upDown_ = this;
        FreeNotification(edit);
        WriteAssociate();
    }
    NotifyView(TViewChange::Position);
}

void TUpDown::Click(TUDBtnType button)
{
    ReadAssociate();
    const std::int64_t low = std::min(min_, max_);
    const std::int64_t high = std::max(min_, max_);
    // Next moves towards Max, whichever way round the range lies.
    const std::int64_t direction = (button == TUDBtnType::btNext ? 1 : -1) * (max_ < min_ ? -1 : 1);
    std::int64_t target = std::int64_t{position_} + direction * increment_;
    if (target < low || target > high) {
        if (wrap_) {
            const std::int64_t span = high - low + 1;
            target = low + (((target - low) % span) + span) % span;
        } else {
            target = std::clamp(target, low, high);
        }
    }
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    if (allow && target != position_) {
        position_ = static_cast<std::int32_t>(target);
        WriteAssociate();
        NotifyView(TViewChange::Position);
    }
    if (OnClick)
        OnClick(this, button);
}

void TUpDown::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == associate_)
        associate_ = nullptr;
}

void TUpDown::ReadAssociate()
{
    std::int64_t value = 0;
    if (associate_ != nullptr && ParseBoxNumber(associate_->Text(), value) && value >= std::min(min_, max_) &&
        value <= std::max(min_, max_))
        position_ = static_cast<std::int32_t>(value);
}

void TUpDown::WriteAssociate()
{
    if (associate_ != nullptr)
        associate_->SetText(FormatPosition());
}

std::string TUpDown::FormatPosition() const
{
    const std::string digits = std::to_string(position_ < 0 ? -std::int64_t{position_} : std::int64_t{position_});
    std::string text = position_ < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (thousands_ && i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}
