// The shipped sample of the database units runs as a user runs it from the samples folder.
#include "common/VlRunFormconv.h"

#include <gtest/gtest.h>

TEST(DbSample, TheShippedSampleFillsATableAndPrintsWhatItsQueryFinds)
{
    const TToolResult run = RunCommand("cd '" + VlProgramDir() + "' && env -u DISPLAY QT_QPA_PLATFORM=offscreen "
                                       "./veltrano-run 'samples/sample - База данных.pas'");
    EXPECT_EQ(run.ExitCode, 0) << run.Output;
    EXPECT_EQ(run.Output, "Сок яблочный: 381.00\nЧай «Букет»: 361.50\nЗаписей: 2, итого: 742.50\n");
}
