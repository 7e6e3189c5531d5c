#include "platform/graphics/EmfPlayer.h"

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/graphics/EmfBytes.h"
#include "platform/graphics/EmfDevice.h"

namespace metafile {

namespace {

constexpr std::uint32_t EmrHeaderType = 1;
constexpr std::uint32_t EmfSignature = 0x464D4520;  // " EMF"
constexpr std::size_t HeaderBytes = 88;
constexpr std::size_t RecordHeaderBytes = 8;
constexpr std::uint32_t StockObjectFlag = 0x80000000;
constexpr double MillimetresPerInch = 25.4;

enum RecordType : std::uint32_t {
    EMR_POLYBEZIER = 2, EMR_POLYGON = 3, EMR_POLYLINE = 4, EMR_POLYBEZIERTO = 5, EMR_POLYLINETO = 6,
    EMR_POLYPOLYLINE = 7, EMR_POLYPOLYGON = 8, EMR_SETWINDOWEXTEX = 9, EMR_SETWINDOWORGEX = 10,
    EMR_SETVIEWPORTEXTEX = 11, EMR_SETVIEWPORTORGEX = 12, EMR_EOF = 14, EMR_SETPIXELV = 15, EMR_SETMAPMODE = 17,
    EMR_SETBKMODE = 18, EMR_SETPOLYFILLMODE = 19, EMR_SETROP2 = 20, EMR_SETTEXTCOLOR = 24, EMR_SETBKCOLOR = 25,
    EMR_MOVETOEX = 27, EMR_EXCLUDECLIPRECT = 29, EMR_INTERSECTCLIPRECT = 30, EMR_SCALEVIEWPORTEXTEX = 31,
    EMR_SCALEWINDOWEXTEX = 32, EMR_SAVEDC = 33, EMR_RESTOREDC = 34, EMR_SETWORLDTRANSFORM = 35,
    EMR_MODIFYWORLDTRANSFORM = 36, EMR_SELECTOBJECT = 37, EMR_CREATEPEN = 38, EMR_CREATEBRUSHINDIRECT = 39,
    EMR_DELETEOBJECT = 40, EMR_ANGLEARC = 41, EMR_ELLIPSE = 42, EMR_RECTANGLE = 43, EMR_ROUNDRECT = 44, EMR_ARC = 45,
    EMR_CHORD = 46, EMR_PIE = 47, EMR_CREATEPALETTE = 49, EMR_LINETO = 54, EMR_SETARCDIRECTION = 57,
    EMR_BEGINPATH = 59, EMR_ENDPATH = 60, EMR_CLOSEFIGURE = 61, EMR_FILLPATH = 62, EMR_STROKEANDFILLPATH = 63,
    EMR_STROKEPATH = 64, EMR_SELECTCLIPPATH = 67, EMR_ABORTPATH = 68, EMR_EXTSELECTCLIPRGN = 75, EMR_BITBLT = 76,
    EMR_STRETCHBLT = 77, EMR_STRETCHDIBITS = 81, EMR_EXTCREATEFONTINDIRECTW = 82, EMR_POLYBEZIER16 = 85,
    EMR_POLYGON16 = 86, EMR_POLYLINE16 = 87, EMR_POLYBEZIERTO16 = 88, EMR_POLYLINETO16 = 89,
    EMR_POLYPOLYLINE16 = 90, EMR_POLYPOLYGON16 = 91, EMR_CREATEMONOBRUSH = 93, EMR_CREATEDIBPATTERNBRUSHPT = 94,
    EMR_EXTCREATEPEN = 95,
};

constexpr std::uint32_t RGN_AND = 1;
constexpr std::uint32_t RGN_COPY = 5;
constexpr std::uint32_t PS_TYPE_MASK = 0x000F0000;

std::optional<Object> StockObject(std::uint32_t index)
{
    const auto brush = [](std::uint32_t style, TColor color) {
        Object o{Object::Kind::Brush};
        o.AsBrush = Brush{style, color, 0, nullptr};
        return o;
    };
    const auto pen = [](std::uint32_t style, TColor color) {
        Object o{Object::Kind::Pen};
        o.AsPen = Pen{style, 0, true, color};
        return o;
    };
    switch (index) {
    case 0: return brush(BS_SOLID, clWhite);
    case 1: return brush(BS_SOLID, 0xC0C0C0);
    case 2: return brush(BS_SOLID, 0x808080);
    case 3: return brush(BS_SOLID, 0x404040);
    case 4: return brush(BS_SOLID, clBlack);
    case 5: return brush(BS_NULL, clBlack);
    case 6: return pen(PS_SOLID, clWhite);
    case 7: return pen(PS_SOLID, clBlack);
    case 8: return pen(PS_NULL, clBlack);
    case 18: return brush(BS_SOLID, clWhite);  // DC brush
    case 19: return pen(PS_SOLID, clBlack);    // DC pen
    default: return std::nullopt;              // fonts and palettes draw nothing here
    }
}

template <class Visit>
bool WalkRecords(const std::uint8_t* data, std::size_t size, Visit&& visit, std::size_t* end = nullptr)
{
    std::size_t offset = 0;
    while (size - offset >= RecordHeaderBytes) {
        const std::uint32_t type = LoadU32(data + offset);
        const std::uint32_t bytes = LoadU32(data + offset + 4);
        if (bytes < RecordHeaderBytes || bytes % 4 != 0 || bytes > size - offset)
            return false;
        visit(type, RecordView(data + offset, bytes));
        offset += bytes;
        if (type == EMR_EOF)
            break;
    }
    if (end != nullptr)
        *end = offset;
    return true;
}

class Player {
public:
    Player(Device& device, const EmfLayout& layout)
        : device_(device), objects_(layout.HandleCount), pictures_(layout.End)
    {
    }

    void Play(std::uint32_t type, const RecordView& r)
    {
        try {
            Dispatch(type, r);
        } catch (const RecordTooShort&) {
            // a record too short for its fields is left out
        } catch (const Exception&) {
            // so is one whose picture can't be read
        }
    }

private:
    static PointD Point32(const RecordView& r, std::size_t offset) { return {double(r.I32(offset)), double(r.I32(offset + 4))}; }
    static PointD Point16(const RecordView& r, std::size_t offset) { return {double(r.I16(offset)), double(r.I16(offset + 2))}; }

    static std::vector<PointD> Points(const RecordView& r, std::size_t offset, std::size_t count, bool small)
    {
        const std::size_t itemBytes = small ? 4 : 8;
        r.Count(count, offset, itemBytes);
        std::vector<PointD> points;
        points.reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            points.push_back(small ? Point16(r, offset + i * itemBytes) : Point32(r, offset + i * itemBytes));
        return points;
    }

    // EMR_POLY* records: bounds, count, points.
    static std::vector<PointD> PolyPoints(const RecordView& r, bool small) { return Points(r, 28, r.U32(24), small); }

    static std::vector<std::vector<PointD>> PolyPolyPoints(const RecordView& r, bool small)
    {
        const std::size_t figures = r.Count(r.U32(24), 32, 4);
        const std::size_t total = r.U32(28);
        std::size_t offset = 32 + 4 * figures;
        r.Count(total, offset, small ? 4 : 8);
        std::vector<std::vector<PointD>> result;
        std::size_t used = 0;
        for (std::size_t i = 0; i < figures; ++i) {
            const std::size_t count = r.U32(32 + 4 * i);
            if (count > total - used)
                throw RecordTooShort{};
            result.push_back(Points(r, offset, count, small));
            offset += count * (small ? 4 : 8);
            used += count;
        }
        return result;
    }

    static Transform ReadTransform(const RecordView& r, std::size_t offset)
    {
        return {r.F32(offset), r.F32(offset + 4), r.F32(offset + 8), r.F32(offset + 12), r.F32(offset + 16), r.F32(offset + 20)};
    }

    Object* Slot(std::uint32_t index)
    {
        // Slot 0 stands for the metafile itself and holds no object.
        return index > 0 && index < objects_.size() ? &objects_[index] : nullptr;
    }

    void Store(std::uint32_t index, Object object)
    {
        if (Object* slot = Slot(index))
            *slot = std::move(object);
    }

    void Select(std::uint32_t index)
    {
        if (index & StockObjectFlag) {
            if (const std::optional<Object> stock = StockObject(index & ~StockObjectFlag))
                device_.Select(*stock);
        } else if (const Object* object = Slot(index)) {
            device_.Select(*object);
        }
    }

    // A packed DIB from a record's header and bits blocks, which need not be next to each other.
    std::shared_ptr<const TDib> RecordDib(const RecordView& r, std::uint32_t offBmi, std::uint32_t cbBmi,
                                          std::uint32_t offBits, std::uint32_t cbBits)
    {
        const std::uint8_t* header = r.At(offBmi, cbBmi);
        const std::uint8_t* bits = r.At(offBits, cbBits);
        std::vector<std::uint8_t> packed(header, header + cbBmi);
        packed.insert(packed.end(), bits, bits + cbBits);
        return pictures_.Decode(packed.data(), packed.size());
    }

    void Blit(const RecordView& r, bool stretch)
    {
        const PointD dest = Point32(r, 24), size = Point32(r, 32);
        const std::uint32_t rop = r.U32(40);
        const std::uint32_t offBmi = r.U32(84), cbBmi = r.U32(88), offBits = r.U32(92), cbBits = r.U32(96);
        const PointD far{dest.X + size.X, dest.Y + size.Y};
        if (cbBmi == 0) {  // no source: the brush, or a plain colour
            if (rop == PATCOPY)
                device_.FillWithBrush(dest, far);
            else if (rop == BLACKNESS || rop == WHITENESS)
                device_.FillWithColour(dest, far, rop == BLACKNESS ? clBlack : clWhite);
            return;
        }
        const auto dib = RecordDib(r, offBmi, cbBmi, offBits, cbBits);
        const PointD source = Point32(r, 44);
        const PointD sourceSize = stretch ? Point32(r, 100) : size;
        device_.Picture(*dib, source.X, source.Y, sourceSize.X, sourceSize.Y, dest, far);
    }

    void StretchDibits(const RecordView& r)
    {
        const PointD dest = Point32(r, 24), source = Point32(r, 32), sourceSize = Point32(r, 40);
        const std::uint32_t offBmi = r.U32(48), cbBmi = r.U32(52), offBits = r.U32(56), cbBits = r.U32(60);
        const PointD size = Point32(r, 72);
        const auto dib = RecordDib(r, offBmi, cbBmi, offBits, cbBits);
        const double sourceY = StoredBottomUp(r, offBmi) ? dib->Height - source.Y - sourceSize.Y : source.Y;
        device_.Picture(*dib, source.X, sourceY, sourceSize.X, sourceSize.Y, dest, {dest.X + size.X, dest.Y + size.Y});
    }

    void AngleArc(const RecordView& r)
    {
        const PointD centre = Point32(r, 8);
        const double radius = r.U32(16);
        const double start = r.F32(20), sweep = r.F32(24);
        if (!std::isfinite(start) || !std::isfinite(sweep) || std::fabs(sweep) > 360 * 16)
            return;
        const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(sweep) / 5)));
        std::vector<PointD> points;
        for (int i = 0; i <= steps; ++i) {
            const double angle = (start + sweep * i / steps) * 3.14159265358979323846 / 180;
            points.push_back({centre.X + radius * std::cos(angle), centre.Y - radius * std::sin(angle)});
        }
        device_.PolylineTo(points);
    }

    void ClipRegion(const RecordView& r)
    {
        const std::uint32_t dataBytes = r.U32(8), mode = r.U32(12);
        if (mode == RGN_COPY && dataBytes == 0) {
            device_.ResetClip();
            return;
        }
        if (dataBytes < 32 || (mode != RGN_COPY && mode != RGN_AND))
            return;
        // The region's bounding rectangle, in the reference device's pixels.
        const PointD a = Point32(r, 16 + 16), b = Point32(r, 16 + 24);
        if (mode == RGN_COPY) {
            device_.SetClipToReference(a, b);
            return;
        }
        const ClipArea before = device_.State().Clip;
        device_.SetClipToReference(a, b);
        ClipArea& clip = device_.State().Clip;
        clip.Left = std::max(clip.Left, before.Left);
        clip.Top = std::max(clip.Top, before.Top);
        clip.Right = std::min(clip.Right, before.Right);
        clip.Bottom = std::min(clip.Bottom, before.Bottom);
        clip.Excluded = before.Excluded;
    }

    void Dispatch(std::uint32_t type, const RecordView& r)
    {
        DeviceState& state = device_.State();
        switch (type) {
        case EMR_POLYBEZIER: device_.PolyBezier(PolyPoints(r, false), false); break;
        case EMR_POLYBEZIER16: device_.PolyBezier(PolyPoints(r, true), false); break;
        case EMR_POLYBEZIERTO: device_.PolyBezier(PolyPoints(r, false), true); break;
        case EMR_POLYBEZIERTO16: device_.PolyBezier(PolyPoints(r, true), true); break;
        case EMR_POLYGON: device_.Polygons({PolyPoints(r, false)}); break;
        case EMR_POLYGON16: device_.Polygons({PolyPoints(r, true)}); break;
        case EMR_POLYLINE: device_.Polyline(PolyPoints(r, false)); break;
        case EMR_POLYLINE16: device_.Polyline(PolyPoints(r, true)); break;
        case EMR_POLYLINETO: device_.PolylineTo(PolyPoints(r, false)); break;
        case EMR_POLYLINETO16: device_.PolylineTo(PolyPoints(r, true)); break;
        case EMR_POLYPOLYGON: device_.Polygons(PolyPolyPoints(r, false)); break;
        case EMR_POLYPOLYGON16: device_.Polygons(PolyPolyPoints(r, true)); break;
        case EMR_POLYPOLYLINE:
        case EMR_POLYPOLYLINE16:
            for (const auto& line : PolyPolyPoints(r, type == EMR_POLYPOLYLINE16))
                device_.Polyline(line);
            break;
        case EMR_SETWINDOWEXTEX: device_.SetWindowExt(Point32(r, 8)); break;
        case EMR_SETWINDOWORGEX: device_.SetWindowOrg(Point32(r, 8)); break;
        case EMR_SETVIEWPORTEXTEX: device_.SetViewportExt(Point32(r, 8)); break;
        case EMR_SETVIEWPORTORGEX: device_.SetViewportOrg(Point32(r, 8)); break;
        case EMR_SCALEVIEWPORTEXTEX:
        case EMR_SCALEWINDOWEXTEX: {
            const double xNum = r.I32(8), xDenom = r.I32(12), yNum = r.I32(16), yDenom = r.I32(20);
            if (xDenom == 0 || yDenom == 0)
                break;
            const PointD& extent = type == EMR_SCALEWINDOWEXTEX ? state.WindowExt : state.ViewportExt;
            const PointD scaled{extent.X * xNum / xDenom, extent.Y * yNum / yDenom};
            type == EMR_SCALEWINDOWEXTEX ? device_.SetWindowExt(scaled) : device_.SetViewportExt(scaled);
            break;
        }
        case EMR_SETPIXELV: device_.SetPixel(Point32(r, 8), r.U32(16) & 0xFFFFFF); break;
        case EMR_SETMAPMODE: device_.SetMapMode(static_cast<int>(r.U32(8))); break;
        case EMR_SETBKMODE: state.BackgroundMode = static_cast<int>(r.U32(8)); break;
        case EMR_SETPOLYFILLMODE: state.FillMode = static_cast<int>(r.U32(8)); break;
        case EMR_SETROP2: state.Rop2 = static_cast<int>(r.U32(8)); break;
        case EMR_SETTEXTCOLOR: state.TextColor = r.U32(8) & 0xFFFFFF; break;
        case EMR_SETBKCOLOR: state.BackgroundColor = r.U32(8) & 0xFFFFFF; break;
        case EMR_SETARCDIRECTION: state.Clockwise = r.U32(8) == 2; break;
        case EMR_MOVETOEX: device_.MoveTo(Point32(r, 8)); break;
        case EMR_LINETO: device_.LineTo(Point32(r, 8)); break;
        case EMR_EXCLUDECLIPRECT: device_.ExcludeClip(Point32(r, 8), Point32(r, 16)); break;
        case EMR_INTERSECTCLIPRECT: device_.IntersectClip(Point32(r, 8), Point32(r, 16)); break;
        case EMR_EXTSELECTCLIPRGN: ClipRegion(r); break;
        case EMR_SAVEDC: device_.SaveState(); break;
        case EMR_RESTOREDC: device_.RestoreState(r.I32(8)); break;
        case EMR_SETWORLDTRANSFORM: device_.SetWorldTransform(ReadTransform(r, 8)); break;
        case EMR_MODIFYWORLDTRANSFORM: {
            const Transform given = ReadTransform(r, 8);
            switch (r.U32(32)) {
            case 1: device_.SetWorldTransform(Transform{}); break;
            case 2: device_.SetWorldTransform(given.Then(state.World)); break;
            case 3: device_.SetWorldTransform(state.World.Then(given)); break;
            case 4: device_.SetWorldTransform(given); break;
            default: break;
            }
            break;
        }
        case EMR_SELECTOBJECT: Select(r.U32(8)); break;
        case EMR_DELETEOBJECT:
            if (Object* slot = Slot(r.U32(8)))
                *slot = Object{};
            break;
        case EMR_CREATEPEN: {
            Object pen{Object::Kind::Pen};
            pen.AsPen = Pen{r.U32(12), double(r.I32(16)), false, r.U32(24) & 0xFFFFFF};
            Store(r.U32(8), pen);
            break;
        }
        case EMR_EXTCREATEPEN: {
            Object pen{Object::Kind::Pen};
            const std::uint32_t style = r.U32(28);
            pen.AsPen = Pen{style, double(r.U32(32)), (style & PS_TYPE_MASK) != PS_GEOMETRIC, r.U32(40) & 0xFFFFFF};
            if (r.U32(36) == BS_NULL)
                pen.AsPen.Style = PS_NULL;
            Store(r.U32(8), pen);
            break;
        }
        case EMR_CREATEBRUSHINDIRECT: {
            Object brush{Object::Kind::Brush};
            brush.AsBrush = Brush{r.U32(12), r.U32(16) & 0xFFFFFF, static_cast<int>(r.U32(20)), nullptr};
            Store(r.U32(8), brush);
            break;
        }
        case EMR_CREATEMONOBRUSH:
        case EMR_CREATEDIBPATTERNBRUSHPT: {
            Object brush{Object::Kind::Brush};
            brush.AsBrush.Style = BS_DIBPATTERNPT;
            brush.AsBrush.Pattern = RecordDib(r, r.U32(16), r.U32(20), r.U32(24), r.U32(28));
            Store(r.U32(8), brush);
            break;
        }
        case EMR_CREATEPALETTE:
        case EMR_EXTCREATEFONTINDIRECTW: Store(r.U32(8), Object{}); break;
        case EMR_ANGLEARC: AngleArc(r); break;
        case EMR_ELLIPSE: device_.Ellipse(Point32(r, 8), Point32(r, 16)); break;
        case EMR_RECTANGLE: device_.Rectangle(Point32(r, 8), Point32(r, 16)); break;
        case EMR_ROUNDRECT: device_.RoundRect(Point32(r, 8), Point32(r, 16), Point32(r, 24)); break;
        case EMR_ARC:
        case EMR_CHORD:
        case EMR_PIE: {
            const ArcKind kind = type == EMR_ARC ? ArcKind::Arc : type == EMR_CHORD ? ArcKind::Chord : ArcKind::Pie;
            device_.ArcShape(kind, Point32(r, 8), Point32(r, 16), Point32(r, 24), Point32(r, 32));
            break;
        }
        case EMR_BEGINPATH: device_.BeginPath(); break;
        case EMR_ENDPATH: device_.EndPath(); break;
        case EMR_CLOSEFIGURE: device_.CloseFigure(); break;
        case EMR_FILLPATH: device_.FillPath(); break;
        case EMR_STROKEPATH: device_.StrokePath(); break;
        case EMR_STROKEANDFILLPATH: device_.StrokeAndFillPath(); break;
        case EMR_SELECTCLIPPATH:
        case EMR_ABORTPATH: device_.AbortPath(); break;
        case EMR_BITBLT: Blit(r, false); break;
        case EMR_STRETCHBLT: Blit(r, true); break;
        case EMR_STRETCHDIBITS: StretchDibits(r); break;
        default: break;  // text, palettes, comments and the rest draw nothing here
        }
    }

    Device& device_;
    std::vector<Object> objects_;
    PictureBudget pictures_;
};

}  // namespace

bool ReadEmfLayout(const std::uint8_t* data, std::size_t size, EmfLayout& layout)
{
    layout = {};
    if (size < HeaderBytes || LoadU32(data) != EmrHeaderType || LoadU32(data + 40) != EmfSignature)
        return false;
    const std::uint32_t headerBytes = LoadU32(data + 4);
    if (headerBytes < HeaderBytes || headerBytes > size)
        return false;
    layout.HandleCount = LoadU16(data + 56);
    return WalkRecords(data, size, [](std::uint32_t, const RecordView&) {}, &layout.End);
}

void PlayEmf(const std::uint8_t* data, const EmfLayout& layout, TBitmap& target, const TRect& rect)
{
    const RecordView header(data, HeaderBytes);
    // The reference device's resolution; a header without one stands for the screen.
    PointD perMillimetre{96 / MillimetresPerInch, 96 / MillimetresPerInch};
    const double deviceX = header.I32(72), deviceY = header.I32(76), mmX = header.I32(80), mmY = header.I32(84);
    if (deviceX > 0 && deviceY > 0 && mmX > 0 && mmY > 0)
        perMillimetre = {deviceX / mmX, deviceY / mmY};
    // The frame, in hundredths of a millimetre, in reference pixels; else the bounds, in pixels.
    double left = header.I32(24) / 100.0 * perMillimetre.X, top = header.I32(28) / 100.0 * perMillimetre.Y;
    double width = (double(header.I32(32)) - header.I32(24)) / 100.0 * perMillimetre.X;
    double height = (double(header.I32(36)) - header.I32(28)) / 100.0 * perMillimetre.Y;
    if (!(width > 0) || !(height > 0)) {
        left = header.I32(8);
        top = header.I32(12);
        width = double(header.I32(16)) - header.I32(8) + 1;
        height = double(header.I32(20)) - header.I32(12) + 1;
    }
    if (!(width > 0) || !(height > 0))
        return;
    const double scaleX = (double(rect.Right) - rect.Left) / width, scaleY = (double(rect.Bottom) - rect.Top) / height;
    const Transform referenceToTarget{scaleX, 0, 0, scaleY, rect.Left - left * scaleX, rect.Top - top * scaleY};
    Device device(target, rect, referenceToTarget, perMillimetre);
    Player player(device, layout);
    WalkRecords(data, layout.End, [&](std::uint32_t type, const RecordView& r) { player.Play(type, r); });
}

}  // namespace metafile
