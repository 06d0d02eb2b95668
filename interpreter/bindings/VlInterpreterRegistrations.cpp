// Flattens an adapter's host lists into (unit, kind, class, name) records.
#include "VlInterpreterRegistrations.h"

#include "interpreter/VlInterpreterAdapter.h"

#include <algorithm>
#include <map>

namespace {

// The order kinds are listed in within a unit.
const char *const KindOrder[] = {
    "host unit", "class", "constant", "function", "external function", "record", "record getter",
    "record setter", "getter", "setter", "indexed getter", "indexed setter", "default getter",
    "default setter", "interface getter", "direct method", "event", "event property", "get hook",
    "set hook",
};

int KindRank(const std::string &kind)
{
    for (size_t i = 0; i < std::size(KindOrder); ++i)
        if (kind == KindOrder[i])
            return static_cast<int>(i);
    return static_cast<int>(std::size(KindOrder));
}

struct TLister {
    const TVlInterpreterAdapter &Adapter;
    std::vector<TVlRegistration> Result;
    std::map<TVlHostClass, std::string> ClassUnits;

    void Add(const std::string &unit, const char *kind, const std::string &cls, const std::string &name)
    {
        Result.push_back({unit, kind, cls, name});
    }
    std::string ClassName(TVlHostClass cls) const { return cls ? Adapter.ObjectModel().ClassName(cls) : std::string(); }
    std::string UnitOf(const TVlInterpreterIdentifier &entry, TVlHostClass cls) const
    {
        if (!entry.UnitName.empty())
            return entry.UnitName;
        auto it = ClassUnits.find(cls);
        return it == ClassUnits.end() ? std::string() : it->second;
    }
    void Members(const std::vector<std::unique_ptr<TVlInterpreterMethod>> &list, const char *kind)
    {
        for (const auto &m : list)
            Add(UnitOf(*m, m->ClassType), kind, ClassName(m->ClassType), m->Identifier);
    }
};

} // namespace

std::vector<TVlRegistration> VlListRegistrations(const TVlInterpreterAdapter &adapter)
{
    TLister l{adapter, {}, {}};
    for (const auto &c : adapter.ClassRefs)
        l.ClassUnits.emplace(c->ClassType, c->UnitName);
    for (const auto &u : adapter.HostUnits)
        l.Add(u->UnitName, "host unit", {}, u->UnitName);
    for (const auto &c : adapter.ClassRefs)
        l.Add(c->UnitName, "class", c->Identifier, c->Identifier);
    for (const auto &c : adapter.Constants)
        l.Add(c->UnitName, "constant", {}, c->Identifier);
    for (const auto &f : adapter.Functions)
        l.Add(f->UnitName, "function", {}, f->Identifier);
    for (const auto &f : adapter.ExtFunctions)
        l.Add(f->UnitName, "external function", {}, f->Identifier);
    for (const auto &r : adapter.RecordTypes)
        l.Add(r->UnitName, "record", {}, r->Identifier);
    for (const auto &m : adapter.RecordGetters)
        l.Add(m->UnitName, "record getter", m->Record ? m->Record->Identifier : std::string(), m->Identifier);
    for (const auto &m : adapter.RecordSetters)
        l.Add(m->UnitName, "record setter", m->Record ? m->Record->Identifier : std::string(), m->Identifier);
    l.Members(adapter.Getters, "getter");
    l.Members(adapter.Setters, "setter");
    l.Members(adapter.IndexedGetters, "indexed getter");
    l.Members(adapter.IndexedSetters, "indexed setter");
    l.Members(adapter.DefaultGetters, "default getter");
    l.Members(adapter.DefaultSetters, "default setter");
    for (const auto &m : adapter.InterfaceGetters)
        l.Add(m->UnitName, "interface getter", {}, m->Identifier);
    for (const auto &m : adapter.DirectMethods)
        l.Add(l.UnitOf(*m, m->ClassType), "direct method", l.ClassName(m->ClassType), m->Identifier);
    for (const auto &e : adapter.EventHandlers)
        l.Add(e->UnitName, "event", {}, e->Identifier);
    for (const auto &e : adapter.EventProperties)
        l.Add(l.UnitOf(*e, e->ClassType), "event property", l.ClassName(e->ClassType), e->Identifier);
    for (size_t i = 0; i < adapter.GetHooks.size(); ++i)
        l.Add({}, "get hook", {}, {});
    for (size_t i = 0; i < adapter.SetHooks.size(); ++i)
        l.Add({}, "set hook", {}, {});
    std::stable_sort(l.Result.begin(), l.Result.end(), [](const TVlRegistration &a, const TVlRegistration &b) {
        if (int c = VlCompareNames(a.Unit, b.Unit))
            return c < 0;
        if (int ka = KindRank(a.Kind), kb = KindRank(b.Kind); ka != kb)
            return ka < kb;
        if (int c = VlCompareNames(a.Class, b.Class))
            return c < 0;
        return VlCompareNames(a.Name, b.Name) < 0;
    });
    return std::move(l.Result);
}

std::set<std::string> VlRegisteredUnits(const TVlInterpreterAdapter &adapter)
{
    // A member without a unit of its own is listed under its class's unit, one of ClassRefs'.
    std::set<std::string> units;
    const std::string *last = nullptr;  // registrations of one unit mostly come together
    auto add = [&](const auto &list) {
        for (const auto &entry : list) {
            const std::string &unit = entry->UnitName;
            if (!unit.empty() && !(last && *last == unit)) {
                units.insert(VlLowerName(unit));
                last = &unit;
            }
        }
    };
    add(adapter.HostUnits);
    add(adapter.ClassRefs);
    add(adapter.Constants);
    add(adapter.Functions);
    add(adapter.ExtFunctions);
    add(adapter.RecordTypes);
    add(adapter.RecordGetters);
    add(adapter.RecordSetters);
    add(adapter.Getters);
    add(adapter.Setters);
    add(adapter.IndexedGetters);
    add(adapter.IndexedSetters);
    add(adapter.DefaultGetters);
    add(adapter.DefaultSetters);
    add(adapter.InterfaceGetters);
    add(adapter.DirectMethods);
    add(adapter.EventHandlers);
    add(adapter.EventProperties);
    return units;
}

int VlCountRegistrations(const std::vector<TVlRegistration> &registrations, const std::string &unit)
{
    return static_cast<int>(std::count_if(registrations.begin(), registrations.end(),
                                           [&](const TVlRegistration &r) { return VlSameName(r.Unit, unit); }));
}

int VlCountRegistrations(const std::vector<TVlRegistration> &registrations, const std::string &unit,
                         const std::string &kind)
{
    return static_cast<int>(std::count_if(registrations.begin(), registrations.end(), [&](const TVlRegistration &r) {
        return VlSameName(r.Unit, unit) && r.Kind == kind;
    }));
}
