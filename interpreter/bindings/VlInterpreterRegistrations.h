// Every host registration of an adapter as a flat list: what `veltrano-run --list-bindings` prints
// and what the binding tests count.
#pragma once

#include <set>
#include <string>
#include <vector>

class TVlInterpreterAdapter;

struct TVlRegistration {
    std::string Unit;   // the unit it was registered under (for members, their class's unit)
    std::string Kind;   // "class", "getter", "setter", "indexed getter", "function", "constant", ...
    std::string Class;  // the class or record type of members; empty otherwise
    std::string Name;   // empty for default getters and setters and for hooks
};

// The host registrations (not what script sources declared), sorted by unit, kind, class and name.
std::vector<TVlRegistration> VlListRegistrations(const TVlInterpreterAdapter &adapter);

// The lower-cased units of those registrations, found without listing them (a quick question at
// every start of the runner).
std::set<std::string> VlRegisteredUnits(const TVlInterpreterAdapter &adapter);

// How many of them a unit has (letter case ignored).
int VlCountRegistrations(const std::vector<TVlRegistration> &registrations, const std::string &unit);
// ... and of one kind.
int VlCountRegistrations(const std::vector<TVlRegistration> &registrations, const std::string &unit,
                         const std::string &kind);
