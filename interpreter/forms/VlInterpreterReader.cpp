// Reading a script form's form file with the handler names kept for binding.
#include "VlInterpreterReader.h"

#include "VlInterpreterForm.h"

#include "components/VlRegisterComponents.h"

TVlInterpreterReader::TVlInterpreterReader(TStream &stream, TVlInterpreterForm &root) : TFormReader(stream), FRoot(root)
{
    OnFindMethod = [this](TFormReader &, TComponent *, const TPropInfo &, const std::string &handlerName) {
        FRoot.MethodNames.push_back(std::make_unique<std::string>(handlerName));
        return TMethod{FRoot.MethodNames.back().get(), &FRoot};
    };
}

void TVlInterpreterReader::ReadForm()
{
    RegisterVlComponents();
    ReadRootComponent(&FRoot);
}
