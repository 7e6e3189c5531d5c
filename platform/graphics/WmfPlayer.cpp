#include "platform/graphics/WmfPlayer.h"

#include <memory>
#include <optional>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/graphics/EmfBytes.h"
#include "platform/graphics/EmfDevice.h"

namespace metafile {

namespace {

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr std::size_t PlaceableHeaderBytes = 22;
constexpr std::size_t HeaderBytes = 18;
constexpr std::size_t RecordHeaderBytes = 6;  // size in words, function
constexpr std::size_t Params = 6;             // offset of a record's first parameter

enum Function : std::uint16_t {
    META_EOF = 0x0000,
    META_REALIZEPALETTE = 0x0035,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SETROP2 = 0x0104,
    META_SETPOLYFILLMODE = 0x0106,
    META_SELECTCLIPREGION = 0x012C,
    META_SELECTOBJECT = 0x012D,
    META_RESTOREDC = 0x0127,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
    META_DELETEOBJECT = 0x01F0,
    META_CREATEPATTERNBRUSH = 0x01F9,
    META_SAVEDC = 0x001E,
    META_CREATEPALETTE = 0x00F7,
    META_SETBKCOLOR = 0x0201,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_OFFSETWINDOWORG = 0x020F,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_SCALEWINDOWEXT = 0x0410,
    META_EXCLUDECLIPRECT = 0x0415,
    META_INTERSECTCLIPRECT = 0x0416,
    META_ELLIPSE = 0x0418,
    META_RECTANGLE = 0x041B,
    META_SETPIXEL = 0x041F,
    META_POLYPOLYGON = 0x0538,
    META_ROUNDRECT = 0x061C,
    META_PATBLT = 0x061D,
    META_CREATEREGION = 0x06FF,
    META_ARC = 0x0817,
    META_PIE = 0x081A,
    META_CHORD = 0x0830,
    META_DIBBITBLT = 0x0940,
    META_DIBSTRETCHBLT = 0x0B41,
    META_STRETCHDIB = 0x0F43,
};

constexpr std::uint32_t PATINVERT = 0x005A0049;
constexpr std::uint32_t DSTINVERT = 0x00550009;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
// A pattern brush kept from a device-dependent bitmap draws in this grey: only the device that
// wrote it knew its colours.
constexpr TColor DeviceBitmapGrey = 0x808080;

struct Record {
    std::uint16_t Function;
    RecordView View;
};

// The records from the metafile header on, each checked to lie inside the data; stops after
// META_EOF. visit returns false to stop early.
template <class Visit>
bool WalkRecords(const std::uint8_t* data, std::size_t size, std::size_t first, Visit&& visit, std::size_t* end = nullptr)
{
    std::size_t offset = first;
    while (size - offset >= RecordHeaderBytes) {
        const std::uint64_t bytes = std::uint64_t{LoadU32(data + offset)} * 2;
        if (bytes < RecordHeaderBytes || bytes > size - offset)
            return false;
        const std::uint16_t function = LoadU16(data + offset + 4);
        const auto recordBytes = static_cast<std::size_t>(bytes);
        const bool goOn = visit(Record{function, RecordView(data + offset, recordBytes)});
        offset += recordBytes;
        if (function == META_EOF || !goOn)
            break;
    }
    if (end != nullptr)
        *end = offset;
    return true;
}

// A blit record without a source picture is (function >> 8) + 3 words long, a reserved word
// standing before the destination's height.
bool WithoutPicture(std::uint16_t function, const RecordView& r)
{
    return r.Size() == RecordHeaderBytes + 2 * (std::size_t{function} >> 8);
}

class Player {
public:
    Player(Device& device, const WmfLayout& layout)
        : device_(device), objects_(layout.ObjectCount), pictures_(layout.End)
    {
    }

    void Play(const Record& record)
    {
        try {
            Dispatch(record.Function, record.View);
        } catch (const RecordTooShort&) {
            // a record too short for its parameters is left out
        } catch (const Exception&) {
            // so is one whose picture can't be read
        }
    }

private:
    PointD At(const RecordView& r, std::size_t offset) const
    {
        // Parameters come in reverse order: y before x.
        return {static_cast<double>(r.I16(offset + 2)), static_cast<double>(r.I16(offset))};
    }
    PointD Point(const RecordView& r, std::size_t offset) const
    {
        // Point structures: x before y.
        return {static_cast<double>(r.I16(offset)), static_cast<double>(r.I16(offset + 2))};
    }
    std::vector<PointD> Points(const RecordView& r, std::size_t offset, std::size_t count) const
    {
        r.Count(count, offset, 4);
        std::vector<PointD> points;
        points.reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            points.push_back(Point(r, offset + 4 * i));
        return points;
    }
    // Rectangle parameters: bottom, right, top, left.
    void Box(const RecordView& r, std::size_t offset, PointD& a, PointD& b) const
    {
        b = At(r, offset);
        a = At(r, offset + 4);
    }

    void AddObject(Object object)
    {
        // An object takes the lowest free slot; with none free it is lost, as on the platform.
        for (auto& slot : objects_)
            if (!slot) {
                slot = std::move(object);
                return;
            }
    }

    void Select(std::uint16_t index)
    {
        if (index < objects_.size() && objects_[index])
            device_.Select(*objects_[index]);
    }

    // The packed DIB from offset to the record's end.
    std::shared_ptr<const TDib> PackedDib(const RecordView& r, std::size_t offset)
    {
        return pictures_.Decode(r.At(offset, 0), r.Size() - offset);
    }

    void Picture(const RecordView& r, std::size_t dibOffset, double srcX, double srcY, double srcWidth,
                 double srcHeight, PointD dest, PointD size)
    {
        const auto dib = PackedDib(r, dibOffset);
        if (StoredBottomUp(r, dibOffset))
            srcY = dib->Height - srcY - srcHeight;
        device_.Picture(*dib, srcX, srcY, srcWidth, srcHeight, dest, {dest.X + size.X, dest.Y + size.Y});
    }

    void PatternBlit(std::uint32_t rop, PointD a, PointD size)
    {
        const PointD b{a.X + size.X, a.Y + size.Y};
        DeviceState& state = device_.State();
        const int savedRop = state.Rop2;
        switch (rop) {
        case PATCOPY: device_.FillWithBrush(a, b); break;
        case BLACKNESS: device_.FillWithColour(a, b, clBlack); break;
        case WHITENESS: device_.FillWithColour(a, b, clWhite); break;
        case DSTINVERT:
            state.Rop2 = R2_NOT;
            device_.FillWithColour(a, b, clBlack);
            break;
        case PATINVERT:
            state.Rop2 = R2_XORPEN;
            device_.FillWithBrush(a, b);
            break;
        default: break;
        }
        state.Rop2 = savedRop;
    }

    void Dispatch(std::uint16_t function, const RecordView& r)
    {
        DeviceState& state = device_.State();
        PointD a, b;
        switch (function) {
        case META_SETBKMODE: state.BackgroundMode = r.U16(Params); break;
        case META_SETROP2: state.Rop2 = r.U16(Params); break;
        case META_SETPOLYFILLMODE: state.FillMode = r.U16(Params); break;
        case META_SETBKCOLOR: state.BackgroundColor = r.U32(Params) & 0xFFFFFF; break;
        case META_SETTEXTCOLOR: state.TextColor = r.U32(Params) & 0xFFFFFF; break;
        case META_SETWINDOWORG: device_.SetWindowOrg(At(r, Params)); break;
        case META_SETWINDOWEXT: device_.SetWindowExt(At(r, Params)); break;
        case META_OFFSETWINDOWORG: {
            const PointD offset = At(r, Params);
            device_.SetWindowOrg({state.WindowOrg.X + offset.X, state.WindowOrg.Y + offset.Y});
            break;
        }
        case META_SCALEWINDOWEXT: {
            const double yDenom = r.I16(Params), yNum = r.I16(Params + 2), xDenom = r.I16(Params + 4),
                         xNum = r.I16(Params + 6);
            if (xDenom != 0 && yDenom != 0)
                device_.SetWindowExt({state.WindowExt.X * xNum / xDenom, state.WindowExt.Y * yNum / yDenom});
            break;
        }
        case META_SAVEDC: device_.SaveState(); break;
        case META_RESTOREDC: device_.RestoreState(r.I16(Params)); break;
        case META_MOVETO: device_.MoveTo(At(r, Params)); break;
        case META_LINETO: device_.LineTo(At(r, Params)); break;
        case META_INTERSECTCLIPRECT: Box(r, Params, a, b); device_.IntersectClip(a, b); break;
        case META_EXCLUDECLIPRECT: Box(r, Params, a, b); device_.ExcludeClip(a, b); break;
        case META_SELECTCLIPREGION:
            if (r.U16(Params) == 0)
                device_.ResetClip();
            break;
        case META_RECTANGLE: Box(r, Params, a, b); device_.Rectangle(a, b); break;
        case META_ELLIPSE: Box(r, Params, a, b); device_.Ellipse(a, b); break;
        case META_ROUNDRECT: {
            const PointD corner = At(r, Params);  // height, width
            Box(r, Params + 4, a, b);
            device_.RoundRect(a, b, corner);
            break;
        }
        case META_ARC:
        case META_PIE:
        case META_CHORD: {
            const PointD end = At(r, Params), start = At(r, Params + 4);
            Box(r, Params + 8, a, b);
            const ArcKind kind = function == META_ARC ? ArcKind::Arc : function == META_PIE ? ArcKind::Pie : ArcKind::Chord;
            device_.ArcShape(kind, a, b, start, end);
            break;
        }
        case META_SETPIXEL: device_.SetPixel(At(r, Params + 4), r.U32(Params) & 0xFFFFFF); break;
        case META_POLYLINE: device_.Polyline(Points(r, Params + 2, static_cast<std::uint16_t>(r.I16(Params)))); break;
        case META_POLYGON: device_.Polygons({Points(r, Params + 2, static_cast<std::uint16_t>(r.I16(Params)))}); break;
        case META_POLYPOLYGON: {
            const std::size_t polygons = r.Count(r.U16(Params), Params + 2, 2);
            std::size_t offset = Params + 2 + 2 * polygons;
            std::vector<std::vector<PointD>> shapes;
            for (std::size_t i = 0; i < polygons; ++i) {
                const std::size_t count = r.U16(Params + 2 + 2 * i);
                shapes.push_back(Points(r, offset, count));
                offset += 4 * count;
            }
            device_.Polygons(shapes);
            break;
        }
        case META_CREATEPENINDIRECT: {
            Object pen{Object::Kind::Pen};
            pen.AsPen.Style = r.U16(Params);
            pen.AsPen.Width = r.I16(Params + 2);
            pen.AsPen.Color = r.U32(Params + 6) & 0xFFFFFF;
            AddObject(pen);
            break;
        }
        case META_CREATEBRUSHINDIRECT: {
            Object brush{Object::Kind::Brush};
            brush.AsBrush.Style = r.U16(Params);
            brush.AsBrush.Color = r.U32(Params + 2) & 0xFFFFFF;
            brush.AsBrush.Hatch = r.U16(Params + 6);
            AddObject(brush);
            break;
        }
        case META_DIBCREATEPATTERNBRUSH: {
            Object brush{Object::Kind::Brush};
            brush.AsBrush.Style = BS_DIBPATTERN;
            try {
                brush.AsBrush.Pattern = PackedDib(r, Params + 4);
            } catch (const Exception&) {
                brush.AsBrush.Style = BS_SOLID;  // the slot is taken all the same
                brush.AsBrush.Color = DeviceBitmapGrey;
            }
            AddObject(brush);
            break;
        }
        case META_CREATEPATTERNBRUSH: {
            Object brush{Object::Kind::Brush};
            brush.AsBrush.Color = DeviceBitmapGrey;
            AddObject(brush);
            break;
        }
        case META_CREATEFONTINDIRECT:
        case META_CREATEPALETTE:
        case META_CREATEREGION: AddObject(Object{}); break;
        case META_SELECTOBJECT: Select(r.U16(Params)); break;
        case META_DELETEOBJECT: {
            const std::uint16_t index = r.U16(Params);
            if (index < objects_.size())
                objects_[index].reset();
            break;
        }
        case META_PATBLT: PatternBlit(r.U32(Params), At(r, Params + 8), At(r, Params + 4)); break;
        case META_STRETCHDIB:
            Picture(r, Params + 22, r.I16(Params + 12), r.I16(Params + 10), r.I16(Params + 8), r.I16(Params + 6),
                    At(r, Params + 18), At(r, Params + 14));
            break;
        case META_DIBSTRETCHBLT:
            if (WithoutPicture(function, r)) {  // a pattern blit
                PatternBlit(r.U32(Params), At(r, Params + 18), At(r, Params + 14));
                break;
            }
            Picture(r, Params + 20, r.I16(Params + 10), r.I16(Params + 8), r.I16(Params + 6), r.I16(Params + 4),
                    At(r, Params + 16), At(r, Params + 12));
            break;
        case META_DIBBITBLT: {
            if (WithoutPicture(function, r)) {
                PatternBlit(r.U32(Params), At(r, Params + 14), At(r, Params + 10));
                break;
            }
            const PointD size = At(r, Params + 8);
            Picture(r, Params + 16, r.I16(Params + 6), r.I16(Params + 4), size.X, size.Y, At(r, Params + 12), size);
            break;
        }
        default: break;  // text, palettes, escapes and the rest draw nothing here
        }
    }

    Device& device_;
    std::vector<std::optional<Object>> objects_;
    PictureBudget pictures_;
};

double UnitsPerInchOfMapMode(std::uint16_t mode)
{
    switch (mode) {
    case MM_LOMETRIC: return 254;
    case MM_HIMETRIC: return 2540;
    case MM_LOENGLISH: return 100;
    case MM_HIENGLISH: return 1000;
    case MM_TWIPS: return 1440;
    default: return 96;
    }
}

// The device a WMF plays on: the window stretched over the target rectangle, whatever mapping
// mode or viewport the records ask for.
Device MakeDevice(TBitmap& target, const TRect& rect, const WmfFrame& frame)
{
    constexpr double MillimetresPerInch = 25.4;
    Device device(target, rect, Transform{}, {96 / MillimetresPerInch, 96 / MillimetresPerInch});
    device.SetMapMode(MM_ANISOTROPIC);
    device.SetWindowOrg({frame.Left, frame.Top});
    device.SetWindowExt({frame.Width, frame.Height});
    device.SetViewportOrg({static_cast<double>(rect.Left), static_cast<double>(rect.Top)});
    device.SetViewportExt({static_cast<double>(rect.Right - rect.Left), static_cast<double>(rect.Bottom - rect.Top)});
    device.State().CurrentPen = Pen{PS_SOLID, 0, true, clBlack};
    device.State().CurrentBrush = Brush{BS_SOLID, clWhite, 0, nullptr};
    return device;
}

bool Ignored(std::uint16_t function, const WmfFrame& frame)
{
    if (frame.Measured &&
        (function == META_SETWINDOWORG || function == META_OFFSETWINDOWORG || function == META_SCALEWINDOWEXT))
        return true;
    // The window decides the picture's place; the records' own mapping mode and viewport don't.
    return function == META_SETMAPMODE || function == 0x020D /* viewport origin */ ||
           function == 0x020E /* viewport extent */ || function == 0x0211 /* offset viewport */ ||
           function == 0x0412 /* scale viewport */;
}

}  // namespace

bool ReadWmfLayout(const std::uint8_t* data, std::size_t size, WmfLayout& layout)
{
    layout = {};
    if (size >= PlaceableHeaderBytes && LoadU32(data) == PlaceableKey) {
        if (LoadU16(data + 14) == 0)  // units per inch
            return false;
        layout.Placeable = true;
        layout.RecordsOffset = PlaceableHeaderBytes;
    }
    const std::size_t header = layout.RecordsOffset;
    if (size - header < HeaderBytes)
        return false;
    const std::uint8_t* h = data + header;
    if ((LoadU16(h) != 1 && LoadU16(h) != 2) || LoadU16(h + 2) != 9)
        return false;
    layout.ObjectCount = LoadU16(h + 10);
    return WalkRecords(data, size, header + HeaderBytes, [](const Record&) { return true; }, &layout.End);
}

WmfFrame WmfPictureFrame(const std::uint8_t* data, const WmfLayout& layout)
{
    WmfFrame frame;
    if (layout.Placeable) {
        const auto left = static_cast<std::int16_t>(LoadU16(data + 6)), top = static_cast<std::int16_t>(LoadU16(data + 8));
        const auto right = static_cast<std::int16_t>(LoadU16(data + 10)), bottom = static_cast<std::int16_t>(LoadU16(data + 12));
        return {double(left), double(top), double(right) - left, double(bottom) - top, double(LoadU16(data + 14))};
    }
    // A plain metafile: the first window its records set, in the units of its mapping mode.
    std::optional<PointD> origin, extent;
    WalkRecords(data, layout.End, layout.RecordsOffset + HeaderBytes, [&](const Record& record) {
        try {
            if (record.Function == META_SETWINDOWORG && !origin)
                origin = PointD{double(record.View.I16(Params + 2)), double(record.View.I16(Params))};
            else if (record.Function == META_SETWINDOWEXT && !extent)
                extent = PointD{double(record.View.I16(Params + 2)), double(record.View.I16(Params))};
            else if (record.Function == META_SETMAPMODE)
                frame.UnitsPerInch = UnitsPerInchOfMapMode(record.View.U16(Params));
        } catch (const RecordTooShort&) {
        }
        return true;
    });
    if (extent && extent->X != 0 && extent->Y != 0) {
        frame.Left = origin ? origin->X : 0;
        frame.Top = origin ? origin->Y : 0;
        frame.Width = extent->X;
        frame.Height = extent->Y;
        return frame;
    }
    // No window: the extent of what the records draw, in logical units.
    TBitmap none;
    WmfFrame unit;
    unit.Width = unit.Height = 1;
    unit.Measured = true;
    Device device = MakeDevice(none, TRect{0, 0, 1, 1}, unit);
    device.TrackExtent();
    Player player(device, layout);
    WalkRecords(data, layout.End, layout.RecordsOffset + HeaderBytes, [&](const Record& record) {
        if (!Ignored(record.Function, unit))
            player.Play(record);
        return true;
    });
    double box[4];
    if (device.Extent(box)) {
        frame.Left = box[0];
        frame.Top = box[1];
        frame.Width = box[2] - box[0];
        frame.Height = box[3] - box[1];
        frame.Measured = true;
    }
    return frame;
}

void PlayWmf(const std::uint8_t* data, const WmfLayout& layout, const WmfFrame& frame, TBitmap& target, const TRect& rect)
{
    if (frame.Width == 0 || frame.Height == 0)
        return;
    Device device = MakeDevice(target, rect, frame);
    Player player(device, layout);
    WalkRecords(data, layout.End, layout.RecordsOffset + HeaderBytes, [&](const Record& record) {
        if (!Ignored(record.Function, frame))
            player.Play(record);
        return true;
    });
}

}  // namespace metafile
