// Class metadata: property tables, lookups by name, typed access, defaults and the class registry.
#include "VlClassRegistry.h"
#include "VlComponent.h"
#include "VlExceptions.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

const TEnumInfo &ShapeKindInfo()
{
    static const TEnumInfo info("TShapeKind", {"skRectangle", "skCircle", "skTriangle"});
    return info;
}

const TEnumInfo &AnchorKindInfo()
{
    static const TEnumInfo info("TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"});
    return info;
}

class TMetaPen : public TPersistent {
    VL_CLASS(TMetaPen)
    int Width = 1;
};
VL_IMPLEMENT_CLASS(TMetaPen, TPersistent, "MetaTest", VlIntProp<&TMetaPen::Width, &TMetaPen::Width>("Width").WithDefault(1))

class TMetaShape : public TComponent {
    VL_CLASS(TMetaShape)
    using TComponent::TComponent;
    ~TMetaShape() override { delete FPen; }

    int Left() const { return FLeft; }
    void SetLeft(int value) { FLeft = value; }
    TMetaPen *Pen() const { return FPen; }
    void SetPen(TMetaPen *pen) { FPen->Width = pen ? pen->Width : 1; }

protected:
    int FKind = 0;

private:
    int FLeft = 0;
    bool FVisible = true;
    uint32_t FAnchors = 3;
    double FRatio = 0;
    std::string FCaption;
    char FAccel = 0;
    TMethod FOnClick;
    TVarValue FValue;
    TMetaPen *FPen = new TMetaPen;
    int FCount = 7;
};
VL_IMPLEMENT_CLASS(TMetaShape, TComponent, "MetaTest",
                   VlIntProp<&TMetaShape::Left, &TMetaShape::SetLeft>("Left"),
                   VlBoolProp<&TMetaShape::FVisible, &TMetaShape::FVisible>("Visible", true),
                   VlEnumProp<&TMetaShape::FKind, &TMetaShape::FKind>("Kind", ShapeKindInfo(), 0),
                   VlSetProp<&TMetaShape::FAnchors, &TMetaShape::FAnchors>("Anchors", "TAnchors", AnchorKindInfo(), 3),
                   VlFloatProp<&TMetaShape::FRatio, &TMetaShape::FRatio>("Ratio"),
                   VlStrProp<&TMetaShape::FCaption, &TMetaShape::FCaption>("Caption", "TCaption"),
                   VlCharProp<&TMetaShape::FAccel, &TMetaShape::FAccel>("Accel"),
                   VlClassProp<&TMetaShape::Pen, &TMetaShape::SetPen>("Pen", "TMetaPen"),
                   VlMethodProp<&TMetaShape::FOnClick, &TMetaShape::FOnClick>("OnClick"),
                   VlVariantProp<&TMetaShape::FValue, &TMetaShape::FValue>("Value"),
                   VlIntProp<&TMetaShape::FCount>("Count"))

// Redeclares an inherited property with another default and adds one of its own.
class TMetaCircle : public TMetaShape {
    VL_CLASS(TMetaCircle)
    using TMetaShape::TMetaShape;
    int Radius = 0;
};
VL_IMPLEMENT_CLASS(TMetaCircle, TMetaShape, "MetaTest",
                   VlEnumProp<&TMetaCircle::FKind, &TMetaCircle::FKind>("Kind", ShapeKindInfo(), 1),
                   VlIntProp<&TMetaCircle::Radius, &TMetaCircle::Radius>("Radius"))

class TMetaAbstract : public TComponent {
    VL_CLASS(TMetaAbstract)
    using TComponent::TComponent;
    virtual void Draw() = 0;
};
VL_IMPLEMENT_CLASS(TMetaAbstract, TComponent, "MetaTest")

// Asked for nowhere but in the test of the first lookup, so their tables are still unbuilt there.
class TMetaLazyBase : public TComponent {
    VL_CLASS(TMetaLazyBase)
    using TComponent::TComponent;
    int Size = 0;
};
VL_IMPLEMENT_CLASS(TMetaLazyBase, TComponent, "MetaTest", VlIntProp<&TMetaLazyBase::Size, &TMetaLazyBase::Size>("Size"))

class TMetaLazyChild : public TMetaLazyBase {
    VL_CLASS(TMetaLazyChild)
    using TMetaLazyBase::TMetaLazyBase;
    int Depth = 0;
};
VL_IMPLEMENT_CLASS(TMetaLazyChild, TMetaLazyBase, "MetaTest",
                   VlIntProp<&TMetaLazyChild::Depth, &TMetaLazyChild::Depth>("Depth"),
                   VlIntProp<&TMetaLazyChild::Size, &TMetaLazyChild::Size>("Size").WithDefault(4))

std::vector<std::string> PropertyNames(const TClassInfo &cls)
{
    std::vector<std::string> names;
    for (const TPropInfo *prop : cls.Properties())
        names.push_back(prop->Name);
    return names;
}

} // namespace

TEST(ClassInfo, NamesParentsAndUnits)
{
    const TClassInfo &circle = TMetaCircle::StaticClassInfo();
    EXPECT_EQ(circle.ClassName(), "TMetaCircle");
    EXPECT_EQ(circle.ClassParent(), &TMetaShape::StaticClassInfo());
    EXPECT_EQ(circle.UnitName(), "MetaTest");
    EXPECT_EQ(TComponent::StaticClassInfo().UnitName(), "Classes");
    TMetaCircle object;
    EXPECT_EQ(object.ClassName(), "TMetaCircle");
    EXPECT_EQ(object.ClassInfo(), &circle);
}

TEST(ClassInfo, InheritsFromFollowsTheParentChain)
{
    TMetaCircle circle;
    TMetaShape shape;
    EXPECT_TRUE(circle.Is<TMetaShape>());
    EXPECT_TRUE(circle.Is<TComponent>());
    EXPECT_TRUE(circle.Is<TPersistent>());
    EXPECT_TRUE(circle.Is<TObject>());
    EXPECT_TRUE(circle.Is<TMetaCircle>());
    EXPECT_FALSE(shape.Is<TMetaCircle>());
    EXPECT_FALSE(shape.Is<TMetaPen>());
    EXPECT_FALSE(TMetaShape::StaticClassInfo().InheritsFrom(nullptr));
}

TEST(ClassInfo, PropertiesListAncestorsFirstAndRedeclarationsKeepTheirPlace)
{
    const std::vector<std::string> expected = {"Name",  "Tag",     "Left",  "Visible", "Kind",  "Anchors", "Ratio",
                                               "Caption", "Accel", "Pen",   "OnClick", "Value", "Count",   "Radius"};
    EXPECT_EQ(PropertyNames(TMetaCircle::StaticClassInfo()), expected);
    EXPECT_EQ(TMetaCircle::StaticClassInfo().FindProperty("kind")->DefaultValue, 1);
    EXPECT_EQ(TMetaShape::StaticClassInfo().FindProperty("KIND")->DefaultValue, 0);
}

TEST(ClassInfo, TablesBuiltOnFirstLookupFromManyThreadsAgree)
{
    // A derived class asked first, by several threads at once, before its parent ever was.
    const TClassInfo &child = TMetaLazyChild::StaticClassInfo();
    std::vector<const TPropInfo *> found(8, nullptr);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < found.size(); ++i)
        threads.emplace_back([&child, &found, i] { found[i] = child.FindProperty("size"); });
    for (std::thread &t : threads)
        t.join();
    for (const TPropInfo *prop : found) {
        ASSERT_NE(prop, nullptr);
        EXPECT_EQ(prop, found[0]);
    }
    EXPECT_EQ(found[0]->DefaultValue, 4);
    EXPECT_EQ(PropertyNames(child), (std::vector<std::string>{"Name", "Tag", "Size", "Depth"}));
    ASSERT_EQ(child.OwnProperties().size(), 2u);
    EXPECT_EQ(&child.OwnProperties()[1], found[0]);
    EXPECT_EQ(TMetaLazyBase::StaticClassInfo().FindProperty("Size")->DefaultValue, 0);
    EXPECT_EQ(TMetaLazyBase::StaticClassInfo().FindProperty("Depth"), nullptr);
}

TEST(ClassInfo, LookupIgnoresCaseAndFindsInheritedProperties)
{
    const TClassInfo &circle = TMetaCircle::StaticClassInfo();
    struct Row {
        const char *name;
        TTypeKind kind;
        const char *typeName;
    };
    const Row rows[] = {
        {"name", TTypeKind::String, "TComponentName"}, {"TAG", TTypeKind::Integer, "Integer"},
        {"left", TTypeKind::Integer, "Integer"},       {"visible", TTypeKind::Enumeration, "Boolean"},
        {"Kind", TTypeKind::Enumeration, "TShapeKind"}, {"anchors", TTypeKind::Set, "TAnchors"},
        {"ratio", TTypeKind::Float, "Double"},         {"caption", TTypeKind::String, "TCaption"},
        {"accel", TTypeKind::Char, "Char"},            {"pen", TTypeKind::Class, "TMetaPen"},
        {"onclick", TTypeKind::Method, "TNotifyEvent"}, {"value", TTypeKind::Variant, "Variant"},
        {"RADIUS", TTypeKind::Integer, "Integer"},
    };
    for (const Row &row : rows) {
        const TPropInfo *prop = circle.FindProperty(row.name);
        ASSERT_NE(prop, nullptr) << row.name;
        EXPECT_EQ(prop->Kind, row.kind) << row.name;
        EXPECT_EQ(prop->TypeName, row.typeName) << row.name;
    }
    EXPECT_EQ(circle.FindProperty("Width"), nullptr);
    EXPECT_EQ(circle.FindProperty(""), nullptr);
    EXPECT_EQ(TMetaShape::StaticClassInfo().FindProperty("Radius"), nullptr);
    EXPECT_EQ(circle.FindProperty("pen")->PropClass(), &TMetaPen::StaticClassInfo());
}

TEST(ClassInfo, TypedAccessReadsAndWritesThroughAccessors)
{
    TMetaCircle circle;
    SetOrdProp(&circle, *GetPropInfo(&circle, "Left"), 42);
    EXPECT_EQ(circle.Left(), 42);
    SetOrdProp(&circle, *GetPropInfo(&circle, "Tag"), -5);
    EXPECT_EQ(circle.Tag(), -5);
    SetStrProp(&circle, *GetPropInfo(&circle, "Name"), "Circle1");
    EXPECT_EQ(circle.Name(), "Circle1");
    EXPECT_EQ(GetStrProp(&circle, *GetPropInfo(&circle, "name")), "Circle1");
    SetFloatProp(&circle, *GetPropInfo(&circle, "Ratio"), 1.5);
    EXPECT_EQ(GetFloatProp(&circle, *GetPropInfo(&circle, "Ratio")), 1.5);
    SetOrdProp(&circle, *GetPropInfo(&circle, "Visible"), 0);
    EXPECT_EQ(GetOrdProp(&circle, *GetPropInfo(&circle, "Visible")), 0);

    const TMethod handler{reinterpret_cast<void *>(0x10), &circle};
    SetMethodProp(&circle, *GetPropInfo(&circle, "OnClick"), handler);
    EXPECT_EQ(GetMethodProp(&circle, *GetPropInfo(&circle, "OnClick")), handler);

    TVarValue value;
    value.Kind = TVarValue::TKind::String;
    value.Str = "x";
    SetVariantProp(&circle, *GetPropInfo(&circle, "Value"), value);
    EXPECT_EQ(GetVariantProp(&circle, *GetPropInfo(&circle, "Value")), value);

    TMetaPen pen;
    pen.Width = 9;
    SetObjectProp(&circle, *GetPropInfo(&circle, "Pen"), &pen);
    EXPECT_EQ(circle.Pen()->Width, 9);
    EXPECT_EQ(GetObjectProp(&circle, *GetPropInfo(&circle, "Pen")), circle.Pen());
}

TEST(ClassInfo, TypedAccessRefusesWrongKindsReadOnlyPropertiesAndWrongClasses)
{
    TMetaShape shape;
    EXPECT_THROW(GetOrdProp(&shape, *GetPropInfo(&shape, "Caption")), EPropertyError);
    EXPECT_THROW(SetStrProp(&shape, *GetPropInfo(&shape, "Left"), "1"), EPropertyError);
    EXPECT_EQ(GetOrdProp(&shape, *GetPropInfo(&shape, "Count")), 7);
    EXPECT_FALSE(GetPropInfo(&shape, "Count")->IsWritable());
    EXPECT_THROW(SetOrdProp(&shape, *GetPropInfo(&shape, "Count"), 1), EPropertyError);
    TMetaShape other;
    EXPECT_THROW(SetObjectProp(&shape, *GetPropInfo(&shape, "Pen"), &other), EPropertyError);
}

TEST(ClassInfo, OrdinalWritesStayInsideTheirTypes)
{
    TMetaShape shape;
    const TPropInfo &kind = *GetPropInfo(&shape, "Kind");
    SetOrdProp(&shape, kind, 2);
    EXPECT_THROW(SetOrdProp(&shape, kind, 3), EPropertyError);
    EXPECT_THROW(SetOrdProp(&shape, kind, -1), EPropertyError);
    EXPECT_EQ(GetOrdProp(&shape, kind), 2);
    SetOrdProp(&shape, *GetPropInfo(&shape, "Visible"), 0);
    SetOrdProp(&shape, *GetPropInfo(&shape, "Visible"), 5);
    EXPECT_EQ(GetOrdProp(&shape, *GetPropInfo(&shape, "Visible")), 1);
    SetOrdProp(&shape, *GetPropInfo(&shape, "Anchors"), 0xFF);
    EXPECT_EQ(GetOrdProp(&shape, *GetPropInfo(&shape, "Anchors")), 0xF);
}

TEST(ClassInfo, DefaultsDecideWhatAWriterLeavesOut)
{
    TMetaShape shape;
    auto isDefault = [&](const char *name) { return IsDefaultPropValue(&shape, *GetPropInfo(&shape, name)); };
    EXPECT_TRUE(isDefault("Tag"));
    EXPECT_FALSE(isDefault("Left")) << "integers without a declared default are always written";
    EXPECT_TRUE(isDefault("Visible"));
    EXPECT_TRUE(isDefault("Anchors"));
    EXPECT_TRUE(isDefault("Ratio"));
    EXPECT_TRUE(isDefault("Caption"));
    EXPECT_TRUE(isDefault("OnClick"));
    EXPECT_TRUE(isDefault("Value"));
    EXPECT_FALSE(isDefault("Pen"));
    shape.SetTag(1);
    SetOrdProp(&shape, *GetPropInfo(&shape, "Visible"), 0);
    SetOrdProp(&shape, *GetPropInfo(&shape, "Anchors"), 1);
    SetStrProp(&shape, *GetPropInfo(&shape, "Caption"), "a");
    EXPECT_FALSE(isDefault("Tag"));
    EXPECT_FALSE(isDefault("Visible"));
    EXPECT_FALSE(isDefault("Anchors"));
    EXPECT_FALSE(isDefault("Caption"));
    EXPECT_FALSE(IsStoredProp(&shape, *GetPropInfo(&shape, "Name")));
    EXPECT_TRUE(IsStoredProp(&shape, *GetPropInfo(&shape, "Left")));
}

TEST(ClassInfo, EnumerationAndSetNames)
{
    EXPECT_EQ(ShapeKindInfo().Name(1), "skCircle");
    EXPECT_EQ(ShapeKindInfo().Name(3), "");
    EXPECT_EQ(ShapeKindInfo().Name(-1), "");
    EXPECT_EQ(ShapeKindInfo().Find("SKTRIANGLE"), 2);
    EXPECT_EQ(ShapeKindInfo().Find("skSquare"), -1);
    EXPECT_EQ(BooleanEnumInfo().Find("true"), 1);
    EXPECT_EQ(SetToString(AnchorKindInfo(), 0b1001), "[akLeft,akBottom]");
    EXPECT_EQ(SetToString(AnchorKindInfo(), 0, false), "");
    EXPECT_EQ(StringToSet(AnchorKindInfo(), "[akTop, akright]"), 0b0110u);
    EXPECT_EQ(StringToSet(AnchorKindInfo(), "[]"), 0u);
    EXPECT_THROW(StringToSet(AnchorKindInfo(), "[akMiddle]"), EPropertyError);
}

TEST(ClassRegistry, FindsClassesIgnoringCaseAndCreatesInstances)
{
    RegisterClasses({&TMetaShape::StaticClassInfo(), &TMetaCircle::StaticClassInfo()});
    RegisterClass(TMetaShape::StaticClassInfo()); // twice is harmless
    EXPECT_EQ(FindClass("tmetacircle"), &TMetaCircle::StaticClassInfo());
    EXPECT_EQ(&GetClass("TMETASHAPE"), &TMetaShape::StaticClassInfo());
    EXPECT_EQ(FindClass("TMetaNothing"), nullptr);
    try {
        GetClass("TMetaNothing");
        FAIL();
    } catch (const EClassNotFound &error) {
        EXPECT_EQ(error.Message(), "Class TMetaNothing not found");
    }

    TComponent owner;
    TObject *created = GetClass("TMetaCircle").CreateInstance(&owner);
    ASSERT_TRUE(created->Is<TMetaCircle>());
    EXPECT_EQ(static_cast<TComponent *>(created)->Owner(), &owner);
    EXPECT_EQ(owner.ComponentCount(), 1);

    UnRegisterClass(TMetaCircle::StaticClassInfo());
    EXPECT_EQ(FindClass("TMetaCircle"), nullptr);
}

TEST(ClassRegistry, RefusesASecondClassUnderATakenName)
{
    static const TClassInfo impostor("TMetaShape", &TComponent::StaticClassInfo(), "Other", nullptr, {});
    RegisterClass(TMetaShape::StaticClassInfo());
    EXPECT_THROW(RegisterClass(impostor), EFilerError);
    EXPECT_EQ(FindClass("TMetaShape"), &TMetaShape::StaticClassInfo());
}

TEST(ClassRegistry, AbstractClassesHaveNoFactory)
{
    EXPECT_EQ(TMetaAbstract::StaticClassInfo().Factory(), nullptr);
    EXPECT_THROW(TMetaAbstract::StaticClassInfo().CreateInstance(nullptr), EInvalidOperation);
    EXPECT_NE(TMetaPen::StaticClassInfo().Factory(), nullptr);
}
