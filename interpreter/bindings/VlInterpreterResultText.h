// The text a run harness shows for a script's result value ("Empty", "Object: TForm1", "Set: 10", ...).
#pragma once

#include <string>

class TVlValue;

enum class TVlResultLanguage { English, Russian };

// CP1251 text. Integer, Double and String values show as text, Booleans as "True"/"False";
// kinds without a display form show as "!Unknown!".
std::string VlResultText(const TVlValue &value, TVlResultLanguage language = TVlResultLanguage::English);
