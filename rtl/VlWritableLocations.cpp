// Where the program writes: the program folder, or the user's own folders.
#include "VlWritableLocations.h"

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

TVlWritableLocations::TVlWritableLocations(std::string programDir, TVlUserFolders userFolders,
                                           TWritableCheck isWritable)
    : FProgramDir(std::move(programDir))
    , FUserFolders(std::move(userFolders))
    , FIsWritable(std::move(isWritable))
{
    if (!FIsWritable)
        FIsWritable = [](const std::string &path) { return ::access(path.c_str(), W_OK) == 0; };
    std::error_code error;
    FShared = fs::exists(fs::path(FProgramDir) / SharedFolderMarker, error);
}

std::string TVlWritableLocations::SettingsFile(const std::string &name)
{
    return Resolve(name, FUserFolders.Config);
}

std::string TVlWritableLocations::DataFile(const std::string &relativePath)
{
    return Resolve(relativePath, FUserFolders.Data);
}

bool TVlWritableLocations::ProgramFolderTakes(const std::string &relativePath) const
{
    if (FShared)
        return false;
    // The file itself, when it is there; else the nearest folder on its way that is (a missing
    // BackUp folder is created in the program folder; a missing Data folder is a failure to report).
    const fs::path program(FProgramDir);
    std::error_code error;
    fs::path existing = program / relativePath;
    if (fs::exists(existing, error))
        return FIsWritable(existing.string()) && FIsWritable(existing.parent_path().string());
    do {
        existing = existing.parent_path();
    } while (existing != program && !existing.empty() && !fs::exists(existing, error));
    return FIsWritable(existing.empty() ? FProgramDir : existing.string());
}

std::string TVlWritableLocations::Resolve(const std::string &relativePath, const std::string &userDir)
{
    const fs::path programFile = fs::path(FProgramDir) / relativePath;
    if (ProgramFolderTakes(relativePath))
        return programFile.string();
    FUsesUserFolders = true;
    const fs::path userFile = fs::path(userDir) / relativePath;
    std::error_code error;
    fs::create_directories(userFile.parent_path(), error);
    if (fs::is_regular_file(programFile, error) && !fs::exists(userFile, error))
        fs::copy_file(programFile, userFile, error);
    return userFile.string();
}
