// TImageList: a list of same-sized images that menus, tree views and buttons draw from.
#pragma once

#include "VlPicture.h"

#include <QImage>
#include <vector>

class TImageList : public TComponent {
    VL_CLASS(TImageList)
    explicit TImageList(TComponent *owner = nullptr);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    int Count() const { return int(FImages.size()); }
    // Adds the bitmap cut into Width-wide images; returns the index of the first.
    int Add(TBitmap *bitmap);
    void Delete(int index);
    void Clear() { FImages.clear(); }
    // Copies image index into bitmap; false for an index outside the list.
    bool GetBitmap(int index, TBitmap *bitmap) const;
    void Draw(TCanvas *canvas, int x, int y, int index) const;
    const QImage &Image(int index) const { return FImages.at(size_t(index)); }

private:
    int FWidth = 16, FHeight = 16;
    std::vector<QImage> FImages;
};
