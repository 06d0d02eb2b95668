// The one place that decides where the program writes its files: in the program folder, or in the
// user's own folders when the program folder cannot be written or belongs to an installed copy.
#pragma once

#include <functional>
#include <string>

// The per-user folders: settings files go to Config, everything else (backup, log, event lists,
// in their program-folder layout) to Data.
struct TVlUserFolders {
    std::string Config;
    std::string Data;
};

class TVlWritableLocations {
public:
    // A file of this name in the program folder marks an installed copy that every user shares:
    // it is never written, whoever runs the program.
    static constexpr const char *SharedFolderMarker = "Installed.txt";

    // `isWritable` answers for a folder or a file; by default the operating system's access check.
    using TWritableCheck = std::function<bool(const std::string &path)>;
    TVlWritableLocations(std::string programDir, TVlUserFolders userFolders, TWritableCheck isWritable = {});

    // Config.ini, VlInterpreterTest.ini: `programDir`/`name`, or `Config`/`name`.
    std::string SettingsFile(const std::string &name);
    // "BackUp/Project.dpr", "Data/Last.log", "Data/FormProc.vlf": under `programDir`, or under `Data`.
    std::string DataFile(const std::string &relativePath);

    // True once a file was placed in the user's folders.
    bool UsesUserFolders() const { return FUsesUserFolders; }
    const std::string &ProgramDir() const { return FProgramDir; }
    const TVlUserFolders &UserFolders() const { return FUserFolders; }

private:
    // The program folder's file when it may be written there; otherwise the same relative path under
    // `userDir`, whose folders are created and which is seeded with a copy of the program folder's
    // file the first time, so that what the program folder held is not lost.
    std::string Resolve(const std::string &relativePath, const std::string &userDir);
    bool ProgramFolderTakes(const std::string &relativePath) const;

    std::string FProgramDir;
    TVlUserFolders FUserFolders;
    TWritableCheck FIsWritable;
    bool FShared = false;
    bool FUsesUserFolders = false;
};
