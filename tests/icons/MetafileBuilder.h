#pragma once
// Small Windows and enhanced metafiles built record by record, for tests that check what a player
// draws. Colours are 0x00BBGGRR.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace metafile_test {

inline void Put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void Put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

using Points = std::vector<std::pair<int, int>>;

}  // namespace metafile_test

// A Windows metafile: records of 16-bit words, optionally behind a placeable header.
class WmfBuilder {
public:
    WmfBuilder() = default;
    WmfBuilder(int left, int top, int right, int bottom, int unitsPerInch)
        : placeable_(true), box_{left, top, right, bottom}, unitsPerInch_(unitsPerInch)
    {
    }

    // A record of the given parameter words, as they are stored.
    WmfBuilder& Record(std::uint16_t function, const std::vector<std::uint16_t>& params)
    {
        using namespace metafile_test;
        Put32(records_, static_cast<std::uint32_t>(3 + params.size()));
        Put16(records_, function);
        for (std::uint16_t word : params)
            Put16(records_, word);
        return *this;
    }
    // The raw bytes of a record, size field included, for broken ones.
    WmfBuilder& Raw(const std::vector<std::uint8_t>& bytes)
    {
        records_.insert(records_.end(), bytes.begin(), bytes.end());
        return *this;
    }

    WmfBuilder& SetWindowOrg(int x, int y) { return Record(0x020B, {W(y), W(x)}); }
    WmfBuilder& SetWindowExt(int x, int y) { return Record(0x020C, {W(y), W(x)}); }
    WmfBuilder& SetMapMode(int mode) { return Record(0x0103, {W(mode)}); }
    WmfBuilder& SetPolyFillMode(int mode) { return Record(0x0106, {W(mode)}); }
    WmfBuilder& CreatePen(int style, int width, std::uint32_t color)
    {
        ++objects_;
        return Record(0x02FA, {W(style), W(width), 0, Lo(color), Hi(color)});
    }
    WmfBuilder& CreateBrush(int style, std::uint32_t color, int hatch = 0)
    {
        ++objects_;
        return Record(0x02FC, {W(style), Lo(color), Hi(color), W(hatch)});
    }
    WmfBuilder& Select(int index) { return Record(0x012D, {W(index)}); }
    WmfBuilder& Delete(int index) { return Record(0x01F0, {W(index)}); }
    WmfBuilder& Rectangle(int l, int t, int r, int b) { return Record(0x041B, {W(b), W(r), W(t), W(l)}); }
    WmfBuilder& Ellipse(int l, int t, int r, int b) { return Record(0x0418, {W(b), W(r), W(t), W(l)}); }
    WmfBuilder& MoveTo(int x, int y) { return Record(0x0214, {W(y), W(x)}); }
    WmfBuilder& LineTo(int x, int y) { return Record(0x0213, {W(y), W(x)}); }
    WmfBuilder& Polygon(const metafile_test::Points& points) { return Poly(0x0324, points); }
    WmfBuilder& Polyline(const metafile_test::Points& points) { return Poly(0x0325, points); }

    std::vector<std::uint8_t> Bytes() const
    {
        using namespace metafile_test;
        std::vector<std::uint8_t> out;
        if (placeable_) {
            Put32(out, 0x9AC6CDD7);
            Put16(out, 0);
            for (int v : box_)
                Put16(out, W(v));
            Put16(out, W(unitsPerInch_));
            Put32(out, 0);
            Put16(out, 0);  // checksum: not checked by readers that matter here
        }
        const std::uint32_t words = static_cast<std::uint32_t>(9 + records_.size() / 2 + 3);
        Put16(out, 1);  // in memory
        Put16(out, 9);
        Put16(out, 0x0300);
        Put32(out, words);
        Put16(out, static_cast<std::uint32_t>(objects_));
        Put32(out, 0);
        Put16(out, 0);
        out.insert(out.end(), records_.begin(), records_.end());
        Put32(out, 3);  // end of file
        Put16(out, 0);
        return out;
    }

private:
    static std::uint16_t W(int v) { return static_cast<std::uint16_t>(v); }
    static std::uint16_t Lo(std::uint32_t v) { return static_cast<std::uint16_t>(v); }
    static std::uint16_t Hi(std::uint32_t v) { return static_cast<std::uint16_t>(v >> 16); }
    WmfBuilder& Poly(std::uint16_t function, const metafile_test::Points& points)
    {
        std::vector<std::uint16_t> params{W(static_cast<int>(points.size()))};
        for (const auto& [x, y] : points) {
            params.push_back(W(x));
            params.push_back(W(y));
        }
        return Record(function, params);
    }

    bool placeable_ = false;
    int box_[4] = {0, 0, 0, 0};
    int unitsPerInch_ = 0;
    int objects_ = 0;
    std::vector<std::uint8_t> records_;
};

inline WmfBuilder PlaceableWmf(int left, int top, int right, int bottom, int unitsPerInch)
{
    return WmfBuilder(left, top, right, bottom, unitsPerInch);
}

// An enhanced metafile: a header record, records of 32-bit fields, an end record.
class EmfBuilder {
public:
    // frame in hundredths of a millimetre; the reference device's size in pixels and millimetres.
    // The default device has 96 pixels per inch, so a frame of 2540 is 96 logical units across.
    EmfBuilder(int left, int top, int right, int bottom, int devicePixelsX = 960, int devicePixelsY = 960,
               int deviceMillimetresX = 254, int deviceMillimetresY = 254)
        : frame_{left, top, right, bottom}, device_{devicePixelsX, devicePixelsY, deviceMillimetresX, deviceMillimetresY}
    {
    }

    EmfBuilder& Record(std::uint32_t type, const std::vector<std::uint32_t>& fields)
    {
        using namespace metafile_test;
        Put32(records_, type);
        Put32(records_, static_cast<std::uint32_t>(8 + 4 * fields.size()));
        for (std::uint32_t f : fields)
            Put32(records_, f);
        ++count_;
        return *this;
    }
    EmfBuilder& Raw(const std::vector<std::uint8_t>& bytes)
    {
        records_.insert(records_.end(), bytes.begin(), bytes.end());
        ++count_;
        return *this;
    }

    EmfBuilder& SetMapMode(int mode) { return Record(17, {U(mode)}); }
    EmfBuilder& SetWindowExt(int x, int y) { return Record(9, {U(x), U(y)}); }
    EmfBuilder& SetWindowOrg(int x, int y) { return Record(10, {U(x), U(y)}); }
    EmfBuilder& SetViewportExt(int x, int y) { return Record(11, {U(x), U(y)}); }
    EmfBuilder& SetViewportOrg(int x, int y) { return Record(12, {U(x), U(y)}); }
    EmfBuilder& SetPolyFillMode(int mode) { return Record(19, {U(mode)}); }
    EmfBuilder& CreatePen(int handle, int style, int width, std::uint32_t color)
    {
        Handle(handle);
        return Record(38, {U(handle), U(style), U(width), 0, color});
    }
    EmfBuilder& CreateBrush(int handle, int style, std::uint32_t color, int hatch = 0)
    {
        Handle(handle);
        return Record(39, {U(handle), U(style), color, U(hatch)});
    }
    EmfBuilder& Select(std::uint32_t handle) { return Record(37, {handle}); }
    EmfBuilder& Rectangle(int l, int t, int r, int b) { return Record(43, {U(l), U(t), U(r), U(b)}); }
    EmfBuilder& Ellipse(int l, int t, int r, int b) { return Record(42, {U(l), U(t), U(r), U(b)}); }
    EmfBuilder& MoveTo(int x, int y) { return Record(27, {U(x), U(y)}); }
    EmfBuilder& LineTo(int x, int y) { return Record(54, {U(x), U(y)}); }
    EmfBuilder& Polygon(const metafile_test::Points& points) { return Poly(3, points); }
    EmfBuilder& Polyline(const metafile_test::Points& points) { return Poly(4, points); }
    EmfBuilder& Polygon16(const metafile_test::Points& points)
    {
        std::vector<std::uint32_t> fields{0, 0, 0, 0, U(static_cast<int>(points.size()))};
        for (const auto& [x, y] : points)
            fields.push_back((static_cast<std::uint32_t>(y) << 16) | static_cast<std::uint16_t>(x));
        return Record(86, fields);
    }
    EmfBuilder& BeginPath() { return Record(59, {}); }
    EmfBuilder& EndPath() { return Record(60, {}); }
    EmfBuilder& FillPath() { return Record(62, {0, 0, 0, 0}); }

    std::vector<std::uint8_t> Bytes() const
    {
        using namespace metafile_test;
        std::vector<std::uint8_t> out;
        const std::uint32_t total = static_cast<std::uint32_t>(88 + records_.size() + 20);
        Put32(out, 1);
        Put32(out, 88);
        for (int v : {0, 0, device_[0] - 1, device_[1] - 1})  // bounds, in device pixels
            Put32(out, U(v));
        for (int v : frame_)
            Put32(out, U(v));
        Put32(out, 0x464D4520);
        Put32(out, 0x10000);
        Put32(out, total);
        Put32(out, static_cast<std::uint32_t>(count_ + 2));
        Put16(out, static_cast<std::uint32_t>(handles_));
        Put16(out, 0);
        Put32(out, 0);  // no description
        Put32(out, 0);
        Put32(out, 0);  // no palette
        for (int v : device_)
            Put32(out, U(v));
        out.insert(out.end(), records_.begin(), records_.end());
        for (std::uint32_t v : {14u, 20u, 0u, 16u, 20u})  // end of file
            Put32(out, v);
        return out;
    }

private:
    static std::uint32_t U(int v) { return static_cast<std::uint32_t>(v); }
    void Handle(int handle) { handles_ = std::max(handles_, handle + 1); }
    EmfBuilder& Poly(std::uint32_t type, const metafile_test::Points& points)
    {
        std::vector<std::uint32_t> fields{0, 0, 0, 0, U(static_cast<int>(points.size()))};
        for (const auto& [x, y] : points) {
            fields.push_back(U(x));
            fields.push_back(U(y));
        }
        return Record(type, fields);
    }

    int frame_[4];
    int device_[4];
    int handles_ = 1;
    int count_ = 0;
    std::vector<std::uint8_t> records_;
};
