// formconv render: the real widgets of a form file, drawn offscreen to a PNG.
#pragma once

#include <string>

// Builds the form's widgets through the designer's form reader (the root, whatever its class,
// becomes a form) and writes the drawing to a PNG. Raises the reader's errors (an unregistered
// class: "Class %s not found") and EFCreateError when the image cannot be written.
void RenderFormFile(const std::string &formBytes, const std::string &pngPath);
