// Unit and form-file lookup for the window's runs.
#include "VlRunFolders.h"

#include "rtl/VlCp1251.h"
#include "rtl/VlSysUtils.h"

#include <filesystem>

namespace fs = std::filesystem;

TVlRunFolders::TVlRunFolders(std::string programDir, std::string samplesDir)
    : FProgramDir(std::move(programDir))
    , FSamplesDir(std::move(samplesDir))
{
}

std::string VlExamplesDir(const std::string &programDir)
{
    const fs::path program = fs::path(programDir).lexically_normal();
    // "bin/" and "bin" name the same folder; its parent is the one above.
    const fs::path folder = program.has_filename() ? program : program.parent_path();
    return (folder.parent_path() / "examples" / "VeZiv" / "DuDizuzededur").string();
}

std::vector<std::string> TVlRunFolders::Folders() const
{
    std::vector<std::string> folders;
    const std::string runFolder = fs::path(RunFileName).parent_path().string();
    if (!runFolder.empty())
        folders.push_back(runFolder);
    folders.push_back(ExamplesDir());
    folders.push_back(FSamplesDir);
    return folders;
}

std::string TVlRunFolders::FindFile(const std::string &name) const
{
    std::error_code error;
    for (const std::string &folder : Folders()) {
        const fs::path exact = fs::path(folder) / name;
        if (fs::is_regular_file(exact, error))
            return exact.string();
        for (const fs::directory_entry &entry : fs::directory_iterator(folder, error)) {
            if (entry.is_regular_file(error) && VlSysUtils::CompareText(entry.path().filename().string(), name) == 0)
                return entry.path().string();
        }
    }
    return {};
}

void TVlRunFolders::GetUnitSource(const std::string &unitName, std::string &source, bool &done) const
{
    const std::string file = FindFile(unitName + ".pas");
    if (file.empty())
        return;
    source = VlReadSourceFile(file);
    done = true;
}

void TVlRunFolders::GetDfmFileName(const std::string &unitName, std::string &fileName, bool &done) const
{
    fileName = FindFile(unitName + ".dfm");
    done = !fileName.empty();
}

std::string VlReadSourceFile(const std::string &fileName)
{
    return Utf8ToCp1251(ToCrLf(ReadTextFile(fileName)));
}
