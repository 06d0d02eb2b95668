// TImageList: a list of same-sized images that menus, tree views and buttons draw from.
#include "VlImgList.h"

#include "VlExceptions.h"
#include "VlFormLimits.h"

VL_IMPLEMENT_CLASS(TImageList, TComponent, "Controls",
    VlIntProp<&TImageList::Height, &TImageList::SetHeight>("Height").WithDefault(16),
    VlIntProp<&TImageList::Width, &TImageList::SetWidth>("Width").WithDefault(16))

TImageList::TImageList(TComponent *owner) : TComponent(owner) {}

void TImageList::SetWidth(int value)
{
    VlCheckFormLimit("Image width", value, VlMaxControlExtent);
    if (value != FWidth)
        FImages.clear();
    FWidth = std::max(1, value);
}

void TImageList::SetHeight(int value)
{
    VlCheckFormLimit("Image height", value, VlMaxControlExtent);
    if (value != FHeight)
        FImages.clear();
    FHeight = std::max(1, value);
}

int TImageList::Add(TBitmap *bitmap)
{
    const int first = Count();
    if (!bitmap || bitmap->Empty())
        return -1;
    const QImage image = bitmap->ToImage();
    for (int x = 0; x + FWidth <= std::max(image.width(), FWidth); x += FWidth)
        FImages.push_back(image.copy(x, 0, FWidth, FHeight));
    return first;
}

void TImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    FImages.erase(FImages.begin() + index);
}

bool TImageList::GetBitmap(int index, TBitmap *bitmap) const
{
    if (index < 0 || index >= Count() || !bitmap)
        return false;
    bitmap->SetImage(FImages[size_t(index)]);
    return true;
}

void TImageList::Draw(TCanvas *canvas, int x, int y, int index) const
{
    if (index < 0 || index >= Count() || !canvas)
        return;
    TBitmap bitmap;
    bitmap.SetImage(FImages[size_t(index)]);
    canvas->Draw(x, y, &bitmap);
}
