// The designer's clipboard records and form files.
#pragma once

#include <QString>
#include <string>
#include <string_view>

class TComponent;

// The clipboard format of designed controls, registered under the name "Delphi Components"
// (platforms that name formats by MIME type keep the same name inside the type).
extern const QString DesignClipboardFormat;

// Reads a form file (text or binary form format) into root as the designer does: the root's class
// in the file is ignored, handler names are kept, properties that cannot be applied are skipped.
// An unknown class raises EClassNotFound "Class %s not found"; components read before stay.
void ReadDesignFormFile(std::string_view fileBytes, TComponent *root);
// The same for a binary form stream.
void ReadDesignBinary(std::string_view binary, TComponent *root);
