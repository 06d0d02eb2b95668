// TGraphic, TBitmap and TPicture: images that controls show and canvases draw, stored in form files.
#pragma once

#include "VlCanvas.h"

#include <QImage>
#include <memory>
#include <string>

class TStream;
class TIcon;
class TMetafile;

class TGraphic : public TPersistent {
    VL_CLASS(TGraphic)
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual QImage ToImage() const = 0;
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Any image format Qt reads; raises EInvalidGraphic-style EInvalidImage on a bad file.
    virtual void LoadFromFile(const std::string &fileName) = 0;
    virtual void SaveToFile(const std::string &fileName) const = 0;
    // The bytes of a form file's picture data after the class name.
    virtual void LoadFromFormData(const std::string &bytes) = 0;
    virtual std::string SaveToFormData() const = 0;
    // Stored in form files as the binary property "Data" (a button's "Glyph.Data").
    void DefineProperties(TFiler &filer) override;

    std::function<void()> OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange();
    }

private:
    bool FTransparent = false;
};

class TBitmap : public TGraphic {
    VL_CLASS(TBitmap)
    TBitmap();
    ~TBitmap() override;
    void Assign(const TPersistent *source) override;

    bool Empty() const override { return FImage.isNull(); }
    int Width() const override { return FImage.width(); }
    int Height() const override { return FImage.height(); }
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    // Keeps the pixels that still fit; new pixels are white.
    void SetSize(int width, int height);
    QImage ToImage() const override { return FImage; }
    void SetImage(const QImage &image);
    TCanvas *Canvas();

    void LoadFromFile(const std::string &fileName) override;
    void SaveToFile(const std::string &fileName) const override;
    // A 4-byte size followed by a BMP file (or any format Qt recognises).
    void LoadFromFormData(const std::string &bytes) override;
    std::string SaveToFormData() const override;

private:
    class TBitmapCanvas;
    QImage FImage;
    std::unique_ptr<TBitmapCanvas> FCanvas;
};

// Holds one graphic; form files keep it as "Picture.Data" (class name, then the graphic's data).
class TPicture : public TPersistent {
    VL_CLASS(TPicture)
    TPicture();
    ~TPicture() override;
    void Assign(const TPersistent *source) override;
    void DefineProperties(TFiler &filer) override;

    TGraphic *Graphic() const { return FGraphic.get(); }
    void SetGraphic(TGraphic *graphic);
    // Creates an empty bitmap when the picture holds something else or nothing.
    TBitmap *Bitmap();
    void SetBitmap(TBitmap *bitmap) { SetGraphic(bitmap); }
    // The same for icons and metafiles (VlGraphicFormats.h).
    TIcon *Icon();
    TMetafile *Metafile();
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }
    bool Empty() const { return !FGraphic || FGraphic->Empty(); }
    void LoadFromFile(const std::string &fileName);
    void SaveToFile(const std::string &fileName) const;
    void Clear();

    std::function<void()> OnChange;

private:
    void Changed();
    void ReadData(TStream &stream);
    void WriteData(TStream &stream);
    std::unique_ptr<TGraphic> FGraphic;
};
