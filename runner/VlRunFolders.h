// Where a running script's units and form files come from: the run file's folder, the examples
// folder above the program folder, and the samples folder, searched in that order.
#pragma once

#include <string>
#include <vector>

// The examples folder of a program folder: "examples/VeZiv/DuDizuzededur" under its parent.
std::string VlExamplesDir(const std::string &programDir);

class TVlRunFolders {
public:
    // programDir: the folder of the executable; samplesDir: the custom samples folder (a relative
    // "samples" means the one in the current directory).
    explicit TVlRunFolders(std::string programDir, std::string samplesDir = "samples");

    // The file name of the unit being run; only its folder is used. Empty: no folder of its own.
    std::string RunFileName;

    // The folders searched, in order, built afresh from RunFileName.
    [[nodiscard]] std::vector<std::string> Folders() const;
    [[nodiscard]] std::string ExamplesDir() const { return VlExamplesDir(FProgramDir); }
    [[nodiscard]] const std::string &SamplesDir() const { return FSamplesDir; }

    // The first existing regular file `name` in the folders; within one folder a file whose name
    // differs only in letter case also counts (unit names ignore case). Empty when none exists.
    [[nodiscard]] std::string FindFile(const std::string &name) const;

    // The unit source lookup of a run: unitName + ".pas", read as the interpreter reads sources
    // (CP1251, CR LF). done stays false when no folder holds the unit. Throws EVlFileError when
    // the file exists but cannot be read.
    void GetUnitSource(const std::string &unitName, std::string &source, bool &done) const;
    // The form file lookup of script forms: unitName + ".dfm"; fileName is the file found or
    // empty, and done is true exactly when it exists.
    void GetDfmFileName(const std::string &unitName, std::string &fileName, bool &done) const;

private:
    std::string FProgramDir;
    std::string FSamplesDir;
};

// A script source file as the interpreter reads it: CP1251 text whose lines end in CR LF.
// Throws EVlFileError when the file cannot be read.
std::string VlReadSourceFile(const std::string &fileName);
