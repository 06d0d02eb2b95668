// Result value display of the run harness, shared by the GUI and the headless runner.
#include "VlInterpreterResultText.h"

#include "interpreter/VlInterpreterConst.h"
#include "interpreter/VlInterpreterValue.h"
#include "rtl/VlObject.h"
#include "rtl/VlSysUtils.h"

#include <cstdio>
#include <cstdlib>

std::string VlResultText(const TVlValue &value, TVlResultLanguage language)
{
    bool russian = language == TVlResultLanguage::Russian;
    switch (value.Kind()) {
    case varEmpty:
        return russian ? "\xCF\xF3\xF1\xF2\xEE" : "Empty";            // "Пусто"
    case varNull:
        return russian ? "\xCF\xF3\xF1\xF2\xEE\xE9" : "Null";         // "Пустой"
    case varInteger:
        return std::to_string(value.RawInteger());
    case varInt64:  // the fuller dialect's wide integers
        return std::to_string(value.RawInt64());
    case varDouble:
    case varVlExtended:  // the fuller dialect's reals, shown at the precision of a double
        return VlSysUtils::FloatToStr(ValueToDouble(value));
    case varSingle: {
        // A single holds about 7 digits; more would show the binary noise of its conversion.
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.7g", ValueToDouble(value));
        return VlSysUtils::FloatToStr(std::strtod(digits, nullptr));
    }
    case varString:
        return value.RawString();
    case varBoolean:
        return value.RawInteger() ? "True" : "False";
    case varVlObject: {
        auto *object = static_cast<TObject *>(ValueToObject(value));
        if (!object)
            return "Object: nil";
        return VlIsLiveObject(object) ? "Object: " + object->ClassName() : "Object: invalid";
    }
    case varVlSet:
        return "Set: " + std::to_string(int32_t(ValueToSet(value)));
    default:
        return russian ? "!\xCD\xE5\xE8\xE7\xE2\xE5\xF1\xF2\xED\xEE!" : "!Unknown!";  // "!Неизвестно!"
    }
}
