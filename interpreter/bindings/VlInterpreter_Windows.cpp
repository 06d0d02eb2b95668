// The Windows unit for scripts: TPoint and TRect records, Point/Rect/Bounds, message-box and key constants.
#include "VlInterpreter_all.h"
#include "VlInterpreterBindingTable.h"
#include "VlInterpreterWindowsRecords.h"

#include "interpreter/VlInterpreter.h"
#include "interpreter/VlInterpreterError.h"
#include "interpreter/VlInterpreterTypes.h"

#include <cstring>

namespace {

struct TPointMemory {
    int32_t X, Y;
};
struct TRectMemory {
    int32_t Left, Top, Right, Bottom;
};

// The registration of a record type as the calling script sees it (its own adapter first), so
// that record members registered for that type serve the value.
std::shared_ptr<const TVlInterpreterRecord> RecordFor(const TVlInterpreterArgs *a, const char *name)
{
    if (a && a->Caller)
        if (auto record = a->Caller->OwnAdapter().FindRecordType(name))
            return record;
    if (auto record = GlobalAdapter().FindRecordType(name))
        return record;
    RaiseError(erRecordNotDefined, -1, name);
}

template <class T>
T &Memory(const TVlValue &v)
{
    return *static_cast<T *>(ValueToRecord(v));
}

TVlValue MakePoint(const TVlInterpreterArgs &a, int32_t x, int32_t y)
{
    return VlPointValue(&a, x, y);
}

TVlValue MakeRect(const TVlInterpreterArgs &a, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return VlRectValue(&a, left, top, right, bottom);
}

int32_t Int(const TVlInterpreterArgs &a, int i) { return ValueToInteger(a.Values[i]); }

void WinPoint(TVlValue &r, TVlInterpreterArgs &a) { r = MakePoint(a, Int(a, 0), Int(a, 1)); }
void WinRect(TVlValue &r, TVlInterpreterArgs &a) { r = MakeRect(a, Int(a, 0), Int(a, 1), Int(a, 2), Int(a, 3)); }
void WinBounds(TVlValue &r, TVlInterpreterArgs &a)
{
    int32_t left = Int(a, 0), top = Int(a, 1);
    r = MakeRect(a, left, top, left + Int(a, 2), top + Int(a, 3));
}

TRectMemory &TargetRect(const TVlInterpreterArgs &a)
{
    auto *holder = a.ObjType == varVlRecord ? static_cast<TVlInterpreterRecHolder *>(a.Obj) : nullptr;
    if (!holder || !holder->RecordData)
        RaiseError(erStructRequired, -1);
    return *static_cast<TRectMemory *>(holder->RecordData);
}
const TPointMemory &PointArg(const TVlValue &v)
{
    if (!v.IsRecord() || !VlSameName(v.RawRecord()->RecordName, "TPoint"))
        RaiseError(erStructRequired, -1);
    return Memory<TPointMemory>(v);
}
const TRectMemory &RectArg(const TVlValue &v)
{
    if (!v.IsRecord() || !VlSameName(v.RawRecord()->RecordName, "TRect"))
        RaiseError(erStructRequired, -1);
    return Memory<TRectMemory>(v);
}
void RectGetTopLeft(TVlValue &r, TVlInterpreterArgs &a)
{
    const TRectMemory &rect = TargetRect(a);
    r = MakePoint(a, rect.Left, rect.Top);
}
void RectGetBottomRight(TVlValue &r, TVlInterpreterArgs &a)
{
    const TRectMemory &rect = TargetRect(a);
    r = MakePoint(a, rect.Right, rect.Bottom);
}
void RectSetTopLeft(const TVlValue &v, TVlInterpreterArgs &a)
{
    const TPointMemory &p = PointArg(v);
    TRectMemory &rect = TargetRect(a);
    rect.Left = p.X;
    rect.Top = p.Y;
}
void RectSetBottomRight(const TVlValue &v, TVlInterpreterArgs &a)
{
    const TPointMemory &p = PointArg(v);
    TRectMemory &rect = TargetRect(a);
    rect.Right = p.X;
    rect.Bottom = p.Y;
}

const TVlFunctionBinding WindowsFunctions[] = {
    {"Point", WinPoint, ".."}, {"Rect", WinRect, "...."}, {"Bounds", WinBounds, "...."},
};

const TVlIntConstant WindowsConstants[] = {
    {"MB_OK", 0}, {"MB_OKCANCEL", 1}, {"MB_ABORTRETRYIGNORE", 2}, {"MB_YESNOCANCEL", 3}, {"MB_YESNO", 4},
    {"MB_RETRYCANCEL", 5}, {"MB_ICONHAND", 16}, {"MB_ICONERROR", 16}, {"MB_ICONSTOP", 16},
    {"MB_ICONQUESTION", 32}, {"MB_ICONEXCLAMATION", 48}, {"MB_ICONWARNING", 48}, {"MB_ICONASTERISK", 64},
    {"MB_ICONINFORMATION", 64}, {"MB_DEFBUTTON1", 0}, {"MB_DEFBUTTON2", 256}, {"MB_DEFBUTTON3", 512},
    {"MB_DEFBUTTON4", 768}, {"MB_APPLMODAL", 0}, {"MB_SYSTEMMODAL", 4096}, {"MB_TASKMODAL", 8192},
    {"IDOK", 1}, {"IDCANCEL", 2}, {"IDABORT", 3}, {"IDRETRY", 4}, {"IDIGNORE", 5}, {"IDYES", 6}, {"IDNO", 7},
    {"SW_HIDE", 0}, {"SW_SHOWNORMAL", 1}, {"SW_NORMAL", 1}, {"SW_SHOWMINIMIZED", 2}, {"SW_SHOWMAXIMIZED", 3},
    {"SW_MAXIMIZE", 3}, {"SW_SHOWNOACTIVATE", 4}, {"SW_SHOW", 5}, {"SW_MINIMIZE", 6}, {"SW_SHOWMINNOACTIVE", 7},
    {"SW_SHOWNA", 8}, {"SW_RESTORE", 9}, {"SW_SHOWDEFAULT", 10},
    {"VK_LBUTTON", 1}, {"VK_RBUTTON", 2}, {"VK_CANCEL", 3}, {"VK_MBUTTON", 4}, {"VK_BACK", 8}, {"VK_TAB", 9},
    {"VK_CLEAR", 12}, {"VK_RETURN", 13}, {"VK_SHIFT", 16}, {"VK_CONTROL", 17}, {"VK_MENU", 18},
    {"VK_PAUSE", 19}, {"VK_CAPITAL", 20}, {"VK_ESCAPE", 27}, {"VK_SPACE", 32}, {"VK_PRIOR", 33},
    {"VK_NEXT", 34}, {"VK_END", 35}, {"VK_HOME", 36}, {"VK_LEFT", 37}, {"VK_UP", 38}, {"VK_RIGHT", 39},
    {"VK_DOWN", 40}, {"VK_SELECT", 41}, {"VK_PRINT", 42}, {"VK_EXECUTE", 43}, {"VK_SNAPSHOT", 44},
    {"VK_INSERT", 45}, {"VK_DELETE", 46}, {"VK_HELP", 47}, {"VK_LWIN", 91}, {"VK_RWIN", 92}, {"VK_APPS", 93},
    {"VK_MULTIPLY", 106}, {"VK_ADD", 107}, {"VK_SEPARATOR", 108}, {"VK_SUBTRACT", 109}, {"VK_DECIMAL", 110},
    {"VK_DIVIDE", 111}, {"VK_NUMLOCK", 144}, {"VK_SCROLL", 145},
};

} // namespace

TVlValue VlPointValue(const TVlInterpreterArgs *args, int32_t x, int32_t y)
{
    TVlValue v = NewRecordValue(RecordFor(args, "TPoint"));
    Memory<TPointMemory>(v) = {x, y};
    return v;
}

TVlValue VlRectValue(const TVlInterpreterArgs *args, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    TVlValue v = NewRecordValue(RecordFor(args, "TRect"));
    Memory<TRectMemory>(v) = {left, top, right, bottom};
    return v;
}

void VlValueToPoint(const TVlValue &value, int32_t &x, int32_t &y)
{
    const TPointMemory &p = PointArg(value);
    x = p.X;
    y = p.Y;
}

VL_IMPLEMENT_CLASS(TVlEventRect, TPersistent, "Windows", VlIntProp<&TVlEventRect::Left, &TVlEventRect::Left>("Left"),
                   VlIntProp<&TVlEventRect::Top, &TVlEventRect::Top>("Top"),
                   VlIntProp<&TVlEventRect::Right, &TVlEventRect::Right>("Right"),
                   VlIntProp<&TVlEventRect::Bottom, &TVlEventRect::Bottom>("Bottom"))

void VlValueToRect(const TVlValue &value, int32_t &left, int32_t &top, int32_t &right, int32_t &bottom)
{
    if (value.IsObjectLike()) {
        const TVlEventRect *rect = VlArgAs<TVlEventRect>(value);
        if (!rect)
            RaiseError(erStructRequired, -1);
        left = rect->Left;
        top = rect->Top;
        right = rect->Right;
        bottom = rect->Bottom;
        return;
    }
    const TRectMemory &r = RectArg(value);
    left = r.Left;
    top = r.Top;
    right = r.Right;
    bottom = r.Bottom;
}

void VlRegisterWindows(TVlInterpreterAdapter &adapter)
{
    adapter.AddHostUnit("Windows");
    adapter.AddRecordType("Windows", "TPoint", int32_t(sizeof(TPointMemory)),
                          {{"X", 0, varInteger, nullptr}, {"Y", 4, varInteger, nullptr}});
    adapter.AddRecordType("Windows", "TRect", int32_t(sizeof(TRectMemory)),
                          {{"Left", 0, varInteger, nullptr}, {"Top", 4, varInteger, nullptr},
                           {"Right", 8, varInteger, nullptr}, {"Bottom", 12, varInteger, nullptr}});
    adapter.AddRecordGetter("Windows", "TRect", "TopLeft", RectGetTopLeft, 0, TVlKinds(), varEmpty);
    adapter.AddRecordGetter("Windows", "TRect", "BottomRight", RectGetBottomRight, 0, TVlKinds(), varEmpty);
    adapter.AddRecordSetter("Windows", "TRect", "TopLeft", RectSetTopLeft, 0, TVlKinds());
    adapter.AddRecordSetter("Windows", "TRect", "BottomRight", RectSetBottomRight, 0, TVlKinds());
    VlRegisterFunctions(adapter, "Windows", WindowsFunctions);
    // MessageBox is a foreign call; "user32.dll" is the project's message-box library.
    adapter.AddExternalFunction("Windows", "MessageBox", nullptr, "user32.dll", "MessageBoxA", -1, 4,
                                TVlKinds{varInteger, varString, varString, varInteger}, varInteger);
    VlRegisterIntConstants(adapter, "Windows", WindowsConstants);
    for (int i = 0; i <= 9; ++i)
        adapter.AddConstant("Windows", "VK_NUMPAD" + std::to_string(i), TVlValue::Integer(96 + i));
    for (int i = 1; i <= 24; ++i)
        adapter.AddConstant("Windows", "VK_F" + std::to_string(i), TVlValue::Integer(111 + i));
}
