// Times a script that reads 100,000 rows of three fields through TQuery and sums one of them
// (best of three runs, the interpreter and its bindings already set up, as in the application).
#include "interpreter/VlInterpreterAdapter.h"
#include "interpreter/bindings/VlInterpreterGuiApplication.h"
#include "interpreter/bindings/VlInterpreterGui_all.h"
#include "interpreter/bindings/VlInterpreterResultText.h"
#include "interpreter/forms/VlInterpreterFm.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: vl_bench_db FILE.db\n");
        return 2;
    }
    VlEnsureGuiApplication();
    VlRegisterAllGuiBindings(GlobalAdapter());
    const std::string source = "unit BenchDbScan;\r\n"
                               "function main: integer;\r\n"
                               "var Q: TQuery; S: Integer;\r\n"
                               "begin\r\n"
                               "  Q := TQuery.Create(nil);\r\n"
                               "  Q.DatabaseName := '" + std::string(argv[1]) + "';\r\n"
                               "  Q.SQL.Text := 'SELECT id, name, amount FROM items';\r\n"
                               "  Q.Open;\r\n"
                               "  S := 0;\r\n"
                               "  while not Q.Eof do begin\r\n"
                               "    S := S + Q.FieldByName('amount').AsInteger;\r\n"
                               "    Q.Next;\r\n"
                               "  end;\r\n"
                               "  Q.Free;\r\n"
                               "  Result := S;\r\n"
                               "end;\r\n"
                               "end.\r\n";
    double best = 1e300;
    std::string result;
    for (int run = 0; run < 3; ++run) {
        TVlInterpreterFm program;
        program.SetSourceText(source);
        const auto start = std::chrono::steady_clock::now();
        try {
            program.Execute();
        } catch (const std::exception &e) {
            std::fprintf(stderr, "bench db.scan100k: failed: %s\n", e.what());
            return 1;
        }
        best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        result = VlResultText(program.ResultValue);
    }
    std::printf("%s %.0f\n", result.c_str(), best);
    VlShutdownGuiApplication();
    return 0;
}
