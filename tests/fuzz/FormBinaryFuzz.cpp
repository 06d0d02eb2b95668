// Fuzz target: any bytes given to the binary form readers (text conversion and component reader)
// end in a result or a clean error.
#include "VlClassRegistry.h"
#include "VlCollection.h"
#include "VlFormReader.h"
#include "VlFormStream.h"
#include "VlFormText.h"
#include "VlStringList.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <string_view>

namespace {

const TEnumInfo &KindInfo()
{
    static const TEnumInfo info("TFuzzKind", {"fkOne", "fkTwo", "fkThree"});
    return info;
}

class TFuzzItem : public TCollectionItem {
    VL_CLASS(TFuzzItem)
    using TCollectionItem::TCollectionItem;
    std::string Text;
};
VL_IMPLEMENT_CLASS(TFuzzItem, TCollectionItem, "Fuzz", VlStrProp<&TFuzzItem::Text, &TFuzzItem::Text>("Text"))

// One component with a property of every kind the reader handles.
class TFuzzComponent : public TComponent {
    VL_CLASS(TFuzzComponent)
    explicit TFuzzComponent(TComponent *owner) : TComponent(owner) {}
    TCollection *GetItems() const { return FItems.get(); }
    TStringList *GetLines() const { return FLines.get(); }
    TFuzzComponent *GetBuddy() const { return FBuddy; }
    void SetBuddy(TFuzzComponent *buddy) { FBuddy = buddy; }
    void SetLines(TStringList *lines) { FLines->Assign(lines); }
    int Number = 0;
    int Kind = 0;
    uint32_t Flags = 0;
    double Ratio = 0;
    std::string Caption;
    char Letter = 0;
    TVarValue Value;

private:
    std::unique_ptr<TCollection> FItems = std::make_unique<TCollection>(TFuzzItem::StaticClassInfo());
    std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
    TFuzzComponent *FBuddy = nullptr;
};
VL_IMPLEMENT_CLASS(TFuzzComponent, TComponent, "Fuzz",
                   VlIntProp<&TFuzzComponent::Number, &TFuzzComponent::Number>("Number"),
                   VlEnumProp<&TFuzzComponent::Kind, &TFuzzComponent::Kind>("Kind", KindInfo(), 0),
                   VlSetProp<&TFuzzComponent::Flags, &TFuzzComponent::Flags>("Flags", "TFuzzKinds", KindInfo(), 0),
                   VlFloatProp<&TFuzzComponent::Ratio, &TFuzzComponent::Ratio>("Ratio"),
                   VlStrProp<&TFuzzComponent::Caption, &TFuzzComponent::Caption>("Caption"),
                   VlCharProp<&TFuzzComponent::Letter, &TFuzzComponent::Letter>("Letter"),
                   VlVariantProp<&TFuzzComponent::Value, &TFuzzComponent::Value>("Value"),
                   VlClassProp<&TFuzzComponent::GetItems>("Items", "TCollection"),
                   VlClassProp<&TFuzzComponent::GetLines, &TFuzzComponent::SetLines>("Lines", "TStrings"),
                   VlClassProp<&TFuzzComponent::GetBuddy, &TFuzzComponent::SetBuddy>("Buddy", "TFuzzComponent"))

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool registered = (RegisterClass(TFuzzComponent::StaticClassInfo()), true);
    (void)registered;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    try {
        ObjectBinaryToText(SkipResourceHeader(bytes));
    } catch (const std::exception &) {
    }
    try {
        TFuzzComponent root(nullptr);
        ReadComponentFromBinary(bytes, &root);
    } catch (const std::exception &) {
    }
    return 0;
}
