// Times registering every binding unit into a fresh adapter, as the process does at start-up.
#include "interpreter/VlInterpreterAdapter.h"
#include "interpreter/bindings/VlInterpreterRegistrations.h"
#include "interpreter/bindings/VlInterpreter_all.h"
#ifdef VL_WITH_FORMS
#include "interpreter/bindings/VlInterpreterGui_all.h"
#endif

#include <chrono>
#include <cstdio>

namespace {

void RegisterAll(TVlInterpreterAdapter &adapter)
{
#ifdef VL_WITH_FORMS
    VlRegisterAllGuiBindings(adapter);
#else
    VlRegisterAllBindings(adapter);
#endif
}

} // namespace

int main()
{
    using Clock = std::chrono::steady_clock;
    auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };

    // The first registration also builds the class metadata it refers to: that is start-up.
    TVlInterpreterAdapter first;
    auto start = Clock::now();
    RegisterAll(first);
    double cold = ms(Clock::now() - start);
    start = Clock::now();
    first.SortLists();
    double sort = ms(Clock::now() - start);

    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        TVlInterpreterAdapter adapter;
        start = Clock::now();
        RegisterAll(adapter);
        best = std::min(best, ms(Clock::now() - start));
    }
    std::printf("bench interp.register: %.2f ms\n", cold);
    std::printf("bench interp.register_warm: %.2f ms\n", best);
    std::printf("bench interp.register_first_sort: %.2f ms\n", sort);
    std::printf("bench interp.register_count: %zu registrations\n", VlListRegistrations(first).size());
    return 0;
}
