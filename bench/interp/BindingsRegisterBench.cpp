// Times registering every binding unit into a fresh adapter, as the process does at start-up.
#include "interpreter/VlInterpreterAdapter.h"
#include "interpreter/bindings/VlInterpreter_all.h"

#include <chrono>
#include <cstdio>

int main()
{
    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };

    // The first registration also builds the class metadata it refers to: that is start-up.
    TVlInterpreterAdapter first;
    auto start = Clock::now();
    VlRegisterAllBindings(first);
    double cold = ms(Clock::now() - start);
    start = Clock::now();
    first.SortLists();
    double sort = ms(Clock::now() - start);

    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        TVlInterpreterAdapter adapter;
        start = Clock::now();
        VlRegisterAllBindings(adapter);
        best = std::min(best, ms(Clock::now() - start));
    }
    size_t count = first.Getters.size() + first.Setters.size() + first.IndexedGetters.size() +
                   first.IndexedSetters.size() + first.DefaultGetters.size() + first.DefaultSetters.size() +
                   first.Functions.size() + first.Constants.size() + first.ClassRefs.size() +
                   first.RecordTypes.size() + first.EventHandlers.size();
    std::printf("bench bindings.register: %.2f ms\n", cold);
    std::printf("bench bindings.register_warm: %.2f ms\n", best);
    std::printf("bench bindings.first_sort: %.2f ms\n", sort);
    std::printf("bench bindings.count: %zu registrations\n", count);
    return 0;
}
