// Items of the published properties and events of a component.
#include "VlInspectorPropData.h"

#include "VlInspectorModel.h"
#include "components/VlColors.h"
#include "components/VlControls.h"
#include "components/VlGraphics.h"
#include "rtl/VlComponent.h"
#include "rtl/VlExceptions.h"
#include "rtl/VlIntegerConsts.h"
#include "rtl/VlStrings.h"

#include <stdexcept>

namespace {

constexpr int MaxSubObjectDepth = 3;

[[noreturn]] void Refuse(const QString &message)
{
    throw std::invalid_argument(message.toStdString());
}

bool IsColorType(const TPropInfo &prop) { return prop.TypeName == "TColor"; }
bool IsCursorType(const TPropInfo &prop) { return prop.TypeName == "TCursor"; }
bool IsCharsetType(const TPropInfo &prop) { return prop.TypeName == "TFontCharset"; }

QStringList ColorNames()
{
    static const TColor colors[] = {
        clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray, clSilver, clRed, clLime,
        clYellow, clBlue, clFuchsia, clAqua, clWhite, clMoneyGreen, clSkyBlue, clCream, clMedGray,
        clScrollBar, clBackground, clActiveCaption, clInactiveCaption, clMenu, clWindow, clWindowFrame,
        clMenuText, clWindowText, clCaptionText, clActiveBorder, clInactiveBorder, clAppWorkSpace,
        clHighlight, clHighlightText, clBtnFace, clBtnShadow, clGrayText, clBtnText, clInactiveCaptionText,
        clBtnHighlight, cl3DDkShadow, cl3DLight, clInfoText, clInfoBk, clNone, clDefault};
    QStringList names;
    for (TColor color : colors)
        if (const auto ident = ColorToIdent(color))
            names << QString::fromStdString(*ident);
    return names;
}

QStringList CursorNames()
{
    QStringList names;
    for (int cursor = 0; cursor >= crSizeAll; --cursor)
        if (const auto ident = CursorToIdent(cursor))
            names << QString::fromStdString(*ident);
    return names;
}

QStringList CharsetNames()
{
    QStringList names;
    for (int charset = 0; charset < 256; ++charset)
        if (const auto ident = CharsetToIdent(charset))
            names << QString::fromStdString(*ident);
    return names;
}

std::optional<int64_t> ParseInteger(const QString &text)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    const qlonglong value = trimmed.startsWith('$') ? trimmed.mid(1).toLongLong(&ok, 16) : trimmed.toLongLong(&ok);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return value;
}

QString CharText(int64_t code)
{
    if (code < 32)
        return QStringLiteral("#%1").arg(code);
    return VlToQString(std::string(1, static_cast<char>(code)));
}

bool IsSubObject(const TObject *object)
{
    return object && !dynamic_cast<const TComponent *>(object) && !dynamic_cast<const TStrings *>(object) &&
           !object->ClassInfo()->Properties().empty();
}

// Whether a form file would store anything of a sub-object (Font, Pen).
bool AnyModified(const TObject *object, int depth)
{
    if (!object || depth > MaxSubObjectDepth)
        return false;
    for (const TPropInfo *prop : object->ClassInfo()->Properties()) {
        if (!IsStoredProp(object, *prop))
            continue;
        if (prop->Kind != TTypeKind::Class) {
            if (prop->IsWritable() && !IsDefaultPropValue(object, *prop))
                return true;
        } else if (IsSubObject(GetObjectProp(object, *prop)) && AnyModified(GetObjectProp(object, *prop), depth + 1)) {
            return true;
        }
    }
    return false;
}

} // namespace

TVlInspectorPropData::TVlInspectorPropData(TPersistent *instance, const TPropInfo &prop, TComponent *owner,
                                           TVlInspectorMethodNames names)
    : TVlInspectorData(QString::fromStdString(prop.Name)), FInstance(instance), FProp(prop), FOwner(owner),
      FNames(std::move(names))
{
}

TObject *TVlInspectorPropData::ObjectValue() const
{
    return FProp.Kind == TTypeKind::Class ? GetObjectProp(FInstance, FProp) : nullptr;
}

TVlInspectorEditKind TVlInspectorPropData::EditKind() const
{
    switch (FProp.Kind) {
    case TTypeKind::Integer:
        if (IsColorType(FProp))
            return TVlInspectorEditKind::Color;
        if (IsCursorType(FProp) || IsCharsetType(FProp))
            return TVlInspectorEditKind::EditableChoice;
        return TVlInspectorEditKind::Integer;
    case TTypeKind::Enumeration:
        return FProp.IsBoolean() ? TVlInspectorEditKind::Boolean : TVlInspectorEditKind::Choice;
    case TTypeKind::Float:
        return TVlInspectorEditKind::Float;
    case TTypeKind::Set:
        return TVlInspectorEditKind::Set;
    case TTypeKind::Class: {
        const TObject *value = ObjectValue();
        if (dynamic_cast<const TFont *>(value))
            return TVlInspectorEditKind::Font;
        if (dynamic_cast<const TStrings *>(value))
            return TVlInspectorEditKind::Lines;
        const TClassInfo *cls = FProp.PropClass();
        if (cls && cls->InheritsFrom(&TComponent::StaticClassInfo()))
            return TVlInspectorEditKind::Choice;
        return TVlInspectorEditKind::None;
    }
    case TTypeKind::Char:
    case TTypeKind::String:
    case TTypeKind::Method:
    case TTypeKind::Variant:
        return TVlInspectorEditKind::Text;
    default:
        return TVlInspectorEditKind::None;
    }
}

QString TVlInspectorPropData::Value() const
{
    switch (FProp.Kind) {
    case TTypeKind::Integer: {
        const int64_t value = GetOrdProp(FInstance, FProp);
        if (IsColorType(FProp))
            return QString::fromStdString(ColorToString(static_cast<TColor>(value)));
        std::string ident;
        if (IntToIdent(FProp.TypeName, value, ident))
            return QString::fromStdString(ident);
        return QString::number(value);
    }
    case TTypeKind::Char:
        return CharText(GetOrdProp(FInstance, FProp));
    case TTypeKind::Enumeration: {
        const int64_t value = GetOrdProp(FInstance, FProp);
        if (FProp.IsBoolean())
            return value ? QStringLiteral("True") : QStringLiteral("False");
        return FProp.EnumInfo ? QString::fromStdString(FProp.EnumInfo->Name(value)) : QString::number(value);
    }
    case TTypeKind::Float:
        return QString::number(GetFloatProp(FInstance, FProp), 'g', 15);
    case TTypeKind::String:
        return VlToQString(GetStrProp(FInstance, FProp));
    case TTypeKind::Set:
        return FProp.EnumInfo ? QString::fromStdString(SetToString(*FProp.EnumInfo, uint32_t(GetOrdProp(FInstance, FProp))))
                              : QString();
    case TTypeKind::Class: {
        const TObject *value = ObjectValue();
        if (const auto *component = dynamic_cast<const TComponent *>(value))
            return QString::fromStdString(component->Name());
        return value ? "(" + QString::fromStdString(value->ClassName()) + ")" : QString();
    }
    case TTypeKind::Method:
        return FNames.NameOf ? FNames.NameOf(GetMethodProp(FInstance, FProp)) : QString();
    case TTypeKind::Variant: {
        const TVarValue value = GetVariantProp(FInstance, FProp);
        switch (value.Kind) {
        case TVarValue::TKind::Integer: return QString::number(value.Int);
        case TVarValue::TKind::Float: return QString::number(value.Float, 'g', 15);
        case TVarValue::TKind::String: return VlToQString(value.Str);
        case TVarValue::TKind::Boolean: return value.Int ? QStringLiteral("True") : QStringLiteral("False");
        default: return QString();
        }
    }
    default:
        return QString();
    }
}

QString TVlInspectorPropData::EditText() const
{
    if (const auto *strings = dynamic_cast<const TStrings *>(ObjectValue())) {
        QStringList lines;
        for (int i = 0; i < strings->Count(); ++i)
            lines << VlToQString(strings->Strings(i));
        return lines.join('\n');
    }
    return Value();
}

void TVlInspectorPropData::SetValue(const QString &text)
{
    if (IsReadOnly())
        Refuse(QStringLiteral("Свойство %1 только для чтения").arg(Name()));
    try {
        switch (FProp.Kind) {
        case TTypeKind::Integer: {
            if (IsColorType(FProp)) {
                TColor color = 0;
                if (!StringToColor(text.trimmed().toStdString(), color))
                    Refuse(QStringLiteral("Неверный цвет: %1").arg(text));
                SetOrdProp(FInstance, FProp, color);
                return;
            }
            int64_t value = 0;
            if (!IdentToInt(FProp.TypeName, text.trimmed().toStdString(), value)) {
                const auto parsed = ParseInteger(text);
                if (!parsed)
                    Refuse(QStringLiteral("Нужно целое число: %1").arg(text));
                value = *parsed;
            }
            SetOrdProp(FInstance, FProp, value);
            return;
        }
        case TTypeKind::Char: {
            int64_t code = -1;
            if (text.startsWith('#') && text.size() > 1) {
                bool ok = false;
                code = text.mid(1).toInt(&ok);
                if (!ok || code < 0 || code > 255)
                    code = -1;
            } else if (text.size() == 1) {
                code = static_cast<unsigned char>(VlFromQString(text)[0]);
            }
            if (code < 0)
                Refuse(QStringLiteral("Нужен один символ: %1").arg(text));
            SetOrdProp(FInstance, FProp, code);
            return;
        }
        case TTypeKind::Enumeration: {
            const int ordinal = FProp.EnumInfo ? FProp.EnumInfo->Find(text.trimmed().toStdString()) : -1;
            if (ordinal < 0)
                Refuse(QStringLiteral("Нет такого значения: %1").arg(text));
            SetOrdProp(FInstance, FProp, ordinal);
            return;
        }
        case TTypeKind::Float: {
            bool ok = false;
            const double value = text.trimmed().toDouble(&ok);
            if (!ok)
                Refuse(QStringLiteral("Нужно число: %1").arg(text));
            SetFloatProp(FInstance, FProp, value);
            return;
        }
        case TTypeKind::String:
            SetStrProp(FInstance, FProp, VlFromQString(text));
            return;
        case TTypeKind::Set:
            SetOrdProp(FInstance, FProp, StringToSet(*FProp.EnumInfo, text.toStdString()));
            return;
        case TTypeKind::Class:
            if (auto *strings = dynamic_cast<TStrings *>(ObjectValue())) {
                strings->SetText(VlFromQString(text));
                return;
            }
            if (EditKind() == TVlInspectorEditKind::Choice) {
                TComponent *found = nullptr;
                if (!text.isEmpty()) {
                    found = FOwner ? FOwner->FindComponent(text.toStdString()) : nullptr;
                    if (!found || !found->ClassInfo()->InheritsFrom(FProp.PropClass()))
                        Refuse(QStringLiteral("Нет такого компонента: %1").arg(text));
                }
                SetObjectProp(FInstance, FProp, found);
                return;
            }
            break;
        case TTypeKind::Method:
            if (!text.isEmpty() && !IsValidIdent(text.toStdString()))
                Refuse(QStringLiteral("Неверное имя обработчика: %1").arg(text));
            SetMethodProp(FInstance, FProp, FNames.MethodOf ? FNames.MethodOf(text) : TMethod());
            return;
        case TTypeKind::Variant: {
            TVarValue value;
            if (!text.isEmpty()) {
                value.Kind = TVarValue::TKind::String;
                value.Str = VlFromQString(text);
            }
            SetVariantProp(FInstance, FProp, value);
            return;
        }
        default:
            break;
        }
    } catch (const Exception &error) {
        Refuse(VlToQString(error.Message()));
    }
    Refuse(QStringLiteral("Свойство %1 здесь не меняется").arg(Name()));
}

QStringList TVlInspectorPropData::Choices() const
{
    switch (FProp.Kind) {
    case TTypeKind::Integer:
        if (IsColorType(FProp))
            return ColorNames();
        if (IsCursorType(FProp))
            return CursorNames();
        if (IsCharsetType(FProp))
            return CharsetNames();
        return {};
    case TTypeKind::Enumeration:
    case TTypeKind::Set: {
        QStringList names;
        if (FProp.EnumInfo)
            for (int i = 0; i < FProp.EnumInfo->Count(); ++i)
                names << QString::fromStdString(FProp.EnumInfo->Name(i));
        return names;
    }
    case TTypeKind::Class: {
        QStringList names{QString()};
        const TClassInfo *cls = FProp.PropClass();
        if (FOwner && cls)
            for (int i = 0; i < FOwner->ComponentCount(); ++i) {
                const TComponent *c = FOwner->Components(i);
                if (c != FInstance && !c->Name().empty() && c->ClassInfo()->InheritsFrom(cls))
                    names << QString::fromStdString(c->Name());
            }
        return names;
    }
    default:
        return {};
    }
}

bool TVlInspectorPropData::IsReadOnly() const
{
    if (FProp.Kind == TTypeKind::Class)
        return EditKind() == TVlInspectorEditKind::None || (EditKind() == TVlInspectorEditKind::Choice && !FProp.SetObj);
    return !FProp.IsWritable();
}

bool TVlInspectorPropData::IsModified() const
{
    if (!IsStoredProp(FInstance, FProp))
        return false;
    if (FProp.Kind != TTypeKind::Class)
        return !IsDefaultPropValue(FInstance, FProp);
    const TObject *value = ObjectValue();
    if (const auto *strings = dynamic_cast<const TStrings *>(value))
        return strings->Count() > 0;
    if (dynamic_cast<const TComponent *>(value))
        return true;
    return IsSubObject(value) && AnyModified(value, 0);
}

// ---------------------------------------------------------------------------------------------
// TVlInspectorNameData

TVlInspectorNameData::TVlInspectorNameData(TComponent *component)
    : TVlInspectorData(QStringLiteral("Name")), FComponent(component)
{
}

QString TVlInspectorNameData::Value() const
{
    return QString::fromStdString(FComponent->Name());
}

void TVlInspectorNameData::SetValue(const QString &text)
{
    if (text.isEmpty())
        Refuse(QStringLiteral("У компонента должно быть имя"));
    try {
        FComponent->SetName(text.toStdString());
    } catch (const Exception &error) {
        Refuse(VlToQString(error.Message()));
    }
}

// ---------------------------------------------------------------------------------------------

namespace {

void AddPropertyItems(TVlInspectorModel &model, TVlInspectorItem *parent, TPersistent *instance, TComponent *owner,
                      const TVlInspectorMethodNames &names, bool events, int depth)
{
    for (const TPropInfo *prop : instance->ClassInfo()->Properties()) {
        if ((prop->Kind == TTypeKind::Method) != events)
            continue;
        if (prop->Name == "Name" && dynamic_cast<TComponent *>(instance))
            continue; // the name item comes first, checked as component names are
        if (prop->Kind == TTypeKind::Interface || prop->Kind == TTypeKind::Unknown)
            continue;
        auto data = std::make_unique<TVlInspectorPropData>(instance, *prop, owner, names);
        TObject *value = data->ObjectValue();
        auto item = std::make_unique<TVlInspectorItem>(QString::fromStdString(prop->Name), std::move(data));
        item->SetSortChildren(false);
        TVlInspectorItem *added = model.AddItem(parent, std::move(item));
        if (IsSubObject(value) && depth < MaxSubObjectDepth)
            if (auto *sub = dynamic_cast<TPersistent *>(value))
                AddPropertyItems(model, added, sub, owner, names, false, depth + 1);
    }
}

} // namespace

void AddComponentItems(TVlInspectorModel &model, TVlInspectorItem *category, TComponent *component,
                       const TVlInspectorMethodNames &names)
{
    if (!component)
        return;
    model.AddItem(category, QStringLiteral("Name"), std::make_unique<TVlInspectorNameData>(component));
    AddPropertyItems(model, category, component, component->Owner(), names, false, 0);
    AddPropertyItems(model, category, component, component->Owner(), names, true, 0);
}
