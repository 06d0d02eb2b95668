// formconv: text2bin / bin2text conversion of form files, a syntax check of either format, and
// (with the widget set) drawing a form to PNG.
#include "VlCp1251.h"
#include "VlExceptions.h"
#include "VlFormStream.h"
#include "VlFormText.h"
#ifdef VL_FORMCONV_RENDER
#include "FormConvRender.h"
#endif

#include <cstdio>
#include <exception>
#include <string>

namespace {

int Usage()
{
    std::fputs("usage: formconv text2bin IN OUT | formconv bin2text IN OUT | formconv check IN"
#ifdef VL_FORMCONV_RENDER
               " | formconv render FORM OUT.png"
#endif
               "\n",
               stderr);
    return 2;
}

// Reads a form file; a missing or unreadable file is reported like a bad form.
std::string ReadInput(const std::string &path)
{
    try {
        return ReadFileBytes(path);
    } catch (const std::exception &error) {
        throw EFOpenError(error.what());
    }
}

void WriteOutput(const std::string &path, const std::string &bytes)
{
    try {
        WriteFileBytesAtomically(path, bytes);
    } catch (const std::exception &error) {
        throw EFCreateError(error.what());
    }
}

int Run(const std::string &command, int argc, char **argv)
{
    if (command == "text2bin" && argc == 4) {
        const std::string input = ReadInput(argv[2]);
        if (DetectFormFileFormat(input) == TFormFileFormat::Binary)
            throw EParserError("The input is already a binary form file");
        WriteOutput(argv[3], AddResourceHeader(ObjectTextToBinary(input)));
        return 0;
    }
    if (command == "bin2text" && argc == 4) {
        const std::string input = ReadInput(argv[2]);
        WriteOutput(argv[3], ObjectBinaryToText(SkipResourceHeader(input)));
        return 0;
    }
    if (command == "check" && argc == 3) {
        const std::string binary = FormFileToBinary(ReadInput(argv[2]));
        ObjectBinaryToText(binary); // reads every value, so damaged binary data is found too
        return 0;
    }
#ifdef VL_FORMCONV_RENDER
    if (command == "render" && argc == 4) {
        RenderFormFile(ReadInput(argv[2]), argv[3]);
        return 0;
    }
#endif
    return Usage();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return Usage();
    try {
        return Run(argv[1], argc, argv);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "formconv: %s: %s\n", argc > 2 ? argv[2] : "", error.what());
        return 1;
    }
}
