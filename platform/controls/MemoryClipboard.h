#pragma once
// A clipboard that lives in this process: the default when no host is attached, and the fake that
// tests inspect.
#include <map>

#include "platform/controls/Services.h"

class TMemoryClipboard : public IClipboardService {
public:
    void SetContent(const std::vector<TClipboardItem>& items) override;
    bool HasFormat(std::uint16_t format) const override { return content_.contains(format); }
    std::optional<std::vector<std::uint8_t>> GetData(std::uint16_t format) const override;

    // What another program would do: put data there directly.
    void Put(std::uint16_t format, std::vector<std::uint8_t> data) { content_[format] = std::move(data); }
    std::size_t FormatCount() const { return content_.size(); }
    int SetContentCalls() const { return setContentCalls_; }

private:
    std::map<std::uint16_t, std::vector<std::uint8_t>> content_;
    int setContentCalls_ = 0;
};
