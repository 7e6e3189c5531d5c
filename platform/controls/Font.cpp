#include "platform/controls/Font.h"

void TFont::SetName(const std::string& value)
{
    if (value != name_) {
        name_ = value;
        Changed();
    }
}

void TFont::SetHeight(std::int32_t value)
{
    if (value != height_) {
        height_ = value;
        Changed();
    }
}

void TFont::SetCharset(std::uint8_t value)
{
    if (value != charset_) {
        charset_ = value;
        Changed();
    }
}

void TFont::SetColor(TColor value)
{
    if (value != color_) {
        color_ = value;
        Changed();
    }
}

void TFont::SetStyle(std::uint8_t value)
{
    if (value != style_) {
        style_ = value;
        Changed();
    }
}

void TFont::Assign(const TFont& source)
{
    if (source == *this)
        return;
    name_ = source.name_;
    height_ = source.height_;
    charset_ = source.charset_;
    color_ = source.color_;
    style_ = source.style_;
    Changed();
}

void TFont::Changed()
{
    if (OnChange)
        OnChange();
}
