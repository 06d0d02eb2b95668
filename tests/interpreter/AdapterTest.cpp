// The adapter registry: lazy sorting, class matching, member order, argument checks, units, and
// what it remembers of earlier lookups.
#include "InterpreterTestHost.h"

#include <gtest/gtest.h>

namespace {

const TTestClass Base{"TBase", &TestTObject};
const TTestClass Derived{"TDerived", &Base};

// A model over TTestObject whose objects have one published property, "Caption".
class TPublishedModel : public TTestClassModel {
public:
    bool ReadProperty(void *object, const std::string &name, TVlValue &value) const override
    {
        if (!VlSameName(name, "Caption"))
            return false;
        value = TVlValue::String(static_cast<TTestObject *>(object)->Message);
        return true;
    }
    void FreeObject(void *object) const override
    {
        ++Freed;
        delete static_cast<TTestObject *>(object);
    }
    mutable int Freed = 0;
};

void BaseName(TVlValue &value, TVlInterpreterArgs &) { value = TVlValue::String("base"); }
void DerivedName(TVlValue &value, TVlInterpreterArgs &) { value = TVlValue::String("derived"); }
void GetterCaption(TVlValue &value, TVlInterpreterArgs &) { value = TVlValue::String("getter"); }
void CountArgs(TVlValue &value, TVlInterpreterArgs &args) { value = TVlValue::Integer(args.Count); }

struct TFixture {
    TFixture()
    {
        model = std::make_shared<TPublishedModel>();
        adapter.SetObjectModel(model);
        adapter.AddClassType("U", &Base, "TBase");
        adapter.AddClassType("U", &Derived, "TDerived");
        adapter.AddGetter(&Base, "Name", BaseName, 0, {}, varEmpty);
        adapter.AddGetter(&Derived, "Name", DerivedName, 0, {}, varEmpty);
        adapter.AddGetter(&Base, "Caption", GetterCaption, 0, {}, varEmpty);
        base.Class = &Base;
        derived.Class = &Derived;
        derived.Message = "published";
    }
    TVlValue Member(void *target, uint16_t kind, const char *name)
    {
        TVlInterpreterArgs args;
        args.Obj = target;
        args.ObjType = kind;
        TVlValue value;
        if (!adapter.GetValue(nullptr, name, 0, value, args))
            return TVlValue::String("<none>");
        return value;
    }
    std::shared_ptr<TPublishedModel> model;
    TVlInterpreterAdapter adapter;
    TTestObject base, derived;
};

TEST(Adapter, GettersMatchInstancesAlongTheDescentAndClassesExactly)
{
    TFixture f;
    EXPECT_EQ(ValueToString(f.Member(&f.base, varVlObject, "Name")), "base");
    std::string derived = ValueToString(f.Member(&f.derived, varVlObject, "Name"));
    EXPECT_TRUE(derived == "base" || derived == "derived");
    EXPECT_EQ(ValueToString(f.Member(const_cast<TTestClass *>(&Derived), varVlClass, "Name")), "derived");
    EXPECT_EQ(ValueToString(f.Member(const_cast<TTestClass *>(&Base), varVlClass, "Name")), "base");
}

TEST(Adapter, PublishedPropertyComesBeforeARegisteredGetter)
{
    TFixture f;
    EXPECT_EQ(ValueToString(f.Member(&f.derived, varVlObject, "Caption")), "published");
    EXPECT_EQ(ValueToString(f.Member(const_cast<TTestClass *>(&Base), varVlClass, "Caption")), "getter");
}

TEST(Adapter, FreeReleasesTheObjectAndAnswersNull)
{
    TFixture f;
    auto *object = new TTestObject;
    object->Class = &Base;
    TVlInterpreterArgs args;
    args.Obj = object;
    args.ObjType = varVlObject;
    TVlValue value;
    ASSERT_TRUE(f.adapter.GetValue(nullptr, "Free", 0, value, args));
    EXPECT_TRUE(value.IsNull());
    EXPECT_EQ(args.Obj, nullptr);
    EXPECT_EQ(f.model->Freed, 1);
}

TEST(Adapter, ClassNameWinsOverAConstantAndNilNullNeedNoRegistration)
{
    TVlInterpreterAdapter adapter;
    TVlInterpreterArgs args;
    TVlValue value;
    ASSERT_TRUE(adapter.GetValue(nullptr, "nil", 0, value, args));
    EXPECT_EQ(value.Kind(), varVlPointer);
    ASSERT_TRUE(adapter.GetValue(nullptr, "NULL", 0, value, args));
    EXPECT_TRUE(value.IsNull());
    adapter.AddConstant("U", "TBase", TVlValue::Integer(1));
    adapter.AddClassType("U", &Base, "TBase");
    ASSERT_TRUE(adapter.GetValue(nullptr, "tbase", 0, value, args));
    EXPECT_EQ(value.Kind(), varVlClass);
}

TEST(Adapter, SortsLazilyOncePerBatch)
{
    TVlInterpreterAdapter adapter;
    adapter.AddConstant("U", "B", TVlValue::Integer(2));
    adapter.AddConstant("U", "A", TVlValue::Integer(1));
    EXPECT_FALSE(adapter.Sorted);
    TVlInterpreterArgs args;
    TVlValue value;
    ASSERT_TRUE(adapter.GetValue(nullptr, "a", 0, value, args));
    ASSERT_TRUE(adapter.GetValue(nullptr, "b", 0, value, args));
    EXPECT_EQ(adapter.SortCount, 1);
    EXPECT_EQ(adapter.Constants[0]->Identifier, "A");
    adapter.AddConstant("U", "C", TVlValue::Integer(3));
    EXPECT_FALSE(adapter.Sorted);
    ASSERT_TRUE(adapter.GetValue(nullptr, "C", 0, value, args));
    EXPECT_EQ(adapter.SortCount, 2);
}

TEST(Adapter, CheckArgsCountsAndNotesVariables)
{
    TVlInterpreterArgs args;
    args.Count = 3;
    uint16_t two[VlMaxArgs] = {varByRef, 0};
    EXPECT_NO_THROW(TVlInterpreterAdapter::CheckArgs(-1, two, args));
    try {
        TVlInterpreterAdapter::CheckArgs(2, two, args);
        FAIL();
    } catch (const EVlInterpreterError &e) {
        EXPECT_EQ(e.Message, "Too many actual parameters");
    }
    args.Count = 1;
    EXPECT_THROW(TVlInterpreterAdapter::CheckArgs(2, two, args), EVlInterpreterError);
    args.Count = 2;
    TVlInterpreterAdapter::CheckArgs(2, two, args);
    EXPECT_FALSE(args.HasVarArgs);  // the by-reference slot got an expression
    args.VarNames[0] = "x";
    TVlInterpreterAdapter::CheckArgs(2, two, args);
    EXPECT_TRUE(args.HasVarArgs);
    EXPECT_EQ(args.Types[0], varByRef);
}

TEST(Adapter, HostFunctionWithAnyArgumentCount)
{
    TVlInterpreterAdapter adapter;
    adapter.AddHostFunction("U", "Count", CountArgs, -1, {}, varEmpty);
    TVlInterpreterArgs args;
    args.Count = 5;
    TVlValue value;
    ASSERT_TRUE(adapter.GetValue(nullptr, "count", 0, value, args));
    EXPECT_EQ(value.RawInteger(), 5);
    EXPECT_EQ(args.Identifier, "count");
}

TEST(Adapter, TypecastByClassName)
{
    TFixture f;
    TVlInterpreterArgs args;
    args.Count = 1;
    args.Values[0] = TVlValue::Integer(0);
    TVlValue value;
    ASSERT_TRUE(f.adapter.GetValue(nullptr, "TBase", 0, value, args));
    EXPECT_EQ(value.Kind(), varVlObject);
    args.Values[0] = ClassToValue(&Derived);
    ASSERT_TRUE(f.adapter.GetValue(nullptr, "TBase", 0, value, args));
    EXPECT_EQ(value.Kind(), varVlClass);
}

TEST(Adapter, SourceUnitsKeepTheFirstSourceAndSplitUses)
{
    TVlInterpreterAdapter adapter;
    adapter.AddSourceUnit("A", "", "");
    adapter.AddSourceUnit("A", "unit A; end.", " B , C ,, D");
    adapter.AddSourceUnit("A", "other", "");
    ASSERT_EQ(adapter.SrcUnits.size(), 1u);
    EXPECT_EQ(adapter.SrcUnits[0]->Source, "unit A; end.");
    EXPECT_EQ(adapter.SrcUnits[0]->UsesList, (std::vector<std::string>{"B", "C"}));
    EXPECT_TRUE(adapter.UnitExists("a"));
    EXPECT_FALSE(adapter.UnitExists("b"));
}

TEST(Adapter, FindSourceFunctionFallsBackToAnyUnitAndLaterShadowsEarlier)
{
    TVlInterpreterAdapter adapter;
    TVlInterpreterFunctionDesc first, second;
    first.UnitName = "A";
    first.Identifier = "F";
    first.BodyStart = 1;
    second = first;
    second.BodyStart = 2;
    adapter.AddSourceFunction(first);
    adapter.AddSourceFunction(second);
    ASSERT_NE(adapter.FindSourceFunction("B", "f", ""), nullptr);
    EXPECT_EQ(adapter.FindSourceFunction("B", "f", "")->BodyStart, 2);
    EXPECT_EQ(adapter.FindSourceFunction("B", "f", "TForm1"), nullptr);
    EXPECT_EQ(adapter.FindSourceFunction("", "g", ""), nullptr);
}

TEST(Adapter, AssignCopiesRegistrations)
{
    TFixture f;
    TVlInterpreterAdapter copy;
    copy.Assign(f.adapter);
    copy.Assign(copy);
    EXPECT_EQ(copy.Getters.size(), 3u);
    EXPECT_EQ(copy.ClassRefs.size(), 2u);
}

TEST(Adapter, ScriptVariablesAreRedeclaredOnlyWithinAUnit)
{
    TVlInterpreterAdapter adapter;
    adapter.AddSourceVariable("A", "x", nullptr, TVlValue::Integer(1), 0, "");
    adapter.AddSourceVariable("B", "x", nullptr, TVlValue::Integer(2), 0, "");
    EXPECT_THROW(adapter.AddSourceVariable("A", "X", nullptr, TVlValue(), 0, ""), EVlInterpreterError);
    TVlInterpreterArgs args;
    TVlValue value;
    ASSERT_TRUE(adapter.GetValue(nullptr, "x", 0, value, args));
    EXPECT_EQ(value.RawInteger(), 2);  // newest first
}

// A model that tells the class of its (always live) objects, so the adapter remembers members
// per class; it counts the property probes.
class TRememberingModel : public TPublishedModel {
public:
    TVlHostClass LiveClassOf(void *object) const override { return ClassOf(object); }
    bool ReadProperty(void *object, const std::string &name, TVlValue &value) const override
    {
        ++Probes;
        return TPublishedModel::ReadProperty(object, name, value);
    }
    mutable int Probes = 0;
};

void Later(TVlValue &value, TVlInterpreterArgs &) { value = TVlValue::String("later"); }

TEST(Adapter, NamesFoundMissingAreLookedUpAgainAfterAnyRegistration)
{
    TVlInterpreterAdapter adapter;
    TVlInterpreterArgs args;
    TVlValue value;
    EXPECT_FALSE(adapter.GetValue(nullptr, "Later", 0, value, args));
    EXPECT_FALSE(adapter.GetValue(nullptr, "Later", 0, value, args));
    adapter.AddHostFunction("U", "Later", Later, 0, {}, varEmpty);
    ASSERT_TRUE(adapter.GetValue(nullptr, "later", 0, value, args));
    EXPECT_EQ(ValueToString(value), "later");

    EXPECT_FALSE(adapter.GetValue(nullptr, "v", 0, value, args));
    adapter.AddSourceVariable("A", "v", nullptr, TVlValue::Integer(7), 0, "");
    ASSERT_TRUE(adapter.GetValue(nullptr, "v", 0, value, args));
    EXPECT_EQ(value.RawInteger(), 7);

    EXPECT_FALSE(adapter.GetValue(nullptr, "Hooked", 0, value, args));
    adapter.AddGetHook([](void *, const std::string &name, TVlValue &result, TVlInterpreterArgs &, bool &done) {
        done = VlSameName(name, "Hooked");
        result = TVlValue::Integer(1);
    });
    EXPECT_TRUE(adapter.GetValue(nullptr, "Hooked", 0, value, args));
    adapter.Clear();
    EXPECT_FALSE(adapter.GetValue(nullptr, "Later", 0, value, args));
}

TEST(Adapter, MembersAreRememberedPerClassUntilTheNextRegistration)
{
    TFixture f;
    auto model = std::make_shared<TRememberingModel>();
    f.adapter.SetObjectModel(model);
    EXPECT_EQ(ValueToString(f.Member(&f.base, varVlObject, "Name")), "base");
    EXPECT_EQ(ValueToString(f.Member(&f.base, varVlObject, "Name")), "base");
    EXPECT_EQ(model->Probes, 1);
    // Another class is looked up on its own; a class value is never served from the memo.
    std::string derived = ValueToString(f.Member(&f.derived, varVlObject, "Name"));
    EXPECT_TRUE(derived == "base" || derived == "derived");
    EXPECT_EQ(model->Probes, 2);
    EXPECT_EQ(ValueToString(f.Member(const_cast<TTestClass *>(&Base), varVlClass, "Name")), "base");
    // A published property is read every time, with the object's current value.
    EXPECT_EQ(ValueToString(f.Member(&f.derived, varVlObject, "Caption")), "published");
    f.derived.Message = "changed";
    EXPECT_EQ(ValueToString(f.Member(&f.derived, varVlObject, "Caption")), "changed");
    // A member nothing answered is found once it is registered.
    EXPECT_EQ(ValueToString(f.Member(&f.base, varVlObject, "Extra")), "<none>");
    EXPECT_EQ(ValueToString(f.Member(&f.base, varVlObject, "Extra")), "<none>");
    f.adapter.AddGetter(&Base, "Extra", Later, 0, {}, varEmpty);
    EXPECT_EQ(ValueToString(f.Member(&f.base, varVlObject, "Extra")), "later");
    // Free still frees, however often the class was read.
    auto *object = new TTestObject;
    object->Class = &Base;
    EXPECT_TRUE(f.Member(object, varVlObject, "Free").IsNull());
    EXPECT_EQ(model->Freed, 1);
}

} // namespace
